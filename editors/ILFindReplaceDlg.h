#pragma once
#include "platform/CDialog.h"

class CILEditEngine;

// The modeless find and replace dialog of an IL editor. It keeps the options; the
// engine does the searching. Closing only hides it, for the next use.
class CILFindReplaceDlg : public CDialog {
public:
    enum Mode { kReplaceMode = 0, kFindMode = 1 };

    explicit CILFindReplaceDlg(CILEditEngine* engine) : m_pEngine(engine) {}

    BOOL CreateFor(CWnd* parent);
    // Shows the dialog in a mode with a find text.
    void ShowWith(int mode, const CString& findText, BOOL enableFindNext);
    // The control values copied into the members.
    void ReadControls();
    CString FindText() const;
    CString ReplaceText() const;

    CString m_strFind;
    CString m_strReplace;
    int m_nWholeWord = 0;
    int m_nMatchCase = 0;
    int m_nDirection = 0;  // 0 down, 1 up
    int m_nMode = kFindMode;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyMode();

    CILEditEngine* m_pEngine;
};
