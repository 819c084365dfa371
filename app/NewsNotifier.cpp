#include "app/NewsNotifier.h"

#include "app/BalloonText.h"

#include <mmsystem.h>

namespace {

// Relative to the current folder: the program's folder when started normally.
const char kAlarmSound[] = "sound/alarm.wav";
const UINT kAnimationPeriod = 500; // ms
PFNPLAYALARM g_pfnPlayAlarm = NULL;

void PlayAlarm()
{
    const DWORD dwFlags = SND_FILENAME | SND_ASYNC;
    if (g_pfnPlayAlarm != NULL)
        g_pfnPlayAlarm(kAlarmSound, NULL, dwFlags);
    else
        ::PlaySoundA(kAlarmSound, NULL, dwFlags); // fails quietly without a sound device
}

} // namespace

void SetAlarmPlayerForTesting(PFNPLAYALARM pfnPlay)
{
    g_pfnPlayAlarm = pfnPlay;
}

NewsNotifier::NewsNotifier(CXTTrayIcon& trayIcon, const FrameOptions& options)
    : m_trayIcon(trayIcon), m_options(options), m_pKeywords(NULL), m_bAnimating(FALSE), m_bBalloonsOn(TRUE),
      m_bBalloonShowing(FALSE), m_bHasBalloonItem(FALSE)
{}

void NewsNotifier::StartAnimation()
{
    m_bAnimating = TRUE;
    m_trayIcon.StartAnimation(kAnimationPeriod);
}

void NewsNotifier::NewsArrived()
{
    if (m_pKeywords != NULL && m_pKeywords->totalUnread > 0 && !m_bAnimating)
        StartAnimation();
    // A running sequence shows the new items too, one after another.
    if (m_bBalloonShowing)
        return;
    if (m_options.playSoundOnNews)
        PlayAlarm();
    m_bBalloonsOn = TRUE;
    ShowNextBalloon();
}

void NewsNotifier::AllRead()
{
    if (m_pKeywords == NULL || m_pKeywords->totalUnread != 0 || !m_bAnimating)
        return;
    CeaseAnimation();
}

void NewsNotifier::CeaseAnimation()
{
    m_trayIcon.StopAnimation();
    m_bAnimating = FALSE;
}

void NewsNotifier::ShowNextBalloon()
{
    if (!m_options.showSummary)
    {
        // Switched off while a sequence ran: it ends here.
        m_bBalloonShowing = FALSE;
        return;
    }
    NewsItem* pItem = m_pKeywords != NULL ? m_pKeywords->PopNextUnalerted() : NULL;
    m_bHasBalloonItem = pItem != NULL;
    if (pItem == NULL)
    {
        m_bBalloonShowing = FALSE;
        return;
    }
    m_balloonItem.keyword = pItem->owner;
    m_balloonItem.title = pItem->title;
    m_balloonItem.link = pItem->link;
    if (!m_bBalloonsOn)
    {
        m_bBalloonShowing = FALSE;
        return;
    }
    // A balloon the icon refuses never closes, so nothing would show the
    // next one: the sequence ends and the next news starts a new one.
    m_bBalloonShowing = m_trayIcon.ShowBalloonTip(BalloonText(pItem->owner->name, pItem->summary),
                                                  BalloonTitle(pItem->title), NIIF_INFO, m_options.alertTime);
}

void NewsNotifier::BalloonClosed()
{
    if (m_bBalloonsOn)
        ShowNextBalloon();
    else
        m_bBalloonShowing = FALSE; // ceased: the sequence ends with the balloon that closed
}

NewsItem* NewsNotifier::FindItem(const BalloonItem& item) const
{
    if (m_pKeywords == NULL)
        return NULL;
    // A keyword made since at a removed one's address only counts when it
    // holds an item of that title and link: the same news.
    Keyword* pKeyword = m_pKeywords->GetFirst();
    while (pKeyword != NULL && pKeyword != item.keyword)
        pKeyword = m_pKeywords->GetNext(pKeyword);
    if (pKeyword == NULL)
        return NULL;
    for (NewsItem* pItem = pKeyword->firstItem; pItem != NULL; pItem = pItem->next)
    {
        if (pItem->title == item.title && pItem->link == item.link)
            return pItem;
    }
    return NULL;
}
