#include "project/GlobalVarFile.h"

#include "project/CQLXFB.h"
#include "project/CQLXProject.h"
#include "project/CQLXSymbol.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

class GlobalVarFileTest : public testing::Test {
protected:
    GlobalVarFileTest() {
        project.name = "Plant";
        project.folder = folder.Path().c_str();
    }

    CQLXSymbol* AddSymbol(const char* name, const char* address, const char* type, const char* comment) {
        CQLXSymbol* symbol = new CQLXSymbol;
        symbol->name = name;
        symbol->address = address;
        symbol->dataType = type;
        symbol->comment = comment;
        project.symbolList.Add(symbol);
        return symbol;
    }

    void AddInstance(const char* name, const char* type, const char* extra) {
        CQLXFB* instance = new CQLXFB;
        instance->instanceName = name;
        instance->typeName = type;
        instance->extraText = extra;
        project.fbInstances.Add(instance);
    }

    std::string FileText() const {
        std::ifstream file(folder / "Plant.qgv", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }

    TempFolder folder;
    CQLXProject project;
};

}  // namespace

TEST_F(GlobalVarFileTest, EmptyProjectGivesTwoEmptySections) {
    ExportGlobalVarFile(project);
    EXPECT_EQ("VAR_GLOBAL\r\nEND_VAR\r\nVAR_GLOBAL\r\nEND_VAR", FileText());
}

TEST_F(GlobalVarFileTest, VariablesAndInstancesArePaddedToTheirColumns) {
    AddSymbol("START", "%I0.0", "BOOL", "go");
    CQLXSymbol* speed = AddSymbol("MotorSpeedSetpointValue", "VW10", "INT", "");
    AddSymbol("START", "%I0.1", "BOOL", "again");  // the same name gives no second line
    AddInstance("T5", "TON", "");
    AddInstance("C12", "CTUD", "count");
    ExportGlobalVarFile(project);

    EXPECT_EQ("VAR_GLOBAL\r\n"
              "    START             AT  %I0.0    :BOOL  ;  (*go*)\r\n"
              "    MotorSpeedSetpointValueAT  %VW10    :INT   ;  (**)\r\n"
              "END_VAR\r\n"
              "VAR_GLOBAL\r\n"
              "    T5     :TON   ;  (*  *)\r\n"
              "    C12    :CTUD  ;  (* count *)\r\n"
              "END_VAR",
              FileText());
    EXPECT_STREQ("%VW10", speed->address);
}

TEST_F(GlobalVarFileTest, AReadOnlyFileIsReplaced) {
    folder.WriteFile("Plant.qgv", "old text that is longer than the new one, much longer, really");
    ::SetFileAttributesA((folder / "Plant.qgv").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    ExportGlobalVarFile(project);
    EXPECT_EQ("VAR_GLOBAL\r\nEND_VAR\r\nVAR_GLOBAL\r\nEND_VAR", FileText());
    const DWORD attributes = ::GetFileAttributesA((folder / "Plant.qgv").c_str());
    EXPECT_FALSE(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
}

TEST_F(GlobalVarFileTest, AFileThatCannotBeMadeIsReported) {
    ScriptedMessageBoxes boxes;
    project.folder = (folder / "no such folder").c_str();
    ExportGlobalVarFile(project);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("无效的全局变量文件路径，全局变量文件生成失败！", boxes.Calls()[0].text);
    EXPECT_EQ("错误", boxes.Calls()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP | MB_TASKMODAL), boxes.Calls()[0].type);
}
