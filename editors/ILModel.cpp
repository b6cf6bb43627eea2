#include "editors/ILModel.h"

#include "editors/ILEditEngine.h"
#include "editors/POUEditorDoc.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "project/CPlcWorkspace.h"

namespace {
const int kIL = 1;
const int kInitialSnapshotGrowth = 102;
const char kTabAsBlanks[] = "        ";
}  // namespace

CILModel::CILModel() : m_pILEngine(new CILEditEngine(this)) {
    m_nLanguage = kIL;
    m_pEngine = m_pILEngine;
    m_lines.Add("");
}

CILModel::~CILModel() { delete m_pILEngine; }

CString CILModel::HeaderText(int number) {
    CString header;
    header.Format("(* Network %d *)", number);
    return header;
}

void CILModel::ReadLines(CArchive& ar) {
    m_lines.RemoveAll();
    CString line;
    while (ar.ReadString(line)) {
        line.Replace("\t", kTabAsBlanks);
        m_lines.Add(line);
    }
}

void CILModel::WriteLines(CArchive& ar, BOOL extraLineEnd) const {
    for (int i = 0; i < m_lines.GetSize(); ++i) {
        ar.WriteString(m_lines[i]);
        ar.WriteString("\r\n");
    }
    if (extraLineEnd && m_lines.GetSize() > 0 && !m_lines[m_lines.GetSize() - 1].IsEmpty()) ar.WriteString("\r\n");
}

void CILModel::Serialize(CArchive& ar, BOOL fileMode) {
    if (fileMode) {
        if (ar.IsStoring())
            WriteLines(ar, TRUE);
        else
            ReadLines(ar);
        return;
    }
    if (ar.IsStoring()) {
        CPoint scroll = m_pILEngine->GetScrollPosition();
        ar << m_pILEngine->GetCaretLine() << m_pILEngine->GetCaretColumn() << static_cast<int>(scroll.x)
           << static_cast<int>(scroll.y);
        WriteLines(ar, FALSE);
        return;
    }
    int caretLine = 0, caretColumn = 0, scrollX = 0, scrollY = 0;
    ar >> caretLine >> caretColumn >> scrollX >> scrollY;
    m_pILEngine->SetCaretLine(caretLine);
    m_pILEngine->SetCaretColumn(caretColumn);
    m_pILEngine->ScrollTo(scrollX, scrollY);
    ReadLines(ar);
    if (m_lines.GetSize() == 0) m_lines.Add("");
}

void CILModel::DeleteContents() {
    m_lines.RemoveAll();
    m_lines.Add("");
}

BOOL CILModel::OnNewDocument() {
    m_lines.RemoveAll();
    m_lines.Add(HeaderText(0));
    m_lines.Add("");
    WriteInitialSnapshot();
    return TRUE;
}

BOOL CILModel::OnOpenDocument(LPCTSTR) {
    if (m_lines.GetSize() == 0) {
        m_lines.Add(HeaderText(0));
        m_lines.Add("");
        return TRUE;
    }
    // A first line that holds an instruction stays: the header goes in before it.
    CString first = m_lines[0];
    first.Trim();
    if (first.IsEmpty() || IsHeaderLine(0))
        m_lines.SetAt(0, HeaderText(0));
    else
        m_lines.InsertAt(0, HeaderText(0));
    return TRUE;
}

BOOL CILModel::BeforeSave(LPCTSTR) {
    m_pILEngine->ReformatAll(FALSE, 1);
    return StashIfEmpty();
}

void CILModel::AfterSave(LPCTSTR, BOOL stashed) {
    if (stashed) {
        m_lines.Copy(m_stash);
        m_stash.RemoveAll();
    }
    m_pILEngine->ReformatAll(theWorkspace ? theWorkspace->showGlobalNames : FALSE, -1);
    RememberFBInstances();
}

CString CILModel::PouName() const {
    CPOUEditorDoc* document = m_pILEngine->GetDocument();
    return document ? document->GetPOUName() : CString();
}

void CILModel::OnDiscardChanges() {
    CString pou = PouName();
    if (pou.IsEmpty() || !theWorkspace) return;
    theWorkspace->project.DeleteFBInstancesOf(pou);
    int count = static_cast<int>(std::min(m_fbNames.GetSize(), m_fbTypes.GetSize()));
    for (int i = 0; i < count; ++i) theWorkspace->project.AddFBInstance(m_fbNames[i], m_fbTypes[i], pou);
}

void CILModel::ExportIL(CStringArray& lines) {
    for (int i = 0; i < m_lines.GetSize(); ++i) lines.Add(m_lines[i]);
}

void CILModel::GoToNetwork(int network) { m_pILEngine->ShowLine(network); }

BOOL CILModel::CanConvertToLD() {
    m_pILEngine->CheckNetwork(TRUE);
    const std::vector<int>& states = m_pILEngine->LineStates();
    size_t count = std::min(static_cast<size_t>(m_lines.GetSize()), states.size());
    for (size_t i = 0; i < count; ++i) {
        if (states[i] == CILEditEngine::kLineError) return FALSE;
    }
    return TRUE;
}

BOOL CILModel::IsHeaderLine(int line) const {
    if (line < 0 || line >= m_lines.GetSize()) return FALSE;
    CString number;
    return m_parser.ParseNetworkHeader(m_lines[line], number);
}

BOOL CILModel::FindPrevHeader(int from, CString& number) const {
    if (from >= m_lines.GetSize()) from = static_cast<int>(m_lines.GetSize()) - 1;
    for (int line = from; line >= 0; --line) {
        if (m_parser.ParseNetworkHeader(m_lines[line], number)) return TRUE;
    }
    return FALSE;
}

BOOL CILModel::AnyHeaderIn(int first, int last) const {
    for (int line = std::max(first, 0); line <= last && line < m_lines.GetSize(); ++line) {
        if (IsHeaderLine(line)) return TRUE;
    }
    return FALSE;
}

BOOL CILModel::SetHeaderNumber(int line, const CString& number) {
    CString old;
    if (line < 0 || line >= m_lines.GetSize() || !m_parser.ParseNetworkHeader(m_lines[line], old)) return FALSE;
    CString text = m_lines[line];
    text.Replace(old, number);
    m_lines.SetAt(line, text);
    return TRUE;
}

BOOL CILModel::RenumberFrom(int line) {
    if (line < 1 || line >= m_lines.GetSize() || !IsHeaderLine(line)) return FALSE;
    CString number;
    int value = 0;
    if (FindPrevHeader(line - 1, number) || m_parser.ParseNetworkHeader(m_lines[line], number)) value = atoi(number);
    m_lines.SetAt(line, HeaderText(value + 1));
    int next = value + 2;
    for (int later = line + 1; later < m_lines.GetSize(); ++later) {
        if (IsHeaderLine(later)) m_lines.SetAt(later, HeaderText(next++));
    }
    return TRUE;
}

void CILModel::RenumberAll() {
    int counter = 0;
    for (int line = 0; line < m_lines.GetSize(); ++line) {
        if (!IsHeaderLine(line)) continue;
        CString number;
        number.Format("%d", counter++);
        SetHeaderNumber(line, number);
    }
}

BOOL CILModel::StripHeaderComments(int line) {
    if (line < 0 || line >= m_lines.GetSize() || IsHeaderLine(line)) return FALSE;
    CString text = m_lines[line];
    int start = 0;
    for (;;) {
        int open = text.Find("(*", start);
        if (open < 0) break;
        int close = text.Find("*)", open + 2);
        if (close < 0) break;
        CString comment = text.Mid(open, close + 2 - open), number;
        if (m_parser.ParseNetworkHeader(comment, number)) {
            text = text.Left(open) + " " + text.Mid(close + 2);
            start = open;
        } else {
            start = close + 2;
        }
    }
    m_lines.SetAt(line, text);
    return TRUE;
}

BOOL CILModel::InsertNetworkAfter(int line) {
    if (line < 0 || line >= m_lines.GetSize()) return FALSE;
    CString number;
    int value = FindPrevHeader(line, number) ? atoi(number) + 1 : 0;
    CString text = m_lines[line];
    text.Trim();
    BOOL inserted = !text.IsEmpty();
    int header = line;
    if (inserted) {
        m_lines.SetAt(line, text);
        header = line + 1;
        m_lines.InsertAt(header, HeaderText(value));
    } else {
        m_lines.SetAt(line, HeaderText(value));
    }
    int next = value + 1;
    for (int later = header + 1; later < m_lines.GetSize(); ++later) {
        if (IsHeaderLine(later)) m_lines.SetAt(later, HeaderText(next++));
    }
    return inserted;
}

void CILModel::RememberFBInstances() {
    m_fbNames.RemoveAll();
    m_fbTypes.RemoveAll();
    CString pou = PouName();
    if (m_pILEngine->GetDocument() && theWorkspace) theWorkspace->project.GetFBInstancesOf(pou, m_fbNames, m_fbTypes);
}

BOOL CILModel::StashIfEmpty() {
    for (int line = 0; line < m_lines.GetSize(); ++line) {
        CString text = m_lines[line];
        text.Trim();
        if (!text.IsEmpty() && !IsHeaderLine(line)) return FALSE;
    }
    m_stash.Copy(m_lines);
    m_lines.RemoveAll();
    m_lines.Add(" ");
    return TRUE;
}

void CILModel::WriteInitialSnapshot() {
    CMemFile* snapshot = new CMemFile(kInitialSnapshotGrowth);
    {
        CArchive ar(snapshot, CArchive::store, 4096);
        ar << 1 << 0 << 0 << 0;
        ar.WriteString(HeaderText(0) + "\r\n\r\n");
        ar.Close();
    }
    if (m_nDepthLimit != 0 && m_undoList.GetCount() > m_nDepthLimit) delete m_undoList.RemoveTail();
    m_undoList.AddHead(snapshot);
}

BOOL CILModel::IsJumpWord(const CString& word) {
    CString text = word;
    text.Trim();
    for (const char* jump : {"JMP", "JMPC", "JMPCN", "LBL", "RET", "RETC", "RETCN"}) {
        if (text == jump) return TRUE;
    }
    return FALSE;
}

OperandDescriptor CILModel::SelectOperandType(int operand, const InstrSpec& resolved, OperandDescriptor address) {
    if (operand < 1 || operand > 5) return OD_INT;
    return (resolved.slots[operand - 1] & 0x1FF) | (address & 0xFFFE0000);
}
