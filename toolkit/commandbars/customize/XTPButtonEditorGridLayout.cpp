#include "toolkit/commandbars/customize/XTPButtonEditorGridLayout.h"

#include <algorithm>

namespace {

const COLORREF kCheckerLight = RGB(255, 255, 255);
const COLORREF kCheckerDark = RGB(235, 235, 235);

int BlendChannel(int nBackground, int nChannel, int nAlpha)
{
    return nBackground - (nBackground - nChannel) * nAlpha / 255;
}

} // namespace

CSize CXTPButtonEditorGridLayout::CellSize(CSize szGrid, CSize szPicture)
{
    int cx = szPicture.cx > 0 ? szGrid.cx / szPicture.cx : 0;
    int cy = szPicture.cy > 0 ? szGrid.cy / szPicture.cy : 0;
    return CSize(std::max(cx, 1), std::max(cy, 1));
}

CSize CXTPButtonEditorGridLayout::GridSize(CSize szPicture, CSize szCell)
{
    return CSize(szPicture.cx * szCell.cx + 1, szPicture.cy * szCell.cy + 1);
}

BOOL CXTPButtonEditorGridLayout::CellFromPoint(CPoint pt, CSize szCell, CSize szPicture, CPoint& cell)
{
    if (pt.x < 0 || pt.y < 0 || szCell.cx <= 0 || szCell.cy <= 0)
        return FALSE;
    cell = CPoint(pt.x / szCell.cx, pt.y / szCell.cy);
    return cell.x < szPicture.cx && cell.y < szPicture.cy;
}

COLORREF CXTPButtonEditorGridLayout::CheckerColor(int x, int y)
{
    return ((x + 3) / 4 + (y + 3) / 4) % 2 == 0 ? kCheckerLight : kCheckerDark;
}

COLORREF CXTPButtonEditorGridLayout::Blend(COLORREF clrBackground, COLORREF clr, BYTE nAlpha)
{
    return RGB(BlendChannel(GetRValue(clrBackground), GetRValue(clr), nAlpha),
               BlendChannel(GetGValue(clrBackground), GetGValue(clr), nAlpha),
               BlendChannel(GetBValue(clrBackground), GetBValue(clr), nAlpha));
}
