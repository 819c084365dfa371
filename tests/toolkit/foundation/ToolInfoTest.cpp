// The tool record of OnToolHitTest: filled with a copy of the text the
// framework may free, and only when the record is large enough to carry it.
#include "toolkit/foundation/XTPToolInfo.h"

#include "framework/Core.h"

#include <gtest/gtest.h>

#include <stdlib.h>

namespace {

TEST(ToolInfo, ARecordLargeEnoughGetsTheToolAndACopyOfItsText)
{
    TOOLINFO info = {};
    info.cbSize = 40;
    char szTip[] = "Open a file";
    XTPFillToolInfo(&info, (HWND)0x1234, 7, CRect(1, 2, 30, 40), szTip);
    EXPECT_EQ((HWND)0x1234, info.hwnd);
    EXPECT_EQ(7u, info.uId);
    EXPECT_EQ(CRect(1, 2, 30, 40), CRect(info.rect));
    ASSERT_NE((LPSTR)NULL, info.lpszText);
    EXPECT_NE(szTip, info.lpszText) << "a copy, for the framework to free";
    szTip[0] = 'X';
    EXPECT_STREQ("Open a file", info.lpszText);
    free(info.lpszText);
}

TEST(ToolInfo, ARecordTooSmallForATextPointerOrNoRecordIsLeftAlone)
{
    TOOLINFO info = {};
    info.cbSize = 39;
    XTPFillToolInfo(&info, (HWND)0x1234, 7, CRect(1, 2, 30, 40), "Open");
    EXPECT_EQ((HWND)NULL, info.hwnd);
    EXPECT_EQ(0u, info.uId);
    EXPECT_EQ((LPSTR)NULL, info.lpszText);
    XTPFillToolInfo(NULL, (HWND)0x1234, 7, CRect(1, 2, 30, 40), "Open"); // nothing to fill, no crash
}

} // namespace
