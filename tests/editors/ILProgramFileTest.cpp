#include "tests/editors/ILEditorFixture.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The program file of an IL POU as the document reads and writes it.
class ILProgramFileTest : public ILEditorTest {
protected:
    std::string Save() {
        EXPECT_TRUE(document.OnSaveDocument(path.c_str()));
        return ReadBytes(path);
    }
    void Open(const std::string& bytes) {
        folder.WriteFile("MAIN_MAIN.ilp", bytes);
        ASSERT_TRUE(document.OnOpenDocument(path.c_str()));
        engine().OnInitialUpdate();
    }

    TempFolder folder;
    std::string path = folder / "MAIN_MAIN.ilp";
};

TEST_F(ILProgramFileTest, BytesReadAndWrittenBack) {
    workspace.showGlobalNames = 0;
    struct Case {
        const char* name;
        std::string file;                // as found on disk
        std::vector<std::string> lines;  // in the editor after opening
        std::string saved;               // written by the next save
    };
    const Case cases[] = {
        {"header line and one extra line end", "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\nST      %Q0.0\r\n\r\n",
         {"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0", ""},
         "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\nST      %Q0.0\r\n\r\n"},
        {"last line without its end", "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0",
         {"(* Network 0 *)", "LD      %I0.0"}, "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\n\r\n"},
        {"a lone LF ends a line", "(*1*)\n(* Network 0 *)\nLD      %I0.0\n",
         {"(* Network 0 *)", "LD      %I0.0"}, "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\n\r\n"},
        {"a TAB is eight blanks wherever it stands", "(*1*)\r\n(* Network 0 *)\r\nLD\t%I0.0\r\n",
         {"(* Network 0 *)", "LD        %I0.0"}, "(*1*)\r\n(* Network 0 *)\r\nLD        %I0.0\r\n\r\n"},
        {"nothing but headers: one blank", "(*1*)\r\n(* Network 0 *)\r\n\r\n(* Network 1 *)\r\n",
         {"(* Network 0 *)", "", "(* Network 1 *)"}, "(*1*)\r\n \r\n\r\n"},
        {"a first line that is no header keeps its instruction", "(*1*)\r\nLD      %I0.0\r\nST      %Q0.0\r\n",
         {"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"},
         "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\nST      %Q0.0\r\n\r\n"},
        {"a blank first line becomes the header", "(*1*)\r\n   \r\nLD      %I0.0\r\n",
         {"(* Network 0 *)", "LD      %I0.0"}, "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\n\r\n"},
        {"another header number is set to 0", "(*2*)\r\n(*NETWORK7*)\r\nLD      %I0.0\r\n",
         {"(* Network 0 *)", "LD      %I0.0"}, "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\n\r\n"},
    };
    for (const Case& c : cases) {
        Open(c.file);
        EXPECT_EQ(c.lines, Lines()) << c.name;
        EXPECT_EQ(c.saved, Save()) << c.name;
        EXPECT_EQ(c.lines, Lines()) << c.name << ": the editor keeps its text after the save";
        Open(c.saved);
        EXPECT_EQ(c.saved, Save()) << c.name << ": saved again, the same bytes";
    }
}

TEST_F(ILProgramFileTest, SavingWritesAddressesAndNumberFormsAndShowsNamesAgain) {
    workspace.showGlobalNames = 1;
    Open("(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\nCAL     SBR01 %VW10, %Q0.0\r\nATCH    INT00, 3\r\n");
    EXPECT_EQ("LD      START", Line(1));
    EXPECT_EQ("CAL     PUMP VALUE, %Q0.0", Line(2));
    EXPECT_EQ("ATCH    EDGE, 3", Line(3));
    std::string saved = Save();
    EXPECT_NE(std::string::npos, saved.find("LD      %I0.0\r\n"));
    EXPECT_NE(std::string::npos, saved.find("CAL     SBR01 %VW10, %Q0.0\r\n"));
    EXPECT_NE(std::string::npos, saved.find("ATCH    INT00, 3\r\n"));
    EXPECT_EQ("LD      START", Line(1));
}

TEST_F(ILProgramFileTest, SaveAsksTheVariableTableForItsFileAndParameters) {
    Open("(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\n");
    Save();
    EXPECT_EQ(1, document.variables.varFileWrites);
    EXPECT_EQ(1, document.variables.paramListBuilds);
    EXPECT_STREQ((folder / "MAIN_MAIN.ilv").c_str(), document.GetVarFilePath());
}

TEST_F(ILProgramFileTest, AnEmptyFileOpensAsOneHeaderToTypeBelow) {
    Open("");
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)"}), Lines());
    Type("x\rld i0.1");
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "ld i0.1"}), Lines());
}

TEST_F(ILProgramFileTest, AReadOnlyProgramFileBecomesWritableWhenOpened) {
    folder.WriteFile("MAIN_MAIN.ilp", "(*1*)\r\nLD      %I0.0\r\n");
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(document.OnOpenDocument(path.c_str()));
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    EXPECT_FALSE(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_ARCHIVE);
}

TEST(POUDocumentNames, PathsGiveTitlesNamesAndVariableFiles) {
    EXPECT_STREQ("Motor_A", CPOUEditorDoc::PouNameOf("C:\\p\\SBR03_Motor_A.ilp"));
    EXPECT_STREQ("C:\\p\\SBR03_Motor.ilv", CPOUEditorDoc::VarFilePathOf("C:\\p\\SBR03_Motor.ILP"));
    EXPECT_STREQ("", CPOUEditorDoc::VarFilePathOf("C:\\p\\SBR03_Motor.txt"));
    CPOUEditorDoc document;
    document.SetTitle("SBR03_Motor.ilp");
    EXPECT_STREQ("Motor", document.GetTitle());
    document.SetModifiedFlag(TRUE);
    EXPECT_STREQ("", document.GetPathName());
    document.SetPathName("C:\\p\\SBR03_Motor.ilp", FALSE);
    document.SetModifiedFlag(TRUE);
    EXPECT_STREQ("Motor *", document.GetTitle());
    document.SetModifiedFlag(FALSE);
    EXPECT_STREQ("Motor", document.GetTitle());
}
}  // namespace
