#include "platform/CVRTRegEdit.h"
#include "shell/app/CommandLineProject.h"
#include "shell/app/FileAssociation.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace {

const char* const ClassesKey = "Software\\TessaronTests\\Classes";
const char* const ProgramPath = "C:\\Program Files\\Tessaron\\Tessaron.exe";
const char* const Question =
    "本软件不是工程文件(扩展名为qpr)的默认处理程序。\r\n是否将它设置为工程文件(扩展名为qpr)的默认处理程序？";

// A classes root of the test's own under HKEY_CURRENT_USER.
class FileAssociation : public ::testing::Test {
protected:
    FileAssociation() {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ClassesKey);
        ::RegCreateKeyA(HKEY_CURRENT_USER, ClassesKey, &root);
    }
    ~FileAssociation() override {
        ::RegCloseKey(root);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ClassesKey);
    }
    CString DefaultValue(LPCSTR key) {
        CVRTRegEdit registry(root);
        CString value = "(absent)";
        if (registry.VerifyKey(key))
            registry.Read(value);
        return value;
    }
    void SetDefaultValue(LPCSTR key, LPCSTR value) {
        CVRTRegEdit registry(root);
        ASSERT_TRUE(registry.CreateKey(key));
        ASSERT_TRUE(registry.Write(value));
    }
    void ExpectOurs() {
        EXPECT_EQ(DefaultValue(".qpr"), "Tessaron.Project");
        EXPECT_EQ(DefaultValue("Tessaron.Project"), "Tessaron Project");
        EXPECT_EQ(DefaultValue("Tessaron.Project\\shell"), "open");
        EXPECT_EQ(DefaultValue("Tessaron.Project\\shell\\open"), "使用 Tessaron 打开工程");
        EXPECT_EQ(DefaultValue("Tessaron.Project\\shell\\open\\command"),
                  "\"C:\\Program Files\\Tessaron\\Tessaron.exe\" \"%1\"");
    }

    HKEY root = nullptr;
    HWND owner = reinterpret_cast<HWND>(0x5678);
};

TEST_F(FileAssociation, AbsentIsWrittenWithoutAsking) {
    ScriptedMessageBoxes boxes;
    RegisterProjectFileType(root, ProgramPath, owner);
    EXPECT_TRUE(boxes.Calls().empty());
    ExpectOurs();
    EXPECT_TRUE(IsProjectFileTypeOurs(root, ProgramPath));
}

TEST_F(FileAssociation, OursAlreadyAsksNothingAndWritesNothing) {
    RegisterProjectFileType(root, ProgramPath, owner);
    SetDefaultValue("Tessaron.Project", "kept as it is");
    ScriptedMessageBoxes boxes;
    RegisterProjectFileType(root, ProgramPath, owner);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(DefaultValue("Tessaron.Project"), "kept as it is");
}

TEST_F(FileAssociation, ElsewhereAsksAtEveryStartUntilYes) {
    // Another program, the same path in another letter case (the comparison is exact),
    // and a class without an open command all count as another handler.
    struct Case { const char* className; const char* command; };
    const Case cases[] = {
        {"Other.Project", "\"C:\\Other\\other.exe\" \"%1\""},
        {"Other.Project", "\"c:\\program files\\tessaron\\tessaron.exe\" \"%1\""},
        {"Other.Project", nullptr},
    };
    for (const Case& c : cases) {
        ::RegDeleteTreeA(root, "Tessaron.Project");
        SetDefaultValue(".qpr", c.className);
        if (c.command)
            SetDefaultValue("Other.Project\\shell\\open\\command", c.command);
        ScriptedMessageBoxes boxes{IDNO, IDNO, IDYES};
        for (int start = 0; start < 3; ++start)
            RegisterProjectFileType(root, ProgramPath, owner);
        ASSERT_EQ(boxes.Calls().size(), 3u) << c.className;
        EXPECT_EQ(boxes.Calls()[0].text, Question);
        EXPECT_EQ(boxes.Calls()[0].caption, "提示");
        EXPECT_EQ(boxes.Calls()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(boxes.Calls()[0].owner, owner);
        ExpectOurs();
        // Once ours, the next start asks nothing.
        ScriptedMessageBoxes later;
        RegisterProjectFileType(root, ProgramPath, owner);
        EXPECT_TRUE(later.Calls().empty());
        ::RegDeleteTreeA(root, "Other.Project");
    }
}

TEST_F(FileAssociation, NoLeavesTheOtherHandlerAlone) {
    SetDefaultValue(".qpr", "Other.Project");
    SetDefaultValue("Other.Project\\shell\\open\\command", "\"C:\\Other\\other.exe\" \"%1\"");
    ScriptedMessageBoxes boxes{IDNO};
    RegisterProjectFileType(root, ProgramPath, owner);
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(DefaultValue(".qpr"), "Other.Project");
    EXPECT_EQ(DefaultValue("Tessaron.Project"), "(absent)");
    EXPECT_FALSE(IsProjectFileTypeOurs(root, ProgramPath));
}

TEST(CommandLineProject, TheProjectIsTheDrivePathBehindTheProgram) {
    struct Case { const char* commandLine; const char* project; };
    const Case cases[] = {
        // The registered command: quoted program, quoted project.
        {"\"C:\\Program Files\\Tessaron\\Tessaron.exe\" \"D:\\工程\\泵站.qpr\"", "D:\\工程\\泵站.qpr"},
        // Trailing blanks after the closing quote.
        {"\"C:\\Tessaron\\Tessaron.exe\" \"D:\\a b\\pump.qpr\"  ", "D:\\a b\\pump.qpr"},
        // Unquoted: the last letter stays.
        {"C:\\Tessaron\\Tessaron.exe D:\\plant\\pump.qpr", "D:\\plant\\pump.qpr"},
        {"Tessaron.exe d:\\x.qpr", "d:\\x.qpr"},
        // The program's extension in capitals, or no extension at all: the program's own
        // path is never taken for the project.
        {"\"C:\\TESSARON\\TESSARON.EXE\" \"D:\\p.qpr\"", "D:\\p.qpr"},
        {"\"C:\\Tessaron\\Tessaron\" \"D:\\p.qpr\"", "D:\\p.qpr"},
        {"C:\\Tessaron\\Tessaron D:\\p.qpr", "D:\\p.qpr"},
        // Nothing named.
        {"\"C:\\Program Files\\Tessaron\\Tessaron.exe\"", ""},
        {"\"C:\\Tessaron\\Tessaron.exe\" ", ""},
        {"C:\\Tessaron\\Tessaron.exe /dde", ""},
        {"\"C:\\Tessaron\\Tessaron\"", ""},
        {"", ""},
        // A name without a drive is not opened.
        {"\"C:\\Tessaron\\Tessaron.exe\" \"pump.qpr\"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProjectPathOfCommandLine(c.commandLine), c.project) << c.commandLine;
}

}  // namespace
