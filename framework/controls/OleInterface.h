#pragma once
// Shared by the framework's COM faces (data source, drop source, drop target): each object
// offers IUnknown and one interface of its own.
#include <ole2.h>

template <class TInterface>
HRESULT OleQueryOwnInterface(TInterface* pThis, REFIID riid, REFIID iidOwn, void** ppv)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, iidOwn))
    {
        *ppv = pThis;
        pThis->AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}
