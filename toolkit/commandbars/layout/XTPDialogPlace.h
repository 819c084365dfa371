#pragma once
// Where a dialog of the command bars opens: centred over the window that
// owns it, as the system places a program's dialogs, and moved (not resized)
// onto the work area of the owner's monitor, so that an owner partly off the
// screen or near its edge leaves the dialog whole on the screen.
//
//     const CRect rcOwner = ...;   // the owner's window rectangle
//     CRect rcDialog = XTPCenterOverOwner(rcDialog.Size(), rcOwner, XTPMultiMonitor()->GetWorkArea(rcOwner));
#include "framework/Core.h"

// A rectangle of the size centred over rcOwner, then moved inside
// rcWorkArea; one wider or higher than the work area is aligned with its
// left or top edge.
CRect XTPCenterOverOwner(CSize size, const CRect& rcOwner, const CRect& rcWorkArea);
