#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CString.h"
#include "platform/Lists.h"

class CDocument;
class CFrameWnd;

// The recipe for one kind of document: its document, frame and view classes and its
// resource id (menu, accelerators, icon and the document string
// "title\ndocument name\nnew-file name\nfilter name\nfilter extension\nfile type id\nfile type name").
class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)

public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

    ~CDocTemplate() override;

    virtual void LoadTemplate();
    // The id of the template's menu, accelerators and strings.
    UINT GetResourceID() const { return m_nIDResource; }
    BOOL GetDocString(CString& text, DocStringIndex index) const;

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& position) const = 0;
    virtual void AddDocument(CDocument* document);
    virtual void RemoveDocument(CDocument* document);

    // yesAttemptNative when the path has the template's filter extension,
    // yesAlreadyOpen (with the document) when a document of that path is open.
    virtual Confidence MatchDocType(LPCSTR path, CDocument*& openDocument);
    virtual CDocument* OpenDocumentFile(LPCSTR path, BOOL makeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* document) = 0;

    virtual CDocument* CreateNewDocument();
    // A frame with a view of the template's classes for the document.
    virtual CFrameWnd* CreateNewFrame(CDocument* document, CFrameWnd* other);
    virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible = TRUE);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL endSession);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;

protected:
    CDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass, CRuntimeClass* viewClass);
};

// A template whose documents each open in MDI child frames; the frames show the
// template's menu while active.
class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)

public:
    CMultiDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass, CRuntimeClass* viewClass);
    ~CMultiDocTemplate() override;

    void LoadTemplate() override;
    POSITION GetFirstDocPosition() const override { return m_docList.GetHeadPosition(); }
    CDocument* GetNextDoc(POSITION& position) const override;
    void AddDocument(CDocument* document) override;
    void RemoveDocument(CDocument* document) override;
    CDocument* OpenDocumentFile(LPCSTR path, BOOL makeVisible = TRUE) override;
    // "<new-file name><n>" with n counting the untitled documents made so far.
    void SetDefaultTitle(CDocument* document) override;

    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;
    CPtrList m_docList;
    UINT m_nUntitledCount = 0;
};
