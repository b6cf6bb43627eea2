#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CMap.h"
#include "ui/commandbars/UIImageManagerIcons.h"

class CArchive;
class CBitmap;
class CImageList;

// The pictures of commands: per command id, icon sets by width, each with its normal,
// hot and disabled images and the derived forms. Filled from toolbar bitmaps, archived
// with the controls and copied through the clipboard. Reference-counted.
class CUIImageStore : public CCmdTarget {
public:
    CUIImageStore();
    ~CUIImageStore() override;

    // Stores a copy of the icon in a state (0 normal, 1 disabled, 2 hot; others are
    // accepted and ignored); a size of 0 x 0 is the icon's own. Only a normal icon
    // starts a command's images. FALSE when refused.
    BOOL SetIcon(HICON icon, UINT id, int width, int height, int state, BOOL alpha = FALSE);
    // The list's images in order to the non-zero ids (a 0 id, a separator, takes none).
    BOOL SetIcons(CImageList& list, const UINT* ids, int count, int width, int height, int state, BOOL alpha = FALSE);
    // A strip of images of the given width: masked by the mask colour, or cut into
    // 32-bit slices with alpha (the strip's width must then be a multiple of width).
    BOOL SetIconsFromBitmap(CBitmap& bitmap, const UINT* ids, int count, int width, int height, int state,
                            BOOL alpha = FALSE);
    // A bitmap resource of the program, 32-bit ones with alpha; a size of 0 x 0 splits
    // the strip into count images. FALSE for a count of 0 or a missing resource.
    BOOL SetIconsFromResource(UINT bitmapId, const UINT* ids, int count, int width = 0, int height = 0, int state = 0);

    CUIImageIconSet* GetImage(UINT id, int width);
    CUIImageManagerIcons* GetIconSet(UINT id);
    // A new id (above every stored one) holding the icon at its own width.
    UINT AddCustomIcon(HICON icon, BOOL alpha = FALSE);

    // The command's images under the "Zenith ToolBar Image" format of the open clipboard.
    BOOL CopyImageToClipboard(UINT id);
    // The clipboard's images stored under a new custom id; 0 when there are none or
    // they cannot be read.
    UINT PasteImageFromClipboard();
    // The same from the bytes of a copied image record.
    UINT PasteImageFromData(const BYTE* data, UINT size);

    void RemoveAll();
    // Drops the generated sets and derived forms (the shadow follows the palette).
    void RefreshAll();

    void SerializeIcons(UINT id, CArchive& ar);
    void Serialize(CArchive& ar);

    COLORREF GetMaskColor() const { return m_maskColor; }
    void SetMaskColor(COLORREF color) { m_maskColor = color; }
    UINT GetToolBarImageFormat() const { return m_toolBarImageFormat; }
    UINT GetAlphaImageFormat() const { return m_alphaImageFormat; }
    INT_PTR GetCount() const { return m_icons.GetCount(); }

private:
    // SetIcon without the copy: the store takes the icon over (and destroys a refused one);
    // with the icon's pixels when known.
    BOOL TakeIcon(HICON icon, UINT id, int width, int height, int state, BOOL alpha,
                  const UIIconPixels* pixels = nullptr);
    BOOL SetMaskedIcons(CBitmap& bitmap, const UINT* ids, int count, CSize cell, int state);
    CUIImageManagerIcons* GetOrCreateIcons(UINT id);
    void RaiseCustomId(UINT id);

    WORD m_toolBarImageFormat;
    WORD m_alphaImageFormat;
    COLORREF m_maskColor = RGB(0xC0, 0xC0, 0xC0);
    CMap<UINT, UINT, CUIImageManagerIcons*, CUIImageManagerIcons*> m_icons;
    UINT m_customId = 0x10AAA;
};

// The process's store, built on first use and deleted at exit.
CUIImageStore* GetImageManager();
// TRUE when the common controls are version 6 or later (32-bit images with alpha).
BOOL IsAlphaIconsSupported();
