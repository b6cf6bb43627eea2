#include "ladder/LadderElement.h"

#include <algorithm>

#include "ladder/Block.h"
#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/Contact.h"
#include "ladder/LadderCanvas.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LeafOperand.h"
#include "ladder/LogicNode.h"
#include "platform/CArchive.h"
#include "language/DirectAddress.h"
#include "language/InstrDesc.h"
#include "language/LiteralParser.h"
#include "project/CPlcWorkspace.h"
#include "project/MonitorCells.h"

CMapStringToString PouVarNameMap;
CMapStringToString PouVarAddressMap;
CStringArray LadderLabelList;

BOOL IsTimerCounterOperand(const CString& text) {
    CString upper = text;
    upper.MakeUpper();
    for (const char* prefix : {"RS", "SR", "T", "C"}) {
        int length = static_cast<int>(strlen(prefix));
        if (upper.Left(length) != prefix || upper.GetLength() == length) continue;
        CString number = upper.Mid(length);
        return number.SpanIncluding("0123456789") == number;
    }
    return FALSE;
}

SIZE CLadderElement::Layout(int cellWidth, int cellHeight, CMapStringToOb* cellMap,
                            int firstCol, int firstRow) {
    LadderPass pass;
    pass.cellWidth = cellWidth;
    pass.cellHeight = cellHeight;
    pass.firstCol = firstCol;
    pass.firstRow = firstRow;
    pass.cellMap = cellMap;
    return Place(pass);
}

void CLadderElement::DrawOnline(LadderPass& pass) {
    if (m_pSeries) m_pSeries->DrawOnline(pass);
    if (m_pParallel) m_pParallel->DrawOnline(pass);
}

void CLadderElement::DrawLabel(const CString& text, int x, int y, int align, LadderPass& pass,
                               COLORREF colour, BOOL opaque) const {
    POINT corner = CellCorner(pass);
    pass.canvas->Label(text, corner.x + x, corner.y + y, align, colour, opaque);
}

void CLadderElement::DrawFocusRect(int cellWidth, int cellHeight, CDC* dc, int firstCol,
                                   int firstRow) const {
    CRect rect((m_cell.m_nColumn - firstCol) * cellWidth, (m_cell.m_nRow - firstRow) * cellHeight,
               (m_cell.m_nColumn + m_nWidth - firstCol) * cellWidth,
               (m_cell.m_nRow + m_nHeight - firstRow) * cellHeight);
    rect.DeflateRect(2, 2);
    dc->DrawFocusRect(&rect);
}

CString CLadderElement::NormaliseOperand(const CString& operand) const {
    const CLadderEnvironment& environment = LadderEnvironment();
    OperandDescriptor descriptor = 0;
    CString name, address;
    if (ClassifyConstant(operand, descriptor)) {
        CString upper = operand;
        upper.MakeUpper();
        return upper;
    }
    if (ParseDirectAddress(operand, descriptor)) {
        CString shown = operand;
        if (shown.Left(1) != "%" && !IsTimerCounterOperand(shown)) shown = "%" + shown;
        shown.MakeUpper();
        if (environment.ShowGlobalNames() && environment.FindGlobalSymbol(shown, name, address))
            return name;
        return shown;
    }
    if (environment.FindGlobalSymbol(operand, name, address))
        return environment.ShowGlobalNames() ? name : address;
    return operand;
}

namespace {
// The address whose memory holds an operand's live value: a POU variable's or a global
// variable's address, or the operand itself.
CString LiveAddressOf(const CString& operand) {
    CString address, name;
    if (PouVarNameMap.Lookup(operand, address)) return address;
    if (LadderEnvironment().FindGlobalSymbol(operand, name, address)) return address;
    return operand;
}

// An address without its "%" written as IL: one "%" in front, none for a timer or
// counter.
CString AddressAsIL(const CString& address) {
    return IsTimerCounterOperand(address) ? address : "%" + address;
}
}  // namespace

BOOL CLadderElement::ResolveOperand(const CString& operand, CString& il) const {
    OperandDescriptor descriptor = 0;
    CString name;
    if (ClassifyConstant(operand, descriptor)) {
        il = operand;
        return TRUE;
    }
    CString address = operand;
    address.TrimLeft('%');
    if (ParseDirectAddress(address, descriptor)) {
        il = AddressAsIL(address);
        return TRUE;
    }
    if (LadderEnvironment().FindGlobalSymbol(operand, name, address)) {
        il = "%" + address.Mid(address.ReverseFind('%') + 1);
        return TRUE;
    }
    CString key = operand;
    key.MakeUpper();
    CString unused;
    if (PouVarNameMap.Lookup(key, unused)) {
        il = operand;
        return TRUE;
    }
    return FALSE;
}

BOOL CLadderElement::GetMonitorValue(const CString& operand, CString& value, CString& statusText,
                                     DWORD typeBits, OperandDescriptor& descriptor) const {
    CString upper = operand;
    upper.Trim();
    upper.MakeUpper();
    if (upper == "TRUE" || upper == "FALSE") {
        value = upper == "TRUE" ? "1" : "0";
        descriptor = 0;
        return TRUE;
    }
    if (ClassifyConstant(upper, descriptor)) {
        value = upper;
        return TRUE;
    }
    CString address = LiveAddressOf(upper);
    if (!ParseDirectAddress(address, descriptor)) return FALSE;
    // A place that takes several types (a move's pins) reads the operand at its own width.
    DWORD types = typeBits & descriptor & OD_TYPE_MASK;
    DWORD number = 0;
    return FormatMonitorValue(address, value, number, statusText,
                              (types ? types : typeBits) | (descriptor & OD_AREA_MASK));
}

void CLadderElement::Flatten(CObArray& elements, CByteArray& tags) {
    tags.Add(GetTag());
    elements.Add(this);
    m_nSeriesIndex = m_pSeries ? static_cast<int>(elements.GetSize()) : -1;
    if (m_pSeries) m_pSeries->Flatten(elements, tags);
    m_nParallelIndex = m_pParallel ? static_cast<int>(elements.GetSize()) : -1;
    if (m_pParallel) m_pParallel->Flatten(elements, tags);
}

void CLadderElement::LinkSeries(CLadderElement* child) {
    m_pSeries = child;
    if (child) child->m_pParent = this;
}

void CLadderElement::LinkParallel(CLadderElement* child) {
    m_pParallel = child;
    if (child) child->m_pParent = this;
}

void CLadderElement::Relink(const CObArray& elements) {
    if (m_nSeriesIndex != -1) {
        LinkSeries(static_cast<CLadderElement*>(elements[m_nSeriesIndex]));
        m_pSeries->Relink(elements);
    }
    if (m_nParallelIndex != -1) {
        LinkParallel(static_cast<CLadderElement*>(elements[m_nParallelIndex]));
        m_pParallel->Relink(elements);
    }
}

void CLadderElement::DeleteSubtree(BOOL releaseInstances) {
    if (m_pSeries) m_pSeries->DeleteSubtree(releaseInstances);
    if (m_pParallel) m_pParallel->DeleteSubtree(releaseInstances);
    Release(releaseInstances);
    delete this;
}

BYTE CLadderElement::KindToTag(int kind) {
    switch (kind) {
    case LADDER_COIL: return TAG_COIL;
    case LADDER_NODE: return TAG_NODE;
    case LADDER_CONTACT: return TAG_CONTACT;
    case LADDER_BOX: return TAG_BOX;
    default: return TAG_HEADER;
    }
}

CLadderElement* CLadderElement::CreateFromTag(BYTE tag) {
    BOOL keptAsIL = (tag & TAG_KEPT_AS_IL) != 0;
    switch (tag & 7) {
    case TAG_HEADER: {
        CComment* header = new CComment;
        header->m_bConvertible = !keptAsIL;
        return header;
    }
    case TAG_COIL: {
        CCoil* coil = new CCoil;
        if (keptAsIL) coil->SetRawIL(CString());
        return coil;
    }
    case TAG_NODE: return new CLogicNode;
    case TAG_CONTACT: return new CContact;
    case TAG_BOX: return new CBlock;
    default: return nullptr;
    }
}

void CLadderElement::SerializeLeaf(CArchive& ar, CString& operand, CString& symbol) {
    if (ar.IsStoring()) {
        ar << m_nSeriesIndex << m_nParallelIndex << operand << symbol << m_nKind << m_nLinkType;
    } else {
        ar >> m_nSeriesIndex >> m_nParallelIndex >> operand >> symbol >> m_nKind >> m_nLinkType;
    }
}

CString CLadderElement::CellKey(int column, int row) {
    CString key;
    key.Format("%d", (row << 16) | (column & 0xFFFF));
    return key;
}

void CLadderElement::RegisterCell(int column, int row, CLadderElement* element,
                                  CMapStringToOb* cellMap) {
    if (cellMap) cellMap->SetAt(CellKey(column, row), element);
}

CString CLadderElement::FitText(const CString& text, int maxLength) {
    if (text.GetLength() <= maxLength) return text;
    return text.Left(maxLength - 2) + "..";
}

BOOL CLadderElement::IsBlockStart() const {
    const CLadderElement* parent = m_pParent;
    if (!parent) return TRUE;
    if (parent->m_nKind == LADDER_COIL || parent->IsParallelNode())
        return parent->m_pSeries == this;
    return parent->IsSeriesNode() && parent->m_pParallel == this;
}

SIZE CLadderElement::PlaceLeafChild(LadderPass& pass) {
    CLadderElement* child = LinkedChild();
    if (m_nLinkType != LINK_SERIES && m_nLinkType != LINK_PARALLEL) return SIZE{0, 0};
    if (!child) return SIZE{m_nWidth, m_nHeight};
    if (m_nLinkType == LINK_SERIES) {
        SIZE size = PlaceAt(child, CCellRect(m_cell.m_nColumn + m_nWidth, m_cell.m_nRow,
                                             m_cell.m_nSpan, m_cell.m_nItem), pass);
        return SIZE{m_nWidth + size.cx, std::max<LONG>(m_nHeight, size.cy)};
    }
    SIZE size = PlaceAt(child, CCellRect(m_cell.m_nColumn, m_cell.m_nRow + m_nHeight,
                                         m_cell.m_nSpan, m_cell.m_nItem), pass);
    return SIZE{std::max<LONG>(m_nWidth, size.cx), m_nHeight + size.cy};
}

BOOL CLadderElement::OpenLeafOperand(const CString& operand, POINT* point, CString& text,
                                     int cellWidth, int cellHeight, BOOL beginEdit) {
    point->x = m_cell.m_nColumn * cellWidth;
    point->y = m_cell.m_nRow * cellHeight;
    text = LeafOperandForEditing(operand);
    if (beginEdit) m_nEditState = 1;
    return TRUE;
}

SIZE CLadderElement::LeafSize(BOOL printing) {
    CLadderElement* child = LinkedChild();
    if (m_nLinkType != LINK_SERIES && m_nLinkType != LINK_PARALLEL) return SIZE{0, 0};
    if (!child) return SIZE{m_nWidth, m_nHeight};
    SIZE size = child->GetSize(printing);
    if (m_nLinkType == LINK_SERIES)
        return SIZE{m_nWidth + size.cx, std::max<LONG>(m_nHeight, size.cy)};
    return SIZE{std::max<LONG>(m_nWidth, size.cx), m_nHeight + size.cy};
}

POINT CLadderElement::CornerOf(int column, int row, const LadderPass& pass) {
    return POINT{(column - pass.firstCol) * pass.cellWidth, (row - pass.firstRow) * pass.cellHeight};
}

void CLadderElement::DrawBranchJoin(int upperRow, int upperWidth, int lowerRow, int lowerWidth,
                                    LadderPass& pass) const {
    CLadderCanvas& canvas = *pass.canvas;
    COLORREF colour = canvas.LineColour(m_lineColour);
    const int wireOffset = Scaled(pass.cellHeight, 0.625);
    POINT upper = CornerOf(m_cell.m_nColumn, upperRow, pass);
    POINT lower = CornerOf(m_cell.m_nColumn, lowerRow, pass);
    int upperWire = upper.y + wireOffset, lowerWire = lower.y + wireOffset;
    int upperEnd = upper.x + upperWidth * pass.cellWidth;
    int lowerEnd = lower.x + lowerWidth * pass.cellWidth;
    int end = std::max(upperEnd, lowerEnd);
    canvas.Line(upper.x, upperWire, lower.x, lowerWire, 1, colour);
    canvas.Line(upperEnd, upperWire, end, upperWire, 1, colour);
    canvas.Line(lowerEnd, lowerWire, end, lowerWire, 1, colour);
    canvas.Line(end, upperWire, end, lowerWire, 1, colour);
}

SIZE CLadderElement::PlaceAt(CLadderElement* child, const CCellRect& origin, LadderPass& pass) {
    child->SetOrigin(origin);
    return child->Place(pass);
}

CLadderElement* CLadderElement::LinkedChild() const {
    if (m_nLinkType == LINK_SERIES) return m_pSeries;
    if (m_nLinkType == LINK_PARALLEL) return m_pParallel;
    return nullptr;
}

CString CLadderElement::LinkedChildIL() const {
    CLadderElement* child = LinkedChild();
    return child ? child->ToIL() : CString();
}

namespace {
// The workspace's ladder clipboard holds trees of elements; clearing it deletes each
// tree whole. Copies on the clipboard own no instance of the project.
void DeleteClipboardTree(CObject* root) {
    static_cast<CLadderElement*>(root)->DeleteSubtree(FALSE);
}

const struct ClipboardTreeDeleterInstaller {
    ClipboardTreeDeleterInstaller() { CPlcWorkspace::SetLadderTreeDeleter(DeleteClipboardTree); }
} clipboardTreeDeleterInstaller;
}  // namespace
