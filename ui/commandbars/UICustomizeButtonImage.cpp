#include "ui/commandbars/UICustomizeButtonImage.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIImageEditorDlg.h"
#include "ui/commandbars/UIImageFunctions.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/commandbars/UIImageManagerIcons.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

#include "platform/CImageList.h"

namespace {

const int CopiedImageWidth = 16;

// The icon drawn on the button-face colour, for programs that know no transparency.
HBITMAP IconOnButtonFace(HICON icon) {
    const CSize size = GetIconSize(icon);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size.cx, size.cy);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const RECT rect = {0, 0, size.cx, size.cy};
    ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawState(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 0, 0, size.cx, size.cy, DST_ICON | DSS_NORMAL);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return bitmap;
}

HBITMAP ClipboardBitmapOf(CUIImageIconSet* set) {
    if (!set->IsAlpha())
        return IconOnButtonFace(set->GetIcon());
    ICONINFO info = {};
    if (!::GetIconInfo(set->GetIcon(), &info))
        return nullptr;
    HBITMAP copy = CopyAlphaBitmap(info.hbmColor);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return copy;
}

BOOL PutEmptyBlock(UINT format) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 1);
    if (block && ::SetClipboardData(format, block))
        return TRUE;
    if (block)
        ::GlobalFree(block);
    return FALSE;
}

// A masked image of the bitmap on the button-face colour, as an icon when it makes
// exactly one image.
HICON MaskedIconOf(HBITMAP bitmap) {
    BITMAP info = {};
    if (!::GetObject(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return nullptr;
    CImageList list;
    if (!list.Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1))
        return nullptr;
    ::ImageList_AddMasked(list, bitmap, ::GetSysColor(COLOR_BTNFACE));
    return list.GetImageCount() == 1 ? list.ExtractIcon(0) : nullptr;
}

}  // namespace

BOOL CopyButtonImage(CUIImageStore* store, UINT imageId, CWnd* owner) {
    CUIImageIconSet* set = imageId ? store->GetImage(imageId, CopiedImageWidth) : nullptr;
    if (set == nullptr || set->GetIcon().GetIcon() == nullptr)
        return FALSE;
    HBITMAP bitmap = ClipboardBitmapOf(set);
    if (bitmap == nullptr || !::OpenClipboard(owner ? owner->GetSafeHwnd() : nullptr)) {
        if (bitmap)
            ::DeleteObject(bitmap);
        return FALSE;
    }
    ::EmptyClipboard();
    if (!::SetClipboardData(CF_BITMAP, bitmap))
        ::DeleteObject(bitmap);
    if (set->IsAlpha())
        PutEmptyBlock(store->GetAlphaImageFormat());
    if (store->GetIconSet(imageId))
        store->CopyImageToClipboard(imageId);
    ::CloseClipboard();
    return TRUE;
}

UINT PasteButtonImage(CUIImageStore* store, CWnd* owner) {
    if (!::OpenClipboard(owner ? owner->GetSafeHwnd() : nullptr))
        return 0;
    UINT id = 0;
    if (::IsClipboardFormatAvailable(store->GetToolBarImageFormat())) {
        id = store->PasteImageFromClipboard();
    } else if (HBITMAP bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP))) {
        const BOOL alpha = ::IsClipboardFormatAvailable(store->GetAlphaImageFormat());
        HICON icon = nullptr;
        if (alpha) {
            HBITMAP copy = CopyAlphaBitmap(bitmap);
            icon = copy ? CreateIconFromBitmap(copy) : nullptr;
            if (copy)
                ::DeleteObject(copy);
        } else {
            icon = MaskedIconOf(bitmap);
        }
        if (icon) {
            id = store->AddCustomIcon(icon, alpha);
            ::DestroyIcon(icon);
        }
    }
    ::CloseClipboard();
    return id;
}

BOOL EditButtonImage(CUIControl* control, CWnd* parent) {
    const UINT imageId = static_cast<UINT>(control->GetEffectiveImageId());
    const CSize size = BarIconSize(control->GetParent());
    CUIImageStore* store = control->GetImageManager();
    CUIImageIconSet* set = store->GetImage(imageId, size.cx);
    CUIImageEditorDlg editor(parent);
    if (set && set->GetWidth() == size.cx && set->GetIcon().GetIcon())
        editor.SetIcon(set->GetIcon(), set->IsAlpha());
    else
        editor.SetIconSize(size);
    if (editor.DoModal() != IDOK)
        return FALSE;
    BOOL alpha = FALSE;
    HICON icon = editor.GetIcon(&alpha);
    if (icon == nullptr)
        return FALSE;
    CUIImageManagerIcons* custom = control->m_customImageId > 0 ? store->GetIconSet(control->m_customImageId) : nullptr;
    CUIImageIconSet* customSet = custom ? custom->GetImage(GetIconSize(icon).cx, FALSE) : nullptr;
    if (customSet) {
        customSet->TakeIcon(icon, alpha);
    } else {
        control->m_customImageId = static_cast<int>(store->AddCustomIcon(icon, alpha));
        ::DestroyIcon(icon);
    }
    return TRUE;
}
