#pragma once
#include <windows.h>

#include "platform/CDC.h"

// A printer standing in for a real one: a memory context on a bitmap of the screen's
// size that counts the pages of the job. The print dialog that chose it deletes the
// context; the bitmap stays to be looked at.
class StandInPrinter : public CDC {
public:
    StandInPrinter() {
        CreateCompatibleDC(nullptr);
        HDC screen = ::GetDC(nullptr);
        m_width = ::GetDeviceCaps(screen, HORZRES);
        m_height = ::GetDeviceCaps(screen, VERTRES);
        m_bitmap = ::CreateCompatibleBitmap(screen, m_width, m_height);
        ::ReleaseDC(nullptr, screen);
        ::SelectObject(m_hDC, m_bitmap);
        ::PatBlt(m_hDC, 0, 0, m_width, m_height, WHITENESS);
    }
    ~StandInPrinter() override {
        Detach();
        ::DeleteObject(m_bitmap);
    }
    int StartDoc(LPDOCINFOA) override { return 1; }
    int StartPage() override {
        ++pages;
        return 1;
    }
    int EndPage() override { return 1; }
    int EndDoc() override { return 1; }
    int AbortDoc() override { return 1; }
    // Dark pixels of the page's top left quarter, where the text lies.
    int InkedPixels() {
        HDC page = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(page, m_bitmap);
        int inked = 0;
        for (int y = 0; y < m_height / 2; y += 2)
            for (int x = 0; x < m_width / 2; x += 2)
                if (::GetPixel(page, x, y) != RGB(255, 255, 255)) ++inked;
        ::SelectObject(page, old);
        ::DeleteDC(page);
        return inked;
    }

    int pages = 0;

private:
    HBITMAP m_bitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
};
