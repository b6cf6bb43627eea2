#include "tests/editors/ILEditorFixture.h"

#include "project/CProjTreeNode.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXFunc.h"
#include "project/CQLXSymbol.h"

void FakeVarView::GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const {
    for (const Variable& variable : variables) {
        names.Add(variable.name.c_str());
        addresses.Add(variable.address.c_str());
    }
}

BOOL FakeVarView::LookupVariable(const CString& upperName, OperandDescriptor& flags) const {
    for (const Variable& variable : variables) {
        CString name = variable.name.c_str();
        name.MakeUpper();
        if (name == upperName) {
            flags = variable.flags;
            return TRUE;
        }
    }
    return FALSE;
}

void FakeVarView::VarDeclToIL(CStringArray& lines) const {
    if (declarationText.empty()) return;
    lines.RemoveAll();
    for (const std::string& line : declarationText) lines.Add(line.c_str());
}

namespace {
CQLXFBPara* Parameter(const char* name, DWORD flags) {
    CQLXFBPara* parameter = new CQLXFBPara;
    parameter->SetNameAndFlags(name, flags);
    return parameter;
}
}  // namespace

ILEditorTest::ILEditorTest() {
    AddGlobal("START", "%I0.0", "BOOL");
    AddGlobal("VALUE", "%VW10", "INT");
    CQLXFunc* pump = new CQLXFunc;
    pump->name = "PUMP";
    pump->number = 1;
    pump->AddInput(Parameter("EN", 0x2001));
    pump->AddInput(Parameter("SPEED", 0x19FE1000 | 0xA000 | 0x10));
    pump->AddOutput(Parameter("ENO", 0x4001));
    pump->AddOutput(Parameter("DONE", 0x18C0000 | 0x1C000 | 0x1));
    project().AddSubroutineDesc(pump);
    CProjTreeNode* edge = new CProjTreeNode(4, 1, 0);
    edge->name = "EDGE";
    project().intByName.SetAt("EDGE", edge);
    project().intByUpperName.SetAt("EDGE", edge);
    project().intByNumber.SetAt(0, edge);
    document.CreateModel(1);
    Load({"(* Network 0 *)", ""});
}

ILEditorTest::~ILEditorTest() { project().DeleteFBInstancesOf("MAIN"); }

void ILEditorTest::AddGlobal(const char* name, const char* address, const char* type) {
    CQLXSymbol* symbol = new CQLXSymbol;
    symbol->name = name;
    symbol->address = address;
    symbol->dataType = type;
    project().symbolList.Add(symbol);
    project().symbolsByKey.SetAt(name, symbol);
    project().symbolsByKey.SetAt(address, symbol);
    project().symbolsByUpperName.SetAt(name, symbol);
}

void ILEditorTest::Load(const std::vector<std::string>& lines) {
    // As a freshly opened program: no history before the engine's first snapshot.
    while (!model().m_undoList.IsEmpty()) delete model().m_undoList.RemoveHead();
    while (!model().m_redoList.IsEmpty()) delete model().m_redoList.RemoveHead();
    CStringArray& text = model().GetLines();
    text.RemoveAll();
    for (const std::string& line : lines) text.Add(line.c_str());
    engine().OnInitialUpdate();
}

std::vector<std::string> ILEditorTest::Lines() const {
    std::vector<std::string> lines;
    const CStringArray& text = model().GetLines();
    for (int i = 0; i < text.GetSize(); ++i) lines.push_back(text[i].GetString());
    return lines;
}

void ILEditorTest::Type(const std::string& text) {
    for (char ch : text) engine().OnChar(static_cast<unsigned char>(ch), 1, 0);
}

void ILEditorTest::Key(UINT key, bool shift, bool ctrl) {
    BYTE state[256];
    ::GetKeyboardState(state);
    BYTE saved[256];
    memcpy(saved, state, sizeof(state));
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    ::SetKeyboardState(state);
    engine().OnKeyDown(key, 1, 0);
    ::SetKeyboardState(saved);
}
