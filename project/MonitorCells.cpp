#include "project/MonitorCells.h"

#include "language/AddressCode.h"
#include "language/DirectAddress.h"
#include "language/OperandDescriptor.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXStatus.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

const DWORD WholeCellAreas = OD_AREA_T | OD_AREA_C | OD_AREA_RS | OD_AREA_SR | OD_AREA_HC | OD_AREA_AI | OD_AREA_AQ;
const DWORD WordTypes = OD_WORD | OD_INT;
const DWORD DwordTypes = OD_DWORD | OD_DINT | OD_REAL;

enum OnlineFormat { FormatDefault = 0, FormatDecimal = 1, FormatHex = 2 };

CString OperandKey(const char* operand) {
    CString text = operand != nullptr ? operand : "";
    text.Trim();
    text.MakeUpper();
    if (!text.IsEmpty() && text[0] != '%')
        text.Insert(0, '%');
    return text;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

int FirstDigitAfter(const CString& text, int start) {
    for (int i = start; i < text.GetLength(); ++i)
        if (IsDigit(text[i]))
            return i;
    return -1;
}

// "%VW10" as 4 byte cells from "%VB10": the prefix without its width letter, "B" and
// the byte numbers.
std::vector<CString> ByteCellsFrom(const CString& operand, int count) {
    std::vector<CString> cells;
    const int digit = FirstDigitAfter(operand, 1);
    if (digit < 1)
        return cells;
    const CString prefix = operand.Left(digit - 1);
    const long first = std::strtol(static_cast<LPCSTR>(operand) + digit, nullptr, 10);
    for (int i = 0; i < count; ++i) {
        CString cell;
        cell.Format("%s%s%d", static_cast<LPCSTR>(prefix), "B", static_cast<int>(first + i));
        cells.push_back(cell);
    }
    return cells;
}

// "%I0.3" lives in the byte cell "%IB0".
CString BitByteCell(const CString& operand) {
    const int digit = FirstDigitAfter(operand, 1);
    if (digit < 0)
        return CString();
    const int dot = operand.Find('.');
    CString cell = dot >= 0 ? operand.Left(dot) : operand;
    cell.Insert(digit, 'B');
    return cell;
}

CString Formatted(const char* format, DWORD value) {
    CString text;
    text.Format(format, value);
    return text;
}

CString SignedWord(DWORD value) {
    return Formatted("%d", static_cast<DWORD>(static_cast<int>(static_cast<short>(value & 0xFFFF))));
}

CString RealText(DWORD bits) {
    float x = 0;
    std::memcpy(&x, &bits, sizeof x);
    const double magnitude = std::fabs(static_cast<double>(x));
    const char* format = magnitude <= 0.00001 ? "%0.3e" : magnitude < 999999.0 ? "%0.7f" : "%0.5e";
    CString text;
    text.Format(format, static_cast<double>(x));
    return text;
}

// The texts of one value by online format: default, decimal, hexadecimal.
struct FormatChoice {
    CString byFormat[3];
};

// Reads the cells of the operand, lowest byte first, into one value; FALSE when one is
// missing.
BOOL ReadCells(const CMapStringToOb& cells, const std::vector<CString>& texts, DWORD& value, const CQLXStatus** first) {
    DWORD assembled = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        CObject* found = nullptr;
        if (!cells.Lookup(texts[i], found))
            return FALSE;
        const CQLXStatus* cell = static_cast<const CQLXStatus*>(found);
        if (i == 0 && first != nullptr)
            *first = cell;
        assembled |= texts.size() == 1 ? cell->value : (cell->value & 0xFF) << (8 * i);
    }
    value = assembled;
    return TRUE;
}

}  // namespace

std::vector<CString> MonitorCellTexts(const CString& operand, DWORD descriptor) {
    if ((descriptor & WholeCellAreas) || (descriptor & OD_BYTE))
        return {operand};
    if (descriptor & OD_BOOL) {
        const CString cell = BitByteCell(operand);
        return cell.IsEmpty() ? std::vector<CString>() : std::vector<CString>{cell};
    }
    if (descriptor & WordTypes)
        return ByteCellsFrom(operand, 2);
    if (descriptor & DwordTypes)
        return ByteCellsFrom(operand, 4);
    return {};
}

BOOL AddMonitorCells(const char* operand) {
    const CString key = OperandKey(operand);
    OperandDescriptor descriptor = 0;
    if (key.IsEmpty() || !ParseDirectAddress(key, descriptor) || theWorkspace == nullptr)
        return FALSE;
    const std::vector<CString> texts = MonitorCellTexts(key, descriptor);
    if (texts.empty())
        return FALSE;
    for (const CString& text : texts) {
        CQLXStatus* cell = new CQLXStatus;
        cell->cellText = text;
        theWorkspace->AddMonitorOperand(text, cell);
    }
    return TRUE;
}

int ParseCellAddress(const char* text, WORD& code, WORD& number) {
    struct CellPrefix {
        const char* prefix;
        int kind;
    };
    static const CellPrefix Prefixes[] = {
        {"%IB", CellByte}, {"%QB", CellByte}, {"%SMB", CellByte}, {"%MB", CellByte}, {"%VB", CellByte},
        {"%LB", CellByte}, {"%IW", CellWord}, {"%QW", CellWord}, {"%SMW", CellWord}, {"%VW", CellWord},
        {"%MW", CellWord}, {"%LW", CellWord}, {"%AIW", CellWord}, {"%AQW", CellWord}, {"%ID", CellDword},
        {"%QD", CellDword}, {"%SMD", CellDword}, {"%VR", CellDword}, {"%VD", CellDword}, {"%MD", CellDword},
        {"%LD", CellDword}, {"%HC", CellDword}, {"%T", CellTimerCounter}, {"%C", CellTimerCounter},
    };
    const CString key = OperandKey(text);
    const int digit = FirstDigitAfter(key, 0);
    if (digit < 0) {
        code = 0;
        return CellNone;
    }
    for (int i = digit; i < key.GetLength(); ++i)
        if (!IsDigit(key[i])) {
            code = 0xFFFF;
            return CellNone;
        }
    number = static_cast<WORD>(std::strtoul(static_cast<LPCSTR>(key) + digit, nullptr, 10));
    const CString prefix = key.Left(digit);
    for (const CellPrefix& entry : Prefixes)
        if (prefix == entry.prefix) {
            const WORD base = static_cast<WORD>(GetAreaCodeBase(prefix, FALSE));
            const int scale = entry.kind == CellTimerCounter ? 2 : 1;
            code = static_cast<WORD>(base + scale * number);
            return entry.kind;
        }
    code = 0;
    return CellNone;
}

BOOL FormatMonitorValue(const char* operand, CString& text, DWORD& value, CString& bitText, DWORD descriptor) {
    const CString key = OperandKey(operand);
    if (key.IsEmpty() || theWorkspace == nullptr)
        return FALSE;
    const std::vector<CString> cells = MonitorCellTexts(key, descriptor);
    if (cells.empty())
        return FALSE;
    DWORD read = 0;
    const CQLXStatus* first = nullptr;
    if (!ReadCells(theWorkspace->project.MonitorOperandMap, cells, read, &first))
        return FALSE;

    FormatChoice choice;
    if (descriptor & (OD_AREA_T | OD_AREA_C)) {
        bitText = first->statusBit != 0 ? "1" : "0";
        choice = {{SignedWord(read), SignedWord(read), Formatted("%x", read)}};
    } else if (descriptor & (OD_AREA_AI | OD_AREA_AQ)) {
        choice = {{SignedWord(read), SignedWord(read), Formatted("%x", read)}};
    } else if (descriptor & OD_AREA_HC) {
        choice = {{Formatted("%d", read), Formatted("%d", read), Formatted("%x", read)}};
    } else if (descriptor & OD_BYTE) {
        choice = {{Formatted("%x", read), SignedWord(read), Formatted("%x", read)}};
    } else if (descriptor & OD_BOOL) {
        const int dot = key.Find('.');
        const int bit = dot >= 0 ? std::atoi(static_cast<LPCSTR>(key) + dot + 1) : 0;
        read = bit >= 0 && bit < 8 ? (read >> bit) & 1 : 0;
        const CString bitValue = read != 0 ? "1" : "0";
        choice = {{bitValue, bitValue, bitValue}};
    } else if (descriptor & OD_INT) {
        choice = {{SignedWord(read), SignedWord(read), Formatted("%x", read)}};
    } else if (descriptor & OD_WORD) {
        choice = {{Formatted("%x", read), Formatted("%u", read), Formatted("%x", read)}};
    } else if (descriptor & OD_DINT) {
        choice = {{Formatted("%d", read), Formatted("%d", read), Formatted("%x", read)}};
    } else if (descriptor & OD_DWORD) {
        choice = {{Formatted("%x", read), Formatted("%u", read), Formatted("%x", read)}};
    } else {
        const CString real = RealText(read);
        choice = {{real, real, real}};
    }
    value = read;
    const int format = theWorkspace->onlineFormat;
    if (format >= FormatDefault && format <= FormatHex)
        text = choice.byFormat[format];
    return TRUE;
}
