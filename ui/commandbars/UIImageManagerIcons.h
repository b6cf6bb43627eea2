#pragma once

#include "platform/CMap.h"
#include "ui/commandbars/UIImageIconSet.h"

class CArchive;

// The images of one command id, one icon set per width (a map of 17 buckets whose
// order is the archive's order). Owns its sets.
class CUIImageManagerIcons {
public:
    explicit CUIImageManagerIcons(UINT id);
    ~CUIImageManagerIcons();
    CUIImageManagerIcons(const CUIImageManagerIcons&) = delete;
    CUIImageManagerIcons& operator=(const CUIImageManagerIcons&) = delete;

    UINT GetID() const { return m_id; }
    // The set of that width, made (empty) when absent.
    CUIImageIconSet* GetOrCreate(int width);
    // The set of that width takes the icon over.
    void TakeIcon(HICON icon, int width, BOOL alpha, const UIIconPixels* pixels = nullptr);
    void TakeDisabledIcon(HICON icon, int width);
    void TakeHotIcon(HICON icon, int width);
    // The set of that width; otherwise, when allowed, the closest one (alpha sets as
    // they are, others scaled into a generated set kept under the width asked for).
    CUIImageIconSet* GetImage(int width, BOOL allowClosest = TRUE);
    // Drops generated sets and every set's derived forms.
    void RemoveGenerated();
    void RemoveAll();
    INT_PTR GetCount() const { return m_sets.GetCount(); }

    // The collection record: the tag text, the count of sets, each width and set.
    // Loading a wrong tag throws CArchiveException (badClass).
    void Serialize(CArchive& ar);

private:
    CUIImageIconSet* FindClosest(int width) const;

    UINT m_id;
    CMap<int, int, CUIImageIconSet*, CUIImageIconSet*> m_sets;
};
