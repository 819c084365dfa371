#pragma once
// CXTPButtonEditorDlg: the "Button Editor" that edits the picture of one
// command-bar button pixel by pixel (dialog 9351, loaded through the
// resource manager). It holds the zoomed grid that does the editing
// (CXTPButtonEditorGrid), a palette of sixteen colour swatches with a
// transparent and a custom one, a preview at actual size, a bar of drawing
// tools and actions, and a bar of four move arrows.
//
//     CXTPButtonEditorDlg dlg(pSheet);
//     if (hImage.IsEmpty())
//         dlg.SetPictureSize(16, 16);
//     else
//         dlg.SetPicture(hImage);
//     if (dlg.DoModal() == IDOK)
//         dlg.GetPicture(hResult);             // empty: nothing to change
#include "toolkit/commandbars/customize/XTPButtonEditorGrid.h"
#include "toolkit/commandbars/customize/XTPButtonEditorPreview.h"
#include "toolkit/commandbars/customize/XTPImageEditorPicker.h"

class CXTPImageManagerIconHandle;

// A bar of the editor's buttons; at idle time it updates them through its
// parent's command handlers.
class CXTPButtonEditorBar : public CToolBar
{
protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CXTPButtonEditorDlg : public CDialog
{
public:
    // The palette: sixteen colours, two rows of eight.
    static const int kPaletteCount = 16;

    explicit CXTPButtonEditorDlg(CWnd* pParent = NULL);
    ~CXTPButtonEditorDlg() override;

    // ---- The picture ----

    // The image to edit; the picture takes its size (an alpha image stays an
    // alpha picture).
    void SetPicture(const CXTPImageManagerIconHandle& hImage);
    // The size of an empty picture.
    void SetPictureSize(int cx, int cy);
    CSize GetPictureSize() const { return m_szPicture; }
    // The edited picture (empty for an empty picture).
    void GetPicture(CXTPImageManagerIconHandle& hResult) const;

    // ---- What the grid asks and tells ----

    int GetCurrentTool() const { return m_nCurrentTool; }
    // The selected swatch's colour (0 when none is selected).
    COLORREF GetDrawingColor() const;
    // A picked colour becomes the custom swatch's, which is selected, and
    // the tool used before Pick Color comes back.
    void OnPickColor(COLORREF clr);
    void RedrawPreview();

    CXTPButtonEditorGrid& GetGrid() { return m_wndGrid; }
    CXTPImageEditorPicker* GetSelectedPicker() const { return m_pSelected; }
    CXTPImageEditorPicker& GetCustomPicker() { return m_wndCustomColor; }
    CXTPButtonEditorBar& GetToolsBar() { return m_wndToolsBar; }
    CXTPButtonEditorBar& GetMoveBar() { return m_wndMoveBar; }

    // The bitmap of the bars' buttons for a common-controls version
    // ((major << 16) | minor): 32-bit with alpha from version 6 on, else 4-bit.
    static UINT IconsBitmapFor(DWORD dwComCtlVersion);
    // The tool tip of a bar button: the part after "\n" of the string of its
    // id, cut to fit a buffer of nBufferSize with its terminator.
    static CString TooltipText(UINT nID, int nBufferSize);

    BOOL OnInitDialog() override;

protected:
    // ---- Overridables ----

    // [the system's colour dialog, starting at clr] TRUE with the colour
    // chosen, FALSE when cancelled.
    virtual BOOL ChooseCustomColor(COLORREF& clr);

    void SelectPicker(CXTPImageEditorPicker* pPicker);
    CXTPImageEditorPicker* FindPicker(UINT nID);
    void CreateBars();
    void CreateBar(CXTPButtonEditorBar& wndBar, CImageList& ilIcons, const UINT* pIDs, int nCount,
                   int nFirstImage, UINT nPlaceID, int nButtonsPerRow);
    void CreatePalette();

    afx_msg void OnTool(UINT nID);
    afx_msg void OnUpdateTool(CCmdUI* pCmdUI);
    afx_msg void OnUndo() { m_wndGrid.Undo(); }
    afx_msg void OnRedo() { m_wndGrid.Redo(); }
    afx_msg void OnUpdateUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRedo(CCmdUI* pCmdUI);
    afx_msg void OnCopy() { m_wndGrid.Copy(); }
    afx_msg void OnPaste() { m_wndGrid.Paste(); }
    afx_msg void OnClear() { m_wndGrid.Clear(); }
    afx_msg void OnImport() { m_wndGrid.Import(); }
    afx_msg void OnMove(UINT nID);
    afx_msg void OnPickerClick(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CXTPButtonEditorBar m_wndToolsBar;
    CImageList m_ilTools;
    CXTPButtonEditorBar m_wndMoveBar;
    CImageList m_ilMove;
    CXTPImageEditorPicker m_wndPalette[kPaletteCount];
    CXTPImageEditorPicker m_wndTransparent;
    CXTPImageEditorPicker m_wndCustomColor;
    CXTPButtonEditorGrid m_wndGrid;
    CXTPButtonEditorPreview m_wndPreview;
    CXTPImageEditorPicker* m_pSelected;
    int m_nCurrentTool;
    int m_nPreviousTool;
    CSize m_szPicture;
};
