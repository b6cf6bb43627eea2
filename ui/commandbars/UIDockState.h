#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CString.h"

#include <vector>

class CUIToolBar;

// Reads an integer of the application profile; FALSE when the value is missing.
BOOL ReadProfileIntIfPresent(LPCSTR section, LPCSTR entry, int* value);

// The saved place of one toolbar (the menu bar included).
struct CUIBarInfo {
    static constexpr int NoPosition = -1;
    static constexpr int NoWidthLimit = 32767;

    UINT m_barId = 0;
    BOOL m_visible = FALSE;
    BOOL m_floating = FALSE;
    // Dock bar client coordinates when docked, screen coordinates when floating.
    CPoint m_position = CPoint(NoPosition, NoPosition);
    int m_widthLimit = NoWidthLimit;
    int m_mruDockPosition = 0;
    CRect m_mruDockRect = CRect(0, 0, 0, 0);
    CPoint m_mruFloatPosition = CPoint(0, 0);
    CUIToolBar* m_bar = nullptr;  // not saved
};

// The places of all toolbars of a frame as kept in the profile: one "<name>-Bar<d>"
// section per bar and a "<name>-Summary" with their count and the screen size they
// were saved on. Positions saved on another screen size are scaled to this one and
// kept on the screen.
class CUIDockState {
public:
    CUIDockState();

    void SaveState(LPCSTR profileName) const;
    // Reads the bars saved under the name; stops at the first bar section that is
    // missing, whatever count the summary claims.
    void LoadState(LPCSTR profileName);
    CPoint ScalePoint(CPoint point) const;
    CRect ScaleRect(CRect rect) const;
    // The screen the state is restored on and the icon size that keeps restored
    // places off its right and bottom edges.
    void SetScreen(CSize screen, CSize icon);
    BOOL IsScaling() const { return m_scaling; }

    std::vector<CUIBarInfo> m_bars;

private:
    void SaveBar(const CString& section, const CUIBarInfo& info) const;
    BOOL LoadBar(const CString& section, CUIBarInfo* info) const;

    BOOL m_scaling = FALSE;
    CRect m_screen;
    CSize m_savedScreen = CSize(0, 0);
    CRect m_clip;
};
