#include "toolkit/controls/XTModuleHolder.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"

CXTModuleHolder::CXTModuleHolder(LPCTSTR lpszModule) : m_hModule(NULL)
{
    LoadModule(lpszModule);
}

CXTModuleHolder::~CXTModuleHolder()
{
    ReleaseModule();
}

void CXTModuleHolder::ReleaseModule()
{
    if (m_hModule != NULL)
        ::FreeLibrary(m_hModule);
    m_hModule = NULL;
}

void CXTModuleHolder::LoadModule(LPCTSTR lpszModule)
{
    ReleaseModule();
    if (lpszModule != NULL)
        m_hModule = ::LoadLibraryA(lpszModule);
}

static_assert(sizeof(DLLVERSIONINFO) == 20, "the version record of the shell's layout");

DWORD CXTModuleHolder::GetDllVersion() const
{
    if (m_hModule == NULL)
        return 0;
    DLLGETVERSIONPROC pfnGetVersion =
        reinterpret_cast<DLLGETVERSIONPROC>(XTPGetOptionalProc(m_hModule, "DllGetVersion"));
    if (pfnGetVersion == NULL)
        return 0;
    DLLVERSIONINFO info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    if (FAILED(pfnGetVersion(&info)))
        return 0;
    return (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
}
