// CMainFrame's About and help commands: the About dialog and the help file's
// contents (at the welcome page), index and full-text search.
#include "app/AboutDlg.h"
#include "app/HelpFile.h"
#include "app/MainFrame.h"

static_assert(sizeof(HH_FTS_QUERY) == 32, "HTML Help reads a full-text query record of 32 bytes");

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnHelpContents()
{
    ShowHelpTopic(m_hWnd, "/welcome/welcome.html", HH_DISPLAY_TOC);
}

void CMainFrame::OnHelpIndex()
{
    ShowHelpTopic(m_hWnd, NULL, HH_DISPLAY_INDEX);
}

// The search page opens with a sample query, not yet run.
void CMainFrame::OnHelpSearch()
{
    HH_FTS_QUERY query = {};
    query.cbStruct = sizeof(query);
    query.fUniCodeStrings = FALSE;
    query.pszSearchQuery = "culture";
    query.iProximity = -1;
    query.fStemmedSearch = FALSE;
    query.fTitleOnly = FALSE;
    query.fExecute = FALSE;
    query.pszWindow = NULL;
    ShowHelpTopic(m_hWnd, NULL, HH_DISPLAY_SEARCH, (DWORD_PTR)&query);
}
