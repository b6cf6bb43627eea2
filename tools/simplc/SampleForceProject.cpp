#include "tools/simplc/SampleForceProject.h"

#include "comm/ForceTable.h"
#include "project/OwnedObjects.h"

#include <cstdio>
#include <cstring>

namespace {

struct Form {
    char letter;  // after "%M"; 0 for the bit form
    uint32_t flags;
    uint32_t kind;
};

const Form kForms[] = {
    {0, kForceBit, 1}, {'B', kForceByte, 2}, {'W', kForceWord, 4}, {'D', kForceDoubleWord, 8}, {'R', kForceReal, 64},
};

}  // namespace

SampleForceProject::~SampleForceProject() { DeleteMapValues(m_map); }

const ForceEntry* SampleForceProject::Forced(const char* addressText) const {
    return CForcingService::FindForceEntry(m_map, addressText);
}

bool SampleForceProject::ParseForceAddress(const CString& text, uint16_t& code, uint32_t& typeFlags) {
    CString address = text;
    address.Trim();
    address.MakeUpper();
    const char* s = address;
    if (std::strncmp(s, "%M", 2) != 0)
        return false;
    s += 2;
    int byte = -1, bit = 0, used = 0;
    for (const Form& form : kForms) {
        const bool matches = form.letter ? s[0] == form.letter && std::sscanf(s + 1, "%d%n", &byte, &used) == 1 && s[1 + used] == 0
                                         : std::sscanf(s, "%d.%d%n", &byte, &bit, &used) == 2 && s[used] == 0;
        if (!matches)
            continue;
        if (byte < 0 || byte >= kBytes || bit < 0 || bit > 7)
            return false;
        code = static_cast<uint16_t>(kBaseCode + byte + (bit << 13));
        typeFlags = form.flags;
        return true;
    }
    return false;
}

CString SampleForceProject::AddressCodeToText(uint16_t code, uint32_t kind) {
    const int byte = (code & 0x1FFF) - kBaseCode;
    if (byte < 0 || byte >= kBytes)
        return CString();
    for (const Form& form : kForms) {
        if (form.kind != kind)
            continue;
        CString text;
        if (form.letter)
            text.Format("%%M%c%d", form.letter, byte);
        else
            text.Format("%%M%d.%d", byte, code >> 13);
        return text;
    }
    return CString();
}

bool SampleForceProject::Cells(uint16_t code, uint32_t typeFlags, int& first, int& count, int& bit) const {
    static const int kWidth[kForceGroups] = {1, 1, 2, 4, 4};
    const int group = ForceGroupOf(typeFlags);
    first = (code & 0x1FFF) - kBaseCode;
    bit = code >> 13;
    count = group < 0 ? 0 : kWidth[group];
    return (typeFlags & 0x200) && group >= 0 && first >= 0 && first + count <= kBytes;
}

bool SampleForceProject::SetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t value) {
    int first, count, bit;
    if (!Cells(code, typeFlags, first, count, bit))
        return false;
    if (ForceGroupOf(typeFlags) == 0) {
        m_current[first] = (m_current[first] & ~(1u << bit)) | ((value & 1) << bit);
        return true;
    }
    for (int i = 0; i < count; ++i)
        m_current[first + i] = (value >> (8 * i)) & 0xFF;
    return true;
}

bool SampleForceProject::GetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t& value) {
    int first, count, bit;
    if (!Cells(code, typeFlags, first, count, bit))
        return false;
    if (ForceGroupOf(typeFlags) == 0) {
        value = (m_current[first] >> bit) & 1;
        return true;
    }
    value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | (m_current[first + i] & 0xFF);
    return true;
}

void SampleForceProject::ClearForceImage() {
    m_current.assign(kBytes, 0);
    m_backup.assign(kBytes, 0);
}
