#include "project/AddressCodeText.h"

#include "hardware/MemAreaTable.h"
#include "language/OperandDescriptor.h"

namespace {

const int PositionMask = 0x1FFF;
const int BitNumberUnit = 8192;

bool IsKnownClass(int cpuClass) {
    return cpuClass >= 0 && cpuClass < MemAreaTable::ClassCount;
}

int BaseOf(int cpuClass, int area) {
    return MemAreaTable::Get(cpuClass, area).base;
}

// The areas below SM follow one another without gaps, so each ends where the next begins.
int FixedAreaHolding(int cpuClass, int position) {
    int holder = AreaI;
    for (int area = AreaI; area < AreaSM; ++area)
        if (BaseOf(cpuClass, area) <= position)
            holder = area;
    return holder;
}

// From V upward each area spans its class's own size; positions past it belong to none.
int SizedAreaHolding(int cpuClass, int position) {
    for (int area = AreaV; area < MemAreaCount; ++area) {
        const MemAreaSpec& spec = MemAreaTable::Get(cpuClass, area);
        if (position >= spec.base && position < spec.base + spec.size)
            return area;
    }
    return -1;
}

int AreaHolding(int cpuClass, int position) {
    if (position < BaseOf(cpuClass, AreaSM))
        return FixedAreaHolding(cpuClass, position);
    if (position < BaseOf(cpuClass, AreaV))
        return AreaSM;
    return SizedAreaHolding(cpuClass, position);
}

CString Formatted(const char* format, const char* prefix, int number) {
    CString text;
    text.Format(format, prefix, number);
    return text;
}

// Areas whose addresses name an element rather than a byte.
bool ElementText(const CString& prefix, int offset, int bit, CString& text) {
    if (prefix == "%TB")
        text = Formatted("%s%d", "T", offset * 8 + bit);
    else if (prefix == "%T")
        text = Formatted("%s%d", "T", offset / 2);
    else if (prefix == "%CB")
        text = Formatted("%s%d", "C", offset * 8 + bit);
    else if (prefix == "%C")
        text = Formatted("%s%d", "C", offset / 2);
    else if (prefix == "%RS")
        text = Formatted("%s%d", "RS", offset * 8 + bit);
    else if (prefix == "%SR")
        text = Formatted("%s%d", "SR", offset * 8 + bit);
    else if (prefix == "%HC")
        text = Formatted("%s%d", "%HC", offset);
    else
        return false;
    return true;
}

CString TypedText(const CString& prefix, int offset, int bit, DWORD typeBits) {
    CString text;
    if (typeBits & OD_BOOL)
        text.Format("%s%d.%d", static_cast<LPCSTR>(prefix), offset, bit);
    else if (typeBits & OD_BYTE)
        text = Formatted("%sB%d", prefix, offset);
    else if (typeBits & (OD_INT | OD_WORD))
        text = Formatted("%sW%d", prefix, offset);
    else if (typeBits & (OD_DINT | OD_DWORD))
        text = Formatted("%sD%d", prefix, offset);
    else if ((typeBits & OD_REAL) && prefix == "%L")
        text = Formatted("%sD%d", prefix, offset);
    else if ((typeBits & OD_REAL) && prefix == "%V")
        text = Formatted("%sR%d", prefix, offset);
    return text;
}

}  // namespace

CString DecodeAddressCode(int cpuClass, int position, int& offset) {
    offset = -1;
    if (!IsKnownClass(cpuClass))
        return CString();
    position &= PositionMask;
    const int area = AreaHolding(cpuClass, position);
    if (area < 0)
        return CString();
    const MemAreaSpec& spec = MemAreaTable::Get(cpuClass, area);
    offset = position - spec.base;
    return spec.prefix;
}

CString AddressCodeToText(int cpuClass, WORD code, DWORD typeBits) {
    int offset = -1;
    const CString prefix = DecodeAddressCode(cpuClass, code & PositionMask, offset);
    if (prefix.IsEmpty())
        return CString();
    const int bit = code / BitNumberUnit;
    CString text;
    if (ElementText(prefix, offset, bit, text))
        return text;
    return TypedText(prefix, offset, bit, typeBits);
}
