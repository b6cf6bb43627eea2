#include "platform/CEdit.h"
#include "project/CQLXFunc.h"
#include "res/resource.h"
#include "shell/project/CPOUPropertyDlg.h"
#include "shell/project/PouNames.h"
#include "tests/shell/ProjectTreeFixture.h"
#include "tests/support/ModalScript.h"

namespace {

class PouCommands : public ProjectTreeFixture {
protected:
    PouCommands() {
        NewProjectTree();
        tree->NewPOU(1);
        tree->NewPOU(1);
        tree->NewPOU(1);
        tree->NewPOU(1);  // SBR_3
        tree->NewPOU(2);
        projectShell.calls.clear();
    }
    // Renames in place as the user does: the rename command, typing, Enter.
    std::string Rename(const char* item, const char* typed) {
        tree->SetCurrentItem(Find(item));
        tree->SendMessage(WM_COMMAND, ID_TREE_RENAME);
        CEdit* edit = Tree().GetEditControl();
        if (edit == nullptr)
            return "(no edit)";
        CString shown;
        edit->GetWindowText(shown);
        EXPECT_EQ(shown, tree->GetItemRecord(Find(item))->name);  // the name, not the label
        edit->SetWindowText(typed);
        tree->SendMessage(TVM_ENDEDITLABELNOW, FALSE);
        return std::string(Tree().GetItemText(tree->GetCurrentItem()));
    }
    std::string LastBox() { return boxes.Calls().empty() ? "" : boxes.Calls().back().text; }
};

TEST_F(PouCommands, OnlyTheRenameCommandStartsALabelEdit) {
    EXPECT_EQ(Tree().EditLabel(Find("(SBR03)  SBR_3")), nullptr);  // e.g. a click on a selected label
    EXPECT_EQ(Rename("(SBR03)  SBR_3", "PUMP"), "(SBR03)  PUMP");
    EXPECT_EQ(Tree().EditLabel(Find("(SBR03)  PUMP")), nullptr);  // the flag went with the edit
}

TEST_F(PouCommands, RenameRefusals) {
    struct Case { const char* typed; const char* box; const char* caption; };
    const Case cases[] = {
        {"sbr_3", "", ""},             // the case alone changes nothing
        {"   ", "", ""},
        {"NOT", "子程序名称不允许采用系统的关键字！", "错误"},
        {"ld", "子程序名称不允许采用系统的关键字！", "错误"},
        {"子程序", "子程序名称不允许采用系统的关键字！", "错误"},
        {"A B", "子程序名称中含有如下非法字符：    ", "错误"},  // the blank is named
        {"A:=B", "子程序名称中含有如下非法字符： :=  ", "错误"},
        {"main", "名称不允许重复！", "提示"},
        {"int_0", "名称不允许重复！", "提示"},
        {"Sbr_1", "名称不允许重复！", "提示"},
    };
    for (const Case& c : cases) {
        size_t before = boxes.Calls().size();
        EXPECT_EQ(Rename("(SBR03)  SBR_3", c.typed), "(SBR03)  SBR_3") << c.typed;
        if (*c.box == 0) {
            EXPECT_EQ(boxes.Calls().size(), before) << c.typed;
            continue;
        }
        ASSERT_EQ(boxes.Calls().size(), before + 1) << c.typed;
        EXPECT_EQ(LastBox(), c.box) << c.typed;
        EXPECT_EQ(boxes.Calls().back().caption, c.caption) << c.typed;
        EXPECT_EQ(boxes.Calls().back().type, UINT(MB_OK | MB_ICONSTOP)) << c.typed;
    }
    EXPECT_TRUE(workspace.project.IsSubroutineName("SBR_3"));
    EXPECT_TRUE(projectShell.calls.empty());
}

TEST_F(PouCommands, RenameMovesThePousFilesAndKeepsTheLookups) {
    folder.WriteFile("SBR03_SBR_3.ilv");
    folder.WriteFile("SBR03_SBR_30.ilp");  // another POU's name starting alike
    EXPECT_EQ(Rename("(SBR03)  SBR_3", " PUMP "), "(SBR03)  PUMP");
    EXPECT_TRUE(FileThere("SBR03_PUMP.ilp"));
    EXPECT_TRUE(FileThere("SBR03_PUMP.ilv"));
    EXPECT_FALSE(FileThere("SBR03_SBR_3.ilp"));
    EXPECT_TRUE(FileThere("SBR03_SBR_30.ilp"));
    EXPECT_TRUE(workspace.project.IsSubroutineName("PUMP"));
    EXPECT_FALSE(workspace.project.IsSubroutineName("SBR_3"));
    EXPECT_EQ(projectShell.calls, (std::vector<std::string>{"instree rename SBR_3 PUMP", "modified"}));
    // MAIN and an interrupt routine the same way, without the instruction trees.
    projectShell.calls.clear();
    EXPECT_EQ(Rename("(MAIN)  MAIN", "Start"), "(MAIN)  Start");
    EXPECT_TRUE(FileThere("MAIN_Start.ilp"));
    EXPECT_EQ(workspace.project.mainPou.name, "Start");
    EXPECT_EQ(Rename("(INT00)  INT_0", "Alarm"), "(INT00)  Alarm");
    EXPECT_TRUE(FileThere("INT00_Alarm.ilp"));
    EXPECT_EQ(projectShell.calls, (std::vector<std::string>{"modified", "modified"}));
}

// A file that cannot be moved keeps every file, the name, the label and the lookups as
// they were, so the next open does not take the POU for one without a program.
TEST_F(PouCommands, AFailingFileMoveIsRolledBack) {
    folder.WriteFile("SBR03_SBR_3.ilv");
    folder.WriteFile("SBR03_PUMP.ilv", "someone else's");  // a move onto it fails
    EXPECT_EQ(Rename("(SBR03)  SBR_3", "PUMP"), "(SBR03)  SBR_3");
    EXPECT_EQ(LastBox(), "程序文件无法改名，程序名称保持不变！");
    EXPECT_TRUE(FileThere("SBR03_SBR_3.ilp"));
    EXPECT_TRUE(FileThere("SBR03_SBR_3.ilv"));
    EXPECT_FALSE(FileThere("SBR03_PUMP.ilp"));
    EXPECT_TRUE(workspace.project.IsSubroutineName("SBR_3"));
    EXPECT_FALSE(workspace.project.IsSubroutineName("PUMP"));
    EXPECT_TRUE(projectShell.calls.empty());
    projectShell.calls.clear();
    tree->OpenTreeItem(Find("(SBR03)  SBR_3"));
    EXPECT_EQ(projectShell.calls[0], "open " + folder / "SBR03_SBR_3.ilp");
}

// ---- The properties dialog -------------------------------------------------------------

struct DialogView {
    std::string caption, name, number, language, author, created, modified;
    bool numberEnabled = true;
};

DialogView Read(CWnd* dialog) {
    DialogView view;
    auto text = [&](int id) {
        CString value;
        dialog->GetDlgItem(id)->GetWindowText(value);
        return std::string(value);
    };
    CString caption;
    dialog->GetWindowText(caption);
    view.caption = caption;
    view.name = text(IDC_POU_NAME);
    view.number = text(IDC_POU_NUMBER);
    view.language = text(IDC_POU_LANGUAGE);
    view.author = text(IDC_POU_AUTHOR);
    view.created = text(IDC_POU_CREATED);
    view.modified = text(IDC_POU_MODIFIED);
    view.numberEnabled = dialog->GetDlgItem(IDC_POU_NUMBER)->IsWindowEnabled();
    return view;
}

TEST_F(PouCommands, PropertiesShowEachKindsCaptionNumberAndLanguage) {
    workspace.project.mainPou.language = 2;
    ::DeleteFileA((folder / "INT00_INT_0.ilp").c_str());
    struct Case { const char* item; const char* caption; const char* number; const char* language; bool file; };
    const Case cases[] = {
        {"(MAIN)  MAIN", " 程序属性 (MAIN)", "", "LD 梯形图", true},
        {"(SBR03)  SBR_3", " 程序属性 (SBR03)", "03", "IL 指令表", true},
        {"(INT00)  INT_0", " 程序属性 (INT00)", "00", "IL 指令表", false},
    };
    for (const Case& c : cases) {
        DialogView seen;
        ModalScript script({[&](CWnd* dialog) {
            seen = Read(dialog);
            if (std::string(c.item) == "(SBR03)  SBR_3") {
                CRect window;
                dialog->GetWindowRect(&window);
                TestImage image(window.Width(), window.Height());
                RenderWindow(dialog, image);
                image.SaveBmp(TestOutputPath("pou-properties.bmp"));
            }
            PressButton(dialog, IDCANCEL);
        }});
        tree->SetCurrentItem(Find(c.item));
        tree->SendMessage(WM_COMMAND, ID_TREE_PROPERTIES);
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.number, c.number) << c.item;
        EXPECT_EQ(seen.language, c.language) << c.item;
        EXPECT_FALSE(seen.numberEnabled);
        if (c.file) {
            EXPECT_EQ(seen.created.rfind("创建时间：20", 0), 0u) << seen.created;
            EXPECT_EQ(seen.created.size(), std::string("创建时间：2026年05月01日 08:30:00").size());
            EXPECT_EQ(seen.modified.rfind("修改时间：20", 0), 0u) << seen.modified;
        } else {
            EXPECT_EQ(seen.created, "创建时间：");
            EXPECT_EQ(seen.modified, "修改时间：");
        }
    }
    EXPECT_TRUE(projectShell.calls.empty());  // showing the fields changes nothing
}

TEST_F(PouCommands, PropertiesCheckTheNameAndApplyOnOk) {
    auto typeAndOk = [](const char* name, const char* author) {
        return [=](CWnd* dialog) {
            dialog->GetDlgItem(IDC_POU_NAME)->SetWindowText(name);
            dialog->GetDlgItem(IDC_POU_AUTHOR)->SetWindowText(author);
            dialog->GetDlgItem(IDC_POU_COMMENT)->SetWindowText("第一行\r\n第二行");
            PressButton(dialog, IDOK);
            if (dialog->IsWindowVisible())  // refused: the dialog stays; leave it
                PressButton(dialog, IDCANCEL);
        };
    };
    struct Case { const char* item; const char* name; const char* box; const char* label; };
    const Case cases[] = {
        {"(SBR03)  SBR_3", "  ", "程序名称不允许为空!", "(SBR03)  SBR_3"},
        {"(SBR03)  SBR_3", "LD", "系统的关键字不能作为子程序名称！", "(SBR03)  SBR_3"},
        {"(SBR03)  SBR_3", "A;B", "程序名称中含有如下非法字符： ;  ", "(SBR03)  SBR_3"},
        {"(SBR03)  SBR_3", "sbr_3", "程序名称不允许重复！", "(SBR03)  SBR_3"},  // finds itself
        {"(SBR03)  SBR_3", "Main", "程序名称不允许重复！", "(SBR03)  SBR_3"},
        {"(MAIN)  MAIN", "main", "", "(MAIN)  MAIN"},  // passes, and the tree keeps the name
        {"(SBR03)  SBR_3", " VALVE ", "", "(SBR03)  VALVE"},
    };
    for (const Case& c : cases) {
        size_t before = boxes.Calls().size();
        ModalScript script({typeAndOk(c.name, "张三")});
        tree->SetCurrentItem(Find(c.item));
        tree->SendMessage(WM_COMMAND, ID_TREE_PROPERTIES);
        EXPECT_EQ(std::string(Tree().GetItemText(tree->GetCurrentItem())), c.label) << c.name;
        if (*c.box == 0) {
            EXPECT_EQ(boxes.Calls().size(), before) << c.name;
            EXPECT_EQ(tree->GetItemRecord(tree->GetCurrentItem())->author, "张三");
            EXPECT_EQ(tree->GetItemRecord(tree->GetCurrentItem())->scratchText, "第一行\r\n第二行");
        } else {
            ASSERT_EQ(boxes.Calls().size(), before + 1) << c.name;
            EXPECT_EQ(LastBox(), c.box);
            EXPECT_EQ(boxes.Calls().back().type, UINT(MB_OK | MB_ICONSTOP));
        }
    }
    EXPECT_EQ(workspace.project.mainPou.name, "MAIN");
    EXPECT_TRUE(FileThere("SBR03_VALVE.ilp"));
    EXPECT_TRUE(workspace.project.IsSubroutineName("VALVE"));
}

TEST_F(PouCommands, TypingInTheDialogMarksTheProjectEvenOnCancel) {
    ModalScript script({[](CWnd* dialog) {
        dialog->GetDlgItem(IDC_POU_AUTHOR)->SetWindowText("李四");
        PressButton(dialog, IDCANCEL);
    }});
    tree->SetCurrentItem(Find("(SBR03)  SBR_3"));
    tree->SendMessage(WM_COMMAND, ID_TREE_PROPERTIES);
    EXPECT_EQ(projectShell.calls, std::vector<std::string>{"modified"});
    EXPECT_EQ(tree->GetItemRecord(Find("(SBR03)  SBR_3"))->author, "");
}

// An editor opened from a compile message or the cross reference finds its POU by the
// file, not by the tree's current item.
TEST_F(PouCommands, APouIsFoundByItsFile) {
    Rename("(SBR03)  SBR_3", "Pump");
    const std::string f = folder.Path() + "\\";
    struct Case { std::string path; const CProjTreeNode* node; };
    const Case cases[] = {
        {f + "MAIN_MAIN.ilp", &workspace.project.mainPou},
        {f + "main_main.ILV", &workspace.project.mainPou},
        {f + "SBR03_Pump.ilp", tree->GetItemRecord(Find("(SBR03)  Pump"))},
        {f + "SBR02_Pump.ilp", nullptr},  // the number must match too
        {f + "SBR00_SBR_0.ilv", tree->GetItemRecord(Find("(SBR00)  SBR_0"))},
        {f + "INT00_INT_0.ilp", tree->GetItemRecord(Find("(INT00)  INT_0"))},
        {f + "INT00_SBR_0.ilp", nullptr},
        {f + "MAIN_OTHER.ilp", nullptr},
        {f + "Demo.qgv", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindPouNodeOfFile(workspace.project, c.path.c_str()), c.node) << c.path;
}

}  // namespace
