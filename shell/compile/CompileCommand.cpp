#include "shell/compile/CompileCommand.h"

#include "compiler/CompileDriver.h"
#include "compiler/CompileFileList.h"
#include "compiler/CompileShell.h"
#include "platform/CWinThread.h"
#include "platform/CWnd.h"
#include "project/CPlcWorkspace.h"
#include "shell/compile/CompileFileOrder.h"

#include <vector>

namespace {

bool HasLanguage(const CProjTreeNode& node) { return node.language == 1 || node.language == 2; }

void AddUnits(const CMapStringToOb& nodes, CompileUnit::Kind kind, std::vector<CompileUnit>& units) {
    POSITION position = nodes.GetStartPosition();
    while (position) {
        CString key;
        CObject* value = nullptr;
        nodes.GetNextAssoc(position, key, value);
        const CProjTreeNode* node = dynamic_cast<const CProjTreeNode*>(value);
        if (node && HasLanguage(*node)) units.push_back({kind, node->number, node->name});
    }
}

void AddUnits(const CMapWordToOb& nodes, CompileUnit::Kind kind, std::vector<CompileUnit>& units) {
    POSITION position = nodes.GetStartPosition();
    while (position) {
        WORD key = 0;
        CObject* value = nullptr;
        nodes.GetNextAssoc(position, key, value);
        const CProjTreeNode* node = dynamic_cast<const CProjTreeNode*>(value);
        if (node && HasLanguage(*node)) units.push_back({kind, node->number, node->name});
    }
}

// Turns the wait cursor on for a scope; every way out turns it off.
class WaitCursorScope {
public:
    explicit WaitCursorScope(ICompileCommandHost& host) : m_host(host) { m_host.SetWaitCursor(TRUE); }
    ~WaitCursorScope() { m_host.SetWaitCursor(FALSE); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    ICompileCommandHost& m_host;
};

void ShowNotice(LPCSTR text) {
    CWnd* mainWindow = AfxGetMainWnd();
    AfxShowMessageBox(mainWindow ? mainWindow->GetSafeHwnd() : nullptr, text, "提示", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void CCompileCommand::Run() {
    m_host.FlushActiveEditor();
    m_host.ShowOutputPane();
    m_workspace.ClearMonitorOperands();
    WaitCursorScope waitCursor(m_host);
    CQLXProject& project = m_workspace.project;
    if (!m_host.SaveProject()) {
        project.targetReady = 0;
        return;
    }
    m_host.StartCompileList();
    if (!ProjectIsCompilable()) {
        project.targetReady = 0;
        return;
    }
    Compile();
    m_host.SelectLastCompileLine();
    if (!project.targetReady) return;
    BuildTargetFile();
}

BOOL CCompileCommand::ProjectIsCompilable() {
    const CQLXProject& project = m_workspace.project;
    if (project.modules.GetSize() == 0) {
        AddCompileLine("$$$ 硬件配置不存在，停止编译！在编译工程之前，请先完成硬件配置!");
        return FALSE;
    }
    if (project.hasMain == 0) {
        AddCompileLine("$$$ 主程序文件不存在，停止编译！");
        return FALSE;
    }
    return TRUE;
}

void CCompileCommand::Compile() {
    CStringArray prepared, ordered;
    PrepareCompileFiles(prepared);
    if (!OrderCompileFiles(prepared, ordered)) ShowNotice("生成待编译的文件列表时出错");
    std::vector<CString> names;
    for (int i = 0; i < ordered.GetSize(); ++i) names.push_back(ordered[i]);
    CCompileDriver driver(names.data(), static_cast<int>(names.size()));
    m_workspace.project.targetReady = driver.Compile(false) ? 1 : 0;
}

void CCompileCommand::BuildTargetFile() {
    CQLXProject& project = m_workspace.project;
    project.imageBuilt = project.BuildTargetImage();
    if (!project.imageBuilt) {
        ShowNotice("生成PLC内存表失败！ \r\n若重试后仍存在此问题，请重新启动计算机或者与我公司联系。  ");
        return;
    }
    project.StoreProjectCrc(project.ComputeProjectCrc());
    project.targetReady = project.WriteTargetFile();
    m_host.RefreshCrossReference();
}

void CCompileCommand::PrepareCompileFiles(CStringArray& files) const {
    const CQLXProject& project = m_workspace.project;
    std::vector<CompileUnit> units;
    AddUnits(project.sbrByName, CompileUnit::kSubroutine, units);
    AddUnits(project.intByNumber, CompileUnit::kInterrupt, units);
    if (HasLanguage(project.mainPou)) units.push_back({CompileUnit::kMain, 0, project.mainPou.name});
    const bool hasGlobals = project.symbolList.GetSize() > 0 || project.fbInstances.GetSize() > 0;
    files.RemoveAll();
    BuildCompileFileList(project.filePath, units, hasGlobals, files);
}

void CCompileCommand::AddCompileLine(const CString& text) {
    if (ICompileShell* shell = GetCompileShell()) shell->AddOutputLine(ICompileShell::kCompileTab, text);
}
