#include <gtest/gtest.h>

#include "ladder/Block.h"
#include "language/AddressCode.h"
#include "project/CQLXFunc.h"
#include "tests/compiler/ProjectFixture.h"
#include "tests/ladder/LadderModelFixture.h"

namespace {
// A ladder POU edited as the user does, saved as its program file and compiled with
// the project, against the workspace's own environment.
class LadderCompileTest : public WorkspaceClass1Test {
protected:
    LadderCompileTest() : model(new FakeLadderEngine) {}

    // A new network whose open contact reads the operand; its end coil becomes the
    // given coil.
    void AddRung(const char* operand, const char* coilSymbol, const char* coilOperand) {
        ASSERT_TRUE(model.NewNetwork());
        model.GetCurrentElement()->SetOperand(operand);
        CCoil* coil = static_cast<CCoil*>(model.GetItem(model.GetNetworks().GetSize() - 1));
        coil->SetSymbol(coilSymbol);
        coil->SetOperand(coilOperand);
    }
    CLadderElement* OpenContact(int network) { return model.GetItem(2 * network + 1)->m_pSeries; }

    bool Compile() {
        CStringArray lines;
        model.ExportIL(lines);
        std::vector<std::string> program;
        for (int i = 0; i < lines.GetSize(); ++i) program.push_back(lines[i].GetString());
        project.WritePou("MAIN_MAIN", program, {"VAR", "END_VAR"}, 2);
        return project.Compile({{CompileUnit::kMain, 0, "MAIN"}});
    }

    CProjectFixture project{"Ladder"};
    CLadderModel model;
};

// The compiled program's words after its 6-byte header.
struct Code {
    Code& Op(uint16_t word) {
        words.push_back(word);
        return *this;
    }
    Code& Address(const char* address) { return Op(EncodeAddressCode(address, FALSE)); }
    // A MAIN block of a ladder program: length, language 2, 6, kind 1, number 0xFF.
    std::vector<uint8_t> MainBlock() const {
        std::vector<uint8_t> bytes;
        auto word = [&](uint16_t value) {
            bytes.push_back(value & 0xFF);
            bytes.push_back(value >> 8);
        };
        word(static_cast<uint16_t>(6 + 2 * words.size()));
        bytes.insert(bytes.end(), {2, 6, 1, 0xFF});
        for (uint16_t value : words) word(value);
        return bytes;
    }
    std::vector<uint16_t> words;
};
}  // namespace

TEST_F(LadderCompileTest, NetworksCompileToTheirInstructions) {
    // Network 0: a series of a normally open and a normally closed contact.
    AddRung("%I0.0", "-( )", "%Q0.0");
    ASSERT_TRUE(model.InsertRight(MakeContact("%I0.1", "-|/|-")));
    // Network 1: a branch in front of a set coil with a reset coil stacked below it.
    AddRung("%I0.2", "-(S)", "%Q0.1");
    model.SetCurrentElement(OpenContact(1));
    model.InsertParallel(MakeContact("%M0.0", "-| |-", LINK_PARALLEL));
    model.SetCurrentElement(model.GetItem(3));
    ASSERT_TRUE(model.InsertParallelCoil(MakeCoil("%Q0.2", "-(R)")));
    // Network 2: an addition box between a contact and a coil.
    AddRung("%I0.3", "-( )", "%Q0.3");
    model.SetCurrentElement(OpenContact(2));
    CBlock* add = new CBlock;
    add->SetFunction(LadderEnvironment().NewFunctionDef("ADD"));
    add->InputPin(1)->textA = "%VW0";
    add->InputPin(2)->textA = "5";
    add->OutputPin(1)->textA = "%VW0";
    ASSERT_TRUE(model.InsertBox(add));

    ASSERT_TRUE(Compile()) << project.shell.CompileText();
    Code code;
    code.Op(0x134).Op(0x09).Address("%I0.0").Op(0x29).Address("%I0.1").Op(0x1C).Address("%Q0.0");
    code.Op(0x134).Op(0x09).Address("%I0.2").Op(0x30).Address("%M0.0").Op(0x17).Address("%Q0.1")
        .Op(0x19).Address("%Q0.2");
    code.Op(0x134).Op(0x09).Address("%I0.3").Op(0x48).Op(5).Address("%VW0").Op(0x1C).Address("%Q0.3");
    code.Op(0x131);
    EXPECT_EQ(code.MainBlock(), project.ObjectBytes());
}

TEST_F(LadderCompileTest, MessagesNameTheNetwork) {
    AddRung("%I0.0", "-( )", "%Q0.0");
    AddRung("%I0.1", "-( )", "%QB0");  // a byte where the coil writes a bit
    AddRung("????", "-( )", "%Q0.2");   // the contact the user left open

    EXPECT_FALSE(Compile());
    const std::string text = project.shell.CompileText();
    EXPECT_NE(std::string::npos, text.find("        程序: MAIN (NetWork: 1):[Error 0")) << text;
    EXPECT_NE(std::string::npos, text.find("        程序: MAIN (NetWork: 2):[Error 0")) << text;
    EXPECT_EQ(std::string::npos, text.find("(NetWork: 0)")) << text;
    EXPECT_EQ(std::string::npos, text.find("(第 ")) << text;
    EXPECT_FALSE(project.HasObject());
}
