#include "comm/ForceTable.h"

#include <array>

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kCountsOffset = 6;
constexpr size_t kGroupsOffset = kHeaderSize + kForceGroups;
constexpr uint8_t kTableType = 9;
constexpr uint32_t kValueWidth[kForceGroups] = {0, 1, 2, 4, 4};  // bits are packed
constexpr uint32_t kGroupFlags[kForceGroups] = {kForceBit, kForceByte, kForceWord, kForceDoubleWord, kForceReal};
constexpr uint32_t kAddressKind[kForceGroups] = {1, 2, 4, 8, 64};

size_t GroupSize(int group, size_t count) {
    const size_t values = group == 0 ? (count + 7) / 8 : count * kValueWidth[group];
    return 2 * count + values;
}

uint32_t Read(const uint8_t* at, uint32_t width) {
    uint32_t value = 0;
    for (uint32_t i = width; i > 0; --i)
        value = (value << 8) | at[i - 1];
    return value;
}

void Append(std::vector<uint8_t>& table, uint32_t value, uint32_t width) {
    for (uint32_t i = 0; i < width; ++i)
        table.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

int ForceGroupOf(uint32_t typeFlags) {
    const uint32_t typeBits[kForceGroups] = {0x01, 0x02, 0x14, 0x28, 0x40};
    for (int group = 0; group < kForceGroups; ++group)
        if (typeFlags & typeBits[group])
            return group;
    return -1;
}

uint32_t ForceGroupFlags(int group) { return kGroupFlags[group]; }

uint32_t ForceGroupAddressKind(int group) { return kAddressKind[group]; }

std::vector<uint8_t> EmptyForceTable() { return {11, 0, kTableType, 6, kTableType, 0, 0, 0, 0, 0, 0}; }

bool ParseForceTable(const std::vector<uint8_t>& table, std::vector<ForcedValue>& entries) {
    if (table.size() < kGroupsOffset || Read(table.data(), 2) != table.size() || table[2] != kTableType ||
        table[3] != 6 || table[4] != kTableType || table[5] != 0)
        return false;
    size_t expected = kGroupsOffset;
    for (int group = 0; group < kForceGroups; ++group)
        expected += GroupSize(group, table[kCountsOffset + group]);
    if (expected != table.size())
        return false;
    std::vector<ForcedValue> parsed;
    const uint8_t* at = table.data() + kGroupsOffset;
    for (int group = 0; group < kForceGroups; ++group) {
        const size_t count = table[kCountsOffset + group];
        const uint8_t* values = at + 2 * count;
        for (size_t i = 0; i < count; ++i) {
            const uint32_t value = group == 0 ? (values[i / 8] >> (i % 8)) & 1
                                              : Read(values + i * kValueWidth[group], kValueWidth[group]);
            parsed.push_back({static_cast<uint16_t>(Read(at + 2 * i, 2)), kGroupFlags[group], value});
        }
        at += GroupSize(group, count);
    }
    entries.swap(parsed);
    return true;
}

bool BuildForceTable(const std::vector<ForcedValue>& entries, std::vector<uint8_t>& table) {
    std::array<std::vector<const ForcedValue*>, kForceGroups> groups;
    for (const ForcedValue& entry : entries) {
        const int group = ForceGroupOf(entry.typeFlags);
        if (group >= 0)
            groups[group].push_back(&entry);
    }
    for (const auto& group : groups)
        if (group.size() > kMaxForcesPerGroup)
            return false;
    std::vector<uint8_t> built = {0, 0, kTableType, 6, kTableType, 0};
    for (const auto& group : groups)
        built.push_back(static_cast<uint8_t>(group.size()));
    for (int group = 0; group < kForceGroups; ++group) {
        for (const ForcedValue* entry : groups[group])
            Append(built, entry->code, 2);
        if (group == 0) {
            std::vector<uint8_t> packed((groups[0].size() + 7) / 8, 0);
            for (size_t i = 0; i < groups[0].size(); ++i)
                if (groups[0][i]->value & 1)
                    packed[i / 8] |= static_cast<uint8_t>(1 << (i % 8));
            built.insert(built.end(), packed.begin(), packed.end());
        } else {
            for (const ForcedValue* entry : groups[group])
                Append(built, entry->value, kValueWidth[group]);
        }
    }
    built[0] = static_cast<uint8_t>(built.size() & 0xFF);
    built[1] = static_cast<uint8_t>(built.size() >> 8);
    table.swap(built);
    return true;
}
