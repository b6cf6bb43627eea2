#include "shell/output/OutputViewShell.h"

namespace {

class NoOutputViewShell : public OutputViewShell {
public:
    void HideOutputPane() override {}
    CMDIChildWnd* OpenInitDataWindow() override { return nullptr; }
    CDocument* OpenDocumentFile(const CString&) override { return nullptr; }
    void TrackContextMenu(UINT, CPoint, CWnd*) override {}
};

NoOutputViewShell noShell;
OutputViewShell* installedShell = nullptr;

}  // namespace

OutputViewShell* SetOutputViewShell(OutputViewShell* shell) {
    OutputViewShell* previous = installedShell;
    installedShell = shell;
    return previous;
}

OutputViewShell& GetOutputViewShell() { return installedShell ? *installedShell : noShell; }
