#include "platform/CArchive.h"

#include "platform/CFile.h"

#include <algorithm>
#include <cstring>

namespace {

// Tags of the object stream.
constexpr WORD kNullTag = 0x0000;
constexpr WORD kBigTag = 0x7FFF;         // a 32-bit number follows
constexpr WORD kClassTag = 0x8000;       // | number of a class already stored
constexpr WORD kNewClassTag = 0xFFFF;    // schema, name length and name follow
constexpr DWORD kBigClassTag = 0x80000000;  // | number of a class, after kBigTag

constexpr UINT kMinBufferSize = 16;
constexpr int kCountEscape = 0xFFFF;

BOOL AcceptsSchema(const CRuntimeClass* runtimeClass, UINT storedSchema) {
    const UINT ownSchema = runtimeClass->m_wSchema;
    if (ownSchema & VERSIONABLE_SCHEMA)
        return storedSchema <= (ownSchema & ~VERSIONABLE_SCHEMA);
    return storedSchema == ownSchema;
}

}  // namespace

CArchive::CArchive(CFile* file, UINT mode, int bufferSize)
    : m_pFile(file),
      m_nMode(mode),
      m_buffer(std::max<UINT>(static_cast<UINT>(std::max(bufferSize, 0)), kMinBufferSize)),
      m_loaded{{nullptr, 0, nullptr}} {}

CArchive::~CArchive() {
    if (!m_pFile || (m_nMode & bNoFlushOnDelete))
        return;
    try {
        Close();
    } catch (CException* e) {
        e->Delete();
    }
}

UINT CArchive::Read(void* buffer, UINT count) {
    CheckLoading();
    BYTE* out = static_cast<BYTE*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (m_nBufferPos == m_nBufferEnd && FillBuffer() == 0)
            break;
        const UINT chunk = std::min(count - done, m_nBufferEnd - m_nBufferPos);
        std::memcpy(out + done, m_buffer.data() + m_nBufferPos, chunk);
        m_nBufferPos += chunk;
        done += chunk;
    }
    return done;
}

void CArchive::Write(const void* buffer, UINT count) {
    CheckStoring();
    const BYTE* in = static_cast<const BYTE*>(buffer);
    while (count > 0) {
        if (m_nBufferPos == m_buffer.size())
            Flush();
        const UINT chunk = std::min(count, static_cast<UINT>(m_buffer.size()) - m_nBufferPos);
        std::memcpy(m_buffer.data() + m_nBufferPos, in, chunk);
        m_nBufferPos += chunk;
        in += chunk;
        count -= chunk;
    }
}

void CArchive::Flush() {
    if (IsStoring()) {
        if (m_nBufferPos > 0)
            m_pFile->Write(m_buffer.data(), m_nBufferPos);
    } else if (m_nBufferEnd > m_nBufferPos) {
        m_pFile->Seek(-static_cast<LONG>(m_nBufferEnd - m_nBufferPos), CFile::current);
    }
    m_nBufferPos = 0;
    m_nBufferEnd = 0;
}

void CArchive::Close() {
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort() {
    m_pFile = nullptr;
}

void CArchive::WriteString(LPCTSTR text) {
    Write(text, static_cast<UINT>(std::strlen(text)));
}

BOOL CArchive::ReadString(CString& line) {
    CheckLoading();
    line.Empty();
    bool readAny = false;
    while (m_nBufferPos < m_nBufferEnd || FillBuffer() > 0) {
        readAny = true;
        const BYTE* start = m_buffer.data() + m_nBufferPos;
        const UINT available = m_nBufferEnd - m_nBufferPos;
        const BYTE* newline = static_cast<const BYTE*>(std::memchr(start, '\n', available));
        const UINT taken = newline ? static_cast<UINT>(newline - start) + 1 : available;
        line += CString(reinterpret_cast<const char*>(start), newline ? taken - 1 : taken);
        m_nBufferPos += taken;
        if (newline)
            break;
    }
    if (line.GetLength() > 0 && line[line.GetLength() - 1] == '\r')
        line.Delete(line.GetLength() - 1);
    return readAny;
}

void CArchive::WriteCount(DWORD count) {
    if (count < kCountEscape) {
        WriteLittleEndian(count, 2);
    } else {
        WriteLittleEndian(kCountEscape, 2);
        WriteLittleEndian(count, 4);
    }
}

DWORD CArchive::ReadCount() {
    const DWORD count = static_cast<DWORD>(ReadLittleEndian(2));
    return count == kCountEscape ? static_cast<DWORD>(ReadLittleEndian(4)) : count;
}

void CArchive::WriteObject(const CObject* object) {
    CheckStoring();
    if (!object) {
        WriteLittleEndian(kNullTag, 2);
        return;
    }
    const auto stored = m_storedNumbers.find(object);
    if (stored != m_storedNumbers.end()) {
        WriteIndexTag(stored->second, 0, 0);
        return;
    }
    WriteClass(object->GetRuntimeClass());
    const DWORD number = static_cast<DWORD>(m_storedNumbers.size()) + 1;
    m_storedNumbers.emplace(object, number);
    const_cast<CObject*>(object)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* requiredClass) {
    CheckLoading();
    UINT schema = 0;
    CObject* known = nullptr;
    CRuntimeClass* runtimeClass = ReadClass(requiredClass, schema, known);
    if (!runtimeClass) {
        if (known && requiredClass && !known->IsKindOf(requiredClass))
            Throw(CArchiveException::badClass);
        return known;
    }
    CObject* object = runtimeClass->CreateObject();
    if (!object)
        Throw(CArchiveException::badClass);
    const size_t number = m_loaded.size();
    m_loaded.push_back({nullptr, 0, object});
    const UINT outerSchema = m_nObjectSchema;
    m_nObjectSchema = schema;
    try {
        object->Serialize(*this);
    } catch (...) {
        m_nObjectSchema = outerSchema;
        m_loaded[number].object = nullptr;
        delete object;
        throw;
    }
    m_nObjectSchema = outerSchema;
    return object;
}

void CArchive::WriteClass(const CRuntimeClass* runtimeClass) {
    if (runtimeClass->m_wSchema == 0xFFFF)
        Throw(CArchiveException::badClass);
    const auto stored = m_storedNumbers.find(runtimeClass);
    if (stored != m_storedNumbers.end()) {
        WriteIndexTag(stored->second, kBigClassTag, kClassTag);
        return;
    }
    const UINT nameLength = static_cast<UINT>(std::strlen(runtimeClass->m_lpszClassName));
    WriteLittleEndian(kNewClassTag, 2);
    WriteLittleEndian(runtimeClass->m_wSchema & ~VERSIONABLE_SCHEMA, 2);
    WriteLittleEndian(nameLength, 2);
    Write(runtimeClass->m_lpszClassName, nameLength);
    const DWORD number = static_cast<DWORD>(m_storedNumbers.size()) + 1;
    m_storedNumbers.emplace(runtimeClass, number);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* requiredClass, UINT& schema, CObject*& known) {
    const WORD tag = static_cast<WORD>(ReadLittleEndian(2));
    if (tag == kNewClassTag)
        return LoadNewClass(requiredClass, schema);
    const DWORD numberTag = tag == kBigTag ? static_cast<DWORD>(ReadLittleEndian(4))
                                           : (static_cast<DWORD>(tag & kClassTag) << 16) | (tag & ~kClassTag);
    const DWORD number = numberTag & ~kBigClassTag;
    if (number >= m_loaded.size())
        Throw(CArchiveException::badIndex);
    const LoadedEntry& entry = m_loaded[number];
    if (!(numberTag & kBigClassTag)) {
        if (number != 0 && !entry.object)
            Throw(CArchiveException::badIndex);
        known = entry.object;
        return nullptr;
    }
    if (!entry.runtimeClass)
        Throw(CArchiveException::badIndex);
    if (requiredClass && !entry.runtimeClass->IsDerivedFrom(requiredClass))
        Throw(CArchiveException::badClass);
    schema = entry.schema;
    return entry.runtimeClass;
}

CRuntimeClass* CArchive::LoadNewClass(const CRuntimeClass* requiredClass, UINT& schema) {
    schema = static_cast<UINT>(ReadLittleEndian(2));
    const UINT nameLength = static_cast<UINT>(ReadLittleEndian(2));
    CString name;
    ReadExactly(name.GetBufferSetLength(static_cast<int>(nameLength)), nameLength);
    CRuntimeClass* runtimeClass = CRuntimeClass::FromName(name);
    if (!runtimeClass || (requiredClass && !runtimeClass->IsDerivedFrom(requiredClass)))
        Throw(CArchiveException::badClass);
    if (!AcceptsSchema(runtimeClass, schema))
        Throw(CArchiveException::badSchema);
    m_loaded.push_back({runtimeClass, schema, nullptr});
    return runtimeClass;
}

void CArchive::WriteIndexTag(DWORD number, DWORD bigTagFlag, WORD smallTagFlag) {
    if (number < kBigTag) {
        WriteLittleEndian(smallTagFlag | number, 2);
    } else {
        WriteLittleEndian(kBigTag, 2);
        WriteLittleEndian(bigTagFlag | number, 4);
    }
}

void CArchive::WriteLittleEndian(ULONGLONG value, int size) {
    BYTE bytes[8];
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
    Write(bytes, size);
}

ULONGLONG CArchive::ReadLittleEndian(int size) {
    BYTE bytes[8];
    ReadExactly(bytes, size);
    ULONGLONG value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

void CArchive::ReadExactly(void* buffer, UINT count) {
    if (Read(buffer, count) != count)
        Throw(CArchiveException::endOfFile);
}

UINT CArchive::FillBuffer() {
    m_nBufferPos = 0;
    m_nBufferEnd = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    return m_nBufferEnd;
}

void CArchive::CheckStoring() const {
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
}

void CArchive::CheckLoading() const {
    if (!IsLoading())
        Throw(CArchiveException::writeOnly);
}

void CArchive::Throw(int cause) const {
    AfxThrowArchiveException(cause, m_pFile ? static_cast<LPCTSTR>(m_pFile->GetFilePath()) : nullptr);
}

CArchive& CArchive::operator<<(BYTE value) { WriteLittleEndian(value, 1); return *this; }
CArchive& CArchive::operator<<(char value) { WriteLittleEndian(static_cast<BYTE>(value), 1); return *this; }
CArchive& CArchive::operator<<(WORD value) { WriteLittleEndian(value, 2); return *this; }
CArchive& CArchive::operator<<(short value) { WriteLittleEndian(static_cast<WORD>(value), 2); return *this; }
CArchive& CArchive::operator<<(int value) { WriteLittleEndian(static_cast<DWORD>(value), 4); return *this; }
CArchive& CArchive::operator<<(UINT value) { WriteLittleEndian(value, 4); return *this; }
CArchive& CArchive::operator<<(LONG value) { WriteLittleEndian(static_cast<DWORD>(value), 4); return *this; }
CArchive& CArchive::operator<<(DWORD value) { WriteLittleEndian(value, 4); return *this; }

CArchive& CArchive::operator<<(float value) {
    DWORD bits;
    std::memcpy(&bits, &value, sizeof bits);
    return *this << bits;
}

CArchive& CArchive::operator<<(double value) {
    ULONGLONG bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteLittleEndian(bits, 8);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& value) { value = static_cast<BYTE>(ReadLittleEndian(1)); return *this; }
CArchive& CArchive::operator>>(char& value) { value = static_cast<char>(ReadLittleEndian(1)); return *this; }
CArchive& CArchive::operator>>(WORD& value) { value = static_cast<WORD>(ReadLittleEndian(2)); return *this; }
CArchive& CArchive::operator>>(short& value) { value = static_cast<short>(ReadLittleEndian(2)); return *this; }
CArchive& CArchive::operator>>(int& value) { value = static_cast<int>(ReadLittleEndian(4)); return *this; }
CArchive& CArchive::operator>>(UINT& value) { value = static_cast<UINT>(ReadLittleEndian(4)); return *this; }
CArchive& CArchive::operator>>(LONG& value) { value = static_cast<LONG>(ReadLittleEndian(4)); return *this; }
CArchive& CArchive::operator>>(DWORD& value) { value = static_cast<DWORD>(ReadLittleEndian(4)); return *this; }

CArchive& CArchive::operator>>(float& value) {
    DWORD bits;
    *this >> bits;
    std::memcpy(&value, &bits, sizeof value);
    return *this;
}

CArchive& CArchive::operator>>(double& value) {
    const ULONGLONG bits = ReadLittleEndian(8);
    std::memcpy(&value, &bits, sizeof value);
    return *this;
}

// A text's length: one byte below 255; else 0xFF and 16 bits below 0xFFFE; else 0xFF,
// 0xFFFF and 32 bits. Reading takes any 16-bit value other than 0xFFFF as the length.
CArchive& operator<<(CArchive& ar, const CString& text) {
    const DWORD length = static_cast<DWORD>(text.GetLength());
    if (length < 0xFF) {
        ar << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << length;
    }
    ar.Write(static_cast<LPCTSTR>(text), length);
    return ar;
}

CArchive& operator>>(CArchive& ar, CString& text) {
    BYTE shortLength;
    ar >> shortLength;
    DWORD length = shortLength;
    if (shortLength == 0xFF) {
        WORD wordLength;
        ar >> wordLength;
        length = wordLength;
        if (wordLength == 0xFFFF)
            ar >> length;
    }
    CString loaded;
    // Grown as the bytes arrive, so a damaged length cannot claim memory the stream
    // does not hold.
    char chunk[4096];
    for (DWORD left = length; left > 0;) {
        const UINT wanted = std::min<DWORD>(left, sizeof chunk);
        ar.ReadExactly(chunk, wanted);
        loaded += CString(chunk, static_cast<int>(wanted));
        left -= wanted;
    }
    text = loaded;
    return ar;
}

CArchive& operator<<(CArchive& ar, const CObject* object) {
    ar.WriteObject(object);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& object) {
    object = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& object) {
    object = ar.ReadObject(nullptr);
    return ar;
}
