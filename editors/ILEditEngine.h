#pragma once
#include "editors/BracketIndex.h"
#include "editors/POUEditEngine.h"
#include "language/ILLineParser.h"
#include "language/InstrSpecTable.h"
#include "platform/Arrays.h"
#include "platform/CGdiObject.h"
#include "platform/Maps.h"

#include <memory>
#include <vector>

class CILFindReplaceDlg;
class CILPagination;
class CILLineMonitor;
class CILModel;
class CPOUEditorDoc;

// The text editor of an IL POU. The text lives in the model's line array; the engine
// keeps the caret (a line and a byte column), the selection, the per-line check states,
// the scroll position and the online display, and turns keys, mouse and commands into
// edits of the lines. Every change of the text, and find, replace, undo and redo, does
// nothing while online monitoring runs. Without a view the engine keeps its scroll
// position itself, so that it can be driven without a window.
class CILEditEngine : public CPOUEditEngine {
public:
    enum LineState { kLineOk = 0, kLineError = 8 };
    enum OfflineMenu { kOfflineMenu = 157 };
    static const int kMaxTypedColumn = 256;
    static const int kPasteLineBytes = 260;
    static const int kCheckedVisibleLines = 70;
    static const int kDrawnLines = 100;

    // An FB instance that a line of this POU declares (line -1: known at start-up).
    struct FBRecord {
        CString name;
        CString type;
        int line;
    };
    // A highlighted line shown by ShowLine until the next key.
    struct Highlight {
        int firstShownLine = 0;
        int line = 0;
        BOOL repaintPending = FALSE;
        BOOL active = FALSE;
    };

    explicit CILEditEngine(CILModel* model);
    ~CILEditEngine() override;

    // Engine operations.
    void OnInitialUpdate() override;
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;
    LRESULT OnInsertInstruction(WPARAM wParam, LPARAM lParam) override { return 1; }
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
    void Find() override;
    int GetContextMenuId(CPoint& point) override;
    void Replace() override;
    void SelectAll() override;
    void UpdateClear(CCmdUI* cmdUI) override;
    void Redo() override;
    void UpdateRedo(CCmdUI* cmdUI) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* bar) override;
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override;
    void OnPaint(CDC* dc) override;
    void OnRButtonDown(UINT flags, int x, int y) override;
    void PickForceTarget() override;
    void SetShowSymbols(BOOL show) override;
    BOOL FlushEdit() override;
    void OnMonitorStart() override;
    void OnMonitorStop() override;

    // For the model and the document.
    CILModel* GetModel() const { return m_pModel; }
    CPOUEditorDoc* GetDocument() const { return m_pDocument; }
    void SetDocument(CPOUEditorDoc* document) { m_pDocument = document; }
    BOOL ShowLine(int line);
    int GetCaretLine() const { return m_nSavedCaretLine; }
    int GetCaretColumn() const { return m_nSavedCaretColumn; }
    void SetCaretLine(int line) { m_nCaretLine = line; }
    void SetCaretColumn(int column) { m_nCaretColumn = column; }
    CPoint GetScrollPosition() const;
    void ScrollTo(int x, int y);
    void SaveUndoState();
    // Selects the text of the editor (the caret at the selection's end).
    void SetSelection(int startLine, int startColumn, int endLine, int endColumn);
    // Places the caret as a click does: anchor and find start with it.
    void PlaceCaret(int line, int column);
    BOOL HasSelection() const { return m_bSelection; }
    int CaretLine() const { return m_nCaretLine; }
    int CaretColumn() const { return m_nCaretColumn; }
    int LineState(int line) const;
    const std::vector<int>& LineStates() const { return m_lineStates; }
    BOOL IsOffline() const { return !IsOnline(); }
    const Highlight& GetHighlight() const { return m_highlight; }
    int GetLineHeight() const { return m_nLineHeight; }
    int GetCharWidth() const { return m_nCharWidth; }
    int GetGutterWidth() const { return m_nGutterWidth; }
    int GetMonitorWidth() const { return m_nMonitorWidth; }
    int GetDocumentHeight() const;

    // Line formatting and name display.
    void FormatLine(int line, BOOL caretStays);
    void LayoutLine(int line, BOOL caretStays);
    // The column layout of one line of text.
    CString LayoutText(const CString& text) const;
    CString FormatText(const CString& text) const;
    void ConvertLineNames(int line, BOOL toAddresses, int subroutineMode);
    void ReformatAll(BOOL showNames, int subroutineMode);

    // The network check.
    void CheckNetwork(BOOL allLines);
    BOOL CheckLine(int line, const CString& text, int network, const CString& pouName);
    int CheckLabelLine(const CString& text, int line);
    void SplitOperands(const CString& text, CStringArray& tokens) const;
    BOOL CheckAttachLine(const CStringArray& tokens) const;
    int CheckJumpLine(const CStringArray& tokens) const;
    int CheckInstructionLine(const CStringArray& tokens, int line, const CString& pouName);
    int CheckCallLine(const CStringArray& tokens, const CString& pouName);
    BOOL ClassifyOperand(const CString& text, OperandDescriptor& descriptor) const;
    BOOL IsValidLabelName(const CString& name) const;
    int ParseLabelLine(const CString& text, CString& label) const;
    BOOL ResolveToAddress(const CString& word, CString& address) const;
    void ShiftFBRecords(int line, int delta);
    void RemoveFBRecords(int first, int last);
    void BuildFBRecords();
    const std::vector<FBRecord>& FBRecords() const { return m_fbRecords; }
    const CMapStringToString& LabelMap() const { return m_labels; }
    // The operands the last instruction or call check resolved (the monitor builder's).
    const InstrSpec& ResolvedInstruction() const { return m_resolved; }

    // Find and replace.
    void FindNext();
    void ReplaceSelection();
    void ReplaceAll();
    int FindForward(const CString& line, const CString& text, int start, BOOL ignoreCase, BOOL wholeWord) const;
    int FindBackward(const CString& line, const CString& text, int end, BOOL ignoreCase, BOOL wholeWord) const;
    int ReplaceInLine(int line, const CString& text, const CString& replacement, BOOL matchCase, BOOL wholeWord);
    CILFindReplaceDlg* GetFindDialog() const { return m_pFindDialog; }

    // Editing.
    void DeleteSelection(BOOL headersWithoutQuestion);
    void InsertNetwork();

    // Online display.
    void RebuildMonitorRecords();
    void ClearMonitorRecords();
    std::vector<std::unique_ptr<CILLineMonitor>>& MonitorRecords() { return m_monitorRecords; }

    // Drawing.
    static BOOL IsColouredKeyword(const CString& word);
    CString GetNetworkOfLine(int line) const;
    void DrawLines(CDC* dc);
    void DrawGutter(CDC* dc);
    void DrawMonitorColumn(CDC* dc);
    void DrawShownLine(CDC* dc, int line);

    // Character classes of the bytes of the code page.
    static int CharClass(char ch);

    // Print state.
    LOGFONTA m_printFont = {};

private:
    friend class CILEditEngineAccess;

    // Start-up and geometry.
    void SetupFont();
    void ResetState();
    CSize ClientSize() const;
    int PageLines() const;
    int FirstVisibleLine() const;
    void UpdateScrollSize(int height);
    void RefreshScrollHeight();
    void EnsureCaretVisible();
    void ShowCaretAtPosition();
    CPoint CaretPixel() const;
    int TextLeft() const;
    void MarkModified();
    void Redraw();
    void EndHighlight();
    int ClampColumn(int line, int column) const;
    // Keeps the caret on a line of the text, within it.
    void ClampCaret();
    int AdjustForDoubleByte(int line, int column) const;
    int ColumnAt(int line, int x) const;
    int LineAt(int y) const;

    // Leaving a line.
    void CommitLine(int line, BOOL withLayout = TRUE);
    void CheckVisible() { CheckNetwork(FALSE); }
    void GrowLineStates(int count);
    void InsertLineState(int line);
    void RemoveLineState(int line);
    void SetLineState(int line, int state);

    // Typing and keys.
    void TypeCharacter(char ch);
    void TypeBlank();
    void TypeTab();
    void Backspace();
    void Enter();
    void DeleteKey();
    void MoveLeft(BOOL shift);
    void MoveRight(BOOL shift);
    void MoveVertically(int delta, BOOL shift);
    void PageMove(int direction, BOOL shift);
    void Home(BOOL shift, BOOL ctrl);
    void End(BOOL shift, BOOL ctrl);
    void ExtendSelectionToCaret();
    void DropSelection();
    void InsertLine(int index, const CString& text);
    void RemoveLine(int index);
    void JoinWithNext(int line);
    CString SelectedText() const;
    int DeleteSelectionRange(BOOL deleteHeaders);

    // Mouse.
    void PlaceCaretAt(int x, int y);
    void SelectGutterLine(int y);

    // Checks.
    void CollectLabels();
    BOOL RegisterLabel(const CString& label, int line);
    BOOL CheckPidLine(const CStringArray& tokens);
    BOOL CheckConstantRanges(const CStringArray& tokens) const;
    int RegisterFBInstance(const CStringArray& tokens, int line, const CString& pouName);
    void CheckBracketPairs();
    void StoreOperandType(int operand, OperandDescriptor type);

    // Formatting.
    CString NameToAddress(const CString& word) const;
    CString AddressToName(const CString& word) const;
    template <typename Rewrite>
    CString RewriteWords(const CString& text, Rewrite rewrite) const;

    // Find.
    void ShowMatch(int line, int column, int length);
    void OpenFindDialog(BOOL replaceMode);

    // Drawing helpers.
    void DrawRun(CDC* dc, int line, int column, const CString& text, COLORREF colour);
    void DrawLine(CDC* dc, int line);
    void DrawSelection(CDC* dc);
    void WriteStatusBar();

    // Printing.
    void PrintFrame(CDC* dc, CPrintInfo* info, int width, int height, int rowHeight, int charWidth);
    void PrintCover(CDC* dc, int indent, int rowHeight);
    void PrintProgramPage(CDC* dc, int page, int indent, int rowHeight);

    CILModel* m_pModel;
    CPOUEditorDoc* m_pDocument = nullptr;
    std::vector<std::unique_ptr<CILLineMonitor>> m_monitorRecords;
    BOOL m_bDragResizeArmed = FALSE;
    BOOL m_bResizing = FALSE;
    int m_nScrollX = 0;
    int m_nScrollY = 0;
    int m_nFindStartColumn = 0;
    CILFindReplaceDlg* m_pFindDialog = nullptr;
    int m_nClientWidth = 0;
    int m_nClientHeight = 0;
    HCURSOR m_hGutterCursor = nullptr;
    HCURSOR m_hArrowCursor = nullptr;
    CFont m_screenFont;
    int m_nCharWidth = 8;
    int m_nLineHeight = 16;
    int m_nCaretWidth = 2;
    int m_nCaretHeight = 16;
    int m_nCaretLine = 1;
    int m_nCaretColumn = 0;
    int m_nSavedCaretLine = 1;
    int m_nSavedCaretColumn = 0;
    BOOL m_bSelection = FALSE;
    int m_nSelStartColumn = 0;
    int m_nSelStartLine = 0;
    int m_nSelEndColumn = 0;
    int m_nSelEndLine = 0;
    BOOL m_bTextDrag = FALSE;
    int m_nAnchorLine = 0;
    int m_nAnchorColumn = 0;
    int m_nGutterWidth = 42;
    int m_nMonitorWidth = 0;
    int m_nDesiredColumn = 0;
    std::vector<int> m_lineStates;
    CMapStringToString m_labels;
    std::vector<FBRecord> m_fbRecords;  // newest first
    CBracketIndex m_brackets;
    Highlight m_highlight;
    CILLineParser m_parser;
    InstrSpec m_resolved = {};
    // The program pages of the print job, decided once when it is prepared.
    std::unique_ptr<CILPagination> m_pPagination;
};
