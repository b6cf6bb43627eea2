#include "compiler/AddressUsageMap.h"

#include "compiler/CompileVariables.h"
#include "language/AreaPrefixTable.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

// List 0 holds whole-element uses; lists 1 to 8 the uses of bits 0 to 7 of the byte.
using SlotLists = std::array<std::vector<AddressUseRecord>, 9>;

struct UsageArea {
    OperandDescriptor areaBit;
    int slotCount;
    std::map<int, SlotLists> slots;
};

// In the order in which uses are collected.
std::array<UsageArea, 12>& Areas() {
    static std::array<UsageArea, 12> areas = {{
        {OD_AREA_AI, 64, {}},
        {OD_AREA_AQ, 64, {}},
        {OD_AREA_I, 32, {}},
        {OD_AREA_M, 32, {}},
        {OD_AREA_Q, 32, {}},
        {OD_AREA_SM, 300, {}},
        {OD_AREA_V, 4096, {}},
        {OD_AREA_HC, 6, {}},
        {OD_AREA_T, 256, {}},
        {OD_AREA_C, 256, {}},
        {OD_AREA_RS, 16, {}},
        {OD_AREA_SR, 16, {}},
    }};
    return areas;
}

UsageArea* FindArea(OperandDescriptor areaBit) {
    for (UsageArea& area : Areas())
        if (area.areaBit == areaBit) return &area;
    return nullptr;
}

void AppendUse(OperandDescriptor areaBit, int slot, int list, uint32_t access,
               const CString& operand, int useKind) {
    UsageArea* area = FindArea(areaBit);
    if (!area || operand.IsEmpty() || slot < 0 || slot >= area->slotCount) return;
    AddressUseRecord use;
    use.operand = operand;
    use.useKind = useKind;
    use.numberingMode = NumberingMode;
    use.access = access;
    use.position = NumberingMode == kNumberByNetwork ? CurrentNetworkNumber : CurrentLineNumber;
    use.programName = CurrentProgramName;
    area->slots[slot][list].push_back(use);
}

int WidthUseKind(OperandDescriptor typeBits) {
    switch (typeBits & 0x0F) {
    case OD_BYTE: return kUseByte;
    case OD_WORD: return kUseWord;
    case OD_DWORD: return kUseDoubleWord;
    default: return 0;
    }
}

bool IsBitAndByteArea(OperandDescriptor areaBit) {
    return areaBit == OD_AREA_I || areaBit == OD_AREA_Q || areaBit == OD_AREA_M ||
           areaBit == OD_AREA_SM || areaBit == OD_AREA_V;
}

void MarkAreaUse(const AreaPrefixSpec& prefix, int byte, int bit, uint32_t access,
                 const CString& operand) {
    const OperandDescriptor areaBit = prefix.areaWord & OD_AREA_MASK;
    const OperandDescriptor width = prefix.types & 0x0F;
    if (IsBitAndByteArea(areaBit)) {
        if (areaBit == OD_AREA_V && (prefix.types & OD_REAL))
            AppendUse(areaBit, byte, 0, access, operand, kUseReal);
        else if (width == OD_BOOL && bit >= 0 && bit <= 7)
            AppendUse(areaBit, byte, 1 + bit, access, operand, kUseBit);
        else if (WidthUseKind(width))
            AppendUse(areaBit, byte, 0, access, operand, WidthUseKind(width));
    } else if (areaBit == OD_AREA_AI || areaBit == OD_AREA_AQ) {
        if (width == OD_WORD) AppendUse(areaBit, byte, 0, access, operand, kUseWord);
    } else if (areaBit == OD_AREA_HC) {
        AppendUse(areaBit, byte, 0, access, operand, kUseDoubleWord);
    }
}

bool IsTaken(const AddressUseRecord& use, OperandDescriptor filter) {
    return (use.useKind & filter & 0x0E) != 0 || use.useKind == kUseReal;
}

// Appends a use to rows; false when the rows are full.
bool TakeUse(const AddressUseRecord& use, int capacity, int& taken, AddressUseRecord* rows) {
    if (taken >= capacity) return false;
    rows[taken++] = use;
    return true;
}

}  // namespace

uint32_t AccessFromDirection(OperandDescriptor descriptor) {
    switch (descriptor & OD_DIRECTION_MASK) {
    case OD_READ | OD_WRITE: return kAccessReadWrite;
    case OD_READ: return kAccessRead;
    case OD_WRITE: return kAccessWrite;
    default: return kAccessNone;
    }
}

void ClearAddressUsage() {
    for (UsageArea& area : Areas()) area.slots.clear();
}

bool MarkAddressUse(uint32_t access, const CString& operand) {
    short row = 0;
    AreaPrefixSpec prefix;
    if (!FindAreaPrefix(operand, row) || !GetAreaPrefixRecord(row, prefix)) return true;
    const CString number = operand.Mid(prefix.length);
    if (!number.IsEmpty() && number[0] == '.') return false;
    const int dot = number.Find('.');
    const int byte = atoi(dot < 0 ? number : number.Left(dot));
    const int bit = dot < 0 ? -1 : atoi(number.Mid(dot + 1));
    MarkAreaUse(prefix, byte, bit, access, operand);
    return true;
}

void MarkFbInstanceUse(uint32_t access, const CString& instanceName) {
    struct InstanceArea {
        const char* prefix;
        OperandDescriptor areaBit;
    };
    static const InstanceArea instanceAreas[] = {
        {"RS", OD_AREA_RS}, {"SR", OD_AREA_SR}, {"T", OD_AREA_T}, {"C", OD_AREA_C}};
    for (const InstanceArea& area : instanceAreas) {
        const int length = static_cast<int>(strlen(area.prefix));
        if (instanceName.Left(length) == area.prefix) {
            AppendUse(area.areaBit, atoi(instanceName.Mid(length)), 0, access, instanceName,
                      kUseWord);
            return;
        }
    }
}

bool CollectAddressUsage(OperandDescriptor filter, int& count, AddressUseRecord* rows) {
    int taken = 0;
    for (const UsageArea& area : Areas()) {
        if (!(filter & area.areaBit)) continue;
        for (const auto& [slot, lists] : area.slots) {
            for (const AddressUseRecord& use : lists[0])
                if (IsTaken(use, filter) && !TakeUse(use, count, taken, rows)) return false;
            if (!(filter & kUseBit)) continue;
            for (int list = 1; list < 9; ++list)
                for (const AddressUseRecord& use : lists[list])
                    if (!TakeUse(use, count, taken, rows)) return false;
        }
    }
    count = taken;
    return true;
}
