#pragma once
#include "hardware/FieldClamps.h"

class CHWModuleForm;

// The start byte of one of a module's areas in its form: an edit of digits with a spin
// and a read-only length. A typed or pasted start is clamped into the area at once and
// stored with its end into the module; Cancel puts back the start of the fill.
class ModuleStartField {
public:
    ModuleStartField(ModuleArea area, int editId, int spinId, int lengthId)
        : m_area(area), m_editId(editId), m_spinId(spinId), m_lengthId(lengthId) {}

    int EditId() const { return m_editId; }
    int SpinId() const { return m_spinId; }
    int ByteLength() const { return m_byteLength; }

    void Fill(CHWModuleForm& form);
    // The spin range again (at every spin step).
    void SetSpinRange(CHWModuleForm& form);
    // The user changed the field: clamp, store start and end, redraw the grid.
    void OnChange(CHWModuleForm& form);
    // Shows the module's current start (after Default), storing it as a change does.
    void ShowModuleStart(CHWModuleForm& form);
    // Cancel: the start of the fill back into the module and the field.
    void Restore(CHWModuleForm& form);
    // The field's value, clamped, as ApplyToModule stores it.
    void Store(CHWModuleForm& form);

private:
    SpinRange Range(CHWModuleForm& form) const;
    int ClampedValue(CHWModuleForm& form, CString* shown) const;
    void StoreStart(CHWModuleForm& form, int start) const;

    ModuleArea m_area;
    int m_editId;
    int m_spinId;
    int m_lengthId;
    int m_byteLength = 0;
    int m_filledStart = 0;
};
