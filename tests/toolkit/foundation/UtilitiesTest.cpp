#include "tests/support/PixelCanvas.h"

#include "toolkit/foundation/XTPTransparentBitmap.h"
#include "toolkit/foundation/XTUtilities.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Utilities, StrippedMnemonicsKeepDoubledAmpersands)
{
    const char* const cases[][2] = {
        {"&File", "File"},
        {"Save &As", "Save As"},
        {"Fish && Chips", "Fish && Chips"},
        {"&&&x", "&&x"},
        {"end&", "end"},
        {"", ""},
        {"a&&&&b", "a&&&&b"},
        {"&", ""},
    };
    for (const auto& c : cases)
    {
        CString strText = c[0];
        XTStripMnemonics(strText);
        EXPECT_STREQ(c[1], strText) << c[0];
    }
}

TEST(Utilities, TheFileNameIsTheTextAfterTheLastBackslash)
{
    EXPECT_STREQ("conf.xml", XTGetFileName("C:\\Program Files\\Tidewatch\\conf.xml"));
    EXPECT_STREQ("", XTGetFileName("C:\\folder\\"));
    EXPECT_STREQ("conf.xml", XTGetFileName("conf.xml")); // no backslash: the whole text
    EXPECT_EQ(NULL, XTGetFileName(""));
    std::string strPath = "C:\\" + std::string(1000, 'n');
    EXPECT_EQ(std::string(259, 'n'), XTGetFileName(strPath.c_str()));
}

TEST(Utilities, ChildWindowFromPointSkipsHiddenChildrenAndThoseWithoutAnId)
{
    HWND hParent =
        ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, NULL, NULL, NULL, NULL);
    auto child = [hParent](DWORD dwStyle, int nPos, int nID) {
        return ::CreateWindowExA(0, "STATIC", "", WS_CHILD | dwStyle, nPos, nPos, 100, 100, hParent,
                                 (HMENU)(INT_PTR)nID, NULL, NULL);
    };
    child(WS_VISIBLE, 0, 0xFFFF); // no id
    child(0, 0, 5);               // hidden
    HWND hChild = child(WS_VISIBLE, 50, 6);
    // In both children, in the one without an id only (the hidden one lies under both), outside.
    EXPECT_EQ(std::vector<HWND>({hChild, NULL, NULL}),
              std::vector<HWND>({XTChildWindowFromPoint(hParent, {60, 60}),
                                 XTChildWindowFromPoint(hParent, {10, 10}),
                                 XTChildWindowFromPoint(hParent, {180, 20})}));
    ::DestroyWindow(hParent);
}

// The row of the bitmap: the resource colours black, grey, light grey,
// white, green, black after the mapping.
std::vector<COLORREF> SysColorRow(HBITMAP hBitmap)
{
    PixelCanvas canvas(6, 1, RGB(0, 0, 0));
    CDC dc;
    dc.CreateCompatibleDC(&canvas.dc());
    HGDIOBJ hOld = ::SelectObject(dc, hBitmap);
    canvas.dc().BitBlt(0, 0, 6, 1, &dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, hOld);
    ::DeleteObject(hBitmap);
    std::vector<COLORREF> row;
    for (int x = 0; x < 6; x++)
        row.push_back(canvas.Pixel(x, 0));
    return row;
}

std::vector<BYTE> ResourceBytes(int nId)
{
    HRSRC hResource = ::FindResourceA(NULL, MAKEINTRESOURCEA(nId), MAKEINTRESOURCEA(2));
    const BYTE* pData = static_cast<const BYTE*>(::LockResource(::LoadResource(NULL, hResource)));
    return std::vector<BYTE>(pData, pData + ::SizeofResource(NULL, hResource));
}

TEST(Patterns, DitheredRectsAlternateFaceAndHighlight)
{
    PixelCanvas canvas(20, 20, RGB(1, 2, 3));
    COLORREF clrText = canvas.dc().SetTextColor(RGB(9, 9, 9));
    XTFillDitheredRect(&canvas.dc(), CRect(2, 2, 10, 10));
    // Half of each colour, every pixel unlike its neighbours to the right and below.
    const CRect rc(2, 2, 10, 10);
    EXPECT_EQ(std::vector<int>({32, 32}),
              std::vector<int>({canvas.CountOther(rc, ::GetSysColor(COLOR_BTNFACE)),
                                canvas.CountOther(rc, ::GetSysColor(COLOR_BTNHIGHLIGHT))}));
    EXPECT_TRUE(canvas.Pixel(2, 2) != canvas.Pixel(3, 2) && canvas.Pixel(2, 2) != canvas.Pixel(2, 3)
                && canvas.Pixel(2, 2) == canvas.Pixel(3, 3));
    EXPECT_EQ(rc, canvas.PaintedBounds(RGB(1, 2, 3)));
    EXPECT_EQ(RGB(9, 9, 9), canvas.dc().GetTextColor()); // colours restored
    canvas.dc().SetTextColor(clrText);
}

TEST(Patterns, EmbossedImagesShowTheShapeAndItsShiftedHighlight)
{
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 0, 1));
    {
        PixelCanvas glyph(8, 8, RGB(255, 0, 255));
        glyph.dc().FillSolidRect(2, 2, 4, 4, RGB(0, 0, 0));
        CBitmap bitmap;
        glyph.CopyInto(bitmap);
        ASSERT_EQ(0, images.Add(&bitmap, RGB(255, 0, 255)));
    }
    PixelCanvas embossed(20, 20, RGB(10, 20, 30));
    XTDrawEmbossed(&embossed.dc(), &images, 0, 5, 5, FALSE);
    // The shape, its shifted highlight edge, and the transparent part.
    EXPECT_EQ(std::vector<COLORREF>(
                  {::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT), RGB(10, 20, 30)}),
              std::vector<COLORREF>({embossed.Pixel(7, 7), embossed.Pixel(11, 11), embossed.Pixel(5, 5)}));
    EXPECT_EQ(CRect(7, 7, 12, 12), embossed.PaintedBounds(RGB(10, 20, 30)));
}

TEST(Patterns, SysColorBitmapsMapACopyOfTheirColourTable)
{
    const COLORREF kText = ::GetSysColor(COLOR_BTNTEXT), kGreen = RGB(10, 200, 30);
    const std::vector<COLORREF> kMapped = {kText,
                                           ::GetSysColor(COLOR_BTNSHADOW),
                                           ::GetSysColor(COLOR_BTNFACE),
                                           ::GetSysColor(COLOR_BTNHIGHLIGHT),
                                           kGreen,
                                           kText};
    const std::vector<COLORREF> kMono = {kText, kWhite, kWhite, kWhite, kGreen, kText};
    std::vector<BYTE> before = ResourceBytes(6100);
    HMODULE hModule = ::GetModuleHandleA(NULL);
    EXPECT_EQ(kMapped, SysColorRow(XTLoadSysColorBitmap(hModule, MAKEINTRESOURCEA(6100), FALSE)));
    EXPECT_EQ(kMono, SysColorRow(XTLoadSysColorBitmap(hModule, MAKEINTRESOURCEA(6100), TRUE)));
    EXPECT_EQ(before, ResourceBytes(6100)); // the colour table edited was a copy
    EXPECT_EQ(kMapped, SysColorRow(XTLoadSysColorBitmap(hModule, MAKEINTRESOURCEA(6101), FALSE)));
    EXPECT_EQ(kMono, SysColorRow(XTLoadSysColorBitmap(hModule, MAKEINTRESOURCEA(6101), TRUE)));
    EXPECT_EQ(NULL, XTLoadSysColorBitmap(hModule, MAKEINTRESOURCEA(6999), FALSE));
}

TEST(Patterns, TransparentBitmapsBecomeIconsMaskedByTheirCornerColour)
{
    EXPECT_EQ(NULL, CXTPTransparentBitmap(NULL).ConvertToIcon());
    PixelCanvas strip(16, 16, RGB(255, 0, 255));
    strip.dc().FillSolidRect(4, 4, 8, 8, RGB(0, 128, 0));
    CBitmap copy;
    strip.CopyInto(copy);
    CXTPTransparentBitmap bitmap((HBITMAP)copy.GetSafeHandle());
    EXPECT_EQ(RGB(255, 0, 255), bitmap.GetTransparentColor());
    HICON hIcon = bitmap.ConvertToIcon();
    ASSERT_TRUE(hIcon != NULL);
    PixelCanvas target(16, 16, RGB(1, 1, 1));
    ::DrawIconEx(target.dc(), 0, 0, hIcon, 16, 16, 0, NULL, DI_NORMAL);
    EXPECT_EQ(CRect(4, 4, 12, 12), target.PaintedBounds(RGB(1, 1, 1)));
    EXPECT_EQ(0, target.CountOther(CRect(4, 4, 12, 12), RGB(0, 128, 0)));
    ::DestroyIcon(hIcon);
    EXPECT_EQ(RGB(255, 0, 255), bitmap.GetTransparentColor()); // the bitmap is untouched
}

} // namespace
