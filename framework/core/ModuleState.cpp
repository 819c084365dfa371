#include "framework/core/ModuleState.h"
#include "framework/core/CString.h"

namespace {

HINSTANCE CurrentResourceHandle()
{
    return AfxGetResourceHandle();
}

AFX_MODULE_STATE& ModuleState()
{
    static AFX_MODULE_STATE state = {};
    if (state.m_hCurrentInstanceHandle == NULL)
    {
        state.m_hCurrentInstanceHandle = ::GetModuleHandleA(NULL);
        state.m_hCurrentResourceHandle = state.m_hCurrentInstanceHandle;
        CString::SetResourceHandleSource(&CurrentResourceHandle);
    }
    return state;
}

} // namespace

AFX_MODULE_STATE* AfxGetModuleState()
{
    return &ModuleState();
}

HINSTANCE AfxGetInstanceHandle()
{
    return ModuleState().m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle()
{
    return ModuleState().m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    ModuleState().m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hResource = AfxGetResourceHandle();
    if (::FindResourceA(hResource, lpszName, lpszType) != NULL)
        return hResource;
    return AfxGetInstanceHandle();
}

LPCTSTR AfxGetAppName()
{
    LPCTSTR name = ModuleState().m_lpszCurrentAppName;
    return name != NULL ? name : "";
}
