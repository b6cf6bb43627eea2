#include "platform/CListView.h"

IMPLEMENT_DYNCREATE(CListView, CCtrlView)

CListCtrl& CListView::GetListCtrl() const {
    m_list.m_hWnd = m_hWnd;
    return m_list;
}
