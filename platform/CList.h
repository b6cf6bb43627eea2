#pragma once
// Doubly linked list of TYPE with the framework's interface: positions are the nodes,
// iteration is GetHeadPosition/GetNext (or GetTailPosition/GetPrev), and a position
// stays valid until its own node is removed. Asking for an element that is not there
// (a null position, the head of an empty list) raises CInvalidArgException.

#include "platform/CInvalidArgException.h"
#include "platform/Position.h"
#include "platform/SerializeElements.h"

#include <windows.h>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList {
public:
    // The framework's allocation block size has no meaning here; nodes are allocated
    // one at a time. It is taken for the callers that pass it.
    explicit CList(INT_PTR blockSize = 10) {}
    virtual ~CList() { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return Checked(m_head)->data; }
    const TYPE& GetHead() const { return Checked(m_head)->data; }
    TYPE& GetTail() { return Checked(m_tail)->data; }
    const TYPE& GetTail() const { return Checked(m_tail)->data; }

    TYPE RemoveHead() { return Unlink(Checked(m_head)); }
    TYPE RemoveTail() { return Unlink(Checked(m_tail)); }

    POSITION AddHead(ARG_TYPE newElement) { return Link(nullptr, m_head, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return Link(m_tail, nullptr, newElement); }
    // Adds copies of another list's elements (this list's own ones too) in their order.
    void AddHead(const CList* newList) {
        CNode* node = Checked(newList)->m_tail;
        for (INT_PTR left = newList->m_count; left > 0; --left, node = node->prev)
            AddHead(node->data);
    }
    void AddTail(const CList* newList) {
        CNode* node = Checked(newList)->m_head;
        for (INT_PTR left = newList->m_count; left > 0; --left, node = node->next)
            AddTail(node->data);
    }

    void RemoveAll() {
        while (m_head != nullptr)
            Unlink(m_head);
    }

    POSITION GetHeadPosition() const { return AsPosition(m_head); }
    POSITION GetTailPosition() const { return AsPosition(m_tail); }
    // Give the element at position and move position to the next (previous) one, or
    // to null at the end.
    TYPE& GetNext(POSITION& position) { return Step(position, &CNode::next); }
    const TYPE& GetNext(POSITION& position) const { return Step(position, &CNode::next); }
    TYPE& GetPrev(POSITION& position) { return Step(position, &CNode::prev); }
    const TYPE& GetPrev(POSITION& position) const { return Step(position, &CNode::prev); }

    TYPE& GetAt(POSITION position) { return Checked(AsNode(position))->data; }
    const TYPE& GetAt(POSITION position) const { return Checked(AsNode(position))->data; }
    void SetAt(POSITION position, ARG_TYPE newElement) {
        Checked(AsNode(position))->data = newElement;
    }
    void RemoveAt(POSITION position) { Unlink(Checked(AsNode(position))); }

    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* node = AsNode(position);
        return Link(node->prev, node, newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* node = AsNode(position);
        return Link(node, node->next, newElement);
    }

    // The first element equal to value after startAfter (from the head when null).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const {
        CNode* node = startAfter == nullptr ? m_head : AsNode(startAfter)->next;
        while (node != nullptr && !(node->data == value))
            node = node->next;
        return AsPosition(node);
    }
    // The position of the index-th element from the head, null when out of range.
    POSITION FindIndex(INT_PTR index) const {
        if (index < 0 || index >= m_count)
            return nullptr;
        CNode* node = m_head;
        while (index-- > 0)
            node = node->next;
        return AsPosition(node);
    }

    // The count, then each element from the head. Loading appends to the list.
    void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD>(m_count));
            for (CNode* node = m_head; node != nullptr; node = node->next)
                SerializeElements<TYPE>(ar, &node->data, 1);
            return;
        }
        for (DWORD left = ar.ReadCount(); left > 0; --left) {
            TYPE element{};
            SerializeElements<TYPE>(ar, &element, 1);
            AddTail(element);
        }
    }

private:
    struct CNode {
        CNode* next;
        CNode* prev;
        TYPE data;
    };

    static POSITION AsPosition(CNode* node) { return reinterpret_cast<POSITION>(node); }
    static CNode* AsNode(POSITION position) { return reinterpret_cast<CNode*>(position); }
    template <class T>
    static T* Checked(T* pointer) {
        if (pointer == nullptr)
            AfxThrowInvalidArgException();
        return pointer;
    }

    TYPE& Step(POSITION& position, CNode* CNode::*direction) const {
        CNode* node = Checked(AsNode(position));
        position = AsPosition(node->*direction);
        return node->data;
    }

    POSITION Link(CNode* prev, CNode* next, ARG_TYPE newElement) {
        CNode* node = new CNode{next, prev, TYPE(newElement)};
        (prev != nullptr ? prev->next : m_head) = node;
        (next != nullptr ? next->prev : m_tail) = node;
        ++m_count;
        return AsPosition(node);
    }

    TYPE Unlink(CNode* node) {
        (node->prev != nullptr ? node->prev->next : m_head) = node->next;
        (node->next != nullptr ? node->next->prev : m_tail) = node->prev;
        --m_count;
        TYPE data(std::move(node->data));
        delete node;
        return data;
    }

    CNode* m_head = nullptr;
    CNode* m_tail = nullptr;
    INT_PTR m_count = 0;
};
