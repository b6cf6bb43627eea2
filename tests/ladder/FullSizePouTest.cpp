#include <gtest/gtest.h>

#include "tests/ladder/LadderModelFixture.h"

namespace {

// A POU of 200 networks mixing series and parallel contacts, blocks, boxes and stacked
// coils.
void FullSizePou(CStringArray& lines) {
    for (int n = 0; n < 200; ++n) {
        CString text;
        text.Format("(* Network %d *)|(*network %d*)|LD %%I0.%d|OR %%M%d.0|ANDN %%I1.%d|"
                    "AND(|LD %%M%d.1|OR %%M%d.2|)|MOVE %%VW%d, %%VW%d|ADD 5, %%VW%d|"
                    "TON T%d, 100|ST %%Q0.%d|S %%M%d.3",
                    n, n, n % 8, n % 30, n % 8, n % 30, n % 30, 2 * n, 2 * n + 400, 2 * n + 400,
                    n % 200, n % 8, n % 30);
        for (int bar = text.Find('|'); bar >= 0; bar = text.Find('|')) {
            lines.Add(text.Left(bar));
            text = text.Mid(bar + 1);
        }
        lines.Add(text);
    }
}
}  // namespace

// The full size the ladder benchmark (tools/ladderbench) times: every network converts,
// comes back unchanged through IL, and takes editing steps.
TEST_F(LadderModelTest, FullSizePouConvertsBothWaysAndTakesEdits) {
    CStringArray lines;
    FullSizePou(lines);

    ASSERT_TRUE(model.LoadFromIL(lines));
    ASSERT_EQ(200, model.GetNetworkCount());
    for (int n = 0; n < 200; ++n)
        ASSERT_FALSE(static_cast<CCoil*>(Root(n))->IsRawIL()) << n;

    CString il = model.ToIL();
    CStringArray again;
    model.ExportIL(again);
    CLadderModel reloaded(new FakeLadderEngine);
    ASSERT_TRUE(reloaded.LoadFromIL(again));
    EXPECT_STREQ(il, reloaded.ToIL());

    LayOut();
    for (int step = 0; step < 3; ++step) {
        model.SetCurrentElement(Root(199));
        ASSERT_TRUE(model.InsertRight(MakeContact("%I0.7")));
        LayOut();
        model.TakeSnapshot();
    }
    EXPECT_NE(il, model.ToIL());
}
