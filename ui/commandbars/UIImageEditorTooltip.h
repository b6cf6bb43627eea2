#pragma once

#include <windows.h>

#include <string>

// The tooltip part of a command's string resource (after the line break), cut to fit a
// buffer of 80 characters with its terminator; FALSE when the resource does not exist.
std::string TooltipFromPrompt(const std::string& prompt);
BOOL LoadImageEditorTooltip(HINSTANCE instance, UINT id, std::string* text);
