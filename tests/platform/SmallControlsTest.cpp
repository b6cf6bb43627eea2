#include "platform/CDateTimeCtrl.h"
#include "platform/CEdit.h"
#include "platform/CProgressCtrl.h"
#include "platform/CSpinButtonCtrl.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kEditId = 11;
const UINT kSpinId = 12;
const UINT kPickerId = 13;

// The parent of the controls: its message map sees each spin step (and may refuse
// it) and each change of the picker.
class ControlParent : public CWnd {
public:
    std::vector<int> m_steps;  // position + delta offered by each step
    BOOL m_refuseSteps = FALSE;
    int m_timeChanges = 0;

protected:
    void OnDeltaPos(NMHDR* header, LRESULT* result) {
        auto* step = reinterpret_cast<NMUPDOWN*>(header);
        m_steps.push_back(step->iPos + step->iDelta);
        *result = m_refuseSteps;
    }
    void OnTimeChange(NMHDR*, LRESULT* result) {
        ++m_timeChanges;
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlParent, CWnd)
    ON_NOTIFY(UDN_DELTAPOS, kSpinId, OnDeltaPos)
    ON_NOTIFY(DTN_DATETIMECHANGE, kPickerId, OnTimeChange)
END_MESSAGE_MAP()

class SmallControls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200),
                                      nullptr, 0));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CString BuddyText() const {
        CString text;
        m_edit.GetWindowText(text);
        return text;
    }

    TestApplication m_app;
    ControlParent m_parent;
    CEdit m_edit;
};

// A start-address field: the spin writes its position into the edit before it and
// steps within its range by its acceleration.
TEST_F(SmallControls, SpinStepsItsBuddyWithinItsRange) {
    ASSERT_TRUE(m_edit.Create(WS_VISIBLE | ES_NUMBER, CRect(0, 0, 60, 20), &m_parent, kEditId));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS |
                                UDS_NOTHOUSANDS,
                            CRect(0, 0, 0, 0), &m_parent, kSpinId));
    EXPECT_EQ(spin.GetBuddy()->m_hWnd, m_edit.m_hWnd);
    spin.SetRange32(0, 6);
    int lower = -1, upper = -1;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 6);
    UDACCEL step = {0, 2};
    EXPECT_TRUE(spin.SetAccel(1, &step));
    spin.SetPos32(2);
    EXPECT_EQ(BuddyText(), "2");

    spin.SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(spin.GetPos32(), 4);
    EXPECT_EQ(BuddyText(), "4");
    spin.SendMessage(WM_KEYDOWN, VK_UP);
    spin.SendMessage(WM_KEYDOWN, VK_UP);  // no step past the top
    EXPECT_EQ(spin.GetPos32(), 6);
    m_parent.m_refuseSteps = TRUE;
    spin.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(spin.GetPos32(), 6);  // the parent refused the step
    ASSERT_GE(m_parent.m_steps.size(), 3u);
    EXPECT_EQ(m_parent.m_steps[0], 4);
    EXPECT_EQ(m_parent.m_steps.back(), 4);

    // A number typed into the buddy is the position; text that is none is reported.
    m_edit.SetWindowText("5");
    BOOL error = TRUE;
    EXPECT_EQ(spin.GetPos32(&error), 5);
    EXPECT_FALSE(error);
    m_edit.SetWindowText("abc");
    spin.GetPos32(&error);
    EXPECT_TRUE(error);
}

TEST_F(SmallControls, ProgressMovesByPositionAndOffsetWithinItsRange) {
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(0, 0, 200, 12), &m_parent, 14));
    EXPECT_EQ(progress.GetPos(), 0);
    EXPECT_EQ(progress.OffsetPos(5), 0);
    EXPECT_EQ(progress.OffsetPos(2), 5);
    EXPECT_EQ(progress.GetPos(), 7);
    EXPECT_EQ(progress.SetPos(100), 7);
    progress.OffsetPos(2);
    EXPECT_EQ(progress.GetPos(), 100);  // not beyond the end
    progress.SetRange32(0, 1000);
    progress.SetPos(640);
    EXPECT_EQ(progress.GetPos(), 640);
}

// The clock dialog's picker of the time to write: a range from 2000 to 2037.
TEST_F(SmallControls, DateTimePickerKeepsItsTimeWithinItsRange) {
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_VISIBLE | DTS_TIMEFORMAT, CRect(0, 0, 150, 20), &m_parent, kPickerId));
    CTime earliest(2000, 1, 1, 0, 0, 0);
    CTime latest(2037, 12, 31, 23, 59, 59);
    EXPECT_TRUE(picker.SetRange(&earliest, &latest));

    CTime written(2009, 3, 15, 14, 5, 9);
    EXPECT_TRUE(picker.SetTime(written));
    CTime read;
    EXPECT_EQ(picker.GetTime(read), DWORD(GDT_VALID));
    EXPECT_EQ(read, written);
    EXPECT_EQ(read.GetDayOfWeek(), 1);  // a Sunday

    EXPECT_FALSE(picker.SetTime(CTime(1999, 12, 31, 12, 0, 0)));
    picker.GetTime(read);
    EXPECT_EQ(read, written);  // unchanged by a time outside the range
    EXPECT_EQ(m_parent.m_timeChanges, 0);  // setting the time is no change by the user

    // The user picks the first field (the picker places its fields when it paints)
    // and steps it.
    ::RedrawWindow(picker.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 10));
    picker.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(8, 10));
    picker.SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(m_parent.m_timeChanges, 1);
    picker.GetTime(read);
    EXPECT_NE(read, written);
}

}  // namespace
