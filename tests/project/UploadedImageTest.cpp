#include "project/UploadedImage.h"

#include "comm/Crc16.h"
#include "compiler/PouBlockHeader.h"
#include "hardware/FieldClamps.h"
#include "hardware/MemAreaTable.h"
#include "hardware/ModuleCatalog.h"
#include "project/CProjTreeNode.h"
#include "project/CQLXFunc.h"
#include "project/CQLXInitData.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"
#include "tests/compiler/ProjectFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Section(uint8_t type, const Bytes& body) {
    Bytes section(6);
    PutLe16(section.data(), static_cast<uint16_t>(6 + body.size()));
    section[2] = type, section[3] = 6, section[4] = type;
    section.insert(section.end(), body.begin(), body.end());
    return section;
}

// The sections 4, 5 and 7 of an image: the module table (count and 6-byte entries), the
// CPU settings after their header and the initial-data records.
struct ImageParts {
    Bytes modules;
    Bytes cpu;
    Bytes initRecords;
};

// CPU settings whose port bytes are 1 to 5 and everything else 0; offsets of the
// settings count from the section header.
Bytes CpuSettings() {
    Bytes body(137, 0);
    for (int k = 0; k < 5; ++k) body[133 - 6 + k] = static_cast<uint8_t>(k + 1);
    return body;
}

// A target image of the layout the PLC keeps: directory, modules, CPU settings, program,
// initial data and monitor lists, with the project CRC in the directory.
Bytes BuildImage(const Bytes& program, const ImageParts& parts, int units) {
    const Bytes modules = Section(4, parts.modules);
    const Bytes cpu = Section(5, parts.cpu);
    const Bytes programSection = Section(6, program);
    Bytes initBody(2);
    PutLe16(initBody.data(), static_cast<uint16_t>(2 + parts.initRecords.size()));
    initBody.insert(initBody.end(), parts.initRecords.begin(), parts.initRecords.end());
    const Bytes initData = Section(7, initBody);
    const Bytes monitor = Section(8, {0, 0});
    Bytes directoryBody(10 + 1 + 5 * units + 2, 0);
    const Bytes* sections[] = {&modules, &cpu, &programSection, &initData, &monitor};
    for (int i = 0; i < 5; ++i) PutLe16(&directoryBody[2 * i], static_cast<uint16_t>(sections[i]->size()));
    directoryBody[10] = static_cast<uint8_t>(units);
    Bytes image = Section(3, directoryBody);
    const size_t d = image.size();
    for (int i = 0; i < 5; ++i) image.insert(image.end(), sections[i]->begin(), sections[i]->end());
    const uint32_t checked = static_cast<uint32_t>(modules.size() + cpu.size() + programSection.size() + initData.size());
    PutLe16(&image[d - 2], Crc16(&image[d], checked));
    return image;
}

// An image of a CPU alone.
Bytes BuildImage(const Bytes& program, uint8_t cpuCode, const Bytes& initRecords, int units) {
    return BuildImage(program, {{1, cpuCode, 0, 0, 0, 0, 0}, CpuSettings(), initRecords}, units);
}

class UploadedImageTest : public testing::Test {
protected:
    void SetUp() override {
        CProjectFixture source("Source");
        source.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR03 %I0.1", "(* NETWORK 1 *)",
                                      "LD %I0.2", "ATCH INT05, 10"});
        source.WritePou("SBR03_Pump", {"(* NETWORK 0 *)", "LD IN1", "ST %Q0.1"},
                        {"VAR_INPUT", "IN1 AT %V100.0 : BOOL;", "END_VAR"});
        source.WritePou("INT05_Tick", {"(* NETWORK 0 *)", "LD %SM0.0", "S %Q0.2"}, {"VAR", "END_VAR"}, 2);
        ASSERT_TRUE(source.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 3, "Pump"},
                                    {CompileUnit::kInterrupt, 5, "Tick"}}))
            << source.shell.CompileText();
        program = source.ObjectBytes();
        // a BYTE row of V0 with 200, an INT row of VW2 with 65535
        const Bytes records = {0x9A, 0x01, 1, 200, 1, 0x9C, 0x01, 2, 0xFF, 0xFF, 2};
        image = BuildImage(program, ModuleCatalog::Row(ModuleCatalog::FirstCpuRow + 3).typeCode, records, 3);
    }

    BOOL Parse(const Bytes& bytes, CQLXProject& project) {
        project.folder = target.Folder().c_str();
        project.transferBytes.SetSize(static_cast<int>(bytes.size()));
        for (size_t i = 0; i < bytes.size(); ++i) project.transferBytes[static_cast<int>(i)] = bytes[i];
        return ParseUploadedImage(project);
    }

    Bytes program;
    Bytes image;
    CProjectFixture target{"Target"};
};

TEST_F(UploadedImageTest, RestoresModulesPousFilesAndInitialData) {
    CQLXProject project;
    ASSERT_TRUE(Parse(image, project));
    ASSERT_EQ(1, project.modules.GetSize());
    const auto* cpu = static_cast<CQLX_R2_PLC*>(project.modules[0]);
    EXPECT_EQ(ModuleCatalog::Row(3).typeCode, cpu->typeCode);
    EXPECT_EQ(1, cpu->port0[PortStation]);
    EXPECT_EQ(3, cpu->port0[PortDataBits]);
    EXPECT_EQ(4, cpu->port0[PortParity]);
    EXPECT_EQ(1, project.hasMain);
    EXPECT_STREQ("(MAIN)  MAIN", project.mainPou.label);
    CObject* node = nullptr;
    ASSERT_TRUE(project.sbrByName.Lookup("SBR_3", node));
    EXPECT_STREQ("(SBR03)  SBR_3", static_cast<CProjTreeNode*>(node)->label);
    CQLXFunc descriptor;
    ASSERT_TRUE(project.GetSubroutineDesc("SBR03", &descriptor));
    EXPECT_EQ(3, descriptor.number);
    ASSERT_EQ(2, descriptor.inputs.GetSize());  // EN and the rebuilt input IN1
    EXPECT_EQ(0x1u | 0xA000 | 0x61FE1000, static_cast<CQLXFBPara*>(descriptor.inputs[1])->flags);
    EXPECT_STREQ("ENO", static_cast<CQLXFBPara*>(descriptor.outputs[0])->name);
    ASSERT_TRUE(project.intByNumber.Lookup(5, node));
    EXPECT_STREQ("(INT05)  INT_5", static_cast<CProjTreeNode*>(node)->label);
    EXPECT_EQ(2, static_cast<CProjTreeNode*>(node)->language);
    for (const char* file : {"MAIN_MAIN.ilp", "SBR03_SBR_3.ilv", "INT05_INT_5.ilp"})
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((target.Folder() + "\\" + file).c_str())) << file;
    ASSERT_EQ(2, project.initDataRows.GetSize());
    const auto* byteRow = static_cast<CQLXInitData*>(project.initDataRows[0]);
    EXPECT_STREQ("B#200", byteRow->texts[1]);
    const auto* wordRow = static_cast<CQLXInitData*>(project.initDataRows[1]);
    EXPECT_EQ(0x10u, wordRow->typeFlags);
    EXPECT_STREQ("65535", wordRow->texts[1]);
}

TEST_F(UploadedImageTest, RestoredProjectCompilesToTheSameProgram) {
    CQLXProject project;
    ASSERT_TRUE(Parse(image, project));
    SetCpuClassReader([] { return 1; });
    ASSERT_TRUE(target.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 3, "SBR_3"},
                                {CompileUnit::kInterrupt, 5, "INT_5"}}))
        << target.shell.CompileText();
    EXPECT_EQ(program, target.ObjectBytes());
}

const ModuleSpec& FirstModule(bool (*matches)(const ModuleSpec&)) {
    for (int row = 0; row < ModuleCatalog::RowCount; ++row)
        if (matches(ModuleCatalog::Row(row))) return ModuleCatalog::Row(row);
    ADD_FAILURE() << "no such module in the catalogue";
    return ModuleCatalog::Row(0);
}

TEST_F(UploadedImageTest, ModuleSettingsComeBackForEveryCpuClass) {
    const ModuleSpec& output16 = FirstModule([](const ModuleSpec& m) {
        return (m.kind & (KindDigitalOutTransistor | KindDigitalOutRelay)) && m.doCount == 16;
    });
    const ModuleSpec& thermocouple = FirstModule([](const ModuleSpec& m) { return m.kind == KindAnalogInThermocouple; });
    const struct { uint8_t cpuCode; int cpuClass; } cpus[] = {{1, 0}, {ModuleCatalog::Row(3).typeCode, 1}, {4, 2}};
    for (const auto& c : cpus) {
        Bytes settings = CpuSettings();
        PutLe16(&settings[8 - 6], static_cast<uint16_t>(MemAreaTable::Get(c.cpuClass, AreaV).base + 100));
        settings[57 - 6 + 2] = 0xA5, settings[57 - 6 + 3] = 0x3C;  // the output module's stop image
        settings[91 - 6] = 0x89;  // thermocouple type 10, setting 1
        const Bytes modules = {3, c.cpuCode, 0, 0, 0, 0, 0, output16.typeCode, 1, 0, 0, 2, 3,
                               thermocouple.typeCode, 2, 0, 1, 0, 0};
        CQLXProject project;
        ASSERT_TRUE(Parse(BuildImage(program, {modules, settings, {}}, 3), project)) << int(c.cpuCode);
        EXPECT_EQ(c.cpuClass, project.cpuClass);
        ASSERT_EQ(3, project.modules.GetSize());
        const auto* cpu = static_cast<CQLX_R2_PLC*>(project.modules[0]);
        EXPECT_EQ(0, cpu->retainRanges[0].area);
        EXPECT_EQ(100, cpu->retainRanges[0].start) << c.cpuClass;
        const auto* outputs = static_cast<CQLX_R2_PLC*>(project.modules[1]);
        for (int channel = 0; channel < 16; ++channel)
            EXPECT_EQ((channel < 8 ? 0xA5u >> channel : 0x3Cu >> (channel - 8)) & 1,
                      outputs->outputHoldFlags[channel / 8][channel % 8]) << channel;
        const auto* inputs = static_cast<CQLX_R2_PLC*>(project.modules[2]);
        EXPECT_EQ(10, inputs->aiSettingsA[0]);
        EXPECT_EQ(1, inputs->aiSettingsB[0]);
        EXPECT_EQ(0, project.initDataRows.GetSize());
    }
}

// The body of a built image section, without its six header bytes.
Bytes SectionBody(const CByteArray& section) {
    return Bytes(section.GetData() + 6, section.GetData() + section.GetSize());
}

// Every stop value the analog output forms can set comes back from the image it was
// built into, the negative ones of the form whose range goes below zero included.
TEST_F(UploadedImageTest, AnalogOutputStopValuesRoundTripSigned) {
    const ModuleSpec& analogOut = FirstModule([](const ModuleSpec& m) { return m.kind == KindAnalogOut; });
    ASSERT_EQ(2, analogOut.aoCount);
    struct Channel {
        int form;
        int value;
    };
    std::vector<Channel> channels;
    for (int form = 0; form < 4; ++form) {
        const StopValueRange& range = AoStopValueRange(form);
        for (int value : {range.low, range.low + 1, range.defaultValue, range.high - 1, range.high})
            channels.push_back({form, value});
    }
    channels.push_back({3, -1});
    channels.push_back({3, 0});
    for (size_t first = 0; first < channels.size(); first += 2) {
        CQLXProject source;
        auto* cpu = new CQLX_R2_PLC;
        cpu->typeCode = 2;
        cpu->kindMask = KindCpu;
        source.modules.Add(cpu);
        auto* module = new CQLX_R2_PLC;
        module->typeCode = analogOut.typeCode;
        module->kindMask = KindAnalogOut;
        module->aoCount = 2;
        module->aqStart = 0;
        module->aqEnd = 3;
        for (int n = 0; n < 2; ++n) {
            const Channel& c = channels[std::min(first + n, channels.size() - 1)];
            module->aoSignalForms[n] = c.form;
            module->aoHoldOnStop[n] = 1;
            module->aoStopValues[n] = c.value;
        }
        source.modules.Add(module);
        source.name = "Built";
        source.folder = target.Folder().c_str();
        std::ofstream(target.Folder() + "\\Built.epl", std::ios::binary)
            .write(reinterpret_cast<const char*>(program.data()), static_cast<std::streamsize>(program.size()));
        ASSERT_TRUE(source.BuildTargetImage());

        CQLXProject project;
        ASSERT_TRUE(Parse(BuildImage(program, {SectionBody(source.imageSection4), SectionBody(source.imageSection5), {}}, 3),
                          project));
        ASSERT_EQ(2, project.modules.GetSize());
        const auto* restored = static_cast<CQLX_R2_PLC*>(project.modules[1]);
        for (int n = 0; n < 2; ++n) {
            EXPECT_EQ(module->aoSignalForms[n], restored->aoSignalForms[n]) << first + n;
            EXPECT_EQ(1, restored->aoHoldOnStop[n]) << first + n;
            EXPECT_EQ(module->aoStopValues[n], restored->aoStopValues[n]) << "form " << module->aoSignalForms[n];
        }
    }
}

TEST_F(UploadedImageTest, CrcCoversSectionsFourToSeven) {
    Bytes changed = image;
    changed[changed.size() - 1] ^= 0xFF;  // section 8
    CQLXProject monitorChanged;
    EXPECT_TRUE(Parse(changed, monitorChanged));

    changed = image;
    changed[GetLe16(image.data()) + 7] ^= 1;  // the CPU's type code
    ScriptedMessageBoxes boxes;
    CQLXProject project;
    EXPECT_FALSE(Parse(changed, project));
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("该文件CRC校验错误！请重新尝试上载操作。", boxes.Calls()[0].text);
    EXPECT_EQ("错误", boxes.Calls()[0].caption);
    EXPECT_EQ(0, project.modules.GetSize());
}

TEST_F(UploadedImageTest, TruncatedAndFlippedImagesFailCleanly) {
    ScriptedMessageBoxes boxes;
    UploadedImageLayout layout;
    ASSERT_TRUE(ReadUploadedImageLayout(image.data(), static_cast<int>(image.size()), layout));
    const size_t monitorStart = static_cast<size_t>(layout.initDataStart + layout.initDataLength);
    for (size_t size = 0; size < monitorStart; ++size) {  // the monitor lists are not read
        CQLXProject project;
        EXPECT_FALSE(Parse(Bytes(image.begin(), image.begin() + size), project)) << size;
    }
    std::mt19937 random(12345);
    for (int run = 0; run < 300; ++run) {
        Bytes flipped = image;
        for (int flips = 1 + run % 4; flips > 0; --flips)
            flipped[random() % flipped.size()] ^= static_cast<uint8_t>(1u << (random() % 8));
        CQLXProject project;
        Parse(flipped, project);  // any answer, but no crash and no read past the data
    }
}

TEST_F(UploadedImageTest, GarbledSectionsWithAValidCrcFailCleanly) {
    // Bit flips inside sections 4 to 7 with the CRC made right again reach every step of
    // the parse: module table, CPU settings, program and initial-data records.
    ScriptedMessageBoxes boxes;
    UploadedImageLayout layout;
    ASSERT_TRUE(ReadUploadedImageLayout(image.data(), static_cast<int>(image.size()), layout));
    const int first = layout.moduleStart;
    const int checked = layout.initDataStart + layout.initDataLength - first;
    std::mt19937 random(4242);
    int parsed = 0;
    const int runs = 250;
    for (int run = 0; run < runs; ++run) {
        Bytes garbled = image;
        for (int flips = 1 + run % 3; flips > 0; --flips)
            garbled[first + random() % checked] ^= static_cast<uint8_t>(1u << (random() % 8));
        PutLe16(&garbled[first - 2], Crc16(&garbled[first], static_cast<uint32_t>(checked)));
        CQLXProject project;
        parsed += Parse(garbled, project) ? 1 : 0;
    }
    EXPECT_GT(parsed, 0);  // flips in values and code still give a project
    EXPECT_LT(parsed, runs);
}

TEST(UploadedImageLayout, EveryLengthIsCheckedAgainstTheData) {
    Bytes image = BuildImage({0x08, 0x00, 0x01, 0x06, 0x01, 0xFF, 0x31, 0x01},
                             ModuleCatalog::Row(0).typeCode, {}, 1);
    UploadedImageLayout layout;
    EXPECT_TRUE(ReadUploadedImageLayout(image.data(), static_cast<int>(image.size()), layout));
    EXPECT_EQ(24, layout.directoryLength);
    EXPECT_FALSE(ReadUploadedImageLayout(image.data(), layout.initDataStart + 3, layout));
    Bytes longSection = image;
    PutLe16(&longSection[10], 0xFFF0);  // section 6 past the end
    EXPECT_FALSE(ReadUploadedImageLayout(longSection.data(), static_cast<int>(longSection.size()), layout));
    Bytes shortDirectory = image;
    PutLe16(shortDirectory.data(), 4);
    EXPECT_FALSE(ReadUploadedImageLayout(shortDirectory.data(), static_cast<int>(shortDirectory.size()), layout));
}

}  // namespace
