// Pasting icons from the clipboard.
#include "toolkit/foundation/XTPImageManager.h"
#include "framework/controls/COleDataObject.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <vector>

namespace {
const UINT kArchiveBufferSize = 4096;
}

UINT CXTPImageManager::PasteFromClipboard(COleDataObject& data)
{
    HGLOBAL hData = data.GetGlobalData(XTPImageManagerClipboardFormat);
    if (hData == NULL)
        return 0;
    // The archive reads a copy of the block, so it never reads past its end.
    std::vector<BYTE> bytes;
    const BYTE* pData = (const BYTE*)::GlobalLock(hData);
    if (pData != NULL)
        bytes.assign(pData, pData + ::GlobalSize(hData));
    ::GlobalUnlock(hData);
    ::GlobalFree(hData);

    UINT nID = ++m_nCustomID;
    BOOL bLoaded = FALSE;
    if (!bytes.empty())
    {
        try
        {
            CMemFile file(&bytes[0], (UINT)bytes.size());
            CArchive ar(&file, CArchive::load, kArchiveBufferSize);
            SerializeIcons(nID, ar);
            ar.Close();
            bLoaded = TRUE;
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    // A paste that brought no icon leaves no icon set behind.
    CXTPImageManagerIconSet* pIconSet = GetIconSet(nID);
    if (!bLoaded || pIconSet == NULL || pIconSet->GetIcons().empty())
    {
        RemoveIcon(nID);
        return 0;
    }
    return nID;
}
