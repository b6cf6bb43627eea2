#pragma once

class CWnd;

// The flat tab strip of the info pane, as the pane uses it: one window per tab, shown
// while its tab is current. The toolkit's strip is given by the window that builds the
// pane; tests give a recording one.
class HardwareTabStrip {
public:
    virtual ~HardwareTabStrip() = default;
    // The parent of the tabs' windows.
    virtual CWnd* Window() = 0;
    virtual int GetItemCount() = 0;
    virtual void InsertItem(int index, const char* caption, CWnd* window) = 0;
    // Removes the tab; its window stays for the caller to destroy.
    virtual void DeleteItem(int index) = 0;
    virtual CWnd* GetItemWindow(int index) = 0;
    virtual int GetCurSel() = 0;
    virtual void SetCurSel(int index) = 0;
};
