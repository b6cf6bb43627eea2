#pragma once

#include <windows.h>

#include <vector>

// What the clipboard offers at one moment, read without holding it open: the list of
// its formats in the clipboard's own order, and copies of their data taken on request.
// Copies are the caller's: a block is freed with GlobalFree, a bitmap with DeleteObject.
// A format the clipboard dropped since the list was taken gives no data.
class CClipboardDataObject {
public:
    // Takes the list of formats the clipboard offers now; FALSE when it cannot be opened.
    BOOL AttachClipboard();
    // Forgets the list: nothing is available until the next attach.
    void Release();

    BOOL IsDataAvailable(UINT format) const;
    // Restarts the walk over the formats of the list.
    void BeginEnumFormats() { m_next = 0; }
    // The next format of the walk; FALSE after the last one.
    BOOL GetNextFormat(UINT* format);

    // A copy of the format's memory block; null when it is not offered (or not memory).
    HGLOBAL GetGlobalData(UINT format) const;
    // A device-independent copy of the clipboard's bitmap (CF_BITMAP); null when none.
    HBITMAP GetBitmap() const;

private:
    std::vector<UINT> m_formats;
    size_t m_next = 0;
};
