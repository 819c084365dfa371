// The popup animations of the paint manager: unfold, slide and fade of a
// popup's picture as it opens, and the growth of a popup whose hidden rows
// appear. The frame arithmetic lives in layout/XTPPopupAnimation.
#include "toolkit/commandbars/themes/XTPPaintManager.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/layout/XTPPopupAnimation.h"

namespace {

// A 32-bit device-independent bitmap of one animation picture.
class CFadePicture
{
public:
    CFadePicture(int cx, int cy) : m_pBits(NULL)
    {
        BITMAPINFO bmi;
        ZeroMemory(&bmi, sizeof(bmi));
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, (void**)&m_pBits, NULL, 0);
    }
    ~CFadePicture()
    {
        if (m_hBitmap != NULL)
            ::DeleteObject(m_hBitmap);
    }
    BOOL IsValid() const { return m_hBitmap != NULL && m_pBits != NULL; }
    HBITMAP GetHandle() const { return m_hBitmap; }
    BYTE* GetBits() const { return m_pBits; }

private:
    CFadePicture(const CFadePicture&);
    CFadePicture& operator=(const CFadePicture&);
    HBITMAP m_hBitmap;
    BYTE* m_pBits;
};

// Copies between a picture and a device context.
void CopyPicture(CDC* pDestDC, int xDest, int yDest, HDC hSrcDC, int xSrc, int ySrc, CSize size)
{
    ::BitBlt(pDestDC->GetSafeHdc(), xDest, yDest, size.cx, size.cy, hSrcDC, xSrc, ySrc, SRCCOPY);
}

} // namespace

void CXTPPaintManager::PauseAnimation(DWORD dwStepStart) const
{
    const int nPause = m_nAnimationSteps > 0 ? m_nAnimationTime / m_nAnimationSteps : 0;
    const int nRest = nPause - (int)(::GetTickCount() - dwStepStart);
    if (nRest > 0)
        ::Sleep(nRest);
}

void CXTPPaintManager::Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nType)
{
    const int n = m_nAnimationSteps;
    // No steps or nothing to show: no animation (and no division by zero).
    if (n <= 0 || rc.Width() <= 0 || rc.Height() <= 0)
        return;
    if (nType == xtpAnimateFade)
    {
        AnimateFade(pDestDC, pSrcDC, rc);
        return;
    }
    if (nType != xtpAnimateUnfold && nType != xtpAnimateSlide)
        return;
    for (int i = 1; i <= n; i++)
    {
        const DWORD dwStart = ::GetTickCount();
        const CRect rcSource = nType == xtpAnimateUnfold ? UnfoldFrame(rc, i, n) : SlideFrame(rc, i, n);
        CopyPicture(pDestDC, 0, 0, pSrcDC->GetSafeHdc(), rcSource.left, rcSource.top, rcSource.Size());
        PauseAnimation(dwStart);
    }
}

void CXTPPaintManager::AnimateFade(CDC* pDestDC, CDC* pSrcDC, CRect rc)
{
    const CSize size = rc.Size();
    CFadePicture pictureNew(size.cx, size.cy), pictureOld(size.cx, size.cy), pictureMix(size.cx, size.cy);
    if (!pictureNew.IsValid() || !pictureOld.IsValid() || !pictureMix.IsValid())
        return;
    HDC hMemDC = ::CreateCompatibleDC(pDestDC->GetSafeHdc());
    if (hMemDC == NULL)
        return;
    HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, pictureNew.GetHandle());
    ::BitBlt(hMemDC, 0, 0, size.cx, size.cy, pSrcDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMemDC, pictureOld.GetHandle());
    ::BitBlt(hMemDC, 0, 0, size.cx, size.cy, pDestDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMemDC, pictureMix.GetHandle());
    ::GdiFlush();

    const BYTE* pNew = pictureNew.GetBits();
    const BYTE* pOld = pictureOld.GetBits();
    BYTE* pMix = pictureMix.GetBits();
    const int nBytes = size.cx * size.cy * 4;
    const int n = m_nAnimationSteps;
    for (int i = 1; i < n; i++)
    {
        const DWORD dwStart = ::GetTickCount();
        const int nWeight = FadeWeight(i, n);
        for (int nByte = 0; nByte < nBytes; nByte += 4)
        {
            for (int nChannel = 0; nChannel < 3; nChannel++)
                pMix[nByte + nChannel] = FadeChannel(pOld[nByte + nChannel], pNew[nByte + nChannel], nWeight);
        }
        CopyPicture(pDestDC, rc.left, rc.top, hMemDC, 0, 0, size);
        PauseAnimation(dwStart);
    }
    ::SelectObject(hMemDC, hOldBitmap);
    ::DeleteDC(hMemDC);
}

void CXTPPaintManager::AnimateExpanding(CXTPCommandBar* pBar, CDC* pDestDC, CDC* pSrcDC)
{
    const int n = m_nAnimationSteps;
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    if (n <= 0 || rcClient.Width() <= 0 || rcClient.Height() <= 0)
        return;
    std::vector<XTPExpandingRow> rows;
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CXTPControl* pControl = pBar->GetControl(i);
        if (pControl->IsVisible())
            rows.push_back(XTPExpandingRow{pControl->GetRect().top, pControl->GetExpanded()});
    }
    for (int i = 1; i <= n; i++)
    {
        const DWORD dwStart = ::GetTickCount();
        for (const XTPExpandingBand& band : ExpandingBands(rows, rcClient.Height(), (double)i / n))
        {
            pDestDC->StretchBlt(0, band.nDestTop, rcClient.Width(), band.nDestHeight, pSrcDC, 0, band.nSourceTop,
                                rcClient.Width(), band.nSourceHeight, SRCCOPY);
        }
        PauseAnimation(dwStart);
    }
}
