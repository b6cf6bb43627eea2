#pragma once
#include <vector>

#include "platform/CString.h"
#include "platform/CGdiObject.h"
#include "platform/CRect.h"
#include "platform/CScrollBar.h"
#include "platform/CToolTipCtrl.h"
#include "platform/CWnd.h"

// Style bits of a flat tab strip, below the window style bits.
enum FlatTabStyle : DWORD {
    FlatTabBottom = 0x0001,    // strip along the bottom edge; else along the top
    FlatTabArrows = 0x0002,    // back and forward buttons
    FlatTabHomeEnd = 0x0004,   // first and last buttons as well (implies the arrows)
    FlatTabToolTips = 0x0008,  // each tab's tip text in a tooltip
    FlatTabHScroll = 0x0010,   // a horizontal scroll bar for the sheets beside the tabs
};

// The commands of the strip's buttons, posted to the strip itself.
enum FlatTabCommand : UINT {
    FlatTabBack = 9116,
    FlatTabForward = 9117,
    FlatTabFirst = 9118,
    FlatTabLast = 9119,
};

// A one-line strip of slanted tabs along an edge of its client area, and above it the
// sheet window of the selected tab. Each tab has a caption, a tip text and a sheet the
// caller made (never destroyed here). Optional arrow buttons scroll the tab row; an
// optional scroll bar beside the tabs scrolls the selected sheet, with a splitter box
// between them. The owner hears of mouse-driven selection changes through WM_NOTIFY
// (TCN_SELCHANGING, which it may refuse, then TCN_SELCHANGE).
//
// Geometry: H is the strip height (SM_CYHSCROLL), A an arrow button's width; a tab is
// as wide as its caption plus H + H/2 and overlaps its neighbour by H/2 + 2. The tab
// area starts after the buttons (B) and ends at the splitter or the right edge.
class CUIFlatTabCtrl : public CWnd {
public:
    CUIFlatTabCtrl();
    ~CUIFlatTabCtrl() override;

    virtual void SetTabFonts(CFont* normal, CFont* selected);
    // The new tab is selected and its sheet shown; -1 for an index outside 0..count.
    virtual int InsertItem(int index, LPCSTR caption, CWnd* sheet);
    virtual int InsertItem(int index, UINT captionId, CWnd* sheet);
    virtual BOOL DeleteItem(int index);
    virtual BOOL DeleteAllItems();
    virtual BOOL GetItemRect(int index, LPRECT rect) const;
    virtual int HitTest(LPPOINT point) const;
    virtual int GetCurSel() const { return m_selected; }
    // No notification; the previous selection, or -1 (nothing changes) out of range.
    virtual int SetCurSel(int index);
    virtual int GetItemCount() const { return static_cast<int>(m_items.size()); }
    virtual void SetItemTooltip(int index, LPCSTR text);
    virtual CString GetItemTooltip(int index) const;
    virtual void ScrollToFirstTab() { OnScrollCommand(FlatTabFirst); }
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // The button record under the point (0-3), or -1.
    virtual int ButtonHitTest(LPPOINT point) const;
    // Detaches the tab's sheet (hidden, no parent); the selection stays as it is.
    virtual BOOL RemoveItem(int index);
    virtual int GetOverlap() const { return m_height / 2 + 2; }

    BOOL SetTabText(int index, LPCSTR text);
    CWnd* GetTabWindow(int index) const;

    CScrollBar* GetScrollBarCtrl(int bar) const override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Geometry, for the owner and for tests.
    int GetTabWidth(int index) const;
    int GetTotalTabWidth() const;
    int GetButtonsWidth() const;
    int GetScrollOffset() const { return m_offset; }
    int GetSplitterPos() const { return m_splitterPos; }
    int GetSplitterPercent() const { return m_splitterPercent; }
    // Per cent of the width, or pixels; only with FlatTabHScroll.
    void SetSplitterPos(int value, BOOL percent);
    BOOL IsButtonEnabled(int record) const { return m_buttons[record].enabled; }
    UINT ButtonCommand(int record) const { return m_buttons[record].command; }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    void OnSysColorChange();
    void OnScrollCommand(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    struct Item {
        CWnd* sheet;
        CString caption;
        CString tip;
    };
    struct Button {
        CRect rect;
        BOOL pressed = FALSE;
        BOOL enabled = TRUE;
        UINT command = 0;
        BOOL bar = FALSE;
        int direction = 0;  // 0 points right, 2 points left
    };

    void UpdateColors();
    void RecalcLayout();
    void UpdateButtons();
    void InvalidateTabs();
    void SyncScrollBar();
    // The tab row never starts further in than its last tab needs.
    void ClampOffset();
    int VisibleWidth() const;
    int ImagePosition(int index) const;
    void PlaceSheet(CWnd* sheet) const;
    void SelectByMouse(int index);
    void PressButton(int record);
    void TrackSplitter(BOOL start);
    LRESULT Notify(int code);
    void DrawButton(CDC* dc, const Button& button) const;
    int DrawTab(CDC* dc, int x, BOOL selected, const CString& caption) const;
    void DrawSplitter(CDC* dc, const CRect& box) const;
    void DrawTabRow(CDC* dc) const;
    void Paint(CDC* target);

    int m_arrowWidth;
    int m_height;
    int m_selected = -1;
    int m_width = 0;
    int m_clientHeight = 0;
    int m_offset = 0;
    int m_splitterPos = -1;
    int m_splitterPercent = 0;
    BOOL m_sheetsAttached = FALSE;
    DWORD m_style = 0;
    CRect m_stripRect, m_sheetRect, m_scrollRect, m_splitterRect;
    CFont* m_normalFont = nullptr;
    CFont* m_selectedFont = nullptr;
    COLORREF m_shadow = 0, m_text = 0, m_highlight = 0, m_window = 0, m_face = 0, m_windowText = 0;
    CScrollBar m_scrollBar;
    CToolTipCtrl m_tip;
    CPen m_shadowPen, m_windowPen, m_facePen, m_textPen, m_highlightPen;
    std::vector<Item*> m_items;
    BOOL m_dragging = FALSE;
    int m_grabOffset = 0;
    HWND m_focusBeforeDrag = nullptr;
    int m_back = 3, m_forward = 3, m_first = 3, m_last = 3;
    Button m_buttons[4];
};
