#pragma once
// CCommonDialog: the base of the system's common dialogs (open and save file, colour). DoModal
// runs the system's dialog owned by the parent window (or the main window) and returns IDOK or
// IDCANCEL.
#include "framework/window/CDialog.h"
#include <commdlg.h>
#include <vector>

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    // The window that owns the dialog while it runs.
    HWND GetOwnerHwnd() const;
};

class CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: pairs of description and pattern separated by '|' ("XML File|*.xml|All
    // Files|*.*||").
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                         CWnd* pParentWnd = NULL);

    INT_PTR DoModal() override;

    // The chosen path, its last part, that part without extension, and the extension.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileTitle() const;
    CString GetFileExt() const;

    OPENFILENAME m_ofn;

protected:
    BOOL m_bOpenFileDialog;
    std::vector<TCHAR> m_filter;
    CString m_strDefExt;
    TCHAR m_szFileName[MAX_PATH];
    TCHAR m_szFileTitle[MAX_PATH];
};

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // The sixteen custom colours every colour dialog of the program shares.
    static COLORREF* PASCAL GetSavedCustomColors();

    CHOOSECOLOR m_cc;
};
