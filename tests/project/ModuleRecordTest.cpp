#include "project/CQLX_R2_PLC.h"

#include "hardware/ModuleCatalog.h"
#include "project/SharedConstants.h"
#include "tests/project/RecordArchive.h"

#include <gtest/gtest.h>

namespace {

// Offset of doCount in a record whose two texts are empty: texts 2, type and kind 5,
// ports 10, CPU byte 1, retentive ranges 20, CPU word 4, CPU tables 24, DI block 4,
// stop states 64, filters 2.
constexpr size_t DoCountOffset = 136;

// Every saved field set to a value of its own.
void FillEveryField(CQLX_R2_PLC& plc, WORD outputs) {
    plc.modelName = "R252-16DT";
    plc.typeCode = 10;
    plc.kindMask = KindDigitalOutTransistor;
    plc.description = "QM252, DO 16*DC24V";
    for (int i = 0; i < PortSettingCount; ++i) {
        plc.port0[i] = static_cast<BYTE>(10 + i);
        plc.port1[i] = static_cast<BYTE>(20 + i);
    }
    plc.cpuParamByte = 7;
    for (int i = 0; i < 4; ++i)
        plc.retainRanges[i] = {static_cast<BYTE>(i & 1), static_cast<WORD>(100 + i), static_cast<WORD>(300 + i)};
    plc.cpuParamWord = 0x01020304;
    for (int t = 0; t < 3; ++t)
        for (int i = 0; i < 8; ++i)
            plc.cpuParamTables[t][i] = static_cast<BYTE>(t * 8 + i + 1);
    plc.diCount = 24;
    plc.iStart = 1;
    plc.iEnd = 3;
    for (int g = 0; g < 2; ++g)
        for (int i = 0; i < 8; ++i)
            plc.cpuOutputStopStates[g][i] = g * 8 + i + 1;
    plc.inputFilters[0] = 3;
    plc.inputFilters[1] = 4;
    plc.doCount = outputs;
    plc.qStart = 2;
    plc.qEnd = 3;
    for (int g = 0; g < CQLX_R2_PLC::HoldGroupCount; ++g)
        for (int i = 0; i < 8; ++i)
            plc.outputHoldFlags[g][i] = 0x100 + g * 8 + i;
    plc.aiCount = 4;
    plc.aiStart = 4;
    plc.aiEnd = 11;
    for (int i = 0; i < 4; ++i) {
        plc.aiSettingsA[i] = static_cast<BYTE>(i + 5);
        plc.aiSettingsB[i] = static_cast<BYTE>(i + 1);
    }
    plc.aoCount = 2;
    plc.aqStart = 6;
    plc.aqEnd = 9;
    for (int i = 0; i < 2; ++i) {
        plc.aoSignalForms[i] = static_cast<BYTE>(i + 2);
        plc.aoHoldOnStop[i] = i;
        plc.aoStopValues[i] = -4000 * (i + 1);
    }
}

Bytes WithDoCount(Bytes bytes, WORD outputs, size_t extraBytes) {
    bytes[DoCountOffset] = static_cast<uint8_t>(outputs);
    bytes[DoCountOffset + 1] = static_cast<uint8_t>(outputs >> 8);
    bytes.insert(bytes.begin() + DoCountOffset + 4, extraBytes, 0xAB);
    return bytes;
}

}  // namespace

TEST(CQLX_R2_PLC, FreshRecordStoresItsDefaults) {
    CQLX_R2_PLC plc;
    const Bytes bytes = StoreRecord(plc);
    ASSERT_EQ(2u + 172u, bytes.size());
    const Bytes head = ByteWriter()
        .Text("").U8(255).U32(0).Text("")
        .U8(1).U8(2).U8(1).U8(0).U8(0)      // port 0: station, baud, data bits, parity, stop bits
        .U8(1).U8(2).U8(1).U8(0).U8(0)
        .U8(10)
        .U8(0).U16(0).U16(0).U8(0).U16(0).U16(0).U8(1).U16(0).U16(0).U8(1).U16(0).U16(0)
        .Get();
    EXPECT_EQ(head, Bytes(bytes.begin(), bytes.begin() + head.size()));
    EXPECT_EQ(0, bytes[DoCountOffset]);
    // Input filters 1 and 1 just before the output count.
    EXPECT_EQ(1, bytes[DoCountOffset - 2]);
    EXPECT_EQ(1, bytes[DoCountOffset - 1]);
}

TEST(CQLX_R2_PLC, DefaultPortReadsAsTheStandardLineSettings) {
    CQLX_R2_PLC plc;
    EXPECT_EQ(1, plc.port0[PortStation]);
    EXPECT_STREQ("9600", BaudRateNames[plc.port0[PortBaud]]);
    EXPECT_STREQ("无校验", ParityNames[plc.port0[PortParity]]);
    EXPECT_STREQ("8", DataBitsNames[plc.port0[PortDataBits]]);
    EXPECT_STREQ("1", StopBitsNames[plc.port0[PortStopBits]]);
    EXPECT_STREQ(AppKeyName, RegistryKeyName);
}

TEST(CQLX_R2_PLC, SizeGrowsByOneHoldGroupPerEightOutputs) {
    const struct { WORD outputs; size_t size; } cases[] = {
        {0, 172}, {1, 204}, {8, 204}, {9, 236}, {16, 236}, {32, 300},
    };
    for (const auto& c : cases) {
        CQLX_R2_PLC plc;
        plc.doCount = c.outputs;
        EXPECT_EQ(2u + c.size, StoreRecord(plc).size()) << c.outputs;
    }
}

TEST(CQLX_R2_PLC, RoundTripRestoresEverySavedField) {
    for (WORD outputs : {0, 8, 16, 32}) {
        SCOPED_TRACE(outputs);
        CQLX_R2_PLC plc;
        FillEveryField(plc, outputs);
        const Bytes bytes = StoreRecord(plc);
        CQLX_R2_PLC loaded;
        LoadRecord(loaded, bytes);
        EXPECT_EQ(bytes, StoreRecord(loaded));
        EXPECT_STREQ(plc.modelName, loaded.modelName);
        EXPECT_STREQ(plc.description, loaded.description);
        EXPECT_EQ(0, memcmp(plc.port0, loaded.port0, sizeof plc.port0));
        EXPECT_EQ(0, memcmp(plc.port1, loaded.port1, sizeof plc.port1));
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(plc.retainRanges[i].area, loaded.retainRanges[i].area);
            EXPECT_EQ(plc.retainRanges[i].start, loaded.retainRanges[i].start);
            EXPECT_EQ(plc.retainRanges[i].length, loaded.retainRanges[i].length);
        }
        EXPECT_EQ(0, memcmp(plc.cpuParamTables, loaded.cpuParamTables, sizeof plc.cpuParamTables));
        EXPECT_EQ(0, memcmp(plc.cpuOutputStopStates, loaded.cpuOutputStopStates, sizeof plc.cpuOutputStopStates));
        const int groups = (outputs + 7) / 8;
        for (int g = 0; g < CQLX_R2_PLC::HoldGroupCount; ++g)
            for (int i = 0; i < 8; ++i)
                EXPECT_EQ(g < groups ? plc.outputHoldFlags[g][i] : 0u, loaded.outputHoldFlags[g][i]);
        EXPECT_EQ(0, memcmp(plc.aoStopValues, loaded.aoStopValues, sizeof plc.aoStopValues));
        EXPECT_EQ(-8000, loaded.aoStopValues[1]);
    }
}

TEST(CQLX_R2_PLC, RecordWithMoreOutputsThanItHoldsIsRefused) {
    CQLX_R2_PLC plc;
    FillEveryField(plc, 32);
    plc.modelName.Empty();
    plc.description.Empty();
    const Bytes fourGroups = StoreRecord(plc);
    // 33 outputs announce a fifth group, which the record has no room for.
    const Bytes fiveGroups = WithDoCount(fourGroups, 33, 32);
    CQLX_R2_PLC loaded;
    EXPECT_EQ(CArchiveException::badIndex, LoadFailureCause(loaded, fiveGroups));
    EXPECT_EQ(CArchiveException::badIndex, LoadFailureCause(loaded, WithDoCount(fourGroups, 0xFFFF, 0)));
    EXPECT_EQ(CArchiveException::none, LoadFailureCause(loaded, fourGroups));

    // Storing such a record would read past the field as well.
    plc.doCount = 33;
    try {
        StoreRecord(plc);
        ADD_FAILURE() << "stored a record with 33 outputs";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::badIndex, e->m_cause);
        e->Delete();
    }
}

TEST(CQLX_R2_PLC, InitFromSpecCopiesIdentityAndClearsChannelSettings) {
    CQLX_R2_PLC plc;
    FillEveryField(plc, 32);
    plc.aiCount = 0;
    plc.InitFromSpec(*ModuleCatalog::FindByCode(10));   // R252-16DT: 16 outputs
    EXPECT_STREQ("R252-16DT", plc.modelName);
    EXPECT_STREQ("QM252, DO 16*DC24V", plc.description);
    EXPECT_EQ(10, plc.typeCode);
    EXPECT_EQ(KindDigitalOutTransistor, plc.kindMask);
    EXPECT_EQ(0, plc.diCount);
    EXPECT_EQ(16, plc.doCount);
    EXPECT_EQ(0, plc.aiCount);
    EXPECT_EQ(0, plc.aoCount);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(0u, plc.outputHoldFlags[0][i]);
        EXPECT_EQ(0u, plc.outputHoldFlags[1][i]);
        EXPECT_NE(0u, plc.outputHoldFlags[2][i]);   // beyond the module's outputs
        EXPECT_EQ(0u, plc.cpuOutputStopStates[0][i]);
        EXPECT_EQ(0u, plc.cpuOutputStopStates[1][i]);
    }
    EXPECT_EQ(1, plc.inputFilters[0]);
    EXPECT_EQ(1, plc.inputFilters[1]);
    EXPECT_EQ(5, plc.aiSettingsA[0]);   // no analog channels: left alone
    EXPECT_EQ(2, plc.aoSignalForms[0]);

    plc.InitFromSpec(*ModuleCatalog::FindByCode(24));   // 4 analog inputs, 1 analog output
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(0, plc.aiSettingsA[i]);
        EXPECT_EQ(0, plc.aiSettingsB[i]);
    }
    EXPECT_EQ(0, plc.aoSignalForms[0]);
    EXPECT_EQ(0u, plc.aoHoldOnStop[0]);
    EXPECT_EQ(3, plc.aoSignalForms[1]);
    EXPECT_EQ(1u, plc.aoHoldOnStop[1]);
}
