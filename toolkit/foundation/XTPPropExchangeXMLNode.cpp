#include "toolkit/foundation/XTPPropExchangeXMLNode.h"

#include <string.h>
#include <wchar.h>

namespace {
CXTPComPtr<IXMLDOMNode> SelectSingleNode(IXMLDOMNode* pNode, LPCTSTR lpszQuery)
{
    CXTPComPtr<IXMLDOMNode> result;
    if (pNode != NULL)
        pNode->selectSingleNode(CXTPBstr(lpszQuery), result.Receive());
    return result;
}
} // namespace

CXTPPropExchangeXMLNode::CXTPPropExchangeXMLNode(BOOL bLoading, IXMLDOMNode* pParentNode, LPCTSTR lpszSection)
    : m_xmlParentNode(pParentNode), m_strSectionName(lpszSection), m_bCompactMode(TRUE)
{
    m_bLoading = bLoading;
    if (pParentNode != NULL)
    {
        pParentNode->get_ownerDocument(m_xmlDocPtr.Receive());
        if (m_xmlDocPtr == NULL)
            m_xmlDocPtr.QueryFrom(pParentNode, IID_IXMLDOMDocument);
    }
}

BOOL CXTPPropExchangeXMLNode::CreateDocumentInstance()
{
    if (m_xmlDocPtr == NULL)
    {
        IXMLDOMDocument* pDocument = XTPCreateXMLDocument();
        m_xmlDocPtr = pDocument;
        if (pDocument)
        {
            // Values are element and attribute texts: their spaces are data.
            pDocument->put_preserveWhiteSpace(VARIANT_TRUE);
            pDocument->Release();
        }
    }
    return m_xmlDocPtr != NULL;
}

void CXTPPropExchangeXMLNode::TakeDocumentAsParent()
{
    m_xmlParentNode.QueryFrom((IXMLDOMDocument*)m_xmlDocPtr, IID_IXMLDOMNode);
}

BOOL CXTPPropExchangeXMLNode::LoadFromBstr(BSTR bstrXml)
{
    if (!CreateDocumentInstance())
        return FALSE;
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    if (FAILED(m_xmlDocPtr->loadXML(bstrXml, &bLoaded)) || bLoaded != VARIANT_TRUE)
        return FALSE;
    TakeDocumentAsParent();
    return TRUE;
}

BOOL CXTPPropExchangeXMLNode::LoadFromString(LPCSTR lpszXml)
{
    return LoadFromBstr(CXTPBstr(lpszXml));
}

BOOL CXTPPropExchangeXMLNode::LoadFromString(LPCWSTR lpszXml)
{
    return LoadFromBstr(CXTPBstr(lpszXml));
}

BOOL CXTPPropExchangeXMLNode::LoadFromFile(LPCTSTR lpszFileName)
{
    if (::GetFileAttributesA(lpszFileName) == INVALID_FILE_ATTRIBUTES || !CreateDocumentInstance())
        return FALSE;
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    if (FAILED(m_xmlDocPtr->load(CXTPPathVariant(lpszFileName), &bLoaded)) || bLoaded != VARIANT_TRUE)
        return FALSE;
    TakeDocumentAsParent();
    return TRUE;
}

CXTPComPtr<IXMLDOMNode> CXTPPropExchangeXMLNode::AppendElement(IXMLDOMNode* pParent, LPCTSTR lpszName)
{
    CXTPComPtr<IXMLDOMNode> appended;
    CXTPComPtr<IXMLDOMElement> element;
    if (pParent == NULL || FAILED(m_xmlDocPtr->createElement(CXTPBstr(lpszName), element.Receive()))
        || element == NULL)
        return appended;
    pParent->appendChild(element, appended.Receive());
    return appended;
}

void CXTPPropExchangeXMLNode::FindOrCreateSectionNode()
{
    m_xmlSectionNode = SelectSingleNode(m_xmlParentNode, m_strSectionName);
    if (m_xmlSectionNode == NULL)
        m_xmlSectionNode = AppendElement(m_xmlParentNode, m_strSectionName);
}

BOOL CXTPPropExchangeXMLNode::OnBeforeExchange()
{
    if (!m_bInitialized)
    {
        m_bInitialized = TRUE;
        if (m_xmlDocPtr == NULL && IsRootSection())
        {
            if (!CreateDocumentInstance())
                return FALSE;
            TakeDocumentAsParent();
        }
        if (m_xmlDocPtr == NULL || m_xmlParentNode == NULL)
            return FALSE;
        FindOrCreateSectionNode();
        if (m_xmlSectionNode != NULL && IsRootSection())
            PX_Bool(this, "CompactMode", m_bCompactMode, FALSE);
    }
    return m_xmlParentNode != NULL && m_xmlDocPtr != NULL && m_xmlSectionNode != NULL;
}

CXTPComPtr<IXMLDOMNode> CXTPPropExchangeXMLNode::GetProfileNode(LPCTSTR pszPropName, BOOL bCreate)
{
    if (!m_bCompactMode)
    {
        CXTPComPtr<IXMLDOMNode> node = SelectSingleNode(m_xmlSectionNode, pszPropName);
        if (node == NULL && bCreate)
            node = AppendElement(m_xmlSectionNode, pszPropName);
        return node;
    }

    CXTPComPtr<IXMLDOMNode> node;
    CXTPComPtr<IXMLDOMNamedNodeMap> attributes;
    if (FAILED(m_xmlSectionNode->get_attributes(attributes.Receive())) || attributes == NULL)
        return node;
    CXTPBstr bstrName(pszPropName);
    attributes->getNamedItem(bstrName, node.Receive());
    if (node == NULL && bCreate)
    {
        CXTPComPtr<IXMLDOMAttribute> attribute;
        if (SUCCEEDED(m_xmlDocPtr->createAttribute(bstrName, attribute.Receive())) && attribute != NULL)
            attributes->setNamedItem(attribute, node.Receive());
    }
    return node;
}

BOOL CXTPPropExchangeXMLNode::ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                           const void* pvDefault)
{
    if (IsStoring())
    {
        if (IsSamePropValue(vtProp, pvProp, pvDefault))
            return TRUE;
        CString strValue;
        if (!OnBeforeExchange() || !ExchangePropStringHelper(strValue, vtProp, pvProp, pvDefault))
            return FALSE;
        CXTPComPtr<IXMLDOMNode> node = GetProfileNode(pszPropName, TRUE);
        return node != NULL && SUCCEEDED(node->put_text(CXTPBstr(strValue)));
    }

    if (!m_bUseDefaultOnLoad)
        pvDefault = NULL;
    if (!OnBeforeExchange())
        return CopyPropValue(vtProp, pvProp, pvDefault);
    CXTPComPtr<IXMLDOMNode> node = GetProfileNode(pszPropName, FALSE);
    if (node == NULL)
        return CopyPropValue(vtProp, pvProp, pvDefault);
    CXTPBstr bstrText;
    node->get_text(bstrText.Receive());
    CString strValue = bstrText.ToString();
    return ExchangePropStringHelper(strValue, vtProp, pvProp, pvDefault);
}

BOOL CXTPPropExchangeXMLNode::IsPropertyExists(LPCTSTR pszPropName)
{
    return OnBeforeExchange() && GetProfileNode(pszPropName, FALSE) != NULL;
}

CXTPPropExchange* CXTPPropExchangeXMLNode::GetSection(LPCTSTR pszSection)
{
    OnBeforeExchange();
    CXTPPropExchangeXMLNode* pSection =
        new CXTPPropExchangeXMLNode(IsLoading(), m_xmlSectionNode, pszSection);
    pSection->m_bCompactMode = m_bCompactMode;
    pSection->InitSection(this);
    return pSection;
}

BOOL CXTPPropExchangeXMLNode::IsSectionExists(LPCTSTR pszSection)
{
    return OnBeforeExchange() && SelectSingleNode(m_xmlSectionNode, pszSection) != NULL;
}

void CXTPPropExchangeXMLNode::EmptySection()
{
    CXTPPropExchange::EmptySection();
    if (OnBeforeExchange())
    {
        CXTPComPtr<IXMLDOMNode> removed;
        m_xmlParentNode->removeChild(m_xmlSectionNode, removed.Receive());
    }
    m_xmlSectionNode.Release();
    m_bInitialized = FALSE;
}

CXTPPropExchangeEnumerator* CXTPPropExchangeXMLNode::GetEnumerator(LPCTSTR pszSection)
{
    if (IsLoading() && IsPropertyExists("Count"))
        return CXTPPropExchange::GetEnumerator(pszSection);
    return new CXTPPropExchangeXMLEnumerator(this, pszSection);
}

CString CXTPPropExchangeXMLNode::GetXML(BOOL bFormatted)
{
    CXTPBstr bstrXml;
    if (!OnBeforeExchange() || FAILED(m_xmlDocPtr->get_xml(bstrXml.Receive())))
        return CString();
    CString strXml = bstrXml.ToString();
    return bFormatted ? FormatXml(strXml, "\r\n") : strXml;
}

void CXTPPropExchangeXMLNode::SaveToFile(LPCTSTR lpszFileName, BOOL bFormatted)
{
    if (!bFormatted)
    {
        if (OnBeforeExchange())
            m_xmlDocPtr->save(CXTPPathVariant(lpszFileName));
        return;
    }
    CString strXml = GetXML(FALSE);
    if (strXml.Right(2) == "\r\n")
        strXml = strXml.Left(strXml.GetLength() - 2);
    CString strFormatted = FormatXml(strXml, "\r\n");
    CFile file(lpszFileName, CFile::modeCreate | CFile::modeWrite);
    file.Write((LPCTSTR)strFormatted, strFormatted.GetLength());
    file.Close();
}

CString CXTPPropExchangeXMLNode::RemoveLineBreaksBetweenTags(const CString& strXml)
{
    CString strResult;
    int nLength = strXml.GetLength();
    for (int i = 0; i < nLength; i++)
    {
        strResult += strXml[i];
        if (strXml[i] != '>')
            continue;
        int nEnd = i + 1;
        while (nEnd < nLength && strchr(" \t\r\n", strXml[nEnd]) != NULL)
            nEnd++;
        CString strGap = strXml.Mid(i + 1, nEnd - i - 1);
        if (nEnd < nLength && strXml[nEnd] == '<' && strGap.FindOneOf("\r\n") >= 0)
            i = nEnd - 1;
    }
    return strResult;
}

CString CXTPPropExchangeXMLNode::FormatXml(const CString& strSource, LPCTSTR lpszNewLine)
{
    // The component may indent on its own: its line breaks are replaced by ours.
    CString strXml = RemoveLineBreaksBetweenTags(strSource);
    CString strResult;
    CString strIndent = "\t";
    int nLength = strXml.GetLength();
    if (nLength > 0)
        strResult += strXml[0];
    for (int i = 1; i < nLength; i++)
    {
        char ch = strXml[i];
        BOOL bClosing =
            (ch == '>' && strXml[i - 1] == '/') || (ch == '<' && i + 1 < nLength && strXml[i + 1] == '/');
        if (bClosing)
        {
            strIndent = strIndent.Left(strIndent.GetLength() - 1);
            if (ch == '<' && strXml[i - 1] == '>')
                strResult += lpszNewLine + strIndent;
        }
        else if (ch == '<')
        {
            strResult += lpszNewLine + strIndent;
            strIndent += '\t';
        }
        strResult += ch;
    }
    return strResult;
}

CXTPPropExchangeXMLEnumerator::CXTPPropExchangeXMLEnumerator(CXTPPropExchangeXMLNode* pContainer,
                                                             LPCTSTR pszSection)
    : CXTPPropExchangeEnumerator(pContainer, pszSection), m_pXMLContainer(pContainer)
{}

CXTPComPtr<IXMLDOMNode> CXTPPropExchangeXMLEnumerator::FindItemFrom(CXTPComPtr<IXMLDOMNode> node)
{
    // Each item is looked for from the one before it, not from the list's
    // first child: a list is read in one walk over its elements.
    const CXTPBstr bstrName(m_strSectionName);
    while (node != NULL)
    {
        DOMNodeType type = NODE_INVALID;
        CXTPBstr bstrNodeName;
        if (SUCCEEDED(node->get_nodeType(&type)) && type == NODE_ELEMENT
            && SUCCEEDED(node->get_nodeName(bstrNodeName.Receive())) && bstrNodeName != NULL
            && wcscmp(bstrNodeName, bstrName) == 0)
            return node;
        CXTPComPtr<IXMLDOMNode> next;
        node->get_nextSibling(next.Receive());
        node = next;
    }
    return node;
}

CXTPComPtr<IXMLDOMNode> CXTPPropExchangeXMLEnumerator::FindItemAfter(IXMLDOMNode* pItem)
{
    CXTPComPtr<IXMLDOMNode> next;
    if (pItem != NULL)
        pItem->get_nextSibling(next.Receive());
    return FindItemFrom(next);
}

POSITION CXTPPropExchangeXMLEnumerator::GetPosition(DWORD dwCount, BOOL)
{
    m_nCount = dwCount;
    if (m_pXMLContainer == NULL)
        return NULL;
    if (m_pXMLContainer->IsStoring())
        return dwCount ? (POSITION)1 : NULL;
    if (!m_pXMLContainer->OnBeforeExchange())
        return NULL;
    CXTPComPtr<IXMLDOMNode> first;
    m_pXMLContainer->m_xmlSectionNode->get_firstChild(first.Receive());
    m_xmlItemNode = FindItemFrom(first);
    return m_xmlItemNode != NULL ? (POSITION)1 : NULL;
}

CXTPPropExchange* CXTPPropExchangeXMLEnumerator::GetNext(POSITION& pos)
{
    DWORD_PTR nPosition = (DWORD_PTR)pos;
    CXTPPropExchangeXMLNode* pSection =
        (CXTPPropExchangeXMLNode*)m_pXMLContainer->GetSection(m_strSectionName);
    CXTPComPtr<IXMLDOMNode> item;
    if (m_pXMLContainer->IsStoring())
    {
        item = m_pXMLContainer->AppendElement(m_pXMLContainer->m_xmlSectionNode, m_strSectionName);
        nPosition++;
        pos = nPosition > m_nCount ? NULL : (POSITION)nPosition;
    }
    else
    {
        item = m_xmlItemNode;
        m_xmlItemNode = FindItemAfter(item);
        pos = m_xmlItemNode != NULL ? (POSITION)(nPosition + 1) : NULL;
    }
    pSection->m_bInitialized = TRUE;
    pSection->m_xmlSectionNode = item;
    return pSection;
}
