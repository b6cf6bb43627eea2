#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>

// The framework's objects that wrap a Windows handle (windows, device contexts, GDI
// objects) are found from the handle through one map per kind and thread. An object
// that owns its handle is in the permanent part. Asking for a handle that no object
// owns makes a temporary wrapper that does not own the handle; temporaries live until
// the thread's next idle pass deletes them (CWinThread::OnIdle), so a caller may keep
// the pointer for the rest of the message it handles, but not beyond.
class CHandleMapBase {
public:
    // Deletes the temporaries of every map of the calling thread.
    static void DeleteAllTemporaries();

protected:
    CHandleMapBase();
    virtual ~CHandleMapBase();
    virtual void DeleteTemporaries() = 0;
};

template <class Object, class Handle>
class CHandleMap : public CHandleMapBase {
public:
    // forget clears the object's handle so that deleting a temporary leaves it alone.
    explicit CHandleMap(void (*forget)(Object*)) : m_forget(forget) {}
    ~CHandleMap() override { DeleteTemporaries(); }

    Object* LookupPermanent(Handle handle) const {
        auto found = m_permanent.find(handle);
        return found == m_permanent.end() ? nullptr : found->second;
    }
    Object* LookupTemporary(Handle handle) const {
        auto found = m_temporary.find(handle);
        return found == m_temporary.end() ? nullptr : found->second.get();
    }
    // The owner of the handle, else its temporary wrapper made by make() on first use.
    template <class Make>
    Object* FromHandle(Handle handle, Make make) {
        if (!handle)
            return nullptr;
        if (Object* owner = LookupPermanent(handle))
            return owner;
        std::unique_ptr<Object>& temporary = m_temporary[handle];
        if (!temporary)
            temporary.reset(make(handle));
        return temporary.get();
    }
    void SetPermanent(Handle handle, Object* object) { m_permanent[handle] = object; }
    void RemoveHandle(Handle handle) {
        m_permanent.erase(handle);
        auto found = m_temporary.find(handle);
        if (found != m_temporary.end()) {
            m_forget(found->second.get());
            m_temporary.erase(found);
        }
    }

protected:
    void DeleteTemporaries() override {
        for (auto& entry : m_temporary)
            m_forget(entry.second.get());
        m_temporary.clear();
    }

private:
    void (*m_forget)(Object*);
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, std::unique_ptr<Object>> m_temporary;
};
