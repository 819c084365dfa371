// The saved state of a frame's command bars: the profile form (dock state,
// dock rows, status bar, customised controls in the profile or the hidden
// file), the whole-state exchange through archives, the options, and loads
// of damaged states, which must leave the bars as they were made and leak
// none of the bars they read.
#include "CommandBarsTestSupport.h"

#include "tests/support/TempFolder.h"
#include "tests/support/HeapBlocks.h"
#include "toolkit/commandbars/input/XTPAccelManager.h"
#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/state/XTPDockState.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/state/XTPPropExchangeParam.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// Bars that count their living objects, so a test sees any bar a load leaks.
class CCountedToolBar : public CXTPToolBar
{
    DECLARE_SERIAL(CCountedToolBar)
public:
    CCountedToolBar() { s_nAlive++; }
    ~CCountedToolBar() override { s_nAlive--; }
    static int s_nAlive;
};
IMPLEMENT_SERIAL(CCountedToolBar, CXTPToolBar, VERSIONABLE_SCHEMA | 8)
int CCountedToolBar::s_nAlive = 0;

class CCountedPopupBar : public CXTPCommandBar
{
    DECLARE_SERIAL(CCountedPopupBar)
public:
    CCountedPopupBar()
    {
        m_barType = xtpBarTypePopup;
        s_nAlive++;
    }
    ~CCountedPopupBar() override { s_nAlive--; }
    static int s_nAlive;
};
IMPLEMENT_SERIAL(CCountedPopupBar, CXTPCommandBar, VERSIONABLE_SCHEMA | 8)
int CCountedPopupBar::s_nAlive = 0;

namespace {

const char* const kProfile = "BarStateTest";
const UINT kFormatBar = 400;

const char* const kCompany = "Tidewatch Bar State Tests";

// The test's application, with its profile in a registry key of its own; it
// answers every message box with m_nAnswer and keeps each prompt with its
// buttons.
struct ScopedRegistryApp : CWinApp
{
    ScopedRegistryApp() : CWinApp(kCompany) { SetRegistryKey(kCompany); }
    ~ScopedRegistryApp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kCompany); }
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) override
    {
        m_strAsked += std::string(lpszPrompt) + ((nType & MB_TYPEMASK) == MB_YESNO ? " [Yes/No]" : " [?]");
        return m_nAnswer;
    }

    int m_nAnswer = IDNO;
    std::string m_strAsked;
};

// Adds a "Help" popup control opening a counted popup bar with buttons of the ids.
void AddPopup(CXTPControls* pControls, std::initializer_list<UINT> ids)
{
    CXTPControlPopup* pPopup = (CXTPControlPopup*)pControls->AddControl(new CXTPControlPopup, ID_TEST_HELP);
    CCountedPopupBar* pPopupBar = new CCountedPopupBar;
    for (UINT nId : ids)
        pPopupBar->GetControls()->Add(xtpControlButton, nId);
    pPopup->SetCommandBar(pPopupBar);
    pPopupBar->InternalRelease();
}

// A frame that handles the customize command (so its controls are saved),
// with a menu bar, the "Standard" and "Format" tool bars, a popup control on
// "Format" that opens a popup bar, and a status bar.
class CStateFrame : public CCommandBarsFrame
{
public:
    void BuildStateBars()
    {
        m_pCommandBars = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
        m_pCommandBars->SetPaintManager(new CFixedSizePaintManager);
        m_pCommandBars->SetSite(this);
        m_pCommandBars->EnableDocking();
        m_pCommandBars->SetMenu("Menu Bar", IDR_TEST_MENU);
        CXTPToolBar* pStandard = m_pCommandBars->Add("Standard", xtpBarTop, RUNTIME_CLASS(CCountedToolBar));
        pStandard->LoadToolBar(IDR_TEST_TOOLBAR);
        CXTPToolBar* pFormat = m_pCommandBars->Add("Format", xtpBarTop, RUNTIME_CLASS(CCountedToolBar));
        pFormat->SetBarID(kFormatBar);
        const UINT buttons[] = {ID_TEST_COPY, ID_TEST_BOLD};
        pFormat->SetButtons(buttons, 2);
        AddPopup(pFormat->GetControls(), {ID_TEST_NEW});
        pFormat->GetControls()->CreateOriginalControls();
        m_wndStatus.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, 59393);
        RecalcLayout();
    }
    CXTPToolBar* Standard() const { return m_pCommandBars->GetToolBar(IDR_TEST_TOOLBAR); }
    CXTPToolBar* Format() const { return m_pCommandBars->GetToolBar(kFormatBar); }

    CWnd m_wndStatus;

    afx_msg void OnCustomize() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStateFrame, CCommandBarsFrame)
ON_COMMAND(XTP_ID_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

// The ids of the controls that are not temporary, each followed by a space
// (and by its bar's control count in brackets when it opens one).
std::string ControlIds(const CXTPControls* pControls)
{
    std::string text;
    for (int i = 0; pControls != NULL && i < pControls->GetCount(); i++)
    {
        const CXTPControl* pControl = pControls->GetAt(i);
        if (pControl->IsTemporary())
            continue;
        text += std::to_string(pControl->GetID());
        if (pControl->GetCommandBar() != NULL)
            text += "[" + std::to_string(pControl->GetCommandBar()->GetControlCount()) + "]";
        text += " ";
    }
    return text;
}

// What a test compares of a frame's bars: per bar its id, title, shown
// flag, dock bar and control ids; then the status bar's visibility.
std::string Describe(CStateFrame* pFrame)
{
    std::string text;
    CXTPCommandBars* pBars = pFrame->m_pCommandBars;
    for (int i = 0; i < pBars->GetCount(); i++)
    {
        CXTPToolBar* pBar = pBars->GetAt(i);
        int nDock = -1;
        for (int d = 0; d < 4; d++)
            nDock = pBar->GetDockBar() == pBars->GetDockBar(d) ? d : nDock;
        char line[128];
        snprintf(line, sizeof line, "%u %s v%d d%d: ", pBar->GetBarID(), (LPCTSTR)pBar->GetTitle(),
                 pBar->IsVisible(), nDock);
        text += line + ControlIds(pBar->GetControls()) + "\n";
    }
    text += pFrame->m_wndStatus.IsWindowVisible() ? "status shown" : "status hidden";
    return text;
}

// The bytes an archive stores through the exchange.
std::vector<BYTE> Stored(const std::function<void(CArchive&)>& exchange)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    exchange(ar);
    ar.Close();
    const UINT nBytes = (UINT)file.GetLength();
    BYTE* pData = file.Detach();
    std::vector<BYTE> bytes(pData, pData + nBytes);
    free(pData);
    return bytes;
}

void Load(std::vector<BYTE> bytes, const std::function<void(CArchive&)>& exchange)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    exchange(ar);
}

// The cause of the archive exception the load throws; -1 when it throws none.
int ArchiveFailure(const std::function<void()>& load)
{
    try
    {
        load();
    }
    catch (CArchiveException* e)
    {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

class BarStateTest : public FrameTest<CStateFrame, 500, 300>
{
protected:
    void Prepare() override { frame->BuildStateBars(); }
    void TearDown() override
    {
        for (HWND hWnd : m_frames)
            if (::IsWindow(hWnd))
                ::DestroyWindow(hWnd);
        FrameTest<CStateFrame, 500, 300>::TearDown();
        EXPECT_EQ(0, CCountedToolBar::s_nAlive) << "a tool bar outlived its frame";
        EXPECT_EQ(0, CCountedPopupBar::s_nAlive) << "a popup bar outlived its frame";
    }

    // A second frame built the same way, having loaded the saved profile
    // when asked (destroyed at the end unless the test does it).
    CStateFrame* NewFrame(bool bLoad = false)
    {
        CStateFrame* pFrame = new CStateFrame;
        EXPECT_TRUE(pFrame->CreateAt(60, 60, 500, 300));
        pFrame->BuildStateBars();
        m_frames.push_back(pFrame->GetSafeHwnd());
        if (bLoad)
            pFrame->m_pCommandBars->LoadBarState(kProfile);
        return pFrame;
    }

    // The user's changes: a button removed from and one added to "Format",
    // "Standard", the status bar and the menu bar's last menu gone. (How a
    // combo box keeps its entries the combo box's own tests show.)
    void Customize(CStateFrame* pFrame)
    {
        CXTPControls* pControls = pFrame->Format()->GetControls();
        pControls->Remove(pControls->FindControlById(ID_TEST_BOLD));
        pControls->Add(xtpControlButton, ID_TEST_EXIT)->SetBeginGroup(TRUE);
        pFrame->Standard()->SetVisible(FALSE);
        pFrame->m_wndStatus.ShowWindow(SW_HIDE);
        CXTPControls* pMenuControls = pFrame->m_pCommandBars->GetMenuBar()->GetControls();
        pMenuControls->Remove(pMenuControls->GetCount() - 1);
        pFrame->RecalcLayout();
    }

    // The profile's integers of the entries of a section, "-" for a missing one.
    std::string ProfileInts(LPCTSTR lpszSection, std::initializer_list<const char*> entries)
    {
        std::string text;
        for (const char* pszEntry : entries)
        {
            const int n = (int)app.GetProfileInt(lpszSection, pszEntry, INT_MIN);
            text += (text.empty() ? "" : " ") + (n == INT_MIN ? std::string("-") : std::to_string(n));
        }
        return text;
    }
    CString ProfileSection(LPCTSTR lpszFormat, int n = 0)
    {
        CString strSection;
        strSection.Format(lpszFormat, kProfile, n);
        return strSection;
    }
    // The controls image saved in the profile (empty when there is none).
    std::vector<BYTE> ProfileControls()
    {
        BYTE* pData = NULL;
        UINT nBytes = 0;
        app.GetProfileBinary(ProfileSection("%s-Controls"), "Controls", &pData, &nBytes);
        std::vector<BYTE> image(pData, pData + nBytes);
        delete[] pData;
        return image;
    }

    ScopedRegistryApp app;
    std::vector<HWND> m_frames;
};

TEST_F(BarStateTest, ProfileRoundTripRebuildsTheCustomisedBars)
{
    Customize(frame);
    std::string strSaved = Describe(frame);
    frame->m_pCommandBars->SaveBarState(kProfile);
    ASSERT_NE(strSaved, Describe(NewFrame())) << "the test needs a state that differs from a fresh frame";
    EXPECT_EQ(strSaved, Describe(NewFrame(true)));
}

TEST_F(BarStateTest, ProfileHoldsOnlyTheValuesThatDifferFromTheirDefaults)
{
    frame->Standard()->SetVisible(FALSE);
    frame->m_wndStatus.ShowWindow(SW_HIDE);
    frame->m_pCommandBars->SaveBarState(kProfile);

    EXPECT_EQ("3 " + std::to_string(::GetSystemMetrics(SM_CXSCREEN)),
              ProfileInts(ProfileSection("%s-Summary"), {"Bars", "ScreenCX"}));
    // The menu bar's id and its position in its dock bar; no Visible for a
    // shown bar, Visible 0 for a hidden one; no Floating for a docked bar,
    // no MRU width and no dialog-bar sizes; the dock id and the dialog-bar
    // flag always.
    EXPECT_EQ("1 - 0", ProfileInts(ProfileSection("%s-Bar%d", 0), {"BarID", "Visible", "YPos"}));
    EXPECT_EQ("0 - -", ProfileInts(ProfileSection("%s-Bar%d", 1), {"Visible", "Floating", "MRUWidth"}));
    EXPECT_EQ("59419 0 -", ProfileInts(ProfileSection("%s-Bar%d", 2),
                                       {"MRUDockID", "DialogBar", "DialogBarDockingClientCx"}));
    // Top dock: menu bar, "Standard" (hidden) and "Format", each in a row; an
    // empty dock bar writes nothing; a hidden status bar writes 0.
    EXPECT_EQ("6 0 1 0 301 0 400",
              ProfileInts(ProfileSection("%s-DockBar%d", 0),
                          {"Bars", "Bar#0", "Bar#1", "Bar#2", "Bar#3", "Bar#4", "Bar#5"}));
    EXPECT_EQ("-", ProfileInts(ProfileSection("%s-DockBar%d", 1), {"Bars"}));
    EXPECT_EQ("0 0", ProfileInts(kProfile, {"StatusBar"}) + " "
                         + ProfileInts(ProfileSection("%s-Controls"), {"LoadFromFile"}));

    frame->m_wndStatus.ShowWindow(SW_SHOW);
    frame->m_pCommandBars->SaveBarState(kProfile);
    EXPECT_EQ("-", ProfileInts(kProfile, {"StatusBar"})) << "a shown status bar deletes the value";
}

TEST_F(BarStateTest, AHiddenFrameSavesItsStatusBarAsItsOwnStyleSays)
{
    struct Row
    {
        const char* name;
        int nStatusShow;
        const char* expected;
    };
    const Row rows[] = {{"shown status bar", SW_SHOW, "-"}, {"hidden status bar", SW_HIDE, "0"}};
    frame->ShowWindow(SW_HIDE); // as in the notification area
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        frame->m_wndStatus.ShowWindow(row.nStatusShow);
        frame->m_pCommandBars->SaveBarState(kProfile);
        EXPECT_EQ(row.expected, ProfileInts(kProfile, {"StatusBar"}));
    }
}

TEST_F(BarStateTest, ControlsImageUpTo16000BytesStaysInTheProfile)
{
    TempFolder folder;
    std::string strFile = folder.File("state");
    frame->m_pCommandBars->SetStateFileName(strFile.c_str());
    CXTPControl* pCopy = frame->Format()->GetControls()->FindControlById(ID_TEST_COPY);
    pCopy->SetCaption(CString('x', 1000));
    frame->m_pCommandBars->SaveBarState(kProfile);
    const int nPadding = 16000 - (int)ProfileControls().size();
    ASSERT_GT(nPadding, 0);

    // LoadFromFile, then the image's size in the profile (no file left), or
    // the file's size, hidden and named in the profile.
    auto where = [&]() {
        const CString strSection = ProfileSection("%s-Controls");
        const std::string strFlag = ProfileInts(strSection, {"LoadFromFile"});
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!::GetFileAttributesExA(strFile.c_str(), GetFileExInfoStandard, &data))
            return strFlag + " profile " + std::to_string(ProfileControls().size());
        const bool bNamed = strFile == (LPCTSTR)app.GetProfileString(strSection, "Controls");
        return strFlag + (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN ? " hidden" : "")
               + (bNamed ? " named" : "") + " file " + std::to_string(data.nFileSizeLow);
    };
    const std::tuple<const char*, int, const char*> rows[] = {
        {"16000 bytes", 0, "0 profile 16000"},
        {"16001 bytes", 1, "1 hidden named file 16001"},
        {"back to 16000: the old file is deleted", 0, "0 profile 16000"}};
    for (const auto& [name, nExtra, strWhere] : rows)
    {
        pCopy->SetCaption(CString('x', 1000 + nPadding + nExtra));
        frame->m_pCommandBars->SaveBarState(kProfile);
        EXPECT_EQ(strWhere, where()) << name;
    }

    // The state read back from the file gives the long caption again.
    pCopy->SetCaption(CString('y', 20000));
    frame->m_pCommandBars->SaveBarState(kProfile);
    CStateFrame* pFresh = NewFrame();
    pFresh->m_pCommandBars->SetStateFileName(strFile.c_str());
    pFresh->m_pCommandBars->LoadBarState(kProfile);
    EXPECT_EQ(20000,
              pFresh->Format()->GetControls()->FindControlById(ID_TEST_COPY)->GetCaption().GetLength());
    ::SetFileAttributesA(strFile.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(BarStateTest, LargeImageGoesIntoTheProfileWhenItsFileCannotBeWritten)
{
    frame->m_pCommandBars->SetStateFileName("C:\\no such folder\\state");
    frame->Format()->GetControls()->FindControlById(ID_TEST_COPY)->SetCaption(CString('z', 20000));
    frame->m_pCommandBars->SaveBarState(kProfile);
    EXPECT_EQ("0", ProfileInts(ProfileSection("%s-Controls"), {"LoadFromFile"}));
    EXPECT_GT(ProfileControls().size(), 20000u);
    EXPECT_EQ(
        20000,
        NewFrame(true)->Format()->GetControls()->FindControlById(ID_TEST_COPY)->GetCaption().GetLength());
}

// "Controls" of the other kind than "LoadFromFile" says (a save of an
// older build that wrote one of the two and not the other) is read as what
// it is: the image it holds, or the file it names.
TEST_F(BarStateTest, ControlsOfTheOtherKindThanLoadFromFileSaysAreReadAsWhatTheyAre)
{
    TempFolder folder;
    frame->m_pCommandBars->SetStateFileName(folder.File("state").c_str());
    const std::tuple<const char*, int, int> rows[] = {
        {"an image, LoadFromFile 0", 100, 0},
        {"an image, LoadFromFile 1", 100, 1},
        {"a file, LoadFromFile 1", 20000, 1},
        {"a file, LoadFromFile 0", 20000, 0},
    };
    for (const auto& [name, nCaption, nLoadFromFile] : rows)
    {
        frame->Format()->GetControls()->FindControlById(ID_TEST_COPY)->SetCaption(CString('c', nCaption));
        frame->m_pCommandBars->SaveBarState(kProfile);
        app.WriteProfileInt(ProfileSection("%s-Controls"), "LoadFromFile", nLoadFromFile);
        const CString strLoaded =
            NewFrame(true)->Format()->GetControls()->FindControlById(ID_TEST_COPY)->GetCaption();
        EXPECT_EQ(nCaption, strLoaded.GetLength()) << name;
    }
    ::SetFileAttributesA(folder.File("state").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(BarStateTest, MissingControlsFileStillLoadsTheDockState)
{
    frame->Standard()->SetVisible(FALSE);
    frame->m_pCommandBars->SaveBarState(kProfile);
    app.WriteProfileInt(ProfileSection("%s-Controls"), "LoadFromFile", 1);
    app.WriteProfileString(ProfileSection("%s-Controls"), "Controls", "C:\\no such folder\\state");
    EXPECT_FALSE(NewFrame(true)->Standard()->IsVisible());
}

// The largest position on a 1024 by 768 screen: an icon's size from its corner.
CPoint LargestPosition()
{
    return CPoint(1024 - ::GetSystemMetrics(SM_CXICON), 768 - ::GetSystemMetrics(SM_CYICON));
}

TEST(DockStateTest, PositionsScaleToTheCurrentScreen)
{
    const CPoint ptLargest = LargestPosition();
    const std::tuple<const char*, CSize, CPoint, CPoint> rows[] = {
        {"1600 wide to 1024", CSize(1600, 1200), CPoint(800, 600), CPoint(512, 384)},
        {"rounded to nearest", CSize(3, 3), CPoint(1, 2), CPoint(341, 512)},
        {"same screen", CSize(1024, 768), CPoint(800, 600), CPoint(800, 600)},
        {"saved width 0: none", CSize(0, 768), CPoint(800, 600), CPoint(800, 600)},
        {"saved size negative: none", CSize(-1600, -1200), CPoint(800, 600), CPoint(800, 600)},
        {"limited to the largest position", CSize(512, 384), CPoint(1000, 700), ptLargest},
    };
    CXTPDockState state;
    state.SetCurrentScreen(CRect(0, 0, 1024, 768));
    for (const auto& [name, saved, point, expected] : rows)
    {
        state.SetScreenSize(saved);
        EXPECT_EQ(expected, state.ScalePoint(point)) << name;
    }
}

// A rectangle keeps its size, moved back left to the largest position.
TEST(DockStateTest, RectanglesKeepTheirSizeWithinTheLargestPosition)
{
    const CPoint ptLargest = LargestPosition();
    CXTPDockState state;
    state.SetCurrentScreen(CRect(0, 0, 1024, 768));
    state.SetScreenSize(CSize(1600, 1200));
    EXPECT_EQ(CRect(ptLargest.x, 64, ptLargest.x + 200, 94), state.ScaleRect(CRect(1580, 100, 1780, 130)));
}

TEST_F(BarStateTest, ProfilePositionSavedOn1600LoadsScaledOn1024)
{
    const CString strSummary = ProfileSection("%s-Summary");
    app.WriteProfileInt(strSummary, "Bars", 1);
    app.WriteProfileInt(strSummary, "ScreenCX", 1600);
    app.WriteProfileInt(strSummary, "ScreenCY", 1200);
    app.WriteProfileInt(ProfileSection("%s-Bar%d"), "BarID", kFormatBar);
    app.WriteProfileInt(ProfileSection("%s-Bar%d"), "XPos", 800);
    CXTPDockState state;
    state.SetCurrentScreen(CRect(0, 0, 1024, 768));
    state.LoadState(kProfile);
    ASSERT_EQ(1, state.GetCount());
    EXPECT_EQ(CPoint(512, -1), state.GetAt(0)->m_pointPos) << "a missing YPos stays -1";
    EXPECT_TRUE(state.GetAt(0)->m_bVisible) << "Visible defaults to 1 when absent";
}

TEST_F(BarStateTest, SavingAnEmptyUsedCommandsSetDeletesTheOldSubkey)
{
    const CString strSubkey = CString("Software\\") + kCompany + "\\" + app.m_pszProfileName + "\\"
                              + ProfileSection("%s-Options") + "\\UsedCommands";
    CXTPCommandBarsOptions* pOptions = frame->m_pCommandBars->GetCommandBarsOptions();
    for (bool bUsed : {true, false})
    {
        pOptions->m_mapUsedCommands = bUsed ? std::set<UINT>{ID_TEST_COPY, ID_TEST_BOLD} : std::set<UINT>();
        frame->m_pCommandBars->SaveOptions(kProfile);
        HKEY hKey = NULL;
        const bool bPresent =
            ::RegOpenKeyExA(HKEY_CURRENT_USER, strSubkey, 0, KEY_READ, &hKey) == ERROR_SUCCESS;
        ::RegCloseKey(hKey);
        EXPECT_EQ(bUsed, bPresent);
    }
}

TEST_F(BarStateTest, ArchiveStateSavedLoadedAndSavedAgainGivesTheSameBytes)
{
    auto whole = [](CStateFrame* pFrame) {
        return [pFrame](CArchive& ar) { pFrame->m_pCommandBars->Serialize(ar); };
    };
    Customize(frame);
    std::vector<BYTE> first = Stored(whole(frame));
    CStateFrame* pFresh = NewFrame();
    Load(first, whole(pFresh));
    // The status bar is no part of this state.
    const std::string strSaved = Describe(frame), strLoaded = Describe(pFresh);
    EXPECT_EQ(strSaved.substr(0, strSaved.rfind('\n')), strLoaded.substr(0, strLoaded.rfind('\n')));
    EXPECT_TRUE(first == Stored(whole(pFresh))) << "the bytes differ";
}

TEST_F(BarStateTest, DocumentTemplateMenusRoundTripWithTheirPopupBars)
{
    CXTPControls* pMenu = new CXTPControls;
    AddPopup(pMenu, {ID_TEST_NEW, ID_TEST_OPEN});
    frame->m_pCommandBars->GetMenuBar()->SetMDIMenu(500, pMenu);
    frame->m_pCommandBars->SaveBarState(kProfile);

    const CXTPMenuBar::CMDIMenuMap& menus = NewFrame(true)->m_pCommandBars->GetMenuBar()->GetMDIMenus();
    ASSERT_EQ(1u, menus.count(500));
    CXTPControl* pLoaded = menus.at(500)->FindControlById(ID_TEST_HELP);
    ASSERT_TRUE(pLoaded != NULL && pLoaded->GetCommandBar() != NULL);
    EXPECT_EQ("3001 3002 ", ControlIds(pLoaded->GetCommandBar()->GetControls()));
}

// ---- Damaged states ------------------------------------------------------------------

class DamagedStateTest : public BarStateTest
{
protected:
    // The controls image of the customised frame.
    std::vector<BYTE> ControlsImage()
    {
        Customize(frame);
        frame->m_pCommandBars->SaveBarState(kProfile);
        return ProfileControls();
    }
    void LoadImage(CStateFrame* pFrame, const std::vector<BYTE>& image)
    {
        Load(image, [pFrame](CArchive& ar) { pFrame->m_pCommandBars->LoadControlsFromArchive(ar, TRUE); });
    }
    // The counted tool bars the frame's manager holds.
    int ManagedCountedBars(CStateFrame* pFrame)
    {
        int n = 0;
        for (int i = 0; i < pFrame->m_pCommandBars->GetCount(); i++)
            n += pFrame->m_pCommandBars->GetAt(i)->IsKindOf(RUNTIME_CLASS(CCountedToolBar)) ? 1 : 0;
        return n;
    }
};

TEST_F(DamagedStateTest, DamagedImagesLeaveTheBarsAsCreated)
{
    std::vector<BYTE> good = ControlsImage();
    // Replaces the first occurrence of a class name by another of the same length.
    auto withClass = [&](const char* from, const char* to) {
        std::vector<BYTE> image = good;
        size_t at = std::string(image.begin(), image.end()).find(from);
        EXPECT_NE(std::string::npos, at) << from;
        if (at != std::string::npos)
            memcpy(&image[at], to, strlen(to));
        return image;
    };
    const std::pair<const char*, std::vector<BYTE>> rows[] = {
        {"a bar of a class that is no command bar", withClass("CCountedToolBar", "CXTPControls\0\0\0")},
        {"a control of a class that is no control", withClass("CXTPControlButton", "CCountedPopupBar\0")},
        {"cut after the first bar", std::vector<BYTE>(good.begin(), good.begin() + good.size() / 2)},
        {"empty", std::vector<BYTE>()},
    };
    const int nPopupBars = CCountedPopupBar::s_nAlive;
    for (const auto& [name, image] : rows)
    {
        CStateFrame* pFresh = NewFrame();
        std::string strCreated = Describe(pFresh);
        LoadImage(pFresh, image);
        EXPECT_EQ(strCreated, Describe(pFresh)) << name;
        pFresh->DestroyWindow();
        EXPECT_EQ(ManagedCountedBars(frame), CCountedToolBar::s_nAlive) << name;
        EXPECT_EQ(nPopupBars, CCountedPopupBar::s_nAlive) << name;
    }
}

TEST_F(DamagedStateTest, PopupReferencesThatWouldFormACycleAreRefused)
{
    // Format's popup bar gets a popup control that opens the popup bar itself.
    CXTPControlPopup* pPopup =
        DYNAMIC_DOWNCAST(CXTPControlPopup, frame->Format()->GetControls()->FindControlById(ID_TEST_HELP));
    ASSERT_TRUE(pPopup != NULL);
    CXTPCommandBar* pPopupBar = pPopup->GetCommandBar();
    pPopupBar->SetBarID(0x2000);
    CXTPControlPopup* pInner =
        (CXTPControlPopup*)pPopupBar->GetControls()->AddControl(new CXTPControlPopup, ID_TEST_EXIT);
    pInner->SetCommandBar(pPopupBar); // a cycle made on purpose: broken below
    std::vector<BYTE> image = ControlsImage();
    pInner->SetCommandBar((CXTPCommandBar*)NULL);
    const int nPopupBars = CCountedPopupBar::s_nAlive;

    CStateFrame* pFresh = NewFrame();
    LoadImage(pFresh, image);
    CXTPControl* pLoaded = pFresh->Format()->GetControls()->FindControlById(ID_TEST_HELP);
    ASSERT_TRUE(pLoaded != NULL && pLoaded->GetCommandBar() != NULL);
    CXTPControl* pLoadedInner = pLoaded->GetCommandBar()->GetControls()->FindControlById(ID_TEST_EXIT);
    ASSERT_TRUE(pLoadedInner != NULL);
    EXPECT_TRUE(pLoadedInner->GetCommandBar() == NULL) << "the reference back to its own bar is refused";
    pFresh->DestroyWindow();
    EXPECT_EQ(nPopupBars, CCountedPopupBar::s_nAlive) << "the loaded popup bar was released with its frame";
}

TEST_F(DamagedStateTest, OriginalControlsNestedTooDeepAreRefused)
{
    CXTPToolBar* pBar = new CXTPToolBar;
    CXTPControls* pSet = pBar->GetControls();
    for (int i = 0; i < 20; i++)
    {
        CXTPControls* pOriginal = new CXTPControls;
        pOriginal->Add(xtpControlButton, ID_TEST_NEW);
        pSet->SetOriginalControls(pOriginal);
        pSet = pOriginal;
    }
    CMemFile file;
    StoreBarExchange(pBar, file);
    CXTPToolBar* pLoaded = new CXTPToolBar;
    EXPECT_EQ(CArchiveException::badSchema, ArchiveFailure([&] { LoadBarExchange(pLoaded, file); }));
    pBar->InternalRelease();
    pLoaded->InternalRelease();
}

TEST_F(DamagedStateTest, ProfileCountsAreCappedAndDuplicateRowIdsSkipped)
{
    frame->m_pCommandBars->SaveBarState(kProfile);
    app.WriteProfileInt(ProfileSection("%s-Summary"), "Bars", 0x7FFFFFFF);
    CString strTop = ProfileSection("%s-DockBar%d", 0);
    app.WriteProfileInt(strTop, "Bars", 0x7FFFFFFF);
    app.WriteProfileInt(strTop, "Bar#3", kFormatBar); // Format named twice

    CStateFrame* pFresh = NewFrame();
    std::string strCreated = Describe(pFresh);
    pFresh->m_pCommandBars->LoadBarState(kProfile);
    EXPECT_EQ(strCreated, Describe(pFresh));
    const std::vector<CXTPToolBar*>& slots = pFresh->m_pCommandBars->GetDockBar(0)->GetSlots();
    EXPECT_EQ(1, (int)std::count(slots.begin(), slots.end(), pFresh->Format()));
    EXPECT_EQ(pFresh->Format(), slots[3]) << "the first place of a duplicated id holds";
}

// A summary that counts more bar sections than were saved: the sections
// there are read, and the load makes no section of its own.
TEST_F(DamagedStateTest, ABarCountBeyondTheSectionsReadsTheSectionsThere)
{
    Customize(frame);
    const std::string strSaved = Describe(frame);
    frame->m_pCommandBars->SaveBarState(kProfile);
    app.WriteProfileInt(ProfileSection("%s-Summary"), "Bars", CXTPDockState::kMaxBars);
    EXPECT_EQ(strSaved, Describe(NewFrame(true)));
    for (int n : {3, CXTPDockState::kMaxBars - 1})
    {
        CString strKey;
        strKey.Format("Software\\%s\\%s\\%s", app.m_pszRegistryKey, app.m_pszProfileName,
                      (LPCTSTR)ProfileSection("%s-Bar%d", n));
        HKEY hKey = NULL;
        EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey)) << n;
    }
}

TEST_F(DamagedStateTest, FuzzedImagesNeitherCrashNorLeakBars)
{
    std::vector<BYTE> good = ControlsImage();
    const int nPopupBars = CCountedPopupBar::s_nAlive;
    CStateFrame* pFresh = NewFrame();
    unsigned seed = 12345;
    auto next = [&]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFF;
    };
    for (int round = 0; round < 300; round++)
    {
        std::vector<BYTE> image = good;
        if (round % 3 == 0)
            image.resize(next() % good.size());
        else
        {
            for (int flips = 1 + round % 4; flips > 0; flips--)
                image[next() % image.size()] ^= (BYTE)(1 << (next() % 8));
        }
        LoadImage(pFresh, image);
        ASSERT_EQ(ManagedCountedBars(frame) + ManagedCountedBars(pFresh), CCountedToolBar::s_nAlive) << round;
    }
    pFresh->DestroyWindow();
    EXPECT_EQ(nPopupBars, CCountedPopupBar::s_nAlive) << "only the first frame's popup bars are left";
}

// Refused states through the profile, as the program loads them at each
// start: the image cut short at several places (inside the combo box's
// entries, the edit box, a custom icon and a document menu too), loaded
// again and again, leave no heap block behind.
TEST_F(DamagedStateTest, RefusedStatesThroughTheProfileLeaveNoMemoryBehind)
{
    Customize(frame);
    CXTPControls* pFormat = frame->Format()->GetControls();
    CXTPControlComboBox* pCombo = (CXTPControlComboBox*)pFormat->Add(xtpControlComboBox, ID_TEST_OPEN);
    for (const char* pszEntry : {"alpha", "beta", "gamma"})
        pCombo->AddString(pszEntry);
    pFormat->Add(xtpControlEdit, ID_TEST_NEW);
    pFormat->GetAt(0)->SetCustomIcon(::LoadIcon(NULL, IDI_APPLICATION));
    CXTPControls* pDocument = new CXTPControls;
    AddPopup(pDocument, {ID_TEST_NEW, ID_TEST_OPEN});
    frame->m_pCommandBars->GetMenuBar()->SetMDIMenu(500, pDocument);
    frame->m_pCommandBars->SaveBarState(kProfile);
    const std::vector<BYTE> good = ProfileControls();
    CStateFrame* pFresh = NewFrame();
    auto controls = [pFresh]() {
        std::string text;
        for (int i = 0; i < pFresh->m_pCommandBars->GetCount(); i++)
            text += ControlIds(pFresh->m_pCommandBars->GetAt(i)->GetControls()) + "/ ";
        return text;
    };
    const std::string strCreated = controls();
    auto loadCuts = [&]() {
        for (int nEighth = 1; nEighth < 8; nEighth++)
        {
            const std::vector<BYTE> cut(good.begin(), good.begin() + good.size() * nEighth / 8);
            app.WriteProfileBinary(ProfileSection("%s-Controls"), "Controls", (BYTE*)cut.data(),
                                   (UINT)cut.size());
            pFresh->m_pCommandBars->LoadBarState(kProfile, FALSE);
        }
    };
    loadCuts();
    ASSERT_EQ(strCreated, controls()) << "every cut is refused";
    const size_t nBefore = LiveHeapBlocks();
    const int kRounds = 5;
    for (int i = 0; i < kRounds; i++)
        loadCuts();
    EXPECT_LT(LiveHeapBlocks(), nBefore + kRounds);
}

// ---- Exchange keys of bars and controls ------------------------------------------------

// Registry values of a key made for the test, read back through the exchange.
class ExchangeKeysTest : public ::testing::Test
{
protected:
    void SetUp() override { ::RegCreateKeyA(HKEY_CURRENT_USER, kKey, &m_hKey); }
    void TearDown() override
    {
        ::RegCloseKey(m_hKey);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    void SetValue(LPCTSTR lpszSubkey, LPCTSTR lpszName, DWORD dwValue)
    {
        ::SHSetValueA(m_hKey, lpszSubkey, lpszName, REG_DWORD, &dwValue, sizeof dwValue);
    }
    void ExchangeOptions(CXTPCommandBarsOptions& options, BOOL bLoading)
    {
        CXTPPropExchangeRegistry px(bLoading, m_hKey, "Options");
        options.DoPropExchange(&px, TRUE);
    }
    static constexpr const char* kKey = "Software\\Tidewatch Exchange Keys Test";
    HKEY m_hKey = NULL;
};

TEST_F(ExchangeKeysTest, Schema2DataKeepsIconSizeAndOriginalControlsAtTheirDefaults)
{
    SetValue("Bar", "Schema", 2);
    ::SHSetValueA(m_hKey, "Bar", "IconSize", REG_SZ, "24, 24", 7);
    SetValue("Bar\\Controls", "OriginalControls", 1);
    SetValue("Bar\\Controls", "Count", 1);
    SetValue("Bar\\Controls\\Control0", "Type", 1);

    CXTPToolBar* pBar = new CXTPToolBar;
    {
        CXTPPropExchangeRegistry px(TRUE, m_hKey, "Bar");
        px.ExchangeSchema();
        ASSERT_EQ(2u, px.GetSchema());
        pBar->DoPropExchange(&px);
    }
    EXPECT_NE(CSize(24, 24), pBar->GetIconSize()) << "IconSize is read from schema 3 on";
    ASSERT_EQ(1, pBar->GetControlCount());
    EXPECT_EQ(-1, pBar->GetControl(0)->GetID()) << "a control without Id loads with -1";
    EXPECT_TRUE(pBar->GetControls()->GetOriginalControls() == NULL);
    pBar->InternalRelease();
}

// Damaged used-command lists, written here: the ids there are read up to
// the first one missing, whatever the count says.
TEST_F(ExchangeKeysTest, UsedCommandsEndAtTheFirstMissingItem)
{
    const std::tuple<const char*, DWORD, std::vector<DWORD>, std::set<UINT>> rows[] = {
        {"a count beyond the items", 3, {5, 0, 7}, {5}},
        {"the largest count and no items", 0x7FFFFFFF, {}, {}},
    };
    for (const auto& [name, dwCount, items, expected] : rows)
    {
        ::SHDeleteKeyA(m_hKey, "Options");
        SetValue("Options", "Schema", 8);
        SetValue("Options\\UsedCommands", "Count", dwCount);
        for (size_t i = 0; i < items.size(); i++)
            if (items[i] != 0)
                SetValue("Options\\UsedCommands", ("Item" + std::to_string(i)).c_str(), items[i]);
        CXTPCommandBarsOptions options;
        ExchangeOptions(options, TRUE);
        EXPECT_EQ(expected, options.m_mapUsedCommands) << name;
    }
}

// A bar's control list in the registry with a count beyond its items reads
// the items there: a count never makes controls of its own.
TEST_F(ExchangeKeysTest, ControlCountBeyondTheItemsReadsTheItemsThere)
{
    CXTPToolBar* pBar = new CXTPToolBar;
    pBar->GetControls()->Add(xtpControlButton, ID_TEST_NEW);
    pBar->GetControls()->Add(xtpControlButton, ID_TEST_COPY);
    {
        CXTPPropExchangeRegistry px(FALSE, m_hKey, "Bar");
        pBar->DoPropExchange(&px);
    }
    pBar->InternalRelease();
    auto loaded = [this]() {
        CXTPToolBar* pLoaded = new CXTPToolBar;
        {
            CXTPPropExchangeRegistry px(TRUE, m_hKey, "Bar");
            pLoaded->DoPropExchange(&px);
        }
        std::string strIds = ControlIds(pLoaded->GetControls());
        pLoaded->InternalRelease();
        return strIds;
    };
    SetValue("Bar\\Controls", "Count", 2000);
    EXPECT_EQ("3001 3004 ", loaded());
    ::SHDeleteKeyA(m_hKey, "Bar\\Controls\\Control0");
    EXPECT_EQ("", loaded()) << "no items";
}

// A bar's remembered width from stored data is taken from 0 to 32767; one
// beyond (a combo's drop-down width of 2^31-1 would overflow its placing)
// leaves the bar its own.
TEST_F(ExchangeKeysTest, StoredBarWidthsBeyondTheScreenAreRefused)
{
    const std::pair<DWORD, int> rows[] = {{500, 500}, {0x7FFFFFFF, 32767}, {32768, 32767}, {0xFFFFFFFF, 32767}};
    for (const auto& [dwStored, nLoaded] : rows)
    {
        SetValue("Bar", "MRUWidth", dwStored);
        CXTPToolBar* pBar = new CXTPToolBar;
        {
            CXTPPropExchangeRegistry px(TRUE, m_hKey, "Bar");
            pBar->DoPropExchange(&px);
        }
        EXPECT_EQ(nLoaded, pBar->GetWidth()) << dwStored;
        pBar->InternalRelease();
    }
}

TEST_F(ExchangeKeysTest, TemporaryControlsAreLeftOutAndTheCountMatches)
{
    CXTPToolBar* pBar = new CXTPToolBar;
    pBar->GetControls()->Add(xtpControlButton, ID_TEST_NEW);
    pBar->GetControls()->Add(xtpControlButton, ID_TEST_OPEN, CString(), -1, TRUE);
    pBar->GetControls()->Add(xtpControlButton, ID_TEST_COPY);
    CMemFile file;
    StoreBarExchange(pBar, file);
    CXTPToolBar* pLoaded = new CXTPToolBar;
    LoadBarExchange(pLoaded, file);
    EXPECT_EQ("3001 3004 ", ControlIds(pLoaded->GetControls()));
    EXPECT_EQ(file.GetLength(), file.GetPosition()) << "the reader takes exactly what the writer wrote";
    pBar->InternalRelease();
    pLoaded->InternalRelease();
}

TEST_F(ExchangeKeysTest, PopupBarBordersRoundTripWithTheirDefault)
{
    for (const CRect& rcBorders : {CRect(2, 4, 2, 4), CRect(5, 6, 7, 8)}) // the default, and changed
    {
        CXTPPopupBar* pBar = new CXTPPopupBar;
        pBar->SetPopupBorders(rcBorders);
        pBar->SetShadow(FALSE);
        CMemFile file;
        StoreBarExchange(pBar, file);
        CXTPPopupBar* pLoaded = new CXTPPopupBar;
        pLoaded->SetPopupBorders(CRect(9, 9, 9, 9));
        LoadBarExchange(pLoaded, file);
        EXPECT_EQ(rcBorders, pLoaded->GetPopupBorders());
        EXPECT_FALSE(pLoaded->IsShadow());
        pBar->InternalRelease();
        pLoaded->InternalRelease();
    }
}

// ---- The options record ------------------------------------------------------------

TEST_F(ExchangeKeysTest, OptionsRoundTripKeepsTheRegistryForm)
{
    CXTPCommandBarsOptions stored, loaded;
    stored.bAlwaysShowFullMenus = FALSE;
    stored.bLargeIcons = TRUE;
    stored.animationType = 3;
    stored.m_mapUsedCommands = {101, 205};
    stored.bShowTextBelowIcons = TRUE; // archive form only
    ExchangeOptions(stored, FALSE);
    ExchangeOptions(loaded, TRUE);
    // Full menus, large icons, full menus after a delay, animation, text below icons.
    EXPECT_EQ((std::vector<int>{0, 1, 1, 3, 0}),
              (std::vector<int>{loaded.bAlwaysShowFullMenus, loaded.bLargeIcons, loaded.bShowFullAfterDelay,
                                loaded.animationType, loaded.bShowTextBelowIcons}));
    EXPECT_EQ(std::set<UINT>({101, 205}), loaded.m_mapUsedCommands);
}

TEST_F(ExchangeKeysTest, OptionsOfAnOlderSchemaSkipTheUsedCommands)
{
    SetValue("Options", "Schema", 7);
    SetValue("Options", "Animation", 2);
    SetValue("Options\\UsedCommands", "Count", 1);
    SetValue("Options\\UsedCommands", "Item0", 300);
    CXTPCommandBarsOptions loaded;
    ExchangeOptions(loaded, TRUE);
    EXPECT_TRUE(loaded.m_mapUsedCommands.empty());
    EXPECT_EQ(2, loaded.animationType) << "the registry form reads the animation whatever the schema";
}

TEST(CommandBarsOptions, ArchiveRoundTripHoldsEverything)
{
    CXTPCommandBarsOptions stored, loaded;
    stored.bShowExpandButtonAlways = FALSE;
    stored.bDblClickFloat = TRUE;
    stored.szIcons = CSize(24, 24);
    stored.szPopupIcons = CSize(20, 20);
    stored.m_mapHiddenCommands = {7, 8, 9};
    stored.m_mapUsedCommands = {8};
    Load(Stored([&](CArchive& ar) { stored.Serialize(ar); }), [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_FALSE(loaded.bShowExpandButtonAlways);
    EXPECT_TRUE(loaded.bDblClickFloat);
    EXPECT_EQ(CSize(24, 24), loaded.szIcons);
    EXPECT_EQ(CSize(20, 20), loaded.szPopupIcons);
    EXPECT_EQ(std::set<UINT>({7, 8, 9}), loaded.m_mapHiddenCommands);
    // Hidden commands that were used since show.
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE, FALSE}),
              (std::vector<BOOL>{loaded.IsCommandHidden(7), loaded.IsCommandHidden(8),
                                 loaded.IsCommandHidden(10)}));
}

// Every exchanged value of an options record, for comparing two.
std::string DescribeOptions(const CXTPCommandBarsOptions& options)
{
    std::string text;
    for (BOOL bValue : {options.bAlwaysShowFullMenus, options.bShowFullAfterDelay, options.bToolBarScreenTips,
                        options.bToolBarAccelTips, options.bLargeIcons, options.bSyncFloatingBars,
                        options.bShowExpandButtonAlways, options.bDblClickFloat, options.bShowTextBelowIcons,
                        options.bAltDragCustomization, options.bAutoHideUnusedPopups})
        text += bValue ? "1" : "0";
    text += " anim " + std::to_string(options.animationType);
    for (const CSize& size : {options.szIcons, options.szLargeIcons, options.szPopupIcons})
        text += " " + std::to_string(size.cx) + "x" + std::to_string(size.cy);
    for (const std::set<UINT>* pIds : {&options.m_mapHiddenCommands, &options.m_mapUsedCommands})
    {
        text += " [";
        for (UINT nID : *pIds)
            text += std::to_string(nID) + " ";
        text += "]";
    }
    return text;
}

// Options that differ from the defaults in every value.
void ChangeEveryOption(CXTPCommandBarsOptions& options)
{
    options.bAlwaysShowFullMenus = options.bShowFullAfterDelay = options.bToolBarScreenTips = FALSE;
    options.bToolBarAccelTips = options.bLargeIcons = TRUE;
    options.bSyncFloatingBars = options.bShowExpandButtonAlways = FALSE;
    options.bDblClickFloat = options.bShowTextBelowIcons = TRUE;
    options.bAltDragCustomization = options.bAutoHideUnusedPopups = FALSE;
    options.animationType = 2;
    options.szIcons = CSize(24, 24);
    options.szLargeIcons = CSize(48, 48);
    options.szPopupIcons = CSize(20, 20);
    options.m_mapHiddenCommands = {7, 8, 9};
    options.m_mapUsedCommands = {8};
}

// In an archive a command set is the framework map's own form: its count,
// then each id with the BOOL TRUE.
TEST(CommandBarsOptions, CommandSetsTakeTheMapFormInAnArchive)
{
    CXTPCommandBarsOptions stored;
    stored.m_mapUsedCommands = {101, 205};
    std::vector<BYTE> image = Stored([&](CArchive& ar) { stored.Serialize(ar); });
    // "Schema" and five BOOLs, then the used commands.
    const size_t nAt = 4 + 5 * 4;
    ASSERT_GE(image.size(), nAt + 2 + 16);
    EXPECT_EQ(2, image[nAt] | image[nAt + 1] << 8) << "a 16-bit count";
    std::set<std::pair<UINT, BOOL>> pairs;
    for (size_t i = nAt + 2; i < nAt + 2 + 16; i += 8)
        pairs.insert({*(const UINT*)&image[i], *(const BOOL*)&image[i + 4]});
    EXPECT_EQ((std::set<std::pair<UINT, BOOL>>{{101, TRUE}, {205, TRUE}}), pairs);

    // A map written by the framework itself reads back.
    auto written = [](CArchive& ar) {
        CXTPCommandBarsOptions options;
        DWORD dwSchema = 8;
        ar << dwSchema;
        for (int i = 0; i < 5; i++)
            ar << (BOOL)(i == 4);
        CMap<UINT, UINT, BOOL, BOOL> used;
        used[300] = TRUE;
        used.Serialize(ar);
        CXTPCommandBarsOptions defaults;
        std::vector<BYTE> rest = Stored([&](CArchive& arRest) { defaults.Serialize(arRest); });
        // Everything after the defaults' empty used commands (a count of 0).
        ar.Write(&rest[nAt + 2], (UINT)(rest.size() - nAt - 2));
    };
    CXTPCommandBarsOptions loaded;
    Load(Stored(written), [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(std::set<UINT>({300}), loaded.m_mapUsedCommands);
    EXPECT_TRUE(loaded.bLargeIcons);
}

// An options archive cut short anywhere is refused, and the options stay
// as they were.
TEST(CommandBarsOptions, AnArchiveCutShortChangesNothing)
{
    CXTPCommandBarsOptions stored;
    ChangeEveryOption(stored);
    const std::vector<BYTE> image = Stored([&](CArchive& ar) { stored.Serialize(ar); });
    const std::string strBefore = DescribeOptions(CXTPCommandBarsOptions());
    for (size_t nLength = 0; nLength < image.size(); nLength++)
    {
        CXTPCommandBarsOptions loaded;
        const std::vector<BYTE> cut(image.begin(), image.begin() + nLength);
        EXPECT_NE(-1, ArchiveFailure([&] { Load(cut, [&](CArchive& ar) { loaded.Serialize(ar); }); }))
            << nLength;
        EXPECT_EQ(strBefore, DescribeOptions(loaded)) << nLength;
    }
    CXTPCommandBarsOptions loaded;
    Load(image, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(DescribeOptions(stored), DescribeOptions(loaded)) << "the whole archive";
}

// Icon sizes no icon can take (damaged data) are not loaded: every icon
// would be scaled to them for every layout and paint.
TEST(CommandBarsOptions, IconSizesNoIconCanTakeKeepTheCurrentOnes)
{
    const std::pair<const char*, CSize CXTPCommandBarsOptions::*> rows[] = {
        {"icons", &CXTPCommandBarsOptions::szIcons},
        {"large icons", &CXTPCommandBarsOptions::szLargeIcons},
        {"popup icons", &CXTPCommandBarsOptions::szPopupIcons},
    };
    for (const auto& [name, pSize] : rows)
    {
        for (const CSize& szStored : {CSize(4096, 4096), CSize(-16, 16)})
        {
            CXTPCommandBarsOptions stored, loaded;
            stored.*pSize = szStored;
            loaded.*pSize = CSize(24, 24);
            Load(Stored([&](CArchive& ar) { stored.Serialize(ar); }), [&](CArchive& ar) { loaded.Serialize(ar); });
            EXPECT_EQ(CSize(24, 24), loaded.*pSize) << name << " " << szStored.cx;
        }
    }
}

} // namespace

// ---- The toolbar-changed question --------------------------------------------------

TEST_F(BarStateTest, ChangedBuiltInBarAsksUnlessSilentAndFollowsTheAnswer)
{
    Customize(frame);
    std::string strCustomised = ControlIds(frame->Format()->GetControls());
    frame->m_pCommandBars->SaveBarState(kProfile);
    const std::string kQuestion =
        "Due to a software update the toolbar 'Format' has changed. Would you like to "
        "reset your customized toolbar and load the new one? [Yes/No]";

    // Name, silent load, answer, asked, customised bar loaded.
    const std::tuple<const char*, BOOL, int, bool, bool> rows[] = {
        {"silent load keeps the new bar", TRUE, IDNO, FALSE, FALSE},
        {"Yes keeps the new bar", FALSE, IDYES, TRUE, FALSE},
        {"No loads the customised bar", FALSE, IDNO, TRUE, TRUE},
    };
    for (const auto& [name, bSilent, nAnswer, bAsked, bLoaded] : rows)
    {
        // A program update gave "Format" one more button.
        CStateFrame* pUpdated = NewFrame();
        CXTPControls* pControls = pUpdated->Format()->GetControls();
        pControls->Add(xtpControlButton, ID_TEST_NEW);
        pControls->CreateOriginalControls();
        std::string strNewBar = ControlIds(pControls);
        std::string strNewOriginal = ControlIds(pControls->GetOriginalControls());
        app.m_nAnswer = nAnswer;
        app.m_strAsked.clear();
        pUpdated->m_pCommandBars->LoadBarState(kProfile, bSilent);
        EXPECT_EQ(bAsked ? kQuestion : "", app.m_strAsked) << name;
        CXTPControls* pLoaded = pUpdated->Format()->GetControls();
        EXPECT_EQ(bLoaded ? strCustomised : strNewBar, ControlIds(pLoaded)) << name;
        EXPECT_EQ(strNewOriginal, ControlIds(pLoaded->GetOriginalControls())) << name;
    }
}

// ---- Shortcuts in the whole-state exchange -----------------------------------------

class ShortcutStateTest : public BarStateTest
{
protected:
    // The shortcuts and options alone, through any exchange.
    static void ExchangeOptions(CStateFrame* pFrame, CXTPPropExchange& px)
    {
        CXTPPropExchangeParam param;
        param.bSerializeControls = param.bSerializeLayout = FALSE;
        param.bSerializeOptions = TRUE;
        pFrame->m_pCommandBars->DoPropExchange(&px, &param);
    }
    static std::function<void(CArchive&)> Options(CStateFrame* pFrame)
    {
        return [pFrame](CArchive& ar) {
            CXTPPropExchangeArchive px(ar);
            ExchangeOptions(pFrame, px);
        };
    }
    static void SetTable(CFrameWnd* pFrame, const std::vector<ACCEL>& entries)
    {
        XTPAccelManager()->SetFrameAccelTable(pFrame, entries.data(), (int)entries.size());
    }
    static std::string TableText(CFrameWnd* pFrame)
    {
        std::string text;
        for (const ACCEL& accel : CXTPAccelManager::GetFrameAccelTable(pFrame))
            text += std::to_string(accel.fVirt) + "/" + std::to_string(accel.key) + "/"
                    + std::to_string(accel.cmd) + " ";
        return text;
    }

    const std::vector<ACCEL> m_saved = {{FVIRTKEY | FCONTROL, 'N', ID_TEST_NEW},
                                        {FVIRTKEY, VK_F5, ID_TEST_OPEN},
                                        {FVIRTKEY | FALT | FSHIFT, 'B', ID_TEST_BOLD}};
    const std::vector<ACCEL> m_current = {{FVIRTKEY | FCONTROL, 'X', ID_TEST_EXIT}};
};

// Archive: the binary form, with the options after the shortcuts.
TEST_F(ShortcutStateTest, ShortcutsAndOptionsRoundTripThroughTheArchive)
{
    SetTable(frame, m_saved);
    frame->m_pCommandBars->GetCommandBarsOptions()->bToolBarAccelTips = TRUE;
    CStateFrame* pFresh = NewFrame();
    SetTable(pFresh, m_current);
    Load(Stored(Options(frame)), Options(pFresh));
    EXPECT_EQ(TableText(frame), TableText(pFresh)) << "archive";
    EXPECT_TRUE(pFresh->m_pCommandBars->GetCommandBarsOptions()->bToolBarAccelTips)
        << "options follow the shortcuts";
}

// INI file: one "Accel" item per entry.
TEST_F(ShortcutStateTest, ShortcutsRoundTripThroughAnIniFile)
{
    SetTable(frame, m_saved);
    std::string strSaved = TableText(frame);
    CStateFrame* pFresh = NewFrame();
    TempFolder folder;
    std::string strIni = folder.File("state.ini");
    {
        CXTPPropExchangeIniFile px(FALSE, NULL, "State");
        ExchangeOptions(frame, px);
        ASSERT_TRUE(px.SaveToFile(strIni.c_str()));
    }
    EXPECT_EQ(116u, ::GetPrivateProfileIntA("State\\Shortcuts\\Accel1", "key", 0, strIni.c_str()))
        << "the second entry's key, F5";
    SetTable(pFresh, m_current);
    {
        CXTPPropExchangeIniFile px(TRUE, NULL, "State");
        ASSERT_TRUE(px.LoadFromFile(strIni.c_str()));
        ExchangeOptions(pFresh, px);
    }
    EXPECT_EQ(strSaved, TableText(pFresh)) << "INI file";
}

TEST_F(ShortcutStateTest, DamagedShortcutTableIsRefusedAndTheCurrentTableStays)
{
    SetTable(frame, m_saved);
    std::vector<BYTE> image = Stored(Options(frame));
    // The image opens with the table's count (a 16-bit count, 3) and its 18 bytes.
    ASSERT_TRUE(image[0] == 3 && image[1] == 0);
    // A new head before the records from the given byte on, up to the end.
    auto withHead = [&](std::vector<BYTE> head, size_t nEnd) {
        head.insert(head.end(), image.begin() + 2, image.begin() + nEnd);
        return head;
    };
    const std::pair<const char*, std::vector<BYTE>> rows[] = {
        {"count beyond the data", withHead({0x40, 0x1F}, image.size())},
        {"huge count", withHead({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, image.size())},
        {"records cut short", withHead({3, 0}, 2 + 10)},
    };
    for (const auto& [name, damaged] : rows)
    {
        SetTable(frame, m_current);
        std::string strCurrent = TableText(frame);
        EXPECT_NE(-1, ArchiveFailure([&] { Load(damaged, Options(frame)); })) << name;
        EXPECT_EQ(strCurrent, TableText(frame)) << name;
    }
}

// Leaves blocks of the size free on the heap between blocks in use, as a
// program that has run a while has them: a new block of that size holds
// what the heap kept in the free one (its links to the other free blocks)
// until it is written. The blocks in use go with the object.
class CUsedHeap
{
public:
    explicit CUsedHeap(size_t nBytes)
    {
        std::vector<void*> blocks;
        for (int i = 0; i < 256; i++)
        {
            blocks.push_back(::operator new(nBytes));
            memset(blocks.back(), 0xA5, nBytes);
        }
        for (size_t i = 0; i < blocks.size(); i++)
        {
            if (i % 2 == 0)
                m_kept.push_back(blocks[i]);
            else
                ::operator delete(blocks[i]);
        }
    }
    ~CUsedHeap()
    {
        for (void* pBlock : m_kept)
            ::operator delete(pBlock);
    }

private:
    std::vector<void*> m_kept;
};

// One table saved again and again, each time with freed blocks about on the
// heap: every save is the same six bytes a record, with 0 in the byte of
// alignment, in the profile and through the whole-state exchange.
TEST_F(ShortcutStateTest, SavesOfOneTableAreTheSameBytes)
{
    const std::vector<BYTE> expected = {FVIRTKEY | FCONTROL, 0, 'N', 0, LOBYTE(ID_TEST_NEW), HIBYTE(ID_TEST_NEW),
                                        FVIRTKEY, 0, VK_F5, 0, LOBYTE(ID_TEST_OPEN), HIBYTE(ID_TEST_OPEN),
                                        FVIRTKEY | FALT | FSHIFT, 0, 'B', 0, LOBYTE(ID_TEST_BOLD),
                                        HIBYTE(ID_TEST_BOLD)};
    const struct
    {
        const char* name;
        std::function<std::vector<BYTE>()> save;
    } rows[] = {
        {"profile",
         [&] {
             XTPAccelManager()->SaveShortcuts(frame, "Shortcuts");
             BYTE* pData = NULL;
             UINT nSize = 0;
             app.GetProfileBinary("Shortcuts", "Accelerators", &pData, &nSize);
             std::vector<BYTE> records(pData, pData + nSize);
             delete[] pData;
             return records;
         }},
        // The image opens with the table's count (16 bits) and its records.
        {"whole-state archive",
         [&] {
             const std::vector<BYTE> image = Stored(Options(frame));
             const size_t nEnd = std::min(image.size(), 2 + expected.size());
             return std::vector<BYTE>(image.begin() + 2, image.begin() + nEnd);
         }},
    };
    SetTable(frame, m_saved);
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        for (int nSave = 1; nSave <= 3; nSave++)
        {
            CUsedHeap heap(m_saved.size() * sizeof(ACCEL));
            EXPECT_EQ(expected, row.save()) << "save " << nSave;
        }
    }
}

// A stored theme number that no save writes (16384, the Luna-coloured Office
// 2003 that is saved as Office 2003, the mark of a custom painter, -1) is
// refused and the bars keep their theme; a saved family loads. Either way
// every start after shows the same theme, through the program's own
// whole-state save and load.
TEST_F(ShortcutStateTest, AStoredThemeNoSaveWritesIsRefusedAtEveryStart)
{
    const std::pair<int, int> rows[] = {{xtpThemeOfficeXP, xtpThemeOfficeXP},
                                        {xtpThemeNativeWinXP, xtpThemeNativeWinXP},
                                        {16384, xtpThemeOffice2003},
                                        {xtpThemeOffice2003Luna, xtpThemeOffice2003},
                                        {xtpThemeCustom, xtpThemeOffice2003},
                                        {-1, xtpThemeOffice2003}};
    HKEY hKey = app.GetAppRegistryKey();
    ASSERT_TRUE(hKey != NULL);
    auto exchange = [hKey](CStateFrame* pFrame, BOOL bLoading) {
        CXTPPropExchangeRegistry px(bLoading, hKey, "State");
        ExchangeOptions(pFrame, px);
    };
    for (const auto& [nStored, nShown] : rows)
    {
        SCOPED_TRACE(nStored);
        exchange(frame, FALSE);
        const DWORD dwStored = (DWORD)nStored;
        ASSERT_EQ(ERROR_SUCCESS,
                  ::SHSetValueA(hKey, "State", "Theme", REG_DWORD, &dwStored, sizeof dwStored));
        for (int nStart = 1; nStart <= 3; nStart++)
        {
            CStateFrame* pFrame = NewFrame();
            pFrame->m_pCommandBars->SetPaintManager(CXTPPaintManager::CreateTheme(xtpThemeOffice2003));
            exchange(pFrame, TRUE);
            EXPECT_EQ(nShown, pFrame->m_pCommandBars->GetPaintManager()->GetThemeId()) << "start " << nStart;
            exchange(pFrame, FALSE);
            pFrame->DestroyWindow();
        }
    }
    ::RegCloseKey(hKey);
}

// "Theme" holds the theme's family: the Luna-coloured Office 2003 look is
// saved as Office 2003 (the default, so an INI file leaves it out).
TEST_F(ShortcutStateTest, ThemeIsSavedAsItsFamily)
{
    const std::pair<int, int> rows[] = {{xtpThemeOfficeXP, 0},      {xtpThemeOffice2000, 1},
                                        {xtpThemeOffice2003, 2},    {xtpThemeNativeWinXP, 3},
                                        {xtpThemeOffice2003Luna, 2}};
    for (const auto& [nTheme, nSaved] : rows)
    {
        frame->m_pCommandBars->SetPaintManager(CXTPPaintManager::CreateTheme(nTheme));
        TempFolder folder;
        std::string strIni = folder.File("state.ini");
        {
            CXTPPropExchangeIniFile px(FALSE, NULL, "State");
            ExchangeOptions(frame, px);
            ASSERT_TRUE(px.SaveToFile(strIni.c_str()));
        }
        EXPECT_EQ(nSaved, (int)::GetPrivateProfileIntA("State", "Theme", xtpThemeOffice2003, strIni.c_str()))
            << "theme " << nTheme;
    }
}

// A state of another theme family brings its icon options along: the paint
// manager made for the loaded theme takes them, not its own defaults.
TEST_F(ShortcutStateTest, TheLoadedThemeTakesTheLoadedIconOptions)
{
    struct Row
    {
        const char* pszName;
        int nLoadingTheme;
    };
    const Row rows[] = {{"loaded by the same theme", xtpThemeOffice2000},
                        {"loaded by another theme", xtpThemeOfficeXP}};
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        frame->m_pCommandBars->SetPaintManager(CXTPPaintManager::CreateTheme(xtpThemeOffice2000));
        // Office 2000 itself draws with none of them.
        *frame->m_pCommandBars->GetPaintManager()->GetIconsInfo() = {TRUE, TRUE, TRUE};
        CStateFrame* pFresh = NewFrame();
        pFresh->m_pCommandBars->SetPaintManager(CXTPPaintManager::CreateTheme(row.nLoadingTheme));
        Load(Stored(Options(frame)), Options(pFresh));
        CXTPPaintManager* pLoaded = pFresh->m_pCommandBars->GetPaintManager();
        EXPECT_EQ(xtpThemeOffice2000, pLoaded->GetBaseTheme());
        const XTP_COMMANDBARS_ICONSINFO& icons = *pLoaded->GetIconsInfo();
        EXPECT_TRUE(icons.bUseFadedIcons);
        EXPECT_TRUE(icons.bUseDisabledIcons);
        EXPECT_TRUE(icons.bIconsWithShadow);
    }
}

// Without a parameter record the whole-state exchange carries the controls
// and the layout, so a caller saving through an INI file keeps both.
TEST_F(BarStateTest, WholeStateWithoutARecordCarriesTheControls)
{
    Customize(frame);
    // The status bar is the profile form's alone.
    auto bars = [](CStateFrame* pFrame) {
        std::string text = Describe(pFrame);
        return text.substr(0, text.rfind('\n'));
    };
    const std::string strSaved = bars(frame);
    TempFolder folder;
    std::string strIni = folder.File("whole.ini");
    {
        CXTPPropExchangeIniFile px(FALSE, NULL, "Whole");
        frame->m_pCommandBars->DoPropExchange(&px);
        ASSERT_TRUE(px.SaveToFile(strIni.c_str()));
    }
    CStateFrame* pFresh = NewFrame();
    ASSERT_NE(strSaved, bars(pFresh));
    {
        CXTPPropExchangeIniFile px(TRUE, NULL, "Whole");
        ASSERT_TRUE(px.LoadFromFile(strIni.c_str()));
        pFresh->m_pCommandBars->DoPropExchange(&px);
    }
    EXPECT_EQ(strSaved, bars(pFresh));
}

// The user's own tool bar comes back as it was made: it can still be
// dragged to another edge or floated, and shows its expand button.
TEST_F(BarStateTest, AUsersToolBarLoadedInANewFrameCanBeMovedAndHasItsExpandButton)
{
    CXTPToolBar* pMade = frame->m_pCommandBars->AddCustomBar("Mine", 0xE800, FALSE);
    pMade->GetControls()->Add(xtpControlButton, ID_TEST_BOLD);
    frame->RecalcLayout();
    ASSERT_TRUE(pMade->GetBarTracker() != NULL);
    ASSERT_TRUE(pMade->GetControls()->FindControlById(XTP_ID_TOOLBAR_EXPAND) != NULL);
    frame->m_pCommandBars->SaveBarState(kProfile);

    CStateFrame* pFrame = NewFrame(true);
    pFrame->RecalcLayout();
    CXTPToolBar* pLoaded = pFrame->m_pCommandBars->GetToolBar(0xE800);
    ASSERT_TRUE(pLoaded != NULL);
    EXPECT_EQ(pMade->GetFlags(), pLoaded->GetFlags());
    EXPECT_TRUE(pLoaded->GetBarTracker() != NULL) << "its gripper moves it";
    EXPECT_TRUE(pLoaded->GetControls()->FindControlById(XTP_ID_TOOLBAR_EXPAND) != NULL);
}

// A built-in bar that changed since the state was saved, or whose stored
// original controls differ by one hide flag: after No the user's bar stays,
// and the state saved then names the new originals, so that the next start
// neither asks again nor (loading silently) goes back to the program's bar.
TEST_F(BarStateTest, AfterNoTheNextStartFindsTheBarUnchanged)
{
    // Name, and what sets the two bars apart: a button the update added, or
    // an original control the saved state holds hidden by the user.
    const std::tuple<const char*, bool> rows[] = {
        {"an update added a button", true},
        {"a stored original control hidden by the user", false},
    };
    for (const auto& [name, bUpdated] : rows)
    {
        CStateFrame* pSaving = NewFrame();
        Customize(pSaving);
        if (!bUpdated)
            pSaving->Format()->GetControls()->GetOriginalControls()->GetAt(0)->SetHideFlags(xtpHideCustomize);
        const std::string strCustomised = ControlIds(pSaving->Format()->GetControls());
        pSaving->m_pCommandBars->SaveBarState(kProfile);
        auto started = [&](BOOL bSilent) {
            CStateFrame* pFrame = NewFrame();
            if (bUpdated)
            {
                CXTPControls* pControls = pFrame->Format()->GetControls();
                pControls->Add(xtpControlButton, ID_TEST_NEW);
                pControls->CreateOriginalControls();
            }
            app.m_strAsked.clear();
            pFrame->m_pCommandBars->LoadBarState(kProfile, bSilent);
            return pFrame;
        };
        app.m_nAnswer = IDNO;
        CStateFrame* pAnswered = started(FALSE);
        ASSERT_FALSE(app.m_strAsked.empty()) << name;
        EXPECT_EQ(strCustomised, ControlIds(pAnswered->Format()->GetControls())) << name;
        pAnswered->m_pCommandBars->SaveBarState(kProfile);

        CStateFrame* pNext = started(FALSE);
        EXPECT_EQ("", app.m_strAsked) << name << ": asked again";
        EXPECT_EQ(strCustomised, ControlIds(pNext->Format()->GetControls())) << name;
        EXPECT_EQ(strCustomised, ControlIds(started(TRUE)->Format()->GetControls())) << name << ", silent";
    }
}

// The controls of a set with their popups' controls in brackets.
std::string MenuText(const CXTPControls* pControls)
{
    std::string text;
    for (int i = 0; pControls != NULL && i < pControls->GetCount(); i++)
    {
        const CXTPControl* pControl = pControls->GetAt(i);
        if (pControl->IsTemporary())
            continue;
        text += (text.empty() ? "" : " ") + std::to_string(pControl->GetID());
        if (pControl->GetCommandBar() != NULL)
            text += "(" + MenuText(pControl->GetCommandBar()->GetControls()) + ")";
    }
    return text;
}

// A popup made after a load (New Menu of the customize sheet) is numbered
// after the popup bars the load brought, and opens its own bar next time.
TEST_F(BarStateTest, APopupAddedAfterALoadKeepsItsOwnBar)
{
    Customize(frame);
    frame->m_pCommandBars->SaveBarState(kProfile);
    CStateFrame* pLoaded = NewFrame(true);
    CXTPControls* pMenu = pLoaded->m_pCommandBars->GetMenuBar()->GetControls();
    CXTPControlPopup* pNew = (CXTPControlPopup*)pMenu->AddControl(new CXTPControlPopup, 0);
    CXTPPopupBar* pNewBar = CXTPPopupBar::CreatePopupBar(pLoaded->m_pCommandBars);
    pNewBar->GetControls()->Add(xtpControlButton, ID_TEST_EXIT);
    pNew->SetCommandBar(pNewBar);
    pNewBar->InternalRelease();
    const std::string strSaved = MenuText(pMenu) + " / " + MenuText(pLoaded->Format()->GetControls());
    pLoaded->m_pCommandBars->SaveBarState(kProfile);

    CStateFrame* pNext = NewFrame(true);
    EXPECT_EQ(strSaved, MenuText(pNext->m_pCommandBars->GetMenuBar()->GetControls()) + " / "
                            + MenuText(pNext->Format()->GetControls()));
}

// A combo box may open only a combo box's list. One whose stored
// "CommandBarId" names a plain popup bar is refused, and every other
// customised bar still loads; saved again, the state loads again.
TEST_F(BarStateTest, AComboNamingAPlainPopupBarIsRefusedAndTheRestLoads)
{
    Customize(frame);
    const std::string strCustomised = ControlIds(frame->Format()->GetControls());
    const std::string strMenu = ControlIds(frame->m_pCommandBars->GetMenuBar()->GetControls());
    CXTPControlComboBox* pCombo =
        (CXTPControlComboBox*)frame->Format()->GetControls()->Add(xtpControlComboBox, ID_TEST_OPEN);
    pCombo->AddString("kept apart");
    CCountedPopupBar* pPlain = new CCountedPopupBar;
    pPlain->GetControls()->Add(xtpControlButton, ID_TEST_NEW);
    pCombo->SetCommandBar(pPlain);
    pPlain->InternalRelease();
    frame->m_pCommandBars->SaveBarState(kProfile);

    for (const char* pszStart : {"first start", "next start"})
    {
        CStateFrame* pLoaded = NewFrame(true);
        EXPECT_EQ(strCustomised, ControlIds(pLoaded->Format()->GetControls())) << pszStart;
        EXPECT_EQ(strMenu, ControlIds(pLoaded->m_pCommandBars->GetMenuBar()->GetControls())) << pszStart;
        pLoaded->m_pCommandBars->SaveBarState(kProfile);
    }
}

// The other way round: a popup whose stored "CommandBarId" names a combo
// box's list (only a combo can open one) is refused like the combo above.
// A popup control whose stored bar is a combo box's list, or a tool bar (a
// damaged number that names the menu bar or another tool bar), is left out
// of its bar, and the rest loads.
TEST_F(BarStateTest, APopupNamingAComboListOrAToolBarIsRefusedAndTheRestLoads)
{
    const struct
    {
        const char* name;
        std::function<CXTPCommandBar*(CStateFrame*)> bar;
    } rows[] = {
        {"combo list", [](CStateFrame*) -> CXTPCommandBar* { return new CXTPControlComboBoxList; }},
        {"menu bar", [](CStateFrame* pFrame) -> CXTPCommandBar* {
             pFrame->m_pCommandBars->GetMenuBar()->InternalAddRef();
             return pFrame->m_pCommandBars->GetMenuBar();
         }},
        {"tool bar", [](CStateFrame* pFrame) -> CXTPCommandBar* {
             pFrame->Standard()->InternalAddRef();
             return pFrame->Standard();
         }},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CStateFrame* pFrame = NewFrame();
        Customize(pFrame);
        const std::string strCustomised = ControlIds(pFrame->Format()->GetControls());
        CXTPControlPopup* pPopup =
            (CXTPControlPopup*)pFrame->Format()->GetControls()->Add(xtpControlPopup, ID_TEST_OPEN);
        CXTPCommandBar* pBar = row.bar(pFrame);
        pPopup->SetCommandBar(pBar);
        pBar->InternalRelease();
        pFrame->m_pCommandBars->SaveBarState(kProfile);

        CStateFrame* pLoaded = NewFrame(true);
        EXPECT_EQ(strCustomised, ControlIds(pLoaded->Format()->GetControls()));
    }
}

// A popup control may open a popup laid out as a tool bar, which is saved
// with the normal bar type: it comes back, with its bar of the same kind,
// at every start through the program's own profile save and load.
TEST_F(BarStateTest, APopupOpeningAPopupToolBarLoadsAtEveryStart)
{
    const struct
    {
        const char* name;
        std::function<CXTPPopupBar*(CXTPCommandBars*)> make;
    } rows[] = {
        {"a menu popup", [](CXTPCommandBars* pBars) { return CXTPPopupBar::CreatePopupBar(pBars); }},
        {"a popup tool bar",
         [](CXTPCommandBars* pBars) -> CXTPPopupBar* { return CXTPPopupToolBar::CreatePopupToolBar(pBars); }},
        {"a popup bar made a tool bar",
         [](CXTPCommandBars* pBars) {
             CXTPPopupBar* pBar = CXTPPopupBar::CreatePopupBar(pBars);
             pBar->SetPopupToolBar(TRUE);
             return pBar;
         }},
    };
    // Format's controls with their popups' controls, and the popup's bar.
    auto format = [](CStateFrame* pFrame) {
        CXTPControl* pPopup = pFrame->Format()->GetControls()->FindControlById(ID_TEST_OPEN);
        CXTPCommandBar* pBar = pPopup != NULL ? pPopup->GetCommandBar() : NULL;
        return MenuText(pFrame->Format()->GetControls())
               + (pBar != NULL ? std::string(" / ") + pBar->GetRuntimeClass()->m_lpszClassName + " type "
                                     + std::to_string(pBar->GetType())
                               : std::string(" / no bar"));
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kCompany);
        CStateFrame* pFrame = NewFrame();
        CXTPControlPopup* pPopup =
            (CXTPControlPopup*)pFrame->Format()->GetControls()->AddControl(new CXTPControlPopup, ID_TEST_OPEN);
        CXTPPopupBar* pBar = row.make(pFrame->m_pCommandBars);
        pBar->GetControls()->Add(xtpControlButton, ID_TEST_NEW);
        pBar->GetControls()->Add(xtpControlButton, ID_TEST_EXIT);
        pPopup->SetCommandBar(pBar);
        pBar->InternalRelease();
        const std::string strSaved = format(pFrame);
        pFrame->m_pCommandBars->SaveBarState(kProfile);
        pFrame->DestroyWindow();
        for (int nStart = 2; nStart <= 4; nStart++)
        {
            pFrame = NewFrame(true);
            EXPECT_EQ(strSaved, format(pFrame)) << "start " << nStart;
            pFrame->m_pCommandBars->SaveBarState(kProfile);
            pFrame->DestroyWindow();
        }
    }
}

// What a whole-state load may change of a frame: its bars (without the
// status bar, no part of this state), options, shortcuts, theme and icons.
std::string WholeState(CStateFrame* pFrame)
{
    CXTPCommandBars* pBars = pFrame->m_pCommandBars;
    std::string text = Describe(pFrame);
    text = text.substr(0, text.rfind('\n')) + "\n" + DescribeOptions(*pBars->GetCommandBarsOptions());
    for (const ACCEL& accel : CXTPAccelManager::GetFrameAccelTable(pFrame))
        text += " key " + std::to_string(accel.key);
    text += " theme " + std::to_string(pBars->GetPaintManager()->GetBaseTheme());
    for (const auto& set : pBars->GetImageManager()->GetImages())
        text += " icon " + std::to_string(set.first);
    return text;
}

// A whole state cut short anywhere is refused, and the frame loading it
// keeps its bars, options, shortcuts, theme and icons as they were.
TEST_F(BarStateTest, AWholeStateCutShortChangesNothing)
{
    Customize(frame);
    CXTPCommandBars* pBars = frame->m_pCommandBars;
    ChangeEveryOption(*pBars->GetCommandBarsOptions());
    pBars->SetImageManager(new CXTPImageManager);
    ASSERT_TRUE(pBars->GetImageManager()->SetIcon(CXTPImageManagerIconHandle(::LoadIcon(NULL, IDI_APPLICATION)), 4242));
    const ACCEL table[] = {{FVIRTKEY | FCONTROL, 'N', ID_TEST_NEW}, {FVIRTKEY, VK_F5, ID_TEST_OPEN}};
    XTPAccelManager()->SetFrameAccelTable(frame, table, 2);
    pBars->SetPaintManager(CXTPPaintManager::CreateTheme(xtpThemeOffice2000));
    CXTPPropExchangeParam param;
    param.bSerializeControls = param.bSerializeImages = param.bSerializeOptions = TRUE;
    auto whole = [&param](CStateFrame* pFrame) {
        return [pFrame, &param](CArchive& ar) {
            CXTPPropExchangeArchive px(ar);
            pFrame->m_pCommandBars->DoPropExchange(&px, &param);
        };
    };
    const std::vector<BYTE> image = Stored(whole(frame));

    CStateFrame* pFresh = NewFrame();
    pFresh->m_pCommandBars->SetImageManager(new CXTPImageManager);
    const std::string strFresh = WholeState(pFresh);
    const size_t nStep = std::max((size_t)1, image.size() / 150);
    for (size_t nLength = 0; nLength < image.size(); nLength += nStep)
    {
        const std::vector<BYTE> cut(image.begin(), image.begin() + nLength);
        bool bRefused = false;
        try
        {
            Load(cut, whole(pFresh));
        }
        catch (CException* e)
        {
            bRefused = true;
            e->Delete();
        }
        EXPECT_TRUE(bRefused) << nLength;
        ASSERT_EQ(strFresh, WholeState(pFresh)) << nLength;
    }
    Load(image, whole(pFresh));
    EXPECT_EQ(WholeState(frame), WholeState(pFresh)) << "the whole image";
}

// A bar saved with an icon size no icon can take (eight bytes changed in a
// real save) keeps its own, and no icon of it is scaled to the stored size.
TEST_F(BarStateTest, ABarSavedWithAnIconSizeNoIconCanTakeKeepsItsOwn)
{
    Customize(frame);
    frame->Standard()->SetVisible(TRUE);
    frame->Standard()->GetControls()->Add(xtpControlButton, ID_TEST_EXIT);
    frame->Standard()->SetIconSize(CSize(23, 21));
    frame->m_pCommandBars->SaveBarState(kProfile);
    std::vector<BYTE> image = ProfileControls();
    const BYTE saved[8] = {23, 0, 0, 0, 21, 0, 0, 0};
    auto at = std::search(image.begin(), image.end(), saved, saved + 8);
    ASSERT_TRUE(at != image.end());
    ASSERT_TRUE(std::search(at + 1, image.end(), saved, saved + 8) == image.end()) << "the size is stored once";
    const BYTE damaged[8] = {0, 0x20, 0, 0, 0, 0x20, 0, 0}; // 8192 x 8192
    std::copy(damaged, damaged + 8, at);
    app.WriteProfileBinary(ProfileSection("%s-Controls"), "Controls", image.data(), (UINT)image.size());

    CStateFrame* pLoaded = NewFrame(true);
    EXPECT_EQ(CSize(16, 16), pLoaded->Standard()->GetIconSize());
    EXPECT_EQ(ControlIds(frame->Standard()->GetControls()), ControlIds(pLoaded->Standard()->GetControls()))
        << "the rest of the bar loads";
    pLoaded->RecalcLayout();
    pLoaded->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    int nWidest = 0;
    for (const auto& set : pLoaded->m_pCommandBars->GetImageManager()->GetImages())
        for (const auto& icon : set.second->GetIcons())
            nWidest = std::max(nWidest, icon.first);
    EXPECT_LE(nWidest, CXTPImageManagerIconSet::kMaxScaledWidth);
}

// ---- Popup bars over several starts ----------------------------------------------------

// What the user sees of the menu bar, "Standard" and "Format": their
// controls with their popups' controls in brackets.
std::string BarsText(CStateFrame* pFrame)
{
    return MenuText(pFrame->m_pCommandBars->GetMenuBar()->GetControls()) + " / "
           + MenuText(pFrame->Standard()->GetControls()) + " / " + MenuText(pFrame->Format()->GetControls());
}

// A copy of the control dropped on the bar before its first control, as a
// customize drag with Ctrl held makes it; the copy.
CXTPControl* DropCopy(CXTPControl* pControl, CXTPToolBar* pBar)
{
    const CRect rcFirst = pBar->GetControl(0)->GetRect();
    const CPoint ptDrop(rcFirst.left + 1, rcFirst.CenterPoint().y);
    DROPEFFECT dropEffect = DROPEFFECT_COPY;
    pBar->OnCustomizeDrop(pControl, dropEffect, ptDrop, CPoint(0, 0));
    return pBar->GetControl(0);
}

CXTPControls* PopupControls(CXTPControl* pPopup)
{
    return pPopup->GetCommandBar()->GetControls();
}

// Popups copied or reset after a start: each keeps opening its own bar over
// the next starts, through the profile as the program saves and loads, and
// the program's unchanged bar asks no question.
TEST_F(BarStateTest, EveryPopupOpensItsOwnBarOverThreeStarts)
{
    struct Row
    {
        const char* name;
        std::function<void(CStateFrame*)> change;
    };
    const Row rows[] = {
        {"Format's popup copied onto Standard, Exit added to the copy",
         [](CStateFrame* pFrame) {
             CXTPControl* pCopy =
                 DropCopy(pFrame->Format()->GetControls()->FindControlById(ID_TEST_HELP), pFrame->Standard());
             PopupControls(pCopy)->Add(xtpControlButton, ID_TEST_EXIT);
         }},
        {"the File menu copied onto Standard, Bold added to the copy",
         [](CStateFrame* pFrame) {
             CXTPControl* pCopy =
                 DropCopy(pFrame->m_pCommandBars->GetMenuBar()->GetControl(0), pFrame->Standard());
             PopupControls(pCopy)->Add(xtpControlButton, ID_TEST_BOLD);
         }},
        {"Format reset, Bold added to its popup",
         [this](CStateFrame* pFrame) {
             app.m_nAnswer = IDOK;
             pFrame->Format()->Reset();
             app.m_nAnswer = IDNO;
             PopupControls(pFrame->Format()->GetControls()->FindControlById(ID_TEST_HELP))
                 ->Add(xtpControlButton, ID_TEST_BOLD);
         }},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kCompany);
        // The first start changes Format and the menu bar, so that their
        // popup bars are numbered in the state and loaded by the next.
        CStateFrame* pFrame = NewFrame();
        pFrame->Format()->GetControls()->Add(xtpControlButton, ID_TEST_OPEN);
        CXTPControls* pMenuControls = pFrame->m_pCommandBars->GetMenuBar()->GetControls();
        pMenuControls->Remove(pMenuControls->GetCount() - 1);
        pFrame->m_pCommandBars->SaveBarState(kProfile);
        pFrame->DestroyWindow();

        pFrame = NewFrame(true);
        pFrame->RecalcLayout();
        row.change(pFrame);
        const std::string strChanged = BarsText(pFrame);
        pFrame->m_pCommandBars->SaveBarState(kProfile);
        pFrame->DestroyWindow();
        for (int nStart = 3; nStart <= 4; nStart++)
        {
            app.m_strAsked.clear();
            pFrame = NewFrame(true);
            EXPECT_EQ(strChanged, BarsText(pFrame)) << "start " << nStart;
            EXPECT_EQ("", app.m_strAsked) << "start " << nStart;
            pFrame->m_pCommandBars->SaveBarState(kProfile);
            pFrame->DestroyWindow();
        }
    }
}

// New popups numbered after a popup bar with the largest number but one
// take numbers no tool bar has: the menu bar changed at the next start
// (saved with its number, 1) is not opened by one of them at the start after.
TEST_F(BarStateTest, PopupNumbersPastTheLargestStayClearOfTheToolBars)
{
    CXTPControls* pControls = frame->Format()->GetControls();
    pControls->FindControlById(ID_TEST_HELP)->GetCommandBar()->SetBarID(UINT_MAX - 1);
    AddPopup(pControls, {ID_TEST_OPEN});
    AddPopup(pControls, {ID_TEST_EXIT});
    const std::string strFormat = MenuText(pControls);
    frame->m_pCommandBars->SaveBarState(kProfile);

    CStateFrame* pSecond = NewFrame(true);
    CXTPControls* pMenuControls = pSecond->m_pCommandBars->GetMenuBar()->GetControls();
    pMenuControls->Remove(pMenuControls->GetCount() - 1);
    pSecond->m_pCommandBars->SaveBarState(kProfile);

    CStateFrame* pThird = NewFrame(true);
    EXPECT_EQ(strFormat, MenuText(pThird->Format()->GetControls()));
    EXPECT_EQ(MenuText(pMenuControls), MenuText(pThird->m_pCommandBars->GetMenuBar()->GetControls()));
}

// What a load may change of the menu bar: its controls, and the document
// menus it keeps with theirs.
std::string MenuBarText(CStateFrame* pFrame)
{
    CXTPMenuBar* pMenuBar = pFrame->m_pCommandBars->GetMenuBar();
    std::string text = MenuText(pMenuBar->GetControls());
    for (const auto& menu : pMenuBar->GetMDIMenus())
        text += " | " + std::to_string(menu.first) + ": " + MenuText(menu.second);
    return text;
}

// A menu bar saved with document menus holds the frame menu's controls
// twice, as its own and among the document menus, each set with its
// original controls; the one among the document menus is what the bar shows
// once loaded. When a damaged state sets their original controls apart (a
// control hidden by the user in one of them), the first silent start takes
// the user's menu bar, and so does every start after it, whether the bars
// saved are the changed ones or all of them.
TEST_F(BarStateTest, AMenuBarTakenByOneStartIsTakenByTheNext)
{
    // Name, and whether the hidden control is among the originals of the
    // frame menu kept with the document menus (else among the bar's own).
    const std::pair<const char*, bool> rows[] = {
        {"hidden among the originals kept with the document menus", true},
        {"hidden among the bar's own originals", false},
    };
    for (const auto& [name, bAmongDocumentMenus] : rows)
    {
        for (BOOL bOnlyCustomized : {TRUE, FALSE})
        {
            SCOPED_TRACE(std::string(name)
                         + (bOnlyCustomized ? ", changed bars saved" : ", every bar saved"));
            ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kCompany);
            CStateFrame* pFrame = NewFrame();
            CXTPMenuBar* pMenuBar = pFrame->m_pCommandBars->GetMenuBar();
            pMenuBar->GetControls()->Remove(pMenuBar->GetControlCount() - 1);
            CXTPControls* pDocument = new CXTPControls;
            AddPopup(pDocument, {ID_TEST_NEW, ID_TEST_OPEN});
            pMenuBar->SetMDIMenu(500, pDocument);
            // The frame menu's controls kept among the document menus, as
            // a save keeps them, and a control hidden in one original set.
            CXTPControls* pFrameMenu = pMenuBar->GetControls()->Duplicate();
            CXTPControls* pHiddenIn = bAmongDocumentMenus ? pFrameMenu->GetOriginalControls()
                                                          : pMenuBar->GetControls()->GetOriginalControls();
            pHiddenIn->GetAt(1)->SetHideFlags(xtpHideCustomize);
            pMenuBar->SetMDIMenu(IDR_TEST_MENU, pFrameMenu);
            const std::string strUsers = MenuText(pMenuBar->GetControls()) + " | 500: " + MenuText(pDocument);
            pFrame->m_pCommandBars->SaveBarState(kProfile, bOnlyCustomized);
            pFrame->DestroyWindow();

            for (int nStart = 2; nStart <= 4; nStart++)
            {
                pFrame = NewFrame();
                pFrame->m_pCommandBars->LoadBarState(kProfile, TRUE);
                EXPECT_EQ(strUsers, MenuBarText(pFrame)) << "start " << nStart;
                pFrame->m_pCommandBars->SaveBarState(kProfile, bOnlyCustomized);
                pFrame->DestroyWindow();
            }
        }
    }
}
