// The online display of the IL editor (live values in a monitor column between the
// gutter and the text) and forcing the operand under the caret.
#include "editors/ILEditEngine.h"
#include "editors/ILLineMonitor.h"
#include "editors/ILModel.h"
#include "editors/POUEditorView.h"
#include "language/DirectAddress.h"
#include "platform/CDC.h"
#include "platform/SyncObjects.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFunc.h"
#include "project/NameChecks.h"

namespace {
const int kMonitorColumnWidth = 300;
const COLORREF kMonitorBorder = RGB(255, 255, 0);
// The monitor worker decodes under this lock; a paint waits at most this long for it.
const DWORD kMonitorLockTimeout = 100;
const OperandDescriptor kTimerCounterAreas = 0x200000 | 0x400000;
}  // namespace

void CILEditEngine::OnMonitorStart() {
    if (IsOffline()) return;
    if (m_nMonitorWidth == 0) {
        m_nMonitorWidth = kMonitorColumnWidth;
        ShowCaretAtPosition();
        ClearMonitorRecords();
        RebuildMonitorRecords();
    }
    Redraw();
}

void CILEditEngine::OnMonitorStop() {
    m_nMonitorWidth = 0;
    ShowCaretAtPosition();
    Redraw();
}

void CILEditEngine::ClearMonitorRecords() { m_monitorRecords.clear(); }

void CILEditEngine::RebuildMonitorRecords() {
    m_pModel->BuildMonitorRecords(m_monitorRecords);
    for (auto& record : m_monitorRecords) record->SetMetrics(m_nCharWidth, m_nLineHeight);
}

// One wait for the monitor-data lock per paint: without it no values are drawn this time.
// Only the records of the rows shown are drawn.
void CILEditEngine::DrawMonitorColumn(CDC* dc) {
    CSize client = ClientSize();
    CPen border(PS_SOLID, 1, kMonitorBorder);
    CBrush white(RGB(255, 255, 255));
    CPen* oldPen = dc->SelectObject(&border);
    CBrush* oldBrush = dc->SelectObject(&white);
    int right = m_nGutterWidth + m_nMonitorWidth;
    dc->Rectangle(m_nGutterWidth, 0, right, client.cy);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    dc->SelectObject(&black);
    dc->MoveTo(right - 1, 0);
    dc->LineTo(right - 1, client.cy);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
    if (!theWorkspace) return;
    CSingleLock lock(&theWorkspace->monitorDataLock);
    if (!lock.Lock(kMonitorLockTimeout)) return;
    CFont* oldFont = dc->SelectObject(&m_screenFont);
    dc->SetBkMode(TRANSPARENT);
    int first = FirstVisibleLine();
    int last = first + client.cy / m_nLineHeight + 1;
    BOOL showAddresses = !theWorkspace->showGlobalNames;
    for (auto& record : m_monitorRecords) {
        if (record->GetLine() >= first && record->GetLine() <= last) record->Draw(dc, right, m_nScrollY, showAddresses);
    }
    dc->SelectObject(oldFont);
}

void CILEditEngine::PickForceTarget() {
    m_strForceTarget.Empty();
    m_forceTargetType = 0;
    m_bForceTargetValid = FALSE;
    const CStringArray& lines = m_pModel->GetLines();
    if (m_nCaretLine < 0 || m_nCaretLine >= lines.GetSize()) return;
    const CString& text = lines[m_nCaretLine];
    if (m_nCaretColumn < 0 || m_nCaretColumn >= text.GetLength()) return;
    auto bound = [](char ch) { return ch == ',' || ch == ' '; };
    int start = m_nCaretColumn, end = m_nCaretColumn;
    while (start > 0 && !bound(text[start - 1])) --start;
    while (end < text.GetLength() && !bound(text[end])) ++end;
    m_strForceTarget = text.Mid(start, end - start);
    OperandDescriptor descriptor = 0;
    m_bForceTargetValid = !m_strForceTarget.IsEmpty() && IsForceableOperand(m_strForceTarget, descriptor);
    m_forceTargetType = descriptor;
}

// ---- the model's records ----

void CILModel::BuildMonitorRecords(std::vector<std::unique_ptr<CILLineMonitor>>& records) {
    CILEditEngine* engine = m_pILEngine;
    for (int line = 0; line < m_lines.GetSize(); ++line) {
        CString text = m_lines[line];
        text.Trim();
        if (text.IsEmpty()) continue;
        text = m_parser.StripComments(text);
        text.Trim();
        if (text.IsEmpty() || text == "AND(") continue;
        if (engine->CheckLabelLine(text, line) != -1) continue;
        CStringArray words;
        engine->SplitOperands(text, words);
        if (words.GetSize() == 0) continue;
        if ((words[0] == "ATCH" && engine->CheckAttachLine(words)) || engine->CheckJumpLine(words) == 1) continue;
        if (engine->CheckInstructionLine(words, line, PouName()) == -1) engine->CheckCallLine(words, PouName());
        auto record = std::make_unique<CILLineMonitor>();
        record->SetLine(line);
        AddMonitorOperands(*record, words);
        records.push_back(std::move(record));
    }
}

void CILModel::AddMonitorOperands(CILLineMonitor& record, const CStringArray& words) {
    const InstrSpec& resolved = m_pILEngine->ResolvedInstruction();
    for (int j = 0; j < words.GetSize(); ++j) {
        CString word = words[j];
        word.Trim();
        if (IsReservedWord(word)) continue;
        OperandDescriptor descriptor = 0;
        CString address;
        if (ParseDirectAddress(word, descriptor)) {
            address = word;
        } else {
            int dot = word.Find('.');
            if (dot >= 0) word = word.Left(dot);
            CQLXFunc function;
            if (word.Find(':') >= 0 || IsJumpWord(word) || word == "CAL" || word == "CALC" || word == "CALCN" ||
                IsReservedWord(word) || (theWorkspace && theWorkspace->GetFuncDef(word, function)))
                continue;
            if (!m_pILEngine->ResolveToAddress(word, address) || !ParseDirectAddress(address, descriptor)) continue;
        }
        OperandDescriptor type = SelectOperandType(j, resolved, descriptor);
        BOOL timerCounter = (descriptor & kTimerCounterAreas) && (type & OD_BOOL);
        record.AddOperand(word, address, type, timerCounter);
    }
}
