#pragma once

#include <string>
#include <vector>

#include "platform/CDocument.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/docking/tabs/UITabClientWnd.h"

// A document frame whose answers to the tab client's questions are set by the test
// (0 or empty: no answer) and whose active document can be given.
class TabTestChild : public CMDIChildWnd {
public:
    CDocument* GetActiveDocument() override { return document; }

    CString caption;
    CString tooltip;
    COLORREF color = 0;
    HICON icon = nullptr;
    CDocument* document = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A borderless MDI frame with the tab client attached, command bars it exposes (none
// until the test gives some), and a record of the presses the tabs passed to it.
class TabTestFrame : public CMDIFrameWnd, public CUICommandBarsSite {
public:
    // Single strip, or tab groups; the flags and icon option as the program sets them.
    static TabTestFrame* Make(BOOL groups = FALSE, int width = 640, int height = 400);

    CUICommandBars* GetCommandBars() const override { return bars; }
    // A visible document frame captioned title (through its window text).
    TabTestChild* AddChild(LPCSTR title);
    // The captions of the tabs of a group, in order.
    std::vector<std::string> Captions(int group = 0) const;
    CWnd* Strip() const { return tabs.GetWorkspace(0) ? tabs.GetWorkspace(0)->GetCarrier() : nullptr; }
    CRect MdiClientRect() const;

    CUITabClientWnd tabs;
    CUICommandBars* bars = nullptr;
    std::vector<std::pair<WPARAM, LPARAM>> mousePresses;
    LRESULT mouseAnswer = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
};
