#pragma once
#include "editors/InsTreeView.h"
#include "platform/CScrollView.h"

class CPOUEditEngine;
class CPOUEditorDoc;
class CProjTreeNode;

// The lower pane of a POU editor window. It holds no editing logic: painting, keys,
// mouse, scrolling, printing and the edit, online and force commands go to the engine
// of its document's model; the view gates the commands that only one language offers,
// shows the context menus the engine chooses and switches the POU between IL and LD.
class CPOUEditorView : public CScrollView {
    DECLARE_DYNCREATE(CPOUEditorView)

public:
    CPOUEditorView() = default;

    CPOUEditorDoc* GetDocument() const;
    void SetShowSymbols(BOOL show);
    BOOL FlushEdit();
    // Invalidates a 1 by 1 rectangle at the origin: the engine then paints everything.
    void RequestRepaint();
    // Keeps the wider of the current and the wanted width (-1: keep) and the taller of
    // the wanted height and the engine's extent.
    void UpdateScrollSizes(int width, int height);
    void OnDraw(CDC* dc) override {}
    void OnInitialUpdate() override;

    CProjTreeNode* m_pTreeNode = nullptr;
    CPOUEditEngine* m_pEngine = nullptr;

protected:
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override {}
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

    int OnCreate(LPCREATESTRUCT cs);
    void OnSetFocus(CWnd* oldFocus);
    void OnKillFocus(CWnd* newFocus);
    void OnCancelMode();
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnPaint();
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnContextMenu(CWnd* wnd, CPoint point);
    LRESULT OnInsertInstruction(WPARAM wParam, LPARAM lParam);

    void OnCopy();
    void OnUpdateCopy(CCmdUI* cmdUI);
    void OnCut();
    void OnUpdateCut(CCmdUI* cmdUI);
    void OnPaste();
    void OnUpdatePaste(CCmdUI* cmdUI);
    void OnClear();
    void OnUpdateClear(CCmdUI* cmdUI);
    void OnUndo();
    void OnUpdateUndo(CCmdUI* cmdUI);
    void OnRedo();
    void OnUpdateRedo(CCmdUI* cmdUI);
    void OnSelectAll();
    void OnFind();
    void OnReplace();
    void OnUpdateILOnly(CCmdUI* cmdUI);
    void OnInsertNetwork();
    void OnLadderCommand(UINT id);
    void OnUpdateLadderCommand(CCmdUI* cmdUI);
    void OnForceTrue();
    void OnUpdateForceTrue(CCmdUI* cmdUI);
    void OnForceFalse();
    void OnUpdateForceFalse(CCmdUI* cmdUI);
    void OnForceDialog();
    void OnUpdateForceDialog(CCmdUI* cmdUI);
    void OnUnforce();
    void OnUpdateUnforce(CCmdUI* cmdUI);
    void OnUnforceAll();
    void OnUpdateUnforceAll(CCmdUI* cmdUI);
    void OnLanguageIL();
    void OnUpdateLanguageIL(CCmdUI* cmdUI);
    void OnLanguageLD();
    void OnUpdateLanguageLD(CCmdUI* cmdUI);

private:
    BOOL IsLanguage(int language) const;
    void ShowContextMenuAt(int menuId, CPoint screenPoint);
    void TakeFocusAfterSwitch();
    void ResetScrollAfterSwitch();

    DECLARE_MESSAGE_MAP()
};
