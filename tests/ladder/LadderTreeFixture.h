#pragma once
#include <map>
#include <string>
#include <vector>

#include "ladder/Block.h"
#include "ladder/Coil.h"
#include "ladder/Contact.h"
#include "ladder/LogicNode.h"
#include "ladder/WorkspaceLadderEnvironment.h"
#include "tests/support/WorkspaceFixture.h"

// Global variables, online flags, FB instances and program units for the ladder tests,
// installed while the object lives; the catalogue is the workspace's.
class FakeLadderEnvironment : public CWorkspaceLadderEnvironment {
public:
    FakeLadderEnvironment() { m_previous = SetLadderEnvironment(this); }
    ~FakeLadderEnvironment() override { SetLadderEnvironment(m_previous); }

    BOOL FindGlobalSymbol(const CString& nameOrAddress, CString& name,
                          CString& address) const override;
    BOOL FindGlobalDescriptor(const CString& name, OperandDescriptor& descriptor) const override;
    BOOL ShowGlobalNames() const override { return showGlobalNames; }
    BOOL IsOnlineMonitoring() const override { return monitoring; }
    BOOL AddFBInstance(const CString& type, const CString& name, const CString& pou) override;
    void DeleteFBInstance(const CString& name) override;
    BOOL RenameFBInstance(const CString& oldName, const CString& newName) override;
    void GetFBInstancesOf(const CString& pou, CStringArray& types,
                          CStringArray& names) const override;
    void DeleteFBInstancesOf(const CString& pou) override;
    BOOL ResolveCallTarget(const CString& name, CString& target) const override;
    BOOL ToggleInterruptName(const CString& text, CString& other) const override;
    BOOL TranslateInterruptName(const CString& text, CString& name) const override;
    CQLXFunc* NewSubroutineDesc(const CString& name) const override;
    CPOUEditorDoc* GetActivePOUDocument() const override { return activeDocument; }

    std::map<std::string, std::string> globals;  // upper-cased name -> address with "%"
    std::map<std::string, OperandDescriptor> globalTypes;  // upper-cased name -> descriptor
    BOOL showGlobalNames = FALSE;
    BOOL monitoring = FALSE;
    struct Instance {
        std::string type, pou;
    };
    std::map<std::string, Instance> instances;  // upper-cased instance name
    std::map<std::string, int> subroutines;      // name -> number
    std::map<std::string, int> interrupts;       // name -> number
    // Subroutine parameters by subroutine name: input names, then output names.
    std::map<std::string, std::pair<std::vector<std::string>, std::vector<std::string>>>
        subroutineParams;
    CPOUEditorDoc* activeDocument = nullptr;

private:
    CLadderEnvironment* m_previous = nullptr;
};

// Builders for hand-made trees.
CContact* MakeContact(const char* operand, const char* symbol = "-| |-",
                      int linkType = LINK_SERIES);
CCoil* MakeCoil(const char* operand, const char* symbol = "-( )", int linkType = LINK_SERIES);
// A box of a catalogue function or function block (with an instance name), or else of
// a subroutine call, with its pin operands, inputs and outputs from pin 1.
CBlock* MakeBox(const char* name, std::vector<const char*> inputs,
                std::vector<const char*> outputs, const char* instance = nullptr);
// Links child as the series or parallel child of parent and gives parent back.
CLadderElement* Series(CLadderElement* parent, CLadderElement* child);
CLadderElement* Below(CLadderElement* parent, CLadderElement* child);
CLogicNode* SeriesNode(CLadderElement* left, CLadderElement* right);
CLogicNode* ParallelNode(CLadderElement* upper, CLadderElement* lower);

// A compact text of a tree's shape: a contact by its operand with the symbol's middle in
// front ("a", "/a", "Ia", "/Ia", "NOT"), "^" after a leaf of link type 2; "a>b" for a
// series child; "a|(b)" for a parallel child; S(left,right) and P(upper,lower) for
// nodes; a coil as middle:operand=logic with ";" before each stacked coil; boxes as
// [NAME instance in...->out...]; "_" for a missing part.
std::string Shape(const CLadderElement* element);

// Checks what every network tree must hold: a coil root, coil stack of coils, leaves
// of link type 2 only as parallel children, parents matching links, every node with
// the part that opens it. Gives "" or the first fault.
std::string TreeFault(const CLadderElement* root);

using LadderTest = WorkspaceClass0Test;
