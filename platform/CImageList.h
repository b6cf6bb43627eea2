#pragma once

#include "platform/CDC.h"
#include "platform/CGdiObject.h"
#include "platform/CObject.h"
#include "platform/NullSafe.h"

#include <commctrl.h>

// The shell's header makes this a macro; here it is a member of CImageList.
#undef ExtractIcon

// A list of images of one size, kept in one bitmap with its mask, that trees, lists
// and toolbars draw by index. The object owns its list and destroys it with itself.
class CImageList : public CObject {
public:
    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const;  // null for a null object pointer

    // An empty list of images of cx by cy pixels; flags are the ILC_* colour depth
    // and ILC_MASK.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // The images of a bitmap resource, each cx pixels wide; pixels of the mask colour
    // are transparent.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    int GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
    // Each adds as many images as the bitmap is wide and answers the index of the
    // first, or -1.
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(CBitmap* bitmap, CBitmap* mask);
    int Add(HICON icon) { return ::ImageList_AddIcon(m_hImageList, icon); }
    // Removes one image (the later ones move down), or all with -1.
    BOOL Remove(int index) { return ::ImageList_Remove(m_hImageList, index); }
    // A new icon of one image, which the caller destroys.
    HICON ExtractIcon(int index) const { return ::ImageList_GetIcon(m_hImageList, index, ILD_NORMAL); }
    BOOL Draw(CDC* dc, int index, POINT point, UINT style) const {
        return ::ImageList_Draw(m_hImageList, index, dc->m_hDC, point.x, point.y, style);
    }
};
