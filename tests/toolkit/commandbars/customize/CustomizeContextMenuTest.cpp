// The control context menu of customize mode: its items, which commands
// apply to the selected control and which are checked, and what each does
// (reset, delete, name, group, styles, button image copied, pasted, chosen
// and edited). The sheet runs modeless here so its window takes the
// messages the menu sends.
#include "CustomizeTestSupport.h"

#include "tests/support/DialogDriver.h"
#include "tests/support/PixelCanvas.h"

#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/customize/XTPButtonEditorBitmap.h"
#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

namespace {

// What an update handler said about a command.
class CRecordingCmdUI : public CCmdUI
{
public:
    explicit CRecordingCmdUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override { m_bEnabled = bOn; }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    BOOL m_bEnabled = -1;
    int m_nCheck = -1;
};

// The sheet with the Button Editor replaced by a scripted edit.
class CEditingSheet : public CXTPCustomizeSheet
{
public:
    using CXTPCustomizeSheet::CXTPCustomizeSheet;
    CSize m_szAsked = CSize(0, 0);
    BOOL m_bHadImage = FALSE;

protected:
    BOOL EditButtonImage(CXTPImageManagerIconHandle& hImage, CSize szImage) override
    {
        m_szAsked = szImage;
        m_bHadImage = !hImage.IsEmpty();
        std::unique_ptr<CXTPButtonEditorBitmap> picture(CXTPButtonEditorBitmap::CreatePicture(szImage, FALSE));
        picture->SetPixel(1, 1, RGB(0, 0, 255));
        picture->ToImage(hImage);
        return TRUE;
    }
};

class ContextMenuTest : public CustomizeTest
{
protected:
    void Prepare() override
    {
        CustomizeTest::Prepare();
        Bars()->SetCustomizeMode(TRUE);
        sheet.reset(new CEditingSheet(Bars()));
        ASSERT_TRUE(sheet->Create(frame));
    }
    void TearDown() override
    {
        sheet->DestroyWindow();
        sheet.reset();
        CustomizeTest::TearDown();
    }
    void Select(int nID) { Bars()->SetDragControl(Button(nID)); }
    CRecordingCmdUI Update(UINT nCommand)
    {
        CRecordingCmdUI ui(nCommand);
        sheet->OnCmdMsg(nCommand, CN_UPDATE_COMMAND_UI, &ui, NULL);
        return ui;
    }
    void Run(UINT nCommand) { sheet->SendMessage(WM_COMMAND, nCommand, 0); }
    // The menu's control runs as a click on it would.
    void Execute(CXTPControl* pControl)
    {
        ControlExecuteNotify notify = {{NULL, (UINT_PTR)pControl->GetID(), XTP_CN_EXECUTE}, pControl};
        if (sheet->SendMessage(WM_XTP_CONTROL_EXECUTE, pControl->GetID(), (LPARAM)&notify) == 0)
            Run(pControl->GetID());
    }
    CXTPControl* MenuItem(UINT nID) { return sheet->GetContextMenu()->GetControls()->FindControlById(nID); }
    // The button selected and the menu shown over it, owned by the sheet.
    CXTPPopupBar* ShowMenuFor(int nID)
    {
        Select(nID);
        CXTPPopupBar* pMenu = sheet->GetContextMenu();
        pMenu->SetOwner(sheet.get());
        CPoint pt = ScreenPointOf(Button(nID));
        EXPECT_TRUE(pMenu->Popup(pt.x, pt.y, NULL));
        return pMenu;
    }
    // The control's image at 16 pixels drawn on a green canvas.
    std::unique_ptr<PixelCanvas> Picture(CXTPControl* pControl)
    {
        std::unique_ptr<PixelCanvas> canvas(new PixelCanvas(16, 16, kGreen));
        CXTPImageManagerIcon* pImage = Bars()->GetImageManager()->GetImage(pControl->GetIconId(), 16);
        if (pImage != NULL)
            pImage->Draw(&canvas->dc(), CPoint(0, 0), pImage->GetIcon(), CSize(16, 16));
        return canvas;
    }

    std::unique_ptr<CEditingSheet> sheet;
};

TEST_F(ContextMenuTest, TheMenuHoldsTheCommandsOfMenu9336InOrder)
{
    CXTPPopupBar* pMenu = sheet->GetContextMenu();
    ASSERT_TRUE(pMenu != NULL);
    EXPECT_EQ(std::vector<int>({9315, 9316, 9317, 9318, 9319, 9320, 9321, 9322, 9323, 9325, 9324, 9326}),
              IdsOf(pMenu));
    EXPECT_TRUE(MenuItem(9317)->IsKindOf(RUNTIME_CLASS(CXTPControlEdit)));
    CXTPCommandBar* pChooser = MenuItem(9322)->GetCommandBar();
    ASSERT_TRUE(pChooser != NULL);
    EXPECT_TRUE(pChooser->IsKindOf(RUNTIME_CLASS(CXTPPopupToolBar)));
    EXPECT_EQ(9322u, pChooser->GetBarID());
    for (int nID : {9317, 9318, 9323, 9326})
        EXPECT_TRUE(MenuItem(nID)->GetBeginGroup()) << nID;
    EXPECT_FALSE(MenuItem(9316)->GetBeginGroup());
    EXPECT_EQ(NULL, pMenu->GetCommandBars()) << "the menu belongs to no manager";
}

struct RuleRow
{
    const char* name;
    int nControl;
    UINT nCommand;
    BOOL bEnabled;
    int nCheck; // -1: not asked to check
};

TEST_F(ContextMenuTest, WhichCommandsApplyToAFreshButton)
{
    const RuleRow rows[] = {
        {"begin a group: not for the first button", ID_TEST_NEW, 9326, FALSE, 0},
        {"begin a group: unchecked on Open", ID_TEST_OPEN, 9326, TRUE, 0},
        {"begin a group: checked on Copy", ID_TEST_COPY, 9326, TRUE, 1},
        {"default style is checked", ID_TEST_OPEN, 9323, TRUE, 1},
        {"text only is not", ID_TEST_OPEN, 9325, TRUE, 0},
        {"image and text is not", ID_TEST_OPEN, 9324, TRUE, 0},
        {"reset: nothing to reset", ID_TEST_OPEN, 9315, FALSE, -1},
        {"reset button image: no custom image", ID_TEST_OPEN, 9320, FALSE, -1},
        {"copy button image", ID_TEST_OPEN, 9318, TRUE, -1},
        {"edit button image", ID_TEST_OPEN, 9321, TRUE, -1},
        {"change button image", ID_TEST_OPEN, 9322, TRUE, -1},
        {"delete", ID_TEST_OPEN, 9316, TRUE, -1},
    };
    for (const RuleRow& row : rows)
    {
        Select(row.nControl);
        CRecordingCmdUI ui = Update(row.nCommand);
        EXPECT_EQ(row.bEnabled, ui.m_bEnabled) << row.name;
        EXPECT_EQ(row.nCheck, ui.m_nCheck) << row.name;
    }
}

TEST_F(ContextMenuTest, TextOnlyChecksItselfAndResetBringsTheDefaultBack)
{
    Select(ID_TEST_OPEN);
    Run(9325);
    EXPECT_EQ(xtpButtonCaption, Button(ID_TEST_OPEN)->GetCustomStyle());
    EXPECT_EQ(1, Update(9325).m_nCheck);
    EXPECT_EQ(0, Update(9323).m_nCheck);
    EXPECT_TRUE(Update(9315).m_bEnabled);
    Run(9324);
    EXPECT_EQ(xtpButtonIconAndCaption, Button(ID_TEST_OPEN)->GetCustomStyle());
    Run(9315);
    EXPECT_EQ(xtpButtonAutomatic, Button(ID_TEST_OPEN)->GetCustomStyle());
    EXPECT_EQ(1, Update(9323).m_nCheck);
    EXPECT_FALSE(Update(9315).m_bEnabled);
}

TEST_F(ContextMenuTest, AFieldHasNoImageAndNoStyleAndIsNeverShownChecked)
{
    CXTPControl* pEdit = ToolBar()->GetControls()->Add(xtpControlEdit, 3200);
    pEdit->SetCustomStyle(xtpButtonCaption);
    Bars()->SetDragControl(pEdit);
    for (UINT nCommand : {9318u, 9319u, 9321u, 9322u})
        EXPECT_FALSE(Update(nCommand).m_bEnabled) << nCommand;
    for (UINT nCommand : {9323u, 9324u, 9325u})
    {
        CRecordingCmdUI ui = Update(nCommand);
        EXPECT_FALSE(ui.m_bEnabled) << nCommand;
        EXPECT_EQ(0, ui.m_nCheck) << nCommand;
    }
}

TEST_F(ContextMenuTest, NoCommandActsWithoutASelection)
{
    Bars()->SetDragControl(NULL);
    for (UINT nCommand = 9315; nCommand <= 9326; nCommand++)
        Run(nCommand);
    EXPECT_EQ(std::vector<int>({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar()));
    EXPECT_FALSE(Update(9316).m_bEnabled);
}

TEST_F(ContextMenuTest, BeginAGroupTogglesAndDeleteTakesTheControlOff)
{
    Select(ID_TEST_OPEN);
    Run(9326);
    EXPECT_TRUE(Button(ID_TEST_OPEN)->GetBeginGroup());
    Run(9326);
    EXPECT_FALSE(Button(ID_TEST_OPEN)->GetBeginGroup());
    Run(9316);
    EXPECT_EQ(std::vector<int>({ID_TEST_NEW, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar()));
    EXPECT_EQ(NULL, Bars()->GetDragControl());
}

TEST_F(ContextMenuTest, TheNameFieldRenamesAndAnEmptyNameBringsTheOwnCaptionBack)
{
    Button(ID_TEST_OPEN)->SetCaption(CString("&Open"));
    Select(ID_TEST_OPEN);
    CXTPControlEdit* pName = (CXTPControlEdit*)MenuItem(9317);
    sheet->SendMessage(WM_XTP_INITPOPUP, 0, (LPARAM)sheet->GetContextMenu());
    EXPECT_EQ(CString("&Open"), pName->GetEditText()) << "the field starts with the caption";
    pName->SetEditText("Fetch");
    Execute(pName);
    EXPECT_EQ(CString("Fetch"), Button(ID_TEST_OPEN)->GetCustomCaption());
    sheet->SendMessage(WM_XTP_INITPOPUP, 0, (LPARAM)sheet->GetContextMenu());
    EXPECT_EQ(CString("Fetch"), pName->GetEditText());
    pName->SetEditText("");
    Execute(pName);
    EXPECT_TRUE(Button(ID_TEST_OPEN)->GetCustomCaption().IsEmpty());
}

TEST_F(ContextMenuTest, LeavingTheNameFieldWhileTypingRenames)
{
    CXTPPopupBar* pMenu = ShowMenuFor(ID_TEST_OPEN);
    CXTPControlEdit* pName = (CXTPControlEdit*)MenuItem(9317);
    ASSERT_TRUE(pName->GetEditWnd() != NULL && pName->GetEditWnd()->m_hWnd != NULL);
    pMenu->SetSelected(pName->GetIndex());
    pName->GetEditWnd()->SetFocus();
    pName->GetEditWnd()->SetWindowText("Typed");
    pMenu->SetSelected(-1);
    EXPECT_EQ(CString("Typed"), Button(ID_TEST_OPEN)->GetCustomCaption());
    pMenu->SetTrackingMode(xtpTrackingOff);
}

// As a user does it: a click puts the focus into the field (which holds the
// bar's other items still while typing), the name is typed and the mouse
// goes on to another item.
TEST_F(ContextMenuTest, ANameTypedAfterAClickInTheFieldTakesEffectWhenTheMouseMovesOn)
{
    CXTPPopupBar* pMenu = ShowMenuFor(ID_TEST_OPEN);
    CXTPControlEdit* pName = (CXTPControlEdit*)MenuItem(9317);
    ASSERT_TRUE(pName->GetEditWnd() != NULL && pName->GetEditWnd()->m_hWnd != NULL);
    CPoint ptName = pName->GetRect().CenterPoint();
    pMenu->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptName.x, ptName.y));
    pName->OnClick(FALSE, ptName);
    ASSERT_EQ(pName->GetEditWnd()->m_hWnd, ::GetFocus());
    pName->GetEditWnd()->SetWindowText("Typed");

    CPoint ptNext = MenuItem(9318)->GetRect().CenterPoint();
    pMenu->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptNext.x, ptNext.y));
    EXPECT_EQ(CString("Typed"), Button(ID_TEST_OPEN)->GetCustomCaption());
    pMenu->SetTrackingMode(xtpTrackingOff);
    EXPECT_FALSE(XTPMouseManager()->IsMouseLocked());
}

TEST_F(ContextMenuTest, TheImageChooserHoldsTheStockImagesInANearSquare)
{
    CXTPCommandBar* pChooser = MenuItem(9322)->GetCommandBar();
    sheet->SendMessage(WM_XTP_INITPOPUP, 0, (LPARAM)pChooser);
    ASSERT_EQ(42, pChooser->GetControlCount());
    EXPECT_EQ(6 * 23 + 6, pChooser->GetWidth());
    EXPECT_EQ(7, pChooser->GetControl(6)->GetIconId());
    EXPECT_EQ(9322, pChooser->GetControl(6)->GetID());
    sheet->SendMessage(WM_XTP_INITPOPUP, 0, (LPARAM)pChooser);
    EXPECT_EQ(42, pChooser->GetControlCount()) << "filled once";

    Select(ID_TEST_OPEN);
    Execute(pChooser->GetControl(6));
    ASSERT_GT(Button(ID_TEST_OPEN)->GetCustomIconId(), 0);
    PixelCanvas stock(16, 16, kGreen);
    CXTPImageManagerIcon* pStock = sheet->GetCustomIcons()->GetImage(7, 16);
    pStock->Draw(&stock.dc(), CPoint(0, 0), pStock->GetIcon(), CSize(16, 16));
    EXPECT_TRUE(Picture(Button(ID_TEST_OPEN))->SameAs(stock));
    EXPECT_TRUE(Update(9320).m_bEnabled);
    Run(9320);
    EXPECT_EQ(0, Button(ID_TEST_OPEN)->GetCustomIconId());
}

TEST_F(ContextMenuTest, ACopiedImagePastedOnAnotherButtonGivesItTheSameImage)
{
    Select(ID_TEST_OPEN);
    Run(9318);
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_TRUE(::IsClipboardFormatAvailable(XTPImageManagerClipboardFormat));
    EXPECT_TRUE(Update(9319).m_bEnabled);
    Select(ID_TEST_NEW);
    Run(9319);
    ASSERT_GT(Button(ID_TEST_NEW)->GetCustomIconId(), 0);
    EXPECT_TRUE(Picture(Button(ID_TEST_NEW))->SameAs(*Picture(Button(ID_TEST_OPEN))));
    EXPECT_FALSE(Picture(Button(ID_TEST_NEW))->SameAs(PixelCanvas(16, 16, kGreen))) << "an image, not nothing";
}

TEST_F(ContextMenuTest, APlainBitmapPastedGetsItsButtonFaceTransparent)
{
    ASSERT_TRUE(PutPlainBitmapOnClipboard(frame->m_hWnd, CPoint(5, 6)));

    Select(ID_TEST_BOLD);
    Run(9319);
    ASSERT_GT(Button(ID_TEST_BOLD)->GetCustomIconId(), 0);
    std::unique_ptr<PixelCanvas> picture = Picture(Button(ID_TEST_BOLD));
    EXPECT_EQ(kRed, picture->Pixel(5, 6));
    EXPECT_EQ(kGreen, picture->Pixel(0, 0));
    EXPECT_EQ(kGreen, picture->Pixel(15, 15));
}

TEST_F(ContextMenuTest, PasteWithoutABitmapIsNotOffered)
{
    ASSERT_TRUE(::OpenClipboard(frame->m_hWnd));
    ::EmptyClipboard();
    ::CloseClipboard();
    Select(ID_TEST_OPEN);
    EXPECT_FALSE(Update(9319).m_bEnabled);
    Run(9319);
    EXPECT_EQ(0, Button(ID_TEST_OPEN)->GetCustomIconId());
}

TEST_F(ContextMenuTest, EditButtonImageEditsAtTheIconSizeNotTheButtonSize)
{
    Select(ID_TEST_OPEN);
    Run(9321);
    EXPECT_EQ(ToolBar()->GetIconSize(), sheet->m_szAsked);
    EXPECT_NE(ToolBar()->GetButtonSize(), sheet->m_szAsked);
    EXPECT_TRUE(sheet->m_bHadImage);
    int nCustom = Button(ID_TEST_OPEN)->GetCustomIconId();
    ASSERT_GT(nCustom, 0);
    EXPECT_EQ(RGB(0, 0, 255), Picture(Button(ID_TEST_OPEN))->Pixel(1, 1));

    // Edited again, the custom image is replaced in place.
    Run(9321);
    EXPECT_EQ(nCustom, Button(ID_TEST_OPEN)->GetCustomIconId());

    // With large icons the picture is as large as they are.
    Bars()->GetCommandBarsOptions()->bLargeIcons = TRUE;
    Select(ID_TEST_NEW);
    Run(9321);
    EXPECT_EQ(CSize(32, 32), sheet->m_szAsked);
}

TEST_F(ContextMenuTest, TheButtonEditorOpensOnTheButtonsPictureAndOKKeepsIt)
{
    CXTPCustomizeSheet plain(Bars());
    ASSERT_TRUE(plain.Create(frame));
    Bars()->SetDragControl(Button(ID_TEST_OPEN));
    std::unique_ptr<PixelCanvas> before = Picture(Button(ID_TEST_OPEN));
    // Only the editor is answered (the sheets activate again meanwhile).
    int nEditors = 0;
    CDialogDriver driver([&](HWND hWnd) {
        char szCaption[64] = "";
        ::GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
        if (lstrcmpA(szCaption, "Button Editor") == 0)
        {
            nEditors++;
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        }
    });
    plain.SendMessage(WM_COMMAND, 9321, 0);
    EXPECT_EQ(1, nEditors);
    ASSERT_GT(Button(ID_TEST_OPEN)->GetCustomIconId(), 0);
    EXPECT_TRUE(Picture(Button(ID_TEST_OPEN))->SameAs(*before));
    plain.DestroyWindow();
}

// Ends the tracking of the bar it is given when a queued WM_TIMER reaches it.
CXTPCommandBar* g_pToClose = NULL;
BOOL g_bFileOpenMeanwhile = FALSE;
void CALLBACK CloseContextMenu(HWND, UINT, UINT_PTR, DWORD)
{
    g_bFileOpenMeanwhile = TRUE;
    g_pToClose->SetTrackingMode(xtpTrackingOff);
}

TEST_F(ContextMenuTest, TheMenuOpensAtThePointAndLeavesAMenuBeingCustomizedOpen)
{
    CXTPControlPopup* pFile = (CXTPControlPopup*)Bars()->GetMenuBar()->GetControl(0);
    Bars()->GetMenuBar()->SetPopuped(0);
    CXTPCommandBar* pFileBar = pFile->GetCommandBar();
    ASSERT_TRUE(pFileBar->IsWindowVisible());
    Bars()->SetDragControl(pFileBar->GetControl(0));
    g_pToClose = sheet->GetContextMenu();
    frame->PostMessage(WM_TIMER, 7, (LPARAM)CloseContextMenu);
    CPoint pt = ScreenPointOf(pFileBar->GetControl(0));
    sheet->ContextMenu(pt.x, pt.y);
    EXPECT_TRUE(g_bFileOpenMeanwhile);
    EXPECT_TRUE(pFileBar->IsWindowVisible()) << "the menu being customized stays open";
    CRect rcMenu;
    sheet->GetContextMenu()->GetWindowRect(&rcMenu);
    EXPECT_EQ(pt, rcMenu.TopLeft());
}

} // namespace
