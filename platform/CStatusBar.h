#pragma once

#include "platform/CControlBar.h"
#include "platform/CString.h"

#include <vector>

// Pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

// The frame's status bar on the common status window: panes by indicator id, each
// with a style, a width and a text. The first pane (ID_SEPARATOR) stretches and shows
// the frame's messages (its window text); the indicator panes are updated at idle time
// through the frame's command routing (disabled panes show no text).
class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar();

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    // Each id other than ID_SEPARATOR takes its text (and width) from its string
    // resource; FALSE when one has none.
    BOOL SetIndicators(const UINT* ids, int count);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const { return m_panes[static_cast<size_t>(index)].id; }
    void GetItemRect(int index, LPRECT rect) const;
    CString GetPaneText(int index) const { return m_panes[static_cast<size_t>(index)].text; }
    void GetPaneText(int index, CString& text) const { text = GetPaneText(index); }
    BOOL SetPaneText(int index, LPCSTR text, BOOL update = TRUE);
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    UINT GetPaneStyle(int index) const { return m_panes[static_cast<size_t>(index)].style; }
    void SetPaneStyle(int index, UINT style);

    CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    struct Pane {
        UINT id;
        UINT style;
        int width;
        CString text;
    };

    // Gives the window's parts their right edges from the pane widths.
    void UpdateParts();
    void ShowPaneText(int index);

    void OnSize(UINT type, int cx, int cy);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    // Keeps the minimum height of the drawing area for the layout, then lets the
    // window have it.
    LRESULT OnSetMinHeight(WPARAM height, LPARAM lParam);

    std::vector<Pane> m_panes;
    int m_minHeight = 0;

    DECLARE_MESSAGE_MAP()
};
