#include "editors/POUEditorView.h"

#include "compiler/CompileShell.h"
#include "editors/EditModel.h"
#include "editors/EditorShell.h"
#include "editors/ILEditEngine.h"
#include "editors/LadderEditEngine.h"
#include "editors/POUEditorDoc.h"
#include "platform/CCmdUI.h"
#include "platform/CDC.h"
#include "platform/FrameworkIds.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeNode.h"
#include "project/OwnedObjects.h"

#include <algorithm>
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CPOUEditorView, CScrollView)

BEGIN_MESSAGE_MAP(CPOUEditorView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
    ON_WM_MOUSEWHEEL()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_INSERT_INSTRUCTION, OnInsertInstruction)
    ON_COMMAND(ID_EDIT_COPY, OnCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateCopy)
    ON_COMMAND(ID_EDIT_CUT, OnCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateCut)
    ON_COMMAND(ID_EDIT_PASTE, OnPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnClear)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateClear)
    ON_COMMAND(ID_EDIT_UNDO, OnUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateUndo)
    ON_COMMAND(ID_EDIT_REDO, OnRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateRedo)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnSelectAll)
    ON_COMMAND(ID_EDIT_FIND, OnFind)
    ON_UPDATE_COMMAND_UI(ID_EDIT_FIND, OnUpdateILOnly)
    ON_COMMAND(ID_EDIT_REPLACE, OnReplace)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REPLACE, OnUpdateILOnly)
    ON_COMMAND(ID_IL_INSERT_NETWORK, OnInsertNetwork)
    ON_UPDATE_COMMAND_UI(ID_IL_INSERT_NETWORK, OnUpdateILOnly)
    // The ladder commands lie in two runs of ids; the ids between them belong to the
    // main window (settings, tab position, closing windows) and stay the frame's.
    ON_COMMAND_RANGE(ID_LD_NEW_NETWORK, ID_LD_DELETE_NETWORK, OnLadderCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_LD_NEW_NETWORK, ID_LD_DELETE_NETWORK, OnUpdateLadderCommand)
    ON_COMMAND_RANGE(ID_LD_RIGHT_CONTACT, ID_LD_PARALLEL_BRANCH, OnLadderCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_LD_RIGHT_CONTACT, ID_LD_PARALLEL_BRANCH, OnUpdateLadderCommand)
    ON_COMMAND(ID_FORCE_TRUE, OnForceTrue)
    ON_UPDATE_COMMAND_UI(ID_FORCE_TRUE, OnUpdateForceTrue)
    ON_COMMAND(ID_FORCE_FALSE, OnForceFalse)
    ON_UPDATE_COMMAND_UI(ID_FORCE_FALSE, OnUpdateForceFalse)
    ON_COMMAND(ID_FORCE_DIALOG, OnForceDialog)
    ON_UPDATE_COMMAND_UI(ID_FORCE_DIALOG, OnUpdateForceDialog)
    ON_COMMAND(ID_FORCE_CANCEL, OnUnforce)
    ON_UPDATE_COMMAND_UI(ID_FORCE_CANCEL, OnUpdateUnforce)
    ON_COMMAND(ID_UNFORCE_ALL, OnUnforceAll)
    ON_UPDATE_COMMAND_UI(ID_UNFORCE_ALL, OnUpdateUnforceAll)
    ON_COMMAND(ID_LANGUAGE_IL, OnLanguageIL)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_IL, OnUpdateLanguageIL)
    ON_COMMAND(ID_LANGUAGE_LD, OnLanguageLD)
    ON_UPDATE_COMMAND_UI(ID_LANGUAGE_LD, OnUpdateLanguageLD)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace {
const int kIL = 1;
const int kLD = 2;

BOOL Online() { return theWorkspace && theWorkspace->onlineMonitoring != 0; }
}  // namespace

CPOUEditorDoc* CPOUEditorView::GetDocument() const { return dynamic_cast<CPOUEditorDoc*>(m_pDocument); }

BOOL CPOUEditorView::IsLanguage(int language) const { return m_pEngine && m_pEngine->GetLanguage() == language; }

void CPOUEditorView::SetShowSymbols(BOOL show) {
    if (m_pEngine) m_pEngine->SetShowSymbols(show);
}

BOOL CPOUEditorView::FlushEdit() { return m_pEngine ? m_pEngine->FlushEdit() : FALSE; }

void CPOUEditorView::RequestRepaint() {
    if (!GetSafeHwnd()) return;
    CRect corner(0, 0, 1, 1);
    InvalidateRect(&corner, TRUE);
}

void CPOUEditorView::UpdateScrollSizes(int width, int height) {
    CSize extent(0, 0);
    if (m_pEngine) m_pEngine->GetExtent(extent);
    CSize total(std::max<int>(GetTotalSize().cx, width), std::max<int>(height, extent.cy));
    SetScrollSizes(MM_TEXT, total);
}

// ---- window messages ----

int CPOUEditorView::OnCreate(LPCREATESTRUCT cs) {
    if (CScrollView::OnCreate(cs) == -1) return -1;
    IEditorShell* shell = GetEditorShell();
    m_pTreeNode = shell ? shell->GetCurrentPouNode() : nullptr;
    CPOUEditorDoc* document = GetDocument();
    int language = m_pTreeNode ? m_pTreeNode->language : kIL;
    if (document) {
        document->IsSubroutine = m_pTreeNode && m_pTreeNode->kind == 3;
        document->CreateModel(language);
        CEditModel* model = document->GetModel();
        m_pEngine = model ? model->m_pEngine : nullptr;
    }
    if (m_pEngine) {
        m_pEngine->SetView(this);
        m_pEngine->OnCreate(cs);
    }
    return 0;
}

void CPOUEditorView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    if (m_pEngine) m_pEngine->OnInitialUpdate();
}

void CPOUEditorView::OnSetFocus(CWnd* oldFocus) {
    if (IEditorShell* shell = GetEditorShell()) shell->SelectPouNode(m_pTreeNode);
    Default();
    if (m_pEngine) m_pEngine->OnSetFocus(oldFocus);
}

void CPOUEditorView::OnKillFocus(CWnd* newFocus) {
    Default();
    if (m_pEngine) m_pEngine->OnKillFocus(newFocus);
}

void CPOUEditorView::OnChar(UINT ch, UINT repeat, UINT flags) {
    Default();
    if (m_pEngine) m_pEngine->OnChar(ch, repeat, flags);
}

void CPOUEditorView::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    Default();
    if (m_pEngine) m_pEngine->OnKeyDown(key, repeat, flags);
}

BOOL CPOUEditorView::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (m_pEngine && m_pEngine->OnSetCursor(wnd, hitTest, message, point.x, point.y)) return TRUE;
    return static_cast<BOOL>(Default());
}

void CPOUEditorView::OnCancelMode() {
    // A tool that holds the mouse (the ladder branch tool) lets it go.
    if (IsLanguage(kLD)) static_cast<CLadderEditEngine*>(m_pEngine)->CancelMouseTools();
    CScrollView::OnCancelMode();
}

void CPOUEditorView::OnLButtonDblClk(UINT flags, CPoint point) {
    if (m_pEngine) m_pEngine->OnLButtonDblClk(flags, point.x, point.y);
    Default();
}

void CPOUEditorView::OnLButtonDown(UINT flags, CPoint point) {
    if (m_pEngine) m_pEngine->OnLButtonDown(flags, point.x, point.y);
    Default();
}

void CPOUEditorView::OnMouseMove(UINT flags, CPoint point) {
    if (m_pEngine) m_pEngine->OnMouseMove(flags, point.x, point.y);
}

void CPOUEditorView::OnLButtonUp(UINT flags, CPoint point) {
    if (m_pEngine) m_pEngine->OnLButtonUp(flags, point.x, point.y);
}

void CPOUEditorView::OnPaint() {
    PAINTSTRUCT paint;
    ::BeginPaint(m_hWnd, &paint);
    CClientDC dc(this);
    if (m_pEngine) m_pEngine->OnPaint(&dc);
    ::EndPaint(m_hWnd, &paint);
}

// The engine turns one wheel message into one line; the framework's own wheel scrolling
// (several lines a notch) is not used, so a notch moves exactly one line.
BOOL CPOUEditorView::OnMouseWheel(UINT flags, short delta, CPoint point) {
    return m_pEngine ? m_pEngine->OnMouseWheel(flags, delta, point.x, point.y) : TRUE;
}

void CPOUEditorView::OnHScroll(UINT code, UINT position, CScrollBar* bar) {
    if (m_pEngine) m_pEngine->OnHScroll(code, position, bar);
}

void CPOUEditorView::OnVScroll(UINT code, UINT position, CScrollBar* bar) {
    if (m_pEngine) m_pEngine->OnVScroll(code, position, bar);
}

LRESULT CPOUEditorView::OnInsertInstruction(WPARAM wParam, LPARAM lParam) {
    if (m_pEngine) m_pEngine->OnInsertInstruction(wParam, lParam);
    return 0;
}

// ---- context menus ----

void CPOUEditorView::ShowContextMenuAt(int menuId, CPoint screenPoint) {
    if (Online()) m_pEngine->PickForceTarget();
    if (IEditorShell* shell = GetEditorShell()) shell->ShowContextMenu(menuId, screenPoint, this);
}

void CPOUEditorView::OnRButtonDown(UINT flags, CPoint point) {
    if (!m_pEngine || (point.x == -1 && point.y == -1)) return;
    m_pEngine->OnRButtonDown(flags, point.x, point.y);
    int menuId = m_pEngine->GetContextMenuId(point);
    if (menuId == CPOUEditEngine::kNoMenu) return;
    ClientToScreen(&point);
    ShowContextMenuAt(menuId, point);
}

void CPOUEditorView::OnContextMenu(CWnd*, CPoint point) {
    if (!m_pEngine || point.x != -1 || point.y != -1) return;
    int menuId = m_pEngine->GetContextMenuId(point);
    if (menuId == CPOUEditEngine::kNoMenu) return;
    ShowContextMenuAt(menuId, point);
}

// ---- printing ----

BOOL CPOUEditorView::OnPreparePrinting(CPrintInfo* info) {
    return m_pEngine ? m_pEngine->OnPreparePrinting(info) : FALSE;
}

void CPOUEditorView::OnPrint(CDC* dc, CPrintInfo* info) {
    if (m_pEngine) m_pEngine->OnPrint(dc, info);
    CScrollView::OnPrint(dc, info);
}

void CPOUEditorView::OnEndPrinting(CDC* dc, CPrintInfo* info) {
    if (m_pEngine) m_pEngine->OnEndPrinting(dc, info);
    CScrollView::OnEndPrinting(dc, info);
}

// ---- edit commands ----

void CPOUEditorView::OnCopy() {
    if (m_pEngine) m_pEngine->Copy();
}
void CPOUEditorView::OnUpdateCopy(CCmdUI* cmdUI) {
    if (m_pEngine) m_pEngine->UpdateCopy(cmdUI);
}
void CPOUEditorView::OnCut() {
    if (m_pEngine) m_pEngine->Cut();
}
void CPOUEditorView::OnUpdateCut(CCmdUI* cmdUI) {
    if (m_pEngine) m_pEngine->UpdateCut(cmdUI);
}
void CPOUEditorView::OnPaste() {
    if (m_pEngine) m_pEngine->Paste();
}
void CPOUEditorView::OnUpdatePaste(CCmdUI* cmdUI) {
    if (m_pEngine) m_pEngine->UpdatePaste(cmdUI);
}
void CPOUEditorView::OnClear() { PostMessage(WM_KEYDOWN, VK_DELETE); }
void CPOUEditorView::OnUpdateClear(CCmdUI* cmdUI) {
    if (m_pEngine) m_pEngine->UpdateClear(cmdUI);
}
void CPOUEditorView::OnUndo() {
    if (m_pEngine) m_pEngine->Undo();
}
void CPOUEditorView::OnUpdateUndo(CCmdUI* cmdUI) {
    if (m_pEngine) m_pEngine->UpdateUndo(cmdUI);
}
void CPOUEditorView::OnRedo() {
    if (m_pEngine) m_pEngine->Redo();
}
void CPOUEditorView::OnUpdateRedo(CCmdUI* cmdUI) {
    if (m_pEngine) m_pEngine->UpdateRedo(cmdUI);
}
void CPOUEditorView::OnSelectAll() {
    if (m_pEngine) m_pEngine->SelectAll();
}
void CPOUEditorView::OnFind() {
    if (IsLanguage(kIL)) m_pEngine->Find();
}
void CPOUEditorView::OnReplace() {
    if (IsLanguage(kIL)) m_pEngine->Replace();
}
void CPOUEditorView::OnUpdateILOnly(CCmdUI* cmdUI) { cmdUI->Enable(IsLanguage(kIL)); }

void CPOUEditorView::OnInsertNetwork() {
    if (IsLanguage(kIL)) static_cast<CILEditEngine*>(m_pEngine)->InsertNetwork();
}

void CPOUEditorView::OnLadderCommand(UINT id) {
    if (IsLanguage(kLD)) static_cast<CLadderEditEngine*>(m_pEngine)->OnLadderCommand(id);
}

void CPOUEditorView::OnUpdateLadderCommand(CCmdUI* cmdUI) {
    if (IsLanguage(kLD))
        static_cast<CLadderEditEngine*>(m_pEngine)->UpdateLadderCommand(cmdUI);
    else
        cmdUI->Enable(FALSE);
}

// ---- online and force commands ----

void CPOUEditorView::OnForceTrue() {
    if (Online() && m_pEngine) m_pEngine->ForceTrue();
}
void CPOUEditorView::OnUpdateForceTrue(CCmdUI* cmdUI) {
    if (Online() && m_pEngine) m_pEngine->UpdateForceTrue(cmdUI);
}
void CPOUEditorView::OnForceFalse() {
    if (Online() && m_pEngine) m_pEngine->ForceFalse();
}
void CPOUEditorView::OnUpdateForceFalse(CCmdUI* cmdUI) {
    if (Online() && m_pEngine) m_pEngine->UpdateForceFalse(cmdUI);
}
void CPOUEditorView::OnForceDialog() {
    if (Online() && m_pEngine) m_pEngine->ForceDialog();
}
void CPOUEditorView::OnUpdateForceDialog(CCmdUI* cmdUI) {
    if (m_pEngine) m_pEngine->UpdateForceDialog(cmdUI);
}
void CPOUEditorView::OnUnforce() {
    if (Online() && m_pEngine) m_pEngine->Unforce();
}
void CPOUEditorView::OnUpdateUnforce(CCmdUI* cmdUI) {
    if (m_pEngine) m_pEngine->UpdateUnforce(cmdUI);
}

void CPOUEditorView::OnUnforceAll() {
    if (!theWorkspace || !theWorkspace->forcingService.RunForceClearTask()) return;
    CQLXProject& project = theWorkspace->project;
    if (project.forceEntries.IsEmpty()) return;
    if (project.forceImage) std::fill_n(project.forceImage.get(), project.forceCellCount, 0);
    DeleteMapValues(project.forceEntries);
    project.forceEntries.RemoveAll();
}

void CPOUEditorView::OnUpdateUnforceAll(CCmdUI* cmdUI) { cmdUI->Enable(Online()); }

// ---- language switch ----

void CPOUEditorView::TakeFocusAfterSwitch() {
    SetFocus();
    if (IEditorShell* shell = GetEditorShell()) shell->SelectPouNode(m_pTreeNode);
    if (m_pEngine) m_pEngine->OnSetFocus(nullptr);
}

void CPOUEditorView::ResetScrollAfterSwitch() {
    SetScrollPos(SB_VERT, 0, FALSE);
    SetScrollPos(SB_HORZ, 0, TRUE);
}

void CPOUEditorView::OnLanguageIL() {
    CPOUEditorDoc* document = GetDocument();
    if (!document || Online()) return;
    if (m_pTreeNode) m_pTreeNode->language = kIL;
    document->SwitchLanguage(kIL);
    TakeFocusAfterSwitch();
    ResetScrollAfterSwitch();
}

void CPOUEditorView::OnLanguageLD() {
    CPOUEditorDoc* document = GetDocument();
    if (!document || Online()) return;
    CEditModel* model = document->GetModel();
    if (model && model->CanConvertToLD()) {
        document->SwitchLanguage(kLD);
        // The node follows only a switch that took place.
        if (m_pTreeNode && document->GetLanguage() == kLD) m_pTreeNode->language = kLD;
        TakeFocusAfterSwitch();
    } else {
        CString line;
        line.Format("%s %s %s ", "$$$ 程序", document->GetPOUName().GetString(), "存在错误，不允许进行转换！");
        if (ICompileShell* shell = GetCompileShell()) shell->AddOutputLine(ICompileShell::kCompileTab, line + "\r\n");
    }
    ResetScrollAfterSwitch();
}

void CPOUEditorView::OnUpdateLanguageIL(CCmdUI* cmdUI) {
    cmdUI->Enable(!Online());
    CPOUEditorDoc* document = GetDocument();
    cmdUI->SetCheck(document && document->GetLanguage() == kIL);
}

void CPOUEditorView::OnUpdateLanguageLD(CCmdUI* cmdUI) {
    cmdUI->Enable(!Online());
    CPOUEditorDoc* document = GetDocument();
    cmdUI->SetCheck(document && document->GetLanguage() == kLD);
}
