#pragma once

// The editor engine of a POU editor: draws its model, handles the user's input and
// performs undo and redo on the model. The model holds a pointer to it; the derived
// model creates and deletes it.
class CPOUEditEngine {
public:
    virtual ~CPOUEditEngine() = default;
};
