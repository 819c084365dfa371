#pragma once
// A resource manager that takes strings, menus and dialogs from an INI file
// (sections "string", "menu" and "dialog", keys the decimal ids, values one
// line with \n between the lines of a menu or dialog text).
#include "toolkit/foundation/XTPResourceManager.h"

class CXTPResourceManagerIni : public CXTPResourceManager
{
public:
    explicit CXTPResourceManagerIni(LPCTSTR pszFileName);

    BOOL LoadString(CString* pString, UINT nIDResource) override;
    BOOL LoadMenu(CMenu* pMenu, UINT nIDResource) override;
    LPCDLGTEMPLATE LoadDialogTemplate(LPCTSTR pszTemplate) override;
    // The text of resource nID of the type; FALSE when the file has none.
    virtual BOOL GetResourceText(CString& strText, UINT nID, LPCTSTR pszType);

    // Builds a menu from menu text into pMenu; FALSE when the text does not parse.
    static BOOL CreateMenu(CMenu& menu, const CString& strText);
    // A dialog template (LocalAlloc'ed and locked) built from dialog text, or NULL.
    static LPDLGTEMPLATE CreateDialogTemplate(const CString& strText);

protected:
    // \n and \t as two characters become a newline and a tab.
    static void ExpandEscapes(CString& strText);

    CString m_strFileName;
};
