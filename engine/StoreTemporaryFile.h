#pragma once
// Temporary files of store saves. A save writes the whole store into a temporary file beside
// it and then moves that file over the store, so that a save cut short leaves the old store
// whole. The temporary file is named after the store, "<store file name>.~twk<4 hex digits>.tmp"
// (for "conf.xml" for example "conf.xml.~twk01AF.tmp"), so that the next save of the same store
// can tell the files that interrupted saves left from everything else in the folder:
//
//   RemoveStoreLeftovers(storePath);
//   CString temporary = CreateStoreTemporaryFile(storePath);
//   ... write the store into temporary, then move it over storePath ...
#include "framework/core/CString.h"

// Creates a new, empty temporary file for the store at the full path storePath and gives its
// full path; "" when none can be made (no such folder, no room, no right to write).
CString CreateStoreTemporaryFile(const CString& storePath);

// Deletes the temporary files of the store at the full path storePath that earlier saves left.
// A file that is still open (a save in progress in another process) stays.
void RemoveStoreLeftovers(const CString& storePath);

// Whether fileName (without folder) is the name of a temporary file of the store named storeName.
bool IsStoreTemporaryName(const char* fileName, const char* storeName);
