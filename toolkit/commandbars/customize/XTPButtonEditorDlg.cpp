#include "toolkit/commandbars/customize/XTPButtonEditorDlg.h"

#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPResourceManager.h"

BEGIN_MESSAGE_MAP(CXTPButtonEditorBar, CToolBar)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LRESULT CXTPButtonEditorBar::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    // The dialog's command handlers answer the updates; only its command
    // routing is used, so it stands in for a frame here.
    if (IsWindowVisible())
        OnUpdateCmdUI((CFrameWnd*)GetParent(), FALSE);
    return 0;
}

BEGIN_MESSAGE_MAP(CXTPButtonEditorDlg, CDialog)
ON_COMMAND_RANGE(XTP_ID_EDITOR_PENCIL, XTP_ID_EDITOR_CIRCLE, OnTool)
ON_UPDATE_COMMAND_UI_RANGE(XTP_ID_EDITOR_PENCIL, XTP_ID_EDITOR_CIRCLE, OnUpdateTool)
ON_COMMAND(XTP_ID_EDITOR_UNDO, OnUndo)
ON_COMMAND(XTP_ID_EDITOR_REDO, OnRedo)
ON_UPDATE_COMMAND_UI(XTP_ID_EDITOR_UNDO, OnUpdateUndo)
ON_UPDATE_COMMAND_UI(XTP_ID_EDITOR_REDO, OnUpdateRedo)
ON_COMMAND(XTP_ID_EDITOR_COPY, OnCopy)
ON_COMMAND(XTP_ID_EDITOR_PASTE, OnPaste)
ON_COMMAND(XTP_ID_EDITOR_CLEAR, OnClear)
ON_COMMAND(XTP_ID_EDITOR_OPEN, OnImport)
ON_COMMAND_RANGE(XTP_ID_EDITOR_MOVE_LEFT, XTP_ID_EDITOR_MOVE_RIGHT, OnMove)
ON_NOTIFY_RANGE(NM_CLICK, XTP_IDC_EDITOR_TRANSPARENT, XTP_IDS_CLR_WHITE, OnPickerClick)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

namespace {

struct PaletteEntry
{
    COLORREF clr;
    UINT nID; // the swatch's id is the string id of its colour's name
};

// Two rows of eight.
const PaletteEntry kPalette[CXTPButtonEditorDlg::kPaletteCount] = {
    {RGB(0, 0, 0), XTP_IDS_CLR_BLACK},        {RGB(128, 128, 128), XTP_IDS_CLR_GRAY50},
    {RGB(128, 0, 0), XTP_IDS_CLR_DARK_RED},   {RGB(128, 128, 0), XTP_IDS_CLR_DARK_YELLOW},
    {RGB(0, 128, 0), XTP_IDS_CLR_GREEN},      {RGB(0, 128, 128), XTP_IDS_CLR_TEAL},
    {RGB(0, 0, 128), XTP_IDS_CLR_DARK_BLUE},  {RGB(128, 0, 128), XTP_IDS_CLR_VIOLET},
    {RGB(255, 255, 255), XTP_IDS_CLR_WHITE},  {RGB(192, 192, 192), XTP_IDS_CLR_GRAY25},
    {RGB(255, 0, 0), XTP_IDS_CLR_RED},        {RGB(255, 255, 0), XTP_IDS_CLR_YELLOW},
    {RGB(0, 255, 0), XTP_IDS_CLR_BRIGHT_GREEN}, {RGB(0, 255, 255), XTP_IDS_CLR_TURQUOISE},
    {RGB(0, 0, 255), XTP_IDS_CLR_BLUE},       {RGB(255, 0, 255), XTP_IDS_CLR_PINK},
};
const int kSwatchSize = 11;
const int kSwatchPitch = 13;
const int kPaletteColumns = 8;

// The tools bar, four buttons a row; its images are the first twelve.
const UINT kToolButtons[] = {XTP_ID_EDITOR_PENCIL, XTP_ID_EDITOR_FILL,  XTP_ID_EDITOR_UNDO,  XTP_ID_EDITOR_REDO,
                             XTP_ID_EDITOR_GETCOLOR, XTP_ID_EDITOR_LINE, XTP_ID_EDITOR_COPY,  XTP_ID_EDITOR_PASTE,
                             XTP_ID_EDITOR_RECTANGLE, XTP_ID_EDITOR_CIRCLE, XTP_ID_EDITOR_CLEAR,
                             XTP_ID_EDITOR_OPEN};
// The move bar; its images are the last four.
const UINT kMoveButtons[] = {XTP_ID_EDITOR_MOVE_LEFT, XTP_ID_EDITOR_MOVE_DOWN, XTP_ID_EDITOR_MOVE_UP,
                             XTP_ID_EDITOR_MOVE_RIGHT};
const int kButtonImageCount = 16;
const CSize kButtonSize(23, 23);
const CSize kImageSize(16, 16);
const COLORREF kIconsMask = RGB(192, 192, 192);

CPoint MoveOffset(UINT nID)
{
    switch (nID)
    {
    case XTP_ID_EDITOR_MOVE_LEFT:
        return CPoint(-1, 0);
    case XTP_ID_EDITOR_MOVE_DOWN:
        return CPoint(0, 1);
    case XTP_ID_EDITOR_MOVE_UP:
        return CPoint(0, -1);
    default:
        return CPoint(1, 0);
    }
}

} // namespace

CXTPButtonEditorDlg::CXTPButtonEditorDlg(CWnd* pParent)
    : m_pSelected(NULL), m_nCurrentTool(xtpToolPencil), m_nPreviousTool(xtpToolPencil), m_szPicture(16, 16)
{
    m_lpDialogTemplate = XTPResourceManager()->LoadDialogTemplate(MAKEINTRESOURCE(XTP_IDD_IMAGEEDITOR));
    m_pParentWnd = pParent;
}

CXTPButtonEditorDlg::~CXTPButtonEditorDlg()
{}

// ---- The picture -------------------------------------------------------------------

void CXTPButtonEditorDlg::SetPicture(const CXTPImageManagerIconHandle& hImage)
{
    CXTPButtonEditorBitmap* pPicture = CXTPButtonEditorBitmap::FromImage(hImage);
    if (pPicture != NULL)
        m_szPicture = pPicture->GetSize();
    m_wndGrid.SetPicture(pPicture);
}

void CXTPButtonEditorDlg::SetPictureSize(int cx, int cy)
{
    m_szPicture = CSize(cx, cy);
}

void CXTPButtonEditorDlg::GetPicture(CXTPImageManagerIconHandle& hResult) const
{
    hResult.Clear();
    if (m_wndGrid.GetPicture() != NULL)
        m_wndGrid.GetPicture()->ToImage(hResult);
}

COLORREF CXTPButtonEditorDlg::GetDrawingColor() const
{
    return m_pSelected != NULL ? m_pSelected->GetColor() : 0;
}

void CXTPButtonEditorDlg::OnPickColor(COLORREF clr)
{
    m_wndCustomColor.SetColor(clr);
    SelectPicker(&m_wndCustomColor);
    m_nCurrentTool = m_nPreviousTool;
}

void CXTPButtonEditorDlg::RedrawPreview()
{
    m_wndPreview.SetPicture(m_wndGrid.GetPicture(), m_szPicture);
}

UINT CXTPButtonEditorDlg::IconsBitmapFor(DWORD dwComCtlVersion)
{
    return HIWORD(dwComCtlVersion) >= 6 ? XTP_IDB_IMAGEEDITOR_ICONS_ALPHA : XTP_IDB_IMAGEEDITOR_ICONS;
}

CString CXTPButtonEditorDlg::TooltipText(UINT nID, int nBufferSize)
{
    CString strText;
    XTPResourceManager()->LoadString(&strText, nID);
    int nNewLine = strText.Find('\n');
    strText = nNewLine >= 0 ? strText.Mid(nNewLine + 1) : CString();
    // The buffer keeps room for the terminator.
    if (strText.GetLength() >= nBufferSize)
        strText = strText.Left(nBufferSize - 1);
    return strText;
}

// ---- Creation ------------------------------------------------------------------------

BOOL CXTPButtonEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateBars();
    CreatePalette();
    SelectPicker(&m_wndPalette[0]);
    m_wndTransparent.SubclassDlgItem(XTP_IDC_EDITOR_TRANSPARENT, this);
    m_wndTransparent.SetColor(XTP_EDITOR_TRANSPARENT);
    m_wndCustomColor.SubclassDlgItem(XTP_IDC_EDITOR_CUSTOMCOLOR, this);
    m_wndGrid.Attach(XTP_IDC_EDITOR_GRID, this);
    m_wndPreview.Attach(XTP_IDC_EDITOR_PREVIEW, this);
    RedrawPreview();
    return TRUE;
}

void CXTPButtonEditorDlg::CreateBars()
{
    UINT nBitmap = IconsBitmapFor(XTPGetDllVersion("comctl32.dll"));
    for (CImageList* pList : {&m_ilTools, &m_ilMove})
    {
        // Each list gets its own copy: adding with a mask colour changes the bitmap.
        CBitmap bmpIcons;
        if (nBitmap == XTP_IDB_IMAGEEDITOR_ICONS_ALPHA)
        {
            bmpIcons.Attach(CXTPImageManagerIcon::LoadAlphaBitmap(nBitmap));
            pList->Create(kImageSize.cx, kImageSize.cy, ILC_COLOR32 | ILC_MASK, kButtonImageCount, 0);
            pList->Add(&bmpIcons, (CBitmap*)NULL);
        }
        else
        {
            XTPResourceManager()->LoadBitmap(&bmpIcons, nBitmap);
            pList->Create(kImageSize.cx, kImageSize.cy, ILC_COLOR24 | ILC_MASK, kButtonImageCount, 0);
            pList->Add(&bmpIcons, kIconsMask);
        }
    }
    CreateBar(m_wndToolsBar, m_ilTools, kToolButtons, (int)(sizeof(kToolButtons) / sizeof(UINT)), 0,
              XTP_IDC_EDITOR_TOOLS_PLACE, 4);
    CreateBar(m_wndMoveBar, m_ilMove, kMoveButtons, (int)(sizeof(kMoveButtons) / sizeof(UINT)),
              kButtonImageCount - 4, XTP_IDC_EDITOR_MOVE_PLACE, 4);
}

void CXTPButtonEditorDlg::CreateBar(CXTPButtonEditorBar& wndBar, CImageList& ilIcons, const UINT* pIDs,
                                    int nCount, int nFirstImage, UINT nPlaceID, int nButtonsPerRow)
{
    if (!wndBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOOLTIPS, CRect(0, 0, 0, 0),
                         AFX_IDW_TOOLBAR))
        return;
    wndBar.SetSizes(kButtonSize, kImageSize);
    wndBar.GetToolBarCtrl().SetImageList(&ilIcons);
    wndBar.SetButtons(pIDs, nCount);
    for (int i = 0; i < nCount; i++)
    {
        wndBar.SendMessage(TB_CHANGEBITMAP, pIDs[i], nFirstImage + i);
        if ((i + 1) % nButtonsPerRow == 0 && i + 1 < nCount)
            wndBar.SetButtonStyle(i, wndBar.GetButtonStyle(i) | TBBS_WRAPPED);
    }
    CRect rcPlace;
    GetDlgItem(nPlaceID)->GetWindowRect(&rcPlace);
    ScreenToClient(&rcPlace);
    CSize szBar = wndBar.CalcFixedLayout(FALSE, TRUE);
    wndBar.SetWindowPos(&wndTop, rcPlace.left - 7, rcPlace.top - 4, szBar.cx, szBar.cy, SWP_NOACTIVATE);
}

void CXTPButtonEditorDlg::CreatePalette()
{
    CRect rcPlace;
    GetDlgItem(XTP_IDC_EDITOR_COLORS_PLACE)->GetWindowRect(&rcPlace);
    ScreenToClient(&rcPlace);
    for (int i = 0; i < kPaletteCount; i++)
    {
        CPoint pt(rcPlace.left + (i % kPaletteColumns) * kSwatchPitch,
                  rcPlace.top - 4 + (i / kPaletteColumns) * kSwatchPitch);
        m_wndPalette[i].Create("", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(pt, CSize(kSwatchSize, kSwatchSize)),
                               this, kPalette[i].nID);
        m_wndPalette[i].SetColor(kPalette[i].clr);
    }
}

// ---- Tools and swatches -----------------------------------------------------------------

void CXTPButtonEditorDlg::OnTool(UINT nID)
{
    if (m_nCurrentTool != xtpToolGetColor)
        m_nPreviousTool = m_nCurrentTool;
    m_nCurrentTool = (int)(nID - XTP_ID_EDITOR_PENCIL);
}

void CXTPButtonEditorDlg::OnUpdateTool(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck((int)(pCmdUI->m_nID - XTP_ID_EDITOR_PENCIL) == m_nCurrentTool);
}

void CXTPButtonEditorDlg::OnUpdateUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndGrid.GetHistory().CanUndo());
}

void CXTPButtonEditorDlg::OnUpdateRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndGrid.GetHistory().CanRedo());
}

void CXTPButtonEditorDlg::OnMove(UINT nID)
{
    CPoint ptOffset = MoveOffset(nID);
    m_wndGrid.Move(ptOffset.x, ptOffset.y);
}

CXTPImageEditorPicker* CXTPButtonEditorDlg::FindPicker(UINT nID)
{
    if (nID == XTP_IDC_EDITOR_TRANSPARENT)
        return &m_wndTransparent;
    if (nID == XTP_IDC_EDITOR_CUSTOMCOLOR)
        return &m_wndCustomColor;
    for (int i = 0; i < kPaletteCount; i++)
    {
        if (kPalette[i].nID == nID)
            return &m_wndPalette[i];
    }
    return NULL;
}

void CXTPButtonEditorDlg::SelectPicker(CXTPImageEditorPicker* pPicker)
{
    if (m_pSelected != NULL)
        m_pSelected->SetSelected(FALSE);
    m_pSelected = pPicker;
    if (m_pSelected != NULL)
        m_pSelected->SetSelected(TRUE);
}

void CXTPButtonEditorDlg::OnPickerClick(UINT nID, NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CXTPImageEditorPicker* pPicker = FindPicker(nID);
    if (pPicker == NULL)
        return;
    if (pPicker == &m_wndCustomColor)
    {
        COLORREF clr = m_wndCustomColor.GetColor();
        if (!ChooseCustomColor(clr))
            return;
        m_wndCustomColor.SetColor(clr);
    }
    SelectPicker(pPicker);
}

BOOL CXTPButtonEditorDlg::ChooseCustomColor(COLORREF& clr)
{
    CColorDialog dlg(clr, 0, this);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    clr = dlg.GetColor();
    return TRUE;
}

// ---- Tool tips and idle updates ---------------------------------------------------------------

BOOL CXTPButtonEditorDlg::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    UINT nID = (UINT)pNMHDR->idFrom;
    if (nID == 0)
        return FALSE;
    if (pNMHDR->code == TTN_NEEDTEXTA)
    {
        TOOLTIPTEXTA* pText = (TOOLTIPTEXTA*)pNMHDR;
        const int nSize = (int)(sizeof(pText->szText) / sizeof(pText->szText[0]));
        lstrcpynA(pText->szText, TooltipText(nID, nSize), nSize);
    }
    else
    {
        TOOLTIPTEXTW* pText = (TOOLTIPTEXTW*)pNMHDR;
        const int nSize = (int)(sizeof(pText->szText) / sizeof(pText->szText[0]));
        ::MultiByteToWideChar(CP_ACP, 0, TooltipText(nID, nSize), -1, pText->szText, nSize);
    }
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    return TRUE;
}

LRESULT CXTPButtonEditorDlg::OnKickIdle(WPARAM, LPARAM)
{
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, 0, 0, TRUE, TRUE);
    return 0;
}
