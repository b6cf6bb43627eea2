#pragma once

#include "platform/CString.h"

#include <vector>

// One record of the compiler's POU list (a subroutine or interrupt routine of the
// project, with what the passes learn about it) or of its label list.
class CPouSymbol {
public:
    enum Kind { kLabel = 0, kSubroutine = 2, kInterrupt = 3 };
    static constexpr int kMaxCalls = 100;

    // A program unit; the number goes to subroutineNumber or interruptNumber by kind.
    CPouSymbol(const CString& name, const CString& displayName, int number, int kind);
    // A label: both names are the one text.
    explicit CPouSymbol(const CString& labelName);
    virtual ~CPouSymbol() = default;

    const CString& GetName(bool display) const { return display ? displayName : name; }
    const CString& GetCall(int i) const { return calls[i]; }
    int GetCallCount() const { return static_cast<int>(calls.size()); }
    // Adds a callee once; an empty name is ignored. False when the list is full.
    bool AddCall(const CString& callee);

    int kind;
    int subroutineNumber;
    int interruptNumber;
    int inputCount = -1;
    int outputCount = -1;
    int inOutCount = -1;
    CString displayName;
    CString name;  // upper-case key of every lookup
    int startIndex = 0;
    int codeLength = 0;
    CPouSymbol* next = nullptr;

private:
    std::vector<CString> calls;
};

// A singly linked list of records that owns them; records are appended at the tail and
// never removed one by one; lookups walk from the head.
template <typename Record>
class CSymbolList {
public:
    CSymbolList() = default;
    CSymbolList(const CSymbolList&) = delete;
    CSymbolList& operator=(const CSymbolList&) = delete;
    ~CSymbolList() { Clear(); }

    Record* Append(Record* record) {
        (tail ? tail->next : head) = record;
        tail = record;
        return record;
    }
    void Clear() {
        while (head) {
            Record* following = head->next;
            delete head;
            head = following;
        }
        tail = nullptr;
    }
    Record* First() const { return head; }
    template <typename Pred>
    Record* FindFirst(Pred pred) const {
        for (Record* r = head; r; r = r->next)
            if (pred(*r)) return r;
        return nullptr;
    }

private:
    Record* head = nullptr;
    Record* tail = nullptr;
};

// The POU list: the subroutines and interrupt routines the driver registers.
void AddPou(const CString& name, const CString& displayName, int number, int kind);
bool IsPouName(const CString& name);
// The first registered unit; the others follow through next, in registration order.
CPouSymbol* GetFirstPou();
CPouSymbol* FindPou(const CString& name);
bool IsSubroutineName(const CString& name);
bool IsInterruptName(const CString& name);
// Whether the text before the first "." names a subroutine / interrupt routine.
bool IsSubroutineMember(const CString& text);
bool IsInterruptMember(const CString& text);
// The display name of the unit whose display name equals the text ignoring case; the
// text itself when there is none.
CString GetPouDisplayName(const CString& text);

// The label list: labels of every program compiled so far, keyed <unit>.<label>.
void AddLabel(const CString& name);
bool IsLabelName(const CString& name);
CPouSymbol* FindLabel(const CString& name);

void ClearPouAndLabelLists();

// Qualified names. JoinScopedName makes member owner + "." + member; false, member
// unchanged, when either is empty.
bool JoinScopedName(const CString& owner, CString& member);
// The part before the first "."; empty when there is none.
CString GetScopeName(const CString& text);
// The part of a file name before the first "_", returned and stored in prefix; both
// empty when there is no "_".
CString SplitFilePrefix(const CString& fileName, CString& prefix);
