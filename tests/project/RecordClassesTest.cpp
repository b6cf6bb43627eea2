#include "project/CProjTreeNode.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/CQLXInitData.h"
#include "project/CQLXStatus.h"
#include "project/CQLXSymbol.h"
#include "project/CStatusInput.h"

#include "tests/project/RecordArchive.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

CQLXFBPara* NewParam(const char* name, DWORD flags, const char* textA = "", const char* textB = "") {
    auto* param = new CQLXFBPara;
    param->name = name;
    param->flags = flags;
    param->textA = textA;
    param->textB = textB;
    return param;
}

void ExpectSameParams(const CObArray& expected, const CObArray& actual) {
    ASSERT_EQ(expected.GetSize(), actual.GetSize());
    for (INT_PTR i = 0; i < expected.GetSize(); ++i) {
        const auto* e = static_cast<const CQLXFBPara*>(expected[i]);
        const auto* a = static_cast<const CQLXFBPara*>(actual[i]);
        EXPECT_NE(e, a);
        EXPECT_STREQ(e->name, a->name);
        EXPECT_STREQ(e->textA, a->textA);
        EXPECT_STREQ(e->textB, a->textB);
        EXPECT_EQ(e->flags, a->flags);
    }
}

// TON instance with two inputs and one output.
void FillTimerBlock(CQLXFB& fb) {
    fb.typeName = "TON";
    fb.instanceName = "T1";
    fb.extraText = "";
    fb.ownerPou = "MAIN";
    fb.AddInput(NewParam("IN", 0x2001, "%I0.0"));
    fb.AddInput(NewParam("PT", 0x2010));
    fb.AddOutput(NewParam("Q", 0x4001));
}

}  // namespace

TEST(CQLXSymbol, GoldenBytesAddPercentToTheObjectToo) {
    CQLXSymbol symbol;
    symbol.name = "X1";
    symbol.address = "V0.0";
    symbol.dataType = "BOOL";
    symbol.comment = "注释";
    symbol.descriptor = 0x00820001;
    symbol.conflictMarks = 5;
    symbol.index = 7;

    const Bytes expected = ByteWriter()
        .Text("X1").Text("%V0.0").Text("BOOL").Text("\xD7\xA2\xCA\xCD").U32(0x00820001).Get();
    EXPECT_EQ(expected, StoreRecord(symbol));
    EXPECT_STREQ("%V0.0", symbol.address);
    EXPECT_EQ(expected, StoreRecord(symbol));   // no second "%"

    CQLXSymbol loaded;
    LoadRecord(loaded, expected);
    EXPECT_STREQ("X1", loaded.name);
    EXPECT_STREQ("%V0.0", loaded.address);
    EXPECT_STREQ("BOOL", loaded.dataType);
    EXPECT_STREQ("注释", loaded.comment);
    EXPECT_EQ(0x00820001u, loaded.descriptor);
    EXPECT_EQ(0u, loaded.conflictMarks);
    EXPECT_EQ(-1, loaded.index);
}

TEST(CQLXFB, GoldenBytesTagTheParameterClassOnceThenByNumber) {
    CQLXFB fb;
    FillTimerBlock(fb);
    const Bytes expected = ByteWriter()
        .Text("TON").Text("T1").Text("").Text("MAIN")
        .U16(2)                                                   // inputs
        .U16(0xFFFF).U16(1).U16(10).Raw("CQLXFBPara")             // new class, schema 1
        .Text("IN").Text("%I0.0").U32(0x2001).Text("")
        .U16(0x8001)                                              // class number 1
        .Text("PT").Text("").U32(0x2010).Text("")
        .U16(1)                                                   // outputs
        .U16(0x8001)
        .Text("Q").Text("").U32(0x4001).Text("")
        .Get();
    EXPECT_EQ(expected, StoreRecord(fb));
}

TEST(CQLXFB, RoundTripPutsEveryTextBackInItsField) {
    CQLXFB fb;
    FillTimerBlock(fb);
    fb.extraText = "fourth";
    fb.GetInput(0)->textB = "b";
    CQLXFB loaded;
    LoadRecord(loaded, StoreRecord(fb));
    EXPECT_STREQ("TON", loaded.typeName);
    EXPECT_STREQ("T1", loaded.instanceName);
    EXPECT_STREQ("fourth", loaded.extraText);
    EXPECT_STREQ("MAIN", loaded.ownerPou);
    ExpectSameParams(fb.inputs, loaded.inputs);
    ExpectSameParams(fb.outputs, loaded.outputs);
    EXPECT_TRUE(loaded.GetInput(0)->IsKindOf(RUNTIME_CLASS(CQLXFBPara)));
}

TEST(CQLXFB, TruncatedRecordThrowsTheArchiveException) {
    CQLXFB fb;
    FillTimerBlock(fb);
    Bytes bytes = StoreRecord(fb);
    bytes.resize(bytes.size() - 3);
    CQLXFB loaded;
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailureCause(loaded, bytes));
}

TEST(CQLXFunc, RoundTrip) {
    CQLXFunc func;
    func.name = "泵控制";
    func.number = 3;
    func.AddInput(NewParam("EN", 0x2001));
    func.AddOutput(NewParam("OUT", 0x4004, "%VW0", "x"));
    CQLXFunc loaded;
    LoadRecord(loaded, StoreRecord(func));
    EXPECT_STREQ("泵控制", loaded.name);
    EXPECT_EQ(3, loaded.number);
    ExpectSameParams(func.inputs, loaded.inputs);
    ExpectSameParams(func.outputs, loaded.outputs);
}

TEST(CQLXFB, CopyFromMakesOwnParametersAndIgnoresItself) {
    CQLXFB fb;
    FillTimerBlock(fb);
    fb.GetInput(0)->currentFlags = 0x99;
    CQLXFBPara* first = fb.GetInput(0);

    fb.CopyFrom(fb);
    ASSERT_EQ(2, fb.inputs.GetSize());
    EXPECT_EQ(first, fb.GetInput(0));
    EXPECT_STREQ("IN", first->name);

    CQLXFB copy;
    copy.AddOutput(NewParam("OLD", 0x4001));
    copy.CopyFrom(fb);
    EXPECT_STREQ("TON", copy.GetName());
    EXPECT_STREQ("T1", copy.instanceName);
    EXPECT_STREQ("MAIN", copy.ownerPou);
    ExpectSameParams(fb.inputs, copy.inputs);
    ExpectSameParams(fb.outputs, copy.outputs);
    EXPECT_EQ(0u, copy.GetInput(0)->currentFlags);

    copy.Reset();
    EXPECT_TRUE(copy.typeName.IsEmpty() && copy.instanceName.IsEmpty() && copy.ownerPou.IsEmpty());
    EXPECT_EQ(0, copy.inputs.GetSize());
    EXPECT_EQ(0, copy.GetOutputCount());
}

TEST(CQLXFB, ParameterLookups) {
    CQLXFB fb;
    FillTimerBlock(fb);
    fb.AddOutput(NewParam("IN", 0x4001));   // same name as an input: the input wins
    EXPECT_EQ(fb.GetInput(0), fb.FindParam("  IN "));
    EXPECT_EQ(fb.GetOutput(0), fb.FindParam("Q"));
    EXPECT_EQ(nullptr, fb.FindParam("q"));      // names compare exactly
    EXPECT_EQ(nullptr, fb.FindParam("   "));
    EXPECT_EQ(nullptr, fb.GetInput(2));
    EXPECT_EQ(nullptr, fb.GetInput(-1));
    EXPECT_EQ(nullptr, fb.GetOutput(2));
    EXPECT_EQ(2, fb.GetOutputCount());
}

TEST(CQLXFunc, SettersRefuseBlankNamesAndNumberZero) {
    CQLXFunc func;
    func.SetName("  SUB_A ");
    EXPECT_STREQ("SUB_A", func.name);
    func.SetName("   ");
    EXPECT_STREQ("SUB_A", func.name);
    EXPECT_TRUE(func.SetNumber(5));
    EXPECT_FALSE(func.SetNumber(0));
    EXPECT_EQ(5, func.number);
}

TEST(CQLXFunc, AddParamByFlagsSortsByDirection) {
    const struct { DWORD flags; int inputs, outputs; BOOL added; } cases[] = {
        {0x2001, 1, 0, TRUE}, {0x6001, 1, 0, TRUE}, {0x4001, 0, 1, TRUE}, {0x0001, 0, 0, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        CQLXFunc func;
        std::unique_ptr<CQLXFBPara> param(NewParam("P", c.flags));
        EXPECT_EQ(c.added, func.AddParamByFlags(param.get(), c.flags));
        EXPECT_EQ(c.inputs, func.inputs.GetSize());
        EXPECT_EQ(c.outputs, func.GetOutputCount());
        if (c.added)
            param.release();   // owned by the descriptor now
    }
}

TEST(CQLXFunc, CopyFromAndReset) {
    CQLXFunc func;
    func.name = "S";
    func.number = 2;
    func.AddInput(NewParam("A", 0x2002));
    CQLXFunc copy;
    copy.CopyFrom(func);
    EXPECT_STREQ("S", copy.name);
    EXPECT_EQ(2, copy.number);
    ExpectSameParams(func.inputs, copy.inputs);
    copy.Reset();
    EXPECT_TRUE(copy.name.IsEmpty());
    EXPECT_EQ(0, copy.inputs.GetSize());
    copy.CopyFrom(copy);
    EXPECT_EQ(1, func.inputs.GetSize());
}

TEST(CQLXFBPara, AssignmentKeepsCurrentFlagsAndBlankNamesAreRefused) {
    CQLXFBPara source;
    source.name = "IN";
    source.flags = 0x2001;
    source.textA = "%I0.0";
    source.textB = "b";
    source.currentFlags = 0x11;
    CQLXFBPara target;
    target.currentFlags = 0x22;
    target = source;
    EXPECT_STREQ("IN", target.name);
    EXPECT_STREQ("%I0.0", target.textA);
    EXPECT_STREQ("b", target.textB);
    EXPECT_EQ(0x2001u, target.GetFlags());
    EXPECT_EQ(0x22u, target.currentFlags);

    EXPECT_FALSE(target.SetNameAndFlags("   ", 0x4001));
    EXPECT_STREQ("IN", target.name);
    EXPECT_EQ(0x2001u, target.flags);
    EXPECT_TRUE(target.SetNameAndFlags(" PT ", 0x2010));
    EXPECT_STREQ("PT", target.name);
    EXPECT_EQ(0x2010u, target.flags);
}

TEST(CQLXStatus, RoundTripKeepsTextAndCodeOnly) {
    CQLXStatus cell;
    cell.cellText = "%VB10";
    cell.addressCode = 0x01A4;
    cell.statusBit = 1;
    cell.value = 99;
    const Bytes bytes = StoreRecord(cell);
    EXPECT_EQ(ByteWriter().Text("%VB10").U16(0x01A4).Get(), bytes);
    CQLXStatus loaded;
    LoadRecord(loaded, bytes);
    EXPECT_STREQ("%VB10", loaded.cellText);
    EXPECT_EQ(0x01A4, loaded.addressCode);
    EXPECT_EQ(0u, loaded.statusBit);
    EXPECT_EQ(0u, loaded.value);
}

TEST(CQLXInitData, RoundTripInFieldOrder) {
    CQLXInitData row;
    row.texts.Add("%VW0");
    row.texts.Add("100");
    row.values.Add(0x019A);
    row.values.Add(100);
    row.valueMap.SetAt(1, 2);
    row.typeFlags = 0x04;
    row.rowWord = 0xDEADBEEF;
    const Bytes expected = ByteWriter()
        .U16(2).Text("%VW0").Text("100")
        .U16(2).U32(0x019A).U32(100)
        .U16(1).U32(1).U32(2)
        .U32(0x04).U32(0xDEADBEEF).Get();
    EXPECT_EQ(expected, StoreRecord(row));

    CQLXInitData loaded;
    LoadRecord(loaded, expected);
    ASSERT_EQ(2, loaded.texts.GetSize());
    EXPECT_STREQ("100", loaded.texts[1]);
    ASSERT_EQ(2, loaded.values.GetSize());
    EXPECT_EQ(0x019Au, loaded.values[0]);
    DWORD mapped = 0;
    EXPECT_TRUE(loaded.valueMap.Lookup(1, mapped));
    EXPECT_EQ(2u, mapped);
    EXPECT_EQ(0x04u, loaded.typeFlags);
    EXPECT_EQ(0xDEADBEEFu, loaded.rowWord);
}

TEST(CProjTreeNode, RoundTripAndClear) {
    CProjTreeNode node(PouSubroutine, 2, 7);
    node.name = "泵";
    node.label = "SBR07";
    node.author = "作者";
    node.scratchText = "scratch";
    const Bytes bytes = StoreRecord(node);
    EXPECT_EQ(ByteWriter().Text("\xB1\xC3").Text("SBR07").Text("\xD7\xF7\xD5\xDF")
                  .U32(3).U16(7).U32(2).Get(),
              bytes);
    CProjTreeNode loaded;
    LoadRecord(loaded, bytes);
    EXPECT_EQ(PouSubroutine, loaded.kind);
    EXPECT_EQ(2, loaded.language);
    EXPECT_EQ(7, loaded.number);
    EXPECT_STREQ("泵", loaded.name);
    EXPECT_STREQ("SBR07", loaded.label);
    EXPECT_STREQ("作者", loaded.author);
    EXPECT_TRUE(loaded.scratchText.IsEmpty());

    node.Clear();
    EXPECT_EQ(-1, node.kind);
    EXPECT_EQ(-1, node.language);
    EXPECT_EQ(0xFFFF, node.number);
    EXPECT_TRUE(node.name.IsEmpty() && node.label.IsEmpty() && node.author.IsEmpty() &&
                node.scratchText.IsEmpty());
}

TEST(CStatusInput, RoundTripInFieldOrder) {
    CStatusInput row;
    row.address = "%MB0";
    row.rowTextA = "a";
    row.rowTextB = "b";
    row.addressCode = 0x10;
    row.descriptor = 0x00080002;
    row.rowState = 1;
    row.displayFormat = DisplayHex;
    row.rowValue = 0x12345678;
    row.rowWordB = 2;
    row.rowWordC = 3;
    const Bytes expected = ByteWriter().Text("%MB0").Text("a").Text("b").U16(0x10)
        .U32(0x00080002).U32(1).U32(0x20).U32(0x12345678).U32(2).U32(3).Get();
    EXPECT_EQ(expected, StoreRecord(row));

    CStatusInput loaded;
    LoadRecord(loaded, expected);
    EXPECT_STREQ("%MB0", loaded.address);
    EXPECT_STREQ("a", loaded.rowTextA);
    EXPECT_STREQ("b", loaded.rowTextB);
    EXPECT_EQ(0x10, loaded.addressCode);
    EXPECT_EQ(0x00080002u, loaded.descriptor);
    EXPECT_EQ(1u, loaded.rowState);
    EXPECT_EQ(0x20u, loaded.displayFormat);
    EXPECT_EQ(0x12345678u, loaded.rowValue);
    EXPECT_EQ(2u, loaded.rowWordB);
    EXPECT_EQ(3u, loaded.rowWordC);
}
