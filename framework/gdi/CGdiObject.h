#pragma once
// CGdiObject: the owner of one GDI object handle (pen, brush, font, bitmap,
// region). The object deletes its handle when it is destroyed, unless the
// handle was detached first. FromHandle gives a temporary wrapper for a
// handle no object owns; temporaries live until the next idle time.
#include "framework/core/CObject.h"

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject;

    CGdiObject();
    virtual ~CGdiObject();

    // Both answer NULL when called through a NULL pointer, which callers
    // rely on ("pFont->GetSafeHandle()" for an optional font).
    operator HGDIOBJ() const { return GetSafeHandle(); }
    HGDIOBJ GetSafeHandle() const;

    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();
    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;

    BOOL operator==(const CGdiObject& other) const { return m_hObject == other.m_hObject; }
    BOOL operator!=(const CGdiObject& other) const { return m_hObject != other.m_hObject; }

private:
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
};
