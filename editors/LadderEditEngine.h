#pragma once
#include "editors/POUEditEngine.h"
#include "platform/CString.h"

class CLadderElement;
class CLadderModel;
class CPOUEditorDoc;

// What the ladder model asks of its edit engine, which draws the networks on the cell
// grid and handles the user's input.
class CLadderEditEngine : public CPOUEditEngine {
public:
    // Writes an open in-cell edit box into its element, takes a snapshot and marks the
    // document modified; nothing when no box is open.
    virtual void CommitCellEdit() = 0;
    virtual BOOL UpdateScrollSizes() = 0;
    // Whether the parallel branch at the element may grow by one more row.
    virtual BOOL CanAddParallelRow(CLadderElement* element) = 0;
    // Brings the current element's cell, shifted by dx, dy pixels, into view.
    virtual BOOL ScrollToCurrent(int dx, int dy) = 0;
    virtual void Redraw() = 0;
    virtual BOOL GoToNetwork(int network) = 0;
    // Before a new IL text is loaded: the caret goes and the network start rows are
    // forgotten.
    virtual void ResetForLoad() = 0;
    // Starts the editor afresh after a text that could not be loaded.
    virtual void OnInitialUpdate() = 0;
    // Gives the keyboard focus back to the editor view after a message.
    virtual void FocusView() = 0;
    // The document of the engine's view; null when there is none.
    virtual CPOUEditorDoc* GetDocument() const = 0;
    // The ladder commands of the editor view (new network ... parallel branch), by id.
    virtual void OnLadderCommand(UINT id) {}
    virtual void UpdateLadderCommand(CCmdUI* cmdUI);
    // WM_CANCELMODE: a tool that confines or captures the mouse ends.
    virtual void CancelMouseTools() {}

    CLadderModel* m_pModel = nullptr;
};
