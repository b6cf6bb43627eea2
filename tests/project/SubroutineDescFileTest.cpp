#include "project/SubroutineDescFile.h"

#include "language/OperandDescriptor.h"
#include "project/CQLXFunc.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ParamSeen {
    std::string name;
    DWORD flags;
    std::string comment;
    bool operator==(const ParamSeen& o) const { return name == o.name && flags == o.flags && comment == o.comment; }
};

std::ostream& operator<<(std::ostream& out, const ParamSeen& p) {
    return out << p.name << " 0x" << std::hex << p.flags << std::dec << " (" << p.comment << ")";
}

std::vector<ParamSeen> Params(const CObArray& params) {
    std::vector<ParamSeen> seen;
    for (INT_PTR i = 0; i < params.GetSize(); ++i) {
        const auto* param = static_cast<const CQLXFBPara*>(params[i]);
        seen.push_back({param->name.GetString(), param->flags, param->textB.GetString()});
    }
    return seen;
}

TEST(SubroutineParamOperandBits, InputsTakeMoreAreasThanInOutAndOutputs) {
    const DWORD input = 0xA000, inOut = 0x1E000, output = 0x1C000;
    const struct { DWORD type; DWORD section; DWORD bits; } cases[] = {
        {OD_BOOL, input, 0x61FE1000}, {OD_BOOL, inOut, 0x18C0000}, {OD_BOOL, output, 0x18C0000},
        {OD_BYTE, input, 0x19E1000},  {OD_WORD, input, 0x19E1000}, {OD_DWORD, output, 0x18C0000},
        {OD_INT, input, 0x19FE1000},  {OD_INT, inOut, 0x118C0000}, {OD_DINT, input, 0x59E1000},
        {OD_DINT, output, 0x18C0000}, {OD_REAL, input, 0x1800000}, {OD_REAL, inOut, 0x1800000},
        {OD_POINTER, input, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bits, SubroutineParamOperandBits(c.type, c.section)) << std::hex << c.type << " " << c.section;
}

TEST(ReadSubroutineDesc, SectionsGiveInputsInOutsAndOutputsAfterEnAndEno) {
    TempFolder temp;
    temp.WriteFile("SBR00_S.ilv",
                   "VAR_INPUT\r\n"
                   "  DATA AT %VB100 : BYTE ; (* level *)\r\n"
                   "  K AT %VW102 : COLOUR ;\r\n"  // an unknown type is dropped
                   "\r\n"
                   "  not a declaration\r\n"
                   "END_VAR\r\n"
                   "VAR_IN_OUT\r\n"
                   "IO AT %VD104:DINT;\r\n"
                   "END_VAR\r\n"
                   "VAR_OUTPUT\r\n"
                   "  DONE AT %V108.0 : BOOL ;\r\n"
                   "VAR\r\n"
                   "  LOCAL AT %V109.0 : BOOL ;\r\n"
                   "END_VAR\r\n"
                   "  AFTER AT %V110.0 : BOOL ;\r\n");
    const std::unique_ptr<CQLXFunc> descriptor(ReadSubroutineDesc((temp / "SBR00_S.ilv").c_str(), "SBR_0", 0));
    EXPECT_STREQ("SBR_0", descriptor->name);
    EXPECT_EQ(0, descriptor->number);
    EXPECT_EQ((std::vector<ParamSeen>{{"EN", 0x2001, ""},
                                      {"DATA", 0x2 | 0xA000 | 0x19E1000, "level"},
                                      {"IO", 0x20 | 0x1E000 | 0x18C0000, ""}}),
              Params(descriptor->inputs));
    EXPECT_EQ((std::vector<ParamSeen>{{"ENO", 0x4001, ""},
                                      {"DONE", 0x1 | 0x1C000 | 0x18C0000, ""}}),
              Params(descriptor->outputs));
}

TEST(ReadSubroutineDesc, MissingFileGivesEnAndEnoOnly) {
    TempFolder temp;
    const std::unique_ptr<CQLXFunc> descriptor(ReadSubroutineDesc((temp / "none.ilv").c_str(), "SBR_7", 7));
    EXPECT_EQ(7, descriptor->number);
    EXPECT_EQ((std::vector<ParamSeen>{{"EN", 0x2001, ""}}), Params(descriptor->inputs));
    EXPECT_EQ((std::vector<ParamSeen>{{"ENO", 0x4001, ""}}), Params(descriptor->outputs));
}

}  // namespace
