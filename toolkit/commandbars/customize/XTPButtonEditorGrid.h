#pragma once
// CXTPButtonEditorGrid: the zoomed pixel grid of the Button Editor
// (CXTPButtonEditorDlg). It owns the edited picture, draws it cell by cell
// over a transparency checkerboard, runs the six drawing tools with the
// mouse, keeps sixteen undo steps with redo, and carries out the editor's
// actions (clear, move by a pixel, copy, paste, import from a file). The
// dialog tells it the picture size, the current tool and the drawing colour
// and hears back when the picture changed or a colour was picked.
//
//     m_wndGrid.Attach(XTP_IDC_EDITOR_GRID, this);   // in the dialog's OnInitDialog
//     m_wndGrid.Undo();                               // from the dialog's command handlers
//
// The picture is a CXTPButtonEditorBitmap; NULL stands for an empty picture.
#include "framework/Controls.h"
#include "toolkit/commandbars/customize/XTPButtonEditorBitmap.h"
#include "toolkit/commandbars/customize/XTPButtonEditorHistory.h"

class CXTPButtonEditorDlg;

// The tools of the Button Editor (the tool bar's ids less 9363).
enum XTPButtonEditorTool
{
    xtpToolPencil = 0,
    xtpToolFill = 1,
    xtpToolGetColor = 2,
    xtpToolLine = 3,
    xtpToolRectangle = 4,
    xtpToolCircle = 5
};

class CXTPButtonEditorGrid : public CStatic
{
public:
    CXTPButtonEditorGrid();
    ~CXTPButtonEditorGrid() override;

    // Subclasses the dialog's static nID, takes the picture size from the
    // dialog, sizes the cells from the static's size and shrinks the static
    // to the grid (its position unchanged).
    BOOL Attach(UINT nID, CXTPButtonEditorDlg* pDlg);

    // The picture (NULL: empty); SetPicture takes the one given and forgets
    // the undo steps' pictures only when the grid is destroyed.
    CXTPButtonEditorBitmap* GetPicture() const { return m_pPicture; }
    void SetPicture(CXTPButtonEditorBitmap* pPicture);
    CSize GetCellSize() const { return m_szCell; }
    BOOL IsTracking() const { return m_bTracking; }
    const CXTPButtonEditorHistory& GetHistory() const { return m_history; }

    // ---- The editor's actions ----
    void Undo();
    void Redo();
    void Clear();
    void Move(int dx, int dy);
    void Copy();
    void Paste();
    // Asks for a file and imports it.
    void Import();
    // Imports the file by its extension: "ico" and "bmp" themselves, any
    // other through the system's picture loader stretched over the picture;
    // FALSE (nothing changes) when the file cannot be loaded.
    BOOL ImportFile(LPCTSTR lpszPath);

protected:
    // A step replaces the picture: the old one is kept for undo.
    void CommitStep(CXTPButtonEditorBitmap* pNewPicture);
    // The picture changed: the grid and the dialog's preview redraw.
    void OnPictureChanged();
    // The tracking step at a cell of the stroke or shape under way.
    void TrackTo(CPoint cell);
    // Ends a stroke or shape and keeps its step for undo.
    void EndTracking();
    CSize GetPictureSize() const;
    CXTPButtonEditorBitmap* LoadPictureFile(LPCTSTR lpszPath) const;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
    CSize m_szCell;
    CXTPButtonEditorDlg* m_pDlg;
    CXTPButtonEditorBitmap* m_pPending; // the picture before the stroke under way
    CXTPButtonEditorBitmap* m_pPicture;
    CXTPButtonEditorHistory m_history;
    CPoint m_ptStart;
    BOOL m_bTracking;
    COLORREF m_clrStroke;
    HCURSOR m_hCursorShape;
    HCURSOR m_hCursorFill;
    HCURSOR m_hCursorPencil;
    HCURSOR m_hCursorPick;
};
