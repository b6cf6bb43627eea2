#include "language/OperandDescriptor.h"

OperandDescriptor AccessFromAreaFlags(OperandDescriptor operand) {
    return ((operand & OD_AREA_READABLE) ? OD_READ : 0) | ((operand & OD_AREA_WRITABLE) ? OD_WRITE : 0);
}

bool SlotCoversOperand(OperandDescriptor slot, OperandDescriptor operand) {
    const OperandDescriptor slotTypes = slot & OD_TYPE_MASK;
    if ((operand & slotTypes) != slotTypes)
        return false;
    if ((operand & OD_CONSTANT) && !(slot & OD_CONSTANT))
        return false;
    if ((operand & OD_MEMORY) && !(slot & OD_MEMORY))
        return false;
    const OperandDescriptor areas = operand & OD_AREA_MASK;
    return (slot & areas) == areas;
}

bool EditorSlotCoversOperand(OperandDescriptor slot, OperandDescriptor operand) {
    const OperandDescriptor access = AccessFromAreaFlags(operand);
    if (access != 0 && !(slot & access))
        return false;
    return SlotCoversOperand(slot, operand);
}
