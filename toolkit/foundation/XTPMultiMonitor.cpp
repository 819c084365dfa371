#include "toolkit/foundation/XTPMultiMonitor.h"

#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPStartup.h"

namespace {

// Holds entry points only; it lives until the process ends.
CXTPMultiMonitor* g_pMultiMonitor = NULL;

template <typename Fn>
void BindProc(Fn& pfn, HMODULE hModule, LPCSTR pszName)
{
    pfn = reinterpret_cast<Fn>(XTPGetOptionalProc(hModule, pszName));
}

CRect PrimaryWorkArea()
{
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    return rcWork;
}

} // namespace

CXTPMultiMonitor::CXTPMultiMonitor()
    : m_pfnGetSystemMetrics(NULL), m_pfnMonitorFromWindow(NULL), m_pfnMonitorFromRect(NULL),
      m_pfnMonitorFromPoint(NULL), m_pfnGetMonitorInfo(NULL), m_bInitialized(FALSE)
{}

void CXTPMultiMonitor::Bind()
{
    if (m_bInitialized)
        return;
    m_bInitialized = TRUE;
    HMODULE hUser = ::GetModuleHandleA("USER32");
    BindProc(m_pfnGetSystemMetrics, hUser, "GetSystemMetrics");
    BindProc(m_pfnMonitorFromWindow, hUser, "MonitorFromWindow");
    BindProc(m_pfnMonitorFromRect, hUser, "MonitorFromRect");
    BindProc(m_pfnMonitorFromPoint, hUser, "MonitorFromPoint");
    BindProc(m_pfnGetMonitorInfo, hUser, "GetMonitorInfoA");
    if (!m_pfnGetSystemMetrics || !m_pfnMonitorFromWindow || !m_pfnMonitorFromRect || !m_pfnMonitorFromPoint
        || !m_pfnGetMonitorInfo)
    {
        m_pfnGetSystemMetrics = NULL;
        m_pfnMonitorFromWindow = NULL;
        m_pfnMonitorFromRect = NULL;
        m_pfnMonitorFromPoint = NULL;
        m_pfnGetMonitorInfo = NULL;
    }
}

BOOL CXTPMultiMonitor::IsBound()
{
    Bind();
    return m_pfnGetMonitorInfo != NULL;
}

CRect CXTPMultiMonitor::WorkAreaOf(HMONITOR hMonitor)
{
    MONITORINFO info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    if (hMonitor != NULL && m_pfnGetMonitorInfo(hMonitor, &info))
        return CRect(info.rcWork);
    return PrimaryWorkArea();
}

CRect CXTPMultiMonitor::GetWorkArea(const RECT& rc)
{
    if (!IsBound())
        return PrimaryWorkArea();
    return WorkAreaOf(m_pfnMonitorFromRect(&rc, MONITOR_DEFAULTTONULL));
}

CRect CXTPMultiMonitor::GetWorkArea(HWND hWnd)
{
    if (!IsBound())
        return PrimaryWorkArea();
    return WorkAreaOf(m_pfnMonitorFromWindow(hWnd, MONITOR_DEFAULTTONULL));
}

CRect CXTPMultiMonitor::GetWorkArea(POINT pt)
{
    if (!IsBound())
        return PrimaryWorkArea();
    return WorkAreaOf(m_pfnMonitorFromPoint(pt, MONITOR_DEFAULTTONULL));
}

CXTPMultiMonitor* XTPMultiMonitor()
{
    if (g_pMultiMonitor == NULL)
        g_pMultiMonitor = new CXTPMultiMonitor;
    return g_pMultiMonitor;
}

namespace {

void BuildMultiMonitor()
{
    XTPMultiMonitor();
}

} // namespace

XTP_STARTUP_ENTRY(MultiMonitor, xtpStartupMultiMonitor, BuildMultiMonitor, NULL);
