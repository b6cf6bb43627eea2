#include "ui/commandbars/UIImageIconSet.h"

#include "ui/commandbars/UIDerivedImages.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIImageFunctions.h"
#include "ui/commandbars/UIImageManagerIcons.h"
#include "ui/commandbars/UISystemPalette.h"

void CUIImageIconHandle::Attach(HICON icon, const UIIconPixels* pixels) {
    Clear();
    m_icon = icon;
    if (pixels) {
        m_pixels = *pixels;
        m_pixelsRead = TRUE;
    }
}

void CUIImageIconHandle::AttachImage(HBITMAP premultiplied) {
    Clear();
    m_premultiplied = premultiplied;
}

void CUIImageIconHandle::Clear() {
    if (m_icon) ::DestroyIcon(m_icon);
    if (m_premultiplied) ::DeleteObject(m_premultiplied);
    m_icon = nullptr;
    m_premultiplied = nullptr;
    m_pixels = UIIconPixels();
    m_pixelsRead = FALSE;
}

HBITMAP CUIImageIconHandle::GetPremultipliedBitmap() {
    if (!m_premultiplied && m_icon) m_premultiplied = CreatePremultipliedBitmap(GetPixels());
    return m_premultiplied;
}

const UIIconPixels& CUIImageIconHandle::GetPixels() {
    if (!m_pixelsRead && m_icon) m_pixels = ReadIconPixels(m_icon);
    m_pixelsRead = TRUE;
    return m_pixels;
}

CUIImageIconSet::CUIImageIconSet(CUIImageManagerIcons* owner, UINT id, int width)
    : m_owner(owner), m_id(id), m_width(width) {}

void CUIImageIconSet::ClearAll() {
    for (CUIImageIconHandle* handle : {&m_normal, &m_faded, &m_shadow, &m_hot, &m_disabled, &m_generatedDisabled})
        handle->Clear();
}

void CUIImageIconSet::ClearDerived() {
    m_faded.Clear();
    m_shadow.Clear();
    m_generatedDisabled.Clear();
}

void CUIImageIconSet::TakeIcon(HICON icon, BOOL alpha, const UIIconPixels* pixels) {
    ClearAll();
    m_normal.Attach(icon, pixels);
    const CSize size = m_normal.GetPixels().size;  // read now: the derived forms start from them
    m_width = size.cx;
    m_height = size.cy;
    m_alpha = alpha;
    m_generated = FALSE;
    if (m_owner) m_owner->RemoveGenerated();
}

void CUIImageIconSet::TakeDisabledIcon(HICON icon) {
    m_generatedDisabled.Clear();
    m_disabled.Attach(icon);
}

void CUIImageIconSet::TakeHotIcon(HICON icon) {
    m_hot.Attach(icon);
    m_shadow.Clear();  // drawn from the hot icon
}

void CUIImageIconSet::AttachLoaded(HICON normal, HICON disabled, HICON hot, int height, BOOL alpha) {
    ClearAll();
    m_normal.Attach(normal);
    m_disabled.Attach(disabled);
    m_hot.Attach(hot);
    m_height = height;
    m_alpha = alpha;
    m_generated = FALSE;
}

CUIImageIconHandle& CUIImageIconSet::GetDisabledIcon() {
    if (m_disabled.GetIcon()) return m_disabled;
    if (m_generatedDisabled.IsEmpty()) m_generatedDisabled.AttachImage(CreateDisabledImage(m_normal.GetPixels(), m_alpha));
    return m_generatedDisabled;
}

CUIImageIconHandle& CUIImageIconSet::GetFadedIcon() {
    if (m_faded.IsEmpty()) {
        // The palette knows the display's depth (asking the display costs more than the
        // image); the store drops its derived forms when the palette changes.
        CUISystemPalette& palette = GetUISystemPalette();
        palette.RefreshColors(TRUE);
        m_faded.AttachImage(CreateFadedImage(m_normal.GetPixels(), m_alpha, palette.IsLowColor()));
    }
    return m_faded;
}

CUIImageIconHandle& CUIImageIconSet::GetShadowIcon() {
    if (m_shadow.IsEmpty()) m_shadow.AttachImage(CreateShadowImage(GetHotIcon().GetPixels(), m_alpha, GetIconShadowColor()));
    return m_shadow;
}

CUIImageIconSet* CUIImageIconSet::CreateScaledCopy(int width) {
    const CSize size(m_width, m_height);
    HICON normal = ScaleIcon(m_normal, size, width);
    if (!normal) return nullptr;
    CUIImageIconSet* copy = new CUIImageIconSet(m_owner, m_id, width);
    copy->AttachLoaded(normal, ScaleIcon(m_disabled, size, width), ScaleIcon(m_hot, size, width),
                       ::MulDiv(m_height, width, m_width), FALSE);
    return copy;
}

void CUIImageIconSet::Draw(CDC* dc, CPoint point, CUIImageIconHandle& icon, CSize size) {
    if (size.cx == 0) size.cx = m_width;
    if (size.cy == 0) size.cy = m_width ? size.cx * m_height / m_width : 0;
    if (!m_alpha && icon.GetIcon()) {
        ::DrawIconEx(dc->m_hDC, point.x, point.y, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        return;
    }
    HBITMAP premultiplied = icon.GetPremultipliedBitmap();
    if (premultiplied) AlphaBlendBitmap(dc->m_hDC, premultiplied, CSize(m_width, m_height), CRect(point, size));
}
