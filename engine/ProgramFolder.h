#pragma once
// The folder of the running executable, without a trailing backslash. The
// application sets it once at start-up, before any window exists; the store
// file "conf.xml" lives there.
#include "framework/core/CString.h"

CString ProgramFolder();
void SetProgramFolder(const char* folder);
// Sets it from the executable's full path.
void SetProgramFolderFromModule();
// A module path cut at its last backslash; "" when it has none.
CString FolderOfModulePath(const char* modulePath);
