#include "ladder/Block.h"

#include <algorithm>

#include "editors/POUEditorDoc.h"
#include "ladder/LadderCanvas.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LadderILWriter.h"
#include "ladder/LeafOperand.h"
#include "platform/CArchive.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"

IMPLEMENT_SERIAL(CBlock, CObject, 1)

CBlock::CBlock() {
    m_nKind = LADDER_BOX;
    m_nWidth = 2;
    m_nHeight = 2;
    m_nLinkType = LINK_SERIES;
    m_cell.SetColRow(0);
    for (POINT& position : m_operandPos) position = POINT{-2, 0};
}

CBlock::~CBlock() {
    delete m_pFB;
    delete m_pFunc;
}

void CBlock::SetFunction(CQLXFunc* function) {
    delete m_pFB;
    m_pFB = nullptr;
    delete m_pFunc;
    m_pFunc = function;
    m_nSubtype = FUNCTION;
}

void CBlock::SetFunctionBlock(CQLXFB* block) {
    delete m_pFunc;
    m_pFunc = nullptr;
    delete m_pFB;
    m_pFB = block;
    m_nSubtype = FUNCTION_BLOCK;
}

void CBlock::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nSeriesIndex << m_nParallelIndex << m_nKind << m_nLinkType << m_nSubtype;
    } else {
        ar >> m_nSeriesIndex >> m_nParallelIndex >> m_nKind >> m_nLinkType >> m_nSubtype;
        if (m_nSubtype == FUNCTION)
            SetFunction(new CQLXFunc);
        else
            SetFunctionBlock(new CQLXFB);
    }
    if (m_nSubtype == FUNCTION)
        m_pFunc->Serialize(ar);
    else
        m_pFB->Serialize(ar);
}

const FBParamLists* CBlock::GetParams() const {
    if (m_nSubtype == FUNCTION) return m_pFunc;
    return m_pFB;
}

CString CBlock::GetName() const {
    CString name = m_nSubtype == FUNCTION ? (m_pFunc ? m_pFunc->name : CString())
                                          : (m_pFB ? m_pFB->typeName : CString());
    name.Trim();
    return name;
}

CString CBlock::GetOperand() const {
    return m_nSubtype == FUNCTION_BLOCK && m_pFB ? m_pFB->instanceName : CString();
}

int CBlock::GetInputCount() const {
    const FBParamLists* params = GetParams();
    return params ? static_cast<int>(params->inputs.GetSize()) : 0;
}

int CBlock::GetOutputCount() const {
    const FBParamLists* params = GetParams();
    return params ? params->GetOutputCount() : 0;
}

CQLXFBPara* CBlock::InputPin(int pin) const {
    const FBParamLists* params = GetParams();
    return params ? params->GetInput(pin) : nullptr;
}

CQLXFBPara* CBlock::OutputPin(int pin) const {
    const FBParamLists* params = GetParams();
    return params ? params->GetOutput(pin) : nullptr;
}

CString CBlock::InputOperand(int pin) const {
    CQLXFBPara* param = InputPin(pin);
    return param ? param->textA : CString();
}

CString CBlock::OutputOperand(int pin) const {
    CQLXFBPara* param = OutputPin(pin);
    return param ? param->textA : CString();
}

void CBlock::UpdateHeight() {
    m_nInputCount = GetInputCount();
    m_nOutputCount = GetOutputCount();
    int rows = m_nInputCount > m_nOutputCount ? m_nInputCount : m_nOutputCount + 1;
    m_nHeight = std::max(rows / 2 + 1, 2);
}

BOOL CBlock::PinCountsDiffer(const CQLXFunc* other) {
    m_nInputCount = GetInputCount();
    m_nOutputCount = GetOutputCount();
    return other->inputs.GetSize() != m_nInputCount || other->GetOutputCount() != m_nOutputCount;
}

int CBlock::ColumnBeforeNext(BOOL printing) const {
    BOOL boxOrNode = m_pSeries && (m_pSeries->GetKind() == LADDER_BOX ||
                                   m_pSeries->GetKind() == LADDER_NODE);
    return boxOrNode && !printing ? 1 : 0;
}

SIZE CBlock::GetSize(BOOL printing) {
    UpdateHeight();
    if (!m_pSeries) return SIZE{2, m_nHeight};
    SIZE next = m_pSeries->GetSize(printing);
    return SIZE{next.cx + 2 + ColumnBeforeNext(printing), std::max<LONG>(next.cy, m_nHeight)};
}

SIZE CBlock::Place(LadderPass& pass) {
    m_cell = m_origin;
    UpdateHeight();
    SIZE size{2, m_nHeight};
    if (m_nLinkType == LINK_SERIES && m_pSeries) {
        int skip = ColumnBeforeNext(pass.printing);
        SIZE next = PlaceAt(m_pSeries,
                            CCellRect(m_cell.m_nColumn + 2 + skip, m_cell.m_nRow, m_cell.m_nSpan,
                                      m_cell.m_nItem),
                            pass);
        size = SIZE{2 + skip + next.cx, std::max<LONG>(next.cy, m_nHeight)};
    }
    int textHeight = Scaled(pass.cellHeight, 0.4);
    if (pass.canvas) {
        textHeight = pass.canvas->LabelExtent("8").cy;
        Paint(pass);
    }
    RecordOperandZones(pass.cellWidth, pass.cellHeight, textHeight);
    for (int row = 0; row < m_nHeight; ++row) {
        for (int column = 0; column < 2; ++column)
            RegisterCell(m_cell.m_nColumn + column, m_cell.m_nRow + row, this, pass.cellMap);
    }
    return size;
}

void CBlock::RecordOperandZones(int cellWidth, int cellHeight, int textHeight) {
    const int column = m_cell.m_nColumn, row = m_cell.m_nRow;
    CString instance = GetOperand();
    BOOL named = !instance.IsEmpty() && instance != LADDER_MISSING_OPERAND;
    m_operandPos[0].x = column * cellWidth + cellWidth / 2;
    m_operandPos[0].y = row * cellHeight -
                        static_cast<int>((named ? 0.1 : 0.075) * cellHeight);
    auto pinY = [&](int pin) {
        return row * cellHeight + static_cast<int>(0.625 * cellHeight) + pin * cellHeight / 2 -
               static_cast<int>(0.05 * cellHeight) - textHeight / 2;
    };
    for (int i = 1; i < m_nInputCount && i < MAX_OPERAND_ZONES; ++i) {
        m_operandPos[i].x = (column - 1) * cellWidth + cellWidth / 2 -
                            static_cast<int>(0.06 * cellWidth);
        m_operandPos[i].y = pinY(i);
    }
    for (int j = 1; j < m_nOutputCount && m_nInputCount + j < MAX_OPERAND_ZONES; ++j) {
        m_operandPos[m_nInputCount + j].x =
            column * cellWidth + static_cast<int>(1.5 * cellWidth) +
            static_cast<int>(0.06 * cellWidth);
        m_operandPos[m_nInputCount + j].y = pinY(j);
    }
}

BOOL CBlock::InZone(int zone, int x, int y, int cellWidth, int cellHeight) const {
    const POINT& corner = m_operandPos[zone];
    return x >= corner.x && x < corner.x + cellWidth && y >= corner.y &&
           y < corner.y + cellHeight / 2;
}

BOOL CBlock::HitTestOperand(POINT* point, CString& text, int, int, int cellWidth,
                            int cellHeight, BOOL beginEdit) {
    auto hit = [&](int zone, const CString& operand) {
        *point = m_operandPos[zone];
        text = operand;
        if (beginEdit) m_nEditState = zone;
        return TRUE;
    };
    if (m_nSubtype == FUNCTION_BLOCK && InZone(0, point->x, point->y, cellWidth, cellHeight))
        return hit(0, GetOperand());
    for (int i = 1; i < m_nInputCount && i < MAX_OPERAND_ZONES; ++i) {
        if (InZone(i, point->x, point->y, cellWidth, cellHeight))
            return hit(i, LeafOperandForEditing(InputOperand(i)));
    }
    for (int j = 1; j < m_nOutputCount && m_nInputCount + j < MAX_OPERAND_ZONES; ++j) {
        if (InZone(m_nInputCount + j, point->x, point->y, cellWidth, cellHeight))
            return hit(m_nInputCount + j, LeafOperandForEditing(OutputOperand(j)));
    }
    if (beginEdit) m_nEditState = -1;
    return FALSE;
}

BOOL CBlock::GetOperandAt(int x, int y, int cellWidth, int cellHeight, CString& text) {
    for (int i = 1; i < m_nInputCount && i < MAX_OPERAND_ZONES; ++i) {
        if (!InZone(i, x, y, cellWidth, cellHeight)) continue;
        text = InputOperand(i);
        return TRUE;
    }
    for (int j = 1; j < m_nOutputCount && m_nInputCount + j < MAX_OPERAND_ZONES; ++j) {
        if (!InZone(m_nInputCount + j, x, y, cellWidth, cellHeight)) continue;
        text = OutputOperand(j);
        return TRUE;
    }
    return FALSE;
}

int CBlock::NextOperandZone() const {
    int zone = m_nEditState < 0 ? 1 : m_nEditState + 1;
    if (zone == m_nInputCount) ++zone;  // the enable output has no operand
    int last = m_nInputCount + m_nOutputCount - 1;
    return zone <= last && zone < MAX_OPERAND_ZONES ? zone : -1;
}

BOOL CBlock::GetEditCaretPoint(POINT* point, int cellWidth, int cellHeight) {
    if (m_nSubtype == FUNCTION_BLOCK && m_nEditState == -1) {
        *point = m_operandPos[0];
        m_nEditState = 0;
        return TRUE;
    }
    if (m_nInputCount <= 1 && m_nOutputCount < 2) return FALSE;
    int zone = NextOperandZone();
    if (zone < 0) return FALSE;
    *point = m_operandPos[zone];
    if (zone < m_nInputCount) point->x += cellWidth;
    point->y += 1;
    return TRUE;
}

void CBlock::SetOperand(const CString& text) {
    if (m_nEditState < 0) return;
    CString operand = StoredLeafOperand(text);
    if (m_nSubtype == FUNCTION_BLOCK && m_nEditState == 0) {
        RenameInstance(operand);
        return;
    }
    CString name, address;
    if (LadderEnvironment().FindGlobalSymbol(operand, name, address) &&
        name.CompareNoCase(operand) == 0)
        operand = address;
    CQLXFBPara* pin = m_nEditState < m_nInputCount ? InputPin(m_nEditState)
                                                   : OutputPin(m_nEditState - m_nInputCount);
    if (pin) pin->textA = operand;
}

void CBlock::RenameInstance(const CString& name) {
    if (!m_pFB || name == m_pFB->instanceName) return;
    CLadderEnvironment& environment = LadderEnvironment();
    CPOUEditorDoc* document = environment.GetActivePOUDocument();
    // Without a POU to declare the new instance in, the box keeps its instance.
    if (!document) return;
    environment.DeleteFBInstance(NormalisedInstance());
    BOOL added = environment.AddFBInstance(m_pFB->typeName, name, document->GetPOUName());
    m_pFB->instanceName = added ? name : CString(LADDER_MISSING_OPERAND);
}

CString CBlock::NormalisedInstance() const {
    CString instance = GetOperand();
    instance.Trim();
    instance.MakeUpper();
    return instance;
}

CString CBlock::ToIL() const {
    CString il = IsBlockStart() ? "LD TRUE\r\n" : "";
    return il + CLadderILWriter().Write(*this) + (m_pSeries ? m_pSeries->ToIL() : CString());
}

void CBlock::Release(BOOL releaseInstances) {
    if (releaseInstances && m_nSubtype == FUNCTION_BLOCK)
        LadderEnvironment().DeleteFBInstance(NormalisedInstance());
}
