#include "project/CQLXProject.h"

#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/CQLXInitData.h"
#include "project/CQLXSymbol.h"
#include "project/CQLX_R2_PLC.h"
#include "project/CStatusInput.h"
#include "project/OwnedObjects.h"
#include "tests/project/RecordArchive.h"
#include "tests/project/SampleProject.h"

#include <gtest/gtest.h>

namespace {

ByteWriter& Node(ByteWriter& w, const char* name, const char* label, const char* author, int kind, int number,
                 int language) {
    return w.Text(name).Text(label).Text(author).U32(kind).U16(number).U32(language);
}

ByteWriter& Param(ByteWriter& w, const char* name, const char* textA, DWORD flags) {
    return w.Text(name).Text(textA).U32(flags).Text("");
}

template <class Record>
ByteWriter& Append(ByteWriter& w, Record& record) {
    for (uint8_t byte : StoreRecord(record))
        w.U8(byte);
    return w;
}

template <class Record>
Record& At(CObArray& array, INT_PTR i) {
    return *static_cast<Record*>(array[i]);
}

}  // namespace

TEST(ProjectFile, EmptyProjectIsHasMainTheMainNodeAndTenZeroCounts) {
    CQLXProject project;
    project.mainPou = CProjTreeNode(PouMain, 1, 0);
    project.mainPou.name = "MAIN";

    ByteWriter expected;
    expected.U32(0);
    Node(expected, "MAIN", "", "", PouMain, 0, 1);
    for (int i = 0; i < 10; ++i)
        expected.U32(0);
    EXPECT_EQ(expected.Get(), StoreRecord(project));
}

// Every part of the body in its place: the parameters of the whole file share one class
// numbering, the empty slot between the modules and the empty initial-data row are left
// out of their counts.
TEST(ProjectFile, PopulatedProjectBytes) {
    CQLXProject project;
    FillSampleProject(project);

    ByteWriter expected;
    expected.U32(1);
    Node(expected, "MAIN", "主程序", "ann", PouMain, 0, 2);
    expected.U32(1).Text("Fill").U16(1).U16(1).U16(0xFFFF).U16(1).U16(10).Raw("CQLXFBPara");
    Param(expected, "LEVEL", "", 0x2010).U16(0);
    expected.U32(1);
    Node(expected, "Fill", "Fill", "", PouSubroutine, 1, 1);
    expected.U32(1);
    Node(expected, "Alarm", "Alarm", "", PouInterrupt, 2, 2);
    expected.U32(2);
    Append(expected, At<CQLX_R2_PLC>(project.modules, 0));
    Append(expected, At<CQLX_R2_PLC>(project.modules, 2));
    expected.U32(1);
    Append(expected, At<CStatusInput>(project.statusRows, 0));
    expected.U32(3);
    for (int i = 0; i < 3; ++i)
        Append(expected, At<CQLXSymbol>(project.symbolList, i));
    expected.U32(1).Text("TON").Text("T5").Text("").Text("MAIN");
    expected.U16(2).U16(0x8001);
    Param(expected, "IN", "%I0.0", 0x2001).U16(0x8001);
    Param(expected, "PT", "100", 0x2010).U16(1).U16(0x8001);
    Param(expected, "Q", "%Q0.1", 0x4001);
    expected.U32(1);
    Append(expected, At<CQLXInitData>(project.initDataRows, 0));
    expected.U32(32);
    for (int i = 0; i < 32; ++i)
        expected.U8(i);
    expected.U32(12);
    for (int i = 0; i < 12; ++i)
        expected.U8(0xA0 + i);

    EXPECT_EQ(expected.Get(), StoreRecord(project));
}

TEST(ProjectFile, SaveLoadSaveGivesTheSameBytesAndRebuildsTheIndexes) {
    CQLXProject saved;
    FillSampleProject(saved);
    const Bytes first = StoreRecord(saved);

    CQLXProject loaded;
    LoadRecord(loaded, first);
    EXPECT_EQ(first, StoreRecord(loaded));

    EXPECT_EQ(1, loaded.hasMain);
    EXPECT_EQ(0, loaded.cpuClass);  // from the CPU's type code 31
    EXPECT_EQ(2, loaded.modules.GetSize());
    CObject* found = nullptr;
    EXPECT_TRUE(loaded.sbrFuncByNumber.Lookup(1, found) && loaded.sbrFuncByUpperName.Lookup("FILL", found));
    EXPECT_TRUE(loaded.sbrByName.Lookup("Fill", found));
    EXPECT_TRUE(loaded.intByNumber.Lookup(2, found) && loaded.intByUpperName.Lookup("ALARM", found));
    for (const char* key : {"Motor", "%Q0.0", "Speed", "%VW10", "Level", "%VD20"})
        EXPECT_TRUE(loaded.symbolsByKey.Lookup(key, found)) << key;
    EXPECT_TRUE(loaded.symbolsByUpperName.Lookup("LEVEL", found));
    EXPECT_EQ(2, static_cast<CQLXSymbol*>(found)->index);
    EXPECT_TRUE(loaded.symbolsByAddress.Lookup("%VW10", found) && loaded.symbolsByName.Lookup("Speed", found));
    EXPECT_EQ(1, loaded.initDataRows.GetSize());
    EXPECT_EQ(3, At<CQLXFB>(loaded.fbInstances, 0).inputs.GetSize() + At<CQLXFB>(loaded.fbInstances, 0).outputs.GetSize());
}

TEST(ProjectFile, ProjectWithoutModulesLoadsAsCpuClassOne) {
    CQLXProject saved;
    CQLXProject loaded;
    loaded.cpuClass = 2;
    LoadRecord(loaded, StoreRecord(saved));
    EXPECT_EQ(1, loaded.cpuClass);
}

// Names that differ only in case, and a name used twice: every variable of the file is
// kept and saved again, the lookups answer with the later one.
TEST(ProjectFile, GlobalVariablesSharingANameAreAllKept) {
    CQLXProject saved;
    for (const char* name : {"Motor", "MOTOR", "Motor"}) {
        CQLXSymbol* symbol = new CQLXSymbol;
        symbol->name = name;
        symbol->address.Format("%%Q0.%d", static_cast<int>(saved.symbolList.GetSize()));
        saved.symbolList.Add(symbol);
    }
    const Bytes bytes = StoreRecord(saved);

    CQLXProject loaded;
    LoadRecord(loaded, bytes);
    ASSERT_EQ(3, loaded.symbolList.GetSize());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i, At<CQLXSymbol>(loaded.symbolList, i).index);
    CObject* found = nullptr;
    ASSERT_TRUE(loaded.symbolsByUpperName.Lookup("MOTOR", found));
    EXPECT_EQ(loaded.symbolList[2], found);
    ASSERT_TRUE(loaded.symbolsByKey.Lookup("%Q0.1", found));
    EXPECT_EQ(loaded.symbolList[1], found);
    EXPECT_EQ(bytes, StoreRecord(loaded));
}

// Interrupt nodes of a damaged file that repeat a name or a number replace the earlier
// node everywhere, so the number map that owns them holds each node once.
TEST(ProjectFile, RepeatedInterruptNumberReplacesTheEarlierNode) {
    CQLXProject saved;
    for (const char* name : {"Alarm", "Tick"}) {
        CProjTreeNode* node = new CProjTreeNode(PouInterrupt, 1, 3);
        node->name = name;
        saved.intByName.SetAt(name, node);
    }
    CQLXProject loaded;
    LoadRecord(loaded, StoreRecord(saved));
    EXPECT_EQ(1, loaded.intByName.GetCount());
    EXPECT_EQ(1, loaded.intByUpperName.GetCount());
    EXPECT_EQ(1, loaded.intByNumber.GetCount());
    DeleteMapValues(saved.intByName);
}

// Every shortened file and every single flipped bit either loads or throws the archive's
// exception; a reset then leaves an empty project.
TEST(ProjectFile, DamagedBodiesFailCleanly) {
    CQLXProject sample;
    FillSampleProject(sample);
    const Bytes bytes = StoreRecord(sample);

    int failures = 0;
    CQLXProject project;
    auto tryLoad = [&](const Bytes& damaged) {
        if (LoadFailureCause(project, damaged) != CArchiveException::none)
            ++failures;
        project.ResetProject();
        EXPECT_EQ(0, project.modules.GetSize() + project.symbolList.GetSize() + project.fbInstances.GetSize());
    };
    for (size_t length = 0; length < bytes.size(); ++length)
        tryLoad(Bytes(bytes.begin(), bytes.begin() + length));
    EXPECT_EQ(static_cast<int>(bytes.size()), failures);

    for (size_t bit = 0; bit < bytes.size() * 8; ++bit) {
        Bytes flipped = bytes;
        flipped[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
        tryLoad(flipped);
    }
}
