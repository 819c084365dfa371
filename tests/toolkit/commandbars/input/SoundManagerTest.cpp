// The menu-sound thread: no thread while sounds are off, the requested sound
// played on the worker, stopping that ends the playing sound and waits for
// the worker only a bounded time, a restart that leaves no old thread
// behind, and a worker that sleeps between requests. The player is replaced
// by a recorder; the worker is waited for with a bounded poll (it is a real
// thread), never by a fixed sleep.
#include "toolkit/commandbars/input/XTPSoundManager.h"
#include "toolkit/foundation/XTPLock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the worker and the stopping UI thread asked of the player, in order.
CXTPLock g_lock;
std::vector<std::string> g_played;

void Record(const std::string& entry)
{
    CXTPLockScope scope(g_lock);
    g_played.push_back(entry);
}

std::vector<std::string> Played()
{
    CXTPLockScope scope(g_lock);
    return g_played;
}

// The entries but the UI thread's "(stop)" calls, which may come before or
// after the worker's own entries.
std::vector<std::string> WorkerPlayed()
{
    std::vector<std::string> played;
    for (const std::string& entry : Played())
        if (entry != "(stop)")
            played.push_back(entry);
    return played;
}

int Stops()
{
    int n = 0;
    for (const std::string& entry : Played())
        n += entry == "(stop)";
    return n;
}

BOOL WINAPI RecordSound(LPCSTR pszSound, HMODULE, DWORD dwFlags)
{
    Record(pszSound != NULL ? pszSound : (dwFlags == SND_PURGE ? "(purge)" : "(stop)"));
    return TRUE;
}

// Until the recorder holds the entry (at most five seconds).
bool WaitForEntry(const char* pszEntry)
{
    for (int i = 0; i < 1000; i++)
    {
        for (const std::string& entry : Played())
            if (entry == pszEntry)
                return true;
        ::Sleep(5);
    }
    return false;
}

class SoundManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CXTPLockScope scope(g_lock);
        g_played.clear();
        m_sounds.SetSoundPlayer(RecordSound);
    }
    // Until the worker took the pending request (at most two seconds).
    void WaitUntilTaken()
    {
        for (int i = 0; i < 400 && m_sounds.GetPendingRequest() != xtpSoundNone; i++)
            ::Sleep(5);
        ASSERT_EQ(xtpSoundNone, m_sounds.GetPendingRequest());
    }

    CXTPSoundManager m_sounds;
};

TEST_F(SoundManagerTest, WithSoundsOffNoThreadStarts)
{
    m_sounds.EnableSystemSounds(FALSE);
    m_sounds.PlaySystemSound(xtpSoundMenuCommand);
    EXPECT_FALSE(m_sounds.IsThreadRunning());
    EXPECT_EQ(xtpSoundNone, m_sounds.GetPendingRequest());
    m_sounds.StopThread(); // without a thread: nothing to stop
    EXPECT_TRUE(Played().empty());
}

TEST_F(SoundManagerTest, TheWorkerPlaysTheRequestedSoundsAndPurgesAtItsEnd)
{
    m_sounds.PlaySystemSound(xtpSoundMenuCommand);
    EXPECT_TRUE(m_sounds.IsThreadRunning());
    WaitUntilTaken();
    m_sounds.PlaySystemSound(xtpSoundMenuPopup);
    WaitUntilTaken();
    m_sounds.StartThread();
    EXPECT_TRUE(m_sounds.IsThreadRunning());
    ASSERT_TRUE(WaitForEntry("(purge)")) << "a restart ends the old worker";
    EXPECT_EQ(std::vector<std::string>({"MenuCommand", "MenuPopup", "(purge)"}), WorkerPlayed());
    EXPECT_EQ(1, Stops()) << "the playing sound was ended first";
    m_sounds.StopThread();
    EXPECT_FALSE(m_sounds.IsThreadRunning());
    for (int i = 0; i < 1000 && WorkerPlayed().size() < 4; i++)
        ::Sleep(5);
    EXPECT_EQ(4u, WorkerPlayed().size()) << "the new worker ended too";
}

// A worker with nothing to play sleeps until it is asked: it wakes once per
// request, never in between. Its wake-ups are watched for a quarter of a
// second after each sound (a polling worker wakes every few milliseconds).
TEST_F(SoundManagerTest, TheWorkerWakesOnlyWhenAsked)
{
    const auto bWakesUnasked = [&] {
        const LONG nWakeups = m_sounds.GetWorkerWakeups();
        for (int i = 0; i < 50 && m_sounds.GetWorkerWakeups() == nWakeups; i++)
            ::Sleep(5);
        return m_sounds.GetWorkerWakeups() != nWakeups;
    };
    m_sounds.PlaySystemSound(xtpSoundMenuCommand);
    ASSERT_TRUE(WaitForEntry("MenuCommand"));
    EXPECT_FALSE(bWakesUnasked()) << "after a command";
    EXPECT_EQ(1, m_sounds.GetWorkerWakeups());
    m_sounds.PlaySystemSound(xtpSoundMenuPopup);
    ASSERT_TRUE(WaitForEntry("MenuPopup"));
    EXPECT_FALSE(bWakesUnasked()) << "after a popup";
    EXPECT_EQ(2, m_sounds.GetWorkerWakeups());
    m_sounds.StopThread();
    ASSERT_TRUE(WaitForEntry("(purge)")) << "the resting worker ended when stopped";
    EXPECT_EQ(std::vector<std::string>({"MenuCommand", "MenuPopup", "(purge)"}), WorkerPlayed());
}

TEST_F(SoundManagerTest, TheDestructorStopsTheThread)
{
    {
        CXTPSoundManager sounds;
        sounds.SetSoundPlayer(RecordSound);
        sounds.PlaySystemSound(xtpSoundMenuPopup);
    }
    ASSERT_TRUE(WaitForEntry("(purge)"));
    EXPECT_EQ("(purge)", WorkerPlayed().back());
}

// A player whose "MenuCommand" lasts until it is stopped (at most ten
// seconds); g_bObeysStop says whether the stop call ends it, else only
// g_hRelease does. It notes that it began, whether it is still playing and
// how it ended.
HANDLE g_hStarted, g_hStop, g_hRelease;
BOOL g_bObeysStop;
volatile LONG g_bPlaying;

BOOL WINAPI LongSound(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags)
{
    RecordSound(pszSound, hModule, dwFlags);
    if (pszSound == NULL)
    {
        if (dwFlags == 0)
            ::SetEvent(g_hStop);
        return TRUE;
    }
    ::InterlockedExchange(&g_bPlaying, TRUE);
    ::SetEvent(g_hStarted);
    HANDLE handles[] = {g_bObeysStop ? g_hStop : g_hRelease};
    const DWORD dwResult = ::WaitForMultipleObjects(1, handles, FALSE, 10000);
    Record(dwResult == WAIT_OBJECT_0 ? "(ended)" : "(timed out)");
    ::InterlockedExchange(&g_bPlaying, FALSE);
    return TRUE;
}

class LongSoundTest : public SoundManagerTest
{
protected:
    void SetUp() override
    {
        SoundManagerTest::SetUp();
        g_hStarted = ::CreateEvent(NULL, TRUE, FALSE, NULL);
        g_hStop = ::CreateEvent(NULL, TRUE, FALSE, NULL);
        g_hRelease = ::CreateEvent(NULL, TRUE, FALSE, NULL);
        g_bPlaying = FALSE;
        m_sounds.SetSoundPlayer(LongSound);
    }
    void TearDown() override
    {
        ::SetEvent(g_hRelease);
        // The worker ends after its sound, alone.
        EXPECT_TRUE(WaitForEntry("(purge)"));
        for (HANDLE hEvent : {g_hStarted, g_hStop, g_hRelease})
            ::CloseHandle(hEvent);
    }
    // Starts "MenuCommand" and waits until the worker plays it.
    void StartLongSound()
    {
        m_sounds.PlaySystemSound(xtpSoundMenuCommand);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(g_hStarted, 5000));
    }
};

TEST_F(LongSoundTest, StoppingEndsThePlayingSoundFirst)
{
    g_bObeysStop = TRUE;
    StartLongSound();
    m_sounds.StopThread();
    EXPECT_FALSE(m_sounds.IsThreadRunning());
    ASSERT_TRUE(WaitForEntry("(purge)"));
    EXPECT_EQ(std::vector<std::string>({"MenuCommand", "(stop)", "(ended)", "(purge)"}), Played());
}

TEST_F(LongSoundTest, ASoundThatDoesNotEndDoesNotHoldTheStop)
{
    g_bObeysStop = FALSE;
    StartLongSound();
    m_sounds.StopThread();
    EXPECT_FALSE(m_sounds.IsThreadRunning());
    EXPECT_TRUE(g_bPlaying) << "stopping returned while the sound still played";
}

} // namespace
