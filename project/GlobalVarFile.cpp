#include "project/GlobalVarFile.h"

#include "project/CQLXFB.h"
#include "project/CQLXProject.h"
#include "project/CQLXSymbol.h"

#include <set>
#include <string>

namespace {

CString SymbolLine(const CQLXSymbol& symbol) {
    CString line;
    line.Format("    %-18sAT  %-9s:%-6s;  (*%s*)", static_cast<LPCSTR>(symbol.name),
                static_cast<LPCSTR>(symbol.address), static_cast<LPCSTR>(symbol.dataType),
                static_cast<LPCSTR>(symbol.comment));
    return line;
}

CString InstanceLine(const CQLXFB& instance) {
    CString line;
    line.Format("    %-7s:%-6s;  (* %s *)", static_cast<LPCSTR>(instance.instanceName),
                static_cast<LPCSTR>(instance.typeName), static_cast<LPCSTR>(instance.extraText));
    return line;
}

// Makes an existing file writable and visible; its other attributes stay.
void UnprotectFile(const CString& path) {
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    const DWORD cleared = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    SetFileAttributesA(path, (attributes & ~cleared) | FILE_ATTRIBUTE_ARCHIVE);
}

void ShowCreateError(int cause) {
    if (cause == CFileException::fileNotFound || cause == CFileException::badPath)
        AfxShowMessageBox(nullptr, "无效的全局变量文件路径，全局变量文件生成失败！", "错误", MB_ICONSTOP | MB_TASKMODAL);
    else
        AfxShowMessageBox(nullptr, "全局变量文件生成失败！", "系统错误", MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace

// One line per distinct variable name, in the order of the symbol list; the address of
// a line is given its "%" in the symbol too.
CString GlobalVarFileText(CQLXProject& project) {
    CString text = "VAR_GLOBAL\r\n";
    std::set<std::string> written;
    for (INT_PTR i = 0; i < project.symbolList.GetSize(); ++i) {
        CQLXSymbol* symbol = static_cast<CQLXSymbol*>(project.symbolList[i]);
        if (symbol == nullptr || !written.insert(static_cast<LPCSTR>(symbol->name)).second)
            continue;
        if (symbol->address.Left(1) != "%")
            symbol->address.Insert(0, '%');
        text += SymbolLine(*symbol) + "\r\n";
    }
    text += "END_VAR\r\nVAR_GLOBAL\r\n";
    for (INT_PTR i = 0; i < project.fbInstances.GetSize(); ++i)
        if (const CQLXFB* instance = static_cast<const CQLXFB*>(project.fbInstances[i]))
            text += InstanceLine(*instance) + "\r\n";
    return text + "END_VAR";
}

void ExportGlobalVarFile(CQLXProject& project) {
    const CString path = project.folder + "\\" + project.name + ".qgv";
    UnprotectFile(path);
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, &error)) {
        ShowCreateError(error.m_cause);
        return;
    }
    const CString text = GlobalVarFileText(project);
    try {
        file.Write(static_cast<LPCSTR>(text), static_cast<UINT>(text.GetLength()));
        file.Close();
    } catch (CFileException* e) {
        ShowCreateError(e->m_cause);
        e->Delete();
        file.Abort();
    }
}
