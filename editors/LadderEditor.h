#pragma once
#include "editors/CellEdit.h"
#include "editors/LadderEditEngine.h"
#include "editors/LadderGrid.h"
#include "editors/NetworkRowTable.h"
#include "platform/CRect.h"

#include <memory>
#include <vector>

class CBlock;
class CBranchTool;
class CComment;
class CLadderSheet;
class CQLXFunc;
struct InstrDesc;

// The editor of a ladder POU: the cursor on the cell grid, the networks' start rows,
// network selection, the in-cell operand box and the branch tool, the editing commands,
// the ladder clipboard, undo and redo, painting, live values, forcing and printing. The
// networks are laid out, painted and hit-tested by the ladder sheet. Every change of the
// program does nothing while online monitoring runs. Without a view the engine keeps its
// scroll position itself and acts as if shown in an 800 by 480 client area, so that it
// can be driven without a window.
class CLadderEditor : public CLadderEditEngine {
public:
    static const int kMaxNetworks = 200;
    static const int kMaxDocumentRows = 400;
    enum Menu { kOfflineMenu = 133, kCellEditMenu = 276 };
    enum DeleteMode { kDeleteKey, kBackspaceKey };

    CLadderEditor();
    ~CLadderEditor() override;

    // The seam the ladder model uses.
    void CommitCellEdit() override;
    BOOL UpdateScrollSizes() override;
    BOOL CanAddParallelRow(CLadderElement* element) override;
    BOOL ScrollToCurrent(int dx, int dy) override;
    void Redraw() override { RequestRepaint(); }
    BOOL GoToNetwork(int network) override;
    void ResetForLoad() override;
    void OnInitialUpdate() override;
    void FocusView() override;
    CPOUEditorDoc* GetDocument() const override;
    void SetDocument(CPOUEditorDoc* document) { m_pDocument = document; }
    void OnLadderCommand(UINT id) override;
    void UpdateLadderCommand(CCmdUI* cmdUI) override;
    void CancelMouseTools() override { CancelBranchToolOnMessage(WM_CANCELMODE, 0); }

    // Engine operations.
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;
    LRESULT OnInsertInstruction(WPARAM wParam, LPARAM lParam) override;
    void OnSetFocus(CWnd* oldFocus) override;
    void OnKillFocus(CWnd* newFocus) override;
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnLButtonDown(UINT flags, int x, int y) override;
    void OnMouseMove(UINT flags, int x, int y) override;
    void OnLButtonUp(UINT flags, int x, int y) override;
    void Copy() override;
    void UpdateCopy(CCmdUI* cmdUI) override;
    void Cut() override;
    void UpdateCut(CCmdUI* cmdUI) override;
    void Paste() override;
    void UpdatePaste(CCmdUI* cmdUI) override;
    void Undo() override;
    void UpdateUndo(CCmdUI* cmdUI) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message, int x, int y) override;
    void OnLButtonDblClk(UINT flags, int x, int y) override;
    int GetContextMenuId(CPoint& point) override;
    void SelectAll() override;
    void UpdateClear(CCmdUI* cmdUI) override { UpdateCut(cmdUI); }
    void Redo() override;
    void UpdateRedo(CCmdUI* cmdUI) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* bar) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    void OnPaint(CDC* dc) override;
    void OnRButtonDown(UINT flags, int x, int y) override;
    void PickForceTarget() override;
    void SetShowSymbols(BOOL show) override { RequestRepaint(); }
    BOOL FlushEdit() override;
    void OnMonitorStart() override;
    void OnMonitorStop() override { RequestRepaint(); }

    // Cell grid and network rows.
    CSize CellSize() const { return CSize(m_grid.m_cellWidth, m_grid.m_cellHeight); }
    CPoint ScrollCell() const;
    CPoint GetScrollPosition() const;
    void ScrollTo(int x, int y);
    CSize ClientSize() const;
    BOOL PointToCell(int x, int y, CPoint& cell, BOOL addScroll) const;
    int NetworkItemAtPoint(int x, int y, BOOL addScroll) const;
    int NetworkIndexOfRow(int row) const { return m_rows.NetworkIndexOfRow(row); }
    BOOL ShiftRows(int n, int delta) { return m_rows.ShiftRows(n, delta); }
    void RenumberHeaders();
    int NetworkWidthCells(int item) const;
    BOOL CanWiden() const;
    BOOL HeightBelowLimit() const;
    CSize DocumentSize() const { return m_documentSize; }
    // Places every network, refills the cell map and the start rows.
    void LayoutNetworks();
    BOOL VisibleNetworkRange(int& first, int& last) const;
    const CNetworkRowTable& Rows() const { return m_rows; }

    // Editing commands.
    void InsertContact(BOOL left);
    void InsertParallelContact();
    void InsertParallelCoil();
    void InsertBox();
    void NewNetwork();
    void DeleteCurrentElement(DeleteMode mode);
    void DeleteNetwork();
    void DeleteSelectedNetworks();
    void EditElement();
    void StartBranchTool();
    // Whether a new contact of that symbol may go right of the current element.
    BOOL NotContactAllowed(const CString& symbol) const;

    // Clipboard.
    void CopyElement();
    void CopySelectedNetworks();
    BOOL PasteElement();
    BOOL PasteNetworks();
    static CComment* CloneHeader(const CComment* header);
    static CLadderElement* CopyElement(const CLadderElement* element);
    static CLadderElement* CloneTree(CLadderElement* root);
    static BOOL NeedsInstance(const CString& typeName);

    // Cursor, keys, mouse and network selection.
    void ClickAt(int x, int y, BOOL addScroll, BOOL noEdit);
    void MoveCursor(UINT key);
    void AutoScrollForKey(UINT key);
    void SelectNetworksByRows(int c1, int r1, int c2, int r2);
    BOOL ExtendSelectionVertical(UINT key);
    void ExtendSelectionHorizontal(UINT key);
    void CancelBranchTool();
    BOOL IsCellEditActive() const { return m_bCellEdit; }
    BOOL IsBranchToolArmed() const;
    BOOL HasNetworkSelection() const { return m_bNetworkSelection; }
    int SelectionFirst() const { return m_nSelFirst; }
    int SelectionLast() const { return m_nSelLast; }
    CRect CursorRect() const { return m_cursorRect; }
    CPoint CursorCell() const { return m_cursorCell; }
    int CurrentNetworkItem() const { return m_nCurrentItem; }
    CCellEdit& CellEdit() { return m_cellEdit; }
    CBranchTool& BranchTool();
    // Focus loss, WM_CANCELMODE and deactivation end an armed branch tool.
    BOOL CancelBranchToolOnMessage(UINT message, WPARAM wParam);

    // Drawing and online display.
    void DrawNetworks(CDC* dc);
    BOOL OperandTypeBits(const CString& text, DWORD& word) const;
    // Comparison, arithmetic and move boxes take the pin types of the instruction
    // variant their operands match; false for any other box.
    BOOL ResolveGenericBox(CBlock* box) const;
    void ResolveBoxPinTypes(CBlock* box) const;

    // Printing.
    void PrintPage(CDC* dc, CPrintInfo* info);
    BOOL IsPrinting() const { return m_bPrinting; }
    struct PrintLayout {
        float pageWidth = 0;
        float pageHeight = 0;
        std::vector<int> rowOffsets;
        std::vector<float> scales;
        std::vector<int> pageEnds;
    };
    // Puts the networks on pages of the printer's size (pixels and pixels per inch);
    // empty page ends when there is no network.
    PrintLayout PaginateNetworks(int horzRes, int vertRes, int logPixelsX, int logPixelsY);
    const PrintLayout& GetPrintLayout() const { return m_print; }

    // Without a window: the client area the engine acts in.
    void SetClientSize(CSize size) { m_clientSize = size; }
    // How long a paint waits for the monitor data before it leaves the values out.
    static const DWORD kMonitorLockWaitMs = 50;

private:
    CLadderSheet& Sheet();
    // The network row table from the sheet's last layout.
    void TakeStartRows();
    CLadderModel& Model() const { return *m_pModel; }
    CLadderElement* Current() const;
    BOOL IsCurrentParallelCoil() const;
    void MarkModified();
    void SnapshotAndMark();
    void ShowMessage(const char* text, const char* caption, UINT type, BOOL viewOwner);
    void WidthMessage();
    void ParallelLimitMessage();
    void NetworkLimitMessage();
    void SelfCallMessage();
    void CloseCellEdit();
    void HideCaret();
    void CreateCaret();
    void SetCursorToCell(CPoint cell);
    void PostScroll(UINT message, UINT code, int times);
    void AfterRestore();
    void ReAddInstances();
    BOOL InsertNewElement(CLadderElement* element, BOOL (CLadderModel::*insert)(CLadderElement*));
    BOOL InsertNewBox(CBlock* box);
    CBlock* NewBoxFromCatalogue(const CString& name, const CString& instance, BOOL emptyTimerOutput);
    void TakeInstanceName(CBlock* box, const CString& typed);
    CString PouNameFromDocument() const;
    void RemoveNetworkRows(int first, int last);
    void DrawSelectionBand(CDC* dc);
    void DrawCursor(CDC* dc);
    void DrawOverlays(CDC* dc);
    void DrawLiveValues(CDC* dc, CPoint scrollCell);

    CPOUEditorDoc* m_pDocument = nullptr;
    std::unique_ptr<CLadderSheet> m_pSheet;
    std::unique_ptr<CBranchTool> m_pBranchTool;
    CLadderGrid m_grid;
    CNetworkRowTable m_rows;
    CCellEdit m_cellEdit;
    BOOL m_bCellEdit = FALSE;
    BOOL m_bCaret = FALSE;
    int m_nCaretWidth = 2;
    int m_nCaretHeight = 16;
    COLORREF m_background = RGB(255, 255, 255);
    CSize m_documentSize{0, 0};
    int m_nCurrentItem = -1;
    CPoint m_cursorCell{0, 0};
    CRect m_cursorRect{0, 0, 0, 0};
    CPoint m_anchorCell{-1, -1};
    int m_nSelEndItem = -1;
    int m_nSelFirst = -1;
    int m_nSelLast = -1;
    int m_nSelTop = -1;
    int m_nSelBottom = -1;
    BOOL m_bNetworkSelection = FALSE;
    BOOL m_bPrinting = FALSE;
    BOOL m_bButtonDown = FALSE;
    CPoint m_scroll{0, 0};
    CSize m_clientSize{800, 480};
    PrintLayout m_print;
    LOGFONTA m_printFont = {};
};

// Makes the ladder engine of every ladder POU document from now on.
void InstallLadderEditor();
