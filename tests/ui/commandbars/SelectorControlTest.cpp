#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlSelector.h"
#include "ui/commandbars/UISystemPalette.h"

#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "tests/support/TestImage.h"

#include <cstdlib>
#include <vector>

namespace {

const UINT kSelectorId = 34200;

// Records the selection notices (code and selected size) and the commands.
class SelectorFrame : public CFrameWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CommandBarsExecuteNotify) {
            const UIExecuteRecord* record = reinterpret_cast<const UIExecuteRecord*>(lParam);
            const CUIControlSelector* selector = static_cast<const CUIControlSelector*>(record->control);
            m_notices.push_back({static_cast<int>(record->code), selector->GetSelectedSize()});
        }
        if (message == WM_COMMAND)
            m_commands.push_back(LOWORD(wParam));
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    struct Notice {
        int code;
        CSize size;
        bool operator==(const Notice& other) const { return code == other.code && size == other.size; }
    };
    std::vector<Notice> m_notices;
    std::vector<UINT> m_commands;
};

class SelectorControl : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = new SelectorFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 700)));
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
        m_bars = new CUICommandBars;
        m_bars->SetFrameSite(m_frame);
        m_bars->EnableDockingBars();
        m_bar = static_cast<CUIToolBar*>(m_bars->AddToolBar("表格", uiBarTop, RUNTIME_CLASS(CUIToolBar)));
        m_selector = static_cast<CUIControlSelector*>(
            m_bar->GetControls()->InsertControl(new CUIControlSelector, kSelectorId, "", -1, FALSE));
        m_frame->RecalcLayout();
        m_frame->m_notices.clear();
    }
    void TearDown() override {
        BYTE keys[256] = {};
        ::SetKeyboardState(keys);
        delete m_bars;
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    // The point inside the cell, in the bar's client coordinates.
    CPoint InCell(int column, int row) const {
        return m_selector->GetRect().TopLeft() + CSize(column * 28 + 14, row * 28 + 14);
    }
    void HoldLeftButton(BOOL held) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_LBUTTON] = held ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    TestApplication m_app;
    ToolBarFactory m_factory;
    SelectorFrame* m_frame = nullptr;
    CUICommandBars* m_bars = nullptr;
    CUIToolBar* m_bar = nullptr;
    CUIControlSelector* m_selector = nullptr;
};

using Notice = SelectorFrame::Notice;

}  // namespace

TEST_F(SelectorControl, PointingSelectsTheCellsUpToThePointAndReleasingChoosesThem) {
    EXPECT_EQ(CSize(140, 112), m_selector->GetRect().Size()) << "5 x 4 cells of 28 pixels";
    m_selector->OnMouseMove(InCell(1, 2));
    EXPECT_EQ(CSize(2, 3), m_selector->GetSelectedSize());
    m_selector->OnMouseMove(InCell(1, 2) + CSize(5, 5));
    EXPECT_EQ((std::vector<Notice>{{CUIControlSelector::SelectionChangeCode, CSize(2, 3)}}), m_frame->m_notices)
        << "one notice per change";
    EXPECT_TRUE(m_frame->m_commands.empty());

    m_selector->OnLButtonUp(InCell(1, 2));
    EXPECT_EQ(CSize(2, 3), m_selector->GetChosenSize());
    EXPECT_EQ(std::vector<UINT>{kSelectorId}, m_frame->m_commands);
    EXPECT_EQ(UIExecuteCode, m_frame->m_notices.back().code);

    // Leaving the grid (button up) takes the selection away; releasing then chooses nothing.
    m_selector->OnSetSelected(1);
    m_selector->OnSetSelected(0);
    EXPECT_EQ(CSize(0, 0), m_selector->GetSelectedSize());
    m_selector->OnLButtonUp(InCell(0, 0));
    EXPECT_EQ(std::vector<UINT>{kSelectorId}, m_frame->m_commands);
}

TEST_F(SelectorControl, PullingPastTheEdgesWithTheButtonHeldGrowsTheGridUpToItsMaximum) {
    struct Case {
        CSize beyond;  // cells past the bottom-right cell
        CSize visible;
    };
    const Case cases[] = {{CSize(2, 0), CSize(7, 4)}, {CSize(0, 3), CSize(5, 7)}, {CSize(20, 20), CSize(12, 12)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.visible.cx * 100 + c.visible.cy);
        m_frame->RecalcLayout();
        ASSERT_EQ(CSize(5, 4), m_selector->GetVisibleSize());
        CPoint cursor = InCell(4 + c.beyond.cx, 3 + c.beyond.cy);
        m_bar->ClientToScreen(&cursor);
        ::SetCursorPos(cursor.x, cursor.y);
        HoldLeftButton(TRUE);
        m_selector->OnSetSelected(1);
        m_selector->OnSetSelected(0);
        HoldLeftButton(FALSE);
        EXPECT_EQ(c.visible, m_selector->GetVisibleSize());
        EXPECT_EQ(CSize(c.visible.cx * 28, c.visible.cy * 28), m_selector->GetRect().Size()) << "laid out grown";
        EXPECT_EQ(c.visible, m_selector->GetSelectedSize()) << "selected up to the cursor";
    }
    m_frame->RecalcLayout();
    EXPECT_EQ(CSize(5, 4), m_selector->GetVisibleSize()) << "any other layout shows the default again";
    EXPECT_EQ(CSize(0, 0), m_selector->GetSelectedSize());
}

TEST_F(SelectorControl, CellsAreDrawnSelectedOrPlainWithAFrame) {
    m_selector->OnMouseMove(InCell(1, 1));
    CRect client;
    m_bar->GetClientRect(&client);
    TestImage image(client.Width(), client.Height());
    RenderWindow(m_bar, image);
    image.SaveBmp(TestOutputPath("commandbars-selector.bmp"));
    const CPoint selected = InCell(1, 1);
    const CPoint plain = InCell(3, 2);
    EXPECT_EQ(GetUISystemPalette().GetColor(13), image.Pixel(selected.x, selected.y));
    EXPECT_EQ(GetUISystemPalette().GetColor(5), image.Pixel(plain.x, plain.y));
    const CPoint frame = m_selector->GetRect().TopLeft() + CSize(1, 10);
    EXPECT_EQ(m_bar->GetPaintManager()->GetColor(43), image.Pixel(frame.x, frame.y));
}

TEST_F(SelectorControl, TheArchiveKeepsTheDefaultMaximumAndCellSizes) {
    m_selector->m_defaultSize = CSize(3, 2);
    m_selector->m_cellSize = CSize(20, 18);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(m_selector);
        ar.Close();
    }
    const UINT length = static_cast<UINT>(file.GetLength());
    BYTE* data = file.Detach();
    const int tail[] = {3, 2, 12, 12, 20, 18};
    ASSERT_GE(length, sizeof(tail));
    EXPECT_EQ(0, memcmp(data + length - sizeof(tail), tail, sizeof(tail)));
    CMemFile in(data, length);
    CArchive ar(&in, CArchive::load);
    ar.m_pDocument = reinterpret_cast<CDocument*>(m_bars);
    auto* loaded = dynamic_cast<CUIControlSelector*>(ar.ReadObject(RUNTIME_CLASS(CUIControl)));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(CSize(3, 2), loaded->m_defaultSize);
    EXPECT_EQ(CSize(12, 12), loaded->m_maximumSize);
    EXPECT_EQ(CSize(20, 18), loaded->m_cellSize);
    CUIControl* clone = loaded->Clone(FALSE);
    EXPECT_EQ(CSize(20, 18), static_cast<CUIControlSelector*>(clone)->m_cellSize);
    clone->InternalRelease();
    loaded->InternalRelease();
    in.Detach();
    std::free(data);
}
