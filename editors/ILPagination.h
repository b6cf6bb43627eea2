#pragma once
#include "platform/Arrays.h"

#include <vector>

// How the program lines of an IL POU fall onto printed pages. A line longer than the
// wrap width prints in pieces on consecutive rows; a piece never ends inside a
// double-byte character. Pages are decided once, each going on where the one before
// stopped, so no line is skipped however lines wrap.
class CILPagination {
public:
    struct Row {
        int line;
        int column;
        int length;
    };

    // Rows per page and wrap width below 1 count as 1.
    CILPagination(const CStringArray& lines, int rowsPerPage, int wrapWidth);

    int ProgramPageCount() const { return static_cast<int>(m_pages.size()); }
    // The rows of program page p (0-based).
    const std::vector<Row>& PageRows(int page) const { return m_pages[page]; }

private:
    std::vector<std::vector<Row>> m_pages;
};
