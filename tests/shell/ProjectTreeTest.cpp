#include "project/CQLXFunc.h"
#include "res/resource.h"
#include "tests/shell/ProjectTreeFixture.h"

namespace {

using ProjectTree = ProjectTreeFixture;

const char* const NewTree =
    "工程 : Demo[程序[初始化数据表,(MAIN)  MAIN],配置[资源[PLC硬件配置,全局变量表]],变量状态表,PC机通讯设置]";

TEST_F(ProjectTree, ANewProjectShowsTheFixedTreeWithMainAndItsFile) {
    NewProjectTree();
    EXPECT_EQ(Describe(), NewTree);
    EXPECT_TRUE(FileThere("MAIN_MAIN.ilp"));
    EXPECT_EQ(projectShell.calls,
              (std::vector<std::string>{"create " + folder / "MAIN_MAIN.ilp", "tabs", "modified"}));
    EXPECT_EQ(workspace.project.hasMain, 1);
    EXPECT_EQ(workspace.project.mainPou.label, "(MAIN)  MAIN");
    EXPECT_EQ(tree->GetItemRecord(tree->GetCurrentItem()), &workspace.project.mainPou);
    for (const char* folderItem : {"工程 : Demo", "程序", "配置", "资源"})
        EXPECT_TRUE(Tree().GetItemState(Find(folderItem), TVIS_EXPANDED)) << folderItem;
    EXPECT_EQ(tree->GetItemRecord(Find("配置")), nullptr);
    EXPECT_EQ(tree->GetItemRecord(Find("变量状态表"))->kind, CProjTreeView::KindStatusTable);

    tree->ClearProjectTree();
    EXPECT_EQ(Tree().GetCount(), 0u);
    tree->BuildProjectTree();  // built again after a close: a fresh fixed tree
    EXPECT_EQ(Describe(), "工程 : Demo[程序[初始化数据表],配置[资源[PLC硬件配置,全局变量表]],变量状态表,PC机通讯设置]");
}

TEST_F(ProjectTree, ProgramsSortInitialDataMainInterruptsThenSubroutines) {
    NewProjectTree();
    for (int type : {1, 2, 1, 2, 1})
        tree->NewPOU(type);
    const char* sorted = "初始化数据表,(MAIN)  MAIN,(INT00)  INT_0,(INT01)  INT_1,(SBR00)  SBR_0,(SBR01)  SBR_1,"
                         "(SBR02)  SBR_2";
    EXPECT_EQ(Programs(), sorted);
    tree->ClearProjectTree();
    tree->RefreshProjectTree();  // from the project's maps, in their order
    EXPECT_EQ(Programs(), sorted);
    EXPECT_EQ(Describe().find("工程 : Demo[程序["), 0u);
    workspace.project.mainPou.language = 2;
    SaveImage(tree, "project-tree.bmp");
}

TEST_F(ProjectTree, NewPousTakeTheLowestFreeNumberUpToSixteen) {
    NewProjectTree();
    for (int i = 0; i < 4; ++i)
        tree->NewPOU(1);
    tree->SetCurrentItem(Find("(SBR02)  SBR_2"));
    tree->SendMessage(WM_COMMAND, ID_TREE_DELETE);  // 0, 1 and 3 stay
    EXPECT_EQ(Find("(SBR02)  SBR_2"), nullptr);
    projectShell.calls.clear();
    EXPECT_TRUE(tree->NewPOU(1));
    EXPECT_EQ(std::string(Tree().GetItemText(tree->GetCurrentItem())), "(SBR02)  SBR_2");
    EXPECT_TRUE(FileThere("SBR02_SBR_2.ilp"));
    EXPECT_EQ(projectShell.calls, (std::vector<std::string>{"instree add SBR_2", "create " + folder / "SBR02_SBR_2.ilp",
                                                            "tabs", "modified"}));
    CQLXFunc descriptor;
    EXPECT_TRUE(workspace.project.GetSubroutineDesc("SBR_2", &descriptor));
    EXPECT_EQ(descriptor.number, 2);
    for (int i = 4; i < 16; ++i)
        EXPECT_TRUE(tree->NewPOU(1));
    size_t before = boxes.Calls().size();
    EXPECT_FALSE(tree->NewPOU(1));
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, "子程序的数量已经达到上限！\r\n本软件最多允许 16 个子程序！");
    EXPECT_EQ(boxes.Calls().back().type, UINT(MB_OK | MB_ICONINFORMATION));
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(tree->NewPOU(2));
    EXPECT_FALSE(tree->NewPOU(2));
    EXPECT_EQ(boxes.Calls().back().text, "中断服务程序的数量已经达到上限！\r\n本软件最多允许 16 个中断服务程序！");
    EXPECT_EQ(workspace.project.intByNumber.GetCount(), 16);
}

TEST_F(ProjectTree, OpeningEachKindOfItem) {
    NewProjectTree();
    tree->NewPOU(2);
    struct Case { const char* item; std::string call; };
    const Case cases[] = {
        {"(MAIN)  MAIN", "open " + folder / "MAIN_MAIN.ilp"},
        {"(INT00)  INT_0", "open " + folder / "INT00_INT_0.ilp"},
        {"初始化数据表", "window 5"},
        {"全局变量表", "window 6"},
        {"变量状态表", "window 7"},
        {"PLC硬件配置", "window 9"},
        {"PC机通讯设置", "comm settings"},
        {"配置", ""},
        {"程序", ""},
    };
    for (const Case& c : cases) {
        projectShell.calls.clear();
        Tree().SelectItem(Find(c.item));
        Key(VK_RETURN);
        EXPECT_EQ(tree->GetCurrentItem(), Find(c.item)) << c.item;
        std::string calls;
        for (const std::string& call : projectShell.calls)
            calls += (call == "tabs" ? "" : call);
        EXPECT_EQ(calls, c.call) << c.item;
    }
    // A double click opens the item under the mouse.
    projectShell.calls.clear();
    CRect text;
    ASSERT_TRUE(Tree().GetItemRect(Find("全局变量表"), &text, TRUE));
    tree->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(text.CenterPoint().x, text.CenterPoint().y));
    EXPECT_EQ(projectShell.calls, std::vector<std::string>{"window 6"});
    EXPECT_EQ(tree->GetCurrentItem(), Find("全局变量表"));
    // The PC communication settings stay shut while monitoring runs.
    workspace.onlineMonitoring = 1;
    projectShell.calls.clear();
    tree->OpenTreeItem(Find("PC机通讯设置"));
    EXPECT_TRUE(projectShell.calls.empty());
    workspace.onlineMonitoring = 0;
}

TEST_F(ProjectTree, APouWhoseFileWentMissingIsDeletedAfterTheMessage) {
    NewProjectTree();
    tree->NewPOU(1);
    ASSERT_TRUE(::DeleteFileA((folder / "SBR00_SBR_0.ilp").c_str()));
    projectShell.calls.clear();
    Click(Find("(SBR00)  SBR_0"), WM_LBUTTONDOWN);
    tree->SendMessage(WM_COMMAND, ID_TREE_OPEN);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "此节点无对应的程序，将删除!");
    EXPECT_EQ(boxes.Calls()[0].caption, "提示");
    EXPECT_EQ(Find("(SBR00)  SBR_0"), nullptr);
    EXPECT_FALSE(workspace.project.IsSubroutineName("SBR_0"));
    EXPECT_TRUE(projectShell.Called("modified"));
    EXPECT_TRUE(projectShell.Called("tabs"));
    // MAIN leaves only the tree: the project keeps its MAIN.
    ASSERT_TRUE(::DeleteFileA((folder / "MAIN_MAIN.ilp").c_str()));
    tree->OpenTreeItem(Find("(MAIN)  MAIN"));
    EXPECT_EQ(Find("(MAIN)  MAIN"), nullptr);
    EXPECT_EQ(workspace.project.hasMain, 1);
}

TEST_F(ProjectTree, ContextMenusByKindAndNoneWhileMonitoring) {
    CWnd mainWindow;
    projectShell.mainWindow = &mainWindow;
    NewProjectTree();
    tree->NewPOU(1);
    struct Case { const char* item; UINT menu; };
    const Case cases[] = {
        {"工程 : Demo", IDR_MENU_TREE_PROJECT},  {"程序", IDR_MENU_TREE_PROGRAMS},
        {"(MAIN)  MAIN", IDR_MENU_TREE_MAIN},    {"(SBR00)  SBR_0", IDR_MENU_TREE_POU},
        {"初始化数据表", IDR_MENU_TREE_INIT_DATA}, {"全局变量表", IDR_MENU_TREE_GLOBAL_VARS},
        {"变量状态表", IDR_MENU_TREE_STATUS_TABLE}, {"PLC硬件配置", IDR_MENU_TREE_HARDWARE},
        {"PC机通讯设置", IDR_MENU_TREE_COMM},    {"资源", 0},
    };
    for (const Case& c : cases) {
        projectShell.menus.clear();
        projectShell.menuOwners.clear();
        Click(Find(c.item), WM_RBUTTONDOWN);
        EXPECT_EQ(tree->GetCurrentItem(), Find(c.item)) << c.item;
        EXPECT_EQ(Tree().GetSelectedItem(), Find(c.item)) << c.item;
        if (c.menu == 0) {
            EXPECT_TRUE(projectShell.menus.empty()) << c.item;
            continue;
        }
        ASSERT_EQ(projectShell.menus.size(), 1u) << c.item;
        EXPECT_EQ(projectShell.menus[0], c.menu) << c.item;
        EXPECT_EQ(projectShell.menuOwners[0], c.menu == IDR_MENU_TREE_PROJECT ? &mainWindow : tree) << c.item;
    }
    workspace.onlineMonitoring = 1;
    projectShell.menus.clear();
    Click(Find("(MAIN)  MAIN"), WM_RBUTTONDOWN);
    EXPECT_TRUE(projectShell.menus.empty());
    EXPECT_EQ(tree->GetCurrentItem(), Find("(MAIN)  MAIN"));
    workspace.onlineMonitoring = 0;
}

TEST_F(ProjectTree, PouCommandsWaitWhileTheEditorIsOpen) {
    NewProjectTree();
    tree->NewPOU(1);
    tree->SetCurrentItem(Find("(SBR00)  SBR_0"));
    struct Case { std::vector<std::string> titles; BOOL open; };
    const Case cases[] = {
        {{}, FALSE},
        {{"Demo", "MAIN"}, FALSE},
        {{"SBR_0"}, TRUE},
        {{"SBR_0 *"}, TRUE},     // modified: the mark and the blank go
        {{"SBR_0*"}, TRUE},
        {{"sbr_0"}, FALSE},      // byte for byte
        {{"SBR_01"}, FALSE},
    };
    for (const Case& c : cases) {
        projectShell.titles = c.titles;
        EXPECT_EQ(tree->IsPouOpen(tree->GetItemRecord(Find("(SBR00)  SBR_0"))), c.open);
        for (UINT id : {ID_TREE_DELETE, ID_TREE_RENAME, ID_TREE_PROPERTIES})
            EXPECT_EQ(IsCommandEnabled(tree, id), !c.open) << id;
    }
    // The Delete key does nothing on an open POU, on MAIN, a folder or a table.
    projectShell.titles = {"SBR_0"};
    for (const char* item : {"(SBR00)  SBR_0", "(MAIN)  MAIN", "程序", "资源", "全局变量表"}) {
        Tree().SelectItem(Find(item));
        Key(VK_DELETE);
        EXPECT_NE(Find(item), nullptr) << item;
    }
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ProjectTree, DeleteAsksAndRemovesThePouItsItemAndFiles) {
    NewProjectTree();
    tree->NewPOU(2);
    folder.WriteFile("INT00_INT_0.ilv");
    boxes.QueueAnswer(IDCANCEL);
    Tree().SelectItem(Find("(INT00)  INT_0"));
    Key(VK_DELETE);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "确实要删除INT_0吗?");
    EXPECT_EQ(boxes.Calls()[0].type, UINT(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_NE(Find("(INT00)  INT_0"), nullptr);
    boxes.QueueAnswer(IDOK);
    Key(VK_DELETE);
    EXPECT_EQ(Find("(INT00)  INT_0"), nullptr);
    EXPECT_FALSE(FileThere("INT00_INT_0.ilp"));
    EXPECT_FALSE(FileThere("INT00_INT_0.ilv"));
    EXPECT_EQ(workspace.project.intByNumber.GetCount(), 0);
}

}  // namespace
