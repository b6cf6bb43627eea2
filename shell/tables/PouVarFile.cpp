#include "shell/tables/PouVarFile.h"

#include "platform/CFile.h"
#include "platform/CFileException.h"
#include "platform/CStdioFile.h"
#include "platform/MessageBox.h"

BOOL WritePouVarFile(const CString& path, const CStringArray& lines) {
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, &error)) {
        bool badPath = error.m_cause == CFileException::invalidFile || error.m_cause == CFileException::badPath;
        AfxShowMessageBox(nullptr, badPath ? "无效的文件路径！" : "参数文件生成失败！", badPath ? "错误" : "系统错误",
                          MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    CString text;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
        text += lines[i] + "\r\n";
    try {
        file.Write(text, static_cast<UINT>(text.GetLength()));
        file.Close();
    } catch (CFileException* failure) {
        failure->Delete();
        AfxShowMessageBox(nullptr, "参数文件生成失败！", "系统错误", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

void ReadPouVarFile(const CString& path, CStringArray& lines) {
    lines.RemoveAll();
    CStdioFile file;
    if (path.IsEmpty() || !file.Open(path, CFile::modeRead | CFile::typeText))
        return;
    CString line;
    while (file.ReadString(line))
        lines.Add(line);
}
