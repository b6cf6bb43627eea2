#include "ui/commandbars/UIImageStore.h"

#include "platform/CArchive.h"
#include "platform/CImageList.h"
#include "platform/CMemFile.h"
#include "ui/commandbars/UIImageFunctions.h"
#include "ui/commandbars/UIUISettings.h"

#include <memory>
#include <vector>

namespace {

// 32-bit slices of width x height cut from a strip, row by row.
std::vector<HBITMAP> SplitAlphaBitmap(HBITMAP strip, int width, int height) {
    BITMAP info = {};
    ::GetObjectA(strip, sizeof(info), &info);
    const int count = info.bmWidth / width;
    const int rows = std::min<int>(height, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
    const std::vector<DWORD> pixels = ReadPixels32(strip, CSize(info.bmWidth, rows));
    std::vector<HBITMAP> slices;
    if (pixels.empty()) return slices;
    for (int n = 0; n < count; ++n) {
        DWORD* bits = nullptr;
        HBITMAP slice = CreateDib32(width, height, &bits);
        if (!slice) break;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < width; ++x) bits[y * width + x] = pixels[static_cast<size_t>(y) * info.bmWidth + n * width + x];
        slices.push_back(slice);
    }
    return slices;
}

}  // namespace

CUIImageStore::CUIImageStore()
    : m_toolBarImageFormat(static_cast<WORD>(::RegisterClipboardFormatA("Zenith ToolBar Image"))),
      m_alphaImageFormat(static_cast<WORD>(::RegisterClipboardFormatA("Alpha Bitmap Image"))) {
    m_icons.InitHashTable(17);
}

CUIImageStore::~CUIImageStore() { RemoveAll(); }

CUIImageManagerIcons* CUIImageStore::GetIconSet(UINT id) {
    CUIImageManagerIcons* icons = nullptr;
    return m_icons.Lookup(id, icons) ? icons : nullptr;
}

CUIImageManagerIcons* CUIImageStore::GetOrCreateIcons(UINT id) {
    CUIImageManagerIcons* icons = GetIconSet(id);
    if (!icons) {
        icons = new CUIImageManagerIcons(id);
        m_icons.SetAt(id, icons);
    }
    return icons;
}

void CUIImageStore::RaiseCustomId(UINT id) {
    if (id > m_customId) m_customId = id;
}

BOOL CUIImageStore::SetIcon(HICON icon, UINT id, int width, int height, int state, BOOL alpha) {
    return icon && TakeIcon(::CopyIcon(icon), id, width, height, state, alpha);
}

BOOL CUIImageStore::TakeIcon(HICON icon, UINT id, int width, int height, int state, BOOL alpha,
                             const UIIconPixels* pixels) {
    if (!icon) return FALSE;
    if (width == 0 && height == 0) {
        const CSize size = GetIconSize(icon);
        width = size.cx;
        height = size.cy;
    }
    CUIImageManagerIcons* icons = GetIconSet(id);
    if ((width == 0 && height == 0) || (!icons && state != UI_IMAGE_NORMAL)) {
        ::DestroyIcon(icon);
        return FALSE;
    }
    if (!icons) icons = GetOrCreateIcons(id);
    if (state == UI_IMAGE_NORMAL)
        icons->TakeIcon(icon, width, alpha, pixels);
    else if (state == UI_IMAGE_DISABLED)
        icons->TakeDisabledIcon(icon, width);
    else if (state == UI_IMAGE_HOT)
        icons->TakeHotIcon(icon, width);
    else
        ::DestroyIcon(icon);
    return TRUE;
}

BOOL CUIImageStore::SetIcons(CImageList& list, const UINT* ids, int count, int width, int height, int state,
                             BOOL alpha) {
    int image = 0;
    for (int i = 0; i < count; ++i) {
        if (ids[i] == 0) continue;
        HICON icon = list.ExtractIcon(image++);
        if (!icon) return FALSE;
        TakeIcon(icon, ids[i], width, height, state, alpha);
    }
    return TRUE;
}

BOOL CUIImageStore::SetIconsFromBitmap(CBitmap& bitmap, const UINT* ids, int count, int width, int height, int state,
                                       BOOL alpha) {
    if (width == 0) return FALSE;
    if (!alpha) return SetMaskedIcons(bitmap, ids, count, CSize(width, height), state);
    BITMAP info = {};
    if (!bitmap.GetBitmap(&info) || info.bmWidth % width != 0) return FALSE;
    const std::vector<HBITMAP> slices = SplitAlphaBitmap(bitmap, width, height);
    size_t next = 0;
    for (int i = 0; i < count && next < slices.size(); ++i) {
        if (ids[i] == 0) continue;
        HICON icon = CreateIconFromBitmap(slices[next++]);
        TakeIcon(icon, ids[i], width, height, state, TRUE);
    }
    for (HBITMAP slice : slices) ::DeleteObject(slice);
    return TRUE;
}

// The images an image list masked by the mask colour would give, cut without one: the
// list's icons cost several times as much to make (toolbars load theirs at start-up).
BOOL CUIImageStore::SetMaskedIcons(CBitmap& bitmap, const UINT* ids, int count, CSize cell, int state) {
    const std::vector<UIIconPixels> images = CutMaskedStrip(bitmap, cell, m_maskColor);
    if (images.empty()) return FALSE;
    size_t next = 0;
    for (int i = 0; i < count; ++i) {
        if (ids[i] == 0) continue;
        HICON icon = next < images.size() ? CreateMaskedIcon(images[next]) : nullptr;
        if (!icon) return FALSE;
        TakeIcon(icon, ids[i], cell.cx, cell.cy, state, FALSE, &images[next++]);
    }
    return TRUE;
}

BOOL CUIImageStore::SetIconsFromResource(UINT bitmapId, const UINT* ids, int count, int width, int height, int state) {
    if (count <= 0) return FALSE;  // nothing to cut the strip into
    HMODULE module = ::GetModuleHandleA(nullptr);
    const BOOL alpha = IsAlphaBitmapResource(module, bitmapId);
    CBitmap bitmap;
    if (alpha)
        bitmap.Attach(LoadAlphaBitmap(module, bitmapId));
    else
        bitmap.LoadBitmap(bitmapId);
    BITMAP info = {};
    if (!bitmap.m_hObject || !bitmap.GetBitmap(&info)) return FALSE;
    if (width == 0 && height == 0) {
        height = info.bmHeight;
        width = info.bmWidth / count;
    }
    return SetIconsFromBitmap(bitmap, ids, count, width, height, state, alpha);
}

CUIImageIconSet* CUIImageStore::GetImage(UINT id, int width) {
    CUIImageManagerIcons* icons = GetIconSet(id);
    return icons ? icons->GetImage(width, TRUE) : nullptr;
}

UINT CUIImageStore::AddCustomIcon(HICON icon, BOOL alpha) {
    const UINT id = ++m_customId;
    GetOrCreateIcons(id)->TakeIcon(::CopyIcon(icon), GetIconSize(icon).cx, alpha);
    return id;
}

void CUIImageStore::RemoveAll() {
    POSITION position = m_icons.GetStartPosition();
    while (position) {
        UINT id = 0;
        CUIImageManagerIcons* icons = nullptr;
        m_icons.GetNextAssoc(position, id, icons);
        delete icons;
    }
    m_icons.RemoveAll();
}

void CUIImageStore::RefreshAll() {
    POSITION position = m_icons.GetStartPosition();
    while (position) {
        UINT id = 0;
        CUIImageManagerIcons* icons = nullptr;
        m_icons.GetNextAssoc(position, id, icons);
        icons->RemoveGenerated();
    }
}

void CUIImageStore::SerializeIcons(UINT id, CArchive& ar) {
    RaiseCustomId(id);
    if (ar.IsStoring()) {
        CUIImageManagerIcons* icons = GetIconSet(id);
        CUIImageManagerIcons empty(id);
        (icons ? icons : &empty)->Serialize(ar);
        return;
    }
    std::unique_ptr<CUIImageManagerIcons> loaded(new CUIImageManagerIcons(id));
    loaded->Serialize(ar);
    CUIImageManagerIcons* existing = GetIconSet(id);
    if (existing) {
        m_icons.RemoveKey(id);
        delete existing;
    }
    m_icons.SetAt(id, loaded.release());
}

void CUIImageStore::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_icons.GetCount()));
        POSITION position = m_icons.GetStartPosition();
        while (position) {
            UINT id = 0;
            CUIImageManagerIcons* icons = nullptr;
            m_icons.GetNextAssoc(position, id, icons);
            ar << static_cast<DWORD>(id);
            SerializeIcons(id, ar);
        }
        return;
    }
    RemoveAll();
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        DWORD id = 0;
        ar >> id;
        SerializeIcons(id, ar);
    }
}

BOOL CUIImageStore::CopyImageToClipboard(UINT id) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        SerializeIcons(id, ar);
        ar.Close();
    }
    const DWORD size = file.GetLength();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return FALSE;
    void* target = ::GlobalLock(block);
    file.SeekToBegin();
    file.Read(target, size);
    ::GlobalUnlock(block);
    if (::SetClipboardData(m_toolBarImageFormat, block)) return TRUE;
    ::GlobalFree(block);
    return FALSE;
}

UINT CUIImageStore::PasteImageFromClipboard() {
    HANDLE block = ::GetClipboardData(m_toolBarImageFormat);
    if (!block) return 0;
    const BYTE* data = static_cast<const BYTE*>(::GlobalLock(block));
    const UINT id = data ? PasteImageFromData(data, static_cast<UINT>(::GlobalSize(block))) : 0;
    ::GlobalUnlock(block);
    return id;
}

UINT CUIImageStore::PasteImageFromData(const BYTE* data, UINT size) {
    if (!data || size == 0) return 0;
    std::vector<BYTE> copy(data, data + size);
    CMemFile file(copy.data(), size);
    const UINT id = ++m_customId;
    try {
        CArchive ar(&file, CArchive::load);
        SerializeIcons(id, ar);
    } catch (CException* error) {
        error->Delete();
        return 0;
    }
    return id;
}

CUIImageStore* GetImageManager() {
    struct Holder {
        CUIImageStore* store = new CUIImageStore;
        ~Holder() { store->InternalRelease(); }
    };
    static Holder holder;
    return holder.store;
}

BOOL IsAlphaIconsSupported() { return HIWORD(GetUISettings()->GetComCtlVersion()) >= 6; }
