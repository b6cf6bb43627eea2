#pragma once

#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "platform/CCmdTarget.h"
#include "platform/CDC.h"
#include "platform/CRect.h"
#include "platform/CString.h"

class CUITabStripBase;
class CUITabTheme;
class CWnd;

// Positions of a strip around its content area and the layouts of its items.
enum TabPosition { TabPositionTop = 0, TabPositionLeft = 1, TabPositionBottom = 2, TabPositionRight = 3 };
enum TabLayout { TabLayoutAutoSize = 0, TabLayoutSizeToFit = 1, TabLayoutFixed = 2, TabLayoutCompressed = 3 };
enum NavigateButtonId { NavigateButtonLeft = 0, NavigateButtonRight = 1, NavigateButtonClose = 2 };
enum NavigateButtonMode { NavigateButtonHidden = 0, NavigateButtonAuto = 1, NavigateButtonAlways = 2 };

// The first of the eight preset item colours; an item's colour below it is an RGB value.
const COLORREF TabColorPresetFirst = 0x1000000;

inline BOOL IsHorizontalPosition(int position) { return position == TabPositionTop || position == TabPositionBottom; }

// Anything a tab paint manager lays out again when its options change.
class CUITabThemeClient {
public:
    virtual void RefreshLayout() { Reposition(); }
    virtual ~CUITabThemeClient() = default;
    virtual void Reposition() = 0;
};

// One tab: a caption, a tooltip, an icon, a colour and an owner-defined handle (a
// window handle, a pane); its place comes from the last layout of its strip.
class CUITabStripItem : public CCmdTarget {
public:
    // Replaces the caption (compared as multi-byte text) and lays the strip out again;
    // the same text changes nothing.
    void SetCaption(LPCSTR caption);
    // An RGB value or a preset code; the strip repaints without a new layout.
    void SetColor(COLORREF color);
    CString GetCaption() const;
    COLORREF GetColor() const;
    // The owner deletes the item at its index.
    void Remove();
    DWORD_PTR GetHandle() const { return handle; }
    void SetHandle(DWORD_PTR value) { handle = value; }
    CUITabStripBase* GetStrip() const { return owner; }
    int GetIndex() const { return index; }
    BOOL IsVisible() const { return visible; }
    BOOL IsEnabled() const { return enabled; }
    CRect GetRect() const { return rect; }

    DWORD_PTR handle = 0;  // pointer-sized: it carries panes and window handles
    CString caption;
    CString tooltip;
    HICON icon = nullptr;
    int data = -1;
    CRect rect;
    int width = 0;
    int index = -1;
    void* extra = nullptr;
    COLORREF color = 0;
    BOOL enabled = TRUE;
    BOOL visible = TRUE;
    CUITabStripBase* owner = nullptr;
};

// Keeps an item alive while a modal loop dispatches messages that may delete it.
class CUITabItemReference {
public:
    explicit CUITabItemReference(CUITabStripItem* item) : m_item(item) {
        if (m_item) m_item->InternalAddRef();
    }
    ~CUITabItemReference() {
        if (m_item) m_item->InternalRelease();
    }
    CUITabItemReference(const CUITabItemReference&) = delete;
    CUITabItemReference& operator=(const CUITabItemReference&) = delete;

private:
    CUITabStripItem* m_item;
};

// A scroll or close button at the far end of a strip: 14 x 15 pixels, placed by the
// layout, pressed with a modal mouse loop that repeats the arrows every 20 ms.
class CUITabNavigateButton {
public:
    CUITabNavigateButton(CUITabStripBase* strip, int id, int mode);
    virtual ~CUITabNavigateButton() = default;

    // Takes the far end of the rectangle (shrinking it) when the button shows.
    virtual void Place(CRect& rect);
    virtual void DrawGlyph(CDC* dc, const CRect& rect);
    // One step of the button; repeat is clear for the final release over it.
    virtual void Execute(BOOL repeat);

    // The modal press loop, the point in the window's client coordinates.
    void Track(CWnd* wnd, int x, int y);
    void UpdateHot(CWnd* wnd, int x, int y);
    void Draw(CDC* dc);
    // Removes the length of an always-shown button from the length the tabs may use.
    void ReserveSpace(int& length) const;

    int GetId() const { return m_id; }
    int GetMode() const { return m_mode; }
    void SetMode(int mode) { m_mode = mode; }
    const CRect& GetRect() const { return m_rect; }
    BOOL IsEnabled() const { return m_enabled; }
    BOOL IsPressed() const { return m_pressed; }
    BOOL IsHot() const { return m_hot; }

    static const int Width = 14;
    static const int Height = 15;

protected:
    void PlaceByMode(CRect& rect);
    void PlaceAuto(CRect& rect);

    int m_id;
    int m_mode;
    CUITabStripBase* m_strip;
    CRect m_rect;
    BOOL m_enabled = TRUE;
    BOOL m_pressed = FALSE;
    BOOL m_hot = FALSE;
};

// A window-less row of tabs: the ordered items, the selected and hot item, a scroll
// offset (0 or negative, added along the strip) and three navigate buttons (left,
// right, close). Geometry and drawing belong to the paint manager the owner supplies;
// the owner repaints, lays out, draws icons and feeds mouse input through PerformClick,
// PerformMouseMove and PerformToolHitTest.
class CUITabStripBase : public CUITabThemeClient {
public:
    CUITabStripBase();
    ~CUITabStripBase() override;
    CUITabStripBase(const CUITabStripBase&) = delete;
    CUITabStripBase& operator=(const CUITabStripBase&) = delete;

    virtual CString GetItemCaption(const CUITabStripItem* item) const;
    virtual HICON GetItemIcon(const CUITabStripItem* item) const;
    // The item's colour with the presets resolved to RGB.
    virtual COLORREF GetItemColor(const CUITabStripItem* item) const;
    virtual CString GetItemTooltip(const CUITabStripItem* item) const;
    // Renumbers the items and lays the strip out again.
    virtual void OnItemsChanged();
    virtual void SetSelectedItem(CUITabStripItem* item);
    virtual void GetItemMetrics(CSize* fixed, CSize* minimum, CSize* maximum) const;
    virtual CUITabTheme* GetPaintManager() const = 0;
    virtual void RedrawControl() = 0;
    virtual BOOL IsAllowReorder() const { return m_allowReorder; }
    virtual void SetAllowReorder(BOOL allow) { m_allowReorder = allow; }
    virtual BOOL IsDrawFrame() const;
    // Whether the item (or, for NULL, items in general) shows an icon, adjusting size;
    // draws it at the point when draw is set.
    virtual BOOL DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw, CSize* size) = 0;
    virtual int GetPosition() const;
    virtual void OnItemClick(CUITabStripItem* item) { SetSelectedItem(item); }
    // The modal drag that reorders tabs; ends by clicking the dragged item.
    virtual void TrackItemDrag(CWnd* wnd, int x, int y, CUITabStripItem* item);
    virtual void OnNavigateButtonClick(int id) {}
    virtual BOOL IsMouseLocked() const { return FALSE; }

    // Creates an item when none is given; an index outside 0..count appends.
    CUITabStripItem* InsertItem(int index, CUITabStripItem* item = nullptr);
    BOOL DeleteItem(int index);
    void DeleteAllItems();
    void SelectItemAt(int index);
    void SetActive(BOOL active);
    BOOL IsActive() const { return m_active; }
    // A positive offset becomes 0.
    void SetScrollOffset(int offset);
    int GetScrollOffset() const { return m_scrollOffset; }
    // Stored without a new layout (the layout's own clamp).
    void StoreScrollOffset(int offset) { m_scrollOffset = offset; }
    int GetItemsLength() const;
    void SetItemMetrics(int fixedCx, int fixedCy, int minCx, int minCy, int maxCx, int maxCy);
    CUITabNavigateButton* FindNavigateButton(int id) const;
    int GetNavigateButtonCount() const { return static_cast<int>(m_navigateButtons.size()); }
    CUITabNavigateButton* GetNavigateButton(int index) const { return m_navigateButtons[index]; }
    void EnsureVisible(CUITabStripItem* item);
    CUITabStripItem* HitTest(int x, int y) const;
    int GetLayoutMode() const;
    // A left press in the owner window's client coordinates; TRUE when it was taken.
    BOOL PerformClick(CWnd* wnd, int x, int y, BOOL buttonsOnly = FALSE);
    void PerformMouseMove(CWnd* wnd, int x, int y);
    // Fills a tool record (text allocated with malloc for the caller to free).
    INT_PTR PerformToolHitTest(CWnd* wnd, CUITabStripItem* item, TOOLINFOA* toolInfo) const;

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CUITabStripItem* GetItem(int index) const;
    CUITabStripItem* GetSelectedItem() const { return m_selected; }
    CUITabStripItem* GetHotItem() const { return m_hot; }
    void SetHotItem(CUITabStripItem* item) { m_hot = item; }
    BOOL IsHorizontal() const { return IsHorizontalPosition(GetPosition()); }
    CRect headerRect, controlRect, clientRect;

protected:
    // The capture loop of a tab drag: every mouse move goes to OnItemDragMove with the
    // places the tabs had when it began. Returns the message that ended it (WM_QUIT
    // is posted again); point holds the last mouse position.
    UINT RunItemDragLoop(CWnd* wnd, CPoint& point, CUITabStripItem* item);
    // Swaps the dragged item with the one whose recorded place holds the point.
    virtual void OnItemDragMove(CWnd* wnd, CPoint point, CUITabStripItem* item, const std::vector<CRect>& places);
    // Selected (and hot) set directly, without the owner's side effects.
    void SetSelectedDirect(CUITabStripItem* item) { m_selected = item; }
    BOOL IsItem(const CUITabStripItem* item) const;

    CUITabStripItem* m_selected = nullptr;
    CUITabStripItem* m_hot = nullptr;
    int m_scrollOffset = 0;
    BOOL m_allowReorder = TRUE;
    BOOL m_active = TRUE;
    CSize m_fixedSize{70, 18};
    CSize m_minSize{0, 0};
    CSize m_maxSize{0, 0};
    std::vector<CUITabStripItem*> m_items;
    std::vector<CUITabNavigateButton*> m_navigateButtons;
    int m_colorCounter = 0;
};
