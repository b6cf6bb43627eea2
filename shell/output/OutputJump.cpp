#include "shell/output/OutputJump.h"

#include "compiler/CompileMsg.h"
#include "editors/POUEditorDoc.h"
#include "platform/CCPGridView.h"
#include "project/CPlcWorkspace.h"
#include "shell/frames/CGridChildFrame.h"
#include "shell/output/OutputViewShell.h"
#include "shell/project/PouNames.h"

#include <cstdlib>
#include <cstring>

namespace {

const char kInitDataTitle[] = "初始化数据表";
const char kOrdinal[] = "第";
const int kOrdinalBytes = sizeof kOrdinal - 1;
// The numbers are written three wide after their "第".
const int kNumberWidth = 3;

// The number written after the "第" found from a byte position on; -1 past the line.
int OrdinalAt(const CString& line, int from, int& number) {
    const int at = line.Find(kOrdinal, from);
    if (at < 0)
        return -1;
    number = std::atoi(line.Mid(at + kOrdinalBytes, kNumberWidth));
    return at + kOrdinalBytes;
}

void ActivateInitDataCell(int row, int column) {
    auto* frame = dynamic_cast<CGridChildFrame*>(GetOutputViewShell().OpenInitDataWindow());
    if (frame != nullptr && frame->GetGridView() != nullptr)
        frame->GetGridView()->SetActiveCell(column, row);
}

void OpenProgramAt(const CString& line) {
    CString program;
    int number = 0;
    if (!LocateMsgSource(line, program, number))
        return;
    const CString path = ProgramPathOfPouName(theWorkspace->project, program);
    if (path.IsEmpty())
        return;
    if (auto* document = dynamic_cast<CPOUEditorDoc*>(GetOutputViewShell().OpenDocumentFile(path)))
        document->GoToNetwork(number);
}

}  // namespace

BOOL ParseInitDataLine(const CString& line, int& row, int& column) {
    const int titleBytes = sizeof kInitDataTitle - 1;
    if (line.GetLength() < titleBytes || std::strncmp(line, kInitDataTitle, titleBytes) != 0)
        return FALSE;
    const int afterRow = OrdinalAt(line, titleBytes, row);
    return afterRow >= 0 && OrdinalAt(line, afterRow, column) >= 0;
}

void JumpToOutputSource(const CString& line) {
    CString text = line;
    text.TrimLeft(' ');
    int row = 0, column = 0;
    if (ParseInitDataLine(text, row, column))
        ActivateInitDataCell(row, column);
    OpenProgramAt(text);
}
