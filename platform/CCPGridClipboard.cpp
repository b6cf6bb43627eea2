#include "platform/CCPGridClipboard.h"

#include "platform/Clipboard.h"

#include <cstdint>

namespace {

const char ShapeFormatName[] = "Tessaron grid cells";
const int32_t ShapeMagic = 0x47524431;  // marks a block this program wrote

// The block as stored: fixed-width fields, so any build reads any other's copy.
struct ShapeBlock {
    int32_t magic;
    int32_t tableKind;
    int32_t startCol;
    int32_t cols;
    int32_t rows;
};

UINT ShapeFormat() {
    static const UINT format = ::RegisterClipboardFormatA(ShapeFormatName);
    return format;
}

std::vector<CString> Split(const CString& text, const char* separator) {
    std::vector<CString> parts;
    int start = 0;
    int length = static_cast<int>(strlen(separator));
    for (int at = text.Find(separator); at >= 0; at = text.Find(separator, start)) {
        parts.push_back(text.Mid(start, at - start));
        start = at + length;
    }
    parts.push_back(text.Mid(start));
    return parts;
}

}  // namespace

CString JoinGridCells(const CPGridCells& cells) {
    CString text;
    for (size_t row = 0; row < cells.size(); ++row) {
        if (row > 0)
            text += "\r\n";
        for (size_t col = 0; col < cells[row].size(); ++col) {
            if (col > 0)
                text += '\t';
            text += cells[row][col];
        }
    }
    return text;
}

bool SplitGridCells(const CString& text, const CPGridClipShape& shape, CPGridCells& cells) {
    cells.clear();
    for (const CString& line : Split(text, "\r\n"))
        cells.push_back(Split(line, "\t"));
    if (static_cast<int>(cells.size()) != shape.rows)
        return false;
    for (const auto& row : cells) {
        if (static_cast<int>(row.size()) != shape.cols)
            return false;
    }
    return true;
}

BOOL PutGridCells(const CPGridCells& cells, const CPGridClipShape& shape) {
    ShapeBlock block = {ShapeMagic, shape.tableKind, shape.startCol, shape.cols, shape.rows};
    return SetClipboardTextAndData(JoinGridCells(cells), ShapeFormat(), &block, sizeof block);
}

int ReadGridCells(CPGridClipShape& shape, CPGridCells& cells) {
    CString text;
    if (!GetClipboardText(text))
        return 2;
    ShapeBlock block = {};
    if (GetClipboardBlock(ShapeFormat(), &block, sizeof block) < sizeof block || block.magic != ShapeMagic ||
        block.cols <= 0 || block.rows <= 0)
        return 3;
    shape = {block.tableKind, block.startCol, block.cols, block.rows};
    return SplitGridCells(text, shape, cells) ? 0 : 3;
}
