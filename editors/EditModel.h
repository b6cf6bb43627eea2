#pragma once
#include "platform/Arrays.h"
#include "platform/Lists.h"

class CArchive;
class CMemFile;
class CPOUEditEngine;

// The content of a POU editor, whatever its language. The POU document loads, saves,
// converts and navigates a program only through these operations. Every completed edit
// is recorded as a snapshot (the whole model serialized into a memory file); undo and
// redo move between snapshots.
class CEditModel {
public:
    CEditModel();
    virtual ~CEditModel();
    CEditModel(const CEditModel&) = delete;
    CEditModel& operator=(const CEditModel&) = delete;

    // fileMode TRUE: the program file; FALSE: a snapshot.
    virtual void Serialize(CArchive& ar, BOOL fileMode) = 0;
    virtual void DeleteContents() = 0;
    virtual BOOL OnNewDocument() = 0;
    virtual BOOL OnOpenDocument(LPCTSTR path) = 0;
    // Called after the program file was written, with what BeforeSave returned.
    virtual void AfterSave(LPCTSTR path, BOOL beforeSaveResult) = 0;
    virtual BOOL BeforeSave(LPCTSTR path) = 0;
    virtual void OnDiscardChanges() = 0;
    virtual void ExportIL(CStringArray& lines) = 0;
    virtual void GoToNetwork(int network) = 0;
    virtual BOOL CanConvertToLD() = 0;

    // Records the current state at the head of the undo list and ends the redo history.
    void TakeSnapshot();
    // Replaces the model's content with the state a snapshot recorded.
    void RestoreSnapshot(CMemFile* snapshot);
    // Steps back to the snapshot before the one shown; FALSE with one snapshot or none.
    BOOL Undo();
    // Steps forward to the snapshot that the last Undo left; FALSE when there is none.
    BOOL Redo();
    BOOL CanUndo() const { return m_undoList.GetCount() >= 2; }
    BOOL CanRedo() const { return !m_redoList.IsEmpty(); }

    int GetLanguage() const { return m_nLanguage; }

    CObList m_undoList;  // owned memory files, newest first
    CObList m_redoList;
    int m_nGrowBytes = 4096;
    int m_nDepthLimit = 0;  // 0: no limit
    CPOUEditEngine* m_pEngine = nullptr;
    int m_nLanguage = -1;

private:
    void DropOldestBeyondLimit();
    static void DeleteSnapshots(CObList& list);
};
