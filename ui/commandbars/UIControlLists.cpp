#include "ui/commandbars/UIControlLists.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include "platform/CMDIFrameWnd.h"
#include "platform/CRecentFileList.h"
#include "platform/CWinApp.h"
#include "platform/FrameworkIds.h"

#include <functional>

IMPLEMENT_SERIAL(CUIControlWindowList, CUIControlButton, uiArchiveSchema)
IMPLEMENT_SERIAL(CUIControlToolbars, CUIControlButton, uiArchiveSchema)
IMPLEMENT_SERIAL(CUIControlToolbar, CUIControlButton, uiArchiveSchema)
IMPLEMENT_SERIAL(CUIControlRecentFileList, CUIControlButton, uiArchiveSchema)
IMPLEMENT_SERIAL(CUIControlOleItems, CUIControlButton, uiArchiveSchema)
IMPLEMENT_SERIAL(CUIControlWorkspaceActions, CUIControlButton, uiArchiveSchema)

UINT CUIControlWindowList::FirstChildId = 0xFF00;
int CUIControlWindowList::MaxItems = 9;
const char CUIControlToolbars::EntryParameter[] = "CUIControlToolbar";

namespace {

const UINT kWindowListId = 35000;
const UINT kWorkspaceActionsId = 35002;
const UINT kOleVerbId = 0xE210;
const UINT kRecentLastId = ID_FILE_MRU_FILE1 + 15;
const UINT kEntryFlags = uiFlagNoUpdate;
const char kOleVerbsPlaceholder[] = "<<OLE VERBS GO HERE>>";
const char kOleMenuPopup[] = "OLEMENUPOPUP";

template <class T>
CUIControl* CloneAs(const CUIControl* source, BOOL recursive) {
    T* control = new T;
    control->Copy(const_cast<CUIControl*>(source), recursive);
    return control;
}

// Takes away the entries right after the control that the test picks out.
void RemoveFollowing(CUIControl* control, const std::function<bool(CUIControl*)>& isEntry) {
    CUIControls* controls = control->GetControls();
    if (controls == nullptr)
        return;
    for (;;) {
        CUIControl* next = controls->GetAt(control->GetIndex() + 1);
        if (next == nullptr || !isEntry(next))
            return;
        controls->Remove(next);
    }
}

BOOL InCustomizeMode(const CUIControl* control) {
    return control->GetParent() && control->GetParent()->IsCustomizeMode();
}

// A temporary button put in at the index.
CUIControl* AddEntry(CUIControl* list, UINT id, int index, LPCSTR caption) {
    CUIControl* entry = list->GetControls()->Add(uiControlButton, id, "", index, TRUE);
    entry->SetCaption(caption);
    entry->SetFlags(entry->GetFlags() | kEntryFlags);
    return entry;
}

// A name for a menu: every "&" doubled, double-byte characters copied whole.
CString WithLiteralAmpersands(const CString& name) {
    CString result;
    for (int i = 0; i < name.GetLength(); ++i) {
        const char c = name[i];
        result += c;
        if (::IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < name.GetLength())
            result += name[++i];
        else if (c == '&')
            result += '&';
    }
    return result;
}

HWND MdiClientOf(CUIControl* control) {
    CUICommandBar* parent = control->GetParent();
    CMDIFrameWnd* frame = parent ? dynamic_cast<CMDIFrameWnd*>(parent->GetSite()) : nullptr;
    return frame ? frame->m_hWndMDIClient : nullptr;
}

}  // namespace

CUIControl* CreateListControlForMenuItem(UINT id, LPCSTR text) {
    switch (id) {
    case kWindowListId:
        return new CUIControlWindowList;
    case kWorkspaceActionsId:
        return new CUIControlWorkspaceActions;
    case ID_FILE_MRU_FILE1:
        return new CUIControlRecentFileList;
    case ID_VIEW_TOOLBAR:
        return new CUIControlToolbars;
    case kOleVerbId:
        return lstrcmpA(text, kOleVerbsPlaceholder) == 0 ? new CUIControlOleItems : nullptr;
    default:
        return nullptr;
    }
}

void CUIControlWindowList::OnCalcDynamicSize(DWORD) {
    // Only its own entries go: with the first id lowered, permanent entries after the
    // list may have ids above it.
    RemoveFollowing(this, [](CUIControl* next) { return next->m_temporary && next->GetID() >= FirstChildId; });
    HWND client = MdiClientOf(this);
    if (InCustomizeMode(this) || client == nullptr) {
        SetHideFlags(0);
        return;
    }
    SetHideFlags(uiHideExpanded);
    HWND active = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    const int activeId = active ? ::GetDlgCtrlID(active) : 0;
    if (activeId >= 0x8000 && activeId <= 0x800E)
        FirstChildId = 0x8000;
    int number = 0;
    for (UINT id = FirstChildId; number < MaxItems; ++id) {
        HWND child = ::GetDlgItem(client, static_cast<int>(id));
        if (child == nullptr)
            break;
        if (!::IsWindowVisible(child))
            continue;
        char title[256] = {};
        ::GetWindowTextA(child, title, 256);
        ++number;
        CString caption;
        caption.Format("&%i %s", number, title);
        CUIControl* entry = AddEntry(this, id, GetIndex() + number, caption);
        entry->SetBeginGroup(number == 1);
        entry->m_checked = child == active ? 1 : 0;
    }
}

CUIControl* CUIControlWindowList::Clone(BOOL recursive) { return CloneAs<CUIControlWindowList>(this, recursive); }

void CUIControlToolbars::OnCalcDynamicSize(DWORD) {
    RemoveFollowing(this, [](CUIControl* next) { return next->m_parameter == EntryParameter; });
    if (InCustomizeMode(this)) {
        SetHideFlags(0);
        return;
    }
    SetHideFlags(uiHideExpanded);
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars == nullptr)
        return;
    int index = GetIndex();
    for (int i = 0; i < commandBars->GetCount(); ++i) {
        CUICommandBar* bar = commandBars->GetAt(i);
        if (bar->GetType() != uiBarTypeToolBar)
            continue;
        CUIControl* entry = GetControls()->InsertControl(new CUIControlToolbar, m_id, EntryParameter, ++index, TRUE);
        entry->m_tag = static_cast<DWORD>(i);
        entry->SetCaption(bar->GetTitle());
        entry->SetFlags(entry->GetFlags() | kEntryFlags);
        entry->m_checked = bar->IsVisible() ? 1 : 0;
    }
}

CUIControl* CUIControlToolbars::Clone(BOOL recursive) { return CloneAs<CUIControlToolbars>(this, recursive); }

void CUIControlToolbar::OnExecute() {
    CUICommandBars* commandBars = GetCommandBars();
    const int index = static_cast<int>(m_tag);
    // Ending the menus may free this entry's popup and the entry with it.
    CUIMouseTrackHook::Get().EndTracking();
    if (commandBars)
        commandBars->ToggleVisible(index);
}

CUIControl* CUIControlToolbar::Clone(BOOL recursive) { return CloneAs<CUIControlToolbar>(this, recursive); }

void CUIControlRecentFileList::OnCalcDynamicSize(DWORD) {
    CWinApp* app = AfxGetApp();
    CRecentFileList* files = app ? app->m_pRecentFileList : nullptr;
    if (files == nullptr)
        return;
    RemoveFollowing(this, [](CUIControl* next) {
        return next->GetID() >= ID_FILE_MRU_FILE1 && next->GetID() <= kRecentLastId;
    });
    if (InCustomizeMode(this) || files->GetSize() == 0 || (*files)[0].IsEmpty()) {
        SetHideFlags(0);
        SetEnabled(InCustomizeMode(this));
        return;
    }
    SetHideFlags(uiHideExpanded);
    char directory[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryA(MAX_PATH, directory);
    lstrcatA(directory, "\\");
    for (int i = 0; i < files->GetSize(); ++i) {
        CString name;
        if (!files->GetDisplayName(name, i, directory, lstrlenA(directory), TRUE))
            break;
        CString caption;
        caption.Format("&%d ", static_cast<int>((files->m_nStart + i + 1) % 10));
        caption += WithLiteralAmpersands(name);
        CUIControl* entry = AddEntry(this, ID_FILE_MRU_FILE1 + i, GetIndex() + i + 1, caption);
        entry->SetBeginGroup(i == 0 && GetIndex() > 0);
    }
}

CUIControl* CUIControlRecentFileList::Clone(BOOL recursive) {
    return CloneAs<CUIControlRecentFileList>(this, recursive);
}

void CUIControlOleItems::OnCalcDynamicSize(DWORD) {
    CUIControls* controls = GetControls();
    CUIControl* next = controls ? controls->GetAt(GetIndex() + 1) : nullptr;
    if (next && next->m_parameter == kOleMenuPopup)
        controls->Remove(next);
    SetHideFlags(InCustomizeMode(this) ? 0 : uiHideExpanded);
}

CUIControl* CUIControlOleItems::Clone(BOOL recursive) { return CloneAs<CUIControlOleItems>(this, recursive); }

void CUIControlWorkspaceActions::OnCalcDynamicSize(DWORD) {
    if (GetParent() == nullptr)
        return;
    RemoveFollowing(this, [](CUIControl* next) { return next->GetID() >= 9420 && next->GetID() <= 9423; });
    HWND client = MdiClientOf(this);
    CUIWorkspaceGroupCommands* groups = dynamic_cast<CUIWorkspaceGroupCommands*>(CWnd::FromHandlePermanent(client));
    if (groups == nullptr)
        return;
    SetHideFlags(uiHideExpanded);
    const UINT ids[] = {9422, 9423, 9420, 9421};
    int index = GetIndex();
    for (UINT id : ids) {
        if (!groups->QueryGroupCommand(id))
            continue;
        CUIControl* entry = GetControls()->Add(uiControlButton, id, "", ++index, TRUE);
        if (index == GetIndex() + 1)
            entry->SetBeginGroup(GetBeginGroup());
    }
}

CUIControl* CUIControlWorkspaceActions::Clone(BOOL recursive) {
    return CloneAs<CUIControlWorkspaceActions>(this, recursive);
}
