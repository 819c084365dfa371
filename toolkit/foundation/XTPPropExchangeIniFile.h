#pragma once
// Settings in an INI file: a section's INI section name is the path of the
// nested section names joined by backslashes. The exchange works on a copy
// of the file held in memory (CXTPPropExchangeIniDocument) that all its
// sections share: LoadFromFile reads the file into it once, SaveToFile
// writes it out once, and each value is found at once however large the
// file (through the system's profile functions each value read or written
// went through the whole file).
//
//     CXTPPropExchangeIniFile px(FALSE, NULL, "Panel");
//     panel.GetGroups()->DoPropExchange(&px);
//     px.SaveToFile("C:\\settings.ini");
//
// Storing writes every section it exchanges, also one whose values all
// equal their defaults (and so are left out): the section itself tells a
// later load that the list item is there.
#include "toolkit/foundation/XTPPropExchange.h"

#include <memory>

class CXTPPropExchangeIniDocument;

class CXTPPropExchangeIniFile : public CXTPPropExchange
{
public:
    CXTPPropExchangeIniFile(BOOL bLoading, LPCTSTR lpszParentSection, LPCTSTR lpszSection);

    // Reads the file; FALSE when it does not exist, cannot be read or does
    // not fit in memory.
    BOOL LoadFromFile(LPCTSTR lpszFileName);
    // Writes what was exchanged (over what was loaded) to the file, which it
    // replaces; FALSE when that fails.
    BOOL SaveToFile(LPCTSTR lpszFileName);

    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    // The file holds the nested section (with or without values).
    BOOL IsSectionExists(LPCTSTR pszSection) override;
    // Storing: the section is added to the file even when all its values
    // are left out.
    BOOL OnBeforeExchange() override;

private:
    // A nested section working on the parent's document.
    CXTPPropExchangeIniFile(CXTPPropExchangeIniFile* pParent, LPCTSTR lpszSection);

    CString m_strSectionName;
    std::shared_ptr<CXTPPropExchangeIniDocument> m_pDocument; // shared by the sections of one exchange
};
