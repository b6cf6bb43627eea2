#include "project/CQLXProject.h"

#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/ShellServices.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class PouManagementTest : public WorkspaceClass1Test {
protected:
    PouManagementTest() : project(workspace.project) {
        project.folder = folder.Path().c_str();
        AddSubroutine("Fill", 3);
        AddSubroutine("Drain", 7);
        AddInterrupt("Alarm", 0);
        AddInterrupt("Tick", 12);
    }

    void AddSubroutine(const char* name, WORD number) {
        CProjTreeNode* node = new CProjTreeNode(PouSubroutine, 1, number);
        node->name = name;
        project.sbrByName.SetAt(name, node);
        CQLXFunc* descriptor = new CQLXFunc;
        descriptor->name = name;
        descriptor->number = number;
        project.AddSubroutineDesc(descriptor);
    }

    void AddInterrupt(const char* name, WORD number) {
        CProjTreeNode* node = new CProjTreeNode(PouInterrupt, 2, number);
        node->name = name;
        CString upper = name;
        upper.MakeUpper();
        project.intByName.SetAt(name, node);
        project.intByUpperName.SetAt(upper, node);
        project.intByNumber.SetAt(number, node);
    }

    std::vector<std::string> Instances() const {
        std::vector<std::string> names;
        for (INT_PTR i = 0; i < project.fbInstances.GetSize(); ++i) {
            const CQLXFB* fb = static_cast<const CQLXFB*>(project.fbInstances[i]);
            names.push_back(std::string(fb->instanceName) + "@" + std::string(fb->ownerPou));
        }
        return names;
    }

    TempFolder folder;
    CQLXProject& project;
};

}  // namespace

TEST_F(PouManagementTest, NamesAndNumberFormsTranslateBothWays) {
    struct Case {
        const char* text;
        BOOL toNumber;
        BOOL found;
        const char* result;
    };
    const Case subroutines[] = {
        {"fill ", TRUE, TRUE, "SBR03"},  {"SBR07", FALSE, TRUE, "Drain"}, {"sbr03", FALSE, TRUE, "Fill"},
        {"SBR7", FALSE, FALSE, ""},      {"SBRAB", FALSE, FALSE, ""},     {"SBR05", FALSE, FALSE, ""},
        {"Alarm", TRUE, FALSE, ""},
    };
    for (const Case& c : subroutines) {
        CString result;
        EXPECT_EQ(c.found, project.TranslateSubroutineName(c.text, result, c.toNumber)) << c.text;
        if (c.found) {
            EXPECT_STREQ(c.result, result) << c.text;
        }
    }
    const Case interrupts[] = {
        {"alarm", TRUE, TRUE, "INT00"}, {"INT12", TRUE, TRUE, "INT12"}, {"int12", FALSE, TRUE, "Tick"},
        {"tick", FALSE, TRUE, "TICK"},  {"INT05", FALSE, FALSE, ""},    {"Fill", TRUE, FALSE, ""},
    };
    for (const Case& c : interrupts) {
        CString result;
        EXPECT_EQ(c.found, project.TranslateInterruptName(c.text, result, c.toNumber)) << c.text;
        if (c.found) {
            EXPECT_STREQ(c.result, result) << c.text;
        }
    }

    CString result;
    BOOL isSubroutine = FALSE;
    EXPECT_TRUE(project.ResolveCallTarget("SBR03", result, isSubroutine));
    EXPECT_STREQ("Fill", result);
    EXPECT_TRUE(isSubroutine);
    EXPECT_TRUE(project.ResolveCallTarget("Tick", result, isSubroutine));
    EXPECT_STREQ("INT12", result);
    EXPECT_FALSE(isSubroutine);
    EXPECT_TRUE(project.ToggleInterruptName("INT00", result));
    EXPECT_STREQ("Alarm", result);
    EXPECT_FALSE(project.ResolveCallTarget("SBR09", result, isSubroutine));

    project.mainPou.name = "MAIN";
    for (const char* name : {"main", "FILL", " tick"})
        EXPECT_TRUE(project.IsPouName(name)) << name;
    for (const char* name : {"", "SBR03", "Pump"})
        EXPECT_FALSE(project.IsPouName(name)) << name;
}

TEST_F(PouManagementTest, ASubroutineDescriptorOfTheSameNameInAnyCaseIsReplaced) {
    CQLXFunc* replacement = new CQLXFunc;
    replacement->name = "FILL";
    replacement->number = 4;
    project.AddSubroutineDesc(replacement);
    project.AddSubroutineDesc(nullptr);

    CObject* found = nullptr;
    EXPECT_FALSE(project.sbrFuncByName.Lookup("Fill", found));
    EXPECT_FALSE(project.sbrFuncByNumber.Lookup(3, found));
    EXPECT_TRUE(project.sbrFuncByNumber.Lookup(4, found) && found == replacement);
    CQLXFunc copy;
    EXPECT_TRUE(project.GetSubroutineDesc("SBR04", &copy));
    EXPECT_STREQ("FILL", copy.name);
    EXPECT_FALSE(project.GetSubroutineDesc("fill", nullptr));
}

TEST_F(PouManagementTest, FBInstancesAreAddedListedRenamedAndDeleted) {
    EXPECT_TRUE(project.AddFBInstance("t5", "ton", "Fill"));
    EXPECT_TRUE(project.AddFBInstance("C2", "CTU", "MAIN"));
    EXPECT_TRUE(project.AddFBInstance("T6", "TP", "fill"));
    EXPECT_FALSE(project.AddFBInstance("T5", "TOF", "MAIN"));  // the name is taken
    EXPECT_FALSE(project.AddFBInstance("C3", "TON", "MAIN"));  // a counter name for a timer
    EXPECT_FALSE(project.AddFBInstance("T7", "TON", " "));
    EXPECT_EQ((std::vector<std::string>{"T5@FILL", "C2@MAIN", "T6@FILL"}), Instances());

    CStringArray names, types;
    EXPECT_TRUE(project.GetFBInstancesOf("Fill", names, types));
    ASSERT_EQ(2, names.GetSize());
    EXPECT_STREQ("T6", names[1]);
    EXPECT_STREQ("TP", types[1]);
    EXPECT_FALSE(project.GetFBInstancesOf("", names, types));
    EXPECT_EQ(0, names.GetSize());

    EXPECT_TRUE(project.RenameFBInstance("t5", "T5"));   // itself
    EXPECT_FALSE(project.RenameFBInstance("T5", "T6"));  // taken
    EXPECT_FALSE(project.RenameFBInstance("T5", "X1"));  // no timer or counter name
    EXPECT_FALSE(project.RenameFBInstance("T9", "T10"));
    EXPECT_TRUE(project.RenameFBInstance("T5", "t8"));
    EXPECT_EQ((std::vector<std::string>{"T8@FILL", "C2@MAIN", "T6@FILL"}), Instances());

    project.DeleteFBInstance("c2");
    EXPECT_EQ((std::vector<std::string>{"T8@FILL", "T6@FILL"}), Instances());
    project.fbInstances.Add(nullptr);
    project.DeleteFBInstancesOf("FILL");
    EXPECT_TRUE(Instances().empty());
}

TEST_F(PouManagementTest, DeletingASubroutineDeletesItsFilesInstancesAndIndexes) {
    std::vector<std::string> removedFromTrees;
    SetSubroutineTreeRemover([&](const CString& name) { removedFromTrees.push_back(static_cast<LPCSTR>(name)); });
    for (const char* file : {"SBR03_Fill.ilp", "SBR03_Fill.ilv", "SBR03_Fill.bak", "SBR07_Drain.ilp",
                             "SBR03_Filler.ilp", "~SBR03_Fill.ilp", "INT00_Alarm.ilp"})
        folder.WriteFile(file);
    folder.MakeFolder("SBR03_Fill.dir");
    project.AddFBInstance("T5", "TON", "Fill");
    project.AddFBInstance("T6", "TON", "Drain");

    project.DeletePou(" Fill", PouSubroutine);
    SetSubroutineTreeRemover(nullptr);

    EXPECT_EQ((std::vector<std::string>{"Fill"}), removedFromTrees);
    for (const char* file : {"SBR03_Fill.ilp", "SBR03_Fill.ilv", "SBR03_Fill.bak"})
        EXPECT_FALSE(TempFolder::Exists(folder / file)) << file;
    for (const char* kept : {"SBR07_Drain.ilp", "SBR03_Filler.ilp", "~SBR03_Fill.ilp", "INT00_Alarm.ilp", "SBR03_Fill.dir"})
        EXPECT_TRUE(TempFolder::Exists(folder / kept)) << kept;
    CObject* found = nullptr;
    EXPECT_FALSE(project.sbrByName.Lookup("Fill", found) || project.sbrFuncByName.Lookup("Fill", found) ||
                 project.sbrFuncByUpperName.Lookup("FILL", found) || project.sbrFuncByNumber.Lookup(3, found));
    EXPECT_TRUE(project.sbrFuncByNumber.Lookup(7, found));
    EXPECT_EQ((std::vector<std::string>{"T6@DRAIN"}), Instances());
}

TEST_F(PouManagementTest, DeletingAnInterruptRoutineOrAnUnknownPouTouchesOnlyItsOwn) {
    folder.WriteFile("INT12_Tick.ilp");
    folder.WriteFile("INT00_Alarm.ilp");
    project.DeletePou("Tick", PouInterrupt);
    EXPECT_FALSE(TempFolder::Exists(folder / "INT12_Tick.ilp"));
    EXPECT_TRUE(TempFolder::Exists(folder / "INT00_Alarm.ilp"));
    for (const CMapStringToOb* map : {&project.intByName, &project.intByUpperName})
        EXPECT_EQ(1, map->GetCount());
    EXPECT_EQ(1, project.intByNumber.GetCount());

    project.DeletePou("Nothing", PouInterrupt);
    project.DeletePou("Alarm", PouMain);
    EXPECT_TRUE(TempFolder::Exists(folder / "INT00_Alarm.ilp"));
    EXPECT_EQ(1, project.intByNumber.GetCount());
}

TEST_F(PouManagementTest, RenamingAPouReKeysItAndMovesItsInstances) {
    project.AddFBInstance("T5", "TON", "Fill");
    project.AddFBInstance("T6", "TON", "Tick");
    CObject* node = nullptr;
    ASSERT_TRUE(project.sbrByName.Lookup("Fill", node));
    static_cast<CProjTreeNode*>(node)->name = "Pump";
    project.RenamePou("Fill", PouSubroutine);

    CObject* found = nullptr;
    EXPECT_TRUE(project.sbrByName.Lookup("Pump", found) && found == node);
    EXPECT_FALSE(project.sbrByName.Lookup("Fill", found));
    ASSERT_TRUE(project.sbrFuncByUpperName.Lookup("PUMP", found));
    EXPECT_STREQ("Pump", static_cast<CQLXFunc*>(found)->name);
    EXPECT_TRUE(project.sbrFuncByName.Lookup("Pump", found));
    EXPECT_FALSE(project.sbrFuncByUpperName.Lookup("FILL", found));
    CString number;
    EXPECT_TRUE(project.TranslateSubroutineName("pump", number, TRUE));
    EXPECT_STREQ("SBR03", number);

    ASSERT_TRUE(project.intByName.Lookup("Tick", node));
    static_cast<CProjTreeNode*>(node)->name = "Clock";
    project.RenamePou("Tick", PouInterrupt);
    EXPECT_TRUE(project.intByUpperName.Lookup("CLOCK", found) && project.intByName.Lookup("Clock", found));
    EXPECT_FALSE(project.intByUpperName.Lookup("TICK", found));
    EXPECT_EQ((std::vector<std::string>{"T5@PUMP", "T6@CLOCK"}), Instances());

    project.RenamePou("Nobody", PouSubroutine);
    EXPECT_EQ((std::vector<std::string>{"T5@PUMP", "T6@CLOCK"}), Instances());
}
