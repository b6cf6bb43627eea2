// Writing a layout to the registry and reading single values back.
#include "ui/docking/UIDockingPaneLayoutState.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <vector>

#include "platform/CWinApp.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneMiniWnd.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {
// "Pane-" followed by decimal digits only.
BOOL IsPaneSection(const char* name) {
    const char prefix[] = "Pane-";
    if (std::strncmp(name, prefix, sizeof(prefix) - 1) != 0)
        return FALSE;
    const char* digits = name + sizeof(prefix) - 1;
    if (!*digits)
        return FALSE;
    for (; *digits; ++digits)
        if (!std::isdigit(static_cast<unsigned char>(*digits)))
            return FALSE;
    return TRUE;
}

std::vector<CString> SubkeyNames(HKEY key) {
    std::vector<CString> names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof(name);
        if (::RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name);
    }
    return names;
}
}  // namespace

// The old layout goes before the new one is written: every "Pane-%d" subkey that
// exists, whatever count "Summary" claims (a damaged count must not loop nor leave
// strays), then "Summary".
void CUIDockingPaneLayoutState::DeleteOldLayout() {
    for (const CString& name : SubkeyNames(m_key))
        if (IsPaneSection(name))
            ::RegDeleteKeyA(m_key, name);
    ::RegDeleteKeyA(m_key, "Summary");
}

void CUIDockingPaneLayoutState::PurgeElements() {
    std::set<CUIDockingPaneBase*> referenced;
    for (const DockingPaneInfo& info : m_panes) {
        referenced.insert(info.dockingHolder);
        referenced.insert(info.floatingHolder);
        referenced.insert(info.pane->GetHolder());
    }
    auto unreferencedTabbed = [&referenced](CUIDockingPaneBase* element) {
        return element->GetKind() == DockingPaneKindTabbed && !referenced.count(element);
    };
    CUIDockingPaneList elements = m_elements;
    for (CUIDockingPaneBase* element : elements)
        if (unreferencedTabbed(element) && element->GetHolder())
            element->GetHolder()->RemovePane(element);
    auto purged = [&](CUIDockingPaneBase* element) {
        if (unreferencedTabbed(element))
            return true;
        if (element->GetKind() == DockingPaneKindSplit)
            return static_cast<CUIDockingPaneSplitContainer*>(element)->GetChildren().empty();
        if (element->GetKind() == DockingPaneKindFloating)
            return static_cast<CUIDockingPaneMiniWnd*>(element)->GetTopContainer() == nullptr;
        return false;
    };
    CUIDockingPaneList kept;
    for (CUIDockingPaneBase* element : m_elements) {
        if (purged(element))
            DestroyElement(element);
        else
            kept.push_back(element);
    }
    m_elements = kept;
}

void CUIDockingPaneLayoutState::SaveToRegistry(LPCSTR name) {
    CWinApp* app = AfxGetApp();
    HKEY section = app ? app->GetSectionKey("DockingPaneLayouts") : nullptr;
    if (!section)
        return;
    HKEY key = nullptr;
    if (::RegCreateKeyExA(section, name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        ::RegCloseKey(section);
        return;
    }
    m_key = key;
    DeleteOldLayout();
    PurgeElements();
    int number = 0;
    for (CUIDockingPaneBase* element : m_elements)
        element->m_number = ++number;
    for (CUIDockingPaneBase* element : m_elements)
        element->SaveToRegistry(this);
    WriteInt("Summary", "TopContainer", m_top ? m_top->m_number : 0);
    WriteInt("Summary", "Client", m_client ? m_client->m_number : 0);
    WriteInt("Summary", "Panes", number);
    m_key = nullptr;
    ::RegCloseKey(key);
    ::RegCloseKey(section);
}

BOOL CUIDockingPaneLayoutState::WriteInt(LPCSTR section, LPCSTR name, int value) {
    HKEY key = nullptr;
    if (!m_key || ::RegCreateKeyExA(m_key, section, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                                    &key, nullptr) != ERROR_SUCCESS)
        return FALSE;
    DWORD data = static_cast<DWORD>(value);
    LONG result = ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

BOOL CUIDockingPaneLayoutState::WriteString(LPCSTR section, LPCSTR name, LPCSTR value) {
    HKEY key = nullptr;
    if (!m_key || ::RegCreateKeyExA(m_key, section, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                                    &key, nullptr) != ERROR_SUCCESS)
        return FALSE;
    LONG result = ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                   static_cast<DWORD>(std::strlen(value) + 1));
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

int CUIDockingPaneLayoutState::ReadInt(LPCSTR section, LPCSTR name, int defaultValue) {
    HKEY key = nullptr;
    if (!m_key || ::RegOpenKeyExA(m_key, section, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return defaultValue;
    DWORD data = 0, type = 0, size = sizeof(data);
    LONG result = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(data) ? static_cast<int>(data)
                                                                                : defaultValue;
}

CString CUIDockingPaneLayoutState::ReadString(LPCSTR section, LPCSTR name, LPCSTR defaultValue) {
    HKEY key = nullptr;
    if (!m_key || ::RegOpenKeyExA(m_key, section, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return defaultValue;
    char buffer[1024];
    DWORD type = 0, size = sizeof(buffer) - 1;
    LONG result = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return defaultValue;
    buffer[size] = '\0';
    return buffer;
}
