#include "tests/ui/commandbars/RecordingTheme.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"

#include "platform/CDC.h"

#include <algorithm>

namespace {

std::string Name(CUIControl* control) {
    return static_cast<LPCSTR>(control->GetCaption());
}

}  // namespace

CSize RecordingTheme::DrawToolBarControl(CDC* dc, CUIControl* control, BOOL draw) {
    const CSize size(std::max(22, 8 * control->GetCaption().GetLength() + 8), 22);
    if (!draw)
        return size;
    Record("DrawToolBarControl " + Name(control));
    dc->FillSolidRect(control->GetRect(), control->GetSelected() ? RGB(0, 0, 255) : RGB(192, 192, 192));
    return size;
}

CSize RecordingTheme::DrawPopupBarControl(CDC* dc, CUIControl* control, BOOL draw) {
    if (draw) {
        Record("DrawPopupBarControl " + Name(control));
        dc->FillSolidRect(control->GetRect(), control->GetSelected() ? RGB(0, 0, 255) : RGB(224, 224, 224));
    }
    return CSize(100, 20);
}

void RecordingTheme::FillCommandBarBackground(CDC* dc, CUICommandBar* bar) {
    Record("FillCommandBarBackground");
    CRect client;
    bar->GetClientRect(&client);
    dc->FillSolidRect(client, RGB(255, 255, 255));
}

CSize RecordingTheme::DrawBarGripper(CDC*, CUICommandBar*, BOOL draw) {
    if (draw)
        Record("DrawBarGripper");
    return CSize(4, 0);
}

CSize RecordingTheme::DrawControlSeparator(CDC* dc, CUICommandBar*, CUIControl* control, BOOL draw) {
    if (draw) {
        Record("DrawControlSeparator " + Name(control));
        CRect rect = control->GetRect();
        dc->FillSolidRect(CRect(rect.left - 4, rect.top, rect.left - 2, rect.bottom), RGB(0, 0, 0));
    }
    return CSize(6, 6);
}

CFont* RecordingTheme::GetBarFont(CUICommandBar* bar, BOOL bold) {
    Record(bold ? "GetBarFont bold" : "GetBarFont");
    return CUICommandBarsTheme::GetBarFont(bar, bold);
}
