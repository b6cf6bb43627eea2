#include "shell/controls/CInPlaceEdit.h"
#include "shell/controls/CNotifyListCtrl.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kListId = 1046;
const UINT kOtherId = 1047;

struct EditEnd {
    HWND from;
    UINT_PTR id;
    int row;
    int column;
    int mask;
    std::string text;
    int key;
};

// The dialog side: it hears of each finished cell edit through the list's id.
class EditingDialog : public CWnd {
public:
    std::vector<EditEnd> m_ends;

protected:
    void OnEditEnded(NMHDR* header, LRESULT*) {
        auto* end = reinterpret_cast<InPlaceEditEnd*>(header);
        m_ends.push_back({header->hwndFrom, header->idFrom, end->row, end->column, end->mask,
                          std::string(end->text), end->key});
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EditingDialog, CWnd)
    ON_NOTIFY(LVN_ENDLABELEDIT, kListId, OnEditEnded)
END_MESSAGE_MAP()

class InPlaceEditing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.CreateEx(0, nullptr, "参数", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
        m_dialog.SetActiveWindow();
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 310, 210), &m_dialog, kListId));
        ASSERT_TRUE(m_other.Create(WS_CHILD | WS_VISIBLE, CRect(10, 220, 200, 240), &m_dialog, kOtherId));
    }
    void TearDown() override { m_dialog.DestroyWindow(); }

    CInPlaceEdit* StartEdit(const char* text, char firstChar = ' ', CRect rect = CRect(100, 20, 160, 40)) {
        auto* edit = new CInPlaceEdit(&m_list, rect, 0, CNotifyListCtrl::kInPlaceEditId, 3, 2, text, firstChar);
        m_editWindow = edit->m_hWnd;
        return edit;
    }
    void Type(const char* text) {
        for (const char* ch = text; *ch; ++ch)
            ::SendMessageA(m_editWindow, WM_CHAR, static_cast<BYTE>(*ch), 1);
    }
    // A key as the user presses it: posted and pumped through the message loop.
    void PressKey(UINT key) {
        ::PostMessageA(m_editWindow, WM_KEYDOWN, key, 1);
        ::PostMessageA(m_editWindow, WM_KEYUP, key, 0xC0000001);
        m_app.PumpUntilIdle();
    }
    std::string EditText() const {
        char text[256] = "";
        ::GetWindowTextA(m_editWindow, text, sizeof text);
        return text;
    }
    CRect EditRectInList() const {
        CRect rect;
        ::GetWindowRect(m_editWindow, &rect);
        m_list.ScreenToClient(&rect);
        return rect;
    }

    TestApplication m_app;
    EditingDialog m_dialog;
    CNotifyListCtrl m_list;
    CEdit m_other;
    HWND m_editWindow = nullptr;
};

TEST_F(InPlaceEditing, StartsFocusedWithItsWholeTextSelected) {
    CInPlaceEdit* edit = StartEdit("%I0.0");
    EXPECT_EQ(::GetFocus(), m_editWindow);
    EXPECT_EQ(EditText(), "%I0.0");
    int start = -1, end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(edit->GetFont()->m_hObject, m_list.GetFont()->m_hObject);
    EXPECT_TRUE(edit->GetStyle() & ES_AUTOHSCROLL);
}

TEST_F(InPlaceEditing, AFirstCharacterReplacesTheInitialText) {
    StartEdit("%I0.0", 'Q');
    EXPECT_EQ(EditText(), "Q");
}

// Each way an edit ends: what the dialog is told (through the list) and that the edit
// closes itself afterwards.
TEST_F(InPlaceEditing, EachEndingReportsTheTextAndTheKeyToTheDialog) {
    struct Case {
        const char* typed;
        UINT key;  // 0: the user clicks another control
        const char* reported;
        int reportedKey;
    } cases[] = {
        {"M1.0", VK_RETURN, "M1.0", 13},
        {"VW10", VK_TAB, "VW10", 9},
        {"Q0.7", VK_ESCAPE, "%I0.0", 27},
        {"T37", 0, "T37", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        m_dialog.m_ends.clear();
        StartEdit("%I0.0");
        Type(c.typed);
        if (c.key)
            PressKey(c.key);
        else
            m_other.SetFocus();
        m_app.PumpUntilIdle();

        ASSERT_EQ(m_dialog.m_ends.size(), 1u);
        const EditEnd& end = m_dialog.m_ends[0];
        EXPECT_EQ(end.from, m_list.m_hWnd);
        EXPECT_EQ(end.id, kListId);
        EXPECT_EQ(end.row, 3);
        EXPECT_EQ(end.column, 2);
        EXPECT_EQ(end.mask, 5);
        EXPECT_EQ(end.text, c.reported);
        EXPECT_EQ(end.key, c.reportedKey);
        EXPECT_FALSE(::IsWindow(m_editWindow));
    }
}

TEST_F(InPlaceEditing, OnlyOperandCharactersAreTaken) {
    StartEdit("");
    Type("+-*/(%IW0.5_x #)");
    EXPECT_EQ(EditText(), "%IW0.5_x #");
    Type("\b\b");
    EXPECT_EQ(EditText(), "%IW0.5_x");
}

TEST_F(InPlaceEditing, GrowsToTheRightUntilTheListsEdge) {
    StartEdit("");
    CRect start = EditRectInList();
    Type("AAAA");
    EXPECT_EQ(EditRectInList(), start);  // the text still fits

    int lastRight = start.right;
    bool grew = false;
    for (int i = 0; i < 60; ++i) {
        Type("W");
        CRect now = EditRectInList();
        EXPECT_EQ(now.left, start.left);
        EXPECT_EQ(now.Height(), start.Height());
        EXPECT_GE(now.right, lastRight);
        grew = grew || now.right > lastRight;
        lastRight = now.right;
    }
    CRect listClient;
    m_list.GetClientRect(&listClient);
    EXPECT_TRUE(grew);
    EXPECT_EQ(lastRight, listClient.right);
    EXPECT_EQ(EditText(), "AAAA" + std::string(60, 'W'));
}

// Keys reach the edit before any dialog could act on them; Alt+letter is swallowed.
TEST_F(InPlaceEditing, TakesKeysBeforeTheDialogAndSwallowsSystemCharacters) {
    CInPlaceEdit* edit = StartEdit("C");
    MSG keyDown = {m_editWindow, WM_KEYDOWN, 'A', 1, 0, {0, 0}};
    EXPECT_TRUE(edit->PreTranslateMessage(&keyDown));
    MSG sysChar = {m_editWindow, WM_SYSCHAR, 'x', 1, 0, {0, 0}};
    EXPECT_TRUE(edit->PreTranslateMessage(&sysChar));
    MSG mouse = {m_editWindow, WM_LBUTTONDOWN, 0, 0, 0, {0, 0}};
    EXPECT_FALSE(edit->PreTranslateMessage(&mouse));
    m_app.PumpUntilIdle();
    EXPECT_EQ(EditText(), "a");  // the translated key replaced the selection
}

}  // namespace
