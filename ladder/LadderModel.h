#pragma once
#include "editors/EditModel.h"
#include "ladder/LadderElement.h"
#include "platform/Maps.h"

class CBlock;
class CCoil;
class CLadderEditEngine;
class CLogicNode;

// The editor model of a ladder POU: its networks (items in pairs, the header of network
// n at 2n and the root coil of its tree at 2n + 1), the current element, the cell map
// of the last layout and the conversion of the whole POU to and from IL text, the form
// in which it is stored. Its edits keep every tree well formed: coil roots, leaves of
// link type 2 only as branches, and no node without the part that opens it.
class CLadderModel : public CEditModel {
public:
    // Takes over the engine (null for none) and points it back at the model.
    explicit CLadderModel(CLadderEditEngine* engine);
    ~CLadderModel() override;

    // File mode: the IL text of every network. Snapshot mode: the networks' elements.
    void Serialize(CArchive& ar, BOOL fileMode) override;
    void DeleteContents() override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR path) override;
    // Neither touches the document's modified flag: the document clears it once the file
    // is written, and a write that fails leaves the changes marked as unsaved.
    void AfterSave(LPCTSTR path, BOOL beforeSaveResult) override {}
    BOOL BeforeSave(LPCTSTR path) override;
    // Puts back the POU's function-block instances as they were when it was opened.
    void OnDiscardChanges() override;
    void ExportIL(CStringArray& lines) override;
    void GoToNetwork(int network) override;
    BOOL CanConvertToLD() override { return TRUE; }

    // Replaces the networks with those converted from IL lines, a network that cannot be
    // shown as ladder kept as its IL text; FALSE (model empty) for an empty text.
    BOOL LoadFromIL(const CStringArray& lines);
    // The IL text of every network, as stored in the program file.
    CString ToIL() const;

    CObArray& GetNetworks() { return m_networks; }
    int GetNetworkCount() const { return static_cast<int>(m_networks.GetSize() / 2); }
    CLadderElement* GetItem(int index) const {
        return static_cast<CLadderElement*>(m_networks[index]);
    }
    SIZE GetExtent() const { return m_extent; }
    int GetMinRows() const;
    CLadderElement* GetCurrentElement() const { return m_pCurrent; }
    void SetCurrentElement(CLadderElement* element);
    void ClearCurrentElement();
    BOOL SetCurrentFlag(BOOL hasCurrent);
    BOOL LookupCell(int column, int row, CLadderElement*& element) const;
    void ClearCellMap() { m_cellMap.RemoveAll(); }
    CMapStringToOb& GetCellMap() { return m_cellMap; }
    void ClearBranchRange();
    BOOL SelectRightNeighbour(CLadderElement* element);
    void RefreshVarMaps();
    CLadderEditEngine* GetEngine() const { return m_pLadderEngine; }

    // Editing: each works on the current element and keeps the trees well formed.
    BOOL NewNetwork();
    BOOL InsertRight(CLadderElement* element);
    // Refusals delete the element (unlike the other insertions, whose caller keeps it).
    BOOL InsertLeft(CLadderElement* element);
    BOOL InsertParallel(CLadderElement* element);
    BOOL InsertParallelCoil(CCoil* coil);
    BOOL InsertBox(CBlock* box);
    int HitBranchStart(int column, int row);
    int HitBranchEnd(int firstColumn, int row, int lastColumn);
    BOOL InsertBranch();
    void DeleteCurrent();
    static BOOL IsInSeriesChain(const CLadderElement* first, const CLadderElement* element);

    CString m_strPouName;
    SIZE m_extent = {40, 80};
    BOOL m_bHasCurrent = FALSE;
    BOOL m_bLoaded = FALSE;
    int m_nCellWidth = 100;
    int m_nCellHeight = 40;
    CLadderElement* m_pBranchStart = nullptr;
    CLadderElement* m_pBranchEnd = nullptr;
    // The FB instances (type, name) this POU owned when it was opened.
    CStringArray m_savedFBTypes;
    CStringArray m_savedFBNames;

private:
    void StoreSnapshot(CArchive& ar);
    void LoadSnapshot(CArchive& ar);
    BOOL ReadNetworkItem(CArchive& ar, int itemIndex);
    void Commit();
    void Scroll(int dx, int dy);
    BOOL Monitoring() const;
    void ShowNotice(const char* text);
    // Links the element after the current one in series.
    BOOL LinkAfterCurrent(CLadderElement* element);
    // Puts a new parallel node in the place of a contact of link type 2, with the
    // contact's branch as its lower branch and the contact (now of link type 1) at the
    // start of its upper branch.
    CLogicNode* OpenUpperBranchAt(CLadderElement* contact);
    // Puts replacement where old hung below parent (or in the networks array).
    void Replace(CLadderElement* parent, CLadderElement* old, CLadderElement* replacement);
    // As Replace, shaping the replacement for the kind of place: a chain in a series
    // place, a leaf of link type 2 or a parallel node in a branch place.
    void Attach(CLadderElement* parent, CLadderElement* old, CLadderElement* replacement);
    BOOL BuildBranch(CLadderElement* start, CLadderElement* end);
    BOOL BranchToSelf(CLadderElement* start);
    void AfterBranch();
    BOOL DeleteCoil(CCoil* coil);
    BOOL RefusesDeletion(CLadderElement* element);
    void UnlinkLeaf(CLadderElement* element);
    // Mends the nodes above a removed element so that every node keeps its opening part
    // and single elements stand as leaves again.
    void RepairFrom(CLadderElement* element);
    CLadderElement* RepairNode(CLadderElement* node);
    int IndexOfRoot(const CLadderElement* root) const;

    CLadderEditEngine* m_pLadderEngine = nullptr;
    CLadderElement* m_pCurrent = nullptr;
    CObArray m_networks;
    CMapStringToOb m_cellMap;
};
