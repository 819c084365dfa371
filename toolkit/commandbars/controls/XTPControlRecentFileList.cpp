#include "toolkit/commandbars/controls/XTPControlRecentFileList.h"

#include "toolkit/commandbars/controls/XTPControlExpansion.h"
#include "toolkit/foundation/XTPStartup.h"

IMPLEMENT_SERIAL(CXTPControlRecentFileList, CXTPControlButton, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlRecentFileListClass, xtpStartupControlClasses,
                    XTP_STARTUP_CLASS(CXTPControlRecentFileList));

namespace {

// The ids of up to sixteen recent files.
BOOL IsRecentFileItem(const CXTPControl* pControl)
{
    const int nId = pControl->GetID();
    return nId >= CXTPControlRecentFileList::kFirstFileId
           && nId <= CXTPControlRecentFileList::kFirstFileId + 15;
}

} // namespace

CString CXTPControlRecentFileList::DoubleAmpersands(const CString& strName)
{
    CString strResult;
    for (int i = 0; i < strName.GetLength(); i++)
    {
        const char ch = strName[i];
        if (::IsDBCSLeadByte((BYTE)ch) && i + 1 < strName.GetLength())
        {
            strResult += ch;
            strResult += strName[++i];
            continue;
        }
        if (ch == '&')
            strResult += '&';
        strResult += ch;
    }
    return strResult;
}

CString CXTPControlRecentFileList::FormatItemCaption(int nIndex, UINT nFirstNumber,
                                                     const CString& strDisplayName)
{
    CString strCaption;
    strCaption.Format("&%d ", (int)((nIndex + 1 + nFirstNumber) % 10));
    return strCaption + DoubleAmpersands(strDisplayName);
}

void CXTPControlRecentFileList::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    XTPRemoveExpansionItems(this, IsRecentFileItem);
    CRecentFileList* pList = AfxGetApp() != NULL ? AfxGetApp()->m_pRecentFileList : NULL;
    if (pList == NULL)
        return;
    const BOOL bCustomizing = XTPIsCustomizing(this);
    if (bCustomizing || pList->GetSize() == 0 || (*pList)[0].IsEmpty())
    {
        SetHideFlags(xtpHideNone);
        SetEnabled(bCustomizing);
        return;
    }
    SetHideFlags(xtpHideGeneric);

    char szCurDir[MAX_PATH + 1] = "";
    ::GetCurrentDirectoryA(MAX_PATH, szCurDir);
    CString strCurDir = CString(szCurDir) + "\\";

    CString strName;
    for (int i = 0;
         i < pList->GetSize() && pList->GetDisplayName(strName, i, strCurDir, strCurDir.GetLength()); i++)
    {
        CXTPControl* pItem =
            XTPAddExpansionItem(this, i, kFirstFileId + i, FormatItemCaption(i, pList->m_nStart, strName));
        pItem->SetBeginGroup(i == 0 && GetIndex() > 0);
    }
}

BOOL CXTPControlRecentFileList::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return AllowDropOnPopupBarOnly(pCommandBar, dropEffect);
}
