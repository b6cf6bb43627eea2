#pragma once
// Stores a record through its Serialize into bytes, and loads a record from bytes,
// the way the project file writes and reads its records.

#include "platform/Afx.h"

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

template <typename Record>
Bytes StoreRecord(Record& record) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        record.Serialize(ar);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

template <typename Record>
void LoadRecord(Record& record, const Bytes& bytes) {
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    record.Serialize(ar);
    ar.Close();
}

// The cause of the archive exception that loading the bytes throws; none when the
// load succeeds.
template <typename Record>
int LoadFailureCause(Record& record, const Bytes& bytes) {
    try {
        LoadRecord(record, bytes);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return CArchiveException::none;
}

// Builds expected bytes: texts as a one-byte length and the bytes, numbers little-endian.
class ByteWriter {
public:
    ByteWriter& Text(const std::string& text) {
        m_bytes.push_back(static_cast<uint8_t>(text.size()));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    ByteWriter& Raw(const std::string& text) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    ByteWriter& U8(uint32_t v) { return Number(v, 1); }
    ByteWriter& U16(uint32_t v) { return Number(v, 2); }
    ByteWriter& U32(uint32_t v) { return Number(v, 4); }
    const Bytes& Get() const { return m_bytes; }

private:
    ByteWriter& Number(uint32_t v, int size) {
        for (int i = 0; i < size; ++i)
            m_bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    Bytes m_bytes;
};
