#pragma once
#include "ladder/LadderEnvironment.h"

// The ladder environment of the running program: every answer comes from theWorkspace
// (its project, catalogue and online flags) and from the main window's active document.
// Without a workspace there is no project, no catalogue and no monitoring.
class CWorkspaceLadderEnvironment : public CLadderEnvironment {
public:
    BOOL FindGlobalSymbol(const CString& nameOrAddress, CString& name,
                          CString& address) const override;
    BOOL FindGlobalDescriptor(const CString& name, OperandDescriptor& descriptor) const override;
    BOOL ShowGlobalNames() const override;
    BOOL IsOnlineMonitoring() const override;

    const InstrDesc* FindInstruction(const CString& name) const override;
    CQLXFunc* NewFunctionDef(const CString& name) const override;
    CQLXFB* NewFunctionBlockDef(const CString& name) const override;
    CQLXFunc* NewSubroutineDesc(const CString& name) const override;
    CPOUEditorDoc* GetActivePOUDocument() const override;

    BOOL AddFBInstance(const CString& type, const CString& name, const CString& pou) override;
    void DeleteFBInstance(const CString& name) override;
    BOOL RenameFBInstance(const CString& oldName, const CString& newName) override;
    void GetFBInstancesOf(const CString& pou, CStringArray& types,
                          CStringArray& names) const override;
    void DeleteFBInstancesOf(const CString& pou) override;

    BOOL ResolveCallTarget(const CString& name, CString& target) const override;
    BOOL ToggleInterruptName(const CString& text, CString& other) const override;
    BOOL TranslateInterruptName(const CString& text, CString& name) const override;
};
