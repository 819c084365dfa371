#include "app/NotifyIconQueue.h"

#include "toolkit/controls/XTTrayIcon.h"

#include <algorithm>
#include <deque>

namespace {

// One call: the record as it was handed over, with a copy of its icon that
// the call owns (the caller may destroy or replace its own meanwhile).
struct Call
{
    DWORD message;
    NOTIFYICONDATAA record;
    HICON ownIcon;
};

void FreeCall(Call& call)
{
    if (call.ownIcon != NULL)
        ::DestroyIcon(call.ownIcon);
    call.ownIcon = NULL;
}

void MakeCall(Call& call)
{
    const BOOL bAnswer = XTShellNotifyIcon(call.message, &call.record);
    FreeCall(call);
    // A window gone meanwhile hears nothing.
    ::PostMessageA(call.record.hWnd, WM_NOTIFY_ICON_ANSWER, MAKEWPARAM(call.message, call.record.uFlags),
                   bAnswer);
}

// Under wine a new thread starts with about a megabyte of its stack touched
// (zeroed pages below its first frame, whatever stack size it asks for) that
// stays in the working set: the program's working set grew by that much with
// this thread. The committed pages further below the frame are handed back:
// no frame lives there yet, so their contents are not needed, and the
// stack takes them again when it needs them. Under Windows only the few pages committed there are.
void ReleaseStackBelow(const void* pFrame)
{
    // Room for the frames of this call and the system's below it.
    const UINT_PTR kMargin = 64 * 1024;
    BYTE* const pTop = (BYTE*)(((UINT_PTR)pFrame - kMargin) & ~(UINT_PTR)0xFFF);
    MEMORY_BASIC_INFORMATION info;
    if (::VirtualQuery(pFrame, &info, sizeof info) == 0)
        return;
    // The stack's regions from its lowest page up, each as far as its pages
    // are alike.
    for (BYTE* p = (BYTE*)info.AllocationBase; p < pTop && ::VirtualQuery(p, &info, sizeof info) != 0;)
    {
        BYTE* pEnd = std::min(p + info.RegionSize, pTop);
        if (info.State == MEM_COMMIT && info.Protect == PAGE_READWRITE)
            ::VirtualAlloc(p, pEnd - p, MEM_RESET, PAGE_READWRITE);
        p = pEnd;
    }
}

bool IsSameIcon(const Call& a, const Call& b)
{
    return a.record.hWnd == b.record.hWnd && a.record.uID == b.record.uID;
}

// The later call makes the earlier one of the same icon needless: both are
// modifies, the earlier no balloon, and the later sets every part the
// earlier sets (the state bits among them) to its own values.
bool MakesNeedless(const Call& later, const Call& earlier)
{
    if (later.message != NIM_MODIFY || earlier.message != NIM_MODIFY || (earlier.record.uFlags & NIF_INFO))
        return false;
    const UINT parts = earlier.record.uFlags;
    if ((later.record.uFlags & parts) != parts)
        return false;
    const DWORD stateBits = earlier.record.dwStateMask;
    return !(parts & NIF_STATE) || (later.record.dwStateMask & stateBits) == stateBits;
}

// The process's one queue and its thread, made with the first call and kept
// to the process's end (the thread waits for work all its life).
class Queue
{
public:
    Queue() : m_bThreadMade(false), m_bRunning(false), m_nRunningSince(0)
    {
        ::InitializeCriticalSection(&m_lock);
        m_hWork = ::CreateEventA(NULL, FALSE, FALSE, NULL);
        m_hChanged = ::CreateEventA(NULL, FALSE, FALSE, NULL);
    }

    void Post(Call call)
    {
        if (!MakeThread())
        {
            MakeCall(call);
            return;
        }
        ::EnterCriticalSection(&m_lock);
        DropNeedlessBefore(call);
        m_calls.push_back(call);
        ::LeaveCriticalSection(&m_lock);
        ::SetEvent(m_hWork);
    }

    // Waits until done() holds (asked under the lock) or nWaitMs passed.
    template <class Done>
    BOOL WaitFor(DWORD nWaitMs, Done done)
    {
        const DWORD nStart = ::GetTickCount();
        for (;;)
        {
            ::EnterCriticalSection(&m_lock);
            const bool bDone = done(m_calls.empty(), m_bRunning, ::GetTickCount() - m_nRunningSince);
            ::LeaveCriticalSection(&m_lock);
            const DWORD nWaited = ::GetTickCount() - nStart;
            if (bDone)
                return TRUE;
            if (nWaited >= nWaitMs)
                return FALSE;
            // A change wakes the wait; the slice bounds a grace period's end.
            ::WaitForSingleObject(m_hChanged, std::min<DWORD>(nWaitMs - nWaited, 20));
        }
    }

private:
    // Under the lock: drops the waiting modifies of the call's icon that it
    // makes needless, back to the icon's last add or delete.
    void DropNeedlessBefore(const Call& call)
    {
        for (std::deque<Call>::iterator it = m_calls.end(); it != m_calls.begin();)
        {
            --it;
            if (!IsSameIcon(*it, call))
                continue;
            if (it->message != NIM_MODIFY)
                break;
            if (MakesNeedless(call, *it))
            {
                FreeCall(*it);
                it = m_calls.erase(it);
            }
        }
    }

    bool MakeThread()
    {
        if (!m_bThreadMade && m_hWork != NULL && m_hChanged != NULL)
        {
            HANDLE hThread = ::CreateThread(NULL, 0, ThreadProc, this, 0, NULL);
            if (hThread != NULL)
            {
                ::CloseHandle(hThread);
                m_bThreadMade = true;
            }
        }
        return m_bThreadMade;
    }

    static DWORD WINAPI ThreadProc(LPVOID pParam)
    {
        ReleaseStackBelow(&pParam);
        static_cast<Queue*>(pParam)->Run();
        return 0;
    }

    void Run()
    {
        for (;;)
        {
            Call call = TakeNext();
            MakeCall(call);
            ::EnterCriticalSection(&m_lock);
            m_bRunning = false;
            ::LeaveCriticalSection(&m_lock);
            ::SetEvent(m_hChanged);
        }
    }

    // The next call, waiting for one.
    Call TakeNext()
    {
        ::EnterCriticalSection(&m_lock);
        while (m_calls.empty())
        {
            ::LeaveCriticalSection(&m_lock);
            ::WaitForSingleObject(m_hWork, INFINITE);
            ::EnterCriticalSection(&m_lock);
        }
        Call call = m_calls.front();
        m_calls.pop_front();
        m_bRunning = true;
        m_nRunningSince = ::GetTickCount();
        ::LeaveCriticalSection(&m_lock);
        return call;
    }

    CRITICAL_SECTION m_lock;
    // Set when a call was handed over.
    HANDLE m_hWork;
    // Set when a call was answered.
    HANDLE m_hChanged;
    // Touched only by the callers' side (the program's one window thread).
    bool m_bThreadMade;
    // Under the lock: the calls waiting, whether one is being made and since when.
    std::deque<Call> m_calls;
    bool m_bRunning;
    DWORD m_nRunningSince;
};

Queue& TheQueue()
{
    static Queue* s_pQueue = new Queue;
    return *s_pQueue;
}

} // namespace

void NotifyIconQueue::Post(DWORD dwMessage, const NOTIFYICONDATAA& record)
{
    Call call = {dwMessage, record, NULL};
    if ((record.uFlags & NIF_ICON) && record.hIcon != NULL)
    {
        call.ownIcon = ::CopyIcon(record.hIcon);
        if (call.ownIcon != NULL)
            call.record.hIcon = call.ownIcon;
    }
    TheQueue().Post(call);
}

BOOL NotifyIconQueue::WaitUntilIdle(DWORD nWaitMs)
{
    return TheQueue().WaitFor(nWaitMs, [](bool bEmpty, bool bRunning, DWORD) { return bEmpty && !bRunning; });
}

BOOL NotifyIconQueue::WaitBeforeExit(DWORD nWaitMs, DWORD nGraceMs)
{
    return TheQueue().WaitFor(nWaitMs, [nGraceMs](bool bEmpty, bool bRunning, DWORD nRunningFor) {
        return bEmpty && (!bRunning || nRunningFor >= nGraceMs);
    });
}
