#include "project/NameChecks.h"

#include "project/CPlcWorkspace.h"
#include "project/CQLXSymbol.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class NameChecksTest : public testing::Test {
protected:
    NameChecksTest() {
        AddSymbol("Motor", "%Q0.0");
        AddSymbol("Speed", "%MW4");
    }

    void AddSymbol(const char* name, const char* address) {
        CQLXSymbol* symbol = new CQLXSymbol;
        symbol->name = name;
        symbol->address = address;
        workspace.project.symbolList.Add(symbol);
        workspace.project.symbolsByKey.SetAt(name, symbol);
        workspace.project.symbolsByKey.SetAt(address, symbol);
        CString upper = name;
        upper.MakeUpper();
        workspace.project.symbolsByUpperName.SetAt(upper, symbol);
    }

    CPlcWorkspace workspace;
};

}  // namespace

TEST_F(NameChecksTest, VariableNames) {
    workspace.project.cpuClass = 1;
    struct Case {
        const char* text;
        BOOL asNew;
        BOOL asExisting;
    } cases[] = {
        {"Motor_1", TRUE, TRUE},  {"  Pump ", TRUE, TRUE}, {"1Motor", FALSE, FALSE}, {"__X", FALSE, FALSE},
        {"VW10", FALSE, FALSE},   {"q0.0", FALSE, FALSE},  {"LD", FALSE, FALSE},     {"ld", FALSE, FALSE},
        {"TON", FALSE, FALSE},    {"true", FALSE, FALSE},  {"", FALSE, FALSE},       {"   ", FALSE, FALSE},
        {"Motor", FALSE, TRUE},   {"MOTOR", FALSE, TRUE},  {"speed", FALSE, TRUE},   {"Mo tor", FALSE, FALSE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.asNew, CheckVariableName(c.text, FALSE)) << c.text;
        EXPECT_EQ(c.asExisting, CheckVariableName(c.text, TRUE)) << c.text;
    }
}

TEST_F(NameChecksTest, TimerAndCounterOperandsPerCpuClass) {
    struct Case {
        const char* text;
        BOOL valid[3];
    } cases[] = {
        {"T0", {TRUE, TRUE, TRUE}},       {"t63", {TRUE, TRUE, TRUE}},     {"T64", {FALSE, TRUE, TRUE}},
        {"c127", {FALSE, TRUE, TRUE}},    {"C128", {FALSE, FALSE, FALSE}}, {"RS31", {TRUE, TRUE, FALSE}},
        {"sr15", {TRUE, TRUE, TRUE}},     {"T", {FALSE, FALSE, FALSE}},    {"T5A", {FALSE, FALSE, FALSE}},
        {"T-1", {FALSE, FALSE, FALSE}},   {"%T5", {FALSE, FALSE, FALSE}},  {" T5", {FALSE, FALSE, FALSE}},
        {"TB5", {FALSE, FALSE, FALSE}},   {"V5", {FALSE, FALSE, FALSE}},   {"", {FALSE, FALSE, FALSE}},
    };
    const std::string overlong = "T" + std::string(100, '9');
    const std::string wrapsToZero = "T18446744073709551616";  // 2^64
    for (int cpuClass = 0; cpuClass < 3; ++cpuClass) {
        workspace.project.cpuClass = cpuClass;
        for (const Case& c : cases)
            EXPECT_EQ(c.valid[cpuClass], IsTimerCounterOperand(c.text)) << c.text << " class " << cpuClass;
        EXPECT_FALSE(IsTimerCounterOperand(overlong.c_str()));
        EXPECT_FALSE(IsTimerCounterOperand(wrapsToZero.c_str()));
    }
}

TEST_F(NameChecksTest, InstanceNamesMustFitTheirBlockType) {
    workspace.project.cpuClass = 0;
    struct Case {
        const char* instance;
        const char* type;
        BOOL valid;
    } cases[] = {
        {"T5", "TON", TRUE},     {"t5", "tof", TRUE},     {"T63", "TP", TRUE},    {"T64", "TP", FALSE},
        {"C5", "TON", FALSE},    {"c7", "CTUD", TRUE},    {"C7", "CTD", TRUE},    {"T7", "CTU", FALSE},
        {"RS3", "RS", TRUE},     {"SR3", "RS", FALSE},    {"sr31", "SR", TRUE},   {"T", "TON", FALSE},
        {"T5", "MOVE", FALSE},   {"T5", "", FALSE},       {"T05", "TON", TRUE},   {"T5X", "TON", FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, CheckFBInstanceName(c.instance, c.type)) << c.instance << " " << c.type;
}

TEST_F(NameChecksTest, ForceableOperandsByAddressOrGlobalName) {
    workspace.project.cpuClass = 1;
    struct Case {
        const char* operand;
        BOOL forceable;
    } cases[] = {
        {"%Q0.0", TRUE}, {"vw10", TRUE}, {"Motor", TRUE}, {"Speed", TRUE},
        {"MOTOR", FALSE},  // the symbol keys keep their case
        {"Pump", FALSE}, {"T5", FALSE}, {"%AIW0", TRUE},
    };
    for (const Case& c : cases) {
        OperandDescriptor descriptor = 0;
        EXPECT_EQ(c.forceable, IsForceableOperand(c.operand, descriptor)) << c.operand;
    }
}
