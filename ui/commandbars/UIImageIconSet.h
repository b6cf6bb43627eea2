#pragma once

#include "platform/CDC.h"
#include "ui/commandbars/UIImageFunctions.h"

class CUIImageManagerIcons;

// Image states wherever an image is stored.
enum UIImageState { UI_IMAGE_NORMAL = 0, UI_IMAGE_DISABLED = 1, UI_IMAGE_HOT = 2 };

// One icon, with the premultiplied bitmap that draws it when it has alpha (made on
// first drawing), or a premultiplied bitmap alone (the derived forms). Owns both.
class CUIImageIconHandle {
public:
    CUIImageIconHandle() = default;
    ~CUIImageIconHandle() { Clear(); }
    CUIImageIconHandle(const CUIImageIconHandle&) = delete;
    CUIImageIconHandle& operator=(const CUIImageIconHandle&) = delete;

    operator HICON() const { return m_icon; }
    HICON GetIcon() const { return m_icon; }
    // Takes the icon over, destroying the one held before; with its pixels when known.
    void Attach(HICON icon, const UIIconPixels* pixels = nullptr);
    // Takes a premultiplied 32-bit bitmap over as the whole image.
    void AttachImage(HBITMAP premultiplied);
    BOOL IsEmpty() const { return m_icon == nullptr && m_premultiplied == nullptr; }
    void Clear();
    HBITMAP GetPremultipliedBitmap();
    // The icon's pixels, read on first use and kept.
    const UIIconPixels& GetPixels();

private:
    HICON m_icon = nullptr;
    HBITMAP m_premultiplied = nullptr;
    UIIconPixels m_pixels;
    BOOL m_pixelsRead = FALSE;
};

// The images of one command at one width: normal, hot and disabled as given, and the
// faded, shadow and generated disabled forms made from them on first use.
class CUIImageIconSet {
public:
    CUIImageIconSet(CUIImageManagerIcons* owner, UINT id, int width);
    CUIImageIconSet(const CUIImageIconSet&) = delete;
    CUIImageIconSet& operator=(const CUIImageIconSet&) = delete;

    UINT GetID() const { return m_id; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    BOOL IsAlpha() const { return m_alpha; }
    BOOL IsGenerated() const { return m_generated; }
    void SetGenerated() { m_generated = TRUE; }

    // The Take functions take the icon over (no copy: copying an icon costs more than
    // making it). The normal icon: every other icon of the set is cleared, and the
    // collection drops its generated sets.
    void TakeIcon(HICON icon, BOOL alpha, const UIIconPixels* pixels = nullptr);
    // Replaces the explicit disabled icon (and the generated one); null clears.
    void TakeDisabledIcon(HICON icon);
    // Replaces the hot icon; null clears.
    void TakeHotIcon(HICON icon);
    // Takes over icons read from an archive (no copies made).
    void AttachLoaded(HICON normal, HICON disabled, HICON hot, int height, BOOL alpha);

    CUIImageIconHandle& GetIcon() { return m_normal; }
    CUIImageIconHandle& GetHotIcon() { return m_hot.GetIcon() ? m_hot : m_normal; }
    CUIImageIconHandle& GetExplicitDisabledIcon() { return m_disabled; }
    CUIImageIconHandle& GetExplicitHotIcon() { return m_hot; }
    // The explicit disabled icon, else the generated one.
    CUIImageIconHandle& GetDisabledIcon();
    CUIImageIconHandle& GetFadedIcon();
    CUIImageIconHandle& GetShadowIcon();
    // Forgets the faded, shadow and generated disabled forms.
    void ClearDerived();
    // A set of another width made from this one (never alpha); null when it fails.
    CUIImageIconSet* CreateScaledCopy(int width);

    // Draws one of the set's icons at (x, y); a size of 0 means the set's own, a height
    // of 0 follows the width in proportion.
    void Draw(CDC* dc, CPoint point, CUIImageIconHandle& icon, CSize size = CSize(0, 0));

private:
    void ClearAll();

    CUIImageManagerIcons* m_owner;
    UINT m_id;
    int m_width;
    int m_height = 0;
    CUIImageIconHandle m_normal, m_faded, m_shadow, m_hot, m_disabled, m_generatedDisabled;
    BOOL m_alpha = FALSE;
    BOOL m_generated = FALSE;
};
