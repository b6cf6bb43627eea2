#include "tests/support/ScriptedCommonDialogs.h"

#include "platform/CColorDialog.h"
#include "platform/CFileDialog.h"
#include "platform/CFolderDialog.h"
#include "platform/CPrintDialog.h"

#include <gtest/gtest.h>

namespace {

std::string TextOrEmpty(LPCSTR text) { return text ? text : ""; }

// The zero-separated filter list back in the program's "|" form.
std::string FilterText(LPCSTR filter) {
    std::string text;
    for (LPCSTR entry = filter; entry && *entry; entry += lstrlenA(entry) + 1)
        text.append(entry).append("|");
    return text.empty() ? text : text + "|";
}

FileDialogCall RecordOf(const CFileDialog& dialog) {
    const OPENFILENAMEA& ofn = dialog.m_ofn;
    return {dialog.m_bOpenFileDialog != FALSE, TextOrEmpty(ofn.lpstrTitle), TextOrEmpty(ofn.lpstrDefExt),
            TextOrEmpty(ofn.lpstrFile), FilterText(ofn.lpstrFilter), TextOrEmpty(ofn.lpstrInitialDir), ofn.Flags};
}

template <typename Dialog>
Dialog* DialogOfKind(CCommonDialog& dialog) {
    Dialog* wanted = dynamic_cast<Dialog*>(&dialog);
    if (!wanted)
        ADD_FAILURE() << "a scripted answer meant for another kind of dialog came to a "
                      << dialog.GetRuntimeClass()->m_lpszClassName;
    return wanted;
}

}  // namespace

ScriptedCommonDialogs::ScriptedCommonDialogs(std::initializer_list<Answer> answers) : m_answers(answers) {
    m_previous = AfxSetCommonDialogHandler([this](CCommonDialog& dialog) { return Show(dialog); });
}

ScriptedCommonDialogs::~ScriptedCommonDialogs() { AfxSetCommonDialogHandler(std::move(m_previous)); }

INT_PTR ScriptedCommonDialogs::Show(CCommonDialog& dialog) {
    if (dialog.IsKindOf(RUNTIME_CLASS(CFileDialog)))
        m_fileCalls.push_back(RecordOf(static_cast<CFileDialog&>(dialog)));
    if (m_answers.empty()) {
        ++m_unscripted;
        return IDCANCEL;
    }
    Answer answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer(dialog);
}

// Fills the record as the system does: the path, the offsets of the name and of its
// extension (0 without one), and the name alone.
ScriptedCommonDialogs::Answer ChooseFile(LPCSTR path) {
    std::string chosen = path;
    return [chosen](CCommonDialog& dialog) -> INT_PTR {
        CFileDialog* fileDialog = DialogOfKind<CFileDialog>(dialog);
        if (!fileDialog)
            return IDCANCEL;
        OPENFILENAMEA& ofn = fileDialog->m_ofn;
        lstrcpynA(ofn.lpstrFile, chosen.c_str(), static_cast<int>(ofn.nMaxFile));
        CString name = fileDialog->GetFileName();
        CString extension = fileDialog->GetFileExt();
        ofn.nFileOffset = static_cast<WORD>(lstrlenA(ofn.lpstrFile) - name.GetLength());
        ofn.nFileExtension = extension.IsEmpty() ? 0 : static_cast<WORD>(lstrlenA(ofn.lpstrFile) - extension.GetLength());
        if (ofn.lpstrFileTitle)
            lstrcpynA(ofn.lpstrFileTitle, name, static_cast<int>(ofn.nMaxFileTitle));
        return IDOK;
    };
}

ScriptedCommonDialogs::Answer ChooseFolder(LPCSTR path) {
    std::string chosen = path;
    return [chosen](CCommonDialog& dialog) -> INT_PTR {
        CFolderDialog* folderDialog = DialogOfKind<CFolderDialog>(dialog);
        if (!folderDialog)
            return IDCANCEL;
        folderDialog->m_strFolderPath = chosen.c_str();
        return IDOK;
    };
}

ScriptedCommonDialogs::Answer PickColor(COLORREF color) {
    return [color](CCommonDialog& dialog) -> INT_PTR {
        CColorDialog* colorDialog = DialogOfKind<CColorDialog>(dialog);
        if (!colorDialog)
            return IDCANCEL;
        colorDialog->m_cc.rgbResult = color;
        return IDOK;
    };
}

ScriptedCommonDialogs::Answer ChoosePrinter(HDC printerDC) {
    return [printerDC](CCommonDialog& dialog) -> INT_PTR {
        CPrintDialog* printDialog = DialogOfKind<CPrintDialog>(dialog);
        if (!printDialog)
            return IDCANCEL;
        printDialog->m_pd.hDC = printerDC;
        return IDOK;
    };
}

ScriptedCommonDialogs::Answer CancelDialog() {
    return [](CCommonDialog&) -> INT_PTR { return IDCANCEL; };
}

void InstallUnscriptedCommonDialogGuard() {
    AfxSetCommonDialogHandler([](CCommonDialog& dialog) -> INT_PTR {
        ADD_FAILURE() << "unscripted common dialog: " << dialog.GetRuntimeClass()->m_lpszClassName;
        return IDCANCEL;
    });
}
