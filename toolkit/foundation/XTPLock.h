#pragma once
// CXTPLock: a critical section that serialises whatever its owner guards
// across threads. CXTPLockScope holds a lock for the lifetime of a block, so
// every way out of the block (return, exception) leaves it again:
//
//     CXTPLock m_lock;                  // beside the data it guards
//     ...
//     {
//         CXTPLockScope scope(m_lock);  // entered here
//         m_nShared++;
//     }                                 // left here
#include <windows.h>

class CXTPLock
{
public:
    CXTPLock() { ::InitializeCriticalSection(&m_section); }
    ~CXTPLock() { ::DeleteCriticalSection(&m_section); }

    // Waits until no other thread holds the lock, then holds it.
    void Lock() { ::EnterCriticalSection(&m_section); }
    void Unlock() { ::LeaveCriticalSection(&m_section); }

private:
    CXTPLock(const CXTPLock&);
    CXTPLock& operator=(const CXTPLock&);

    CRITICAL_SECTION m_section;
};

class CXTPLockScope
{
public:
    explicit CXTPLockScope(CXTPLock& lock) : m_lock(lock) { m_lock.Lock(); }
    ~CXTPLockScope() { m_lock.Unlock(); }

private:
    CXTPLockScope(const CXTPLockScope&);
    CXTPLockScope& operator=(const CXTPLockScope&);

    CXTPLock& m_lock;
};
