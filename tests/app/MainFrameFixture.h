#pragma once
// The main frame made as the document template makes it, over an empty store
// in a folder of its own and options without a start-up check, with helpers
// to set and read the options in the registry before or after the frame
// exists. Web addresses the frame opens are recorded, not opened, and the
// notification area is the recorder's (the test display has none).
#include "app/FrameOptions.h"
#include "app/MainFrame.h"
#include "app/WebAddress.h"
#include "ShellNotifyRecorder.h"
#include "tests/support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Writes a value below HKEY_CURRENT_USER\keyPath, making the key if need be.
void SetRegistryValue(LPCSTR keyPath, LPCSTR name, DWORD type, const void* data, DWORD size);
// Values of the program's options key.
void SetOption(LPCSTR name, DWORD value);
void SetTextOption(LPCSTR name, LPCSTR text);
// 0xFFFFFFFF when the value is missing or no REG_DWORD.
DWORD GetOption(LPCSTR name);

// Dispatches the thread's messages until the condition holds or the time
// runs out; answers the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// The check mark (0 or 1) the update handler of the command in pTarget asks
// for; -1 when it sets none.
int CheckOf(CCmdTarget* pTarget, UINT nID);
// The same for the enabled state.
int EnableOf(CCmdTarget* pTarget, UINT nID);

class MainFrameTest : public ::testing::Test
{
protected:
    // Clears the options and sets the test's own, then creates the frame.
    void SetUp() override;
    void TearDown() override;

    // The options and program folder of SetUp, without a frame.
    void PrepareOptions();
    // A new frame over the options as they stand now; `frame` becomes it.
    void CreateFrame();
    // Destroys the frame (which stores its theme) and clears `frame`.
    void DestroyFrame();

    TempFolder folder;
    ShellNotifyRecorder shell;
    CMainFrame* frame = NULL;
    // The web addresses the frame asked to open, in order.
    static std::vector<std::string> opened;

private:
    static void RecordAddress(LPCSTR lpszAddress, BrowserWindow) { opened.push_back(lpszAddress); }
    WebAddressOpener m_previousOpener = NULL;
};

// The keys of the application's profile that the command bars keep their
// state in: "<command bar profile>...", their options' among them.
std::vector<std::string> CommandBarStateKeys();

// A main frame whose saved bar state is forgotten before and after the
// case: the program keeps it in its profile for the next start, and the
// next test's.
class MainFrameBarStateTest : public MainFrameTest
{
public:
    static void ForgetBarState();

protected:
    void SetUp() override;
    void TearDown() override;
};
