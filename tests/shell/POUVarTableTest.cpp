#include "platform/CCPGridCore.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXFunc.h"
#include "shell/tables/GlobalVarTable.h"
#include "shell/tables/POUVarTable.h"
#include "shell/tables/PouVarFile.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WorkspaceFixture.h"

#include <string>

namespace {

class POUVarRules : public WorkspaceClass1Test {
protected:
    POUVarRules() {
        for (int col = 0; col < 5; ++col)
            grid.AddCol(100, "", 0, 0);
    }
    // Name, kind, type and comment of a row, committed as typed.
    void Declare(CPOUVarTable& t, int row, const char* name, const char* type, const char* kind = "VAR") {
        t.Commit(CPOUVarTable::ColKind, row, kind);
        t.Commit(CPOUVarTable::ColType, row, type);
        t.Commit(CPOUVarTable::ColName, row, name);
    }
    std::string Address(int row) { return table.RowAt(row)->address.GetString(); }
    std::string Rows(const CPOUVarTable& t) {
        std::string text;
        for (int i = 0; i < t.GetRowCount(); ++i) {
            const PouVarRow* row = t.RowAt(i);
            text += std::string(i ? "|" : "") + row->name.GetString() + "/" + row->kind.GetString() + "/" +
                    row->dataType.GetString() + "/" + row->address.GetString() + (row->complete ? "" : "!");
        }
        return text;
    }

    CCPGridCore grid;
    CPOUVarTable table{grid, &workspace.project};
};

TEST_F(POUVarRules, NewTablesStartWithTheirKinds) {
    table.SetSubroutine(true);
    table.SetRowCount(4);
    EXPECT_EQ(Rows(table), "/VAR_INPUT/BOOL/!|/VAR_IN_OUT/BOOL/!|/VAR_OUTPUT/BOOL/!|/VAR/BOOL/!");
    table.Commit(CPOUVarTable::ColKind, 3, "VAR_OUTPUT");
    table.SetRowCount(5);  // a later row continues the last kind
    EXPECT_EQ(table.RowAt(4)->kind, "VAR_OUTPUT");
    CCPGridCore otherGrid;
    CPOUVarTable main(otherGrid, &workspace.project);
    main.SetRowCount(20);
    EXPECT_EQ(main.GetRowCount(), 16);
    EXPECT_EQ(otherGrid.GetGridRowCount(), 16);
    EXPECT_EQ(main.RowAt(0)->kind, "VAR");
    EXPECT_FALSE(main.InsertRows(0, 1, 0));  // full
    CStringArray kinds;
    main.GetKindChoices(kinds);
    EXPECT_EQ(kinds.GetSize(), 1);
}

TEST_F(POUVarRules, LocalAddressesAreAllocatedReleasedAndReused) {
    table.SetRowCount(9);
    struct Case { const char* name; const char* type; const char* address; bool room; };
    const Case cases[] = {
        {"ALPHA", "BOOL", "%L0.0", true}, {"BRAVO", "BYTE", "%LB4", true},  {"CHARLY", "WORD", "%LW6", true},
        {"DELTA", "WORD", "%LW8", true},  {"ECHO", "INT", "%LW10", true},  {"FOXTROT", "WORD", "%LW12", true},
        {"GOLF", "WORD", "%LW14", true}, {"HOTEL", "WORD", "", false},     {"INDIA", "BOOL", "%L0.1", true},
    };
    for (int row = 0; row < 9; ++row) {
        Declare(table, row, cases[row].name, cases[row].type);
        EXPECT_EQ(Address(row), cases[row].address) << cases[row].name;
        EXPECT_EQ(table.RowAt(row)->addressRoom, cases[row].room) << cases[row].name;
    }
    CString text;
    int mark = 0;
    table.GetCellText(CPOUVarTable::ColType, 7, text, mark);
    EXPECT_EQ(mark, CPMarkError);  // H's type cells are marked
    grid.SetSelectRange(CPOUVarTable::ColName, CPOUVarTable::ColName, 0, 0);
    table.ClearSelection();  // A's name emptied: %L0.0 is free again
    EXPECT_EQ(Address(0), "");
    table.Commit(CPOUVarTable::ColName, 7, "HOTEL");  // still no word room
    EXPECT_EQ(Address(7), "");
    table.Commit(CPOUVarTable::ColType, 7, "BOOL");
    EXPECT_EQ(Address(7), "%L0.0");
    table.Commit(CPOUVarTable::ColType, 1, "DINT");  // B gives back %LB4 and finds no double word
    EXPECT_EQ(Address(1), "");
    table.Commit(CPOUVarTable::ColType, 1, "BYTE");
    EXPECT_EQ(Address(1), "%LB4");
    EXPECT_EQ(workspace.project.cpuBlockA.GetSize(), 32);
    EXPECT_EQ(workspace.project.cpuBlockB.GetSize(), 12);
}

TEST_F(POUVarRules, NamesOfGlobalsAndSharedNamesAreRefused) {
    CCPGridCore globalGrid;
    CGlobalVarTable globals(workspace.project, globalGrid);
    globals.SetRowCount(1);
    globals.Commit(0, 0, "START");
    globals.Commit(1, 0, "%I0.0");
    table.SetRowCount(4);
    Declare(table, 0, "start", "BOOL");
    EXPECT_FALSE(table.RowAt(0)->nameValid);
    EXPECT_EQ(Address(0), "");
    Declare(table, 1, "X", "BOOL");
    Declare(table, 2, "X", "INT");
    EXPECT_FALSE(table.RowAt(1)->nameValid);  // both marked
    EXPECT_FALSE(table.RowAt(2)->nameValid);
    EXPECT_EQ(Address(1), "");
    Declare(table, 3, "X", "BOOL");  // a third joins
    table.Commit(CPOUVarTable::ColName, 2, "Y");
    EXPECT_FALSE(table.RowAt(1)->nameValid);
    table.Commit(CPOUVarTable::ColName, 3, "Z");  // the group falls to one: X is checked again
    EXPECT_TRUE(table.RowAt(1)->complete);
    EXPECT_EQ(Rows(table), "start/VAR/BOOL/!|X/VAR/BOOL/%L0.0|Y/VAR/INT/%LW4|Z/VAR/BOOL/%L0.1");
    OperandDescriptor flags = 0;
    EXPECT_TRUE(table.LookupVariable("X", flags));
    EXPECT_EQ(flags, DWORD(OD_BOOL | VarInLocalArea | VarKindLocal));
}

TEST_F(POUVarRules, NamesDifferingInCaseKeepTheirOwnLookup) {
    table.SetRowCount(4);
    Declare(table, 0, "abc", "BOOL");
    Declare(table, 1, "ABC", "INT");
    table.Commit(CPOUVarTable::ColName, 0, "other");
    OperandDescriptor flags = 0;
    ASSERT_TRUE(table.LookupVariable("ABC", flags));
    EXPECT_EQ(flags & OD_TYPE_MASK, DWORD(OD_INT));
    EXPECT_TRUE(table.LookupVariable("OTHER", flags));
    grid.SetSelectRange(0, 4, 1, 1);
    table.ClearSelection();  // whole row deleted
    EXPECT_FALSE(table.LookupVariable("ABC", flags));
    EXPECT_TRUE(table.LookupVariable("OTHER", flags));
}

TEST_F(POUVarRules, InsertedRowsCopyTheFocusedRowAndDeletesGiveAddressesBack) {
    table.SetRowCount(3);
    Declare(table, 0, "A", "INT");
    Declare(table, 1, "B", "INT");
    EXPECT_TRUE(table.InsertRows(1, 2, 0));
    EXPECT_EQ(Rows(table), "A/VAR/INT/%LW4|/VAR/INT/!|/VAR/INT/!|B/VAR/INT/%LW6|/VAR/BOOL/!");
    EXPECT_FALSE(table.InsertRows(6, 1, 0));
    EXPECT_TRUE(table.DeleteRows(0, 1));
    Declare(table, 0, "C", "INT");  // A's word is free again
    EXPECT_EQ(Address(0), "%LW4");
    EXPECT_TRUE(table.DeleteRows(0, 4));  // every row: one stays
    EXPECT_EQ(table.GetRowCount(), 1);
    EXPECT_FALSE(table.DeleteRows(0, 1));
}

// ---- The variable file ---------------------------------------------------------------

TEST_F(POUVarRules, VariableFileRoundTrips) {
    table.SetSubroutine(true);
    table.SetRowCount(6);
    Declare(table, 0, "SPEED", "INT", "VAR_INPUT");
    Declare(table, 1, "DONE", "BOOL", "VAR_OUTPUT");
    Declare(table, 2, "TMP", "REAL");
    Declare(table, 3, "BOTH", "BYTE", "VAR_IN_OUT");
    table.Commit(CPOUVarTable::ColComment, 0, "速度");
    CStringArray lines;
    table.GetDeclarations(lines, true);
    const char* expected[] = {
        "VAR_INPUT", "    SPEED  AT  %LW4 : INT ; (* 速度 *) ", "END_VAR",
        "VAR_IN_OUT", "    BOTH  AT  %LB10 : BYTE ; (*  *) ", "END_VAR",
        "VAR_OUTPUT", "    DONE  AT  %L0.0 : BOOL ; (*  *) ", "END_VAR",
        "VAR", "    TMP  AT  %LD6 : REAL ; (*  *) ", "END_VAR",
    };
    ASSERT_EQ(lines.GetSize(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(lines[i], expected[i]) << i;

    TempFolder folder;
    CString path = (folder / "SBR_PUMP.ilv").c_str();
    ASSERT_TRUE(WritePouVarFile(path, lines));
    CStringArray read;
    ReadPouVarFile(path, read);
    // Read back, every address of the file is given back first and then taken afresh
    // in file order, so no two variables share a byte (TMP's old %LD6 covered %LB6).
    CCPGridCore otherGrid;
    CPOUVarTable copy(otherGrid, &workspace.project);
    copy.ReadDeclarations(read);
    EXPECT_EQ(Rows(copy), "SPEED/VAR_INPUT/INT/%LW4|BOTH/VAR_IN_OUT/BYTE/%LB6|DONE/VAR_OUTPUT/BOOL/%L0.0|TMP/VAR/REAL/%LD8");
    EXPECT_EQ(copy.RowAt(0)->comment, "速度");
    EXPECT_EQ(otherGrid.GetGridRowCount(), 4);
}

TEST_F(POUVarRules, ReadingKeepsWhatItCannotPlace) {
    CStringArray lines;
    for (const char* line : {"  ", "DATA  AT  %LB9 : BYTE ; (* x *)", "VAR", "  ATOM AT %LW4 : WORD ; (* 测试 *)",
                             "   ODD  AT  %LB5 : STRING ; (* kept *)", "not a declaration", "END_VAR",
                             "VAR_INPUT", "IN1 AT %L1.1 : BOOL ;", "END_VAR"})
        lines.Add(line);
    table.ReadDeclarations(lines);
    // A line outside a section has no kind: read, but not complete.
    EXPECT_EQ(Rows(table), "DATA//BYTE/!|ATOM/VAR/WORD/%LW4|ODD/VAR/STRING/%LB5!|IN1/VAR_INPUT/BOOL/%L0.0");
    EXPECT_EQ(table.RowAt(0)->comment, "x");
    EXPECT_EQ(table.RowAt(1)->comment, "测试");
    EXPECT_EQ(table.RowAt(3)->comment, "");
}

TEST_F(POUVarRules, AFileThatCannotBeMadeIsReported) {
    ScriptedMessageBoxes boxes;
    CStringArray lines;
    EXPECT_FALSE(WritePouVarFile("C:\\no such folder\\x\\SBR_A.ilv", lines));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "无效的文件路径！");
    EXPECT_EQ(boxes.Calls()[0].caption, "错误");
    EXPECT_EQ(boxes.Calls()[0].type, UINT(MB_OK | MB_ICONSTOP));
}

TEST_F(POUVarRules, ParameterListOfASubroutine) {
    auto* descriptor = new CQLXFunc;
    descriptor->SetName("PUMP");
    descriptor->SetNumber(1);
    workspace.project.AddSubroutineDesc(descriptor);
    table.SetSubroutine(true);
    table.SetRowCount(5);
    Declare(table, 0, "SPEED", "INT", "VAR_INPUT");
    Declare(table, 1, "LEVEL", "REAL", "VAR_IN_OUT");
    Declare(table, 2, "DONE", "BOOL", "VAR_OUTPUT");
    Declare(table, 3, "MOTOR", "BOOL", "VAR_INPUT");
    Declare(table, 4, "TMP", "DINT");
    EXPECT_FALSE(table.BuildParamList("NOPE"));
    ASSERT_TRUE(table.BuildParamList("PUMP"));
    struct Param { const char* name; DWORD flags; };
    const Param inputs[] = {
        {"EN", 0x2001},
        {"SPEED", OD_INT | VarInLocalArea | VarKindInput | 0x19FE1000},
        {"MOTOR", OD_BOOL | VarInLocalArea | VarKindInput | 0x61FE1000},
        {"LEVEL", OD_REAL | VarInLocalArea | VarKindInOut | 0x1800000},
    };
    const Param outputs[] = {{"ENO", 0x4001}, {"DONE", OD_BOOL | VarInLocalArea | VarKindOutput | 0x18C0000}};
    ASSERT_EQ(descriptor->inputs.GetSize(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(descriptor->GetInput(i)->name, inputs[i].name);
        EXPECT_EQ(descriptor->GetInput(i)->flags, inputs[i].flags) << inputs[i].name;
    }
    ASSERT_EQ(descriptor->outputs.GetSize(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(descriptor->GetOutput(i)->name, outputs[i].name);
        EXPECT_EQ(descriptor->GetOutput(i)->flags, outputs[i].flags) << outputs[i].name;
    }
}

}  // namespace
