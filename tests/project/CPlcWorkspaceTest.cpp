#include "project/CPlcWorkspace.h"

#include "language/CpuClassSource.h"
#include "language/OperandDescriptor.h"
#include "project/CQLXSymbol.h"
#include "tests/project/ProjectContents.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// Whether another thread could take the lock right now.
bool FreeForOtherThreads(CMutex& lock) {
    bool taken = false;
    std::thread other([&] {
        taken = lock.Lock(0);
        if (taken)
            lock.Unlock();
    });
    other.join();
    return taken;
}

bool IsSignalled(CEvent& event) {
    return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

void AddSymbol(CQLXProject& project, const char* name, const char* address) {
    CQLXSymbol* symbol = new CQLXSymbol;
    symbol->name = name;
    symbol->address = address;
    project.symbolList.Add(symbol);
    project.symbolsByKey.SetAt(name, symbol);
    project.symbolsByKey.SetAt(address, symbol);
    CString upper = name;
    upper.MakeUpper();
    project.symbolsByUpperName.SetAt(upper, symbol);
}

}  // namespace

TEST(PlcWorkspace, StartsWithItsDefaultsAndAnswersForItsProjectsCpuClass) {
    {
        CPlcWorkspace workspace;
        EXPECT_EQ(&workspace, theWorkspace);
        EXPECT_EQ(1, workspace.isNt5OrLater);
        EXPECT_EQ(1, workspace.showGlobalNames);
        EXPECT_EQ(0, workspace.projectOpen + workspace.onlineMonitoring);
        EXPECT_FALSE(workspace.monitorPause.IsPaused());
        EXPECT_EQ(5, workspace.defaultCpu);
        EXPECT_EQ(2, workspace.defaultPouLanguage);
        EXPECT_EQ(173u, workspace.funcCatalog.GetHashTableSize());
        EXPECT_EQ(23u, workspace.fbCatalog.GetHashTableSize());
        EXPECT_EQ(231u, workspace.instrByName.GetHashTableSize());
        EXPECT_EQ(91u, workspace.coilByName.GetHashTableSize());
        EXPECT_FALSE(workspace.monitorPause.Pause(10));  // no cycle has ended
        EXPECT_FALSE(IsSignalled(*workspace.monitorStoppedEvent));

        for (int cpuClass = 0; cpuClass < 3; ++cpuClass) {
            workspace.project.cpuClass = cpuClass;
            EXPECT_EQ(cpuClass, CurrentCpuClass());
            EXPECT_EQ(DWORD(1) << cpuClass, workspace.CpuKindMask());
        }
        workspace.project.cpuClass = 7;
        EXPECT_EQ(0u, workspace.CpuKindMask());
    }
    EXPECT_EQ(nullptr, theWorkspace);
    EXPECT_EQ(-1, CurrentCpuClass());
}

TEST(PlcWorkspace, ProjectResetEndsTheOnlineState) {
    CPlcWorkspace workspace;
    workspace.showGlobalNames = workspace.onlineMonitoring = 1;
    workspace.monitorPause.EndCycle();
    ASSERT_TRUE(workspace.monitorPause.Pause(10));
    workspace.monitorPause.EndCycle();  // a cycle end a forcer has not collected
    workspace.monitorStoppedEvent->SetEvent();
    ASSERT_TRUE(workspace.commLock.Lock(0));
    ASSERT_TRUE(workspace.monitorDataLock.Lock(0));
    ASSERT_FALSE(FreeForOtherThreads(workspace.commLock));

    workspace.project.ResetProject();

    EXPECT_EQ(0, workspace.showGlobalNames + workspace.onlineMonitoring);
    EXPECT_FALSE(workspace.monitorPause.IsPaused());
    EXPECT_FALSE(workspace.monitorPause.Pause(10));
    EXPECT_FALSE(IsSignalled(*workspace.monitorStoppedEvent));
    EXPECT_TRUE(FreeForOtherThreads(workspace.commLock));
    EXPECT_TRUE(FreeForOtherThreads(workspace.monitorDataLock));
}

TEST(PlcWorkspace, DestroyingTheWorkspaceDeletesTheOpenProject) {
    ProjectContents::Reset();
    CPlcWorkspace* workspace = new CPlcWorkspace;
    ProjectContents::Fill(workspace->project);
    delete workspace;
    EXPECT_EQ(ProjectContents::created, ProjectContents::deleted);
}

TEST(PlcWorkspace, AreaQueriesOfTheProjectsCpuClass) {
    CPlcWorkspace workspace;
    workspace.project.cpuClass = 0;
    EXPECT_EQ(2047, workspace.GetAreaLastIndex(" vb "));
    EXPECT_EQ(63, workspace.GetAreaLastIndex("T"));
    EXPECT_EQ(-1, workspace.GetAreaLastIndex(""));
    workspace.project.cpuClass = 2;
    EXPECT_EQ(4092, workspace.GetAreaLastIndex("%VD"));
    EXPECT_EQ(15, workspace.GetAreaLastIndex("rs"));
    EXPECT_EQ(0, workspace.GetAreaFirstIndex("%VB"));
    EXPECT_EQ(7, workspace.GetAreaLastBit("%VB"));

    struct Case {
        const char* prefix;
        BOOL statusBit;
        short base;
    } cases[] = {
        {"T", FALSE, 0x122A}, {" %T ", TRUE, 0x0032}, {"C", TRUE, 0x0042}, {"%C", FALSE, 0x142A},
        {"VR", FALSE, 0x019A}, {"%SMD", FALSE, 0x006E}, {"AQW", FALSE, 0x11EA}, {"%HC", FALSE, 0x162A},
        {"t", FALSE, -1},      {"%TB", FALSE, -1},      {"", FALSE, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.base, workspace.GetAreaCodeBase(c.prefix, c.statusBit)) << c.prefix;
}

TEST(PlcWorkspace, DataTypeNames) {
    CPlcWorkspace workspace;
    struct Case {
        const char* name;
        BOOL known;
        DWORD bit;
    } cases[] = {
        {"BOOL", TRUE, OD_BOOL}, {" byte ", TRUE, OD_BYTE}, {"Word", TRUE, OD_WORD}, {"INT", TRUE, OD_INT},
        {"dword", TRUE, OD_DWORD}, {"DINT", TRUE, OD_DINT}, {"real\t", TRUE, OD_REAL}, {"TIME", FALSE, 0},
        {"", FALSE, 0},          {"BOOLX", FALSE, 0},
    };
    for (const Case& c : cases) {
        DWORD bit = 0xFFFF;
        EXPECT_EQ(c.known, workspace.ParseDataTypeName(c.name, bit)) << c.name;
        EXPECT_EQ(c.bit, bit) << c.name;
    }
}

TEST(PlcWorkspace, GlobalSymbolsByAddressOrName) {
    CPlcWorkspace workspace;
    AddSymbol(workspace.project, "Motor", "%Q0.0");
    AddSymbol(workspace.project, "Speed", "%VW10");
    struct Case {
        const char* operand;
        const char* name;  // null: not found
    } cases[] = {
        {"%Q0.0", "Motor"}, {" q0.0 ", "Motor"}, {"vw10", "Speed"}, {"MOTOR", "Motor"},
        {" speed", "Speed"}, {"%VW12", nullptr}, {"Pump", nullptr}, {"  ", nullptr},
    };
    for (const Case& c : cases) {
        CQLXSymbol* symbol = nullptr;
        EXPECT_EQ(c.name != nullptr, bool(workspace.FindGlobalSymbol(c.operand, symbol))) << c.operand;
        if (c.name != nullptr && symbol != nullptr) {
            EXPECT_STREQ(c.name, symbol->name) << c.operand;
        }
    }
}

namespace {

int g_treesDeleted = 0;

void CountTreeDeletion(CObject* root) {
    ++g_treesDeleted;
    delete root;
}

}  // namespace

TEST(PlcWorkspace, LadderClipboardTreesGoThroughTheInstalledDeleter) {
    CPlcWorkspace workspace;
    CPlcWorkspace::SetLadderTreeDeleter(CountTreeDeletion);
    g_treesDeleted = 0;
    workspace.ladderClipboard.Add(new CQLXSymbol);
    workspace.ladderClipboard.Add(new CQLXSymbol);
    workspace.ClearLadderClipboard();
    EXPECT_EQ(2, g_treesDeleted);
    EXPECT_EQ(0, workspace.ladderClipboard.GetSize());
    workspace.ladderClipboard.Add(new CQLXSymbol);
    CPlcWorkspace::SetLadderTreeDeleter(nullptr);  // back to plain deletion
    workspace.ClearLadderClipboard();
    EXPECT_EQ(2, g_treesDeleted);
}
