#include "hardware/ConfigurationCheck.h"

#include "tests/hardware/FakeHardwareCheckHost.h"
#include "tests/hardware/ModuleListBuilder.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct CheckCase {
    const char* name;
    int cpuClass;
    std::function<void(ModuleListBuilder&)> build;
    const char* message;   // null: the check passes
    const char* caption;
    UINT icon;
    std::vector<std::string> calls;   // what the window is asked after the message
};

const UINT Stop = MB_ICONSTOP;
const UINT Info = MB_ICONINFORMATION;
const char* const Gap = "在硬件配置中两个PLC模块之间不允许有空位置！";

// Catalogue codes used below.
enum : uint8_t {
    Cpu241 = 1, Cpu241Ex = 33, Cpu243 = 2, Cpu245 = 4, Di8 = 6, Di16 = 8, Do8 = 9, Do16 = 10,
    Dio16 = 16, Ai4 = 18, Tc4 = 20, Ao2 = 23, AiAo = 24,
};

const CheckCase Cases[] = {
    {"empty list", 1, [](ModuleListBuilder&) {}, nullptr, nullptr, 0, {}},
    {"gap between modules", 1,
     [](ModuleListBuilder& b) { b.Add(Cpu243); b.AddGap(); b.Add(Di8); },
     Gap, "错误", Stop, {"activate", "cell 2,1", "tab 2"}},
    {"empty CPU slot with modules behind", 1,
     [](ModuleListBuilder& b) { b.AddGap(); b.Add(Di8); },
     Gap, "错误", Stop, {"activate", "cell 1,1", "tab 1"}},
    {"CPU241 own points count: 6 DO + 8 DO", 0,
     [](ModuleListBuilder& b) { b.Add(Cpu241); b.Add(Do8); },
     "DO点数超出限制！\r\nCPU241允许的最大DO点数量为8点！", "提示", Info, {"activate"}},
    {"CPU241 DI before DO", 0,
     [](ModuleListBuilder& b) { b.Add(Cpu241); b.Add(Dio16); },
     "DI点数超出限制！\r\nCPU241允许的最大DI点数量为8点！", "提示", Info, {"activate"}},
    {"CPU243 with four 16-point DO modules reaches 74 DO", 1,
     [](ModuleListBuilder& b) { b.Add(Cpu243); b.AddMany(Do16, 4); },
     "DO点数超出限制！\r\nCPU243允许的最大DO点数量为64点！", "提示", Info, {"activate"}},
    {"CPU241Ex takes the CPU243 limit and text", 1,
     [](ModuleListBuilder& b) { b.Add(Cpu241Ex); b.AddMany(Di16, 4); },
     "DI点数超出限制！\r\nCPU243允许的最大DI点数量为64点！", "提示", Info, {"activate"}},
    {"CPU243 AI limit", 1,
     [](ModuleListBuilder& b) { b.Add(Cpu243); b.AddMany(Ai4, 5); },
     "AI点数超出限制！\r\nCPU243允许的最大AI点数为16点！", "提示", Info, {"activate"}},
    {"combined analog module counts in the AI total", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         b.AddMany(Tc4, 3);
         CQLX_R2_PLC& both = b.Add(AiAo);
         both.aiStart = 24, both.aiEnd = 31, both.aqStart = 0, both.aqEnd = 1;
     },
     nullptr, nullptr, 0, {}},
    {"combined analog module tips the AI total", 1,
     [](ModuleListBuilder& b) { b.Add(Cpu243); b.AddMany(Tc4, 4); b.Add(AiAo); },
     "AI点数超出限制！\r\nCPU243允许的最大AI点数为16点！", "提示", Info, {"activate"}},
    {"combined analog module tips the AO total", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         b.AddMany(Ao2, 8);
         b.Add(AiAo);
     },
     "AO点数超出限制！\r\nCPU243允许的最大AO点数为16点！", "提示", Info, {"activate"}},
    {"CPU245 DI limit", 2,
     [](ModuleListBuilder& b) { b.Add(Cpu245); b.AddMany(Di16, 15); },
     "DI点数超出限制！\r\nCPU245允许的最大DI点数量为256点！", "提示", Info, {"activate"}},
    {"first module with an unknown code has no limits", 1,
     [](ModuleListBuilder& b) {
         CQLX_R2_PLC& first = b.Add(Di8);
         first.diCount = 500;
     },
     nullptr, nullptr, 0, {}},
    {"I range past the high bound", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         CQLX_R2_PLC& di = b.Add(Di16);
         di.iStart = 7, di.iEnd = 8;
     },
     "模块2的I区地址超出允许范围！", "错误", Stop, {"activate", "cell 2,1", "tab 2"}},
    {"Q range past the high bound", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         CQLX_R2_PLC& out = b.Add(Do8);
         out.qStart = out.qEnd = 8;
     },
     "模块2的Q区地址超出允许范围！", "错误", Stop, {"activate", "cell 2,2", "tab 2"}},
    {"odd AI start", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         CQLX_R2_PLC& ai = b.Add(Ai4);
         ai.aiStart = 3, ai.aiEnd = 10;
     },
     "模块2的AI区起始地址必须为偶数！", "错误", Stop, {"activate", "cell 2,1", "tab 2"}},
    {"even AI start with free bytes passes", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         CQLX_R2_PLC& ai = b.Add(Ai4);
         ai.aiStart = 2, ai.aiEnd = 9;
     },
     nullptr, nullptr, 0, {}},
    {"odd AQ start reads AO", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         CQLX_R2_PLC& ao = b.Add(Ao2);
         ao.aqStart = 1, ao.aqEnd = 4;
     },
     "模块2的AO区起始地址必须为偶数！", "错误", Stop, {"activate", "cell 2,2", "tab 2"}},
    {"second DI module moved onto the first", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         b.Add(Di8);
         CQLX_R2_PLC& second = b.Add(Di8);
         second.iStart = second.iEnd = 2;
     },
     "模块3的I区地址重叠！", "错误", Stop, {"activate", "cell 3,1", "tab 3"}},
    {"third module's outputs overlap", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         b.Add(Do8);
         CQLX_R2_PLC& third = b.Add(Do16);
         third.qStart = 1, third.qEnd = 2;
     },
     "模块3的Q区地址重叠！", "错误", Stop, {"activate", "cell 3,2", "tab 3"}},
    {"two AO modules on the same bytes", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         b.Add(Ao2);
         CQLX_R2_PLC& second = b.Add(Ao2);
         second.aqStart = 0, second.aqEnd = 3;
     },
     "模块3的AQ区地址重叠！", "错误", Stop, {"activate", "cell 3,2", "tab 3"}},
    {"combined analog module overlaps in AI", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         b.Add(Ai4);
         CQLX_R2_PLC& both = b.Add(AiAo);
         both.aiStart = 6, both.aiEnd = 13;
     },
     "模块3的AI区地址重叠！", "错误", Stop, {"activate", "cell 3,1", "tab 3"}},
    {"combined analog module overlaps in AQ", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         b.Add(Ao2);
         CQLX_R2_PLC& both = b.Add(AiAo);
         both.aiStart = 0, both.aiEnd = 7, both.aqStart = 2, both.aqEnd = 3;
     },
     "模块3的AQ区地址重叠！", "错误", Stop, {"activate", "cell 3,2", "tab 3"}},
    {"a start above its end marks nothing", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         CQLX_R2_PLC& odd = b.Add(Di8);
         odd.iStart = 5, odd.iEnd = 4;
         CQLX_R2_PLC& other = b.Add(Di16);
         other.iStart = 4, other.iEnd = 5;
     },
     nullptr, nullptr, 0, {}},
    {"earlier slot reported first, I before Q", 1,
     [](ModuleListBuilder& b) {
         b.Add(Cpu243);
         CQLX_R2_PLC& dio = b.Add(Dio16);
         dio.iStart = 1, dio.iEnd = 1, dio.qStart = 0, dio.qEnd = 0;
     },
     "模块2的I区地址重叠！", "错误", Stop, {"activate", "cell 2,1", "tab 2"}},
    {"class 0 has no analog areas to test", 0,
     [](ModuleListBuilder& b) {
         CQLX_R2_PLC& cpu = b.Add(Cpu241);
         cpu.typeCode = 40;   // not in the settings table: no point limits either
         CQLX_R2_PLC& ai = b.Add(Ai4);
         ai.aiStart = 3, ai.aiEnd = 60;
     },
     nullptr, nullptr, 0, {}},
};

}  // namespace

TEST(ConfigurationCheck, RulesGiveMessageSlotColumnAndTab) {
    for (const CheckCase& c : Cases) {
        SCOPED_TRACE(c.name);
        CQLXProject project;
        project.cpuClass = c.cpuClass;
        ModuleListBuilder builder(project);
        c.build(builder);
        FakeHardwareCheckHost host(project);
        ScriptedMessageBoxes boxes;

        const bool passed = CheckHardwareConfig(host);

        EXPECT_EQ(c.message == nullptr, passed);
        if (c.message == nullptr) {
            EXPECT_TRUE(boxes.Calls().empty());
        } else if (boxes.Calls().size() == 1) {
            EXPECT_EQ(c.message, boxes.Calls()[0].text);
            EXPECT_EQ(c.caption, boxes.Calls()[0].caption);
            EXPECT_EQ(MB_OK | c.icon, boxes.Calls()[0].type);
        } else {
            ADD_FAILURE() << boxes.Calls().size() << " message boxes";
        }
        EXPECT_EQ(c.calls, host.calls);
    }
}

TEST(ConfigurationCheck, GapIsFoundBeforeFormsAreAsked) {
    CQLXProject project;
    ModuleListBuilder builder(project);
    builder.Add(Cpu243);
    builder.AddGap();
    builder.Add(Di8);
    FakeHardwareCheckHost host(project);
    FakeForm cpuForm;
    host.forms[1] = &cpuForm;
    ScriptedMessageBoxes boxes;

    EXPECT_FALSE(CheckHardwareConfig(host));
    EXPECT_EQ(0, cpuForm.applied);
    EXPECT_TRUE(host.askedTabs.empty());
}

TEST(ConfigurationCheck, FormsWriteBackInTabOrderSkippingTabsWithoutForm) {
    CQLXProject project;
    ModuleListBuilder builder(project);
    builder.Add(Cpu243);
    builder.Add(AiAo);   // no form: a placeholder tab
    builder.Add(Do8);
    FakeHardwareCheckHost host(project);
    FakeForm cpuForm, doForm;
    host.forms[1] = &cpuForm;
    host.forms[3] = &doForm;
    ScriptedMessageBoxes boxes;

    EXPECT_TRUE(CheckHardwareConfig(host));
    EXPECT_EQ((std::vector<int>{1, 2, 3}), host.askedTabs);
    EXPECT_EQ(1, cpuForm.applied);
    EXPECT_EQ(1, doForm.applied);
}

TEST(ConfigurationCheck, RefusingCpuPageIsBroughtToFrontWithoutAMessageOfItsOwn) {
    CQLXProject project;
    ModuleListBuilder builder(project);
    builder.Add(Cpu243);
    builder.Add(Do8);
    FakeHardwareCheckHost host(project);
    FakeForm cpuForm(2), doForm;
    host.forms[1] = &cpuForm;
    host.forms[2] = &doForm;
    ScriptedMessageBoxes boxes;

    EXPECT_FALSE(CheckHardwareConfig(host));
    EXPECT_EQ(0, doForm.applied);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ((std::vector<std::string>{"activate", "tab 1", "cell 1,1", "page 2"}), host.calls);
}

namespace {
CQLX_R2_PLC* g_movedModule = nullptr;
}

TEST(ConfigurationCheck, AddressesAreCheckedAsTheFormsWroteThem) {
    CQLXProject project;
    ModuleListBuilder builder(project);
    builder.Add(Cpu243);
    builder.Add(Do8);
    g_movedModule = &builder.Add(Do8);
    FakeHardwareCheckHost host(project);
    FakeForm form;
    form.onApply = [] { g_movedModule->qStart = g_movedModule->qEnd = 2; };
    host.forms[3] = &form;
    ScriptedMessageBoxes boxes;

    EXPECT_FALSE(CheckHardwareConfig(host));
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("模块3的Q区地址重叠！", boxes.Calls()[0].text);
}
