#pragma once

#include <windows.h>

class CWnd;
class CUIControl;
class CUIImageStore;

// The button image of a command on the clipboard, for the customize context menu.

// Puts the store's 16-pixel image of the id on the clipboard as a bitmap (with the alpha
// marker for an alpha image) and the store's own image format; nothing when the store
// has no image of the id or the clipboard cannot be opened. TRUE when copied.
BOOL CopyButtonImage(CUIImageStore* store, UINT imageId, CWnd* owner);
// A new custom image of the store from the clipboard (the store's own format first,
// else a bitmap); its id, or 0 when the clipboard holds no usable image.
UINT PasteButtonImage(CUIImageStore* store, CWnd* owner);
// Opens the button image editor on the control's image at its bar's button image size;
// after OK the control shows the edited image (as a new custom image, or replacing its
// custom one). TRUE when the image changed.
BOOL EditButtonImage(CUIControl* control, CWnd* parent);
