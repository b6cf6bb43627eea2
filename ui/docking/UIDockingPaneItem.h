#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CString.h"
#include "ui/docking/UIDockingPaneBase.h"

class CDocument;
class CUIImageIconSet;
struct CCreateContext;

// A docking pane: one command id, a title ("caption\ntab" or one text for both), an
// icon and the user window the frame attaches the first time the pane is shown. It is
// reference-counted: the layout releases it rather than deleting it. A pane without
// holder is closed.
class CUIDockingPaneItem : public CCmdTarget, public CUIDockingPaneBase {
public:
    CUIDockingPaneItem(CUIDockingPaneLayoutState* layout, UINT id, LPCSTR title = nullptr);
    ~CUIDockingPaneItem() override = default;

    // Called by the frame.
    void Close();
    void Select();
    // Auto-hides the pane's container, or slides it back when it is out.
    void ToggleAutoHide();
    BOOL HasWindow() const { return m_hwnd != nullptr; }
    // Creates the pane's window from a view class as a frame creates its view; null
    // (and no window) on any failure.
    CWnd* AttachView(CWnd* parent, CRuntimeClass* viewClass, CDocument* document = nullptr,
                     CCreateContext* context = nullptr, DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER,
                     CWnd* owner = nullptr, UINT controlId = 0xE900);
    BOOL IsClosed() const { return m_holder == nullptr; }
    BOOL IsHidden() const;
    BOOL IsFocusInWindow() const;

    // Used inside the docking machinery.
    void AttachWindow(HWND window);
    void SetFocus();
    // Showing first tells the frame (DockingPaneNotifyShowWindow), which may attach a view.
    void ShowWindow(BOOL show);
    CString GetCaptionTitle() const;
    CString GetTabTitle() const;
    CUIImageIconSet* GetIcon() const;
    CFrameWnd* GetParentFrame() const;

    UINT GetId() const { return m_id; }
    HWND GetHwnd() const { return m_hwnd; }
    const CString& GetTitle() const { return m_title; }
    void SetTitle(LPCSTR title) { m_title = title; }
    int GetIconId() const { return m_iconId; }
    void SetIconId(int iconId) { m_iconId = iconId; }
    DWORD GetOptions() const { return m_options; }
    void SetOptions(DWORD options) { m_options = options; }

    void OnSizeParent(CFrameWnd* parent, CRect rect, AFX_SIZEPARENTPARAMS* params) override;
    void OnFocusChanged() override;
    void SetParentContainer(CUIDockingPaneBase* container) override;
    void SaveToRegistry(CUIDockingPaneLayoutState* layout) override;
    BOOL LoadFromRegistry(CUIDockingPaneLayoutState* layout, const CUIDockingPaneNumberMap& numbers) override;
    CUIDockingPaneBase* Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                              unsigned flags) override;
    BOOL IsEmpty() const override { return FALSE; }

private:
    UINT m_id;
    CString m_title;
    int m_iconId = -1;  // -1: the pane's id
    DWORD m_options = 0;
    HWND m_hwnd = nullptr;
};

// The window of a tabbed container, or null (also for other elements).
HWND DockingContainerWindow(CUIDockingPaneBase* container);
// TRUE when candidate is window or one of its descendants (never for null handles).
BOOL IsWindowOrDescendant(HWND window, HWND candidate);
