// The menu-sound thread: no thread while sounds are off, the requested sound
// played on the worker, stopping that waits for the worker's end, and a
// restart that leaves no old thread behind. The player is replaced by a
// recorder; the worker is waited for with a bounded poll (it is a real
// thread), never by a fixed sleep.
#include "toolkit/commandbars/input/XTPSoundManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the worker asked to play; read only after the worker ended.
std::vector<std::string> g_played;

BOOL WINAPI RecordSound(LPCSTR pszSound, HMODULE, DWORD dwFlags)
{
    g_played.push_back(pszSound != NULL ? pszSound : (dwFlags == SND_PURGE ? "(purge)" : "(null)"));
    return TRUE;
}

class SoundManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
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
    EXPECT_TRUE(g_played.empty());
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
    EXPECT_EQ(std::vector<std::string>({"MenuCommand", "MenuPopup", "(purge)"}), g_played)
        << "a restart ends the old worker first";
    m_sounds.StopThread();
    EXPECT_FALSE(m_sounds.IsThreadRunning());
    EXPECT_EQ(4u, g_played.size()) << "stopping returns only once the worker has ended";
}

TEST_F(SoundManagerTest, TheDestructorStopsTheThread)
{
    {
        CXTPSoundManager sounds;
        sounds.SetSoundPlayer(RecordSound);
        sounds.PlaySystemSound(xtpSoundMenuPopup);
    }
    ASSERT_FALSE(g_played.empty());
    EXPECT_EQ("(purge)", g_played.back());
}

} // namespace
