#include "project/InitDataCheck.h"

#include "project/CQLXInitData.h"
#include "project/SharedConstants.h"

#include <iterator>
#include <map>

namespace {

const int kReasonCount = static_cast<int>(std::size(InitDataMessages));

CString ProblemLine(int row, int column, const char* message) {
    CString line;
    line.Format("        %s%s%3d%s%s%3d%s  %s", "初始化数据表  ", "第", row, "行", "第", column, "列：", message);
    return line;
}

// The message of the highest reason bit set; null when no known bit is set.
const char* ReasonMessage(DWORD flags) {
    for (int bit = kReasonCount - 1; bit >= 0; --bit)
        if (flags & (1u << bit)) return InitDataMessages[bit];
    return nullptr;
}

std::map<DWORD, DWORD> CellErrorsByColumn(const CQLXInitData& row) {
    std::map<DWORD, DWORD> errors;
    POSITION position = row.valueMap.GetStartPosition();
    while (position != nullptr) {
        DWORD column = 0, flags = 0;
        row.valueMap.GetNextAssoc(position, column, flags);
        errors[column] = flags;
    }
    return errors;
}

}  // namespace

int CheckInitDataRows(const CObArray& rows, const std::function<void(const CString&)>& addLine) {
    addLine("$$$ 正在编译  ：初始化数据表... ");
    int problems = 0;
    for (INT_PTR r = 0; r < rows.GetSize(); ++r) {
        const auto* row = static_cast<const CQLXInitData*>(rows[r]);
        if (row == nullptr) continue;
        const int rowNumber = static_cast<int>(r) + 1;
        if (row->texts.GetSize() == 1 && !row->texts[0].IsEmpty()) {
            addLine(ProblemLine(rowNumber, 1, "尚未赋初始值"));
            ++problems;
        }
        for (const auto& cell : CellErrorsByColumn(*row)) {
            const char* message = ReasonMessage(cell.second);
            if (message == nullptr) continue;
            addLine(ProblemLine(rowNumber, static_cast<int>(cell.first) + 1, message));
            ++problems;
        }
    }
    return problems;
}
