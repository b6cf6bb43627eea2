#include "language/AddressCode.h"

#include "hardware/MemAreaTable.h"
#include "language/AreaPrefixTable.h"
#include "language/LanguageText.h"
#include "language/NumberText.h"

#include <cstring>
#include <string>

namespace {

struct PrefixArea {
    const char* prefix;
    MemArea area;
};

// "%T" and "%C" are looked up apart: their area depends on the status flag.
const PrefixArea PrefixAreas[] = {
    {"%I", AreaI},    {"%IB", AreaI},    {"%IW", AreaI},   {"%ID", AreaI},   {"%Q", AreaQ},   {"%QB", AreaQ},
    {"%QW", AreaQ},   {"%QD", AreaQ},    {"%M", AreaM},    {"%MB", AreaM},   {"%MW", AreaM},  {"%MD", AreaM},
    {"%V", AreaV},    {"%VB", AreaV},    {"%VW", AreaV},   {"%VD", AreaV},   {"%VR", AreaV},  {"%BR", AreaBR},
    {"%SM", AreaSM},  {"%SMB", AreaSM},  {"%SMW", AreaSM}, {"%SMD", AreaSM}, {"%L", AreaL},   {"%LB", AreaL},
    {"%LW", AreaL},   {"%LD", AreaL},    {"%AI", AreaAI},  {"%AIW", AreaAI}, {"%AQ", AreaAQ}, {"%AQW", AreaAQ},
    {"%HC", AreaHC},  {"%SR", AreaSR},   {"%RS", AreaRS},
};

// The bases are the same for every CPU class, so the first class's rows serve all.
short BaseOf(MemArea area) {
    return static_cast<short>(MemAreaTable::Get(0, area).base);
}

long NumberOf(const std::string& digits) {
    int64_t value = 0;
    return ReadSaturatedDecimal(digits, value) ? static_cast<long>(value) : 0;
}

// Element n of a bit area: byte n / 8, bit n mod 8 (n * 8192 keeps only those bits).
WORD ElementBitCode(short base, long n) {
    return static_cast<WORD>(base + n / 8 + n * 8192);
}

}  // namespace

short GetAreaCodeBase(const char* prefix, BOOL statusBit) {
    std::string text = Trimmed(prefix);
    if (text.empty() || text[0] != '%')
        text.insert(0, 1, '%');
    if (text == "%T")
        return BaseOf(statusBit ? AreaTB : AreaT);
    if (text == "%C")
        return BaseOf(statusBit ? AreaCB : AreaC);
    for (const PrefixArea& entry : PrefixAreas)
        if (text == entry.prefix)
            return BaseOf(entry.area);
    return -1;
}

WORD EncodeAddressCode(const char* address, BOOL statusBit) {
    short row = 0;
    if (!FindAreaPrefix(address, row))
        return 0xFFFF;
    const AreaPrefixSpec& spec = AreaPrefixTable[row];
    const std::string number = address + spec.length;
    const short base = GetAreaCodeBase(spec.prefix, statusBit);
    const bool element = !std::strcmp(spec.prefix, "%T") || !std::strcmp(spec.prefix, "%C");
    if (!std::strcmp(spec.prefix, "%SR") || !std::strcmp(spec.prefix, "%RS") || (element && statusBit))
        return ElementBitCode(base, NumberOf(number));
    if (element)
        return static_cast<WORD>(base + 2 * NumberOf(number));
    const size_t point = number.find('.');
    if (point != std::string::npos)
        return static_cast<WORD>(base + NumberOf(number.substr(0, point)) + NumberOf(number.substr(point + 1)) * 8192);
    return static_cast<WORD>(base + NumberOf(number));
}
