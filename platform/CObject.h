#pragma once

#include <windows.h>

class CArchive;
class CDumpContext;
class CObject;

// A schema whose bit 31 is set accepts stored objects of any schema up to its own; the
// object's Serialize asks the archive for the stored one (CArchive::GetObjectSchema).
constexpr UINT VERSIONABLE_SCHEMA = 0x80000000;

// The description of a class for run-time type checks, dynamic creation and the
// archive's class tags. Each class that uses the DECLARE_/IMPLEMENT_ macros below owns
// one, reached through RUNTIME_CLASS(name).
struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;  // 0xFFFF: not serializable
    CObject* (*m_pfnCreateObject)();  // null: not dynamically creatable
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;  // chain of the classes that the archive can create

    // A new object of the class, or null when the class cannot be created.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* baseClass) const;
    // The serializable class of that name, or null.
    static CRuntimeClass* FromName(LPCSTR className);
};

// Enters a serializable class into the chain that FromName searches.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* newClass);
};

class CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;
    BOOL IsSerializable() const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)              \
public:                                          \
    static CRuntimeClass class##class_name;      \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)  \
    DECLARE_DYNCREATE(class_name)   \
    friend CArchive& operator>>(CArchive& ar, class_name*& object);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create)                    \
    CRuntimeClass class_name::class##class_name = {                                           \
        #class_name, sizeof(class_name), schema, create, RUNTIME_CLASS(base_class_name), nullptr}; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                  \
    CObject* class_name::CreateObject() { return new class_name; }        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                            \
    CObject* class_name::CreateObject() { return new class_name; }                       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, class_name::CreateObject) \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));              \
    CArchive& operator>>(CArchive& ar, class_name*& object) {                              \
        object = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));      \
        return ar;                                                                         \
    }
