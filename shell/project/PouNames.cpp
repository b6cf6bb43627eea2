#include "shell/project/PouNames.h"

#include "language/DelimiterTable.h"
#include "language/InstrSpecTable.h"
#include "platform/Gbk.h"
#include "platform/StringCopies.h"
#include "project/CProjTreeNode.h"
#include "project/CQLXProject.h"
#include "project/FileUtils.h"

#include <cstring>

namespace {

LPCSTR KindTag(int kind) { return kind == PouSubroutine ? "SBR" : "INT"; }

// Whether the text holds the ASCII piece starting at a character: a trail byte of a
// Chinese character may look like "[" or "]" and must not count.
bool ContainsAtCharacter(const CString& text, const char* piece) {
    const int length = text.GetLength();
    const size_t pieceLength = strlen(piece);
    for (int at = 0; at < length; at += GbkCharLength(text, at, length)) {
        if (strncmp(static_cast<LPCSTR>(text) + at, piece, pieceLength) == 0)
            return true;
    }
    return false;
}

const CProjTreeNode* FindNode(const CMapStringToOb& map, const CString& name) {
    CObject* node = nullptr;
    return map.Lookup(name, node) ? static_cast<const CProjTreeNode*>(node) : nullptr;
}

}  // namespace

CString PouLabel(int kind, int number, const CString& name) {
    CString label;
    if (kind == PouMain)
        label = "(MAIN)  " + name;
    else
        label.Format("%s%02d%s%s", kind == PouSubroutine ? "(SBR" : "(INT", number, ")  ", static_cast<LPCSTR>(name));
    return label;
}

CString PouFileBase(int kind, int number, const CString& name) {
    CString base;
    if (kind == PouMain)
        base = "MAIN_" + name;
    else
        base.Format("%s%02d_%s", KindTag(kind), number, static_cast<LPCSTR>(name));
    return base;
}

CString PouProgramPath(const CString& folder, const CProjTreeNode& node) {
    CString path = folder + "\\" + PouFileBase(node.kind, node.number, node.name);
    if (node.language == 1 || node.language == 2)
        path += ".ilp";
    return path;
}

CString ProgramPathOfPouName(const CQLXProject& project, const CString& name) {
    const CProjTreeNode* node = FindNode(project.sbrByName, name);
    if (node == nullptr)
        node = FindNode(project.intByName, name);
    if (node == nullptr)
        node = &project.mainPou;
    if (node->language != 1 && node->language != 2)
        return CString();
    return PouProgramPath(project.folder, *node);
}

CProjTreeNode* FindPouNodeOfFile(CQLXProject& project, const CString& path) {
    const CString file = GetFileNamePart(path);
    const CString name = GetPouNameFromFileName(file);
    if (name.IsEmpty())
        return nullptr;
    if (file.Left(5).CompareNoCase("MAIN_") == 0)
        return project.hasMain && project.mainPou.name.CompareNoCase(name) == 0 ? &project.mainPou : nullptr;
    const CString tag = file.Left(3);
    const bool subroutine = tag.CompareNoCase("SBR") == 0;
    if (!subroutine && tag.CompareNoCase("INT") != 0)
        return nullptr;
    for (POSITION at = (subroutine ? project.sbrByName : project.intByName).GetStartPosition(); at != nullptr;) {
        CString key;
        CObject* object = nullptr;
        (subroutine ? project.sbrByName : project.intByName).GetNextAssoc(at, key, object);
        auto* node = static_cast<CProjTreeNode*>(object);
        if (PouFileBase(node->kind, node->number, node->name).CompareNoCase(file.Left(file.ReverseFind('.'))) == 0)
            return node;
    }
    return nullptr;
}

PouNameCheck CheckPouName(const CQLXProject& project, int kind, const CString& name, CString* delimiterFound) {
    if (name.IsEmpty())
        return PouNameCheck::Empty;
    const CString upper = UpperCased(name);
    if (upper == "子程序" || IsReservedWord(name))
        return PouNameCheck::Keyword;
    for (const DelimiterSpec& delimiter : DelimiterTable) {
        if (ContainsAtCharacter(name, delimiter.text)) {
            if (delimiterFound != nullptr)
                *delimiterFound = delimiter.text;
            return PouNameCheck::Delimiter;
        }
    }
    CObject* found = nullptr;
    bool taken = project.sbrFuncByUpperName.Lookup(upper, found) || project.intByUpperName.Lookup(upper, found);
    if (kind != PouMain && UpperCased(project.mainPou.name) == upper)
        taken = true;
    return taken ? PouNameCheck::Duplicate : PouNameCheck::Valid;
}
