#pragma once
// Everything the framework offers; toolkit and program code include this.
#include "framework/Core.h"
#include "framework/Gdi.h"
#include "framework/Window.h"
#include "framework/Controls.h"
