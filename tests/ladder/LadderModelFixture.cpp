#include "tests/ladder/LadderModelFixture.h"

#include <algorithm>

void LadderModelTest::LayOut() {
    model.ClearCellMap();
    int row = 1;
    for (int i = 0; i < model.GetNetworks().GetSize(); ++i) {
        CLadderElement* item = model.GetItem(i);
        SIZE size = item->GetSize(FALSE);
        item->SetOrigin(CCellRect(1, row, std::max<LONG>(size.cx, 4), i));
        SIZE placed = item->Layout(100, 40, &model.GetCellMap(), 0, 0);
        row += placed.cy + (i % 2 ? 1 : 0);
    }
}
