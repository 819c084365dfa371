#pragma once
// The painter of a task-panel theme id (XTPTaskPanelPaintTheme): 0 the base
// painter, 1 to 12 the theme painters; any other id gives theme 2's.
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

CXTPTaskPanelPainter* XTPTaskPanelCreatePainter(int nTheme);
