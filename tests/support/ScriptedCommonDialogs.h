#pragma once
// Answers the program's common dialogs (file, folder, colour, print) while it lives,
// without showing them: each dialog takes the next queued answer, which may fill in
// the dialog's record as the user's choice would; a dialog with no answer left is
// cancelled and counted. The file dialogs are recorded as they were asked.

#include "platform/CCommonDialog.h"

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

struct FileDialogCall {
    bool open;
    std::string title;
    std::string defaultExt;
    std::string fileName;    // the name the dialog offered
    std::string filter;      // with "|" between the entries, as the program wrote it
    std::string initialDir;
    DWORD flags;
};

class ScriptedCommonDialogs {
public:
    using Answer = std::function<INT_PTR(CCommonDialog& dialog)>;

    explicit ScriptedCommonDialogs(std::initializer_list<Answer> answers = {});
    ~ScriptedCommonDialogs();
    ScriptedCommonDialogs(const ScriptedCommonDialogs&) = delete;
    ScriptedCommonDialogs& operator=(const ScriptedCommonDialogs&) = delete;

    void Queue(Answer answer) { m_answers.push_back(std::move(answer)); }
    size_t PendingAnswers() const { return m_answers.size(); }
    int UnscriptedDialogs() const { return m_unscripted; }
    const std::vector<FileDialogCall>& FileCalls() const { return m_fileCalls; }

private:
    INT_PTR Show(CCommonDialog& dialog);

    std::deque<Answer> m_answers;
    std::vector<FileDialogCall> m_fileCalls;
    int m_unscripted = 0;
    CommonDialogHandler m_previous;
};

// The user's answers: this file chosen in a file dialog, this folder in a folder
// dialog, this colour in a colour dialog, the printer of this device context (which the dialog then owns) in a print
// dialog, or Cancel in any of them.
ScriptedCommonDialogs::Answer ChooseFile(LPCSTR path);
ScriptedCommonDialogs::Answer ChooseFolder(LPCSTR path);
ScriptedCommonDialogs::Answer PickColor(COLORREF color);
ScriptedCommonDialogs::Answer ChoosePrinter(HDC printerDC);
ScriptedCommonDialogs::Answer CancelDialog();

// Installed by the test main: a common dialog that no test scripted fails the running
// test (instead of waiting for a user nobody can see) and is cancelled.
void InstallUnscriptedCommonDialogGuard();
