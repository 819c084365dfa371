#pragma once
// Settings in an XML DOM document: a section is an element, a value is an
// attribute of it (compact mode) or a child element holding the value's text.
// Documents come from the system's XML component; COM must be initialised on
// the calling thread.
#include "toolkit/foundation/XTPPropExchange.h"
#include "toolkit/foundation/XTPComHelpers.h"

class CXTPPropExchangeXMLNode : public CXTPPropExchange
{
public:
    CXTPPropExchangeXMLNode(BOOL bLoading, IXMLDOMNode* pParentNode, LPCTSTR lpszSection);

    BOOL CreateDocumentInstance();
    BOOL LoadFromString(LPCSTR lpszXml);
    BOOL LoadFromString(LPCWSTR lpszXml);
    BOOL LoadFromFile(LPCTSTR lpszFileName);
    // The whole document as text, indented when bFormatted; empty on failure.
    CString GetXML(BOOL bFormatted = FALSE);
    // Raises CFileException when a formatted file cannot be created.
    void SaveToFile(LPCTSTR lpszFileName, BOOL bFormatted = TRUE);
    void SetCompactMode(BOOL bCompactMode) { m_bCompactMode = bCompactMode; }
    BOOL IsPropertyExists(LPCTSTR pszPropName);

    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    // The section element holds a child element of that name.
    BOOL IsSectionExists(LPCTSTR pszSection) override;
    void EmptySection() override;
    BOOL OnBeforeExchange() override;
    CXTPPropExchangeEnumerator* GetEnumerator(LPCTSTR pszSection) override;

    // Indents XML text: each element on a line of its own, one tab per level,
    // lines broken with lpszNewLine.
    static CString FormatXml(const CString& strSource, LPCTSTR lpszNewLine);
    // The text without the whitespace runs that hold a line break between two
    // tags (values never hold a raw line break: they are escaped).
    static CString RemoveLineBreaksBetweenTags(const CString& strXml);

private:
    BOOL LoadFromBstr(BSTR bstrXml);
    void TakeDocumentAsParent();
    void FindOrCreateSectionNode();
    CXTPComPtr<IXMLDOMNode> GetProfileNode(LPCTSTR pszPropName, BOOL bCreate);
    CXTPComPtr<IXMLDOMNode> AppendElement(IXMLDOMNode* pParent, LPCTSTR lpszName);

private:
    CXTPComPtr<IXMLDOMDocument> m_xmlDocPtr;
    CXTPComPtr<IXMLDOMNode> m_xmlParentNode;
    CXTPComPtr<IXMLDOMNode> m_xmlSectionNode;
    CString m_strSectionName;
    BOOL m_bCompactMode;

    friend class CXTPPropExchangeXMLEnumerator;
};

// The XML list: items are sibling elements all named by the list's name,
// read in one walk from the first to the last (other nodes between them are
// passed over).
class CXTPPropExchangeXMLEnumerator : public CXTPPropExchangeEnumerator
{
public:
    CXTPPropExchangeXMLEnumerator(CXTPPropExchangeXMLNode* pContainer, LPCTSTR pszSection);

    POSITION GetPosition(DWORD dwCount = 0, BOOL bCompactMode = TRUE) override;
    CXTPPropExchange* GetNext(POSITION& pos) override;

private:
    // The first element of the list's name among node and its following
    // siblings, or NULL.
    CXTPComPtr<IXMLDOMNode> FindItemFrom(CXTPComPtr<IXMLDOMNode> node);
    // The next item after pItem, or NULL.
    CXTPComPtr<IXMLDOMNode> FindItemAfter(IXMLDOMNode* pItem);

    CXTPPropExchangeXMLNode* m_pXMLContainer;
    CXTPComPtr<IXMLDOMNode> m_xmlItemNode;
};
