#include "framework/controls/OleEditMenu.h"

#include "framework/gdi/CMenu.h"

#include <vector>

namespace {

// A verb offered in the menu: its command, text and menu flags.
struct MenuVerb
{
    UINT nID;
    CString strName;
    UINT nFlags;
};

// The verbs of the object meant for a container's menu, in its order.
std::vector<MenuVerb> ContainerMenuVerbs(IOleObject* pObject, UINT nIDVerbMin, UINT nIDVerbMax)
{
    std::vector<MenuVerb> verbs;
    IEnumOLEVERB* pEnum = NULL;
    if (FAILED(pObject->EnumVerbs(&pEnum)) || pEnum == NULL)
        return verbs;
    OLEVERB verb;
    while (pEnum->Next(1, &verb, NULL) == S_OK)
    {
        const BOOL bOffered = verb.lVerb >= 0 && (verb.grfAttribs & OLEVERBATTRIB_ONCONTAINERMENU)
                              && nIDVerbMin + (UINT)verb.lVerb <= nIDVerbMax;
        if (bOffered)
            verbs.push_back({nIDVerbMin + (UINT)verb.lVerb, CString(verb.lpszVerbName),
                             verb.fuFlags & (MF_GRAYED | MF_DISABLED | MF_CHECKED)});
        ::CoTaskMemFree(verb.lpszVerbName);
    }
    pEnum->Release();
    return verbs;
}

CString WithoutMnemonics(const CString& strText)
{
    CString strPlain = strText;
    strPlain.Remove('&');
    return strPlain;
}

} // namespace

BOOL AfxOleSetEditMenu(COleClientItem* pClient, CMenu* pMenu, UINT iMenuItem, UINT nIDVerbMin, UINT nIDVerbMax)
{
    if (iMenuItem >= pMenu->GetMenuItemCount())
        return FALSE;
    pMenu->RemoveMenu(iMenuItem, MF_BYPOSITION);

    IOleObject* pObject = pClient != NULL ? pClient->GetObject() : NULL;
    if (pObject == NULL)
        return pMenu->InsertMenu(iMenuItem, MF_BYPOSITION | MF_STRING | MF_GRAYED, nIDVerbMin, "&Object");

    CString strType;
    pClient->GetUserType(USERCLASSTYPE_SHORT, strType);
    const CString strObject = strType.IsEmpty() ? CString("&Object") : strType + " &Object";
    const std::vector<MenuVerb> verbs = ContainerMenuVerbs(pObject, nIDVerbMin, nIDVerbMax);
    if (verbs.empty())
        return pMenu->InsertMenu(iMenuItem, MF_BYPOSITION | MF_STRING, nIDVerbMin, strObject);
    if (verbs.size() == 1)
        return pMenu->InsertMenu(iMenuItem, MF_BYPOSITION | MF_STRING | verbs[0].nFlags, verbs[0].nID,
                                 WithoutMnemonics(verbs[0].strName) + " " + strObject);

    HMENU hVerbs = ::CreatePopupMenu();
    for (const MenuVerb& verb : verbs)
        ::AppendMenuA(hVerbs, MF_STRING | verb.nFlags, verb.nID, verb.strName);
    return pMenu->InsertMenu(iMenuItem, MF_BYPOSITION | MF_POPUP, (UINT_PTR)hVerbs, strObject);
}
