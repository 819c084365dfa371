#include "tests/support/TempFolder.h"
#include "tests/support/TestWindow.h"
#include "framework/controls/CCommonDialog.h"
#include <gtest/gtest.h>

namespace {

// The colour dialog starts with the colour given and the saved custom colours.
TEST(CommonDialogTest, ColorDialogStartsWithTheColourGiven)
{
    CColorDialog dialog(RGB(10, 20, 30));
    EXPECT_EQ(RGB(10, 20, 30), dialog.GetColor());
    EXPECT_NE(0u, dialog.m_cc.Flags & CC_RGBINIT);
    EXPECT_EQ(CColorDialog::GetSavedCustomColors(), dialog.m_cc.lpCustColors);
}

// Accepts the file dialog's proposal once it is ready.
UINT_PTR CALLBACK AcceptFileDialog(HWND hDlg, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == CDN_INITDONE)
        ::PostMessage(::GetParent(hDlg), WM_COMMAND, IDOK, 0);
    return 0;
}

TEST(CommonDialogTest, SaveDialogGivesThePathWithTheDefaultExtension)
{
    TempFolder folder;
    CString initialDir = folder.Path().c_str();

    CFileDialog dialog(FALSE, "xml", "KeywordList", OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT,
                       "XML Files (*.xml)|*.xml|All Files (*.*)|*.*||");
    dialog.m_ofn.lpstrInitialDir = initialDir;
    dialog.m_ofn.Flags |= OFN_ENABLEHOOK;
    dialog.m_ofn.lpfnHook = AcceptFileDialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("KeywordList.xml|KeywordList|xml"),
              dialog.GetFileName() + "|" + dialog.GetFileTitle() + "|" + dialog.GetFileExt());
    CString path = dialog.GetPathName();
    EXPECT_EQ(0, path.CompareNoCase(initialDir + "\\KeywordList.xml")) << (LPCTSTR)path;
    // The filter became zero-separated pairs ended by two zeros.
    EXPECT_STREQ("XML Files (*.xml)", dialog.m_ofn.lpstrFilter);
    EXPECT_STREQ("*.xml", dialog.m_ofn.lpstrFilter + strlen("XML Files (*.xml)") + 1);
}

} // namespace
