#pragma once

#include "platform/CCommonDialog.h"

#include <commdlg.h>

// The system's colour dialog, opened on an initial colour. GetColor gives the chosen
// colour, or the initial one when the dialog was cancelled. The custom colours the
// user defines are kept for the rest of the run.
class CColorDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CColorDialog)

public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    CHOOSECOLORA m_cc = {};

    COLORREF GetColor() const { return m_cc.rgbResult; }

protected:
    void PrepareRecord(HWND owner) override { m_cc.hwndOwner = owner; }
    BOOL ShowSystemDialog() override { return ::ChooseColorA(&m_cc); }
};
