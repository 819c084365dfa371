#pragma once
// The base of every object that receives commands: message maps, command
// dispatch through OnCmdMsg, and a reference count for shared objects.
#include "framework/Core.h"
#include "framework/window/MessageMap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Finds the entry for (nID, nCode) in the map chain and calls it; with
    // pHandlerInfo only reports the handler. nCode packs the message in its
    // high word (0 meaning WM_COMMAND) and the notification code in its low
    // word; CN_UPDATE_COMMAND_UI passes a CCmdUI* in pExtra.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Reference counting of objects shared by several owners; the count
    // starts at 1 and OnFinalRelease runs when it drops to 0.
    DWORD InternalAddRef();
    DWORD InternalRelease();
    virtual void OnFinalRelease();

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Walks the map chain from this class to the root for the first entry of
    // a window message (registered messages included).
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, const AFX_MSGMAP_ENTRY* pAfter = NULL) const;

    long m_dwRef;

protected:
    // The root of every message map; DECLARE_MESSAGE_MAP overrides these.
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
