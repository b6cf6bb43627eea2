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
    PlaceAll(pass, 0, -1);
}

void CLadderSheet::Draw(CDC* dc, int firstCol, int firstRow, BOOL inverse) {
    CLadderCanvas canvas(dc, inverse);
    LadderPass pass = MakePass(firstCol, firstRow);
    pass.canvas = &canvas;
    pass.printing = dc->IsPrinting();
    CRect clip;
    dc->GetClipBox(&clip);
    PlaceAll(pass, firstRow + clip.top / pass.cellHeight, firstRow + clip.bottom / pass.cellHeight);
    CLadderElement* current = m_model.GetCurrentElement();
    if (current) current->DrawFocusRect(pass.cellWidth, pass.cellHeight, dc, firstCol, firstRow);
}

void CLadderSheet::PlaceAll(LadderPass& pass, int firstVisible, int lastVisible) {
    m_model.ClearCellMap();
    m_startRows.RemoveAll();
    CLadderCanvas* canvas = pass.canvas;
    int row = kFirstRow;
    for (int i = 0; i < m_model.GetNetworks().GetSize(); ++i) {
        CLadderElement* item = m_model.GetItem(i);
        SIZE size = item->GetSize(pass.printing);
        item->SetOrigin(CCellRect(kFirstColumn, row, std::max<LONG>(size.cx, kMinSpan), i));
        pass.canvas = nullptr;
        SIZE placed = item->Draw(pass);
        if (canvas && row <= lastVisible && row + placed.cy > firstVisible) {
            pass.canvas = canvas;
            placed = item->Draw(pass);
        }
        BOOL header = i % 2 == 0;
        if (header) m_startRows.Add(row);
        row += placed.cy;
        if (!header) {
            static_cast<CComment*>(m_model.GetItem(i - 1))->m_nNetworkRows =
                row - static_cast<int>(m_startRows[m_startRows.GetSize() - 1]);
            ++row;  // the empty row before the next network
        }
    }
    pass.canvas = canvas;
}

void CLadderSheet::DrawOnline(CDC* dc, int firstCol, int firstRow) {
    CLadderCanvas canvas(dc, FALSE);
    LadderPass pass = MakePass(firstCol, firstRow);
    pass.canvas = &canvas;
    // The monitor worker writes the cells meanwhile; one lock for the whole pass.
    CSingleLock lock(theWorkspace ? &theWorkspace->monitorDataLock : nullptr,
                     theWorkspace != nullptr);
    for (int i = 1; i < m_model.GetNetworks().GetSize(); i += 2) m_model.GetItem(i)->DrawOnline(pass);
}

CLadderElement* CLadderSheet::HitTest(POINT point, int firstCol, int firstRow) const {
    if (point.x < 0 || point.y < 0) return nullptr;
    CLadderElement* element = nullptr;
    int column = firstCol + point.x / m_model.m_nCellWidth;
    int row = firstRow + point.y / m_model.m_nCellHeight;
    return m_model.LookupCell(column, row, element) ? element : nullptr;
}
