#pragma once
// Growable array of TYPE with the framework's interface: elements are passed in as
// ARG_TYPE, new slots hold TYPE() (zero for numbers and pointers), and every indexed
// access checks its index. Element pointers from GetData stay valid until the size
// changes.

#include "platform/CInvalidArgException.h"
#include "platform/SerializeElements.h"

#include <windows.h>
#include <utility>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    virtual ~CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_elements.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_elements.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // The storage grows geometrically, so growBy, the framework's growth step, has
    // nothing left to tune; it is taken for the callers that pass it.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
        if (newSize < 0)
            AfxThrowInvalidArgException();
        m_elements.resize(static_cast<size_t>(newSize));
    }
    void FreeExtra() { m_elements.shrink_to_fit(); }
    void RemoveAll() { m_elements.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return m_elements[Checked(index)]; }
    TYPE& GetAt(INT_PTR index) { return m_elements[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE newElement) { m_elements[Checked(index)] = newElement; }
    const TYPE& ElementAt(INT_PTR index) const { return GetAt(index); }
    TYPE& ElementAt(INT_PTR index) { return GetAt(index); }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return GetAt(index); }
    const TYPE* GetData() const { return m_elements.empty() ? nullptr : m_elements.data(); }
    TYPE* GetData() { return m_elements.empty() ? nullptr : m_elements.data(); }

    // Grows the array as needed so that index exists, then sets it.
    void SetAtGrow(INT_PTR index, ARG_TYPE newElement) {
        TYPE value(newElement);  // newElement may live in this array
        if (index < 0)
            AfxThrowInvalidArgException();
        if (index >= GetSize())
            SetSize(index + 1);
        m_elements[static_cast<size_t>(index)] = std::move(value);
    }
    INT_PTR Add(ARG_TYPE newElement) {
        INT_PTR index = GetSize();
        SetAtGrow(index, newElement);
        return index;
    }
    // Appends a copy of source's elements; gives the index of the first one.
    INT_PTR Append(const CArray& source) {
        INT_PTR first = GetSize();
        InsertAt(first, &source);
        return first;
    }
    void Copy(const CArray& source) {
        if (&source != this)
            m_elements = source.m_elements;
    }

    // Inserts count copies of newElement before index; an index past the end grows the
    // array with TYPE() slots up to it first.
    void InsertAt(INT_PTR index, ARG_TYPE newElement, INT_PTR count = 1) {
        TYPE value(newElement);
        if (index < 0 || count < 0)
            AfxThrowInvalidArgException();
        if (index > GetSize())
            SetSize(index);
        m_elements.insert(m_elements.begin() + index, static_cast<size_t>(count), value);
    }
    // Inserts a copy of every element of source before index.
    void InsertAt(INT_PTR index, const CArray* source) {
        if (source == nullptr || index < 0)
            AfxThrowInvalidArgException();
        std::vector<TYPE> copy(source->m_elements);
        if (index > GetSize())
            SetSize(index);
        m_elements.insert(m_elements.begin() + index, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1) {
        if (index < 0 || count < 0 || index + count > GetSize())
            AfxThrowInvalidArgException();
        m_elements.erase(m_elements.begin() + index, m_elements.begin() + index + count);
    }

    // The count, then each element. Loading replaces the contents; elements are read
    // one at a time, so a damaged count ends in the archive's end-of-file error rather
    // than in a huge allocation.
    void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD>(GetSize()));
            SerializeElements<TYPE>(ar, GetData(), GetSize());
            return;
        }
        RemoveAll();
        for (DWORD left = ar.ReadCount(); left > 0; --left) {
            TYPE element{};
            SerializeElements<TYPE>(ar, &element, 1);
            m_elements.push_back(std::move(element));
        }
    }

private:
    size_t Checked(INT_PTR index) const {
        if (index < 0 || index >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_elements;
};
