// The saved state of a frame's command bars: the profile form (dock state,
// dock rows, status bar, customised controls in the profile or the hidden
// file), the whole-state exchange through archives, the options, and loads
// of damaged states, which must leave the bars as they were made and leak
// none of the bars they read.
#include "CommandBarsTestSupport.h"

#include "tests/support/TempFolder.h"
#include "toolkit/commandbars/XTPAccelManager.h"
#include "toolkit/commandbars/XTPCommandBarList.h"
#include "toolkit/commandbars/XTPControlComboBox.h"
#include "toolkit/commandbars/XTPControlPopup.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPDockBar.h"
#include "toolkit/commandbars/XTPDockState.h"
#include "toolkit/commandbars/XTPMenuBar.h"
#include "toolkit/commandbars/XTPPopupBar.h"
#include "toolkit/commandbars/XTPPropExchangeParam.h"
#include "toolkit/commandbars/XTPToolBar.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
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
const UINT kStatusBarId = 59393;

// The application's profile in a registry key of its own for the test.
class ScopedRegistryApp
{
public:
    ScopedRegistryApp()
    {
        m_pApp = AfxGetApp();
        if (m_pApp == NULL)
        {
            m_ownApp.reset(new CWinApp("Tidewatch Bar State Tests"));
            m_pApp = m_ownApp.get();
        }
        m_pszOldKey = m_pApp->m_pszRegistryKey;
        m_pApp->m_pszRegistryKey = NULL;
        m_pApp->SetRegistryKey(kCompany);
    }
    ~ScopedRegistryApp()
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kCompany);
        free((void*)m_pApp->m_pszRegistryKey);
        m_pApp->m_pszRegistryKey = m_pszOldKey;
    }
    CWinApp* App() const { return m_pApp; }

    static constexpr const char* kCompany = "Tidewatch Bar State Tests";

private:
    CWinApp* m_pApp;
    std::unique_ptr<CWinApp> m_ownApp;
    LPCTSTR m_pszOldKey;
};

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
        CXTPControlPopup* pPopup =
            (CXTPControlPopup*)pFormat->GetControls()->AddControl(new CXTPControlPopup, ID_TEST_HELP);
        CCountedPopupBar* pPopupBar = new CCountedPopupBar;
        pPopupBar->GetControls()->Add(xtpControlButton, ID_TEST_NEW);
        pPopup->SetCommandBar(pPopupBar);
        pPopupBar->InternalRelease();
        CXTPControlComboBox* pCombo =
            (CXTPControlComboBox*)pFormat->GetControls()->AddControl(new CXTPControlComboBox, ID_TEST_OPEN);
        pCombo->SetWidth(120);
        pCombo->AddString("By date");
        pCombo->AddString("By title");
        pFormat->GetControls()->CreateOriginalControls();
        m_wndStatus.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, kStatusBarId);
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
        snprintf(line, sizeof line, "%u %s v%d d%d:", pBar->GetBarID(), (LPCTSTR)pBar->GetTitle(),
                 pBar->IsVisible(), nDock);
        text += line;
        for (int c = 0; c < pBar->GetControlCount(); c++)
        {
            CXTPControl* pControl = pBar->GetControl(c);
            if (pControl->IsTemporary())
                continue;
            text += " " + std::to_string(pControl->GetID());
            CXTPControlComboBox* pCombo = DYNAMIC_DOWNCAST(CXTPControlComboBox, pControl);
            if (pCombo != NULL)
            {
                text += " combo " + std::to_string(pCombo->GetWidth());
                for (int n = 0; n < pCombo->GetCount(); n++)
                {
                    CString strEntry;
                    pCombo->GetLBText(n, strEntry);
                    text += std::string(" '") + (LPCTSTR)strEntry + "'";
                }
            }
            else if (pControl->GetCommandBar() != NULL)
                text += "[" + std::to_string(pControl->GetCommandBar()->GetControlCount()) + "]";
        }
        text += "\n";
    }
    text += pFrame->m_wndStatus.IsWindowVisible() ? "status shown" : "status hidden";
    return text;
}

std::vector<BYTE> SerializeState(CXTPCommandBars* pBars)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pBars->Serialize(ar);
        ar.Close();
    }
    UINT nBytes = (UINT)file.GetLength();
    BYTE* pData = file.Detach();
    std::vector<BYTE> bytes(pData, pData + nBytes);
    free(pData);
    return bytes;
}

void DeserializeState(CXTPCommandBars* pBars, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    pBars->Serialize(ar);
}

class BarStateTest : public FrameTest<CStateFrame, 500, 300>
{
protected:
    void Prepare() override { frame->BuildStateBars(); }
    void TearDown() override
    {
        FrameTest<CStateFrame, 500, 300>::TearDown();
        EXPECT_EQ(0, CCountedToolBar::s_nAlive) << "a tool bar outlived its frame";
        EXPECT_EQ(0, CCountedPopupBar::s_nAlive) << "a popup bar outlived its frame";
    }

    // A second frame built the same way (deleted by DestroyWindow).
    CStateFrame* NewFrame()
    {
        CStateFrame* pFrame = new CStateFrame;
        EXPECT_TRUE(pFrame->CreateAt(60, 60, 500, 300));
        pFrame->BuildStateBars();
        return pFrame;
    }

    // The user's changes: a button removed from and one added to "Format",
    // "Standard" hidden, the status bar hidden.
    void Customize(CStateFrame* pFrame)
    {
        CXTPControls* pControls = pFrame->Format()->GetControls();
        pControls->Remove(pControls->FindControlById(ID_TEST_BOLD));
        pControls->Add(xtpControlButton, ID_TEST_EXIT)->SetBeginGroup(TRUE);
        CXTPControlComboBox* pCombo =
            DYNAMIC_DOWNCAST(CXTPControlComboBox, pControls->FindControlById(ID_TEST_OPEN));
        pCombo->SetWidth(150);
        pCombo->AddString("By source");
        pFrame->Standard()->SetVisible(FALSE);
        pFrame->m_wndStatus.ShowWindow(SW_HIDE);
        CXTPControls* pMenuControls = pFrame->m_pCommandBars->GetMenuBar()->GetControls();
        pMenuControls->Remove(pMenuControls->GetCount() - 1);
        pFrame->RecalcLayout();
    }

    DWORD ProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwMissing = 0xDEAD)
    {
        return app.App()->GetProfileInt(lpszSection, lpszEntry, (int)dwMissing);
    }
    CString ProfileSection(LPCTSTR lpszFormat, int n = 0)
    {
        CString strSection;
        strSection.Format(lpszFormat, kProfile, n);
        return strSection;
    }

    ScopedRegistryApp app;
};

TEST_F(BarStateTest, ProfileRoundTripRebuildsTheCustomisedBars)
{
    Customize(frame);
    std::string strSaved = Describe(frame);
    frame->m_pCommandBars->SaveBarState(kProfile);

    CStateFrame* pFresh = NewFrame();
    ASSERT_NE(strSaved, Describe(pFresh)) << "the test needs a state that differs from a fresh frame";
    pFresh->m_pCommandBars->LoadBarState(kProfile);
    EXPECT_EQ(strSaved, Describe(pFresh));
    pFresh->DestroyWindow();
}

TEST_F(BarStateTest, ProfileHoldsOnlyTheValuesThatDifferFromTheirDefaults)
{
    frame->Standard()->SetVisible(FALSE);
    frame->m_wndStatus.ShowWindow(SW_HIDE);
    frame->m_pCommandBars->SaveBarState(kProfile);

    EXPECT_EQ(3u, ProfileInt(ProfileSection("%s-Summary"), "Bars"));
    EXPECT_EQ((DWORD)::GetSystemMetrics(SM_CXSCREEN), ProfileInt(ProfileSection("%s-Summary"), "ScreenCX"));
    struct Row
    {
        const char* name;
        int bar;
        const char* entry;
        DWORD expected;
    } rows[] = {
        {"menu bar id", 0, "BarID", 1},
        {"shown bar has no Visible", 0, "Visible", 0xDEAD},
        {"hidden bar writes Visible 0", 1, "Visible", 0},
        {"docked bar has no Floating", 1, "Floating", 0xDEAD},
        {"no MRU width written", 1, "MRUWidth", 0xDEAD},
        {"dock id always written", 2, "MRUDockID", AFX_IDW_DOCKBAR_TOP},
        {"dialog-bar flag always written", 2, "DialogBar", 0},
        {"no dialog-bar sizes", 2, "DialogBarDockingClientCx", 0xDEAD},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, ProfileInt(ProfileSection("%s-Bar%d", row.bar), row.entry)) << row.name;
    EXPECT_EQ(0u, ProfileInt(ProfileSection("%s-Bar%d", 0), "YPos"))
        << "a docked bar's position in its dock bar";

    // Top dock: menu bar, "Standard" (hidden) and "Format", each in a row.
    CString strTop = ProfileSection("%s-DockBar%d", 0);
    EXPECT_EQ(6u, ProfileInt(strTop, "Bars"));
    const DWORD expectedTop[] = {0, 1, 0, IDR_TEST_TOOLBAR, 0, kFormatBar};
    for (int n = 0; n < 6; n++)
        EXPECT_EQ(expectedTop[n], ProfileInt(strTop, CString("Bar#") + std::to_string(n).c_str())) << n;
    EXPECT_EQ(0xDEADu, ProfileInt(ProfileSection("%s-DockBar%d", 1), "Bars"))
        << "an empty dock bar writes nothing";
    EXPECT_EQ(0u, ProfileInt(kProfile, "StatusBar"));
    EXPECT_EQ(0u, ProfileInt(ProfileSection("%s-Controls"), "LoadFromFile"));

    frame->m_wndStatus.ShowWindow(SW_SHOW);
    frame->m_pCommandBars->SaveBarState(kProfile);
    EXPECT_EQ(0xDEADu, ProfileInt(kProfile, "StatusBar")) << "a shown status bar deletes the value";
}

TEST_F(BarStateTest, ControlsImageUpTo16000BytesStaysInTheProfile)
{
    TempFolder folder;
    std::string strFile = folder.File("state");
    frame->m_pCommandBars->SetStateFileName(strFile.c_str());
    CXTPControl* pCopy = frame->Format()->GetControls()->FindControlById(ID_TEST_COPY);
    pCopy->SetCaption(CString('x', 1000));
    frame->m_pCommandBars->SaveBarState(kProfile);
    BYTE* pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(app.App()->GetProfileBinary(ProfileSection("%s-Controls"), "Controls", &pData, &nBytes));
    delete[] pData;
    int nPadding = 16000 - (int)nBytes;
    ASSERT_GT(nPadding, 0);

    struct Row
    {
        const char* name;
        int extra;
        BOOL inFile;
    } rows[] = {{"16000 bytes", 0, FALSE}, {"16001 bytes", 1, TRUE}, {"back to 16000", 0, FALSE}};
    for (const Row& row : rows)
    {
        pCopy->SetCaption(CString('x', 1000 + nPadding + row.extra));
        frame->m_pCommandBars->SaveBarState(kProfile);
        CString strSection = ProfileSection("%s-Controls");
        EXPECT_EQ((DWORD)row.inFile, ProfileInt(strSection, "LoadFromFile")) << row.name;
        DWORD dwAttributes = ::GetFileAttributesA(strFile.c_str());
        if (row.inFile)
        {
            EXPECT_STREQ(strFile.c_str(), app.App()->GetProfileString(strSection, "Controls")) << row.name;
            ASSERT_NE(INVALID_FILE_ATTRIBUTES, dwAttributes) << row.name;
            EXPECT_TRUE(dwAttributes & FILE_ATTRIBUTE_HIDDEN) << row.name;
            WIN32_FILE_ATTRIBUTE_DATA data;
            ASSERT_TRUE(::GetFileAttributesExA(strFile.c_str(), GetFileExInfoStandard, &data));
            EXPECT_EQ(16001u, data.nFileSizeLow) << row.name;
        }
        else
        {
            ASSERT_TRUE(app.App()->GetProfileBinary(strSection, "Controls", &pData, &nBytes)) << row.name;
            delete[] pData;
            EXPECT_EQ(16000u, nBytes) << row.name;
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, dwAttributes) << row.name << ": the old file is deleted";
        }
    }

    // The state read back from the file gives the long caption again.
    pCopy->SetCaption(CString('y', 20000));
    frame->m_pCommandBars->SaveBarState(kProfile);
    CStateFrame* pFresh = NewFrame();
    pFresh->m_pCommandBars->SetStateFileName(strFile.c_str());
    pFresh->m_pCommandBars->LoadBarState(kProfile);
    EXPECT_EQ(20000,
              pFresh->Format()->GetControls()->FindControlById(ID_TEST_COPY)->GetCaption().GetLength());
    pFresh->DestroyWindow();
    ::SetFileAttributesA(strFile.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(BarStateTest, LargeImageGoesIntoTheProfileWhenItsFileCannotBeWritten)
{
    frame->m_pCommandBars->SetStateFileName("C:\\no such folder\\state");
    frame->Format()->GetControls()->FindControlById(ID_TEST_COPY)->SetCaption(CString('z', 20000));
    frame->m_pCommandBars->SaveBarState(kProfile);
    CString strSection = ProfileSection("%s-Controls");
    EXPECT_EQ(0u, ProfileInt(strSection, "LoadFromFile"));
    BYTE* pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(app.App()->GetProfileBinary(strSection, "Controls", &pData, &nBytes));
    delete[] pData;
    EXPECT_GT(nBytes, 20000u);

    CStateFrame* pFresh = NewFrame();
    pFresh->m_pCommandBars->LoadBarState(kProfile);
    EXPECT_EQ(20000,
              pFresh->Format()->GetControls()->FindControlById(ID_TEST_COPY)->GetCaption().GetLength());
    pFresh->DestroyWindow();
}

TEST_F(BarStateTest, MissingControlsFileStillLoadsTheDockState)
{
    frame->Standard()->SetVisible(FALSE);
    frame->m_pCommandBars->SaveBarState(kProfile);
    app.App()->WriteProfileInt(ProfileSection("%s-Controls"), "LoadFromFile", 1);
    app.App()->WriteProfileString(ProfileSection("%s-Controls"), "Controls", "C:\\no such folder\\state");
    CStateFrame* pFresh = NewFrame();
    pFresh->m_pCommandBars->LoadBarState(kProfile);
    EXPECT_FALSE(pFresh->Standard()->IsVisible());
    pFresh->DestroyWindow();
}

TEST(DockStateTest, PositionsScaleToTheCurrentScreen)
{
    struct Row
    {
        const char* name;
        CSize saved;
        CPoint point;
        CPoint expected;
    } rows[] = {
        {"1600 wide to 1024", CSize(1600, 1200), CPoint(800, 600), CPoint(512, 384)},
        {"rounded to nearest", CSize(3, 3), CPoint(1, 2), CPoint(341, 512)},
        {"same screen", CSize(1024, 768), CPoint(800, 600), CPoint(800, 600)},
        {"saved width 0: none", CSize(0, 768), CPoint(800, 600), CPoint(800, 600)},
        {"saved size negative: none", CSize(-1600, -1200), CPoint(800, 600), CPoint(800, 600)},
        {"limited to the largest position", CSize(512, 384), CPoint(1000, 700),
         CPoint(1024 - ::GetSystemMetrics(SM_CXICON), 768 - ::GetSystemMetrics(SM_CYICON))},
    };
    for (const Row& row : rows)
    {
        CXTPDockState state;
        state.SetCurrentScreen(CRect(0, 0, 1024, 768));
        state.SetScreenSize(row.saved);
        CPoint pt = state.ScalePoint(row.point);
        EXPECT_EQ(row.expected.x, pt.x) << row.name;
        EXPECT_EQ(row.expected.y, pt.y) << row.name;
    }

    CXTPDockState state;
    state.SetCurrentScreen(CRect(0, 0, 1024, 768));
    state.SetScreenSize(CSize(1600, 1200));
    CRect rc = state.ScaleRect(CRect(1580, 100, 1780, 130));
    EXPECT_EQ(200, rc.Width()) << "a rectangle keeps its size";
    EXPECT_EQ(30, rc.Height());
    EXPECT_EQ(1024 - ::GetSystemMetrics(SM_CXICON), rc.left) << "moved back left to the largest position";
    EXPECT_EQ(64, rc.top);
}

TEST_F(BarStateTest, ProfilePositionSavedOn1600LoadsScaledOn1024)
{
    CString strSummary = ProfileSection("%s-Summary");
    app.App()->WriteProfileInt(strSummary, "Bars", 1);
    app.App()->WriteProfileInt(strSummary, "ScreenCX", 1600);
    app.App()->WriteProfileInt(strSummary, "ScreenCY", 1200);
    app.App()->WriteProfileInt(ProfileSection("%s-Bar%d"), "BarID", kFormatBar);
    app.App()->WriteProfileInt(ProfileSection("%s-Bar%d"), "XPos", 800);
    CXTPDockState state;
    state.SetCurrentScreen(CRect(0, 0, 1024, 768));
    state.LoadState(kProfile);
    ASSERT_EQ(1, state.GetCount());
    EXPECT_EQ(512, state.GetAt(0)->m_pointPos.x);
    EXPECT_EQ(-1, state.GetAt(0)->m_pointPos.y) << "a missing YPos keeps -1 unscaled... scaled -1";
    EXPECT_TRUE(state.GetAt(0)->m_bVisible) << "Visible defaults to 1 when absent";
}

TEST_F(BarStateTest, SavingAnEmptyUsedCommandsSetDeletesTheOldSubkey)
{
    CXTPCommandBarsOptions* pOptions = frame->m_pCommandBars->GetCommandBarsOptions();
    CString strSubkey = CString("Software\\") + ScopedRegistryApp::kCompany + "\\"
                        + app.App()->m_pszProfileName + "\\" + ProfileSection("%s-Options")
                        + "\\UsedCommands";
    struct Row
    {
        const char* name;
        std::set<UINT> used;
        BOOL present;
    } rows[] = {
        {"two used commands", {ID_TEST_COPY, ID_TEST_BOLD}, TRUE},
        {"none used", {}, FALSE},
    };
    for (const Row& row : rows)
    {
        pOptions->m_mapUsedCommands = row.used;
        frame->m_pCommandBars->SaveOptions(kProfile);
        HKEY hKey = NULL;
        LONG nResult = ::RegOpenKeyExA(HKEY_CURRENT_USER, strSubkey, 0, KEY_READ, &hKey);
        EXPECT_EQ(row.present, nResult == ERROR_SUCCESS) << row.name;
        if (nResult == ERROR_SUCCESS)
            ::RegCloseKey(hKey);
    }
}

TEST_F(BarStateTest, ArchiveStateSavedLoadedAndSavedAgainGivesTheSameBytes)
{
    Customize(frame);
    std::vector<BYTE> first = SerializeState(frame->m_pCommandBars);
    CStateFrame* pFresh = NewFrame();
    DeserializeState(pFresh->m_pCommandBars, first);
    EXPECT_EQ(Describe(frame).substr(0, Describe(frame).rfind('\n')),
              Describe(pFresh).substr(0, Describe(pFresh).rfind('\n')));
    std::vector<BYTE> second = SerializeState(pFresh->m_pCommandBars);
    ASSERT_EQ(first.size(), second.size());
    size_t nFirstDifference = std::mismatch(first.begin(), first.end(), second.begin()).first - first.begin();
    EXPECT_EQ(first.size(), nFirstDifference) << "the bytes differ from here on";
    pFresh->DestroyWindow();
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
        BYTE* pData = NULL;
        UINT nBytes = 0;
        EXPECT_TRUE(app.App()->GetProfileBinary(ProfileSection("%s-Controls"), "Controls", &pData, &nBytes));
        std::vector<BYTE> image(pData, pData + nBytes);
        delete[] pData;
        return image;
    }
    // Loads an image into pFrame's bars; the bars alive afterwards must all
    // belong to the manager (the popup bar of "Format" among them).
    void LoadImage(CStateFrame* pFrame, std::vector<BYTE> image)
    {
        CMemFile file(image.data(), (UINT)image.size());
        CArchive ar(&file, CArchive::load);
        pFrame->m_pCommandBars->LoadControlsFromArchive(ar, TRUE);
    }
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
        std::string bytes(image.begin(), image.end());
        size_t at = bytes.find(from);
        EXPECT_NE(std::string::npos, at) << from;
        if (at != std::string::npos)
            memcpy(&image[at], to, strlen(to));
        return image;
    };
    struct Row
    {
        const char* name;
        std::vector<BYTE> image;
    } rows[] = {
        {"a bar of a class that is no command bar", withClass("CCountedToolBar", "CXTPControls\0\0\0")},
        {"a control of a class that is no control", withClass("CXTPControlButton", "CCountedPopupBar\0")},
        {"cut after the first bar", std::vector<BYTE>(good.begin(), good.begin() + good.size() / 2)},
        {"empty", std::vector<BYTE>()},
    };
    const int nPopupBars = CCountedPopupBar::s_nAlive;
    for (const Row& row : rows)
    {
        CStateFrame* pFresh = NewFrame();
        std::string strCreated = Describe(pFresh);
        LoadImage(pFresh, row.image);
        EXPECT_EQ(strCreated, Describe(pFresh)) << row.name;
        pFresh->DestroyWindow();
        EXPECT_EQ(ManagedCountedBars(frame), CCountedToolBar::s_nAlive) << row.name;
        EXPECT_EQ(nPopupBars, CCountedPopupBar::s_nAlive) << row.name;
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
    BOOL bRefused = FALSE;
    try
    {
        LoadBarExchange(pLoaded, file);
    }
    catch (CArchiveException* e)
    {
        bRefused = e->m_cause == CArchiveException::badSchema;
        e->Delete();
    }
    EXPECT_TRUE(bRefused);
    pBar->InternalRelease();
    pLoaded->InternalRelease();
}

TEST_F(BarStateTest, DocumentTemplateMenusRoundTripWithTheirPopupBars)
{
    CXTPControls* pMenu = new CXTPControls;
    CXTPControlPopup* pPopup = (CXTPControlPopup*)pMenu->AddControl(new CXTPControlPopup, ID_TEST_HELP);
    CCountedPopupBar* pPopupBar = new CCountedPopupBar;
    pPopupBar->GetControls()->Add(xtpControlButton, ID_TEST_NEW);
    pPopupBar->GetControls()->Add(xtpControlButton, ID_TEST_OPEN);
    pPopup->SetCommandBar(pPopupBar);
    pPopupBar->InternalRelease();
    frame->m_pCommandBars->GetMenuBar()->SetMDIMenu(500, pMenu);
    frame->m_pCommandBars->SaveBarState(kProfile);

    CStateFrame* pFresh = NewFrame();
    pFresh->m_pCommandBars->LoadBarState(kProfile);
    const CXTPMenuBar::CMDIMenuMap& menus = pFresh->m_pCommandBars->GetMenuBar()->GetMDIMenus();
    ASSERT_EQ(1u, menus.count(500));
    CXTPControl* pLoaded = menus.at(500)->FindControlById(ID_TEST_HELP);
    ASSERT_TRUE(pLoaded != NULL && pLoaded->GetCommandBar() != NULL);
    EXPECT_EQ(2, pLoaded->GetCommandBar()->GetControlCount());
    pFresh->DestroyWindow();
}

TEST_F(DamagedStateTest, ProfileCountsAreCappedAndDuplicateRowIdsSkipped)
{
    frame->m_pCommandBars->SaveBarState(kProfile);
    app.App()->WriteProfileInt(ProfileSection("%s-Summary"), "Bars", 0x7FFFFFFF);
    CString strTop = ProfileSection("%s-DockBar%d", 0);
    app.App()->WriteProfileInt(strTop, "Bars", 0x7FFFFFFF);
    app.App()->WriteProfileInt(strTop, "Bar#3", kFormatBar); // Format named twice

    CStateFrame* pFresh = NewFrame();
    std::string strCreated = Describe(pFresh);
    pFresh->m_pCommandBars->LoadBarState(kProfile);
    EXPECT_EQ(strCreated, Describe(pFresh));
    const std::vector<CXTPToolBar*>& slots = pFresh->m_pCommandBars->GetDockBar(0)->GetSlots();
    EXPECT_EQ(1, (int)std::count(slots.begin(), slots.end(), pFresh->Format()));
    EXPECT_EQ(pFresh->Format(), slots[3]) << "the first place of a duplicated id holds";
    pFresh->DestroyWindow();
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
        HKEY hKey = NULL;
        ::RegCreateKeyA(m_hKey, lpszSubkey, &hKey);
        ::RegSetValueExA(hKey, lpszName, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof dwValue);
        ::RegCloseKey(hKey);
    }
    static constexpr const char* kKey = "Software\\Tidewatch Exchange Keys Test";
    HKEY m_hKey = NULL;
};

TEST_F(ExchangeKeysTest, Schema2DataKeepsIconSizeAndOriginalControlsAtTheirDefaults)
{
    SetValue("Bar", "Schema", 2);
    HKEY hIconSize = NULL;
    ::RegCreateKeyA(m_hKey, "Bar", &hIconSize);
    ::RegSetValueExA(hIconSize, "IconSize", 0, REG_SZ, (const BYTE*)"24, 24", 7);
    ::RegCloseKey(hIconSize);
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
    ASSERT_EQ(2, pLoaded->GetControlCount());
    EXPECT_EQ(ID_TEST_NEW, pLoaded->GetControl(0)->GetID());
    EXPECT_EQ(ID_TEST_COPY, pLoaded->GetControl(1)->GetID());
    EXPECT_EQ(file.GetLength(), file.GetPosition()) << "the reader takes exactly what the writer wrote";
    pBar->InternalRelease();
    pLoaded->InternalRelease();
}

TEST_F(ExchangeKeysTest, PopupBarBordersRoundTripWithTheirDefault)
{
    struct Row
    {
        const char* name;
        CRect borders;
    } rows[] = {{"unchanged", CRect(2, 4, 2, 4)}, {"changed", CRect(5, 6, 7, 8)}};
    for (const Row& row : rows)
    {
        CXTPPopupBar* pBar = new CXTPPopupBar;
        pBar->SetPopupBorders(row.borders);
        pBar->SetShadow(FALSE);
        CMemFile file;
        StoreBarExchange(pBar, file);
        CXTPPopupBar* pLoaded = new CXTPPopupBar;
        pLoaded->SetPopupBorders(CRect(9, 9, 9, 9));
        LoadBarExchange(pLoaded, file);
        EXPECT_EQ(row.borders, pLoaded->GetPopupBorders()) << row.name;
        EXPECT_FALSE(pLoaded->IsShadow()) << row.name;
        pBar->InternalRelease();
        pLoaded->InternalRelease();
    }
}

} // namespace

// ---- The toolbar-changed question --------------------------------------------------

// The application for the question's tests: it answers every message box
// with a fixed button and keeps the texts it was asked. It shares the test
// application's profile and hands the current application back when done.
class CAnsweringApp : public CWinApp
{
public:
    CAnsweringApp(CWinApp* pProfileApp, int nAnswer)
        : CWinApp(pProfileApp->m_pszAppName), m_pPrevious(pProfileApp), m_nAnswer(nAnswer)
    {
        SetRegistryKey(ScopedRegistryApp::kCompany);
    }
    ~CAnsweringApp() override { AfxGetModuleState()->m_pCurrentWinApp = m_pPrevious; }
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) override
    {
        m_arrAsked.push_back(lpszPrompt);
        m_arrTypes.push_back(nType);
        return m_nAnswer;
    }

    std::vector<std::string> m_arrAsked;
    std::vector<UINT> m_arrTypes;

private:
    CWinApp* m_pPrevious;
    int m_nAnswer;
};

std::string ControlIds(const CXTPControls* pControls)
{
    std::string text;
    for (int i = 0; pControls != NULL && i < pControls->GetCount(); i++)
    {
        if (!pControls->GetAt(i)->IsTemporary())
            text += std::to_string(pControls->GetAt(i)->GetID()) + " ";
    }
    return text;
}

TEST_F(BarStateTest, ChangedBuiltInBarAsksUnlessSilentAndFollowsTheAnswer)
{
    Customize(frame);
    std::string strCustomised = ControlIds(frame->Format()->GetControls());
    frame->m_pCommandBars->SaveBarState(kProfile);

    struct Row
    {
        const char* name;
        BOOL silent;
        int answer;
        BOOL asked;
        BOOL loaded;
    } rows[] = {
        {"silent load keeps the new bar", TRUE, IDNO, FALSE, FALSE},
        {"Yes keeps the new bar", FALSE, IDYES, TRUE, FALSE},
        {"No loads the customised bar", FALSE, IDNO, TRUE, TRUE},
    };
    for (const Row& row : rows)
    {
        // A program update gave "Format" one more button.
        CStateFrame* pUpdated = NewFrame();
        CXTPControls* pControls = pUpdated->Format()->GetControls();
        pControls->Add(xtpControlButton, ID_TEST_NEW);
        pControls->CreateOriginalControls();
        std::string strNewBar = ControlIds(pControls);
        std::string strNewOriginal = ControlIds(pControls->GetOriginalControls());
        {
            CAnsweringApp answering(app.App(), row.answer);
            pUpdated->m_pCommandBars->LoadBarState(kProfile, row.silent);
            ASSERT_EQ(row.asked ? 1u : 0u, answering.m_arrAsked.size()) << row.name;
            if (row.asked)
            {
                EXPECT_EQ(
                    "Due to a software update the toolbar 'Format' has changed. Would you like to reset your "
                    "customized toolbar and load the new one?",
                    answering.m_arrAsked[0])
                    << row.name;
                EXPECT_EQ((UINT)MB_YESNO, answering.m_arrTypes[0] & MB_TYPEMASK) << row.name;
            }
        }
        CXTPControls* pLoaded = pUpdated->Format()->GetControls();
        EXPECT_EQ(row.loaded ? strCustomised : strNewBar, ControlIds(pLoaded)) << row.name;
        EXPECT_EQ(strNewOriginal, ControlIds(pLoaded->GetOriginalControls())) << row.name;
        pUpdated->DestroyWindow();
    }
}

// ---- Shortcuts in the whole-state exchange -----------------------------------------

class ShortcutStateTest : public BarStateTest
{
protected:
    static CXTPPropExchangeParam OptionsOnly()
    {
        CXTPPropExchangeParam param;
        param.bSerializeControls = FALSE;
        param.bSerializeLayout = FALSE;
        param.bSerializeOptions = TRUE;
        return param;
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
    std::vector<BYTE> StoreOptions(CStateFrame* pFrame)
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            CXTPPropExchangeArchive px(ar);
            CXTPPropExchangeParam param = OptionsOnly();
            pFrame->m_pCommandBars->DoPropExchange(&px, &param);
            ar.Close();
        }
        UINT nBytes = (UINT)file.GetLength();
        BYTE* pData = file.Detach();
        std::vector<BYTE> bytes(pData, pData + nBytes);
        free(pData);
        return bytes;
    }
    void LoadOptions(CStateFrame* pFrame, std::vector<BYTE> bytes)
    {
        CMemFile file(bytes.data(), (UINT)bytes.size());
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        CXTPPropExchangeParam param = OptionsOnly();
        pFrame->m_pCommandBars->DoPropExchange(&px, &param);
    }

    const std::vector<ACCEL> m_saved = {{FVIRTKEY | FCONTROL, 'N', ID_TEST_NEW},
                                        {FVIRTKEY, VK_F5, ID_TEST_OPEN},
                                        {FVIRTKEY | FALT | FSHIFT, 'B', ID_TEST_BOLD}};
    const std::vector<ACCEL> m_current = {{FVIRTKEY | FCONTROL, 'X', ID_TEST_EXIT}};
};

TEST_F(ShortcutStateTest, ShortcutsRoundTripThroughTheArchiveAndAnIniFile)
{
    SetTable(frame, m_saved);
    frame->m_pCommandBars->GetCommandBarsOptions()->bToolBarAccelTips = TRUE;
    std::string strSaved = TableText(frame);

    // Archive: the binary form, with the options after the shortcuts.
    CStateFrame* pFresh = NewFrame();
    SetTable(pFresh, m_current);
    LoadOptions(pFresh, StoreOptions(frame));
    EXPECT_EQ(strSaved, TableText(pFresh)) << "archive";
    EXPECT_TRUE(pFresh->m_pCommandBars->GetCommandBarsOptions()->bToolBarAccelTips)
        << "options follow the shortcuts";

    // INI file: one "Accel" item per entry.
    TempFolder folder;
    std::string strIni = folder.File("state.ini");
    {
        CXTPPropExchangeIniFile px(FALSE, NULL, "State");
        CXTPPropExchangeParam param = OptionsOnly();
        frame->m_pCommandBars->DoPropExchange(&px, &param);
        ASSERT_TRUE(px.SaveToFile(strIni.c_str()));
    }
    char szKey[16] = {0};
    ::GetPrivateProfileStringA("State\\Shortcuts\\Accel1", "key", "", szKey, sizeof szKey, strIni.c_str());
    EXPECT_STREQ("116", szKey) << "the second entry's key, F5";
    SetTable(pFresh, m_current);
    {
        CXTPPropExchangeIniFile px(TRUE, NULL, "State");
        ASSERT_TRUE(px.LoadFromFile(strIni.c_str()));
        CXTPPropExchangeParam param = OptionsOnly();
        pFresh->m_pCommandBars->DoPropExchange(&px, &param);
    }
    EXPECT_EQ(strSaved, TableText(pFresh)) << "INI file";
    pFresh->DestroyWindow();
}

TEST_F(ShortcutStateTest, DamagedShortcutTableIsRefusedAndTheCurrentTableStays)
{
    SetTable(frame, m_saved);
    std::vector<BYTE> image = StoreOptions(frame);
    // The image opens with the table's count (a 16-bit count, 3) and its 18 bytes.
    ASSERT_EQ(3, image[0]);
    ASSERT_EQ(0, image[1]);
    struct Row
    {
        const char* name;
        std::vector<BYTE> image;
    } rows[] = {
        {"count beyond the data",
         [&] {
             std::vector<BYTE> b = image;
             b[0] = 0x40;
             b[1] = 0x1F;
             return b;
         }()},
        {"huge count",
         [&] {
             std::vector<BYTE> b(image.begin(), image.begin() + 2);
             b[0] = b[1] = 0xFF;
             const BYTE huge[] = {0xFF, 0xFF, 0xFF, 0x00};
             b.insert(b.end(), huge, huge + 4);
             b.insert(b.end(), image.begin() + 2, image.end());
             return b;
         }()},
        {"records cut short", std::vector<BYTE>(image.begin(), image.begin() + 2 + 10)},
    };
    for (const Row& row : rows)
    {
        SetTable(frame, m_current);
        std::string strCurrent = TableText(frame);
        BOOL bRefused = FALSE;
        try
        {
            LoadOptions(frame, row.image);
        }
        catch (CArchiveException* e)
        {
            bRefused = TRUE;
            e->Delete();
        }
        EXPECT_TRUE(bRefused) << row.name;
        EXPECT_EQ(strCurrent, TableText(frame)) << row.name;
    }
}
