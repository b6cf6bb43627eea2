// The ladder editor's clipboard (element and network copies shared by every ladder
// editor of the program), undo and redo.
#include <algorithm>

#include "editors/LadderEditor.h"
#include "editors/POUEditorDoc.h"
#include "ladder/Block.h"
#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/Contact.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LadderModel.h"
#include "ladder/LogicNode.h"
#include "platform/CCmdUI.h"
#include "platform/Clipboard.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"

namespace {
CObArray* LadderClipboard() { return theWorkspace ? &theWorkspace->ladderClipboard : nullptr; }

int ClipboardCount() {
    CObArray* clipboard = LadderClipboard();
    return clipboard ? static_cast<int>(clipboard->GetSize()) : 0;
}

CLadderElement* ClipboardEntry(int index) { return static_cast<CLadderElement*>(LadderClipboard()->GetAt(index)); }

void ClearClipboard() {
    if (theWorkspace) theWorkspace->ClearLadderClipboard();
}

// A box of the same kind with its own copy of the descriptor; a timer's or counter's
// instance is not copied, since one instance serves one box.
CBlock* CopyBox(const CBlock* source, BOOL keepInstance) {
    CBlock* box = new CBlock;
    if (source->GetBoxType() == CBlock::FUNCTION_BLOCK && source->m_pFB) {
        CQLXFB* block = new CQLXFB;
        block->CopyFrom(*source->m_pFB);
        CString type = block->typeName;
        type.Trim();
        if (!keepInstance && CLadderEditor::NeedsInstance(type)) block->instanceName = LADDER_MISSING_OPERAND;
        box->SetFunctionBlock(block);
    } else {
        CQLXFunc* function = new CQLXFunc;
        if (source->m_pFunc) function->CopyFrom(*source->m_pFunc);
        box->SetFunction(function);
    }
    box->UpdateHeight();
    return box;
}

CCoil* CopyCoil(const CCoil* source) {
    CCoil* coil = new CCoil;
    coil->m_strOperand = source->m_strOperand;
    coil->SetSymbol(source->GetSymbol());
    // A network kept as IL text travels whole.
    if (source->IsRawIL()) coil->SetRawIL(source->m_strRawIL);
    return coil;
}

CContact* CopyContact(const CContact* source) {
    CContact* contact = new CContact;
    contact->m_strOperand = source->m_strOperand;
    contact->SetSymbol(source->GetSymbol());
    return contact;
}

CLadderElement* CopyOne(const CLadderElement* source, BOOL keepInstance) {
    switch (source->GetKind()) {
    case LADDER_COIL: return CopyCoil(static_cast<const CCoil*>(source));
    case LADDER_CONTACT: return CopyContact(static_cast<const CContact*>(source));
    case LADDER_BOX: return CopyBox(static_cast<const CBlock*>(source), keepInstance);
    case LADDER_HEADER: return CLadderEditor::CloneHeader(static_cast<const CComment*>(source));
    default: return nullptr;
    }
}
}  // namespace

BOOL CLadderEditor::NeedsInstance(const CString& typeName) {
    CString type = typeName;
    type.Trim();
    for (const char* name : {"CTU", "CTD", "HDEF", "HSC", "PLS", "TON", "TOF", "TP"})
        if (type == name) return TRUE;
    return FALSE;
}

CComment* CLadderEditor::CloneHeader(const CComment* header) {
    CComment* copy = new CComment;
    copy->m_nNetwork = header->m_nNetwork;
    copy->m_nNetworkRows = header->m_nNetworkRows;
    copy->m_strComment = header->m_strComment;
    copy->m_font = header->m_font;
    copy->m_bConvertible = header->m_bConvertible;
    return copy;
}

CLadderElement* CLadderEditor::CopyElement(const CLadderElement* element) {
    CLadderElement* copy = CopyOne(element, FALSE);
    if (copy) copy->SetLinkType(element->GetKind() == LADDER_CONTACT ? LINK_SERIES : element->GetLinkType());
    return copy;
}

CLadderElement* CLadderEditor::CloneTree(CLadderElement* root) {
    if (!root) return nullptr;
    CObArray flat;
    CByteArray tags;
    root->Flatten(flat, tags);
    CObArray copies;
    for (int i = 0; i < flat.GetSize(); ++i) {
        auto* source = static_cast<CLadderElement*>(flat[i]);
        CLadderElement* copy = source->GetKind() == LADDER_NODE ? new CLogicNode(source->GetLinkType())
                                                                : CopyOne(source, FALSE);
        if (!copy) {
            for (int k = 0; k < copies.GetSize(); ++k) delete copies[k];
            return nullptr;
        }
        copy->SetLinkType(source->GetLinkType());
        copy->m_nSeriesIndex = source->m_nSeriesIndex;
        copy->m_nParallelIndex = source->m_nParallelIndex;
        copies.Add(copy);
    }
    auto* first = static_cast<CLadderElement*>(copies[0]);
    first->Relink(copies);
    return first;
}

void CLadderEditor::CopyElement() {
    ClearClipboard();
    CLadderElement* current = Current();
    if (!current || !LadderClipboard()) return;
    if (CLadderElement* copy = CopyElement(current)) LadderClipboard()->Add(copy);
}

void CLadderEditor::CopySelectedNetworks() {
    if (!m_bNetworkSelection || !LadderClipboard()) return;
    ClearClipboard();
    int last = std::min(m_nSelLast, m_pModel->GetNetworkCount() - 1);
    for (int n = std::max(0, m_nSelFirst); n <= last; ++n) {
        LadderClipboard()->Add(CloneHeader(static_cast<CComment*>(m_pModel->GetItem(2 * n))));
        LadderClipboard()->Add(CloneTree(m_pModel->GetItem(2 * n + 1)));
    }
}

void CLadderEditor::Copy() {
    if (m_bCellEdit)
        m_cellEdit.Copy();
    else if (m_bNetworkSelection)
        CopySelectedNetworks();
    else
        CopyElement();
}

void CLadderEditor::UpdateCopy(CCmdUI* cmdUI) {
    if (IsOnline())
        cmdUI->Enable(FALSE);
    else if (m_bCellEdit)
        cmdUI->Enable(m_cellEdit.HasSelection());
    else
        cmdUI->Enable(m_bNetworkSelection || Current() != nullptr);
}

void CLadderEditor::Cut() {
    if (!GetDocument()) return;
    Copy();
    OnKeyDown(VK_DELETE, 1, 0);
    MarkModified();
}

void CLadderEditor::UpdateCut(CCmdUI* cmdUI) {
    CLadderElement* current = Current();
    if (IsOnline()) {
        cmdUI->Enable(FALSE);
    } else if (m_bCellEdit) {
        cmdUI->Enable(m_cellEdit.HasSelection());
    } else if (current) {
        BOOL loneCoil = current->GetKind() == LADDER_COIL && !current->m_pParent && !current->m_pParallel;
        cmdUI->Enable(m_bNetworkSelection || !loneCoil);
    } else {
        cmdUI->Enable(m_bNetworkSelection);
    }
}

void CLadderEditor::UpdatePaste(CCmdUI* cmdUI) {
    CString text;
    if (m_bCellEdit && GetClipboardText(text)) {
        cmdUI->Enable(TRUE);
        return;
    }
    int count = ClipboardCount();
    CLadderElement* current = Current();
    BOOL enable = FALSE;
    if (!IsOnline() && count == 1 && current) {
        int kind = ClipboardEntry(0)->GetKind();
        BOOL refused = (kind == LADDER_HEADER && current->GetKind() != LADDER_HEADER) ||
                       (kind == LADDER_COIL && current->GetKind() != LADDER_COIL) ||
                       (IsCurrentParallelCoil() && kind != LADDER_COIL);
        enable = !refused;
    } else if (!IsOnline() && count >= 2) {
        enable = current != nullptr || m_pModel->GetNetworkCount() == 0;
    }
    cmdUI->Enable(enable);
}

void CLadderEditor::Paste() {
    if (IsOnline()) return;
    if (m_bCellEdit) {
        m_cellEdit.Paste();
        RequestRepaint();
        return;
    }
    int count = ClipboardCount();
    if (count == 0) return;
    BOOL pasted = count == 1 ? PasteElement() : PasteNetworks();
    if (!pasted) return;
    m_bNetworkSelection = FALSE;
    if (!GetDocument()) return;
    MarkModified();
    RequestRepaint();
    UpdateScrollSizes();
    ScrollToCurrent(0, 0);
}

BOOL CLadderEditor::PasteElement() {
    CLadderElement* entry = ClipboardEntry(0);
    CLadderElement* current = Current();
    switch (entry->GetKind()) {
    case LADDER_COIL: {
        if (!current || current->GetKind() != LADDER_COIL) return TRUE;
        if (!CanAddParallelRow(current)) {
            ParallelLimitMessage();
            return FALSE;
        }
        CCoil* coil = CopyCoil(static_cast<CCoil*>(entry));
        coil->SetLinkType(LINK_PARALLEL);
        if (!m_pModel->InsertParallelCoil(coil)) {
            delete coil;
            return FALSE;
        }
        m_pModel->SetCurrentElement(coil);
        m_pModel->TakeSnapshot();
        return TRUE;
    }
    case LADDER_CONTACT: {
        if (!CanWiden()) {
            WidthMessage();
            return FALSE;
        }
        if (!current || !NotContactAllowed(entry->GetSymbol())) return TRUE;
        CContact* contact = CopyContact(static_cast<CContact*>(entry));
        contact->SetLinkType(LINK_SERIES);
        if (!m_pModel->InsertRight(contact)) {
            delete contact;
            return FALSE;
        }
        m_pModel->SetCurrentElement(contact);
        m_pModel->TakeSnapshot();
        return TRUE;
    }
    case LADDER_BOX: {
        if (!CanWiden()) {
            WidthMessage();
            return FALSE;
        }
        CBlock* box = CopyBox(static_cast<CBlock*>(entry), TRUE);
        box->SetLinkType(LINK_SERIES);
        if (!m_pModel->InsertBox(box)) {
            delete box;
            return FALSE;
        }
        m_pModel->SetCurrentElement(box);
        m_pModel->TakeSnapshot();
        return TRUE;
    }
    case LADDER_HEADER:
        if (!current || current->GetKind() != LADDER_HEADER) return TRUE;
        static_cast<CComment*>(current)->m_strComment = static_cast<CComment*>(entry)->m_strComment;
        m_pModel->TakeSnapshot();
        return TRUE;
    default:
        return TRUE;
    }
}

BOOL CLadderEditor::PasteNetworks() {
    CObArray& items = m_pModel->GetNetworks();
    int itemCount = static_cast<int>(items.GetSize());
    int i = 0;
    if (itemCount > 0) {
        CLadderElement* current = Current();
        if (!current || m_nCurrentItem < 0 || m_nCurrentItem >= itemCount) return FALSE;
        i = current->GetKind() == LADDER_HEADER ? 2 * (m_nCurrentItem / 2) : 2 * (m_nCurrentItem / 2) + 2;
    }
    if (m_bNetworkSelection) {
        // The pasted networks take the place of the selected ones.
        int first = std::max(0, m_nSelFirst);
        int last = std::min(m_nSelLast, m_pModel->GetNetworkCount() - 1);
        if (i / 2 >= first && i / 2 <= last + 1) i = 2 * first;
        m_bNetworkSelection = TRUE;
        DeleteSelectedNetworks();
        itemCount = static_cast<int>(items.GetSize());
    }
    BOOL first = TRUE;
    BOOL complete = TRUE;
    for (int k = 0; k < ClipboardCount(); ++k) {
        CLadderElement* entry = ClipboardEntry(k);
        BOOL header = entry->GetKind() == LADDER_HEADER;
        if (header && itemCount / 2 >= kMaxNetworks) {
            NetworkLimitMessage();
            complete = FALSE;
            break;
        }
        CLadderElement* copy = header ? CloneHeader(static_cast<CComment*>(entry)) : CloneTree(entry);
        if (!copy) continue;
        items.InsertAt(i, copy);
        if (first && header) {
            m_pModel->SetCurrentElement(copy);
            m_nCurrentItem = i;
            first = FALSE;
        }
        ++i;
        ++itemCount;
    }
    // A network is whole only with its header and its tree.
    if (items.GetSize() % 2 != 0) {
        static_cast<CLadderElement*>(items[i - 1])->DeleteSubtree(FALSE);
        items.RemoveAt(i - 1);
    }
    RenumberHeaders();
    LayoutNetworks();
    RequestRepaint();
    m_pModel->TakeSnapshot();
    UpdateScrollSizes();
    return complete;
}

// ---- undo and redo ----

void CLadderEditor::ReAddInstances() {
    CLadderEnvironment& environment = LadderEnvironment();
    for (int item = 1; item < m_pModel->GetNetworks().GetSize(); item += 2) {
        CObArray flat;
        CByteArray tags;
        m_pModel->GetItem(item)->Flatten(flat, tags);
        for (int k = 0; k < flat.GetSize(); ++k) {
            auto* box = dynamic_cast<CBlock*>(flat[k]);
            if (!box || box->GetBoxType() != CBlock::FUNCTION_BLOCK || !box->m_pFB) continue;
            CString instance = box->m_pFB->instanceName;
            instance.Trim();
            instance.MakeUpper();
            if (instance.IsEmpty() || instance == LADDER_MISSING_OPERAND) continue;
            environment.AddFBInstance(box->m_pFB->typeName, instance, m_pModel->m_strPouName);
        }
    }
}

void CLadderEditor::AfterRestore() {
    m_pModel->ClearCurrentElement();
    m_rows.Clear();
    m_nCurrentItem = -1;
    m_bNetworkSelection = FALSE;
    RequestRepaint();
    UpdateScrollSizes();
}

void CLadderEditor::Undo() {
    if (IsOnline()) return;
    if (m_bCellEdit) {
        m_cellEdit.Undo();
        RequestRepaint();
        return;
    }
    // The instances go only when another state replaces the program.
    if (m_pModel->CanUndo()) {
        LadderEnvironment().DeleteFBInstancesOf(m_pModel->m_strPouName);
        m_pModel->Undo();
        ReAddInstances();
    }
    AfterRestore();
}

void CLadderEditor::Redo() {
    if (IsOnline() || m_bCellEdit) return;
    if (m_pModel->CanRedo()) {
        LadderEnvironment().DeleteFBInstancesOf(m_pModel->m_strPouName);
        m_pModel->Redo();
        ReAddInstances();
    }
    AfterRestore();
}

void CLadderEditor::UpdateUndo(CCmdUI* cmdUI) { cmdUI->Enable(!IsOnline() && m_pModel->CanUndo()); }

void CLadderEditor::UpdateRedo(CCmdUI* cmdUI) { cmdUI->Enable(!IsOnline() && m_pModel->CanRedo()); }
