#pragma once

#include "platform/Afx.h"

#include <string>

// Every program file (".ilp") starts with the line "(*1*)" (instruction list) or
// "(*2*)" (ladder diagram). Gives the language of the file's first line compared byte
// for byte, or 255 for any other line, an empty file or a file that cannot be read.
BYTE ReadLangMarker(const CString& path);
// The same for a file's bytes already read.
BYTE LangMarkerOf(const std::string& bytes);

// The language's marker line, without line end.
CString LangMarkerLine(int language);

// Pointer operands do not exist in this PLC language: these tests answer FALSE for
// every operand, so callers never strip or reinterpret an operand's first character.
BOOL IsIndirectOperand(const CString& operand);
BOOL IsAddressOfOperand(const CString& operand);
BOOL IsPointerOperand(const CString& operand);
