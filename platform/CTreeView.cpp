#include "platform/CTreeView.h"

IMPLEMENT_DYNCREATE(CTreeView, CCtrlView)

CTreeCtrl& CTreeView::GetTreeCtrl() const {
    m_tree.m_hWnd = m_hWnd;
    return m_tree;
}
