// The ladder editor's commands that change the program: contacts, coils, boxes, networks,
// deletions and the element dialogs.
#include <algorithm>

#include "editors/BlockDlg.h"
#include "editors/BranchTool.h"
#include "editors/CommentDlg.h"
#include "editors/ContactCoilDlg.h"
#include "editors/LadderEditor.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "editors/SelFuncDlg.h"
#include "ladder/Block.h"
#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/Contact.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LadderModel.h"
#include "language/InstrDesc.h"
#include "platform/CCmdUI.h"
#include "platform/MessageBox.h"
#include "project/CQLXFB.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXFunc.h"
#include "project/NameChecks.h"
#include "res/resource.h"

namespace {
const int kNewNetworkRows = 3;

CContact* NewContact(const CString& symbol, int linkType) {
    CContact* contact = new CContact;
    contact->SetOperand(LADDER_MISSING_OPERAND);
    contact->SetSymbol(symbol);
    contact->SetLinkType(linkType);
    return contact;
}

CCoil* NewCoil(const CString& operand, const CString& symbol, int linkType) {
    CCoil* coil = new CCoil;
    coil->SetOperand(operand);
    coil->SetSymbol(symbol);
    coil->SetLinkType(linkType);
    return coil;
}

void FillPins(CObArray& pins, const char* text) {
    for (int i = 0; i < pins.GetSize(); ++i) static_cast<CQLXFBPara*>(pins[i])->textA = text;
}

void FillAllPins(FBParamLists* params) {
    FillPins(params->inputs, LADDER_MISSING_OPERAND);
    FillPins(params->outputs, LADDER_MISSING_OPERAND);
}

// Timers and counters leave their last output (the elapsed value or count) unconnected.
BOOL LeavesLastOutputEmpty(const CString& type) {
    for (const char* name : {"CTU", "CTUD", "CTD", "TP", "TON", "TOF"})
        if (type == name) return TRUE;
    return FALSE;
}

CString Trimmed(const CString& text) {
    CString result = text;
    result.Trim();
    return result;
}
}  // namespace

void CLadderEditor::SelfCallMessage() {
    ShowMessage("子程序禁止调用本身!", "提示", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL, FALSE);
}

CString CLadderEditor::PouNameFromDocument() const {
    CPOUEditorDoc* document = GetDocument();
    return document ? CPOUEditorDoc::PouNameOf(document->GetPathName()) : CString();
}

BOOL CLadderEditor::InsertNewElement(CLadderElement* element, BOOL (CLadderModel::*insert)(CLadderElement*)) {
    BOOL deletesOnRefusal = insert == &CLadderModel::InsertLeft || insert == &CLadderModel::InsertParallel;
    if (!(m_pModel->*insert)(element)) {
        if (!deletesOnRefusal) element->DeleteSubtree(FALSE);
        return FALSE;
    }
    m_pModel->SetCurrentElement(element);
    SnapshotAndMark();
    RequestRepaint();
    return TRUE;
}

BOOL CLadderEditor::InsertNewBox(CBlock* box) {
    if (!m_pModel->InsertBox(box)) {
        box->DeleteSubtree(FALSE);
        return FALSE;
    }
    m_pModel->SetCurrentElement(box);
    SnapshotAndMark();
    RequestRepaint();
    return TRUE;
}

BOOL CLadderEditor::NotContactAllowed(const CString& symbol) const {
    CLadderElement* current = Current();
    if (symbol != "-|NOT|-" || !current || current->GetKind() == LADDER_COIL) return TRUE;
    if (current->GetLinkType() == LINK_PARALLEL) return FALSE;
    for (CLadderElement* up = current->m_pParent; up; up = up->m_pParent) {
        if (up->GetLinkType() == LINK_PARALLEL && !up->m_pParallel) return FALSE;
    }
    return TRUE;
}

void CLadderEditor::InsertContact(BOOL left) {
    m_bNetworkSelection = FALSE;
    if (IsOnline()) return;
    if (!Current() || IsCurrentParallelCoil()) {
        FocusView();
        return;
    }
    if (!CanWiden()) {
        WidthMessage();
        return;
    }
    CContact* contact = NewContact("-| |-", LINK_SERIES);
    InsertNewElement(contact, left ? &CLadderModel::InsertLeft : &CLadderModel::InsertRight);
}

void CLadderEditor::InsertParallelContact() {
    m_bNetworkSelection = FALSE;
    if (IsOnline() || m_bCellEdit) return;
    CLadderElement* current = Current();
    if (!current || IsCurrentParallelCoil()) return;
    if (current->GetKind() == LADDER_CONTACT && current->GetSymbol() != "-|NOT|-") {
        if (!CanAddParallelRow(current)) {
            ParallelLimitMessage();
        } else if (InsertNewElement(NewContact("-| |-", LINK_PARALLEL), &CLadderModel::InsertParallel)) {
            UpdateScrollSizes();
        }
    }
    FocusView();
}

void CLadderEditor::InsertParallelCoil() {
    if (IsOnline() || m_bCellEdit) return;
    m_bNetworkSelection = FALSE;
    CLadderElement* current = Current();
    if (current && current->GetKind() == LADDER_COIL) {
        if (!CanAddParallelRow(current)) {
            ParallelLimitMessage();
        } else {
            CCoil* coil = NewCoil(LADDER_MISSING_OPERAND, "-( )", LINK_PARALLEL);
            if (m_pModel->InsertParallelCoil(coil)) {
                m_pModel->SetCurrentElement(coil);
                SnapshotAndMark();
                RequestRepaint();
                UpdateScrollSizes();
            } else {
                delete coil;
            }
        }
    }
    FocusView();
}

CBlock* CLadderEditor::NewBoxFromCatalogue(const CString& name, const CString& instance, BOOL emptyTimerOutput) {
    CLadderEnvironment& environment = LadderEnvironment();
    CBlock* box = new CBlock;
    box->SetLinkType(LINK_SERIES);
    if (CQLXFB* block = environment.NewFunctionBlockDef(name)) {
        box->SetFunctionBlock(block);
        FillPins(block->inputs, LADDER_MISSING_OPERAND);
        int outputs = static_cast<int>(block->outputs.GetSize());
        for (int i = 0; i < outputs; ++i) {
            CQLXFBPara* pin = block->GetOutput(i);
            if (i < outputs - 1)
                pin->textA = LADDER_MISSING_OPERAND;
            else if (emptyTimerOutput && LeavesLastOutputEmpty(Trimmed(block->typeName)))
                pin->textA = "";
        }
        if (!emptyTimerOutput) FillAllPins(block);
        block->instanceName = instance;
    } else if (CQLXFunc* function = environment.NewFunctionDef(name)) {
        box->SetFunction(function);
        FillAllPins(function);
    } else {
        // A name the catalogue no longer knows: an empty function box of that name, which
        // the compiler reports.
        CQLXFunc* unknown = new CQLXFunc;
        unknown->SetName(name);
        box->SetFunction(unknown);
    }
    box->UpdateHeight();
    return box;
}

void CLadderEditor::TakeInstanceName(CBlock* box, const CString& typed) {
    CString instance = Trimmed(typed);
    instance.MakeUpper();
    box->m_pFB->instanceName = LADDER_MISSING_OPERAND;
    if (instance.IsEmpty() || instance == LADDER_MISSING_OPERAND) return;
    CString type = Trimmed(box->m_pFB->typeName);
    if (!CheckFBInstanceName(instance, type)) {
        ShowMessage("功能块实例名称非法!", "提示", MB_OK | MB_ICONINFORMATION, TRUE);
        return;
    }
    if (!LadderEnvironment().AddFBInstance(type, instance, m_pModel->m_strPouName)) {
        ShowMessage("该功能块实例已被声明(不允许再调用)!", "提示", MB_OK | MB_ICONINFORMATION, TRUE);
        return;
    }
    box->m_pFB->instanceName = instance;
}

void CLadderEditor::InsertBox() {
    m_bNetworkSelection = FALSE;
    if (IsOnline() || m_bCellEdit) return;
    if (!CanWiden()) {
        WidthMessage();
        return;
    }
    if (!GetDocument()) return;
    if (IsCurrentParallelCoil()) {
        ShowMessage("线圈不允许与功能块并联！", "错误", MB_OK | MB_ICONSTOP | MB_TASKMODAL, FALSE);
        return;
    }
    if (!Current()) return;
    CSelFuncDlg dialog(m_pView);
    if (dialog.DoModal() != IDOK) return;
    CString chosen = Trimmed(dialog.m_strChosen);
    CBlock* box = nullptr;
    if (dialog.m_nChoice == CSelFuncDlg::Subroutine) {
        if (chosen.CompareNoCase(m_pModel->m_strPouName) == 0) {
            SelfCallMessage();
            return;
        }
        box = new CBlock;
        CQLXFunc* call = LadderEnvironment().NewSubroutineDesc(chosen);
        if (!call) {
            call = new CQLXFunc;
            call->SetName(chosen);
        }
        box->SetFunction(call);
        FillAllPins(call);
        box->UpdateHeight();
    } else {
        box = NewBoxFromCatalogue(chosen, LADDER_MISSING_OPERAND, TRUE);
        if (box->GetBoxType() == CBlock::FUNCTION_BLOCK) TakeInstanceName(box, dialog.m_strInstance);
    }
    if (InsertNewBox(box)) UpdateScrollSizes();
    FocusView();
}

void CLadderEditor::NewNetwork() {
    m_bNetworkSelection = FALSE;
    if (IsOnline() || m_bCellEdit) return;
    if (m_pModel->GetNetworkCount() >= kMaxNetworks) {
        NetworkLimitMessage();
        return;
    }
    CLadderElement* current = Current();
    CObArray& items = m_pModel->GetNetworks();
    int count = static_cast<int>(items.GetSize());
    int i = m_nCurrentItem;
    BOOL onHeader = current && current->GetKind() == LADDER_HEADER;
    int at = count;
    if (current && i != -1 && i + 1 < count) {
        // Before the header's network, or after the network of the current element.
        at = 2 * (i / 2) + (onHeader ? 0 : 2);
    } else if (onHeader || (!current && count > 0)) {
        return;
    }
    CCoil* coil = NewCoil("", "-(NUL)", LINK_SERIES);
    items.InsertAt(at, new CComment);
    items.InsertAt(at + 1, coil);
    m_nCurrentItem = at + 1;
    RenumberHeaders();
    m_pModel->SetCurrentElement(coil);
    LayoutNetworks();
    CContact* contact = NewContact("-| |-", LINK_SERIES);
    if (m_pModel->InsertRight(contact))
        m_pModel->SetCurrentElement(contact);
    else
        delete contact;
    SnapshotAndMark();
    LayoutNetworks();
    RequestRepaint();
    UpdateScrollSizes();
    ScrollToCurrent(0, 0);
    FocusView();
}

void CLadderEditor::DeleteCurrentElement(DeleteMode mode) {
    if (IsOnline()) return;
    CLadderElement* current = Current();
    if (!current || current->GetKind() == LADDER_HEADER) {
        if (mode == kBackspaceKey) {
            AutoScrollForKey(VK_LEFT);
            MoveCursor(VK_LEFT);
        }
        return;
    }
    CCellRect cell = current->GetCellRect();
    m_pModel->DeleteCurrent();
    m_pModel->ClearCurrentElement();
    MarkModified();
    if (mode == kDeleteKey) {
        LayoutNetworks();
        ClickAt(cell.m_nColumn * m_grid.m_cellWidth + 50, cell.m_nRow * m_grid.m_cellHeight + 20, FALSE, TRUE);
    } else {
        RequestRepaint();
        AutoScrollForKey(VK_LEFT);
        MoveCursor(VK_LEFT);
        RequestRepaint();
    }
    UpdateScrollSizes();
    m_pModel->TakeSnapshot();
}

void CLadderEditor::RemoveNetworkRows(int first, int last) {
    // The networks' elements go; the next layout gives the start rows of those that stay.
    CObArray& items = m_pModel->GetNetworks();
    for (int item = 2 * first; item <= 2 * last + 1; ++item)
        static_cast<CLadderElement*>(items[item])->DeleteSubtree(TRUE);
    items.RemoveAt(2 * first, 2 * (last - first + 1));
    RenumberHeaders();
    LayoutNetworks();
}

void CLadderEditor::DeleteNetwork() {
    if (m_bNetworkSelection) {
        DeleteSelectedNetworks();
        return;
    }
    CLadderElement* current = Current();
    if (IsOnline() || !current || current->GetKind() == LADDER_HEADER) return;
    int n = NetworkIndexOfRow(current->GetCellRect().m_nRow) / 2;
    if (n >= m_pModel->GetNetworkCount()) return;
    RemoveNetworkRows(n, n);
    if (n > 0)
        m_pModel->SetCurrentElement(m_pModel->GetItem(2 * n - 1));
    else
        m_pModel->ClearCurrentElement();
    m_nCurrentItem = n > 0 ? 2 * n - 1 : -1;
    SnapshotAndMark();
    RequestRepaint();
    UpdateScrollSizes();
}

void CLadderEditor::DeleteSelectedNetworks() {
    if (!m_bNetworkSelection || IsOnline()) return;
    m_bButtonDown = FALSE;
    int count = m_pModel->GetNetworkCount();
    int first = std::max(0, m_nSelFirst);
    int last = std::min(m_nSelLast, count - 1);
    if (first <= last) RemoveNetworkRows(first, last);
    m_pModel->ClearCurrentElement();
    m_bNetworkSelection = FALSE;
    m_nCurrentItem = -1;
    SnapshotAndMark();
    RequestRepaint();
    UpdateScrollSizes();
}

void CLadderEditor::EditElement() {
    if (IsOnline() || !GetDocument()) return;
    CLadderElement* current = Current();
    if (current) {
        switch (current->GetKind()) {
        case LADDER_COIL:
        case LADDER_CONTACT: {
            BOOL coil = current->GetKind() == LADDER_COIL;
            CContactCoilDlg dialog(current, coil, m_pView);
            if (dialog.DoModal() == IDOK) {
                if (coil)
                    static_cast<CCoil*>(current)->SetSymbol(dialog.m_strSymbol);
                else
                    static_cast<CContact*>(current)->SetSymbol(dialog.m_strSymbol);
                SnapshotAndMark();
            }
            break;
        }
        case LADDER_BOX: {
            CBlockDlg dialog(static_cast<CBlock*>(current), m_pModel->m_strPouName, m_pView);
            if (dialog.DoModal() == IDOK) SnapshotAndMark();
            break;
        }
        case LADDER_HEADER: {
            auto* header = static_cast<CComment*>(current);
            CCommentDlg dialog(GetDocument(), m_pView);
            dialog.m_strComment = header->m_strComment;
            // A changed comment is an edit like any other: undo and redo keep it.
            if (dialog.DoModal() == IDOK && dialog.m_strComment != header->m_strComment) {
                header->m_strComment = dialog.m_strComment;
                SnapshotAndMark();
            }
            break;
        }
        default:
            break;
        }
        FocusView();
    }
    RequestRepaint();
}

void CLadderEditor::StartBranchTool() {
    if (IsOnline()) return;
    CommitCellEdit();
    CRect screen(0, 0, 0, 0);
    if (m_pView && m_pView->GetSafeHwnd()) {
        m_pView->GetClientRect(&screen);
        m_pView->ClientToScreen(&screen);
        ::SetCursor(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_BRANCH_TOOL)));
    }
    BranchTool().Arm(screen);
    RequestRepaint();
}

LRESULT CLadderEditor::OnInsertInstruction(WPARAM wParam, LPARAM lParam) {
    CLadderElement* current = Current();
    if (!current) return 1;
    CommitCellEdit();
    if (!GetDocument() || IsOnline() || !lParam) return 1;
    BOOL stackedParallelCoil = IsCurrentParallelCoil() && current->m_pParent;
    if (wParam == 2) {
        const auto* record = reinterpret_cast<const InstrDesc*>(lParam);
        CString name = record->name;
        switch (record->kind) {
        case INSTR_CONTACT:
            if (stackedParallelCoil) break;
            if (!CanWiden())
                WidthMessage();
            else if (NotContactAllowed(name)) {
                CContact* contact = NewContact(name, LINK_SERIES);
                InsertNewElement(contact, &CLadderModel::InsertRight);
            }
            break;
        case INSTR_COIL:
            if (current->GetKind() == LADDER_COIL) {
                CCoil* coil = NewCoil(LADDER_MISSING_OPERAND, name, LINK_PARALLEL);
                if (m_pModel->InsertParallelCoil(coil)) {
                    m_pModel->SetCurrentElement(coil);
                    SnapshotAndMark();
                    RequestRepaint();
                } else {
                    delete coil;
                }
            }
            break;
        case INSTR_FUNCTION:
        case INSTR_FUNCTION_BLOCK:
            if (record->kind == INSTR_FUNCTION ? IsCurrentParallelCoil() : stackedParallelCoil) break;
            if (!CanWiden())
                WidthMessage();
            else
                InsertNewBox(NewBoxFromCatalogue(name, LADDER_MISSING_OPERAND, FALSE));
            break;
        default:
            break;
        }
    } else if (wParam == 3 && !stackedParallelCoil) {
        const auto* call = reinterpret_cast<const CQLXFunc*>(lParam);
        if (!CanWiden()) {
            WidthMessage();
        } else if (Trimmed(call->name).CompareNoCase(m_pModel->m_strPouName) == 0) {
            SelfCallMessage();
            return 1;
        } else {
            CQLXFunc* copy = new CQLXFunc;
            copy->CopyFrom(*call);
            FillAllPins(copy);
            CBlock* box = new CBlock;
            box->SetLinkType(LINK_SERIES);
            box->SetFunction(copy);
            box->UpdateHeight();
            InsertNewBox(box);
        }
    }
    FocusView();
    return 1;
}

// ---- command routing ----

void CLadderEditor::OnLadderCommand(UINT id) {
    switch (id) {
    case ID_LD_RIGHT_CONTACT: InsertContact(FALSE); break;
    case ID_LD_LEFT_CONTACT: InsertContact(TRUE); break;
    case ID_LD_PARALLEL_CONTACT: InsertParallelContact(); break;
    case ID_LD_PARALLEL_COIL: InsertParallelCoil(); break;
    case ID_LD_BOX: InsertBox(); break;
    case ID_LD_NEW_NETWORK: NewNetwork(); break;
    case ID_LD_DELETE_ELEMENT:
        CommitCellEdit();
        DeleteCurrentElement(kDeleteKey);
        m_bNetworkSelection = FALSE;
        break;
    case ID_LD_DELETE_NETWORK: DeleteNetwork(); break;
    case ID_LD_PARALLEL_BRANCH: StartBranchTool(); break;
    default: return;
    }
    if (id != ID_LD_PARALLEL_BRANCH) FocusView();
}

void CLadderEditor::UpdateLadderCommand(CCmdUI* cmdUI) {
    CLadderElement* current = Current();
    int kind = current ? current->GetKind() : -2;
    BOOL editable = !IsOnline() && !m_bCellEdit;
    BOOL contactPlace = current && kind != LADDER_HEADER && !IsCurrentParallelCoil();
    BOOL enable = FALSE;
    switch (cmdUI->m_nID) {
    case ID_LD_RIGHT_CONTACT:
    case ID_LD_LEFT_CONTACT: enable = CanWiden() && contactPlace; break;
    case ID_LD_PARALLEL_CONTACT:
        enable = HeightBelowLimit() && current && kind != LADDER_HEADER && kind != LADDER_COIL && kind != LADDER_BOX;
        break;
    case ID_LD_PARALLEL_COIL: enable = HeightBelowLimit() && kind == LADDER_COIL; break;
    case ID_LD_BOX: enable = CanWiden() && m_pModel->GetNetworkCount() > 0 && contactPlace; break;
    case ID_LD_NEW_NETWORK: enable = current || m_pModel->GetNetworkCount() == 0; break;
    case ID_LD_DELETE_ELEMENT:
        enable = current && kind != LADDER_HEADER &&
                 !(kind == LADDER_COIL && !current->m_pParent && !current->m_pParallel);
        break;
    case ID_LD_DELETE_NETWORK: enable = current && kind != LADDER_HEADER; break;
    case ID_LD_PARALLEL_BRANCH: enable = !IsOnline(); editable = TRUE; break;
    default: break;
    }
    cmdUI->Enable(editable && enable);
}
