#include "ui/docking/tabs/UITabStrip.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/CWnd.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
const COLORREF PresetColors[8] = {0xE4A88A, 0x75DBFF, 0x9FCDBD, 0x9F9EF0, 0xE1A6BA, 0xB4BF9A, 0x83B6F7, 0xC0ABD8};
}  // namespace

// --- items ---

void CUITabStripItem::SetCaption(LPCSTR text) {
    if (std::strcmp(caption, text ? text : "") == 0) return;
    caption = text;
    if (owner) owner->Reposition();
}

void CUITabStripItem::SetColor(COLORREF value) {
    color = value;
    if (owner) owner->RedrawControl();
}

CString CUITabStripItem::GetCaption() const { return owner ? owner->GetItemCaption(this) : caption; }

COLORREF CUITabStripItem::GetColor() const { return owner ? owner->GetItemColor(this) : color; }

void CUITabStripItem::Remove() {
    if (owner) owner->DeleteItem(index);
}

// --- strip ---

CUITabStripBase::CUITabStripBase() {
    m_navigateButtons.push_back(new CUITabNavigateButton(this, NavigateButtonLeft, NavigateButtonAuto));
    m_navigateButtons.push_back(new CUITabNavigateButton(this, NavigateButtonRight, NavigateButtonAuto));
    m_navigateButtons.push_back(new CUITabNavigateButton(this, NavigateButtonClose, NavigateButtonHidden));
}

CUITabStripBase::~CUITabStripBase() {
    for (CUITabStripItem* item : m_items) item->InternalRelease();
    for (CUITabNavigateButton* button : m_navigateButtons) delete button;
}

CString CUITabStripBase::GetItemCaption(const CUITabStripItem* item) const { return item->caption; }

HICON CUITabStripBase::GetItemIcon(const CUITabStripItem* item) const { return item->icon; }

COLORREF CUITabStripBase::GetItemColor(const CUITabStripItem* item) const {
    COLORREF color = item->color;
    if (color >= TabColorPresetFirst && color < TabColorPresetFirst + 8) return PresetColors[color - TabColorPresetFirst];
    return color;
}

CString CUITabStripBase::GetItemTooltip(const CUITabStripItem* item) const { return item->tooltip; }

void CUITabStripBase::OnItemsChanged() {
    for (size_t i = 0; i < m_items.size(); ++i) m_items[i]->index = static_cast<int>(i);
    Reposition();
}

void CUITabStripBase::SetSelectedItem(CUITabStripItem* item) {
    if (item == m_selected) return;
    m_selected = item;
    Reposition();
    EnsureVisible(item);
}

void CUITabStripBase::GetItemMetrics(CSize* fixed, CSize* minimum, CSize* maximum) const {
    if (fixed) *fixed = m_fixedSize;
    if (minimum) *minimum = m_minSize;
    if (maximum) *maximum = m_maxSize;
}

BOOL CUITabStripBase::IsDrawFrame() const { return GetPaintManager()->outerFrame; }

int CUITabStripBase::GetPosition() const { return GetPaintManager()->GetPosition(); }

CUITabStripItem* CUITabStripBase::InsertItem(int index, CUITabStripItem* item) {
    if (!item) item = new CUITabStripItem;
    item->owner = this;
    int count = GetItemCount();
    if (index < 0 || index > count) index = count;
    m_items.insert(m_items.begin() + index, item);
    item->color = TabColorPresetFirst + (m_colorCounter % 8);
    ++m_colorCounter;
    OnItemsChanged();
    return item;
}

BOOL CUITabStripBase::DeleteItem(int index) {
    if (index < 0 || index >= GetItemCount()) return FALSE;
    CUITabStripItem* item = m_items[index];
    m_items.erase(m_items.begin() + index);
    // Neither the hot nor the selected pointer may outlive the item.
    if (m_hot == item) m_hot = nullptr;
    BOOL wasSelected = m_selected == item;
    if (wasSelected) m_selected = nullptr;
    item->owner = nullptr;
    item->InternalRelease();
    if (wasSelected) SelectItemAt(index);
    OnItemsChanged();
    return TRUE;
}

void CUITabStripBase::DeleteAllItems() {
    for (CUITabStripItem* item : m_items) {
        item->owner = nullptr;
        item->InternalRelease();
    }
    m_items.clear();
    m_selected = m_hot = nullptr;
    OnItemsChanged();
}

void CUITabStripBase::SelectItemAt(int index) {
    if (m_items.empty()) {
        SetSelectedItem(nullptr);
        return;
    }
    index = std::max(0, std::min(index, GetItemCount() - 1));
    SetSelectedItem(m_items[index]);
}

void CUITabStripBase::SetActive(BOOL active) {
    BOOL changed = !active != !m_active;
    m_active = active;
    if (changed) Reposition();
}

void CUITabStripBase::SetScrollOffset(int offset) {
    offset = std::min(offset, 0);
    if (offset == m_scrollOffset) return;
    m_scrollOffset = offset;
    Reposition();
}

int CUITabStripBase::GetItemsLength() const {
    int length = 0;
    for (const CUITabStripItem* item : m_items) length += item->width;
    return length;
}

void CUITabStripBase::SetItemMetrics(int fixedCx, int fixedCy, int minCx, int minCy, int maxCx, int maxCy) {
    m_fixedSize = CSize(fixedCx, fixedCy);
    m_minSize = CSize(minCx, minCy);
    m_maxSize = CSize(maxCx, maxCy);
    Reposition();
}

CUITabNavigateButton* CUITabStripBase::FindNavigateButton(int id) const {
    for (CUITabNavigateButton* button : m_navigateButtons)
        if (button->GetId() == id) return button;
    return nullptr;
}

void CUITabStripBase::EnsureVisible(CUITabStripItem* item) {
    if (item) GetPaintManager()->EnsureVisible(this, item);
}

CUITabStripItem* CUITabStripBase::HitTest(int x, int y) const {
    CPoint point(x, y);
    if (!controlRect.PtInRect(point)) return nullptr;
    if (!headerRect.IsRectEmpty() && !headerRect.PtInRect(point)) return nullptr;
    for (CUITabStripItem* item : m_items)
        if (item->visible && item->enabled && item->rect.PtInRect(point)) return item;
    return nullptr;
}

int CUITabStripBase::GetLayoutMode() const { return GetPaintManager()->GetLayout(); }

BOOL CUITabStripBase::PerformClick(CWnd* wnd, int x, int y, BOOL buttonsOnly) {
    for (CUITabNavigateButton* button : m_navigateButtons) {
        if (button->GetRect().PtInRect(CPoint(x, y))) {
            button->Track(wnd, x, y);
            return TRUE;
        }
    }
    if (buttonsOnly) return FALSE;
    CUITabStripItem* item = HitTest(x, y);
    if (!item) return FALSE;
    if (IsAllowReorder())
        TrackItemDrag(wnd, x, y, item);
    else
        OnItemClick(item);
    return TRUE;
}

void CUITabStripBase::PerformMouseMove(CWnd* wnd, int x, int y) {
    if (!wnd->IsTopParentActive() || IsMouseLocked()) return;
    if (GetPaintManager()->hotTabs) {
        CUITabStripItem* item = HitTest(x, y);
        if (item != m_hot) {
            m_hot = item;
            RedrawControl();
            if (item) {
                TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, wnd->GetSafeHwnd(), 0};
                ::TrackMouseEvent(&track);
            }
        }
    }
    for (CUITabNavigateButton* button : m_navigateButtons) button->UpdateHot(wnd, x, y);
}

INT_PTR CUITabStripBase::PerformToolHitTest(CWnd* wnd, CUITabStripItem* item, TOOLINFOA* toolInfo) const {
    if (!item) return -1;
    CString tip = GetItemTooltip(item);
    if (tip.IsEmpty()) return -1;
    if (toolInfo && toolInfo->cbSize >= 40) {
        toolInfo->hwnd = wnd ? wnd->GetSafeHwnd() : nullptr;
        toolInfo->rect = item->rect;
        toolInfo->uId = static_cast<UINT_PTR>(item->index);
        size_t size = static_cast<size_t>(tip.GetLength()) + 1;
        char* text = static_cast<char*>(std::malloc(size));
        if (text) std::memcpy(text, static_cast<LPCSTR>(tip), size);
        toolInfo->lpszText = text;
    }
    return item->index;
}

CUITabStripItem* CUITabStripBase::GetItem(int index) const {
    return index >= 0 && index < GetItemCount() ? m_items[index] : nullptr;
}

BOOL CUITabStripBase::IsItem(const CUITabStripItem* item) const {
    return std::find(m_items.begin(), m_items.end(), item) != m_items.end();
}
