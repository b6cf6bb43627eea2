#include "shell/picture/CAnimatedPicture.h"

#include "shell/picture/GifReader.h"

#include <cstring>

namespace {

constexpr DWORD kStopWaitMs = 5000;
constexpr DWORD kShortestFrameMs = 100;
constexpr int kHimetricPerInch = 2540;

class SystemFrameClock : public FrameClock {
public:
    bool WaitForStop(HANDLE stopEvent, DWORD ms) override {
        return WaitForSingleObject(stopEvent, ms) == WAIT_OBJECT_0;
    }
};

// A picture from the platform's loader over a stream on a global block. With
// `streamOwnsBlock` the stream frees the block when it goes; otherwise the block stays
// the caller's.
IPicture* LoadPicture(HGLOBAL block, bool streamOwnsBlock) {
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, streamOwnsBlock ? TRUE : FALSE, &stream))) {
        if (streamOwnsBlock)
            GlobalFree(block);
        return nullptr;
    }
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture))))
        picture = nullptr;
    stream->Release();
    return picture;
}

HGLOBAL CopyToGlobal(const void* data, size_t size, UINT flags) {
    HGLOBAL block = GlobalAlloc(flags, size);
    void* target = block ? GlobalLock(block) : nullptr;
    if (!target) {
        if (block)
            GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(block);
    return block;
}

SIZE PixelSizeOf(IPicture* picture) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    HDC screen = GetDC(nullptr);
    const SIZE size = {MulDiv(width, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch),
                       MulDiv(height, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch)};
    ReleaseDC(nullptr, screen);
    return size;
}

}  // namespace

BEGIN_MESSAGE_MAP(CAnimatedPicture, CStatic)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CAnimatedPicture::CAnimatedPicture()
    : m_stopEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_clock(&SystemClock()) {}

CAnimatedPicture::~CAnimatedPicture() {
    Unload();
    CloseHandle(m_stopEvent);
}

FrameClock& CAnimatedPicture::SystemClock() {
    static SystemFrameClock clock;
    return clock;
}

DWORD CAnimatedPicture::FrameWaitMs(int delay) {
    const DWORD hundredths = static_cast<DWORD>(delay);
    return hundredths >= 5 ? hundredths * 10 : kShortestFrameMs;
}

BOOL CAnimatedPicture::LoadFromResource(LPCSTR name, LPCSTR type) {
    HMODULE module = AfxGetResourceHandle();
    HRSRC resource = FindResourceA(module, name, type);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return FALSE;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL block = CopyToGlobal(data, size, GMEM_MOVEABLE | GMEM_NODISCARD);
    if (!block)
        return FALSE;
    const BOOL loadedPicture = Load(block, size);
    GlobalFree(block);
    return loadedPicture;
}

BOOL CAnimatedPicture::Load(HGLOBAL block, DWORD size) {
    Unload();
    const uint8_t* data = block ? static_cast<const uint8_t*>(GlobalLock(block)) : nullptr;
    if (!data)
        return FALSE;
    BOOL loaded = FALSE;
    if (size >= 3 && std::memcmp(data, "GIF", 3) == 0) {
        loaded = LoadGif(block, data, size);
    } else {
        m_picture = LoadPicture(block, false);
        loaded = m_picture && PrepareSurface(PixelSizeOf(m_picture));
    }
    GlobalUnlock(block);
    return loaded;
}

BOOL CAnimatedPicture::LoadGif(HGLOBAL block, const uint8_t* data, DWORD size) {
    GifReader reader(data, size);
    if (!reader.ReadHeader())
        return FALSE;
    const SIZE screen = {reader.ScreenWidth(), reader.ScreenHeight()};
    const int count = reader.CountFrames();
    if (count == 0)
        return FALSE;
    if (count == 1) {
        m_picture = LoadPicture(block, false);
        return m_picture && PrepareSurface(screen);
    }
    GifFrameData extracted;
    while (reader.ExtractFrame(extracted)) {
        HGLOBAL frameBlock = CopyToGlobal(extracted.gif.data(), extracted.gif.size(), GMEM_FIXED);
        IPicture* picture = frameBlock ? LoadPicture(frameBlock, true) : nullptr;
        if (!picture)
            continue;  // a frame the loader cannot read is left out
        m_frames.push_back({picture, extracted.width, extracted.height, extracted.left, extracted.top,
                            extracted.delay, extracted.disposal});
    }
    return !m_frames.empty() && PrepareSurface(screen);
}

BOOL CAnimatedPicture::PrepareSurface(SIZE size) {
    if (m_hWnd)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HDC screen = ::GetDC(m_hWnd);
    m_surface = CreateCompatibleDC(screen);
    m_surfaceBitmap = m_surface ? CreateCompatibleBitmap(screen, size.cx, size.cy) : nullptr;
    ::ReleaseDC(m_hWnd, screen);
    if (!m_surfaceBitmap) {
        ReleaseSurface();
        return FALSE;
    }
    m_surfaceOld = SelectObject(m_surface, m_surfaceBitmap);
    m_size = size;
    m_background = GetSysColor(COLOR_BTNFACE);
    const RECT whole = {0, 0, size.cx, size.cy};
    FillRect(m_surface, &whole, GetSysColorBrush(COLOR_MENU));
    m_prepared = true;
    return TRUE;
}

void CAnimatedPicture::ReleaseSurface() {
    if (m_surface && m_surfaceOld)
        SelectObject(m_surface, m_surfaceOld);
    if (m_surfaceBitmap)
        DeleteObject(m_surfaceBitmap);
    if (m_surface)
        DeleteDC(m_surface);
    m_surface = nullptr;
    m_surfaceBitmap = nullptr;
    m_surfaceOld = nullptr;
}

void CAnimatedPicture::ReleaseSaveArea() {
    if (m_saveDc && m_saveOld)
        SelectObject(m_saveDc, m_saveOld);
    if (m_saveBitmap)
        DeleteObject(m_saveBitmap);
    if (m_saveDc)
        DeleteDC(m_saveDc);
    m_saveDc = nullptr;
    m_saveBitmap = nullptr;
    m_saveOld = nullptr;
}

bool CAnimatedPicture::RenderPicture(IPicture* picture, HDC dc, int x, int y, int width, int height) {
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    picture->get_Width(&hmWidth);
    picture->get_Height(&hmHeight);
    return SUCCEEDED(picture->Render(dc, x, y, width, height, 0, hmHeight, hmWidth, -hmHeight, nullptr));
}

BOOL CAnimatedPicture::Draw() {
    if (!m_prepared)
        return FALSE;
    if (!m_frames.empty()) {
        if (m_thread)
            return FALSE;  // already playing
        m_stop = false;
        m_thread = CreateThread(nullptr, 0, &AnimationThread, this, CREATE_SUSPENDED, nullptr);
        if (m_thread)
            ResumeThread(m_thread);
        return FALSE;
    }
    if (!m_picture || !RenderPicture(m_picture, m_surface, 0, 0, m_size.cx, m_size.cy))
        return FALSE;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return TRUE;
}

DWORD WINAPI CAnimatedPicture::AnimationThread(LPVOID self) {
    static_cast<CAnimatedPicture*>(self)->Animate();
    return 0;
}

void CAnimatedPicture::FillSurface(const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(m_surface, &rect, brush);
    DeleteObject(brush);
}

void CAnimatedPicture::ShowFrame(const GifFrame& frame) {
    if (frame.disposal == 3) {
        ReleaseSaveArea();
        HDC surfaceDc = m_surface;
        m_saveDc = CreateCompatibleDC(surfaceDc);
        m_saveBitmap = m_saveDc ? CreateCompatibleBitmap(surfaceDc, frame.width, frame.height) : nullptr;
        if (m_saveBitmap) {
            m_saveOld = SelectObject(m_saveDc, m_saveBitmap);
            BitBlt(m_saveDc, 0, 0, frame.width, frame.height, m_surface, frame.left, frame.top, SRCCOPY);
        }
    }
    if (RenderPicture(frame.picture, m_surface, frame.left, frame.top, frame.width, frame.height) && m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CAnimatedPicture::DisposeFrame(const GifFrame& frame) {
    const RECT area = {frame.left, frame.top, frame.left + frame.width, frame.top + frame.height};
    if (frame.disposal == 2) {
        FillSurface(area, m_background);
    } else if (frame.disposal == 3 && m_saveBitmap) {
        BitBlt(m_surface, frame.left, frame.top, frame.width, frame.height, m_saveDc, 0, 0, SRCCOPY);
        ReleaseSaveArea();
    }
}

void CAnimatedPicture::Animate() {
    m_playing = true;
    DisposeFrame(m_frames[m_current]);
    while (!m_stop) {
        const GifFrame& frame = m_frames[m_current];
        if (frame.picture)
            ShowFrame(frame);
        if (m_stop || m_clock->WaitForStop(m_stopEvent, FrameWaitMs(frame.delay)) || m_stop)
            break;
        DisposeFrame(frame);
        if (++m_current >= m_frames.size()) {
            m_current = 0;
            FillSurface(RECT{0, 0, m_size.cx, m_size.cy}, m_background);
        }
    }
    m_playing = false;
}

void CAnimatedPicture::Stop() {
    m_playing = false;
    m_stop = true;
    SetEvent(m_stopEvent);
    if (m_thread && WaitForSingleObject(m_thread, kStopWaitMs) == WAIT_OBJECT_0) {
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
    // A thread that did not end in time keeps its handle: Unload waits for it before
    // it frees what the thread draws with.
    if (!m_thread) {
        ResetEvent(m_stopEvent);
        m_stop = false;
    }
}

void CAnimatedPicture::WaitForThreadEnd() {
    if (!m_thread)
        return;
    SetEvent(m_stopEvent);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = nullptr;
    ResetEvent(m_stopEvent);
    m_stop = false;
}

void CAnimatedPicture::Unload() {
    Stop();
    WaitForThreadEnd();
    if (m_picture)
        m_picture->Release();
    m_picture = nullptr;
    for (GifFrame& frame : m_frames)
        if (frame.picture)
            frame.picture->Release();
    m_frames.clear();
    m_current = 0;
    ReleaseSaveArea();
    ReleaseSurface();
    m_size = SIZE{};
    m_prepared = false;
    m_playing = false;
    m_background = RGB(255, 255, 255);
}

COLORREF CAnimatedPicture::SurfacePixel(int x, int y) const { return m_surface ? GetPixel(m_surface, x, y) : CLR_INVALID; }

void CAnimatedPicture::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (m_surface)
        BitBlt(dc, 0, 0, m_size.cx, m_size.cy, m_surface, 0, 0, SRCCOPY);
    ::EndPaint(m_hWnd, &paint);
}

LRESULT CAnimatedPicture::OnPrintClient(WPARAM dc, LPARAM) {
    if (m_surface)
        BitBlt(reinterpret_cast<HDC>(dc), 0, 0, m_size.cx, m_size.cy, m_surface, 0, 0, SRCCOPY);
    return 0;
}

void CAnimatedPicture::OnDestroy() {
    Stop();
    CStatic::OnDestroy();
}
