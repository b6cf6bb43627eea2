#pragma once
// Hash map with the framework's interface and its deterministic enumeration order:
// a key lives in bucket HashKey(key) % table size, each bucket holds its entries
// most recently added first, and GetStartPosition/GetNextAssoc walk the buckets in
// order. The table (17 buckets unless InitHashTable says otherwise) is allocated on
// the first insertion. Keys are compared with ==.

#include "platform/CInvalidArgException.h"
#include "platform/CString.h"
#include "platform/Position.h"
#include "platform/SerializeElements.h"

#include <windows.h>
#include <type_traits>
#include <vector>

// Integer and pointer keys: the key shifted right by 4. Integers are taken as 32-bit
// unsigned values first, so a negative key falls where it does in a 32-bit program.
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key) {
    if constexpr (std::is_pointer_v<ARG_KEY>)
        return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key) >> 4);
    else
        return static_cast<UINT>(key) >> 4;
}

// Text keys: h = h * 33 + byte over the text's unsigned bytes.
template <>
inline UINT HashKey<LPCSTR>(LPCSTR key) {
    UINT hash = 0;
    for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(key);
         byte != nullptr && *byte != 0; ++byte)
        hash = hash * 33 + *byte;
    return hash;
}

template <>
inline UINT HashKey<const CString&>(const CString& key) {
    return HashKey<LPCSTR>(key);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
public:
    static const UINT DefaultHashTableSize = 17;

    // The framework's allocation block size has no meaning here; entries are
    // allocated one at a time. It is taken for the callers that pass it.
    explicit CMap(INT_PTR blockSize = 10) {}
    virtual ~CMap() { RemoveAll(); }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }
    UINT GetHashTableSize() const { return m_tableSize; }

    // Sets the number of buckets; entries already present move to their new buckets,
    // keeping their order among those that share one. A size of 0 changes nothing.
    void InitHashTable(UINT hashSize, BOOL allocateNow = TRUE) {
        if (hashSize == 0)
            return;
        std::vector<CAssoc*> entries = EntriesInOrder();
        m_tableSize = hashSize;
        m_table.clear();
        if (allocateNow || !entries.empty())
            m_table.assign(m_tableSize, nullptr);
        for (auto assoc = entries.rbegin(); assoc != entries.rend(); ++assoc)
            LinkIntoBucket(*assoc, HashKey<ARG_KEY>((*assoc)->key) % m_tableSize);
    }

    BOOL Lookup(ARG_KEY key, VALUE& value) const {
        const CAssoc* assoc = Find(key);
        if (assoc == nullptr)
            return FALSE;
        value = assoc->value;
        return TRUE;
    }
    // The value under key, added as VALUE() when the key is new.
    VALUE& operator[](ARG_KEY key) {
        CAssoc* assoc = Find(key);
        if (assoc == nullptr)
            assoc = Insert(key);
        return assoc->value;
    }
    // A key already present keeps its place in the enumeration; only its value changes.
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key) {
        if (m_table.empty())
            return FALSE;
        CAssoc** link = &m_table[HashKey<ARG_KEY>(key) % m_tableSize];
        for (; *link != nullptr; link = &(*link)->next) {
            if ((*link)->key == key) {
                CAssoc* found = *link;
                *link = found->next;
                delete found;
                --m_count;
                return TRUE;
            }
        }
        return FALSE;
    }

    // Deletes the entries, not what their values point to; the table goes too and
    // comes back, with the same size, on the next insertion.
    void RemoveAll() {
        for (CAssoc* assoc : EntriesInOrder())
            delete assoc;
        m_table.clear();
        m_count = 0;
    }

    POSITION GetStartPosition() const { return AsPosition(FirstFrom(0)); }
    // Gives the entry at position and moves position to the next one, or to null.
    void GetNextAssoc(POSITION& position, KEY& key, VALUE& value) const {
        const CAssoc* assoc = reinterpret_cast<const CAssoc*>(position);
        if (assoc == nullptr)
            AfxThrowInvalidArgException();
        key = assoc->key;
        value = assoc->value;
        position = AsPosition(assoc->next != nullptr ? assoc->next : FirstFrom(assoc->bucket + 1));
    }

    // The count, then key and value of each entry in enumeration order. Loading adds
    // the entries with SetAt.
    void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD>(m_count));
            for (CAssoc* assoc : EntriesInOrder()) {
                SerializeElements<KEY>(ar, &assoc->key, 1);
                SerializeElements<VALUE>(ar, &assoc->value, 1);
            }
            return;
        }
        for (DWORD left = ar.ReadCount(); left > 0; --left) {
            KEY key{};
            VALUE value{};
            SerializeElements<KEY>(ar, &key, 1);
            SerializeElements<VALUE>(ar, &value, 1);
            SetAt(key, value);
        }
    }

private:
    struct CAssoc {
        CAssoc* next;
        UINT bucket;
        KEY key;
        VALUE value;
    };

    static POSITION AsPosition(const CAssoc* assoc) {
        return reinterpret_cast<POSITION>(const_cast<CAssoc*>(assoc));
    }

    CAssoc* Find(ARG_KEY key) const {
        if (m_table.empty())
            return nullptr;
        CAssoc* assoc = m_table[HashKey<ARG_KEY>(key) % m_tableSize];
        while (assoc != nullptr && !(assoc->key == key))
            assoc = assoc->next;
        return assoc;
    }

    CAssoc* Insert(ARG_KEY key) {
        if (m_table.empty())
            m_table.assign(m_tableSize, nullptr);
        CAssoc* assoc = new CAssoc{nullptr, 0, KEY(key), VALUE()};
        LinkIntoBucket(assoc, HashKey<ARG_KEY>(key) % m_tableSize);
        ++m_count;
        return assoc;
    }

    void LinkIntoBucket(CAssoc* assoc, UINT bucket) {
        assoc->bucket = bucket;
        assoc->next = m_table[bucket];
        m_table[bucket] = assoc;
    }

    const CAssoc* FirstFrom(UINT bucket) const {
        for (; bucket < m_table.size(); ++bucket) {
            if (m_table[bucket] != nullptr)
                return m_table[bucket];
        }
        return nullptr;
    }

    std::vector<CAssoc*> EntriesInOrder() const {
        std::vector<CAssoc*> entries;
        entries.reserve(static_cast<size_t>(m_count));
        for (CAssoc* head : m_table) {
            for (CAssoc* assoc = head; assoc != nullptr; assoc = assoc->next)
                entries.push_back(assoc);
        }
        return entries;
    }

    std::vector<CAssoc*> m_table;
    UINT m_tableSize = DefaultHashTableSize;
    INT_PTR m_count = 0;
};
