#pragma once
#include "platform/CString.h"

class CProjTreeNode;
class CQLXProject;

// Names, tree labels and file names of the project's POUs (MAIN, subroutines and
// interrupt routines), and the checks a name typed by the user must pass.

// "(MAIN)  NAME", "(SBR03)  NAME" or "(INT03)  NAME".
CString PouLabel(int kind, int number, const CString& name);
// The file name without extension: "MAIN_" + name, "SBR03_" + name or "INT03_" + name.
CString PouFileBase(int kind, int number, const CString& name);
// The POU's program file in the project folder; the ".ilp" extension only for an IL or
// LD POU.
CString PouProgramPath(const CString& folder, const CProjTreeNode& node);
// The program file of the POU a message or a list names: a subroutine or an interrupt
// routine of that name, else MAIN. Empty unless that POU is an IL or LD program.
CString ProgramPathOfPouName(const CQLXProject& project, const CString& name);

// The POU whose program or variable file the path names ("...\\SBR03_PUMP.ilp"): by the
// kind and number of the file name's prefix and the name after it; null when none. An
// editor opened from a compile message or a cross-reference row finds its POU this way,
// whatever the project tree's current item is.
CProjTreeNode* FindPouNodeOfFile(CQLXProject& project, const CString& path);

// Why a typed POU name is refused.
enum class PouNameCheck { Valid, Empty, Keyword, Delimiter, Duplicate };

// Checks a trimmed name for a POU of the kind: not empty, no reserved word and not
// "子程序", none of the delimiter texts inside (the first one found goes to
// delimiterFound), and unique ignoring case among the subroutines and interrupt routines
// (the POU's own name counts too) and, for a subroutine or an interrupt routine, MAIN.
PouNameCheck CheckPouName(const CQLXProject& project, int kind, const CString& name, CString* delimiterFound);
