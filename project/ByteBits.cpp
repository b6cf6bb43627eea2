#include "project/ByteBits.h"

void SetByteBit(BYTE& byte, int n) {
    PutByteBit(byte, n, 1);
}

void PutByteBit(BYTE& byte, int n, int flag) {
    if (n < 0 || n > 7)
        return;
    const BYTE mask = static_cast<BYTE>(1 << n);
    byte = flag ? static_cast<BYTE>(byte | mask) : static_cast<BYTE>(byte & ~mask);
}
