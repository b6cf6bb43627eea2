#pragma once
#include "platform/Arrays.h"
#include "platform/CString.h"

struct InstrDesc;
class CPOUEditorDoc;
class CQLXFB;
class CQLXFunc;

// What the ladder elements and the ladder model ask of the open project and of the
// program-wide state: global variables, the online flags, the instruction catalogue and
// the project's function-block instances and program units. The program installs the
// answers of its workspace; until one is installed the stand-in answers "none" (no
// project, no globals, not monitoring) and reads the catalogue itself.
class CLadderEnvironment {
public:
    virtual ~CLadderEnvironment() = default;

    // A global variable named or placed at the text: its declared name and its address
    // (with "%").
    virtual BOOL FindGlobalSymbol(const CString& nameOrAddress, CString& name,
                                  CString& address) const;
    virtual BOOL ShowGlobalNames() const;
    virtual BOOL IsOnlineMonitoring() const;

    // A catalogue record by its exact name (symbol for contacts and coils).
    virtual const InstrDesc* FindInstruction(const CString& name) const;
    // New descriptors filled from the catalogue definition of that name (owned by the
    // caller); null when the catalogue has no function or function block of the name.
    virtual CQLXFunc* NewFunctionDef(const CString& name) const;
    virtual CQLXFB* NewFunctionBlockDef(const CString& name) const;
    // A copy of the call descriptor of the project's subroutine of that name (or call
    // target); null when there is none.
    virtual CQLXFunc* NewSubroutineDesc(const CString& name) const;
    // The POU document being edited (the active document of the main window).
    virtual CPOUEditorDoc* GetActivePOUDocument() const;

    // Function-block instances of the project. AddFBInstance is true when the instance
    // exists afterwards (added now or already there with that type).
    virtual BOOL AddFBInstance(const CString& type, const CString& name, const CString& pou);
    virtual void DeleteFBInstance(const CString& name);
    virtual void GetFBInstancesOf(const CString& pou, CStringArray& types,
                                  CStringArray& names) const;
    virtual void DeleteFBInstancesOf(const CString& pou);

    // A subroutine name as its call target ("SBR%02d").
    virtual BOOL ResolveCallTarget(const CString& name, CString& target) const;
    // An interrupt routine's name to its "INT%02d" form and back.
    virtual BOOL ToggleInterruptName(const CString& text, CString& other) const;
    // Any accepted form of an interrupt routine to its name.
    virtual BOOL TranslateInterruptName(const CString& text, CString& name) const;
};

CLadderEnvironment& LadderEnvironment();
// Installs the environment that later calls answer from; null puts the stand-in back.
// Gives back the one it replaces (null for the stand-in).
CLadderEnvironment* SetLadderEnvironment(CLadderEnvironment* environment);
