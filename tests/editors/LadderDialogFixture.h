#pragma once
#include <map>
#include <string>

#include "editors/POUEditorDoc.h"
#include "editors/POUVarView.h"
#include "ladder/LadderElement.h"
#include "ladder/WorkspaceLadderEnvironment.h"
#include "project/CQLXSymbol.h"
#include "tests/support/TestApplication.h"
#include "tests/support/WorkspaceFixture.h"

// The variables of a POU by upper-cased name.
class LocalsView : public CPOUVarView {
public:
    void GetDeclaredVariables(CStringArray&, CStringArray&) const override {}
    BOOL LookupVariable(const CString& upperName, OperandDescriptor& flags) const override {
        auto found = locals.find(upperName.GetString());
        if (found == locals.end()) return FALSE;
        flags = found->second;
        return TRUE;
    }
    void BuildParamList() override {}
    BOOL WriteVarFile() override { return TRUE; }
    void VarDeclToIL(CStringArray&) const override {}

    std::map<std::string, OperandDescriptor> locals;
};

// The document of the POU MAIN with those variables.
class DialogTestDoc : public CPOUEditorDoc {
public:
    DialogTestDoc() { m_strPathName = "C:\\p\\MAIN_MAIN.ilp"; }
    CPOUVarView* GetVarView() const override { return &variables; }

    mutable LocalsView variables;
    std::map<std::string, OperandDescriptor>& locals = variables.locals;
};

// The workspace's answers, with a POU document being edited.
class DialogTestEnvironment : public CWorkspaceLadderEnvironment {
public:
    explicit DialogTestEnvironment(CPOUEditorDoc* document) : m_document(document) {
        m_previous = SetLadderEnvironment(this);
    }
    ~DialogTestEnvironment() override { SetLadderEnvironment(m_previous); }
    CPOUEditorDoc* GetActivePOUDocument() const override { return m_document; }

private:
    CPOUEditorDoc* m_document;
    CLadderEnvironment* m_previous = nullptr;
};

// A class-1 workspace with a POU "MAIN" being edited, its local variables FLAG (BOOL
// in) and COUNT (INT in), and the global variable Start (BOOL at %I0.3).
class LadderDialogTest : public WorkspaceClass1Test {
protected:
    LadderDialogTest() {
        document.locals["FLAG"] = OD_BOOL | OD_AREA_READABLE;
        document.locals["COUNT"] = OD_INT | OD_AREA_READABLE;
        AddGlobal("Start", "%I0.3", OD_BOOL | OD_AREA_I);
        LadderLabelList.RemoveAll();
    }
    ~LadderDialogTest() override { LadderLabelList.RemoveAll(); }

    void AddGlobal(const char* name, const char* address, OperandDescriptor descriptor) {
        CQLXSymbol* symbol = new CQLXSymbol;
        symbol->name = name;
        symbol->address = address;
        symbol->descriptor = descriptor;
        CQLXProject& project = workspace.project;
        project.symbolList.Add(symbol);
        project.symbolsByKey.SetAt(name, symbol);
        project.symbolsByKey.SetAt(address, symbol);
        CString upper = name;
        upper.MakeUpper();
        project.symbolsByUpperName.SetAt(upper, symbol);
    }

    TestApplication app;
    DialogTestDoc document;
    DialogTestEnvironment environment{&document};
};
