#pragma once
// CXTPButtonEditorPreview: the Button Editor's picture at its actual size,
// 10 pixels from the left edge and centred vertically in a sunken frame on
// the button face colour. The dialog redraws it whenever the picture changes.
#include "framework/Controls.h"

class CXTPButtonEditorBitmap;

class CXTPButtonEditorPreview : public CStatic
{
public:
    CXTPButtonEditorPreview() : m_pPicture(NULL) {}

    // Subclasses the dialog's static and removes its static edge.
    BOOL Attach(UINT nID, CWnd* pDlg);
    // The picture to show (not owned; NULL shows an empty frame).
    void SetPicture(const CXTPButtonEditorBitmap* pPicture, CSize szPicture);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    const CXTPButtonEditorBitmap* m_pPicture;
    CSize m_szPicture;
};
