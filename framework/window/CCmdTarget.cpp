#include "framework/window/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root of every map chain: no entries and no base.
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, 0, 0, 0}};
    static const AFX_MSGMAP messageMap = {NULL, &entries[0]};
    return &messageMap;
}

namespace {

const AFX_MSGMAP* BaseMap(const AFX_MSGMAP* map)
{
    return map->pfnGetBaseMap != NULL ? map->pfnGetBaseMap() : NULL;
}

bool IsCommandEntryFor(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID)
{
    return entry.pnRegisteredMessage == NULL && entry.nMessage == nMessage && entry.nCode == nCode
           && nID >= entry.nID && nID <= entry.nLastID;
}

bool IsWindowEntryFor(const AFX_MSGMAP_ENTRY& entry, UINT message)
{
    if (entry.pnRegisteredMessage != NULL)
        return *entry.pnRegisteredMessage == message;
    return entry.nMessage == message && entry.nCode == 0 && entry.nID == 0 && entry.nLastID == 0;
}

} // namespace

CCmdTarget::CCmdTarget() : m_dwRef(1)
{}

CCmdTarget::~CCmdTarget()
{}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMessage = WM_COMMAND;
    UINT nEntryCode = LOWORD(nCode);
    if (nCode != (int)CN_UPDATE_COMMAND_UI && HIWORD(nCode) != 0)
        nMessage = HIWORD(nCode);

    for (const AFX_MSGMAP* map = GetMessageMap(); map != NULL; map = BaseMap(map))
    {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfnInvoke != NULL; ++entry)
        {
            if (!IsCommandEntryFor(*entry, nMessage, nEntryCode, nID))
                continue;
            if (pHandlerInfo != NULL)
            {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pmf = entry->pfn;
                return TRUE;
            }
            AFX_MSGCALL call = {0, 0, NULL, nID, nCode, pExtra};
            // An _EX handler answering FALSE lets the search go on.
            if (entry->pfnInvoke(this, entry->pfn, call))
                return TRUE;
        }
    }
    return FALSE;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, const AFX_MSGMAP_ENTRY* pAfter) const
{
    bool passedAfter = pAfter == NULL;
    for (const AFX_MSGMAP* map = GetMessageMap(); map != NULL; map = BaseMap(map))
    {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfnInvoke != NULL; ++entry)
        {
            if (!passedAfter)
            {
                passedAfter = entry == pAfter;
                continue;
            }
            if (IsWindowEntryFor(*entry, message))
                return entry;
        }
    }
    return NULL;
}

DWORD CCmdTarget::InternalAddRef()
{
    return (DWORD)InterlockedIncrement(&m_dwRef);
}

DWORD CCmdTarget::InternalRelease()
{
    long count = InterlockedDecrement(&m_dwRef);
    if (count == 0)
        OnFinalRelease();
    return (DWORD)count;
}

void CCmdTarget::OnFinalRelease()
{
    delete this;
}

namespace {
// Nesting depth of BeginWaitCursor on this thread and the cursor it replaced.
thread_local int waitCursorDepth = 0;
thread_local HCURSOR cursorBeforeWait = NULL;
} // namespace

void CCmdTarget::BeginWaitCursor()
{
    HCURSOR previous = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    if (waitCursorDepth++ == 0)
        cursorBeforeWait = previous;
}

void CCmdTarget::EndWaitCursor()
{
    if (waitCursorDepth == 0)
        return;
    if (--waitCursorDepth == 0)
        ::SetCursor(cursorBeforeWait != NULL ? cursorBeforeWait : ::LoadCursor(NULL, IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    if (waitCursorDepth > 0)
        ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
}
