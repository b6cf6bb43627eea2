#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CString.h"
#include "platform/Lists.h"

class CDocTemplate;
class CFrameWnd;
class CView;

// A document: the data behind one or more views. It keeps its views, title, path and
// modified flag, reads and writes its file through Serialize, and takes part in
// command routing after its active view (then its template).
class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR title);
    const CString& GetPathName() const { return m_strPathName; }
    // Also makes the file's name the title; addToMru puts the path on the recent list.
    virtual void SetPathName(LPCSTR path, BOOL addToMru = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }

    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& position) const;
    void AddView(CView* view);
    void RemoveView(CView* view);
    // Calls OnUpdate of every view but sender.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
    // Gives every frame showing the document its window number (":1", ":2" in titles).
    virtual void UpdateFrameCounts();

    virtual BOOL OnNewDocument();
    // Reads the file through Serialize; a file that does not open or read is reported
    // and leaves the document empty.
    virtual BOOL OnOpenDocument(LPCSTR path);
    virtual BOOL OnSaveDocument(LPCSTR path);
    // Destroys the document's frames (and so its views) and then the document.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    virtual void OnChangedViewList();

    // Closing: a modified document asks whether to save it first; FALSE (cancelled or
    // not saved) keeps it open.
    virtual BOOL SaveModified();
    virtual BOOL CanCloseFrame(CFrameWnd* frame);
    virtual void PreCloseFrame(CFrameWnd*) {}
    // Saves under path; without one (or for a read-only or missing file through
    // DoFileSave) asks for a name first. replace makes the new name the document's.
    virtual BOOL DoSave(LPCSTR path, BOOL replace = TRUE);
    virtual BOOL DoFileSave();
    virtual void ReportSaveLoadException(LPCSTR path, CException* error, BOOL saving);

    virtual HMENU GetDefaultMenu() { return nullptr; }
    virtual HACCEL GetDefaultAccelerator() { return nullptr; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;  // deleted when its last view goes
    BOOL m_bEmbedded = FALSE;

protected:
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;

    friend class CDocTemplate;

    DECLARE_MESSAGE_MAP()
};
