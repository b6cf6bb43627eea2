#include "platform/CImageList.h"

#include "platform/CWnd.h"

CImageList::~CImageList() { DeleteImageList(); }

HIMAGELIST CImageList::GetSafeHandle() const {
    const CImageList* self = AfxOpaquePointer(this);
    return self ? self->m_hImageList : nullptr;
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    return Attach(::ImageList_Create(cx, cy, flags, initial, grow));
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    return Attach(::ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId), cx, grow, mask,
                                         IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

// A list that is already held is destroyed first, so that none is lost.
BOOL CImageList::Attach(HIMAGELIST list) {
    if (!list)
        return FALSE;
    DeleteImageList();
    m_hImageList = list;
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

BOOL CImageList::DeleteImageList() {
    HIMAGELIST list = Detach();
    return list && ::ImageList_Destroy(list);
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
    return ::ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(bitmap->GetSafeHandle()), mask);
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask) {
    return ::ImageList_Add(m_hImageList, static_cast<HBITMAP>(bitmap->GetSafeHandle()),
                           mask ? static_cast<HBITMAP>(mask->GetSafeHandle()) : nullptr);
}
