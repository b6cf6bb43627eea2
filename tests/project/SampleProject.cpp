#include "tests/project/SampleProject.h"

#include "hardware/ModuleCatalog.h"
#include "language/OperandDescriptor.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/CQLXInitData.h"
#include "project/CQLXSymbol.h"
#include "project/CQLX_R2_PLC.h"
#include "project/CStatusInput.h"

CQLXFBPara* NewSampleParam(const char* name, DWORD flags, const char* textA) {
    CQLXFBPara* param = new CQLXFBPara;
    param->name = name;
    param->flags = flags;
    param->textA = textA;
    return param;
}

namespace {

CProjTreeNode* NewNode(int kind, const char* name, WORD number, int language) {
    CProjTreeNode* node = new CProjTreeNode(kind, language, number);
    node->name = name;
    node->label = name;
    return node;
}

void AddSymbol(CQLXProject& project, const char* name, const char* address, const char* type, DWORD descriptor,
               const char* comment) {
    CQLXSymbol* symbol = new CQLXSymbol;
    symbol->name = name;
    symbol->address = address;
    symbol->dataType = type;
    symbol->descriptor = descriptor;
    symbol->comment = comment;
    symbol->index = static_cast<int>(project.symbolList.Add(symbol));
}

CQLX_R2_PLC* NewModule(BYTE typeCode, DWORD kind, WORD diCount, WORD doCount) {
    CQLX_R2_PLC* module = new CQLX_R2_PLC;
    module->modelName.Format("M%d", typeCode);
    module->typeCode = typeCode;
    module->kindMask = kind;
    module->diCount = diCount;
    module->doCount = doCount;
    return module;
}

}  // namespace

void FillSampleProject(CQLXProject& project) {
    project.hasMain = 1;
    project.mainPou.kind = PouMain;
    project.mainPou.name = "MAIN";
    project.mainPou.label = "主程序";
    project.mainPou.language = 2;
    project.mainPou.number = 0;
    project.mainPou.author = "ann";

    CQLXFunc* fill = new CQLXFunc;
    fill->name = "Fill";
    fill->number = 1;
    fill->AddInput(NewSampleParam("LEVEL", OD_READ | OD_INT));
    project.AddSubroutineDesc(fill);
    project.sbrByName.SetAt("Fill", NewNode(PouSubroutine, "Fill", 1, 1));
    CProjTreeNode* alarm = NewNode(PouInterrupt, "Alarm", 2, 2);
    project.intByName.SetAt("Alarm", alarm);
    project.intByUpperName.SetAt("ALARM", alarm);
    project.intByNumber.SetAt(2, alarm);

    CQLX_R2_PLC* cpu = NewModule(31, KindCpu, 8, 6);
    cpu->qEnd = 0;
    project.modules.Add(cpu);
    project.modules.Add(nullptr);
    CQLX_R2_PLC* outputs = NewModule(9, KindDigitalOutRelay, 0, 16);
    outputs->qStart = 1;
    outputs->qEnd = 2;
    outputs->outputHoldFlags[1][7] = 1;
    project.modules.Add(outputs);
    project.cpuClass = 0;

    CStatusInput* row = new CStatusInput;
    row->address = "%VW10";
    row->addressCode = 0x01A4;
    row->descriptor = OD_WORD | OD_AREA_V;
    row->displayFormat = DisplaySigned;
    project.statusRows.Add(row);

    AddSymbol(project, "Motor", "%Q0.0", "BOOL", OD_BOOL | OD_AREA_Q, "pump");
    AddSymbol(project, "Speed", "%VW10", "INT", OD_INT | OD_AREA_V, "");
    AddSymbol(project, "Level", "%VD20", "DINT", OD_DINT | OD_AREA_V, "tank");

    CQLXFB* timer = new CQLXFB;
    timer->typeName = "TON";
    timer->instanceName = "T5";
    timer->ownerPou = "MAIN";
    timer->AddInput(NewSampleParam("IN", OD_READ | OD_BOOL, "%I0.0"));
    timer->AddInput(NewSampleParam("PT", OD_READ | OD_INT, "100"));
    timer->AddOutput(NewSampleParam("Q", OD_WRITE | OD_BOOL, "%Q0.1"));
    project.fbInstances.Add(timer);

    CQLXInitData* values = new CQLXInitData;
    values->texts.Add("%VW100");
    values->texts.Add("1");
    values->texts.Add("2");
    values->values.Add(0x01FE);
    values->values.Add(1);
    values->values.Add(2);
    values->typeFlags = OD_WORD;
    project.initDataRows.Add(values);
    CQLXInitData* blank = new CQLXInitData;
    blank->texts.Add("");
    blank->texts.Add("");
    project.initDataRows.Add(blank);

    for (int i = 0; i < 32; ++i)
        project.cpuBlockA.Add(static_cast<BYTE>(i));
    for (int i = 0; i < 12; ++i)
        project.cpuBlockB.Add(static_cast<BYTE>(0xA0 + i));
}
