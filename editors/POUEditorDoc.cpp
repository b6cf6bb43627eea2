#include "editors/POUEditorDoc.h"

#include "editors/ILEditEngine.h"
#include "editors/ILModel.h"
#include "editors/LadderEditEngine.h"
#include "editors/POUEditorView.h"
#include "editors/POUVarView.h"
#include "ladder/ILToLadder.h"
#include "ladder/LadderModel.h"
#include "platform/CArchive.h"
#include "platform/MessageBox.h"

IMPLEMENT_DYNCREATE(CPOUEditorDoc, CDocument)

namespace {
CPOUEditorDoc::LadderEngineFactory ladderEngineFactory = nullptr;

const int kIL = 1;
const int kLD = 2;

CString FileNameOf(const CString& path) {
    int slash = path.ReverseFind('\\');
    return slash < 0 ? path : path.Mid(slash + 1);
}

// "2026年12月10日 20:30:05"
CString FormatFileTime(const FILETIME& time) {
    FILETIME local;
    SYSTEMTIME parts;
    ::FileTimeToLocalFileTime(&time, &local);
    ::FileTimeToSystemTime(&local, &parts);
    CString text;
    text.Format("%4d%s%02d%s%02d%s%02d%s%02d%s%02d", parts.wYear, "年", parts.wMonth, "月", parts.wDay, "日 ",
                parts.wHour, ":", parts.wMinute, ":", parts.wSecond);
    return text;
}
}  // namespace

void CPOUEditorDoc::SetLadderEngineFactory(LadderEngineFactory factory) { ladderEngineFactory = factory; }

CPOUEditorDoc::~CPOUEditorDoc() { delete m_pModel; }

CString CPOUEditorDoc::VarFilePathOf(const CString& programPath) {
    int dot = programPath.ReverseFind('.');
    if (dot < 0 || programPath.Mid(dot).CompareNoCase(".ilp") != 0) return CString();
    return programPath.Left(dot) + ".ilv";
}

CString CPOUEditorDoc::PouNameOf(const CString& programPath) {
    CString name = FileNameOf(programPath);
    int dot = name.ReverseFind('.');
    if (dot >= 0) name = name.Left(dot);
    int underscore = name.Find('_');
    return underscore < 0 ? name : name.Mid(underscore + 1);
}

CString CPOUEditorDoc::GetPOUName() const { return PouNameOf(m_strPathName); }

void CPOUEditorDoc::Serialize(CArchive& ar) {
    if (m_bFileMode) {
        if (ar.IsLoading()) {
            CString header;
            ar.ReadString(header);
        } else {
            CString header;
            header.Format("(*%d*)\r\n", GetLanguage());
            ar.WriteString(header);
        }
    }
    if (m_pModel) m_pModel->Serialize(ar, m_bFileMode);
}

BOOL CPOUEditorDoc::OnOpenDocument(LPCSTR path) {
    m_strVarFilePath = VarFilePathOf(path);
    ClearFileAttributes(path);
    m_bFileMode = TRUE;
    BOOL read = CDocument::OnOpenDocument(path);
    m_bFileMode = FALSE;
    if (!read) return FALSE;
    if (m_pModel) m_pModel->OnOpenDocument(path);
    return TRUE;
}

BOOL CPOUEditorDoc::OnSaveDocument(LPCSTR path) {
    m_strVarFilePath = VarFilePathOf(path);
    BOOL stashed = m_pModel ? m_pModel->BeforeSave(path) : FALSE;
    m_bFileMode = TRUE;
    UpdateParamList(TRUE);
    BOOL written = CDocument::OnSaveDocument(path);
    m_bFileMode = FALSE;
    if (m_pModel) m_pModel->AfterSave(path, stashed);
    return written;
}

BOOL CPOUEditorDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return FALSE;
    if (m_pModel) m_pModel->OnNewDocument();
    return TRUE;
}

void CPOUEditorDoc::DeleteContents() {
    if (m_pModel) m_pModel->DeleteContents();
    CDocument::DeleteContents();
}

BOOL CPOUEditorDoc::SaveModified() {
    if (!IsModified()) return TRUE;
    CString name = m_strTitle;
    int star = name.Find('*');
    if (star >= 0) name = name.Left(star);
    CPOUEditorView* view = GetEditorView();
    CString text = "是否保存对程序  " + name + "  的修改?";
    int answer = AfxShowMessageBox(view ? view->GetSafeHwnd() : nullptr, text, "提示",
                                   MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) {
        if (view && view->GetSafeHwnd()) view->SetFocus();
        return FALSE;
    }
    if (answer == IDYES) return DoFileSave();
    if (m_pModel) m_pModel->OnDiscardChanges();
    return TRUE;
}

void CPOUEditorDoc::SetTitle(LPCSTR title) {
    CString text = title;
    int dot = text.ReverseFind('.');
    if (dot >= 0) text = text.Left(dot);
    int underscore = text.Find('_');
    if (underscore >= 0) text = text.Mid(underscore + 1);
    if (IsModified()) text += " *";
    CDocument::SetTitle(text);
}

void CPOUEditorDoc::SetModifiedFlag(BOOL modified) {
    CDocument::SetModifiedFlag(modified);
    if (!m_strTitle.IsEmpty()) SetTitle(FileNameOf(m_strPathName));
}

int CPOUEditorDoc::GetLanguage() const { return m_pModel ? m_pModel->GetLanguage() : 0; }

CEditModel* CPOUEditorDoc::NewModel(int language) const {
    if (language == kLD) return new CLadderModel(ladderEngineFactory ? ladderEngineFactory() : nullptr);
    return new CILModel;
}

void CPOUEditorDoc::AttachModel(CEditModel* model) {
    m_pModel = model;
    CPOUEditEngine* engine = model->m_pEngine;
    if (CILEditEngine* il = dynamic_cast<CILEditEngine*>(engine)) il->SetDocument(const_cast<CPOUEditorDoc*>(this));
    CPOUEditorView* view = GetEditorView();
    if (!view) return;
    view->m_pEngine = engine;
    if (engine) engine->SetView(view);
}

void CPOUEditorDoc::CreateModel(int language) {
    if (!m_pModel) {
        AttachModel(NewModel(language));
        return;
    }
    if (language == m_pModel->GetLanguage()) return;
    if (language == kLD)
        ConvertToLadder();
    else
        ConvertToIL();
}

void CPOUEditorDoc::ConvertToLadder() {
    CILToLadder converter;
    CString message;
    if (!converter.CheckAndSplit(m_exportedLines, message) || !converter.BuildNetworks()) return;
    delete m_pModel;
    m_pModel = nullptr;
    auto* model = static_cast<CLadderModel*>(NewModel(kLD));
    AttachModel(model);
    CPOUEditorView* view = GetEditorView();
    if (view && view->GetSafeHwnd()) ::DestroyCaret();
    model->GetNetworks().Copy(converter.m_elements);
    converter.m_elements.RemoveAll();
    model->ClearCurrentElement();
    model->m_bLoaded = TRUE;
    if (CLadderEditEngine* engine = model->GetEngine()) {
        engine->OnInitialUpdate();
        engine->RequestRepaint();
        engine->UpdateScrollSizes();
    }
}

void CPOUEditorDoc::ConvertToIL() {
    delete m_pModel;
    m_pModel = nullptr;
    auto* model = new CILModel;
    AttachModel(model);
    CStringArray& lines = model->GetLines();
    lines.RemoveAll();
    for (int i = 0; i < m_exportedLines.GetSize(); ++i) lines.Add(model->GetEngine()->LayoutText(m_exportedLines[i]));
    model->GetEngine()->OnInitialUpdate();
    model->GetEngine()->RequestRepaint();
}

void CPOUEditorDoc::SwitchLanguage(int language) {
    if (language == GetLanguage()) return;
    m_exportedLines.RemoveAll();
    if (m_pModel) m_pModel->ExportIL(m_exportedLines);
    CreateModel(language);
}

void CPOUEditorDoc::GoToNetwork(int network) {
    if (m_pModel) m_pModel->GoToNetwork(network);
}

CPOUVarView* CPOUEditorDoc::GetVarView() const {
    POSITION position = GetFirstViewPosition();
    while (position) {
        if (auto* variables = dynamic_cast<CPOUVarView*>(GetNextView(position))) return variables;
    }
    return nullptr;
}

CPOUEditorView* CPOUEditorDoc::GetEditorView() const {
    POSITION position = GetFirstViewPosition();
    while (position) {
        if (auto* editor = dynamic_cast<CPOUEditorView*>(GetNextView(position))) return editor;
    }
    return nullptr;
}

void CPOUEditorDoc::UpdateParamList(BOOL write) {
    CPOUVarView* variables = GetVarView();
    if (!variables) return;
    variables->BuildParamList();
    if (write) variables->WriteVarFile();
}

BOOL CPOUEditorDoc::LookupLocalVar(const CString& name, OperandDescriptor& flags) const {
    CPOUVarView* variables = GetVarView();
    if (!variables) return FALSE;
    CString upper = name;
    upper.MakeUpper();
    return variables->LookupVariable(upper, flags);
}

void CPOUEditorDoc::GetFileTimes(CString& created, CString& modified) const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(m_strPathName, GetFileExInfoStandard, &data)) return;
    created = FormatFileTime(data.ftCreationTime);
    modified = FormatFileTime(data.ftLastWriteTime);
}

void CPOUEditorDoc::GetVarDeclText(CStringArray& lines) const {
    if (CPOUVarView* variables = GetVarView()) variables->VarDeclToIL(lines);
}

void CPOUEditorDoc::ClearFileAttributes(const CString& path) const {
    for (const CString& file : {path, VarFilePathOf(path)}) {
        if (file.IsEmpty()) continue;
        DWORD attributes = ::GetFileAttributesA(file);
        if (attributes == INVALID_FILE_ATTRIBUTES) continue;
        attributes &= ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        ::SetFileAttributesA(file, attributes | FILE_ATTRIBUTE_ARCHIVE);
    }
}
