#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBarFrame.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIDockState.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CFrameWnd.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kProfile[] = "QLXCommandBars";
const int kMissing = -999;

class BarState : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_app.DeleteProfile();
    }
    void TearDown() override { m_app.DeleteProfile(); }

    int Value(LPCSTR section, LPCSTR entry) {
        CString name;
        name.Format(section, kProfile);
        return static_cast<int>(m_app.GetProfileInt(name, entry, kMissing));
    }
    void Write(LPCSTR section, LPCSTR entry, int value) {
        CString name;
        name.Format(section, kProfile);
        m_app.WriteProfileInt(name, entry, value);
    }
    std::vector<int> DockBarValues(LPCSTR section) {
        std::vector<int> values;
        for (int i = 0; i < 20; ++i) {
            CString entry;
            entry.Format("Bar#%d", i);
            const int value = Value(section, entry);
            if (value == kMissing)
                break;
            values.push_back(value);
        }
        return values;
    }

    TestApplication m_app{"BarStateTests"};
    ToolBarFactory m_factory;
    RecordingThemeFactory m_themes;
};

}  // namespace

TEST_F(BarState, StoredPlacesComeBackInAFreshFrame) {
    CPoint floatingAt;
    CRect standardPlace;
    std::vector<UINT> arranged;
    {
        BarFrame before;
        CUIToolBar* plc = before.Bar(IDR_TOOLBAR_PLC);
        CUIToolBar* project = before.Bar(IDR_TOOLBAR_PROJECT);
        ASSERT_TRUE(before.bars->FloatCommandBar(plc));
        plc->SetWindowPos(nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        before.Bar(IDR_TOOLBAR_LADDER)->SetVisible(FALSE);
        CRect rect;
        project->GetWindowRect(&rect);
        rect.OffsetRect(0, 2 * rect.Height());  // under the toolbars' row: a row of its own
        ASSERT_TRUE(before.bars->DockCommandBar(project, rect, project->m_dockBar));
        before.Layout();
        standardPlace = before.InDockBar(before.Bar(IDR_TOOLBAR_STANDARD));
        const CRect projectPlace = before.InDockBar(project);
        ASSERT_GE(projectPlace.top, standardPlace.bottom);
        plc->GetWindowRect(&rect);
        floatingAt = rect.TopLeft();
        before.bars->StoreBarsState(kProfile);

        // The sections as the profile keeps them: bars in list order.
        EXPECT_EQ(5, Value("%s-Summary", "Bars"));
        EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), Value("%s-Summary", "ScreenCX"));
        EXPECT_EQ(::GetSystemMetrics(SM_CYSCREEN), Value("%s-Summary", "ScreenCY"));
        const UINT order[] = {1, IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, IDR_TOOLBAR_LADDER, IDR_TOOLBAR_PLC};
        for (int i = 0; i < 5; ++i) {
            CString section;
            section.Format("%%s-Bar%d", i);
            SCOPED_TRACE(section);
            EXPECT_EQ(static_cast<int>(order[i]), Value(section, "BarID"));
            EXPECT_EQ(order[i] == IDR_TOOLBAR_LADDER ? 0 : kMissing, Value(section, "Visible"));
            EXPECT_EQ(order[i] == IDR_TOOLBAR_PLC ? 1 : kMissing, Value(section, "Floating"));
            EXPECT_EQ(kMissing, Value(section, "MRUWidth"));
            EXPECT_NE(kMissing, Value(section, "MRUDockID"));
            EXPECT_NE(kMissing, Value(section, "MRUFloatYPos"));
        }
        EXPECT_EQ(projectPlace.left, Value("%s-Bar2", "XPos"));
        EXPECT_EQ(projectPlace.top, Value("%s-Bar2", "YPos"));
        EXPECT_EQ(floatingAt.x, Value("%s-Bar4", "XPos"));
        EXPECT_EQ(floatingAt.y, Value("%s-Bar4", "YPos"));
        // The top dock bar: the menu bar's row, standard and the hidden ladder bar, project.
        arranged = before.TopEntries();
        ASSERT_EQ(8u, arranged.size());
        EXPECT_EQ(std::vector<int>(arranged.begin(), arranged.end()), DockBarValues("%s-DockBar0"));
        EXPECT_EQ(0u, arranged[5]);
        EXPECT_EQ(static_cast<UINT>(IDR_TOOLBAR_PROJECT), arranged[6]);
        EXPECT_EQ(8, Value("%s-DockBar0", "Bars"));
        EXPECT_EQ(kMissing, Value("%s-DockBar1", "Bars"));  // one entry only
    }

    BarFrame after;
    after.bars->RestoreBarsState(kProfile, FALSE);
    after.Layout();
    CUIToolBar* plc = after.Bar(IDR_TOOLBAR_PLC);
    EXPECT_EQ(uiBarFloating, plc->GetPosition());
    EXPECT_TRUE(plc->GetStyle() & WS_POPUP);
    CRect rect;
    plc->GetWindowRect(&rect);
    EXPECT_EQ(floatingAt, rect.TopLeft());
    EXPECT_FALSE(after.Bar(IDR_TOOLBAR_LADDER)->IsVisible());
    EXPECT_FALSE(after.Bar(IDR_TOOLBAR_LADDER)->IsWindowVisible());
    EXPECT_EQ(standardPlace, after.InDockBar(after.Bar(IDR_TOOLBAR_STANDARD)));
    EXPECT_GE(after.InDockBar(after.Bar(IDR_TOOLBAR_PROJECT)).top, standardPlace.bottom);
    std::vector<UINT> entries = after.TopEntries();
    while (entries.size() > arranged.size() && entries.back() == 0)
        entries.pop_back();  // row ends left over from the first arrangement
    EXPECT_EQ(arranged, entries);
}

TEST_F(BarState, DockBarRowsSaveEachRowEndOnce) {
    BarFrame frame;
    CUIDockBar* left = frame.bars->GetDockBar(uiBarLeft);
    // [row end, A, B, row end, row end, C]
    CUIToolBar* a = frame.Bar(IDR_TOOLBAR_STANDARD);
    CUIToolBar* b = frame.Bar(IDR_TOOLBAR_PROJECT);
    CUIToolBar* c = frame.Bar(IDR_TOOLBAR_LADDER);
    left->InsertEntry(1, a);
    left->InsertEntry(2, b);
    left->InsertEntry(5, c);  // the gap fills with row ends
    ASSERT_EQ(6, left->GetCount());
    frame.bars->StoreBarsState(kProfile);
    const std::vector<int> saved = {0, IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, 0, IDR_TOOLBAR_LADDER};
    EXPECT_EQ(saved, DockBarValues("%s-DockBar2"));
    EXPECT_EQ(5, Value("%s-DockBar2", "Bars"));
    for (CUIToolBar* bar : {a, b, c})
        left->RemoveBar(bar);  // the bars stay in the top dock bar alone
}

TEST_F(BarState, RestoringSkipsUnknownBarsAndStopsAtTheFirstMissingValue) {
    BarFrame frame;
    // A dock bar row naming a bar that no longer exists, its count damaged.
    Write("%s-DockBar0", "Bars", 0x7FFFFFFF);
    const int entries[] = {0, 1, 0, 4711, IDR_TOOLBAR_STANDARD, 0};
    for (int i = 0; i < 6; ++i) {
        CString entry;
        entry.Format("Bar#%d", i);
        Write("%s-DockBar0", entry, entries[i]);
    }
    // Two bar sections under a damaged count.
    Write("%s-Summary", "Bars", 0x7FFFFFFF);
    Write("%s-Bar0", "BarID", IDR_TOOLBAR_PROJECT);
    Write("%s-Bar0", "Visible", 0);
    Write("%s-Bar1", "BarID", 4711);
    frame.bars->RestoreBarsState(kProfile, TRUE);

    EXPECT_FALSE(frame.Bar(IDR_TOOLBAR_PROJECT)->IsVisible());
    EXPECT_TRUE(frame.Bar(IDR_TOOLBAR_STANDARD)->IsVisible());
    const std::vector<UINT> start = {0, 1, 0, 0, IDR_TOOLBAR_STANDARD, 0};
    std::vector<UINT> top = frame.TopEntries();
    ASSERT_GE(top.size(), start.size());
    top.resize(start.size());
    EXPECT_EQ(start, top);  // the unknown bar became a row end
    EXPECT_LT(frame.TopEntries().size(), 20u);
    frame.Layout();
}

TEST_F(BarState, PlacesSavedOnAnotherScreenAreScaledAndKeptOnThisOne) {
    struct Case {
        CSize saved;
        CPoint position;
        CRect dockRect;
        CPoint expectedPosition;
        CRect expectedDockRect;
    };
    // This screen: 800 x 600 with 32 x 32 icons, so nothing starts right of 768 or below 568.
    const Case cases[] = {
        {CSize(1280, 1024), CPoint(1000, 512), CRect(640, 512, 700, 540), CPoint(625, 300), CRect(400, 300, 460, 328)},
        {CSize(1280, 1024), CPoint(1279, 1023), CRect(1270, 1000, 1300, 1020), CPoint(768, 568),
         CRect(768, 568, 798, 588)},
        {CSize(800, 600), CPoint(500, 400), CRect(10, 20, 30, 40), CPoint(500, 400), CRect(10, 20, 30, 40)},
        {CSize(800, 600), CPoint(790, 590), CRect(780, 580, 800, 600), CPoint(768, 568), CRect(768, 568, 788, 588)},
        {CSize(0, 0), CPoint(500, 400), CRect(10, 20, 30, 40), CPoint(500, 400), CRect(10, 20, 30, 40)},  // damaged
        {CSize(1280, 1024), CPoint(-1, -1), CRect(0, 0, 0, 0), CPoint(-1, -1), CRect(0, 0, 0, 0)},  // not set
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.saved.cx << " x " << c.saved.cy << " at " << c.position.x);
        m_app.DeleteProfile();
        Write("%s-Summary", "Bars", 1);
        Write("%s-Summary", "ScreenCX", c.saved.cx);
        Write("%s-Summary", "ScreenCY", c.saved.cy);
        Write("%s-Bar0", "BarID", 5);
        Write("%s-Bar0", "XPos", c.position.x);
        Write("%s-Bar0", "YPos", c.position.y);
        Write("%s-Bar0", "MRUFloatXPos", c.position.x);
        Write("%s-Bar0", "MRUFloatYPos", c.position.y);
        Write("%s-Bar0", "MRUDockLeftPos", c.dockRect.left);
        Write("%s-Bar0", "MRUDockTopPos", c.dockRect.top);
        Write("%s-Bar0", "MRUDockRightPos", c.dockRect.right);
        Write("%s-Bar0", "MRUDockBottomPos", c.dockRect.bottom);
        CUIDockState state;
        state.SetScreen(CSize(800, 600), CSize(32, 32));
        state.LoadState(kProfile);
        ASSERT_EQ(1u, state.m_bars.size());
        const CUIBarInfo& info = state.m_bars[0];
        EXPECT_EQ(c.expectedPosition, info.m_position);
        EXPECT_EQ(c.expectedPosition, info.m_mruFloatPosition);
        EXPECT_EQ(c.expectedDockRect, info.m_mruDockRect);
        EXPECT_TRUE(info.m_visible);
        EXPECT_EQ(CUIBarInfo::NoWidthLimit, info.m_widthLimit);
    }
}

TEST_F(BarState, AMissingSummaryRestoresNothing) {
    BarFrame frame;
    Write("%s-Bar0", "BarID", IDR_TOOLBAR_STANDARD);
    Write("%s-Bar0", "Visible", 0);
    frame.bars->RestoreBarsState(kProfile, FALSE);
    EXPECT_TRUE(frame.Bar(IDR_TOOLBAR_STANDARD)->IsVisible());
}
