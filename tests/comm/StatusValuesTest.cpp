#include "comm/ForceTable.h"
#include "comm/StatusForceCommands.h"
#include "comm/StatusValues.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tools/simplc/SampleForceProject.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <string>

namespace {

const DWORD kBit = 0x201, kByte = 0x202, kWord = 0x214, kDword = 0x228, kReal = 0x240;

CStatusInput Row(const char* address, DWORD descriptor, DWORD format, const char* forced) {
    CStatusInput row;
    row.address = address;
    row.descriptor = descriptor;
    row.rowState = 1;
    row.displayFormat = format;
    row.rowTextA = StatusFormatName(format);
    row.rowTextB = forced;
    return row;
}

float AsFloat(DWORD bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

TEST(StatusValues, ForcedValueIsNormalisedToTheFormat) {
    const struct {
        DWORD descriptor;
        DWORD format;
        const char* typed;
        const char* shown;
        DWORD value;
        float number;
        DWORD valid;
    } cases[] = {
        {kWord, DisplayHex, "255", "W#16#ff", 255, 255, 1},
        {kWord, DisplayBinary, "255", "W#2#11111111", 255, 255, 1},
        {kWord, DisplaySigned, "W#65535", "-1", 0xFFFFFFFF, -1, 1},
        {kWord, DisplaySigned, "65535", "65535", 0, 0, 0},  // a plain number is an INT literal
        {kWord, DisplayUnsigned, "W#16#1234", "W#4660", 0x1234, 4660, 1},
        {kByte, DisplayUnsigned, "300", "B#44", 44, 44, 1},
        {kByte, DisplaySigned, "200", "-56", 0xFFFFFFC8, -56, 1},
        {kByte, DisplayBinary, "0", "B#2#0", 0, 0, 1},
        {kDword, DisplaySigned, "-5", "DI#-5", 0xFFFFFFFB, -5, 1},
        {kDword, DisplayUnsigned, "DW#16#FFFFFFFF", "DW#4294967295", 0xFFFFFFFF, 4294967295.0f, 1},
        {kDword, DisplayHex, "DI#-1", "DW#16#ffffffff", 0xFFFFFFFF, 4294967295.0f, 1},
        {kReal, DisplayReal, "1", "1.00000", 0x3F800000, 1, 1},
        {kReal, DisplayReal, "-2.5", "-2.50000", 0xC0200000, -2.5f, 1},
        {kReal, DisplayReal, "DI#-3", "-3.00000", 0xC0400000, -3, 1},
        {kBit, DisplayBool, "TRUE", "2#1", 1, 1, 1},
        {kBit, DisplayBool, "0", "2#0", 0, 0, 1},
        {kWord, DisplayUnsigned, "2.7", "W#2", 2, 2, 1},          // truncated toward zero
        {kWord, DisplaySigned, "-2.7", "-2", 0xFFFFFFFE, -2, 1},
        {kDword, DisplaySigned, "3.0E10", "DI#2147483647", 0x7FFFFFFF, 2147483647.0f, 1},   // saturated
        {kDword, DisplaySigned, "-3.0E10", "DI#-2147483648", 0x80000000, -2147483648.0f, 1},
        {kWord, DisplayHex, "", "", 0, 0, 0},
        {kWord, DisplayHex, "nonsense", "nonsense", 0, 0, 0},
    };
    for (const auto& c : cases) {
        CStatusInput row = Row("%MW4", c.descriptor, c.format, c.typed);
        row.rowValue = row.rowWordB = row.rowWordC = 77;
        ConvertForcedValue(row);
        EXPECT_EQ(c.shown, row.rowTextB) << c.typed;
        EXPECT_EQ(c.value, row.rowValue) << c.typed;
        EXPECT_EQ(c.number, AsFloat(row.rowWordB)) << c.typed;
        EXPECT_EQ(c.valid, row.rowWordC) << c.typed;
    }
}

TEST(StatusValues, TruncationSaturatesAtTheEndsOfTheRange) {
    const struct {
        float real;
        int32_t integer;
    } cases[] = {{2.7f, 2}, {-2.7f, -2}, {3e9f, INT32_MAX}, {-3e9f, INT32_MIN}, {1e38f, INT32_MAX},
                 {-INFINITY, INT32_MIN}, {NAN, 0}, {2147483520.0f, 2147483520}};
    for (const auto& c : cases)
        EXPECT_EQ(c.integer, TruncateToInt32(c.real)) << c.real;
}

TEST(StatusValues, LiveValuesInTheRowFormat) {
    const struct {
        DWORD descriptor;
        DWORD format;
        const char* monitorText;
        DWORD raw;
        const char* shown;
    } cases[] = {
        {kBit, DisplayBool, "1", 1, "2#1"},
        {kWord, DisplayHex, "255", 0xFF, "W#16#ff"},
        {kWord, DisplaySigned, "65535", 0xFFFF, "-1"},
        {kByte, DisplayBinary, "5", 5, "B#2#101"},
        {kDword, DisplaySigned, "x", 0xFFFFFFFE, "DI#-2"},
        {kDword, DisplayUnsigned, "x", 7, "DW#7"},
        {kReal, DisplayReal, "1.5", 0x3FC00000, "1.5"},
        {kBit, DisplayUnsigned, "1", 1, "1"},  // no integer form for a bit
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, StatusLiveValueText(Row("%MW4", c.descriptor, c.format, ""), c.monitorText, c.raw))
            << c.shown;
}

namespace {

class StatusForcing : public PlcLinkFixture {
protected:
    std::vector<ForcedValue> PlcForces() {
        std::vector<ForcedValue> entries;
        EXPECT_TRUE(ParseForceTable(plc.State().forceTable, entries));
        return entries;
    }
    CStatusInput Typed(const char* address, DWORD descriptor, DWORD format, const char* forced, int byte) {
        CStatusInput row = Row(address, descriptor, format, forced);
        row.addressCode = static_cast<WORD>(SampleForceProject::kBaseCode + byte);
        ConvertForcedValue(row);
        return row;
    }
    // The force map as (address, forced value) pairs.
    std::map<std::string, DWORD> Map() {
        std::map<std::string, DWORD> pairs;
        ForceEntryMap& map = project.ForceEntries();
        for (POSITION p = map.GetStartPosition(); p;) {
            CString key;
            ForceEntry* entry = nullptr;
            map.GetNextAssoc(p, key, entry);
            pairs[static_cast<LPCSTR>(key)] = entry->forcedValue;
        }
        return pairs;
    }

    SampleForceProject project;
    volatile LONG monitoring = 0;
    CMonitorPause pause;
    CMutex commLock;
    std::vector<uint8_t> tableBuffer;
    CForcingService service{project, {&monitoring, &pause, &commLock}, tableBuffer};
    CStatusForceCommands commands{service, project};
};

}  // namespace

TEST_F(StatusForcing, ForcingARowEmptiesItsForcedValueAndUnforcingRemovesIt) {
    CStatusInput row = Typed("%MW4", kWord, DisplayHex, "W#16#BEEF", 4);
    ASSERT_TRUE(CStatusForceCommands::CanForce(&row));
    ASSERT_TRUE(commands.ForceRow(row));
    EXPECT_EQ("", row.rowTextB);
    EXPECT_EQ(0u, row.rowWordC);
    EXPECT_FALSE(CStatusForceCommands::CanForce(&row));
    EXPECT_TRUE(CStatusForceCommands::CanUnforce(&row));
    ASSERT_EQ(1u, PlcForces().size());
    EXPECT_EQ(0xBEEFu, PlcForces()[0].value);
    EXPECT_NE(nullptr, project.Forced("%MW4"));  // what the current-value cell marks

    ASSERT_TRUE(commands.UnforceRow(row));
    EXPECT_TRUE(PlcForces().empty());
    EXPECT_EQ(0, project.ForcedCount());
}

TEST_F(StatusForcing, FailedWritesLeaveTheMapAsRead) {
    CStatusInput first = Typed("%MW4", kWord, DisplayUnsigned, "5", 4);
    ASSERT_TRUE(commands.ForceRow(first));  // the PLC now forces %MW4 to 5
    const struct {
        const char* name;
        std::function<bool()> command;
    } cases[] = {
        {"force a new row", [this] {
             CStatusInput row = Typed("%MB8", kByte, DisplayUnsigned, "9", 8);
             return commands.ForceRow(row);
         }},
        {"force the forced row again", [this] {
             CStatusInput row = Typed("%MW4", kWord, DisplayUnsigned, "6", 4);
             return commands.ForceRow(row);
         }},
        {"unforce", [this] {
             CStatusInput row = Typed("%MW4", kWord, DisplayUnsigned, "", 4);
             return commands.UnforceRow(row);
         }},
        {"force all", [this] {
             CStatusInput again = Typed("%MW4", kWord, DisplayUnsigned, "6", 4);
             CStatusInput other = Typed("%MB8", kByte, DisplayUnsigned, "9", 8);
             return commands.ForceAll({&again, &other});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plc.InjectFault(PlcFault::Refuse, 1, 1);  // the read goes through, the write is refused
        EXPECT_FALSE(c.command());
        EXPECT_EQ((std::map<std::string, DWORD>{{"%MW4", 0}}), Map());  // entries read from the PLC carry 0
        EXPECT_EQ(5u, project.Image()[4]);
        EXPECT_EQ(0u, project.Image()[8]);
        ASSERT_EQ(1u, PlcForces().size());
        EXPECT_EQ(5u, PlcForces()[0].value);
    }
}

TEST_F(StatusForcing, ForceAllWritesEveryForceableRowInOneTable) {
    CStatusInput word = Typed("%MW4", kWord, DisplayUnsigned, "7", 4);
    CStatusInput byte = Typed("%MB8", kByte, DisplaySigned, "-1", 8);
    CStatusInput bit = Typed("%M9.0", kBit, DisplayBool, "TRUE", 9);
    CStatusInput empty = Typed("%MB10", kByte, DisplayUnsigned, "", 10);
    CStatusInput invalid = Typed("%MB11", kByte, DisplayUnsigned, "3", 11);
    invalid.rowState = 0;
    ASSERT_TRUE(commands.ForceAll({&word, &byte, &bit, &empty, &invalid, nullptr}));
    const std::vector<ForcedValue> forces = PlcForces();
    ASSERT_EQ(3u, forces.size());
    EXPECT_EQ(kForceBit, forces[0].typeFlags);
    EXPECT_EQ(0xFFu, forces[1].value);
    EXPECT_EQ(7u, forces[2].value);
    for (const CStatusInput* row : {&word, &byte, &bit, &invalid})
        EXPECT_EQ("", row->rowTextB);
}

TEST_F(StatusForcing, ForceAllBeyondATablesCountsWritesNothing) {
    std::vector<CStatusInput> rows;
    for (int i = 0; i < 256; ++i) {
        CString address;
        address.Format("%%M%d.%d", i / 8, i % 8);
        rows.push_back(Typed(address, kBit, DisplayBool, "1", i / 8));
        rows.back().addressCode = static_cast<WORD>(SampleForceProject::kBaseCode + i / 8 + ((i % 8) << 13));
    }
    std::vector<CStatusInput*> pointers;
    for (CStatusInput& row : rows)
        pointers.push_back(&row);
    link.ForgetRequests();
    EXPECT_FALSE(commands.ForceAll(pointers));
    EXPECT_EQ("P", SentLetters());
    EXPECT_EQ(0, project.ForcedCount());
    EXPECT_EQ(0u, project.Image()[0]);
    EXPECT_EQ("2#1", rows[0].rowTextB);  // the typed values stay
}

TEST_F(StatusForcing, ReadAllForcesAppendsRowsInTableOrder) {
    std::vector<uint8_t> table;
    ASSERT_TRUE(BuildForceTable({{SampleForceProject::kBaseCode + 12, kForceReal, 0x3F800000},
                                 {SampleForceProject::kBaseCode + 3 + (5 << 13), kForceBit, 1},
                                 {SampleForceProject::kBaseCode + 4, kForceWord, 9},
                                 {SampleForceProject::kBaseCode + SampleForceProject::kBytes, kForceByte, 1}},  // outside every area
                                table));
    plc.State().forceTable = table;
    std::vector<std::unique_ptr<CStatusInput>> rows;
    ASSERT_TRUE(commands.ReadAllForces(rows));
    ASSERT_EQ(3u, rows.size());
    const struct {
        const char* address;
        DWORD descriptor;
        const char* format;
    } expected[] = {{"%M3.5", kForceBit, "BOOL"}, {"%MW4", kForceWord, "无符号整数"}, {"%MR12", kForceReal, "REAL"}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(expected[i].address, rows[i]->address);
        EXPECT_EQ(expected[i].descriptor, rows[i]->descriptor);
        EXPECT_EQ(expected[i].format, rows[i]->rowTextA);
        EXPECT_EQ(1u, rows[i]->rowState);
    }
}

TEST_F(StatusForcing, CancelAllEmptiesTheMapOnlyWhenThePlcTookIt) {
    CStatusInput row = Typed("%MW4", kWord, DisplayUnsigned, "5", 4);
    ASSERT_TRUE(commands.ForceRow(row));
    plc.InjectFault(PlcFault::Refuse);
    EXPECT_FALSE(commands.CancelAllForces());
    EXPECT_EQ(1, project.ForcedCount());
    ASSERT_TRUE(commands.CancelAllForces());
    EXPECT_EQ(0, project.ForcedCount());
    EXPECT_EQ(0u, project.Image()[4]);
    EXPECT_TRUE(PlcForces().empty());
}
