#include "ladder/WorkspaceLadderEnvironment.h"

#include <memory>

#include "editors/POUEditorDoc.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinThread.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/CQLXSymbol.h"

namespace {
// A box shows each pin's live value as the pin's own type until the editor narrows it.
void StartCurrentFlags(FBParamLists& params) {
    for (CObArray* pins : {&params.inputs, &params.outputs}) {
        for (INT_PTR i = 0; i < pins->GetSize(); ++i) {
            CQLXFBPara* pin = static_cast<CQLXFBPara*>(pins->GetAt(i));
            pin->SetCurrentFlags(pin->GetFlags());
        }
    }
}

// The descriptor copied from the catalogue or the project; null when getDefinition
// finds none.
template <class Definition, class Lookup>
Definition* NewCopy(Lookup getDefinition) {
    std::unique_ptr<Definition> definition(new Definition);
    if (!theWorkspace || !getDefinition(*definition)) return nullptr;
    StartCurrentFlags(*definition);
    return definition.release();
}
}  // namespace

BOOL CWorkspaceLadderEnvironment::FindGlobalSymbol(const CString& nameOrAddress,
                                                   CString& name, CString& address) const {
    CQLXSymbol* symbol = nullptr;
    if (!theWorkspace || !theWorkspace->FindGlobalSymbol(nameOrAddress, symbol) || !symbol)
        return FALSE;
    name = symbol->name;
    address = symbol->address;
    return TRUE;
}

BOOL CWorkspaceLadderEnvironment::FindGlobalDescriptor(const CString& name,
                                                       OperandDescriptor& descriptor) const {
    CQLXSymbol* symbol = nullptr;
    if (name.Find('%') >= 0 || !theWorkspace || !theWorkspace->FindGlobalSymbol(name, symbol) ||
        !symbol)
        return FALSE;
    descriptor = symbol->descriptor;
    return TRUE;
}

BOOL CWorkspaceLadderEnvironment::ShowGlobalNames() const {
    return theWorkspace && theWorkspace->showGlobalNames;
}

BOOL CWorkspaceLadderEnvironment::IsOnlineMonitoring() const {
    return theWorkspace && theWorkspace->onlineMonitoring;
}

const InstrDesc* CWorkspaceLadderEnvironment::FindInstruction(const CString& name) const {
    void* record = nullptr;
    if (!theWorkspace || !theWorkspace->instrByName.Lookup(name, record)) return nullptr;
    return static_cast<const InstrDesc*>(record);
}

CQLXFunc* CWorkspaceLadderEnvironment::NewFunctionDef(const CString& name) const {
    return NewCopy<CQLXFunc>(
        [&](CQLXFunc& function) { return theWorkspace->GetFuncDef(name, function); });
}

CQLXFB* CWorkspaceLadderEnvironment::NewFunctionBlockDef(const CString& name) const {
    return NewCopy<CQLXFB>([&](CQLXFB& block) { return theWorkspace->GetFBDef(name, block); });
}

CQLXFunc* CWorkspaceLadderEnvironment::NewSubroutineDesc(const CString& name) const {
    return NewCopy<CQLXFunc>([&](CQLXFunc& subroutine) {
        return theWorkspace->project.GetSubroutineDesc(name, &subroutine);
    });
}

CPOUEditorDoc* CWorkspaceLadderEnvironment::GetActivePOUDocument() const {
    CFrameWnd* mainFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    CFrameWnd* frame = mainFrame ? mainFrame->GetActiveFrame() : nullptr;
    CDocument* document = frame ? frame->GetActiveDocument() : nullptr;
    return dynamic_cast<CPOUEditorDoc*>(document);
}

BOOL CWorkspaceLadderEnvironment::AddFBInstance(const CString& type, const CString& name,
                                                const CString& pou) {
    return theWorkspace && theWorkspace->project.AddFBInstance(name, type, pou);
}

void CWorkspaceLadderEnvironment::DeleteFBInstance(const CString& name) {
    if (theWorkspace) theWorkspace->project.DeleteFBInstance(name);
}

BOOL CWorkspaceLadderEnvironment::RenameFBInstance(const CString& oldName,
                                                   const CString& newName) {
    return theWorkspace && theWorkspace->project.RenameFBInstance(oldName, newName);
}

void CWorkspaceLadderEnvironment::GetFBInstancesOf(const CString& pou, CStringArray& types,
                                                   CStringArray& names) const {
    if (theWorkspace) theWorkspace->project.GetFBInstancesOf(pou, names, types);
}

void CWorkspaceLadderEnvironment::DeleteFBInstancesOf(const CString& pou) {
    if (theWorkspace) theWorkspace->project.DeleteFBInstancesOf(pou);
}

BOOL CWorkspaceLadderEnvironment::ResolveCallTarget(const CString& name,
                                                    CString& target) const {
    if (!theWorkspace) return FALSE;
    const CQLXProject& project = theWorkspace->project;
    return project.TranslateSubroutineName(name, target, TRUE) ||
           project.TranslateInterruptName(name, target, TRUE);
}

BOOL CWorkspaceLadderEnvironment::ToggleInterruptName(const CString& text,
                                                      CString& other) const {
    return theWorkspace && theWorkspace->project.ToggleInterruptName(text, other);
}

BOOL CWorkspaceLadderEnvironment::TranslateInterruptName(const CString& text,
                                                         CString& name) const {
    return theWorkspace && theWorkspace->project.TranslateInterruptName(text, name, FALSE);
}
