#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPStartup.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The steps run before any constructor of default priority: the trace is
// plain data.
char g_trace[64];
int g_nTraceLength;
int g_nStartsFindingClass;

// A step that adds its letter to the trace.
template <char ch>
void Trace()
{
    if (g_nTraceLength < (int)sizeof(g_trace) - 1)
        g_trace[g_nTraceLength++] = ch;
}

class CStartupCreatable : public CObject
{
    DECLARE_DYNCREATE(CStartupCreatable)
public:
    CStartupCreatable() { ++s_nInstances; }
    static int s_nInstances;
};
IMPLEMENT_DYNCREATE(CStartupCreatable, CObject)
int CStartupCreatable::s_nInstances = 0;

void FindClassByName()
{
    if (CRuntimeClass::FromName("CStartupCreatable") == RUNTIME_CLASS(CStartupCreatable))
        ++g_nStartsFindingClass;
}

// Added out of order on purpose; D has no exit, C has no start.
XTP_STARTUP_ENTRY(TestB, xtpStartupImageManager + 5, Trace<'b'>, Trace<'B'>);
XTP_STARTUP_ENTRY(TestD, xtpStartupDialogBarClass + 5, Trace<'d'>, NULL);
XTP_STARTUP_ENTRY(TestA, xtpStartupThemeManager - 5, Trace<'a'>, Trace<'A'>);
XTP_STARTUP_ENTRY(TestC, xtpStartupUnsetRect + 5, NULL, Trace<'C'>);
XTP_STARTUP_CLASSES(TestClasses, xtpStartupBarClasses, XTP_STARTUP_CLASS(CStartupCreatable));
XTP_STARTUP_ENTRY(TestFind, xtpStartupBarClasses + 1, FindClassByName, NULL);

std::string TraceText()
{
    return std::string(g_trace, g_nTraceLength);
}

// The trace as the steps left it before main: objects of default priority are
// constructed after the steps (later tests shut down and run them again).
const std::string g_traceBeforeMain = TraceText();

struct StartupTest : ::testing::Test
{
    void TearDown() override
    {
        XTPWithholdOptionalLibrary("msimg32.dll", FALSE);
        XTPWithholdOptionalLibrary("UxTheme.dll", FALSE);
        CXTPStartup::Shutdown();
        CXTPStartup::Run();
    }
};

TEST_F(StartupTest, StepsRunInOrderAndExitInReverse)
{
    EXPECT_TRUE(CXTPStartup::IsRunning());
    EXPECT_EQ("abd", g_traceBeforeMain);
    int nPrevious = -1;
    for (CXTPStartupEntry* pEntry = CXTPStartup::GetFirstEntry(); pEntry; pEntry = pEntry->GetNext())
    {
        EXPECT_LE(nPrevious, pEntry->GetOrder());
        nPrevious = pEntry->GetOrder();
    }
    g_nTraceLength = 0;
    CXTPStartup::Shutdown();
    EXPECT_EQ("CBA", TraceText());
    EXPECT_FALSE(CXTPStartup::IsRunning());
    CXTPStartup::Shutdown(); // nothing is due twice
    EXPECT_EQ("CBA", TraceText());
    CXTPStartup::Run();
    CXTPStartup::Run(); // runs once
    EXPECT_EQ("CBAabd", TraceText());
}

// The names other programs and the shell share.
TEST_F(StartupTest, SharedNamesAreRegistered)
{
    EXPECT_EQ(std::vector<UINT>({::RegisterWindowMessageA("TaskbarCreated"),
                                 ::RegisterClipboardFormatA("TaskPanelGroupItem"),
                                 ::RegisterClipboardFormatA("Vurari ToolBar Image"),
                                 ::RegisterClipboardFormatA("Alpha Bitmap Image")}),
              std::vector<UINT>({WM_TASKBARCREATED, TaskPanelClipboardFormat, XTPImageManagerClipboardFormat,
                                 XTPAlphaBitmapClipboardFormat}));
}

TEST_F(StartupTest, ClassesAreFoundByNameBeforeAnyInstance)
{
    EXPECT_GE(g_nStartsFindingClass, 1); // a later step found it by name, before any instance
    int nInstances = CStartupCreatable::s_nInstances;
    CRuntimeClass* pClass = CRuntimeClass::FromName("CStartupCreatable");
    ASSERT_EQ(RUNTIME_CLASS(CStartupCreatable), pClass);
    delete pClass->CreateObject();
    EXPECT_EQ(nInstances + 1, CStartupCreatable::s_nInstances);
}

TEST_F(StartupTest, ARunWithoutTheOptionalLibrariesLeavesTheirFeaturesOff)
{
    CXTPStartup::Shutdown();
    XTPWithholdOptionalLibrary("msimg32.dll", TRUE);
    XTPWithholdOptionalLibrary("UxTheme.dll", TRUE);
    CXTPStartup::Run();
    EXPECT_TRUE(CXTPStartup::IsRunning());
    EXPECT_FALSE(XTPDrawHelpers()->IsGradientFillAvailable());
    EXPECT_EQ((HMODULE)NULL, XTPUxThemeModule()->GetLibrary());

    XTPWithholdOptionalLibrary("msimg32.dll", FALSE);
    XTPWithholdOptionalLibrary("UxTheme.dll", FALSE);
    CXTPStartup::Shutdown();
    CXTPStartup::Run();
    EXPECT_TRUE(XTPDrawHelpers()->IsGradientFillAvailable());
    EXPECT_NE((HMODULE)NULL, XTPUxThemeModule()->GetLibrary());
}

} // namespace
