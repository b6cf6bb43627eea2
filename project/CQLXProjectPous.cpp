#include "project/CQLXProject.h"

#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/CQLXStatus.h"
#include "project/FileUtils.h"
#include "project/MonitorCells.h"
#include "project/NameChecks.h"
#include "project/ShellServices.h"
#include "platform/StringCopies.h"

#include <cctype>

// The POU maps, the subroutine call descriptors and the FB instances kept consistent
// when units and instances are added, renamed and deleted, and the translation between
// a unit's name and its number form ("SBR07", "INT03").

namespace {

CString Key(const CString& text) { return UpperCased(Trimmed(text)); }

CString NumberForm(const char* prefix, WORD number) {
    CString form;
    form.Format("%s%02d", prefix, static_cast<int>(number));
    return form;
}

// "SBR07" of the prefix "SBR" gives 7: the prefix and exactly two digits.
bool ParseNumberForm(const CString& key, const char* prefix, WORD& number) {
    if (key.GetLength() != 5 || key.Left(3) != prefix)
        return false;
    if (!std::isdigit(static_cast<unsigned char>(key[3])) || !std::isdigit(static_cast<unsigned char>(key[4])))
        return false;
    number = static_cast<WORD>((key[3] - '0') * 10 + (key[4] - '0'));
    return true;
}

CQLXFB* InstanceAt(const CObArray& instances, INT_PTR i) {
    return static_cast<CQLXFB*>(instances[i]);
}

bool HasInstanceName(const CQLXFB& instance, const CString& name) {
    return instance.instanceName == name;
}

bool HasOwner(const CQLXFB& instance, const CString& owner) {
    return instance.ownerPou == owner;
}

template <class KEY, class ARG_KEY>
CObject* Find(const CMap<KEY, ARG_KEY, CObject*, CObject*>& map, ARG_KEY key) {
    CObject* found = nullptr;
    return map.Lookup(key, found) ? found : nullptr;
}

// Deletes every file of the pattern that is not a folder.
void DeleteMatchingFiles(const CString& pattern) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    const CString folder = GetFolderPart(pattern);
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA(folder + entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

CString PouFilePattern(const CString& folder, const char* kindPrefix, const CProjTreeNode& node) {
    CString pattern;
    pattern.Format("%s%s%02d%s%s%s", static_cast<LPCSTR>(folder), kindPrefix, static_cast<int>(node.number), "_",
                   static_cast<LPCSTR>(node.name), ".*");
    return pattern;
}

}  // namespace

void CQLXProject::AddSubroutineDesc(CQLXFunc* descriptor) {
    if (descriptor == nullptr)
        return;
    const CString upper = Key(descriptor->name);
    if (CQLXFunc* earlier = static_cast<CQLXFunc*>(Find<CString, LPCSTR>(sbrFuncByUpperName, upper))) {
        if (Find<CString, LPCSTR>(sbrFuncByName, earlier->name) == earlier)
            sbrFuncByName.RemoveKey(earlier->name);
        if (Find<WORD, WORD>(sbrFuncByNumber, earlier->number) == earlier)
            sbrFuncByNumber.RemoveKey(earlier->number);
        delete earlier;
    }
    // A descriptor of the same exact name is always found above, by its upper name.
    sbrFuncByName.SetAt(descriptor->name, descriptor);
    sbrFuncByUpperName.SetAt(upper, descriptor);
    sbrFuncByNumber.SetAt(descriptor->number, descriptor);
}

BOOL CQLXProject::IsSubroutineName(const CString& text) const {
    return Find<CString, LPCSTR>(sbrFuncByUpperName, Key(text)) != nullptr;
}

BOOL CQLXProject::GetSubroutineDesc(const CString& text, CQLXFunc* destination) const {
    if (destination == nullptr)
        return FALSE;
    const CString key = Key(text);
    CObject* found = Find<CString, LPCSTR>(sbrFuncByUpperName, key);
    WORD number = 0;
    if (found == nullptr && ParseNumberForm(key, "SBR", number))
        found = Find<WORD, WORD>(sbrFuncByNumber, number);
    if (found == nullptr)
        return FALSE;
    destination->CopyFrom(*static_cast<CQLXFunc*>(found));
    return TRUE;
}

BOOL CQLXProject::TranslateSubroutineName(const CString& text, CString& result, BOOL toNumber) const {
    const CString key = Key(text);
    if (toNumber) {
        const CQLXFunc* found = static_cast<const CQLXFunc*>(Find<CString, LPCSTR>(sbrFuncByUpperName, key));
        if (found == nullptr)
            return FALSE;
        result = NumberForm("SBR", found->number);
        return TRUE;
    }
    WORD number = 0;
    const CQLXFunc* found = ParseNumberForm(key, "SBR", number)
                                ? static_cast<const CQLXFunc*>(Find<WORD, WORD>(sbrFuncByNumber, number))
                                : nullptr;
    if (found == nullptr)
        return FALSE;
    result = found->name;
    return TRUE;
}

BOOL CQLXProject::TranslateInterruptName(const CString& text, CString& result, BOOL toNumber) const {
    const CString key = Key(text);
    const CProjTreeNode* byName = static_cast<const CProjTreeNode*>(Find<CString, LPCSTR>(intByUpperName, key));
    WORD number = 0;
    const CProjTreeNode* byNumber = ParseNumberForm(key, "INT", number)
                                        ? static_cast<const CProjTreeNode*>(Find<WORD, WORD>(intByNumber, number))
                                        : nullptr;
    if (toNumber && byName != nullptr)
        result = NumberForm("INT", byName->number);
    else if (toNumber && byNumber != nullptr)
        result = key;
    else if (!toNumber && byNumber != nullptr)
        result = byNumber->name;
    else if (!toNumber && byName != nullptr)
        result = key;
    else
        return FALSE;
    return TRUE;
}

BOOL CQLXProject::ToggleInterruptName(const CString& text, CString& result) const {
    const CString key = Key(text);
    if (const CProjTreeNode* byName = static_cast<const CProjTreeNode*>(Find<CString, LPCSTR>(intByUpperName, key))) {
        result = NumberForm("INT", byName->number);
        return TRUE;
    }
    WORD number = 0;
    if (!ParseNumberForm(key, "INT", number))
        return FALSE;
    const CProjTreeNode* byNumber = static_cast<const CProjTreeNode*>(Find<WORD, WORD>(intByNumber, number));
    if (byNumber == nullptr)
        return FALSE;
    result = byNumber->name;
    return TRUE;
}

BOOL CQLXProject::ResolveCallTarget(const CString& text, CString& result, BOOL& isSubroutine) const {
    const CString key = Key(text);
    WORD number = 0;
    if (TranslateSubroutineName(key, result, TRUE) ||
        (ParseNumberForm(key, "SBR", number) && TranslateSubroutineName(key, result, FALSE))) {
        isSubroutine = TRUE;
        return TRUE;
    }
    if (ToggleInterruptName(key, result)) {
        isSubroutine = FALSE;
        return TRUE;
    }
    return FALSE;
}

BOOL CQLXProject::IsPouName(const CString& text) const {
    const CString key = Key(text);
    if (key.IsEmpty())
        return FALSE;
    return key == Key(mainPou.name) || Find<CString, LPCSTR>(sbrFuncByUpperName, key) != nullptr ||
           Find<CString, LPCSTR>(intByUpperName, key) != nullptr;
}

BOOL CQLXProject::AddFBInstance(const CString& instanceName, const CString& typeName, const CString& ownerPou) {
    const CString instance = Key(instanceName);
    const CString type = Key(typeName);
    const CString owner = Key(ownerPou);
    if (instance.IsEmpty() || type.IsEmpty() || owner.IsEmpty() || !CheckFBInstanceName(instance, type))
        return FALSE;
    for (INT_PTR i = 0; i < fbInstances.GetSize(); ++i)
        if (InstanceAt(fbInstances, i) != nullptr && InstanceAt(fbInstances, i)->instanceName == instance)
            return FALSE;
    CQLXFB* added = new CQLXFB;
    added->instanceName = instance;
    added->typeName = type;
    added->ownerPou = owner;
    fbInstances.Add(added);
    return TRUE;
}

BOOL CQLXProject::GetFBInstancesOf(const CString& ownerPou, CStringArray& names, CStringArray& types) const {
    names.RemoveAll();
    types.RemoveAll();
    const CString owner = Key(ownerPou);
    if (owner.IsEmpty())
        return FALSE;
    for (INT_PTR i = 0; i < fbInstances.GetSize(); ++i) {
        const CQLXFB* instance = InstanceAt(fbInstances, i);
        if (instance != nullptr && instance->ownerPou == owner) {
            names.Add(instance->instanceName);
            types.Add(instance->typeName);
        }
    }
    return names.GetSize() > 0;
}

// Walks from the end, deleting the matching instances and dropping empty slots.
void CQLXProject::DeleteInstancesWhere(bool (*matches)(const CQLXFB& instance, const CString& text),
                                       const CString& text) {
    for (INT_PTR i = fbInstances.GetSize() - 1; i >= 0; --i) {
        CQLXFB* instance = InstanceAt(fbInstances, i);
        if (instance == nullptr || matches(*instance, text)) {
            delete instance;
            fbInstances.RemoveAt(i);
        }
    }
}

void CQLXProject::RemoveEmptyInstanceSlots() {
    for (INT_PTR i = fbInstances.GetSize() - 1; i >= 0; --i)
        if (fbInstances[i] == nullptr)
            fbInstances.RemoveAt(i);
}

void CQLXProject::DeleteFBInstance(const CString& instanceName) {
    DeleteInstancesWhere(HasInstanceName, Key(instanceName));
}

void CQLXProject::DeleteFBInstancesOf(const CString& ownerPou) {
    DeleteInstancesWhere(HasOwner, Key(ownerPou));
}

BOOL CQLXProject::RenameFBInstance(const CString& oldName, const CString& newName) {
    const CString from = Key(oldName);
    const CString to = Key(newName);
    if (from.IsEmpty() || to.IsEmpty())
        return FALSE;
    if (from == to)
        return TRUE;
    if (!IsTimerCounterOperand(to))
        return FALSE;
    CQLXFB* renamed = nullptr;
    for (INT_PTR i = 0; i < fbInstances.GetSize(); ++i) {
        CQLXFB* instance = InstanceAt(fbInstances, i);
        if (instance == nullptr)
            continue;
        if (instance->instanceName == to)
            return FALSE;
        if (instance->instanceName == from)
            renamed = instance;
    }
    if (renamed == nullptr)
        return FALSE;
    renamed->instanceName = to;
    return TRUE;
}

void CQLXProject::DeletePou(const CString& name, int kind) {
    if (kind != PouSubroutine && kind != PouInterrupt)
        return;
    const CString trimmed = Trimmed(name);
    const CString upper = Key(name);
    CString pattern;
    if (kind == PouSubroutine) {
        RemoveSubroutineFromInsTrees(trimmed);
        if (CProjTreeNode* node = static_cast<CProjTreeNode*>(Find<CString, LPCSTR>(sbrByName, trimmed))) {
            pattern = PouFilePattern(folder, "\\SBR", *node);
            sbrByName.RemoveKey(trimmed);
            sbrFuncByNumber.RemoveKey(node->number);
            delete node;
        }
        if (CObject* descriptor = Find<CString, LPCSTR>(sbrFuncByName, trimmed)) {
            sbrFuncByName.RemoveKey(trimmed);
            delete descriptor;
        }
        sbrFuncByUpperName.RemoveKey(upper);
    } else if (CProjTreeNode* node = static_cast<CProjTreeNode*>(Find<CString, LPCSTR>(intByName, trimmed))) {
        pattern = PouFilePattern(folder, "\\INT", *node);
        intByName.RemoveKey(trimmed);
        intByNumber.RemoveKey(node->number);
        intByUpperName.RemoveKey(upper);
        delete node;
    }
    DeleteInstancesWhere(HasOwner, upper);
    if (!pattern.IsEmpty())
        DeleteMatchingFiles(pattern);
}

void CQLXProject::RenamePou(const CString& oldName, int kind) {
    const CString old = Trimmed(oldName);
    CProjTreeNode* node = nullptr;
    if (kind == PouMain) {
        node = &mainPou;
    } else if (kind == PouSubroutine) {
        node = static_cast<CProjTreeNode*>(Find<CString, LPCSTR>(sbrByName, old));
        if (node != nullptr) {
            sbrByName.RemoveKey(old);
            sbrByName.SetAt(node->name, node);
            if (CQLXFunc* descriptor = static_cast<CQLXFunc*>(Find<CString, LPCSTR>(sbrFuncByName, old))) {
                descriptor->name = node->name;
                sbrFuncByName.RemoveKey(old);
                sbrFuncByName.SetAt(node->name, descriptor);
                sbrFuncByUpperName.RemoveKey(Key(old));
                sbrFuncByUpperName.SetAt(Key(node->name), descriptor);
            }
        }
    } else if (kind == PouInterrupt) {
        node = static_cast<CProjTreeNode*>(Find<CString, LPCSTR>(intByName, old));
        if (node != nullptr) {
            intByName.RemoveKey(old);
            intByName.SetAt(node->name, node);
            intByUpperName.RemoveKey(Key(old));
            intByUpperName.SetAt(Key(node->name), node);
        }
    }
    if (node == nullptr)
        return;
    const CString oldOwner = Key(old);
    const CString newOwner = Key(node->name);
    for (INT_PTR i = 0; i < fbInstances.GetSize(); ++i) {
        CQLXFB* instance = InstanceAt(fbInstances, i);
        if (instance != nullptr && instance->ownerPou == oldOwner)
            instance->ownerPou = newOwner;
    }
    RemoveEmptyInstanceSlots();
}

void CQLXProject::BuildMonitorLists() {
    CWordArray* lists[] = {nullptr, &monitorByteCodes, &monitorWordCodes, &monitorTimerCounterCodes,
                           &monitorDwordCodes};
    for (int kind = CellByte; kind <= CellDword; ++kind)
        lists[kind]->RemoveAll();
    monitorCellsByCode.RemoveAll();
    POSITION position = MonitorOperandMap.GetStartPosition();
    while (position != nullptr) {
        CString text;
        CObject* cell = nullptr;
        MonitorOperandMap.GetNextAssoc(position, text, cell);
        WORD code = 0;
        WORD number = 0;
        const int kind = ParseCellAddress(text, code, number);
        if (kind == CellNone)
            continue;
        static_cast<CQLXStatus*>(cell)->addressCode = code;
        lists[kind]->Add(code);
        monitorCellsByCode.SetAt(code, cell);
    }
}
