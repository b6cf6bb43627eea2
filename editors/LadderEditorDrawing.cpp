// Painting of the ladder editor, the online display of live values and forcing from it.
#include <algorithm>

#include "editors/BranchTool.h"
#include "editors/LadderEditor.h"
#include "editors/POUEditorDoc.h"
#include "ladder/Block.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LadderModel.h"
#include "ladder/LadderSheet.h"
#include "language/DirectAddress.h"
#include "language/InstrSpecTable.h"
#include "language/LiteralParser.h"
#include "platform/CDC.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXSymbol.h"
#include "project/NameChecks.h"

namespace {
const COLORREF kLiveValueColour = RGB(255, 0, 0);
const COLORREF kSelectionBand = RGB(0, 0, 0);
const DWORD kAreaBits = 0xFFFE0000;
const DWORD kTypeBits = 0x1FF;

enum BoxCategory { kCompare = 1, kArithmetic = 2, kMove = 3, kBlockMove = 4 };

int CategoryOf(const CString& name) {
    for (const char* compare : {"GT", "GE", "EQ", "NE", "LT", "LE"})
        if (name == compare) return kCompare;
    for (const char* arithmetic : {"ADD", "SUB", "MUL", "DIV"})
        if (name == arithmetic) return kArithmetic;
    if (name == "MOVE") return kMove;
    if (name == "BLKMOVE") return kBlockMove;
    return 0;
}

// The box's data pins: a function's start after its enable input and output.
CQLXFBPara* DataInput(CBlock* box, int n) {
    return box->InputPin(box->GetBoxType() == CBlock::FUNCTION ? n + 1 : n);
}
CQLXFBPara* DataOutput(CBlock* box, int n) {
    return box->OutputPin(box->GetBoxType() == CBlock::FUNCTION ? n + 1 : n);
}
}  // namespace

void CLadderEditor::OnPaint(CDC* dc) {
    CSize client = ClientSize();
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(dc, client.cx, client.cy);
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.PatBlt(0, 0, client.cx, client.cy, WHITENESS);
    DrawNetworks(&memory);
    dc->BitBlt(0, 0, client.cx, client.cy, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CLadderEditor::DrawNetworks(CDC* dc) {
    m_pModel->RefreshVarMaps();
    CPoint scroll = GetScrollPosition();
    CPoint scrollCell = ScrollCell();
    CSize client = ClientSize();
    dc->FillSolidRect(0, 0, client.cx, client.cy, m_background);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    CLadderSheet& sheet = Sheet();
    if (m_bNetworkSelection) {
        // The selected networks in the selected look on a black band; the rest as usual.
        CRect band(0, m_nSelTop - scroll.y, client.cx, m_nSelBottom - scroll.y);
        int saved = dc->SaveDC();
        dc->ExcludeClipRect(&band);
        sheet.Draw(dc, scrollCell.x, scrollCell.y, FALSE, FALSE);
        dc->RestoreDC(saved);
        DrawSelectionBand(dc);
        saved = dc->SaveDC();
        dc->IntersectClipRect(&band);
        sheet.Draw(dc, scrollCell.x, scrollCell.y, TRUE, FALSE);
        dc->RestoreDC(saved);
    } else {
        sheet.Draw(dc, scrollCell.x, scrollCell.y, FALSE, FALSE);
    }
    TakeStartRows();
    if (IsOnline()) DrawLiveValues(dc, scrollCell);
    DrawOverlays(dc);
    dc->SetBkMode(oldMode);
    if (m_pModel->m_bLoaded) {
        m_pModel->m_bLoaded = FALSE;
        UpdateScrollSizes();
    }
}

void CLadderEditor::DrawLiveValues(CDC* dc, CPoint scrollCell) {
    COLORREF oldColour = dc->SetTextColor(kLiveValueColour);
    Sheet().DrawOnline(dc, scrollCell.x, scrollCell.y, kMonitorLockWaitMs);
    dc->SetTextColor(oldColour);
}

void CLadderEditor::DrawSelectionBand(CDC* dc) {
    CPoint scroll = GetScrollPosition();
    dc->FillSolidRect(0, m_nSelTop - scroll.y, ClientSize().cx, m_nSelBottom - m_nSelTop, kSelectionBand);
}

void CLadderEditor::DrawOverlays(CDC* dc) {
    BOOL hadCurrent = m_pModel->SetCurrentFlag(FALSE);
    DrawCursor(dc);
    CPoint scrollCell = ScrollCell();
    if (m_bCellEdit) {
        CBrush white(RGB(255, 255, 255));
        CBrush* oldBrush = dc->SelectObject(&white);
        m_cellEdit.Draw(dc, scrollCell.x, scrollCell.y);
        dc->SelectObject(oldBrush);
        CPoint caret = m_cellEdit.GetCaretPos(scrollCell.x, scrollCell.y);
        if (m_bCaret) ::SetCaretPos(caret.x, caret.y);
    }
    if (IsBranchToolArmed()) {
        CPoint scroll = GetScrollPosition();
        BranchTool().GetTracker().Draw(dc, scroll.x, scroll.y);
    }
    m_pModel->SetCurrentFlag(hadCurrent);
}

void CLadderEditor::DrawCursor(CDC* dc) {
    if (m_bCellEdit) return;
    CPoint scrollCell = ScrollCell();
    if (CLadderElement* current = Current()) {
        current->DrawFocusRect(m_grid.m_cellWidth, m_grid.m_cellHeight, dc, scrollCell.x, scrollCell.y);
        CCellRect cell = current->GetCellRect();
        m_cursorRect = CRect(cell.m_nColumn * m_grid.m_cellWidth, cell.m_nRow * m_grid.m_cellHeight,
                             (cell.m_nColumn + current->m_nWidth) * m_grid.m_cellWidth,
                             (cell.m_nRow + current->m_nHeight) * m_grid.m_cellHeight);
        return;
    }
    CPoint scroll = GetScrollPosition();
    CRect shown = m_cursorRect;
    shown.OffsetRect(-scroll.x, -scroll.y);
    dc->DrawFocusRect(&shown);
}

// ---- online display ----

void CLadderEditor::OnMonitorStart() {
    m_bNetworkSelection = FALSE;
    CommitCellEdit();
    RequestRepaint();
    for (int item = 1; item < m_pModel->GetNetworks().GetSize(); item += 2) {
        CObArray flat;
        CByteArray tags;
        m_pModel->GetItem(item)->Flatten(flat, tags);
        for (int k = 0; k < flat.GetSize(); ++k) {
            auto* box = dynamic_cast<CBlock*>(flat[k]);
            if (box && !ResolveGenericBox(box)) ResolveBoxPinTypes(box);
        }
    }
}

BOOL CLadderEditor::OperandTypeBits(const CString& text, DWORD& word) const {
    CPOUEditorDoc* document = GetDocument();
    if (!document) return FALSE;
    OperandDescriptor descriptor = 0;
    if (document->LookupLocalVar(text, descriptor)) {
        word = descriptor;
        return TRUE;
    }
    CQLXSymbol* symbol = nullptr;
    if (theWorkspace && theWorkspace->FindGlobalSymbol(text, symbol) && symbol) {
        OperandDescriptor address = 0;
        if (!ParseDirectAddress(symbol->address, address)) return FALSE;
        word = AccessFromAreaFlags(address) | (address & (symbol->descriptor | 0xFFFF8800)) | 0x800;
        return TRUE;
    }
    if (!ParseDirectAddress(text, descriptor) && !ClassifyConstant(text, descriptor)) return FALSE;
    word = descriptor | AccessFromAreaFlags(descriptor);
    return TRUE;
}

BOOL CLadderEditor::ResolveGenericBox(CBlock* box) const {
    CString name = box->GetName();
    name.Trim();
    name.MakeUpper();
    int category = CategoryOf(name);
    if (category == 0) return FALSE;
    std::vector<CQLXFBPara*> pins;
    if (category == kCompare) pins = {DataInput(box, 0), DataInput(box, 1)};
    if (category == kArithmetic) pins = {DataInput(box, 0), DataInput(box, 1), DataOutput(box, 0)};
    if (category == kMove) pins = {DataInput(box, 0), DataOutput(box, 0)};
    if (category == kBlockMove) pins = {DataInput(box, 0), DataOutput(box, 0), DataInput(box, 1)};
    std::vector<DWORD> words;
    for (CQLXFBPara* pin : pins) {
        DWORD word = 0;
        if (pin) OperandTypeBits(pin->textA, word);
        words.push_back(word);
    }
    if (category == kArithmetic) {
        DWORD common = words[0] & words[1] & words[2] & 0x70;
        if (common == 0x60) common = 0x20;
        for (size_t k = 0; k < pins.size(); ++k)
            if (pins[k]) pins[k]->SetCurrentFlags((words[k] & kAreaBits) | common);
        return TRUE;
    }
    InstrSpec record = {};
    record.operandCount = static_cast<int>(words.size());
    for (size_t k = 0; k < words.size(); ++k) record.slots[k] = words[k];
    int errorIndex = 0;
    ResolveInstruction(name, record, errorIndex);
    for (size_t k = 0; k < pins.size(); ++k)
        if (pins[k]) pins[k]->SetCurrentFlags((words[k] & kAreaBits) | (record.slots[k] & kTypeBits));
    return TRUE;
}

void CLadderEditor::ResolveBoxPinTypes(CBlock* box) const {
    auto resolve = [this](CQLXFBPara* pin) {
        if (!pin) return;
        DWORD word = 0;
        OperandTypeBits(pin->textA, word);
        // Narrowed from the pin's declared types each time, so a second start gives the same.
        pin->SetCurrentFlags(word & (kAreaBits | (pin->GetFlags() & kTypeBits)));
    };
    int first = box->GetBoxType() == CBlock::FUNCTION ? 1 : 0;
    for (int i = first; i < box->GetInputCount(); ++i) resolve(box->InputPin(i));
    for (int i = first; i < box->GetOutputCount(); ++i) resolve(box->OutputPin(i));
}

// ---- forcing ----

void CLadderEditor::PickForceTarget() {
    m_strForceTarget.Empty();
    m_forceTargetType = 0;
    m_bForceTargetValid = FALSE;
    CLadderElement* current = Current();
    if (!IsOnline() || !current) return;
    CString target;
    switch (current->GetKind()) {
    case LADDER_COIL:
    case LADDER_CONTACT:
        target = current->GetOperand();
        break;
    case LADDER_BOX:
        if (!current->GetOperandAt(m_contextPoint.x, m_contextPoint.y, m_grid.m_cellWidth, m_grid.m_cellHeight,
                                   target))
            return;
        break;
    default:
        return;
    }
    target.Trim();
    OperandDescriptor descriptor = 0;
    if (target.IsEmpty() || !IsForceableOperand(target, descriptor)) return;
    m_strForceTarget = target;
    m_forceTargetType = descriptor;
    m_bForceTargetValid = TRUE;
}
