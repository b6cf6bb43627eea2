#pragma once

#include "platform/CString.h"
#include "platform/CWnd.h"
#include "platform/FrameworkIds.h"

#include <vector>

class CControlBar;
class CDocTemplate;
class CDocument;
class CView;
struct CPrintPreviewState;

// Frame styles.
#define FWS_ADDTOTITLE 0x00008000L   // the title shows the active document's name
#define FWS_SNAPTOBARS 0x00002000L
#define FWS_PREFIXTITLE 0x00004000L  // "document - application" instead of the reverse

// What WM_FLOATSTATUS (wParam) tells a floating window that follows its frame: show,
// hide, look active or inactive, be enabled or disabled. FS_SYNCACTIVE asks whether the
// window follows the frame's activation (it answers nonzero when it does).
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// What a frame's creation hands to its views (CREATESTRUCT::lpCreateParams).
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// Makes an object of the context's view class and its window, a bordered child of
// parent with the id; null when either fails.
CWnd* AfxCreateView(CWnd* parent, CCreateContext* context, UINT id);

// A frame window: holds control bars around one view (or, for the MDI frame, the MDI
// client). It keeps the active view and routes commands view (and its document) ->
// frame -> application. Its layout (RecalcLayout) gives each control bar its room
// through WM_SIZEPARENT and the rest to the pane with AFX_IDW_PANE_FIRST; changes that
// need a layout may ask for it at the next idle pass (DelayRecalcLayout), when the
// frame also updates its menu and title as flagged.
class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* parent = nullptr, LPCSTR menuName = nullptr,
                DWORD exStyle = 0, CCreateContext* context = nullptr);
    // Creates the frame with the menu, accelerators, icon and title (the first part
    // of the string) of one resource id.
    virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* parent = nullptr, CCreateContext* context = nullptr);

    // Views and documents.
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* view, BOOL notify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);
    // After the frame and its views are made: the first pane becomes the active view,
    // the views get WM_INITIALUPDATE, and the frame is shown and activated.
    void InitialUpdateFrame(CDocument* document, BOOL makeVisible);
    virtual void ActivateFrame(int showCommand = -1);

    // Layout.
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    virtual void RecalcLayout(BOOL notify = TRUE);
    void DelayRecalcLayout(BOOL notify = TRUE) { m_nIdleFlags |= idleLayout | (notify ? idleNotify : 0); }
    void DelayUpdateFrameMenu(HMENU menuAlt);
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }

    // Title and menu.
    virtual void OnUpdateFrameTitle(BOOL addToTitle);
    virtual void OnUpdateFrameMenu(HMENU menuAlt);
    void SetTitle(LPCSTR title) { m_strTitle = title; }
    CString GetTitle() const { return m_strTitle; }
    virtual HACCEL GetDefaultAccelerator();

    // The status bar's message pane.
    void SetMessageText(LPCSTR text);
    void SetMessageText(UINT id);
    virtual void GetMessageString(UINT id, CString& message) const;

    // Control bars are the children with ids in AFX_IDW_CONTROLBAR_FIRST..LAST.
    CControlBar* GetControlBar(UINT id);
    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);

    // Print preview: entering, the frame hides its menu, accelerators, bars (all but
    // the status bar) and main pane, keeping them in the state, and takes the state's
    // close hook; leaving puts them back. The frame then lays out again.
    virtual void OnSetPreviewMode(BOOL preview, CPrintPreviewState* state);

    // Disables the frame and the windows it owns while a modal window runs.
    void BeginModalState();
    void EndModalState();
    BOOL InModalState() const { return m_cModalStack > 0; }

    // Sends WM_FLOATSTATUS with flags to the top-level windows this frame owns.
    // The frame and the owned windows that answer FS_SYNCACTIVE look active together:
    // activation moving among them changes no caption.
    void NotifyFloatingWindows(DWORD flags);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override { delete this; }

    BOOL m_bAutoMenuEnable = TRUE;  // menu items without handlers are disabled
    int m_nWindow = -1;             // window number in the title, when a document has several
    HMENU m_hMenuDefault = nullptr;
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;
    UINT m_nIdleFlags = 0;
    // TRUE while the frame is in context-help mode, in which bars answer hit tests
    // and clicks for help (WM_HELPHITTEST) instead of acting.
    BOOL m_bHelpMode = FALSE;
    CRect m_rectBorder;
    CString m_strTitle;
    // The text the title update set last.
    CString m_strTitleSet;
    // Set during print preview: asked before the frame closes; FALSE keeps it open.
    BOOL (*m_lpfnCloseProc)(CFrameWnd* frame) = nullptr;

protected:
    // The part of a string resource before its first newline (frame title, prompt);
    // empty when there is no such string.
    static CString FirstLineOfString(UINT id);
    virtual BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context);
    // The window that takes what the bars leave: the first pane (AFX_IDW_PANE_FIRST).
    virtual HWND GetLayoutLeftOver() const;
    int OnCreateHelper(LPCREATESTRUCT cs, CCreateContext* context);
    void UpdateFrameTitleForDocument(LPCSTR documentName);
    void EnterPreviewMode(CPrintPreviewState* state);
    void LeavePreviewMode(CPrintPreviewState* state);

    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT type, int cx, int cy);
    void OnSetFocus(CWnd* oldWnd);
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    void SyncFloatingActivation(UINT state, CWnd* other);
    void OnInitMenuPopup(CMenu* menu, UINT index, BOOL systemMenu);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    void OnEnterIdle(UINT reason, CWnd* who);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* cmdUI);
    BOOL OnBarCheck(UINT id);
    void OnUpdateKeyIndicator(CCmdUI* cmdUI);

    CView* m_pViewActive = nullptr;
    BOOL m_bInRecalcLayout = FALSE;
    UINT m_nIDTracking = 0;       // the menu item whose prompt the status bar shows
    UINT m_nIDLastMessage = 0;
    HMENU m_hMenuAlt = nullptr;   // the menu a delayed menu update shows
    int m_cModalStack = 0;
    std::vector<HWND> m_disabledForModal;

    DECLARE_MESSAGE_MAP()
};
