#include "project/FileContents.h"

namespace {

// Reads `size` bytes from the current position; FALSE unless all of them came.
BOOL ReadExactly(HANDLE file, std::string& bytes, size_t size) {
    bytes.resize(size);
    DWORD read = 0;
    return size == 0 || (::ReadFile(file, &bytes[0], static_cast<DWORD>(size), &read, nullptr) && read == size);
}

BOOL FileSize(HANDLE file, size_t& size) {
    LARGE_INTEGER length;
    if (!::GetFileSizeEx(file, &length) || length.QuadPart > 0x7FFFFFFF)
        return FALSE;
    size = static_cast<size_t>(length.QuadPart);
    return TRUE;
}

BOOL HoldsBytes(HANDLE file, const std::string& bytes) {
    size_t size = 0;
    std::string held;
    return FileSize(file, size) && size == bytes.size() && ReadExactly(file, held, size) && held == bytes;
}

ULONGLONG Ticks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

ULONGLONG SystemTicks() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return Ticks(now);
}

// Well above the step of any file system's write times that matter here (100 ms).
const ULONGLONG kSettledTicks = 1000000;

}  // namespace

BOOL ReadFileBytes(const CString& path, std::string& bytes) {
    bytes.clear();
    HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    size_t size = 0;
    const BOOL read = FileSize(file, size) && ReadExactly(file, bytes, size);
    ::CloseHandle(file);
    if (!read)
        bytes.clear();
    return read;
}

BOOL WriteFileIfChanged(const CString& path, const std::string& bytes) {
    HANDLE file = ::CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL done = HoldsBytes(file, bytes);
    if (!done) {
        // Written over from the start and cut after the last byte: the file is never
        // emptied first, which would cost a flush of its old contents.
        DWORD written = 0;
        done = ::SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 &&
               (bytes.empty() ||
                (::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size())) &&
               ::SetEndOfFile(file);
    }
    ::CloseHandle(file);
    return done;
}

CFileContentCache& CFileContentCache::Instance() {
    static CFileContentCache cache;
    return cache;
}

BOOL CFileContentCache::StampOf(const CString& path, Stamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FALSE;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written = Ticks(data.ftLastWriteTime);
    return TRUE;
}

const CFileContentCache::Entry* CFileContentCache::Current(const CString& path) const {
    const auto found = m_entries.find(path.GetString());
    if (found == m_entries.end())
        return nullptr;
    const Entry& entry = found->second;
    Stamp now;
    const bool settled = entry.stamp.written + kSettledTicks < entry.stampedAt;
    return settled && StampOf(path, now) && now == entry.stamp ? &entry : nullptr;
}

void CFileContentCache::Keep(const CString& path, const Stamp& stamp, const std::string& bytes) {
    Entry& entry = m_entries[path.GetString()];
    entry.stamp = stamp;
    entry.stampedAt = SystemTicks();
    entry.bytes = bytes;
}

BOOL CFileContentCache::Read(const CString& path, std::string& bytes) {
    std::lock_guard<std::mutex> hold(m_lock);
    if (const Entry* entry = Current(path)) {
        bytes = entry->bytes;
        return TRUE;
    }
    // Stamped before reading: a file changed meanwhile is read again next time.
    Stamp stamp;
    const BOOL stamped = StampOf(path, stamp);
    if (!ReadFileBytes(path, bytes)) {
        m_entries.erase(path.GetString());
        return FALSE;
    }
    if (stamped)
        Keep(path, stamp, bytes);
    return TRUE;
}

BOOL CFileContentCache::Write(const CString& path, const std::string& bytes) {
    std::lock_guard<std::mutex> hold(m_lock);
    const Entry* entry = Current(path);
    if (entry && entry->bytes == bytes)
        return TRUE;
    m_entries.erase(path.GetString());
    if (!WriteFileIfChanged(path, bytes))
        return FALSE;
    Stamp stamp;
    if (StampOf(path, stamp))
        Keep(path, stamp, bytes);
    return TRUE;
}

void CFileContentCache::Clear() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_entries.clear();
}
