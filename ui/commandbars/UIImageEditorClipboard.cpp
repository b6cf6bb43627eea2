#include "ui/commandbars/UIImageEditorClipboard.h"

#include <cstring>

namespace {

bool NamesA32BitDib(UINT format) {
    char name[255] = {};
    if (!::GetClipboardFormatNameA(format, name, 255)) return false;
    const char* found = std::strstr(name, "DIB32");
    return found && found > name;
}

}  // namespace

BOOL IsPastedBitmapAlpha(const std::vector<UINT>& formats) {
    for (UINT format : formats)
        if (NamesA32BitDib(format)) return TRUE;
    const UINT marker = ::RegisterClipboardFormatA("Alpha Bitmap Image");
    for (UINT format : formats)
        if (format == marker) return TRUE;
    return FALSE;
}
