#include "compiler/HexListing.h"

#include <fstream>

namespace HexListing {

namespace {

CString HexBytes(const uint8_t* bytes, int length, int group) {
    CString text;
    for (int i = 0; i < length; ++i) {
        CString hex;
        hex.Format("%02X", bytes[i]);
        text += hex;
        if ((i + 1) % group == 0 || i + 1 == length) text += ' ';
    }
    return text;
}

}  // namespace

CString HeaderLine(const uint8_t* bytes, int length) { return "\t\t" + HexBytes(bytes, length, 1); }

CString StatementLine(const CString& statement, const uint8_t* bytes, int length) {
    CString padded = statement;
    while (padded.GetLength() < kStatementWidth) padded += ' ';
    return "\t\t" + padded + "\t" + HexBytes(bytes, length, 2);
}

void AppendLine(const CString& path, const CString& line) {
    std::ofstream listing(path.GetString(), std::ios::binary | std::ios::app);
    listing << line.GetString() << "\r\n";
}

}  // namespace HexListing
