#include "tests/shell/SymbolLookups.h"

#include "platform/StringCopies.h"
#include "project/CQLXSymbol.h"
#include "project/CSymbolAddrIndex.h"
#include "shell/tables/GlobalVarTable.h"

#include <map>

namespace {

const CQLXSymbol* Symbol(const CQLXProject& project, int row) {
    return static_cast<const CQLXSymbol*>(project.symbolList[row]);
}

std::string Text(const CString& text) { return text.GetString(); }

template <class Value = CQLXSymbol, class Check>
std::string EachEntry(const CMapStringToOb& map, Check check) {
    for (POSITION at = map.GetStartPosition(); at != nullptr;) {
        CString key;
        CObject* value;
        map.GetNextAssoc(at, key, value);
        std::string fault = check(key, static_cast<const Value*>(value));
        if (!fault.empty())
            return fault;
    }
    return {};
}

std::string CheckGroups(const CQLXProject& project, const CMapStringToOb& groups,
                        CMapWordToOb CSymbolAddrIndex::*members, CString CQLXSymbol::*field, DWORD mark,
                        const char* what) {
    std::map<const CQLXSymbol*, bool> grouped;
    std::string fault = EachEntry<CSymbolAddrIndex>(groups, [&](const CString& key, const CSymbolAddrIndex* value) -> std::string {
        const CMapWordToOb& group = value->*members;
        int carriers = 0;
        for (int row = 0; row < project.symbolList.GetSize(); ++row)
            carriers += Symbol(project, row)->*field == key;
        if (group.GetCount() < 2 || group.GetCount() != carriers)
            return std::string(what) + " group " + Text(key) + " has " + std::to_string(group.GetCount()) + " of " +
                   std::to_string(carriers);
        for (POSITION at = group.GetStartPosition(); at != nullptr;) {
            WORD row;
            CObject* member;
            group.GetNextAssoc(at, row, member);
            auto* symbol = static_cast<const CQLXSymbol*>(member);
            if (symbol->index != row || symbol->*field != key)
                return std::string(what) + " group " + Text(key) + " member keyed wrongly";
            grouped[symbol] = true;
        }
        return {};
    });
    if (!fault.empty())
        return fault;
    for (int row = 0; row < project.symbolList.GetSize(); ++row) {
        bool marked = (Symbol(project, row)->conflictMarks & mark) != 0;
        if (marked != (grouped.count(Symbol(project, row)) > 0))
            return std::string(what) + " mark of row " + std::to_string(row) + " disagrees with the groups";
    }
    return {};
}

}  // namespace

std::string CheckSymbolLookups(const CQLXProject& project) {
    for (int row = 0; row < project.symbolList.GetSize(); ++row) {
        const CQLXSymbol* symbol = Symbol(project, row);
        CObject* found = nullptr;
        if (symbol->index != row)
            return "row index of " + std::to_string(row);
        for (const CString* text : {&symbol->name, &symbol->address}) {
            const CMapStringToOb& carriers = text == &symbol->name ? project.symbolsByName : project.symbolsByAddress;
            if (!text->IsEmpty() && !carriers.Lookup(*text, found))
                return "carried text missing: " + Text(*text);
        }
        if (!IsSoundSymbol(*symbol))
            continue;
        if (!project.symbolsByKey.Lookup(symbol->name, found) || found != symbol ||
            !project.symbolsByKey.Lookup(symbol->address, found) || found != symbol)
            return "sound symbol not found: " + Text(symbol->name);
        if (!project.symbolsByUpperName.Lookup(UpperCased(symbol->name), found))
            return "upper-cased name missing: " + Text(symbol->name);
    }
    std::string fault = EachEntry(project.symbolsByKey, [](const CString& key, const CQLXSymbol* symbol) {
        bool carries = symbol->name == key || symbol->address == key;
        return carries && IsSoundSymbol(*symbol) ? std::string() : "lookup entry " + Text(key) + " is stale";
    });
    if (fault.empty())
        fault = EachEntry(project.symbolsByUpperName, [](const CString& key, const CQLXSymbol* symbol) {
            bool carries = UpperCased(symbol->name) == key;
            return carries && IsSoundSymbol(*symbol) ? std::string() : "upper entry " + Text(key) + " is stale";
        });
    if (fault.empty())
        fault = EachEntry(project.symbolsByName, [](const CString& key, const CQLXSymbol* symbol) {
            return symbol->name == key ? std::string() : "by-name entry " + Text(key) + " is stale";
        });
    if (fault.empty())
        fault = EachEntry(project.symbolsByAddress, [](const CString& key, const CQLXSymbol* symbol) {
            return symbol->address == key ? std::string() : "by-address entry " + Text(key) + " is stale";
        });
    if (fault.empty())
        fault = CheckGroups(project, project.duplicateNames, &CSymbolAddrIndex::nameMembers, &CQLXSymbol::name,
                            SymbolDuplicateName, "name");
    if (fault.empty())
        fault = CheckGroups(project, project.duplicateAddresses, &CSymbolAddrIndex::addressMembers,
                            &CQLXSymbol::address, SymbolDuplicateAddress, "address");
    return fault;
}

std::string DescribeSymbols(const CQLXProject& project) {
    std::string text;
    for (int row = 0; row < project.symbolList.GetSize(); ++row) {
        const CQLXSymbol* symbol = Symbol(project, row);
        if (row > 0)
            text += "|";
        text += Text(symbol->name) + "/" + Text(symbol->address) + "/" + std::to_string(symbol->conflictMarks);
    }
    return text;
}
