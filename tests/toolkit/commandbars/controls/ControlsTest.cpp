// The control base and the control collection without a bar: texts from
// prompts and captions, the collection's order and indexes, removal of a
// control only where it stands, navigation, copies and comparisons.
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int kOpenPrompt = 41100;  // "Opens an existing document\nOpen"
const int kPrintPrompt = 41101; // "Print"

std::vector<int> Ids(const CXTPControls& controls)
{
    std::vector<int> ids;
    for (int i = 0; i < controls.GetCount(); i++)
    {
        EXPECT_EQ(i, controls.GetAt(i)->GetIndex());
        ids.push_back(controls.GetAt(i)->GetID());
    }
    return ids;
}

// "caption|tooltip|description" of a button whose caption is set before
// its id.
std::string Texts(const char* pszCaption, int nId)
{
    CXTPControlButton button;
    button.SetCaption(CString(pszCaption));
    button.SetID(nId);
    EXPECT_EQ(nId, button.GetID());
    return std::string(button.GetCaption()) + "|" + (LPCTSTR)button.GetTooltip() + "|"
           + (LPCTSTR)button.GetDescription();
}

TEST(Control, SetIdTakesTheTextsFromTheStringResource)
{
    EXPECT_EQ("Open|Open|Opens an existing document", Texts("", kOpenPrompt))
        << "a prompt with a newline splits into description and tooltip";
    EXPECT_EQ("Print|Print|Print", Texts("", kPrintPrompt)) << "a prompt without a newline gives all three";
    EXPECT_EQ("&Keep||", Texts("&Keep", kOpenPrompt)) << "a caption already set keeps the texts untouched";
    EXPECT_EQ("||", Texts("", 41199)) << "an id without a string leaves the texts empty";
}

TEST(Control, CaptionTabPartBecomesTheAutomaticShortcut)
{
    CXTPControlButton button;
    button.SetCaption(CString("&Open\tCtrl+O"));
    EXPECT_STREQ("&Open", button.GetCaption());
    EXPECT_STREQ("Ctrl+O", button.GetAutoShortcutText());
}

TEST(Control, CloneCopiesSettingsButNotState)
{
    CXTPControlButton button;
    button.SetID(7);
    button.SetCaption(CString("Seven"));
    button.SetBeginGroup(TRUE);
    button.SetChecked(TRUE);
    button.SetFlags(xtpFlagRightAlign);
    button.SetRect(CRect(1, 2, 3, 4));
    button.SetPressed(2);
    CXTPControl* pClone = button.Clone();
    EXPECT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CXTPControlButton)));
    EXPECT_EQ(
        (std::vector<int>{7, TRUE, TRUE, xtpFlagRightAlign, TRUE, 0}),
        (std::vector<int>{pClone->GetID(), pClone->GetBeginGroup(), pClone->GetChecked(),
                          (int)pClone->GetFlags(), pClone->GetRect().IsRectEmpty(), pClone->GetPressed()}));
    EXPECT_TRUE(pClone->Compare(&button)) << "the caption came along";
    pClone->SetCaption(CString("Eight"));
    EXPECT_FALSE(pClone->Compare(&button));
    pClone->InternalRelease();
}

class ControlCollection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int nId = 1; nId <= 4; nId++)
            controls.Add(xtpControlButton, nId);
    }
    CXTPControls controls;
};

TEST_F(ControlCollection, AddInsertsBeforeTheGivenIndexOrAppendsAndMoveRenumbers)
{
    controls.Add(xtpControlButton, 10, CString(), 1);
    controls.Add(xtpControlButton, 11, CString(), 99);
    controls.Add(xtpControlButton, 12, CString(), -5);
    EXPECT_EQ((std::vector<int>{1, 10, 2, 3, 4, 11, 12}), Ids(controls));
    EXPECT_EQ(&controls, controls.GetAt(2)->GetControls());
    EXPECT_TRUE(controls.GetAt(7) == NULL);
    EXPECT_TRUE(controls.GetAt(-1) == NULL);
    controls.MoveControl(controls.GetAt(0), 3);
    EXPECT_EQ((std::vector<int>{10, 2, 1, 3, 4, 11, 12}), Ids(controls)) << "moved and renumbered";
    controls.MoveControl(controls.GetAt(6), 0);
    EXPECT_EQ((std::vector<int>{12, 10, 2, 1, 3, 4, 11}), Ids(controls));
}

TEST_F(ControlCollection, RemoveTakesOnlyAControlThatStandsAtItsIndex)
{
    CXTPControl* pThird = controls.GetAt(2);
    pThird->InternalAddRef();
    controls.Remove(pThird);
    EXPECT_EQ((std::vector<int>{1, 2, 4}), Ids(controls));
    EXPECT_TRUE(pThird->GetControls() == NULL);

    // Its stored index now names another control's place: nothing happens.
    controls.Remove(pThird);
    EXPECT_EQ((std::vector<int>{1, 2, 4}), Ids(controls));

    // A control of another collection whose index is in range is no member.
    CXTPControls other;
    CXTPControl* pForeign = other.Add(xtpControlButton, 99);
    controls.Remove(pForeign);
    EXPECT_EQ((std::vector<int>{1, 2, 4}), Ids(controls));
    EXPECT_EQ(1, other.GetCount());
    pThird->InternalRelease();
}

TEST_F(ControlCollection, FindsControlsByTypeIdAndVisibility)
{
    controls.GetAt(1)->SetHideFlags(xtpHideGeneric);
    EXPECT_EQ(controls.GetAt(1), controls.FindControlById(2));
    EXPECT_TRUE(controls.FindControl(xtpControlButton, 2, TRUE, FALSE) == NULL);
    EXPECT_EQ(controls.GetAt(0), controls.FindControl(xtpControlError, -1, FALSE, FALSE));
    EXPECT_TRUE(controls.FindControl(xtpControlPopup, -1, FALSE, FALSE) == NULL);
    EXPECT_EQ(3, controls.GetVisibleCount());
}

TEST_F(ControlCollection, NextSelectableSkipsHiddenAndWrapsOnce)
{
    controls.GetAt(1)->SetHideFlags(xtpHideGeneric);
    controls.GetAt(2)->SetFlags(xtpFlagSkipFocus);
    EXPECT_EQ(3, controls.GetNextSelectable(0, 1, TRUE)) << "forwards over hidden and skipped controls";
    EXPECT_EQ(0, controls.GetNextSelectable(3, 1, TRUE)) << "from the last forwards wraps to the first";
    EXPECT_EQ(3, controls.GetNextSelectable(0, -1, TRUE)) << "backwards from the first wraps to the last";
    EXPECT_EQ(3, controls.GetNextSelectable(-1, -1, TRUE)) << "from nothing backwards starts at the last";
    EXPECT_EQ(0, controls.GetNextSelectable(-1, 1, TRUE)) << "from nothing forwards starts at the first";
    EXPECT_EQ(2, controls.GetNextSelectable(0, 1, FALSE)) << "without the keyboard rule a skipped one may be";
    controls.GetAt(3)->SetHideFlags(xtpHideScroll);
    EXPECT_EQ(3, controls.GetNextSelectable(0, 1, TRUE)) << "controls scrolled out of a popup can be reached";
    EXPECT_EQ(-1, CXTPControls().GetNextSelectable(-1, 1));
}

TEST_F(ControlCollection, HitTestFindsTheFirstVisibleControlUnderThePoint)
{
    controls.GetAt(0)->SetRect(CRect(0, 0, 20, 20));
    controls.GetAt(1)->SetRect(CRect(20, 0, 40, 20));
    controls.GetAt(2)->SetRect(CRect(20, 0, 40, 20));
    controls.GetAt(1)->SetHideFlags(xtpHideWrap);
    EXPECT_EQ(controls.GetAt(2), controls.HitTest(CPoint(25, 5)));
    EXPECT_EQ(controls.GetAt(0), controls.HitTest(CPoint(0, 0)));
    EXPECT_TRUE(controls.HitTest(CPoint(40, 5)) == NULL);
}

TEST_F(ControlCollection, OriginalControlsTellWhetherTheSetChanged)
{
    EXPECT_TRUE(controls.IsChanged());
    controls.CreateOriginalControls();
    EXPECT_FALSE(controls.IsChanged());
    // Temporary controls do not count.
    controls.Add(xtpControlButton, 50, CString(), -1, TRUE);
    EXPECT_FALSE(controls.IsChanged());
    controls.GetAt(0)->SetBeginGroup(TRUE);
    EXPECT_TRUE(controls.IsChanged());
    controls.GetAt(0)->SetBeginGroup(FALSE);
    controls.Remove(controls.GetAt(1));
    EXPECT_TRUE(controls.IsChanged());
}

TEST_F(ControlCollection, ChangingTheTypeReplacesTheControlInPlace)
{
    CXTPControl* pPopup = controls.SetControlType(controls.GetAt(1), xtpControlButtonPopup);
    ASSERT_TRUE(pPopup != NULL);
    EXPECT_TRUE(pPopup->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)));
    EXPECT_EQ(xtpControlButtonPopup, pPopup->GetType());
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Ids(controls));
    // Between popup kinds only the type changes.
    EXPECT_EQ(pPopup, controls.SetControlType(pPopup, xtpControlSplitButtonPopup));
    EXPECT_EQ(xtpControlSplitButtonPopup, pPopup->GetType());
}

TEST(ControlCollectionAdd, PopupOfTypeTwoKeepsIdZero)
{
    CXTPControls controls;
    CXTPControl* pPopup = controls.Add(xtpControlPopup, 41150);
    ASSERT_TRUE(pPopup != NULL);
    EXPECT_EQ(0, pPopup->GetID());
    CXTPControl* pSplit = controls.Add(xtpControlSplitButtonPopup, 41150);
    EXPECT_EQ(41150, pSplit->GetID());
    // A type outside 1..8 gives no control.
    EXPECT_TRUE(controls.Add((XTPControlType)9, 1) == NULL);
    EXPECT_EQ(2, controls.GetCount());
}

} // namespace
