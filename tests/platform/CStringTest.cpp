#include "platform/CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// GBK characters whose trail byte is a character of its own in ASCII:
//   乗 = 81 5C (trail '\'), 丄 = 81 41 (trail 'A'), 乤 = 81 61 (trail 'a').
// 工程 = B9 A4 B3 CC is ordinary GB2312 text.

TEST(CString, SourceTextIsGbk) {
    EXPECT_EQ(std::string("\x81\x5C"), std::string(CString("乗")));
    EXPECT_EQ(std::string("\xB9\xA4\xB3\xCC"), std::string(CString("工程")));
}

TEST(CString, SearchesMatchOnlyAtCharacterBoundaries) {
    struct Case {
        const char* text;
        const char* what;
        int find;
        int reverseFind;
        int findOneOf;
    };
    const Case cases[] = {
        {"乗", "\\", -1, -1, -1},
        {"乗\\", "\\", 2, 2, 2},
        {"a\\乗\\乗", "\\", 1, 4, 1},
        {"丄A", "A", 2, 2, 2},
        {"乤a乤", "a", 2, 2, 2},
        {"工程A", "A", 4, 4, 4},
        {"abc", "x", -1, -1, -1},
    };
    for (const Case& c : cases) {
        const CString s(c.text);
        EXPECT_EQ(c.find, s.Find(c.what[0])) << c.text;
        EXPECT_EQ(c.find, s.Find(c.what)) << c.text;
        EXPECT_EQ(c.reverseFind, s.ReverseFind(c.what[0])) << c.text;
        EXPECT_EQ(c.findOneOf, s.FindOneOf(c.what)) << c.text;
    }
}

TEST(CString, FindTextAndStartIndex) {
    const CString s("乗\\x乗\\x");
    EXPECT_EQ(2, s.Find("\\x"));
    EXPECT_EQ(6, s.Find("\\x", 3));
    EXPECT_EQ(-1, s.Find("\\x", 7));
    EXPECT_EQ(4, s.Find("乗", 1));
    EXPECT_EQ(6, s.Find('\\', 3));
    EXPECT_EQ(-1, s.Find(""));
    EXPECT_EQ(-1, CString("ab").Find("abc"));
    EXPECT_EQ(2, s.FindOneOf("x\\"));
    EXPECT_EQ(0, CString("乗x").FindOneOf("乗"));
    // A set holding only a trail byte value matches no double-byte character.
    EXPECT_EQ(-1, CString("丄乤").FindOneOf("Aa"));
}

TEST(CString, ReplaceAndRemoveLeaveTrailBytesAlone) {
    CString s("C:\\乗\\乗");
    EXPECT_EQ(2, s.Replace('\\', '/'));
    EXPECT_EQ(CString("C:/乗/乗"), s);

    CString t("乤a乤aa");
    EXPECT_EQ(3, t.Replace("a", "bb"));
    EXPECT_EQ(CString("乤bb乤bbbb"), t);
    EXPECT_EQ(2, t.Replace("乤", ""));
    EXPECT_EQ(CString("bbbbbb"), t);
    EXPECT_EQ(0, t.Replace("x", "y"));

    CString u("\\乗\\丄A");
    EXPECT_EQ(2, u.Remove('\\'));
    EXPECT_EQ(CString("乗丄A"), u);
    EXPECT_EQ(1, u.Remove('A'));
    EXPECT_EQ(CString("乗丄"), u);
}

TEST(CString, CaseMappingTouchesSingleByteLettersOnly) {
    CString upper("乤ab丄c工程z");
    upper.MakeUpper();
    EXPECT_EQ(CString("乤AB丄C工程Z"), upper);

    CString lower("丄AB乤C");
    lower.MakeLower();
    EXPECT_EQ(CString("丄ab乤c"), lower);

    EXPECT_EQ(0, CString("乤abc").CompareNoCase("乤ABC"));
    EXPECT_NE(0, CString("丄").CompareNoCase("\x81" "a"));
}

TEST(CString, MakeReverseKeepsDoubleByteCharactersWhole) {
    CString s("ab工程乗");
    s.MakeReverse();
    EXPECT_EQ(CString("乗程工ba"), s);
}

TEST(CString, TrimByCharacters) {
    struct Case {
        const char* text;
        const char* set;  // nullptr: white space
        const char* left;
        const char* right;
    };
    const Case cases[] = {
        {" \t工程 \r\n", nullptr, "工程 \r\n", " \t工程"},
        {"   ", nullptr, "", ""},
        {"\\x乗\\\\", "\\", "x乗\\\\", "\\x乗"},
        {"乗乗a乗", "乗", "a乗", "乗乗a"},
        {"A丄A", "A", "丄A", "A丄"},
        {"", "x", "", ""},
        {" \tx", nullptr, "x", " \tx"},
        // A lead byte takes the blank after it as its trail byte.
        {"a \x81 ", nullptr, "a \x81 ", "a \x81 "},
    };
    for (const Case& c : cases) {
        CString left(c.text), right(c.text);
        if (c.set) {
            left.TrimLeft(c.set);
            right.TrimRight(c.set);
        } else {
            left.TrimLeft();
            right.TrimRight();
        }
        EXPECT_EQ(CString(c.left), left) << c.text;
        EXPECT_EQ(CString(c.right), right) << c.text;
    }
    CString both("  x y  ");
    both.Trim();
    EXPECT_EQ(CString("x y"), both);
    CString single("--a--");
    single.TrimLeft('-');
    single.TrimRight('-');
    EXPECT_EQ(CString("a"), single);
}

TEST(CString, SpanIncludingAndExcluding) {
    EXPECT_EQ(CString("123"), CString("123abc").SpanIncluding("0123456789"));
    EXPECT_EQ(CString(""), CString("abc").SpanIncluding("0123456789"));
    EXPECT_EQ(CString("乗乗"), CString("乗乗\\").SpanIncluding("乗"));
    EXPECT_EQ(CString("乗"), CString("乗\\x").SpanExcluding("\\"));
    EXPECT_EQ(CString("丄乤"), CString("丄乤").SpanExcluding("Aa"));
}

TEST(CString, SubstringsClampToTheText) {
    const CString s("abcdef");
    EXPECT_EQ(CString("cdef"), s.Mid(2));
    EXPECT_EQ(CString("cd"), s.Mid(2, 2));
    EXPECT_EQ(CString("ef"), s.Mid(4, 10));
    EXPECT_EQ(CString(""), s.Mid(10));
    EXPECT_EQ(CString("ab"), s.Mid(-3, 2));
    EXPECT_EQ(CString("ab"), s.Left(2));
    EXPECT_EQ(CString("abcdef"), s.Left(99));
    EXPECT_EQ(CString(""), s.Left(-1));
    EXPECT_EQ(CString("ef"), s.Right(2));
    EXPECT_EQ(CString("abcdef"), s.Right(99));
}

TEST(CString, InsertAndDelete) {
    CString s("工程");
    EXPECT_EQ(5, s.Insert(2, 'x'));
    EXPECT_EQ(CString("工x程"), s);
    EXPECT_EQ(8, s.Insert(99, "end"));
    EXPECT_EQ(CString("工x程end"), s);
    EXPECT_EQ(5, s.Delete(5, 3));
    EXPECT_EQ(4, s.Delete(2));
    EXPECT_EQ(CString("工程"), s);
    EXPECT_EQ(4, s.Delete(10, 2));
    EXPECT_EQ(0, s.Delete(0, 100));
}

TEST(CString, ComparisonsAndConcatenation) {
    const CString a("abc");
    EXPECT_TRUE(a == "abc");
    EXPECT_TRUE("abc" == a);
    EXPECT_TRUE(a != "abd");
    EXPECT_TRUE(a < "abd");
    EXPECT_TRUE("abd" > a);
    EXPECT_TRUE(a <= "abc" && "abc" <= a && a >= "abc" && "abd" >= a);
    EXPECT_TRUE(CString("abc") < CString("工"));  // bytes compare unsigned
    EXPECT_EQ(-1, a.Compare("abd"));
    EXPECT_EQ(1, a.Compare("ab"));
    EXPECT_EQ(0, a.Compare("abc"));

    CString s = a + "d" + 'e' + CString("f");
    s += "g";
    s += 'h';
    EXPECT_EQ(CString("abcdefgh"), s);
    EXPECT_EQ(CString("xabc"), 'x' + a);
    EXPECT_EQ(CString("---"), CString('-', 3));
    EXPECT_EQ(CString("ab"), CString("abc", 2));
    EXPECT_EQ(3, a.GetLength());
    EXPECT_EQ('b', a[1]);
    EXPECT_STREQ("abc", static_cast<LPCTSTR>(a));

    CString e("x");
    EXPECT_FALSE(e.IsEmpty());
    e.Empty();
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
}

TEST(CString, FormatUsesTheWindowsRuntimeRules) {
    struct Case {
        const char* expected;
        CString actual;
    };
    auto format = [](const char* fmt, auto... args) {
        CString s;
        s.Format(fmt, args...);
        return s;
    };
    const Case cases[] = {
        {"1.000000e+000", format("%e", 1.0)},
        {"-2.500000E-010", format("%E", -2.5e-10)},
        {"1e-005", format("%g", 0.00001)},
        {"123456", format("%g", 123456.0)},
        {"1.23457e+006", format("%g", 1234567.0)},
        {"3.14", format("%.2f", 3.14159)},
        {"-42|00042|2a|FFFFFFFF", format("%d|%05d|%x|%X", -42, 42, 42, 0xFFFFFFFFu)},
        {"[工程  ]", format("[%-6s]", "工程")},
        {"%", format("%%")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.expected), c.actual);
}

TEST(CString, FormatGrowsPastItsFirstBuffer) {
    const std::string longText(1000, 'x');
    CString s;
    s.Format("<%s>%d", longText.c_str(), 7);
    EXPECT_EQ(1003, s.GetLength());
    EXPECT_EQ(CString(">7"), s.Right(2));
}

TEST(CString, BufferAccess) {
    CString s("abc");
    char* buffer = s.GetBuffer(10);
    std::strcpy(buffer, "工程abcdef");
    s.ReleaseBuffer();
    EXPECT_EQ(CString("工程abcdef"), s);

    buffer = s.GetBuffer(0);
    buffer[0] = 'X';
    s.ReleaseBuffer(3);
    EXPECT_EQ(CString("X\xA4\xB3"), s);

    buffer = s.GetBufferSetLength(2);
    EXPECT_EQ(2, s.GetLength());
    buffer[1] = 'y';
    EXPECT_EQ(CString("Xy"), s);
}

TEST(CString, LoadStringOfMissingResourceIsFalseAndEmpty) {
    CString s("old");
    EXPECT_FALSE(s.LoadString(65000));
    EXPECT_TRUE(s.IsEmpty());
}
