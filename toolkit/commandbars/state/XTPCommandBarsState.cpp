// CXTPCommandBars: saving and loading the bars' state (see the header's
// "Saved state" group).
#include "toolkit/commandbars/XTPCommandBars.h"

#include "toolkit/commandbars/bars/XTPCommandBarList.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/state/XTPDockState.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/state/XTPPropExchangeParam.h"
#include "toolkit/commandbars/state/XTPStateSwitch.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <algorithm>
#include <climits>
#include <new>
#include <set>

namespace {
// Images up to this size live in the profile; larger ones in a file.
const UINT kMaxProfileImage = 16000;
const UINT kArchiveBuffer = 4096;
// Popup bars without an id of their own are numbered from here when saved.
const UINT kFirstPopupBarID = 0x1000000;
const UINT kStatusBarID = 59393;
// Where a save puts its state before the usual sections: "<profile>-New"
// and "<state file>-New".
const char kBeside[] = "-New";
// The value of "<profile>" that sends loads to the state beside.
const char kLoadBeside[] = "LoadNew";

CString Section(LPCTSTR lpszFormat, LPCTSTR lpszProfileName, int nIndex = 0)
{
    CString strSection;
    strSection.Format(lpszFormat, lpszProfileName, nIndex);
    return strSection;
}

// Runs fn; a framework exception or a failed allocation inside it gives FALSE.
template <class Fn>
BOOL Guarded(Fn fn)
{
    try
    {
        fn();
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {}
    return FALSE;
}

// The controls of a bar's own menu: a menu bar that keeps its frame menu
// among its document menus has them there (it shows a document's menu, or
// it was saved with document menus and shows the frame menu's controls
// again once loaded, CXTPMenuBar::OnStateLoaded); any other bar shows them.
CXTPControls* OwnMenuControls(CXTPToolBar* pBar)
{
    CXTPMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CXTPMenuBar, pBar);
    if (pMenuBar != NULL)
    {
        const CXTPMenuBar::CMDIMenuMap& menus = pMenuBar->GetMDIMenus();
        const auto it = menus.find(pMenuBar->GetDefaultMenuID());
        if (it != menus.end())
            return it->second;
    }
    return pBar->GetControls();
}

// The original controls of a loaded bar, to be compared with the built-in
// bar's. A menu bar saved with document menus holds two sets: those of its
// frame menu and those of the menu it showed (a document's menu, or the
// frame menu again, which a damaged state may set apart from the first).
// The set that equals the built-in bar's is taken, else the frame menu's.
CXTPControls* LoadedOriginalControls(CXTPToolBar* pLoaded, const CXTPControls* pBuiltInOriginal)
{
    CXTPControls* const candidates[] = {OwnMenuControls(pLoaded)->GetOriginalControls(),
                                        pLoaded->GetControls()->GetOriginalControls()};
    for (CXTPControls* pCandidate : candidates)
    {
        if (pCandidate != NULL && pBuiltInOriginal != NULL && pCandidate->Compare(pBuiltInOriginal))
            return pCandidate;
    }
    return candidates[0] != NULL ? candidates[0] : candidates[1];
}

// Writes the bytes into a file beside the state file and moves it into the
// state file's place once written whole, hidden; FALSE, the state file as it
// was, when that fails.
BOOL ReplaceStateFile(const CString& strFileName, const BYTE* pData, UINT nBytes)
{
    const CString strTemporary = strFileName + ".new";
    ::SetFileAttributesA(strTemporary, FILE_ATTRIBUTE_NORMAL);
    HANDLE hFile = ::CreateFileA(strTemporary, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD nWritten = 0;
    BOOL bWritten = hFile != INVALID_HANDLE_VALUE && ::WriteFile(hFile, pData, nBytes, &nWritten, NULL)
                    && nWritten == nBytes;
    if (hFile != INVALID_HANDLE_VALUE)
        bWritten = ::CloseHandle(hFile) && bWritten;
    ::SetFileAttributesA(strFileName, FILE_ATTRIBUTE_NORMAL);
    if (bWritten && ::MoveFileExA(strTemporary, strFileName, MOVEFILE_REPLACE_EXISTING))
    {
        ::SetFileAttributesA(strFileName, FILE_ATTRIBUTE_HIDDEN);
        return TRUE;
    }
    ::DeleteFileA(strTemporary);
    return FALSE;
}

void DeleteStateFile(const CString& strFileName)
{
    ::SetFileAttributesA(strFileName, FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(strFileName);
}

// A bar whose window has no size.
BOOL IsWithoutSize(CXTPToolBar* pBar)
{
    CRect rc;
    pBar->GetWindowRect(&rc);
    return rc.IsRectEmpty();
}

} // namespace

// ---- Profile form ------------------------------------------------------------------

// The bars' state written beside the usual sections and switched to, so
// that a refused write never leaves a load half of each save (see
// CXTPStateSwitch).
class CXTPCommandBars::CBarStateSave : public CXTPStateSwitch
{
public:
    CBarStateSave(CXTPCommandBars* pBars, LPCTSTR lpszProfileName, CXTPDockState& state, const BYTE* pImage,
                  UINT nImage)
        : m_pBars(pBars), m_strProfile(lpszProfileName), m_state(state), m_pImage(pImage), m_nImage(nImage)
    {
        pBars->GetStateFileName(m_strFileName, lpszProfileName);
    }

protected:
    BOOL IsBesideCurrent() override { return GetStateToLoad(m_strProfile) != m_strProfile; }
    BOOL SetBesideCurrent(BOOL bBeside) override
    {
        CWinApp* pApp = AfxGetApp();
        return bBeside ? pApp->WriteProfileInt(m_strProfile, kLoadBeside, 1)
                       : pApp->WriteProfileString(m_strProfile, kLoadBeside, NULL);
    }
    BOOL WriteState(BOOL bBeside) override
    {
        return m_pBars->WriteBarState(Profile(bBeside), FileName(bBeside), m_state, m_pImage, m_nImage);
    }
    void EraseBeside() override { m_pBars->EraseBarState(Profile(TRUE), FileName(TRUE)); }

private:
    CString Profile(BOOL bBeside) const { return bBeside ? m_strProfile + kBeside : m_strProfile; }
    CString FileName(BOOL bBeside) const { return bBeside ? m_strFileName + kBeside : m_strFileName; }

    CXTPCommandBars* const m_pBars;
    const CString m_strProfile;
    CString m_strFileName;
    CXTPDockState& m_state;
    const BYTE* const m_pImage;
    const UINT m_nImage;
};

// Both run from the frame's creation and its WM_CLOSE: nothing throws out.
void CXTPCommandBars::SaveBarState(LPCTSTR lpszProfileName, BOOL bOnlyCustomized)
{
    // The controls' image is made before anything is written: when a bar or
    // a control cannot be written (no memory), the profile and the state
    // file keep the whole state the last save stored. Its places and rows
    // stay with it: new ones name the bars the user has now, which the old
    // controls may lack.
    CMemFile image;
    if (m_bCustomizeAvail && !WriteControlsImage(image, bOnlyCustomized))
        return;
    const UINT nImage = (UINT)image.GetLength();
    BYTE* pImage = image.Detach();
    Guarded([&]() {
        CXTPDockState state;
        GetDockState(state);
        CBarStateSave(this, lpszProfileName, state, pImage, nImage).Save();
    });
    free(pImage);
}

void CXTPCommandBars::LoadBarState(LPCTSTR lpszProfileName, BOOL bSilent)
{
    const CString strProfile = GetStateToLoad(lpszProfileName);
    if (m_bCustomizeAvail)
        LoadControls(strProfile, bSilent);
    Guarded([&]() {
        CXTPDockState state;
        state.LoadState(strProfile);
        LoadDockBarsState(strProfile);
        SetDockState(state);
    });
    RecalcFrameLayout();
}

CString CXTPCommandBars::GetStateToLoad(LPCTSTR lpszProfileName)
{
    if (AfxGetApp()->GetProfileInt(lpszProfileName, kLoadBeside, 0) == 1)
        return CString(lpszProfileName) + kBeside;
    return lpszProfileName;
}

BOOL CXTPCommandBars::WriteBarState(LPCTSTR lpszProfileName, const CString& strFileName, CXTPDockState& state,
                                    const BYTE* pImage, UINT nImage)
{
    return state.SaveState(lpszProfileName) && SaveDockBarsState(lpszProfileName)
           && (!m_bCustomizeAvail || StoreControlsImage(lpszProfileName, strFileName, pImage, nImage));
}

void CXTPCommandBars::EraseBarState(LPCTSTR lpszProfileName, const CString& strFileName)
{
    CWinApp* pApp = AfxGetApp();
    CXTPDockState::EraseState(lpszProfileName);
    for (int d = 0; d < 4; d++)
        pApp->WriteProfileString(Section("%s-DockBar%d", lpszProfileName, d), NULL, NULL);
    pApp->WriteProfileString(Section("%s-Controls", lpszProfileName), NULL, NULL);
    pApp->WriteProfileString(lpszProfileName, NULL, NULL);
    DeleteStateFile(strFileName);
}

void CXTPCommandBars::GetStateFileName(CString& strFileName, LPCTSTR lpszProfileName) const
{
    if (!m_strStateFileName.IsEmpty())
    {
        strFileName = m_strStateFileName;
        return;
    }
    char szModule[MAX_PATH] = {0};
    ::GetModuleFileNameA(NULL, szModule, MAX_PATH);
    strFileName.Format("%s-%s", szModule, lpszProfileName);
}

BOOL CXTPCommandBars::WriteControlsImage(CMemFile& image, BOOL bOnlyCustomized)
{
    return Guarded([&]() {
        CArchive ar(&image, CArchive::store, kArchiveBuffer);
        CXTPPropExchangeArchive px(ar);
        CXTPPropExchangeParam param;
        param.bSaveOnlyCustomized = bOnlyCustomized;
        px.m_dwData = (DWORD_PTR)&param;
        CXTPCommandBarList list;
        GenerateCommandBarList(&list, bOnlyCustomized);
        if (!SaveCommandBarList(&px, &list))
            AfxThrowArchiveException(CArchiveException::genericException);
        ar.Close();
    });
}

BOOL CXTPCommandBars::StoreControlsImage(LPCTSTR lpszProfileName, const CString& strFileName,
                                         const BYTE* pData, UINT nBytes)
{
    CWinApp* pApp = AfxGetApp();
    const CString strSection = Section("%s-Controls", lpszProfileName);
    // A file that cannot be written leaves the image to the profile.
    if (nBytes > kMaxProfileImage && ReplaceStateFile(strFileName, pData, nBytes))
        return pApp->WriteProfileString(strSection, "Controls", strFileName)
               && pApp->WriteProfileInt(strSection, "LoadFromFile", 1);
    if (!pApp->WriteProfileBinary(strSection, "Controls", (LPBYTE)pData, nBytes)
        || !pApp->WriteProfileInt(strSection, "LoadFromFile", 0))
        return FALSE;
    DeleteStateFile(strFileName);
    return TRUE;
}

void CXTPCommandBars::LoadControls(LPCTSTR lpszProfileName, BOOL bSilent)
{
    // "LoadFromFile" says whether "Controls" names the state file or holds
    // the image. A value of the other kind (a save of an older build that
    // wrote one of the two and not the other) is read as what it is.
    const CString strSection = Section("%s-Controls", lpszProfileName);
    const BOOL bFromFile = AfxGetApp()->GetProfileInt(strSection, "LoadFromFile", 0) == 1;
    if (!LoadControlsImage(strSection, bFromFile, bSilent))
        LoadControlsImage(strSection, !bFromFile, bSilent);
}

BOOL CXTPCommandBars::LoadControlsImage(const CString& strSection, BOOL bFromFile, BOOL bSilent)
{
    CWinApp* pApp = AfxGetApp();
    CFile file;
    CMemFile memory;
    BYTE* pData = NULL;
    UINT nBytes = 0;
    if (bFromFile)
    {
        const CString strFileName = pApp->GetProfileString(strSection, "Controls", "");
        if (strFileName.IsEmpty() || !file.Open(strFileName, CFile::modeRead | CFile::shareDenyWrite))
            return FALSE;
    }
    else if (pApp->GetProfileBinary(strSection, "Controls", &pData, &nBytes) && pData != NULL)
        memory.Attach(pData, nBytes);
    else
        return FALSE;
    Guarded([&]() {
        CArchive ar(bFromFile ? (CFile*)&file : &memory, CArchive::load, kArchiveBuffer);
        LoadControlsFromArchive(ar, bSilent);
    });
    delete[] pData;
    return TRUE;
}

BOOL CXTPCommandBars::LoadControlsFromArchive(CArchive& ar, BOOL bSilent)
{
    CXTPPropExchangeArchive px(ar);
    CXTPPropExchangeParam param;
    param.bLoadSilent = bSilent;
    px.m_dwData = (DWORD_PTR)&param;
    CXTPCommandBarList list;
    if (!LoadCommandBarList(&px, &list))
        return FALSE;
    RestoreCommandBarList(&list, bSilent);
    return TRUE;
}

// ---- Dock state ---------------------------------------------------------------------

void CXTPCommandBars::GetDockState(CXTPDockState& state)
{
    state.Clear();
    for (CXTPToolBar* pBar : m_arrBars)
    {
        CXTPBarInfo* pInfo = new CXTPBarInfo;
        pInfo->GetBarInfo(pBar);
        state.Add(pInfo);
    }
}

void CXTPCommandBars::SetDockState(CXTPDockState& state)
{
    for (int i = 0; i < state.GetCount(); i++)
    {
        CXTPBarInfo* pInfo = state.GetAt(i);
        CXTPToolBar* pBar = GetToolBar(pInfo->m_nBarID);
        if (pBar == NULL)
            continue;
        if (pInfo->m_bFloating)
        {
            // A floating record without its place is damaged: the bar stays
            // where the program made it, shown.
            if (!pInfo->HasPosition())
                continue;
            FloatCommandBar(pBar);
        }
        else if (pBar->GetDockBar() == NULL)
        {
            int nDock = 0;
            for (int d = 0; d < 4; d++)
            {
                if (m_pDocks[d] != NULL && m_pDocks[d]->m_hWnd != NULL
                    && (UINT)m_pDocks[d]->GetDlgCtrlID() == pInfo->m_uMRUDockID)
                    nDock = d;
            }
            DockCommandBarAt(pBar, NULL, nDock);
        }
        pInfo->m_pBar = pBar;
        pInfo->SetBarInfo(pBar);
        if (pInfo->m_bFloating && IsWithoutSize(pBar))
        {
            // A floating bar that cannot lay itself out would be lost:
            // it docks at the top instead, shown.
            DockCommandBarAt(pBar, NULL, xtpBarTop);
            pBar->SetVisible(TRUE);
        }
    }
}

BOOL CXTPCommandBars::SaveDockBarsState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    for (int d = 0; d < 4; d++)
    {
        CString strSection = Section("%s-DockBar%d", lpszProfileName, d);
        if (!pApp->WriteProfileString(strSection, NULL, NULL))
            return FALSE;
        const std::vector<UINT> arrIds = GetDockRowIds(d);
        if (arrIds.empty())
            continue;
        for (size_t n = 0; n < arrIds.size(); n++)
        {
            CString strEntry;
            strEntry.Format("Bar#%d", (int)n);
            if (!pApp->WriteProfileInt(strSection, strEntry, arrIds[n]))
                return FALSE;
        }
        if (!pApp->WriteProfileInt(strSection, "Bars", (int)arrIds.size()))
            return FALSE;
    }
    // The bar's own style, not IsWindowVisible: a frame closed while hidden
    // (in the notification area) would save its shown status bar as hidden.
    CWnd* pStatusBar = GetStatusBar();
    if (pStatusBar != NULL && (pStatusBar->GetStyle() & WS_VISIBLE) == 0)
        return pApp->WriteProfileInt(lpszProfileName, "StatusBar", 0);
    return pApp->WriteProfileString(lpszProfileName, "StatusBar", NULL);
}

std::vector<UINT> CXTPCommandBars::GetDockRowIds(int nDock) const
{
    std::vector<UINT> arrIds;
    if (m_pDocks[nDock] == NULL || m_pDocks[nDock]->GetSlots().size() <= 1)
        return arrIds;
    const std::vector<CXTPToolBar*>& slots = m_pDocks[nDock]->GetSlots();
    for (size_t n = 0; n < slots.size(); n++)
    {
        // One row break between rows; the one after the last row says nothing.
        if (slots[n] == NULL && (n + 1 == slots.size() || (n > 0 && slots[n - 1] == NULL)))
            continue;
        arrIds.push_back(slots[n] != NULL ? slots[n]->GetBarID() : 0);
    }
    return arrIds;
}

void CXTPCommandBars::LoadDockBarsState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    std::vector<UINT> arrSeen;
    for (int d = 0; d < 4; d++)
    {
        CString strSection = Section("%s-DockBar%d", lpszProfileName, d);
        int nBars = (int)pApp->GetProfileInt(strSection, "Bars", 0);
        if (nBars <= 1 || m_pDocks[d] == NULL)
            continue;
        nBars = std::min(nBars, (int)CXTPDockState::kMaxBars);
        // Every entry is saved, row breaks too: the entries end at the first
        // one missing, whatever the count says.
        std::vector<UINT> arrIds;
        for (int n = 0; n < nBars; n++)
        {
            CString strEntry;
            strEntry.Format("Bar#%d", n);
            const UINT nID = pApp->GetProfileInt(strSection, strEntry, INT_MIN);
            if (nID == (UINT)INT_MIN)
                break;
            arrIds.push_back(nID);
        }
        if (arrIds.size() > 1)
            ApplyDockBarSlots(d, arrIds, arrSeen);
    }
    if (GetStatusBar() != NULL && pApp->GetProfileInt(lpszProfileName, "StatusBar", 1) == 0)
        ShowStatusBar(FALSE);
}

void CXTPCommandBars::ApplyDockBarSlots(int nDock, const std::vector<UINT>& arrIds,
                                        std::vector<UINT>& arrSeen)
{
    std::vector<CXTPToolBar*> arrSlots;
    for (UINT nID : arrIds)
    {
        CXTPToolBar* pBar = GetToolBar(nID);
        // A bar named twice keeps its first place; an unknown id is a row break.
        if (pBar != NULL && std::find(arrSeen.begin(), arrSeen.end(), nID) != arrSeen.end())
            continue;
        if (pBar != NULL)
        {
            arrSeen.push_back(nID);
            if (pBar->GetDockBar() == NULL && !pBar->CreateBarWindow(m_pFrame, FALSE))
                continue;
        }
        arrSlots.push_back(pBar);
    }
    m_pDocks[nDock]->SetSlots(arrSlots);
}

CWnd* CXTPCommandBars::GetStatusBar() const
{
    if (m_pFrame == NULL || m_pFrame->m_hWnd == NULL)
        return NULL;
    HWND hWnd = ::GetDlgItem(m_pFrame->m_hWnd, kStatusBarID);
    return hWnd != NULL ? CWnd::FromHandle(hWnd) : NULL;
}

void CXTPCommandBars::ShowStatusBar(BOOL bShow)
{
    CWnd* pStatusBar = GetStatusBar();
    if (pStatusBar != NULL)
        pStatusBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

// ---- Controls -----------------------------------------------------------------------

void CXTPCommandBars::GenerateCommandBarList(CXTPCommandBarList* pList, BOOL bOnlyCustomized)
{
    for (CXTPToolBar* pBar : m_arrBars)
    {
        CXTPMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CXTPMenuBar, pBar);
        BOOL bKeepMenus = pMenuBar != NULL && !pMenuBar->GetMDIMenus().empty();
        if (bOnlyCustomized && pBar->IsBuiltIn() && !bKeepMenus
            && (!pBar->IsCustomizable() || !pBar->GetControls()->IsChanged()))
            continue;
        pBar->GenerateCommandBarList(pList);
    }
    NumberNewPopupBars(pList);
}

void CXTPCommandBars::NumberNewPopupBars(CXTPCommandBarList* pList) const
{
    // Popup bars loaded before keep their numbers, and a popup made since
    // (a new menu of the customize sheet, a copied popup) must not take one
    // of them: the next load would open the other popup's bar in its place.
    // New numbers follow the highest one the image holds.
    std::set<UINT> used;
    UINT nHighest = kFirstPopupBarID - 1;
    for (int i = 0; i < pList->GetCount(); i++)
    {
        const UINT nID = pList->GetAt(i)->GetBarID();
        used.insert(nID);
        nHighest = std::max(nHighest, nID);
    }
    UINT nNext = nHighest;
    for (int i = 0; i < pList->GetCount(); i++)
    {
        CXTPCommandBar* pBar = pList->GetAt(i);
        if (pBar->GetBarID() != 0 || std::find(m_arrBars.begin(), m_arrBars.end(), pBar) != m_arrBars.end())
            continue;
        // Past the largest number (a loaded image may hold it) the numbers
        // go on from the first popup number, never through 0 (no bar) and
        // the tool bars' numbers below it.
        do
            nNext = nNext == UINT_MAX ? kFirstPopupBarID : nNext + 1;
        while (used.count(nNext) != 0);
        pBar->SetBarID(nNext);
        used.insert(nNext);
    }
}

BOOL CXTPCommandBars::SaveCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pList)
{
    return Guarded([&]() {
        CXTPPropExchangeSectionPtr pSection(pPX->GetSection("CommandBars"));
        CXTPPropExchangeEnumeratorPtr pEnum(pSection->GetEnumerator("CommandBar"));
        POSITION pos = pEnum->GetPosition((DWORD)pList->GetCount());
        for (int i = 0; pos != NULL && i < pList->GetCount(); i++)
        {
            CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
            CObject* pObject = pList->GetAt(i);
            pItem->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CXTPCommandBar));
            pList->GetAt(i)->DoPropExchange(pItem);
        }
    });
}

BOOL CXTPCommandBars::LoadCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pList)
{
    CXTPCommandBarList loaded;
    CXTPImageManager* pImages = new CXTPImageManager;
    const BOOL bRead = Guarded([&]() { ReadCommandBarList(pPX, &loaded, pImages); });
    if (bRead)
    {
        GetImageManager()->MoveIconsFrom(pImages);
        for (int i = 0; i < loaded.GetCount(); i++)
            pList->Add(loaded.GetAt(i));
    }
    pImages->InternalRelease();
    return bRead;
}

void CXTPCommandBars::ReadCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pList,
                                         CXTPImageManager* pImages)
{
    // The loaded controls' own icons go to pImages, not to the icons in use.
    CXTPImageManager* pOwnImages = m_pImageManager;
    m_pImageManager = pImages;
    try
    {
        CXTPPropExchangeSectionPtr pSection(pPX->GetSection("CommandBars"));
        CXTPPropExchangeEnumeratorPtr pEnum(pSection->GetEnumerator("CommandBar"));
        POSITION pos = pEnum->GetPosition();
        while (pos != NULL)
        {
            CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
            CObject* pObject = NULL;
            // Only command bars are made from stored class names.
            if (!pItem->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CXTPCommandBar)) || pObject == NULL)
                AfxThrowArchiveException(CArchiveException::badClass);
            CXTPCommandBar* pBar = (CXTPCommandBar*)pObject;
            pBar->SetCommandBars(this);
            pList->Add(pBar);
            pBar->InternalRelease();
            pBar->DoPropExchange(pItem);
        }
    }
    catch (...)
    {
        m_pImageManager = pOwnImages;
        throw;
    }
    m_pImageManager = pOwnImages;
}

CXTPCommandBar* CXTPCommandBars::FindBarInList(CXTPCommandBarList* pList, UINT nBarID)
{
    return pList->FindBar(nBarID);
}

void CXTPCommandBars::RestoreCommandBarList(CXTPCommandBarList* pList, BOOL bSilent)
{
    for (int i = 0; i < pList->GetCount(); i++)
        pList->GetAt(i)->RestoreCommandBarList(pList);
    for (int i = 0; i < pList->GetCount(); i++)
    {
        CXTPToolBar* pLoaded = DYNAMIC_DOWNCAST(CXTPToolBar, pList->GetAt(i));
        if (pLoaded != NULL && pLoaded->GetType() != xtpBarTypePopup)
            MergeLoadedBar(pLoaded, bSilent);
    }
    m_pMenuBar = NULL;
    for (CXTPToolBar* pBar : m_arrBars)
    {
        if (m_pMenuBar == NULL && pBar->IsKindOf(RUNTIME_CLASS(CXTPMenuBar)))
            m_pMenuBar = (CXTPMenuBar*)pBar;
    }
    // The menu bar shows the frame menu's controls and keeps only the
    // document menus the user changed.
    if (m_pMenuBar != NULL)
        m_pMenuBar->OnStateLoaded();
}

void CXTPCommandBars::MergeLoadedBar(CXTPToolBar* pLoaded, BOOL bSilent)
{
    CXTPToolBar* pBar = GetToolBar(pLoaded->GetBarID());
    if (pBar == NULL)
    {
        // A bar the user made: it joins the manager as loaded.
        if (std::find(m_arrBars.begin(), m_arrBars.end(), pLoaded) != m_arrBars.end())
            return;
        XTPBarPosition position = pLoaded->GetPosition();
        pLoaded->SetCommandBars(this);
        // Docked and floated by the user as before, with the flags it was saved with.
        pLoaded->EnableDocking(pLoaded->GetFlags());
        if (!pLoaded->CreateBarWindow(m_pFrame, position == xtpBarFloating))
            return;
        pLoaded->InternalAddRef();
        m_arrBars.push_back(pLoaded);
        if (position == xtpBarFloating)
            FloatCommandBar(pLoaded);
        else
            DockCommandBarAt(pLoaded, NULL,
                             position >= xtpBarTop && position <= xtpBarRight ? position : xtpBarTop);
        pLoaded->OnRecalcLayout();
        OnToolBarAdded(pLoaded);
        return;
    }

    CXTPControls* pBuiltInOriginal = OwnMenuControls(pBar)->GetOriginalControls();
    CXTPControls* pLoadedOriginal = LoadedOriginalControls(pLoaded, pBuiltInOriginal);
    CXTPControls* pKeepOriginal = pLoadedOriginal != NULL ? pLoadedOriginal : pBuiltInOriginal;
    if (pBuiltInOriginal != NULL && pLoadedOriginal != NULL && !pLoadedOriginal->Compare(pBuiltInOriginal))
    {
        // The program's own bar changed since the state was saved.
        if (bSilent)
            return;
        CString strFormat, strMessage;
        XTPResourceManager()->LoadString(&strFormat, XTP_IDS_CONFIRM_TOOLBAR_CHANGED);
        strMessage.Format(strFormat, (LPCTSTR)pBar->GetTitle());
        // Asked through the application, which may show it its own way.
        if (AfxMessageBox(strMessage, MB_YESNO | MB_ICONQUESTION) == IDYES)
            return;
        pKeepOriginal = pBuiltInOriginal;
    }
    if (pKeepOriginal != NULL)
        pKeepOriginal->InternalAddRef();
    XTPBarPosition position = pBar->GetPosition();
    pBar->Copy(pLoaded, FALSE);
    pBar->SetBarPosition(position);
    // On the controls the bar shows once loaded: a save then holds the
    // original controls this merge accepted, and the next load accepts the
    // bar again.
    OwnMenuControls(pBar)->SetOriginalControls(pKeepOriginal);
    pBar->OnRecalcLayout();
}
