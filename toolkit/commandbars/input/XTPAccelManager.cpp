#include "toolkit/commandbars/input/XTPAccelManager.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPStartup.h"

#include <cstddef>

namespace {

CXTPAccelManager* g_pAccelManager = NULL;

void DestroyAccelManager()
{
    delete g_pAccelManager;
    g_pAccelManager = NULL;
}

const char kAcceleratorsEntry[] = "Accelerators";
const UINT kAccelSize = 6;
// The most entries a stored table may claim; more is damage.
const DWORD kMaxStoredAccels = 0x7FFF;
static_assert(sizeof(ACCEL) == kAccelSize, "an accelerator record is six bytes");
static_assert(offsetof(ACCEL, key) == 2 && offsetof(ACCEL, cmd) == 4,
              "flags, a byte of alignment, key, command");

// The stored form of a table: six bytes a record as the platform lays ACCEL
// out (loading reads them straight into the records), with 0 in the byte of
// alignment. The platform copies a table into our records field by field and
// leaves that byte as the heap had it: written as they are, two saves of one
// table would differ.
std::vector<BYTE> StoredRecords(const std::vector<ACCEL>& entries)
{
    std::vector<BYTE> bytes;
    bytes.reserve(entries.size() * kAccelSize);
    for (const ACCEL& accel : entries)
    {
        const BYTE record[kAccelSize] = {
            accel.fVirt, 0, LOBYTE(accel.key), HIBYTE(accel.key), LOBYTE(accel.cmd), HIBYTE(accel.cmd)};
        bytes.insert(bytes.end(), record, record + kAccelSize);
    }
    return bytes;
}

// Ctrl+Break: named by the table, with no modifier text before it.
const WORD kKeyCancel = 3;
const WORD kKeyEscape = 27;

struct KeyName
{
    UINT nKey;
    const char* pszName;
};

// Names of keys the keyboard driver leaves unnamed.
const KeyName kKeyNames[] = {
    {'0', "0"},          {'1', "1"},          {'2', "2"},           {'3', "3"},
    {'4', "4"},          {'5', "5"},          {'6', "6"},           {'7', "7"},
    {'8', "8"},          {'9', "9"},          {'A', "A"},           {'B', "B"},
    {'C', "C"},          {'D', "D"},          {'E', "E"},           {'F', "F"},
    {'G', "G"},          {'H', "H"},          {'I', "I"},           {'J', "J"},
    {'K', "K"},          {'L', "L"},          {'M', "M"},           {'N', "N"},
    {'O', "O"},          {'P', "P"},          {'Q', "Q"},           {'R', "R"},
    {'S', "S"},          {'T', "T"},          {'U', "U"},           {'V', "V"},
    {'W', "W"},          {'X', "X"},          {'Y', "Y"},           {'Z', "Z"},
    {1, "Left Button"},  {2, "Right Button"}, {3, "Ctrl+Break"},    {4, "Middle Button"},
    {8, "Back"},         {9, "Tab"},          {12, "Clear"},        {13, "Enter"},
    {16, "Shift"},       {17, "Ctrl"},        {18, "Alt"},          {19, "Pause"},
    {20, "Caps Lock"},   {27, "Esc"},         {32, "Space"},        {33, "Page Up"},
    {34, "Page Down"},   {35, "End"},         {36, "Home"},         {37, "Left Arrow"},
    {38, "Up Arrow"},    {39, "Right Arrow"}, {40, "Down Arrow"},   {41, "Select"},
    {42, "Print"},       {43, "Execute"},     {44, "Snapshot"},     {45, "Ins"},
    {46, "Del"},         {47, "Help"},        {91, "Left Windows"}, {92, "Right Windows"},
    {93, "Application"}, {106, "Num *"},      {107, "Num +"},       {108, "Separator"},
    {109, "Num -"},      {110, "Num ."},      {111, "Num /"},       {112, "F1"},
    {113, "F2"},         {114, "F3"},         {115, "F4"},          {116, "F5"},
    {117, "F6"},         {118, "F7"},         {119, "F8"},          {120, "F9"},
    {121, "F10"},        {122, "F11"},        {123, "F12"},         {96, "Num 0"},
    {97, "Num 1"},       {98, "Num 2"},       {99, "Num 3"},        {100, "Num 4"},
    {101, "Num 5"},      {102, "Num 6"},      {103, "Num 7"},       {104, "Num 8"},
    {105, "Num 9"},      {144, "Num Lock"},   {145, "Scrl Lock"},   {246, "Attn"},
    {247, "Crsel"},      {248, "Exsel"},      {249, "Ereof"},       {250, "Play"},
    {251, "Zoom"},       {252, "No Name"},    {253, "Pa1"},         {254, "Oem Clear"}};

// The frame whose table the bars show: the manager's site, else the main window.
CFrameWnd* AccelFrame(CXTPCommandBars* pCommandBars)
{
    CWnd* pWnd = pCommandBars != NULL ? (CWnd*)pCommandBars->GetSite() : AfxGetMainWnd();
    return DYNAMIC_DOWNCAST(CFrameWnd, pWnd);
}

void AppendKeyName(CString& strText, UINT nKey, BOOL bLast)
{
    CString strName = CXTPAccelKeyText::GetKeyName(nKey);
    if (strName.IsEmpty())
        return;
    strText += strName;
    if (!bLast)
        strText += "+";
}

} // namespace

XTP_STARTUP_ENTRY(AccelManager, xtpStartupShortcutManager, NULL, DestroyAccelManager);

CXTPAccelManager* XTPAccelManager()
{
    if (g_pAccelManager == NULL)
        g_pAccelManager = new CXTPAccelManager;
    return g_pAccelManager;
}

void XTPSetAccelManager(CXTPAccelManager* pAccelManager)
{
    if (g_pAccelManager != pAccelManager)
        delete g_pAccelManager;
    g_pAccelManager = pAccelManager;
}

// ---- One accelerator as text ------------------------------------------------------

int CXTPAccelKeyText::GetModifierOrder() const
{
    if (m_pAccel == NULL)
        return 0;
    if (m_pAccel->fVirt & FCONTROL)
        return 3;
    if (m_pAccel->fVirt & FALT)
        return 2;
    if (m_pAccel->fVirt & FSHIFT)
        return 1;
    return 4;
}

CString CXTPAccelKeyText::GetKeyName(UINT nVirtualKey)
{
    CString strName;
    if (nVirtualKey != kKeyCancel)
    {
        LPARAM lParam = ((LPARAM)::MapVirtualKeyExA(nVirtualKey, 0, ::GetKeyboardLayout(0)) << 16) | 1;
        if (nVirtualKey >= 33 && nVirtualKey <= 47)
            lParam |= 0x1000000;
        char szName[50] = "";
        ::GetKeyNameTextA((LONG)lParam, szName, sizeof(szName));
        strName = szName;
    }
    if (strName.IsEmpty())
    {
        for (const KeyName& row : kKeyNames)
        {
            if (row.nKey == nVirtualKey)
                strName = row.pszName;
        }
        return strName;
    }
    // The drivers name keys in capitals: "CTRL" becomes "Ctrl".
    strName.MakeLower();
    for (int i = 0; i < strName.GetLength(); i++)
    {
        if (::IsCharLowerA(strName[i]))
        {
            strName.SetAt(i, (char)(DWORD_PTR)::CharUpperA((LPSTR)(DWORD_PTR)(BYTE)strName[i]));
            break;
        }
    }
    return strName;
}

CString CXTPAccelKeyText::Format() const
{
    CString strText;
    if (m_pAccel == NULL)
        return strText;
    if (m_pAccel->key != kKeyCancel)
    {
        if (m_pAccel->fVirt & FCONTROL)
            AppendKeyName(strText, VK_CONTROL, FALSE);
        if (m_pAccel->fVirt & FSHIFT)
            AppendKeyName(strText, VK_SHIFT, FALSE);
        if (m_pAccel->fVirt & FALT)
            AppendKeyName(strText, VK_MENU, FALSE);
    }
    if (m_pAccel->key != 0)
    {
        if (m_pAccel->fVirt & FVIRTKEY)
            AppendKeyName(strText, m_pAccel->key, TRUE);
        else if (m_pAccel->key != kKeyEscape)
            strText += (char)LOBYTE(m_pAccel->key);
    }
    else if (!strText.IsEmpty())
        strText = strText.Left(strText.GetLength() - 1);
    return strText;
}

// ---- The manager ----------------------------------------------------------------------

CXTPAccelManager::CXTPAccelManager()
{}

CXTPAccelManager::~CXTPAccelManager()
{}

std::vector<ACCEL> CXTPAccelManager::GetFrameAccelTable(CFrameWnd* pFrame)
{
    std::vector<ACCEL> entries;
    HACCEL hAccel = pFrame != NULL ? pFrame->m_hAccelTable : NULL;
    if (hAccel == NULL)
        return entries;
    int nCount = ::CopyAcceleratorTableA(hAccel, NULL, 0);
    if (nCount <= 0)
        return entries;
    entries.resize(nCount);
    ::CopyAcceleratorTableA(hAccel, &entries[0], nCount);
    return entries;
}

void CXTPAccelManager::FormatAccel(CString& strText, const ACCEL* pAccel, int* pnOrder)
{
    CXTPAccelKeyText text(pAccel);
    if (pnOrder != NULL)
        *pnOrder = text.GetModifierOrder();
    strText = text.Format();
}

BOOL CXTPAccelManager::FindShortcutText(UINT nCmd, CString& strShortcut, CXTPCommandBars* pCommandBars)
{
    CFrameWnd* pFrame = AccelFrame(pCommandBars);
    if (pFrame == NULL || pFrame->m_hAccelTable == NULL)
        return FALSE;
    const std::vector<ACCEL> entries = GetFrameAccelTable(pFrame);
    CString strBest;
    int nBestOrder = 0;
    BOOL bFound = FALSE;
    BOOL bCurrentValid = FALSE;
    for (const ACCEL& accel : entries)
    {
        if (accel.cmd != nCmd)
            continue;
        CString strText;
        int nOrder = 0;
        FormatAccel(strText, &accel, &nOrder);
        if (strText == strShortcut)
            bCurrentValid = TRUE;
        if (!bFound || nBestOrder < nOrder)
        {
            strBest = strText;
            nBestOrder = nOrder;
            bFound = TRUE;
        }
    }
    if (!bFound)
    {
        strShortcut.Empty();
        return FALSE;
    }
    if (!bCurrentValid)
        strShortcut = strBest;
    return TRUE;
}

void CXTPAccelManager::SetFrameAccelTable(CFrameWnd* pFrame, const ACCEL* pTable, int nCount)
{
    if (pFrame == NULL)
        return;
    HACCEL hAccel = nCount > 0 ? ::CreateAcceleratorTableA(const_cast<ACCEL*>(pTable), nCount) : NULL;
    if (pFrame->m_hAccelTable != NULL)
        ::DestroyAcceleratorTable(pFrame->m_hAccelTable);
    pFrame->m_hAccelTable = hAccel;
}

void CXTPAccelManager::SetAccel(CFrameWnd* pFrame, BYTE fVirt, WORD key, WORD cmd)
{
    std::vector<ACCEL> entries = GetFrameAccelTable(pFrame);
    const BYTE fWanted = (BYTE)((fVirt | FVIRTKEY) & ~FNOINVERT);
    BOOL bSet = FALSE;
    for (ACCEL& accel : entries)
    {
        if ((accel.fVirt & ~FNOINVERT) == fWanted && accel.key == key)
        {
            accel.cmd = cmd;
            bSet = TRUE;
            break;
        }
    }
    if (!bSet)
    {
        ACCEL accel = {(BYTE)(fVirt | FVIRTKEY), key, cmd};
        entries.push_back(accel);
    }
    SetFrameAccelTable(pFrame, &entries[0], (int)entries.size());
}

BOOL CXTPAccelManager::GetAccel(CFrameWnd* pFrame, UINT nCmd, ACCEL* pAccel)
{
    const std::vector<ACCEL> entries = GetFrameAccelTable(pFrame);
    BOOL bFound = FALSE;
    for (const ACCEL& accel : entries)
    {
        if (accel.cmd == nCmd)
        {
            *pAccel = accel;
            bFound = TRUE;
        }
    }
    if (bFound)
        pAccel->fVirt &= ~FVIRTKEY;
    return bFound;
}

HACCEL CXTPAccelManager::CopyAccelTable(HACCEL hAccel)
{
    if (hAccel == NULL)
        return NULL;
    int nCount = ::CopyAcceleratorTableA(hAccel, NULL, 0);
    if (nCount <= 0)
        return NULL;
    std::vector<ACCEL> entries(nCount);
    ::CopyAcceleratorTableA(hAccel, &entries[0], nCount);
    return ::CreateAcceleratorTableA(&entries[0], nCount);
}

void CXTPAccelManager::SaveShortcuts(CFrameWnd* pFrame, LPCTSTR lpszSection)
{
    if (pFrame == NULL || AfxGetApp() == NULL)
        return;
    // A frame without a table writes an empty entry: the user may have
    // removed every shortcut, and the entry saved before would bring them
    // back at the next start.
    std::vector<BYTE> records = StoredRecords(GetFrameAccelTable(pFrame));
    AfxGetApp()->WriteProfileBinary(lpszSection, kAcceleratorsEntry, records.data(), (UINT)records.size());
}

BOOL CXTPAccelManager::LoadShortcuts(CFrameWnd* pFrame, LPCTSTR lpszSection)
{
    if (pFrame == NULL || AfxGetApp() == NULL)
        return FALSE;
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    if (!AfxGetApp()->GetProfileBinary(lpszSection, kAcceleratorsEntry, &pData, &nBytes) || pData == NULL)
        return FALSE;
    BOOL bLoaded = FALSE;
    // Only a whole number of records is a table, none at all an empty one
    // (every shortcut removed); anything else is damaged and the frame keeps
    // what it has.
    if (nBytes % kAccelSize == 0)
    {
        SetFrameAccelTable(pFrame, (const ACCEL*)pData, (int)(nBytes / kAccelSize));
        bLoaded = TRUE;
    }
    delete[] pData;
    return bLoaded;
}

void CXTPAccelManager::DoPropExchange(CXTPPropExchange* pPX, CFrameWnd* pFrame)
{
    std::vector<ACCEL> entries;
    if (pPX->IsStoring())
        entries = GetFrameAccelTable(pFrame);
    ExchangeEntries(pPX, entries);
    if (pPX->IsLoading())
        SetFrameAccelTable(pFrame, entries.data(), (int)entries.size());
}

void CXTPAccelManager::SerializeShortcuts(CFrameWnd* pFrame, CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px, pFrame);
}

void CXTPAccelManager::ExchangeEntries(CXTPPropExchange* pPX, std::vector<ACCEL>& entries)
{
    if (pPX->IsAllowBlobValues())
        ExchangeAccelData(pPX, entries);
    else
        ExchangeAccelItems(pPX, entries);
}

void CXTPAccelManager::ExchangeAccelData(CXTPPropExchange* pPX, std::vector<ACCEL>& entries)
{
    if (pPX->IsStoring())
    {
        std::vector<BYTE> records = StoredRecords(entries);
        pPX->WriteCount((DWORD)entries.size());
        pPX->Write("Data", records.empty() ? NULL : records.data(), (UINT)records.size());
        return;
    }
    DWORD nCount = pPX->ReadCount();
    if (nCount > kMaxStoredAccels)
        AfxThrowArchiveException(CArchiveException::badIndex);
    entries.resize(nCount);
    UINT nBytes = nCount * kAccelSize;
    if (nBytes > 0 && pPX->Read("Data", &entries[0], nBytes) != nBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

void CXTPAccelManager::ExchangeAccelItems(CXTPPropExchange* pPX, std::vector<ACCEL>& entries)
{
    CXTPPropExchangeEnumeratorPtr pEnum(pPX->GetEnumerator("Accel"));
    POSITION pos = pEnum->GetPosition((DWORD)entries.size());
    std::vector<ACCEL> loaded;
    for (size_t i = 0; pos != NULL; i++)
    {
        if (pPX->IsLoading() && loaded.size() >= kMaxStoredAccels)
            AfxThrowArchiveException(CArchiveException::badIndex);
        CXTPPropExchangeSectionPtr pItem(pEnum->GetNext(pos));
        ACCEL accel = pPX->IsStoring() ? entries[i] : ACCEL();
        PX_UShort(pItem, "Id", accel.cmd, 0);
        PX_Byte(pItem, "virt", accel.fVirt, 0);
        PX_UShort(pItem, "key", accel.key, 0);
        loaded.push_back(accel);
    }
    if (pPX->IsLoading())
        entries.swap(loaded);
}

TCHAR CXTPAccelManager::ToUpper(TCHAR ch)
{
    char sz[2] = {ch, 0};
    ::CharUpperA(sz);
    return sz[0];
}
