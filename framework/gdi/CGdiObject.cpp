#include "framework/gdi/CGdiObject.h"
#include "framework/gdi/HandleOwnership.h"
#include "framework/gdi/CPen.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CRgn.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

// A temporary wrapper has the class of its handle's object, so that
// IsKindOf and the typed FromHandle functions tell the truth.
CGdiObject* NewWrapperFor(HGDIOBJ hObject)
{
    switch (::GetObjectType(hObject))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return new CPen;
    case OBJ_BRUSH:
        return new CBrush;
    case OBJ_FONT:
        return new CFont;
    case OBJ_BITMAP:
        return new CBitmap;
    case OBJ_REGION:
        return new CRgn;
    default:
        return new CGdiObject;
    }
}

CObject* NewTemporaryGdiObject(HANDLE hObject)
{
    CGdiObject* pObject = NewWrapperFor(hObject);
    pObject->m_hObject = hObject;
    return pObject;
}

void ClearTemporaryGdiObject(CObject* pObject)
{
    ((CGdiObject*)pObject)->m_hObject = NULL;
}

typedef HandleOwnership<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject, &NewTemporaryGdiObject,
                        &ClearTemporaryGdiObject>
    GdiObjectHandles;

} // namespace

CGdiObject::CGdiObject() : m_hObject(NULL)
{}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return GdiObjectHandles::SafeHandle(this);
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiObjectHandles::FromHandle(hObject);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    GdiObjectHandles::DeleteTempMap();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    return GdiObjectHandles::Attach(this, hObject, &CGdiObject::DeleteObject);
}

HGDIOBJ CGdiObject::Detach()
{
    return GdiObjectHandles::Detach(this);
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return ::GetObjectType(m_hObject);
}
