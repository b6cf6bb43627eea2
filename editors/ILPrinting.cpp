// Printing an IL POU: a cover page with the project and POU data and the variable
// declarations, then the program text with a header and a footer on every page. The
// page geometry is in twips (y grows upwards from the top of the printable area).
#include "editors/ILEditEngine.h"
#include "editors/ILModel.h"
#include "editors/ILPagination.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "platform/CDC.h"
#include "platform/CPrintDialog.h"
#include "platform/CPrintInfo.h"
#include "project/CPlcWorkspace.h"

namespace {
const int kTwipsPerInch = 1440;
const int kHeaderRows = 10;
const int kIndentChars = 7;
const int kWrapMarginChars = 15;

struct PrintMetrics {
    int rowHeight;
    int charWidth;
    int width;
    int height;
};

// The print font's metrics and the printable size, in twips, of a context already set
// to twips with the font selected.
PrintMetrics MeasurePage(CDC* dc) {
    TEXTMETRICA metrics;
    dc->GetTextMetrics(&metrics);
    PrintMetrics page;
    page.rowHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    page.charWidth = std::max<int>(1, metrics.tmAveCharWidth);
    page.width = ::MulDiv(dc->GetDeviceCaps(HORZRES), kTwipsPerInch, std::max(1, dc->GetDeviceCaps(LOGPIXELSX)));
    page.height = ::MulDiv(dc->GetDeviceCaps(VERTRES), kTwipsPerInch, std::max(1, dc->GetDeviceCaps(LOGPIXELSY)));
    return page;
}

CString Today() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString text;
    text.Format("%4d%s%02d%s%02d%s", now.wYear, "年", now.wMonth, "月", now.wDay, "日 ");
    return text;
}
}  // namespace

BOOL CILEditEngine::OnPreparePrinting(CPrintInfo* info) {
    if (!m_pView || !m_pView->DoPreparePrinting(info)) return FALSE;
    CDC* printer = CDC::FromHandle(info->m_pPD->GetPrinterDC());
    int saved = printer->SaveDC();
    printer->SetMapMode(MM_TWIPS);
    CFont font;
    font.CreateFontIndirect(&m_printFont);
    printer->SelectObject(&font);
    PrintMetrics page = MeasurePage(printer);
    printer->RestoreDC(saved);
    m_pPagination = std::make_unique<CILPagination>(m_pModel->GetLines(), page.height / page.rowHeight - kHeaderRows,
                                                    page.width / page.charWidth - kWrapMarginChars);
    info->SetMaxPage(m_pPagination->ProgramPageCount() + 1);
    m_nCaretLine = 0;
    m_nCaretColumn = 0;
    return TRUE;
}

void CILEditEngine::OnPrint(CDC* dc, CPrintInfo* info) {
    if (!m_pDocument || !m_pPagination) return;
    dc->SetMapMode(MM_TWIPS);
    CFont font;
    font.CreateFontIndirect(&m_printFont);
    CFont* oldFont = dc->SelectObject(&font);
    PrintMetrics page = MeasurePage(dc);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    PrintFrame(dc, info, page.width, page.height, page.rowHeight, page.charWidth);
    int indent = kIndentChars * page.charWidth;
    if (info->m_nCurPage == 1)
        PrintCover(dc, indent, page.rowHeight);
    else
        PrintProgramPage(dc, static_cast<int>(info->m_nCurPage) - 2, indent, page.rowHeight);
    dc->SelectObject(oldFont);
}

void CILEditEngine::PrintFrame(CDC* dc, CPrintInfo* info, int width, int height, int rowHeight, int charWidth) {
    int indent = kIndentChars * charWidth;
    dc->TextOut(indent, -3 * rowHeight, "程序名称：" + m_pDocument->GetTitle());
    CString date = "打印日期：" + Today();
    dc->TextOut(width - (date.GetLength() + 6) * charWidth, -3 * rowHeight, date);
    dc->MoveTo(indent, -4 * rowHeight - 20);
    dc->LineTo(width - indent, -4 * rowHeight - 20);
    dc->MoveTo(indent, -(height - 4 * rowHeight));
    dc->LineTo(width - indent, -(height - 4 * rowHeight));
    CString footer;
    footer.Format("第 %d/%d 页", info->m_nCurPage, m_pPagination->ProgramPageCount() + 1);
    dc->TextOut((width - footer.GetLength() * charWidth) / 2, -(height - 3 * rowHeight - 100), footer);
}

void CILEditEngine::PrintCover(CDC* dc, int indent, int rowHeight) {
    CString created, modified;
    m_pDocument->GetFileTimes(created, modified);
    dc->TextOut(indent, -5 * rowHeight, "工程名称：" + (theWorkspace ? theWorkspace->project.name : CString()));
    dc->TextOut(indent, -6 * rowHeight, "程序名称：" + m_pDocument->GetTitle());
    dc->TextOut(indent, -7 * rowHeight, "创建日期：" + created);
    dc->TextOut(indent, -8 * rowHeight, "修改日期：" + modified);
    CStringArray declarations;
    m_pDocument->GetVarDeclText(declarations);
    if (declarations.GetSize() <= 1) return;
    for (int i = 0; i < declarations.GetSize(); ++i) dc->TextOut(indent, -(9 + i) * rowHeight, declarations[i]);
}

void CILEditEngine::PrintProgramPage(CDC* dc, int page, int indent, int rowHeight) {
    if (page < 0 || page >= m_pPagination->ProgramPageCount()) return;
    const CStringArray& lines = m_pModel->GetLines();
    int row = 5;
    for (const CILPagination::Row& piece : m_pPagination->PageRows(page)) {
        dc->TextOut(indent, -row * rowHeight, lines[piece.line].Mid(piece.column, piece.length));
        ++row;
        m_nCaretLine = piece.line;
        m_nCaretColumn = piece.column + piece.length;
    }
}

void CILEditEngine::OnEndPrinting(CDC*, CPrintInfo*) {
    m_pPagination.reset();
    m_nCaretLine = 0;
    m_nCaretColumn = 0;
    if (m_pView && m_pView->GetSafeHwnd()) {
        CPoint scroll = GetScrollPosition();
        CWnd::SetCaretPos(CPoint(TextLeft() - scroll.x, -scroll.y));
    }
}
