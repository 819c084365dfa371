// The combo box on a real toolbar: the drop-down list shows one to twelve
// rows, keys move in the open list, Esc puts the old choice back, Enter and
// a click choose and execute, the edit field keeps its typed text when the
// bar goes, F4 opens the list from the field and Esc gives the focus back.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPControlComboBox.h"
#include "toolkit/commandbars/XTPControlEdit.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPKeyboardManager.h"
#include "toolkit/commandbars/XTPToolBar.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const int kSortId = 3200;

class ComboBoxTest : public FrameTest<CCommandBarsFrame>
{
protected:
    void Prepare() override
    {
        frame->BuildBars();
        pBar = frame->GetToolBar();
        pCombo = (CXTPControlComboBox*)pBar->GetControls()->Add(xtpControlComboBox, kSortId);
        frame->RecalcLayout();
        PumpPending();
        frame->m_wndPane.SetFocus();
    }
    void AddEntries(int nCount)
    {
        const int nFirst = pCombo->GetCount();
        for (int i = nFirst; i < nFirst + nCount; i++)
        {
            CString strEntry;
            strEntry.Format("Entry %d", i);
            EXPECT_EQ(i, pCombo->AddString(strEntry));
        }
    }
    void DropDown()
    {
        ASSERT_TRUE(pBar->SetPopuped(pCombo->GetIndex()));
        ASSERT_TRUE(pCombo->IsDroppedDown());
    }
    CXTPControlComboBoxList* List() { return pCombo->GetListBar(); }
    static BOOL Key(UINT nKey) { return XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, nKey, 0); }

    CXTPToolBar* pBar = nullptr;
    CXTPControlComboBox* pCombo = nullptr;
};

struct RowsCase
{
    const char* name;
    int nEntries;
    int nRows;
};

TEST_F(ComboBoxTest, DropDownShowsOneToTwelveRows)
{
    const RowsCase cases[] = {
        {"an empty list is one row high", 0, 1},
        {"five entries give five rows", 5, 5},
        {"twelve entries fill twelve rows", 12, 12},
        {"thirty entries still show twelve", 30, 12},
    };
    int nAdded = 0;
    for (const RowsCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        AddEntries(c.nEntries - nAdded);
        nAdded = c.nEntries;
        if (c.nEntries == 0)
        {
            ASSERT_TRUE(List()->CreateListWindow());
        }
        DropDown();
        EXPECT_EQ(frame->m_pLastPopup, List()); // the site could refill it
        CRect rcClient;
        List()->GetClientRect(&rcClient);
        const int nItemHeight = (int)List()->SendMessage(LB_GETITEMHEIGHT, 0);
        EXPECT_EQ(c.nRows * nItemHeight, rcClient.Height());
        EXPECT_TRUE(List()->IsWindowVisible());
        // Without a drop-down width the list is as wide as the combo.
        CRect rcWindow;
        List()->GetWindowRect(&rcWindow);
        EXPECT_EQ(pCombo->GetRect().Width(), rcWindow.Width());
        EXPECT_TRUE(Key(VK_ESCAPE));
        EXPECT_FALSE(pCombo->IsDroppedDown());
        EXPECT_FALSE(List()->IsWindowVisible());
    }
    pCombo->SetDropDownWidth(150);
    DropDown();
    CRect rcWindow;
    List()->GetWindowRect(&rcWindow);
    EXPECT_EQ(150, rcWindow.Width()) << "a drop-down width widens the list";
    Key(VK_ESCAPE);
}

TEST_F(ComboBoxTest, EscapeRestoresTheSelection)
{
    AddEntries(5);
    pCombo->SetCurSel(1);
    EXPECT_STREQ("Entry 1", pCombo->GetEditText());
    DropDown();
    EXPECT_TRUE(Key(VK_DOWN));
    EXPECT_EQ(2, pCombo->GetCurSel());
    EXPECT_STREQ("Entry 2", pCombo->GetEditText());
    frame->m_log.clear();
    EXPECT_TRUE(Key(VK_ESCAPE));
    EXPECT_EQ(1, pCombo->GetCurSel());
    EXPECT_STREQ("Entry 1", pCombo->GetEditText());
    for (const std::string& entry : frame->m_log)
        EXPECT_EQ(std::string::npos, entry.find("execute")) << entry; // nothing executed
}

TEST_F(ComboBoxTest, EnterChoosesAndExecutes)
{
    AddEntries(5);
    pCombo->SetCurSel(1);
    DropDown();
    Key(VK_DOWN);
    Key(VK_DOWN);
    frame->m_log.clear();
    EXPECT_TRUE(Key(VK_RETURN));
    EXPECT_FALSE(pCombo->IsDroppedDown());
    EXPECT_EQ(3, pCombo->GetCurSel());
    CString strText;
    pCombo->GetLBText(pCombo->GetCurSel(), strText);
    EXPECT_STREQ("Entry 3", strText);
    EXPECT_NE(frame->m_log.end(),
              std::find(frame->m_log.begin(), frame->m_log.end(), "execute 3200 code 100"));
}

TEST_F(ComboBoxTest, ClickOnAnEntryChoosesIt)
{
    AddEntries(5);
    DropDown();
    const int nItemHeight = (int)List()->SendMessage(LB_GETITEMHEIGHT, 0);
    const LPARAM lPoint = MAKELPARAM(5, nItemHeight * 4 + nItemHeight / 2);
    List()->SendMessage(WM_MOUSEMOVE, 0, lPoint);
    EXPECT_EQ(4, (int)List()->SendMessage(LB_GETCURSEL));
    frame->m_log.clear();
    List()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    List()->SendMessage(WM_LBUTTONUP, 0, lPoint);
    EXPECT_FALSE(pCombo->IsDroppedDown());
    EXPECT_EQ(4, pCombo->GetCurSel());
    EXPECT_STREQ("Entry 4", pCombo->GetEditText());
    EXPECT_NE(frame->m_log.end(),
              std::find(frame->m_log.begin(), frame->m_log.end(), "execute 3200 code 100"));
}

TEST_F(ComboBoxTest, SetEditTextSelectsTheMatchingEntry)
{
    AddEntries(3);
    pCombo->AddString("Other");
    const struct
    {
        const char* name;
        const char* text;
        BOOL bExact;
        int nExpected;
    } cases[] = {
        {"a prefix matches the first entry starting with it", "Oth", FALSE, 3},
        {"an exact match", "Entry 2", TRUE, 2},
        {"a prefix is no exact match", "Oth", TRUE, -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        pCombo->SetEditText(c.text, c.bExact);
        EXPECT_EQ(c.nExpected, pCombo->GetCurSel());
        EXPECT_STREQ(c.text, pCombo->GetEditText());
    }
}

TEST_F(ComboBoxTest, TypedTextSurvivesTheBar)
{
    pCombo->SetDropDownListStyle(TRUE);
    frame->RecalcLayout();
    CXTPControlComboBoxEditWnd* pEdit = pCombo->GetEditWnd();
    ASSERT_TRUE(pEdit != NULL && pEdit->m_hWnd != NULL);
    EXPECT_EQ(pBar->m_hWnd, ::GetParent(pEdit->m_hWnd));
    pEdit->SendMessage(WM_CHAR, 'n');
    pEdit->SendMessage(WM_CHAR, 'e');
    pEdit->SendMessage(WM_CHAR, 'w');
    EXPECT_STREQ("new", pCombo->GetEditText());
    pBar->DestroyWindow();
    EXPECT_TRUE(pEdit->m_hWnd == NULL);
    EXPECT_STREQ("new", pCombo->GetEditText());
}

TEST_F(ComboBoxTest, LayoutGivesTheFieldItsWidthAndLeavesTheButtonFree)
{
    pCombo->SetWidth(120);
    pCombo->SetDropDownListStyle(TRUE);
    frame->RecalcLayout();
    EXPECT_EQ(120, pCombo->GetRect().Width());
    ASSERT_GT(pCombo->GetButtonWidth(), 0);
    const CRect rcEdit = RectInParent(pCombo->GetEditWnd());
    EXPECT_EQ(pCombo->GetRect().right - pCombo->GetButtonWidth() - 3, rcEdit.right);
    EXPECT_EQ(pCombo->GetRect().left + pCombo->GetLabelWidth() + 4, rcEdit.left);

    // A label shows only with combo style 1 on a toolbar.
    pCombo->SetCaption(CString("Sort"));
    pCombo->SetComboStyle(1);
    pBar->DelayLayout();
    frame->RecalcLayout();
    EXPECT_GT(pCombo->GetLabelWidth(), 5);
    EXPECT_EQ(pCombo->GetRect().left + pCombo->GetLabelWidth() + 4, RectInParent(pCombo->GetEditWnd()).left);
}

TEST_F(ComboBoxTest, FieldKeysOpenTheListAndGiveTheFocusBack)
{
    AddEntries(3);
    pCombo->SetDropDownListStyle(TRUE);
    frame->RecalcLayout();
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

TEST_F(ComboBoxTest, VerticalDockingHidesTheComboAndItsField)
{
    pCombo->SetDropDownListStyle(TRUE);
    frame->RecalcLayout();
    pCombo->OnCalcDynamicSize(xtpLayoutVertDock);
    EXPECT_EQ((DWORD)xtpHideDockingPosition, pCombo->GetHideFlags());
    EXPECT_FALSE(pCombo->GetEditWnd()->IsWindowVisible());
}

TEST(ComboBoxAlone, WithoutItsListWindowThereIsNoSelection)
{
    CXTPControls controls;
    CXTPControlComboBox* pCombo = (CXTPControlComboBox*)controls.Add(xtpControlComboBox, kSortId);
    EXPECT_EQ(xtpControlComboBox, pCombo->GetType());
    EXPECT_EQ(-1, pCombo->GetCurSel());
    CString strText = "stale";
    pCombo->GetLBText(0, strText);
    EXPECT_STREQ("", strText);
    EXPECT_EQ(0, pCombo->AddString("first"));
    pCombo->GetLBText(0, strText);
    EXPECT_STREQ("first", strText);
    pCombo->GetLBText(5, strText);
    EXPECT_STREQ("", strText);
}

// The entries of a list bar made for the test.
std::vector<std::string> Entries(CXTPControlComboBoxList* pList)
{
    std::vector<std::string> entries;
    const int nCount = pList->m_hWnd != NULL ? (int)pList->SendMessage(LB_GETCOUNT) : 0;
    for (int i = 0; i < nCount; i++)
    {
        char text[64] = "";
        pList->SendMessage(LB_GETTEXT, i, (LPARAM)text);
        entries.push_back(text);
    }
    return entries;
}

TEST(ComboBoxItems, ArchiveCountBeyondItsDataIsRefused)
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
    CXTPControlComboBoxList* pLoaded = new CXTPControlComboBoxList;
    BOOL bRefused = FALSE;
    try
    {
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        pLoaded->ExchangeItems(&px);
    }
    catch (CException* e)
    {
        bRefused = e->IsKindOf(RUNTIME_CLASS(CArchiveException));
        e->Delete();
    }
    EXPECT_TRUE(bRefused);
    EXPECT_TRUE(Entries(pLoaded).empty());
    pLoaded->InternalRelease();
}

TEST(ComboBoxItems, ComboAndEditKeepTheirSettingsWithTheirBar)
{
    CXTPToolBar* pBar = new CXTPToolBar;
    CXTPControlComboBox* pCombo = (CXTPControlComboBox*)pBar->GetControls()->Add(xtpControlComboBox, kSortId);
    pCombo->SetWidth(140);
    pCombo->SetComboStyle(1);
    pCombo->SetDropDownListStyle(TRUE);
    pCombo->AddString("By date");
    pCombo->AddString("");
    pCombo->AddString("By title");
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
    CXTPControlComboBox* pLoadedCombo = DYNAMIC_DOWNCAST(CXTPControlComboBox, pLoaded->GetControl(0));
    ASSERT_TRUE(pLoadedCombo != NULL);
    EXPECT_EQ(140, pLoadedCombo->GetWidth());
    EXPECT_EQ(1u, pLoadedCombo->GetComboStyle());
    EXPECT_TRUE(pLoadedCombo->GetDropDownListStyle());
    EXPECT_EQ((std::vector<std::string>{"By date", "", "By title"}), Entries(pLoadedCombo->GetListBar()))
        << "every entry, empty ones too";
    CXTPControlEdit* pLoadedEdit = DYNAMIC_DOWNCAST(CXTPControlEdit, pLoaded->GetControl(1));
    ASSERT_TRUE(pLoadedEdit != NULL);
    EXPECT_EQ(90, pLoadedEdit->GetWidth());
    EXPECT_FALSE(pLoadedEdit->GetShowLabel());
    EXPECT_TRUE(pLoadedEdit->GetReadOnly());
    pBar->InternalRelease();
    pLoaded->InternalRelease();
}

} // namespace
