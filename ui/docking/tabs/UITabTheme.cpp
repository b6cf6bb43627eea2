#include "ui/docking/tabs/UITabTheme.h"

#include "ui/commandbars/UISystemPalette.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"

void InflateRectByPosition(CRect& rect, int l, int t, int r, int b, int position) {
    switch (position) {
    case TabPositionLeft:
        rect.left -= t, rect.top -= l, rect.right += b, rect.bottom += r;
        break;
    case TabPositionBottom:
        rect.left -= l, rect.top -= b, rect.right += r, rect.bottom += t;
        break;
    case TabPositionRight:
        rect.left -= b, rect.top -= l, rect.right += t, rect.bottom += r;
        break;
    default:
        rect.left -= l, rect.top -= t, rect.right += r, rect.bottom += b;
        break;
    }
}

void DeflateRectByPosition(CRect& rect, int l, int t, int r, int b, int position) {
    InflateRectByPosition(rect, -l, -t, -r, -b, position);
}

CUITabTheme::CUITabTheme() {
    EnableAutomation();
    SetAppearance(0);
    RefreshMetrics();
}

CUITabTheme::~CUITabTheme() {
    delete m_appearance;
    delete m_colorSet;
}

void CUITabTheme::SetPosition(int position) {
    stripPosition = position;
    RefreshClients();
}

void CUITabTheme::SetLayout(int mode) {
    itemLayout = mode;
    RefreshClients();
}

void CUITabTheme::SetAppearance(int index) {
    m_appearanceIndex = index;
    SetAppearanceObject(CreateTabAppearance(index));
    SetColorSet(m_appearance->GetDefaultColorSet());
    RefreshClients();
}

void CUITabTheme::SetColorSet(int index) {
    m_colorSetIndex = index;
    switch (index) {
    case 2:
        SetColorSetObject(new CUITabColorSetFlat);
        break;
    case 4:
        SetColorSetObject(new CUITabColorSetScheme);
        break;
    case 8:
        SetColorSetObject(new CUITabColorSetThemed);
        break;
    default:
        SetColorSetObject(new CUITabColorSetClassic);
        break;
    }
    RefreshClients();
}

void CUITabTheme::SetAppearanceObject(CUITabAppearance* appearance) {
    delete m_appearance;
    m_appearance = appearance;
    m_appearance->SetOwner(this);
    m_appearance->RefreshMetrics();
}

void CUITabTheme::SetColorSetObject(CUITabColorSet* colorSet) {
    if (!colorSet) return;
    delete m_colorSet;
    m_colorSet = colorSet;
    m_colorSet->SetOwner(this);
    m_colorSet->RefreshMetrics();
}

void CUITabTheme::RefreshMetrics() {
    CreateFonts();
    m_colorSet->RefreshMetrics();
    m_appearance->RefreshMetrics();
}

void CUITabTheme::RefreshClients() {
    for (CUITabThemeClient* client : m_clients) client->RefreshLayout();
}

void CUITabTheme::CreateFonts() {
    LOGFONTA font = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0);
    for (CFont* each : {&normalFont, &boldFont, &verticalFont, &verticalBoldFont}) each->DeleteObject();
    font.lfWeight = FW_NORMAL;
    normalFont.CreateFontIndirect(&font);
    font.lfWeight = FW_BOLD;
    boldFont.CreateFontIndirect(&font);
    lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
    font.lfEscapement = 2700;
    font.lfOrientation = 900;
    // Small fonts turned on their side become unreadable.
    if (font.lfHeight >= -10 && font.lfHeight <= -1) font.lfHeight = -11;
    font.lfWeight = FW_NORMAL;
    verticalFont.CreateFontIndirect(&font);
    font.lfWeight = FW_BOLD;
    verticalBoldFont.CreateFontIndirect(&font);
}

void CUITabTheme::DrawTabControl(CUITabStripBase* strip, CDC* dc, CRect rect) {
    m_appearance->DrawTabControl(strip, dc, rect);
}

void CUITabTheme::RepositionTabControl(CUITabStripBase* strip, CDC* dc, CRect rect) {
    strip->headerRect.SetRectEmpty();
    strip->controlRect = rect;
    strip->clientRect = rect;
    m_appearance->RepositionTabControl(strip, dc, rect);
    AdjustClientRect(strip, strip->clientRect);
}

void CUITabTheme::AdjustClientRect(CUITabStripBase* strip, CRect& rect) {
    if (strip->IsDrawFrame()) DeflateRectByPosition(rect, 2, 1, 2, 2, strip->GetPosition());
    if (strip->GetItemCount() > 0) m_appearance->AdjustClientRect(strip, rect);
}

BOOL CUITabTheme::IsLunaColorsDisabled() const {
    return plainSchemeColors || GetUISystemPalette().IsLunaColorsDisabled();
}

void CUITabTheme::DrawNavigateButtonFrame(CDC* dc, CUITabNavigateButton* button, CRect& rect) {
    m_colorSet->DrawNavigateButton(dc, button, rect);
}

void CUITabTheme::EnsureVisible(CUITabStripBase* strip, CUITabStripItem* item) {
    const CRect& header = strip->headerRect;
    const CRect& place = item->rect;
    if (header.IsRectEmpty() || place.IsRectEmpty()) return;
    RECT margin;
    m_appearance->GetHeaderMargin(&margin);
    int offset = strip->GetScrollOffset();
    if (strip->IsHorizontal()) {
        if (place.left < header.left)
            strip->SetScrollOffset(offset + header.left + margin.left - place.left);
        else if (place.right > header.right)
            strip->SetScrollOffset(offset + header.right - place.right);
    } else {
        if (place.top < header.top)
            strip->SetScrollOffset(offset + header.top + margin.left - place.top);
        else if (place.bottom > header.bottom)
            strip->SetScrollOffset(offset + header.bottom - place.bottom);
    }
}
