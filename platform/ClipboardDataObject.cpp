#include "platform/ClipboardDataObject.h"

#include "platform/Clipboard.h"

#include <algorithm>

namespace {

// Holds the clipboard open for the life of one read.
class OpenedClipboard {
public:
    OpenedClipboard() : m_open(OpenClipboardBriefly()) {}
    ~OpenedClipboard() {
        if (m_open)
            ::CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

// Formats whose data is a GDI handle, not a memory block.
bool IsHandleFormat(UINT format) {
    return format == CF_BITMAP || format == CF_DSPBITMAP || format == CF_PALETTE || format == CF_ENHMETAFILE ||
           format == CF_DSPENHMETAFILE;
}

}  // namespace

BOOL CClipboardDataObject::AttachClipboard() {
    Release();
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen())
        return FALSE;
    for (UINT format = ::EnumClipboardFormats(0); format != 0; format = ::EnumClipboardFormats(format))
        m_formats.push_back(format);
    return TRUE;
}

void CClipboardDataObject::Release() {
    m_formats.clear();
    m_next = 0;
}

BOOL CClipboardDataObject::IsDataAvailable(UINT format) const {
    return std::find(m_formats.begin(), m_formats.end(), format) != m_formats.end();
}

BOOL CClipboardDataObject::GetNextFormat(UINT* format) {
    if (m_next >= m_formats.size())
        return FALSE;
    *format = m_formats[m_next++];
    return TRUE;
}

HGLOBAL CClipboardDataObject::GetGlobalData(UINT format) const {
    if (!IsDataAvailable(format) || IsHandleFormat(format))
        return nullptr;
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen())
        return nullptr;
    HANDLE block = ::GetClipboardData(format);
    if (block == nullptr)
        return nullptr;
    const void* bytes = ::GlobalLock(block);
    if (bytes == nullptr)
        return nullptr;
    HGLOBAL copy = GlobalCopy(bytes, ::GlobalSize(block));
    ::GlobalUnlock(block);
    return copy;
}

HBITMAP CClipboardDataObject::GetBitmap() const {
    if (!IsDataAvailable(CF_BITMAP))
        return nullptr;
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen())
        return nullptr;
    HANDLE bitmap = ::GetClipboardData(CF_BITMAP);
    if (bitmap == nullptr)
        return nullptr;
    return static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
