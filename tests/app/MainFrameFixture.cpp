#include "MainFrameFixture.h"

#include "engine/ProgramFolder.h"
#include "resources/Resource.h"
#include "tests/support/TestWindow.h"

#include "framework/core/ProfileStorage.h"

#include <string.h>

void SetRegistryValue(LPCSTR keyPath, LPCSTR name, DWORD type, const void* data, DWORD size)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL));
    ::RegSetValueExA(hKey, name, 0, type, (const BYTE*)data, size);
    ::RegCloseKey(hKey);
}

void SetOption(LPCSTR name, DWORD value)
{
    SetRegistryValue(kOptionsKey, name, REG_DWORD, &value, sizeof value);
}

void SetTextOption(LPCSTR name, LPCSTR text)
{
    SetRegistryValue(kOptionsKey, name, REG_SZ, text, lstrlenA(text) + 1);
}

DWORD GetOption(LPCSTR name)
{
    HKEY hKey;
    DWORD value = 0xFFFFFFFF, size = sizeof(value), type = REG_NONE;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
    {
        ::RegQueryValueExA(hKey, name, NULL, &type, (BYTE*)&value, &size);
        ::RegCloseKey(hKey);
    }
    return type == REG_DWORD ? value : 0xFFFFFFFF;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return true;
}

namespace {

// Records the check mark and enabled state an update handler asks for.
class CStateRecorder : public CTestCmdUI
{
public:
    CStateRecorder(CCmdTarget* pTarget, UINT nID)
    {
        m_nID = nID;
        DoUpdate(pTarget, FALSE);
    }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    void SetRadio(BOOL bOn) override { m_nCheck = bOn; }
    int m_nCheck = -1;
};

} // namespace

int CheckOf(CCmdTarget* pTarget, UINT nID)
{
    return CStateRecorder(pTarget, nID).m_nCheck;
}

int EnableOf(CCmdTarget* pTarget, UINT nID)
{
    CStateRecorder state(pTarget, nID);
    return state.m_bEnableChanged ? state.m_bEnabled : -1;
}

std::vector<std::string> MainFrameTest::opened;

void MainFrameTest::SetUp()
{
    PrepareOptions();
    CreateFrame();
}

void MainFrameTest::PrepareOptions()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
    SetProgramFolder(folder.Path().c_str());
    SetOption("AutoCheckOnStart", 0);
    SetOption("TreeWidth", 200);
    SetOption("FrameWidth", 5000);
    opened.clear();
    m_previousOpener = SetWebAddressOpener(RecordAddress);
}

void MainFrameTest::TearDown()
{
    DestroyFrame();
    SetWebAddressOpener(m_previousOpener);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
    SetProgramFolder("");
}

void MainFrameTest::CreateFrame()
{
    frame = new CMainFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL));
    frame->ShowWindow(SW_SHOW);
    frame->RecalcLayout();
}

void MainFrameTest::DestroyFrame()
{
    if (frame != NULL)
        frame->DestroyWindow();
    frame = NULL;
    PumpPending();
}

void MainFrameBarStateTest::SetUp()
{
    ForgetBarState();
    MainFrameTest::SetUp();
}

void MainFrameBarStateTest::TearDown()
{
    MainFrameTest::TearDown();
    ForgetBarState();
}

std::vector<std::string> CommandBarStateKeys()
{
    std::vector<std::string> names;
    CRegistryKey app(AfxGetApp()->GetAppRegistryKey());
    char szName[256];
    for (DWORD i = 0; app != NULL; i++)
    {
        DWORD nLength = sizeof szName;
        if (::RegEnumKeyExA(app, i, szName, &nLength, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        if (strncmp(szName, kCommandBarProfile, strlen(kCommandBarProfile)) == 0)
            names.push_back(szName);
    }
    return names;
}

void MainFrameBarStateTest::ForgetBarState()
{
    std::vector<CString> sections = {"", "-Summary", "-Controls"};
    for (int i = 0; i < 4; i++)
        sections.push_back(("-DockBar" + std::to_string(i)).c_str());
    for (int i = 0; i < 8; i++)
        sections.push_back(("-Bar" + std::to_string(i)).c_str());
    // The usual sections, and those a save writes beside them first.
    for (const char* pszPlace : {"", "-New"})
    {
        for (const CString& strSuffix : sections)
            AfxGetApp()->WriteProfileString(CString(kCommandBarProfile) + pszPlace + strSuffix, NULL, NULL);
    }
}
