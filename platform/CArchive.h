#pragma once

#include "platform/CArchiveException.h"
#include "platform/CObject.h"
#include "platform/CString.h"

#include <unordered_map>
#include <vector>

class CDocument;
class CFile;

// A binary stream of values over a file, in one direction: storing or loading. Numbers
// are little-endian; texts carry a variable-length length; objects are tagged with
// their class on first appearance and numbered so that a repeated pointer is stored
// once. Reading past the end, a bad tag, an unknown class or a refused schema throws
// CArchiveException*; failures of the file throw its CFileException*.
class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    CArchive(CFile* file, UINT mode, int bufferSize = 4096);
    // Flushes a storing archive that was not closed; use Close to see write failures.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    // Returns the number of bytes read: fewer than `count` only at the end of the stream.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    // Writes the buffered bytes to the file (storing), or gives back to the file the
    // bytes read ahead and not used (loading).
    void Flush();
    // Flushes and detaches from the file, which stays open.
    void Close();
    // Detaches from the file without writing what is buffered.
    void Abort();

    // Text lines: WriteString writes the text as it is, with no terminator; ReadString
    // reads up to and including the next LF and returns the line without CR LF or LF,
    // or FALSE when the stream has ended.
    void WriteString(LPCTSTR text);
    BOOL ReadString(CString& line);

    // Element counts: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
    void WriteCount(DWORD count);
    DWORD ReadCount();

    // Tagged objects. ReadObject creates an object of the stored class, which must be
    // derived from `requiredClass` (any class when null), or returns one read before.
    void WriteObject(const CObject* object);
    CObject* ReadObject(const CRuntimeClass* requiredClass);
    // The stored schema of the object being loaded, for classes whose schema is
    // VERSIONABLE_SCHEMA; (UINT)-1 outside loading an object.
    UINT GetObjectSchema() const { return m_nObjectSchema; }

    CArchive& operator<<(BYTE value);
    CArchive& operator<<(char value);
    CArchive& operator<<(WORD value);
    CArchive& operator<<(short value);
    CArchive& operator<<(int value);
    CArchive& operator<<(UINT value);
    CArchive& operator<<(LONG value);
    CArchive& operator<<(DWORD value);
    CArchive& operator<<(float value);
    CArchive& operator<<(double value);

    CArchive& operator>>(BYTE& value);
    CArchive& operator>>(char& value);
    CArchive& operator>>(WORD& value);
    CArchive& operator>>(short& value);
    CArchive& operator>>(int& value);
    CArchive& operator>>(UINT& value);
    CArchive& operator>>(LONG& value);
    CArchive& operator>>(DWORD& value);
    CArchive& operator>>(float& value);
    CArchive& operator>>(double& value);

    // Free for the program's use while (de)serializing; the archive never reads it.
    CDocument* m_pDocument = nullptr;

private:
    friend CArchive& operator>>(CArchive& ar, CString& text);

    void WriteLittleEndian(ULONGLONG value, int size);
    ULONGLONG ReadLittleEndian(int size);
    // Reads exactly `count` bytes or throws endOfFile.
    void ReadExactly(void* buffer, UINT count);
    UINT FillBuffer();
    void WriteClass(const CRuntimeClass* runtimeClass);
    // Reads a class or object tag; returns the class of a new object and its stored
    // schema, or null with the object already known in `known`.
    CRuntimeClass* ReadClass(const CRuntimeClass* requiredClass, UINT& schema, CObject*& known);
    CRuntimeClass* LoadNewClass(const CRuntimeClass* requiredClass, UINT& schema);
    void WriteIndexTag(DWORD index, DWORD bigTagFlag, WORD smallTagFlag);
    void CheckStoring() const;
    void CheckLoading() const;
    [[noreturn]] void Throw(int cause) const;

    // One entry of the loading table: a class with its stored schema, or an object.
    struct LoadedEntry {
        CRuntimeClass* runtimeClass;
        UINT schema;
        CObject* object;
    };

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    UINT m_nBufferPos = 0;   // next byte to read or write
    UINT m_nBufferEnd = 0;   // loading: end of the bytes read ahead
    UINT m_nObjectSchema = static_cast<UINT>(-1);
    // Numbers of the classes and objects written so far; 0 stands for null.
    std::unordered_map<const void*, DWORD> m_storedNumbers;
    std::vector<LoadedEntry> m_loaded;
};

CArchive& operator<<(CArchive& ar, const CString& text);
CArchive& operator>>(CArchive& ar, CString& text);
CArchive& operator<<(CArchive& ar, const CObject* object);
CArchive& operator>>(CArchive& ar, CObject*& object);
CArchive& operator>>(CArchive& ar, const CObject*& object);
