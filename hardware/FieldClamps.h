#pragma once
#include "hardware/ModuleAreas.h"

#include "platform/Afx.h"

// The number rules of the module forms and CPU pages, without their windows: what a
// spin control offers and what a typed or pasted field becomes.

// The values a spin control offers, from low to high in steps.
struct SpinRange {
    int low;
    int high;
    int step;
};

// A field's text as a number: blanks around it ignored, an optional sign, the digits
// up to the first other character; empty or no digits is 0. Too many digits saturate
// at the int range instead of wrapping.
int ParseFieldNumber(const char* text);

// Above the top becomes the top, below the bottom becomes the bottom; a range whose top
// lies below its bottom (a module longer than its area) gives the bottom.
int ClampToRange(int value, const SpinRange& range);

// The start field of a module form for the area of the CPU class: from the area's low
// bound to (high bound - byte length + 1), in steps of 1 for I and Q and 2 for AI and AQ.
SpinRange StartSpinRange(int cpuClass, ModuleArea area, int byteLength);

// What a start field's text becomes: parsed, then clamped into the spin range, so a
// pasted "-1" or an over-long number never wraps into the 8-bit start byte.
int ClampStartField(const char* text, const SpinRange& range);

// Retentive ranges of the CPU, in the V area (0) or the C area (1) of the CPU class.
struct RetainAreaLimits {
    int low;
    int high;
    int size;
};
RetainAreaLimits RetainLimits(int cpuClass, int retainArea);
SpinRange RetainStartSpin(const RetainAreaLimits& limits);
SpinRange RetainLengthSpin(const RetainAreaLimits& limits, int start);
// A typed start: at or above the high bound becomes it, at or below 0 becomes 0.
int ClampRetainStart(int value, const RetainAreaLimits& limits);
// False when start + length - 1 runs past the area's high bound.
bool RetainRangeFits(const RetainAreaLimits& limits, int start, int length);
// The refusal of range 1 to 4.
CString RetainRangeMessage(int rangeNumber);

// Stop output values of an analog output channel, per signal form 0 to 3.
struct StopValueRange {
    int defaultValue;
    int low;
    int high;
};
// A form outside 0 to 3 (from a damaged file) is read as form 0.
const StopValueRange& AoStopValueRange(int signalForm);
int ClampStopValue(int value, int signalForm);

// Analog input signal types: one code space, each AI kind lists its own slice.
// The slice of a kind; count 0 for a kind that is no analog input.
struct AiTypeSlice {
    int firstCode;
    int count;
    const char* const* texts;
};
AiTypeSlice AiTypesOf(DWORD kind);
// The list position of a stored code; -1 (no selection) when it lies outside the slice.
int AiTypeListPosition(DWORD kind, int storedCode);
// What a channel's type list stores: the code of its position, or the stored code
// unchanged when the list has no selection.
BYTE AiTypeFromList(DWORD kind, int listPosition, BYTE storedCode);
