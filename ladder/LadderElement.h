#pragma once
#include <windows.h>

#include "ladder/CellRect.h"
#include "language/OperandDescriptor.h"
#include "platform/Arrays.h"
#include "platform/CObject.h"
#include "platform/CString.h"
#include "platform/Maps.h"

class CDC;
class CLadderCanvas;

enum LadderElementKind {
    LADDER_NODE = -1,
    LADDER_COIL = 0,
    LADDER_CONTACT = 1,
    LADDER_BOX = 2,
    LADDER_HEADER = 3,
};

// Which child a leaf continues with; for a node, whether it joins its parts in series
// (an IL AND) or in parallel (an IL OR).
enum LadderLinkType {
    LINK_SERIES = 1,
    LINK_PARALLEL = 2,
};

// The flat tag byte of each kind in undo snapshots and on the ladder clipboard.
enum LadderElementTag {
    TAG_HEADER = 0,
    TAG_COIL = 1,
    TAG_NODE = 2,
    TAG_CONTACT = 4,
    TAG_BOX = 6,
    // Set on the tag of a network kept as IL text: a header whose network could not be
    // converted, a coil carrying the IL (its raw text follows its stored fields). Readers
    // that know only the low three bits still create the right class.
    TAG_KEPT_AS_IL = 0x08,
};

const char* const LADDER_MISSING_OPERAND = "????";

// One walk over a network's tree: the cell size, the scroll position in cells, the
// cell map to fill and, for a drawing, the device context and the look asked for.
struct LadderPass {
    int cellWidth = 100;
    int cellHeight = 40;
    int firstCol = 0;
    int firstRow = 0;
    CMapStringToOb* cellMap = nullptr;
    CLadderCanvas* canvas = nullptr;  // null: lay out without painting
    CString pouName;
    BOOL printing = FALSE;
};

// An element of a ladder network. Each network is one binary tree: a leaf (contact or
// box) continues to its right through its series child (link type 1) or has a branch
// below it in its parallel child (link type 2); a series node holds its left part in
// the parallel child and its right part in the series child; a parallel node holds its
// upper branch in the series child and its lower branch in the parallel child; the
// root is the rung's coil, with the logic in its series child and the coils stacked
// below it in its parallel child. An element owns its two children.
class CLadderElement : public CObject {
public:
    ~CLadderElement() override = default;

    virtual int GetBoxType() const { return 0; }
    virtual CString GetSymbol() const = 0;
    virtual BOOL GetEditCaretPoint(POINT* point, int cellWidth, int cellHeight) { return FALSE; }
    int GetItemIndex() const { return m_cell.m_nItem; }
    void SetOrigin(const CCellRect& origin) { m_origin = origin; }

    // The size in cells of this element and everything after and below it.
    virtual SIZE GetSize(BOOL printing) { return SIZE{0, 0}; }
    // Places the subtree from the origin, registers its cells and gives its size.
    SIZE Layout(int cellWidth, int cellHeight, CMapStringToOb* cellMap, int firstCol,
                int firstRow);
    // Places the subtree and, with the pass's canvas, paints it.
    SIZE Draw(LadderPass& pass) { return Place(pass); }
    // Paints the live state of the subtree over its last drawing while monitoring: a
    // leaf its own, and every element its children's.
    virtual void DrawOnline(LadderPass& pass);
    // A text at pixel offsets inside the element's top-left cell (see CLadderCanvas::Label).
    void DrawLabel(const CString& text, int x, int y, int align, LadderPass& pass,
                   COLORREF colour = CLR_INVALID, BOOL opaque = FALSE) const;
    // View pixels of the top-left corner of a cell.
    static POINT CornerOf(int column, int row, const LadderPass& pass);
    POINT CellCorner(const LadderPass& pass) const {
        return CornerOf(m_cell.m_nColumn, m_cell.m_nRow, pass);
    }
    // The system focus frame over the element's cells, 2 pixels inside them; drawing it
    // again removes it.
    void DrawFocusRect(int cellWidth, int cellHeight, CDC* dc, int firstCol, int firstRow) const;

    int GetKind() const { return m_nKind; }
    int GetLinkType() const { return m_nLinkType; }
    void SetLinkType(int linkType) { m_nLinkType = linkType; }

    virtual CString GetOperand() const { return CString(); }
    virtual void SetOperand(const CString& text) {}
    // The operand as the editor shows it: constants and addresses upper-cased, "%" in
    // front of an address, a global variable by its name when global names are shown.
    CString NormaliseOperand(const CString& operand) const;
    // The operand as IL text; false when it is neither a constant, an address, a
    // global nor a variable of the POU.
    virtual BOOL ResolveOperand(const CString& operand, CString& il) const;
    // The live value of an operand as text ("1"/"0" for TRUE/FALSE, a constant itself,
    // else its memory read through the monitor cells with the caller's type bits), the
    // status text of a timer or counter, and the operand's descriptor. FALSE when the
    // operand has no address or its cells hold no value.
    BOOL GetMonitorValue(const CString& operand, CString& value, CString& statusText,
                         DWORD typeBits, OperandDescriptor& descriptor) const;

    // The operand zone under a document point: moves the point to the zone's corner,
    // gives the operand and, with beginEdit, opens it for editing in place.
    virtual BOOL HitTestOperand(POINT* point, CString& text, int firstCol, int firstRow,
                                int cellWidth, int cellHeight, BOOL beginEdit) {
        return FALSE;
    }
    virtual BOOL GetOperandAt(int x, int y, int cellWidth, int cellHeight, CString& text) {
        return FALSE;
    }

    // The IL text of this element and of everything that follows it in its tree.
    virtual CString ToIL() const = 0;

    // Appends the tree in preorder (element, series subtree, parallel subtree) with one
    // tag byte per element, and sets the child indices to the positions the children get.
    void Flatten(CObArray& elements, CByteArray& tags);
    // Turns the child indices back into links, with elements as Flatten left them.
    void Relink(const CObArray& elements);
    // Deletes the children, then this element. With releaseInstances a function-block
    // box also removes its instance from the project.
    void DeleteSubtree(BOOL releaseInstances);

    CCellRect GetCellRect() const { return m_cell; }
    void SetCellRect(const CCellRect& cell) { m_cell = cell; }

    static BYTE KindToTag(int kind);
    // The element's flat tag byte: its kind's tag, with the kept-as-IL bit where it applies.
    virtual BYTE GetTag() const { return KindToTag(m_nKind); }
    // Creates an empty element of the class that a tag byte names, ready to read its
    // stored fields; null for a tag of no class.
    static CLadderElement* CreateFromTag(BYTE tag);
    static CString CellKey(int column, int row);
    static void RegisterCell(int column, int row, CLadderElement* element,
                             CMapStringToOb* cellMap);
    // Text longer than maxLength becomes its first maxLength - 2 characters and "..".
    static CString FitText(const CString& text, int maxLength);

    BOOL IsSeriesNode() const { return m_nKind == LADDER_NODE && m_nLinkType == LINK_SERIES; }
    BOOL IsParallelNode() const {
        return m_nKind == LADDER_NODE && m_nLinkType == LINK_PARALLEL;
    }
    // Whether this element opens its block: the rung's logic in front of a coil, the
    // upper branch of a parallel node or the left part of a series node. Its IL then
    // starts with a load instead of joining what came before.
    BOOL IsBlockStart() const;
    // Hangs child (may be null) below or beside this element and makes this its parent.
    void LinkSeries(CLadderElement* child);
    void LinkParallel(CLadderElement* child);

    int m_nSeriesIndex = -1;
    int m_nParallelIndex = -1;
    CLadderElement* m_pSeries = nullptr;
    CLadderElement* m_pParallel = nullptr;
    CLadderElement* m_pParent = nullptr;
    int m_nEditState = -1;
    CCellRect m_origin;
    CCellRect m_cell;
    int m_nWidth = 1;
    int m_nHeight = 1;
    COLORREF m_lineColour = 0;
    RECT m_symbolRect = {0, 0, 0, 0};
    int m_nKind = LADDER_NODE;
    int m_nLinkType = LINK_SERIES;

protected:
    CLadderElement() = default;

    // Lays out (and with a device context paints) the subtree from the origin.
    virtual SIZE Place(LadderPass& pass) = 0;
    // What the element gives back when it is deleted, before its memory goes.
    virtual void Release(BOOL releaseInstances) {}

    // The leaf rule: the series child to the right (link type 1) or the parallel
    // child below (link type 2), the size of both together.
    SIZE PlaceLeafChild(LadderPass& pass);
    // The stored form of contacts and coils.
    void SerializeLeaf(CArchive& ar, CString& operand, CString& symbol);
    // Sets a child's origin and places it.
    static SIZE PlaceAt(CLadderElement* child, const CCellRect& origin, LadderPass& pass);
    // The wires that join an upper part and the branch below it: a vertical line on the
    // left from wire level to wire level, the part that ends further left carried on to
    // the end of the other, and a vertical line there. Widths in cells.
    void DrawBranchJoin(int upperRow, int upperWidth, int lowerRow, int lowerWidth,
                        LadderPass& pass) const;
    SIZE LeafSize(BOOL printing);
    // A hit in a contact's or coil's operand zone: the edit point at the cell's corner
    // and the operand as the in-place editor opens it; with beginEdit the edit starts.
    BOOL OpenLeafOperand(const CString& operand, POINT* point, CString& text, int cellWidth,
                         int cellHeight, BOOL beginEdit);
    // The IL of the child that the link type names, "" when there is none.
    CString LinkedChildIL() const;
    CLadderElement* LinkedChild() const;
};

// The open ladder POU's own variables: upper-cased name -> upper-cased address, and
// upper-cased address -> name as declared. Shared by every open ladder editor and
// refreshed by the model whose document becomes active.
extern CMapStringToString PouVarNameMap;
extern CMapStringToString PouVarAddressMap;
// The label names that "-(LBL)" coils define.
extern CStringArray LadderLabelList;

// "T", "C", "RS" or "SR" followed by a number: written without "%".
BOOL IsTimerCounterOperand(const CString& text);
