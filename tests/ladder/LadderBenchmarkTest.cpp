#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include <windows.h>

#include "tests/ladder/LadderModelFixture.h"

namespace {
double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double ThreadMilliseconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto milliseconds = [](const FILETIME& time) {
        return ((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e4;
    };
    return milliseconds(kernel) + milliseconds(user);
}

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

TEST_F(LadderModelTest, FullSizePouConvertsLaysOutAndEditsQuickly) {
    CStringArray lines;
    FullSizePou(lines);

    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(model.LoadFromIL(lines));
    double toLadder = MillisecondsSince(start);
    ASSERT_EQ(200, model.GetNetworkCount());
    for (int n = 0; n < 200; ++n)
        ASSERT_FALSE(static_cast<CCoil*>(Root(n))->IsRawIL()) << n;

    start = std::chrono::steady_clock::now();
    CString il = model.ToIL();
    double toIL = MillisecondsSince(start);
    CStringArray again;
    model.ExportIL(again);
    CLadderModel reloaded(new FakeLadderEngine);
    ASSERT_TRUE(reloaded.LoadFromIL(again));
    EXPECT_STREQ(il, reloaded.ToIL());

    start = std::chrono::steady_clock::now();
    LayOut();
    double layout = MillisecondsSince(start);

    // One editing step at that size: an insertion, the new layout and the snapshot. Its
    // cost is the processor time of this thread over many steps, which other programs
    // on a busy machine do not inflate and whose coarse clock evens out.
    const int steps = 40;
    double cpuStart = ThreadMilliseconds();
    start = std::chrono::steady_clock::now();
    for (int step = 0; step < steps; ++step) {
        model.SetCurrentElement(Root(199));
        ASSERT_TRUE(model.InsertRight(MakeContact("%I0.7")));
        LayOut();
        model.TakeSnapshot();
    }
    double edit = MillisecondsSince(start) / steps;
    double editCpu = (ThreadMilliseconds() - cpuStart) / steps;

    std::printf("200 networks: IL->LD %.1f ms, LD->IL %.1f ms, layout %.1f ms, edit step %.1f ms "
                "(%.1f ms of processor time)\n",
                toLadder, toIL, layout, edit, editCpu);
    EXPECT_LT(editCpu, 16.0);  // well within one screen frame
}
