#include "platform/CDocument.h"

#include "platform/CArchive.h"
#include "platform/CArchiveException.h"
#include "platform/CDocTemplate.h"
#include "platform/CFileDialog.h"
#include "platform/CFile.h"
#include "platform/CFileException.h"
#include "platform/CFrameWnd.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"
#include "platform/FrameworkIds.h"
#include "platform/MessageBox.h"


IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument() {
    // Views that outlive their document forget it.
    for (POSITION position = GetFirstViewPosition(); position;)
        GetNextView(position)->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR title) {
    m_strTitle = title;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR path, BOOL addToMru) {
    char fullPath[MAX_PATH];
    LPSTR fileName = nullptr;
    if (!::GetFullPathNameA(path, MAX_PATH, fullPath, &fileName))
        lstrcpynA(fullPath, path, MAX_PATH);
    m_strPathName = fullPath;
    SetTitle(fileName ? fileName : fullPath);
    if (addToMru) {
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(m_strPathName);
    }
}

CView* CDocument::GetNextView(POSITION& position) const { return static_cast<CView*>(m_viewList.GetNext(position)); }

void CDocument::AddView(CView* view) {
    m_viewList.AddTail(view);
    view->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view) {
    POSITION position = m_viewList.Find(view);
    if (!position)
        return;
    m_viewList.RemoveAt(position);
    view->m_pDocument = nullptr;
    OnChangedViewList();
}

// A document that loses its last view closes itself.
void CDocument::OnChangedViewList() {
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
    for (POSITION position = GetFirstViewPosition(); position;) {
        CView* view = GetNextView(position);
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
    }
}

void CDocument::UpdateFrameCounts() {
    CPtrList frames;
    for (POSITION position = GetFirstViewPosition(); position;) {
        CView* view = GetNextView(position);
        CFrameWnd* frame = view->GetParentFrame();
        if (frame && view->IsWindowVisible() && !frames.Find(frame))
            frames.AddTail(frame);
    }
    int number = frames.GetCount() > 1 ? 1 : 0;
    for (POSITION position = frames.GetHeadPosition(); position;) {
        CFrameWnd* frame = static_cast<CFrameWnd*>(frames.GetNext(position));
        frame->m_nWindow = number ? number++ : 0;
        frame->OnUpdateFrameTitle(TRUE);
    }
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // Destroying the frames destroys the views, which remove themselves from the
    // list; the document must not delete itself meanwhile.
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* view = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* frame = view->GetParentFrame();
        if (frame) {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        } else {
            RemoveView(view);
        }
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

// Only the document's last frame asks about saving.
BOOL CDocument::CanCloseFrame(CFrameWnd* frame) {
    for (POSITION position = GetFirstViewPosition(); position;) {
        CFrameWnd* viewFrame = GetNextView(position)->GetParentFrame();
        if (viewFrame && viewFrame != frame)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose() {
    if (!SaveModified())
        return;
    OnCloseDocument();
}

BOOL CDocument::OnOpenDocument(LPCSTR path) {
    CFile file;
    CFileException openError;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &openError)) {
        ReportSaveLoadException(path, &openError, FALSE);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag();  // until the whole file is read
    try {
        CArchive archive(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        archive.m_pDocument = this;
        if (file.GetLength() != 0)
            Serialize(archive);
        archive.Close();
        file.Close();
    } catch (CException* error) {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(path, error, FALSE);
        error->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

// A failed save leaves no half-written file behind.
BOOL CDocument::OnSaveDocument(LPCSTR path) {
    CFile file;
    CFileException openError;
    if (!file.Open(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &openError)) {
        ReportSaveLoadException(path, &openError, TRUE);
        return FALSE;
    }
    try {
        CArchive archive(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        archive.m_pDocument = this;
        Serialize(archive);
        archive.Close();
        file.Close();
    } catch (CException* error) {
        file.Abort();
        ::DeleteFileA(path);
        ReportSaveLoadException(path, error, TRUE);
        error->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCSTR, CException* error, BOOL saving) {
    LPCSTR text = saving ? "无法保存文档。" : "无法打开文档。";
    if (error && error->IsKindOf(RUNTIME_CLASS(CArchiveException)))
        text = saving ? "无法保存文档。" : "意外的文件格式。";
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

BOOL CDocument::SaveModified() {
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString prompt;
    prompt.Format("是否保存对 %s 的更改？", static_cast<LPCSTR>(name));
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave() {
    DWORD attributes = ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() || attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCSTR path, BOOL replace) {
    CString newName = path ? path : "";
    if (newName.IsEmpty()) {
        CFileDialog dialog(FALSE, nullptr, m_strPathName.IsEmpty() ? m_strTitle : m_strPathName,
                           OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, nullptr, AfxGetMainWnd());
        if (dialog.DoModal() != IDOK)
            return FALSE;
        newName = dialog.GetPathName();
    }
    if (!OnSaveDocument(newName))
        return FALSE;
    if (replace)
        SetPathName(newName);
    return TRUE;
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
