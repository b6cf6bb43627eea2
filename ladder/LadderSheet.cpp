#include "ladder/LadderSheet.h"

#include <algorithm>

#include "ladder/Comment.h"
#include "ladder/LadderCanvas.h"
#include "ladder/LadderModel.h"
#include "platform/SyncObjects.h"
#include "project/CPlcWorkspace.h"

namespace {
const int kFirstColumn = 1;
const int kFirstRow = 1;
const int kMinSpan = 4;
}  // namespace

CLadderSheet::CLadderSheet(CLadderModel& model) : m_model(model) {}

LadderPass CLadderSheet::MakePass(int firstCol, int firstRow) const {
    LadderPass pass;
    pass.cellWidth = m_model.m_nCellWidth;
    pass.cellHeight = m_model.m_nCellHeight;
    pass.firstCol = firstCol;
    pass.firstRow = firstRow;
    pass.cellMap = &m_model.GetCellMap();
    pass.pouName = m_model.m_strPouName;
    return pass;
}

void CLadderSheet::LayOut() {
    LadderPass pass = MakePass(0, 0);
    PlaceAll(pass, nullptr, VisibleRows());
}

void CLadderSheet::Draw(CDC* dc, int firstCol, int firstRow, BOOL inverse, BOOL focusFrame) {
    CLadderCanvas canvas(dc, inverse);
    LadderPass pass = MakePass(firstCol, firstRow);
    pass.printing = dc->IsPrinting();
    VisibleRows rows = VisibleRowsOf(dc, firstRow);
    PlaceAll(pass, &canvas, rows);
    CLadderElement* current = focusFrame ? m_model.GetCurrentElement() : nullptr;
    if (current) current->DrawFocusRect(pass.cellWidth, pass.cellHeight, dc, firstCol, firstRow);
}

CLadderSheet::VisibleRows CLadderSheet::VisibleRowsOf(CDC* dc, int firstRow) const {
    CRect clip;
    dc->GetClipBox(&clip);
    return VisibleRows{firstRow + clip.top / m_model.m_nCellHeight,
                       firstRow + clip.bottom / m_model.m_nCellHeight};
}

void CLadderSheet::PlaceAll(LadderPass& pass, CLadderCanvas* canvas, const VisibleRows& rows) {
    m_model.ClearCellMap();
    m_startRows.RemoveAll();
    int row = kFirstRow;
    for (int i = 0; i < m_model.GetNetworks().GetSize(); ++i) {
        BOOL header = i % 2 == 0;
        if (header) m_startRows.Add(row);
        row += PlaceItem(i, row, pass, canvas, rows);
        if (header) continue;
        static_cast<CComment*>(m_model.GetItem(i - 1))->m_nNetworkRows = row - StartRow(i / 2);
        ++row;  // the empty row before the next network
    }
}

int CLadderSheet::PlaceItem(int index, int row, LadderPass& pass, CLadderCanvas* canvas,
                            const VisibleRows& rows) {
    CLadderElement* item = m_model.GetItem(index);
    SIZE size = item->GetSize(pass.printing);
    item->SetOrigin(CCellRect(kFirstColumn, row, std::max<LONG>(size.cx, kMinSpan), index));
    pass.canvas = nullptr;
    SIZE placed = item->Draw(pass);
    if (canvas && rows.Reaches(row, placed.cy)) {
        pass.canvas = canvas;
        placed = item->Draw(pass);
    }
    return placed.cy;
}

BOOL CLadderSheet::DrawOnline(CDC* dc, int firstCol, int firstRow, DWORD lockWaitMs) {
    CLadderCanvas canvas(dc, FALSE);
    LadderPass pass = MakePass(firstCol, firstRow);
    pass.canvas = &canvas;
    VisibleRows rows = VisibleRowsOf(dc, firstRow);
    // One lock for the whole pass.
    CSingleLock lock(theWorkspace ? &theWorkspace->monitorDataLock : nullptr);
    if (theWorkspace && !lock.Lock(lockWaitMs)) return FALSE;
    for (int n = 0; n < m_model.GetNetworkCount() && n < m_startRows.GetSize(); ++n) {
        const CComment* header = static_cast<CComment*>(m_model.GetItem(2 * n));
        if (rows.Reaches(StartRow(n), header->m_nNetworkRows))
            m_model.GetItem(2 * n + 1)->DrawOnline(pass);
    }
    return TRUE;
}

CLadderElement* CLadderSheet::HitTest(POINT point, int firstCol, int firstRow) const {
    if (point.x < 0 || point.y < 0) return nullptr;
    CLadderElement* element = nullptr;
    int column = firstCol + point.x / m_model.m_nCellWidth;
    int row = firstRow + point.y / m_model.m_nCellHeight;
    return m_model.LookupCell(column, row, element) ? element : nullptr;
}
