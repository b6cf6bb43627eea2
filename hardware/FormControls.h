#pragma once
#include "platform/CWnd.h"

// The few control operations the module forms and CPU pages make, by control id.

void FillList(CWnd& parent, int id, const char* const* texts, int count);
// The selected position; -1 when the list has no selection.
int ListSelection(const CWnd& parent, int id);
void SelectListEntry(CWnd& parent, int id, int position);

void SetFieldNumber(CWnd& parent, int id, int value);
// The field's text as a number, saturated (ParseFieldNumber).
int FieldNumber(const CWnd& parent, int id);

void EnableControl(CWnd& parent, int id, bool enable);
bool IsChecked(const CWnd& parent, int id);
void SetChecked(CWnd& parent, int id, bool checked);
