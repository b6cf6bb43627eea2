#include "ladder/LadderModel.h"

#include "editors/LadderEditEngine.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUVarView.h"
#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/ILToLadder.h"
#include "ladder/LadderEnvironment.h"
#include "platform/CArchive.h"

namespace {
const int kCellMapHashSize = 100;
const int kMinRowsBelowLastHeader = 36;
}  // namespace

CLadderModel::CLadderModel(CLadderEditEngine* engine) : m_pLadderEngine(engine) {
    m_nLanguage = 2;
    m_cellMap.InitHashTable(kCellMapHashSize);
    m_pEngine = engine;
    if (engine) engine->m_pModel = this;
}

CLadderModel::~CLadderModel() {
    DeleteContents();
    delete m_pLadderEngine;
}

void CLadderModel::Serialize(CArchive& ar, BOOL fileMode) {
    if (fileMode) {
        if (ar.IsStoring()) {
            ar.WriteString(ToIL());
            return;
        }
        CStringArray lines;
        CString line;
        while (ar.ReadString(line)) lines.Add(line);
        LoadFromIL(lines);
        return;
    }
    if (ar.IsStoring())
        StoreSnapshot(ar);
    else
        LoadSnapshot(ar);
    if (m_pLadderEngine) m_pLadderEngine->Redraw();
}

BOOL CLadderModel::LoadFromIL(const CStringArray& lines) {
    if (!m_pLadderEngine) return FALSE;
    m_pLadderEngine->ResetForLoad();
    CILToLadder converter;
    CString message;
    if (!converter.CheckAndSplit(lines, message)) {
        ClearCurrentElement();
        m_pLadderEngine->OnInitialUpdate();
        m_pLadderEngine->Redraw();
        return FALSE;
    }
    DeleteContents();
    converter.BuildNetworksKeepingIL();
    m_networks.Copy(converter.m_elements);
    converter.m_elements.RemoveAll();
    ClearCurrentElement();
    m_bLoaded = TRUE;
    return TRUE;
}

CString CLadderModel::ToIL() const {
    CString il;
    for (int i = 0; i < m_networks.GetSize(); ++i) il += GetItem(i)->ToIL();
    return il;
}

void CLadderModel::StoreSnapshot(CArchive& ar) {
    ar << static_cast<int>(m_networks.GetSize());
    for (int i = 0; i < m_networks.GetSize(); ++i) {
        CObArray elements;
        CByteArray tags;
        GetItem(i)->Flatten(elements, tags);
        ar << static_cast<int>(elements.GetSize());
        for (int e = 0; e < elements.GetSize(); ++e) {
            ar << tags[e];
            elements[e]->Serialize(ar);
        }
    }
}

void CLadderModel::LoadSnapshot(CArchive& ar) {
    ClearCurrentElement();
    int itemCount = 0;
    ar >> itemCount;
    for (int k = 0; k < itemCount; ++k) {
        if (!ReadNetworkItem(ar, k)) break;
    }
    // A network is whole only with its header and its tree.
    if (m_networks.GetSize() % 2 != 0) {
        GetItem(static_cast<int>(m_networks.GetSize() - 1))->DeleteSubtree(FALSE);
        m_networks.RemoveAt(m_networks.GetSize() - 1);
    }
}

BOOL CLadderModel::ReadNetworkItem(CArchive& ar, int itemIndex) {
    int elementCount = 0;
    ar >> elementCount;
    CObArray elements;
    for (int e = 0; e < elementCount; ++e) {
        BYTE tag = 0;
        ar >> tag;
        CLadderElement* element = CLadderElement::CreateFromTag(tag);
        if (!element) {
            // An unknown tag: the elements read so far were never linked, each goes alone.
            for (int i = 0; i < elements.GetSize(); ++i) delete elements[i];
            return FALSE;
        }
        element->Serialize(ar);
        if (element->GetKind() == LADDER_HEADER)
            static_cast<CComment*>(element)->m_nNetwork = itemIndex / 2;
        elements.Add(element);
    }
    if (elements.IsEmpty()) return FALSE;
    CLadderElement* first = static_cast<CLadderElement*>(elements[0]);
    first->Relink(elements);
    m_networks.Add(first);
    return TRUE;
}

void CLadderModel::DeleteContents() {
    for (int i = 0; i < m_networks.GetSize(); ++i) GetItem(i)->DeleteSubtree(FALSE);
    m_networks.RemoveAll();
    ClearCurrentElement();
    ClearBranchRange();
    m_cellMap.RemoveAll();
}

BOOL CLadderModel::OnNewDocument() {
    NewNetwork();
    TakeSnapshot();
    return TRUE;
}

BOOL CLadderModel::OnOpenDocument(LPCTSTR path) {
    m_bLoaded = TRUE;
    CString name = path;
    name = name.Mid(name.ReverseFind('\\') + 1);
    int underscore = name.Find('_');
    int dot = name.ReverseFind('.');
    if (dot < 0) dot = name.GetLength();
    name = underscore >= 0 && dot > underscore ? name.Mid(underscore + 1, dot - underscore - 1)
                                               : CString();
    name.Trim();
    m_strPouName = name;
    m_savedFBTypes.RemoveAll();
    m_savedFBNames.RemoveAll();
    LadderEnvironment().GetFBInstancesOf(m_strPouName, m_savedFBTypes, m_savedFBNames);
    TakeSnapshot();
    return TRUE;
}

BOOL CLadderModel::BeforeSave(LPCTSTR) {
    RefreshVarMaps();
    return TRUE;
}

void CLadderModel::OnDiscardChanges() {
    if (m_strPouName.IsEmpty()) return;
    CLadderEnvironment& environment = LadderEnvironment();
    environment.DeleteFBInstancesOf(m_strPouName);
    for (int i = 0; i < m_savedFBTypes.GetSize(); ++i)
        environment.AddFBInstance(m_savedFBTypes[i], m_savedFBNames[i], m_strPouName);
}

void CLadderModel::ExportIL(CStringArray& lines) {
    CString il = ToIL();
    int start = 0;
    for (int end = il.Find("\r\n"); end >= 0; end = il.Find("\r\n", start)) {
        lines.Add(il.Mid(start, end - start));
        start = end + 2;
    }
    if (start < il.GetLength()) lines.Add(il.Mid(start));
}

void CLadderModel::GoToNetwork(int network) {
    if (m_pLadderEngine) m_pLadderEngine->GoToNetwork(network);
}

int CLadderModel::GetMinRows() const {
    if (m_networks.GetSize() < 2) return 0;
    return GetItem(static_cast<int>(m_networks.GetSize() - 2))->GetCellRect().m_nRow +
           kMinRowsBelowLastHeader;
}

void CLadderModel::SetCurrentElement(CLadderElement* element) {
    m_pCurrent = element;
    m_bHasCurrent = element != nullptr;
}

void CLadderModel::ClearCurrentElement() { SetCurrentElement(nullptr); }

BOOL CLadderModel::SetCurrentFlag(BOOL hasCurrent) {
    BOOL previous = m_bHasCurrent;
    m_bHasCurrent = hasCurrent;
    return previous;
}

BOOL CLadderModel::LookupCell(int column, int row, CLadderElement*& element) const {
    CObject* found = nullptr;
    if (!m_cellMap.Lookup(CLadderElement::CellKey(column, row), found)) return FALSE;
    element = static_cast<CLadderElement*>(found);
    return TRUE;
}

void CLadderModel::ClearBranchRange() { m_pBranchStart = m_pBranchEnd = nullptr; }

BOOL CLadderModel::SelectRightNeighbour(CLadderElement* element) {
    if (!element) return FALSE;
    CCellRect cell = element->GetCellRect();
    int step = 1;
    if (element->GetKind() == LADDER_BOX)
        step = element->m_pSeries && element->m_pSeries->GetKind() == LADDER_BOX ? 3 : 2;
    CLadderElement* neighbour = nullptr;
    if (LookupCell(cell.m_nColumn + step, cell.m_nRow, neighbour)) {
        SetCurrentElement(neighbour);
        return TRUE;
    }
    SetCurrentElement(element);
    return FALSE;
}

void CLadderModel::RefreshVarMaps() {
    CPOUEditorDoc* document = m_pLadderEngine ? m_pLadderEngine->GetDocument() : nullptr;
    CPOUVarView* variables = document ? document->GetVarView() : nullptr;
    if (!variables) return;
    PouVarNameMap.RemoveAll();
    PouVarAddressMap.RemoveAll();
    CStringArray names, addresses;
    variables->GetDeclaredVariables(names, addresses);
    for (int i = 0; i < names.GetSize(); ++i) {
        CString name = names[i], address = addresses[i];
        name.MakeUpper();
        address.MakeUpper();
        PouVarAddressMap.SetAt(address, names[i]);
        PouVarNameMap.SetAt(name, address);
    }
}

int CLadderModel::IndexOfRoot(const CLadderElement* root) const {
    for (int i = 1; i < m_networks.GetSize(); i += 2) {
        if (GetItem(i) == root) return i;
    }
    return -1;
}
