#pragma once
// Whole-file reads and writes for the compiler's working files. Opening a file is what
// costs most in a compile, so the contents of the files a compile reads and writes are
// kept between compiles and checked against each file's size and last write time: a
// file that did not change is not opened again, and a file that already holds the bytes
// to write is not written. File times advance in coarse steps, so a file written so
// shortly before it was looked at that a later change could carry the same time is
// always opened.

#include "platform/Afx.h"

#include <mutex>
#include <string>
#include <unordered_map>

// The file's bytes, read afresh; FALSE when it cannot be opened or read.
BOOL ReadFileBytes(const CString& path, std::string& bytes);
// Makes the file hold exactly these bytes, creating it when missing; a file that already
// holds them is not written. FALSE when it cannot be read, created or written.
BOOL WriteFileIfChanged(const CString& path, const std::string& bytes);

class CFileContentCache {
public:
    static CFileContentCache& Instance();

    // The file's bytes, from memory while the file's size and write time are those
    // they were read or written with; FALSE when the file cannot be read.
    BOOL Read(const CString& path, std::string& bytes);
    // WriteFileIfChanged, without opening a file known to hold the bytes already.
    BOOL Write(const CString& path, const std::string& bytes);
    void Clear();

private:
    struct Stamp {
        ULONGLONG size = 0;
        ULONGLONG written = 0;
        bool operator==(const Stamp& other) const { return size == other.size && written == other.written; }
    };
    struct Entry {
        Stamp stamp;
        ULONGLONG stampedAt = 0;  // system time when the stamp was taken
        std::string bytes;
    };

    static BOOL StampOf(const CString& path, Stamp& stamp);
    void Keep(const CString& path, const Stamp& stamp, const std::string& bytes);
    // The entry of the path when the file still has its stamp; null otherwise.
    const Entry* Current(const CString& path) const;

    std::mutex m_lock;
    std::unordered_map<std::string, Entry> m_entries;
};
