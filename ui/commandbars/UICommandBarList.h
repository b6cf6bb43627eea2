#pragma once

#include <windows.h>

#include <vector>

class CUICommandBar;

// The bars of one controls archive, each held with one reference: the toolbars with
// their own ids and the popup bars their controls open, numbered from FirstPopupId.
class CUICommandBarList {
public:
    static const UINT FirstPopupId = 0x1000000;

    CUICommandBarList() = default;
    ~CUICommandBarList();
    CUICommandBarList(const CUICommandBarList&) = delete;
    CUICommandBarList& operator=(const CUICommandBarList&) = delete;

    BOOL Contains(const CUICommandBar* bar) const;
    void Add(CUICommandBar* bar);
    // The first bar with the id; null when none (or for id 0).
    CUICommandBar* FindBar(UINT barId) const;
    UINT NextPopupId() { return m_nextPopupId++; }
    int GetCount() const { return static_cast<int>(m_bars.size()); }
    CUICommandBar* GetAt(int index) const { return m_bars[static_cast<size_t>(index)]; }

private:
    std::vector<CUICommandBar*> m_bars;
    UINT m_nextPopupId = FirstPopupId;
};
