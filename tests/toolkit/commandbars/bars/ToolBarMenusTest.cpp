// The menus a tool bar offers: the bars' context menu (a right click on a
// tool bar or a dock bar) with one check item per bar, and the expand
// popup's "Add or Remove Buttons" lists, whose lines show or hide the bar's
// buttons and whose "Reset" brings the original buttons back.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlCustomizeItem.h"
#include "toolkit/commandbars/controls/XTPControlToolBarExpand.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"

#include <functional>
#include <string>

namespace {

// A popup's lines as text: each caption (mnemonic markers kept) with "+"
// when checked, "!" when disabled, ">" when it opens a popup with lines;
// "|" before a line that begins a group.
std::string Lines(CXTPCommandBar* pPopup)
{
    std::string text;
    for (int i = 0; i < pPopup->GetControlCount(); i++)
    {
        CXTPControl* pControl = pPopup->GetControl(i);
        if (!text.empty())
            text += " ";
        if (pControl->GetBeginGroup())
            text += "| ";
        text += (LPCTSTR)pControl->GetCaption();
        if (pControl->GetChecked())
            text += "+";
        if (!pControl->GetEnabled())
            text += "!";
        if (pControl->GetCommandBar() != NULL && pControl->GetCommandBar()->GetControlCount() > 0)
            text += ">";
    }
    return text;
}

// A frame that handles the customize command, records the lines of each
// popup as it opens and then runs m_onInitPopup on it; m_makeExpandPopup,
// when set, makes the bar of each expand popup.
class CCustomizingFrame : public CCommandBarsFrame
{
public:
    std::vector<std::string> m_opened;
    std::function<void(CXTPCommandBar*)> m_onInitPopup;
    std::function<CXTPCommandBar*()> m_makeExpandPopup;

protected:
    afx_msg void OnCustomize() {}
    afx_msg LRESULT OnCreateExpandPopup(WPARAM wParam, LPARAM lParam)
    {
        CreateCommandBarRequest* pRequest = (CreateCommandBarRequest*)lParam;
        if (!pRequest->bExpandBar || !m_makeExpandPopup)
            return OnCreateCommandBar(wParam, lParam);
        pRequest->pCommandBar = m_makeExpandPopup();
        return TRUE;
    }
    afx_msg LRESULT OnInitPopupLines(WPARAM wParam, LPARAM lParam)
    {
        m_opened.push_back(Lines((CXTPCommandBar*)lParam));
        if (m_onInitPopup)
            m_onInitPopup((CXTPCommandBar*)lParam);
        return OnInitPopup(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCustomizingFrame, CCommandBarsFrame)
ON_COMMAND(XTP_ID_CUSTOMIZE, OnCustomize)
ON_MESSAGE(WM_XTP_INITPOPUP, OnInitPopupLines)
ON_MESSAGE(WM_XTP_CREATECOMMANDBAR, OnCreateExpandPopup)
END_MESSAGE_MAP()

// The test's application answers the reset question with m_nAnswer.
struct AnsweringApp : CWinApp
{
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        m_strAsked = lpszPrompt;
        return m_nAnswer;
    }
    int m_nAnswer = IDOK;
    std::string m_strAsked;
};

class ToolBarMenusTest : public FrameTest<CCustomizingFrame, 400, 300>
{
protected:
    void Prepare() override
    {
        frame->BuildBars();
        m_pExtra = Bars()->Add("Extra", xtpBarTop);
        const UINT buttons[] = {ID_TEST_HELP};
        m_pExtra->SetButtons(buttons, 1);
        m_pExtra->GetControl(0)->SetCaption(CString("Help"));
        frame->RecalcLayout();
    }
    void TearDown() override
    {
        XTPMouseManager()->SendTrackLost();
        FrameTest::TearDown();
    }
    CXTPCommandBars* Bars() const { return frame->m_pCommandBars; }
    CXTPToolBar* Standard() const { return frame->GetToolBar(); }
    CXTPControl* Button(int nID) const { return Standard()->GetControls()->FindControlById(nID); }
    // The popup opened by the control, NULL for none.
    static CXTPCommandBar* PopupOf(CXTPControl* pControl) { return pControl->GetCommandBar(); }
    // Opens the expand popup of the standard bar.
    CXTPCommandBar* OpenExpandPopup()
    {
        frame->RecalcLayout();
        CXTPControl* pExpand = Standard()->GetControls()->FindControlById(XTP_ID_TOOLBAR_EXPAND);
        EXPECT_TRUE(pExpand != NULL && pExpand->IsVisible());
        EXPECT_TRUE(Standard()->SetPopuped(pExpand->GetIndex()));
        return PopupOf(pExpand);
    }
    // The "Add or Remove Buttons" list of the standard bar in its expand popup.
    CXTPCommandBar* OpenButtonsList()
    {
        CXTPCommandBar* pExpandPopup = OpenExpandPopup();
        CXTPControl* pAddOrRemove = pExpandPopup->GetControl(pExpandPopup->GetControlCount() - 1);
        CXTPCommandBar* pLists = PopupOf(pAddOrRemove);
        return pLists != NULL ? PopupOf(pLists->GetControl(0)) : NULL;
    }
    // Posts what closes the menu that is about to open, then sends the
    // right click to the window at its client point.
    void RightClick(CWnd* pWnd, CPoint pt)
    {
        frame->PostMessage(WM_ACTIVATEAPP, FALSE, 0);
        pWnd->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }

    CXTPToolBar* m_pExtra = nullptr;
};

TEST_F(ToolBarMenusTest, ToolbarsPopupListsEachBarWithItsVisibility)
{
    m_pExtra->SetVisible(FALSE);
    CXTPPopupBar* pPopup = Bars()->GetToolbarsPopup();
    EXPECT_EQ("Standard+ Extra | &Customize...", Lines(pPopup)) << "the menu bar is not listed";
    pPopup->InternalRelease();

    m_pExtra->SetCloseable(FALSE);
    Standard()->SetVisible(FALSE);
    pPopup = Bars()->GetToolbarsPopup();
    EXPECT_EQ("Standard | &Customize...", Lines(pPopup)) << "a bar that cannot be closed is not listed";
    pPopup->InternalRelease();
}

TEST_F(ToolBarMenusTest, ToolbarsPopupWithoutListedBarsIsEmpty)
{
    Standard()->SetCloseable(FALSE);
    m_pExtra->SetCloseable(FALSE);
    CXTPPopupBar* pPopup = Bars()->GetToolbarsPopup();
    EXPECT_EQ(0, pPopup->GetControlCount()) << "no Customize entry either";
    pPopup->InternalRelease();

    RightClick(Standard(), CPoint(3, 3));
    EXPECT_TRUE(frame->m_opened.empty()) << "an empty context menu does not open";
}

TEST_F(ToolBarMenusTest, ToggleItemsHideAndShowTheirBar)
{
    CXTPPopupBar* pPopup = Bars()->GetToolbarsPopup();
    CXTPControl* pExtraItem = pPopup->GetControl(1);
    ASSERT_EQ(std::string("Extra"), (LPCTSTR)pExtraItem->GetCaption());
    pExtraItem->OnExecute();
    EXPECT_FALSE(m_pExtra->IsVisible());
    EXPECT_FALSE(m_pExtra->IsWindowVisible());
    pExtraItem->OnExecute();
    EXPECT_TRUE(m_pExtra->IsVisible());
    pPopup->InternalRelease();
}

TEST_F(ToolBarMenusTest, RightClickOnABarOrADockBarShowsTheBarsMenu)
{
    RightClick(Standard(), CPoint(3, 3));
    ASSERT_EQ(1u, frame->m_opened.size());
    EXPECT_EQ("Standard+ Extra+ | &Customize...", frame->m_opened[0]);
    EXPECT_EQ(0, XTPMouseManager()->GetTrackedCount()) << "closed again";

    // The empty part of the top dock bar, right of the bars.
    RightClick(Bars()->GetDockBar(xtpBarTop), CPoint(390, 30));
    ASSERT_EQ(2u, frame->m_opened.size());
    EXPECT_EQ(frame->m_opened[0], frame->m_opened[1]);
}

TEST_F(ToolBarMenusTest, TearOffBarHiddenFromItsOwnMenuIsReleasedAfterTheMenu)
{
    CXTPToolBar* pTorn = Bars()->AddCustomBar("Torn", XTP_ID_CUSTOMBAR_FIRST, TRUE);
    ASSERT_TRUE(pTorn != NULL);
    EXPECT_TRUE(pTorn->IsTearOff());
    EXPECT_FALSE(pTorn->IsBuiltIn());
    EXPECT_EQ(xtpBarFloating, pTorn->GetPosition());
    const int nBars = Bars()->GetCount();

    // The menu's toggle for the torn-off bar hides it, which removes it from
    // the manager while its own right click is still being handled: the bar
    // lives on until that handler returns.
    const HWND hWndTorn = pTorn->m_hWnd;
    BOOL bAliveInMenu = FALSE;
    frame->m_onInitPopup = [&](CXTPCommandBar* pPopup) {
        CXTPControl* pToggle = pPopup->GetControl(2);
        ASSERT_TRUE(pToggle != NULL);
        ASSERT_EQ(std::string("Torn"), (LPCTSTR)pToggle->GetCaption());
        pToggle->OnExecute();
        bAliveInMenu = ::IsWindow(hWndTorn);
    };
    RightClick(pTorn, CPoint(5, 8));
    EXPECT_TRUE(bAliveInMenu);
    EXPECT_EQ(nBars - 1, Bars()->GetCount());
    EXPECT_TRUE(Bars()->GetToolBar(XTP_ID_CUSTOMBAR_FIRST) == NULL);
    EXPECT_FALSE(::IsWindow(hWndTorn)) << "released once the right click was handled";
}

TEST_F(ToolBarMenusTest, TearOffBarClosedByItsOwnCloseButtonGoesAfterTheClick)
{
    CXTPToolBar* pTorn = Bars()->AddCustomBar("Torn", XTP_ID_CUSTOMBAR_FIRST, TRUE);
    ASSERT_TRUE(pTorn != NULL);
    const HWND hWndTorn = pTorn->m_hWnd;
    const int nBars = Bars()->GetCount();
    CXTPControl* pClose = pTorn->GetControls()->FindControlById(XTP_ID_TOOLBAR_HIDE);
    ASSERT_TRUE(pClose != NULL && pClose->IsVisible());
    const CPoint pt = pClose->GetRect().CenterPoint();
    pTorn->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    pTorn->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_EQ(nBars - 1, Bars()->GetCount()) << "a torn-off bar leaves the manager when hidden";
    EXPECT_FALSE(::IsWindow(hWndTorn));
}

TEST_F(ToolBarMenusTest, ExpandPopupHoldsAddOrRemoveButtons)
{
    CXTPCommandBar* pExpandPopup = OpenExpandPopup();
    ASSERT_TRUE(pExpandPopup != NULL);
    EXPECT_EQ("&Add or Remove Buttons>", Lines(pExpandPopup)) << "nothing is hidden for lack of room";

    CXTPCommandBar* pLists = PopupOf(pExpandPopup->GetControl(0));
    ASSERT_TRUE(pLists != NULL);
    EXPECT_EQ("Standard> | &Customize...", Lines(pLists));

    Button(ID_TEST_COPY)->SetHideFlags(xtpHideCustomize);
    XTPMouseManager()->SendTrackLost();
    CXTPCommandBar* pList = OpenButtonsList();
    ASSERT_TRUE(pList != NULL);
    EXPECT_EQ("New+ Open+ Copy Bold+ | Reset", Lines(pList)) << "the buttons, checked while shown";
}

// The site may make the expand popup's bar itself; one that is no popup bar
// is given back (released) and the bar's own popup tool bar opens instead.
TEST_F(ToolBarMenusTest, ExpandPopupTakesOnlyAPopupBarFromTheSite)
{
    struct SiteCase
    {
        const char* pszName;
        CRuntimeClass* pMadeClass;
        CRuntimeClass* pOpenedClass;
        DWORD nReferencesLeft; // the test's own, once the popup is open
    };
    const SiteCase cases[] = {
        {"a popup bar", RUNTIME_CLASS(CXTPPopupBar), RUNTIME_CLASS(CXTPPopupBar), 1},
        {"a tool bar", RUNTIME_CLASS(CXTPToolBar), RUNTIME_CLASS(CXTPPopupToolBar), 0},
    };
    for (const SiteCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CXTPCommandBar* pMade = NULL;
        frame->m_makeExpandPopup = [&]() {
            pMade = (CXTPCommandBar*)c.pMadeClass->CreateObject();
            pMade->SetCommandBars(Bars());
            pMade->InternalAddRef(); // the test's own
            return pMade;
        };
        CXTPCommandBar* pExpandPopup = OpenExpandPopup();
        ASSERT_TRUE(pExpandPopup != NULL);
        EXPECT_TRUE(pExpandPopup->GetRuntimeClass() == c.pOpenedClass);
        EXPECT_TRUE(pExpandPopup->IsTrackingMode()) << "it is open";
        EXPECT_EQ("&Add or Remove Buttons>", Lines(pExpandPopup));
        XTPMouseManager()->SendTrackLost();
        EXPECT_EQ(c.nReferencesLeft, pMade->InternalRelease());
    }
}

TEST_F(ToolBarMenusTest, ExpandPopupStartsWithTheButtonsHiddenForLackOfRoom)
{
    frame->SetClientWidth(60);
    CXTPCommandBar* pExpandPopup = OpenExpandPopup();
    ASSERT_TRUE(pExpandPopup != NULL);
    std::string lines = Lines(pExpandPopup);
    EXPECT_NE(std::string::npos, lines.find("Bold")) << lines;
    EXPECT_EQ(std::string::npos, lines.find("New")) << lines;
    EXPECT_NE(std::string::npos, lines.find("| &Add or Remove Buttons>")) << lines;
}

TEST_F(ToolBarMenusTest, ButtonsListLinesShowAndHideTheirButtons)
{
    CXTPCommandBar* pList = OpenButtonsList();
    ASSERT_TRUE(pList != NULL);
    Bars()->GetCommandBarsOptions()->bDirty = FALSE;
    pList->GetControl(0)->OnExecute();
    EXPECT_FALSE(Button(ID_TEST_NEW)->IsVisible());
    EXPECT_FALSE(pList->GetControl(0)->GetChecked());
    EXPECT_TRUE(Button(XTP_ID_TOOLBAR_EXPAND)->GetCommandBar()->IsTrackingMode()) << "the menus stay open";
    EXPECT_TRUE(Bars()->GetCommandBarsOptions()->bDirty);
    pList->GetControl(0)->OnExecute();
    EXPECT_TRUE(Button(ID_TEST_NEW)->IsVisible());
}

TEST_F(ToolBarMenusTest, ResetLineBringsTheOriginalButtonsBack)
{
    AnsweringApp app;
    Standard()->GetControls()->Remove(Button(ID_TEST_OPEN));
    Button(ID_TEST_COPY)->SetHideFlags(xtpHideCustomize);
    CXTPCommandBar* pList = OpenButtonsList();
    ASSERT_TRUE(pList != NULL);
    EXPECT_EQ("New+ Open Copy Bold+ | Reset", Lines(pList)) << "a removed original button is listed hidden";

    app.m_nAnswer = IDCANCEL;
    pList->GetControl(pList->GetControlCount() - 1)->OnExecute();
    EXPECT_EQ("Are you sure you want to reset the changes made to the 'Standard' toolbar?", app.m_strAsked);
    EXPECT_FALSE(Button(ID_TEST_COPY)->IsVisible()) << "cancelled";

    pList = OpenButtonsList();
    app.m_nAnswer = IDOK;
    pList->GetControl(pList->GetControlCount() - 1)->OnExecute();
    EXPECT_EQ(0, XTPMouseManager()->GetTrackedCount()) << "the menus close";
    ASSERT_TRUE(Button(ID_TEST_OPEN) != NULL);
    EXPECT_TRUE(Button(ID_TEST_OPEN)->IsVisible());
    EXPECT_TRUE(Button(ID_TEST_COPY)->IsVisible());
    EXPECT_FALSE(Standard()->GetControls()->IsChanged());
}

TEST_F(ToolBarMenusTest, ResetAsksNothingForABarThatIsNotBuiltIn)
{
    AnsweringApp app;
    Standard()->SetBuiltIn(FALSE);
    Button(ID_TEST_COPY)->SetHideFlags(xtpHideCustomize);
    Standard()->Reset();
    EXPECT_TRUE(app.m_strAsked.empty());
    EXPECT_FALSE(Button(ID_TEST_COPY)->IsVisible());
}

struct CustomizeListCase
{
    const char* pszName;
    std::function<void(CXTPControls*)> change;
    const char* pszLines;
    const char* pszBar;
};

// The bar's buttons, user-hidden ones in brackets.
std::string BarButtons(CXTPToolBar* pBar)
{
    std::string text;
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CXTPControl* pControl = pBar->GetControl(i);
        if (pControl->IsTemporary())
            continue;
        std::string caption = (LPCTSTR)pControl->GetCaption();
        text += (text.empty() ? "" : " ")
                + ((pControl->GetHideFlags() & xtpHideCustomize) ? "(" + caption + ")" : caption);
    }
    return text;
}

TEST_F(ToolBarMenusTest, CustomizeListMergesTheBarWithItsOriginalButtons)
{
    const CustomizeListCase cases[] = {
        {"unchanged", [](CXTPControls*) {}, "New+ Open+ Copy+ Bold+ | Reset", "New Open Copy Bold"},
        {"a hidden button stays in its place",
         [](CXTPControls* p) { p->FindControlById(ID_TEST_OPEN)->SetHideFlags(xtpHideCustomize); },
         "New+ Open Copy+ Bold+ | Reset", "New (Open) Copy Bold"},
        {"a removed button comes back hidden",
         [](CXTPControls* p) { p->Remove(p->FindControlById(ID_TEST_COPY)); },
         "New+ Open+ Copy Bold+ | Reset", "New Open (Copy) Bold"},
        {"a button the user added is listed, disabled",
         [](CXTPControls* p) {
             p->Add(xtpControlButton, ID_TEST_HELP, CString(), 1)->SetCaption(CString("Help"));
         },
         "New+ Help+! Open+ Copy+ Bold+ | Reset", "New Help Open Copy Bold"},
        {"a hidden button the user added goes",
         [](CXTPControls* p) { p->Add(xtpControlButton, ID_TEST_HELP)->SetHideFlags(xtpHideCustomize); },
         "New+ Open+ Copy+ Bold+ | Reset", "New Open Copy Bold"},
        {"a button moved to the front keeps its new place",
         [](CXTPControls* p) { p->MoveControl(p->FindControlById(ID_TEST_BOLD), 0); },
         "Bold+ New+ Open+ Copy+ | Reset", "Bold New Open Copy"},
        {"a button moved to the end keeps its new place",
         [](CXTPControls* p) { p->MoveControl(p->FindControlById(ID_TEST_NEW), -1); },
         "Open+ Copy+ Bold+ New+ | Reset", "Open Copy Bold New"},
        {"a hidden moved button comes back at its original place",
         [](CXTPControls* p) {
             p->MoveControl(p->FindControlById(ID_TEST_BOLD), 0);
             p->FindControlById(ID_TEST_BOLD)->SetHideFlags(xtpHideCustomize);
         },
         "New+ Open+ Copy+ Bold | Reset", "New Open Copy (Bold)"},
        {"a button the program hid is not listed",
         [](CXTPControls* p) { p->FindControlById(ID_TEST_NEW)->SetHideFlags(xtpHideGeneric); },
         "Open+ Copy+ Bold+ | Reset", "New Open Copy Bold"},
    };
    for (const CustomizeListCase& c : cases)
    {
        ASSERT_TRUE(Standard()->LoadToolBar(IDR_TEST_TOOLBAR));
        c.change(Standard()->GetControls());
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(Bars());
        Standard()->BuildCustomizeList(pPopup);
        EXPECT_EQ(c.pszLines, Lines(pPopup)) << c.pszName;
        EXPECT_EQ(c.pszBar, BarButtons(Standard())) << c.pszName;
        pPopup->InternalRelease();
    }
}

TEST_F(ToolBarMenusTest, CustomizeListOfABarWithoutOriginalButtonsHasNoReset)
{
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(Bars());
    m_pExtra->BuildCustomizeList(pPopup);
    EXPECT_EQ("Help+!", Lines(pPopup)) << "nothing to compare with: the button cannot be hidden";
    pPopup->InternalRelease();
}

// Building the list takes the buttons the user hid out of the bar, which
// may free the selected control or the one whose popup is open (the bar
// held their last reference): the bar then selects nothing, and controls
// that stay keep their selection at their new index.
TEST_F(ToolBarMenusTest, CustomizeListKeepsTheSelectionOnTheSameControls)
{
    struct Row
    {
        const char* pszName;
        BOOL bPopup;           // the user's hidden control opens a popup
        int nUserIndex;        // where the user's hidden control stands
        BOOL bSelectUsers;     // the user's control is selected (else New)
        const char* pszSelected; // afterwards; "" for none
        const char* pszPopuped;
        BOOL bFreed;
    };
    const Row rows[] = {
        {"the user's hidden button is selected", FALSE, 4, TRUE, "", "", TRUE},
        {"the user's hidden popup is open", TRUE, 4, TRUE, "", "", TRUE},
        {"a button after a removed one stays selected", FALSE, 0, FALSE, "New", "", TRUE},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        ASSERT_TRUE(Standard()->LoadToolBar(IDR_TEST_TOOLBAR));
        BOOL bFreed = FALSE;
        CXTPControl* pUsers = row.bPopup ? (CXTPControl*)new CWatched<CXTPControlPopup>(&bFreed)
                                         : (CXTPControl*)new CWatched<CXTPControlButton>(&bFreed);
        Standard()->GetControls()->AddControl(pUsers, ID_TEST_HELP, CString(), row.nUserIndex);
        pUsers->SetCaption(CString("Help"));
        pUsers->SetHideFlags(xtpHideCustomize);
        const int nSelect = row.bSelectUsers ? row.nUserIndex : Button(ID_TEST_NEW)->GetIndex();
        if (row.bPopup)
        {
            CXTPPopupBar* pBar = CXTPPopupBar::CreatePopupBar(Bars());
            ((CXTPControlPopup*)pUsers)->SetCommandBar(pBar);
            pBar->InternalRelease();
            ASSERT_TRUE(Standard()->SetPopuped(nSelect));
        }
        else
            ASSERT_TRUE(Standard()->SetSelected(nSelect));

        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(Bars());
        Standard()->BuildCustomizeList(pPopup);
        EXPECT_EQ(row.bFreed, bFreed);
        CXTPControl* pSelected = Standard()->GetControl(Standard()->GetSelectedIndex());
        CXTPControl* pPopuped = Standard()->GetControl(Standard()->GetPopupedIndex());
        EXPECT_EQ(row.pszSelected, std::string(pSelected != NULL ? pSelected->GetCaption() : ""));
        EXPECT_EQ(row.pszPopuped, std::string(pPopuped != NULL ? pPopuped->GetCaption() : ""));
        EXPECT_EQ("New Open Copy Bold", BarButtons(Standard()));
        pPopup->InternalRelease();
        XTPMouseManager()->SendTrackLost();
        Standard()->SetSelected(-1);
    }
}

// Without a customize handler, the list entries are disabled; without the
// expand button shown always either, the popup holds only hidden buttons.
class PlainFrameMenusTest : public CommandBarsTest
{};

TEST_F(PlainFrameMenusTest, WithoutCustomizingTheBarEntryIsDisabled)
{
    CXTPControl* pExpand = frame->GetToolBar()->GetControls()->FindControlById(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(frame->GetToolBar()->SetPopuped(pExpand->GetIndex()));
    CXTPCommandBar* pExpandPopup = pExpand->GetCommandBar();
    EXPECT_EQ("&Add or Remove Buttons>", Lines(pExpandPopup));
    EXPECT_EQ("Standard!", Lines(pExpandPopup->GetControl(0)->GetCommandBar())) << "no list to open";
    XTPMouseManager()->SendTrackLost();

    frame->m_pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways = FALSE;
    frame->SetClientWidth(60);
    ASSERT_TRUE(frame->GetToolBar()->SetPopuped(pExpand->GetIndex()));
    pExpandPopup = pExpand->GetCommandBar();
    EXPECT_EQ(std::string::npos, Lines(pExpandPopup).find("Add or Remove"));
    EXPECT_EQ(150, pExpandPopup->GetWidth());
}

} // namespace
