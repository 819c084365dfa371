#pragma once
// COleDropTarget: lets a window receive OLE drops. Register it for a window, then override the
// OnDrag... handlers; points arrive in the window's client coordinates. The base class accepts
// nothing: every effect is DROPEFFECT_NONE and OnDrop answers FALSE.
#include "framework/window/CCmdTarget.h"
#include "framework/controls/COleDataObject.h"
#include "framework/core/CRect.h"

class CWnd;

class COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget();
    virtual ~COleDropTarget();

    // Makes the window a drop target (OLE must be initialised on this thread); FALSE on failure.
    BOOL Register(CWnd* pWnd);
    // Stops the window being a drop target; done by the destructor too.
    virtual void Revoke();

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // Carries out a drop with the effect the last drag-over chose; TRUE when done.
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // A drop with the choice of effect left open: the effect carried out, or -1 to have OnDrop
    // called instead (the base answers -1).
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);

    HWND GetRegisteredWindow() const { return m_hWnd; }

protected:
    CPoint ClientPoint(POINTL ptScreen) const;
    CWnd* GetTargetWindow() const;
    HRESULT DragEnter(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect);
    HRESULT DragOver(DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect);
    HRESULT DragLeave();
    HRESULT Drop(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect);

    struct XDropTarget : public IDropTarget
    {
        COleDropTarget* m_pOwner;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(DragEnter)(LPDATAOBJECT, DWORD, POINTL, LPDWORD) override;
        STDMETHOD(DragOver)(DWORD, POINTL, LPDWORD) override;
        STDMETHOD(DragLeave)() override;
        STDMETHOD(Drop)(LPDATAOBJECT, DWORD, POINTL, LPDWORD) override;
    } m_xDropTarget;

    HWND m_hWnd;
    // The data of the drag in progress, between DragEnter and DragLeave or Drop.
    COleDataObject m_dataObject;
};
