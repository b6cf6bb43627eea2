// The customized controls of a customizable frame's bars, kept between runs as an
// archive in the profile or, when large, in a hidden file beside the program.
#include "ui/commandbars/UICommandBars.h"

#include "ui/commandbars/UICommandBarList.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CArchive.h"
#include "platform/CException.h"
#include "platform/CFile.h"
#include "platform/CFrameWnd.h"
#include "platform/CMemFile.h"
#include "platform/CWinApp.h"
#include "platform/MessageBox.h"
#include "res/resource.h"

#include <cstdlib>

namespace {

CString ControlsSection(LPCSTR profileName) {
    CString section;
    section.Format("%s-Controls", profileName);
    return section;
}

// Writes the whole file under a new name and only then puts it in the old one's place,
// so a failed write leaves the earlier file as it was.
BOOL ReplaceHiddenFile(const CString& path, const BYTE* data, UINT length) {
    const CString written = path + ".new";
    HANDLE file = ::CreateFileA(written, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD done = 0;
    const BOOL complete = ::WriteFile(file, data, length, &done, nullptr) && done == length;
    ::CloseHandle(file);
    ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    if (!complete || !::MoveFileExA(written, path, MOVEFILE_REPLACE_EXISTING)) {
        ::DeleteFileA(written);
        ::SetFileAttributesA(path, FILE_ATTRIBUTE_HIDDEN);
        return FALSE;
    }
    ::SetFileAttributesA(path, FILE_ATTRIBUTE_HIDDEN);
    return TRUE;
}

}  // namespace

void CUICommandBars::GenerateCommandBarList(CUICommandBarList* list) {
    for (CUICommandBar* bar : m_bars) {
        CUIToolBar* toolBar = dynamic_cast<CUIToolBar*>(bar);
        CUIControls* controls = bar->GetControls();
        const BOOL builtIn = toolBar && toolBar->m_resettable && controls->GetOriginalControls() != nullptr;
        if (builtIn && !controls->IsChanged())
            continue;
        bar->GenerateCommandBarList(list);
    }
}

void CUICommandBars::SaveCustomization(CArchive& ar, CUICommandBarList* list) {
    ar.m_pDocument = reinterpret_cast<CDocument*>(this);
    ar << list->GetCount();
    for (int i = 0; i < list->GetCount(); ++i)
        ar.WriteObject(list->GetAt(i));
}

BOOL CUICommandBars::LoadCustomization(CArchive& ar, CUICommandBarList* list) {
    ar.m_pDocument = reinterpret_cast<CDocument*>(this);
    try {
        int count = 0;
        ar >> count;
        for (int i = 0; i < count; ++i) {
            // Anything but a bar is refused by the archive.
            CUICommandBar* bar = static_cast<CUICommandBar*>(ar.ReadObject(RUNTIME_CLASS(CUICommandBar)));
            if (bar == nullptr || list->Contains(bar))
                return FALSE;
            bar->GetControls()->RefreshIndexes();
            list->Add(bar);
            bar->InternalRelease();  // the list holds it now
        }
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CUICommandBars::ApplyCustomization(CUICommandBarList* list, BOOL silent) {
    for (int i = 0; i < list->GetCount(); ++i) {
        CUIToolBar* loaded = dynamic_cast<CUIToolBar*>(list->GetAt(i));
        if (loaded == nullptr || loaded->GetType() != uiBarTypeToolBar)
            continue;
        CUIToolBar* existing = dynamic_cast<CUIToolBar*>(GetToolBar(loaded->GetBarID()));
        loaded->RestoreCommandBarList(list);
        if (existing == nullptr) {
            // A toolbar the user made.
            loaded->InternalAddRef();
            loaded->SetCommandBars(this);
            AppendBar(loaded);
            loaded->SetFloatingMode(m_site, FALSE);
            loaded->EnableDocking(loaded->m_dockingFlags);
            continue;
        }
        CUIControls* ownOriginal = existing->GetControls()->GetOriginalControls();
        CUIControls* loadedOriginal = loaded->GetControls()->GetOriginalControls();
        BOOL keepOwnOriginal = loadedOriginal == nullptr;
        if (ownOriginal && loadedOriginal && !ownOriginal->Compare(loadedOriginal)) {
            // The program's toolbar changed since the customization was saved.
            if (silent || loaded->GetControls()->Compare(loadedOriginal))
                continue;
            CString format;
            format.LoadString(IDS_CONFIRM_RELOAD_TOOLBAR);
            CString text;
            text.Format(format, static_cast<LPCSTR>(existing->GetTitle()));
            if (AfxMessageBox(text, MB_YESNO | MB_ICONQUESTION) == IDYES)
                continue;
            keepOwnOriginal = TRUE;
        }
        CUIControls* kept = keepOwnOriginal ? existing->GetControls()->DetachOriginalControls() : nullptr;
        existing->Copy(loaded, FALSE);
        if (keepOwnOriginal)
            existing->GetControls()->SetOriginalControls(kept);
        existing->DelayLayout();
    }
}

void CUICommandBars::StoreCustomization(LPCSTR profileName) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return;
    const CString section = ControlsSection(profileName);
    CMemFile file(1024);
    try {
        CUICommandBarList list;
        GenerateCommandBarList(&list);
        CArchive ar(&file, CArchive::store, 4096);
        SaveCustomization(ar, &list);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        app->WriteProfileString(section, nullptr, nullptr);
        return;
    }
    const UINT length = static_cast<UINT>(file.GetLength());
    BYTE* bytes = file.Detach();
    CString hidden;
    GetHiddenFileName(&hidden, profileName);
    if (length > MaxProfileControlsSize) {
        if (ReplaceHiddenFile(hidden, bytes, length)) {
            app->WriteProfileString(section, "Controls", hidden);
            app->WriteProfileInt(section, "LoadFromFile", 1);
        }
    } else {
        app->WriteProfileBinary(section, "Controls", bytes, length);
        app->WriteProfileInt(section, "LoadFromFile", 0);
        // Only now that the profile holds the controls is the earlier file of no use.
        ::DeleteFileA(hidden);
    }
    std::free(bytes);
}

void CUICommandBars::RestoreCustomizationFrom(CFile* file, BOOL silent) {
    CUICommandBarList list;
    BOOL loaded = FALSE;
    {
        CArchive ar(file, CArchive::load, 4096);
        loaded = LoadCustomization(ar, &list);
    }
    if (loaded)
        ApplyCustomization(&list, silent);
}

void CUICommandBars::RestoreCustomization(LPCSTR profileName, BOOL silent) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return;
    const CString section = ControlsSection(profileName);
    if (app->GetProfileInt(section, "LoadFromFile", 0) != 0) {
        CFile file;
        if (file.Open(app->GetProfileString(section, "Controls"), CFile::modeRead | CFile::shareDenyWrite))
            RestoreCustomizationFrom(&file, silent);
        return;
    }
    BYTE* bytes = nullptr;
    UINT length = 0;
    if (!app->GetProfileBinary(section, "Controls", &bytes, &length))
        return;
    {
        CMemFile file(bytes, length);
        RestoreCustomizationFrom(&file, silent);
    }
    delete[] bytes;
}
