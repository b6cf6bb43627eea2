#include "ui/commandbars/UIImageManagerIcons.h"

#include "platform/CArchive.h"
#include "ui/commandbars/UIImageArchive.h"

#include <cstdlib>
#include <vector>

CUIImageManagerIcons::CUIImageManagerIcons(UINT id) : m_id(id) { m_sets.InitHashTable(17); }

CUIImageManagerIcons::~CUIImageManagerIcons() { RemoveAll(); }

CUIImageIconSet* CUIImageManagerIcons::GetOrCreate(int width) {
    CUIImageIconSet* set = nullptr;
    if (!m_sets.Lookup(width, set)) {
        set = new CUIImageIconSet(this, m_id, width);
        m_sets.SetAt(width, set);
    }
    return set;
}

void CUIImageManagerIcons::TakeIcon(HICON icon, int width, BOOL alpha, const UIIconPixels* pixels) {
    GetOrCreate(width)->TakeIcon(icon, alpha, pixels);
}

void CUIImageManagerIcons::TakeDisabledIcon(HICON icon, int width) { GetOrCreate(width)->TakeDisabledIcon(icon); }

void CUIImageManagerIcons::TakeHotIcon(HICON icon, int width) { GetOrCreate(width)->TakeHotIcon(icon); }

CUIImageIconSet* CUIImageManagerIcons::FindClosest(int width) const {
    CUIImageIconSet* closest = nullptr;
    POSITION position = m_sets.GetStartPosition();
    while (position) {
        int key = 0;
        CUIImageIconSet* set = nullptr;
        m_sets.GetNextAssoc(position, key, set);
        if (!closest || std::abs(set->GetWidth() - width) < std::abs(closest->GetWidth() - width)) closest = set;
    }
    return closest;
}

CUIImageIconSet* CUIImageManagerIcons::GetImage(int width, BOOL allowClosest) {
    CUIImageIconSet* set = nullptr;
    if (m_sets.Lookup(width, set)) return set;
    if (!allowClosest) return nullptr;
    CUIImageIconSet* closest = FindClosest(width);
    if (!closest || closest->IsAlpha()) return closest;  // alpha images are never scaled
    CUIImageIconSet* scaled = closest->CreateScaledCopy(width);
    if (!scaled) return closest;
    scaled->SetGenerated();
    m_sets.SetAt(width, scaled);
    return scaled;
}

void CUIImageManagerIcons::RemoveGenerated() {
    std::vector<int> generated;
    POSITION position = m_sets.GetStartPosition();
    while (position) {
        int width = 0;
        CUIImageIconSet* set = nullptr;
        m_sets.GetNextAssoc(position, width, set);
        set->ClearDerived();
        if (set->IsGenerated()) generated.push_back(width);
    }
    for (int width : generated) {
        CUIImageIconSet* set = nullptr;
        m_sets.Lookup(width, set);
        m_sets.RemoveKey(width);
        delete set;
    }
}

void CUIImageManagerIcons::RemoveAll() {
    POSITION position = m_sets.GetStartPosition();
    while (position) {
        int width = 0;
        CUIImageIconSet* set = nullptr;
        m_sets.GetNextAssoc(position, width, set);
        delete set;
    }
    m_sets.RemoveAll();
}

namespace {

const char kArchiveTag[] = "CUIImageManagerIcons";

}  // namespace

void CUIImageManagerIcons::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << CString(kArchiveTag);
        ar.WriteCount(static_cast<DWORD>(m_sets.GetCount()));
        POSITION position = m_sets.GetStartPosition();
        while (position) {
            int width = 0;
            CUIImageIconSet* set = nullptr;
            m_sets.GetNextAssoc(position, width, set);
            ar << static_cast<DWORD>(width) << static_cast<DWORD>(set->GetHeight()) << static_cast<DWORD>(set->IsAlpha());
            StoreArchivedImage(ar, set->GetIcon(), set->IsAlpha());
            StoreArchivedImage(ar, set->GetExplicitDisabledIcon(), set->IsAlpha());
            StoreArchivedImage(ar, set->GetExplicitHotIcon(), set->IsAlpha());
        }
        return;
    }
    CString tag;
    ar >> tag;
    if (tag != kArchiveTag) AfxThrowArchiveException(CArchiveException::badClass);
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        DWORD width = 0, height = 0, alpha = 0;
        ar >> width >> height >> alpha;
        HICON normal = LoadArchivedImage(ar, alpha);
        HICON disabled = nullptr, hot = nullptr;
        try {
            disabled = LoadArchivedImage(ar, alpha);
            hot = LoadArchivedImage(ar, alpha);
        } catch (CArchiveException*) {
            for (HICON icon : {normal, disabled}) {
                if (icon) ::DestroyIcon(icon);
            }
            throw;
        }
        GetOrCreate(static_cast<int>(width))->AttachLoaded(normal, disabled, hot, static_cast<int>(height), alpha != 0);
    }
}
