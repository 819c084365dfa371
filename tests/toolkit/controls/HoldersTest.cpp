#include "toolkit/controls/XTIconHolder.h"
#include "toolkit/controls/XTModuleHolder.h"
#include "toolkit/controls/XTPathParts.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// A colour icon of cx x cy, or a monochrome one (mask of two halves, no
// colour bitmap).
HICON MakeIcon(int cx, int cy, bool monochrome = false)
{
    if (monochrome)
    {
        std::vector<BYTE> andBits((cx + 15) / 16 * 2 * cy, 0x00);
        std::vector<BYTE> xorBits(andBits.size(), 0xFF);
        return ::CreateIcon(NULL, cx, cy, 1, 1, &andBits[0], &xorBits[0]);
    }
    HDC hScreen = ::GetDC(NULL);
    ICONINFO info = {TRUE, 0, 0, ::CreateBitmap(cx, cy, 1, 1, NULL),
                     ::CreateCompatibleBitmap(hScreen, cx, cy)};
    ::ReleaseDC(NULL, hScreen);
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return hIcon;
}

bool IsIcon(HICON hIcon)
{
    ICONINFO info;
    if (!::GetIconInfo(hIcon, &info))
        return false;
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    return true;
}

} // namespace

TEST(IconHolder, DestroysTheHeldIconWhenReplacedOrCleared)
{
    HICON hFirst = MakeIcon(16, 16);
    HICON hSecond = MakeIcon(16, 16);
    {
        CXTIconHolder holder(hFirst);
        EXPECT_EQ(hFirst, (HICON)holder);
        holder = hSecond;
        EXPECT_FALSE(IsIcon(hFirst));
        EXPECT_TRUE(IsIcon(hSecond));
        // Assigning the held icon again keeps it.
        holder = hSecond;
        EXPECT_TRUE(IsIcon(hSecond));
        holder = (HICON)NULL;
        EXPECT_FALSE(IsIcon(hSecond));
        EXPECT_EQ(NULL, (HICON)holder);
        holder = MakeIcon(8, 8);
        hFirst = holder;
    }
    EXPECT_FALSE(IsIcon(hFirst));
}

TEST(IconHolder, ExtentOfColourAndMonochromeIcons)
{
    CXTIconHolder colour(MakeIcon(32, 16));
    CXTIconHolder mono(MakeIcon(32, 16, true));
    CXTIconHolder none;
    EXPECT_EQ(CSize(32, 16), colour.GetExtent());
    EXPECT_EQ(CSize(32, 16), mono.GetExtent());
    EXPECT_EQ(CSize(0, 0), none.GetExtent());
}

TEST(IconHolder, ScaleToFitKeepsTheAspectRatio)
{
    struct Row
    {
        const char* name;
        int iconCx, iconCy, boxCx, boxCy;
        CSize expected;
    } rows[] = {
        {"wide icon in a square", 32, 16, 16, 16, CSize(16, 8)},
        {"tall icon in a square", 16, 32, 16, 16, CSize(8, 16)},
        {"same ratio", 32, 32, 16, 16, CSize(16, 16)},
        {"square icon in a wide box", 32, 32, 40, 20, CSize(20, 20)},
        {"zero box", 32, 16, 0, 0, CSize(0, 0)},
    };
    for (const Row& row : rows)
    {
        CXTIconHolder icon(MakeIcon(row.iconCx, row.iconCy));
        CXTIconHolder scaled(icon.ScaleToFit(row.boxCx, row.boxCy));
        EXPECT_EQ(row.expected, scaled.GetExtent()) << row.name;
        EXPECT_EQ(row.expected.cx == 0, scaled.m_hIcon == NULL) << row.name;
    }
    EXPECT_EQ(NULL, CXTIconHolder::ScaleToFit(NULL, 16, 16));
}

TEST(ModuleHolder, AsksTheLibraryForItsVersion)
{
    CXTModuleHolder comctl("comctl32.dll");
    ASSERT_NE(nullptr, comctl.m_hModule);
    DWORD version = comctl.GetDllVersion();
    EXPECT_GE(HIWORD(version), 5u);

    // kernel32 has no version export.
    comctl.LoadModule("kernel32.dll");
    EXPECT_EQ(::GetModuleHandleA("kernel32.dll"), comctl.m_hModule);
    EXPECT_EQ(0u, comctl.GetDllVersion());

    comctl.LoadModule(NULL);
    EXPECT_EQ(nullptr, comctl.m_hModule);
    EXPECT_EQ(0u, comctl.GetDllVersion());
    CXTModuleHolder missing("no_such_library_here.dll");
    EXPECT_EQ(nullptr, missing.m_hModule);
}

TEST(PathParts, SplitsPathsIntoFourParts)
{
    struct Row
    {
        const char* path;
        const char* drive;
        const char* dir;
        const char* fname;
        const char* ext;
        const char* drivePath;
        const char* fileName;
    } rows[] = {
        {"C:\\news\\conf.xml", "C:", "\\news\\", "conf", ".xml", "C:\\news\\", "conf.xml"},
        {"\\news\\conf.xml", "", "\\news\\", "conf", ".xml", "\\news\\", "conf.xml"},
        {"conf", "", "", "conf", "", "", "conf"},
        {"C:a.b.c", "C:", "", "a.b", ".c", "C:", "a.b.c"},
        {"C:/dir.d/name", "C:", "/dir.d/", "name", "", "C:/dir.d/", "name"},
        {"", "", "", "", "", "", ""},
    };
    for (const Row& row : rows)
    {
        CXTPathParts parts(row.path);
        EXPECT_STREQ(row.drive, parts.GetDrive()) << row.path;
        EXPECT_STREQ(row.dir, parts.GetDir()) << row.path;
        EXPECT_STREQ(row.fname, parts.GetFName()) << row.path;
        EXPECT_STREQ(row.ext, parts.GetExt()) << row.path;
        EXPECT_STREQ(row.drivePath, parts.GetDrivePath()) << row.path;
        EXPECT_STREQ(row.fileName, parts.GetFileName()) << row.path;
    }
}

TEST(PathParts, PartsLongerThanTheirBuffersAreCut)
{
    CString longPath = "C:\\" + CString('d', 400) + "\\" + CString('f', 300) + "." + CString('e', 300);
    CXTPathParts parts(longPath);
    EXPECT_EQ(255, parts.GetDir().GetLength());
    EXPECT_EQ(CString('f', 255), parts.GetFName());
    EXPECT_EQ(255, parts.GetExt().GetLength());
    EXPECT_EQ('.', parts.GetExt()[0]);
}
