#pragma once
// NewsNotifier: tells the user about new news through the notification-area
// icon: the icon's animation, the alarm sound and one balloon per item not yet
// alerted, shown one after another as each balloon closes. The main frame
// owns one and drives it from its messages; it needs no window of its own.
//
//   NewsNotifier notifier(trayIcon, options);
//   notifier.SetKeywords(&treeView->GetKeywords());
//   notifier.NewsArrived();        // WM_NEWS_ARRIVED: animate, sound, balloons
//   notifier.BalloonClosed();      // the balloon hid or timed out: the next one
//   notifier.AllRead();            // WM_ALL_READ: the animation stops
//
// The balloon's item is remembered by its keyword and copies of its title and
// link, never by a pointer to the item: a later check or a removal may free
// the item while its balloon shows. FindItem looks it up again in the current
// list.
#include "app/FrameOptions.h"
#include "engine/KeywordGroup.h"
#include "toolkit/controls/XTTrayIcon.h"

// Test seam: the alarm sound "sound/alarm.wav" (relative to the current
// folder) is played through this function (NULL: the system's PlaySound).
typedef BOOL(WINAPI* PFNPLAYALARM)(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);
void SetAlarmPlayerForTesting(PFNPLAYALARM pfnPlay);

class NewsNotifier
{
public:
    // Which item a balloon tells of.
    struct BalloonItem
    {
        // Which keyword, by its address: that survives a rename and tells two
        // keywords of one name apart. Only compared with the list's keywords,
        // never followed, since the keyword may have been removed meanwhile.
        const Keyword* keyword = NULL;
        CString title;
        CString link;
    };

    // Reads PlaySoundOnNews, ShowSummary and AlertTime from options whenever
    // it needs them.
    NewsNotifier(CXTTrayIcon& trayIcon, const FrameOptions& options);
    NewsNotifier(const NewsNotifier&) = delete;
    NewsNotifier& operator=(const NewsNotifier&) = delete;

    // The list whose items are announced; NULL announces nothing.
    void SetKeywords(KeywordGroup* pKeywords) { m_pKeywords = pKeywords; }

    // New news: the icon animates while anything is unread. When no balloon
    // sequence runs, the alarm sounds (when the option says so) and a new
    // sequence starts with the balloons on again.
    void NewsArrived();
    // Stops the animation once nothing is unread any more.
    void AllRead();
    // Shows the balloon of the next item not yet alerted, which becomes the
    // balloon item; the sequence ends when there is none, when balloons are
    // off (the item taken counts as alerted) or when the icon refuses the
    // balloon. While ShowSummary is off nothing shows and no sequence runs.
    void ShowNextBalloon();
    // The shell hid the balloon or its time ran out: the next one while the
    // balloons are on, else the sequence ends (the next news starts another).
    void BalloonClosed();
    // The icon's shell refused the balloon: none shows, so none will close;
    // the sequence ends until the next news.
    void BalloonRefused() { m_bBalloonShowing = FALSE; }
    // No further balloon in this sequence; the one on screen stays.
    void CeaseBalloons() { m_bBalloonsOn = FALSE; }
    void CeaseAnimation();

    BOOL IsAnimating() const { return m_bAnimating; }
    BOOL AreBalloonsOn() const { return m_bBalloonsOn; }
    BOOL IsSequenceRunning() const { return m_bBalloonShowing; }
    // The item the last balloon told of; NULL when the sequence took none.
    const BalloonItem* GetBalloonItem() const { return m_bHasBalloonItem ? &m_balloonItem : NULL; }
    // The item as the list holds it now: the item of that title and link in
    // that keyword; NULL when either is gone.
    NewsItem* FindItem(const BalloonItem& item) const;

private:
    void StartAnimation();

    CXTTrayIcon& m_trayIcon;
    const FrameOptions& m_options;
    KeywordGroup* m_pKeywords;
    BOOL m_bAnimating;
    BOOL m_bBalloonsOn;
    BOOL m_bBalloonShowing;
    BOOL m_bHasBalloonItem;
    BalloonItem m_balloonItem;
};
