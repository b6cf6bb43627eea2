#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/ui/commandbars/ImageTestIcons.h"
#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBarFrame.h"
#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlEdit.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UICustomizeSheet.h"
#include "ui/commandbars/UIImageEditorDlg.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UINewToolbarDlg.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CFrameWnd.h"
#include "platform/CImageList.h"
#include "platform/Clipboard.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT kImageId = 0x7E11;

class RecordingCmdUI : public CCmdUI {
public:
    explicit RecordingCmdUI(UINT id) { m_nID = id; }
    void Enable(BOOL on) override { m_enabled = on ? 1 : 0; }
    void SetCheck(int check) override { m_checked = check; }
    void SetRadio(BOOL on) override { m_checked = on ? 1 : 0; }
    int m_enabled = -1;  // -1 untouched
    int m_checked = -1;
};

// The context commands on a selected control of a customizable frame's standard bar.
class CustomizeCommands : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = std::make_unique<BarFrame>(TRUE);
        m_frame->bars->SetCustomizeMode(TRUE);
        m_sheet = std::make_unique<CUICustomizeSheet>(m_frame->bars, "自定义");
        m_bar = m_frame->Bar(IDR_TOOLBAR_STANDARD);
    }
    void TearDown() override {
        m_sheet.reset();
        m_frame.reset();
    }
    CUIControl* Select(int index) {
        CUIControl* control = m_bar->GetControl(index);
        m_frame->bars->SetDragControl(control);
        return control;
    }
    void Run(UINT id) { m_sheet->OnCmdMsg(id, CN_COMMAND, nullptr, nullptr); }
    RecordingCmdUI Update(UINT id) {
        RecordingCmdUI cmdUI(id);
        m_sheet->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &cmdUI, nullptr);
        return cmdUI;
    }
    std::vector<DWORD> CustomPixels(CUIControl* control) {
        CUIImageIconSet* set = GetImageManager()->GetImage(static_cast<UINT>(control->m_customImageId), 16);
        return set ? IconPixels(set->GetIcon()) : std::vector<DWORD>();
    }

    TestApplication m_app;
    ToolBarFactory m_factory;
    RecordingThemeFactory m_themes;
    std::unique_ptr<BarFrame> m_frame;
    std::unique_ptr<CUICustomizeSheet> m_sheet;
    CUIToolBar* m_bar = nullptr;
};

TEST_F(CustomizeCommands, CommandsChangeTheSelectedControl) {
    CUIControl* control = Select(1);
    control->m_customCaption = "我的";
    control->m_customImageId = 5;
    Run(ID_CUSTOMIZE_RESET_IMAGE);
    EXPECT_EQ(0, control->m_customImageId);
    EXPECT_EQ(CString("我的"), control->m_customCaption);
    control->m_customImageId = 5;
    Run(ID_CUSTOMIZE_RESET);
    EXPECT_EQ(0, control->m_customImageId);
    EXPECT_TRUE(control->m_customCaption.IsEmpty());

    const struct {
        UINT id;
        int style;
    } styles[] = {{ID_CUSTOMIZE_IMAGE_AND_TEXT, 3}, {ID_CUSTOMIZE_TEXT_ONLY, 1}, {ID_CUSTOMIZE_DEFAULT_STYLE, 0}};
    for (const auto& test : styles) {
        Run(test.id);
        EXPECT_EQ(test.style, control->m_buttonStyle) << test.id;
        for (const auto& other : styles)
            EXPECT_EQ(other.id == test.id ? 1 : 0, Update(other.id).m_checked) << test.id << " " << other.id;
    }

    const BOOL group = control->GetBeginGroup();
    Run(ID_CUSTOMIZE_BEGIN_GROUP);
    EXPECT_EQ(!group, control->GetBeginGroup());
    EXPECT_EQ(!group ? 1 : 0, Update(ID_CUSTOMIZE_BEGIN_GROUP).m_checked);

    const int count = m_bar->GetControlCount();
    Run(ID_CUSTOMIZE_DELETE);
    EXPECT_EQ(count - 1, m_bar->GetControlCount());
    EXPECT_EQ(nullptr, m_frame->bars->GetDragControl());
}

TEST_F(CustomizeCommands, UpdatesFollowTheSelectedControl) {
    EXPECT_EQ(0, Update(ID_CUSTOMIZE_DEFAULT_STYLE).m_enabled) << "no selection: styles disabled";
    EXPECT_EQ(-1, Update(ID_CUSTOMIZE_RESET).m_enabled) << "no selection: others untouched";

    CUIControl* first = Select(0);
    EXPECT_EQ(0, Update(ID_CUSTOMIZE_BEGIN_GROUP).m_enabled) << "the first control begins no group";
    EXPECT_EQ(0, Update(ID_CUSTOMIZE_RESET).m_enabled);
    EXPECT_EQ(0, Update(ID_CUSTOMIZE_RESET_IMAGE).m_enabled);
    EXPECT_EQ(1, Update(ID_CUSTOMIZE_COPY_IMAGE).m_enabled);
    EXPECT_EQ(1, Update(ID_CUSTOMIZE_EDIT_IMAGE).m_enabled);
    first->m_customCaption = "x";
    EXPECT_EQ(1, Update(ID_CUSTOMIZE_RESET).m_enabled);
    Select(1);
    EXPECT_EQ(1, Update(ID_CUSTOMIZE_BEGIN_GROUP).m_enabled);

    ASSERT_TRUE(SetClipboardText("text"));
    EXPECT_EQ(0, Update(ID_CUSTOMIZE_PASTE_IMAGE).m_enabled) << "no bitmap on the clipboard";
}

TEST_F(CustomizeCommands, CopyingAButtonWithoutAStoredImageLeavesTheClipboardAlone) {
    CUIControl* control = Select(0);
    control->m_customImageId = 0x7FFF0;  // no image of that id
    ASSERT_TRUE(SetClipboardText("kept"));
    Run(ID_CUSTOMIZE_COPY_IMAGE);
    CString text;
    EXPECT_TRUE(GetClipboardText(text));
    EXPECT_EQ(CString("kept"), text);
    EXPECT_FALSE(::IsClipboardFormatAvailable(CF_BITMAP));
}

TEST_F(CustomizeCommands, ACopiedImagePastesOntoAnotherButton) {
    HICON icon = MakeMaskedIcon(16, 16, RGB(200, 0, 0));
    GetImageManager()->SetIcon(icon, kImageId, 16, 16, 0);
    ::DestroyIcon(icon);
    CUIControl* source = Select(0);
    source->m_customImageId = static_cast<int>(kImageId);
    Run(ID_CUSTOMIZE_COPY_IMAGE);
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_EQ(1, Update(ID_CUSTOMIZE_PASTE_IMAGE).m_enabled);

    CUIControl* target = Select(2);
    Run(ID_CUSTOMIZE_PASTE_IMAGE);
    ASSERT_GT(target->m_customImageId, 0);
    EXPECT_NE(static_cast<int>(kImageId), target->m_customImageId);
    EXPECT_EQ(IconPixels(GetImageManager()->GetImage(kImageId, 16)->GetIcon()), CustomPixels(target));
}

TEST_F(CustomizeCommands, APlainPastedBitmapLosesItsButtonFace) {
    // A 16 x 16 bitmap, red on its left half and button face on its right.
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const RECT all = {0, 0, 16, 16}, left = {0, 0, 8, 16};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
    ::FillRect(dc, &left, red);
    ::DeleteObject(red);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, bitmap);
    ::CloseClipboard();

    CUIControl* control = Select(1);
    Run(ID_CUSTOMIZE_PASTE_IMAGE);
    ASSERT_GT(control->m_customImageId, 0);
    CUIImageIconSet* set = GetImageManager()->GetImage(static_cast<UINT>(control->m_customImageId), 16);
    ASSERT_NE(nullptr, set);
    const UIIconPixels& pixels = set->GetIcon().GetPixels();
    ASSERT_EQ(256u, pixels.mask.size());
    EXPECT_EQ(0u, pixels.mask[0] & 0xFFFFFF) << "red stays";
    EXPECT_NE(0u, pixels.mask[15] & 0xFFFFFF) << "button face becomes transparent";
}

TEST_F(CustomizeCommands, TheContextMenuHoldsTheNameFieldAndTheImagePalette) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(0, 0, 0)};
    for (COLORREF colour : colours) {
        HICON icon = MakeMaskedIcon(16, 16, colour);
        images.Add(icon);
        ::DestroyIcon(icon);
    }
    m_sheet->SetButtonImages(&images);
    CUIControl* selected = Select(1);
    selected->SetCaption("保存");

    CUIPopupBar* menu = m_sheet->CreateContextMenu();
    ASSERT_NE(nullptr, menu);
    CUIControlEdit* name = dynamic_cast<CUIControlEdit*>(menu->GetControls()->FindControl(ID_CUSTOMIZE_NAME));
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(CString("保存"), name->GetEditText());
    EXPECT_TRUE(name->GetBeginGroup());
    CUIControlPopup* change = dynamic_cast<CUIControlPopup*>(menu->GetControls()->FindControl(ID_CUSTOMIZE_CHANGE_IMAGE));
    ASSERT_NE(nullptr, change);
    EXPECT_EQ(CString("Change &Button Image"), change->GetCaption());
    CUICommandBar* palette = change->GetCommandBar();
    ASSERT_EQ(4, palette->GetControlCount());
    EXPECT_EQ(2 * (16 + 7) + 6, palette->m_widthLimit);
    EXPECT_EQ(0x50002, palette->GetControl(2)->m_imageId);

    // A palette button gives the selected control that image.
    UIExecuteRecord record = {0, ID_CUSTOMIZE_CHANGE_IMAGE, UIExecuteCode, palette->GetControl(2)};
    LRESULT result = 0;
    EXPECT_TRUE(m_sheet->OnWndMsg(CommandBarsExecuteNotify, ID_CUSTOMIZE_CHANGE_IMAGE, reinterpret_cast<LPARAM>(&record), &result));
    EXPECT_EQ(IconPixels(GetImageManager()->GetImage(0x50002, 16)->GetIcon()), CustomPixels(selected));

    // The name field renames it without a command.
    name->SetEditText("另存");
    record = {0, ID_CUSTOMIZE_NAME, UIExecuteCode, name};
    EXPECT_TRUE(m_sheet->OnWndMsg(CommandBarsExecuteNotify, ID_CUSTOMIZE_NAME, reinterpret_cast<LPARAM>(&record), &result));
    EXPECT_EQ(CString("另存"), selected->GetDisplayCaption());
    menu->InternalRelease();
}

TEST_F(CustomizeCommands, EditButtonImageGivesTheControlTheEditedImage) {
    HICON icon = MakeMaskedIcon(16, 16, RGB(0, 0, 200));
    GetImageManager()->SetIcon(icon, kImageId, 16, 16, 0);
    ::DestroyIcon(icon);
    CUIControl* control = Select(3);
    control->m_imageId = static_cast<int>(kImageId);
    control->m_customImageId = 0;
    // The editor opens on the control's image; a green pixel is drawn, then OK.
    auto drawGreenAndOk = [](CWnd* window) {
        CUIImageEditorDlg* editor = dynamic_cast<CUIImageEditorDlg*>(CWnd::FromHandlePermanent(window->GetSafeHwnd()));
        ASSERT_NE(nullptr, editor);
        EXPECT_EQ(CSize(16, 16), editor->GetModel().GetImageSize());
        EXPECT_EQ(RGB(0, 0, 200), editor->GetModel().GetImage()->GetColor(CPoint(0, 0)));
        COLORREF picked = 0;
        editor->GetModel().Press(CPoint(15, 0), RGB(0, 255, 0), &picked);
        editor->GetModel().EndTracking();
        PressButton(window, IDOK);
    };
    {
        ModalScript script({drawGreenAndOk});
        Run(ID_CUSTOMIZE_EDIT_IMAGE);
    }
    const int custom = control->m_customImageId;
    ASSERT_GT(custom, 0) << "a new custom image";
    std::vector<DWORD> pixels = CustomPixels(control);
    ASSERT_EQ(256u, pixels.size());
    EXPECT_EQ(0x00FF00u, pixels[15] & 0xFFFFFF);
    EXPECT_EQ(0x0000C8u, pixels[0] & 0xFFFFFF);

    // Edited again, the custom image is replaced in place.
    {
        ModalScript script({[](CWnd* window) { PressButton(window, IDOK); }});
        Run(ID_CUSTOMIZE_EDIT_IMAGE);
    }
    EXPECT_EQ(custom, control->m_customImageId);
    {
        ModalScript script({[](CWnd* window) { PressButton(window, IDCANCEL); }});
        control->m_customImageId = 0;
        Run(ID_CUSTOMIZE_EDIT_IMAGE);
        EXPECT_EQ(0, control->m_customImageId) << "cancelled: unchanged";
    }
}

// The new-toolbar dialog, answered by script.
class NewToolbarDialog : public CustomizeCommands {
protected:
    CUICommandBar* AddUserBar(LPCSTR title, UINT id) { return m_frame->bars->CreateToolBar(title, id, FALSE); }
    // Runs the dialog with the name typed (or the suggestion kept when null) and OK.
    INT_PTR RunWith(CUINewToolbarDlg& dialog, const char* typed, std::string* suggested = nullptr) {
        ModalScript script({[&](CWnd* window) {
            char text[64] = {};
            ::GetDlgItemTextA(window->GetSafeHwnd(), IDC_NEW_TOOLBAR_NAME, text, sizeof(text));
            if (suggested)
                *suggested = text;
            if (typed)
                ::SetDlgItemTextA(window->GetSafeHwnd(), IDC_NEW_TOOLBAR_NAME, typed);
            PressButton(window, IDOK);
            // A refused name leaves the dialog up: the user gives up.
            if (window->ContinueModal())
                PressButton(window, IDCANCEL);
        }});
        return dialog.DoModal();
    }
};

TEST_F(NewToolbarDialog, SuggestsTheFirstFreeNameAndId) {
    AddUserBar("Custom 1", CUINewToolbarDlg::FirstBarId);
    AddUserBar("Custom 3", CUINewToolbarDlg::FirstBarId + 1);
    CUINewToolbarDlg dialog(m_frame->frame, m_frame->bars);
    std::string suggested;
    EXPECT_EQ(IDOK, RunWith(dialog, nullptr, &suggested));
    EXPECT_EQ("Custom 2", suggested);
    EXPECT_EQ(CString("Custom 2"), dialog.m_name);
    EXPECT_EQ(0xE802u, dialog.m_newBarId);
}

TEST_F(NewToolbarDialog, BlankAndTakenNamesAreRefusedAndTheDialogStaysOpen) {
    AddUserBar("Custom 1", CUINewToolbarDlg::FirstBarId);
    const struct {
        const char* name;
        UINT message;
    } cases[] = {{"", IDS_TOOLBAR_NAME_BLANK}, {"Custom 1", IDS_TOOLBAR_NAME_TAKEN}};
    for (const auto& test : cases) {
        ScriptedMessageBoxes boxes;
        CUINewToolbarDlg dialog(m_frame->frame, m_frame->bars);
        EXPECT_EQ(IDCANCEL, RunWith(dialog, test.name)) << "only Cancel closed it";
        ASSERT_EQ(1u, boxes.Calls().size()) << test.message;
        CString format, expected;
        format.LoadString(test.message);
        expected.Format(format, test.name);
        EXPECT_EQ(std::string(expected), boxes.Calls()[0].text);
        EXPECT_TRUE(boxes.Calls()[0].type & MB_ICONERROR);
    }
}

TEST_F(NewToolbarDialog, RenamingKeepsItsOwnTitleButNotAnothers) {
    CUICommandBar* mine = AddUserBar("我的工具栏", CUINewToolbarDlg::FirstBarId);
    AddUserBar("Custom 1", CUINewToolbarDlg::FirstBarId + 1);
    {
        CUINewToolbarDlg dialog(m_frame->frame, m_frame->bars, mine);
        std::string shown;
        EXPECT_EQ(IDOK, RunWith(dialog, nullptr, &shown));
        EXPECT_EQ("我的工具栏", shown);
    }
    ScriptedMessageBoxes boxes;
    CUINewToolbarDlg dialog(m_frame->frame, m_frame->bars, mine);
    EXPECT_EQ(IDCANCEL, RunWith(dialog, "Custom 1"));
    EXPECT_EQ(1u, boxes.Calls().size());
}

TEST_F(NewToolbarDialog, NoFreeIdEndsTheDialogCancelled) {
    for (UINT id = CUINewToolbarDlg::FirstBarId; id <= CUINewToolbarDlg::LastBarId; ++id)
        m_frame->bars->CreateToolBar("", id, TRUE);
    ScriptedMessageBoxes boxes;
    CUINewToolbarDlg dialog(m_frame->frame, m_frame->bars);
    EXPECT_EQ(IDCANCEL, RunWith(dialog, "最后"));
    ASSERT_EQ(1u, boxes.Calls().size());
    CString expected;
    expected.LoadString(IDS_TOOLBAR_LIMIT);
    EXPECT_EQ(std::string(expected), boxes.Calls()[0].text);
}

}  // namespace
