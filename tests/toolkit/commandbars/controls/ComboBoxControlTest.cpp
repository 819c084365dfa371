// The combo box on a real toolbar: the drop-down list shows one to twelve
// rows, keys move in the open list, Esc puts the old choice back, Enter and
// a click choose and execute, the edit field keeps its typed text when the
// bar goes, F4 opens the list from the field and Esc gives the focus back.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "tests/support/HeapBlocks.h"
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"

#include <shlwapi.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const int kSortId = 3200;

// The entries of a combo's list, "|" after each.
std::string Entries(CXTPControlComboBox* pCombo)
{
    std::string entries;
    for (int i = 0; i < pCombo->GetCount(); i++)
    {
        CString strEntry;
        pCombo->GetLBText(i, strEntry);
        entries += (LPCTSTR)strEntry + std::string("|");
    }
    return entries;
}

class ComboBoxTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        pBar = frame->GetToolBar();
        pCombo = (CXTPControlComboBox*)pBar->GetControls()->Add(xtpControlComboBox, kSortId);
        frame->RecalcLayout();
        PumpPending();
        frame->m_wndPane.SetFocus();
    }
    // Entries "Entry N" up to a count of nCount.
    void AddEntries(int nCount)
    {
        for (int i = pCombo->GetCount(); i < nCount; i++)
            pCombo->AddString(("Entry " + std::to_string(i)).c_str());
    }
    void DropDown()
    {
        ASSERT_TRUE(pBar->SetPopuped(pCombo->GetIndex()));
        ASSERT_TRUE(pCombo->IsDroppedDown());
    }
    CXTPControlComboBoxList* List() { return pCombo->GetListBar(); }
    // With an edit field, laid out.
    void Editable()
    {
        pCombo->SetDropDownListStyle(TRUE);
        frame->RecalcLayout();
    }
    // "choice text", then " open" while the list shows and " executed" when
    // the site heard the control execute.
    std::string State()
    {
        std::string state = std::to_string(pCombo->GetCurSel()) + " " + (LPCTSTR)pCombo->GetEditText();
        state += pCombo->IsDroppedDown() ? " open" : "";
        return state + (Logged("execute 3200 code 100") ? " executed" : "");
    }

    CXTPToolBar* pBar = nullptr;
    CXTPControlComboBox* pCombo = nullptr;
};

// The rows the open list shows for nEntries entries (-1 for a part row); the list is as wide as
// the combo without a drop-down width, and Esc hides it.
TEST_F(ComboBoxTest, DropDownShowsOneToTwelveRows)
{
    auto rowsShown = [this](int nEntries) {
        AddEntries(nEntries);
        DropDown();
        EXPECT_EQ(frame->m_pLastPopup, List()); // the site could refill it
        CRect rcClient;
        List()->GetClientRect(&rcClient);
        EXPECT_EQ(pCombo->GetRect().Width(), RectInParent(List()).Width());
        EXPECT_TRUE(Key(VK_ESCAPE));
        EXPECT_FALSE(List()->IsWindowVisible());
        const int nItemHeight = (int)List()->SendMessage(LB_GETITEMHEIGHT, 0);
        return rcClient.Height() % nItemHeight == 0 ? rcClient.Height() / nItemHeight : -1;
    };
    ASSERT_TRUE(List()->CreateListWindow());
    EXPECT_EQ(1, rowsShown(0)) << "an empty list is one row high";
    EXPECT_EQ(5, rowsShown(5));
    EXPECT_EQ(12, rowsShown(12));
    EXPECT_EQ(12, rowsShown(30)) << "thirty entries still show twelve";
    pCombo->SetDropDownWidth(150);
    DropDown();
    EXPECT_EQ(150, RectInParent(List()).Width()) << "a drop-down width widens the list";
}

// Keys in the open list, from the second entry chosen.
TEST_F(ComboBoxTest, KeysOrAClickInTheOpenListMoveChooseOrPutTheOldChoiceBack)
{
    AddEntries(5);
    auto afterKeys = [this](std::initializer_list<UINT> keys) {
        pCombo->SetCurSel(1);
        DropDown();
        frame->m_log.clear();
        for (UINT nKey : keys)
            EXPECT_TRUE(Key(nKey));
        const std::string state = State();
        Key(VK_ESCAPE);
        return state;
    };
    EXPECT_EQ("2 Entry 2 open", afterKeys({VK_DOWN})) << "down moves the choice and its text";
    EXPECT_EQ("1 Entry 1", afterKeys({VK_DOWN, VK_ESCAPE})) << "escape puts the old choice back";
    EXPECT_EQ("3 Entry 3 executed", afterKeys({VK_DOWN, VK_DOWN, VK_RETURN})) << "enter chooses and executes";

    frame->m_log.clear();
    const int nItemHeight = (int)List()->SendMessage(LB_GETITEMHEIGHT, 0);
    const LPARAM lPoint = MAKELPARAM(5, nItemHeight * 4 + nItemHeight / 2);
    DropDown();
    List()->SendMessage(WM_MOUSEMOVE, 0, lPoint);
    EXPECT_EQ(4, (int)List()->SendMessage(LB_GETCURSEL));
    List()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    List()->SendMessage(WM_LBUTTONUP, 0, lPoint);
    EXPECT_EQ("4 Entry 4 executed", State()) << "a click chooses and executes";
}

// Entries and a choice given before the list's window exists are in that
// window when the list first drops down.
TEST_F(ComboBoxTest, TheListWindowComesWithTheFirstDropDownAndHoldsTheEntries)
{
    AddEntries(3);
    pCombo->SetCurSel(2);
    EXPECT_TRUE(List()->m_hWnd == NULL) << "no window before it is needed";
    DropDown();
    EXPECT_EQ(3, (int)List()->SendMessage(LB_GETCOUNT));
    EXPECT_EQ(2, (int)List()->SendMessage(LB_GETCURSEL));
    EXPECT_TRUE(Key(VK_UP));
    EXPECT_EQ("1 Entry 1 open", State());
}

TEST_F(ComboBoxTest, SetEditTextSelectsTheMatchingEntry)
{
    AddEntries(3);
    pCombo->AddString("Other");
    pCombo->SetEditText("Oth", FALSE);
    EXPECT_EQ("3 Oth", State()) << "a prefix matches the first entry starting with it";
    pCombo->SetEditText("Entry 2", TRUE);
    EXPECT_EQ("2 Entry 2", State()) << "an exact match";
    pCombo->SetEditText("Oth", TRUE);
    EXPECT_EQ("-1 Oth", State()) << "a prefix is no exact match";
}

TEST_F(ComboBoxTest, TypedTextSurvivesTheBar)
{
    Editable();
    CXTPControlComboBoxEditWnd* pEdit = pCombo->GetEditWnd();
    ASSERT_TRUE(pEdit != NULL && pEdit->m_hWnd != NULL);
    for (char ch : {'n', 'e', 'w'})
        pEdit->SendMessage(WM_CHAR, ch);
    pBar->DestroyWindow();
    EXPECT_TRUE(pEdit->m_hWnd == NULL);
    EXPECT_STREQ("new", pCombo->GetEditText());
}

TEST_F(ComboBoxTest, LayoutGivesTheFieldItsWidthAndLeavesTheButtonFree)
{
    pCombo->SetWidth(120);
    Editable();
    EXPECT_EQ(CRect(106, 2, 226, 23), pCombo->GetRect());
    // Inset by 4 at the left, by 3 and the 15-pixel button at the right.
    EXPECT_EQ(CRect(110, 5, 208, 20), RectInParent(pCombo->GetEditWnd()));
}

// A label shows only with combo style 1 on a toolbar.
TEST_F(ComboBoxTest, LabelShowsWithComboStyleOneBeforeTheField)
{
    Editable();
    pCombo->SetCaption(CString("Sort"));
    pCombo->SetComboStyle(1);
    pBar->DelayLayout();
    frame->RecalcLayout();
    EXPECT_GT(pCombo->GetLabelWidth(), 5);
    EXPECT_EQ(pCombo->GetRect().left + pCombo->GetLabelWidth() + 4, RectInParent(pCombo->GetEditWnd()).left);
}

TEST_F(ComboBoxTest, VerticalBarHidesTheComboAndItsField)
{
    Editable();
    pCombo->OnCalcDynamicSize(xtpLayoutVertDock);
    EXPECT_EQ((DWORD)xtpHideDockingPosition, pCombo->GetHideFlags());
    EXPECT_FALSE(pCombo->GetEditWnd()->IsWindowVisible());
}

TEST_F(ComboBoxTest, FieldKeysOpenTheListAndGiveTheFocusBack)
{
    AddEntries(3);
    Editable();
    ASSERT_TRUE(pCombo->GetEditWnd()->m_hWnd != NULL);
    pCombo->GetEditWnd()->SetFocus();
    EXPECT_EQ(pCombo, pBar->GetKeyControl());
    EXPECT_FALSE(Key('X')); // typing reaches the field
    EXPECT_FALSE(Key(VK_F4));
    EXPECT_TRUE(pCombo->IsDroppedDown());
    EXPECT_TRUE(Key(VK_ESCAPE)); // closes the list
    EXPECT_FALSE(pCombo->IsDroppedDown());
    EXPECT_EQ(pCombo->GetEditWnd()->m_hWnd, ::GetFocus());
    EXPECT_TRUE(Key(VK_ESCAPE)); // leaves the field
    EXPECT_EQ(frame->m_wndPane.m_hWnd, ::GetFocus());
    EXPECT_EQ(xtpTrackingOff, pBar->IsTrackingMode());
}

// A combo in a control set alone, without its list window.
CXTPControlComboBox* AddCombo(CXTPControls& controls)
{
    return (CXTPControlComboBox*)controls.Add(xtpControlComboBox, kSortId);
}

TEST(ComboBoxItems, WithoutAListWindowThereIsNoSelectionAndNoEntryText)
{
    CXTPControls controls;
    CXTPControlComboBox* pCombo = AddCombo(controls);
    EXPECT_EQ(-1, pCombo->GetCurSel());
    CString strText = "stale";
    pCombo->GetLBText(0, strText);
    EXPECT_STREQ("", strText);
}

// The state a list answers with: its entries, "|" after each, and the choice.
std::string ListState(CXTPControlComboBox* pCombo)
{
    return Entries(pCombo) + " choice " + std::to_string(pCombo->GetCurSel());
}

// Each row's steps on a combo whose list window exists from the start and on
// one whose window is made only afterwards: both answer the same, before and
// after that window comes. Steps: "+text" adds, "=N" chooses entry N.
TEST(ComboBoxItems, AListAnswersAlikeBeforeAndAfterItsWindowExists)
{
    const struct
    {
        const char* pszName;
        std::vector<std::string> steps;
        const char* pszExpected;
    } rows[] = {
        {"entries keep their order", {"+b", "+a", "+c"}, "b|a|c| choice -1"},
        {"empty entries count", {"+", "+x"}, "|x| choice -1"},
        {"a choice", {"+a", "+b", "+c", "=1"}, "a|b|c| choice 1"},
        {"entries after a choice", {"+a", "=0", "+b", "+c"}, "a|b|c| choice 0"},
        {"a choice past the end keeps the old one", {"+a", "+b", "=1", "=2"}, "a|b| choice 1"},
        {"a choice below -1 keeps the old one", {"+a", "+b", "=1", "=-5"}, "a|b| choice 1"},
        {"choice -1 clears it", {"+a", "+b", "=1", "=-1"}, "a|b| choice -1"},
        {"a choice before its entry", {"=0", "+a"}, "a| choice -1"},
    };
    for (const auto& row : rows)
    {
        CXTPControls controls;
        CXTPControlComboBox* pEager = AddCombo(controls);
        CXTPControlComboBox* pLazy = AddCombo(controls);
        ASSERT_TRUE(pEager->GetListBar()->CreateListWindow());
        for (const std::string& step : row.steps)
            for (CXTPControlComboBox* pCombo : {pEager, pLazy})
            {
                if (step[0] == '+')
                    pCombo->AddString(step.c_str() + 1);
                else
                    pCombo->SetCurSel(std::stoi(step.substr(1)));
            }
        EXPECT_EQ(row.pszExpected, ListState(pEager)) << row.pszName;
        EXPECT_EQ(row.pszExpected, ListState(pLazy)) << row.pszName << ", before the window";
        EXPECT_TRUE(pLazy->GetListBar()->m_hWnd == NULL) << row.pszName;
        ASSERT_TRUE(pLazy->GetListBar()->CreateListWindow());
        EXPECT_EQ(row.pszExpected, ListState(pLazy)) << row.pszName << ", after the window";
    }
}

TEST(ComboBoxItems, AnArchiveCountBeyondItsDataIsRefusedAndTheListStaysUsable)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        px.WriteCount(1000000);
        CString strItem = "alpha";
        PX_String(&px, "Item0", strItem);
        PX_String(&px, "Item1", strItem);
    }
    file.SeekToBegin();
    CXTPControls controls;
    CXTPControlComboBox* pCombo = AddCombo(controls);
    BOOL bRefused = FALSE;
    try
    {
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        pCombo->GetListBar()->ExchangeItems(&px);
    }
    catch (CException* e)
    {
        bRefused = e->IsKindOf(RUNTIME_CLASS(CArchiveException));
        e->Delete();
    }
    EXPECT_TRUE(bRefused);
    EXPECT_EQ("", Entries(pCombo));
    EXPECT_EQ(0, pCombo->AddString("first"));
    EXPECT_EQ("first|", Entries(pCombo));
    CString strText = "stale";
    pCombo->GetLBText(5, strText);
    EXPECT_STREQ("", strText);
}

TEST(ComboBoxItems, ComboAndEditKeepTheirSettingsWithTheirBar)
{
    CXTPToolBar* pBar = new CXTPToolBar;
    CXTPControlComboBox* pCombo = (CXTPControlComboBox*)pBar->GetControls()->Add(xtpControlComboBox, kSortId);
    pCombo->SetWidth(140);
    pCombo->SetComboStyle(1);
    pCombo->SetDropDownListStyle(TRUE);
    for (const char* pszEntry : {"By date", "", "By title"})
        pCombo->AddString(pszEntry);
    CXTPControlEdit* pEdit = (CXTPControlEdit*)pBar->GetControls()->Add(xtpControlEdit, kSortId + 1);
    pEdit->SetWidth(90);
    pEdit->SetShowLabel(FALSE);
    pEdit->SetReadOnly(TRUE);
    CMemFile file;
    StoreBarExchange(pBar, file);
    CXTPToolBar* pLoaded = new CXTPToolBar;
    LoadBarExchange(pLoaded, file);
    EXPECT_EQ(file.GetLength(), file.GetPosition()) << "the reader takes exactly what the writer wrote";
    ASSERT_EQ(2, pLoaded->GetControlCount());
    pCombo = DYNAMIC_DOWNCAST(CXTPControlComboBox, pLoaded->GetControl(0));
    pEdit = DYNAMIC_DOWNCAST(CXTPControlEdit, pLoaded->GetControl(1));
    ASSERT_TRUE(pCombo != NULL && pEdit != NULL);
    EXPECT_EQ(
        (std::vector<int>{140, 1, TRUE, 90, FALSE, TRUE}),
        (std::vector<int>{pCombo->GetWidth(), (int)pCombo->GetComboStyle(), pCombo->GetDropDownListStyle(),
                          pEdit->GetWidth(), pEdit->GetShowLabel(), pEdit->GetReadOnly()}));
    EXPECT_EQ("By date||By title|", Entries(pCombo)) << "every entry, empty ones too";
    EXPECT_TRUE(pCombo->GetListBar()->m_hWnd == NULL) << "a loaded list makes its window only when needed";
    pBar->InternalRelease();
    pLoaded->InternalRelease();
}

// Stores of named values leave empty entries out: the count says how many
// entries there are, and a missing one loads empty, however many there are
// and wherever they stand.
TEST(ComboBoxItems, EmptyEntriesLeftOutOfANamedStoreLoadEmpty)
{
    const char* const kKey = "Software\\Tidewatch Combo Items Test";
    const std::pair<const char*, std::vector<const char*>> rows[] = {
        {"empty entries between", {"By date", "", "By title"}},
        {"empty entries first and last", {"", "x", ""}},
        {"only empty entries", {"", ""}},
    };
    for (const auto& [name, entries] : rows)
    {
        CXTPControls controls;
        CXTPControlComboBox* pStored = AddCombo(controls);
        for (const char* pszEntry : entries)
            pStored->AddString(pszEntry);
        TempFolder folder;
        const std::string strIni = folder.File("items.ini");
        HKEY hKey = NULL;
        ::RegCreateKeyA(HKEY_CURRENT_USER, kKey, &hKey);
        {
            CXTPPropExchangeRegistry px(FALSE, hKey, "Combo");
            pStored->GetListBar()->ExchangeItems(&px);
        }
        {
            CXTPPropExchangeIniFile px(FALSE, NULL, "Combo");
            pStored->GetListBar()->ExchangeItems(&px);
            ASSERT_TRUE(px.SaveToFile(strIni.c_str()));
        }
        HKEY hCombo = NULL;
        DWORD nValues = 0;
        ::RegOpenKeyExA(hKey, "Combo", 0, KEY_READ, &hCombo);
        ::RegQueryInfoKeyA(hCombo, NULL, NULL, NULL, NULL, NULL, NULL, &nValues, NULL, NULL, NULL, NULL);
        ::RegCloseKey(hCombo);
        const size_t nFilled = std::count_if(entries.begin(), entries.end(), [](const char* p) { return *p != 0; });
        EXPECT_EQ(1 + nFilled, nValues) << name << ": the count and the entries that are not empty";
        CXTPControlComboBox* pFromRegistry = AddCombo(controls);
        {
            CXTPPropExchangeRegistry px(TRUE, hKey, "Combo");
            pFromRegistry->GetListBar()->ExchangeItems(&px);
        }
        CXTPControlComboBox* pFromIni = AddCombo(controls);
        {
            CXTPPropExchangeIniFile px(TRUE, NULL, "Combo");
            ASSERT_TRUE(px.LoadFromFile(strIni.c_str()));
            pFromIni->GetListBar()->ExchangeItems(&px);
        }
        ::RegCloseKey(hKey);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
        EXPECT_EQ(Entries(pStored), Entries(pFromRegistry)) << name << ", registry";
        EXPECT_EQ(Entries(pStored), Entries(pFromIni)) << name << ", INI file";
    }
}

// A combo of the controls whose list loaded the registry key's section "Combo".
CXTPControlComboBox* LoadedFromRegistry(CXTPControls& controls, HKEY hKey)
{
    CXTPControlComboBox* pCombo = AddCombo(controls);
    CXTPPropExchangeRegistry px(TRUE, hKey, "Combo");
    pCombo->GetListBar()->ExchangeItems(&px);
    return pCombo;
}

// A damaged count in a named store gives the entries the store holds: a
// run of missing entries longer than any list keeps ends the list at the
// last entry there.
TEST(ComboBoxItems, DamagedCountsOfANamedStoreAreBounded)
{
    const char* const kKey = "Software\\Tidewatch Combo Count Test";
    const DWORD nLongestRun = CXTPControlComboBoxList::kMaxMissingRun;
    const std::tuple<const char*, std::vector<std::pair<DWORD, const char*>>, std::string> rows[] = {
        {"one entry", {{1, "x"}}, "|x|"},
        {"no entry", {}, ""},
        {"an entry after the longest run of missing ones a list keeps",
         {{0, "a"}, {nLongestRun + 1, "b"}},
         "a|" + std::string(nLongestRun, '|') + "b|"},
        {"an entry after a longer run", {{0, "a"}, {nLongestRun + 2, "b"}}, "a|"},
    };
    for (const auto& [name, entries, expected] : rows)
    {
        HKEY hKey = NULL;
        ::RegCreateKeyA(HKEY_CURRENT_USER, kKey, &hKey);
        const DWORD dwCount = 0x7FFFFFFF;
        ::SHSetValueA(hKey, "Combo", "Count", REG_DWORD, &dwCount, sizeof dwCount);
        for (const auto& [nIndex, pszText] : entries)
            ::SHSetValueA(hKey, "Combo", ("Item" + std::to_string(nIndex)).c_str(), REG_SZ, pszText,
                          (DWORD)strlen(pszText) + 1);
        CXTPControls controls;
        EXPECT_EQ(expected, Entries(LoadedFromRegistry(controls, hKey))) << name;
        ::RegCloseKey(hKey);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
}

// A list longer than any fixed bound, stored in the registry or an INI
// file, comes back whole, empty entries and all.
TEST(ComboBoxItems, LongListsComeBackWholeFromANamedStore)
{
    const char* const kKey = "Software\\Tidewatch Combo Long List Test";
    const int kEntries = 5000;
    // Name, and whether every seventh entry and the last three are empty.
    const std::pair<const char*, bool> rows[] = {{"5,000 entries", false},
                                                 {"5,000 entries, empty ones between and last", true}};
    for (const auto& [name, bWithEmpty] : rows)
    {
        CXTPControls controls;
        CXTPControlComboBox* pStored = AddCombo(controls);
        for (int i = 0; i < kEntries; i++)
        {
            const bool bEmpty = bWithEmpty && (i % 7 == 3 || i >= kEntries - 3);
            pStored->AddString(bEmpty ? "" : ("Entry " + std::to_string(i)).c_str());
        }
        HKEY hKey = NULL;
        ::RegCreateKeyA(HKEY_CURRENT_USER, kKey, &hKey);
        {
            CXTPPropExchangeRegistry px(FALSE, hKey, "Combo");
            pStored->GetListBar()->ExchangeItems(&px);
        }
        TempFolder folder;
        const std::string strIni = folder.File("items.ini");
        {
            CXTPPropExchangeIniFile px(FALSE, NULL, "Combo");
            pStored->GetListBar()->ExchangeItems(&px);
            ASSERT_TRUE(px.SaveToFile(strIni.c_str()));
        }
        CXTPControlComboBox* pFromIni = AddCombo(controls);
        {
            CXTPPropExchangeIniFile px(TRUE, NULL, "Combo");
            ASSERT_TRUE(px.LoadFromFile(strIni.c_str()));
            pFromIni->GetListBar()->ExchangeItems(&px);
        }
        // Counted first: the entries themselves would make a long message.
        for (CXTPControlComboBox* pLoaded : {LoadedFromRegistry(controls, hKey), pFromIni})
        {
            const char* pszStore = pLoaded == pFromIni ? "INI file" : "registry";
            EXPECT_EQ(pStored->GetCount(), pLoaded->GetCount()) << name << ", " << pszStore;
            EXPECT_TRUE(Entries(pStored) == Entries(pLoaded)) << name << ", " << pszStore;
        }
        ::RegCloseKey(hKey);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
}

// Combo data that fails to load, again and again, keeps no memory.
TEST(ComboBoxItems, DamagedComboDataLeavesNothingBehind)
{
    CXTPToolBar* pBar = new CXTPToolBar;
    CXTPControlComboBox* pStored = (CXTPControlComboBox*)pBar->GetControls()->Add(xtpControlComboBox, kSortId);
    for (const char* pszEntry : {"alpha", "beta", "gamma"})
        pStored->AddString(pszEntry);
    CMemFile file;
    StoreBarExchange(pBar, file);
    pBar->InternalRelease();
    const UINT nBytes = (UINT)file.GetLength();
    BYTE* pData = file.Detach();
    // The image cut inside the last entry.
    const std::string strImage(pData, pData + nBytes);
    free(pData);
    ASSERT_NE(std::string::npos, strImage.find("gamma"));
    std::vector<BYTE> damaged(strImage.begin(), strImage.begin() + strImage.find("gamma") + 2);
    auto loadDamaged = [&]() {
        CMemFile damagedFile(damaged.data(), (UINT)damaged.size());
        CXTPToolBar* pLoaded = new CXTPToolBar;
        try
        {
            LoadBarExchange(pLoaded, damagedFile);
            ADD_FAILURE() << "the cut image loaded";
        }
        catch (CException* e)
        {
            e->Delete();
        }
        pLoaded->InternalRelease();
    };
    for (int i = 0; i < 3; i++)
        loadDamaged();
    const size_t nBefore = LiveHeapBlocks();
    const int kLoads = 30;
    for (int i = 0; i < kLoads; i++)
        loadDamaged();
    EXPECT_LT(LiveHeapBlocks(), nBefore + kLoads / 3);
}

} // namespace
