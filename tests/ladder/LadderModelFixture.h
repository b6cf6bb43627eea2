#pragma once
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
    std::vector<std::pair<std::string, std::string>> variables;
};

class FakePOUDoc : public CPOUEditorDoc {
public:
    CPOUVarView* GetVarView() const override { return varView; }
    CString GetPOUName() const override { return pouName; }
    BOOL LookupLocalVar(const CString& name, OperandDescriptor& flags) const override {
        CString key = name;
        key.MakeUpper();
        auto found = localTypes.find(key.GetString());
        if (found == localTypes.end()) return FALSE;
        flags = found->second;
        return TRUE;
    }
    void SetModifiedFlag(BOOL value) override { modified = value; }

    CPOUVarView* varView = nullptr;
    CString pouName = "MAIN";
    std::map<std::string, OperandDescriptor> localTypes;  // upper-cased name
    BOOL modified = TRUE;
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
