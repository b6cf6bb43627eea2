#include "platform/Arrays.h"

#include "tests/support/FrameworkExceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

template <class Array>
std::vector<DWORD> Contents(const Array& array) {
    std::vector<DWORD> values;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        values.push_back(array[i]);
    return values;
}

using Values = std::vector<DWORD>;

} // namespace

TEST(Array, InsertAndRemoveShiftTheRest) {
    CDWordArray array;
    for (DWORD value : {10, 20, 30})
        array.Add(value);

    array.InsertAt(1, 15);
    EXPECT_EQ(Contents(array), (Values{10, 15, 20, 30}));
    array.InsertAt(0, 5, 2);
    EXPECT_EQ(Contents(array), (Values{5, 5, 10, 15, 20, 30}));
    array.InsertAt(6, 40);  // at the end
    EXPECT_EQ(Contents(array), (Values{5, 5, 10, 15, 20, 30, 40}));
    array.InsertAt(9, 99);  // past the end: zero slots fill the gap
    EXPECT_EQ(Contents(array), (Values{5, 5, 10, 15, 20, 30, 40, 0, 0, 99}));

    array.RemoveAt(0, 2);
    EXPECT_EQ(Contents(array), (Values{10, 15, 20, 30, 40, 0, 0, 99}));
    array.RemoveAt(7);
    array.RemoveAt(5, 2);
    EXPECT_EQ(Contents(array), (Values{10, 15, 20, 30, 40}));
    EXPECT_EQ(array.GetUpperBound(), 4);
}

TEST(Array, SetAtGrowAndSetSizeFillWithZeros) {
    CByteArray bytes;
    bytes.SetAtGrow(3, 0xAA);
    EXPECT_EQ(Contents(bytes), (Values{0, 0, 0, 0xAA}));
    bytes.SetAtGrow(1, 0x11);
    EXPECT_EQ(Contents(bytes), (Values{0, 0x11, 0, 0xAA}));

    bytes.SetSize(2);
    EXPECT_EQ(Contents(bytes), (Values{0, 0x11}));
    bytes.SetSize(4, 32);
    EXPECT_EQ(Contents(bytes), (Values{0, 0x11, 0, 0}));
    bytes.RemoveAll();
    EXPECT_TRUE(bytes.IsEmpty());
    EXPECT_EQ(bytes.GetData(), nullptr);
}

TEST(Array, ElementsAddedFromTheArrayItselfSurviveGrowth) {
    CStringArray texts;
    texts.Add("first");
    for (int i = 0; i < 100; ++i)
        texts.Add(texts[0]);
    texts.InsertAt(0, texts[texts.GetUpperBound()], 3);
    texts.SetAtGrow(200, texts[1]);
    EXPECT_EQ(texts.GetSize(), 201);
    EXPECT_EQ(texts[0], "first");
    EXPECT_EQ(texts[102], "first");
    EXPECT_EQ(texts[199], "");
    EXPECT_EQ(texts[200], "first");

    CWordArray words;
    words.Add(1);
    words.Add(2);
    EXPECT_EQ(words.Append(words), 2);
    words.InsertAt(1, &words);
    EXPECT_EQ(Contents(words), (Values{1, 1, 2, 1, 2, 2, 1, 2}));
}

TEST(Array, CopyAndAppendTakeTheOtherArraysElements) {
    CStringArray source, target;
    source.Add("a");
    source.Add("b");
    target.Add("old");
    EXPECT_EQ(target.Append(source), 1);
    EXPECT_EQ(target.GetSize(), 3);
    EXPECT_EQ(target[2], "b");
    target.Copy(source);
    ASSERT_EQ(target.GetSize(), 2);
    EXPECT_EQ(target[0], "a");
    source[0] = "changed";
    EXPECT_EQ(target[0], "a");
}

TEST(Array, BadIndexesRaiseInsteadOfTouchingMemory) {
    CDWordArray array;
    array.Add(1);
    array.Add(2);
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { array.GetAt(2); }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { array[-1]; }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { array.SetAt(5, 0); }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { array.RemoveAt(1, 2); }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { array.RemoveAt(-1); }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { array.InsertAt(-1, 7); }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { array.SetAtGrow(-1, 0); }));
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { array.SetSize(-1); }));
    EXPECT_EQ(Contents(array), (Values{1, 2}));
}

TEST(Array, PointerArraysDoNotOwnTheirElements) {
    int value = 7;
    CPtrArray pointers;
    pointers.Add(&value);
    pointers.Add(nullptr);
    pointers.RemoveAll();
    EXPECT_EQ(value, 7);  // nothing was deleted (deleting &value would crash)
}
