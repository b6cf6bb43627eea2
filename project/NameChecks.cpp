#include "project/NameChecks.h"

#include "language/AreaLimits.h"
#include "language/DirectAddress.h"
#include "language/Identifier.h"
#include "language/InstrDesc.h"
#include "language/InstrSpecTable.h"
#include "language/LanguageText.h"
#include "language/LiteralParser.h"
#include "language/NumberText.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXSymbol.h"

#include <cstring>
#include <string>

namespace {

// Whether the text is the prefix followed by an element number inside the prefix's area.
// Overlong numbers saturate and so fall outside every area.
bool IsElementOf(const std::string& text, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (text.compare(0, length, prefix) != 0)
        return false;
    const std::string number = text.substr(length);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    int64_t value = 0;
    return ReadSaturatedDecimal(number, value) && value <= GetAreaLastIndex(prefix);
}

const char* ElementPrefixOf(const std::string& text) {
    if (!text.empty() && (text[0] == 'T' || text[0] == 'C'))
        return text[0] == 'T' ? "T" : "C";
    if (text.compare(0, 2, "RS") == 0)
        return "RS";
    if (text.compare(0, 2, "SR") == 0)
        return "SR";
    return nullptr;
}

struct InstancePrefix {
    const char* typeName;
    const char* prefix;
};

const InstancePrefix InstancePrefixes[] = {
    {"TON", "T"}, {"TOF", "T"}, {"TP", "T"}, {"CTU", "C"}, {"CTD", "C"}, {"CTUD", "C"}, {"RS", "RS"}, {"SR", "SR"},
};

bool IsGlobalName(const std::string& upperName) {
    CObject* symbol = nullptr;
    return theWorkspace != nullptr && theWorkspace->project.symbolsByUpperName.Lookup(upperName.c_str(), symbol);
}

}  // namespace

int GetInstrGroupByName(const char* name) {
    const std::string key = LookupKey(name);
    if (key.empty())
        return -1;
    for (const InstrDesc& record : LadderInstrCatalogue)
        if ((record.kind == INSTR_FUNCTION || record.kind == INSTR_FUNCTION_BLOCK) && key == record.name)
            return record.group;
    return -1;
}

BOOL CheckVariableName(const char* text, BOOL allowExisting) {
    const std::string name = Trimmed(text);
    if (name.empty() || !IsValidIdentifier(name.c_str()))
        return FALSE;
    const std::string upper = UpperCased(name.c_str());
    OperandDescriptor descriptor = 0;
    if (ParseDirectAddress(name.c_str(), descriptor) || ClassifyConstant(upper.c_str(), descriptor) ||
        IsReservedWord(name.c_str()))
        return FALSE;
    return allowExisting || !IsGlobalName(upper);
}

BOOL IsTimerCounterOperand(const char* text) {
    const std::string upper = UpperCased(text);
    const char* prefix = ElementPrefixOf(upper);
    return prefix != nullptr && IsElementOf(upper, prefix);
}

BOOL CheckFBInstanceName(const char* instanceName, const char* typeName) {
    const std::string type = UpperCased(typeName);
    for (const InstancePrefix& entry : InstancePrefixes)
        if (type == entry.typeName)
            return IsElementOf(UpperCased(instanceName), entry.prefix);
    return FALSE;
}

BOOL IsForceableOperand(const char* operand, OperandDescriptor& descriptor) {
    if (!ParseDirectAddress(operand, descriptor)) {
        CObject* found = nullptr;
        if (theWorkspace == nullptr || !theWorkspace->project.symbolsByKey.Lookup(Trimmed(operand).c_str(), found) ||
            found == nullptr)
            return FALSE;
        if (!ParseDirectAddress(static_cast<CQLXSymbol*>(found)->address, descriptor))
            return FALSE;
    }
    return (descriptor & OD_FORCEABLE) != 0;
}
