#pragma once

#include "platform/CWnd.h"

// A dialog box from a dialog template (a resource or one in memory), modal (DoModal
// runs the framework's modal loop, so idle updates and PreTranslateMessage go on) or
// modeless (Create). OK reads and validates the controls (UpdateData) before it
// ends the dialog; Cancel ends it at once.
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCSTR templateName, CWnd* parent = nullptr);

    // Modeless.
    BOOL Create(UINT templateId, CWnd* parent = nullptr) { return Create(MAKEINTRESOURCEA(templateId), parent); }
    BOOL Create(LPCSTR templateName, CWnd* parent = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent = nullptr);
    // Modal: the result given to EndDialog, or -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    BOOL InitModalIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* control) { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), 1); }
    void SetDefID(UINT id) { ::SendMessageA(m_hWnd, DM_SETDEFID, id, 0); }
    DWORD GetDefID() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0)); }
    void MapDialogRect(LPRECT rect) const { ::MapDialogRect(m_hWnd, rect); }

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    UINT m_nIDHelp = 0;
    LPCSTR m_lpszTemplateName = nullptr;
    LPCDLGTEMPLATEA m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;

protected:
    // The dialog window from a template; modal ones are made disabled-parent first.
    BOOL CreateFromTemplate(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent);
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
    // Set while a modal dialog whose template names no place is being made.
    bool m_centreOnOwner = false;
};

// The dialog procedure of every framework dialog: it only starts OnInitDialog; all
// other messages reach the dialog object through its window procedure.
INT_PTR CALLBACK AfxDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
