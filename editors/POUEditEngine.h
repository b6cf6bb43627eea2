#pragma once
#include "language/OperandDescriptor.h"
#include "platform/CPoint.h"
#include "platform/CSize.h"
#include "platform/CString.h"

class CCmdUI;
class CDC;
class CPOUEditorView;
class CPrintInfo;
class CScrollBar;
class CWnd;

// The editor engine of a POU editor: the view owns no editing logic and forwards every
// message and command to it. An operation an engine does not take up does nothing. The derived model creates, owns and deletes its engine; the
// document hands the engine to its editor view. Editing operations do nothing while
// online monitoring runs; each engine checks that itself.
class CPOUEditEngine {
public:
    enum ContextMenu { kOnlineMenu = 126, kNoMenu = -1 };

    virtual ~CPOUEditEngine() = default;

    virtual void OnDraw(CDC* dc);
    virtual void OnInitialUpdate() {}
    virtual BOOL OnPreparePrinting(CPrintInfo* info) { return FALSE; }
    virtual void OnPrint(CDC* dc, CPrintInfo* info) {}
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info) {}
    virtual LRESULT OnInsertInstruction(WPARAM wParam, LPARAM lParam) { return 0; }
    virtual int OnCreate(LPCREATESTRUCT cs);
    virtual void OnSetFocus(CWnd* oldFocus) {}
    virtual void OnKillFocus(CWnd* newFocus) {}
    virtual void OnChar(UINT ch, UINT repeat, UINT flags) {}
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags) {}
    virtual void OnLButtonDown(UINT flags, int x, int y) {}
    virtual void OnMouseMove(UINT flags, int x, int y) {}
    virtual void OnLButtonUp(UINT flags, int x, int y) {}
    virtual void Copy() {}
    virtual void UpdateCopy(CCmdUI* cmdUI) {}
    virtual void Cut() {}
    virtual void UpdateCut(CCmdUI* cmdUI) {}
    virtual void Paste() {}
    virtual void UpdatePaste(CCmdUI* cmdUI) {}
    virtual void Undo() {}
    virtual void UpdateUndo(CCmdUI* cmdUI) {}
    // Nonzero when the engine set the cursor; the view then skips the default handling.
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message, int x, int y) { return FALSE; }
    virtual void OnLButtonDblClk(UINT flags, int x, int y) {}
    virtual void Find() {}
    // A menu resource id whose first submenu is shown, or kNoMenu. A point of (-1, -1)
    // is a keyboard request: the engine writes the caret's screen position into it.
    virtual int GetContextMenuId(CPoint& point) { return kNoMenu; }
    virtual void Replace() {}
    virtual void SelectAll() {}
    virtual void UpdateClear(CCmdUI* cmdUI) {}
    virtual void Redo() {}
    virtual void UpdateRedo(CCmdUI* cmdUI) {}
    virtual void OnVScroll(UINT code, UINT position, CScrollBar* bar) {}
    virtual void OnHScroll(UINT code, UINT position, CScrollBar* bar) {}
    // One line per wheel message, whatever the delta's size.
    virtual BOOL OnMouseWheel(UINT flags, short delta, int x, int y);
    virtual void OnPaint(CDC* dc) {}
    virtual void OnRButtonDown(UINT flags, int x, int y) {}
    virtual void UpdateUnforce(CCmdUI* cmdUI);
    virtual void Unforce();
    virtual void UpdateForceFalse(CCmdUI* cmdUI);
    virtual void ForceFalse();
    virtual void UpdateForceTrue(CCmdUI* cmdUI);
    virtual void ForceTrue();
    virtual void UpdateForceDialog(CCmdUI* cmdUI);
    // The force dialog for the target: a global symbol's name and address when the
    // target names one, else the target as the address; the view has the focus after.
    virtual void ForceDialog();
    // Sets the force target from the operand under the cursor or caret.
    virtual void PickForceTarget() {}
    virtual void SetShowSymbols(BOOL show) {}
    virtual CSize GetExtent(CSize& size);
    // Commits a pending in-place edit; returns the selection flag and clears it.
    virtual BOOL FlushEdit() { return FALSE; }
    virtual void OnMonitorStart() {}
    virtual void OnMonitorStop() {}

    // Asks the view to repaint everything.
    void RequestRepaint();
    CPOUEditorView* GetView() const { return m_pView; }
    void SetView(CPOUEditorView* view) { m_pView = view; }
    int GetLanguage() const { return m_nLanguage; }

    CPOUEditorView* m_pView = nullptr;
    int m_nLanguage = -1;
    CSize m_extent{0, 0};
    CPoint m_contextPoint{0, 0};
    CString m_strForceTarget;
    OperandDescriptor m_forceTargetType = 0;
    BOOL m_bForceTargetValid = FALSE;

protected:
    static BOOL IsOnline();
    // The address a force goes to: a global symbol's address when the target names one,
    // the target itself when no symbol is keyed by it; empty when the key stands for no
    // symbol.
    CString ForceAddress() const;
};
