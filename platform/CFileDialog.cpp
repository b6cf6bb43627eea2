#include "platform/CFileDialog.h"

#include "platform/Gbk.h"

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace {

// A "|" may also be the trail byte of a double-byte character; only the separators
// become zeros.
std::string ZeroSeparatedFilter(LPCSTR filter) {
    std::string result(filter);
    const int length = static_cast<int>(result.size());
    for (int i = 0; i < length; i += GbkCharLength(result.data(), i, length)) {
        if (result[i] == '|')
            result[i] = '\0';
    }
    result.push_back('\0');  // the list ends with an empty entry even when the caller left out the last "|"
    return result;
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defaultExt, LPCSTR fileName, DWORD flags, LPCSTR filter,
                         CWnd* parent)
    : CCommonDialog(parent), m_bOpenFileDialog(openFileDialog) {
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_fileTitle;
    m_ofn.nMaxFileTitle = MAX_PATH;
    m_ofn.lpstrDefExt = defaultExt;
    m_ofn.Flags = flags | OFN_EXPLORER;
    if (fileName)
        lstrcpynA(m_fileName, fileName, MAX_PATH);
    if (filter) {
        m_filter = ZeroSeparatedFilter(filter);
        m_ofn.lpstrFilter = m_filter.c_str();
    }
}

BOOL CFileDialog::ShowSystemDialog() {
    return m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
}

CString CFileDialog::GetFileName() const {
    CString path = GetPathName();
    return path.Mid(path.ReverseFind('\\') + 1);
}

CString CFileDialog::GetFileExt() const {
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}
