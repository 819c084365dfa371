#include "RaisesSupport.h"
#include "ThreadSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// The texts joined by '|': several results compared as one value.
std::string Join(std::initializer_list<CString> texts)
{
    std::string joined;
    for (const CString& text : texts)
        joined += (&text == texts.begin() ? "" : "|") + std::string(text);
    return joined;
}
} // namespace

TEST(CStringSharing, EveryChangingMemberCopiesFirst)
{
    struct Change
    {
        const char* name;
        void (*apply)(CString&);
        const char* expected;
    };
    const Change changes[] = {
        // Case follows the ANSI code page: \xE9 and \xC8 are letters too.
        {"MakeUpper", [](CString& s) { s.MakeUpper(); }, " AB \xC9\xC8 "},
        {"MakeLower", [](CString& s) { s.MakeLower(); }, " ab \xE9\xE8 "},
        {"MakeReverse", [](CString& s) { s.MakeReverse(); }, " \xC8\xE9 bA "},
        {"Trim", [](CString& s) { s.Trim(); }, "Ab \xE9\xC8"},
        {"Replace char", [](CString& s) { s.Replace('b', 'x'); }, " Ax \xE9\xC8 "},
        {"Replace text", [](CString& s) { s.Replace("b", "yy"); }, " Ayy \xE9\xC8 "},
        {"Remove", [](CString& s) { s.Remove('b'); }, " A \xE9\xC8 "},
        {"Insert", [](CString& s) { s.Insert(1, "--"); }, " --Ab \xE9\xC8 "},
        {"Delete", [](CString& s) { s.Delete(0, 2); }, "b \xE9\xC8 "},
        {"append", [](CString& s) { s += "!"; }, " Ab \xE9\xC8 !"},
        {"GetBuffer",
         [](CString& s) {
             s.GetBuffer(0)[1] = 'Z';
             s.ReleaseBuffer();
         },
         " Zb \xE9\xC8 "},
    };
    for (const Change& change : changes)
    {
        CString original(" Ab \xE9\xC8 ");
        CString copy = original;
        change.apply(copy);
        EXPECT_STREQ(" Ab \xE9\xC8 ", original) << change.name;
        EXPECT_STREQ(change.expected, copy) << change.name;
    }
}

TEST(CStringSharing, LockedBufferIsNeverShared)
{
    CString a("locked");
    LPTSTR buffer = a.LockBuffer();
    CString b = a;
    EXPECT_NE((LPCTSTR)b, (LPCTSTR)a);
    buffer[0] = 'L';
    EXPECT_STREQ("locked", b);
    a = "a longer text than before"; // a new buffer, still locked
    CString d = a;
    EXPECT_NE((LPCTSTR)d, (LPCTSTR)a);
    a.UnlockBuffer();
    CString c = a;
    EXPECT_EQ((LPCTSTR)c, (LPCTSTR)a);
}

TEST(CStringSharing, AppendingToItselfAndAssigningAPartOfItself)
{
    CString s("ab");
    s += s;
    s += (LPCTSTR)s + 1;
    EXPECT_STREQ("ababbab", s);
    s = (LPCTSTR)s + 3;
    EXPECT_STREQ("bbab", s);
    s.Insert(2, (LPCTSTR)s);
    EXPECT_STREQ("bbbbabab", s);
}

// Copies on many threads at once keep the shared buffer's count right, and changed copies take
// blocks from the one pool all threads share.
TEST(CStringSharing, CopiesOnManyThreadsKeepTheCountRight)
{
    const CString source("abcdefghijklmnopqz");
    std::vector<int> mismatches(6);
    RunOnThreads(6, [&](int thread) {
        for (int i = 0; i < 20000; ++i)
        {
            CString copy = source;
            CString changed = copy;
            if (i % 4 == 0)
                changed += 'x'; // a block of its own from the pool all threads share
            mismatches[thread] += copy != "abcdefghijklmnopqz" || changed.GetLength() != 18 + (i % 4 == 0);
        }
    });
    EXPECT_EQ(std::vector<int>(6, 0), mismatches);
    // Only the test's own copies are left: a change of one of them must still copy.
    CString copy = source;
    copy.SetAt(0, 'A');
    EXPECT_STREQ("abcdefghijklmnopqz", source);
}

TEST(CStringFormat, PrintfSemantics)
{
    CString s;
    s.Format("%d-%05.1f-%s-%c-%x-%%", -12, 3.14159, "txt", 'q', 255);
    EXPECT_STREQ("-12-003.1-txt-q-ff-%", s);
    std::string longText(5000, 'w');
    s.Format("[%s]", longText.c_str());
    EXPECT_EQ(5002, s.GetLength());
    s.Format("<%s>", (LPCTSTR)s.Left(3));
    EXPECT_STREQ("<[ww>", s);
    s.Format("%s%s", (LPCTSTR)s, (LPCTSTR)s); // arguments pointing into the string itself
    EXPECT_STREQ("<[ww><[ww>", s);
    s.AppendFormat("%I64d", (__int64)1 << 40);
    EXPECT_STREQ("<[ww><[ww>1099511627776", s);
}

TEST(CStringFormat, FormatAndLoadFromTheStringTable)
{
    CString s, formatted;
    EXPECT_TRUE(s.LoadString(101));
    formatted.Format(102u, 3, "box");
    EXPECT_EQ("Hello from the string table|3 items in box|Hello from the string table",
              Join({s, formatted, CString(MAKEINTRESOURCE(101))}));
    EXPECT_FALSE(s.LoadString(999));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringSearch, FindEdgeCases)
{
    CString s("abcabc"), none;
    const std::vector<int> found = {
        s.Find('a'),        s.Find('a', 1),  s.Find('a', 4),     s.Find('a', 100),   s.Find('a', -5),
        s.Find('\0'),       s.Find("bc"),    s.Find("bc", 2),    s.Find("bc", 5),    s.Find("bc", 7),
        s.Find("abcabcd"),  s.Find("", 2),   s.ReverseFind('c'), s.ReverseFind('z'), s.FindOneOf("xc"),
        s.FindOneOf("xyz"), s.FindOneOf(""), none.Find('a'),     none.Find("a")};
    EXPECT_EQ(std::vector<int>({0, 3, -1, -1, 0, -1, 1, 4, -1, -1, -1, 2, 5, -1, 2, -1, -1, -1, -1}), found);
}

TEST(CStringSearch, ReplaceEdgeCases)
{
    // The text, what is replaced, by what, and the count with the result.
    const char* const cases[][4] = {
        {"aaaa", "aa", "b", "2 bb"}, {"aaa", "aa", "b", "1 ba"},          {"abc", "", "x", "0 abc"},
        {"abc", "abc", "", "1 "},    {"abcabc", "c", "cc", "2 abccabcc"}, {"", "a", "b", "0 "},
        {"xyz", "q", "r", "0 xyz"},  {"a.b.c", ".", "::", "2 a::b::c"},
    };
    for (const auto& c : cases)
    {
        CString s(c[0]);
        const int count = s.Replace(c[1], c[2]);
        EXPECT_EQ(c[3], std::to_string(count) + " " + (LPCTSTR)s) << c[0] << " " << c[1];
    }
    CString s("a-b-c");
    const std::vector<int> counts = {s.Replace('-', '+'), s.Remove('+'), s.Remove('z')};
    EXPECT_EQ(std::vector<int>({2, 2, 0}), counts);
    EXPECT_STREQ("abc", s);
}

TEST(CStringTrim, EdgeCases)
{
    // The text, then it trimmed on the left, on the right and on both sides, joined by '|'.
    const char* const cases[][2] = {
        {"", "||"},
        {"   ", "||"},
        {" \t\r\n x y \n", "x y \n| \t\r\n x y|x y"},
        {"noblanks", "noblanks|noblanks|noblanks"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c[1], Join({CString(c[0]).TrimLeft(), CString(c[0]).TrimRight(), CString(c[0]).Trim()}))
            << "[" << c[0] << "]";
    }
    CString s("-=a=-");
    EXPECT_EQ("axb|a=-|-=a|a|-=a=-",
              Join({CString("xxaxbxx").Trim('x'), CString(s).TrimLeft("=-"), CString(s).TrimRight("=-"),
                    CString(s).Trim("=-"), CString(s).Trim("")}));
}

TEST(CStringParts, ClipToTheString)
{
    CString s("hello");
    EXPECT_EQ("ell|llo||hello||he|hello||lo|hello|hell|he",
              Join({s.Mid(1, 3), s.Mid(2), s.Mid(9), s.Mid(-3), s.Mid(2, -1), s.Left(2), s.Left(50),
                    s.Left(-1), s.Right(2), s.Right(50), s.SpanIncluding("leh"), s.SpanExcluding("l")}));
    const std::vector<int> lengths = {s.Delete(4, 10), s.Delete(7), s.Delete(1, 0), s.Insert(99, "!!"),
                                      s.Insert(-4, '<')};
    EXPECT_EQ(std::vector<int>({4, 4, 4, 6, 7}), lengths);
    EXPECT_STREQ("<hell!!", s);
}

TEST(CStringElements, IndexOutOfRangeRaisesInvalidArg)
{
    CString s("ab");
    for (int index : {-1, 2, 100})
        EXPECT_TRUE(Raises<CInvalidArgException>([&] { s.GetAt(index); })) << index;
    EXPECT_TRUE(Raises<CInvalidArgException>([&] { s.SetAt(2, 'x'); }));
}

TEST(CStringElements, ComparisonIsCaseSensitiveUnlessAskedNotToBe)
{
    CString a("Apple"), b("apple");
    EXPECT_LT(a.Compare(b), 0);
    EXPECT_EQ(0, a.CompareNoCase(b));
    EXPECT_TRUE(a < b && a != b && a == "Apple" && "apple" == b);
}

TEST(CStringElements, ConcatenationAndConstructionFromCharactersWideTextAndNull)
{
    CString a("Apple"), b("apple");
    EXPECT_EQ("Apple-apple!|>Apple|xApple|aaa|wide|",
              Join({a + '-' + b + "!", '>' + a, "x" + a, CString('a', 3), CString(L"wide"),
                    CString((LPCTSTR)NULL)}));
    EXPECT_EQ(3, CString("a\0b", 3).GetLength());
}

TEST(CStringBuffer, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    LPTSTR p = s.GetBuffer(10);
    EXPECT_GE(s.GetAllocLength(), 10);
    strcpy(p, "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(10, s.GetLength());
    s.GetBuffer(0);
    s.ReleaseBuffer(4);
    EXPECT_STREQ("0123", s);
    s.ReleaseBuffer(1000); // clipped to the buffer
    EXPECT_LE(s.GetLength(), s.GetAllocLength());
    EXPECT_EQ(0, s.GetBufferSetLength(2)[2]);
    s.FreeExtra();
    EXPECT_EQ("01 2", std::string(s) + " " + std::to_string(s.GetAllocLength()));
}

TEST(CStringHelpers, ExtractSubString)
{
    std::string fields;
    for (int index = 0; index < 5; ++index)
    {
        CString field("old");
        const bool found = AfxExtractSubString(field, "a\nbb\n\nd", index, '\n');
        fields += (found ? "+" : "-") + std::string(field) + " ";
    }
    EXPECT_EQ("+a +bb + +d - ", fields);
    CString field;
    EXPECT_TRUE(AfxExtractSubString(field, "x,y", 1, ',') && field == "y");
}

TEST(CStringBuffer, ImpossibleSizesRaiseMemoryException)
{
    for (int size : {0x7FFFFF00, INT_MAX})
    {
        CString s("kept");
        EXPECT_TRUE(Raises<CMemoryException>([&] { s.GetBuffer(size); })) << size;
        EXPECT_STREQ("kept", s);
    }
}
