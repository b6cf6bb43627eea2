#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UIControlComboBox.h"
#include "ui/commandbars/UIControlComboBoxList.h"
#include "ui/commandbars/UIControlEdit.h"
#include "ui/commandbars/UIEdit.h"

#include "platform/CArchive.h"
#include "platform/CCmdUI.h"
#include "platform/CMemFile.h"
#include "platform/Clipboard.h"
#include "tests/support/TestImage.h"

#include <cstdlib>
#include <vector>

namespace {

const UINT kEditId = 34100;
const UINT kComboId = 34101;

class CommandFrame : public CFrameWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND)
            m_commands.push_back(LOWORD(wParam));
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> m_commands;
};

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A toolbar with a button, an edit field and a list-only combo box of three strings.
class FieldControls : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = new CommandFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 500)));
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
        m_bars = new CUICommandBars;
        m_bars->SetFrameSite(m_frame);
        m_bars->EnableDockingBars();
        m_bar = static_cast<CUIToolBar*>(m_bars->AddToolBar("查找", uiBarTop, RUNTIME_CLASS(CUIToolBar)));
        m_bar->GetControls()->Add(uiControlButton, ID_PROJECT_NEW);
        m_edit = static_cast<CUIControlEdit*>(m_bar->GetControls()->Add(uiControlEdit, kEditId));
        m_edit->SetCaption("查找");
        m_combo = static_cast<CUIControlComboBox*>(m_bar->GetControls()->Add(uiControlComboBox, kComboId));
        m_combo->SetCaption("范围");
        for (LPCSTR text : {"工程", "程序", "变量"})
            m_combo->AddString(text);
        m_frame->RecalcLayout();
        m_frame->SetFocus();
    }
    void TearDown() override {
        CUIMouseTrackHook::Get().EndTracking();
        delete m_bars;
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    // Hands a keyboard message to the frame's pre-translation as the message loop does,
    // and dispatches it when the bars leave it.
    void Key(UINT message, WPARAM key) {
        MSG msg = {::GetFocus(), message, key, 0, 0, {0, 0}};
        if (!m_bars->PreTranslateFrameMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        PumpMessages();
    }
    void Type(LPCSTR text) {
        for (; *text; ++text)
            Key(WM_CHAR, static_cast<BYTE>(*text));
    }
    CRect InBar(HWND window) {
        CRect rect;
        ::GetWindowRect(window, &rect);
        m_bar->ScreenToClient(&rect);
        return rect;
    }
    CRect ListWindowRect() {
        CRect rect;
        m_combo->GetList()->GetWindowRect(&rect);
        return rect;
    }
    int ItemHeight() { return static_cast<int>(m_combo->GetList()->SendMessage(LB_GETITEMHEIGHT)); }

    TestApplication m_app;
    ToolBarFactory m_factory;
    CommandFrame* m_frame = nullptr;
    CUICommandBars* m_bars = nullptr;
    CUIToolBar* m_bar = nullptr;
    CUIControlEdit* m_edit = nullptr;
    CUIControlComboBox* m_combo = nullptr;
};

}  // namespace

TEST_F(FieldControls, TheControlsAreMadeByTypeAndTheEditWindowSitsInTheField) {
    EXPECT_EQ(uiControlEdit, m_edit->GetType());
    EXPECT_EQ(uiControlComboBox, m_combo->GetType());
    EXPECT_EQ(nullptr, m_combo->GetEditWindow()) << "a list-only combo box has no edit window";
    const HWND window = m_edit->GetEditWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(m_bar->m_hWnd, ::GetParent(window));
    EXPECT_TRUE(::IsWindowVisible(window));
    const CRect rect = m_edit->GetRect();
    EXPECT_GT(m_edit->GetLabelWidth(), 0) << "the caption is measured as a label";
    EXPECT_EQ(CRect(rect.left + m_edit->GetLabelWidth() + 4, rect.top + 3, rect.right - 3, rect.bottom - 3),
              InBar(window));
    EXPECT_EQ(m_edit->GetFieldWidth() + 0, rect.Width());
}

TEST_F(FieldControls, FocusHandsTheKeysToTheFieldAndEnterExecutes) {
    m_edit->SetEditText("old");
    m_edit->OnClick(FALSE);  // a click on the label moves the focus into the field
    PumpMessages();
    ASSERT_EQ(m_edit->GetEditWindow(), ::GetFocus());
    EXPECT_EQ(uiTracking, m_bar->GetTrackingMode());
    EXPECT_EQ(m_edit->GetIndex(), m_bar->GetSelectedIndex());
    EXPECT_EQ(1, CUIMouseTrackHook::Get().m_suspendCount);
    int start = -1, end = -1;
    m_edit->GetEdit()->GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(3, end) << "all text is selected on focus";

    // Letters and arrows reach the field, not the bar's mnemonics or navigation.
    Type("np");
    Key(WM_KEYDOWN, VK_LEFT);
    Type("u");
    EXPECT_STREQ("nup", m_edit->GetEditText());
    EXPECT_EQ(m_edit->GetIndex(), m_bar->GetSelectedIndex());
    EXPECT_TRUE(m_frame->m_commands.empty());

    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(std::vector<UINT>{kEditId}, m_frame->m_commands);
    EXPECT_STREQ("nup", m_edit->GetEditText());
    EXPECT_EQ(uiNotTracking, m_bar->GetTrackingMode());
    EXPECT_EQ(m_frame->m_hWnd, ::GetFocus()) << "the focus went back where it came from";
    EXPECT_EQ(0, CUIMouseTrackHook::Get().m_suspendCount);
}

TEST_F(FieldControls, EscLeavesTheFieldWithoutExecuting) {
    m_edit->OnClick(FALSE);
    PumpMessages();
    ASSERT_EQ(m_edit->GetEditWindow(), ::GetFocus());
    Type("x");
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(m_frame->m_commands.empty());
    EXPECT_EQ(m_frame->m_hWnd, ::GetFocus());
    EXPECT_EQ(uiNotTracking, m_bar->GetTrackingMode());
    EXPECT_STREQ("x", m_edit->GetEditText());
}

TEST_F(FieldControls, AListOnlyComboShowsItsOldChoiceWhenTheListIsClosedWithEsc) {
    m_combo->OnClick(FALSE);
    ASSERT_TRUE(m_combo->IsListOpen());
    EXPECT_TRUE(m_combo->GetList()->IsWindowVisible());
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_STREQ("程序", m_combo->GetFieldText()) << "moving in the list shows the string";
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(std::vector<UINT>{kComboId}, m_frame->m_commands);
    EXPECT_FALSE(m_combo->IsListOpen());
    EXPECT_FALSE(m_combo->GetList()->IsWindowVisible());
    EXPECT_EQ(1, m_combo->GetCurSel());

    m_combo->OnClick(FALSE);
    ASSERT_TRUE(m_combo->IsListOpen());
    EXPECT_EQ(1, m_combo->GetList()->GetCurSel()) << "the list opens on the chosen string";
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_STREQ("变量", m_combo->GetFieldText());
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(m_combo->IsListOpen());
    EXPECT_EQ(1, m_combo->GetCurSel());
    EXPECT_STREQ("程序", m_combo->GetFieldText());
    EXPECT_EQ(std::vector<UINT>{kComboId}, m_frame->m_commands);
    EXPECT_EQ(0, CUIMouseTrackHook::Get().m_suspendCount);
}

TEST_F(FieldControls, PointingAtAStringAndReleasingChoosesIt) {
    m_combo->OnClick(FALSE);
    ASSERT_TRUE(m_combo->IsListOpen());
    CUIControlComboBoxList* list = m_combo->GetList();
    const LPARAM third = MAKELPARAM(5, ItemHeight() * 2 + 2);
    list->SendMessage(WM_MOUSEMOVE, 0, third);
    EXPECT_EQ(2, list->GetCurSel());
    list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, third);
    EXPECT_TRUE(m_frame->m_commands.empty()) << "pressing does nothing";
    list->SendMessage(WM_LBUTTONUP, 0, third);
    EXPECT_EQ(std::vector<UINT>{kComboId}, m_frame->m_commands);
    EXPECT_STREQ("变量", m_combo->GetListText());
    EXPECT_STREQ("变量", m_combo->GetFieldText());
    EXPECT_FALSE(m_combo->IsListOpen());
}

TEST_F(FieldControls, TheListOpensOneToTwelveRowsHighBelowTheBox) {
    struct Case {
        int strings;
        int rows;
    };
    const Case cases[] = {{0, 1}, {3, 3}, {12, 12}, {30, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strings);
        m_combo->GetList()->SendMessage(LB_RESETCONTENT);
        for (int i = 0; i < c.strings; ++i)
            m_combo->AddString("项");
        m_combo->OnClick(FALSE);
        ASSERT_TRUE(m_combo->IsListOpen());
        CRect box = m_combo->GetRect();
        m_bar->ClientToScreen(&box);
        const CRect list = ListWindowRect();
        EXPECT_EQ(ItemHeight() * c.rows + 4, list.Height());
        EXPECT_EQ(box.Width(), list.Width());
        EXPECT_EQ(box.left, list.left);
        EXPECT_EQ(box.bottom, list.top);
        Key(WM_KEYDOWN, VK_ESCAPE);
        CUIMouseTrackHook::Get().EndTracking();
    }
}

TEST_F(FieldControls, AnEditableComboTakesTheChosenStringIntoItsField) {
    m_combo->SetEditable(TRUE);
    m_frame->RecalcLayout();
    m_bar->OnRecalcLayout();
    const HWND window = m_combo->GetEditWindow();
    ASSERT_NE(nullptr, window);
    const CRect rect = m_combo->GetRect();
    EXPECT_EQ(rect.right - m_combo->GetButtonWidth() - 3, InBar(window).right);

    m_combo->OnClick(FALSE);
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_STREQ("工程", m_combo->GetEditText()) << "an editable combo box keeps what the list showed";

    // By keyboard the field takes the focus, and a second Enter executes.
    m_combo->OnClick(TRUE);
    PumpMessages();
    EXPECT_EQ(window, ::GetFocus());
    Type("x");
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(std::vector<UINT>{kComboId}, m_frame->m_commands);
    EXPECT_STREQ("x", m_combo->GetEditText());

    m_combo->SetEditable(FALSE);
    EXPECT_EQ(nullptr, m_combo->GetEditWindow());
    EXPECT_FALSE(::IsWindow(window));
}

TEST_F(FieldControls, AVerticalDockHidesTheFieldsAndAHorizontalOneShowsThem) {
    m_combo->SetEditable(TRUE);
    ASSERT_TRUE(m_bars->DockCommandBarTo(m_bar, uiBarLeft));
    m_frame->RecalcLayout();
    for (IUIFieldControl* field : {static_cast<IUIFieldControl*>(m_edit), static_cast<IUIFieldControl*>(m_combo)}) {
        CUIControl* control = dynamic_cast<CUIControl*>(field);
        EXPECT_EQ(static_cast<DWORD>(uiHideVerticalDock), control->GetHideFlags());
        EXPECT_FALSE(::IsWindowVisible(field->GetEditWindow()));
    }
    ASSERT_TRUE(m_bars->DockCommandBarTo(m_bar, uiBarTop));
    m_frame->RecalcLayout();
    for (IUIFieldControl* field : {static_cast<IUIFieldControl*>(m_edit), static_cast<IUIFieldControl*>(m_combo)}) {
        CUIControl* control = dynamic_cast<CUIControl*>(field);
        EXPECT_EQ(0u, control->GetHideFlags());
        EXPECT_TRUE(::IsWindowVisible(field->GetEditWindow()));
    }
}

TEST_F(FieldControls, TheTextOutlivesTheEditWindow) {
    m_edit->OnClick(FALSE);
    PumpMessages();
    Type("abc");
    const HWND window = m_edit->GetEditWindow();
    m_edit->SetParent(nullptr);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_STREQ("abc", m_edit->GetEditText());
    EXPECT_EQ(0, CUIMouseTrackHook::Get().m_suspendCount);
    CUIControl* clone = m_edit->Clone(FALSE);
    EXPECT_STREQ("abc", static_cast<CUIControlEdit*>(clone)->GetEditText());
    clone->InternalRelease();
}

TEST_F(FieldControls, TheFieldCarriesOutTheClipboardCommands) {
    CUIEdit* edit = m_edit->GetEdit();
    m_edit->SetEditText("clip");
    edit->SetFocus();
    PumpMessages();
    ASSERT_TRUE(SetClipboardText("paste"));

    CTestCmdUI state;
    struct Case {
        UINT id;
        int selStart, selEnd;
        BOOL answered, enabled;
    };
    const Case cases[] = {
        {CUIEdit::CopyId, 0, 0, TRUE, FALSE}, {CUIEdit::CopyId, 0, 2, TRUE, TRUE}, {CUIEdit::CutId, 1, 1, TRUE, FALSE},
        {CUIEdit::CutId, 0, 4, TRUE, TRUE},   {CUIEdit::PasteId, 0, 0, TRUE, TRUE}, {ID_PROJECT_NEW, 0, 4, FALSE, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        edit->SetSel(c.selStart, c.selEnd);
        state.m_nID = c.id;
        state.m_bEnabled = TRUE;
        EXPECT_EQ(c.answered, edit->OnCmdMsg(c.id, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr));
        EXPECT_EQ(c.enabled, state.m_bEnabled);
    }
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    state.m_bEnabled = TRUE;
    edit->OnCmdMsg(CUIEdit::PasteId, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
    EXPECT_FALSE(state.m_bEnabled) << "nothing to paste";

    // The frame's Copy command goes to the focused field.
    edit->SetSel(0, 2);
    LRESULT result = 0;
    EXPECT_TRUE(m_bars->OnFrameWndMsg(WM_COMMAND, CUIEdit::CopyId, 0, &result));
    EXPECT_EQ(1, result);
    CString copied;
    ASSERT_TRUE(GetClipboardText(copied));
    EXPECT_STREQ("cl", copied);
    EXPECT_FALSE(m_bars->OnFrameWndMsg(WM_COMMAND, ID_PROJECT_NEW, 0, &result));
}

TEST_F(FieldControls, TheControlsAndTheListKeepTheirFieldsInAnArchive) {
    m_edit->m_showLabel = FALSE;
    m_edit->m_width = 150;
    m_combo->SetEditable(TRUE);
    m_combo->m_width = 120;
    m_combo->m_showLabel = TRUE;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(m_edit);
        ar.WriteObject(m_combo);
        ar.WriteObject(m_combo->GetList());
        ar.Close();
    }
    const UINT length = static_cast<UINT>(file.GetLength());
    BYTE* data = file.Detach();
    CMemFile in(data, length);
    CArchive ar(&in, CArchive::load);
    ar.m_pDocument = reinterpret_cast<CDocument*>(m_bars);
    auto* edit = dynamic_cast<CUIControlEdit*>(ar.ReadObject(RUNTIME_CLASS(CUIControl)));
    auto* combo = dynamic_cast<CUIControlComboBox*>(ar.ReadObject(RUNTIME_CLASS(CUIControl)));
    auto* list = dynamic_cast<CUIControlComboBoxList*>(ar.ReadObject(RUNTIME_CLASS(CUICommandBar)));
    ASSERT_NE(nullptr, edit);
    ASSERT_NE(nullptr, combo);
    ASSERT_NE(nullptr, list);
    EXPECT_FALSE(edit->m_showLabel);
    EXPECT_EQ(150, edit->m_width);
    EXPECT_EQ(kEditId, edit->GetID());
    EXPECT_TRUE(combo->IsEditable());
    EXPECT_NE(nullptr, combo->GetEdit()) << "loading applies the editable flag";
    EXPECT_EQ(120, combo->m_width);
    EXPECT_TRUE(combo->m_showLabel);
    ASSERT_EQ(3, list->GetCount());
    EXPECT_STREQ("变量", list->GetText(2));
    edit->InternalRelease();
    combo->InternalRelease();
    list->InternalRelease();
    in.Detach();
    std::free(data);
}

TEST_F(FieldControls, TheBarWithItsFieldsAndTheOpenListRendersToABitmap) {
    m_edit->SetEditText("MAIN");
    m_combo->SetCurSel(0);
    m_bar->UpdateWindow();
    CRect bar;
    m_bar->GetClientRect(&bar);
    TestImage image(bar.Width(), bar.Height());
    RenderWindow(m_bar, image);
    image.SaveBmp(TestOutputPath("commandbars-field-controls.bmp"));

    m_combo->OnClick(FALSE);
    ASSERT_TRUE(m_combo->IsListOpen());
    const CRect list = ListWindowRect();
    TestImage listImage(list.Width(), list.Height());
    RenderWindow(m_combo->GetList(), listImage);
    listImage.SaveBmp(TestOutputPath("commandbars-combo-list.bmp"));
    EXPECT_EQ(m_bar->GetPaintManager()->GetColor(43), listImage.Pixel(0, 0)) << "the outer frame";
}

TEST_F(FieldControls, InCustomizeModeAPressOnTheFieldDragsTheControlUnlessItMayNotBeCustomized) {
    m_combo->SetEditable(TRUE);
    m_frame->RecalcLayout();
    m_bars->SetCustomizeMode(TRUE);
    const HWND comboWindow = m_combo->GetEditWindow();
    m_combo->SetFlags(uiFlagNoCustomize);
    ::SendMessageA(comboWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_NE(comboWindow, ::GetFocus()) << "the press is swallowed";
    EXPECT_EQ(m_combo, m_bar->GetControl(2));

    // Dragged off every bar, the field goes.
    CRect client;
    m_frame->GetClientRect(&client);
    CPoint off(client.CenterPoint().x, client.bottom - 40);
    CPoint start = m_edit->GetRect().CenterPoint();
    m_bar->ClientToScreen(&start);
    ::SetCursorPos(start.x, start.y);
    m_frame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(off.x, off.y));
    m_frame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(off.x, off.y));
    const HWND editWindow = m_edit->GetEditWindow();
    {
        CaptureWatchdog watchdog;
        ::SendMessageA(editWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    }
    EXPECT_NE(editWindow, ::GetFocus());
    EXPECT_EQ(kComboId, m_bar->GetControl(1)->GetID());
    for (int i = 0; i < m_bar->GetControlCount(); ++i)
        EXPECT_NE(kEditId, m_bar->GetControl(i)->GetID());
    m_bars->SetCustomizeMode(FALSE);
}

TEST_F(FieldControls, TheFieldPaintsItsBackgroundAndTextIntoItsBuffer) {
    m_edit->SetEditText("MMMM");
    CRect client;
    m_edit->GetEdit()->GetClientRect(&client);
    TestImage image(client.Width(), client.Height());
    image.DC().FillSolidRect(&client, RGB(255, 0, 255));
    m_edit->GetEdit()->PaintInto(image.DC().GetSafeHdc());
    image.SaveBmp(TestOutputPath("commandbars-edit-field.bmp"));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), image.Pixel(client.right - 2, client.bottom - 2)) << "background";
    int textPixels = 0;
    for (int x = 0; x < client.Width() / 2; ++x)
        for (int y = 0; y < client.Height(); ++y)
            textPixels += image.Pixel(x, y) != ::GetSysColor(COLOR_WINDOW) ? 1 : 0;
    EXPECT_GT(textPixels, 10) << "the text";
}

TEST_F(FieldControls, TheWheelScrollsTheOpenListAndIsConsumed) {
    for (int i = 0; i < 30; ++i)
        m_combo->AddString("项");
    m_combo->OnClick(FALSE);
    ASSERT_TRUE(m_combo->IsListOpen());
    MSG wheel = {m_frame->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0, 0, {0, 0}};
    EXPECT_TRUE(m_bars->PreTranslateFrameMessage(&wheel));
    EXPECT_GT(m_combo->GetList()->SendMessage(LB_GETTOPINDEX), 0);
    EXPECT_TRUE(m_combo->IsListOpen());
}
