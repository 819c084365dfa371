// The Button Editor without its window: the grid's arithmetic, the undo
// history and the picture's own operations (shapes, fill, move, alpha, the
// image and clipboard forms), checked on the picture's pixels.
#include "toolkit/commandbars/customize/XTPButtonEditorBitmap.h"
#include "toolkit/commandbars/customize/XTPButtonEditorGridLayout.h"
#include "toolkit/commandbars/customize/XTPButtonEditorHistory.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

typedef CXTPButtonEditorGridLayout Layout;
typedef std::unique_ptr<CXTPButtonEditorBitmap> Picture;

const COLORREF kInk = RGB(0, 0, 128);

Picture NewPicture(int cx = 16, int cy = 16, BOOL bAlpha = FALSE)
{
    return Picture(CXTPButtonEditorBitmap::CreatePicture(CSize(cx, cy), bAlpha));
}

// The painted (not transparent) pixels as rows of '#' and '.'.
std::vector<std::string> Rows(const CXTPButtonEditorBitmap& picture, int cx, int cy)
{
    std::vector<std::string> rows;
    for (int y = 0; y < cy; y++)
    {
        std::string row;
        for (int x = 0; x < cx; x++)
            row += picture.IsTransparent(x, y) ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

// ---- Grid arithmetic ----------------------------------------------------------

struct CellSizeRow
{
    const char* name;
    CSize grid, picture, cell;
};

TEST(ButtonEditorGridLayout, CellSizeIsTheGridOverThePictureAndNeverZero)
{
    const CellSizeRow rows[] = {
        {"16 x 16 in 160 x 160", CSize(160, 160), CSize(16, 16), CSize(10, 10)},
        {"remainders are dropped", CSize(170, 99), CSize(16, 16), CSize(10, 6)},
        {"a grid smaller than the picture", CSize(10, 10), CSize(32, 32), CSize(1, 1)},
        {"an empty static", CSize(0, 0), CSize(16, 16), CSize(1, 1)},
        {"a picture without pixels", CSize(160, 160), CSize(0, 0), CSize(1, 1)},
    };
    for (const CellSizeRow& row : rows)
        EXPECT_EQ(row.cell, Layout::CellSize(row.grid, row.picture)) << row.name;
}

TEST(ButtonEditorGridLayout, GridIsTheCellsAndOnePixelForTheFrame)
{
    EXPECT_EQ(CSize(161, 161), Layout::GridSize(CSize(16, 16), CSize(10, 10)));
    EXPECT_EQ(CSize(97, 49), Layout::GridSize(CSize(24, 16), CSize(4, 3)));
}

struct CellRow
{
    const char* name;
    CPoint point;
    BOOL bInside;
    CPoint cell;
};

TEST(ButtonEditorGridLayout, PointsOutsideThePictureHaveNoCell)
{
    const CellRow rows[] = {
        {"first pixel", CPoint(0, 0), TRUE, CPoint(0, 0)},
        {"last pixel of the first cell", CPoint(9, 9), TRUE, CPoint(0, 0)},
        {"second cell", CPoint(10, 25), TRUE, CPoint(1, 2)},
        {"last pixel of the last cell", CPoint(159, 159), TRUE, CPoint(15, 15)},
        {"the frame line past the last cell", CPoint(160, 40), FALSE, CPoint()},
        {"far right", CPoint(500, 40), FALSE, CPoint()},
        {"left of the grid", CPoint(-1, 40), FALSE, CPoint()},
        {"above the grid", CPoint(40, -5), FALSE, CPoint()},
    };
    for (const CellRow& row : rows)
    {
        CPoint cell(-99, -99);
        EXPECT_EQ(row.bInside, Layout::CellFromPoint(row.point, CSize(10, 10), CSize(16, 16), cell)) << row.name;
        if (row.bInside)
        {
            EXPECT_EQ(row.cell, cell) << row.name;
        }
    }
}

TEST(ButtonEditorGridLayout, CheckerboardHasFourPixelSquaresShiftedByThree)
{
    const COLORREF light = RGB(255, 255, 255), grey = RGB(235, 235, 235);
    EXPECT_EQ(light, Layout::CheckerColor(0, 0));
    EXPECT_EQ(grey, Layout::CheckerColor(1, 0));
    EXPECT_EQ(grey, Layout::CheckerColor(4, 0));
    EXPECT_EQ(light, Layout::CheckerColor(5, 0));
    EXPECT_EQ(light, Layout::CheckerColor(1, 1));
    EXPECT_EQ(grey, Layout::CheckerColor(1, 5));
}

TEST(ButtonEditorGridLayout, BlendLaysTheColourOverTheBackgroundByItsAlpha)
{
    const COLORREF background = RGB(255, 255, 255);
    EXPECT_EQ(background, Layout::Blend(background, RGB(0, 0, 0), 0));
    EXPECT_EQ(RGB(10, 20, 30), Layout::Blend(background, RGB(10, 20, 30), 255));
    // 255 - (255 - 0) * 51 / 255 = 204; 255 - (255 - 105) * 51 / 255 = 225.
    EXPECT_EQ(RGB(204, 225, 255), Layout::Blend(background, RGB(0, 105, 255), 51));
}

// ---- Undo history -----------------------------------------------------------------

// Pictures told apart by the one pixel painted at (n, 0).
CXTPButtonEditorBitmap* Marked(int n)
{
    CXTPButtonEditorBitmap* pPicture = CXTPButtonEditorBitmap::CreatePicture(CSize(20, 1), FALSE);
    pPicture->SetPixel(n, 0, kInk);
    return pPicture;
}

int MarkOf(const CXTPButtonEditorBitmap* pPicture)
{
    for (int x = 0; pPicture != NULL && x < 20; x++)
    {
        if (!pPicture->IsTransparent(x, 0))
            return x;
    }
    return -1;
}

TEST(ButtonEditorHistory, SeventeenStepsUndoOnlyTheLastSixteen)
{
    CXTPButtonEditorHistory history;
    CXTPButtonEditorBitmap* pCurrent = NULL;
    // Step n turns picture n - 1 (NULL for n = 0) into picture n.
    for (int n = 0; n < 17; n++)
    {
        history.PushStep(pCurrent);
        pCurrent = Marked(n);
    }
    EXPECT_EQ(16, history.GetUndoCount());
    for (int n = 15; n >= 0; n--)
    {
        ASSERT_TRUE(history.Undo(pCurrent)) << n;
        EXPECT_EQ(n, MarkOf(pCurrent));
    }
    EXPECT_FALSE(history.Undo(pCurrent));
    EXPECT_EQ(0, MarkOf(pCurrent));
    delete pCurrent;
}

TEST(ButtonEditorHistory, RedoGoesForwardAgainAndANewStepEmptiesIt)
{
    CXTPButtonEditorHistory history;
    CXTPButtonEditorBitmap* pCurrent = Marked(1);
    history.PushStep(pCurrent);
    pCurrent = Marked(2);
    ASSERT_TRUE(history.Undo(pCurrent));
    EXPECT_EQ(1, MarkOf(pCurrent));
    EXPECT_TRUE(history.CanRedo());
    ASSERT_TRUE(history.Redo(pCurrent));
    EXPECT_EQ(2, MarkOf(pCurrent));

    ASSERT_TRUE(history.Undo(pCurrent));
    history.PushStep(pCurrent);
    pCurrent = Marked(3);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Redo(pCurrent));
    EXPECT_EQ(3, MarkOf(pCurrent));
    delete pCurrent;
}

TEST(ButtonEditorHistory, AnEmptyPictureIsAStepLikeAnyOther)
{
    CXTPButtonEditorHistory history;
    CXTPButtonEditorBitmap* pCurrent = Marked(4);
    history.PushStep(pCurrent);
    pCurrent = NULL; // cleared
    ASSERT_TRUE(history.Undo(pCurrent));
    EXPECT_EQ(4, MarkOf(pCurrent));
    ASSERT_TRUE(history.Redo(pCurrent));
    EXPECT_EQ(NULL, pCurrent);
}

// ---- The picture ------------------------------------------------------------------

TEST(ButtonEditorBitmap, ANewPictureIsTransparentEverywhere)
{
    Picture picture = NewPicture(3, 2);
    for (int y = 0; y < 2; y++)
    {
        for (int x = 0; x < 3; x++)
        {
            EXPECT_EQ(XTP_EDITOR_TRANSPARENT, picture->GetPixel(x, y));
            EXPECT_TRUE(picture->IsTransparent(x, y));
        }
    }
}

TEST(ButtonEditorBitmap, ACopyOfAnEmptyPictureIsANewTransparentOne)
{
    Picture copy(CXTPButtonEditorBitmap::CopyOf(NULL, CSize(24, 20)));
    ASSERT_TRUE(copy != nullptr);
    EXPECT_EQ(CSize(24, 20), copy->GetSize());
    EXPECT_EQ(std::vector<std::string>(20, std::string(24, '.')), Rows(*copy, 24, 20));
}

TEST(ButtonEditorBitmap, PixelsOutsideThePictureAreIgnored)
{
    Picture picture = NewPicture(4, 4);
    Picture before(picture->Clone());
    picture->SetPixel(4, 0, kInk);
    picture->SetPixel(-1, 2, kInk);
    EXPECT_TRUE(picture->SameAs(*before));
    EXPECT_TRUE(picture->IsTransparent(7, 7));
}

struct ShapeRow
{
    const char* name;
    XTPButtonEditorShape shape;
    CPoint from, to;
    std::vector<std::string> rows;
};

TEST(ButtonEditorBitmap, ShapesEndJustBeforeTheEndCell)
{
    const ShapeRow rows[] = {
        {"rectangle from (2,2) to (5,5) outlines 2..4",
         xtpEditorShapeRectangle,
         CPoint(2, 2),
         CPoint(5, 5),
         {"......", "......", "..###.", "..#.#.", "..###.", "......"}},
        {"the rectangle is normalized",
         xtpEditorShapeRectangle,
         CPoint(5, 5),
         CPoint(2, 2),
         {"......", "......", "..###.", "..#.#.", "..###.", "......"}},
        {"a horizontal line stops before its end",
         xtpEditorShapeLine,
         CPoint(1, 3),
         CPoint(5, 3),
         {"......", "......", "......", ".####.", "......", "......"}},
    };
    for (const ShapeRow& row : rows)
    {
        Picture picture = NewPicture(6, 6);
        picture->DrawShape(row.shape, row.from, row.to, kInk);
        EXPECT_EQ(row.rows, Rows(*picture, 6, 6)) << row.name;
    }
}

TEST(ButtonEditorBitmap, AnEllipseLeavesItsInsideTransparent)
{
    Picture picture = NewPicture(12, 12);
    picture->DrawShape(xtpEditorShapeEllipse, CPoint(0, 0), CPoint(12, 12), kInk);
    EXPECT_FALSE(picture->IsTransparent(6, 0));
    EXPECT_FALSE(picture->IsTransparent(0, 6));
    EXPECT_TRUE(picture->IsTransparent(6, 6));
    EXPECT_TRUE(picture->IsTransparent(0, 0));
}

TEST(ButtonEditorBitmap, FloodFillCoversTheConnectedAreaOfTheCellsColour)
{
    Picture picture = NewPicture(6, 6);
    picture->DrawShape(xtpEditorShapeRectangle, CPoint(1, 1), CPoint(5, 5), kInk);
    picture->FloodFill(CPoint(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), picture->GetPixel(2, 2));
    EXPECT_EQ(RGB(255, 0, 0), picture->GetPixel(3, 3));
    EXPECT_EQ(kInk, picture->GetPixel(1, 1));
    EXPECT_TRUE(picture->IsTransparent(0, 0));
    EXPECT_TRUE(picture->IsTransparent(5, 5));
}

TEST(ButtonEditorBitmap, MovingLeftThenRightLosesTheLeftmostColumn)
{
    Picture picture = NewPicture(4, 1);
    for (int x = 0; x < 4; x++)
        picture->SetPixel(x, 0, RGB(x * 60, 0, 0));
    Picture left(picture->Moved(-1, 0));
    Picture back(left->Moved(1, 0));
    EXPECT_TRUE(back->IsTransparent(0, 0));
    for (int x = 1; x < 4; x++)
        EXPECT_EQ(RGB(x * 60, 0, 0), back->GetPixel(x, 0)) << x;
}

TEST(ButtonEditorBitmap, DrawnPixelsOfAnAlphaPictureBecomeOpaque)
{
    Picture before = NewPicture(6, 6, TRUE);
    Picture after(before->Clone());
    after->DrawShape(xtpEditorShapeLine, CPoint(0, 2), CPoint(4, 2), kInk);
    after->MakeChangedPixelsOpaque(*before);
    EXPECT_EQ(255, after->GetAlpha(0, 2));
    EXPECT_EQ(255, after->GetAlpha(3, 2));
    EXPECT_EQ(kInk, after->GetPixel(3, 2));
    EXPECT_EQ(0, after->GetAlpha(4, 2));
    EXPECT_EQ(0, after->GetAlpha(0, 0));
}

TEST(ButtonEditorBitmap, ErasingInAnAlphaPictureMakesThePixelTransparent)
{
    Picture picture = NewPicture(2, 2, TRUE);
    picture->SetPixel(1, 1, kInk);
    EXPECT_EQ(255, picture->GetAlpha(1, 1));
    picture->SetPixel(1, 1, XTP_EDITOR_TRANSPARENT);
    EXPECT_EQ(0, picture->GetAlpha(1, 1));
    EXPECT_TRUE(picture->IsTransparent(1, 1));
}

// A 32-bit alpha bitmap of 2 x 2: an opaque red pixel, a half-transparent
// blue one, and two pixels of value 0.
HBITMAP TwoByTwoAlphaBitmap()
{
    BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD bits[4] = {0xFFFF0000, 0x800000FF, 0, 0};
    return CXTPImageManagerIcon::CreateAlphaBitmap(header, bits);
}

TEST(ButtonEditorBitmap, AnAlphaImageKeepsItsAlphaAndItsZeroPixelsBecomeTransparent)
{
    CXTPImageManagerIconHandle hImage;
    hImage = TwoByTwoAlphaBitmap();
    Picture picture(CXTPButtonEditorBitmap::FromImage(hImage));
    ASSERT_TRUE(picture != nullptr);
    EXPECT_TRUE(picture->IsAlpha());
    EXPECT_EQ(CSize(2, 2), picture->GetSize());
    EXPECT_EQ(RGB(255, 0, 0), picture->GetPixel(0, 0));
    EXPECT_EQ(255, picture->GetAlpha(0, 0));
    EXPECT_EQ(0x80, picture->GetAlpha(1, 0));
    EXPECT_EQ(XTP_EDITOR_TRANSPARENT, picture->GetPixel(0, 1));
    EXPECT_TRUE(picture->IsTransparent(1, 1));
}

TEST(ButtonEditorBitmap, APictureBecomesAnIconWithItsTransparentPixelsMasked)
{
    Picture picture = NewPicture(16, 16);
    picture->DrawShape(xtpEditorShapeRectangle, CPoint(2, 2), CPoint(10, 8), kInk);
    CXTPImageManagerIconHandle hImage;
    picture->ToImage(hImage);
    ASSERT_FALSE(hImage.IsEmpty());
    EXPECT_FALSE(hImage.IsAlpha());
    EXPECT_EQ(CSize(16, 16), hImage.GetExtent());
    Picture back(CXTPButtonEditorBitmap::FromImage(hImage));
    ASSERT_TRUE(back != nullptr);
    EXPECT_TRUE(back->SameAs(*picture));
}

TEST(ButtonEditorBitmap, AnAlphaPictureBecomesAnAlphaImage)
{
    Picture picture = NewPicture(4, 4, TRUE);
    picture->SetPixel(1, 2, kInk);
    CXTPImageManagerIconHandle hImage;
    picture->ToImage(hImage);
    ASSERT_TRUE(hImage.IsAlpha());
    Picture back(CXTPButtonEditorBitmap::FromImage(hImage));
    EXPECT_EQ(kInk, back->GetPixel(1, 2));
    EXPECT_EQ(255, back->GetAlpha(1, 2));
}

TEST(ButtonEditorBitmap, TheFacedCopyShowsTransparentPixelsInTheButtonFace)
{
    Picture picture = NewPicture(2, 1);
    picture->SetPixel(1, 0, kInk);
    Picture faced(picture->FacedCopy());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), faced->GetPixel(0, 0));
    EXPECT_EQ(kInk, faced->GetPixel(1, 0));
}

} // namespace
