#pragma once

#include "platform/Afx.h"

// Kinds of program organisation units.
enum PouKind { PouMain = 2, PouSubroutine = 3, PouInterrupt = 4 };

// One program organisation unit (POU) of the project.
class CProjTreeNode : public CObject {
    DECLARE_SERIAL(CProjTreeNode)
public:
    // A node in the cleared state (see Clear).
    CProjTreeNode() = default;
    CProjTreeNode(int kind, int language, WORD number);
    void Serialize(CArchive& ar) override;

    // Kind and language -1, number 0xFFFF, every text empty.
    void Clear();

    int kind = -1;           // PouKind
    CString name;
    CString label;           // text shown in the project tree
    int language = -1;       // PouLanguage: 1 IL, 2 LD
    WORD number = 0xFFFF;    // subroutine or interrupt number 0-15
    CString scratchText;     // working text of the project tree; not saved
    CString author;          // author and comment of the POU properties
};
