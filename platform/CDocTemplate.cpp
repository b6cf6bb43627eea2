#include "platform/CDocTemplate.h"

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                           CRuntimeClass* viewClass)
    : m_nIDResource(resourceId), m_pDocClass(docClass), m_pFrameClass(frameClass), m_pViewClass(viewClass) {}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate() {
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& text, DocStringIndex index) const {
    text.Empty();
    int start = 0;
    for (int i = 0; i < index; ++i) {
        start = m_strDocStrings.Find('\n', start);
        if (start < 0)
            return FALSE;
        ++start;
    }
    int end = m_strDocStrings.Find('\n', start);
    text = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
    return !text.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* document) { document->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* document) { document->m_pDocTemplate = nullptr; }

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR path, CDocument*& openDocument) {
    openDocument = nullptr;
    for (POSITION position = GetFirstDocPosition(); position;) {
        CDocument* document = GetNextDoc(position);
        if (document->GetPathName().CompareNoCase(path) == 0) {
            openDocument = document;
            return yesAlreadyOpen;
        }
    }
    CString extension;
    if (GetDocString(extension, filterExt)) {
        CString text = path;
        if (text.GetLength() >= extension.GetLength() &&
            text.Right(extension.GetLength()).CompareNoCase(extension) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument() {
    CDocument* document = m_pDocClass ? dynamic_cast<CDocument*>(m_pDocClass->CreateObject()) : nullptr;
    if (document)
        AddDocument(document);
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document, CFrameWnd* other) {
    CCreateContext context;
    context.m_pCurrentFrame = other;
    context.m_pCurrentDoc = document;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CFrameWnd* frame = m_pFrameClass ? dynamic_cast<CFrameWnd*>(m_pFrameClass->CreateObject()) : nullptr;
    if (!frame)
        return nullptr;
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;  // a frame that failed to be made has deleted itself
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible) {
    frame->InitialUpdateFrame(document, makeVisible);
}

BOOL CDocTemplate::SaveAllModified() {
    for (POSITION position = GetFirstDocPosition(); position;) {
        if (!GetNextDoc(position)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    for (POSITION position = GetFirstDocPosition(); position;)
        GetNextDoc(position)->OnCloseDocument();
}

CMultiDocTemplate::CMultiDocTemplate(UINT resourceId, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                                     CRuntimeClass* viewClass)
    : CDocTemplate(resourceId, docClass, frameClass, viewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
    if (m_hMenuShared)
        ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate() {
    CDocTemplate::LoadTemplate();
    HINSTANCE instance = AfxGetResourceHandle();
    if (!m_hMenuShared)
        m_hMenuShared = ::LoadMenuA(instance, MAKEINTRESOURCEA(m_nIDResource));
    if (!m_hAccelTable)
        m_hAccelTable = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(m_nIDResource));
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& position) const {
    return static_cast<CDocument*>(m_docList.GetNext(position));
}

void CMultiDocTemplate::AddDocument(CDocument* document) {
    CDocTemplate::AddDocument(document);
    m_docList.AddTail(document);
}

void CMultiDocTemplate::RemoveDocument(CDocument* document) {
    CDocTemplate::RemoveDocument(document);
    if (POSITION position = m_docList.Find(document))
        m_docList.RemoveAt(position);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* document) {
    CString title;
    if (!GetDocString(title, fileNewName))
        title = "Untitled";
    CString number;
    number.Format("%u", m_nUntitledCount + 1);
    document->SetTitle(title + number);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR path, BOOL makeVisible) {
    CDocument* document = CreateNewDocument();
    if (!document)
        return nullptr;
    BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE;  // a failed frame must not take the document with it
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = autoDelete;
    if (!frame) {
        delete document;
        return nullptr;
    }
    if (!path) {
        SetDefaultTitle(document);
        if (!document->OnNewDocument()) {
            frame->DestroyWindow();
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        CWaitCursor wait;
        if (!document->OnOpenDocument(path)) {
            frame->DestroyWindow();
            return nullptr;
        }
        document->SetPathName(path);
    }
    InitialUpdateFrame(frame, document, makeVisible);
    return document;
}
