#include "ui/docking/themes/UIDockingPaneTheme.h"

#include <algorithm>

#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

CUIDockingPaneTheme::CUIDockingPaneTheme() {
    CUIDockingPaneTheme::RefreshMetrics();
    m_paneTabs.itemLayout = TabLayoutSizeToFit;
    m_paneTabs.stripPosition = TabPositionBottom;
    m_paneTabs.clientFrameStyle = ClientFrameSingleLine;
    m_paneTabs.boldSelectedCaption = FALSE;
    m_panelTabs.itemLayout = TabLayoutCompressed;
    m_panelTabs.clientFrameStyle = ClientFrameNone;
    m_panelTabs.boldSelectedCaption = FALSE;
    m_panelTabs.reverseGradients = TRUE;
    m_panelTabs.paintBackground = FALSE;
}

CUIDockingPaneTheme::~CUIDockingPaneTheme() { DeleteFonts(); }

LOGFONTA CUIDockingPaneTheme::TabFontFor(LOGFONTA iconTitle, BYTE menuCharSet, BOOL useFace, LPCSTR face,
                                         BOOL installed) {
    if (menuCharSet <= SYMBOL_CHARSET && useFace && installed)
        ::lstrcpynA(iconTitle.lfFaceName, face, LF_FACESIZE);
    return iconTitle;
}

LOGFONTA CUIDockingPaneTheme::VerticalFontFor(LOGFONTA font, LPCSTR face, BOOL installed) {
    font.lfHeight = CUIThemeFonts::FontHeight(font.lfHeight);
    font.lfEscapement = 2700;
    font.lfOrientation = 900;
    BOOL useFace = installed && ::lstrcmpiA(font.lfFaceName, "Arial") != 0;
    ::lstrcpynA(font.lfFaceName, useFace ? face : "Arial", LF_FACESIZE);
    return font;
}

void CUIDockingPaneTheme::RefreshMetrics() {
    DeleteFonts();
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    m_captionFont.CreateFontIndirect(&metrics.lfSmCaptionFont);

    LOGFONTA iconTitle = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(iconTitle), &iconTitle, 0);
    BOOL installed = IsFontInstalled(m_faceName);
    LOGFONTA tab = TabFontFor(iconTitle, metrics.lfMenuFont.lfCharSet, m_themeFaceName, m_faceName, installed);
    m_tabFont.CreateFontIndirect(&tab);
    LOGFONTA vertical = VerticalFontFor(tab, m_faceName, installed);
    m_verticalFont.CreateFontIndirect(&vertical);

    m_captionTextHeight = SpaceHeight(m_captionFont) + 4;
    m_tabBandHeight = std::max(24, SpaceHeight(m_tabFont) + 10);

    CUISystemPalette& palette = GetUISystemPalette();
    palette.RefreshColors(FALSE);
    for (int i = 0; i < ColorCount; ++i)
        m_colors[i] = palette.GetColor(i);
    m_paneTabs.RefreshMetrics();
    m_panelTabs.RefreshMetrics();
}

int CUIDockingPaneTheme::SpaceHeight(CFont& font) {
    HDC screen = ::GetDC(::GetDesktopWindow());
    HGDIOBJ old = ::SelectObject(screen, font.m_hObject);
    SIZE size = {};
    ::GetTextExtentPoint32A(screen, " ", 1, &size);
    ::SelectObject(screen, old);
    ::ReleaseDC(::GetDesktopWindow(), screen);
    return size.cy;
}

BOOL CUIDockingPaneTheme::IsWesternSystem() {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfMenuFont.lfCharSet <= SYMBOL_CHARSET;
}

void CUIDockingPaneTheme::DrawPane(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) {
    dc->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
    if (container->IsShowCaption())
        DrawCaption(dc, container, rect);
    AdjustCaptionRect(container, rect);
    if (ShowsTabStrip(container))
        m_paneTabs.DrawTabControl(container, dc, rect);
}

BOOL CUIDockingPaneTheme::ShowsTabStrip(CUIDockingPaneTabbedContainer* container) const {
    return container->IsShowTabs() || m_alwaysShowTabs;
}

void CUIDockingPaneTheme::AdjustClientRect(CUIDockingPaneTabbedContainer* container, CRect& rect) {
    CPoint origin = rect.TopLeft();
    AdjustCaptionRect(container, rect);
    if (!ShowsTabStrip(container) || !container->m_hWnd)
        return;
    // The strip is laid out where it is drawn, in the container's client coordinates,
    // whatever coordinates rect is in.
    CClientDC dc(container);
    CRect local = rect;
    local.OffsetRect(-origin.x, -origin.y);
    m_paneTabs.RepositionTabControl(container, &dc, local);
    m_paneTabs.AdjustClientRect(container, rect);
}

void CUIDockingPaneTheme::AdjustCaptionRect(CUIDockingPaneTabbedContainer* container, CRect& rect) {
    if (container->IsShowCaption())
        rect.top += m_captionTextHeight + 3;
}

COLORREF CUIDockingPaneTheme::GetColor(int index) const {
    return index > ColorCount - 1 ? static_cast<COLORREF>(index) : m_colors[index];
}

void CUIDockingPaneTheme::SetColors(int count, const int* indices, const COLORREF* colors) {
    for (int k = 0; k < count; ++k)
        m_colors[indices[k]] = colors[k];
}

BOOL CUIDockingPaneTheme::IsFontInstalled(LPCSTR face) { return ::IsFontInstalled(face); }

void CUIDockingPaneTheme::DeleteFonts() {
    m_captionFont.DeleteObject();
    m_tabFont.DeleteObject();
    m_verticalFont.DeleteObject();
}

void CUIDockingPaneTheme::DrawLineIndexed(CDC* dc, int x1, int y1, int x2, int y2, int index) const {
    CUIPenSelector pen(dc->m_hDC, GetColor(index));
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

void CUIDockingPaneTheme::FillAndFrameRect(CDC* dc, CRect rect, int fillIndex, int frameIndex) const {
    dc->FillSolidRect(rect, GetColor(fillIndex));
    COLORREF frame = GetColor(frameIndex);
    dc->Draw3dRect(rect, frame, frame);
}

void CUIDockingPaneTheme::SetPixelIndexed(CDC* dc, int x, int y, int index) const {
    dc->SetPixel(x, y, GetColor(index));
}

BOOL CUIDockingPaneTheme::ShowsCloseButton(CUIDockingPaneTabbedContainer* container) {
    CUIDockingPaneItem* pane = container->GetSelected();
    return pane && !(pane->GetOptions() & PaneOptionNoClose);
}

BOOL CUIDockingPaneTheme::ShowsAutoHideButton(CUIDockingPaneTabbedContainer* container) {
    CUIDockingPaneItem* pane = container->GetSelected();
    int placement = container->GetPlacement();
    return pane && !(pane->GetOptions() & PaneOptionNoAutoHide) && (placement == 1 || placement == 3);
}

void CUIDockingPaneTheme::DrawTitle(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect, COLORREF color) {
    CString title = container->GetSelectedCaption();
    CGdiObject* oldFont = dc->SelectObject(&m_captionFont);
    int oldMode = dc->SetBkMode(TRANSPARENT);
    COLORREF oldColor = dc->SetTextColor(color);
    dc->DrawText(title, rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    dc->SetTextColor(oldColor);
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldFont);
}

int CUIDockingPaneTheme::MeasureTitle(CDC* dc, CUIDockingPaneTabbedContainer* container) {
    CString title = container->GetSelectedCaption();
    CGdiObject* oldFont = dc->SelectObject(&m_captionFont);
    CRect measured(0, 0, 0, 0);
    dc->DrawText(title, measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    dc->SelectObject(oldFont);
    return measured.Width();
}

void CUIDockingPaneTheme::DrawCrossGlyph(CDC* dc, const CRect& rect, int index) const {
    int cx = (rect.left + rect.right) / 2;
    int cy = (rect.top + rect.bottom) / 2;
    DrawLineIndexed(dc, cx - 4, cy - 3, cx + 3, cy + 4, index);
    DrawLineIndexed(dc, cx - 3, cy - 3, cx + 4, cy + 4, index);
    DrawLineIndexed(dc, cx - 4, cy + 3, cx + 3, cy - 4, index);
    DrawLineIndexed(dc, cx - 3, cy + 3, cx + 4, cy - 4, index);
}

CRect CUIDockingPaneTheme::CaptionRect(const CRect& rect) const {
    return CRect(rect.left, rect.top + 2, rect.right, rect.top + m_captionTextHeight + 1);
}

void CUIDockingPaneTheme::DrawGlyphButtons(CDC* dc, CUIDockingPaneTabbedContainer* container, const CRect& caption,
                                           int& x, COLORREF color) {
    int t = (caption.top + caption.bottom) / 2 - 7;
    struct {
        CUIDockingPaneCaptionButton& button;
        BOOL shown;
    } buttons[] = {{container->GetCloseButton(), ShowsCloseButton(container)},
                   {container->GetAutoHideButton(), ShowsAutoHideButton(container)}};
    for (auto& entry : buttons) {
        entry.button.SetRect(entry.shown ? CRect(x - 14, t, x, t + 14) : CRect());
        if (entry.shown) {
            entry.button.Draw(dc, color);
            x -= 16;
        }
    }
}
