#pragma once
#include "hardware/HardwareTabStrip.h"
#include "ui/docking/tabs/UIFlatTabCtrl.h"

// The info pane's tabs on the toolkit's flat tab strip, made as a child of the pane
// along its bottom edge with arrow buttons. The pane hears of the user's tab changes
// through TCN_SELCHANGE from the strip's id.
class CHWFlatTabStrip : public HardwareTabStrip {
public:
    static const UINT StripId = 0xE901;

    BOOL Create(CWnd* pane);
    CWnd* Window() override { return &m_strip; }
    int GetItemCount() override { return m_strip.GetItemCount(); }
    void InsertItem(int index, const char* caption, CWnd* window) override {
        m_strip.InsertItem(index, caption, window);
    }
    void DeleteItem(int index) override { m_strip.DeleteItem(index); }
    CWnd* GetItemWindow(int index) override { return m_strip.GetTabWindow(index); }
    int GetCurSel() override { return m_strip.GetCurSel(); }
    void SetCurSel(int index) override { m_strip.SetCurSel(index); }
    CUIFlatTabCtrl& Strip() { return m_strip; }

private:
    CUIFlatTabCtrl m_strip;
};
