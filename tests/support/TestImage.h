#pragma once

#include "platform/CDC.h"

#include <cstdint>
#include <string>

class CWnd;

// A 32-bit image in memory with a device context to draw into, for checking pixels
// and for writing what was drawn to a BMP file a person can look at.
class TestImage {
public:
    TestImage(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~TestImage();
    TestImage(const TestImage&) = delete;
    TestImage& operator=(const TestImage&) = delete;

    CDC& DC() { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle have the colour.
    int CountPixels(const RECT& rect, COLORREF color) const;
    bool SaveBmp(const std::string& path) const;

private:
    int m_width;
    int m_height;
    uint32_t* m_bits = nullptr;
    CBitmap m_bitmap;
    CDC m_dc;
    // A handle, not a wrapper: the thread's temporary wrappers die at idle time.
    HGDIOBJ m_oldBitmap = nullptr;
};

// Draws a window and its visible children (as WM_PRINT draws each) into an image of
// the window's size.
void RenderWindow(CWnd* wnd, TestImage& image);

// Where a test writes the images it leaves for people to look at.
std::string TestOutputPath(const std::string& fileName);
