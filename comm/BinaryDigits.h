#pragma once

#include "platform/Afx.h"

#include <cstdint>

// Replaces text with the value in binary notation without leading zeros ("0" for 0).
void ToBinaryString(uint32_t value, CString& text);
