#pragma once
// COleDropSource: decides, during a drag run by COleDataSource::DoDragDrop, when the drag ends
// and which cursor shows. The default drops when the mouse button that started the drag is let
// go and cancels on Esc or when the other button is pressed.
#include "framework/window/CCmdTarget.h"
#include "framework/core/CRect.h"
#include "framework/controls/COleDataObject.h"

class CWnd;

class COleDropSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource();

    // S_OK to go on, DRAGDROP_S_DROP to drop, DRAGDROP_S_CANCEL to stop.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    // DRAGDROP_S_USEDEFAULTCURSORS, or S_OK after setting a cursor of one's own.
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // Waits, with the mouse captured by pWnd, until the mouse leaves m_rectStartDrag (screen
    // coordinates) or the drag delay passes; FALSE when the button is let go or Esc is pressed
    // first.
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    // The IDropSource of this object, not add-referenced.
    LPDROPSOURCE GetDropSource();

    CRect m_rectStartDrag;
    BOOL m_bDragStarted;
    DWORD m_dwButtonCancel; // MK_ flag of the button that cancels
    DWORD m_dwButtonDrop;   // MK_ flag of the button that drops when let go

protected:
    struct XDropSource : public IDropSource
    {
        COleDropSource* m_pOwner;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(QueryContinueDrag)(BOOL fEscapePressed, DWORD grfKeyState) override;
        STDMETHOD(GiveFeedback)(DWORD dwEffect) override;
    } m_xDropSource;
};
