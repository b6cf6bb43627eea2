// Printing a ladder POU: a title page with the project and program data and the POU's
// variable declarations, then the networks, several on a page when they fit, each
// scaled down to the page when it is too wide or too tall. Pages are laid out in print
// units of 150 per inch.
#include <algorithm>

#include "editors/LadderEditor.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/LadderCanvas.h"
#include "ladder/LadderModel.h"
#include "platform/CDC.h"
#include "platform/CPrintDialog.h"
#include "platform/CPrintInfo.h"
#include "project/CPlcWorkspace.h"

namespace {
const float kUnitsPerInch = 150.0f;
const int kFirstNetworkY = 140;
const int kPageHoldsNetworkY = 160;
const int kRoomBelowNetwork = 90;
const int kRoomForFirstHeight = 240;
const int kRoomForFirstWidth = 200;
const int kGapAfterNetwork = 40;
const int kRowUnits = 40;
const int kColumnUnits = 100;
const int kHeaderRows = 80;

CString FormatNow() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString text;
    text.Format("%4d%s%02d%s%02d%s %02d:%02d:%02d", now.wYear, "年", now.wMonth, "月", now.wDay, "日 ", now.wHour,
                now.wMinute, now.wSecond);
    return text;
}
}  // namespace

CLadderEditor::PrintLayout CLadderEditor::PaginateNetworks(int horzRes, int vertRes, int logPixelsX, int logPixelsY) {
    PrintLayout layout;
    // Printers of any resolution: the scale is a fraction, never a whole number of pixels.
    layout.pageHeight = vertRes / (std::max(1, logPixelsY) / kUnitsPerInch);
    layout.pageWidth = horzRes / (std::max(1, logPixelsX) / kUnitsPerInch);
    int count = m_pModel->GetNetworkCount();
    if (count == 0) return layout;
    float y = kFirstNetworkY;
    for (int n = 0; n < count; ++n) {
        int item = 2 * n + 1;
        CLadderElement* tree = m_pModel->GetItem(item);
        SIZE size = tree->GetSize(TRUE);
        int stacked = tree->GetKind() == LADDER_COIL ? static_cast<CCoil*>(tree)->m_nStackCount : 0;
        float h = static_cast<float>(std::max<int>(size.cy, stacked) * kRowUnits + kHeaderRows);
        float w = static_cast<float>(size.cx * kColumnUnits);
        float widthScale = w > layout.pageWidth - kRoomForFirstWidth ? (layout.pageWidth - kRoomForFirstWidth) / w : 1.0f;
        if (y > kPageHoldsNetworkY && h * widthScale <= layout.pageHeight - kRoomBelowNetwork - y) {
            layout.rowOffsets.push_back(static_cast<int>(y));
            layout.scales.push_back(widthScale);
            y += static_cast<int>(h * widthScale) + kGapAfterNetwork;
            continue;
        }
        if (y > kPageHoldsNetworkY) {
            layout.pageEnds.push_back(item - 2);
            y = kFirstNetworkY;
        }
        float heightScale =
            h > layout.pageHeight - kRoomForFirstHeight ? (layout.pageHeight - kRoomForFirstHeight) / h : 1.0f;
        float scale = std::min(heightScale, widthScale);
        layout.rowOffsets.push_back(static_cast<int>(y));
        layout.scales.push_back(scale);
        y += static_cast<int>(h * scale) + kGapAfterNetwork;
    }
    layout.pageEnds.push_back(2 * count - 1);
    return layout;
}

BOOL CLadderEditor::OnPreparePrinting(CPrintInfo* info) {
    if (!m_pView || !m_pView->DoPreparePrinting(info)) return FALSE;
    m_bPrinting = TRUE;
    m_rows.Clear();
    RequestRepaint();
    CDC* printer = CDC::FromHandle(info->m_pPD->GetPrinterDC());
    m_print = PaginateNetworks(printer->GetDeviceCaps(HORZRES), printer->GetDeviceCaps(VERTRES),
                               printer->GetDeviceCaps(LOGPIXELSX), printer->GetDeviceCaps(LOGPIXELSY));
    if (m_print.pageEnds.empty()) {
        info->SetMaxPage(0);
        return -1;
    }
    info->SetMaxPage(static_cast<UINT>(m_print.pageEnds.size() + 1));
    return TRUE;
}

void CLadderEditor::OnPrint(CDC* dc, CPrintInfo* info) {
    if (info->GetMaxPage() == 0) {
        dc->EndDoc();
        return;
    }
    CommitCellEdit();
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowExt(600, 400);
    dc->SetViewportExt(4 * dc->GetDeviceCaps(LOGPIXELSX), 8 * dc->GetDeviceCaps(LOGPIXELSY) / 3);
    PrintPage(dc, info);
}

void CLadderEditor::OnEndPrinting(CDC*, CPrintInfo*) {
    m_bPrinting = FALSE;
    m_print = PrintLayout();
    m_grid.m_cellWidth = m_pModel->m_nCellWidth = 100;
    m_grid.m_cellHeight = m_pModel->m_nCellHeight = 40;
    RequestRepaint();
}

void CLadderEditor::PrintPage(CDC* dc, CPrintInfo* info) {
    CFont font;
    font.CreateFontIndirect(&m_printFont);
    CFont* oldFont = dc->SelectObject(&font);
    const int f = m_printFont.lfHeight;
    const int pageWidth = static_cast<int>(m_print.pageWidth);
    const int pageHeight = static_cast<int>(m_print.pageHeight);
    CPOUEditorDoc* document = GetDocument();
    CString title = document ? document->GetTitle() : CString();
    dc->TextOut(100, 60, title);
    dc->TextOut(pageWidth - 450, 60, CString("打印日期：") + FormatNow());
    dc->MoveTo(100, f + 65);
    dc->LineTo(pageWidth - 100, f + 65);
    dc->MoveTo(100, pageHeight - 80);
    dc->LineTo(pageWidth - 100, pageHeight - 80);
    CString pageText;
    pageText.Format("第 %d/%d 页", info->m_nCurPage, info->GetMaxPage());
    TEXTMETRICA metrics = {};
    dc->GetTextMetrics(&metrics);
    dc->TextOut(pageWidth / 2 - pageText.GetLength() * metrics.tmAveCharWidth / 2, pageHeight + f - 85, pageText);
    if (info->m_nCurPage == 1) {
        CString created, modified;
        if (document) document->GetFileTimes(created, modified);
        CString project = theWorkspace ? theWorkspace->project.name : CString();
        dc->TextOut(102, f + 112, CString("工程名称：") + project);
        dc->TextOut(102, 2 * f + 114, CString("程序名称：") + title);
        dc->TextOut(102, 3 * f + 116, CString("创建日期：") + created);
        dc->TextOut(102, 4 * f + 118, CString("修改日期：") + modified);
        CStringArray lines;
        if (document) document->GetVarDeclText(lines);
        if (lines.GetSize() > 1)
            for (int k = 0; k < lines.GetSize(); ++k) dc->TextOut(102, (f + 2) * (k + 7) + 110, lines[k]);
    } else if (m_pModel->GetNetworkCount() > 0) {
        m_pModel->ClearCellMap();
        int page = static_cast<int>(info->m_nCurPage);
        int firstItem = page == 2 ? 0 : m_print.pageEnds[page - 3] + 1;
        int lastItem = m_print.pageEnds[page - 2];
        CLadderCanvas canvas(dc, FALSE);
        for (int item = firstItem; item < lastItem; item += 2) {
            int n = item / 2;
            float scale = m_print.scales[n];
            m_grid.m_cellWidth = m_pModel->m_nCellWidth = std::max(1, static_cast<int>(100 * scale));
            m_grid.m_cellHeight = m_pModel->m_nCellHeight = std::max(1, static_cast<int>(40 * scale));
            LadderPass pass;
            pass.cellWidth = m_grid.m_cellWidth;
            pass.cellHeight = m_grid.m_cellHeight;
            pass.cellMap = &m_pModel->GetCellMap();
            pass.canvas = &canvas;
            pass.pouName = m_pModel->m_strPouName;
            pass.printing = TRUE;
            int offset = m_print.rowOffsets[n];
            CLadderElement* header = m_pModel->GetItem(item);
            header->SetOrigin(CCellRect(0, offset / pass.cellHeight, NetworkWidthCells(item), item));
            header->Draw(pass);
            CLadderElement* tree = m_pModel->GetItem(item + 1);
            tree->SetOrigin(CCellRect(0, (offset + 40) / pass.cellHeight, NetworkWidthCells(item + 1), item + 1));
            tree->Draw(pass);
        }
    }
    dc->SelectObject(oldFont);
}
