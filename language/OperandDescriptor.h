#pragma once
#include <windows.h>

// The 32-bit operand type word. For an operand in a statement it says what the operand
// is (the types it can be read as, constant or memory, which area, whether the area can
// be read, written and forced); for an operand slot of an instruction it says what the
// slot accepts. Overload resolution and operand checks compare two such words.
typedef DWORD OperandDescriptor;

// Data types.
const OperandDescriptor OD_BOOL = 0x1;
const OperandDescriptor OD_BYTE = 0x2;
const OperandDescriptor OD_WORD = 0x4;
const OperandDescriptor OD_DWORD = 0x8;
const OperandDescriptor OD_INT = 0x10;
const OperandDescriptor OD_DINT = 0x20;
const OperandDescriptor OD_REAL = 0x40;
const OperandDescriptor OD_POINTER = 0x80;   // reached through a pointer; "any type" in signature masks
const OperandDescriptor OD_ADDRESS = 0x100;

// Class and direction.
const OperandDescriptor OD_FORCEABLE = 0x200;
const OperandDescriptor OD_LABEL = 0x400;     // a label, program unit or event number
const OperandDescriptor OD_MEMORY = 0x800;
const OperandDescriptor OD_CONSTANT = 0x1000;
const OperandDescriptor OD_READ = 0x2000;
const OperandDescriptor OD_WRITE = 0x4000;
const OperandDescriptor OD_AREA_READABLE = 0x8000;
const OperandDescriptor OD_AREA_WRITABLE = 0x10000;

// Memory areas.
const OperandDescriptor OD_AREA_I = 0x20000;
const OperandDescriptor OD_AREA_Q = 0x40000;
const OperandDescriptor OD_AREA_M = 0x80000;
const OperandDescriptor OD_AREA_SM = 0x100000;
const OperandDescriptor OD_AREA_T = 0x200000;
const OperandDescriptor OD_AREA_C = 0x400000;
const OperandDescriptor OD_AREA_V = 0x800000;
const OperandDescriptor OD_AREA_L = 0x1000000;
const OperandDescriptor OD_AREA_HC = 0x4000000;
const OperandDescriptor OD_AREA_AI = 0x8000000;
const OperandDescriptor OD_AREA_AQ = 0x10000000;
const OperandDescriptor OD_AREA_RS = 0x20000000;
const OperandDescriptor OD_AREA_SR = 0x40000000;
const OperandDescriptor OD_AREA_BR = 0x80000000;

// The fields every comparison cuts out of a word.
const OperandDescriptor OD_TYPE_MASK = 0x1FF;
const OperandDescriptor OD_DIRECTION_MASK = OD_READ | OD_WRITE;
const OperandDescriptor OD_AREA_MASK = 0xFFFE0000;

// Slot classes of the instruction tables.
const OperandDescriptor OD_SLOT_READ_MEMORY = OD_READ | OD_MEMORY;
const OperandDescriptor OD_SLOT_READ_CONSTANT = OD_READ | OD_CONSTANT;
const OperandDescriptor OD_SLOT_LABEL = OD_READ | OD_CONSTANT | OD_LABEL;
const OperandDescriptor OD_SLOT_WRITE_MEMORY = OD_WRITE | OD_MEMORY;
const OperandDescriptor OD_SLOT_INOUT_MEMORY = OD_READ | OD_WRITE | OD_MEMORY;

// The directions an operand can serve: read when its area is readable, also write when
// it is writable; 0 when neither.
OperandDescriptor AccessFromAreaFlags(OperandDescriptor operand);

// Whether the slot accepts the operand: the slot's type bits are all in the operand, a
// constant needs a constant slot, a memory operand a memory slot, and every area of the
// operand is among the slot's areas.
bool SlotCoversOperand(OperandDescriptor slot, OperandDescriptor operand);

// The editors' stricter form: the slot must in addition use a direction the operand's
// area allows (an input cannot fill a slot that only writes).
bool EditorSlotCoversOperand(OperandDescriptor slot, OperandDescriptor operand);
