#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "project/CQLXFBPara.h"
#include "tests/editors/LadderEditorFixture.h"

namespace {

// Pin type words a box shows live values by, as the online display's start types them
// from the operands: area bits of the operand, data type of the matching variant.
struct BoxTypeCase {
    const char* title;
    std::vector<const char*> il;         // one network, rebuilt into a single box
    std::vector<DWORD> expected;        // IN1, IN2[, OUT]
};
void PrintTo(const BoxTypeCase& c, std::ostream* os) { *os << c.title; }

class LadderBoxTypesTest : public LadderEditorTest, public ::testing::WithParamInterface<BoxTypeCase> {
protected:
    CBlock* OnlyBox() {
        CObArray flat;
        CByteArray tags;
        model.GetItem(1)->Flatten(flat, tags);
        for (int k = 0; k < flat.GetSize(); ++k)
            if (auto* box = dynamic_cast<CBlock*>(flat[k])) return box;
        return nullptr;
    }
};

const DWORD kV = 0x800000, kL = 0x1000000;

TEST_P(LadderBoxTypesTest, OnlineStartTypesTheBoxPins) {
    const BoxTypeCase& c = GetParam();
    CStringArray lines;
    lines.Add("(* Network 0 *)");
    lines.Add("LD      %I0.0");
    for (const char* line : c.il) lines.Add(line);
    ASSERT_TRUE(model.LoadFromIL(lines));
    Layout();
    CBlock* box = OnlyBox();
    ASSERT_NE(nullptr, box) << c.title;
    editor->OnMonitorStart();
    // A function's data pins follow its enable input and output.
    std::vector<DWORD> actual = {box->InputPin(1)->currentFlags, box->InputPin(2)->currentFlags};
    if (c.expected.size() > 2) actual.push_back(box->OutputPin(1)->currentFlags);
    EXPECT_EQ(c.expected, actual) << c.title;
}

INSTANTIATE_TEST_SUITE_P(
    GenericBoxes, LadderBoxTypesTest,
    ::testing::Values(
        BoxTypeCase{"GT of two words takes the INT variant", {"GT      %VW0, %VW2", "ST      %Q0.0"},
                    {kV | 0x10, kV | 0x10}},
        BoxTypeCase{"GT of two bytes takes the BYTE variant", {"GT      %VB0, %VB1", "ST      %Q0.0"},
                    {kV | 0x02, kV | 0x02}},
        BoxTypeCase{"ADD of three double words is DINT", {"MOVE    %VD0, %VD8", "ADD     %VD4, %VD8"},
                    {kV | 0x20, kV | 0x20, kV | 0x20}},
        BoxTypeCase{"ADD over DINT and REAL pins has no common type",
                    {"MOVE    %VD0, %VR8", "ADD     %VD4, %VR8"}, {kV, kV, kV}},
        BoxTypeCase{"ADD where every operand allows DINT and REAL settles on DINT",
                    {"MOVE    %LD0, %LD8", "ADD     %LD4, %LD8"}, {kL | 0x20, kL | 0x20, kL | 0x20}}));

}  // namespace
