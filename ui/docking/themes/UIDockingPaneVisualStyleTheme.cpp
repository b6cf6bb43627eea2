#include "ui/docking/themes/UIDockingPaneVisualStyleTheme.h"

#include <algorithm>

#include "ui/commandbars/UIThemeApi.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {
// The window class's parts: the small caption and its close button.
const int SmallCaptionPart = 2;
const int SmallCloseButtonPart = 19;

class PlatformVisualStyle : public IDockingVisualStyle {
public:
    void Open() override { m_api.OpenThemeData(nullptr, L"WINDOW"); }
    BOOL IsAppThemed() override { return m_api.IsAppThemed(); }
    void DrawPart(HDC dc, int part, int state, const RECT& rect) override {
        m_api.DrawThemeBackground(dc, part, state, &rect, nullptr);
    }

private:
    CUIThemeApi m_api;
};

int CloseButtonState(const CUIDockingPaneCaptionButton& button, BOOL active) {
    if (!active)
        return 5;
    return button.IsPressed() ? 3 : button.IsHot() ? 2 : 1;
}
}  // namespace

CUIDockingPaneVisualStyleTheme::CUIDockingPaneVisualStyleTheme(IDockingVisualStyle* style)
    : m_style(style ? style : new PlatformVisualStyle) {
    for (CUITabTheme* tabs : {&m_paneTabs, &m_panelTabs}) {
        tabs->SetAppearance(0);
        tabs->SetColorSet(8);
        tabs->hotTabs = TRUE;
    }
    CUIDockingPaneVisualStyleTheme::RefreshMetrics();
}

CUIDockingPaneVisualStyleTheme::~CUIDockingPaneVisualStyleTheme() = default;

void CUIDockingPaneVisualStyleTheme::RefreshMetrics() {
    CUIDockingPaneFlatTheme::RefreshMetrics();
    if (m_style)
        m_style->Open();
    m_captionTextHeight = std::max(20, SpaceHeight(m_captionFont) + 2);
}

void CUIDockingPaneVisualStyleTheme::DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) {
    if (!m_style->IsAppThemed()) {
        CUIDockingPaneFlatTheme::DrawCaption(dc, container, rect);
        return;
    }
    BOOL active = container->IsActive();
    CRect caption(0, 2, rect.right, m_captionTextHeight + 1);
    m_style->DrawPart(dc->m_hDC, SmallCaptionPart, active ? 1 : 2, caption);
    COLORREF color = ::GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    int x = caption.right - 2;
    int t = (caption.top + caption.bottom) / 2 - 6;
    CUIDockingPaneCaptionButton& close = container->GetCloseButton();
    close.SetRect(ShowsCloseButton(container) ? CRect(x - 13, t, x, t + 13) : CRect());
    if (ShowsCloseButton(container)) {
        m_style->DrawPart(dc->m_hDC, SmallCloseButtonPart, CloseButtonState(close, active), close.GetRect());
        x -= 15;
    }
    CUIDockingPaneCaptionButton& pin = container->GetAutoHideButton();
    pin.SetRect(ShowsAutoHideButton(container) ? CRect(x - 13, t, x, t + 13) : CRect());
    if (ShowsAutoHideButton(container)) {
        pin.Draw(dc, color);
        x -= 15;
    }
    if (container->GetSelected())
        DrawTitle(dc, container, CRect(caption.left + 4, caption.top + 1, x, caption.bottom), color);
}
