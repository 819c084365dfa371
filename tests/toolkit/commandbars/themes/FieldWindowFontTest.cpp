// The windows of edit and combo-box controls take the paint manager's
// icon-title font, without margins, whenever their bar draws them: after a
// theme switch they never keep the font of the paint manager that went.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

namespace {

class FieldWindowFontTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        pBar = frame->GetToolBar();
        pEdit = (CXTPControlEdit*)pBar->GetControls()->Add(xtpControlEdit, 3100);
        pCombo = (CXTPControlComboBox*)pBar->GetControls()->Add(xtpControlComboBox, 3200);
        pCombo->SetDropDownListStyle(TRUE);
        frame->RecalcLayout();
        PumpPending();
        ASSERT_TRUE(pEdit->GetEditWnd() != NULL && pEdit->GetEditWnd()->GetSafeHwnd() != NULL);
        ASSERT_TRUE(pCombo->GetEditWnd() != NULL && pCombo->GetEditWnd()->GetSafeHwnd() != NULL);
    }
    void DrawBar() { pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }
    static HFONT FontOf(CWnd* pWnd) { return (HFONT)pWnd->SendMessage(WM_GETFONT); }
    static LRESULT MarginsOf(CWnd* pWnd) { return pWnd->SendMessage(EM_GETMARGINS); }
    HFONT IconFont() const { return (HFONT)pBar->GetPaintManager()->GetIconFont()->GetSafeHandle(); }

    CXTPToolBar* pBar = nullptr;
    CXTPControlEdit* pEdit = nullptr;
    CXTPControlComboBox* pCombo = nullptr;
};

TEST_F(FieldWindowFontTest, DrawingGivesTheWindowsTheIconTitleFontWithoutMargins)
{
    for (CWnd* pWnd : {(CWnd*)pEdit->GetEditWnd(), (CWnd*)pCombo->GetEditWnd()})
    {
        pWnd->SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(SYSTEM_FONT), FALSE);
        pWnd->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(5, 5));
    }
    DrawBar();
    for (CWnd* pWnd : {(CWnd*)pEdit->GetEditWnd(), (CWnd*)pCombo->GetEditWnd()})
    {
        EXPECT_EQ(IconFont(), FontOf(pWnd));
        EXPECT_EQ(0, MarginsOf(pWnd));
    }
}

TEST_F(FieldWindowFontTest, AfterAThemeSwitchTheWindowsTakeTheNewPaintManagersFont)
{
    DrawBar();
    const HFONT hOldFont = FontOf(pEdit->GetEditWnd());
    frame->m_pCommandBars->SetPaintManager(new CFixedSizePaintManager);
    DrawBar();
    EXPECT_EQ(IconFont(), FontOf(pEdit->GetEditWnd()));
    EXPECT_EQ(IconFont(), FontOf(pCombo->GetEditWnd()));
    EXPECT_NE(hOldFont, FontOf(pEdit->GetEditWnd())) << "not the font of the paint manager that went";
}

} // namespace
