#pragma once
#include "platform/CDateTimeCtrl.h"
#include "platform/CDialog.h"
#include "shell/controls/CColorLabel.h"

// The PC's clock and the PLC's side by side, both kept current while the dialog is
// open, and a chosen date and time written into the PLC. The caller has read the PLC
// clock into the receive buffer and keeps the port open; the dialog closes the port
// when it goes.
class CPlcClockDlg : public CDialog {
public:
    static constexpr UINT_PTR kTimerId = 100;
    static constexpr COLORREF kGoodColour = RGB(0, 255, 0);
    static constexpr COLORREF kFailedColour = RGB(255, 255, 0);

    explicit CPlcClockDlg(CWnd* parent = nullptr);

    COLORREF PlcGroupColour() const { return m_groupColour; }

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id);
    void OnNewTimeChanged(NMHDR* header, LRESULT* result);
    void OnWriteClock();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void ShowPcTime();
    // The PLC time from the clock reply in the receive buffer; false for no date.
    bool ShowPlcTime();
    void ReadPlcClock();
    void SetGroupColour(COLORREF colour);

    CDateTimeCtrl m_pcDate, m_pcTime, m_plcDate, m_plcTime, m_newDate, m_newTime;
    bool m_userChangedTime = false;
    bool m_periodicReadFailed = false;
    unsigned m_ticks = 0;
    CColorLabel m_plcGroup;
    COLORREF m_groupColour = kGoodColour;
};
