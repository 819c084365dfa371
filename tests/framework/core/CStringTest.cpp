#include "RaisesSupport.h"

#include <gtest/gtest.h>

#include <process.h>
#include <string>

TEST(CStringSharing, EveryChangingMemberCopiesFirst)
{
    struct Change
    {
        const char* name;
        void (*apply)(CString&);
        const char* expected;
    };
    const Change changes[] = {
        {"MakeUpper", [](CString& s) { s.MakeUpper(); }, " AB CB "},
        {"MakeLower", [](CString& s) { s.MakeLower(); }, " ab cb "},
        {"MakeReverse", [](CString& s) { s.MakeReverse(); }, " bC bA "},
        {"Trim", [](CString& s) { s.Trim(); }, "Ab Cb"},
        {"Replace char", [](CString& s) { s.Replace('b', 'x'); }, " Ax Cx "},
        {"Replace text", [](CString& s) { s.Replace("b", "yy"); }, " Ayy Cyy "},
        {"Remove", [](CString& s) { s.Remove('b'); }, " A C "},
        {"Insert", [](CString& s) { s.Insert(1, "--"); }, " --Ab Cb "},
        {"Delete", [](CString& s) { s.Delete(0, 2); }, "b Cb "},
        {"append", [](CString& s) { s += "!"; }, " Ab Cb !"},
        {"GetBuffer",
         [](CString& s) {
             s.GetBuffer(0)[1] = 'Z';
             s.ReleaseBuffer();
         },
         " Zb Cb "},
    };
    for (const Change& change : changes)
    {
        CString original(" Ab Cb ");
        CString copy = original;
        change.apply(copy);
        EXPECT_STREQ(" Ab Cb ", original) << change.name;
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

namespace {
struct ThreadWork
{
    CString source;
    HANDLE start;
    int mismatches;
};

unsigned __stdcall CopyManyTimes(void* context)
{
    ThreadWork* work = (ThreadWork*)context;
    WaitForSingleObject(work->start, INFINITE);
    for (int i = 0; i < 20000; ++i)
    {
        CString copy = work->source;
        CString other;
        other = copy;
        if (other.GetLength() != 18 || other[17] != 'z')
            ++work->mismatches;
        if (i % 100 == 0)
        {
            other += "x";
            if (other.GetLength() != 19)
                ++work->mismatches;
        }
    }
    return 0;
}
} // namespace

TEST(CStringSharing, CopiesOnManyThreadsKeepTheCountRight)
{
    const int kThreads = 6;
    ThreadWork work[kThreads];
    HANDLE threads[kThreads];
    HANDLE start = CreateEventA(NULL, TRUE, FALSE, NULL);
    CString source("abcdefghijklmnopqz");
    for (int i = 0; i < kThreads; ++i)
    {
        work[i].source = source; // every thread shares the one buffer
        work[i].start = start;
        work[i].mismatches = 0;
        threads[i] = (HANDLE)_beginthreadex(NULL, 0, &CopyManyTimes, &work[i], 0, NULL);
        ASSERT_TRUE(threads[i] != NULL);
    }
    EXPECT_EQ((LPCTSTR)source, (LPCTSTR)work[0].source);
    SetEvent(start);
    WaitForMultipleObjects(kThreads, threads, TRUE, INFINITE);
    for (int i = 0; i < kThreads; ++i)
    {
        EXPECT_EQ(0, work[i].mismatches);
        CloseHandle(threads[i]);
    }
    CloseHandle(start);
    // Only the test's own copies are left: a change of one of them must still copy.
    work[0].source.SetAt(0, 'A');
    EXPECT_STREQ("abcdefghijklmnopqz", source);
}

TEST(CStringFormat, PrintfSemantics)
{
    CString s;
    s.Format("%d-%05.1f-%s-%c-%x-%%", -12, 3.14159, "txt", 'q', 255);
    EXPECT_STREQ("-12-003.1-txt-q-ff-%", s);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
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
    CString s;
    EXPECT_TRUE(s.LoadString(101));
    EXPECT_STREQ("Hello from the string table", s);
    s.Format(102u, 3, "box");
    EXPECT_STREQ("3 items in box", s);
    EXPECT_STREQ("Hello from the string table", CString(MAKEINTRESOURCE(101)));
    EXPECT_FALSE(s.LoadString(999));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringSearch, FindEdgeCases)
{
    CString s("abcabc");
    EXPECT_EQ(0, s.Find('a'));
    EXPECT_EQ(3, s.Find('a', 1));
    EXPECT_EQ(-1, s.Find('a', 4));
    EXPECT_EQ(-1, s.Find('a', 100));
    EXPECT_EQ(0, s.Find('a', -5));
    EXPECT_EQ(-1, s.Find('\0'));
    EXPECT_EQ(1, s.Find("bc"));
    EXPECT_EQ(4, s.Find("bc", 2));
    EXPECT_EQ(-1, s.Find("bc", 5));
    EXPECT_EQ(-1, s.Find("bc", 7));
    EXPECT_EQ(-1, s.Find("abcabcd"));
    EXPECT_EQ(2, s.Find("", 2));
    EXPECT_EQ(5, s.ReverseFind('c'));
    EXPECT_EQ(-1, s.ReverseFind('z'));
    EXPECT_EQ(2, s.FindOneOf("xc"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
    EXPECT_EQ(-1, s.FindOneOf(""));
    EXPECT_EQ(-1, CString().Find('a'));
    EXPECT_EQ(-1, CString().Find("a"));
}

TEST(CStringSearch, ReplaceEdgeCases)
{
    struct Case
    {
        const char* text;
        const char* from;
        const char* to;
        int count;
        const char* result;
    };
    const Case cases[] = {
        {"aaaa", "aa", "b", 2, "bb"}, {"aaa", "aa", "b", 1, "ba"},          {"abc", "", "x", 0, "abc"},
        {"abc", "abc", "", 1, ""},    {"abcabc", "c", "cc", 2, "abccabcc"}, {"", "a", "b", 0, ""},
        {"xyz", "q", "r", 0, "xyz"},  {"a.b.c", ".", "::", 2, "a::b::c"},
    };
    for (const Case& c : cases)
    {
        CString s(c.text);
        EXPECT_EQ(c.count, s.Replace(c.from, c.to)) << c.text << " " << c.from;
        EXPECT_STREQ(c.result, s) << c.text << " " << c.from;
    }
    CString s("a-b-c");
    EXPECT_EQ(2, s.Replace('-', '+'));
    EXPECT_STREQ("a+b+c", s);
    EXPECT_EQ(2, s.Remove('+'));
    EXPECT_STREQ("abc", s);
    EXPECT_EQ(0, s.Remove('z'));
}

TEST(CStringTrim, EdgeCases)
{
    struct Case
    {
        const char* text;
        const char* left;
        const char* right;
        const char* both;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"   ", "", "", ""},
        {" \t\r\n x y \n", "x y \n", " \t\r\n x y", "x y"},
        {"noblanks", "noblanks", "noblanks", "noblanks"},
    };
    for (const Case& c : cases)
    {
        CString l(c.text), r(c.text), b(c.text);
        EXPECT_STREQ(c.left, l.TrimLeft()) << "[" << c.text << "]";
        EXPECT_STREQ(c.right, r.TrimRight()) << "[" << c.text << "]";
        EXPECT_STREQ(c.both, b.Trim()) << "[" << c.text << "]";
    }
    CString s("xxaxbxx");
    EXPECT_STREQ("axb", s.Trim('x'));
    s = "-=a=-";
    EXPECT_STREQ("a=-", CString(s).TrimLeft("=-"));
    EXPECT_STREQ("-=a", CString(s).TrimRight("=-"));
    EXPECT_STREQ("a", CString(s).Trim("=-"));
    EXPECT_STREQ("-=a=-", CString(s).Trim(""));
}

TEST(CStringParts, ClipToTheString)
{
    CString s("hello");
    EXPECT_STREQ("ell", s.Mid(1, 3));
    EXPECT_STREQ("llo", s.Mid(2));
    EXPECT_STREQ("", s.Mid(9));
    EXPECT_STREQ("hello", s.Mid(-3));
    EXPECT_STREQ("", s.Mid(2, -1));
    EXPECT_STREQ("he", s.Left(2));
    EXPECT_STREQ("hello", s.Left(50));
    EXPECT_STREQ("", s.Left(-1));
    EXPECT_STREQ("lo", s.Right(2));
    EXPECT_STREQ("hello", s.Right(50));
    EXPECT_STREQ("hell", s.SpanIncluding("leh"));
    EXPECT_STREQ("he", s.SpanExcluding("l"));
    EXPECT_EQ(4, s.Delete(4, 10));
    EXPECT_EQ(4, s.Delete(7));
    EXPECT_EQ(4, s.Delete(1, 0));
    EXPECT_EQ(6, s.Insert(99, "!!"));
    EXPECT_EQ(7, s.Insert(-4, '<'));
    EXPECT_STREQ("<hell!!", s);
}

TEST(CStringElements, IndexOutOfRangeRaisesInvalidArg)
{
    CString s("ab");
    EXPECT_EQ('b', s[1]);
    for (int index : {-1, 2, 100})
        EXPECT_TRUE(Raises<CInvalidArgException>([&] { s.GetAt(index); })) << index;
    EXPECT_TRUE(Raises<CInvalidArgException>([&] { s.SetAt(2, 'x'); }));
}

TEST(CStringElements, CaseFollowsTheAnsiCodePage)
{
    CString s("abc \xE9\xE8 XYZ");
    EXPECT_STREQ("ABC \xC9\xC8 XYZ", CString(s).MakeUpper());
    EXPECT_STREQ("abc \xE9\xE8 xyz", CString(s).MakeLower());
    EXPECT_STREQ("ZYX \xE8\xE9 cba", CString(s).MakeReverse());
}

TEST(CStringElements, ComparisonAndConcatenation)
{
    CString a("Apple"), b("apple");
    EXPECT_LT(a.Compare(b), 0);
    EXPECT_EQ(0, a.CompareNoCase(b));
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a == "Apple");
    EXPECT_TRUE("apple" == b);
    EXPECT_STREQ("Apple-apple!", a + '-' + b + "!");
    EXPECT_STREQ(">Apple", '>' + a);
    EXPECT_STREQ("xApple", "x" + a);
    EXPECT_STREQ("aaa", CString('a', 3));
    EXPECT_STREQ("wide", CString(L"wide"));
    EXPECT_STREQ("", CString((LPCTSTR)NULL));
    EXPECT_EQ(2, CString("a\0b", 3).GetLength() - 1);
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
    LPTSTR q = s.GetBufferSetLength(2);
    EXPECT_EQ(0, q[2]);
    EXPECT_STREQ("01", s);
    s.FreeExtra();
    EXPECT_EQ(2, s.GetAllocLength());
}

TEST(CStringHelpers, ExtractSubString)
{
    struct Case
    {
        const char* text;
        int index;
        char separator;
        bool found;
        const char* field;
    };
    const Case cases[] = {
        {"a\nbb\n\nd", 1, '\n', true, "bb"}, {"a\nbb\n\nd", 2, '\n', true, ""},
        {"a\nbb\n\nd", 3, '\n', true, "d"},  {"a\nbb\n\nd", 4, '\n', false, ""},
        {"x,y", 1, ',', true, "y"},
    };
    for (const Case& c : cases)
    {
        CString field("old");
        EXPECT_EQ(c.found, !!AfxExtractSubString(field, c.text, c.index, c.separator)) << c.index;
        EXPECT_STREQ(c.field, field) << c.index;
    }
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
