#pragma once

#include "platform/CListCtrl.h"

// A list control whose in-place cell editor (a CInPlaceEdit with the id
// kInPlaceEditId) reports the end of an edit: the list passes that report on to its
// owner (or parent) as if the list itself had sent it, so a dialog's ON_NOTIFY entry
// for the list's id sees it.
class CNotifyListCtrl : public CListCtrl {
public:
    static const UINT kInPlaceEditId = 61446;

protected:
    void OnEditEnded(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};
