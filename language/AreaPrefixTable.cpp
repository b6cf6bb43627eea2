#include "language/AreaPrefixTable.h"

#include <cstring>

namespace {

const OperandDescriptor AREA_WORD_I = OD_AREA_I | OD_AREA_READABLE | OD_FORCEABLE;
const OperandDescriptor AREA_WORD_Q = OD_AREA_Q | OD_AREA_READABLE | OD_AREA_WRITABLE | OD_FORCEABLE;
const OperandDescriptor AREA_WORD_M = OD_AREA_M | OD_AREA_READABLE | OD_AREA_WRITABLE | OD_FORCEABLE;
const OperandDescriptor AREA_WORD_SM = OD_AREA_SM | OD_AREA_READABLE | OD_AREA_WRITABLE;
const OperandDescriptor AREA_WORD_V = OD_AREA_V | OD_AREA_READABLE | OD_AREA_WRITABLE | OD_FORCEABLE;
const OperandDescriptor AREA_WORD_L = OD_AREA_L | OD_AREA_READABLE | OD_AREA_WRITABLE;
const OperandDescriptor AREA_WORD_AI = OD_AREA_AI | OD_AREA_READABLE | OD_FORCEABLE;
const OperandDescriptor AREA_WORD_AQ = OD_AREA_AQ | OD_AREA_READABLE | OD_AREA_WRITABLE | OD_FORCEABLE;
const OperandDescriptor AREA_WORD_HC = OD_AREA_HC | OD_AREA_READABLE;
const OperandDescriptor AREA_WORD_T = OD_AREA_T | OD_AREA_READABLE | OD_AREA_WRITABLE;
const OperandDescriptor AREA_WORD_C = OD_AREA_C | OD_AREA_READABLE | OD_AREA_WRITABLE;
const OperandDescriptor AREA_WORD_SR = OD_AREA_SR | OD_AREA_READABLE | OD_AREA_WRITABLE;
const OperandDescriptor AREA_WORD_RS = OD_AREA_RS | OD_AREA_READABLE | OD_AREA_WRITABLE;
const OperandDescriptor AREA_WORD_BR = OD_AREA_BR | OD_AREA_READABLE | OD_AREA_WRITABLE;

const OperandDescriptor WORD_TYPES = OD_WORD | OD_INT;
const OperandDescriptor DWORD_TYPES = OD_DWORD | OD_DINT;
const OperandDescriptor ELEMENT_TYPES = OD_BOOL | OD_WORD | OD_INT;

}  // namespace

const AreaPrefixSpec AreaPrefixTable[AREA_PREFIX_COUNT] = {
    {"%IB", 3, OD_BYTE, AREA_WORD_I},
    {"%QB", 3, OD_BYTE, AREA_WORD_Q},
    {"%MB", 3, OD_BYTE, AREA_WORD_M},
    {"%SMB", 4, OD_BYTE, AREA_WORD_SM},
    {"%VB", 3, OD_BYTE, AREA_WORD_V},
    {"%LB", 3, OD_BYTE, AREA_WORD_L},
    {"%IW", 3, WORD_TYPES, AREA_WORD_I},
    {"%QW", 3, WORD_TYPES, AREA_WORD_Q},
    {"%MW", 3, WORD_TYPES, AREA_WORD_M},
    {"%SMW", 4, WORD_TYPES, AREA_WORD_SM},
    {"%VW", 3, WORD_TYPES, AREA_WORD_V},
    {"%AIW", 4, WORD_TYPES, AREA_WORD_AI},
    {"%AQW", 4, WORD_TYPES, AREA_WORD_AQ},
    {"%LW", 3, WORD_TYPES, AREA_WORD_L},
    {"%ID", 3, DWORD_TYPES, AREA_WORD_I},
    {"%QD", 3, DWORD_TYPES, AREA_WORD_Q},
    {"%MD", 3, DWORD_TYPES, AREA_WORD_M},
    {"%SMD", 4, DWORD_TYPES, AREA_WORD_SM},
    {"%VD", 3, DWORD_TYPES, AREA_WORD_V},
    {"%VR", 3, OD_REAL, AREA_WORD_V},
    {"%HC", 3, OD_DINT, AREA_WORD_HC},
    {"%LD", 3, DWORD_TYPES | OD_REAL, AREA_WORD_L},
    {"%I", 2, OD_BOOL, AREA_WORD_I},
    {"%Q", 2, OD_BOOL, AREA_WORD_Q},
    {"%M", 2, OD_BOOL, AREA_WORD_M},
    {"%SM", 3, OD_BOOL, AREA_WORD_SM},
    {"%V", 2, OD_BOOL, AREA_WORD_V},
    {"%T", 2, ELEMENT_TYPES, AREA_WORD_T},
    {"%C", 2, ELEMENT_TYPES, AREA_WORD_C},
    {"%L", 2, OD_BOOL, AREA_WORD_L},
    {"%SR", 3, OD_BOOL, AREA_WORD_SR},
    {"%RS", 3, OD_BOOL, AREA_WORD_RS},
    {"%BR", 3, OD_BOOL, AREA_WORD_BR},
};

bool FindAreaPrefix(const char* address, short& row) {
    for (int i = 0; i < AREA_PREFIX_COUNT; ++i) {
        const AreaPrefixSpec& spec = AreaPrefixTable[i];
        if (std::strncmp(address, spec.prefix, spec.length) == 0) {
            row = static_cast<short>(i);
            return true;
        }
    }
    return false;
}

bool GetAreaPrefixRecord(int row, AreaPrefixSpec& record) {
    if (row < 0 || row >= AREA_PREFIX_COUNT)
        return false;
    record = AreaPrefixTable[row];
    return true;
}
