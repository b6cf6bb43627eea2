#include "editors/ILPagination.h"

#include <algorithm>

namespace {
BOOL IsHighByte(char ch) { return (static_cast<unsigned char>(ch) & 0x80) != 0; }

// The length of the piece from start: at most width bytes, one less when the last byte
// would be the lead byte of a double-byte character.
int PieceLength(const CString& text, int start, int width) {
    int length = std::min(width, text.GetLength() - start);
    int end = start + length;
    if (end >= text.GetLength() || length < 2) return length;
    int lead = start;
    while (lead < end) lead += IsHighByte(text[lead]) ? 2 : 1;
    return lead > end ? length - 1 : length;
}
}  // namespace

CILPagination::CILPagination(const CStringArray& lines, int rowsPerPage, int wrapWidth) {
    rowsPerPage = std::max(1, rowsPerPage);
    wrapWidth = std::max(1, wrapWidth);
    std::vector<Row> page;
    auto addRow = [&](const Row& row) {
        page.push_back(row);
        if (static_cast<int>(page.size()) == rowsPerPage) {
            m_pages.push_back(page);
            page.clear();
        }
    };
    for (int line = 0; line < lines.GetSize(); ++line) {
        const CString& text = lines[line];
        int column = 0;
        do {
            int length = PieceLength(text, column, wrapWidth);
            addRow(Row{line, column, length});
            column += length;
        } while (column < text.GetLength());
    }
    if (!page.empty()) m_pages.push_back(page);
}
