#include <gtest/gtest.h>

#include <memory>

#include "editors/BoxParameters.h"
#include "ladder/Block.h"
#include "project/CProjTreeNode.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "tests/editors/LadderDialogFixture.h"

namespace {
class BoxParametersTest : public LadderDialogTest {
protected:
    BoxParametersTest() {
        CProjTreeNode* routine = new CProjTreeNode;
        routine->name = "ON_EDGE";
        routine->number = 3;
        workspace.project.intByName.SetAt("ON_EDGE", routine);
        workspace.project.intByUpperName.SetAt("ON_EDGE", routine);
        workspace.project.intByNumber.SetAt(3, routine);
    }

    std::unique_ptr<CBlock> Block(const char* type, const char* instance = "????") {
        std::unique_ptr<CBlock> box(new CBlock);
        CQLXFB* definition = LadderEnvironment().NewFunctionBlockDef(type);
        definition->instanceName = instance;
        box->SetFunctionBlock(definition);
        return box;
    }
    std::unique_ptr<CBlock> Function(const char* name) {
        std::unique_ptr<CBlock> box(new CBlock);
        box->SetFunction(LadderEnvironment().NewFunctionDef(name));
        return box;
    }
};

struct ConnectCase {
    const char* box;
    BOOL isBlock;
    const char* param;
    BOOL isInput;
    const char* typed;
    const char* stored;  // null: refused, the parameter keeps "before"
};

const ConnectCase ConnectCases[] = {
    {"TON", TRUE, "PT", TRUE, "%vw10", "%VW10"},
    {"TON", TRUE, "PT", TRUE, "100", "100"},
    {"TON", TRUE, "PT", TRUE, "count", "count"},   // the POU's INT variable
    {"TON", TRUE, "PT", TRUE, "Start", nullptr},   // a BOOL global
    {"TON", TRUE, "PT", TRUE, "", ""},             // a timer's input may stay open
    {"TON", TRUE, "ET", FALSE, "%mw4", "%MW4"},
    {"TON", TRUE, "ET", FALSE, "%IW0", nullptr},   // inputs cannot be written
    {"TON", TRUE, "ET", FALSE, "", nullptr},
    {"ADD", FALSE, "IN1", TRUE, "", nullptr},
    {"ADD", FALSE, "IN1", TRUE, "%vd0", "%VD0"},
    {"ATCH", FALSE, "INT", TRUE, "ON_EDGE", "ON_EDGE"},
    {"ATCH", FALSE, "INT", TRUE, "INT03", "INT03"},
    {"ATCH", FALSE, "INT", TRUE, "OFF_EDGE", nullptr},
};

TEST_F(BoxParametersTest, ConnectionsAreCheckedAgainstTheParameter) {
    for (const ConnectCase& c : ConnectCases) {
        SCOPED_TRACE(std::string(c.box) + "." + c.param + " <- '" + c.typed + "'");
        std::unique_ptr<CBlock> box = c.isBlock ? Block(c.box) : Function(c.box);
        CQLXFBPara* param = box->GetParams()->FindParam(c.param);
        ASSERT_NE(nullptr, param);
        param->textA = "before";
        EXPECT_EQ(c.stored != nullptr, ConnectBoxParameter(*box, c.param, c.isInput, c.typed));
        EXPECT_STREQ(c.stored ? c.stored : "before", param->textA);
    }
}

TEST_F(BoxParametersTest, GlobalVariableConnectsByItsAddress) {
    std::unique_ptr<CBlock> box = Block("CTU");
    ASSERT_TRUE(ConnectBoxParameter(*box, "R", TRUE, "start"));
    EXPECT_STREQ("%I0.3", box->GetParams()->FindParam("R")->textA);
}

TEST_F(BoxParametersTest, NothingConnectsWithoutAPouBeingEdited) {
    DialogTestEnvironment noDocument(nullptr);
    std::unique_ptr<CBlock> box = Block("TON");
    EXPECT_FALSE(ConnectBoxParameter(*box, "PT", TRUE, "100"));
}

TEST_F(BoxParametersTest, InstanceNamesCreateRenameOrAreRefused) {
    std::unique_ptr<CBlock> first = Block("TON"), second = Block("TON");
    CQLXProject& project = workspace.project;
    EXPECT_EQ(BoxInstanceResult::Unchanged, NameBoxInstance(*first, "????", "MAIN"));
    EXPECT_EQ(BoxInstanceResult::Unchanged, NameBoxInstance(*first, "  ", "MAIN"));
    EXPECT_EQ(BoxInstanceResult::Named, NameBoxInstance(*first, " t37 ", "MAIN"));
    EXPECT_STREQ("T37", first->m_pFB->instanceName);
    EXPECT_EQ(BoxInstanceResult::Refused, NameBoxInstance(*second, "T37", "MAIN"));
    EXPECT_STREQ("????", second->m_pFB->instanceName);
    EXPECT_EQ(BoxInstanceResult::Refused, NameBoxInstance(*second, "C5", "MAIN"));
    // Its own name again is no rename.
    EXPECT_EQ(BoxInstanceResult::Unchanged, NameBoxInstance(*first, "t37", "MAIN"));
    EXPECT_EQ(BoxInstanceResult::Named, NameBoxInstance(*first, "T38", "MAIN"));
    CStringArray names, types;
    project.GetFBInstancesOf("MAIN", names, types);
    ASSERT_EQ(1, names.GetSize());
    EXPECT_STREQ("T38", names[0]);
    std::unique_ptr<CBlock> function = Function("ADD");
    EXPECT_EQ(BoxInstanceResult::Unchanged, NameBoxInstance(*function, "X", "MAIN"));
}
}  // namespace
