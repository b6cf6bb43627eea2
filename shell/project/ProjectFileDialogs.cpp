#include "shell/project/ProjectFileDialogs.h"

#include "platform/CFileDialog.h"
#include "platform/CWinApp.h"
#include "project/FileUtils.h"
#include "project/ProjectConverter.h"
#include "project/SharedConstants.h"
#include "shell/project/ProjectShell.h"

namespace {

struct DialogSpec {
    BOOL open;
    LPCSTR title;
    LPCSTR defaultName;
    LPCSTR filter;
    LPCSTR startFolder;  // below the program's folder
};

const DialogSpec& SpecOf(ProjectDialog kind) {
    static const DialogSpec specs[] = {
        {FALSE, "新建工程", "project.qpr", "工程文件 (*.qpr)|*.qpr||", "R2Proj"},
        {TRUE, "打开工程", nullptr, "Tessaron工程文件 (*.qpr)|*.qpr||", "project"},
        {FALSE, "工程另存为...", nullptr, "工程文件 (*.qpr)|*.qpr||", "project"},
        {FALSE, "上载至...", "project.qpr", "工程文件 (*.qpr)|*.qpr||", "project"},
    };
    return specs[static_cast<int>(kind)];
}

}  // namespace

BOOL AskProjectPath(ProjectDialog kind, CString& path) {
    const DialogSpec& spec = SpecOf(kind);
    DWORD flags = OFN_LONGNAMES | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!spec.open)
        flags |= OFN_OVERWRITEPROMPT;
    CString start;
    if (CWinApp* app = AfxGetApp())
        start = app->GetProfileString(SectionConfiguration, ValuePrevProj);
    if (start.IsEmpty())
        start = InstallationFolder() + "\\" + spec.startFolder;
    CFileDialog dialog(spec.open, "qpr", spec.defaultName, flags, spec.filter, GetProjectShell().GetMainWindow());
    dialog.m_ofn.lpstrTitle = spec.title;
    dialog.m_ofn.lpstrInitialDir = start;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}

void RememberProjectFolder(const CString& path) {
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileString(SectionConfiguration, ValuePrevProj, GetFolderPart(path));
}
