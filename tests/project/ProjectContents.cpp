#include "tests/project/ProjectContents.h"

#include "project/CProjTreeNode.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/CQLXInitData.h"
#include "project/CQLXStatus.h"
#include "project/CQLXSymbol.h"
#include "project/CQLX_R2_PLC.h"
#include "project/CStatusInput.h"
#include "project/CSymbolAddrIndex.h"

int ProjectContents::created = 0;
int ProjectContents::deleted = 0;

namespace {

template <class Record>
class Counted : public Record {
public:
    Counted() { ++ProjectContents::created; }
    ~Counted() override { ++ProjectContents::deleted; }
};

void AddSubroutine(CQLXProject& project, const char* name, WORD number) {
    Counted<CProjTreeNode>* node = new Counted<CProjTreeNode>;
    node->name = name;
    project.sbrByName.SetAt(name, node);
    Counted<CQLXFunc>* call = new Counted<CQLXFunc>;
    call->name = name;
    call->number = number;
    project.sbrFuncByName.SetAt(name, call);
    CString upper = name;
    upper.MakeUpper();
    project.sbrFuncByUpperName.SetAt(upper, call);
    project.sbrFuncByNumber.SetAt(number, call);
}

void AddInterrupt(CQLXProject& project, const char* name, WORD number) {
    Counted<CProjTreeNode>* node = new Counted<CProjTreeNode>;
    node->name = name;
    node->number = number;
    project.intByName.SetAt(name, node);
    CString upper = name;
    upper.MakeUpper();
    project.intByUpperName.SetAt(upper, node);
    project.intByNumber.SetAt(number, node);
}

void AddSymbol(CQLXProject& project, const char* name, const char* address) {
    Counted<CQLXSymbol>* symbol = new Counted<CQLXSymbol>;
    symbol->name = name;
    symbol->address = address;
    symbol->index = static_cast<int>(project.symbolList.Add(symbol));
    project.symbolsByKey.SetAt(name, symbol);
    project.symbolsByKey.SetAt(address, symbol);
    CString upper = name;
    upper.MakeUpper();
    project.symbolsByUpperName.SetAt(upper, symbol);
    project.symbolsByName.SetAt(name, symbol);
    project.symbolsByAddress.SetAt(address, symbol);
}

void AddMonitorCell(CQLXProject& project, const char* text, WORD code) {
    Counted<CQLXStatus>* cell = new Counted<CQLXStatus>;
    cell->cellText = text;
    cell->addressCode = code;
    project.MonitorOperandMap.SetAt(text, cell);
    project.monitorCellsByCode.SetAt(code, cell);
}

}  // namespace

void ProjectContents::Fill(CQLXProject& project) {
    AddSubroutine(project, "Fill", 1);
    AddSubroutine(project, "Mix", 2);
    AddInterrupt(project, "Alarm", 0);
    AddInterrupt(project, "Tick", 3);
    AddSymbol(project, "Motor", "%Q0.0");
    AddSymbol(project, "Speed", "%VW10");
    AddSymbol(project, "Level", "%VD20");
    project.duplicateNames.SetAt("MOTOR", new Counted<CSymbolAddrIndex>);
    project.duplicateAddresses.SetAt("%VW10", new Counted<CSymbolAddrIndex>);
    project.initDataRows.Add(new Counted<CQLXInitData>);
    AddMonitorCell(project, "%VB10", 0x01A4);
    AddMonitorCell(project, "%VB11", 0x01A5);
    AddMonitorCell(project, "%T5", 0x1234);
    project.statusRows.Add(new Counted<CStatusInput>);
    project.statusRows.Add(new Counted<CStatusInput>);
    project.fbInstances.Add(new Counted<CQLXFB>);
    project.modules.Add(new Counted<CQLX_R2_PLC>);
    project.modules.Add(nullptr);  // a gap left in the slots
    project.modules.Add(new Counted<CQLX_R2_PLC>);
    project.forceEntries.SetAt("%VB10", new ForceEntry{"%VB10", 0x01A4, 0x202, 5});
    project.AllocateForceImages(5970);
}
