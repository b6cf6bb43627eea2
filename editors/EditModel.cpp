#include "editors/EditModel.h"

#include "platform/CArchive.h"
#include "platform/CMemFile.h"

namespace {
const int kSnapshotBufferSize = 4096;
const int kListBlockSize = 10;
}  // namespace

CEditModel::CEditModel() : m_undoList(kListBlockSize), m_redoList(kListBlockSize) {}

CEditModel::~CEditModel() {
    DeleteSnapshots(m_undoList);
    DeleteSnapshots(m_redoList);
}

void CEditModel::DeleteSnapshots(CObList& list) {
    while (!list.IsEmpty()) delete list.RemoveHead();
}

void CEditModel::DropOldestBeyondLimit() {
    if (m_nDepthLimit != 0 && m_undoList.GetCount() > m_nDepthLimit)
        delete m_undoList.RemoveTail();
}

void CEditModel::TakeSnapshot() {
    CMemFile* snapshot = new CMemFile(m_nGrowBytes);
    {
        CArchive ar(snapshot, CArchive::store, kSnapshotBufferSize);
        Serialize(ar, FALSE);
        ar.Close();
    }
    DropOldestBeyondLimit();
    m_undoList.AddHead(snapshot);
    DeleteSnapshots(m_redoList);
}

void CEditModel::RestoreSnapshot(CMemFile* snapshot) {
    DeleteContents();
    snapshot->SeekToBegin();
    CArchive ar(snapshot, CArchive::load, kSnapshotBufferSize);
    Serialize(ar, FALSE);
    ar.Close();
}

BOOL CEditModel::Undo() {
    if (!CanUndo()) return FALSE;
    m_redoList.AddHead(m_undoList.RemoveHead());
    RestoreSnapshot(static_cast<CMemFile*>(m_undoList.GetHead()));
    return TRUE;
}

BOOL CEditModel::Redo() {
    if (!CanRedo()) return FALSE;
    CObject* snapshot = m_redoList.RemoveHead();
    DropOldestBeyondLimit();
    m_undoList.AddHead(snapshot);
    RestoreSnapshot(static_cast<CMemFile*>(snapshot));
    return TRUE;
}
