#pragma once
// A critical section that serialises whatever its owner guards, and a scope
// object that holds it for the lifetime of a block.
#include <windows.h>

class CXTPLock
{
public:
    CXTPLock() { ::InitializeCriticalSection(&m_section); }
    ~CXTPLock() { ::DeleteCriticalSection(&m_section); }

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
