#include "platform/CCtrlView.h"

#include "platform/CommonControls.h"

IMPLEMENT_DYNAMIC(CCtrlView, CView)

BEGIN_MESSAGE_MAP(CCtrlView, CView)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CCtrlView::CCtrlView(LPCSTR className, DWORD style, DWORD classes)
    : m_lpszClass(className), m_dwDefaultStyle(style), m_dwControlClasses(classes) {}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCT& cs) {
    AfxEnsureCommonControls(m_dwControlClasses);
    cs.lpszClass = m_lpszClass;
    cs.style |= m_dwDefaultStyle;
    return CView::PreCreateWindow(cs);
}
