#pragma once
// The framework's objects, runtime classes, strings, geometry, collections, files, archives, exceptions.
#include "framework/AfxBase.h"
#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/CException.h"
#include "framework/CRect.h"
#include "framework/CHandleMap.h"
#include "framework/CArray.h"
#include "framework/CList.h"
#include "framework/CMap.h"
