#include "shell/archive/ArchiveCommands.h"

#include "platform/CFileDialog.h"
#include "platform/CFolderDialog.h"
#include "platform/CWinApp.h"
#include "project/FileUtils.h"
#include "project/ProjectConverter.h"
#include "project/SharedConstants.h"

namespace {

const char kArchiveFilter[] = "工程备份文件 (*.zip)|*.zip||";

CString ProfileText(LPCSTR value) {
    CWinApp* app = AfxGetApp();
    return app ? app->GetProfileString(SectionConfiguration, value) : CString();
}

CString OrProjectFolder(const CString& folder) {
    return folder.IsEmpty() ? InstallationFolder() + "\\project" : folder;
}

int CALLBACK BrowseFolderCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM) {
    if (message == BFFM_INITIALIZED) {
        ::SetWindowTextA(dialog, "请选择工程的存放路径：");
        const CString start = CArchiveCommands::ImportStartFolder();
        ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(start)));
    } else if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH] = "";
        if (::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(parameter), path))
            ::SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0,
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(ShortenFolderForStatus(path))));
    }
    return 0;
}

}  // namespace

CString CArchiveCommands::ArchiveStartFolder() { return OrProjectFolder(ProfileText(ValueZipPath)); }

CString CArchiveCommands::ImportStartFolder() { return OrProjectFolder(ProfileText(ValuePrevProj)); }

BOOL CArchiveCommands::AskArchive(BOOL open, const CString& defaultName, CString& path) const {
    DWORD flags = OFN_LONGNAMES | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!open)
        flags |= OFN_OVERWRITEPROMPT;
    const CString start = ArchiveStartFolder();
    CFileDialog dialog(open, "zip", open ? nullptr : static_cast<LPCSTR>(defaultName), flags, kArchiveFilter, m_owner);
    dialog.m_ofn.lpstrTitle = open ? "导入工程..." : "导出工程...";
    dialog.m_ofn.lpstrInitialDir = start;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    path.Trim();
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileString(SectionConfiguration, ValueZipPath, GetFolderPart(path));
    return TRUE;
}

BOOL CArchiveCommands::AskTargetFolder(CString& folder) const {
    CFolderDialog dialog(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT, m_owner);
    dialog.m_bi.lpfn = BrowseFolderCallback;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    folder = dialog.m_strFolderPath;
    return TRUE;
}

void CArchiveCommands::OnExportProject(const CString& projectFile, const CString& projectName) {
    CString archive;
    if (AskArchive(FALSE, projectName + "备份", archive))
        m_archive.ExportProjectToZip(projectFile, archive, TRUE);
}

void CArchiveCommands::OnImportProject() {
    CString archive, folder;
    if (AskArchive(TRUE, CString(), archive) && AskTargetFolder(folder))
        m_archive.ImportProject(archive, folder, m_shell);
}
