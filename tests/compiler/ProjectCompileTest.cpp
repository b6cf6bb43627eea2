#include "tests/compiler/ProjectFixture.h"

#include "compiler/CompileVariables.h"
#include "language/AddressCode.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

void AppendCode(Bytes& bytes, const char* address, BOOL statusBit = FALSE) {
    const WORD code = EncodeAddressCode(address, statusBit);
    bytes.push_back(static_cast<uint8_t>(code));
    bytes.push_back(static_cast<uint8_t>(code >> 8));
}

TEST(ProjectCompile, SmallestMainGivesEighteenByteBlock) {
    CProjectFixture project("Pump");
    project.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "ST %Q0.0"});
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}})) << project.shell.CompileText();
    Bytes expected = {0x12, 0x00, 0x01, 0x06, 0x01, 0xFF, 0x34, 0x01, 0x09, 0x00};
    AppendCode(expected, "%I0.0");
    expected.insert(expected.end(), {0x1C, 0x00});
    AppendCode(expected, "%Q0.0");
    expected.insert(expected.end(), {0x31, 0x01});
    EXPECT_EQ(expected, project.ObjectBytes());
    EXPECT_EQ(project.shell.CompileText(), "x");
}

}  // namespace
