// The gradient theme's colours: derived from the palette by default, fixed under the
// standard visual style's three colour schemes; and the popup expand image.
#include "ui/commandbars/themes/UIGradientTheme.h"

#include "ui/commandbars/UIColors.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIThemeApi.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"

namespace {

const int kSchemeCount = 3;

// The fifteen theme colours of each scheme ("normalcolor", "homestead", "metallic"),
// in the order of UIGradientColors.
const COLORREF kSchemeColors[kSchemeCount][15] = {
    {RGB(158, 190, 245), RGB(196, 218, 250), RGB(129, 169, 226), RGB(221, 236, 254), RGB(227, 239, 255),
     RGB(147, 181, 231), RGB(59, 97, 156), RGB(42, 102, 201), RGB(0, 53, 145), RGB(117, 166, 241),
     RGB(121, 161, 220), RGB(203, 221, 246), RGB(129, 169, 226), RGB(227, 239, 254), RGB(211, 211, 211)},
    {RGB(217, 217, 167), RGB(242, 241, 228), RGB(183, 198, 145), RGB(244, 247, 222), RGB(236, 240, 213),
     RGB(194, 206, 159), RGB(96, 128, 88), RGB(116, 134, 94), RGB(96, 119, 107), RGB(176, 194, 140),
     RGB(164, 180, 120), RGB(230, 230, 209), RGB(184, 198, 147), RGB(236, 240, 213), RGB(211, 211, 211)},
    {RGB(215, 215, 229), RGB(243, 243, 247), RGB(153, 151, 181), RGB(243, 244, 250), RGB(233, 231, 241),
     RGB(186, 185, 205), RGB(124, 124, 148), RGB(122, 121, 153), RGB(118, 116, 146), RGB(179, 178, 200),
     RGB(133, 131, 162), RGB(215, 215, 226), RGB(176, 174, 197), RGB(232, 232, 241), RGB(236, 234, 218)},
};

const COLORREF kSchemeShadows[kSchemeCount] = {RGB(22, 30, 54), RGB(31, 34, 25), RGB(36, 32, 41)};

// The colour-table entries a scheme replaces, and their colours per scheme.
const int kSchemeIndexes[15] = {12, 30, 31, 32, 33, 36, 37, 38, 39, 40, 41, 43, 47, 50, 53};
const COLORREF kSchemePalette[kSchemeCount][15] = {
    {RGB(144, 153, 174), RGB(158, 190, 245), RGB(255, 238, 194), RGB(0, 0, 128), RGB(254, 128, 62),
     RGB(255, 192, 111), RGB(0, 0, 128), RGB(39, 65, 118), RGB(106, 140, 203), RGB(109, 150, 208),
     RGB(246, 246, 246), RGB(0, 45, 150), RGB(0, 0, 0), RGB(0, 0, 128), RGB(203, 225, 252)},
    {RGB(151, 160, 123), RGB(217, 217, 167), RGB(255, 238, 194), RGB(63, 93, 56), RGB(254, 128, 62),
     RGB(255, 192, 111), RGB(63, 93, 56), RGB(81, 94, 51), RGB(96, 128, 88), RGB(159, 174, 122),
     RGB(244, 244, 238), RGB(117, 141, 94), RGB(0, 0, 0), RGB(63, 93, 56), RGB(216, 227, 182)},
    {RGB(155, 154, 179), RGB(215, 215, 229), RGB(255, 238, 194), RGB(75, 75, 111), RGB(254, 128, 62),
     RGB(255, 192, 111), RGB(75, 75, 111), RGB(84, 84, 117), RGB(110, 109, 143), RGB(168, 167, 190),
     RGB(253, 250, 255), RGB(124, 124, 148), RGB(0, 0, 0), RGB(75, 75, 111), RGB(214, 211, 231)},
};

const COLORREF kMaskColor = RGB(0, 255, 0);

HWND MainWindowHandle() {
    CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

}  // namespace

const BYTE CUIGradientTheme::ExpandShades[256] = {
    255, 255, 255, 255, 252, 234, 198, 180, 180, 180, 198, 252, 255, 255, 255, 255,
    255, 255, 255, 234, 234, 234, 234, 198, 180, 144, 126, 126, 198, 255, 255, 255,
    255, 255, 234, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90,  144, 255, 255,
    255, 234, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90,  54,  126, 255,
    234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90,  54,  36,  234,
    234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 72,  54,  36,  90,
    234, 234, 234, 234, 234, 234, 198, 180, 144, 144, 126, 108, 72,  36,  18,  36,
    198, 234, 234, 234, 198, 198, 198, 180, 144, 126, 126, 72,  54,  36,  18,  18,
    198, 198, 198, 198, 198, 180, 180, 144, 126, 126, 108, 72,  54,  18,  18,  0,
    198, 180, 180, 180, 180, 180, 144, 126, 126, 108, 90,  54,  36,  18,  0,   0,
    198, 144, 144, 144, 144, 144, 126, 126, 108, 108, 72,  54,  36,  18,  0,   54,
    252, 144, 126, 126, 126, 126, 108, 108, 90,  90,  54,  36,  18,  0,   0,   180,
    255, 198, 108, 108, 108, 108, 90,  90,  90,  72,  54,  36,  18,  0,   72,  255,
    255, 255, 180, 108, 90,  90,  90,  72,  72,  54,  36,  18,  0,   54,  255, 255,
    255, 255, 255, 198, 90,  72,  72,  72,  54,  36,  36,  18,  108, 255, 255, 255,
    255, 255, 255, 255, 252, 180, 108, 72,  54,  90,  126, 234, 255, 255, 255, 255,
};

int CUIGradientTheme::QueryColorScheme() { return ::GetLunaColorScheme(); }

void CUIGradientTheme::SetDefaultColors() {
    const COLORREF face = GetColor(COLOR_BTNFACE), window = GetColor(COLOR_WINDOW);
    const COLORREF shadow = GetColor(COLOR_BTNSHADOW), menuFace = GetColor(BARCOLOR_MENU_FACE);
    const COLORREF shaded = GetColor(BARCOLOR_TOOLBAR_FACE_SHADED);
    m_gradient.dockLeft = face;
    m_gradient.dockRight = BlendColors(face, window, 205);
    m_gradient.faceEnd = face;
    m_gradient.faceStart = BlendColors(face, window, 205);
    m_gradient.openTop = menuFace;
    m_gradient.openBottom = BlendColors(window, face, 550);
    m_gradient.edge = GetColor(BARCOLOR_TOOLBAR_FACE);
    m_gradient.floatingCaption = shadow;
    m_gradient.expandEnd = shadow;
    m_gradient.expandStart = BlendColors(GetColor(51), shadow, 51);
    m_gradient.alternativeEnd = shaded;
    m_gradient.alternativeStart = BlendColors(window, shaded, 550);
    m_gradient.expandLight = BlendColors(window, face, 550);
    m_gradient.expandDark = menuFace;
    m_gradient.statusFrame = BlendColors(face, window, 70);
    m_schemeApplied = FALSE;
}

void CUIGradientTheme::ApplyScheme(int scheme) {
    const COLORREF* colors = kSchemeColors[scheme - 1];
    COLORREF* roles = &m_gradient.dockLeft;
    for (int i = 0; i < 15; ++i)
        roles[i] = colors[i];
    SetColors(15, kSchemeIndexes, kSchemePalette[scheme - 1]);
    m_shadowColor = kSchemeShadows[scheme - 1];
    m_schemeApplied = TRUE;
}

void CUIGradientTheme::RefreshMetrics() {
    CUIFlatTheme::RefreshMetrics();
    if (!m_status)
        return;  // not constructed yet
    m_status->OpenThemeData(MainWindowHandle(), L"STATUS");
    SetDefaultColors();
    const int scheme = QueryColorScheme();
    if (scheme >= 1 && scheme <= kSchemeCount && !GetUISystemPalette().IsLunaColorsDisabled())
        ApplyScheme(scheme);
    BuildExpandImage();
}

void CUIGradientTheme::BuildExpandImage() {
    m_expandImage.DeleteImageList();
    CClientDC screen(nullptr);
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&screen, 16, 16))
        return;
    {
        CUICompatibleDC dc(&screen, &bitmap);
        const COLORREF light = m_gradient.expandLight, dark = m_gradient.expandDark;
        auto channel = [](int l, int d, int s) { return l - s * (l - d) / 255; };
        for (int x = 0; x < 16; ++x) {
            for (int y = 0; y < 16; ++y) {
                const int s = ExpandShades[16 * x + y];
                dc.SetPixel(x, y,
                            s == 255 ? kMaskColor
                                     : RGB(channel(GetRValue(light), GetRValue(dark), s),
                                           channel(GetGValue(light), GetGValue(dark), s),
                                           channel(GetBValue(light), GetBValue(dark), s)));
            }
        }
    }
    if (m_expandImage.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0))
        m_expandImage.Add(&bitmap, kMaskColor);
}
