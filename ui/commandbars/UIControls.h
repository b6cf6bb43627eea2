#pragma once

#include "ui/commandbars/UIControl.h"

#include "platform/CCmdTarget.h"

#include <vector>

class CMenu;
class CUICommandBar;
class CUICommandBars;

// The ordered controls of one bar. It creates controls by type and from menu items,
// keeps each control's index and parent up to date, answers hit tests and keyboard
// navigation, keeps the original controls for resets, and lays toolbars out.
class CUIControls : public CCmdTarget {
    DECLARE_DYNCREATE(CUIControls)

public:
    // The id of the window list's first entry, which gets no control.
    static const UINT MdiFirstChildId = 65280;

    CUIControls() = default;
    ~CUIControls() override;

    CUIControl* Add(int type, UINT id, LPCSTR parameter = "", int before = -1, BOOL temporary = FALSE);
    CUIControl* InsertControl(CUIControl* control, UINT id, LPCSTR parameter = "", int before = -1,
                              BOOL temporary = FALSE);
    CUIControl* AddMenuItem(CMenu* menu, int position);
    CUIControl* AddCopy(CUIControl* control, int before = -1, BOOL recursive = FALSE);
    void Append(CUIControl* control);
    void Remove(CUIControl* control);
    void Remove(int index);
    void RemoveAll();

    CUIControl* GetAt(int index) const;
    CUIControl* GetFirst() const { return GetAt(0); }
    CUIControl* GetNext(CUIControl* control) const { return GetAt(control->GetIndex() + 1); }
    int GetCount() const { return static_cast<int>(m_controls.size()); }
    int GetVisibleCount(BOOL onlyFullyVisible = TRUE) const;
    CUIControl* FindControl(int type, int id, BOOL visibleOnly, BOOL recursive) const;
    CUIControl* FindControl(int id) const { return FindControl(0, id, FALSE, FALSE); }
    // The next control from start in the step's direction that keyboard navigation
    // may reach, wrapping around; -1 when none is.
    int GetNextIndex(int start, int step, BOOL skipKeyboardExcluded, BOOL skipTemporary) const;
    CUIControl* HitTest(CPoint point) const;

    void SetParent(CUICommandBar* bar);
    CUICommandBar* GetParent() const { return m_parent; }
    CUICommandBars* GetCommandBars() const;
    void SetCommandBars(CUICommandBars* commandBars) { m_commandBars = commandBars; }
    void RefreshIndexes();
    CUIControls* Duplicate(BOOL recursive) const;
    void CreateOriginalControls();
    CUIControls* GetOriginalControls() const { return m_originalControls; }
    // Takes the original set away from the collection (the caller owns it), or gives
    // it one (the collection owns it; null for none).
    CUIControls* DetachOriginalControls();
    void SetOriginalControls(CUIControls* original);
    // The controls archive of the collection; the owning bar's schema gates its fields.
    void Serialize(CArchive& ar, UINT barSchema);
    BOOL Compare(const CUIControls* other) const;
    BOOL IsChanged() const;

    // Lays the controls out in rows (columns when docked vertically) within length
    // and the borders; with the commit mode bit the result goes into the controls.
    CSize CalcDynamicSize(CDC* dc, int length, DWORD mode, CRect borders, int minimumThickness);

private:
    void Insert(CUIControl* control, int before);
    CWnd* NotifySite() const;
    CUICommandBar* CreatePopupBar(LPCSTR title, UINT id);
    CUIControl* CreateMenuItemControl(int type, UINT id, LPCSTR text, CMenu* subMenu);

    CUICommandBar* m_parent = nullptr;
    std::vector<CUIControl*> m_controls;
    CUICommandBars* m_commandBars = nullptr;
    CUIControls* m_originalControls = nullptr;
};
