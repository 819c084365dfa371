// A save of the bars' state that fails, through the program's own closing
// and starting: start 1 customizes the Standard bar and closes (saving),
// start 2 holds a control that cannot be written, or changes the bars and
// closes while the registry refuses a write, and start 3 shows start 1's
// bars or start 2's whole (controls, places, shown or hidden), whether the
// controls were kept in the profile or in the state file beside the
// program.
#include "MainFrameFixture.h"
#include "tests/support/RegistryRefusal.h"

#include "framework/core/ProfileStorage.h"

#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/foundation/XTPPropExchange.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

// Deletes the state file, and the one a save writes beside it first.
void ForgetStateFiles(const CString& strStateFile)
{
    for (const CString& strFile : {strStateFile, strStateFile + "-New"})
    {
        ::SetFileAttributesA(strFile, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(strFile);
    }
}

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
    void ForgetStateFile() { ForgetStateFiles(m_strStateFile); }

    // The program closed (saving as it does) and started again; over no
    // saved state at all when bForget.
    void Restart(bool bForget = false)
    {
        Close();
        if (bForget)
        {
            ForgetBarState();
            ForgetStateFile();
        }
        CreateFrame();
    }
    void Close()
    {
        frame->SendMessage(WM_CLOSE, 0, 0);
        frame = NULL; // the window destroyed itself
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
        StandardBar()
            ->GetControls()
            ->Add(xtpControlButton, ID_CHECK_ALL, CString(), 0)
            ->SetCaption(row.strCaption);
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

// What a start shows of the bars' state: the Standard bar's controls,
// whether it shows, where it stands (floating or docked, its top-left from
// the window's), and whether the status bar shows.
struct BarsView
{
    std::vector<std::string> controls;
    bool bShown;
    std::string place;
    bool bStatusShown;

    bool operator==(const BarsView& other) const
    {
        return controls == other.controls && bShown == other.bShown && place == other.place
               && bStatusShown == other.bStatusShown;
    }
    std::string Text() const
    {
        std::string text;
        for (const std::string& control : controls)
            text += control + ", ";
        return text + (bShown ? "shown " : "hidden ") + place
               + (bStatusShown ? ", status bar" : ", no status bar");
    }
};

// The change from the bars start 1 saves to those start 2 saves: the
// caption of the button each adds (a long one takes the controls into the
// state file beside the program).
struct Change
{
    const char* name;
    CString strCaptionA;
    CString strCaptionB;
};
const Change kSmallToLarge = {"small controls, then large", "Check every keyword", CString('w', 20000)};
const Change kLargeToSmall = {"large controls, then small", CString('w', 20000), "Mark all read"};

// The writes of a save of the bars' state: below the command bars' profile,
// their options aside (saved on their own).
bool IsBarStateWrite(const RegistryWrite& write)
{
    return write.key.find(kCommandBarProfile) != std::string::npos
           && write.key.find(std::string(kCommandBarProfile) + "-Options") == std::string::npos;
}

// The saved bars' state kept aside and put back: the sections of the
// command bars' profile and the state file beside the program.
class SavedBarState
{
public:
    explicit SavedBarState(const CString& strStateFile) : m_strStateFile(strStateFile)
    {
        static int s_nCopies = 0;
        const std::string strCopy =
            std::to_string(::GetCurrentProcessId()) + "." + std::to_string(++s_nCopies);
        m_strCopy = "Software\\Quorvane\\Saved bar state " + strCopy;
        m_strFileCopy = m_strStateFile + "." + strCopy.c_str();
        CRegistryKey copy(AfxCreateRegistrySubKey(HKEY_CURRENT_USER, m_strCopy.c_str()));
        CRegistryKey app(AfxGetApp()->GetAppRegistryKey());
        for (const std::string& strName : CommandBarStateKeys())
        {
            CRegistryKey key(AfxCreateRegistrySubKey(copy, strName.c_str()));
            ::SHCopyKeyA(app, strName.c_str(), key, 0);
        }
        m_bFile = ::CopyFileA(m_strStateFile, m_strFileCopy, FALSE) != FALSE;
    }
    ~SavedBarState()
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, m_strCopy.c_str());
        ::DeleteFileA(m_strFileCopy);
    }

    void PutBack() const
    {
        CRegistryKey app(AfxGetApp()->GetAppRegistryKey());
        for (const std::string& strName : CommandBarStateKeys())
            ::SHDeleteKeyA(app, strName.c_str());
        CRegistryKey copy(AfxOpenRegistrySubKey(HKEY_CURRENT_USER, m_strCopy.c_str()));
        ::SHCopyKeyA(copy, NULL, app, 0);
        ForgetStateFiles(m_strStateFile);
        if (m_bFile)
            ::CopyFileA(m_strFileCopy, m_strStateFile, FALSE);
    }

private:
    CString m_strStateFile;
    std::string m_strCopy;
    CString m_strFileCopy;
    bool m_bFile = false;
};

// Start 1 saves bars A (a button added to the Standard bar, docked and
// shown, the status bar shown); start 2 changes them to B (that button
// gone and another added, the bar floating and hidden, the status bar
// hidden) and closes while the registry refuses writes of the save.
class MainFrameRefusedSaveTest : public MainFrameFailedSaveTest
{
protected:
    BarsView View() const
    {
        CRect rcFrame, rcBar;
        frame->GetWindowRect(&rcFrame);
        StandardBar()->GetWindowRect(&rcBar);
        const CPoint ptPlace = rcBar.TopLeft() - rcFrame.TopLeft();
        const bool bFloating = StandardBar()->GetPosition() == xtpBarFloating;
        return {StandardControls(), StandardBar()->IsVisible() != FALSE,
                (bFloating ? "floating at " : "docked at ") + std::to_string(ptPlace.x) + ","
                    + std::to_string(ptPlace.y),
                (frame->GetStatusBar().GetStyle() & WS_VISIBLE) != 0};
    }

    // Start 1 over no saved state makes bars A and closes; start 2 shows
    // them. Then start 1's saved state is kept aside.
    BarsView SaveA(const Change& change)
    {
        Restart(true);
        StandardBar()
            ->GetControls()
            ->Add(xtpControlButton, ID_CHECK_ALL, CString(), 0)
            ->SetCaption(change.strCaptionA);
        Close();
        m_pSavedA.reset(new SavedBarState(m_strStateFile));
        CreateFrame();
        return View();
    }
    // Start 2 again over start 1's saved state.
    BarsView StartWithA()
    {
        DestroyFrame();
        m_pSavedA->PutBack();
        CreateFrame();
        return View();
    }
    void ChangeToB(const Change& change)
    {
        CXTPControls* pControls = StandardBar()->GetControls();
        pControls->Remove(pControls->FindControlById(ID_CHECK_ALL));
        pControls->Add(xtpControlButton, ID_MARK_READ, CString(), 0)->SetCaption(change.strCaptionB);
        ASSERT_TRUE(frame->GetCommandBars()->FloatCommandBar(StandardBar()));
        CRect rcFrame;
        frame->GetWindowRect(&rcFrame);
        StandardBar()->PlaceFloating(rcFrame.TopLeft() + CSize(100, 150));
        StandardBar()->SetVisible(FALSE);
        frame->GetStatusBar().ShowWindow(SW_HIDE);
        frame->RecalcLayout();
    }

    // Start 1 saves A, start 2 shows it and saves B with nothing refused;
    // the writes of that save, and what starts 2 and 3 showed.
    std::vector<RegistryWrite> RecordSave(const Change& change, BarsView& viewA, BarsView& viewB)
    {
        viewA = SaveA(change);
        ChangeToB(change);
        std::vector<RegistryWrite> writes;
        {
            RegistryRefusal recorder(IsBarStateWrite);
            Close();
            writes = recorder.Writes();
        }
        CreateFrame();
        viewB = View();
        return writes;
    }

    // The saved state holds only what every reader of it knows: nothing
    // beside the usual sections, no switch to it.
    bool KeepsStateBeside() const
    {
        const bool bSwitch = AfxGetApp()->GetProfileInt(kCommandBarProfile, "LoadNew", -1) != (UINT)-1;
        const std::string strBeside = std::string(kCommandBarProfile) + "-New";
        bool bBeside = false;
        for (const std::string& strName : CommandBarStateKeys())
            bBeside = bBeside || strName.compare(0, strBeside.size(), strBeside) == 0;
        return bSwitch || bBeside || ::GetFileAttributesA(m_strStateFile + "-New") != INVALID_FILE_ATTRIBUTES;
    }

    std::unique_ptr<SavedBarState> m_pSavedA;
};

// Every write of the save refused in turn, once: start 3 shows A or B
// whole. From large controls to small ones the writes are those from small
// to large but for the controls part's, which are refused in turn.
TEST_F(MainFrameRefusedSaveTest, EveryWriteOfASaveRefusedInTurnLeavesTheLastBarsOrTheNewOnesWhole)
{
    const std::pair<Change, RegistryRefusal::Filter> tables[] = {
        {kSmallToLarge, [](const RegistryWrite&) { return true; }},
        {kLargeToSmall, [](const RegistryWrite& write) {
             return write.key.find("-Controls") != std::string::npos || write.name == "LoadNew";
         }}};
    for (const auto& [change, isRefusedInTurn] : tables)
    {
        SCOPED_TRACE(change.name);
        BarsView viewA, viewB;
        const std::vector<RegistryWrite> writes = RecordSave(change, viewA, viewB);
        ASSERT_FALSE(KeepsStateBeside()) << "a save with nothing refused";
        // Every part differs, so a start that mixes them shows neither.
        ASSERT_NE(viewA.controls, viewB.controls);
        ASSERT_NE(viewA.bShown, viewB.bShown);
        ASSERT_NE(viewA.place, viewB.place);
        ASSERT_NE(viewA.bStatusShown, viewB.bStatusShown);
        int nRows = 0;
        bool bShowsA = false;
        for (size_t n = 0; n < writes.size(); n++)
        {
            if (!isRefusedInTurn(writes[n]))
                continue;
            nRows++;
            SCOPED_TRACE("refused: " + writes[n].Text());
            // Start 2: a start over start 1's saved state. The last row's
            // start 3 is one when it showed A: it read the usual sections,
            // which the refused save had left as start 1 saved them. Its
            // close saves over start 1's state, as every row's.
            if (bShowsA)
                m_pSavedA->PutBack();
            else
                ASSERT_EQ(viewA.Text(), StartWithA().Text()) << "start 2";
            ChangeToB(change);
            {
                RegistryRefusal refusal(IsBarStateWrite, (int)n);
                Close();
                ASSERT_GT(refusal.Writes().size(), n);
                ASSERT_EQ(writes[n].Text(), refusal.Writes()[n].Text()) << "the same save";
            }
            CreateFrame();
            const BarsView shown = View();
            EXPECT_TRUE(shown == viewA || shown == viewB) << "start 3: " << shown.Text();
            bShowsA = shown == viewA;
        }
        EXPECT_GE(nRows, 4) << "the controls part writes two values at least, beside and in its place";
    }
}

// A write the registry refuses at every try of the save, as a policy does
// (the cases of the last save lost or mixed with the new one that the old
// order of writes had among them), some in the usual sections alone, once
// the new state went beside: start 3 shows the last bars or the new ones,
// start 4 (after start 3 saved with nothing refused) shows what start 3
// showed, and the saved state is then in the usual sections alone, as
// every reader of it knows them.
TEST_F(MainFrameRefusedSaveTest, AWriteTheRegistryAlwaysRefusesLeavesTheLastBarsOrTheNewOnesWhole)
{
    auto value = [](const char* pszName) -> RegistryRefusal::Filter {
        return [pszName](const RegistryWrite& write) {
            return write.kind == RegistryWrite::setValue && write.name == pszName;
        };
    };
    auto deletion = [](const char* pszKeyEnd) -> RegistryRefusal::Filter {
        return [pszKeyEnd](const RegistryWrite& write) {
            const std::string strEnd = pszKeyEnd;
            return (write.kind == RegistryWrite::deleteKey || write.kind == RegistryWrite::deleteValue)
                   && write.key.size() >= strEnd.size()
                   && write.key.compare(write.key.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
        };
    };
    auto inPlace = [](const char* pszName) -> RegistryRefusal::Filter {
        return [pszName](const RegistryWrite& write) {
            return write.kind == RegistryWrite::setValue && write.name == pszName
                   && write.key.find(std::string(kCommandBarProfile) + "-New") == std::string::npos;
        };
    };
    enum Shown
    {
        last,
        latest
    };
    struct Row
    {
        const char* name;
        RegistryRefusal::Filter isRefused;
        Shown shown;
    };
    const std::pair<Change, std::vector<Row>> tables[] = {
        {kSmallToLarge,
         {{"the path in Controls", value("Controls"), last},
          {"LoadFromFile = 1", value("LoadFromFile"), last},
          {"Visible of a bar", value("Visible"), last},
          {"XPos of a bar", value("XPos"), last},
          {"StatusBar", value("StatusBar"), last},
          {"deleting the old section of the Standard bar", deletion("-Bar1"), latest},
          {"the controls' path in their usual place", inPlace("Controls"), latest}}},
        {kLargeToSmall,
         {{"LoadFromFile = 0", value("LoadFromFile"), last},
          {"the image in Controls", value("Controls"), last},
          {"YPos of a bar", value("YPos"), last},
          {"deleting the switch to the state beside", deletion(kCommandBarProfile), latest},
          {"XPos in its usual place", inPlace("XPos"), latest}}},
    };
    for (const auto& [change, rows] : tables)
    {
        BarsView viewA, viewB;
        RecordSave(change, viewA, viewB);
        for (const Row& row : rows)
        {
            SCOPED_TRACE(std::string(row.name) + " refused, " + change.name);
            ASSERT_EQ(viewA.Text(), StartWithA().Text()) << "start 2";
            ChangeToB(change);
            {
                RegistryRefusal policy(IsBarStateWrite, row.isRefused);
                Close();
                ASSERT_GT(policy.RefusedCount(), 0);
            }
            CreateFrame();
            const std::string strShown = (row.shown == last ? viewA : viewB).Text();
            EXPECT_EQ(strShown, View().Text()) << "start 3";
            Restart();
            EXPECT_EQ(strShown, View().Text()) << "start 4";
            EXPECT_FALSE(KeepsStateBeside()) << "start 4";
        }
    }
}

} // namespace
