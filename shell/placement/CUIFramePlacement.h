#pragma once

#include <windows.h>

#include <cstdint>

class CWnd;

// A window's placement as the profile stores it ("Window Position" in the section
// "Settings"): 48 bytes, a zero word and then the placement fields, each 32 bits.
// The stored length field reads 48, the size of the whole record.
class CUIFramePlacement {
public:
    static const UINT kRecordBytes = 48;

    CUIFramePlacement();

    // Reads the window's placement and writes it (a minimised window as a normal one
    // unless the caller names the entry). FALSE when the window or its placement
    // cannot be read; the write's own result is not reported.
    BOOL Save(CWnd* window, LPCSTR entry = nullptr);

    // The record's bytes as they are stored, little-endian.
    void ToBytes(BYTE (&bytes)[kRecordBytes]) const;

    uint32_t reserved = 0;
    uint32_t length = 0;
    uint32_t flags = 0;
    uint32_t showCmd = 0;
    int32_t minPosition[2] = {};
    int32_t maxPosition[2] = {};
    int32_t normalPosition[4] = {};  // left, top, right, bottom

private:
    BOOL ReadFrom(HWND window);
};
