#include "platform/CPropertySheet.h"

#include "platform/ModalRun.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {

// The sheet control's Apply button.
const int kApplyButton = 0x3021;

CPropertySheet*& SheetInCreation() {
    static thread_local CPropertySheet* sheet = nullptr;
    return sheet;
}

// A child sheet keeps only the font and look of the control's own dialog template;
// its keyboard navigation joins that of the window it sits in.
void SetTemplateStyles(void* dialogTemplate, DWORD style, DWORD exStyle) {
    BYTE* bytes = static_cast<BYTE*>(dialogTemplate);
    bool extended = reinterpret_cast<WORD*>(bytes)[1] == 0xFFFF;  // DLGTEMPLATEEX
    BYTE* styleField = bytes + (extended ? 12 : 0);
    BYTE* exStyleField = bytes + (extended ? 8 : 4);
    DWORD oldStyle;
    std::memcpy(&oldStyle, styleField, sizeof oldStyle);
    DWORD newStyle = (oldStyle & (DS_SETFONT | DS_FIXEDSYS | DS_3DLOOK)) | style;
    if (style & WS_CHILD) {
        newStyle |= DS_CONTROL;
        exStyle |= WS_EX_CONTROLPARENT;
    }
    std::memcpy(styleField, &newStyle, sizeof newStyle);
    std::memcpy(exStyleField, &exStyle, sizeof exStyle);
}

}  // namespace

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage) : m_pParentWnd(parent) {
    m_caption.LoadString(captionId);
    InitHeader();
    m_psh.nStartPage = selectPage;
}

CPropertySheet::CPropertySheet(LPCSTR caption, CWnd* parent, UINT selectPage)
    : m_caption(caption), m_pParentWnd(parent) {
    InitHeader();
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::InitHeader() {
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_DEFAULT;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_caption;
}

int CPropertySheet::GetPageIndex(CPropertyPage* page) const {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)] == page)
            return i;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    if (!m_hWnd)
        return m_psh.nStartPage < m_pages.size() ? GetPage(static_cast<int>(m_psh.nStartPage)) : nullptr;
    HWND front = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    for (CPropertyPage* page : m_pages) {
        if (front && page->m_hWnd == front)
            return page;
    }
    return nullptr;
}

int CPropertySheet::GetActiveIndex() const { return GetPageIndex(GetActivePage()); }

BOOL CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount())
        return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

// The sheet control only runs modeless here, so that a modal sheet runs the
// framework's modal loop (idle updates, PreTranslateMessage); the loop ends when the
// control has no page in front any more, after OK or Cancel.
INT_PTR CPropertySheet::DoModal() {
    m_modeless = false;
    ModalRun run(m_pParentWnd);
    m_nModalResult = IDCANCEL;  // closing the sheet's window counts as Cancel
    m_nFlags |= WF_CONTINUEMODAL;
    if (CreateSheet(run.Owner()->GetSafeHwnd(), static_cast<DWORD>(-1), 0)) {
        run.Loop(*this);
    } else {
        m_nFlags &= ~WF_CONTINUEMODAL;
        m_nModalResult = -1;
    }
    run.End(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle) {
    m_modeless = true;
    return CreateSheet(parent->GetSafeHwnd(), style, exStyle);
}

BOOL CPropertySheet::CreateSheet(HWND parent, DWORD style, DWORD exStyle) {
    m_style = style;
    m_exStyle = exStyle;
    m_pageRecords.clear();
    for (CPropertyPage* page : m_pages)
        m_pageRecords.push_back(page->m_psp);
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
    m_psh.pfnCallback = &SheetCallback;
    m_psh.hwndParent = parent;
    m_psh.nPages = static_cast<UINT>(m_pageRecords.size());
    m_psh.ppsp = m_pageRecords.data();
    SheetInCreation() = this;
    INT_PTR made = ::PropertySheetA(&m_psh);
    SheetInCreation() = nullptr;
    if (made == 0 || made == -1)
        return FALSE;
    SubclassWindow(reinterpret_cast<HWND>(made));
    if (m_modeless)
        RemoveButtons();
    OnInitDialog();
    return TRUE;
}

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam) {
    CPropertySheet* sheet = SheetInCreation();
    if (message == PSCB_PRECREATE && sheet && sheet->m_style != static_cast<DWORD>(-1))
        SetTemplateStyles(reinterpret_cast<void*>(lParam), sheet->m_style, sheet->m_exStyle);
    return 0;
}

// A sheet without buttons ends below its tabs, with the margin it has above them.
void CPropertySheet::RemoveButtons() {
    for (int id : {IDOK, IDCANCEL, kApplyButton, IDHELP}) {
        if (HWND button = ::GetDlgItem(m_hWnd, id)) {
            ::ShowWindow(button, SW_HIDE);
            ::EnableWindow(button, FALSE);
        }
    }
    HWND tabs = reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL));
    if (!tabs)
        return;
    CRect tabRect, client, window;
    ::GetWindowRect(tabs, &tabRect);
    ScreenToClient(&tabRect);
    GetClientRect(&client);
    GetWindowRect(&window);
    int surplus = client.Height() - (tabRect.bottom + tabRect.top);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() - surplus,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

BOOL CPropertySheet::ContinueModal() {
    return CWnd::ContinueModal() && SendMessage(PSM_GETCURRENTPAGEHWND) != 0;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg))
        return TRUE;
    bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                 (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    return input && SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg));
}

// OK and Cancel end a modal sheet (the control first applies or resets the pages).
// A sheet without buttons must not end that way, or its pages would be gone: there
// Enter and Esc are the keys of the window the sheet sits in.
BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) {
        if (m_modeless) {
            CWnd* top = GetTopLevelParent();
            if (top && top->m_hWnd != m_hWnd)
                top->SendMessage(WM_COMMAND, wParam, 0);
            return TRUE;
        }
        m_nModalResult = static_cast<int>(id);
    }
    return CWnd::OnCommand(wParam, lParam);
}
