#pragma once

#include "platform/CButton.h"
#include "platform/CControlBar.h"

// The bar along the top of print preview: buttons to print, turn the pages and close.
// A click becomes the frame's command (posted, so the preview may close itself and
// this bar); the buttons are enabled by the commands' update handlers at idle time.
class CPreviewBar : public CControlBar {
public:
    // Made hidden: the frame hides its bars before the preview shows this one.
    BOOL Create(CFrameWnd* frame);

    CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    static const int buttonCount = 4;
    CButton m_buttons[buttonCount];
};
