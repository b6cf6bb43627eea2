#include "project/CQLXProject.h"

#include "comm/Crc16.h"
#include "hardware/ModuleCatalog.h"
#include "language/OperandDescriptor.h"
#include "project/CQLXFunc.h"
#include "project/CQLXInitData.h"
#include "project/CQLXStatus.h"
#include "project/CQLX_R2_PLC.h"
#include "tests/project/RecordArchive.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

Bytes BytesOf(const CByteArray& array) {
    return Bytes(array.GetData(), array.GetData() + array.GetSize());
}

// A project named "Plant" in a scratch folder, with a CPU of type 31 and a small
// compiled program.
class TargetImageTest : public testing::Test {
protected:
    TargetImageTest() {
        project.name = "Plant";
        project.folder = folder.Path().c_str();
        project.cpuClass = 0;
        cpu = AddModule(31, KindCpu);
        cpu->diCount = 8;
        cpu->doCount = 6;
        WriteProgram("\x10\x20\x30");
    }

    CQLX_R2_PLC* AddModule(BYTE typeCode, DWORD kind) {
        CQLX_R2_PLC* module = new CQLX_R2_PLC;
        module->typeCode = typeCode;
        module->kindMask = kind;
        project.modules.Add(module);
        return module;
    }

    void WriteProgram(const std::string& bytes) { folder.WriteFile("Plant.epl", bytes); }

    CQLXInitData* AddInitRow(DWORD typeFlags, WORD code, std::initializer_list<DWORD> values) {
        CQLXInitData* row = new CQLXInitData;
        row->typeFlags = typeFlags;
        row->texts.Add("%VW100");
        row->values.Add(code);
        for (DWORD value : values) {
            row->texts.Add("v");
            row->values.Add(value);
        }
        project.initDataRows.Add(row);
        return row;
    }

    void AddCell(const char* text) {
        CQLXStatus* cell = new CQLXStatus;
        cell->cellText = text;
        project.MonitorOperandMap.SetAt(text, cell);
    }

    WORD BuildAndCrc() {
        EXPECT_TRUE(project.BuildTargetImage());
        return project.ComputeProjectCrc();
    }

    TempFolder folder;
    CQLXProject project;
    CQLX_R2_PLC* cpu;
};

}  // namespace

TEST_F(TargetImageTest, CpuOnlyProjectGivesTheGoldenImage) {
    ASSERT_TRUE(project.BuildTargetImage());

    ByteWriter directory;
    directory.U16(24).U8(3).U8(6).U8(3).U8(0);
    directory.U16(13).U16(143).U16(9).U16(8).U16(10);
    directory.U8(1).U8(1).U8(0).U8(0).U8(0).U8(0).U16(0);
    EXPECT_EQ(directory.Get(), BytesOf(project.imageSection3));

    ByteWriter modules;
    modules.U16(13).U8(4).U8(6).U8(4).U8(0).U8(1).U8(31).U8(0).U8(0).U8(0).U8(0).U8(0);
    EXPECT_EQ(modules.Get(), BytesOf(project.imageSection4));

    Bytes cpuSection(143, 0);
    const Bytes header = {143, 0, 5, 6, 5, 0};
    std::copy(header.begin(), header.end(), cpuSection.begin());
    const uint8_t retain[4][6] = {{0, 0, 0x9A, 0x01, 0, 0}, {1, 0, 0x9A, 0x01, 0, 0},
                                  {2, 1, 0x2A, 0x14, 0, 0}, {3, 1, 0x2A, 0x14, 0, 0}};
    for (int j = 0; j < 4; ++j)
        std::copy(retain[j], retain[j] + 6, cpuSection.begin() + 6 + 6 * j);
    cpuSection[39] = 1;
    cpuSection[48] = 2;
    cpuSection[89] = cpuSection[90] = 1;
    cpuSection[132] = 10;
    const Bytes port = {1, 2, 1, 0, 0};  // station, baud, data bits, parity, stop bits
    std::copy(port.begin(), port.end(), cpuSection.begin() + 133);
    std::copy(port.begin(), port.end(), cpuSection.begin() + 138);
    EXPECT_EQ(cpuSection, BytesOf(project.imageSection5));

    EXPECT_EQ((Bytes{9, 0, 6, 6, 6, 0, 0x10, 0x20, 0x30}), BytesOf(project.imageSection6));
    EXPECT_EQ((Bytes{8, 0, 7, 6, 7, 0, 2, 0}), BytesOf(project.imageSection7));
    EXPECT_EQ((Bytes{10, 0, 8, 6, 8, 0, 0, 0, 0, 0}), BytesOf(project.imageSection8));

    // The CRC covers sections 4 to 7 and lands in the directory's last two bytes.
    Bytes covered;
    for (const CByteArray* section : {&project.imageSection4, &project.imageSection5, &project.imageSection6,
                                      &project.imageSection7}) {
        const Bytes bytes = BytesOf(*section);
        covered.insert(covered.end(), bytes.begin(), bytes.end());
    }
    const WORD crc = project.ComputeProjectCrc();
    EXPECT_EQ(Crc16(covered.data(), static_cast<uint32_t>(covered.size())), crc);
    project.StoreProjectCrc(crc);
    EXPECT_EQ(crc, project.projectCrc);
    EXPECT_EQ(static_cast<BYTE>(crc), project.imageSection3[22]);
    EXPECT_EQ(static_cast<BYTE>(crc >> 8), project.imageSection3[23]);

    ASSERT_TRUE(project.WriteTargetFile());
    std::ifstream written(folder / "Plant.obj", std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    Bytes expected;
    for (const CByteArray* section : {&project.imageSection3, &project.imageSection4, &project.imageSection5,
                                      &project.imageSection6, &project.imageSection7, &project.imageSection8}) {
        const Bytes bytes = BytesOf(*section);
        expected.insert(expected.end(), bytes.begin(), bytes.end());
    }
    EXPECT_EQ(expected, file);
}

TEST_F(TargetImageTest, DirectoryHasOneEntryPerUnit) {
    for (WORD number : {1, 2}) {
        CQLXFunc* descriptor = new CQLXFunc;
        descriptor->name.Format("S%d", number);
        descriptor->number = number;
        project.AddSubroutineDesc(descriptor);
    }
    CProjTreeNode* interrupt = new CProjTreeNode(PouInterrupt, 1, 0);
    interrupt->name = "I";
    project.intByNumber.SetAt(0, interrupt);
    project.intByName.SetAt("I", interrupt);
    ASSERT_TRUE(project.BuildTargetImage());

    ASSERT_EQ(19 + 5 * 4, project.imageSection3.GetSize());
    EXPECT_EQ(4, project.imageSection3[16]);
    const Bytes entries(project.imageSection3.GetData() + 17, project.imageSection3.GetData() + 37);
    EXPECT_EQ((Bytes{1, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0}), entries);
}

TEST_F(TargetImageTest, CpuSectionCarriesModulesAndTheAnalogOutputArea) {
    struct Case {
        BYTE typeCode;
        int size;
    };
    for (const Case c : {Case{31, 143}, Case{2, 191}, Case{33, 191}, Case{4, 239}}) {
        cpu->typeCode = c.typeCode;
        ASSERT_TRUE(project.BuildTargetImage());
        EXPECT_EQ(c.size, project.imageSection5.GetSize()) << int(c.typeCode);
    }

    CQLX_R2_PLC* outputs = AddModule(9, KindDigitalOutRelay);
    outputs->doCount = 16;
    outputs->qStart = 2;
    outputs->qEnd = 3;
    outputs->outputHoldFlags[0][0] = 1;
    outputs->outputHoldFlags[1][7] = 5;
    CQLX_R2_PLC* thermocouple = AddModule(20, KindAnalogInThermocouple);
    thermocouple->aiCount = 2;
    thermocouple->aiStart = 4;
    thermocouple->aiSettingsA[0] = 7;
    thermocouple->aiSettingsA[1] = 10;
    thermocouple->aiSettingsB[1] = 1;
    CQLX_R2_PLC* analogOut = AddModule(22, KindAnalogOut);
    analogOut->aoCount = 2;
    analogOut->aqStart = 2;
    analogOut->aoSignalForms[1] = 2;
    analogOut->aoHoldOnStop[1] = 1;
    analogOut->aoStopValues[1] = 4000;
    cpu->cpuOutputStopStates[1][2] = 1;
    ASSERT_TRUE(project.BuildTargetImage());

    const CByteArray& section = project.imageSection5;
    EXPECT_EQ(0x01, section[59]);
    EXPECT_EQ(0x80, section[60]);
    EXPECT_EQ(0x70, section[93]);
    EXPECT_EQ(0x89, section[94]);
    EXPECT_EQ(0x04, section[131]);
    EXPECT_EQ(0x28, section[143 + 3 * 2]);
    EXPECT_EQ(4000 & 0xFF, section[144 + 3 * 2]);
    EXPECT_EQ(4000 >> 8, section[145 + 3 * 2]);
    const Bytes doEntry(project.imageSection4.GetData() + 13, project.imageSection4.GetData() + 19);
    EXPECT_EQ((Bytes{9, 1, 255, 255, 2, 3}), doEntry);
}

TEST_F(TargetImageTest, InitialDataRowsBecomeRecords) {
    AddInitRow(OD_WORD, 0x01FE, {1, 2});
    CQLXInitData* addressOnly = AddInitRow(OD_BYTE, 0x01A0, {});
    addressOnly->texts.SetAt(0, "%VB6");
    AddInitRow(OD_REAL, 0x01B0, {0x3F800000});
    AddInitRow(OD_DINT, 0x01C0, {0xFFFFFFFE});
    AddInitRow(OD_BYTE, 0x01A8, {0x1FF});
    ASSERT_TRUE(project.BuildTargetImage());

    ByteWriter expected;
    expected.U16(0).U8(7).U8(6).U8(7).U8(0).U16(0);
    expected.U16(0x01FE).U8(4).U16(1).U16(2).U8(2);
    expected.U16(0x01B0).U8(4).U32(0x3F800000).U8(4);
    expected.U16(0x01C0).U8(4).U32(0xFFFFFFFE).U8(3);
    expected.U16(0x01A8).U8(1).U8(0xFF).U8(1);
    Bytes bytes = expected.Get();
    bytes[0] = static_cast<uint8_t>(bytes.size());
    bytes[6] = static_cast<uint8_t>(bytes.size() - 6);
    EXPECT_EQ(bytes, BytesOf(project.imageSection7));
}

TEST_F(TargetImageTest, MonitorSectionListsCodesByWidthAndTheDataSize) {
    for (const char* text : {"%VB10", "%VW20", "%T5", "%VD40"})
        AddCell(text);
    ASSERT_TRUE(project.BuildTargetImage());
    ByteWriter expected;
    expected.U16(18).U8(8).U8(6).U8(8).U8(0).U16(4);
    expected.U16(0x019A + 10).U16(0x019A + 20).U16(0x122A + 10).U16(0x019A + 40);
    expected.U16(1 + 2 + 3 + 4);
    EXPECT_EQ(expected.Get(), BytesOf(project.imageSection8));
}

TEST_F(TargetImageTest, TheCrcFollowsSectionsFourToSevenOnly) {
    const WORD base = BuildAndCrc();
    AddCell("%VB10");
    EXPECT_EQ(base, BuildAndCrc());

    WriteProgram("\x10\x20\x31");
    const WORD program = BuildAndCrc();
    EXPECT_NE(base, program);
    cpu->qEnd = 1;
    const WORD range = BuildAndCrc();
    EXPECT_NE(program, range);
    cpu->cpuParamByte = 11;
    const WORD setting = BuildAndCrc();
    EXPECT_NE(range, setting);
    CQLXInitData* row = AddInitRow(OD_WORD, 0x01FE, {1});
    const WORD initial = BuildAndCrc();
    EXPECT_NE(setting, initial);
    row->values.SetAt(1, 2);
    EXPECT_NE(initial, BuildAndCrc());
}

TEST_F(TargetImageTest, ModulesWithoutAnEntryOrOutsideTheirAreaFailTheBuild) {
    CQLXProject empty;
    EXPECT_FALSE(empty.BuildTargetImage());

    struct Case {
        const char* what;
        void (*spoil)(CQLXProject&, CQLX_R2_PLC&);
    };
    const Case cases[] = {
        {"combined analog kind", [](CQLXProject& p, CQLX_R2_PLC&) {
             CQLX_R2_PLC* m = new CQLX_R2_PLC;
             m->kindMask = KindAnalogInOut;
             p.modules.Add(m);
         }},
        {"empty slot", [](CQLXProject& p, CQLX_R2_PLC&) { p.modules.Add(nullptr); }},
        {"output stop byte past Q31", [](CQLXProject&, CQLX_R2_PLC& c) { c.qStart = 31, c.doCount = 16; }},
        {"analog input past its area", [](CQLXProject& p, CQLX_R2_PLC&) {
             CQLX_R2_PLC* m = new CQLX_R2_PLC;
             m->kindMask = KindAnalogInRtd, m->aiCount = 1, m->aiStart = 200;
             p.modules.Add(m);
         }},
        {"more analog inputs than a module holds", [](CQLXProject& p, CQLX_R2_PLC&) {
             CQLX_R2_PLC* m = new CQLX_R2_PLC;
             m->kindMask = KindAnalogInRtd, m->aiCount = 9;
             p.modules.Add(m);
         }},
        {"analog output past its area", [](CQLXProject& p, CQLX_R2_PLC& c) {
             c.typeCode = 2;
             CQLX_R2_PLC* m = new CQLX_R2_PLC;
             m->kindMask = KindAnalogOut, m->aoCount = 2, m->aqStart = 30;
             p.modules.Add(m);
         }},
    };
    for (const Case& c : cases) {
        project.modules.SetSize(1);
        *cpu = CQLX_R2_PLC();
        cpu->typeCode = 31;
        cpu->kindMask = KindCpu;
        ASSERT_TRUE(project.BuildTargetImage()) << c.what;
        c.spoil(project, *cpu);
        EXPECT_FALSE(project.BuildTargetImage()) << c.what;
        for (INT_PTR i = 1; i < project.modules.GetSize(); ++i)
            delete project.modules[i];
    }
    project.modules.SetSize(1);
}

// Every length of the image is 16 bits: what does not fit refuses the build instead
// of being cut, and so does an initial-data row over 255 value bytes.
TEST_F(TargetImageTest, ImagesThatDoNotFitTheirLengthFieldsAreRefused) {
    WriteProgram(std::string(0xFFFF - 6, '\x01'));
    EXPECT_TRUE(project.BuildTargetImage() == FALSE);  // the program fits, the CRC run does not
    EXPECT_EQ(0xFFFF, project.imageSection6.GetSize());
    EXPECT_EQ(0xFFFF, project.ComputeProjectCrc());
    WriteProgram(std::string(0xFFFF - 5, '\x01'));
    EXPECT_FALSE(project.BuildTargetImage());

    // Sections 4, 5 and 7 take 13 + 143 + 8 bytes here.
    const size_t largestProgram = 0xFFFF - 13 - 143 - 8 - 6;
    WriteProgram(std::string(largestProgram + 1, '\x01'));
    EXPECT_FALSE(project.BuildTargetImage());
    WriteProgram(std::string(largestProgram, '\x01'));
    EXPECT_TRUE(project.BuildTargetImage());
    EXPECT_NE(0xFFFF, project.ComputeProjectCrc());
    WriteProgram(std::string(1000, '\x01'));

    CQLXInitData* row = AddInitRow(OD_WORD, 0x01FE, {});
    for (int i = 0; i < 127; ++i) {
        row->texts.Add("1");
        row->values.Add(1);
    }
    EXPECT_TRUE(project.BuildTargetImage());
    row->texts.Add("1");
    row->values.Add(1);
    EXPECT_FALSE(project.BuildTargetImage());
    row->values.SetSize(3);  // fewer values than texts
    row->texts.SetSize(4);
    EXPECT_FALSE(project.BuildTargetImage());
}

TEST_F(TargetImageTest, AMissingProgramFileIsReported) {
    ScriptedMessageBoxes boxes;
    ::DeleteFileA((folder / "Plant.epl").c_str());
    EXPECT_FALSE(project.BuildTargetImage());
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("编译文件不存在！\r\n请重试编译操作，若错误仍然存在，请与我公司联系。", boxes.Calls()[0].text);
    EXPECT_EQ("错误", boxes.Calls()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP | MB_TASKMODAL), boxes.Calls()[0].type);

    project.folder = (folder / "missing").c_str();
    EXPECT_FALSE(project.WriteTargetFile());
}
