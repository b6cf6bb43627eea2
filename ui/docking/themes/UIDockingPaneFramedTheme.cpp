#include "ui/docking/themes/UIDockingPaneFramedTheme.h"

#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"
#include "ui/docking/tabs/UITabColorSet.h"

CUIDockingPaneFramedTheme::CUIDockingPaneFramedTheme() {
    m_paneTabs.SetAppearance(8);
    m_paneTabs.stripPosition = TabPositionTop;
    CUIDockingPaneFramedTheme::RefreshMetrics();
}

void CUIDockingPaneFramedTheme::RecreateFont(CFont& font, BOOL useFace, LPCSTR face, BOOL installed) {
    LOGFONTA logFont = {};
    ::GetObjectA(font.m_hObject, sizeof(logFont), &logFont);
    if (useFace && installed)
        ::lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    logFont.lfHeight = CUIThemeFonts::FontHeight(logFont.lfHeight);
    font.DeleteObject();
    font.CreateFontIndirect(&logFont);
}

void CUIDockingPaneFramedTheme::RefreshMetrics() {
    CUIDockingPaneFlatTheme::RefreshMetrics();
    BOOL useFace = IsWesternSystem() && m_themeFaceName;
    BOOL installed = IsFontInstalled(m_faceName);
    RecreateFont(m_captionFont, useFace, m_faceName, installed);
    RecreateFont(m_tabFont, useFace, m_faceName, installed);
    m_captionTextHeight = SpaceHeight(m_captionFont) + 2;
    m_tabBandHeight = SpaceHeight(m_tabFont) + 5;
}

void CUIDockingPaneFramedTheme::AdjustCaptionRect(CUIDockingPaneTabbedContainer* container, CRect& rect) {
    CUIDockingPaneFlatTheme::AdjustCaptionRect(container, rect);
    rect.DeflateRect(3, 0, 3, 3);
    if (!container->IsShowCaption())
        rect.top += 3;
    if (!container->IsShowTabs() && !IsFramelessTabs())
        rect.DeflateRect(1, 1);
}


void CUIDockingPaneFramedTheme::DrawPane(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) {
    dc->FillSolidRect(rect, GetColor(container->IsActive() ? 31 : 30));
    dc->SetBkMode(TRANSPARENT);
    int top = rect.top;
    if (container->IsShowCaption()) {
        dc->FillSolidRect(rect.left, rect.top, rect.Width(), 1, GetColor(51));
        DrawCaption(dc, container, rect);
        top = rect.top + 1;
    }
    CRect area = rect;
    AdjustCaptionRect(container, area);
    if (!ShowsTabStrip(container)) {
        if (!IsFramelessTabs()) {
            COLORREF frame = m_paneTabs.GetColorSet()->frameBorderColour;
            dc->Draw3dRect(area.left - 1, area.top - 1, area.Width() + 2, area.Height() + 2, frame, frame);
        }
    } else {
        m_paneTabs.DrawTabControl(container, dc, area);
    }
    for (CPoint corner : {CPoint(rect.left, top), CPoint(rect.right - 1, top), CPoint(rect.left, rect.bottom - 1),
                          CPoint(rect.right - 1, rect.bottom - 1)})
        SetPixelIndexed(dc, corner.x, corner.y, 51);
}

int CUIDockingPaneFramedTheme::DrawButtonBackground(CDC* dc, const CRect& rect,
                                                    const CUIDockingPaneCaptionButton& button) {
    if (button.IsPressed()) {
        FillAndFrameRect(dc, rect, 33, 32);
        return 47;
    }
    if (button.IsHot()) {
        FillAndFrameRect(dc, rect, 31, 32);
        return 45;
    }
    return 18;
}

void CUIDockingPaneFramedTheme::DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) {
    CRect caption(rect.left, rect.top + 2, rect.right, rect.top + m_captionTextHeight + 3);
    int h = caption.Height();
    CRect button(caption.right - 1 - h, caption.top, caption.right - 1, caption.bottom);
    CUIDockingPaneCaptionButton& close = container->GetCloseButton();
    close.SetRect(ShowsCloseButton(container) ? button : CRect());
    if (ShowsCloseButton(container)) {
        DrawCrossGlyph(dc, button, DrawButtonBackground(dc, button, close));
        button.OffsetRect(-button.Width(), 0);
    }
    CUIDockingPaneCaptionButton& pin = container->GetAutoHideButton();
    pin.SetRect(ShowsAutoHideButton(container) ? button : CRect());
    if (ShowsAutoHideButton(container)) {
        int index = DrawButtonBackground(dc, button, pin);
        CUIPenSelector pen(dc->m_hDC, GetColor(index));
        CPoint centre = button.CenterPoint();
        DrawPinGlyph(dc, centre.x, centre.y, container->GetPlacement() == 3);
        button.OffsetRect(-button.Width(), 0);
    }
    int gripper = 4;
    if (container->GetSelected()) {
        DrawTitle(dc, container, CRect(caption.left + 4, caption.top + 1, button.right - 2, caption.bottom),
                  ::GetSysColor(COLOR_BTNTEXT));
        gripper = caption.left + MeasureTitle(dc, container) + 14;
    }
    int end = button.right - 4;
    if (end <= gripper)
        return;
    int mid = (caption.top + caption.bottom) / 2;
    int index = container->IsActive() ? 18 : 38;
    for (int y : {mid - 3, mid - 1, mid + 1, mid + 3})
        DrawLineIndexed(dc, gripper, y, end, y, index);
}
