#pragma once

#include "language/OperandDescriptor.h"
#include "platform/CString.h"

#include <cstdint>

// Every use of a PLC memory location by the compiled programs, for the cross-reference
// view. Process-wide; cleared when a compile starts and when the project closes, so the
// uses of the last compile stay readable after the compile driver is gone.

// Access of a use.
enum AddressAccess : uint32_t {
    kAccessNone = 0,
    kAccessRead = 0x8000,
    kAccessWrite = 0x10000,
    kAccessReadWrite = 0x18000,
};

// Width of a use.
enum AddressUseKind {
    kUseBit = 1,
    kUseByte = 2,
    kUseWord = 4,  // also timer, counter, RS and SR instances
    kUseDoubleWord = 8,  // also high-speed counters
    kUseReal = 0x40,
};

struct AddressUseRecord {
    CString operand;
    int useKind = 0;
    uint16_t numberingMode = 0;
    uint32_t access = 0;
    int position = 0;  // network number or line number, by numberingMode
    CString programName;
};

// The access that an operand slot's direction bits give.
uint32_t AccessFromDirection(OperandDescriptor descriptor);

void ClearAddressUsage();
// Records one use of a direct address; false only when the text after the prefix
// begins with ".". Texts of no known prefix or of an area not kept record nothing.
bool MarkAddressUse(uint32_t access, const CString& operand);
// Records one use of a timer, counter, RS or SR instance (T37, C5, RS1, SR0).
void MarkFbInstanceUse(uint32_t access, const CString& instanceName);
// Copies the uses of the areas and widths in filter (area bits; 0x01 bit uses, 0x0E
// byte, word and double-word uses; REAL uses are always taken) into rows. On entry
// count is the capacity of rows, on success the number written; false, count
// unchanged, when the rows run out.
bool CollectAddressUsage(OperandDescriptor filter, int& count, AddressUseRecord* rows);
