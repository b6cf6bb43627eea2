#include "comm/StatusValues.h"

#include "comm/BinaryDigits.h"
#include "language/LiteralParser.h"
#include "language/OperandDescriptor.h"
#include "project/MonitorCells.h"

#include <cmath>
#include <cstring>

namespace {

const struct {
    DWORD format;
    const char* name;
} kFormatNames[] = {{DisplayBool, "BOOL"},        {DisplayReal, "REAL"},   {DisplayUnsigned, "无符号整数"},
                    {DisplaySigned, "有符号整数"}, {DisplayBinary, "二进制"}, {DisplayHex, "十六进制"}};

// The prefixes of the integer formats, by width: unsigned, binary, hexadecimal.
struct WidthPrefixes {
    const char* unsignedPrefix;
    const char* binaryPrefix;
    const char* hexPrefix;
    const char* signedPrefix;
};

WidthPrefixes PrefixesOf(StatusWidth width) {
    switch (width) {
    case StatusWidth::Byte: return {"B#", "B#2#", "B#16#", ""};
    case StatusWidth::Word: return {"W#", "W#2#", "W#16#", ""};
    default: return {"DW#", "DW#2#", "DW#16#", "DI#"};
    }
}

DWORD WidthMask(StatusWidth width) {
    switch (width) {
    case StatusWidth::Byte: return 0xFF;
    case StatusWidth::Word: return 0xFFFF;
    default: return 0xFFFFFFFF;
    }
}

// The value cut to the width, sign-extended when asked.
int64_t CutToWidth(DWORD value, StatusWidth width, bool signedValue) {
    switch (width) {
    case StatusWidth::Byte: return signedValue ? static_cast<int8_t>(value) : static_cast<uint8_t>(value);
    case StatusWidth::Word: return signedValue ? static_cast<int16_t>(value) : static_cast<uint16_t>(value);
    default: return signedValue ? static_cast<int32_t>(value) : static_cast<int64_t>(value);
    }
}

bool IsIntegerFormat(DWORD format) {
    return format == DisplayUnsigned || format == DisplaySigned || format == DisplayBinary || format == DisplayHex;
}

DWORD FloatBits(float value) {
    DWORD bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

StatusWidth StatusWidthOf(DWORD typeFlags) {
    if (typeFlags & OD_BYTE)
        return StatusWidth::Byte;
    if (typeFlags & (OD_WORD | OD_INT))
        return StatusWidth::Word;
    if (typeFlags & (OD_DWORD | OD_DINT))
        return StatusWidth::DoubleWord;
    return StatusWidth::None;
}

const char* StatusFormatName(DWORD format) {
    for (const auto& entry : kFormatNames)
        if (entry.format == format)
            return entry.name;
    return "";
}

DWORD StatusFormatOf(const CString& name) {
    for (const auto& entry : kFormatNames)
        if (name == entry.name)
            return entry.format;
    return 0;
}

CString FormatStatusInteger(DWORD value, StatusWidth width, DWORD format) {
    if (width == StatusWidth::None || !IsIntegerFormat(format))
        return CString();
    const WidthPrefixes prefixes = PrefixesOf(width);
    const DWORD cut = value & WidthMask(width);
    CString text;
    switch (format) {
    case DisplayUnsigned:
        text.Format("%s%lu", prefixes.unsignedPrefix, static_cast<unsigned long>(cut));
        break;
    case DisplaySigned:
        text.Format("%s%lld", prefixes.signedPrefix, static_cast<long long>(CutToWidth(value, width, true)));
        break;
    case DisplayBinary: {
        CString digits;
        ToBinaryString(cut, digits);
        text = prefixes.binaryPrefix + digits;
        break;
    }
    default:
        text.Format("%s%lx", prefixes.hexPrefix, static_cast<unsigned long>(cut));
        break;
    }
    return text;
}

CString StatusLiveValueText(const CStatusInput& row, const CString& monitorText, DWORD raw) {
    if (row.displayFormat == DisplayBool)
        return "2#" + monitorText;
    const CString integer = FormatStatusInteger(raw, StatusWidthOf(row.descriptor), row.displayFormat);
    return integer.IsEmpty() ? monitorText : integer;
}

CString StatusCurrentValueText(const CStatusInput& row) {
    CString text, bitText;
    DWORD raw = 0;
    if (!FormatMonitorValue(row.address, text, raw, bitText, row.descriptor))
        return " ";
    return StatusLiveValueText(row, text, raw);
}

int32_t TruncateToInt32(float value) {
    if (std::isnan(value))
        return 0;
    const double truncated = std::trunc(static_cast<double>(value));
    if (truncated >= 2147483647.0)
        return INT32_MAX;
    if (truncated <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(truncated);
}

void ClearForcedValue(CStatusInput& row) {
    row.rowTextB.Empty();
    row.rowValue = 0;
    row.rowWordB = 0;
    row.rowWordC = 0;
}

void ConvertForcedValue(CStatusInput& row) {
    OperandDescriptor literal = 0;
    DWORD value = 0;
    float real = 0;
    if (row.rowTextB.IsEmpty() || !ParseConstantValue(row.rowTextB, literal, value, real)) {
        row.rowValue = 0;
        row.rowWordB = 0;
        row.rowWordC = 0;
        return;
    }
    const DWORD format = row.displayFormat;
    if (format != DisplayReal && (literal & OD_REAL)) {
        value = static_cast<DWORD>(TruncateToInt32(real));
        literal = OD_DWORD | OD_DINT;
    }
    const bool signedLiteral = (literal & (OD_INT | OD_DINT)) != 0;
    float number = 0;
    if (format == DisplayReal) {
        number = (literal & OD_REAL) ? real
                 : signedLiteral     ? static_cast<float>(static_cast<int32_t>(value))
                                     : static_cast<float>(value);
        row.rowTextB.Format("%#.5f", number);
        row.rowValue = FloatBits(number);
    } else if (format == DisplayBool) {
        row.rowValue = value != 0 ? 1 : 0;
        row.rowTextB = value != 0 ? "2#1" : "2#0";
        number = static_cast<float>(row.rowValue);
    } else {
        const StatusWidth width = StatusWidthOf(row.descriptor);
        const bool signedFormat = format == DisplaySigned;
        if (IsIntegerFormat(format) && width != StatusWidth::None) {
            const int64_t cut = CutToWidth(value, width, signedFormat);
            row.rowValue = static_cast<DWORD>(cut);
            row.rowTextB = FormatStatusInteger(row.rowValue, width, format);
            number = static_cast<float>(cut);
        } else {
            row.rowValue = value;  // no form for this format: the text stays as typed
            number = signedLiteral ? static_cast<float>(static_cast<int32_t>(value)) : static_cast<float>(value);
        }
    }
    row.rowWordB = FloatBits(number);
    row.rowWordC = 1;
}
