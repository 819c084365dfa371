// CView's printing: the printer from the standard print dialog (or the
// default printer), then one document of pages drawn through OnPrint.
#include "framework/window/CView.h"
#include "framework/window/CDocument.h"
#include "framework/window/CWinApp.h"
#include "framework/Gdi.h"
#include "framework/window/StandardIds.h"

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    PRINTDLGA& pd = pInfo->m_pd;
    pd.hwndOwner = GetTopLevelParent()->GetSafeHwnd();
    if (pInfo->m_bDirect || pInfo->m_bPreview)
        pd.Flags |= PD_RETURNDEFAULT;
    if (!::PrintDlgA(&pd))
        return FALSE;
    return pd.hDC != NULL;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*)
{}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    printInfo.m_bDirect = LOWORD(GetCurrentMessage()->wParam) == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&printInfo) || printInfo.m_pd.hDC == NULL)
        return;

    CDC dcPrint;
    dcPrint.Attach(printInfo.m_pd.hDC); // deleted with dcPrint
    printInfo.m_pd.hDC = NULL;
    dcPrint.m_bPrinting = TRUE;

    CString title = m_pDocument != NULL ? m_pDocument->GetTitle() : CString(AfxGetAppName());
    DOCINFOA docInfo = {};
    docInfo.cbSize = sizeof docInfo;
    docInfo.lpszDocName = title;

    OnBeginPrinting(&dcPrint, &printInfo);
    if (::StartDocA(dcPrint.m_hDC, &docInfo) <= 0)
    {
        OnEndPrinting(&dcPrint, &printInfo);
        AfxMessageBox("Failed to start the print job.", MB_ICONEXCLAMATION);
        return;
    }
    bool bFailed = false;
    for (printInfo.m_nCurPage = printInfo.GetFromPage();
         printInfo.m_nCurPage <= printInfo.GetToPage() && !bFailed; ++printInfo.m_nCurPage)
    {
        OnPrepareDC(&dcPrint, &printInfo);
        if (!printInfo.m_bContinuePrinting)
            break;
        printInfo.m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES), dcPrint.GetDeviceCaps(VERTRES));
        bFailed = ::StartPage(dcPrint.m_hDC) <= 0;
        if (!bFailed)
        {
            OnPrint(&dcPrint, &printInfo);
            bFailed = ::EndPage(dcPrint.m_hDC) <= 0;
        }
    }
    if (bFailed)
        ::AbortDoc(dcPrint.m_hDC);
    else
        ::EndDoc(dcPrint.m_hDC);
    OnEndPrinting(&dcPrint, &printInfo);
}
