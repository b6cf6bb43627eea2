#include "compiler/HexListing.h"

#include "tests/compiler/ListingReader.h"
#include "tests/compiler/ProjectFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(HexListing, LinesPutTheBytesAfterTwoTabsAndThePaddedStatement) {
    const uint8_t header[] = {0x12, 0x00, 0x01, 0x06, 0x01, 0xFF};
    EXPECT_STREQ("\t\t12 00 01 06 01 FF ", HexListing::HeaderLine(header, 6));
    const uint8_t code[] = {0x09, 0x00, 0x9A, 0x01, 0x7F};
    const CString statement = "LD %I0.0";
    EXPECT_STREQ("\t\t" + statement + CString(' ', 32) + "\t0900 9A01 7F ",
                 HexListing::StatementLine(statement, code, 5));
    const uint8_t marker[] = {0x34, 0x01};
    EXPECT_STREQ("\t\t" + CString(' ', 40) + "\t3401 ", HexListing::StatementLine("", marker, 2));
    const CString longStatement = CString('X', 45);
    EXPECT_STREQ("\t\t" + longStatement + "\t3401 ", HexListing::StatementLine(longStatement, marker, 2));
}

// The bytes a listing names, in listing order.
Bytes ListedBytes(const std::string& listing) {
    Bytes bytes;
    for (const ListingLine& line : ReadListing(listing))
        bytes.insert(bytes.end(), line.bytes.begin(), line.bytes.end());
    return bytes;
}

class HexListingCompileTest : public testing::Test {
protected:
    void WriteProject() {
        project.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "JMPC L1", "CAL SBR02 %I0.1", "(* NETWORK 1 *)",
                                       "L1:", "LD %I0.2", "MOVE 100, %VW0"});
        project.WritePou("SBR02_Fill", {"(* NETWORK 0 *)", "LD IN1", "ST %Q0.1"},
                         {"VAR_INPUT", "IN1 AT %V100.0 : BOOL;", "END_VAR"});
    }
    bool Compile(bool listing) {
        return project.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 2, "Fill"}}, false,
                               listing);
    }
    CProjectFixture project{"Listing"};
};

TEST_F(HexListingCompileTest, ListingsHoldExactlyTheCompiledBytes) {
    WriteProject();
    ASSERT_TRUE(Compile(true)) << project.shell.CompileText();
    const std::string main = project.ReadFolderFile("MAIN_MAIN.HEX");
    Bytes listed = ListedBytes(main);
    const Bytes subroutine = ListedBytes(project.ReadFolderFile("SBR02_FILL.HEX"));
    listed.insert(listed.end(), subroutine.begin(), subroutine.end());
    EXPECT_EQ(project.ObjectBytes(), listed);
    std::vector<std::string> statements;
    for (const ListingLine& line : ReadListing(main)) statements.push_back(line.statement);
    for (const char* statement : {"LD %I0.0", "L1", "MOVE 100 , %VW0", "__QLX_EN", "__MPEND"})
        EXPECT_NE(statements.end(), std::find(statements.begin(), statements.end(), statement)) << statement;
}

TEST_F(HexListingCompileTest, NoListingWithoutTheFlagNorForAFileWithErrors) {
    WriteProject();
    ASSERT_TRUE(Compile(false));
    EXPECT_FALSE(project.HasFile("MAIN_MAIN.HEX"));
    project.WritePou("SBR02_Fill", {"(* NETWORK 0 *)", "LD IN1", "ST %Q0.1", "BOGUS 1"},
                     {"VAR_INPUT", "IN1 AT %V100.0 : BOOL;", "END_VAR"});
    EXPECT_FALSE(Compile(true));
    EXPECT_FALSE(project.HasFile("SBR02_FILL.HEX"));
}

}  // namespace
