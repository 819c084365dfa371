#include "toolkit/commandbars/state/XTPDockState.h"

#include "toolkit/commandbars/docking/XTPBarTracker.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/docking/XTPDialogBar.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/state/XTPStoredPlace.h"
#include "toolkit/foundation/XTPPropExchange.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {
const int kNoWidth = 32767;

CString SectionName(LPCTSTR lpszFormat, LPCTSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format(lpszFormat, lpszProfileName, nIndex);
    return strSection;
}

// Multiplies, then divides, rounding to the nearest whole number.
int MulDivRounded(int nValue, int nNumerator, int nDenominator)
{
    return (int)::MulDiv(nValue, nNumerator, nDenominator);
}
} // namespace

// ---- CXTPBarInfo -------------------------------------------------------------------

CXTPBarInfo::CXTPBarInfo()
    : m_nBarID(0), m_bVisible(FALSE), m_bFloating(FALSE), m_pointPos(-1, -1), m_nMRUWidth(kNoWidth),
      m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0), m_ptMRUFloatPos(0, 0), m_pBar(NULL), m_bDialogBar(FALSE),
      m_szDialogBarDockingClient(200, 200), m_szDialogBarFloatingClient(200, 200)
{}

void CXTPBarInfo::GetBarInfo(CXTPToolBar* pBar)
{
    m_pBar = pBar;
    m_nBarID = pBar->GetBarID();
    m_bVisible = pBar->IsVisible();
    m_bFloating = pBar->GetPosition() == xtpBarFloating;
    m_nMRUWidth = pBar->GetWidth();
    m_bDialogBar = pBar->IsDialogBar();
    CXTPDockBar* pDockBar = pBar->GetDockBar();
    // The dock bar it was last docked in: a floating bar remembers it.
    CXTPDockBar* pMRUDockBar = pDockBar;
    CXTPCommandBars* pCommandBars = pBar->GetCommandBars();
    if (pBar->GetBarTracker() != NULL && pCommandBars != NULL)
    {
        const int nPosition = pBar->GetBarTracker()->GetLastDockPosition();
        if (nPosition >= xtpBarTop && nPosition <= xtpBarRight)
            pMRUDockBar = pCommandBars->GetDockBar(nPosition);
    }
    m_uMRUDockID = pMRUDockBar != NULL && pMRUDockBar->m_hWnd != NULL ? (UINT)pMRUDockBar->GetDlgCtrlID() : 0;
    if (pBar->m_hWnd != NULL)
    {
        CRect rcWindow;
        pBar->GetWindowRect(&rcWindow);
        if (pDockBar != NULL && !m_bFloating)
            pDockBar->ScreenToClient(&rcWindow);
        m_pointPos = rcWindow.TopLeft();
    }
    if (pBar->GetBarTracker() != NULL)
    {
        m_rectMRUDockPos = pBar->GetBarTracker()->GetDockedRect();
        m_ptMRUFloatPos = pBar->GetBarTracker()->GetFloatingPoint();
    }
    CXTPDialogBar* pDialogBar = DYNAMIC_DOWNCAST(CXTPDialogBar, pBar);
    if (pDialogBar != NULL)
    {
        m_szDialogBarDockingClient = pDialogBar->GetDockingClientSize();
        m_szDialogBarFloatingClient = pDialogBar->GetFloatingClientSize();
    }
}

void CXTPBarInfo::SetBarInfo(CXTPToolBar* pBar)
{
    pBar->SetWidth(m_nMRUWidth);
    // A dialog bar takes client sizes it can show: none below its minimum.
    CXTPDialogBar* pDialogBar = DYNAMIC_DOWNCAST(CXTPDialogBar, pBar);
    if (pDialogBar != NULL && m_bDialogBar)
    {
        const CSize szMin = pDialogBar->GetMinimumClientSize();
        if (m_szDialogBarDockingClient.cx >= szMin.cx && m_szDialogBarDockingClient.cy >= szMin.cy)
            pDialogBar->SetDockingClientSize(m_szDialogBarDockingClient);
        if (m_szDialogBarFloatingClient.cx >= szMin.cx && m_szDialogBarFloatingClient.cy >= szMin.cy)
            pDialogBar->SetFloatingClientSize(m_szDialogBarFloatingClient);
    }
    CXTPBarTracker* pTracker = pBar->GetBarTracker();
    if (pTracker != NULL)
    {
        pTracker->SetDockedRect(m_rectMRUDockPos);
        pTracker->SetFloatingPoint(m_ptMRUFloatPos);
        CXTPCommandBars* pCommandBars = pBar->GetCommandBars();
        for (int i = 0; pCommandBars != NULL && i < 4; i++)
        {
            CXTPDockBar* pDockBar = pCommandBars->GetDockBar(i);
            if (pDockBar != NULL && pDockBar->m_hWnd != NULL
                && (UINT)pDockBar->GetDlgCtrlID() == m_uMRUDockID)
                pTracker->SetLastDockPosition(pDockBar->GetPosition());
        }
    }
    if (pBar->m_hWnd != NULL)
    {
        UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE;
        if (m_bFloating)
        {
            // Floating: its own layout gives the size, moved onto the work area.
            pBar->PlaceFloating(m_pointPos);
            nFlags |= SWP_NOMOVE;
        }
        else if (pBar->GetDockBar() == NULL)
            nFlags |= SWP_NOMOVE;
        nFlags |= m_bVisible > 0 ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        pBar->SetWindowPos(NULL, m_pointPos.x, m_pointPos.y, 0, 0, nFlags);
    }
    pBar->SetVisible(m_bVisible > 0);
}

BOOL CXTPBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex)
{
    // Values left out load as their defaults.
    std::vector<std::pair<LPCTSTR, int>> values = {{"BarID", (int)m_nBarID}};
    if (!m_bVisible)
        values.push_back({"Visible", m_bVisible});
    if (m_bFloating)
        values.push_back({"Floating", m_bFloating});
    if (m_pointPos.x != -1)
        values.push_back({"XPos", m_pointPos.x});
    if (m_pointPos.y != -1)
        values.push_back({"YPos", m_pointPos.y});
    if (m_nMRUWidth != kNoWidth)
        values.push_back({"MRUWidth", m_nMRUWidth});
    values.insert(values.end(), {{"MRUDockID", (int)m_uMRUDockID},
                                 {"MRUDockLeftPos", m_rectMRUDockPos.left},
                                 {"MRUDockTopPos", m_rectMRUDockPos.top},
                                 {"MRUDockRightPos", m_rectMRUDockPos.right},
                                 {"MRUDockBottomPos", m_rectMRUDockPos.bottom},
                                 {"MRUFloatXPos", m_ptMRUFloatPos.x},
                                 {"MRUFloatYPos", m_ptMRUFloatPos.y},
                                 {"DialogBar", m_bDialogBar}});
    if (m_bDialogBar)
        values.insert(values.end(), {{"DialogBarDockingClientCx", m_szDialogBarDockingClient.cx},
                                     {"DialogBarDockingClientCy", m_szDialogBarDockingClient.cy},
                                     {"DialogBarFloatingClientCx", m_szDialogBarFloatingClient.cx},
                                     {"DialogBarFloatingClientCy", m_szDialogBarFloatingClient.cy}});

    CWinApp* pApp = AfxGetApp();
    CString strSection = SectionName("%s-Bar%d", lpszProfileName, nIndex);
    if (!pApp->WriteProfileString(strSection, NULL, NULL))
        return FALSE;
    for (const auto& value : values)
    {
        if (!pApp->WriteProfileInt(strSection, value.first, value.second))
            return FALSE;
    }
    return TRUE;
}

BOOL CXTPBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex, CXTPDockState* pDockState)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection = SectionName("%s-Bar%d", lpszProfileName, nIndex);
    // Every saved section holds its "BarID": without one there is none.
    const UINT nNoBar = (UINT)INT_MIN;
    m_nBarID = pApp->GetProfileInt(strSection, "BarID", INT_MIN);
    if (m_nBarID == nNoBar)
        return FALSE;
    m_bVisible = (BOOL)pApp->GetProfileInt(strSection, "Visible", TRUE);
    m_bFloating = (BOOL)pApp->GetProfileInt(strSection, "Floating", FALSE);
    m_pointPos.x = (int)pApp->GetProfileInt(strSection, "XPos", -1);
    m_pointPos.y = (int)pApp->GetProfileInt(strSection, "YPos", -1);
    m_nMRUWidth = (int)pApp->GetProfileInt(strSection, "MRUWidth", kNoWidth);
    m_uMRUDockID = pApp->GetProfileInt(strSection, "MRUDockID", 0);
    m_rectMRUDockPos.left = (int)pApp->GetProfileInt(strSection, "MRUDockLeftPos", 0);
    m_rectMRUDockPos.top = (int)pApp->GetProfileInt(strSection, "MRUDockTopPos", 0);
    m_rectMRUDockPos.right = (int)pApp->GetProfileInt(strSection, "MRUDockRightPos", 0);
    m_rectMRUDockPos.bottom = (int)pApp->GetProfileInt(strSection, "MRUDockBottomPos", 0);
    m_ptMRUFloatPos.x = (int)pApp->GetProfileInt(strSection, "MRUFloatXPos", 0);
    m_ptMRUFloatPos.y = (int)pApp->GetProfileInt(strSection, "MRUFloatYPos", 0);
    m_bDialogBar = (BOOL)pApp->GetProfileInt(strSection, "DialogBar", FALSE);
    m_szDialogBarDockingClient.cx =
        (int)pApp->GetProfileInt(strSection, "DialogBarDockingClientCx", m_szDialogBarDockingClient.cx);
    m_szDialogBarDockingClient.cy =
        (int)pApp->GetProfileInt(strSection, "DialogBarDockingClientCy", m_szDialogBarDockingClient.cy);
    m_szDialogBarFloatingClient.cx =
        (int)pApp->GetProfileInt(strSection, "DialogBarFloatingClientCx", m_szDialogBarFloatingClient.cx);
    m_szDialogBarFloatingClient.cy =
        (int)pApp->GetProfileInt(strSection, "DialogBarFloatingClientCy", m_szDialogBarFloatingClient.cy);
    pDockState->FitLoaded(*this);
    return TRUE;
}

void CXTPBarInfo::DoPropExchange(CXTPPropExchange* pPX, int nVersion)
{
    DWORD dwBarID = m_nBarID;
    PX_DWord(pPX, "BarId", dwBarID, 0);
    m_nBarID = dwBarID;
    PX_Bool(pPX, "Visible", m_bVisible, TRUE);
    PX_Bool(pPX, "Floating", m_bFloating, FALSE);
    PX_Int(pPX, "MRUWidth", m_nMRUWidth, kNoWidth);
    DWORD dwDockID = m_uMRUDockID;
    PX_DWord(pPX, "MRUDockPosition", dwDockID, 0);
    m_uMRUDockID = dwDockID;
    PX_Point(pPX, "PointPos", m_pointPos, CPoint(0, 0));
    PX_Rect(pPX, "MRUDockPos", m_rectMRUDockPos, CRect(0, 0, 0, 0));
    PX_Point(pPX, "MRUFloatPos", m_ptMRUFloatPos, CPoint(0, 0));
    if (nVersion < 7)
        return;
    PX_Bool(pPX, "DialogBar", m_bDialogBar, FALSE);
    if (m_bDialogBar)
    {
        PX_Size(pPX, "DialogBarDockingClientSize", m_szDialogBarDockingClient, CSize(0, 0));
        PX_Size(pPX, "DialogBarFloatingClientSize", m_szDialogBarFloatingClient, CSize(0, 0));
    }
}

// ---- CXTPDockState -----------------------------------------------------------------

CXTPDockState::CXTPDockState() : m_sizeSaved(0, 0), m_bScaling(FALSE), m_rcVirtualScreen(XTPGetVirtualScreen())
{
    SetCurrentScreen(CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
}

CXTPDockState::~CXTPDockState()
{
    Clear();
}

void CXTPDockState::Clear()
{
    for (CXTPBarInfo* pInfo : m_arrBarInfo)
        delete pInfo;
    m_arrBarInfo.clear();
}

void CXTPDockState::SetCurrentScreen(CRect rectDevice)
{
    m_rectDevice = rectDevice;
    m_ptMaxPos = CPoint(rectDevice.Width() - ::GetSystemMetrics(SM_CXICON),
                        rectDevice.Height() - ::GetSystemMetrics(SM_CYICON));
    SetScreenSize(m_sizeSaved);
}

void CXTPDockState::SetScreenSize(CSize size)
{
    m_sizeSaved = size;
    // A saved size no screen can have says nothing of the screen it came from.
    m_bScaling = size.cx > 0 && size.cy > 0 && size.cx <= kXTPMaxScreenSide && size.cy <= kXTPMaxScreenSide
                 && size != m_rectDevice.Size();
}

void CXTPDockState::SetVirtualScreen(CRect rcVirtualScreen)
{
    m_rcVirtualScreen = rcVirtualScreen;
}

void CXTPDockState::FitLoaded(CXTPBarInfo& info) const
{
    // Places on the screen may lie on the screen the state was saved on; once
    // scaled they lie where the next load, of a state saved on this screen,
    // keeps them. A docked bar's place and every remembered docked rectangle
    // are in a dock bar's client coordinates, whatever the screens.
    const CRect rcScreenLoaded = XTPStoredBounds(m_rcVirtualScreen, m_sizeSaved);
    const CRect rcScreenKept = XTPStoredBounds(m_rcVirtualScreen, m_rectDevice.Size());
    const CRect rcDocked = XTPDockedPlaceBounds();
    // A coordinate that was not saved (-1) stays missing whatever the scale.
    const CPoint ptPos = info.m_bFloating ? FitPoint(info.m_pointPos, rcScreenLoaded, rcScreenKept)
                                          : FitPoint(info.m_pointPos, rcDocked, rcDocked);
    if (info.m_pointPos.x != -1)
        info.m_pointPos.x = ptPos.x;
    if (info.m_pointPos.y != -1)
        info.m_pointPos.y = ptPos.y;
    info.m_rectMRUDockPos =
        XTPBoundStoredRect(ScaleRect(XTPBoundStoredRect(info.m_rectMRUDockPos, rcDocked)), rcDocked);
    info.m_ptMRUFloatPos = FitPoint(info.m_ptMRUFloatPos, rcScreenLoaded, rcScreenKept);
    if (!XTPIsStoredWidth(info.m_nMRUWidth))
        info.m_nMRUWidth = kNoWidth;
    // A client size no screen shows leaves the dialog bar its own.
    for (CSize* pSize : {&info.m_szDialogBarDockingClient, &info.m_szDialogBarFloatingClient})
    {
        if (!XTPIsStoredSizeInBounds(*pSize, m_rcVirtualScreen))
            *pSize = CSize(0, 0);
    }
}

CPoint CXTPDockState::FitPoint(CPoint point, const CRect& rcLoaded, const CRect& rcKept) const
{
    // Bounded before any arithmetic: stored values reach the ends of the range.
    return XTPBoundStoredPoint(ScalePoint(XTPBoundStoredPoint(point, rcLoaded)), rcKept);
}

CPoint CXTPDockState::ScalePoint(CPoint point) const
{
    if (!m_bScaling)
        return point;
    CSize sizeDevice = m_rectDevice.Size();
    point.x = MulDivRounded(point.x, sizeDevice.cx, m_sizeSaved.cx);
    point.y = MulDivRounded(point.y, sizeDevice.cy, m_sizeSaved.cy);
    point.x = std::min(point.x, m_ptMaxPos.x);
    point.y = std::min(point.y, m_ptMaxPos.y);
    return point;
}

CRect CXTPDockState::ScaleRect(CRect rect) const
{
    if (!m_bScaling)
        return rect;
    CPoint ptTopLeft = ScalePoint(rect.TopLeft());
    rect.OffsetRect(ptTopLeft - rect.TopLeft());
    rect.OffsetRect(std::min(0, (int)(m_ptMaxPos.x - rect.left)),
                    std::min(0, (int)(m_ptMaxPos.y - rect.top)));
    return rect;
}

BOOL CXTPDockState::SaveState(LPCTSTR lpszProfileName)
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (!m_arrBarInfo[i]->SaveState(lpszProfileName, i))
            return FALSE;
    }
    CWinApp* pApp = AfxGetApp();
    CString strSummary = SectionName("%s-Summary", lpszProfileName, 0);
    return pApp->WriteProfileInt(strSummary, "Bars", GetCount())
           && pApp->WriteProfileInt(strSummary, "ScreenCX", m_rectDevice.Width())
           && pApp->WriteProfileInt(strSummary, "ScreenCY", m_rectDevice.Height());
}

void CXTPDockState::EraseState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < kMaxBars; i++)
    {
        const CString strSection = SectionName("%s-Bar%d", lpszProfileName, i);
        if (pApp->GetProfileInt(strSection, "BarID", INT_MIN) == (UINT)INT_MIN)
            break;
        pApp->WriteProfileString(strSection, NULL, NULL);
    }
    pApp->WriteProfileString(SectionName("%s-Summary", lpszProfileName, 0), NULL, NULL);
}

void CXTPDockState::LoadState(LPCTSTR lpszProfileName)
{
    Clear();
    CWinApp* pApp = AfxGetApp();
    CString strSummary = SectionName("%s-Summary", lpszProfileName, 0);
    int nBars = (int)pApp->GetProfileInt(strSummary, "Bars", 0);
    CSize sizeSaved((int)pApp->GetProfileInt(strSummary, "ScreenCX", 0),
                    (int)pApp->GetProfileInt(strSummary, "ScreenCY", 0));
    SetScreenSize(sizeSaved);
    nBars = std::max(0, std::min(nBars, kMaxBars));
    // A count beyond the sections saved is damage: the sections there are read.
    for (int i = 0; i < nBars; i++)
    {
        CXTPBarInfo* pInfo = new CXTPBarInfo;
        if (!pInfo->LoadState(lpszProfileName, i, this))
        {
            delete pInfo;
            break;
        }
        Add(pInfo);
    }
}

void CXTPDockState::DoPropExchange(CXTPPropExchange* pPX)
{
    DWORD dwVersion = kVersion;
    if (pPX->IsLoading())
        dwVersion = 0;
    PX_DWord(pPX, "Version", dwVersion, 0);
    CSize sizeScreen = m_rectDevice.Size();
    PX_Size(pPX, "ScreenSize", sizeScreen, CSize(0, 0));
    if (pPX->IsLoading())
        SetScreenSize(sizeScreen);

    USHORT nCount = (USHORT)m_arrBarInfo.size();
    PX_UShort(pPX, "Count", nCount, 0);
    if (pPX->IsLoading())
    {
        Clear();
        nCount = (USHORT)std::min((int)nCount, kMaxBars);
    }
    for (int i = 0; i < (int)nCount; i++)
    {
        CString strSection;
        strSection.Format("BarInfo%i", i);
        // Loading reads the bar infos the data holds, up to the first missing.
        if (pPX->IsLoading() && !pPX->IsSectionExists(strSection))
            break;
        CXTPPropExchangeSectionPtr pSection(pPX->GetSection(strSection));
        if (pPX->IsLoading())
        {
            CXTPBarInfo* pInfo = new CXTPBarInfo;
            Add(pInfo);
            pInfo->DoPropExchange(pSection, (int)dwVersion);
            FitLoaded(*pInfo);
        }
        else
            m_arrBarInfo[i]->DoPropExchange(pSection, kVersion);
    }
}
