#include "TestApp.h"
#include "TestIds.h"
#include <gtest/gtest.h>

CTestApp theApp;

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_TEST_ROUTE_ALL, OnRouteApp)
ON_COMMAND(ID_TEST_ROUTE_DOC, OnRouteApp)
ON_COMMAND(ID_TEST_ROUTE_FRAME, OnRouteApp)
ON_COMMAND(ID_TEST_ROUTE_APP, OnRouteApp)
END_MESSAGE_MAP()

int CTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
{
    m_messageBoxes.Add(lpszPrompt);
    return IDOK;
}

BOOL CTestApp::OnIdle(LONG lCount)
{
    m_idleCounts.Add(lCount);
    BOOL bMore = CWinApp::OnIdle(lCount);
    if (!bMore && m_bQuitWhenIdleDone)
        ::PostQuitMessage((int)m_idleCounts.GetSize());
    return bMore;
}

void CTestApp::OnRouteApp()
{
    m_lastCommand = "app";
}

void RunIdle()
{
    for (LONG count = 0; theApp.OnIdle(count); ++count)
    {}
}

int TakeQuitMessage()
{
    MSG msg;
    return ::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) ? (int)msg.wParam : -1;
}

int main(int argc, char** argv)
{
    AfxWinInit(::GetModuleHandleA(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
