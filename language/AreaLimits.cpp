#include "language/AreaLimits.h"

#include "hardware/MemAreaTable.h"
#include "language/CpuClassSource.h"
#include "language/LanguageText.h"

#include <cstring>

namespace {

struct AreaForm {
    const char* prefix;
    MemArea area;
};

const AreaForm BitByteForms[] = {
    {"%I", AreaI},   {"%IB", AreaI},  {"%Q", AreaQ},  {"%QB", AreaQ},   {"%T", AreaT},   {"%C", AreaC},
    {"%M", AreaM},   {"%MB", AreaM},  {"%V", AreaV},  {"%VB", AreaV},   {"%BR", AreaBR}, {"%SM", AreaSM},
    {"%SMB", AreaSM}, {"%L", AreaL},  {"%LB", AreaL}, {"%HC", AreaHC},  {"%SR", AreaSR}, {"%RS", AreaRS},
};

const AreaForm WordForms[] = {
    {"%VW", AreaV},  {"%SMW", AreaSM}, {"%AI", AreaAI}, {"%AIW", AreaAI}, {"%AQ", AreaAQ},
    {"%AQW", AreaAQ}, {"%IW", AreaI},  {"%QW", AreaQ},  {"%MW", AreaM},   {"%LW", AreaL},
};

const AreaForm DwordForms[] = {
    {"%VD", AreaV}, {"%VR", AreaV}, {"%SMD", AreaSM}, {"%MD", AreaM}, {"%LD", AreaL}, {"%ID", AreaI}, {"%QD", AreaQ},
};

// The last index of the form: the area's high bound less the bytes that follow the
// first byte of a value of the form.
template <size_t N>
int LastIndexOf(const AreaForm (&forms)[N], const char* prefix, int firstRow, int trailingBytes) {
    if (firstRow < 0 || firstRow >= MemAreaTable::RowCount || firstRow % MemAreaCount != 0)
        return -1;
    for (const AreaForm& form : forms)
        if (std::strcmp(form.prefix, prefix) == 0)
            return MemAreaTable::Row(firstRow + form.area).high - trailingBytes;
    return -1;
}

}  // namespace

int GetAreaLastBitByteIndex(const char* prefix, int firstRow) {
    return LastIndexOf(BitByteForms, prefix, firstRow, 0);
}

int GetAreaLastWordIndex(const char* prefix, int firstRow) {
    return LastIndexOf(WordForms, prefix, firstRow, 1);
}

int GetAreaLastDwordIndex(const char* prefix, int firstRow) {
    return LastIndexOf(DwordForms, prefix, firstRow, 3);
}

int GetAreaLastIndex(const char* prefix) {
    if (prefix[0] == '\0')
        return -1;
    const std::string address = AddressForm(Trimmed(prefix).c_str());
    const int firstRow = CurrentCpuClass() * MemAreaCount;
    int last = GetAreaLastBitByteIndex(address.c_str(), firstRow);
    if (last == -1)
        last = GetAreaLastWordIndex(address.c_str(), firstRow);
    if (last == -1)
        last = GetAreaLastDwordIndex(address.c_str(), firstRow);
    return last;
}
