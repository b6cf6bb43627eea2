#include "platform/Lists.h"

#include "tests/support/FrameworkExceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Forward(const CStringList& list) {
    std::vector<std::string> texts;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        texts.push_back(static_cast<LPCSTR>(list.GetNext(pos)));
    return texts;
}

std::vector<std::string> Backward(const CStringList& list) {
    std::vector<std::string> texts;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        texts.push_back(static_cast<LPCSTR>(list.GetPrev(pos)));
    return texts;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(List, AddsAndInsertsAtEveryPlace) {
    CStringList list;
    POSITION b = list.AddTail("b");
    list.AddHead("a");
    POSITION d = list.AddTail("d");
    list.InsertAfter(b, "c");
    list.InsertBefore(d, "c2");
    list.InsertBefore(nullptr, "head");
    list.InsertAfter(nullptr, "tail");

    const Texts expected{"head", "a", "b", "c", "c2", "d", "tail"};
    EXPECT_EQ(Forward(list), expected);
    EXPECT_EQ(Backward(list), Texts(expected.rbegin(), expected.rend()));
    EXPECT_EQ(list.GetCount(), 7);
    EXPECT_EQ(list.GetHead(), "head");
    EXPECT_EQ(list.GetTail(), "tail");
}

TEST(List, RemovesHeadTailAndAnyPosition) {
    CStringList list;
    for (const char* text : {"1", "2", "3", "4", "5"})
        list.AddTail(text);

    EXPECT_EQ(list.RemoveHead(), "1");
    EXPECT_EQ(list.RemoveTail(), "5");
    list.RemoveAt(list.FindIndex(1));
    EXPECT_EQ(Forward(list), (Texts{"2", "4"}));
    EXPECT_EQ(Backward(list), (Texts{"4", "2"}));

    list.RemoveAt(list.GetTailPosition());
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail("again");
    EXPECT_EQ(Forward(list), (Texts{"again"}));
}

TEST(List, RemovingWhileIteratingKeepsTheNextPosition) {
    CStringList list;
    for (const char* text : {"keep", "drop", "drop", "keep", "drop"})
        list.AddTail(text);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        POSITION current = pos;
        if (list.GetNext(pos) == "drop")
            list.RemoveAt(current);
    }
    EXPECT_EQ(Forward(list), (Texts{"keep", "keep"}));
}

TEST(List, FindAndFindIndex) {
    CStringList list;
    for (const char* text : {"x", "y", "x", "z"})
        list.AddTail(text);

    POSITION first = list.Find("x");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, list.GetHeadPosition());
    POSITION second = list.Find("x", first);
    EXPECT_EQ(second, list.FindIndex(2));
    EXPECT_EQ(list.Find("x", second), nullptr);
    EXPECT_EQ(list.Find("missing"), nullptr);

    EXPECT_EQ(list.GetAt(list.FindIndex(3)), "z");
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    list.SetAt(second, "w");
    EXPECT_EQ(Forward(list), (Texts{"x", "y", "w", "z"}));
}

TEST(List, AddsAnotherListOrItself) {
    CStringList list, other;
    list.AddTail("m");
    other.AddTail("o1");
    other.AddTail("o2");
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(Forward(list), (Texts{"o1", "o2", "m", "o1", "o2"}));

    CStringList self;
    self.AddTail("a");
    self.AddTail("b");
    self.AddTail(&self);
    self.AddHead(&self);
    EXPECT_EQ(Forward(self), (Texts{"a", "b", "a", "b", "a", "b", "a", "b"}));
}

TEST(List, EmptyListAndNullPositionsRaise) {
    CStringList list;
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { list.RemoveTail(); }));
    POSITION none = nullptr;
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { list.GetNext(none); }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { list.RemoveAt(nullptr); }));
}

TEST(List, PointerListsDoNotOwnTheirElements) {
    int value = 3;
    {
        CPtrList pointers;
        pointers.AddTail(&value);
        EXPECT_EQ(pointers.Find(&value), pointers.GetHeadPosition());
    }
    EXPECT_EQ(value, 3);
}
