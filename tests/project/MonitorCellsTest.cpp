#include "project/MonitorCells.h"

#include "language/OperandDescriptor.h"
#include "project/CQLXStatus.h"
#include "tests/support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// First address codes of the areas.
const WORD QBase = 0x0008;
const WORD VBase = 0x019A;
const WORD AIBase = 0x11AA;
const WORD TBase = 0x122A;
const WORD CBase = 0x142A;
const WORD HCBase = 0x162A;

class MonitorCellsTest : public WorkspaceClass1Test {
protected:
    std::vector<std::string> CellTexts() {
        std::vector<std::string> texts;
        POSITION position = workspace.project.MonitorOperandMap.GetStartPosition();
        while (position != nullptr) {
            CString text;
            CObject* cell = nullptr;
            workspace.project.MonitorOperandMap.GetNextAssoc(position, text, cell);
            EXPECT_STREQ(text, static_cast<CQLXStatus*>(cell)->cellText);
            texts.push_back(static_cast<LPCSTR>(text));
        }
        std::sort(texts.begin(), texts.end());
        return texts;
    }

    void SetCell(const char* text, DWORD value, DWORD statusBit = 0) {
        CQLXStatus* cell = new CQLXStatus;
        cell->cellText = text;
        cell->value = value;
        cell->statusBit = statusBit;
        workspace.AddMonitorOperand(text, cell);
    }
};

}  // namespace

TEST_F(MonitorCellsTest, OperandsRegisterTheCellsTheyCover) {
    struct Case {
        const char* operand;
        std::vector<std::string> cells;
    };
    const Case cases[] = {
        {"%I0.3", {"%IB0"}},
        {" sm0.1 ", {"%SMB0"}},
        {"%VW10", {"%VB10", "%VB11"}},
        {"%VD20", {"%VB20", "%VB21", "%VB22", "%VB23"}},
        {"%MB7", {"%MB7"}},
        {"%T5", {"%T5"}},
        {"%C12", {"%C12"}},
        {"%AIW4", {"%AIW4"}},
        {"%HC1", {"%HC1"}},
    };
    for (const Case& c : cases) {
        workspace.ClearMonitorOperands();
        EXPECT_TRUE(AddMonitorCells(c.operand)) << c.operand;
        EXPECT_EQ(c.cells, CellTexts()) << c.operand;
    }
    workspace.ClearMonitorOperands();
    EXPECT_FALSE(AddMonitorCells("%X1"));
    EXPECT_FALSE(AddMonitorCells("Motor"));
    EXPECT_TRUE(CellTexts().empty());
}

TEST_F(MonitorCellsTest, ACellAlreadyRegisteredIsNotAddedAgain) {
    EXPECT_TRUE(AddMonitorCells("%VW10"));
    EXPECT_TRUE(AddMonitorCells("%VB11"));
    EXPECT_EQ((std::vector<std::string>{"%VB10", "%VB11"}), CellTexts());

    workspace.AddMonitorOperand("VB12", new CQLXStatus);  // gets its "%"
    EXPECT_EQ(3, workspace.project.MonitorOperandMap.GetCount());
    workspace.ClearMonitorOperands();
    EXPECT_EQ(0, workspace.project.MonitorOperandMap.GetCount());
}

TEST_F(MonitorCellsTest, CellAddressesGiveTheirWidthClassAndCode) {
    struct Case {
        const char* text;
        int kind;
        WORD code;
        WORD number;
    };
    const Case cases[] = {
        {"%VB10", CellByte, VBase + 10, 10},
        {"vb10", CellByte, VBase + 10, 10},
        {"%QW2", CellWord, QBase + 2, 2},
        {"%AIW6", CellWord, AIBase + 6, 6},
        {"%VD20", CellDword, VBase + 20, 20},
        {"%HC1", CellDword, HCBase + 1, 1},
        {"%T5", CellTimerCounter, TBase + 10, 5},
        {"%C7", CellTimerCounter, CBase + 14, 7},
        {"%XB3", CellNone, 0, 3},
        {"%VB1X", CellNone, 0xFFFF, 0},
        {"%VB", CellNone, 0, 0},
    };
    for (const Case& c : cases) {
        WORD code = 0x5555;
        WORD number = 0;
        EXPECT_EQ(c.kind, workspace.ParseCellAddress(c.text, code, number)) << c.text;
        EXPECT_EQ(c.code, code) << c.text;
        if (c.kind != CellNone) {
            EXPECT_EQ(c.number, number) << c.text;
        }
    }
}

TEST_F(MonitorCellsTest, ValuesAreFormattedByTypeAndOnlineFormat) {
    SetCell("%IB0", 0x08);
    SetCell("%VB10", 0x34);
    SetCell("%VB11", 0x12);
    SetCell("%VB30", 0xFF);
    SetCell("%VB31", 0xFF);
    SetCell("%VB40", 0xFE);
    for (const char* text : {"%VB41", "%VB42", "%VB43"})
        SetCell(text, 0xFF);
    SetCell("%T5", 0xFFFF, 1);
    SetCell("%C3", 7, 0);
    SetCell("%AIW0", 0x8000);
    SetCell("%HC0", static_cast<DWORD>(-5));

    struct Case {
        const char* operand;
        DWORD descriptor;
        int format;
        const char* text;
        DWORD value;
    };
    const Case cases[] = {
        {"%I0.3", OD_BOOL, 0, "1", 1},
        {"%I0.2", OD_BOOL, 2, "0", 0},
        {"%VW10", OD_INT, 0, "4660", 0x1234},
        {"%VW10", OD_WORD, 0, "1234", 0x1234},
        {"%VW10", OD_WORD, 1, "4660", 0x1234},
        {"%VW10", OD_WORD, 2, "1234", 0x1234},
        {"%VW30", OD_INT, 0, "-1", 0xFFFF},
        {"%VW30", OD_INT, 1, "-1", 0xFFFF},
        {"%VW30", OD_INT, 2, "ffff", 0xFFFF},
        {"%VB10", OD_BYTE, 0, "34", 0x34},
        {"%VB10", OD_BYTE, 1, "52", 0x34},
        {"%VD40", OD_DINT, 0, "-2", 0xFFFFFFFE},
        {"%VD40", OD_DWORD, 0, "fffffffe", 0xFFFFFFFE},
        {"%VD40", OD_DWORD, 1, "4294967294", 0xFFFFFFFE},
        {"%T5", OD_AREA_T | OD_INT, 0, "-1", 0xFFFF},
        {"%T5", OD_AREA_T | OD_INT, 2, "ffff", 0xFFFF},
        {"%AIW0", OD_AREA_AI | OD_INT, 1, "-32768", 0x8000},
        {"%HC0", OD_AREA_HC | OD_DINT, 0, "-5", static_cast<DWORD>(-5)},
    };
    for (const Case& c : cases) {
        workspace.onlineFormat = c.format;
        CString text, bitText;
        DWORD value = 0;
        EXPECT_TRUE(FormatMonitorValue(c.operand, text, value, bitText, c.descriptor)) << c.operand;
        EXPECT_STREQ(c.text, text) << c.operand << " format " << c.format;
        EXPECT_EQ(c.value, value) << c.operand;
    }

    CString text, bitText;
    DWORD value = 0;
    EXPECT_TRUE(FormatMonitorValue("t5", text, value, bitText, OD_AREA_T));
    EXPECT_STREQ("1", bitText);
    EXPECT_TRUE(FormatMonitorValue("%C3", text, value, bitText, OD_AREA_C));
    EXPECT_STREQ("0", bitText);
}

TEST_F(MonitorCellsTest, RealValuesChooseTheirFormByMagnitude) {
    struct Case {
        float value;
        const char* prefix;
    };
    const Case cases[] = {{0.0f, "0.000e"}, {1234.5f, "1234.5000000"}, {-2000000.0f, "-2.00000e"}};
    for (const Case& c : cases) {
        workspace.ClearMonitorOperands();
        DWORD bits = 0;
        std::memcpy(&bits, &c.value, sizeof bits);
        for (int i = 0; i < 4; ++i) {
            CString cell;
            cell.Format("%%VB%d", 20 + i);
            SetCell(cell, (bits >> (8 * i)) & 0xFF);
        }
        for (int format : {0, 2}) {
            workspace.onlineFormat = format;
            CString text, bitText;
            DWORD value = 0;
            EXPECT_TRUE(FormatMonitorValue("%VD20", text, value, bitText, OD_REAL));
            EXPECT_EQ(bits, value);
            EXPECT_EQ(0, std::string(text).rfind(c.prefix, 0)) << text;
        }
    }
}

TEST_F(MonitorCellsTest, AMissingCellOrUnknownFormatLeavesTheTextAlone) {
    SetCell("%VB10", 1);
    CString text = "old", bitText;
    DWORD value = 77;
    EXPECT_FALSE(FormatMonitorValue("%VW10", text, value, bitText, OD_INT));  // %VB11 is missing
    EXPECT_FALSE(FormatMonitorValue("  ", text, value, bitText, OD_BYTE));
    EXPECT_STREQ("old", text);
    EXPECT_EQ(77u, value);

    workspace.onlineFormat = 3;
    EXPECT_TRUE(FormatMonitorValue("%VB10", text, value, bitText, OD_BYTE));
    EXPECT_EQ(1u, value);
    EXPECT_STREQ("old", text);
}

TEST_F(MonitorCellsTest, MonitorListsSortCellsByWidthClass) {
    for (const char* operand : {"%VW10", "%T5", "%C2", "%AIW2", "%HC0", "%MB3"})
        AddMonitorCells(operand);
    CQLXProject& project = workspace.project;
    project.BuildMonitorLists();

    auto sorted = [](const CWordArray& codes) {
        std::vector<WORD> list(codes.GetData(), codes.GetData() + codes.GetSize());
        std::sort(list.begin(), list.end());
        return list;
    };
    EXPECT_EQ((std::vector<WORD>{0x0010 + 3, VBase + 10, VBase + 11}), sorted(project.monitorByteCodes));
    EXPECT_EQ((std::vector<WORD>{AIBase + 2}), sorted(project.monitorWordCodes));
    EXPECT_EQ((std::vector<WORD>{TBase + 10, CBase + 4}), sorted(project.monitorTimerCounterCodes));
    EXPECT_EQ((std::vector<WORD>{HCBase}), sorted(project.monitorDwordCodes));
    CObject* cell = nullptr;
    ASSERT_TRUE(project.monitorCellsByCode.Lookup(TBase + 10, cell));
    EXPECT_STREQ("%T5", static_cast<CQLXStatus*>(cell)->cellText);
    EXPECT_EQ(TBase + 10, static_cast<CQLXStatus*>(cell)->addressCode);
}
