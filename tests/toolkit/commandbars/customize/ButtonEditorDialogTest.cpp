// The Button Editor as the user meets it: the dialog made from its template
// (modeless here, so the test can look at it), its bars, palette and grid,
// driven by mouse messages to the grid and commands to the dialog, and
// checked on the picture's pixels.
#include "CustomizeTestSupport.h"

#include "tests/support/TempFolder.h"
#include "tests/support/TestWindow.h"

#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/customize/XTPButtonEditorDlg.h"
#include "toolkit/commandbars/customize/XTPButtonEditorGridLayout.h"
#include "toolkit/foundation/XTPImageManagerIconHandle.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <memory>
#include <string>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);

// The editor with the colour dialog replaced by a scripted answer.
class CTestButtonEditor : public CXTPButtonEditorDlg
{
public:
    explicit CTestButtonEditor(CWnd* pParent) : CXTPButtonEditorDlg(pParent) {}

    BOOL m_bAnswerOK = FALSE;
    COLORREF m_clrAnswer = 0;
    COLORREF m_clrAsked = 0xFFFFFFFF;

protected:
    BOOL ChooseCustomColor(COLORREF& clr) override
    {
        m_clrAsked = clr;
        if (m_bAnswerOK)
            clr = m_clrAnswer;
        return m_bAnswerOK;
    }
};

class ButtonEditorDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { editor.reset(new CTestButtonEditor(&host)); }
    void TearDown() override
    {
        if (editor->m_hWnd != NULL)
            editor->DestroyWindow();
        PumpPending();
    }
    // Makes and shows the dialog window from its template, as DoModal would.
    void Open()
    {
        ASSERT_TRUE(editor->m_lpDialogTemplate != NULL);
        ASSERT_TRUE(editor->CreateIndirect(editor->m_lpDialogTemplate, &host));
        editor->ShowWindow(SW_SHOWNA);
        PumpPending();
    }
    CXTPButtonEditorGrid& Grid() { return editor->GetGrid(); }
    CXTPButtonEditorBitmap* Picture() { return Grid().GetPicture(); }
    // The middle of a cell in the grid's client coordinates.
    CPoint CellPoint(int x, int y)
    {
        CSize szCell = Grid().GetCellSize();
        return CPoint(x * szCell.cx + szCell.cx / 2, y * szCell.cy + szCell.cy / 2);
    }
    void Mouse(UINT nMessage, CPoint pt)
    {
        Grid().SendMessage(nMessage, nMessage == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    // A press at one cell, moves through the others, the release at the last.
    void Drag(std::initializer_list<CPoint> cells)
    {
        CPoint pt;
        bool bFirst = true;
        for (CPoint cell : cells)
        {
            pt = CellPoint(cell.x, cell.y);
            Mouse(bFirst ? WM_LBUTTONDOWN : WM_MOUSEMOVE, pt);
            bFirst = false;
        }
        Mouse(WM_LBUTTONUP, pt);
    }
    void Command(UINT nID) { editor->SendMessage(WM_COMMAND, nID, 0); }
    // The idle pass of the dialog's modal loop updates the bars' buttons.
    void Idle() { editor->SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0); }
    BOOL ToolChecked(UINT nID)
    {
        return (BOOL)editor->GetToolsBar().SendMessage(TB_ISBUTTONCHECKED, nID, 0);
    }
    BOOL ToolEnabled(UINT nID)
    {
        return (BOOL)editor->GetToolsBar().SendMessage(TB_ISBUTTONENABLED, nID, 0);
    }
    void SelectSwatch(UINT nID)
    {
        NMHDR hdr = {editor->GetDlgItem(nID)->m_hWnd, nID, (UINT)NM_CLICK};
        editor->SendMessage(WM_NOTIFY, nID, (LPARAM)&hdr);
    }

    CTestWindow host;
    std::unique_ptr<CTestButtonEditor> editor;
};

TEST_F(ButtonEditorDialogTest, OpensWithThePencilAndBlackAndThePencilButtonChecked)
{
    Open();
    Idle();
    EXPECT_EQ(xtpToolPencil, editor->GetCurrentTool());
    ASSERT_TRUE(editor->GetSelectedPicker() != NULL);
    EXPECT_EQ(XTP_IDS_CLR_BLACK, editor->GetSelectedPicker()->GetDlgCtrlID());
    EXPECT_EQ(kBlack, editor->GetDrawingColor());
    EXPECT_TRUE(ToolChecked(XTP_ID_EDITOR_PENCIL));
    EXPECT_FALSE(ToolChecked(XTP_ID_EDITOR_LINE));
    EXPECT_FALSE(ToolEnabled(XTP_ID_EDITOR_UNDO));
    EXPECT_FALSE(ToolEnabled(XTP_ID_EDITOR_REDO));
}

TEST_F(ButtonEditorDialogTest, TheBarsSitSevenLeftAndFourAboveTheirPlaceholders)
{
    Open();
    for (CXTPButtonEditorBar* pBar : {&editor->GetToolsBar(), &editor->GetMoveBar()})
    {
        UINT nPlace = pBar == &editor->GetToolsBar() ? XTP_IDC_EDITOR_TOOLS_PLACE : XTP_IDC_EDITOR_MOVE_PLACE;
        CRect rcPlace = RectInParent(editor->GetDlgItem(nPlace));
        CRect rcBar = RectInParent(pBar);
        EXPECT_EQ(CPoint(rcPlace.left - 7, rcPlace.top - 4), rcBar.TopLeft()) << nPlace;
        EXPECT_EQ(pBar->CalcFixedLayout(FALSE, TRUE), rcBar.Size()) << nPlace;
    }
    EXPECT_EQ(12, editor->GetToolsBar().GetCount());
    EXPECT_EQ(4, editor->GetMoveBar().GetCount());
}

// The colour at (x, y) of a bar's image drawn over white.
COLORREF ImagePixel(CToolBar& bar, int nImage, int x, int y)
{
    HIMAGELIST hList = (HIMAGELIST)bar.SendMessage(TB_GETIMAGELIST, 0, 0);
    HDC hScreen = ::GetDC(NULL);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 16, 16);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, 16, 16};
    ::FillRect(hDC, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    ImageList_Draw(hList, nImage, hDC, 0, 0, ILD_NORMAL);
    COLORREF clr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    ::ReleaseDC(NULL, hScreen);
    return clr;
}

TEST_F(ButtonEditorDialogTest, BothBarsShowTheirButtonImagesOverATransparentBackground)
{
    Open();
    // The pencil (image 0) and the left arrow (image 12): a corner is the
    // background, the middle is drawn.
    EXPECT_EQ(RGB(255, 255, 255), ImagePixel(editor->GetToolsBar(), 0, 0, 0));
    EXPECT_NE(RGB(255, 255, 255), ImagePixel(editor->GetToolsBar(), 0, 7, 8));
    EXPECT_EQ(RGB(255, 255, 255), ImagePixel(editor->GetMoveBar(), 12, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), ImagePixel(editor->GetMoveBar(), 12, 8, 8));
}

TEST_F(ButtonEditorDialogTest, ThePaletteIsTwoRowsOfEightElevenPixelSwatchesOnAThirteenPixelPitch)
{
    Open();
    CRect rcPlace = RectInParent(editor->GetDlgItem(XTP_IDC_EDITOR_COLORS_PLACE));
    CRect rcBlack = RectInParent(editor->GetDlgItem(XTP_IDS_CLR_BLACK));
    EXPECT_EQ(CRect(rcPlace.left, rcPlace.top - 4, rcPlace.left + 11, rcPlace.top + 7), rcBlack);
    EXPECT_EQ(rcBlack.TopLeft() + CPoint(7 * 13, 0), RectInParent(editor->GetDlgItem(XTP_IDS_CLR_VIOLET)).TopLeft());
    EXPECT_EQ(rcBlack.TopLeft() + CPoint(7 * 13, 13), RectInParent(editor->GetDlgItem(XTP_IDS_CLR_PINK)).TopLeft());
}

TEST_F(ButtonEditorDialogTest, TheGridShrinksToItsCellsAndAHugePictureGetsOnePixelCells)
{
    editor->SetPictureSize(16, 16);
    Open();
    CSize szCell = Grid().GetCellSize();
    EXPECT_GT(szCell.cx, 1);
    EXPECT_EQ(CXTPButtonEditorGridLayout::GridSize(CSize(16, 16), szCell), RectInParent(&Grid()).Size());
    editor->DestroyWindow();

    editor.reset(new CTestButtonEditor(&host));
    editor->SetPictureSize(400, 400);
    Open();
    EXPECT_EQ(CSize(1, 1), Grid().GetCellSize());
    EXPECT_EQ(CSize(401, 401), RectInParent(&Grid()).Size());
}

TEST_F(ButtonEditorDialogTest, ThePencilOnAnEmptyPictureStartsATransparentOne)
{
    Open();
    ASSERT_EQ(NULL, Picture());
    Drag({CPoint(3, 4)});
    ASSERT_TRUE(Picture() != NULL);
    EXPECT_EQ(CSize(16, 16), Picture()->GetSize());
    EXPECT_EQ(kBlack, Picture()->GetPixel(3, 4));
    EXPECT_FALSE(Picture()->IsTransparent(3, 4));
    EXPECT_TRUE(Picture()->IsTransparent(4, 4));
    EXPECT_TRUE(Grid().GetHistory().CanUndo());
}

TEST_F(ButtonEditorDialogTest, ThePencilOnABlackPixelErasesItAndDraggingOnKeepsErasing)
{
    Open();
    Drag({CPoint(1, 1), CPoint(2, 1), CPoint(3, 1)});
    ASSERT_FALSE(Picture()->IsTransparent(2, 1));
    Drag({CPoint(1, 1), CPoint(2, 1)});
    EXPECT_TRUE(Picture()->IsTransparent(1, 1));
    EXPECT_TRUE(Picture()->IsTransparent(2, 1));
    EXPECT_FALSE(Picture()->IsTransparent(3, 1));
}

TEST_F(ButtonEditorDialogTest, PressesOutsideThePictureAreIgnored)
{
    Open();
    CRect rcGrid;
    Grid().GetClientRect(&rcGrid);
    for (CPoint pt : {CPoint(rcGrid.right - 1, 5), CPoint(5, rcGrid.bottom - 1), CPoint(rcGrid.right + 20, 5)})
    {
        Mouse(WM_LBUTTONDOWN, pt);
        Mouse(WM_LBUTTONUP, pt);
    }
    EXPECT_FALSE(Grid().IsTracking());
    EXPECT_EQ(NULL, Picture());
    EXPECT_FALSE(Grid().GetHistory().CanUndo());
}

TEST_F(ButtonEditorDialogTest, ARectangleDraggedFromTwoTwoToFiveFiveOutlinesTwoToFour)
{
    Open();
    Command(XTP_ID_EDITOR_RECTANGLE);
    Drag({CPoint(2, 2), CPoint(9, 9), CPoint(5, 5)});
    for (int y = 0; y < 7; y++)
    {
        for (int x = 0; x < 7; x++)
        {
            BOOL bOutline = x >= 2 && x <= 4 && y >= 2 && y <= 4 && (x != 3 || y != 3);
            EXPECT_EQ(!bOutline, Picture()->IsTransparent(x, y)) << x << "," << y;
        }
    }
    // One step for the whole rubber band.
    Command(XTP_ID_EDITOR_UNDO);
    EXPECT_EQ(NULL, Picture());
}

TEST_F(ButtonEditorDialogTest, PickColorWhileTheRectangleIsActiveTakesTheCellsColourAndGoesBack)
{
    Open();
    SelectSwatch(XTP_IDS_CLR_TEAL);
    Drag({CPoint(6, 7)});
    Command(XTP_ID_EDITOR_RECTANGLE);
    Command(XTP_ID_EDITOR_GETCOLOR);
    Idle();
    EXPECT_TRUE(ToolChecked(XTP_ID_EDITOR_GETCOLOR));
    Drag({CPoint(6, 7)});
    EXPECT_EQ(&editor->GetCustomPicker(), editor->GetSelectedPicker());
    EXPECT_EQ(RGB(0, 128, 128), editor->GetCustomPicker().GetColor());
    EXPECT_EQ(xtpToolRectangle, editor->GetCurrentTool());
    Idle();
    EXPECT_TRUE(ToolChecked(XTP_ID_EDITOR_RECTANGLE));
}

TEST_F(ButtonEditorDialogTest, TheCustomSwatchAsksForAColourStartingAtItsOwn)
{
    Open();
    editor->GetCustomPicker().SetColor(RGB(1, 2, 3));
    SelectSwatch(XTP_IDC_EDITOR_CUSTOMCOLOR);
    EXPECT_EQ(RGB(1, 2, 3), editor->m_clrAsked);
    EXPECT_EQ(XTP_IDS_CLR_BLACK, editor->GetSelectedPicker()->GetDlgCtrlID()) << "cancel keeps the selection";

    editor->m_bAnswerOK = TRUE;
    editor->m_clrAnswer = RGB(9, 8, 7);
    SelectSwatch(XTP_IDC_EDITOR_CUSTOMCOLOR);
    EXPECT_EQ(&editor->GetCustomPicker(), editor->GetSelectedPicker());
    EXPECT_EQ(RGB(9, 8, 7), editor->GetDrawingColor());
}

TEST_F(ButtonEditorDialogTest, TheTransparentSwatchDrawsTransparentPixels)
{
    Open();
    Drag({CPoint(0, 0), CPoint(1, 0)});
    SelectSwatch(XTP_IDC_EDITOR_TRANSPARENT);
    EXPECT_EQ(XTP_EDITOR_TRANSPARENT, editor->GetDrawingColor());
    Command(XTP_ID_EDITOR_LINE);
    Drag({CPoint(0, 0), CPoint(2, 0)});
    EXPECT_TRUE(Picture()->IsTransparent(0, 0));
    EXPECT_TRUE(Picture()->IsTransparent(1, 0));
}

TEST_F(ButtonEditorDialogTest, FillColoursTheConnectedAreaInOneStep)
{
    Open();
    SelectSwatch(XTP_IDS_CLR_RED);
    Command(XTP_ID_EDITOR_FILL);
    Drag({CPoint(5, 5)});
    EXPECT_EQ(RGB(255, 0, 0), Picture()->GetPixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), Picture()->GetPixel(15, 15));
    EXPECT_EQ(1, Grid().GetHistory().GetUndoCount());
}

TEST_F(ButtonEditorDialogTest, UndoAndRedoFollowTheirListsOnTheButtons)
{
    Open();
    for (int i = 0; i < 17; i++)
        Drag({CPoint(i % 16, i / 16)});
    Idle();
    EXPECT_TRUE(ToolEnabled(XTP_ID_EDITOR_UNDO));
    EXPECT_FALSE(ToolEnabled(XTP_ID_EDITOR_REDO));
    for (int i = 0; i < 17; i++)
        Command(XTP_ID_EDITOR_UNDO);
    // Sixteen steps came back: the first stroke's pixel stays.
    EXPECT_FALSE(Picture()->IsTransparent(0, 0));
    EXPECT_TRUE(Picture()->IsTransparent(1, 0));
    Idle();
    EXPECT_FALSE(ToolEnabled(XTP_ID_EDITOR_UNDO));
    EXPECT_TRUE(ToolEnabled(XTP_ID_EDITOR_REDO));

    Drag({CPoint(9, 9)});
    Idle();
    EXPECT_FALSE(ToolEnabled(XTP_ID_EDITOR_REDO)) << "a new stroke empties the redo list";
}

TEST_F(ButtonEditorDialogTest, MoveArrowsShiftThePictureByOnePixel)
{
    Open();
    Drag({CPoint(5, 5)});
    Command(XTP_ID_EDITOR_MOVE_LEFT);
    EXPECT_FALSE(Picture()->IsTransparent(4, 5));
    Command(XTP_ID_EDITOR_MOVE_DOWN);
    EXPECT_FALSE(Picture()->IsTransparent(4, 6));
    Command(XTP_ID_EDITOR_MOVE_UP);
    Command(XTP_ID_EDITOR_MOVE_RIGHT);
    EXPECT_FALSE(Picture()->IsTransparent(5, 5));
    EXPECT_TRUE(Picture()->IsTransparent(4, 5));
}

TEST_F(ButtonEditorDialogTest, ClearEmptiesThePictureAsOneStep)
{
    Open();
    Drag({CPoint(5, 5)});
    Command(XTP_ID_EDITOR_CLEAR);
    EXPECT_EQ(NULL, Picture());
    Command(XTP_ID_EDITOR_UNDO);
    ASSERT_TRUE(Picture() != NULL);
    EXPECT_FALSE(Picture()->IsTransparent(5, 5));
}

TEST_F(ButtonEditorDialogTest, CopyThenPasteGivesThePictureBack)
{
    Open();
    SelectSwatch(XTP_IDS_CLR_BLUE);
    Drag({CPoint(2, 3), CPoint(3, 3)});
    std::unique_ptr<CXTPButtonEditorBitmap> copied(Picture()->Clone());
    Command(XTP_ID_EDITOR_COPY);
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_FALSE(::IsClipboardFormatAvailable(XTPAlphaBitmapClipboardFormat));
    Command(XTP_ID_EDITOR_CLEAR);
    Command(XTP_ID_EDITOR_PASTE);
    ASSERT_TRUE(Picture() != NULL);
    EXPECT_TRUE(Picture()->SameAs(*copied));
}

TEST_F(ButtonEditorDialogTest, AnAlphaPictureGoesOnTheClipboardWithItsMarker)
{
    CXTPImageManagerIconHandle hImage;
    std::unique_ptr<CXTPButtonEditorBitmap> alpha(CXTPButtonEditorBitmap::CreatePicture(CSize(16, 16), TRUE));
    alpha->SetPixel(4, 4, RGB(0, 200, 0));
    alpha->ToImage(hImage);
    editor->SetPicture(hImage);
    Open();
    Command(XTP_ID_EDITOR_COPY);
    EXPECT_TRUE(::IsClipboardFormatAvailable(XTPAlphaBitmapClipboardFormat));
    Command(XTP_ID_EDITOR_CLEAR);
    Command(XTP_ID_EDITOR_PASTE);
    ASSERT_TRUE(Picture() != NULL);
    EXPECT_TRUE(Picture()->IsAlpha());
    EXPECT_EQ(255, Picture()->GetAlpha(4, 4));
    EXPECT_EQ(RGB(0, 200, 0), Picture()->GetPixel(4, 4));
}

TEST_F(ButtonEditorDialogTest, PastingAPlainBitmapMakesItsButtonFaceBackgroundTransparent)
{
    Open();
    ASSERT_TRUE(PutPlainBitmapOnClipboard(host.m_hWnd, CPoint(7, 8)));
    Command(XTP_ID_EDITOR_PASTE);
    ASSERT_TRUE(Picture() != NULL);
    EXPECT_FALSE(Picture()->IsAlpha());
    EXPECT_EQ(RGB(255, 0, 0), Picture()->GetPixel(7, 8));
    EXPECT_TRUE(Picture()->IsTransparent(0, 0));
    EXPECT_TRUE(Picture()->IsTransparent(15, 15));
}

TEST_F(ButtonEditorDialogTest, PasteWithoutABitmapChangesNothing)
{
    Open();
    ASSERT_TRUE(::OpenClipboard(host.m_hWnd));
    ::EmptyClipboard();
    ::CloseClipboard();
    Command(XTP_ID_EDITOR_PASTE);
    EXPECT_EQ(NULL, Picture());
    EXPECT_FALSE(Grid().GetHistory().CanUndo());
}

// ---- Import ---------------------------------------------------------------------

std::string Le16(int n)
{
    return std::string{(char)(n & 0xFF), (char)((n >> 8) & 0xFF)};
}

std::string Le32(int n)
{
    return Le16(n & 0xFFFF) + Le16((n >> 16) & 0xFFFF);
}

// A 24-bit 16 x 16 bitmap file: magenta with a green square at (4..7, 2..5).
std::string GreenSquareBmp()
{
    std::string pixels;
    for (int y = 15; y >= 0; y--)
    {
        for (int x = 0; x < 16; x++)
        {
            bool bGreen = x >= 4 && x < 8 && y >= 2 && y < 6;
            pixels += bGreen ? std::string{0, (char)200, 0} : std::string{(char)255, 0, (char)255};
        }
    }
    std::string info = Le32(40) + Le32(16) + Le32(16) + Le16(1) + Le16(24) + Le32(0) + Le32((int)pixels.size()) +
                       Le32(0) + Le32(0) + Le32(0) + Le32(0);
    return "BM" + Le32(14 + 40 + (int)pixels.size()) + Le32(0) + Le32(54) + info + pixels;
}

// A 16 x 16 icon file of 32 bits: a red pixel at (3, 9), the rest transparent.
std::string RedDotIcon()
{
    std::string xorBits, andBits;
    for (int y = 15; y >= 0; y--)
    {
        for (int x = 0; x < 16; x++)
            xorBits += x == 3 && y == 9 ? std::string{0, 0, (char)255, (char)255} : std::string(4, '\0');
        andBits += y == 9 ? std::string{(char)0xEF, (char)0xFF, 0, 0} : std::string{(char)0xFF, (char)0xFF, 0, 0};
    }
    std::string image = Le32(40) + Le32(16) + Le32(32) + Le16(1) + Le16(32) + Le32(0) +
                        Le32((int)(xorBits.size() + andBits.size())) + Le32(0) + Le32(0) + Le32(0) + Le32(0) + xorBits +
                        andBits;
    std::string entry = std::string{16, 16, 0, 0} + Le16(1) + Le16(32) + Le32((int)image.size()) + Le32(22);
    return Le16(0) + Le16(1) + Le16(1) + entry + image;
}

// A 1 x 1 GIF of one red pixel.
const char kRedGif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                       ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";

TEST_F(ButtonEditorDialogTest, ImportReadsABitmapAnIconAndOtherPicturesByTheirExtension)
{
    TempFolder folder;
    WriteBytes(folder.File("square.BMP"), GreenSquareBmp());
    WriteBytes(folder.File("dot.ico"), RedDotIcon());
    WriteBytes(folder.File("red.gif"), std::string(kRedGif, sizeof(kRedGif) - 1));
    Open();

    ASSERT_TRUE(Grid().ImportFile(folder.File("square.BMP").c_str()));
    EXPECT_EQ(RGB(0, 200, 0), Picture()->GetPixel(5, 3));
    EXPECT_EQ(RGB(255, 0, 255), Picture()->GetPixel(0, 0));

    ASSERT_TRUE(Grid().ImportFile(folder.File("dot.ico").c_str()));
    EXPECT_FALSE(Picture()->IsTransparent(3, 9));
    EXPECT_EQ(RGB(255, 0, 0), Picture()->GetPixel(3, 9));
    EXPECT_TRUE(Picture()->IsTransparent(4, 9));

    ASSERT_TRUE(Grid().ImportFile(folder.File("red.gif").c_str()));
    EXPECT_EQ(RGB(255, 0, 0), Picture()->GetPixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), Picture()->GetPixel(15, 15)) << "stretched over the picture";
    EXPECT_EQ(3, Grid().GetHistory().GetUndoCount());
}

TEST_F(ButtonEditorDialogTest, AFileThatCannotBeLoadedChangesNothing)
{
    TempFolder folder;
    WriteBytes(folder.File("broken.bmp"), "BM not really");
    Open();
    EXPECT_FALSE(Grid().ImportFile(folder.File("broken.bmp").c_str()));
    EXPECT_FALSE(Grid().ImportFile(folder.File("missing.gif").c_str()));
    EXPECT_EQ(NULL, Picture());
    EXPECT_FALSE(Grid().GetHistory().CanUndo());
}

// ---- Pictures in and out, tool tips, bar images ------------------------------------------

TEST_F(ButtonEditorDialogTest, WithoutAPictureTheResultIsEmpty)
{
    CXTPImageManagerIconHandle hResult;
    editor->GetPicture(hResult);
    EXPECT_TRUE(hResult.IsEmpty());
}

TEST_F(ButtonEditorDialogTest, AnIconComesOutAsTheIconItWasWithTheEditsMade)
{
    std::unique_ptr<CXTPButtonEditorBitmap> source(CXTPButtonEditorBitmap::CreatePicture(CSize(20, 18), FALSE));
    source->SetPixel(1, 1, RGB(200, 0, 0));
    CXTPImageManagerIconHandle hImage;
    source->ToImage(hImage);
    editor->SetPicture(hImage);
    EXPECT_EQ(CSize(20, 18), editor->GetPictureSize());
    Open();
    Drag({CPoint(19, 17)});
    CXTPImageManagerIconHandle hResult;
    editor->GetPicture(hResult);
    std::unique_ptr<CXTPButtonEditorBitmap> result(CXTPButtonEditorBitmap::FromImage(hResult));
    ASSERT_TRUE(result != nullptr);
    EXPECT_EQ(RGB(200, 0, 0), result->GetPixel(1, 1));
    EXPECT_EQ(kBlack, result->GetPixel(19, 17));
    EXPECT_TRUE(result->IsTransparent(5, 5));
}

TEST(ButtonEditorTooltips, TheTextAfterTheNewlineFitsItsBufferWithTheTerminator)
{
    EXPECT_EQ(CString("Pencil"), CXTPButtonEditorDlg::TooltipText(XTP_ID_EDITOR_PENCIL, 80));
    EXPECT_EQ(CString("Import from File"), CXTPButtonEditorDlg::TooltipText(XTP_ID_EDITOR_OPEN, 80));
    // A buffer of 7 holds six characters and the terminator.
    EXPECT_EQ(CString("Import"), CXTPButtonEditorDlg::TooltipText(XTP_ID_EDITOR_OPEN, 7));
    EXPECT_EQ(CString(), CXTPButtonEditorDlg::TooltipText(XTP_IDS_CLR_BLACK, 80)) << "no newline, no tip";
}

TEST_F(ButtonEditorDialogTest, ToolTipsOfTheBarButtonsComeFromTheirStrings)
{
    Open();
    TOOLTIPTEXTA tip;
    ZeroMemory(&tip, sizeof(tip));
    tip.hdr.hwndFrom = host.m_hWnd;
    tip.hdr.idFrom = XTP_ID_EDITOR_CIRCLE;
    tip.hdr.code = TTN_NEEDTEXTA;
    editor->SendMessage(WM_NOTIFY, 0, (LPARAM)&tip);
    EXPECT_STREQ("Ellipse", tip.szText);
}

TEST(ButtonEditorBars, OlderCommonControlsGetTheFourBitButtons)
{
    EXPECT_EQ((UINT)XTP_IDB_IMAGEEDITOR_ICONS, CXTPButtonEditorDlg::IconsBitmapFor(MAKELONG(81, 5)));
    EXPECT_EQ((UINT)XTP_IDB_IMAGEEDITOR_ICONS_ALPHA, CXTPButtonEditorDlg::IconsBitmapFor(MAKELONG(0, 6)));
    EXPECT_EQ((UINT)XTP_IDB_IMAGEEDITOR_ICONS, CXTPButtonEditorDlg::IconsBitmapFor(0));
}

} // namespace
