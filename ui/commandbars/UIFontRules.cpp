#include "ui/commandbars/UIFontRules.h"

#include <cstring>

namespace {

LOGFONTA Variant(const LOGFONTA& base, LONG weight, BOOL underline, LONG rotation) {
    LOGFONTA font = base;
    font.lfWeight = weight;
    font.lfUnderline = static_cast<BYTE>(underline);
    font.lfEscapement = font.lfOrientation = rotation;
    return font;
}

void SetFace(LOGFONTA& font, const char* face) {
    std::memset(font.lfFaceName, 0, sizeof(font.lfFaceName));
    ::lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
}

// Too small a menu font would make the bars unreadable.
LONG SettingsHeight(LONG menuHeight) { return (menuHeight < 0 && menuHeight > -11) ? -11 : menuHeight; }

}  // namespace

UIFontPlan PlanUIFonts(const UIFontFacts& facts, BOOL& menuFontIsTahoma) {
    LOGFONTA base = {};
    base.lfCharSet = facts.screenCharSet;
    base.lfHeight = SettingsHeight(facts.menuFont.lfHeight);
    base.lfWeight = facts.menuFont.lfWeight;
    base.lfItalic = facts.menuFont.lfItalic;
    SetFace(base, facts.menuFont.lfFaceName);

    const BOOL isTahoma = ::lstrcmpiA(facts.menuFont.lfFaceName, "Tahoma") == 0;
    if (isTahoma) menuFontIsTahoma = TRUE;
    const BOOL western = facts.menuFont.lfCharSet <= 2;

    UIFontPlan plan;
    if (western && !isTahoma && menuFontIsTahoma && facts.tahomaInstalled) SetFace(base, "Tahoma");
    plan.bold = Variant(base, FW_BOLD, FALSE, 0);
    plan.regular = Variant(base, FW_NORMAL, FALSE, 0);
    plan.underline = Variant(base, FW_NORMAL, TRUE, 0);
    plan.alternate = Variant(base, FW_NORMAL, FALSE, 0);

    if (western && !isTahoma && !menuFontIsTahoma && facts.arialInstalled) SetFace(base, "Arial");
    plan.up = Variant(base, FW_NORMAL, FALSE, 900);
    plan.upBold = Variant(base, FW_BOLD, FALSE, 900);
    plan.down = Variant(base, FW_NORMAL, FALSE, 2700);
    plan.downBold = Variant(base, FW_BOLD, FALSE, 2700);
    return plan;
}
