// CItemTreeView's keyword checks. A check of one keyword fetches and parses
// its page on a NewsFetch worker; everything that touches the records (the
// merge, bold marks, the news list, the counters) happens here, on the view's
// thread, when the worker's WM_NEWS_FETCHED arrives. A pass walks the keywords
// as they were when it started, one check after another: a keyword's check
// begins (its progress posted, the keyword marked as being checked) once the
// keyword before it has been merged, and a keyword that another check holds
// then is skipped, so no keyword is ever checked twice at once. The pages are
// fetched ahead, up to kPassAhead keywords beyond the one being checked, one
// after another on a thread of their own: the requests go out back to back
// while this thread merges and paints, and a page that comes before its
// keyword's turn waits for it.
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
    pKeyword->checking = TRUE;
    PostToTopLevel(this, WM_CHECK_PROGRESS, 0, 1);
    if (StartFetch(pKeyword, m_workers, FALSE) == NULL)
    {
        pKeyword->checking = FALSE;
        EndSingleCheck(pKeyword);
    }
}

void CItemTreeView::FinishSingleCheck(NewsFetch* pFetch)
{
    Keyword* pKeyword = pFetch->keyword;
    if (pKeyword != NULL)
    {
        pKeyword->checking = FALSE;
        MergeFetched(pKeyword, pFetch);
    }
    DeleteFetch(pFetch);
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
    m_passSteps.clear();
    for (Keyword* pKeyword = m_group.GetFirst(); pKeyword != NULL; pKeyword = m_group.GetNext(pKeyword))
        m_passSteps.push_back({pKeyword, NULL, FALSE});
    m_nPassTurn = m_nPassNext = 0;
    m_bPassStepBegun = FALSE;
    m_bPassFoundNews = FALSE;
    m_nPercent = 0;
    m_bPassRunning = TRUE;
    UpdateBusyState();
    ContinuePass();
}

void CItemTreeView::ContinuePass()
{
    while (m_nPassTurn < m_passSteps.size())
    {
        FetchAhead();
        PassStep& step = m_passSteps[m_nPassTurn];
        if (!m_bPassStepBegun && !BeginPassStep(step))
        {
            ++m_nPassTurn;
            continue;
        }
        m_bPassStepBegun = TRUE;
        if (!step.arrived)
            return; // the page is on its way: its WM_NEWS_FETCHED goes on
        FinishPassStep(step);
        m_bPassStepBegun = FALSE;
        ++m_nPassTurn;
    }
    EndPass();
}

void CItemTreeView::FetchAhead()
{
    ASSERT(m_nPassNext >= m_nPassTurn);
    while (m_nPassNext < m_passSteps.size() && m_nPassNext < m_nPassTurn + kPassAhead)
    {
        PassStep& step = m_passSteps[m_nPassNext++];
        // A keyword that another check holds now is fetched at its turn if
        // it is free by then.
        if (step.keyword != NULL && !step.keyword->checking && step.fetch == NULL)
            step.fetch = StartFetch(step.keyword, m_passWorkers, TRUE);
    }
}

BOOL CItemTreeView::BeginPassStep(PassStep& step)
{
    // The progress goes out as each keyword's check begins, a skipped one's
    // too, so it runs 0, 100/n, ... and shows 100 only at the end.
    m_nPercent = (int)(m_nPassTurn * 100 / m_passSteps.size());
    PostToTopLevel(this, WM_CHECK_PROGRESS, m_nPercent, 2);
    Keyword* pKeyword = step.keyword;
    // A page fetched ahead for the keyword's old name (or for a keyword
    // removed since) is no longer the keyword's.
    if (step.fetch != NULL && step.fetch->keyword != pKeyword)
        LetGoOfPassFetch(step);
    if (pKeyword == NULL || pKeyword->checking)
    {
        LetGoOfPassFetch(step);
        return FALSE;
    }
    if (step.fetch == NULL)
        step.fetch = StartFetch(pKeyword, m_passWorkers, TRUE);
    if (step.fetch == NULL)
        return FALSE;
    pKeyword->checking = TRUE;
    return TRUE;
}

void CItemTreeView::FinishPassStep(PassStep& step)
{
    // The fetch lost its keyword when the keyword was removed or renamed
    // meanwhile: its page is dropped.
    if (Keyword* pKeyword = step.fetch->keyword)
    {
        pKeyword->checking = FALSE;
        m_bPassFoundNews = MergeFetched(pKeyword, step.fetch) || m_bPassFoundNews;
    }
    DeleteFetch(step.fetch);
    step.fetch = NULL;
}

void CItemTreeView::LetGoOfPassFetch(PassStep& step)
{
    if (step.fetch == NULL)
        return;
    if (step.arrived)
    {
        DeleteFetch(step.fetch);
    }
    else // dropped: deleted when it comes back
    {
        step.fetch->keyword = NULL;
        step.fetch->Abort();
    }
    step.fetch = NULL;
    step.arrived = FALSE;
}

void CItemTreeView::EndPass()
{
    m_passSteps.clear();
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

NewsFetch* CItemTreeView::StartFetch(Keyword* pKeyword, NewsFetchWorkers& workers, BOOL bForPass)
{
    NewsFetch* pFetch = new NewsFetch(pKeyword, NewsSearchUrl(SearchHost(), pKeyword->name));
    pFetch->forPass = bForPass;
    if (!pFetch->Start(m_hWnd, workers))
    {
        delete pFetch;
        return NULL;
    }
    m_fetches.push_back(pFetch);
    return pFetch;
}

void CItemTreeView::DeleteFetch(NewsFetch* pFetch)
{
    m_fetches.erase(std::find(m_fetches.begin(), m_fetches.end(), pFetch));
    delete pFetch;
}

CItemTreeView::PassStep* CItemTreeView::PassStepOf(const NewsFetch* pFetch)
{
    for (PassStep& step : m_passSteps)
    {
        if (step.fetch == pFetch)
            return &step;
    }
    return NULL;
}

LRESULT CItemTreeView::OnNewsFetched(WPARAM, LPARAM lParam)
{
    NewsFetch* pFetch = (NewsFetch*)lParam;
    if (std::find(m_fetches.begin(), m_fetches.end(), pFetch) == m_fetches.end())
        return 0; // given up by StopChecks
    pFetch->WaitForEnd(INFINITE); // the worker has posted: it only returns now
    if (m_bStopped)
    {
        DeleteFetch(pFetch);
        return 0;
    }
    if (PassStep* pStep = PassStepOf(pFetch))
    {
        pStep->arrived = TRUE;
        if (m_nPassTurn < m_passSteps.size() && pStep == &m_passSteps[m_nPassTurn])
            ContinuePass(); // else it waits for its turn
    }
    else if (pFetch->forPass)
    {
        DeleteFetch(pFetch); // its step let go of it
    }
    else
    {
        FinishSingleCheck(pFetch);
    }
    return 0;
}

BOOL CItemTreeView::MergeFetched(Keyword* pKeyword, NewsFetch* pFetch)
{
    // A failed request leaves the items as they were. A page without news
    // leaves the same items too, with the time texts of the known stories
    // refreshed, which the news list then shows.
    if (!pFetch->fetched)
        return FALSE;
    const BOOL bNews = MergeResultPage(m_group, *pKeyword, pFetch->page);
    if (bNews)
    {
        TreeRedrawBatch batch(m_wndTree);
        SetKeywordBold(pKeyword, TRUE);
        SetKeywordBold(NULL, TRUE);
    }
    if (m_pListView != NULL)
        m_pListView->KeywordChanged(pKeyword, bNews ? CSkellrunView::NEW_ITEMS : CSkellrunView::SAME_ITEMS);
    return bNews;
}

void CItemTreeView::DropKeywordFetches(Keyword* pKeyword)
{
    // Each of its fetches gives up at once: one still waiting for its turn
    // sends nothing, and what comes back is dropped.
    for (NewsFetch* pFetch : m_fetches)
    {
        if (pFetch->keyword == pKeyword)
        {
            pFetch->keyword = NULL;
            pFetch->Abort();
        }
    }
}

void CItemTreeView::ForgetKeywordChecks(Keyword* pKeyword)
{
    DropKeywordFetches(pKeyword);
    for (PassStep& step : m_passSteps)
    {
        if (step.keyword == pKeyword)
            step.keyword = NULL;
    }
}

void CItemTreeView::CheckRenamedKeyword(Keyword* pKeyword)
{
    // A page asked for under the old name is not the keyword's any more:
    // it is dropped, and the keyword is checked under its new name at once
    // (the pass, when it comes to the keyword, skips it or checks it again).
    DropKeywordFetches(pKeyword);
    pKeyword->checking = FALSE;
    pKeyword->singleCheck = FALSE;
    StartSingleCheck(pKeyword);
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
    m_passSteps.clear();
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
