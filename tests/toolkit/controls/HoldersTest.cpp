#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTIconHolder.h"
#include "toolkit/controls/XTModuleHolder.h"
#include "toolkit/controls/XTPathParts.h"
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

bool IsIcon(HICON hIcon)
{
    ICONINFO info = {};
    BOOL bIcon = ::GetIconInfo(hIcon, &info);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return bIcon != FALSE;
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
        // Assigning the held icon again keeps it.
        holder = hSecond;
        EXPECT_TRUE(!IsIcon(hFirst) && IsIcon(hSecond));
        holder = (HICON)NULL;
        EXPECT_TRUE(!IsIcon(hSecond) && (HICON)holder == NULL);
        holder = MakeIcon(8, 8);
        hFirst = holder;
    }
    EXPECT_FALSE(IsIcon(hFirst));
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

TEST(IconHolder, ExtentOfAMonochromeIconIsHalfItsMaskAndOfNoIconIsEmpty)
{
    // A monochrome icon's mask holds both halves; no icon has no extent.
    EXPECT_EQ(CSize(32, 16), CXTIconHolder(MakeIcon(32, 16, true)).GetExtent());
    EXPECT_EQ(CSize(0, 0), CXTIconHolder().GetExtent());
}

TEST(ModuleHolder, AsksTheLibraryForItsVersion)
{
    CXTModuleHolder comctl("comctl32.dll");
    EXPECT_EQ(MAKELONG(81, 5), (LONG)comctl.GetDllVersion()) << "version 5.81";
    comctl.LoadModule("kernel32.dll");
    EXPECT_EQ(0u, comctl.GetDllVersion()) << "no version export";
}

TEST(PathParts, SplitsPathsIntoFourParts)
{
    // The drive, directory, name and extension, then the drive path and the file name.
    struct Row
    {
        const char *path, *expected;
    } rows[] = {
        {"C:\\news\\conf.xml", "C:|\\news\\|conf|.xml|C:\\news\\|conf.xml"},
        {"\\news\\conf.xml", "|\\news\\|conf|.xml|\\news\\|conf.xml"},
        {"conf", "||conf|||conf"},
        {"C:a.b.c", "C:||a.b|.c|C:|a.b.c"},
        {"C:/dir.d/name", "C:|/dir.d/|name||C:/dir.d/|name"},
        {"", "|||||"},
    };
    for (const Row& row : rows)
    {
        CXTPathParts parts(row.path);
        CString text = parts.GetDrive() + "|" + parts.GetDir() + "|" + parts.GetFName() + "|" + parts.GetExt()
                       + "|" + parts.GetDrivePath() + "|" + parts.GetFileName();
        EXPECT_STREQ(row.expected, text) << row.path;
    }
}

TEST(PathParts, PartsLongerThanTheirBuffersAreCut)
{
    CString longPath = "C:\\" + CString('d', 400) + "\\" + CString('f', 300) + "." + CString('e', 300);
    CXTPathParts parts(longPath);
    EXPECT_EQ(std::make_tuple(255, CString('f', 255), 255, '.'),
              std::make_tuple(parts.GetDir().GetLength(), parts.GetFName(), parts.GetExt().GetLength(),
                              parts.GetExt()[0]));
}
