#pragma once
// The framework's device contexts, GDI objects, menus, image lists.
#include "framework/gdi/CGdiObject.h"
#include "framework/gdi/CPen.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CRgn.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CMenu.h"
#include "framework/gdi/CImageList.h"
