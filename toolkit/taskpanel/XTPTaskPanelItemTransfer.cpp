// The forms in which one task-panel item travels: its archive (the class
// record, then the item's settings through the archive exchange) under the
// clipboard format "TaskPanelGroupItem", and its XML text as CF_TEXT for
// other programs.
#include "toolkit/taskpanel/XTPTaskPanelItem.h"

#include "framework/Controls.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeXMLNode.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include <string.h>

namespace {

const UINT kTransferBlockFlags = GMEM_MOVEABLE | GMEM_DDESHARE;
const UINT kArchiveBufferSize = 4096;

// The XML text of the item in a new global block, with its terminating
// zero; NULL when the XML document cannot be made.
HGLOBAL PrepareText(CXTPTaskPanelItem* pItem)
{
    CXTPPropExchangeXMLNode px(FALSE, NULL, "Item");
    if (!px.OnBeforeExchange())
        return NULL;
    pItem->DoPropExchange(&px);
    const CString strXml = px.GetXML();
    HGLOBAL hText = ::GlobalAlloc(kTransferBlockFlags, strXml.GetLength() + 1);
    if (hText == NULL)
        return NULL;
    memcpy(::GlobalLock(hText), (LPCTSTR)strXml, strXml.GetLength() + 1);
    ::GlobalUnlock(hText);
    return hText;
}

} // namespace

HGLOBAL CXTPTaskPanelItem::PrepareDrag()
{
    try
    {
        CSharedFile file(kTransferBlockFlags, kArchiveBufferSize);
        CArchive ar(&file, CArchive::store, kArchiveBufferSize);
        ar.WriteClass(GetRuntimeClass());
        CXTPPropExchangeArchive px(ar);
        DoPropExchange(&px);
        ar.Close();
        return file.Detach();
    }
    catch (CException* e)
    {
        e->Delete();
        return NULL;
    }
}

BOOL CXTPTaskPanelItem::CacheDataSource(COleDataSource* pDataSource, BOOL bText)
{
    HGLOBAL hArchive = PrepareDrag();
    if (hArchive == NULL)
        return FALSE;
    pDataSource->CacheGlobalData(TaskPanelClipboardFormat, hArchive);
    if (bText)
    {
        HGLOBAL hText = PrepareText(this);
        if (hText != NULL)
            pDataSource->CacheGlobalData(CF_TEXT, hText);
    }
    return TRUE;
}

void CXTPTaskPanelItem::CopyToClipboard()
{
    HWND hWndOwner = m_pPanel != NULL ? m_pPanel->GetSafeHwnd() : NULL;
    if (!::OpenClipboard(hWndOwner))
        return;
    ::EmptyClipboard();
    HGLOBAL hArchive = PrepareDrag();
    if (hArchive != NULL && ::SetClipboardData(TaskPanelClipboardFormat, hArchive) == NULL)
        ::GlobalFree(hArchive);
    ::CloseClipboard();
}

CXTPTaskPanelItem* CXTPTaskPanelItem::PasteFromClipboard()
{
    COleDataObject data;
    if (!data.AttachClipboard() || !data.IsDataAvailable(TaskPanelClipboardFormat))
        return NULL;
    return CreateFromOleData(&data);
}

CXTPTaskPanelItem* CXTPTaskPanelItem::CreateFromOleData(COleDataObject* pDataObject)
{
    CFile* pFile = pDataObject->GetFileData(TaskPanelClipboardFormat);
    if (pFile == NULL)
        return NULL;
    CXTPTaskPanelItem* pItem = NULL;
    try
    {
        CArchive ar(pFile, CArchive::load, kArchiveBufferSize);
        // The class is checked before anything is made: data naming another
        // kind of class creates nothing.
        CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CXTPTaskPanelItem));
        pItem = (CXTPTaskPanelItem*)pClass->CreateObject();
        if (pItem == NULL)
            AfxThrowArchiveException(CArchiveException::badClass);
        CXTPPropExchangeArchive px(ar);
        pItem->DoPropExchange(&px);
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        if (pItem != NULL)
            pItem->InternalRelease();
        pItem = NULL;
    }
    delete pFile;
    return pItem;
}
