#pragma once
// CXTPTaskPanelDropTarget: the OLE drop target of a task panel's window.
// It hands drag-over, drag-leave and drop to the panel it is registered for
// (CXTPTaskPanel::OnDragOver, OnDrop); for any other window it accepts
// nothing. Drag enter keeps the framework's answer (no effect): the first
// drag-over computes the effect.
#include "framework/Controls.h"

class CXTPTaskPanelDropTarget : public COleDropTarget
{
public:
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
};
