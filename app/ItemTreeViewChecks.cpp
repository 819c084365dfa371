// CItemTreeView's keyword checks. A check of one keyword fetches and parses
// its page on a NewsFetch worker; everything that touches the records (the
// merge, bold marks, the news list, the counters) happens here, on the view's
// thread, when the worker's WM_NEWS_FETCHED arrives. A pass walks the keywords
// as they were when it started and skips a keyword that another check holds,
// so no keyword is ever checked twice at once. Its fetches run one after
// another on a thread of their own, in keyword order, up to kPassAhead of
// them ahead of the merges: the requests go out back to back while this
// thread merges and paints, and the merges come in keyword order.
#include "app/Addresses.h"
#include "app/AppMessages.h"
#include "app/FrameOptions.h"
#include "app/ItemTreeView.h"
#include "app/NewsFetch.h"
#include "app/NewsQuery.h"
#include "app/SkellrunView.h"
#include "app/TreeRedrawBatch.h"
#include "engine/ResultMerge.h"

#include <algorithm>

namespace {

// How many of the pass's fetches may be handed out before their merge.
const size_t kPassAhead = 16;

} // namespace

int CItemTreeView::GetCheckState() const
{
    Keyword* pShown = m_pListView != NULL ? m_pListView->GetKeyword() : NULL;
    if (pShown != NULL && pShown->singleCheck)
        return CHECK_SHOWN_KEYWORD;
    return m_bPassRunning ? CHECK_PASS : CHECK_NONE;
}

void CItemTreeView::ArmCheckTimer()
{
    KillTimer(TIMER_CHECK);
    SetTimer(TIMER_CHECK, FrameOptions::CheckIntervalMilliseconds((DWORD)AutoCheckInterval), NULL);
}

CString CItemTreeView::SearchHost() const
{
    return m_strSearchHost.IsEmpty() ? NewsSearchHost() : m_strSearchHost;
}

void CItemTreeView::UpdateBusyState()
{
    g_bUpdatingNews = m_bPassRunning || m_nSingleChecks > 0;
}

// ---------------------------------------------------------------------------
// What starts a check.

LRESULT CItemTreeView::OnStartupCheck(WPARAM, LPARAM)
{
    if (!m_bPassRunning)
    {
        m_bStartedAtStartup = TRUE;
        StartPass();
    }
    return 0;
}

void CItemTreeView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_CHECK)
    {
        CView::OnTimer(nIDEvent);
        return;
    }
    // A timed pass never runs beside another pass; the next tick comes.
    if (m_bPassRunning)
        return;
    m_bStartedAtStartup = FALSE;
    if (AutoCheckEvery)
        StartPass();
}

void CItemTreeView::OnCheckEveryKeyword()
{
    m_bStartedAtStartup = FALSE;
    m_bPassRequested = TRUE;
    if (!m_bPassRunning)
        StartPass();
}

void CItemTreeView::OnCheckNews()
{
    StartSingleCheck(KeywordOf(m_wndTree.GetSelectedItem()));
}

void CItemTreeView::StartSingleCheck(Keyword* pKeyword)
{
    if (pKeyword == NULL || pKeyword->checking || m_bStopped)
        return;
    ++m_nSingleChecks;
    UpdateBusyState();
    pKeyword->singleCheck = TRUE;
    PostToTopLevel(this, WM_CHECK_PROGRESS, 0, 1);
    if (StartFetch(pKeyword, m_workers) == NULL)
        EndSingleCheck(pKeyword);
}

void CItemTreeView::EndSingleCheck(Keyword* pKeyword)
{
    if (pKeyword != NULL)
        pKeyword->singleCheck = FALSE;
    PostToTopLevel(this, WM_CHECK_PROGRESS, 100, 1);
    --m_nSingleChecks;
    UpdateBusyState();
}

// ---------------------------------------------------------------------------
// The pass.

void CItemTreeView::StartPass()
{
    if (m_bStopped)
        return;
    m_passKeywords.clear();
    for (Keyword* pKeyword = m_group.GetFirst(); pKeyword != NULL; pKeyword = m_group.GetNext(pKeyword))
        m_passKeywords.push_back(pKeyword);
    m_nPassNext = 0;
    m_bPassFoundNews = FALSE;
    m_nPercent = 0;
    m_bPassRunning = TRUE;
    UpdateBusyState();
    ContinuePass();
}

void CItemTreeView::ContinuePass()
{
    // The progress goes out before each keyword's fetch, a skipped one's
    // too, so it runs 0, 100/n, ... and shows 100 only at the end.
    while (m_passFetches.size() < kPassAhead && m_nPassNext < m_passKeywords.size())
    {
        const size_t nIndex = m_nPassNext++;
        m_nPercent = (int)(nIndex * 100 / m_passKeywords.size());
        PostToTopLevel(this, WM_CHECK_PROGRESS, m_nPercent, 2);
        Keyword* pKeyword = m_passKeywords[nIndex];
        if (pKeyword == NULL || pKeyword->checking)
            continue;
        if (NewsFetch* pFetch = StartFetch(pKeyword, m_passWorkers))
            m_passFetches.push_back(pFetch);
    }
    if (m_passFetches.empty())
        EndPass();
}

void CItemTreeView::EndPass()
{
    m_passKeywords.clear();
    PostToTopLevel(this, WM_CHECK_PROGRESS, 100, 2);
    m_bPassRequested = FALSE;
    m_bPassRunning = FALSE;
    m_nPercent = 100;
    UpdateBusyState();
    // "Don't display Desktop Alert for the 1st time automatic check".
    if (m_bPassFoundNews && !(m_bStartedAtStartup && ShowSummaryOnStart))
        PostToTopLevel(this, WM_NEWS_ARRIVED, 0, 0);
    ArmCheckTimer();
}

// ---------------------------------------------------------------------------
// Fetches and their results.

NewsFetch* CItemTreeView::StartFetch(Keyword* pKeyword, NewsFetchWorkers& workers)
{
    NewsFetch* pFetch = new NewsFetch(pKeyword, NewsSearchUrl(SearchHost(), pKeyword->name));
    if (!pFetch->Start(m_hWnd, workers))
    {
        delete pFetch;
        return NULL;
    }
    pKeyword->checking = TRUE;
    m_fetches.push_back(pFetch);
    return pFetch;
}

LRESULT CItemTreeView::OnNewsFetched(WPARAM, LPARAM lParam)
{
    NewsFetch* pFetch = (NewsFetch*)lParam;
    std::vector<NewsFetch*>::iterator it = std::find(m_fetches.begin(), m_fetches.end(), pFetch);
    if (it == m_fetches.end())
        return 0; // given up by StopChecks
    m_fetches.erase(it);
    pFetch->WaitForEnd(INFINITE); // the worker has posted: it only returns now
    Keyword* pKeyword = pFetch->keyword;
    BOOL bNews = FALSE;
    if (pKeyword != NULL)
    {
        pKeyword->checking = FALSE;
        if (!m_bStopped)
            bNews = MergeFetched(pKeyword, pFetch);
    }
    // The pass's fetches come back in the order they were handed out.
    const BOOL bPassStep = !m_passFetches.empty() && pFetch == m_passFetches.front();
    ASSERT(bPassStep || std::find(m_passFetches.begin(), m_passFetches.end(), pFetch) == m_passFetches.end());
    if (bPassStep)
        m_passFetches.pop_front();
    delete pFetch;
    if (m_bStopped)
        return 0;
    if (bPassStep)
    {
        m_bPassFoundNews = m_bPassFoundNews || bNews;
        ContinuePass();
    }
    else
    {
        EndSingleCheck(pKeyword);
    }
    return 0;
}

BOOL CItemTreeView::MergeFetched(Keyword* pKeyword, NewsFetch* pFetch)
{
    // A failed request or a page without news leaves the items as they were
    // (the time texts of the known ones refreshed).
    if (!pFetch->fetched || !MergeResultPage(m_group, *pKeyword, pFetch->page))
        return FALSE;
    TreeRedrawBatch batch(m_wndTree);
    SetKeywordBold(pKeyword, TRUE);
    SetKeywordBold(NULL, TRUE);
    if (m_pListView != NULL && m_pListView->GetKeyword() == pKeyword)
        m_pListView->ShowKeyword(pKeyword);
    return TRUE;
}

void CItemTreeView::ForgetKeywordChecks(Keyword* pKeyword)
{
    // Its fetch gives up at once: one still waiting for its turn sends nothing.
    for (NewsFetch* pFetch : m_fetches)
    {
        if (pFetch->keyword == pKeyword)
        {
            pFetch->keyword = NULL;
            pFetch->Abort();
        }
    }
    std::replace(m_passKeywords.begin(), m_passKeywords.end(), pKeyword, (Keyword*)NULL);
}

// ---------------------------------------------------------------------------
// Closing.

void CItemTreeView::StopChecks(DWORD nWaitMs)
{
    m_bStopped = TRUE;
    if (m_hWnd != NULL)
        KillTimer(TIMER_CHECK);
    for (NewsFetch* pFetch : m_fetches)
        pFetch->Abort();
    const DWORD nStart = ::GetTickCount();
    std::vector<NewsFetch*> stillRunning;
    for (NewsFetch* pFetch : m_fetches)
    {
        const DWORD nWaited = ::GetTickCount() - nStart;
        if (pFetch->WaitForEnd(nWaited < nWaitMs ? nWaitMs - nWaited : 0))
            delete pFetch;
        else
            stillRunning.push_back(pFetch);
    }
    m_fetches.swap(stillRunning);
    for (Keyword* pKeyword = m_group.GetFirst(); pKeyword != NULL; pKeyword = m_group.GetNext(pKeyword))
        pKeyword->checking = pKeyword->singleCheck = FALSE;
    m_passFetches.clear();
    m_passKeywords.clear();
    m_bPassRunning = FALSE;
    m_nSingleChecks = 0;
    UpdateBusyState();
}

void CItemTreeView::OnDestroy()
{
    StopChecks();
    // A worker that outlived the wait still uses its fetch: that one is left
    // to the process's end rather than freed under it.
    m_fetches.clear();
    CView::OnDestroy();
}
