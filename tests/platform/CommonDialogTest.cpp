#include "platform/CColorDialog.h"
#include "platform/CDocument.h"
#include "platform/CFileDialog.h"
#include "platform/CFolderDialog.h"
#include "platform/CPrintDialog.h"
#include "tests/support/ScriptedCommonDialogs.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

namespace {

class CommonDialogs : public ::testing::Test {
protected:
    TestApplication m_app;
};

TEST_F(CommonDialogs, FileDialogAsksWithTheProgramsSettingsAndOwner) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0));
    // "億" ends in the byte of "|": it must stay part of the description.
    CFileDialog dialog(FALSE, "qpr", "project.qpr", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                       "億工程文件 (*.qpr)|*.qpr|全部 (*.*)|*.*||", &owner);
    dialog.m_ofn.lpstrTitle = "新建工程";
    dialog.m_ofn.lpstrInitialDir = "C:\\R2Proj";
    HWND askedOwner = nullptr;
    ScriptedCommonDialogs dialogs({[&](CCommonDialog& asked) {
        askedOwner = static_cast<CFileDialog&>(asked).m_ofn.hwndOwner;
        return ChooseFile("C:\\R2Proj\\new.qpr")(asked);
    }});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(dialogs.FileCalls().size(), 1u);
    const FileDialogCall& call = dialogs.FileCalls()[0];
    EXPECT_FALSE(call.open);
    EXPECT_EQ(call.title, "新建工程");
    EXPECT_EQ(call.defaultExt, "qpr");
    EXPECT_EQ(call.fileName, "project.qpr");
    EXPECT_EQ(call.filter, "億工程文件 (*.qpr)|*.qpr|全部 (*.*)|*.*||");
    EXPECT_EQ(call.initialDir, "C:\\R2Proj");
    EXPECT_EQ(call.flags, DWORD(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER));
    EXPECT_EQ(askedOwner, owner.m_hWnd);
    EXPECT_EQ(dialog.GetPathName(), "C:\\R2Proj\\new.qpr");
    owner.DestroyWindow();
}

TEST_F(CommonDialogs, ChosenFileSplitsIntoNameAndExtension) {
    struct Case {
        LPCSTR path;
        LPCSTR name;
        LPCSTR extension;
    };
    const Case cases[] = {
        {"C:\\工程\\主程序.qpr", "主程序.qpr", "qpr"},
        {"C:\\备份.v1\\archive", "archive", ""},
        {"D:\\乗\\乗.ZIP", "乗.ZIP", "ZIP"},  // "乗" ends in the byte of "\"
        {"C:\\a\\name.", "name.", ""},
    };
    for (const Case& c : cases) {
        CFileDialog dialog(TRUE);
        ScriptedCommonDialogs dialogs({ChooseFile(c.path)});
        ASSERT_EQ(dialog.DoModal(), IDOK) << c.path;
        EXPECT_EQ(dialog.GetPathName(), c.path);
        EXPECT_EQ(dialog.GetFileName(), c.name) << c.path;
        EXPECT_EQ(dialog.GetFileExt(), c.extension) << c.path;
    }
}

TEST_F(CommonDialogs, CancelledFileDialogKeepsTheOfferedName) {
    CFileDialog dialog(TRUE, "zip", "备份.zip");
    ScriptedCommonDialogs dialogs({CancelDialog()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "备份.zip");
}

TEST_F(CommonDialogs, FolderDialogGivesTheChosenFolder) {
    CFolderDialog dialog;
    dialog.m_bi.lpszTitle = "导入工程";
    EXPECT_EQ(dialog.m_bi.ulFlags, UINT(BIF_RETURNONLYFSDIRS));
    ScriptedCommonDialogs dialogs({ChooseFolder("D:\\工程\\导入"), CancelDialog()});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strFolderPath, "D:\\工程\\导入");
    CFolderDialog cancelled;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_TRUE(cancelled.m_strFolderPath.IsEmpty());
}

TEST_F(CommonDialogs, ColorDialogGivesTheChosenOrElseTheInitialColor) {
    struct Case {
        ScriptedCommonDialogs::Answer answer;
        INT_PTR result;
        COLORREF color;
    };
    const Case cases[] = {
        {PickColor(RGB(10, 20, 30)), IDOK, RGB(10, 20, 30)},
        {CancelDialog(), IDCANCEL, RGB(200, 0, 0)},
    };
    for (const Case& c : cases) {
        CColorDialog dialog(RGB(200, 0, 0));
        EXPECT_TRUE(dialog.m_cc.Flags & CC_RGBINIT);
        ScriptedCommonDialogs dialogs({c.answer});
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.GetColor(), c.color);
    }
}

TEST_F(CommonDialogs, PrintDialogOwnsThePrinterDeviceContext) {
    HDC first = ::CreateCompatibleDC(nullptr);
    HDC second = ::CreateCompatibleDC(nullptr);
    {
        CPrintDialog dialog(FALSE);
        EXPECT_TRUE(dialog.m_pd.Flags & PD_RETURNDC);
        ScriptedCommonDialogs dialogs({ChoosePrinter(first), ChoosePrinter(second), CancelDialog()});
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.GetPrinterDC(), first);
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.GetPrinterDC(), second);
        EXPECT_EQ(::GetObjectType(first), 0u) << "the first run's printer DC is freed by the second run";
        EXPECT_EQ(::GetObjectType(second), DWORD(OBJ_MEMDC));
    }
    EXPECT_EQ(::GetObjectType(second), 0u) << "the dialog frees its printer DC";
    CPrintDialog cancelled(FALSE);
    ScriptedCommonDialogs dialogs({CancelDialog()});
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetPrinterDC(), nullptr);
}

TEST_F(CommonDialogs, DialogsWithoutAnAnswerAreCancelledAndCounted) {
    ScriptedCommonDialogs dialogs;
    CFileDialog fileDialog(TRUE);
    EXPECT_EQ(fileDialog.DoModal(), IDCANCEL);
    CPrintDialog printDialog(FALSE);
    EXPECT_EQ(printDialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialogs.UnscriptedDialogs(), 2);
}

class SavedDocument : public CDocument {
public:
    CString m_savedTo;
    BOOL OnSaveDocument(LPCSTR path) override {
        m_savedTo = path;
        return TRUE;
    }
};

TEST_F(CommonDialogs, SavingUnderANewNameAsksThroughTheFileDialog) {
    SavedDocument document;
    document.SetTitle("POU1");
    ScriptedCommonDialogs dialogs({ChooseFile("C:\\R2Proj\\MAIN.ilp"), CancelDialog()});
    EXPECT_TRUE(document.DoSave(nullptr, FALSE));
    EXPECT_EQ(document.m_savedTo, "C:\\R2Proj\\MAIN.ilp");
    ASSERT_EQ(dialogs.FileCalls().size(), 1u);
    EXPECT_EQ(dialogs.FileCalls()[0].fileName, "POU1");
    EXPECT_FALSE(document.DoSave(nullptr, FALSE));
    EXPECT_EQ(document.m_savedTo, "C:\\R2Proj\\MAIN.ilp");
}

}  // namespace
