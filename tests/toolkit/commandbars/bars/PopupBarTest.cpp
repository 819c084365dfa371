// Popup bars of a frame's manager: what they save, and what a double click
// on the caption of a menu does.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlExpandButton.h"

namespace {

TEST_F(PopupBarTest, APopupThatShowedItsExpandButtonSavesItsCommandsWithoutIt)
{
    frame->m_pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = FALSE;
    frame->m_pCommandBars->HideCommand(ID_TEST_OPEN);
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    ASSERT_TRUE(m_pPopup->HasHiddenControls());
    ASSERT_EQ(3, m_pPopup->GetControlCount()) << "the expand button was made";

    CMemFile file;
    ASSERT_NO_THROW(StoreBarExchange(m_pPopup, file));
    CXTPPopupBar* pLoaded = CXTPPopupBar::CreatePopupBar(NULL);
    ASSERT_NO_THROW(LoadBarExchange(pLoaded, file));
    EXPECT_EQ(2, pLoaded->GetControlCount()) << "the commands, not the button the popup makes for itself";
    pLoaded->InternalRelease();
}

// A row wider than the process's part of the work area is cut to it; the
// part is a third at start, and 0 or less lifts the limit.
TEST_F(PopupBarTest, ARowIsCutToThePartOfTheWorkAreaTheProcessSets)
{
    const CString strLong('W', 150);
    m_pPopup->GetControl(0)->SetCaption(strLong);
    const int nFull = CFixedSizePaintManager::CaptionWidth(strLong);
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    ASSERT_GT(nFull, rcWork.right / 3);
    EXPECT_DOUBLE_EQ(1.0 / 3, CXTPPopupBar::GetMaxWidthRatio());
    struct Row
    {
        const char* pszName;
        double dRatio;
        int nWidth;
    };
    const Row rows[] = {
        {"a third", 1.0 / 3, rcWork.right / 3},
        {"a quarter", 0.25, rcWork.right / 4},
        {"no limit", 0, nFull},
        {"no limit below 0", -1, nFull},
    };
    for (const Row& row : rows)
    {
        CXTPPopupBar::SetMaxWidthRatio(row.dRatio);
        m_pPopup->CalcDynamicLayout(0, 0);
        EXPECT_EQ(row.nWidth, m_pPopup->GetControl(0)->GetRect().Width()) << row.pszName;
        EXPECT_EQ(row.nWidth, m_pPopup->GetControl(1)->GetRect().Width()) << row.pszName << ": every row";
    }
    CXTPPopupBar::SetMaxWidthRatio(1.0 / 3);
}

TEST_F(PopupBarTest, APopupLaidOutAsAToolBarKeepsItsOwnBorders)
{
    CXTPPopupToolBar* pPopup = CXTPPopupToolBar::CreatePopupToolBar(frame->m_pCommandBars);
    pPopup->GetControls()->Add(xtpControlButton, ID_TEST_NEW);
    pPopup->GetControls()->Add(xtpControlButton, ID_TEST_OPEN);
    pPopup->SetPopupBorders(CRect(5, 7, 6, 8));
    ASSERT_TRUE(pPopup->Popup(100, 100, NULL));
    CRect rcClient;
    pPopup->GetClientRect(&rcClient);
    const CRect rcFirst = pPopup->GetControl(0)->GetRect();
    const CRect rcLast = pPopup->GetControl(1)->GetRect();
    EXPECT_EQ(CPoint(5, 7), rcFirst.TopLeft());
    EXPECT_EQ(CSize(rcLast.right + 6, rcLast.bottom + 8), rcClient.Size());
    pPopup->SetTrackingMode(xtpTrackingOff);
    pPopup->InternalRelease();
}

// A double click on a menu-bar caption: the first press opened the menu (or
// the double click's own press opens it), then its default item runs, or
// else its hidden items show.
class MenuDoubleClickTest : public CommandBarsTest
{
protected:
    CXTPPopupBar* FileMenu() { return (CXTPPopupBar*)MenuBar()->GetControl(0)->GetCommandBar(); }
    void Send(UINT nMessage)
    {
        const CPoint pt = MenuBar()->GetControl(0)->GetRect().CenterPoint();
        MenuBar()->SendMessage(nMessage, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
};

TEST_F(MenuDoubleClickTest, TheDefaultItemOfTheOpenMenuRuns)
{
    Send(WM_LBUTTONDOWN);
    ASSERT_TRUE(FileMenu()->IsTrackingMode());
    FileMenu()->SetDefaultItem(ID_TEST_NEW);
    Send(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Logged("command new"));
    EXPECT_FALSE(MenuBar()->IsTrackingMode()) << "the menus closed";
}

TEST_F(MenuDoubleClickTest, AClosedMenuOpensFirstThenItsDefaultItemRuns)
{
    ASSERT_TRUE(FileMenu() == NULL || !FileMenu()->IsTrackingMode());
    Send(WM_LBUTTONDOWN);
    FileMenu()->SetDefaultItem(ID_TEST_NEW);
    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    ASSERT_FALSE(FileMenu()->IsTrackingMode());
    Send(WM_LBUTTONDBLCLK);
    EXPECT_EQ(std::vector<std::string>({"init popup File", "closed popup File", "init popup File",
                                        "closed popup File", "execute 3001 code 100", "command new"}),
              frame->m_log);
}

TEST_F(MenuDoubleClickTest, WithoutADefaultItemTheHiddenItemsShow)
{
    frame->m_pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = FALSE;
    frame->m_pCommandBars->HideCommand(ID_TEST_OPEN);
    Send(WM_LBUTTONDOWN);
    ASSERT_TRUE(FileMenu()->HasHiddenControls());
    Send(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(FileMenu()->IsExpanded());
    EXPECT_TRUE(FileMenu()->IsTrackingMode()) << "still open, now with every item";
}

TEST_F(MenuDoubleClickTest, WithNeitherTheMenuJustStaysOpen)
{
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(FileMenu()->IsTrackingMode());
    EXPECT_EQ(std::vector<std::string>({"init popup File"}), frame->m_log) << "nothing ran";
}

} // namespace

namespace {

// A split button in a menu: its command part runs on the release, the 20
// pixels at its right open its submenu on a press, Enter runs it and a
// rest of the mouse on it opens the submenu.
class MenuSplitButtonTest : public PopupBarTest
{
protected:
    void Prepare() override
    {
        PopupBarTest::Prepare();
        m_pSplit = m_pPopup->GetControls()->Add(xtpControlSplitButtonPopup, ID_TEST_HELP);
        m_pSplit->SetCaption(CString("Help Topics"));
        m_pSplit->GetCommandBar()->GetControls()->Add(xtpControlButton, ID_TEST_COPY);
    }
    CXTPCommandBar* Submenu() const { return m_pSplit->GetCommandBar(); }
    void Send(UINT nMessage, int x)
    {
        const CPoint pt(x, m_pSplit->GetRect().CenterPoint().y);
        m_pPopup->SendMessage(nMessage, nMessage == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    CXTPControl* m_pSplit = nullptr;
};

TEST_F(MenuSplitButtonTest, TheCommandPartRunsAndTheArrowPartOpensTheSubmenu)
{
    struct Row
    {
        const char* pszName;
        std::function<void()> act;
        BOOL bRan;
        BOOL bSubmenuOpen;
    };
    auto left = [this]() { return m_pSplit->GetRect().left + 3; };
    auto right = [this]() { return m_pSplit->GetRect().right - 5; };
    const Row rows[] = {
        {"a press on the command part", [&]() { Send(WM_LBUTTONDOWN, left()); }, FALSE, FALSE},
        {"a click on the command part",
         [&]() {
             Send(WM_LBUTTONDOWN, left());
             Send(WM_LBUTTONUP, left());
         },
         TRUE, FALSE},
        {"a press on the arrow part", [&]() { Send(WM_LBUTTONDOWN, right()); }, FALSE, TRUE},
        {"a release on the arrow part", [&]() { Send(WM_LBUTTONUP, right()); }, FALSE, FALSE},
        {"Enter",
         [&]() {
             m_pPopup->SetSelected(m_pSplit->GetIndex(), TRUE);
             Key(VK_RETURN);
         },
         TRUE, FALSE},
        {"the mouse resting on it",
         [&]() {
             m_pPopup->SetSelected(m_pSplit->GetIndex(), FALSE);
             m_pPopup->SendMessage(WM_TIMER, XTP_TID_HOVER, 0);
         },
         FALSE, TRUE},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
        frame->m_log.clear();
        row.act();
        EXPECT_EQ(row.bRan, Logged("command help"));
        EXPECT_EQ(row.bSubmenuOpen, Submenu()->IsTrackingMode() && Submenu()->IsWindowVisible());
        XTPMouseManager()->SendTrackLost();
        PumpPending();
    }
}

} // namespace
