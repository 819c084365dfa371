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

    // The deepest popups nest in menu text (the system's menu reader recurses per level, and
    // the system nests menus only about 30 deep), and the most controls a dialog template's
    // 16-bit count can say.
    enum
    {
        nMaxMenuDepth = 16,
        nMaxDialogItems = 0xFFFF
    };

    // Builds a menu from menu text into pMenu; FALSE when the text does not parse or nests
    // popups deeper than nMaxMenuDepth.
    static BOOL CreateMenu(CMenu& menu, const CString& strText);
    // A dialog template (LocalAlloc'ed and locked) built from dialog text, or NULL (also for
    // more than nMaxDialogItems controls).
    static LPDLGTEMPLATE CreateDialogTemplate(const CString& strText);

protected:
    // \n and \t as two characters become a newline and a tab.
    static void ExpandEscapes(CString& strText);

    CString m_strFileName;
};
