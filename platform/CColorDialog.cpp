#include "platform/CColorDialog.h"

#include <algorithm>
#include <iterator>

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

namespace {

COLORREF* CustomColors() {
    static COLORREF* colors = [] {
        static COLORREF white[16];
        std::fill(std::begin(white), std::end(white), RGB(255, 255, 255));
        return white;
    }();
    return colors;
}

}  // namespace

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : CCommonDialog(parent) {
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = CustomColors();
    m_cc.Flags = flags | CC_RGBINIT;
}
