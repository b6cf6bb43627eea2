#pragma once
#include "comm/PlcInfoContent.h"
#include "platform/CDialog.h"
#include "platform/CListCtrl.h"
#include "shell/controls/CColorLabel.h"

// Shows what the PLC reports about itself: run state, firmware, CPU type and the
// modules with their faults. The caller has read the run state into the workspace and
// the information reply into the receive buffer and keeps the port open while the
// dialog is shown; the refresh button asks the PLC again.
class CPlcInfoDlg : public CDialog {
public:
    static constexpr COLORREF kRunColour = RGB(0, 255, 0);
    static constexpr COLORREF kStopColour = RGB(255, 0, 0);

    explicit CPlcInfoDlg(CWnd* parent = nullptr);

    COLORREF StateColour() const { return m_stateColour; }

protected:
    BOOL OnInitDialog() override;
    void OnRefresh();

    DECLARE_MESSAGE_MAP()

private:
    void BuildColumns();
    void Fill();
    void Show(const PlcInfoContent& content);

    CListCtrl m_modules;
    CColorLabel m_stateLabel;
    COLORREF m_stateColour = kStopColour;
};
