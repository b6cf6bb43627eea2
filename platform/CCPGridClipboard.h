#pragma once
#include "platform/CString.h"

#include <vector>

// What a grid's copy puts beside its text: the table kind, the first data column and
// the shape of the copied cells. A paste accepts only text that comes with it.
struct CPGridClipShape {
    int tableKind = 0;
    int startCol = 0;
    int cols = 0;
    int rows = 0;
};

using CPGridCells = std::vector<std::vector<CString>>;  // rows of cell texts

// Cells as text: cells of a row joined by tabs, rows by CR LF.
CString JoinGridCells(const CPGridCells& cells);
// The text split back into rows and cells; false unless it has exactly the shape's
// rows and columns.
bool SplitGridCells(const CString& text, const CPGridClipShape& shape, CPGridCells& cells);

// Puts the cells and their shape on the clipboard; nonzero on success.
BOOL PutGridCells(const CPGridCells& cells, const CPGridClipShape& shape);
// Reads cells and shape back: 0, else 2 when the clipboard holds no readable text, 3
// when the text is not a grid copy (plain text, or cells that do not fit the shape).
int ReadGridCells(CPGridClipShape& shape, CPGridCells& cells);
