#pragma once

// Texts of the compile messages, indexed by message code.
constexpr int kCompileMsgCount = 43;

// Severities of a compile message.
enum CompileSeverity { kSeverityError = 0, kSeverityWarning = 1, kSeverityInfo = 2 };

// The text of a message code; "未知错误!" for a code outside the table.
const char* GetCompileMsgText(int code);
