#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBarFrame.h"
#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CFrameWnd.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<UINT> Ids(CUICommandBar* bar) {
    std::vector<UINT> ids;
    for (int i = 0; i < bar->GetControlCount(); ++i)
        ids.push_back(bar->GetControl(i)->GetID());
    return ids;
}

// Records the cursor shown whenever the drag loop dispatches a message to it.
class CursorProbe {
public:
    CursorProbe() {
        m_window = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_previous = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CursorProbe::Proc)));
    }
    ~CursorProbe() { ::DestroyWindow(m_window); }
    CursorProbe(const CursorProbe&) = delete;
    CursorProbe& operator=(const CursorProbe&) = delete;

    void PostLook() { ::PostMessageA(m_window, WM_APP, 0, 0); }
    std::vector<HCURSOR> m_seen;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        CursorProbe* probe = reinterpret_cast<CursorProbe*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_APP) {
            probe->m_seen.push_back(::GetCursor());
            return 0;
        }
        return ::CallWindowProcA(probe->m_previous, hwnd, message, wParam, lParam);
    }
    HWND m_window;
    WNDPROC m_previous;
};

// A customizable frame in customize mode with no customize window: drags capture the
// mouse in the frame, and the input of each drag is posted before it starts.
class CustomizeDrags : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = std::make_unique<BarFrame>(TRUE);
        m_frame->bars->SetCustomizeMode(TRUE);
        m_standard = m_frame->Bar(IDR_TOOLBAR_STANDARD);
        m_project = m_frame->Bar(IDR_TOOLBAR_PROJECT);
    }
    void TearDown() override { m_frame.reset(); }

    CPoint Centre(CUICommandBar* bar, int index) const {
        CPoint point = bar->GetControl(index)->GetRect().CenterPoint();
        bar->ClientToScreen(&point);
        return point;
    }
    // Left of the control's centre, in screen coordinates.
    CPoint LeftPart(CUICommandBar* bar, int index) const {
        CRect rect = bar->GetControl(index)->GetRect();
        CPoint point(rect.left + 2, rect.CenterPoint().y);
        bar->ClientToScreen(&point);
        return point;
    }
    CPoint OffEveryBar() const {
        CRect client;
        m_frame->frame->GetClientRect(&client);
        CPoint point(client.CenterPoint().x, client.bottom - 40);
        m_frame->frame->ClientToScreen(&point);
        return point;
    }
    void PostMove(CPoint screen, WPARAM keys = MK_LBUTTON) {
        m_frame->frame->ScreenToClient(&screen);
        m_frame->frame->PostMessage(WM_MOUSEMOVE, keys, MAKELPARAM(screen.x, screen.y));
    }
    void PostToFrame(UINT message, WPARAM wParam = 0) { m_frame->frame->PostMessage(message, wParam, 0); }
    // The drag loop of a control, run on the input posted so far.
    int Drag(CUICommandBar* bar, int index, BOOL copyOnly = FALSE) {
        ::SetCursorPos(Centre(bar, index).x, Centre(bar, index).y);
        CaptureWatchdog watchdog;
        return m_frame->bars->GetDragContext()->DoDragDrop(bar->GetControl(index), copyOnly);
    }
    // A press on the control as the user makes it: the drag, then what it leaves.
    void PressAndDrag(CUICommandBar* bar, int index) {
        const CPoint centre = Centre(bar, index);
        ::SetCursorPos(centre.x, centre.y);
        CPoint client = bar->GetControl(index)->GetRect().CenterPoint();
        CaptureWatchdog watchdog;
        bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    }

    TestApplication m_app;
    ToolBarFactory m_factory;
    RecordingThemeFactory m_themes;
    std::unique_ptr<BarFrame> m_frame;
    CUIToolBar* m_standard = nullptr;
    CUIToolBar* m_project = nullptr;
};

TEST_F(CustomizeDrags, EveryBarRegistersAsADropTargetWhileItsWindowLives) {
    const auto& targets = m_frame->bars->GetDragContext()->GetDropTargets();
    for (CUIToolBar* bar : m_frame->toolBars)
        EXPECT_EQ(1, std::count(targets.begin(), targets.end(), bar));
    EXPECT_EQ(1, std::count(targets.begin(), targets.end(), m_frame->bars->GetMenuBar()));
    m_frame->bars->Remove(m_project);
    EXPECT_EQ(0, std::count(targets.begin(), targets.end(), m_project));
}

TEST_F(CustomizeDrags, TheResultTellsWhatTheDropDid) {
    const struct {
        const char* name;
        int expected;
        UINT projectGains;  // id of the control the project bar gains at its front, 0 none
    } cases[] = {
        {"dropped off", uiDropOff, 0},     {"Ctrl held: copy", uiDropCopy, 1}, {"moved", uiDropMove, 1},
        {"Escape", uiDropCancel, 0},       {"right button", uiDropCancel, 0},  {"capture lost", uiDropCancel, 0},
        {"dropped in place", uiDropCancel, 0},
    };
    for (const auto& test : cases) {
        const std::vector<UINT> before = Ids(m_project);
        const UINT dragged = m_standard->GetControl(1)->GetID();
        const std::string name = test.name;
        if (name == "dropped off") {
            PostMove(OffEveryBar());
            PostToFrame(WM_LBUTTONUP);
        } else if (name == "dropped in place") {
            PostMove(Centre(m_standard, 1) + CPoint(1, 0));
            PostToFrame(WM_LBUTTONUP);
        } else {
            PostMove(LeftPart(m_project, 0), name == "Ctrl held: copy" ? MK_LBUTTON | MK_CONTROL : MK_LBUTTON);
            if (name == "Escape")
                PostToFrame(WM_KEYDOWN, VK_ESCAPE);
            else if (name == "right button")
                PostToFrame(WM_RBUTTONDOWN);
            else if (name == "capture lost")
                PostToFrame(WM_CANCELMODE);
            else
                PostToFrame(WM_LBUTTONUP);
        }
        EXPECT_EQ(test.expected, Drag(m_standard, 1)) << test.name;
        EXPECT_EQ(nullptr, ::GetCapture()) << test.name;
        EXPECT_TRUE(m_project->GetDropIndicator().IsRectEmpty()) << test.name;
        std::vector<UINT> expected = before;
        if (test.projectGains)
            expected.insert(expected.begin(), dragged);
        EXPECT_EQ(expected, Ids(m_project)) << test.name;
        if (test.projectGains)
            m_project->GetControls()->Remove(0);
    }
}

TEST_F(CustomizeDrags, APressMovesCopiesOrDeletesTheControl) {
    const std::vector<UINT> standard = Ids(m_standard);
    const UINT second = standard[1];

    // Moved onto the project bar: gone from the standard bar, first on the project bar.
    PostMove(LeftPart(m_project, 0));
    PostToFrame(WM_LBUTTONUP);
    PressAndDrag(m_standard, 1);
    EXPECT_EQ(second, m_project->GetControl(0)->GetID());
    EXPECT_EQ(standard.size() - 1, Ids(m_standard).size());
    EXPECT_EQ(m_project->GetControl(0), m_frame->bars->GetDragControl()) << "the copy is selected";

    // Copied back with Ctrl: both keep one.
    const std::vector<UINT> project = Ids(m_project);
    PostMove(LeftPart(m_standard, 1), MK_LBUTTON | MK_CONTROL);
    PostToFrame(WM_LBUTTONUP);
    PressAndDrag(m_project, 0);
    EXPECT_EQ(project, Ids(m_project));
    EXPECT_EQ(standard, Ids(m_standard));

    // Dropped off every bar: deleted.
    PostMove(OffEveryBar());
    PostToFrame(WM_LBUTTONUP);
    PressAndDrag(m_project, 0);
    EXPECT_EQ(project.size() - 1, Ids(m_project).size());
    EXPECT_EQ(nullptr, m_frame->bars->GetDragControl());
}

TEST_F(CustomizeDrags, AControlLeavingItsBarHandsOnItsGroupMark) {
    CUIControl* first = m_standard->GetControl(0);
    CUIControl* second = m_standard->GetControl(1);
    CUIControl* third = m_standard->GetControl(2);
    second->SetBeginGroup(TRUE);
    third->SetBeginGroup(FALSE);
    PostMove(OffEveryBar());
    PostToFrame(WM_LBUTTONUP);
    PressAndDrag(m_standard, 1);
    EXPECT_TRUE(third->GetBeginGroup()) << "the next control takes the mark";

    second = m_standard->GetControl(1);
    second->SetBeginGroup(TRUE);
    PostMove(OffEveryBar());
    PostToFrame(WM_LBUTTONUP);
    PressAndDrag(m_standard, 0);
    EXPECT_NE(first, m_standard->GetControl(0));
    EXPECT_FALSE(m_standard->GetControl(0)->GetBeginGroup()) << "a first control begins no group";
}

TEST_F(CustomizeDrags, APushAlongTheBarAtItsOwnPlaceOnlyChangesTheGroupMark) {
    const std::vector<UINT> before = Ids(m_standard);
    CUIControl* control = m_standard->GetControl(2);
    const CRect rect = control->GetRect();
    // 5 pixels right of the centre is still the control's own place.
    PostMove(Centre(m_standard, 2) + CPoint(5, 0));
    PostToFrame(WM_LBUTTONUP);
    EXPECT_EQ(uiDropCancel, Drag(m_standard, 2));
    EXPECT_TRUE(control->GetBeginGroup());
    PostMove(Centre(m_standard, 2) + CPoint(-5, 0));
    PostToFrame(WM_LBUTTONUP);
    EXPECT_EQ(uiDropCancel, Drag(m_standard, 2));
    EXPECT_FALSE(control->GetBeginGroup());
    PostMove(Centre(m_standard, 2) + CPoint(4, 0));
    PostToFrame(WM_LBUTTONUP);
    Drag(m_standard, 2);
    EXPECT_FALSE(control->GetBeginGroup()) << "4 pixels are within the slack";
    EXPECT_EQ(before, Ids(m_standard));
    EXPECT_EQ(rect.Width(), control->GetRect().Width());
}

TEST_F(CustomizeDrags, TheCursorTellsMoveCopyOrNoDrop) {
    CUIControlDragContext* context = m_frame->bars->GetDragContext();
    ASSERT_NE(nullptr, context->GetMoveCursor());
    ASSERT_NE(nullptr, context->GetCopyCursor());
    ASSERT_NE(nullptr, context->GetNoDropCursor());
    CursorProbe probe;
    PostMove(OffEveryBar());
    probe.PostLook();
    PostMove(LeftPart(m_project, 0));
    probe.PostLook();
    PostToFrame(WM_KEYDOWN, VK_CONTROL);
    probe.PostLook();
    PostToFrame(WM_KEYUP, VK_CONTROL);
    probe.PostLook();
    PostToFrame(WM_KEYDOWN, VK_ESCAPE);
    Drag(m_standard, 1);
    EXPECT_EQ((std::vector<HCURSOR>{context->GetNoDropCursor(), context->GetMoveCursor(), context->GetCopyCursor(),
                                    context->GetMoveCursor()}),
              probe.m_seen);

    // A command taken from the customize window is always copied.
    probe.m_seen.clear();
    PostMove(LeftPart(m_project, 0));
    probe.PostLook();
    PostToFrame(WM_LBUTTONUP);
    EXPECT_EQ(uiDropCopy, Drag(m_standard, 1, TRUE));
    EXPECT_EQ(std::vector<HCURSOR>{context->GetCopyCursor()}, probe.m_seen);
}

TEST_F(CustomizeDrags, ARightPressSelectsTheControlAndAClickExecutesNothing) {
    CPoint client = m_standard->GetControl(2)->GetRect().CenterPoint();
    m_standard->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    EXPECT_EQ(m_standard->GetControl(2), m_frame->bars->GetDragControl());
    // A press without a move is a drag that changes nothing.
    PostToFrame(WM_LBUTTONUP);
    const std::vector<UINT> before = Ids(m_standard);
    PressAndDrag(m_standard, 3);
    EXPECT_EQ(before, Ids(m_standard));
    EXPECT_EQ(m_standard->GetControl(3), m_frame->bars->GetDragControl());
}

TEST_F(CustomizeDrags, TheDropMarkShowsWhereTheControlWouldGo) {
    CUIControl* dragged = m_standard->GetControl(1);
    CUIControl* first = m_project->GetControl(0);
    CUIControl* second = m_project->GetControl(1);
    const CRect rect = first->GetRect();
    const int afterFirst = second->GetBeginGroup() ? rect.right : second->GetRect().left;
    const struct {
        const char* name;
        CUICommandBar* bar;
        CPoint point;
        int markCentre;  // -1: no mark
    } cases[] = {
        {"before the first control", m_project, CPoint(rect.left + 2, rect.CenterPoint().y), rect.left},
        {"after it", m_project, CPoint(rect.right - 2, rect.CenterPoint().y), afterFirst},
        {"its own place", m_standard, dragged->GetRect().CenterPoint(), -1},
    };
    for (const auto& test : cases) {
        EXPECT_TRUE(test.bar->OnCustomizeDragOver(dragged, test.point)) << test.name;
        const CRect mark = test.bar->GetDropIndicator();
        if (test.markCentre < 0) {
            EXPECT_TRUE(mark.IsRectEmpty()) << test.name;
        } else {
            EXPECT_EQ(test.markCentre, mark.CenterPoint().x) << test.name;
            EXPECT_EQ(6, mark.Width()) << test.name;
            EXPECT_EQ(rect.Height(), mark.Height()) << test.name;
        }
        test.bar->OnCustomizeDragLeave();
        EXPECT_TRUE(test.bar->GetDropIndicator().IsRectEmpty()) << test.name;
    }
}

TEST_F(CustomizeDrags, TheMarkAndTheSelectedControlsFramesAreDrawn) {
    CRect client;
    m_project->GetClientRect(&client);
    const auto render = [&](TestImage& image) {
        m_project->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), PRF_CLIENT);
    };
    TestImage plain(client.Width(), client.Height());
    render(plain);
    const CRect first = m_project->GetControl(0)->GetRect();
    m_frame->bars->SetDragControl(m_project->GetControl(0));
    m_project->OnCustomizeDragOver(m_standard->GetControl(1), CPoint(first.right - 2, first.CenterPoint().y));
    TestImage marked(client.Width(), client.Height());
    render(marked);
    const CRect mark = m_project->GetDropIndicator();
    ASSERT_FALSE(mark.IsRectEmpty());
    // The stem of the I-beam inverts the bar's pixels.
    const CPoint stem(mark.CenterPoint().x, mark.CenterPoint().y);
    EXPECT_NE(plain.Pixel(stem.x, stem.y), marked.Pixel(stem.x, stem.y));
    EXPECT_EQ(RGB(0, 0, 0), marked.Pixel(first.left, first.CenterPoint().y)) << "outer frame";
    EXPECT_EQ(RGB(0, 0, 0), marked.Pixel(first.left + 1, first.CenterPoint().y)) << "inner frame";
    EXPECT_TRUE(marked.SaveBmp(TestOutputPath("customize_drop_mark.bmp")));
    m_project->OnCustomizeDragLeave();
}

TEST_F(CustomizeDrags, TheFrameRefusesToCloseOnlyWhileTheCustomizeWindowIsOpen) {
    m_frame->bars->SetCustomizeMode(FALSE);
    EXPECT_EQ(nullptr, m_frame->bars->GetDragControl());
    LRESULT result = 1;
    EXPECT_FALSE(m_frame->bars->OnFrameWndMsg(WM_CLOSE, 0, 0, &result));
    CWnd window;
    m_frame->bars->GetDragContext()->SetCustomizeWindow(&window);
    EXPECT_TRUE(m_frame->bars->OnFrameWndMsg(WM_CLOSE, 0, 0, &result)) << "refused while customizing";
    m_frame->bars->GetDragContext()->SetCustomizeWindow(nullptr);
}

}  // namespace
