#pragma once
// The framework's device contexts, GDI objects, menus, image lists.
#include "framework/CGdiObject.h"
#include "framework/CPen.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CBitmap.h"
#include "framework/CRgn.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CImageList.h"
