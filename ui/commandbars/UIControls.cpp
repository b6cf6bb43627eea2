#include "ui/commandbars/UIControls.h"

#include "ui/commandbars/UIControlComboBox.h"
#include "ui/commandbars/UIControlCustom.h"
#include "ui/commandbars/UIControlEdit.h"
#include "ui/commandbars/UIControlLists.h"

#include "ui/commandbars/UIBarFactory.h"
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIToolbarLayout.h"

#include "platform/CFrameWnd.h"
#include "platform/CMenu.h"

IMPLEMENT_DYNCREATE(CUIControls, CCmdTarget)

namespace {

// A caption without its "&" marks (a popup bar's title).
CString WithoutMnemonics(const CString& caption) {
    CString title = caption;
    title.Remove('&');
    return title;
}

}  // namespace

CUIControls::~CUIControls() {
    RemoveAll();
    if (m_originalControls)
        m_originalControls->InternalRelease();
}

void CUIControls::Insert(CUIControl* control, int before) {
    if (before < 0 || before >= GetCount())
        m_controls.push_back(control);
    else
        m_controls.insert(m_controls.begin() + before, control);
}

CUIControl* CUIControls::InsertControl(CUIControl* control, UINT id, LPCSTR parameter, int before, BOOL temporary) {
    control->m_parameter = parameter;
    control->m_temporary = temporary;
    control->SetID(id);
    Insert(control, before);
    RefreshIndexes();
    return control;
}

CWnd* CUIControls::NotifySite() const {
    if (CUICommandBars* commandBars = GetCommandBars()) {
        if (commandBars->GetSite())
            return commandBars->GetSite();
    }
    return m_parent ? m_parent->GetOwnerSite() : nullptr;
}

CUICommandBar* CUIControls::CreatePopupBar(LPCSTR title, UINT id) {
    UIBarCreateRecord record = {nullptr, 1, 0, 0, 0, title, static_cast<INT_PTR>(id)};
    CWnd* site = NotifySite();
    if (site && site->GetSafeHwnd())
        site->SendMessage(CommandBarsCreateBarNotify, 0, reinterpret_cast<LPARAM>(&record));
    CUICommandBar* bar = record.bar;
    if (bar == nullptr && GetBarFactory())
        bar = GetBarFactory()->CreatePopupBar();
    if (bar)
        bar->SetCommandBars(GetCommandBars());
    return bar;
}

CUIControl* CUIControls::Add(int type, UINT id, LPCSTR parameter, int before, BOOL temporary) {
    CUIControl* control = nullptr;
    switch (type) {
    case uiControlButton:
        control = new CUIControlButton;
        control->SetID(id);
        break;
    case uiControlPopup:
    case uiControlButtonPopup:
    case uiControlSplitButtonPopup: {
        CUIControlPopup* popup = CUIControlPopup::CreateWithType(type);
        CMenu menu;
        const BOOL loaded = id > 0 && menu.LoadMenu(id);
        char text[256] = {};
        if (loaded)
            ::GetMenuStringA(menu.GetSafeHmenu(), 0, text, sizeof(text), MF_BYPOSITION);
        popup->SetCaption(text);
        if (CUICommandBar* bar = CreatePopupBar(WithoutMnemonics(text), id)) {
            if (loaded)
                bar->LoadMenu(menu.GetSubMenu(0), TRUE);
            popup->SetCommandBar(bar);
            bar->InternalRelease();
        }
        if (type != uiControlPopup)
            popup->SetID(id);
        control = popup;
        break;
    }
    case uiControlComboBox:
        control = new CUIControlComboBox;
        control->SetID(id);
        break;
    case uiControlEdit:
        control = new CUIControlEdit;
        control->SetID(id);
        break;
    case uiControlCustom:
        return InsertControl(new CUIControlCustom, id, parameter, before, temporary);
    default:
        return nullptr;
    }
    control->m_type = type;
    control->m_parameter = parameter;
    control->m_temporary = temporary;
    Insert(control, before);
    RefreshIndexes();
    return control;
}

CUIControl* CUIControls::AddMenuItem(CMenu* menu, int position) {
    const HMENU handle = menu->GetSafeHmenu();
    const UINT id = ::GetMenuItemID(handle, position);
    if (id == MdiFirstChildId)
        return nullptr;
    HMENU subMenu = ::GetSubMenu(handle, position);
    char text[256] = {};
    ::GetMenuStringA(handle, position, text, sizeof(text), MF_BYPOSITION);
    const BOOL defaultItem = static_cast<int>(::GetMenuDefaultItem(handle, TRUE, GMDI_USEDISABLED)) == position;
    const UINT controlId = subMenu ? 0 : id;
    int type = subMenu ? uiControlPopup : uiControlButton;
    CString caption = text;

    CUIControl* control = nullptr;
    UIControlCreateRecord record = {static_cast<INT_PTR>(controlId), caption, nullptr, m_parent, menu, position, type};
    CWnd* site = NotifySite();
    if (site && site->GetSafeHwnd() &&
        site->SendMessage(CommandBarsControlCreateNotify, 0, reinterpret_cast<LPARAM>(&record)) != 0) {
        control = record.control;
        type = static_cast<int>(record.type);
        caption = record.caption;
    }
    const UINT finalId = static_cast<UINT>(record.id);
    if (control == nullptr)
        control = CreateMenuItemControl(type, finalId, caption, CMenu::FromHandle(subMenu));
    if (control == nullptr)
        return nullptr;
    control->SetID(finalId);
    control->SetCaption(caption);
    control->SetDefaultItem(defaultItem);
    m_controls.push_back(control);
    RefreshIndexes();
    return control;
}

CUIControl* CUIControls::CreateMenuItemControl(int type, UINT id, LPCSTR text, CMenu* subMenu) {
    if (type == uiControlButton) {
        CUIControl* list = CreateListControlForMenuItem(id, text);
        return list ? list : new CUIControlButton;
    }
    if (type == uiControlComboBox)
        return new CUIControlComboBox;
    if (type == uiControlEdit)
        return new CUIControlEdit;
    if (type < uiControlPopup || type > uiControlSplitButtonPopup)
        return nullptr;
    CUIControlPopup* popup = CUIControlPopup::CreateWithType(type);
    const CString title = WithoutMnemonics(text);
    if (CUICommandBar* bar = CreatePopupBar(title, id)) {
        bar->SetTitle(title);
        if (subMenu && subMenu->GetSafeHmenu()) {
            bar->LoadMenu(subMenu, FALSE);
        } else if (id != 0) {
            CMenu menu;
            if (menu.LoadMenu(id))
                bar->LoadMenu(menu.GetSubMenu(0), FALSE);
        }
        popup->SetCommandBar(bar);
        bar->InternalRelease();
    }
    return popup;
}

CUIControl* CUIControls::AddCopy(CUIControl* control, int before, BOOL recursive) {
    CUIControl* copy = control->Clone(recursive);
    Insert(copy, before);
    RefreshIndexes();
    return copy;
}

void CUIControls::Append(CUIControl* control) { m_controls.push_back(control); }

void CUIControls::Remove(CUIControl* control) {
    if (control == nullptr || control->m_controls != this)
        return;
    Remove(control->GetIndex());
}

void CUIControls::Remove(int index) {
    CUIControl* control = GetAt(index);
    if (control == nullptr)
        return;
    if (m_parent && m_parent->GetSelectedIndex() == index)
        m_parent->ClearSelection();
    m_controls.erase(m_controls.begin() + index);
    control->m_controls = nullptr;
    control->SetParent(nullptr);
    control->InternalRelease();
    RefreshIndexes();
}

void CUIControls::RemoveAll() {
    std::vector<CUIControl*> controls;
    controls.swap(m_controls);
    for (CUIControl* control : controls) {
        control->m_controls = nullptr;
        control->SetParent(nullptr);
        control->InternalRelease();
    }
}

CUIControl* CUIControls::GetAt(int index) const {
    return (index >= 0 && index < GetCount()) ? m_controls[static_cast<size_t>(index)] : nullptr;
}

int CUIControls::GetVisibleCount(BOOL onlyFullyVisible) const {
    int count = 0;
    for (CUIControl* control : m_controls) {
        const DWORD hide = control->GetHideFlags();
        if (onlyFullyVisible ? hide == 0 : (hide & ~static_cast<DWORD>(uiHideWrap)) == 0)
            ++count;
    }
    return count;
}

CUIControl* CUIControls::FindControl(int type, int id, BOOL visibleOnly, BOOL recursive) const {
    for (CUIControl* control : m_controls) {
        const BOOL typeMatches = type == 0 || control->GetType() == type;
        const BOOL idMatches = id == -1 || control->GetID() == static_cast<UINT>(id);
        if (typeMatches && idMatches && (!visibleOnly || control->IsVisible()))
            return control;
        const int controlType = control->GetType();
        if (recursive && controlType >= uiControlPopup && controlType <= uiControlSplitButtonPopup) {
            if (CUICommandBar* bar = control->GetCommandBar()) {
                if (CUIControl* found = bar->GetControls()->FindControl(type, id, visibleOnly, TRUE))
                    return found;
            }
        }
    }
    return nullptr;
}

int CUIControls::GetNextIndex(int start, int step, BOOL skipKeyboardExcluded, BOOL skipTemporary) const {
    const int count = GetCount();
    if (count == 0)
        return -1;
    int candidate = (start == -1 && step < 0) ? count - 1 : start + step;
    // At most one visit of every control: a collection whose controls are all
    // skipped ends the search instead of circling for ever.
    for (int tries = 0; tries < count; ++tries) {
        if (candidate == start)
            return start;
        if (candidate >= count) {
            if (start == -1)
                return -1;
            candidate = 0;
        } else if (candidate < 0) {
            if (start == -1)
                return -1;
            candidate = count - 1;
        }
        if (candidate == start)
            return start;
        const CUIControl* control = m_controls[static_cast<size_t>(candidate)];
        const BOOL skipped = (control->GetHideFlags() & ~static_cast<DWORD>(uiHideScroll)) != 0 ||
                             (skipKeyboardExcluded && (control->GetFlags() & uiFlagSkipKeyboard)) ||
                             (skipTemporary && control->m_temporary);
        if (!skipped)
            return candidate;
        candidate += step;
    }
    return -1;
}

CUIControl* CUIControls::HitTest(CPoint point) const {
    for (CUIControl* control : m_controls) {
        if (control->IsVisible() && control->GetRect().PtInRect(point))
            return control;
    }
    return nullptr;
}

void CUIControls::SetParent(CUICommandBar* bar) {
    m_parent = bar;
    if (!m_controls.empty())
        RefreshIndexes();
}

CUICommandBars* CUIControls::GetCommandBars() const {
    if (m_parent) {
        if (CUICommandBars* commandBars = m_parent->GetCommandBars())
            return commandBars;
    }
    return m_commandBars;
}

void CUIControls::RefreshIndexes() {
    for (size_t i = 0; i < m_controls.size(); ++i) {
        m_controls[i]->m_index = static_cast<int>(i);
        m_controls[i]->m_controls = this;
        m_controls[i]->SetParent(m_parent);
    }
    if (m_parent)
        m_parent->OnRecalcLayout();
}

CUIControls* CUIControls::Duplicate(BOOL recursive) const {
    CUIControls* copy = new CUIControls;
    copy->m_commandBars = GetCommandBars();
    for (CUIControl* control : m_controls) {
        if (!control->m_temporary)
            copy->m_controls.push_back(control->Clone(recursive));
    }
    copy->RefreshIndexes();
    if (m_originalControls)
        copy->m_originalControls = m_originalControls->Duplicate(recursive);
    return copy;
}

void CUIControls::CreateOriginalControls() {
    CUIControls* original = Duplicate(TRUE);
    if (m_originalControls)
        m_originalControls->InternalRelease();
    m_originalControls = original;
}

BOOL CUIControls::Compare(const CUIControls* other) const {
    if (other == nullptr)
        return FALSE;
    int mine = 0;
    int theirs = 0;
    for (;;) {
        while (mine < GetCount() && m_controls[static_cast<size_t>(mine)]->m_temporary)
            ++mine;
        while (theirs < other->GetCount() && other->m_controls[static_cast<size_t>(theirs)]->m_temporary)
            ++theirs;
        const bool mineDone = mine >= GetCount();
        const bool theirsDone = theirs >= other->GetCount();
        if (mineDone || theirsDone)
            return mineDone && theirsDone;
        if (!m_controls[static_cast<size_t>(mine)]->IsEqual(other->m_controls[static_cast<size_t>(theirs)]))
            return FALSE;
        ++mine;
        ++theirs;
    }
}

BOOL CUIControls::IsChanged() const { return m_originalControls && !Compare(m_originalControls); }

CSize CUIControls::CalcDynamicSize(CDC* dc, int length, DWORD mode, CRect borders, int minimumThickness) {
    // By index: a list control puts its entries in after itself meanwhile.
    for (int i = GetCount() - 1; i >= 0; --i)
        m_controls[static_cast<size_t>(i)]->OnCalcDynamicSize(mode);
    std::vector<UILayoutRecord> records(m_controls.size());
    for (size_t i = 0; i < m_controls.size(); ++i) {
        CUIControl* control = m_controls[i];
        const DWORD hide = control->GetHideFlags();
        records[i].visible = hide < 256 && (hide & ~static_cast<DWORD>(uiHideWrap)) == 0;
        records[i].beginGroup = control->GetBeginGroup();
        records[i].rightAlign = (control->GetFlags() & uiFlagRightAlign) != 0;
        records[i].rect = control->GetRect();
        if (records[i].visible)
            records[i].size = control->GetSize(dc);
    }
    CUIToolbarLayout layout(records, m_parent ? m_parent->m_widthLimit : 32767);
    CSize size = layout.Calculate(length, mode, borders, minimumThickness);
    if (!(mode & uiLayoutCommit))
        return size;
    for (size_t i = 0; i < m_controls.size(); ++i) {
        CUIControl* control = m_controls[i];
        if (!records[i].visible)
            continue;
        DWORD hide = control->GetHideFlags();
        control->SetHideFlags(records[i].overflow ? (hide | uiHideWrap) : (hide & ~static_cast<DWORD>(uiHideWrap)));
        control->m_rowRect = records[i].rowRect;
        control->m_startsRow = records[i].startsRow;
        if (!records[i].overflow)
            control->SetRect(records[i].rect);
    }
    return size;
}
