#include "shell/app/FileAssociation.h"

#include "platform/CVRTRegEdit.h"
#include "platform/MessageBox.h"

namespace {

const char ProjectExtensionKey[] = ".qpr";
const char ProjectClass[] = "Tessaron.Project";

// The text between the first and the second double quote; empty without both.
CString FirstQuotedText(const CString& text) {
    const int open = text.Find('"');
    if (open < 0)
        return CString();
    const int close = text.Find('"', open + 1);
    return close < 0 ? CString() : text.Mid(open + 1, close - open - 1);
}

void WriteDefaultValue(CVRTRegEdit& registry, LPCSTR key, LPCSTR value) {
    if (registry.CreateKey(key))
        registry.Write(value);
}

}  // namespace

CString ProjectOpenCommand(const CString& programPath) {
    return "\"" + programPath + "\" \"%1\"";
}

BOOL IsProjectFileTypeOurs(HKEY root, const CString& programPath) {
    CVRTRegEdit registry(root);
    CString className, command;
    if (!registry.VerifyKey(ProjectExtensionKey) || !registry.Read(className))
        return FALSE;
    if (!registry.VerifyKey(className + "\\shell\\open\\command") || !registry.Read(command))
        return FALSE;
    return FirstQuotedText(command) == programPath;
}

void RegisterProjectFileType(HKEY root, const CString& programPath, HWND owner) {
    CVRTRegEdit registry(root);
    if (registry.VerifyKey(ProjectExtensionKey)) {
        if (IsProjectFileTypeOurs(root, programPath))
            return;
        if (AfxShowMessageBox(owner,
                              "本软件不是工程文件(扩展名为qpr)的默认处理程序。\r\n"
                              "是否将它设置为工程文件(扩展名为qpr)的默认处理程序？",
                              "提示", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    const CString classKey = ProjectClass;
    WriteDefaultValue(registry, ProjectExtensionKey, ProjectClass);
    WriteDefaultValue(registry, classKey, "Tessaron Project");
    WriteDefaultValue(registry, classKey + "\\shell", "open");
    WriteDefaultValue(registry, classKey + "\\shell\\open", "使用 Tessaron 打开工程");
    WriteDefaultValue(registry, classKey + "\\shell\\open\\command", ProjectOpenCommand(programPath));
}
