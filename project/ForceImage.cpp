#include "project/ForceImage.h"

#include "language/OperandDescriptor.h"

namespace {

const int PositionMask = 0x1FFF;
const int BitNumberUnit = 8192;

// The cells a value of the type spans; 0 for a type that is not stored.
int ByteCountOf(DWORD typeBits) {
    if (typeBits & OD_BYTE)
        return 1;
    if (typeBits & (OD_WORD | OD_INT))
        return 2;
    if (typeBits & (OD_DWORD | OD_DINT | OD_REAL))
        return 4;
    return 0;
}

bool FitsImage(int first, int count, int cellCount) {
    return first >= 0 && first + count <= cellCount;
}

void SetLowByte(DWORD& cell, DWORD byte) {
    cell = (cell & ~DWORD(0xFF)) | (byte & 0xFF);
}

}  // namespace

bool WriteForceValue(DWORD* cells, int cellCount, WORD code, DWORD typeBits, DWORD value) {
    if (typeBits & OD_BOOL) {
        const int cell = code & PositionMask;
        if (!FitsImage(cell, 1, cellCount))
            return false;
        const DWORD mask = DWORD(1) << (code / BitNumberUnit);
        cells[cell] = (value & 1) ? (cells[cell] | mask) : (cells[cell] & ~mask);
        return true;
    }
    const int bytes = ByteCountOf(typeBits);
    if (bytes == 0)
        return true;
    if (!FitsImage(code, bytes, cellCount))
        return false;
    for (int i = 0; i < bytes; ++i)
        SetLowByte(cells[code + i], value >> (8 * i));
    return true;
}

bool ReadForceValue(const DWORD* cells, int cellCount, WORD code, DWORD typeBits, DWORD& value) {
    if (typeBits & OD_BOOL) {
        const int cell = code & PositionMask;
        if (!FitsImage(cell, 1, cellCount))
            return false;
        value = (cells[cell] >> (code / BitNumberUnit)) & 1;
        return true;
    }
    const int bytes = ByteCountOf(typeBits);
    if (bytes == 0 || !FitsImage(code, bytes, cellCount))
        return false;
    DWORD result = 0;
    for (int i = 0; i < bytes; ++i)
        result |= (cells[code + i] & 0xFF) << (8 * i);
    value = result;
    return true;
}
