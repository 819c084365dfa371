#include "CommandBarsTestSupport.h"

#include "toolkit/foundation/XTPPropExchangeArchive.h"

#include <shlwapi.h>

int CFixedSizePaintManager::CaptionWidth(const CString& strCaption)
{
    CString strText = strCaption;
    StripMnemonics(strText);
    return 10 + 6 * strText.GetLength();
}

CSize CFixedSizePaintManager::DrawControlPopupParent(CDC*, CXTPControl* pControl, BOOL)
{
    return CSize(CaptionWidth(pControl->GetCaption()), kHeight);
}

CSize CFixedSizePaintManager::DrawControlToolBarParent(CDC*, CXTPControl* pControl, BOOL)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar != NULL && pBar->GetType() == xtpBarTypeMenuBar)
        return CSize(CaptionWidth(pControl->GetCaption()), kHeight);
    return CSize(kButton, kHeight);
}

void CFixedSizePaintManager::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(&rc);
    pDC->FillSolidRect(rc, RGB(255, 255, 255));
}

CSize CFixedSizePaintManager::DrawCommandBarGripper(CDC*, CXTPCommandBar* pBar, BOOL)
{
    if (pBar->IsDialogBar())
        return DrawControlGripper(NULL, pBar, FALSE);
    XTPBarPosition position = pBar->GetPosition();
    if (position == xtpBarFloating)
        return CSize(0, kCaption);
    if (position == xtpBarLeft || position == xtpBarRight)
        return CSize(0, kGripper);
    return CSize(kGripper, 0);
}

BEGIN_MESSAGE_MAP(CCommandBarsFrame, CTestFrame)
ON_WM_CREATE()
ON_WM_GETMINMAXINFO()
// Exit stays without a handler.
ON_COMMAND_RANGE(ID_TEST_NEW, ID_TEST_OPEN, OnTestCommand)
ON_COMMAND_RANGE(ID_TEST_COPY, ID_TEST_HELP, OnTestCommand)
ON_UPDATE_COMMAND_UI(ID_TEST_OPEN, OnUpdateTestCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_TEST_COPY, ID_TEST_BOLD, OnUpdateTestCommand)
ON_MESSAGE(WM_XTP_CONTROL_EXECUTE, OnControlExecute)
ON_MESSAGE(WM_XTP_CREATE_CONTROL, OnCreateControl)
ON_MESSAGE(WM_XTP_CREATECOMMANDBAR, OnCreateCommandBar)
ON_MESSAGE(WM_XTP_INITPOPUP, OnInitPopup)
ON_MESSAGE(WM_XTP_UNINITPOPUP, OnUninitPopup)
END_MESSAGE_MAP()

CCommandBarsFrame::CCommandBarsFrame()
    : m_pCommandBars(NULL), m_nExecuteAnswer(0), m_lastExecute(), m_bCopyEnabled(TRUE), m_bBoldChecked(FALSE),
      m_nReplaceId(0), m_nUpdates(0), m_pLastPopup(NULL)
{}

CCommandBarsFrame::~CCommandBarsFrame()
{
    if (m_pCommandBars != NULL)
        m_pCommandBars->InternalRelease();
}

int CCommandBarsFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTestFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_wndPane.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this,
                       AFX_IDW_PANE_FIRST);
    return 0;
}

void CCommandBarsFrame::BuildBars()
{
    m_pCommandBars = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
    m_pCommandBars->SetPaintManager(new CFixedSizePaintManager);
    m_pCommandBars->SetSite(this);
    m_pCommandBars->EnableDocking();
    m_pCommandBars->SetMenu("Menu Bar", IDR_TEST_MENU);
    CXTPToolBar* pToolBar = m_pCommandBars->Add("Standard", xtpBarTop);
    if (pToolBar != NULL)
        pToolBar->LoadToolBar(IDR_TEST_TOOLBAR);
    RecalcLayout();
}

void CCommandBarsFrame::SetClientWidth(int cx)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    SetWindowPos(NULL, 0, 0, rcWindow.Width() + cx - rcClient.Width(), rcWindow.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout();
}

BOOL CCommandBarsFrame::PreTranslateMessage(MSG* pMsg)
{
    if (m_pCommandBars != NULL && m_pCommandBars->PreTranslateFrameMessage(pMsg))
        return TRUE;
    return CTestFrame::PreTranslateMessage(pMsg);
}

BOOL CCommandBarsFrame::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pCommandBars != NULL && m_pCommandBars->OnFrameWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    return CTestFrame::OnWndMsg(message, wParam, lParam, pResult);
}

void CCommandBarsFrame::OnTestCommand(UINT nID)
{
    static const char* const names[] = {"new", "open", "exit", "copy", "bold", "help"};
    m_log.push_back(std::string("command ") + names[nID - ID_TEST_NEW]);
    if (nID == ID_TEST_NEW && m_onNew)
        m_onNew();
}

void CCommandBarsFrame::OnUpdateTestCommand(CCmdUI* pCmdUI)
{
    m_nUpdates++;
    if (pCmdUI->m_nID == ID_TEST_COPY)
        pCmdUI->Enable(m_bCopyEnabled);
    else if (pCmdUI->m_nID == ID_TEST_BOLD)
        pCmdUI->SetCheck(m_bBoldChecked);
    else if (!m_strOpenText.IsEmpty())
        pCmdUI->SetText(m_strOpenText);
}

LRESULT CCommandBarsFrame::OnControlExecute(WPARAM wParam, LPARAM lParam)
{
    m_lastExecute = *(ControlExecuteNotify*)lParam;
    char text[64];
    wsprintfA(text, "execute %u code %u", (UINT)wParam, m_lastExecute.hdr.code);
    m_log.push_back(text);
    return m_nExecuteAnswer;
}

LRESULT CCommandBarsFrame::OnCreateControl(WPARAM, LPARAM lParam)
{
    CreateControlRequest* pRequest = (CreateControlRequest*)lParam;
    if (pRequest->nID != m_nReplaceId)
        return 0;
    CXTPControlPopup* pPopup = (CXTPControlPopup*)RUNTIME_CLASS(CXTPControlPopup)->CreateObject();
    pPopup->SetType(xtpControlButtonPopup);
    pPopup->SetCaption(CString("Replaced"));
    pRequest->pControl = pPopup;
    return TRUE;
}

LRESULT CCommandBarsFrame::OnCreateCommandBar(WPARAM, LPARAM lParam)
{
    CreateCommandBarRequest* pRequest = (CreateCommandBarRequest*)lParam;
    m_barRequests.push_back(pRequest->lpcstrCaption != NULL ? pRequest->lpcstrCaption : "(null)");
    if (!m_strBarCaptionAnswer.IsEmpty())
        pRequest->lpcstrCaption = m_strBarCaptionAnswer;
    return 0;
}

LRESULT CCommandBarsFrame::OnInitPopup(WPARAM, LPARAM lParam)
{
    m_pLastPopup = (CXTPCommandBar*)lParam;
    m_log.push_back(std::string("init popup ") + (LPCTSTR)((CXTPCommandBar*)lParam)->GetTitle());
    return 0;
}

LRESULT CCommandBarsFrame::OnUninitPopup(WPARAM, LPARAM lParam)
{
    m_log.push_back(std::string("closed popup ") + (LPCTSTR)((CXTPCommandBar*)lParam)->GetTitle());
    return 0;
}

BOOL CPaintCounter::Create(CWnd* pParent, CPoint pt)
{
    const CRect rc(pt, CSize(20, 20));
    if (!CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD | WS_VISIBLE, rc, pParent, 1))
        return FALSE;
    // Painted at once: a pump could wait on mouse input a tracking menu swallows.
    UpdateWindow();
    m_nPaints = 0;
    return TRUE;
}

LRESULT CPaintCounter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        ::BeginPaint(m_hWnd, &ps);
        ::EndPaint(m_hWnd, &ps);
        m_nPaints++;
        return 0;
    }
    case kInvalidate:
        Invalidate();
        return 0;
    case kPing:
        m_nPaintsAtPing = m_nPaints;
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CommandBarsTest::Prepare()
{
    frame->BuildBars();
    frame->m_log.clear();
}

void CommandBarsTest::TearDown()
{
    XTPMouseManager()->SendTrackLost();
    FrameTest::TearDown();
}

void CommandBarsTest::Click(CXTPControl* pControl, int dx)
{
    const CPoint pt = pControl->GetRect().CenterPoint();
    CWnd* pBar = frame->GetToolBar();
    if (dx != 0)
        pBar->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x + dx, pt.y));
    pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x + dx, pt.y));
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PumpPending();
}

void PopupBarTest::Prepare()
{
    CommandBarsTest::Prepare();
    m_pPopup = CXTPPopupBar::CreatePopupBar(frame->m_pCommandBars);
    m_pPopup->GetControls()->Add(xtpControlButton, ID_TEST_NEW)->SetCaption(CString("New"));
    m_pPopup->GetControls()->Add(xtpControlButton, ID_TEST_OPEN)->SetCaption(CString("Open"));
}

void PopupBarTest::TearDown()
{
    m_pPopup->SetTrackingMode(xtpTrackingOff);
    m_pPopup->InternalRelease();
    CommandBarsTest::TearDown();
}

CXTPCommandBars* CreateMdiFrameWithBars(CMDIFrameWnd*& pFrame)
{
    pFrame = new CMDIFrameWnd;
    EXPECT_TRUE(pFrame->Create(NULL, "mdi", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 340)));
    CXTPCommandBars* pBars = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
    pBars->SetPaintManager(new CFixedSizePaintManager);
    pBars->SetSite(pFrame);
    pBars->EnableDocking();
    return pBars;
}

void StoreBarExchange(CXTPCommandBar* pBar, CMemFile& file)
{
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        pBar->DoPropExchange(&px);
    }
    file.SeekToBegin();
}

void LoadBarExchange(CXTPCommandBar* pBar, CMemFile& file)
{
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    pBar->DoPropExchange(&px);
}

CRegistryTestApp::CRegistryTestApp(LPCTSTR lpszCompany) : CWinApp(lpszCompany), m_strCompany(lpszCompany)
{
    SetRegistryKey(lpszCompany);
}

CRegistryTestApp::~CRegistryTestApp()
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + m_strCompany);
}
