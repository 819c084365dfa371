// A save of the bars' state that fails, through the program's own closing
// and starting: start 1 customizes the Standard bar and closes (saving),
// start 2 holds a control that cannot be written, hides the bar and closes
// (the save fails), start 3 shows start 1's bar as it was saved, whether
// its controls were kept in the profile or in the state file beside the
// program.
#include "MainFrameFixture.h"

#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/foundation/XTPPropExchange.h"

#include <gtest/gtest.h>

// A button whose exchange runs out of memory when it is written.
class CUnwritableButton : public CXTPControlButton
{
    DECLARE_DYNCREATE(CUnwritableButton)

public:
    void DoPropExchange(CXTPPropExchange* pPX) override
    {
        if (pPX->IsStoring())
            AfxThrowMemoryException();
        CXTPControlButton::DoPropExchange(pPX);
    }
};
IMPLEMENT_DYNCREATE(CUnwritableButton, CXTPControlButton)

namespace {

// The program's bars over its profile under the registry key, as the
// program keeps them, and no state file beside the program before or after.
class MainFrameFailedSaveTest : public MainFrameBarStateTest
{
protected:
    void SetUp() override
    {
        AfxGetApp()->SetRegistryKey("Quorvane Tidewatch Test Applications");
        MainFrameBarStateTest::SetUp();
        frame->GetCommandBars()->GetStateFileName(m_strStateFile, kCommandBarProfile);
        ForgetStateFile();
    }
    void TearDown() override
    {
        MainFrameBarStateTest::TearDown();
        ForgetStateFile();
    }
    void ForgetStateFile()
    {
        ::SetFileAttributesA(m_strStateFile, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(m_strStateFile);
    }

    // The program closed (saving as it does) and started again; over no
    // saved state at all when bForget.
    void Restart(bool bForget = false)
    {
        frame->SendMessage(WM_CLOSE, 0, 0);
        frame = NULL; // the window destroyed itself
        if (bForget)
        {
            ForgetBarState();
            ForgetStateFile();
        }
        CreateFrame();
    }

    CXTPToolBar* StandardBar() const { return frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD); }

    // The Standard bar's controls as "id caption" lines, a long caption cut
    // short after its length.
    std::vector<std::string> StandardControls() const
    {
        std::vector<std::string> controls;
        CXTPControls* pControls = StandardBar()->GetControls();
        for (int i = 0; i < pControls->GetCount(); i++)
        {
            CXTPControl* pControl = pControls->GetAt(i);
            const CString strCaption = pControl->GetCaption();
            controls.push_back(std::to_string(pControl->GetID()) + " " + (LPCTSTR)strCaption.Left(40) + " ("
                               + std::to_string(strCaption.GetLength()) + ")");
        }
        return controls;
    }

    CString m_strStateFile;
};

TEST_F(MainFrameFailedSaveTest, ASaveThatCannotWriteAControlKeepsTheLastSavedBars)
{
    struct Row
    {
        const char* name;
        CString strCaption; // of the button start 1 adds
        bool bInStateFile;
    };
    const Row rows[] = {
        {"controls in the profile", "Check every keyword", false},
        {"controls in the state file beside the program", CString('w', 20000), true},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        Restart(true);
        StandardBar()->GetControls()->Add(xtpControlButton, ID_CHECK_ALL, CString(), 0)->SetCaption(row.strCaption);
        const std::vector<std::string> saved = StandardControls();
        Restart();
        ASSERT_EQ(saved, StandardControls()) << "start 2";
        ASSERT_EQ(row.bInStateFile, ::GetFileAttributesA(m_strStateFile) != INVALID_FILE_ATTRIBUTES);

        StandardBar()->GetControls()->AddControl(new CUnwritableButton, ID_MARK_READ, CString(), 0);
        StandardBar()->SetVisible(FALSE);
        Restart();
        EXPECT_EQ(saved, StandardControls()) << "start 3";
        EXPECT_TRUE(StandardBar()->IsVisible()) << "start 3";
    }
}

} // namespace
