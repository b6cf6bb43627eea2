#include "tests/support/TempFolder.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace {

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileA(child.c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    char name[64];
    std::snprintf(name, sizeof name, "tx_%lu_%d", ::GetCurrentProcessId(), ++counter);
    m_path = std::string(temp) + name;
    if (m_path.size() > 1 && m_path.back() == '\\')
        m_path.pop_back();
    RemoveTree(m_path);
    if (!::CreateDirectoryA(m_path.c_str(), nullptr))
        throw std::runtime_error("cannot create " + m_path);
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

void TempFolder::MakeFolder(const std::string& relative) const {
    std::string path = m_path;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find('\\', start);
        if (end == std::string::npos)
            end = relative.size();
        path += "\\" + relative.substr(start, end - start);
        ::CreateDirectoryA(path.c_str(), nullptr);
        start = end + 1;
    }
}

void TempFolder::WriteFile(const std::string& relative, const std::string& bytes) const {
    const std::string path = *this / relative;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

bool TempFolder::Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
