#pragma once
#include "editors/ILEditEngine.h"
#include "editors/ILModel.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUVarView.h"
#include "tests/support/WorkspaceFixture.h"

#include <map>
#include <string>
#include <vector>

// A POU's own variables, as a test declares them.
class FakeVarView : public CPOUVarView {
public:
    struct Variable {
        std::string name;
        std::string address;
        OperandDescriptor flags;
    };
    void GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const override;
    BOOL LookupVariable(const CString& upperName, OperandDescriptor& flags) const override;
    void BuildParamList() override { ++paramListBuilds; }
    BOOL WriteVarFile() override {
        ++varFileWrites;
        return TRUE;
    }
    void VarDeclToIL(CStringArray& lines) const override;

    std::vector<Variable> variables;
    std::vector<std::string> declarationText;
    int paramListBuilds = 0;
    int varFileWrites = 0;
};

// A POU document over a program file path, with the test's variable table.
class TestPOUDoc : public CPOUEditorDoc {
public:
    explicit TestPOUDoc(const char* path = "C:\\p\\MAIN_MAIN.ilp") { m_strPathName = path; }
    CPOUVarView* GetVarView() const override { return varView; }
    FakeVarView variables;
    CPOUVarView* varView = &variables;
};

// An IL POU in a project of CPU class 1 with the global START at %I0.0 (BOOL) and
// VALUE at %VW10 (INT), the subroutine PUMP (SBR01; input SPEED INT, output DONE
// BOOL) and the interrupt routine EDGE (INT00). The document has no window; the engine
// is started as the view's initial update starts it.
class ILEditorTest : public WorkspaceClass1Test {
protected:
    ILEditorTest();
    ~ILEditorTest() override;

    // Replaces the program by these lines and starts the engine afresh.
    void Load(const std::vector<std::string>& lines);
    std::vector<std::string> Lines() const;
    std::string Line(int index) const { return model().GetLines()[index].GetString(); }
    void AddGlobal(const char* name, const char* address, const char* type);
    // Types the text: each byte one character message, "\r" as Enter.
    void Type(const std::string& text);
    void Key(UINT key, bool shift = false, bool ctrl = false);

    CILModel& model() const { return *static_cast<CILModel*>(document.GetModel()); }
    CILEditEngine& engine() const { return *model().GetEngine(); }
    CQLXProject& project() { return workspace.project; }

    TestPOUDoc document;
};
