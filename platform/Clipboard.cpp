#include "platform/Clipboard.h"

#include <cstring>

// Another program may hold the clipboard for a moment; a few tries ride over that.
bool OpenClipboardBriefly() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (::OpenClipboard(nullptr))
            return true;
        ::Sleep(10);
    }
    return false;
}

HGLOBAL GlobalCopy(const void* data, SIZE_T size) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr)
        return nullptr;
    void* target = ::GlobalLock(block);
    if (target == nullptr) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, data, size);
    ::GlobalUnlock(block);
    return block;
}

namespace {

// The clipboard owns a block once it accepts it; a refused block is ours to free.
bool PutBlock(UINT format, const void* data, SIZE_T size) {
    HGLOBAL block = GlobalCopy(data, size);
    if (block == nullptr)
        return false;
    if (::SetClipboardData(format, block) == nullptr) {
        ::GlobalFree(block);
        return false;
    }
    return true;
}

bool PutText(LPCSTR text) {
    if (text == nullptr)
        text = "";
    return PutBlock(CF_TEXT, text, std::strlen(text) + 1);
}

}  // namespace

BOOL GetClipboardText(CString& text) {
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboardBriefly())
        return FALSE;
    BOOL read = FALSE;
    if (HANDLE block = ::GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(::GlobalLock(block))) {
            // The block may lack its terminator; never read past its size.
            SIZE_T size = ::GlobalSize(block);
            text = CString(bytes, static_cast<int>(strnlen(bytes, size)));
            ::GlobalUnlock(block);
            read = TRUE;
        }
    }
    ::CloseClipboard();
    return read;
}

BOOL SetClipboardText(LPCSTR text) {
    if (!OpenClipboardBriefly())
        return FALSE;
    bool done = ::EmptyClipboard() && PutText(text);
    ::CloseClipboard();
    return done;
}

BOOL SetClipboardTextAndData(LPCSTR text, UINT format, const void* data, UINT size) {
    if (!OpenClipboardBriefly())
        return FALSE;
    bool done = ::EmptyClipboard() && PutText(text) && PutBlock(format, data, size);
    ::CloseClipboard();
    return done;
}

UINT GetClipboardBlock(UINT format, void* data, UINT size) {
    if (!::IsClipboardFormatAvailable(format) || !OpenClipboardBriefly())
        return 0;
    UINT held = 0;
    if (HANDLE block = ::GetClipboardData(format)) {
        if (const void* bytes = ::GlobalLock(block)) {
            held = static_cast<UINT>(::GlobalSize(block));
            std::memcpy(data, bytes, held < size ? held : size);
            ::GlobalUnlock(block);
        }
    }
    ::CloseClipboard();
    return held;
}
