#include "MainFrameFixture.h"

#include "engine/ProgramFolder.h"
#include "resources/Resource.h"

void SetOption(LPCSTR name, DWORD value)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, NULL, 0, KEY_ALL_ACCESS,
                                               NULL, &hKey, NULL));
    ::RegSetValueExA(hKey, name, 0, REG_DWORD, (const BYTE*)&value, sizeof(value));
    ::RegCloseKey(hKey);
}

void SetTextOption(LPCSTR name, LPCSTR text)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, NULL, 0, KEY_ALL_ACCESS,
                                               NULL, &hKey, NULL));
    ::RegSetValueExA(hKey, name, 0, REG_SZ, (const BYTE*)text, lstrlenA(text) + 1);
    ::RegCloseKey(hKey);
}

DWORD GetOption(LPCSTR name)
{
    HKEY hKey;
    DWORD value = 0xFFFFFFFF, size = sizeof(value);
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
    {
        ::RegQueryValueExA(hKey, name, NULL, NULL, (BYTE*)&value, &size);
        ::RegCloseKey(hKey);
    }
    return value;
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

// Records the check mark an update handler asks for.
class CCheckRecorder : public CCmdUI
{
public:
    void Enable(BOOL) override {}
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    void SetRadio(BOOL bOn) override { m_nCheck = bOn; }
    void SetText(LPCTSTR) override {}
    int m_nCheck = -1;
};

} // namespace

int CheckOf(CCmdTarget* pTarget, UINT nID)
{
    CCheckRecorder state;
    state.m_nID = nID;
    state.DoUpdate(pTarget, FALSE);
    return state.m_nCheck;
}

void MainFrameTest::SetUp()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
    SetProgramFolder(folder.Path().c_str());
    SetOption("AutoCheckOnStart", 0);
    SetOption("TreeWidth", 200);
    SetOption("FrameWidth", 5000);
    CreateFrame();
}

void MainFrameTest::TearDown()
{
    DestroyFrame();
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
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
}
