#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "res/resource.h"
#include "shell/settings/CSettingsDlg.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/support/WorkspaceFixture.h"

#include <functional>
#include <string>

namespace {

// The workspace's settings, in the order the dialog shows them.
struct Settings {
    int language, cpu, format, compileBeforeDownload, compileBeforeOnline;
    bool operator==(const Settings& other) const {
        return language == other.language && cpu == other.cpu && format == other.format &&
               compileBeforeDownload == other.compileBeforeDownload && compileBeforeOnline == other.compileBeforeOnline;
    }
};

void PrintTo(const Settings& s, std::ostream* out) {
    *out << "{" << s.language << ", " << s.cpu << ", " << s.format << ", " << s.compileBeforeDownload << ", "
         << s.compileBeforeOnline << "}";
}

// What the page shows.
struct Shown {
    std::string language, cpu;
    int format;
    bool compileBeforeDownload, compileBeforeOnline;
};

class SettingsDialog : public WorkspaceClass1Test {
protected:
    void Store(const Settings& s) {
        workspace.defaultPouLanguage = s.language;
        workspace.defaultCpu = s.cpu;
        workspace.onlineFormat = s.format;
        workspace.compileBeforeDownload = s.compileBeforeDownload;
        workspace.compileBeforeOnline = s.compileBeforeOnline;
    }
    Settings Stored() const {
        return {workspace.defaultPouLanguage, workspace.defaultCpu, workspace.onlineFormat,
                workspace.compileBeforeDownload, workspace.compileBeforeOnline};
    }
    static CPageGenSetting& Page(CWnd* dialog) { return static_cast<CSettingsDlg*>(dialog)->Sheet()->GeneralPage(); }
    static std::string Selected(CWnd* page, int id) {
        auto* list = static_cast<CComboBox*>(page->GetDlgItem(id));
        const int index = list->GetCurSel();
        if (index < 0)
            return "";
        CString text;
        list->GetLBText(index, text);
        return std::string(text);
    }
    static Shown Look(CWnd* dialog) {
        CWnd* page = &Page(dialog);
        Shown shown = {Selected(page, IDC_SETTINGS_LANGUAGE), Selected(page, IDC_SETTINGS_CPU), -1,
                       page->IsDlgButtonChecked(IDC_SETTINGS_COMPILE_BEFORE_DOWNLOAD) == BST_CHECKED,
                       page->IsDlgButtonChecked(IDC_SETTINGS_COMPILE_BEFORE_MONITOR) == BST_CHECKED};
        for (int i = 0; i < 3; ++i)
            if (page->IsDlgButtonChecked(IDC_SETTINGS_FORMAT_MIXED + i) == BST_CHECKED)
                shown.format = i;
        return shown;
    }
    // Runs the dialog; the action looks at it, changes it and presses a button.
    INT_PTR Run(std::function<void(CWnd*)> action) {
        CSettingsDlg dialog;
        ModalScript script({action});
        INT_PTR result = dialog.DoModal();
        EXPECT_EQ(script.PendingActions(), 0u);
        EXPECT_EQ(dialog.Sheet(), nullptr);  // deleted with the dialog's window
        return result;
    }

    TestApplication app;
};

TEST_F(SettingsDialog, ShowsTheStoredSettings) {
    const struct {
        Settings stored;
        const char* language;
        const char* cpu;
        int format;
        bool compileBeforeDownload, compileBeforeOnline;
    } cases[] = {
        // What a first run has: LD, the first CPU, mixed, both compile-first boxes ticked.
        {{2, 0, 0, 0, 0}, "梯形图 LD", "R241_14AT", 0, true, true},
        {{1, 7, 2, 1, 0}, "指令表 IL", "R243_24AR", 2, false, true},
        {{2, 3, 1, 5, 1}, "梯形图 LD", "R241Ex_14DT", 1, false, false},
        // Values the page cannot show leave the list or the group without a selection.
        {{0, 8, 3, 0, 7}, "梯形图 LD", "", -1, true, false},
        {{1, -1, -1, 0, 0}, "指令表 IL", "", -1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.stored));
        Store(c.stored);
        Shown shown = {};
        Run([&](CWnd* dialog) {
            shown = Look(dialog);
            PressButton(dialog, IDCANCEL);
        });
        EXPECT_EQ(shown.language, c.language);
        EXPECT_EQ(shown.cpu, c.cpu);
        EXPECT_EQ(shown.format, c.format);
        EXPECT_EQ(shown.compileBeforeDownload, c.compileBeforeDownload);
        EXPECT_EQ(shown.compileBeforeOnline, c.compileBeforeOnline);
    }
}

TEST_F(SettingsDialog, ListsBothLanguagesAndTheEightCpuModels) {
    Store({2, 0, 0, 0, 0});
    std::string languages, cpus;
    Run([&](CWnd* dialog) {
        CWnd* page = &Page(dialog);
        for (auto [id, text] : {std::pair{IDC_SETTINGS_LANGUAGE, &languages}, std::pair{IDC_SETTINGS_CPU, &cpus}}) {
            auto* list = static_cast<CComboBox*>(page->GetDlgItem(id));
            for (int i = 0; i < list->GetCount(); ++i) {
                CString item;
                list->GetLBText(i, item);
                *text += std::string(item) + ";";
            }
        }
        PressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(languages, "指令表 IL;梯形图 LD;");
    EXPECT_EQ(cpus, "R241_14AT;R241_14AR;R241_14AX;R241Ex_14DT;R241Ex_14AR;R243_24DT;R243_24DR;R243_24AR;");
}

// OK stores what the controls show; Cancel keeps everything, also after changes.
TEST_F(SettingsDialog, OkStoresTheControlsAndCancelKeepsTheSettings) {
    const struct {
        const char* name;
        Settings stored;
        int pressed;
        Settings expected;
    } cases[] = {
        {"OK", {2, 0, 0, 0, 0}, IDOK, {1, 6, 2, 1, 0}},
        {"OK from cleared boxes", {2, 0, 0, 1, 1}, IDOK, {1, 6, 2, 1, 0}},
        {"Cancel", {2, 0, 0, 0, 0}, IDCANCEL, {2, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store(c.stored);
        INT_PTR result = Run([&](CWnd* dialog) {
            CWnd* page = &Page(dialog);
            static_cast<CComboBox*>(page->GetDlgItem(IDC_SETTINGS_LANGUAGE))->SetCurSel(0);
            static_cast<CComboBox*>(page->GetDlgItem(IDC_SETTINGS_CPU))->SetCurSel(6);
            page->CheckRadioButton(IDC_SETTINGS_FORMAT_MIXED, IDC_SETTINGS_FORMAT_HEX, IDC_SETTINGS_FORMAT_HEX);
            page->CheckDlgButton(IDC_SETTINGS_COMPILE_BEFORE_DOWNLOAD, BST_UNCHECKED);
            page->CheckDlgButton(IDC_SETTINGS_COMPILE_BEFORE_MONITOR, BST_CHECKED);
            PressButton(dialog, c.pressed);
        });
        EXPECT_EQ(result, c.pressed);
        EXPECT_EQ(Stored(), c.expected);
    }
}

// A stored CPU or format the page cannot show is kept by OK rather than stored as -1
// (the CPU index is the catalogue row a new project's CPU comes from).
TEST_F(SettingsDialog, OkKeepsAStoredValueThePageCouldNotShow) {
    Store({1, 9, 4, 0, 0});
    Run([](CWnd* dialog) { PressButton(dialog, IDOK); });
    EXPECT_EQ(Stored(), (Settings{1, 9, 4, 0, 0}));
    // Once the user picks a CPU, that one is stored.
    Run([](CWnd* dialog) {
        static_cast<CComboBox*>(Page(dialog).GetDlgItem(IDC_SETTINGS_CPU))->SetCurSel(2);
        PressButton(dialog, IDOK);
    });
    EXPECT_EQ(Stored(), (Settings{1, 2, 4, 0, 0}));
}

TEST_F(SettingsDialog, HoldsItsOnePageInsideTheFrame) {
    Store({2, 5, 1, 0, 1});
    Run([](CWnd* dialog) {
        CString caption;
        dialog->GetWindowText(caption);
        EXPECT_EQ(std::string(caption), "软件设置");
        CSheetSettings* sheet = static_cast<CSettingsDlg*>(dialog)->Sheet();
        ASSERT_NE(sheet, nullptr);
        CWnd* frame = dialog->GetDlgItem(IDC_SETTINGS_FRAME);
        EXPECT_EQ(sheet->GetParent()->m_hWnd, frame->m_hWnd);
        EXPECT_TRUE(sheet->GetStyle() & WS_CHILD);
        EXPECT_TRUE(sheet->IsWindowVisible());
        CRect sheetRect, frameRect;
        sheet->GetWindowRect(&sheetRect);
        frame->GetClientRect(&frameRect);
        frame->ClientToScreen(&frameRect);
        EXPECT_EQ(sheetRect.TopLeft(), frameRect.TopLeft());
        EXPECT_EQ(sheet->GetPageCount(), 1);
        EXPECT_EQ(sheet->GetActivePage(), &sheet->GeneralPage());
        CWnd* ok = dialog->GetDlgItem(IDOK);
        ok->GetWindowText(caption);
        EXPECT_EQ(std::string(caption), "确 认");

        EXPECT_TRUE(dialog->IsWindowVisible());
        CRect shown, workArea;
        dialog->GetWindowRect(&shown);
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
        EXPECT_NEAR(shown.CenterPoint().x, workArea.CenterPoint().x, 1) << "no owner: centred on the screen";
        EXPECT_NEAR(shown.CenterPoint().y, workArea.CenterPoint().y, 1);
        // The sheet with its page, as the user sees it inside the dialog's frame.
        CRect window;
        sheet->GetWindowRect(&window);
        TestImage image(window.Width(), window.Height());
        RenderWindow(sheet, image);
        image.SaveBmp(TestOutputPath("shell-settings-page.bmp"));
        // The whole dialog (its caption is not printed under the null driver).
        CRect whole;
        dialog->GetWindowRect(&whole);
        TestImage all(whole.Width(), whole.Height());
        RenderWindow(dialog, all);
        all.SaveBmp(TestOutputPath("shell-settings-dialog.bmp"));
        CRect okRect;
        ok->GetWindowRect(&okRect);
        okRect.OffsetRect(-whole.left, -whole.top);
        EXPECT_GT(all.CountPixels(okRect, ::GetSysColor(COLOR_BTNFACE)), okRect.Width() * okRect.Height() / 2)
            << "the OK button is drawn";
        PressButton(dialog, IDCANCEL);
    });
}

}  // namespace
