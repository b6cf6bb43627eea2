#pragma once

#include "platform/CWnd.h"
#include "ui/docking/tabs/UITabStrip.h"

class CUITabClientWnd;

// One group of document tabs of the tabbed MDI client: each item's handle is the
// window handle of an MDI child frame. Captions, icons, colours and tooltips come from
// the children through the client; a click activates the child, the close button
// closes the selected one, a drag reorders (and, with tab groups, moves between groups).
class CUITabWorkspace : public CUITabStripBase {
public:
    explicit CUITabWorkspace(CUITabClientWnd* owner) : m_owner(owner) {}

    void Reposition() override;
    HICON GetItemIcon(const CUITabStripItem* item) const override;
    COLORREF GetItemColor(const CUITabStripItem* item) const override;
    CString GetItemTooltip(const CUITabStripItem* item) const override;
    void SetSelectedItem(CUITabStripItem* item) override;
    CUITabTheme* GetPaintManager() const override;
    void RedrawControl() override;
    BOOL IsAllowReorder() const override;
    void SetAllowReorder(BOOL allow) override;
    BOOL IsDrawFrame() const override;
    BOOL DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw, CSize* size) override;
    void OnItemClick(CUITabStripItem* item) override;
    void TrackItemDrag(CWnd* wnd, int x, int y, CUITabStripItem* item) override;
    void OnNavigateButtonClick(int id) override;
    BOOL IsMouseLocked() const override;

    // The window that carries the strip (single strip); none for a group the client draws.
    virtual CWnd* GetCarrier() { return nullptr; }
    // Shows or hides the close button and the arrows from the client's flags.
    void ApplyNavigateFlags(int flags);
    static HWND ChildOf(const CUITabStripItem* item) { return reinterpret_cast<HWND>(item->GetHandle()); }
    CUITabClientWnd* GetClient() const { return m_owner; }

    // The child whose tab this group last selected; 0 until the tab has a handle.
    HWND activeChild = nullptr;
    // The group's relative size, and the splitter after it (empty for the last group).
    double share = 100.0;
    CRect splitterRect;

protected:
    void OnItemDragMove(CWnd* wnd, CPoint point, CUITabStripItem* item, const std::vector<CRect>& places) override;

private:
    CUITabClientWnd* m_owner;
    BOOL m_dropFeedback = FALSE;
};

// The window under the MDI client that shows the single strip: it forwards its paint
// and mouse messages to the workspace it owns and offers right and other presses to
// the frame first (TabWorkspaceMouseNotify).
class CUITabWorkspaceWnd : public CWnd, public CUITabWorkspace {
public:
    explicit CUITabWorkspaceWnd(CUITabClientWnd* owner) : CUITabWorkspace(owner) {}
    ~CUITabWorkspaceWnd() override;

    BOOL CreateCarrier(CWnd* frame, BOOL toolTips);
    CWnd* GetCarrier() override { return this; }
    BOOL PreTranslateMessage(MSG* msg) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const override;

protected:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point) { OnLButtonDown(flags, point); }
    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    void OnRButtonDown(UINT, CPoint) {}

    DECLARE_MESSAGE_MAP()

private:
    void Paint(CDC* target, BOOL excludeClient);
};
