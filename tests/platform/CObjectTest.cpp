#include "platform/CException.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Shape : public CObject {
    DECLARE_DYNAMIC(Shape)
};
IMPLEMENT_DYNAMIC(Shape, CObject)

class Square : public Shape {
    DECLARE_DYNCREATE(Square)
public:
    int side = 3;
};
IMPLEMENT_DYNCREATE(Square, Shape)

}  // namespace

TEST(CObject, RuntimeClassDescribesTheClass) {
    const CRuntimeClass* square = RUNTIME_CLASS(Square);
    EXPECT_STREQ("Square", square->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(Square)), square->m_nObjectSize);
    EXPECT_EQ(RUNTIME_CLASS(Shape), square->m_pBaseClass);
    EXPECT_EQ(RUNTIME_CLASS(CObject), RUNTIME_CLASS(Shape)->m_pBaseClass);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->m_pBaseClass);

    Square object;
    EXPECT_EQ(square, object.GetRuntimeClass());
    EXPECT_FALSE(object.IsSerializable());
}

TEST(CObject, KindAndDerivation) {
    Square square;
    const CObject& asObject = square;
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(Square)));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(Shape)));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(asObject.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_FALSE(RUNTIME_CLASS(Shape)->IsDerivedFrom(RUNTIME_CLASS(Square)));
    EXPECT_TRUE(RUNTIME_CLASS(CMemoryException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
}

TEST(CObject, OnlyDynCreateClassesCanBeCreated) {
    std::unique_ptr<CObject> created(RUNTIME_CLASS(Square)->CreateObject());
    ASSERT_NE(nullptr, created);
    EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(Square)));
    EXPECT_EQ(3, static_cast<Square*>(created.get())->side);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(Shape)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
}

TEST(CObject, ExceptionsAreThrownAsPointersAndDeleted) {
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        e->Delete();
        return;
    }
    FAIL() << "nothing thrown";
}

TEST(CObject, ResourceFailuresThrowTheResourceException) {
    try {
        AfxThrowResourceException();
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CResourceException)));
        EXPECT_FALSE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        e->Delete();
        return;
    }
    FAIL() << "nothing thrown";
}
