#pragma once
// CXTPControlRecentFileList: the placeholder (command 57616 in menus, 35003
// through CXTPControls::Add) that expands into the application's recent
// files: "&1 news.dat", "&2 C:\Old\watch.dat"... numbered from the list's
// first number, the tenth as "&0". Files in the current folder show without
// path; an "&" in a name shows as itself, not as a mnemonic. With no recent
// file the placeholder stands disabled.
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlRecentFileList : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlRecentFileList)
public:
    // The command id of the first recent file; entry i has this id + i.
    static const int kFirstFileId = 57616;

    // Replaces the previous items by the application's current list.
    void OnCalcDynamicSize(DWORD dwMode) override;
    // Menus only: TRUE on a popup bar.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;

    // The name with every "&" doubled (a double-byte character's two bytes
    // are copied together, so a trail byte is never taken for an "&").
    static CString DoubleAmpersands(const CString& strName);
    // "&<n> <name>" with n = (nIndex + 1 + nFirstNumber) mod 10.
    static CString FormatItemCaption(int nIndex, UINT nFirstNumber, const CString& strDisplayName);
};
