#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/themes/UIClassicTheme.h"
#include "ui/commandbars/themes/UIFieldControl.h"
#include "ui/commandbars/themes/UIGradientTheme.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/commandbars/themes/UIVisualStyleTheme.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

namespace {

CUICommandBarsTheme*& GlobalTheme() {
    static CUICommandBarsTheme* theme = nullptr;
    return theme;
}

CUIThemeFactory*& Factory() {
    static CUIThemeFactory* factory = nullptr;
    return factory;
}

// Releases the global theme at process exit.
struct GlobalThemeRelease {
    ~GlobalThemeRelease() { ReleaseGlobalTheme(); }
} g_globalThemeRelease;

}  // namespace

CUICommandBarsTheme::CUICommandBarsTheme() { CUICommandBarsTheme::RefreshMetrics(); }

void CUICommandBarsTheme::DrawControlBackground(CDC* dc, CUIControl* control) {
    DrawButtonBackground(dc, control->GetRect(), control->GetEnabled(), control->GetSelected(), control->GetPressed(),
                         control->GetChecked(), IsControlPopupOpen(control), ControlBarPosition(control));
}

void CUICommandBarsTheme::RefreshMetrics() {
    RefreshThemeFonts();
    CUISystemPalette& palette = GetUISystemPalette();
    palette.RefreshColors(FALSE);
    for (int index = 0; index < ColorCount; ++index)
        m_colors[index] = palette.GetColor(static_cast<UINT>(index));
    m_shadowColor = RGB(0, 0, 0);
}

CFont* CUICommandBarsTheme::GetBarFont(CUICommandBar* bar, BOOL bold) {
    CUIThemeFonts& fonts = CUIThemeFonts::Get();
    const int position = bar ? bar->GetPosition() : uiBarNone;
    if (position == uiBarLeft || position == uiBarRight)
        return bold ? &fonts.verticalBold : &fonts.vertical;
    return bold ? &fonts.bold : &fonts.regular;
}

COLORREF CUICommandBarsTheme::GetColor(int index) const {
    if (index >= 0 && index < ColorCount)
        return m_colors[index];
    return static_cast<COLORREF>(index);
}

void CUICommandBarsTheme::SetColors(int count, const int* indices, const COLORREF* colors) {
    for (int i = 0; i < count; ++i) {
        if (indices[i] >= 0 && indices[i] < ColorCount)
            m_colors[indices[i]] = colors[i];
    }
}

namespace {

// The edit window of a field control writes in the icon-title font, with no margins.
void UseFieldFont(CUIControl* control) {
    IUIFieldControl* field = dynamic_cast<IUIFieldControl*>(control);
    const HWND edit = field ? field->GetEditWindow() : nullptr;
    const HFONT font = static_cast<HFONT>(CUIThemeFonts::Get().iconTitle.GetSafeHandle());
    if (edit == nullptr || reinterpret_cast<HFONT>(::SendMessageA(edit, WM_GETFONT, 0, 0)) == font)
        return;
    ::SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ::SendMessageA(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

}  // namespace

CSize CUICommandBarsTheme::DrawControl(CDC* dc, CUIControl* control, BOOL draw) {
    switch (control->GetType()) {
    case uiControlEdit:
        UseFieldFont(control);
        return DrawEditControl(dc, control, draw);
    case uiControlComboBox:
        UseFieldFont(control);
        return DrawComboBoxControl(dc, control, draw);
    default:
        break;
    }
    CUICommandBar* parent = control->GetParent();
    if (parent && parent->GetType() == uiBarTypePopup)
        return DrawPopupBarControl(dc, control, draw);
    return DrawToolBarControl(dc, control, draw);
}

int ThemeKindForIndex(int index) {
    switch (index) {
    case uiThemeFlat:
    case uiThemeGradient:
    case uiThemeVisualStyle:
        return index;
    default:
        return uiThemeClassic;
    }
}

void SetThemeFactory(CUIThemeFactory* factory) { Factory() = factory; }

namespace {

CUICommandBarsTheme* CreateBuiltInTheme(int kind) {
    switch (kind) {
    case uiThemeFlat:
        return new CUIFlatTheme;
    case uiThemeGradient:
        return new CUIGradientTheme;
    case uiThemeVisualStyle:
        return new CUIVisualStyleTheme;
    default:
        return new CUIClassicTheme;
    }
}

}  // namespace

CUICommandBarsTheme* CreateTheme(int index) {
    const int kind = ThemeKindForIndex(index);
    CUICommandBarsTheme* theme = Factory() ? Factory()->Create(kind) : CreateBuiltInTheme(kind);
    if (theme)
        theme->m_themeIndex = index;
    return theme;
}

void SelectTheme(int index) {
    CUICommandBarsTheme*& global = GlobalTheme();
    if (global && global->m_themeIndex == index)
        return;
    ReleaseGlobalTheme();
    global = CreateTheme(index);
}

CUICommandBarsTheme* GetGlobalTheme() { return GlobalTheme(); }

void ReleaseGlobalTheme() {
    CUICommandBarsTheme*& global = GlobalTheme();
    CUICommandBarsTheme* old = global;
    global = nullptr;
    if (old)
        old->InternalRelease();
}
