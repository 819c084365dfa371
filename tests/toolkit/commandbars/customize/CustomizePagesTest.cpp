// The options and commands pages of the customize sheet, and the
// toolbar-name dialog: each option written at once, the categories made from
// a menu, the commands list and its copy drag, and the name rules.
#include "CustomizeTestSupport.h"

#include "tests/support/DialogDriver.h"
#include "tests/support/PixelCanvas.h"

#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/commandbars/customize/XTPCustomizeOptionsPage.h"
#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"
#include "toolkit/commandbars/customize/XTPCustomizeToolbarsPage.h"
#include "toolkit/commandbars/customize/XTPNewToolbarDlg.h"

#include <shlwapi.h>

#include <functional>

namespace {

const char kCompany[] = "Tidewatch Customize Pages Test";

// An application whose message boxes answer as the test says and whose
// profile lives under a registry key of its own, removed afterwards.
class CAnsweringApp : public CWinApp
{
public:
    CAnsweringApp() : CWinApp(kCompany) { SetRegistryKey(kCompany); }
    ~CAnsweringApp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kCompany); }
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) override
    {
        m_asked.push_back(lpszPrompt);
        m_types.push_back(nType);
        if (m_onAsked)
            m_onAsked();
        return m_nAnswer;
    }
    int m_nAnswer = IDNO;
    // Runs while a message box is asked (the next step of a dialog).
    std::function<void()> m_onAsked;
    std::vector<std::string> m_asked;
    std::vector<UINT> m_types;
};

// ---- The options page ---------------------------------------------------------------------

class OptionsPageTest : public CustomizeTest
{
protected:
    void Prepare() override
    {
        CustomizeTest::Prepare();
        sheet.reset(new CXTPCustomizeSheet(Bars()));
        page.reset(new CXTPCustomizeOptionsPage(sheet.get()));
        sheet->AddPage(page.get());
        ASSERT_TRUE(sheet->Create(frame));
        sheet->SetActivePage(page.get());
        PumpPending();
    }
    void TearDown() override
    {
        sheet->DestroyWindow();
        page.reset();
        sheet.reset();
        CustomizeTest::TearDown();
    }
    CXTPCommandBarsOptions* Options() { return Bars()->GetCommandBarsOptions(); }
    void Click(UINT nID) { page->GetDlgItem(nID)->SendMessage(BM_CLICK); }
    BOOL Enabled(UINT nID) { return page->GetDlgItem(nID)->IsWindowEnabled(); }

    std::unique_ptr<CXTPCustomizeSheet> sheet;
    std::unique_ptr<CXTPCustomizeOptionsPage> page;
};

TEST_F(OptionsPageTest, EachCheckBoxWritesItsOptionAtOnce)
{
    struct CheckRow
    {
        const char* name;
        UINT nID;
        BOOL CXTPCommandBarsOptions::*pOption;
    };
    const CheckRow rows[] = {
        {"full menus", XTP_IDC_CHECK_FULL_MENUS, &CXTPCommandBarsOptions::bAlwaysShowFullMenus},
        {"large icons", XTP_IDC_CHECK_LARGEICONS, &CXTPCommandBarsOptions::bLargeIcons},
        {"screen tips", XTP_IDC_CHECK_SCREENTTIPS, &CXTPCommandBarsOptions::bToolBarScreenTips},
        {"shortcuts in screen tips", XTP_IDC_CHECK_SHORTCUTS, &CXTPCommandBarsOptions::bToolBarAccelTips},
    };
    for (const CheckRow& row : rows)
    {
        BOOL bBefore = Options()->*row.pOption;
        EXPECT_EQ(bBefore, (BOOL)page->IsDlgButtonChecked(row.nID)) << row.name;
        Click(row.nID);
        EXPECT_EQ(!bBefore, Options()->*row.pOption) << row.name;
    }
    Click(XTP_IDC_CHECK_FULL_MENUS);
    BOOL bDelay = Options()->bShowFullAfterDelay;
    Click(XTP_IDC_CHECK_AFTERDELAY);
    EXPECT_EQ(!bDelay, Options()->bShowFullAfterDelay);
}

TEST_F(OptionsPageTest, FullMenusDisableTheDelayAndScreenTipsEnableTheShortcuts)
{
    ASSERT_TRUE(Options()->bAlwaysShowFullMenus);
    EXPECT_FALSE(Enabled(XTP_IDC_CHECK_AFTERDELAY));
    Click(XTP_IDC_CHECK_FULL_MENUS);
    EXPECT_TRUE(Enabled(XTP_IDC_CHECK_AFTERDELAY));
    Click(XTP_IDC_CHECK_FULL_MENUS);
    EXPECT_FALSE(Enabled(XTP_IDC_CHECK_AFTERDELAY));

    ASSERT_TRUE(Options()->bToolBarScreenTips);
    Click(XTP_IDC_CHECK_SHORTCUTS);
    ASSERT_TRUE(Options()->bToolBarAccelTips);
    Click(XTP_IDC_CHECK_SCREENTTIPS);
    EXPECT_FALSE(Enabled(XTP_IDC_CHECK_SHORTCUTS));
    EXPECT_TRUE(Options()->bToolBarAccelTips) << "its own value stays";
}

TEST_F(OptionsPageTest, LargeIconsGrowTheToolBarAtOnce)
{
    CSize szBefore = ToolBar()->GetIconSize();
    Click(XTP_IDC_CHECK_LARGEICONS);
    EXPECT_EQ(CSize(szBefore.cx * 2, szBefore.cy * 2), ToolBar()->GetIconSize());
}

TEST_F(OptionsPageTest, TheAnimationListOffersSixAndStoresTheChosenIndex)
{
    CComboBox* pCombo = (CComboBox*)page->GetDlgItem(XTP_IDC_COMBO_ANIMATION);
    ASSERT_EQ(6, pCombo->GetCount());
    CString strFade;
    pCombo->GetLBText(4, strFade);
    EXPECT_EQ(CString("Fade"), strFade);
    pCombo->SetCurSel(4);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(XTP_IDC_COMBO_ANIMATION, CBN_SELCHANGE), (LPARAM)pCombo->m_hWnd);
    EXPECT_EQ(4, Options()->animationType);
    pCombo->SetCurSel(-1);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(XTP_IDC_COMBO_ANIMATION, CBN_SELCHANGE), (LPARAM)pCombo->m_hWnd);
    EXPECT_EQ(4, Options()->animationType) << "no selection writes nothing";
}

TEST_F(OptionsPageTest, ResettingUsageDataAsksAndYesDeletesTheStoredSet)
{
    CAnsweringApp app;
    Options()->m_mapUsedCommands = {ID_TEST_COPY, ID_TEST_BOLD};
    Bars()->SaveOptions("Customize");
    const CString strUsed = CString("Software\\") + kCompany + "\\" + kCompany + "\\Customize-Options\\UsedCommands";

    Click(XTP_IDC_BUTTON_RESETDATA);
    ASSERT_EQ(1u, app.m_asked.size());
    EXPECT_NE(std::string::npos, app.m_asked[0].find("Are you sure you want to do this?"));
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONWARNING), app.m_types[0]);
    EXPECT_EQ(2u, Options()->m_mapUsedCommands.size()) << "No keeps the record";

    app.m_nAnswer = IDYES;
    Click(XTP_IDC_BUTTON_RESETDATA);
    EXPECT_TRUE(Options()->m_mapUsedCommands.empty());
    Bars()->SaveOptions("Customize");
    HKEY hKey = NULL;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, strUsed, 0, KEY_READ, &hKey))
        << "the stored set is gone, not left behind";
    Options()->m_mapUsedCommands = {1};
    Bars()->LoadOptions("Customize");
    EXPECT_TRUE(Options()->m_mapUsedCommands.empty());
}

// ---- The commands page ---------------------------------------------------------------------

class CommandsPageTest : public CustomizeTest
{
protected:
    void Prepare() override
    {
        CustomizeTest::Prepare();
        sheet.reset(new CXTPCustomizeSheet(Bars()));
        page = sheet->GetCommandsPage();
    }
    void TearDown() override
    {
        if (sheet->m_hWnd != NULL)
            sheet->DestroyWindow();
        sheet.reset();
        CustomizeTest::TearDown();
    }
    void Fill()
    {
        ASSERT_TRUE(page->InsertCategories(IDR_TEST_MENU, FALSE));
        page->InsertAllCommandsCategory(XTP_IDS_ALL_COMMANDS, -1);
        page->InsertNewMenuCategory(XTP_IDS_NEW_MENU, -1);
    }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int i = 0; i < page->GetCategoryCount(); i++)
            names.push_back((LPCTSTR)page->GetCategoryAt(i)->strCategory);
        return names;
    }
    static std::vector<int> IdsOfControls(CXTPControls* pControls)
    {
        std::vector<int> ids;
        for (int i = 0; pControls != NULL && i < pControls->GetCount(); i++)
            ids.push_back(pControls->GetAt(i)->GetID());
        return ids;
    }

    std::unique_ptr<CXTPCustomizeSheet> sheet;
    CXTPCustomizeCommandsPage* page = nullptr;
};

TEST_F(CommandsPageTest, CategoriesComeFromTheMenusPopupsThenAllCommandsAndNewMenu)
{
    Fill();
    EXPECT_EQ(std::vector<std::string>({"File", "Edit", "View", "All Commands", "New Menu"}), Names());
    EXPECT_EQ(std::vector<int>({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_EXIT}), IdsOfControls(page->GetCategoryControls("File")));
    EXPECT_EQ(std::vector<int>({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_EXIT, ID_TEST_COPY, ID_TEST_BOLD}),
              IdsOfControls(page->GetCategoryControls("All Commands")));
    CXTPControls* pNewMenu = page->GetCategoryControls("New Menu");
    ASSERT_EQ(1, pNewMenu->GetCount());
    EXPECT_EQ(xtpControlPopup, pNewMenu->GetAt(0)->GetType());
    EXPECT_EQ(0, pNewMenu->GetAt(0)->GetID());
    EXPECT_EQ(CString("New Menu"), pNewMenu->GetAt(0)->GetCaption());
    EXPECT_TRUE(pNewMenu->GetAt(0)->GetCommandBar() != NULL);
}

TEST_F(CommandsPageTest, LookupsAreCaseSensitiveAndAMissingMenuFails)
{
    Fill();
    EXPECT_TRUE(page->FindCategory("Edit") != NULL);
    EXPECT_EQ(NULL, page->FindCategory("edit"));
    EXPECT_EQ(NULL, page->GetCategoryAt(5));
    EXPECT_EQ(NULL, page->GetCategoryAt(-1));
    EXPECT_FALSE(page->InsertCategories(4242, FALSE));
    // GetControls makes a missing category where asked.
    page->GetControls("Extra", 0);
    EXPECT_EQ("Extra", Names()[0]);
}

TEST_F(CommandsPageTest, SubItemsOfAPopupFollowItWhenListed)
{
    CMenu sub, menu;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, ID_TEST_COPY, "&Copy");
    sub.AppendMenu(MF_STRING, ID_TEST_BOLD, "&Bold");
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_TEST_NEW, "&New");
    menu.AppendMenu(MF_SEPARATOR, 0, (LPCTSTR)NULL);
    menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), "&More");
    ASSERT_TRUE(page->AddCategory("&Tools", &menu, TRUE));
    CXTPControls* pTools = page->GetCategoryControls("Tools");
    ASSERT_TRUE(pTools != NULL) << "named without the mnemonic marker";
    ASSERT_EQ(4, pTools->GetCount());
    EXPECT_EQ(ID_TEST_NEW, pTools->GetAt(0)->GetID());
    EXPECT_TRUE(IsPopupControlType(pTools->GetAt(1)->GetType()));
    EXPECT_EQ(ID_TEST_COPY, pTools->GetAt(2)->GetID());
    EXPECT_EQ(ID_TEST_BOLD, pTools->GetAt(3)->GetID());
}

TEST_F(CommandsPageTest, OtherSourcesOfCategories)
{
    page->AddToolbarCategory("Standard", IDR_TEST_TOOLBAR);
    EXPECT_EQ(std::vector<int>({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}),
              IdsOfControls(page->GetCategoryControls("Standard")));
    Button(ID_TEST_COPY)->SetCategory("Clipboard");
    page->InsertControlsCategories(ToolBar()->GetControls());
    EXPECT_EQ(std::vector<int>({ID_TEST_COPY}), IdsOfControls(page->GetCategoryControls("Clipboard")));
    page->InsertBuiltInMenus(IDR_TEST_MENU, XTP_IDS_BUILT_IN_MENUS, 0);
    EXPECT_EQ(4, page->GetCategoryControls("Built-in Menus")->GetCount());
    EXPECT_EQ("Built-in Menus", Names()[0]);
}

// A built-in menus category whose menu cannot be loaded is not added: the
// page would list a category without commands.
TEST_F(CommandsPageTest, BuiltInMenusOfAMissingMenuAddNoCategory)
{
    Fill();
    const std::vector<std::string> before = Names();
    page->InsertBuiltInMenus(4242, XTP_IDS_BUILT_IN_MENUS, 0);
    EXPECT_EQ(before, Names());
    EXPECT_EQ(NULL, page->GetCategoryControls("Built-in Menus"));
}

TEST_F(CommandsPageTest, ThePageListsTheFirstCategoryAndFollowsTheSelection)
{
    Fill();
    ASSERT_TRUE(sheet->Create(frame));
    sheet->SetActivePage(page);
    PumpPending();
    CListBox& categories = page->GetCategoriesList();
    CXTPCustomizeCommandsList& commands = page->GetCommandsList();
    EXPECT_EQ(5, categories.GetCount());
    EXPECT_EQ(0, categories.GetCurSel());
    ASSERT_EQ(3, commands.GetCount());
    EXPECT_EQ(ID_TEST_OPEN, commands.GetItemControl(1)->GetID());
    EXPECT_EQ(commands.GetRowHeight(), commands.GetItemHeight(0));
    EXPECT_GE(commands.GetRowHeight(), 20) << "a 16-pixel icon and its margins";

    categories.SetCurSel(1);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(XTP_IDC_LIST_CATEGORIES, LBN_SELCHANGE), (LPARAM)categories.m_hWnd);
    ASSERT_EQ(1, commands.GetCount());
    EXPECT_EQ(ID_TEST_COPY, commands.GetItemControl(0)->GetID());
}

TEST_F(CommandsPageTest, ACommandDraggedFromTheListOntoABarIsCopiedThere)
{
    Fill();
    ASSERT_TRUE(sheet->Create(frame));
    sheet->SetActivePage(page);
    PumpPending();
    CXTPCustomizeCommandsList& commands = page->GetCommandsList();
    Bars()->SetCustomizeMode(TRUE);
    Bars()->SetDragControl(Button(ID_TEST_BOLD));
    PostDragTo(ScreenPointOf(Button(ID_TEST_BOLD), 8));
    CRect rcItem;
    commands.GetItemRect(2, &rcItem);
    commands.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcItem.left + 5, rcItem.top + 3));
    EXPECT_EQ(std::vector<int>({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD, ID_TEST_EXIT}),
              IdsOf(ToolBar()));
    EXPECT_EQ(3, commands.GetCount()) << "the command stays in the list";
    EXPECT_EQ(2, commands.GetCurSel());
    EXPECT_EQ(ToolBar()->GetControl(4), Bars()->GetDragControl()) << "the new button is selected";
}

// ---- The toolbar-name dialog -----------------------------------------------------------------------

TEST(NewToolbarName, TheSuggestionIsTheFirstFreeCustomNumber)
{
    struct Row
    {
        const char* name;
        std::vector<CString> titles;
        const char* suggestion;
    };
    const Row rows[] = {
        {"no bars", {}, "Custom 1"},
        {"a gap", {"Custom 1", "Custom 3", "Standard"}, "Custom 2"},
        {"found out of order", {"Custom 2", "Custom 1"}, "Custom 3"},
        {"case counts", {"custom 1"}, "Custom 1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CString(row.suggestion), CXTPNewToolbarDlg::SuggestName(row.titles, "Custom %d")) << row.name;
}

TEST(NewToolbarName, ANameMustBeSetAndBelongToNoOtherBar)
{
    const std::vector<CString> titles = {"Standard", "Custom 1"};
    struct Row
    {
        const char* name;
        const char* candidate;
        int nEdited;
        CXTPNewToolbarDlg::NameCheck check;
    };
    const Row rows[] = {
        {"blank", "", -1, CXTPNewToolbarDlg::nameBlank},
        {"taken", "Standard", -1, CXTPNewToolbarDlg::nameTaken},
        {"taken, other case", "standard", -1, CXTPNewToolbarDlg::nameOK},
        {"a bar keeps its own title", "Custom 1", 1, CXTPNewToolbarDlg::nameOK},
        {"a bar cannot take another's", "Standard", 1, CXTPNewToolbarDlg::nameTaken},
        {"new", "Tools", -1, CXTPNewToolbarDlg::nameOK},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.check, CXTPNewToolbarDlg::CheckName(row.candidate, titles, row.nEdited)) << row.name;
}

class NewToolbarDialogTest : public CustomizeTest
{
protected:
    // Runs the dialog, typing each name in turn with OK after it: the next
    // name follows the message box of the one before.
    INT_PTR RunTyping(CXTPNewToolbarDlg& dlg, std::vector<std::string> names)
    {
        size_t nNext = 0;
        HWND hDialog = NULL;
        auto typeNext = [&]() {
            if (nNext >= names.size())
                return;
            ::SetDlgItemTextA(hDialog, XTP_IDC_TOOLBAR_NAME, names[nNext++].c_str());
            ::PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
        };
        app.m_onAsked = typeNext;
        CDialogDriver driver([&](HWND hWnd) {
            char szText[64] = "";
            ::GetDlgItemTextA(hWnd, XTP_IDC_TOOLBAR_NAME, szText, sizeof(szText));
            m_suggested = szText;
            ::GetWindowTextA(hWnd, szText, sizeof(szText));
            m_caption = szText;
            hDialog = hWnd;
            typeNext();
        });
        return dlg.DoModal();
    }
    CAnsweringApp app;
    std::string m_suggested, m_caption;
};

TEST_F(NewToolbarDialogTest, ANewBarNeedsANameNoBarHasAndGetsTheFirstFreeId)
{
    CXTPNewToolbarDlg dlg(frame, Bars());
    EXPECT_EQ(IDOK, RunTyping(dlg, {"", "Standard", "Tools"}));
    EXPECT_EQ("New Toolbar", m_caption);
    EXPECT_EQ("Custom 1", m_suggested);
    ASSERT_EQ(2u, app.m_asked.size());
    EXPECT_EQ("The toolbar name cannot be blank. Type a name.", app.m_asked[0]);
    EXPECT_EQ("A toolbar named 'Standard' already exists. Type another name.", app.m_asked[1]);
    EXPECT_EQ((UINT)MB_ICONERROR, app.m_types[1]);
    EXPECT_EQ(CString("Tools"), dlg.m_strToolbar);
    EXPECT_EQ((UINT)XTP_ID_CUSTOMBAR_FIRST, dlg.m_nNewID);
}

TEST_F(NewToolbarDialogTest, ARenamedBarKeepsItsOwnTitleButCannotTakeAnothers)
{
    CXTPNewToolbarDlg dlg(frame, Bars(), ToolBar());
    EXPECT_EQ(IDOK, RunTyping(dlg, {"Menu Bar", "Standard"}));
    EXPECT_EQ("Rename Toolbar", m_caption);
    EXPECT_EQ("Standard", m_suggested) << "the field starts with the bar's title";
    ASSERT_EQ(1u, app.m_asked.size());
    EXPECT_EQ("A toolbar named 'Menu Bar' already exists. Type another name.", app.m_asked[0]);
    EXPECT_EQ(CString("Standard"), dlg.m_strToolbar);
}

TEST_F(NewToolbarDialogTest, ANewBarTakesTheLowestIdNoBarUses)
{
    CXTPToolBar* pTaken = Bars()->Add("Taken", xtpBarTop);
    pTaken->SetBarID(XTP_ID_CUSTOMBAR_FIRST);
    CXTPNewToolbarDlg dlg(frame, Bars());
    EXPECT_EQ(IDOK, RunTyping(dlg, {"Tools"}));
    EXPECT_EQ(Bars()->GetFreeBarID(), dlg.m_nNewID);
    EXPECT_NE((UINT)XTP_ID_CUSTOMBAR_FIRST, dlg.m_nNewID);
    EXPECT_TRUE(app.m_asked.empty());
}

} // namespace

namespace {

// ---- A command drawn as a row of the commands list -------------------------------------------

TEST(CommandsListRow, EachLookFillsTheListAndHighlightsTheSelectedRow)
{
    struct Row
    {
        const char* name;
        int nTheme;
        int nBackground; // colour index of the empty list
        int nSelected;   // colour index at the right end of a selected row
    };
    const Row rows[] = {
        {"Office 2000", xtpThemeOffice2000, COLOR_BTNFACE, COLOR_HIGHLIGHT},
        {"Office XP", xtpThemeOfficeXP, 41, 31},
    };
    for (const Row& row : rows)
    {
        CXTPPaintManager* pPaintManager = CXTPPaintManager::CreateTheme(row.nTheme);
        CXTPControls* pControls = new CXTPControls;
        CXTPControl* pControl = pControls->Add(xtpControlButton, ID_TEST_COPY);
        pControl->SetCaption(CString("Copy"));
        const CSize szRow = pPaintManager->DrawControlPopupRow(NULL, NULL, CRect(0, 0, 0, 0), FALSE, FALSE,
                                                                CSize(16, 16), FALSE);
        EXPECT_GE(szRow.cx, 20) << row.name;
        EXPECT_GE(szRow.cy, 20) << row.name;

        PixelCanvas canvas(200, szRow.cy);
        const CRect rcRow(0, 0, 200, szRow.cy);
        pPaintManager->DrawControlPopupRow(&canvas.dc(), NULL, rcRow, FALSE, TRUE, CSize(16, 16), FALSE);
        EXPECT_EQ(pPaintManager->GetColor(row.nBackground), canvas.Pixel(190, szRow.cy / 2)) << row.name;
        pPaintManager->DrawControlPopupRow(&canvas.dc(), pControl, rcRow, TRUE, TRUE, CSize(16, 16), FALSE);
        EXPECT_EQ(pPaintManager->GetColor(row.nSelected), canvas.Pixel(190, szRow.cy / 2)) << row.name;
        EXPECT_GT(canvas.CountOther(CRect(szRow.cx, 0, 120, szRow.cy), pPaintManager->GetColor(row.nSelected)), 0)
            << row.name << ": the caption";
        pControls->InternalRelease();
        pPaintManager->InternalRelease();
    }
}

} // namespace

namespace {

// ---- The toolbars page ---------------------------------------------------------------------------

class ToolbarsPageTest : public CustomizeTest
{
protected:
    void Prepare() override
    {
        CustomizeTest::Prepare();
        sheet.reset(new CXTPCustomizeSheet(Bars()));
        ASSERT_TRUE(sheet->Create(frame));
        page = sheet->GetToolbarsPage();
        PumpPending();
    }
    void TearDown() override
    {
        sheet->DestroyWindow();
        sheet.reset();
        CustomizeTest::TearDown();
    }
    CCheckListBox& List() { return page->GetToolbarsList(); }
    std::vector<std::string> Listed()
    {
        std::vector<std::string> items;
        for (int i = 0; i < List().GetCount(); i++)
        {
            CString strText;
            List().GetText(i, strText);
            items.push_back(std::string(strText) + (List().GetCheck(i) ? " [x]" : " [ ]"));
        }
        return items;
    }
    int ItemOf(const char* pszTitle)
    {
        return List().FindStringExact(-1, pszTitle);
    }
    void SelectItem(const char* pszTitle)
    {
        List().SetCurSel(ItemOf(pszTitle));
        page->SendMessage(WM_COMMAND, MAKEWPARAM(XTP_IDC_LIST_TOOLBARS, LBN_SELCHANGE), (LPARAM)List().m_hWnd);
    }
    void ToggleCheck(const char* pszTitle)
    {
        int nItem = ItemOf(pszTitle);
        List().SetCurSel(nItem);
        List().SetCheck(nItem, !List().GetCheck(nItem));
        page->SendMessage(WM_COMMAND, MAKEWPARAM(XTP_IDC_LIST_TOOLBARS, CLBN_CHKCHANGE), (LPARAM)List().m_hWnd);
    }
    void Press(UINT nID) { page->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }
    BOOL Enabled(UINT nID) { return page->GetDlgItem(nID)->IsWindowEnabled(); }
    // Presses a button that opens the toolbar-name dialog and types the name.
    void PressTyping(UINT nID, const char* pszName)
    {
        CDialogDriver driver([&](HWND hWnd) {
            if (::GetDlgItem(hWnd, XTP_IDC_TOOLBAR_NAME) == NULL)
                return;
            ::SetDlgItemTextA(hWnd, XTP_IDC_TOOLBAR_NAME, pszName);
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        });
        Press(nID);
    }

    CAnsweringApp app;
    std::unique_ptr<CXTPCustomizeSheet> sheet;
    CXTPCustomizeToolbarsPage* page = nullptr;
};

TEST_F(ToolbarsPageTest, TheBarsAreListedWithTheirShownState)
{
    EXPECT_EQ(std::vector<std::string>({"Menu Bar [x]", "Standard [x]"}), Listed());
    EXPECT_EQ(1u, List().GetItemData(ItemOf("Standard")));
    Bars()->GetMenuBar()->SetVisible(FALSE);
    ToolBar()->SetVisible(FALSE);
    page->RefreshList();
    EXPECT_EQ(std::vector<std::string>({"Standard [ ]"}), Listed()) << "a hidden menu bar is not listed";
}

TEST_F(ToolbarsPageTest, BuiltInBarsResetAndTheUsersOwnRenameAndDelete)
{
    EXPECT_FALSE(Enabled(XTP_IDC_BUTTON_RESET));
    EXPECT_FALSE(Enabled(XTP_IDC_BUTTON_RENAME));
    EXPECT_TRUE(Enabled(XTP_IDC_BUTTON_NEW));
    SelectItem("Standard");
    EXPECT_TRUE(Enabled(XTP_IDC_BUTTON_RESET));
    EXPECT_FALSE(Enabled(XTP_IDC_BUTTON_RENAME));
    EXPECT_FALSE(Enabled(XTP_IDC_BUTTON_DELETE));
    Bars()->AddCustomBar("Mine", Bars()->GetFreeBarID());
    page->RefreshList();
    SelectItem("Mine");
    EXPECT_FALSE(Enabled(XTP_IDC_BUTTON_RESET));
    EXPECT_TRUE(Enabled(XTP_IDC_BUTTON_RENAME));
    EXPECT_TRUE(Enabled(XTP_IDC_BUTTON_DELETE));
}

TEST_F(ToolbarsPageTest, TheCheckShowsAndHidesABarButTheMenuBarAndFixedBarsStay)
{
    ToggleCheck("Standard");
    EXPECT_FALSE(ToolBar()->IsVisible());
    EXPECT_EQ(std::vector<std::string>({"Menu Bar [x]", "Standard [ ]"}), Listed());
    ToggleCheck("Standard");
    EXPECT_TRUE(ToolBar()->IsVisible());

    ToggleCheck("Menu Bar");
    EXPECT_TRUE(Bars()->GetMenuBar()->IsVisible());
    EXPECT_EQ(std::vector<std::string>({"Menu Bar [x]", "Standard [x]"}), Listed()) << "the check comes back";
    ToolBar()->SetCloseable(FALSE);
    ToggleCheck("Standard");
    EXPECT_TRUE(ToolBar()->IsVisible());
    EXPECT_EQ(std::vector<std::string>({"Menu Bar [x]", "Standard [x]"}), Listed());
}

// The frame hidden into the notification area with its floating bars: a
// closed floating bar ticked on the sheet is shown in its state, yet its
// window waits for the frame, also once the sheet is closed.
TEST_F(ToolbarsPageTest, ABarTickedWhileTheFrameIsHiddenWithItsBarsShowsWithTheFrame)
{
    ASSERT_TRUE(Bars()->FloatCommandBar(ToolBar()));
    ToggleCheck("Standard");
    ASSERT_FALSE(ToolBar()->IsWindowVisible());
    Bars()->ShowFloatingBarWindows(FALSE);
    frame->ShowWindow(SW_HIDE);

    ToggleCheck("Standard");
    EXPECT_TRUE(ToolBar()->IsVisible());
    EXPECT_EQ(std::vector<std::string>({"Menu Bar [x]", "Standard [x]"}), Listed());
    EXPECT_FALSE(ToolBar()->IsWindowVisible());
    sheet->DestroyWindow();
    PumpPending();
    EXPECT_FALSE(ToolBar()->IsWindowVisible()) << "the sheet closed";

    Bars()->ShowFloatingBarWindows(TRUE);
    frame->ShowWindow(SW_SHOW);
    EXPECT_TRUE(ToolBar()->IsWindowVisible());
}

TEST_F(ToolbarsPageTest, NewMakesADockedUserBarOfTheNameTyped)
{
    PressTyping(XTP_IDC_BUTTON_NEW, "Tools");
    CXTPToolBar* pTools = Bars()->GetAt(Bars()->GetCount() - 1);
    EXPECT_EQ(CString("Tools"), pTools->GetTitle());
    EXPECT_FALSE(pTools->IsBuiltIn());
    EXPECT_EQ((UINT)XTP_ID_CUSTOMBAR_FIRST, pTools->GetBarID());
    EXPECT_NE(xtpBarFloating, pTools->GetPosition());
    EXPECT_TRUE(pTools->IsVisible());
    EXPECT_EQ(std::vector<std::string>({"Menu Bar [x]", "Standard [x]", "Tools [x]"}), Listed());
}

TEST_F(ToolbarsPageTest, RenameReplacesTheItemInPlace)
{
    Bars()->AddCustomBar("Mine", Bars()->GetFreeBarID());
    page->RefreshList();
    SelectItem("Mine");
    PressTyping(XTP_IDC_BUTTON_RENAME, "Ours");
    EXPECT_EQ(CString("Ours"), Bars()->GetAt(2)->GetTitle());
    EXPECT_EQ(std::vector<std::string>({"Menu Bar [x]", "Standard [x]", "Ours [x]"}), Listed());
    EXPECT_EQ(2, List().GetCurSel());
}

TEST_F(ToolbarsPageTest, DeleteAsksAndOKRemovesTheBar)
{
    Bars()->AddCustomBar("Mine", Bars()->GetFreeBarID());
    page->RefreshList();
    SelectItem("Mine");
    app.m_nAnswer = IDCANCEL;
    Press(XTP_IDC_BUTTON_DELETE);
    ASSERT_EQ(1u, app.m_asked.size());
    EXPECT_EQ("Are you sure you want to delete the 'Mine' toolbar?", app.m_asked[0]);
    EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONEXCLAMATION), app.m_types[0]);
    EXPECT_EQ(3, Bars()->GetCount());
    app.m_nAnswer = IDOK;
    Press(XTP_IDC_BUTTON_DELETE);
    EXPECT_EQ(2, Bars()->GetCount());
    EXPECT_EQ(std::vector<std::string>({"Menu Bar [x]", "Standard [x]"}), Listed());
}

TEST_F(ToolbarsPageTest, ResetBringsABuiltInBarsButtonsBack)
{
    ToolBar()->GetControls()->Remove(ToolBar()->GetControls()->FindControlById(ID_TEST_OPEN));
    SelectItem("Standard");
    app.m_nAnswer = IDOK;
    Press(XTP_IDC_BUTTON_RESET);
    EXPECT_EQ(std::vector<int>({ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD}), IdsOf(ToolBar()));
    EXPECT_EQ(1u, app.m_asked.size());
}

// ---- The texts of the templates -----------------------------------------------------------

INT_PTR CALLBACK PlainDialogProc(HWND, UINT nMessage, WPARAM, LPARAM)
{
    return nMessage == WM_INITDIALOG;
}

// The texts of a dialog's static labels, check boxes and buttons that do not
// fit their control in the dialog's font (a label too narrow wraps its last
// words onto a line its height hides).
std::vector<std::string> TextsThatDoNotFit(HWND hwndDlg)
{
    std::vector<std::string> result;
    for (HWND hwnd = ::GetWindow(hwndDlg, GW_CHILD); hwnd; hwnd = ::GetWindow(hwnd, GW_HWNDNEXT))
    {
        char szClass[32] = "", szText[256] = "";
        ::GetClassNameA(hwnd, szClass, sizeof(szClass));
        ::GetWindowTextA(hwnd, szText, sizeof(szText));
        if (!szText[0])
            continue;
        DWORD dwStyle = (DWORD)::GetWindowLongA(hwnd, GWL_STYLE);
        CRect rcClient;
        ::GetClientRect(hwnd, &rcClient);
        int cxText = rcClient.Width();
        if (lstrcmpiA(szClass, "Static") == 0)
        {
            if ((dwStyle & SS_TYPEMASK) != SS_LEFT)
                continue;
        }
        else if (lstrcmpiA(szClass, "Button") == 0)
        {
            DWORD dwType = dwStyle & BS_TYPEMASK;
            if (dwType == BS_AUTOCHECKBOX || dwType == BS_CHECKBOX)
                cxText -= ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
            else if (dwType == BS_PUSHBUTTON || dwType == BS_DEFPUSHBUTTON)
                cxText -= 6;
            else
                continue;
        }
        else
            continue;
        HDC hDC = ::GetDC(hwnd);
        HGDIOBJ hOld = ::SelectObject(hDC, (HFONT)::SendMessageA(hwnd, WM_GETFONT, 0, 0));
        CRect rcText(0, 0, cxText, 0);
        ::DrawTextA(hDC, szText, -1, &rcText, DT_CALCRECT | DT_WORDBREAK);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(hwnd, hDC);
        if (rcText.Width() > cxText || rcText.Height() > rcClient.Height())
            result.push_back(szText);
    }
    return result;
}

TEST(CustomizeTemplates, EveryLabelCheckBoxAndButtonTextFitsItsControl)
{
    // The pages are child templates: they are made inside a hidden window.
    HWND hwndParent = ::CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 600, 400, NULL, NULL, NULL, NULL);
    UINT templates[] = {XTP_IDD_PAGE_TOOLBARS, XTP_IDD_PAGE_COMMANDS, XTP_IDD_PAGE_OPTIONS, XTP_IDD_NEWTOOLBAR,
                        XTP_IDD_IMAGEEDITOR};
    for (UINT nID : templates)
    {
        HWND hwndDlg =
            ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID), hwndParent, PlainDialogProc, 0);
        ASSERT_TRUE(hwndDlg != NULL) << nID;
        EXPECT_EQ(std::vector<std::string>(), TextsThatDoNotFit(hwndDlg)) << "template " << nID;
        ::DestroyWindow(hwndDlg);
    }
    ::DestroyWindow(hwndParent);
}

} // namespace
