#include "editors/ILPagination.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
void Fill(CStringArray& lines, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) lines.Add(text.c_str());
}

// Every line put back together from its printed pieces, in page order.
std::vector<std::string> Reassembled(const CStringArray& lines, const CILPagination& pages) {
    std::vector<std::string> result(static_cast<size_t>(lines.GetSize()));
    int lastLine = -1;
    for (int page = 0; page < pages.ProgramPageCount(); ++page) {
        for (const CILPagination::Row& row : pages.PageRows(page)) {
            EXPECT_GE(row.line, lastLine) << "rows run in line order";
            lastLine = row.line;
            result[row.line] += lines[row.line].Mid(row.column, row.length).GetString();
        }
    }
    return result;
}

TEST(ILPagination, WrappedLinesGoOnWherethePageBeforeStopped) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        int rowsPerPage;
        int wrapWidth;
        int pages;
    };
    const std::string twice(40, 'x');
    const Case cases[] = {
        {"ten short lines: one program page", std::vector<std::string>(10, "LD      %I0.0"), 47, 20, 1},
        {"a line of twice the wrap width takes two rows", {twice}, 2, 20, 1},
        {"wrapped lines over many pages", {twice, "a", twice + "yy", "", twice, twice, "b"}, 3, 20, 4},
        {"tiny paper: one row of one byte", {"LD", "ST"}, 0, -5, 4},
        {"no lines, no program page", {}, 10, 10, 0},
    };
    for (const Case& c : cases) {
        CStringArray lines;
        Fill(lines, c.lines);
        CILPagination pages(lines, c.rowsPerPage, c.wrapWidth);
        EXPECT_EQ(c.pages, pages.ProgramPageCount()) << c.name;
        EXPECT_EQ(c.lines, Reassembled(lines, pages)) << c.name << ": nothing lost, nothing twice";
    }
}

TEST(ILPagination, APieceNeverEndsInsideADoubleByteCharacter) {
    CStringArray lines;
    Fill(lines, {"ab\xB9\xA4\xB3\xCC" "cd"});
    CILPagination pages(lines, 10, 3);
    std::vector<int> lengths;
    for (const CILPagination::Row& row : pages.PageRows(0)) lengths.push_back(row.length);
    EXPECT_EQ((std::vector<int>{2, 2, 3, 1}), lengths);
    EXPECT_EQ((std::vector<std::string>{"ab\xB9\xA4\xB3\xCC" "cd"}), Reassembled(lines, pages));
}
}  // namespace
