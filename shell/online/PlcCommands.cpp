#include "shell/online/PlcCommands.h"

#include "comm/CommSettingsDlg.h"
#include "comm/CommTask.h"
#include "comm/CpuPasswordDlg.h"
#include "comm/DownloadDlg.h"
#include "comm/PlcClockDlg.h"
#include "comm/PlcInfoDlg.h"
#include "comm/PlcPasswordDlg.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransaction.h"
#include "comm/PlcTransfers.h"
#include "comm/ShowCommError.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeNode.h"
#include "project/UploadedImage.h"
#include "shell/project/PouNames.h"
#include "shell/project/ProjectFileDialogs.h"

#include <algorithm>

namespace {

const DWORD kShortLockMs = 1000;
const DWORD kLongLockMs = 1500;
const char kNotice[] = "提示";
const char kError[] = "错误";

// The byte of an uploaded image that names the edition it was made with.
const size_t kEditionByte = 5;

// The wait cursor, on from the start or from On, for as long as the object lives or until
// Off.
class WaitCursor {
public:
    WaitCursor(PlcCommandHost& host, bool on) : m_host(host) {
        if (on)
            On();
    }
    ~WaitCursor() { Off(); }
    void On() {
        m_host.SetWaitCursor(true);
        m_on = true;
    }
    void Off() {
        if (m_on)
            m_host.SetWaitCursor(false);
        m_on = false;
    }

private:
    PlcCommandHost& m_host;
    bool m_on = false;
};

void ShowUploadError(HWND owner, const char* text) {
    AfxShowMessageBox(owner, text, kError, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

CPlcCommands::CPlcCommands(CPlcWorkspace& workspace, PlcCommandHost& host) : m_workspace(workspace), m_host(host) {}

bool CPlcCommands::AskYes(const char* question) const {
    return AfxShowMessageBox(m_host.FrameWindow(), question, kNotice, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CPlcCommands::Inform(const char* text) const {
    AfxShowMessageBox(m_host.FrameWindow(), text, kNotice, MB_OK | MB_ICONINFORMATION);
}

bool CPlcCommands::TakeTurn(CCommTask& task, const LineTurn& turn, const std::function<CommResult()>& exchange,
                            const std::function<void()>& whileWaiting) {
    const HWND owner = m_host.FrameWindow();
    WaitCursor wait(m_host, turn.waitFrom == WaitFrom::Lock);
    if (!task.TryLock(turn.lockMs)) {
        wait.Off();
        ShowCommBusy(owner, kCommBusySpacedText);
        return false;
    }
    if (!task.OpenPort(owner))
        return false;
    if (turn.waitFrom == WaitFrom::Port)
        wait.On();
    const CommResult result = exchange();
    task.Unlock();
    if (result != kCommOk) {
        wait.Off();
        ShowCommError(owner, result);
        return false;
    }
    if (whileWaiting)
        whileWaiting();
    return true;
}

void CPlcCommands::OnPlcInfo() {
    const auto readStateAndInfo = [this] {
        const CommResult result = PlcReadStatus();
        if (result != kCommOk)
            return result;
        m_workspace.plcInfoState = ReplyData()[0];
        return PlcReadInfo();
    };
    CCommTask task(m_workspace.commLock);
    if (TakeTurn(task, {kLongLockMs, WaitFrom::Port}, readStateAndInfo))
        CPlcInfoDlg(CWnd::FromHandle(m_host.FrameWindow())).DoModal();
}

void CPlcCommands::OnPlcClear() {
    if (!AskYes("确实要清除CPU内的所有用户信息吗？"))
        return;
    CCommTask task(m_workspace.commLock);
    if (!TakeTurn(task, {kShortLockMs, WaitFrom::Lock}, PlcClear))
        return;
    task.ClosePort();
    Inform("CPU内的所有用户信息已全部清除！  ");
}

void CPlcCommands::OnPlcStop() { RunOrStop("确实要停止CPU吗？", 0, "PLC已停止！  "); }

void CPlcCommands::OnPlcRun() { RunOrStop("确实要启动CPU吗？", 1, "PLC已启动！  "); }

void CPlcCommands::RunOrStop(const char* question, int run, const char* done) {
    if (!AskYes(question))
        return;
    CCommTask task(m_workspace.commLock);
    if (TakeTurn(task, {kShortLockMs, WaitFrom::Lock}, [run] { return PlcRunStop(run); }))
        Inform(done);
}

// The clock dialog takes the lock for each of its exchanges; the port stays open while
// it is shown.
void CPlcCommands::OnPlcClock() {
    CCommTask task(m_workspace.commLock);
    if (TakeTurn(task, {kLongLockMs, WaitFrom::Port}, PlcReadClock))
        CPlcClockDlg(CWnd::FromHandle(m_host.FrameWindow())).DoModal();
}

// The PLC's CRC, low byte first, against the project's after the compile, which runs
// with the port still open.
void CPlcCommands::OnPlcCompare() {
    uint8_t plcLow = 0, plcHigh = 0;
    const auto readCrc = [&] {
        const CommResult result = PlcReadProgramCrc();
        if (result == kCommOk) {
            plcLow = ReplyData()[0];
            plcHigh = ReplyData()[1];
        }
        return result;
    };
    CCommTask task(m_workspace.commLock);
    if (!TakeTurn(task, {kShortLockMs, WaitFrom::Lock}, readCrc, [this] { m_host.Compile(); }) ||
        !m_workspace.project.targetReady)
        return;
    const WORD crc = m_workspace.project.projectCrc;
    Inform(plcLow == LOBYTE(crc) && plcHigh == HIBYTE(crc) ? "当前打开的工程与PLC内的工程一致！"
                                                           : "当前打开的工程与PLC内的工程不一致！");
}

void CPlcCommands::OnDownload() {
    if (m_workspace.compileBeforeDownload == 0)
        m_host.Compile();
    if (!m_workspace.project.targetReady || !m_workspace.project.imageBuilt) {
        m_host.ReportPlcResult(ResultDownloadNeedsCompile);
        return;
    }
    CDownloadDlg(CWnd::FromHandle(m_host.FrameWindow())).DoModal();
}

CPlcCommands::UploadEdition CPlcCommands::EditionOf(const std::vector<uint8_t>& image) {
    if (image.size() <= kEditionByte)
        return UploadEdition::Unknown;
    switch (image[kEditionByte]) {
    case 0x00: return UploadEdition::Ours;
    case 0x80: return UploadEdition::Orin;
    case 0x40: return UploadEdition::Vela;
    default: return UploadEdition::Unknown;
    }
}

bool CPlcCommands::RefuseEdition(UploadEdition edition) const {
    const HWND owner = m_host.FrameWindow();
    switch (edition) {
    case UploadEdition::Ours: return false;
    case UploadEdition::Orin: ShowUploadError(owner, "通用版Tessaron无法上载Orin版本的用户工程。"); break;
    case UploadEdition::Vela: ShowUploadError(owner, "通用版Tessaron无法上载Vela版本的用户工程。"); break;
    case UploadEdition::Unknown: ShowUploadError(owner, "PLC中的上位机版本信息错误。"); break;
    }
    return true;
}

// The lock is given back once the image is read; the port stays open until the new
// project is made.
void CPlcCommands::OnUpload() {
    std::vector<uint8_t> image;
    const auto readImage = [&] {
        const CommResult result = UploadTarget(image);
        if (result != kCommPasswordNeeded)
            return result;
        return CPlcPasswordDlg(CWnd::FromHandle(m_host.FrameWindow())).DoModal() == IDOK ? UploadTarget(image)
                                                                                         : kCommPasswordCancelled;
    };
    CCommTask task(m_workspace.commLock);
    if (!TakeTurn(task, {kLongLockMs, WaitFrom::Lock}, readImage))
        return;
    const HWND owner = m_host.FrameWindow();
    CString path;
    if (!AskProjectPath(ProjectDialog::Upload, path))
        return;
    RememberProjectFolder(path);
    if (!m_host.CloseProject() || RefuseEdition(EditionOf(image)) || !m_host.SaveProjectAs(path))
        return;
    CQLXProject& project = m_workspace.project;
    project.transferBytes.SetSize(static_cast<INT_PTR>(image.size()));
    std::copy(image.begin(), image.end(), project.transferBytes.GetData());
    if (!ParseUploadedImage(project))
        ShowUploadError(owner, "恢复工程时出错。");
    m_host.SaveProject();
    m_host.RebuildProjectTrees();
    m_workspace.projectOpen = 1;
    m_host.OpenUploadedPous();
    m_host.SaveProject();
}

void CPlcCommands::OnChangePassword() { CCpuPasswordDlg(CWnd::FromHandle(m_host.FrameWindow())).DoModal(); }

// Silent when the line is busy: the dialog would only be refused.
void CPlcCommands::OnCommSettings() {
    if (m_workspace.onlineMonitoring || m_workspace.monitorPause.IsPaused())
        return;
    {
        CCommTask task(m_workspace.commLock);
        if (!task.TryLock(kLongLockMs))
            return;
    }
    const HWND focus = ::GetFocus();
    CCommSettingsDlg(CWnd::FromHandle(m_host.FrameWindow())).DoModal();
    if (focus != nullptr && ::IsWindow(focus))
        ::SetFocus(focus);
}

namespace {

// The map's POUs by number.
std::vector<const CProjTreeNode*> NodesByNumber(const CMapStringToOb& map) {
    std::vector<const CProjTreeNode*> nodes;
    for (POSITION at = map.GetStartPosition(); at != nullptr;) {
        CString name;
        CObject* node = nullptr;
        map.GetNextAssoc(at, name, node);
        nodes.push_back(static_cast<const CProjTreeNode*>(node));
    }
    std::sort(nodes.begin(), nodes.end(), [](auto* a, auto* b) { return a->number < b->number; });
    return nodes;
}

}  // namespace

std::vector<UploadedPou> UploadedPousToOpen(const CQLXProject& project) {
    std::vector<UploadedPou> pous;
    if (!project.hasMain)
        return pous;
    std::vector<const CProjTreeNode*> nodes = NodesByNumber(project.sbrByName);
    for (const CProjTreeNode* node : NodesByNumber(project.intByName))
        nodes.push_back(node);
    nodes.push_back(&project.mainPou);
    for (const CProjTreeNode* node : nodes) {
        if (node->language != 1 && node->language != 2)
            continue;
        CString key;
        if (node->kind == PouMain)
            key = "(MAIN) ";
        else
            key.Format("(%s%02d) ", node->kind == PouSubroutine ? "SBR" : "INT", node->number);
        pous.push_back({PouProgramPath(project.folder, *node), key});
    }
    return pous;
}
