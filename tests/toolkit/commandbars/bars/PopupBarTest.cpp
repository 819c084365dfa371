// Popup bars of a frame's manager: what they keep and save.
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

} // namespace
