#pragma once

#include "platform/CString.h"

#include <cstdint>

// The text listing of the code that pass 2 writes for one source file, kept beside the
// file while the driver asks for listings: one line per block header and one per
// written statement (its words, then its code bytes in hexadecimal), each line
// starting with two tabs so that the bytes stand apart from the statement texts.
namespace HexListing {

constexpr int kStatementWidth = 40;

// "\t\t" and the header bytes, a blank after each.
CString HeaderLine(const uint8_t* bytes, int length);
// "\t\t", the statement padded to 40 characters, a tab (so that a longer statement stays
// apart from its code), then the code in 16-bit groups as they lie in the file
// ("%02X%02X "), an odd last byte alone.
CString StatementLine(const CString& statement, const uint8_t* bytes, int length);
// Appends the line and CR LF to the listing. A listing that cannot be written was
// reported when it was created; the compile does not depend on it.
void AppendLine(const CString& path, const CString& line);

}  // namespace HexListing
