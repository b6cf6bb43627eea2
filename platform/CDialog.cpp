#include "platform/CDialog.h"

#include "platform/CWinThread.h"
#include "platform/ModalRun.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace {

// Whether a template (plain or extended) leaves the dialog's place to the system: at
// (0, 0), neither centred nor at a screen position by its style.
bool NamesNoPlace(LPCDLGTEMPLATEA dialogTemplate) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(dialogTemplate);
    WORD signature;
    memcpy(&signature, bytes + 2, sizeof(signature));
    const bool extended = signature == 0xFFFF;
    DWORD style;
    short place[2];
    memcpy(&style, bytes + (extended ? 12 : 0), sizeof(style));
    memcpy(place, bytes + (extended ? 18 : 10), sizeof(place));
    return place[0] == 0 && place[1] == 0 && !(style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN));
}

}  // namespace

// A modal dialog of no place of its own comes up centred on its owner, once its
// controls are filled (OnInitDialog may still size it).
INT_PTR CALLBACK AfxDlgProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG)
        return 0;
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    CDialog* dialog = wnd && wnd->IsKindOf(RUNTIME_CLASS(CDialog)) ? static_cast<CDialog*>(wnd) : nullptr;
    if (dialog == nullptr)
        return TRUE;
    const BOOL result = dialog->OnInitDialog();
    if (dialog->m_centreOnOwner && ::IsWindow(hwnd))
        dialog->CenterWindow();
    return result;
}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_lpszTemplateName(MAKEINTRESOURCEA(templateId)), m_pParentWnd(parent) {}

CDialog::CDialog(LPCSTR templateName, CWnd* parent) : m_lpszTemplateName(templateName), m_pParentWnd(parent) {}

BOOL CDialog::Create(LPCSTR templateName, CWnd* parent) {
    m_lpszTemplateName = templateName;
    if (IS_INTRESOURCE(templateName) && m_nIDHelp == 0)
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(templateName));
    LPCDLGTEMPLATEA dialogTemplate = AfxLoadDialogTemplate(templateName);
    return dialogTemplate && CreateIndirect(dialogTemplate, parent);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent) {
    if (!parent)
        parent = AfxGetMainWnd();
    return CreateFromTemplate(dialogTemplate, parent);
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent) {
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    // A failed creation leaves no window, and PostNcDestroy may have deleted this
    // object, so nothing of it is touched afterwards.
    return CreateDlgIndirect(dialogTemplate, parent);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent) {
    m_lpDialogTemplate = dialogTemplate;
    m_pParentWnd = parent;
    return TRUE;
}

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATEA dialogTemplate = m_lpszTemplateName ? AfxLoadDialogTemplate(m_lpszTemplateName) : m_lpDialogTemplate;
    if (!dialogTemplate)
        return -1;
    ModalRun run(m_pParentWnd);
    m_centreOnOwner = NamesNoPlace(dialogTemplate);
    const BOOL made = CreateFromTemplate(dialogTemplate, run.Owner());
    m_centreOnOwner = false;
    if (made)
        run.Loop(*this);
    run.End(*this);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(result);
    ::EndDialog(m_hWnd, result);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    // The dialog manager calls AfxDlgProc, which calls OnInitDialog.
    return Default();
}

// Fills the controls from the members; a dialog whose controls cannot be filled
// ends at once with -1.
BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;  // the dialog manager focuses the first control
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// Keyboard and mouse input goes through the dialog manager (Tab, Enter, Esc,
// mnemonics).
BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg))
        return TRUE;
    bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                 (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    return input && ::IsDialogMessageA(m_hWnd, msg);
}

// A dialog's menu or accelerator commands that it does not handle go to the thread.
BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if ((nCode != CN_COMMAND && static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI) || nID == 0 || nID >= 0xF000)
        return FALSE;
    CWinThread* thread = AfxGetThread();
    return thread && thread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
