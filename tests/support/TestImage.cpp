#include "tests/support/TestImage.h"

#include "platform/CWnd.h"

#include <fstream>
#include <vector>

TestImage::TestImage(int width, int height, COLORREF background) : m_width(width), m_height(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<uint32_t*>(bits);
    m_bitmap.Attach(bitmap);
    m_dc.CreateCompatibleDC(nullptr);
    m_oldBitmap = ::SelectObject(m_dc.m_hDC, m_bitmap.m_hObject);
    m_dc.FillSolidRect(0, 0, width, height, background);
}

TestImage::~TestImage() { ::SelectObject(m_dc.m_hDC, m_oldBitmap); }

COLORREF TestImage::Pixel(int x, int y) const {
    ::GdiFlush();
    uint32_t value = m_bits[y * m_width + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int TestImage::CountPixels(const RECT& rect, COLORREF color) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            count += Pixel(x, y) == color;
    }
    return count;
}

bool TestImage::SaveBmp(const std::string& path) const {
    ::GdiFlush();
    uint32_t imageSize = static_cast<uint32_t>(m_width * m_height * 4);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = m_width;
    header.biHeight = -m_height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    // The fourth byte of a pixel is unused, yet some drawing leaves values there, and
    // viewers then take it for transparency and show what GDI drew (left at 0) as blank.
    std::vector<uint32_t> pixels(m_bits, m_bits + static_cast<size_t>(m_width) * m_height);
    for (uint32_t& pixel : pixels)
        pixel &= 0x00FFFFFF;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(pixels.data()), imageSize);
    return static_cast<bool>(out);
}

namespace {

// Each window draws into an image of its own size, laid over what lies beneath it:
// the common controls draw nothing into a device context whose origin was moved, and
// a background erased through WM_PRINT must not paint over the window's siblings.
void RenderAt(HWND hwnd, CDC& dc, POINT origin) {
    RECT window;
    ::GetWindowRect(hwnd, &window);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    if (width > 0 && height > 0) {
        TestImage layer(width, height);
        layer.DC().BitBlt(0, 0, width, height, &dc, origin.x, origin.y, SRCCOPY);
        ::SendMessageA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(layer.DC().m_hDC),
                       PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        dc.BitBlt(origin.x, origin.y, width, height, &layer.DC(), 0, 0, SRCCOPY);
    }
    // Children bottom of the z-order first, so the top ones end up in front.
    for (HWND child = ::GetWindow(hwnd, GW_CHILD) ? ::GetWindow(::GetWindow(hwnd, GW_CHILD), GW_HWNDLAST) : nullptr;
         child; child = ::GetWindow(child, GW_HWNDPREV)) {
        if (!::IsWindowVisible(child))
            continue;
        RECT rect;
        ::GetWindowRect(child, &rect);
        RECT parentRect;
        ::GetWindowRect(hwnd, &parentRect);
        POINT childOrigin = {origin.x + rect.left - parentRect.left, origin.y + rect.top - parentRect.top};
        RenderAt(child, dc, childOrigin);
    }
}

}  // namespace

void RenderWindow(CWnd* wnd, TestImage& image) { RenderAt(wnd->m_hWnd, image.DC(), POINT{0, 0}); }

std::string TestOutputPath(const std::string& fileName) {
    char folder[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, folder, MAX_PATH);
    std::string path = folder;
    path = path.substr(0, path.find_last_of('\\') + 1) + "test-output";
    ::CreateDirectoryA(path.c_str(), nullptr);
    return path + "\\" + fileName;
}
