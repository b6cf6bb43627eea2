#include <gtest/gtest.h>

#include <memory>

#include "ladder/Block.h"
#include "language/InstrDesc.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "project/CProjTreeNode.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/CQLXSymbol.h"
#include "tests/ladder/LadderModelFixture.h"
#include "tests/support/TestApplication.h"

namespace {
// The program's own environment over a project with one global, the subroutine PUMP
// (number 1, input SPEED, output DONE) and the interrupt routine ON_EDGE (number 3).
class WorkspaceLadderEnvironmentTest : public LadderTest {
protected:
    WorkspaceLadderEnvironmentTest() {
        AddGlobal("Start", "%I0.3");
        AddSubroutine("Pump", 1, "SPEED", "DONE");
        AddInterrupt("On_Edge", 3);
    }

    void AddGlobal(const char* name, const char* address) {
        CQLXSymbol* symbol = new CQLXSymbol;
        symbol->name = name;
        symbol->address = address;
        symbol->descriptor = OD_BOOL;
        project().symbolList.Add(symbol);
        project().symbolsByKey.SetAt(name, symbol);
        project().symbolsByKey.SetAt(address, symbol);
        CString upper = name;
        upper.MakeUpper();
        project().symbolsByUpperName.SetAt(upper, symbol);
    }

    void AddSubroutine(const char* name, WORD number, const char* input, const char* output) {
        CQLXFunc* descriptor = new CQLXFunc;
        descriptor->name = name;
        descriptor->number = number;
        descriptor->AddInput(Pin("EN", PIN_EN));
        descriptor->AddInput(Pin(input, 0xA010));
        descriptor->AddOutput(Pin("ENO", PIN_ENO));
        descriptor->AddOutput(Pin(output, 0x14001));
        project().AddSubroutineDesc(descriptor);
    }

    static CQLXFBPara* Pin(const char* name, DWORD flags) {
        CQLXFBPara* pin = new CQLXFBPara;
        pin->SetNameAndFlags(name, flags);
        return pin;
    }

    void AddInterrupt(const char* name, WORD number) {
        CProjTreeNode* node = new CProjTreeNode(PouInterrupt, 2, number);
        node->name = name;
        CString upper = name;
        upper.MakeUpper();
        project().intByName.SetAt(name, node);
        project().intByUpperName.SetAt(upper, node);
        project().intByNumber.SetAt(number, node);
    }

    CQLXProject& project() { return workspace.project; }

    CWorkspaceLadderEnvironment environment;
};

// A POU editor's document as the framework knows it.
using PouDocument = FakePOUDoc;

// A main window whose active document is set by the test.
class MainFrame : public CFrameWnd {
public:
    CDocument* GetActiveDocument() override { return active; }
    CDocument* active = nullptr;
};
}  // namespace

TEST_F(WorkspaceLadderEnvironmentTest, GlobalsAndOnlineFlagsComeFromTheWorkspace) {
    CString name, address;
    for (const char* key : {"start", "%i0.3", "I0.3"}) {
        name = address = "";
        EXPECT_TRUE(environment.FindGlobalSymbol(key, name, address)) << key;
        EXPECT_STREQ("Start", name) << key;
        EXPECT_STREQ("%I0.3", address) << key;
    }
    EXPECT_FALSE(environment.FindGlobalSymbol("%I0.4", name, address));
    EXPECT_FALSE(environment.FindGlobalSymbol("", name, address));
    OperandDescriptor descriptor = 0;
    EXPECT_TRUE(environment.FindGlobalDescriptor("START", descriptor));
    EXPECT_EQ(OD_BOOL, descriptor);
    // Only a name stands for its declaration; an address is read as written.
    EXPECT_FALSE(environment.FindGlobalDescriptor("%I0.3", descriptor));
    EXPECT_FALSE(environment.FindGlobalDescriptor("Stop", descriptor));

    workspace.showGlobalNames = 0;
    workspace.onlineMonitoring = 1;
    EXPECT_FALSE(environment.ShowGlobalNames());
    EXPECT_TRUE(environment.IsOnlineMonitoring());
    workspace.showGlobalNames = 1;
    workspace.onlineMonitoring = 0;
    EXPECT_TRUE(environment.ShowGlobalNames());
    EXPECT_FALSE(environment.IsOnlineMonitoring());
}

TEST_F(WorkspaceLadderEnvironmentTest, CatalogueOffersOnlyItsShownRecords) {
    const InstrDesc* coil = environment.FindInstruction("-( )");
    ASSERT_NE(nullptr, coil);
    EXPECT_EQ(INSTR_COIL, coil->kind);
    EXPECT_EQ(nullptr, environment.FindInstruction("-(RET)"));  // listed, not offered
    EXPECT_EQ(nullptr, environment.FindInstruction("add"));      // names as stored

    std::unique_ptr<CQLXFunc> add(environment.NewFunctionDef(" add "));
    ASSERT_NE(nullptr, add);
    EXPECT_STREQ("ADD", add->name);
    ASSERT_EQ(3, add->inputs.GetSize());
    for (int i = 0; i < 3; ++i) {
        const CQLXFBPara* pin = add->GetInput(i);
        EXPECT_EQ(pin->GetFlags(), pin->currentFlags) << i;
    }
    std::unique_ptr<CQLXFB> timer(environment.NewFunctionBlockDef("TON"));
    ASSERT_NE(nullptr, timer);
    EXPECT_STREQ("TON", timer->typeName);
    EXPECT_STREQ("", timer->instanceName);
    EXPECT_EQ(2, timer->GetOutputCount());

    EXPECT_EQ(nullptr, environment.NewFunctionDef("TON"));
    EXPECT_EQ(nullptr, environment.NewFunctionBlockDef("ADD"));
    EXPECT_EQ(nullptr, environment.NewFunctionBlockDef("RS"));
}

TEST_F(WorkspaceLadderEnvironmentTest, SubroutinesAndInterruptRoutines) {
    for (const char* key : {"pump", "SBR01"}) {
        std::unique_ptr<CQLXFunc> call(environment.NewSubroutineDesc(key));
        ASSERT_NE(nullptr, call) << key;
        EXPECT_STREQ("Pump", call->name);
        EXPECT_STREQ("SPEED", call->GetInput(1)->name);
        EXPECT_STREQ("DONE", call->GetOutput(1)->name);
    }
    EXPECT_EQ(nullptr, environment.NewSubroutineDesc("SBR02"));
    EXPECT_EQ(nullptr, environment.NewSubroutineDesc("On_Edge"));

    struct Case {
        const char* name;
        const char* target;  // nullptr: no call target
    };
    const Case calls[] = {
        {"pump", "SBR01"}, {"On_Edge", "INT03"}, {"int03", "INT03"},
        // A number form stays as written: never the routine's name.
        {"SBR01", nullptr}, {"INT04", nullptr}, {"GONE", nullptr},
    };
    for (const Case& c : calls) {
        CString target;
        EXPECT_EQ(c.target != nullptr, environment.ResolveCallTarget(c.name, target)) << c.name;
        if (c.target) {
            EXPECT_STREQ(c.target, target) << c.name;
        }
    }

    CString other;
    EXPECT_TRUE(environment.ToggleInterruptName("on_edge", other));
    EXPECT_STREQ("INT03", other);
    EXPECT_TRUE(environment.ToggleInterruptName("INT03", other));
    EXPECT_STREQ("On_Edge", other);
    EXPECT_FALSE(environment.ToggleInterruptName("INT04", other));
    for (const char* form : {"INT03", "on_edge"}) {
        EXPECT_TRUE(environment.TranslateInterruptName(form, other)) << form;
        EXPECT_STREQ(CString(form) == "INT03" ? "On_Edge" : "ON_EDGE", other) << form;
    }
    EXPECT_FALSE(environment.TranslateInterruptName("pump", other));
}

TEST_F(WorkspaceLadderEnvironmentTest, FunctionBlockInstancesOfTheProject) {
    EXPECT_TRUE(environment.AddFBInstance("TON", "t1", "Main"));
    EXPECT_TRUE(environment.AddFBInstance("CTU", "C4", "Main"));
    EXPECT_TRUE(environment.AddFBInstance("TOF", "T2", "Pump"));
    EXPECT_FALSE(environment.AddFBInstance("TON", "T1", "Pump"));  // taken
    EXPECT_FALSE(environment.AddFBInstance("TON", "C5", "Main"));  // not a timer's name

    CStringArray types, names;
    environment.GetFBInstancesOf("MAIN", types, names);
    ASSERT_EQ(2, names.GetSize());
    EXPECT_STREQ("T1", names[0]);
    EXPECT_STREQ("TON", types[0]);
    EXPECT_STREQ("C4", names[1]);
    EXPECT_STREQ("CTU", types[1]);

    environment.DeleteFBInstance("t1");
    environment.GetFBInstancesOf("MAIN", types, names);
    ASSERT_EQ(1, names.GetSize());
    environment.DeleteFBInstancesOf("pump");
    EXPECT_EQ(1, project().fbInstances.GetSize());
}

TEST_F(WorkspaceLadderEnvironmentTest, ActiveDocumentOfTheMainWindow) {
    EXPECT_EQ(nullptr, environment.GetActivePOUDocument());  // no application yet
    TestApplication application;
    EXPECT_EQ(nullptr, environment.GetActivePOUDocument());  // no main window
    MainFrame frame;
    application.m_pMainWnd = &frame;
    EXPECT_EQ(nullptr, environment.GetActivePOUDocument());  // no active document
    CDocument other;
    frame.active = &other;
    EXPECT_EQ(nullptr, environment.GetActivePOUDocument());  // not a POU editor's
    PouDocument pou;
    frame.active = &pou;
    EXPECT_EQ(static_cast<CPOUEditorDoc*>(&pou), environment.GetActivePOUDocument());
    application.m_pMainWnd = nullptr;
}

TEST(WorkspaceLadderEnvironment, WithoutAWorkspaceThereIsNothing) {
    CWorkspaceLadderEnvironment environment;
    CString name, address;
    EXPECT_FALSE(environment.FindGlobalSymbol("%I0.0", name, address));
    EXPECT_FALSE(environment.ShowGlobalNames());
    EXPECT_FALSE(environment.IsOnlineMonitoring());
    EXPECT_EQ(nullptr, environment.FindInstruction("-( )"));
    EXPECT_EQ(nullptr, environment.NewFunctionDef("ADD"));
    EXPECT_EQ(nullptr, environment.NewFunctionBlockDef("TON"));
    EXPECT_EQ(nullptr, environment.NewSubroutineDesc("SBR00"));
    EXPECT_FALSE(environment.AddFBInstance("TON", "T1", "MAIN"));
    CStringArray types, names;
    environment.GetFBInstancesOf("MAIN", types, names);
    EXPECT_EQ(0, names.GetSize());
    EXPECT_FALSE(environment.ResolveCallTarget("PUMP", name));
}

// The elements and the model reach the project through the installed environment,
// which is the workspace's while no test installs its own.
TEST_F(WorkspaceLadderEnvironmentTest, ModelAndBoxesKeepTheProjectsInstances) {
    TestApplication application;
    MainFrame frame;
    PouDocument document;
    frame.active = &document;
    application.m_pMainWnd = &frame;
    ASSERT_TRUE(environment.AddFBInstance("TON", "T1", "MAIN"));
    CLadderModel model(new FakeLadderEngine);
    model.OnOpenDocument("c:\\p\\MAIN_MAIN.ilp");

    // Renaming a timer box's instance in place moves the instance; a name the project
    // refuses leaves the box without one.
    CBlock box;
    CQLXFB* timer = LadderEnvironment().NewFunctionBlockDef("TON");
    timer->instanceName = "T1";
    box.SetFunctionBlock(timer);
    box.m_nEditState = 0;
    box.SetOperand("T7");
    EXPECT_STREQ("T7", box.GetOperand());
    CStringArray types, names;
    environment.GetFBInstancesOf("MAIN", types, names);
    ASSERT_EQ(1, names.GetSize());
    EXPECT_STREQ("T7", names[0]);
    box.SetOperand("C3");
    EXPECT_STREQ("????", box.GetOperand());
    EXPECT_EQ(0, project().fbInstances.GetSize());

    // Closing without saving gives the POU back the instances it was opened with.
    model.OnDiscardChanges();
    environment.GetFBInstancesOf("MAIN", types, names);
    ASSERT_EQ(1, names.GetSize());
    EXPECT_STREQ("T1", names[0]);
    application.m_pMainWnd = nullptr;
}
