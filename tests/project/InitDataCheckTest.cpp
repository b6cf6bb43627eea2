#include "project/InitDataCheck.h"

#include "project/CQLXInitData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct RowSpec {
    std::vector<const char*> texts;
    std::vector<std::pair<DWORD, DWORD>> cellErrors;  // column from 0, error flags
};

class InitDataCheckTest : public testing::Test {
protected:
    int Check(const std::vector<RowSpec>& specs) {
        for (const RowSpec& spec : specs) {
            owned.push_back(std::make_unique<CQLXInitData>());
            for (const char* text : spec.texts) owned.back()->texts.Add(text);
            for (const auto& cell : spec.cellErrors) owned.back()->valueMap.SetAt(cell.first, cell.second);
            rows.Add(owned.back().get());
        }
        return CheckInitDataRows(rows, [this](const CString& line) { lines.push_back(line.GetString()); });
    }

    std::vector<std::unique_ptr<CQLXInitData>> owned;
    CObArray rows;
    std::vector<std::string> lines;
};

std::string Line(int row, int column, const std::string& message) {
    char text[64];
    snprintf(text, sizeof text, "第%3d行第%3d列：", row, column);
    return "        初始化数据表  " + std::string(text) + "  " + message;
}

TEST_F(InitDataCheckTest, RowWithOnlyAnAddressGivesOneColumnOneLine) {
    EXPECT_EQ(1, Check({{{"%VW10"}, {}}, {{"%VB0", "1"}, {}}, {{""}, {}}, {{}, {}}}));
    EXPECT_EQ((std::vector<std::string>{"$$$ 正在编译  ：初始化数据表... ", Line(1, 1, "尚未赋初始值")}), lines);
}

TEST_F(InitDataCheckTest, EachMarkedCellReportsItsHighestReason) {
    const struct { DWORD flags; const char* message; } cases[] = {
        {1, "地址非法。"},
        {2, "地址不符合初始化数据的要求。初始化数据只支持V区BYTE、WORD、DWORD、INT、DINT、REAL型数据"},
        {4, "初始值非法。"},
        {6, "初始值非法。"},
        {8, "初始值的数据类型错误"},
        {16, "初始值类型无法识别，原因是地址错误。"},
        {32 | 1, "地址超出了有效的地址范围。"},
        {64 | 8, "初始值的数据类型错误"},  // an unknown higher bit is passed over
    };
    for (const auto& c : cases) {
        lines.clear();
        rows.RemoveAll();
        EXPECT_EQ(1, Check({{{"%VB0", "X"}, {{1, c.flags}}}})) << c.flags;
        EXPECT_EQ(Line(1, 2, c.message), lines.back()) << c.flags;
    }
}

TEST_F(InitDataCheckTest, CellsComeInColumnOrderAfterTheMissingValueLine) {
    EXPECT_EQ(4, Check({{{"%VB0", "1"}, {}},
                        {{"%VW999"}, {{4, 32}, {0, 1}, {2, 0}, {3, 128}, {1, 4}}}}));
    EXPECT_EQ((std::vector<std::string>{"$$$ 正在编译  ：初始化数据表... ", Line(2, 1, "尚未赋初始值"),
                                        Line(2, 1, "地址非法。"), Line(2, 2, "初始值非法。"),
                                        Line(2, 5, "地址超出了有效的地址范围。")}),
              lines);
}

TEST_F(InitDataCheckTest, EmptyTableGivesTheHeadingAlone) {
    EXPECT_EQ(0, Check({}));
    EXPECT_EQ(std::vector<std::string>{"$$$ 正在编译  ：初始化数据表... "}, lines);
}

}  // namespace
