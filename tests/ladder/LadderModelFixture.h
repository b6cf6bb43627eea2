#pragma once
#include <map>
#include <string>
#include <vector>

#include "editors/LadderEditEngine.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUVarView.h"
#include "ladder/LadderModel.h"
#include "tests/ladder/LadderTreeFixture.h"

class FakeVarView : public CPOUVarView {
public:
    void GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const override {
        for (const auto& [name, address] : variables) {
            names.Add(name.c_str());
            addresses.Add(address.c_str());
        }
    }
    BOOL LookupVariable(const CString& upperName, OperandDescriptor& flags) const override {
        auto found = localTypes.find(upperName.GetString());
        if (found == localTypes.end()) return FALSE;
        flags = found->second;
        return TRUE;
    }
    void BuildParamList() override {}
    BOOL WriteVarFile() override { return TRUE; }
    void VarDeclToIL(CStringArray&) const override {}

    std::vector<std::pair<std::string, std::string>> variables;
    std::map<std::string, OperandDescriptor> localTypes;  // upper-cased name
};

// The document of the POU MAIN, modified, with a variable table of its own unless the
// test gives another.
class FakePOUDoc : public CPOUEditorDoc {
public:
    FakePOUDoc() {
        m_strPathName = "C:\\p\\MAIN_MAIN.ilp";
        m_bModified = TRUE;
    }
    CPOUVarView* GetVarView() const override { return varView; }

    FakeVarView ownVariables;
    CPOUVarView* varView = &ownVariables;
    std::map<std::string, OperandDescriptor>& localTypes = ownVariables.localTypes;
};

// Records what the model asks of its engine.
class FakeLadderEngine : public CLadderEditEngine {
public:
    void CommitCellEdit() override { ++commits; }
    BOOL UpdateScrollSizes() override { return TRUE; }
    BOOL CanAddParallelRow(CLadderElement*) override { return canAddRow; }
    BOOL ScrollToCurrent(int dx, int dy) override {
        lastScroll = {dx, dy};
        return TRUE;
    }
    void Redraw() override { ++redraws; }
    BOOL GoToNetwork(int network) override {
        wentTo = network;
        return TRUE;
    }
    void ResetForLoad() override { ++resets; }
    void OnInitialUpdate() override { ++initialUpdates; }
    void FocusView() override { ++focusCalls; }
    CPOUEditorDoc* GetDocument() const override { return document; }

    int commits = 0, redraws = 0, resets = 0, initialUpdates = 0, focusCalls = 0, wentTo = -1;
    POINT lastScroll = {0, 0};
    BOOL canAddRow = TRUE;
    CPOUEditorDoc* document = nullptr;
};

// A ladder model with a recording engine, laid out after each change so that cells
// can be looked up.
class LadderModelTest : public LadderTest {
protected:
    LadderModelTest() : engine(new FakeLadderEngine), model(engine) {}

    // Lays every network out on the cell grid, as the edit engine does.
    void LayOut();
    CLadderElement* At(int column, int row) {
        CLadderElement* element = nullptr;
        return model.LookupCell(column, row, element) ? element : nullptr;
    }
    CLadderElement* Root(int network) { return model.GetItem(2 * network + 1); }
    std::string RungShape(int network) { return Shape(Root(network)); }

    FakeLadderEnvironment environment;
    FakeLadderEngine* engine;
    CLadderModel model;
};
