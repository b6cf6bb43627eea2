#pragma once
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "language/OperandDescriptor.h"

struct InstrDesc;
class CPOUEditorDoc;
class CQLXFB;
class CQLXFunc;

// What the ladder elements and the ladder model ask of the open project and of the
// program-wide state: global variables, the online flags, the instruction catalogue and
// the project's function-block instances and program units. The program answers from
// its workspace (CWorkspaceLadderEnvironment); tests install their own answers.
class CLadderEnvironment {
public:
    virtual ~CLadderEnvironment() = default;

    // A global variable named or placed at the text: its declared name and its address
    // (with "%").
    virtual BOOL FindGlobalSymbol(const CString& nameOrAddress, CString& name,
                                  CString& address) const = 0;
    // The operand descriptor of a global variable declared under that name: its
    // declared type bit, which may differ from what its address would suggest.
    virtual BOOL FindGlobalDescriptor(const CString& name, OperandDescriptor& descriptor) const = 0;
    virtual BOOL ShowGlobalNames() const = 0;
    virtual BOOL IsOnlineMonitoring() const = 0;

    // A catalogue record by its exact name (symbol for contacts and coils).
    virtual const InstrDesc* FindInstruction(const CString& name) const = 0;
    // New descriptors filled from the catalogue definition of that name (owned by the
    // caller); null when the catalogue has no function or function block of the name.
    virtual CQLXFunc* NewFunctionDef(const CString& name) const = 0;
    virtual CQLXFB* NewFunctionBlockDef(const CString& name) const = 0;
    // A copy of the call descriptor of the project's subroutine of that name (or call
    // target); null when there is none.
    virtual CQLXFunc* NewSubroutineDesc(const CString& name) const = 0;
    // The POU document being edited (the active document of the main window).
    virtual CPOUEditorDoc* GetActivePOUDocument() const = 0;

    // Function-block instances of the project. AddFBInstance is true when the instance
    // was added now; a name the type does not allow, or one already taken, is refused.
    virtual BOOL AddFBInstance(const CString& type, const CString& name,
                               const CString& pou) = 0;
    virtual void DeleteFBInstance(const CString& name) = 0;
    // Gives an instance a new name; a name the type does not allow, or one already
    // taken, is refused.
    virtual BOOL RenameFBInstance(const CString& oldName, const CString& newName) = 0;
    virtual void GetFBInstancesOf(const CString& pou, CStringArray& types,
                                  CStringArray& names) const = 0;
    virtual void DeleteFBInstancesOf(const CString& pou) = 0;

    // A subroutine or interrupt routine name as its call target ("SBR%02d", "INT%02d").
    // A number form is never turned back into a name, which no call accepts.
    virtual BOOL ResolveCallTarget(const CString& name, CString& target) const = 0;
    // An interrupt routine's name to its "INT%02d" form and back.
    virtual BOOL ToggleInterruptName(const CString& text, CString& other) const = 0;
    // Any accepted form of an interrupt routine to its name.
    virtual BOOL TranslateInterruptName(const CString& text, CString& name) const = 0;
};

// The installed environment; the workspace's answers while none is installed.
CLadderEnvironment& LadderEnvironment();
// Installs the environment that later calls answer from; null puts the workspace's
// answers back. Gives back the one it replaces (null for the workspace's).
CLadderEnvironment* SetLadderEnvironment(CLadderEnvironment* environment);
