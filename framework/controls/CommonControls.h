#pragma once
// Registration of the common-control window classes before their first use.
#include "framework/core/AfxBase.h"

// Registers the classes of the ICC_ groups in dwClasses once per process;
// FALSE when the system refuses.
BOOL AfxEnsureCommonControls(DWORD dwClasses);
