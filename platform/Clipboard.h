#pragma once
#include "platform/CString.h"

#include <windows.h>

// The system clipboard as the program uses it: plain text (CF_TEXT, GBK bytes) and,
// beside it, one private block that a table puts there with its copied text.

// Fills text from the clipboard's CF_TEXT; nonzero when the clipboard held text.
BOOL GetClipboardText(CString& text);
// Puts text on the clipboard as CF_TEXT in place of everything it held; nonzero on success.
BOOL SetClipboardText(LPCSTR text);

// Puts text and, in the same opening, a private block under format; nonzero on success.
BOOL SetClipboardTextAndData(LPCSTR text, UINT format, const void* data, UINT size);
// Copies the clipboard's block of the given format into data (at most size bytes);
// gives the number of bytes the clipboard holds, 0 when it holds none of that format.
UINT GetClipboardBlock(UINT format, void* data, UINT size);

// Opens the clipboard for this thread, trying a few times while another program holds it.
bool OpenClipboardBriefly();
// A new movable memory block holding a copy of the bytes; null when out of memory.
HGLOBAL GlobalCopy(const void* data, SIZE_T size);
