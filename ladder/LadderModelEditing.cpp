// The editing operations of the ladder model.
#include "editors/LadderEditEngine.h"
#include "ladder/Block.h"
#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/Contact.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LadderModel.h"
#include "ladder/LogicNode.h"
#include "platform/MessageBox.h"

namespace {
const int kMaxNetworks = 200;

CContact* NewOpenContact(int linkType) {
    CContact* contact = new CContact;
    contact->SetOperand(LADDER_MISSING_OPERAND);
    contact->SetSymbol("-| |-");
    contact->SetLinkType(linkType);
    return contact;
}

CLadderElement* ChainEnd(CLadderElement* first) {
    while (first->m_pSeries) first = first->m_pSeries;
    return first;
}

BOOL IsLeaf(const CLadderElement* element) {
    return element && (element->GetKind() == LADDER_CONTACT || element->GetKind() == LADDER_BOX);
}

// The coil at the top of a stack of coils.
CLadderElement* StackRoot(CLadderElement* coil) {
    while (coil->m_pParent && coil->m_pParent->GetKind() == LADDER_COIL) coil = coil->m_pParent;
    return coil;
}
}  // namespace

BOOL CLadderModel::Monitoring() const { return LadderEnvironment().IsOnlineMonitoring(); }

void CLadderModel::Commit() {
    if (m_pLadderEngine) m_pLadderEngine->CommitCellEdit();
}

void CLadderModel::Scroll(int dx, int dy) {
    if (!m_pLadderEngine) return;
    m_pLadderEngine->Redraw();
    m_pLadderEngine->ScrollToCurrent(dx, dy);
}

void CLadderModel::ShowNotice(const char* text) {
    AfxShowMessageBox(nullptr, text, "提示", MB_ICONINFORMATION | MB_TASKMODAL);
    if (m_pLadderEngine) m_pLadderEngine->FocusView();
}

void CLadderModel::Replace(CLadderElement* parent, CLadderElement* old,
                           CLadderElement* replacement) {
    if (replacement) replacement->m_pParent = parent;
    if (!parent) {
        int index = IndexOfRoot(old);
        if (index >= 0) m_networks.SetAt(index, replacement);
        return;
    }
    if (parent->m_pSeries == old)
        parent->m_pSeries = replacement;
    else if (parent->m_pParallel == old)
        parent->m_pParallel = replacement;
}

void CLadderModel::Attach(CLadderElement* parent, CLadderElement* old,
                          CLadderElement* replacement) {
    BOOL branchPlace = parent && parent->m_pParallel == old && parent->GetKind() != LADDER_COIL;
    if (replacement && branchPlace) {
        BOOL singleLeaf = IsLeaf(replacement) && !replacement->m_pSeries;
        if (singleLeaf) {
            replacement->SetLinkType(LINK_PARALLEL);
        } else if (!replacement->IsParallelNode() &&
                   !(IsLeaf(replacement) && replacement->GetLinkType() == LINK_PARALLEL)) {
            CLogicNode* block = new CLogicNode(LINK_PARALLEL);
            block->LinkSeries(replacement);
            replacement = block;
        }
    } else if (replacement) {
        BOOL branched = replacement->IsParallelNode() ||
                        (IsLeaf(replacement) && replacement->GetLinkType() == LINK_PARALLEL &&
                         replacement->m_pParallel);
        if (branched) {
            CLogicNode* group = new CLogicNode(LINK_SERIES);
            group->LinkParallel(replacement);
            replacement = group;
        } else if (IsLeaf(replacement)) {
            replacement->SetLinkType(LINK_SERIES);
        }
    }
    Replace(parent, old, replacement);
}

BOOL CLadderModel::NewNetwork() {
    if (GetNetworkCount() >= kMaxNetworks) return FALSE;
    CComment* header = new CComment;
    header->m_nNetwork = GetNetworkCount();
    m_networks.Add(header);
    CCoil* coil = new CCoil;
    coil->SetOperand("");
    coil->SetLinkType(LINK_SERIES);
    coil->SetSymbol("-(NUL)");
    m_networks.Add(coil);
    SetCurrentElement(coil);
    CContact* contact = NewOpenContact(LINK_SERIES);
    if (!LinkAfterCurrent(contact)) {
        delete contact;
        return TRUE;
    }
    SetCurrentElement(contact);
    return TRUE;
}

CLogicNode* CLadderModel::OpenUpperBranchAt(CLadderElement* contact) {
    CLogicNode* node = new CLogicNode(LINK_PARALLEL);
    Replace(contact->m_pParent, contact, node);
    node->LinkParallel(contact->m_pParallel);
    contact->m_pParallel = nullptr;
    contact->SetLinkType(LINK_SERIES);
    return node;
}

BOOL CLadderModel::LinkAfterCurrent(CLadderElement* element) {
    CLadderElement* current = m_pCurrent;
    if (!current) return FALSE;
    element->SetLinkType(LINK_SERIES);
    switch (current->GetKind()) {
    case LADDER_BOX:
    case LADDER_CONTACT:
        if (current->GetLinkType() == LINK_PARALLEL) {
            CLogicNode* node = OpenUpperBranchAt(current);
            node->LinkSeries(current);
        } else {
            element->m_pParallel = nullptr;
            element->LinkSeries(current->m_pSeries);
        }
        current->LinkSeries(element);
        return TRUE;
    case LADDER_COIL:
        element->m_pSeries = element->m_pParallel = nullptr;
        ChainEnd(StackRoot(current))->LinkSeries(element);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CLadderModel::InsertRight(CLadderElement* element) {
    if (Monitoring()) return FALSE;
    Commit();
    BOOL atCoil = m_pCurrent && m_pCurrent->GetKind() == LADDER_COIL;
    if (!LinkAfterCurrent(element)) return FALSE;
    Scroll(atCoil ? -m_nCellWidth : m_nCellWidth, 0);
    return TRUE;
}

BOOL CLadderModel::InsertLeft(CLadderElement* element) {
    CLadderElement* current = m_pCurrent;
    if (Monitoring() || !current) {
        element->DeleteSubtree(FALSE);
        return FALSE;
    }
    Commit();
    int kind = current->GetKind();
    if (kind == LADDER_COIL) {
        LinkAfterCurrent(element);
        Scroll(156, 0);
        return TRUE;
    }
    if (kind != LADDER_BOX && kind != LADDER_CONTACT) {
        element->DeleteSubtree(FALSE);
        return FALSE;
    }
    element->SetLinkType(LINK_SERIES);
    element->m_pParallel = nullptr;
    if (current->GetLinkType() == LINK_PARALLEL) {
        CLogicNode* node = OpenUpperBranchAt(current);
        node->LinkSeries(element);
    } else {
        Replace(current->m_pParent, current, element);
    }
    element->LinkSeries(current);
    Scroll(m_nCellWidth, 0);
    return TRUE;
}

BOOL CLadderModel::InsertParallel(CLadderElement* element) {
    CLadderElement* current = m_pCurrent;
    if (current) Commit();
    if (Monitoring() || !current || current->GetKind() != LADDER_CONTACT) {
        element->DeleteSubtree(FALSE);
        return FALSE;
    }
    element->SetLinkType(LINK_PARALLEL);
    element->m_pSeries = nullptr;
    if (current->GetLinkType() == LINK_PARALLEL) {
        element->LinkParallel(current->m_pParallel);
    } else {
        CLogicNode* node = new CLogicNode(LINK_SERIES);
        Replace(current->m_pParent, current, node);
        node->LinkSeries(current->m_pSeries);
        node->LinkParallel(current);
        current->m_pSeries = nullptr;
        current->SetLinkType(LINK_PARALLEL);
    }
    current->LinkParallel(element);
    Scroll(0, m_nCellHeight);
    return TRUE;
}

BOOL CLadderModel::InsertParallelCoil(CCoil* coil) {
    CLadderElement* current = m_pCurrent;
    if (Monitoring() || !current || current->GetKind() != LADDER_COIL) return FALSE;
    Commit();
    CLadderElement* below = current->GetLinkType() == LINK_PARALLEL ? current->m_pParallel : nullptr;
    coil->m_pSeries = nullptr;
    coil->LinkParallel(below);
    // A stacked coil has link type 2 even as the last of its stack, as the IL reader
    // builds it: the commands that refuse a coil in a parallel branch and Enter (which
    // opens its operand) tell it from a root coil by that.
    coil->SetLinkType(LINK_PARALLEL);
    current->SetLinkType(LINK_PARALLEL);
    current->LinkParallel(coil);
    Scroll(0, 0);
    return TRUE;
}

BOOL CLadderModel::InsertBox(CBlock* box) {
    CLadderElement* current = m_pCurrent;
    if (Monitoring() || !current) return FALSE;
    Commit();
    int kind = current->GetKind();
    BOOL stackedCoil = kind == LADDER_COIL && current->m_pParent;
    if (stackedCoil || !LinkAfterCurrent(box)) return FALSE;
    if (kind == LADDER_COIL)
        Scroll(50, 40);
    else if (kind == LADDER_CONTACT)
        Scroll(250, 40);
    else
        Scroll(350, box->GetBoxType() == CBlock::FUNCTION && box->GetName() == "PID" ? 240 : 40);
    return TRUE;
}

BOOL CLadderModel::IsInSeriesChain(const CLadderElement* first, const CLadderElement* element) {
    for (const CLadderElement* e = first; e; e = e->m_pSeries) {
        if (e == element) return TRUE;
    }
    return FALSE;
}

int CLadderModel::HitBranchStart(int column, int row) {
    CLadderElement* element = nullptr;
    if (!LookupCell(column, row, element) && !LookupCell(column + 1, row, element)) return -1;
    m_pBranchStart = element;
    int kind = element->GetKind();
    if (kind == LADDER_HEADER || kind == LADDER_COIL || !element->m_pParent) {
        m_pBranchStart = nullptr;
        return -1;
    }
    if (element->GetLinkType() == LINK_SERIES) return 1;
    CLadderElement* parent = element->m_pParent;
    BOOL underSeriesNode = parent->IsSeriesNode() ||
                           (parent->GetKind() == LADDER_NODE && parent->m_pParent &&
                            parent->m_pParent->IsSeriesNode());
    return underSeriesNode ? 2 : 3;
}

int CLadderModel::HitBranchEnd(int firstColumn, int row, int lastColumn) {
    for (int column = lastColumn; column >= firstColumn; --column) {
        CLadderElement* element = nullptr;
        if (!LookupCell(column, row, element)) continue;
        if (element->GetKind() == LADDER_HEADER) {
            m_pBranchEnd = nullptr;
            return -1;
        }
        m_pBranchEnd = element;
        return 1;
    }
    return -1;
}

BOOL CLadderModel::InsertBranch() {
    CLadderElement* start = m_pBranchStart;
    CLadderElement* end = m_pBranchEnd;
    if (!start || !end || start->GetKind() == LADDER_BOX) return FALSE;
    if (start == end) return BranchToSelf(start);
    if (IsInSeriesChain(start, end)) return BuildBranch(start, end);
    for (CLadderElement* e = end->m_pParent; e && e->GetKind() != LADDER_COIL; e = e->m_pParent) {
        if (e->IsSeriesNode() && IsInSeriesChain(start, e)) return BuildBranch(start, e);
    }
    for (CLadderElement* s = start->m_pParent; s && s->GetKind() != LADDER_COIL; s = s->m_pParent) {
        if (!s->IsSeriesNode()) continue;
        if (IsInSeriesChain(s, end)) return BuildBranch(s, end);
        for (CLadderElement* a = end; a && a->GetKind() != LADDER_COIL; a = a->m_pParent) {
            if (a->IsSeriesNode() && IsInSeriesChain(s, a)) return BuildBranch(s, a);
        }
    }
    return TRUE;
}

BOOL CLadderModel::BranchToSelf(CLadderElement* start) {
    if (start->GetKind() != LADDER_CONTACT) return FALSE;
    if (m_pLadderEngine && !m_pLadderEngine->CanAddParallelRow(start)) {
        ShowNotice("本分支并联元件数已达上限，不允许再并联！");
        return TRUE;
    }
    CContact* contact = NewOpenContact(LINK_PARALLEL);
    if (start->GetLinkType() == LINK_PARALLEL) {
        contact->LinkParallel(start->m_pParallel);
    } else {
        CLogicNode* node = new CLogicNode(LINK_SERIES);
        Replace(start->m_pParent, start, node);
        node->LinkSeries(start->m_pSeries);
        node->LinkParallel(start);
        start->m_pSeries = nullptr;
        start->SetLinkType(LINK_PARALLEL);
    }
    start->LinkParallel(contact);
    AfterBranch();
    return TRUE;
}

BOOL CLadderModel::BuildBranch(CLadderElement* start, CLadderElement* end) {
    CLadderElement* parent = start->m_pParent;
    if (parent->GetKind() != LADDER_COIL && parent->GetLinkType() == LINK_PARALLEL &&
        !end->m_pSeries) {
        CContact* contact = NewOpenContact(LINK_PARALLEL);
        contact->LinkParallel(parent->m_pParallel);
        parent->LinkParallel(contact);
    } else {
        CLogicNode* group = new CLogicNode(LINK_SERIES);
        CLogicNode* branches = new CLogicNode(LINK_PARALLEL);
        Replace(parent, start, group);
        CLadderElement* rest = end->m_pSeries;
        end->m_pSeries = nullptr;
        branches->LinkSeries(start);
        branches->LinkParallel(NewOpenContact(LINK_PARALLEL));
        group->LinkParallel(branches);
        group->LinkSeries(rest);
    }
    AfterBranch();
    return TRUE;
}

void CLadderModel::AfterBranch() {
    if (m_pLadderEngine) {
        m_pLadderEngine->Redraw();
        m_pLadderEngine->UpdateScrollSizes();
    }
    TakeSnapshot();
}

void CLadderModel::DeleteCurrent() {
    CLadderElement* current = m_pCurrent;
    if (!current) return;
    int kind = current->GetKind();
    if (kind == LADDER_COIL) {
        if (DeleteCoil(static_cast<CCoil*>(current))) ClearCurrentElement();
        return;
    }
    if (kind != LADDER_CONTACT && kind != LADDER_BOX) {
        ShowNotice("不允许删除所选的元件！");
        return;
    }
    if (RefusesDeletion(current)) return;
    if (current->GetBoxType() == 0 && kind == LADDER_BOX) {
        CString instance = current->GetOperand();
        instance.Trim();
        instance.MakeUpper();
        LadderEnvironment().DeleteFBInstance(instance);
    }
    CLadderElement* parent = current->m_pParent;
    UnlinkLeaf(current);
    current->DeleteSubtree(FALSE);
    RepairFrom(parent);
    ClearCurrentElement();
}

BOOL CLadderModel::DeleteCoil(CCoil* coil) {
    CLadderElement* parent = coil->m_pParent;
    CLadderElement* below = coil->GetLinkType() == LINK_PARALLEL ? coil->m_pParallel : nullptr;
    if (!parent && !below) {
        ShowNotice("此线圈不允许被单独删除!\r\n若要删除请选择删除网络操作。");
        return FALSE;
    }
    if (!parent) {
        Replace(nullptr, coil, below);
        below->LinkSeries(coil->m_pSeries);
        if (!below->m_pParallel) below->SetLinkType(LINK_SERIES);
    } else {
        parent->LinkParallel(below);
        if (!below && !parent->m_pParent) parent->SetLinkType(LINK_SERIES);
    }
    coil->m_pSeries = coil->m_pParallel = nullptr;
    coil->DeleteSubtree(TRUE);
    return TRUE;
}

BOOL CLadderModel::RefusesDeletion(CLadderElement* element) {
    CLadderElement* parent = element->m_pParent;
    BOOL opensUpperBranch = parent && parent->IsParallelNode() && parent->m_pSeries == element;
    if (!opensUpperBranch || !element->m_pSeries ||
        element->m_pSeries->GetKind() != LADDER_BOX)
        return FALSE;
    ShowNotice("禁止删除此元件! \r\n否则将会出现功能块并联情况! ");
    return TRUE;
}

void CLadderModel::UnlinkLeaf(CLadderElement* element) {
    CLadderElement* parent = element->m_pParent;
    CLadderElement* next =
        element->GetLinkType() == LINK_PARALLEL ? element->m_pParallel : element->m_pSeries;
    element->m_pSeries = element->m_pParallel = nullptr;
    Replace(parent, element, next);
}

void CLadderModel::RepairFrom(CLadderElement* element) {
    while (element && element->GetKind() != LADDER_COIL) {
        element = element->GetKind() == LADDER_NODE ? RepairNode(element) : element->m_pParent;
    }
}

CLadderElement* CLadderModel::RepairNode(CLadderElement* node) {
    CLadderElement* parent = node->m_pParent;
    CLadderElement* opening = node->IsSeriesNode() ? node->m_pParallel : node->m_pSeries;
    CLadderElement* following = node->IsSeriesNode() ? node->m_pSeries : node->m_pParallel;
    CLadderElement* replacement = nullptr;
    if (!opening) {
        replacement = following;
    } else if (node->IsSeriesNode() && IsLeaf(opening) && !opening->m_pParallel &&
               !opening->m_pSeries) {
        // A left part reduced to one leaf continues straight into the right part.
        opening->SetLinkType(LINK_SERIES);
        opening->LinkSeries(following);
        replacement = opening;
    } else if (node->IsSeriesNode() && opening->IsParallelNode() && !opening->m_pParallel) {
        // A parallel group left with its upper branch alone is that branch in series.
        CLadderElement* chain = opening->m_pSeries;
        opening->m_pSeries = nullptr;
        delete opening;
        ChainEnd(chain)->LinkSeries(following);
        replacement = chain;
    } else if (node->IsParallelNode() && opening->IsSeriesNode() && !opening->m_pSeries) {
        // An upper branch that is a group of branches by itself: its branches and the
        // lower branches form one list.
        CLadderElement* group = opening->m_pParallel;
        opening->m_pParallel = nullptr;
        delete opening;
        CLadderElement* last = group;
        while (last->m_pParallel) last = last->m_pParallel;
        last->LinkParallel(following);
        replacement = group;
    } else if (node->IsParallelNode() && opening->GetKind() == LADDER_CONTACT &&
               !opening->m_pSeries) {
        // An upper branch of one contact carries the lower branches itself.
        opening->SetLinkType(LINK_PARALLEL);
        opening->LinkParallel(following);
        replacement = opening;
    } else {
        return parent;
    }
    node->m_pSeries = node->m_pParallel = nullptr;
    Attach(parent, node, replacement);
    delete node;
    return parent;
}
