#pragma once
#include <string>

#include "editors/LadderEditor.h"
#include "ladder/Block.h"
#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/Contact.h"
#include "ladder/LadderModel.h"
#include "tests/editors/LadderDialogFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"

// A ladder editor without a window on the POU MAIN of a class-1 workspace, its networks
// laid out after every step that the tests take, as a paint would.
class LadderEditorTest : public LadderDialogTest {
protected:
    LadderEditorTest() : editor(new CLadderEditor), model(editor) {
        editor->SetDocument(&document);
        model.m_strPouName = "MAIN";
        model.TakeSnapshot();
        editor->LayoutNetworks();
    }

    void Layout() {
        editor->LayoutNetworks();
        editor->UpdateScrollSizes();
    }
    // Adds networks at the end, each header, "????" contact and "-(NUL)" coil.
    void AddNetworks(int count) {
        for (int k = 0; k < count; ++k) {
            if (model.GetNetworkCount() > 0) SelectItem(2 * model.GetNetworkCount() - 1);
            editor->NewNetwork();
        }
        Layout();
    }
    // Makes an item (header or tree root) current as a click on it would.
    void SelectItem(int item) {
        Layout();
        CCellRect cell = model.GetItem(item)->GetCellRect();
        ClickCell(cell.m_nColumn, cell.m_nRow);
    }
    void ClickCell(int column, int row) {
        Layout();
        editor->ClickAt(column * 100 + 50, row * 40 + 20, FALSE, TRUE);
    }
    CLadderElement* ElementAt(int column, int row) {
        CLadderElement* element = nullptr;
        return model.LookupCell(column, row, element) ? element : nullptr;
    }
    std::string Rows() const {
        std::string text;
        for (int i = 0; i < editor->Rows().GetSize(); ++i)
            text += (i ? "," : "") + std::to_string(editor->Rows().GetRow(i));
        return text;
    }
    CComment* Header(int network) { return static_cast<CComment*>(model.GetItem(2 * network)); }
    CString IL() const { return model.ToIL(); }
    const InstrDesc* Instruction(const char* name) { return LadderEnvironment().FindInstruction(name); }
    // An instruction tree double-click on the record.
    void InsertFromTree(const char* name) {
        editor->OnInsertInstruction(2, reinterpret_cast<LPARAM>(Instruction(name)));
        Layout();
    }
    std::string Messages() const {
        std::string text;
        for (const MessageBoxCall& call : boxes.Calls()) text += call.text + "|";
        return text;
    }

    ScriptedMessageBoxes boxes;
    CLadderEditor* editor;
    CLadderModel model;
};
