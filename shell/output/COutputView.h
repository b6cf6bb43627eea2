#pragma once
#include "platform/CView.h"
#include "shell/output/COutputListBox.h"
#include "ui/docking/tabs/UIFlatTabCtrl.h"

// The view in the output pane: two lists of text lines on a flat tab strip along its
// bottom edge, tab 0 "通用信息" (PLC results and other messages) and tab 1 "编译信息"
// (the compile log). The main frame adds the lines; the lists keep them until they are
// emptied.
class COutputView : public CView {
    DECLARE_DYNCREATE(COutputView)

public:
    enum { GeneralTab = 0, CompileTab = 1, TabCount = 2 };
    static const UINT kTabStripId = 32868;
    static const UINT kFirstListId = 25000;

    // The tab strip and the lists exist once the view's window does (the lists only when
    // the strip could be made).
    CUIFlatTabCtrl& TabStrip() { return m_tabs; }
    COutputListBox& List(int tab) { return m_lists[tab]; }

    // Makes the tab current, gives its list the font, appends the line and selects it.
    // Only tabs 0 and 1 take lines.
    BOOL AddLine(int tab, LPCSTR text, CFont* font);
    // Makes the tab current; other indexes do nothing.
    void SelectTab(int tab);
    void ClearList(int tab);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC*) override {}

protected:
    COutputView() = default;

    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnClear();
    void OnHide();
    DECLARE_MESSAGE_MAP()

private:
    static bool IsTab(int tab) { return tab >= 0 && tab < TabCount; }
    BOOL CreateList(int tab);

    CUIFlatTabCtrl m_tabs;
    COutputListBox m_lists[TabCount];
};
