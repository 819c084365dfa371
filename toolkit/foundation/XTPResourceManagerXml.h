#pragma once
// A resource manager that takes strings, menus and dialogs from an XML file:
// elements Resource with the attributes id, type and value below the
// document element Resources. The texts are those of the INI form.
#include "toolkit/foundation/XTPResourceManagerIni.h"
#include "toolkit/foundation/XTPComHelpers.h"

class CXTPResourceManagerXml : public CXTPResourceManagerIni
{
public:
    explicit CXTPResourceManagerXml(LPCTSTR pszFileName);
    ~CXTPResourceManagerXml();

    BOOL GetResourceText(CString& strText, UINT nID, LPCTSTR pszType) override;

    // The document of the file, or NULL when it does not load (or, with
    // bCheckRoot, when its document element is not "Resources").
    static CXTPComPtr<IXMLDOMDocument> LoadDocument(LPCTSTR pszFileName, BOOL bCheckRoot);
};
