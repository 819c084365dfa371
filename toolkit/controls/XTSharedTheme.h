#pragma once
// The theme a theme factory shares with every control of its family that
// holds no private theme: read it, or set it by theme id or as an object.
// The controls' static theme functions (CXTHeaderCtrl::SetSharedTheme,
// CXTSplitterWnd::SetTheme, ...) forward here with their factory class:
//
//   CXTSplitterTheme* pTheme = XTSharedTheme<CXTSplitterTheme>(RUNTIME_CLASS(CXTSplitterThemeFactory));
//   XTSetSharedTheme(RUNTIME_CLASS(CXTSplitterThemeFactory), 2);
#include "toolkit/foundation/XTThemeManager.h"

// The factory's shared theme as TTheme; NULL when there is no such factory.
template <class TTheme>
TTheme* XTSharedTheme(CRuntimeClass* pFactoryClass)
{
    CXTThemeManagerStyleFactory* pFactory = XTThemeManager()->GetFactory(pFactoryClass);
    return pFactory != NULL ? static_cast<TTheme*>(pFactory->GetSafeTheme()) : NULL;
}

// Makes the factory's shared theme the theme of id nTheme.
inline void XTSetSharedTheme(CRuntimeClass* pFactoryClass, int nTheme)
{
    if (CXTThemeManagerStyleFactory* pFactory = XTThemeManager()->GetFactory(pFactoryClass))
        pFactory->SetTheme(nTheme);
}

// Hands pTheme to the factory as its shared theme; without a factory nobody
// would own it, so it is deleted.
inline void XTSetSharedTheme(CRuntimeClass* pFactoryClass, CXTThemeManagerStyle* pTheme)
{
    if (CXTThemeManagerStyleFactory* pFactory = XTThemeManager()->GetFactory(pFactoryClass))
        pFactory->SetTheme(pTheme);
    else
        delete pTheme;
}
