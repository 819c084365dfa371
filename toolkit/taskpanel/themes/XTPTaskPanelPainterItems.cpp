// The base painter's items: the three item layouts (image beside text,
// image above text, image only), measured and drawn by one routine each,
// with their highlights, captions, images and focus rectangles.
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPSelectScopes.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include <algorithm>

namespace {

// The space between an item's image and its text: beside and below.
const int kImageTextGapBeside = 7;
const int kImageTextGapBelow = 3;
const UINT kItemTextFormat = DT_WORDBREAK | DT_NOPREFIX;

BOOL IsSelected(CXTPTaskPanelItem* pItem)
{
    CXTPTaskPanelGroupItem* pGroupItem = DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, pItem);
    return pGroupItem != NULL && pGroupItem->IsItemSelected();
}

// What every layout needs of one item.
struct ItemLook
{
    CSize szIcon;
    CXTPImageManagerIcon* pImage; // NULL unless a link with an icon
    CRect rcMargins;              // inner margins
    int nHotTrackStyle;
    BOOL bLink;
};

} // namespace

CRect CXTPTaskPanelPainter::DrawGroupItem(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rc, BOOL bDraw)
{
    CXTPTaskPanelGroupItem* pGroupItem = DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, pItem);
    CXTPTaskPanelGroup* pGroup = pItem->GetItemGroup();
    if (pGroupItem == NULL || pGroup == NULL || pItem->GetTaskPanel() == NULL)
        return bDraw ? CRect(0, 0, 0, 0) : rc;
    CFont* pFont = GetItemFont(pItem);
    if (pItem->IsItemHot() && pItem->GetTaskPanel()->GetHotTrackStyle() == xtpTaskPanelHighlightText)
        pFont = pGroupItem->IsBold() ? &m_fntItemBoldUnderline : &m_fntItemUnderline;
    CXTPFontDC font(pDC, pFont);
    const int nLayout = pGroup->GetItemLayout();
    if (!bDraw)
    {
        if (nLayout == xtpTaskItemLayoutImages)
            return MeasureItemImageOnly(pGroupItem, rc);
        return MeasureItemImageAndText(pDC, pGroupItem, rc, nLayout == xtpTaskItemLayoutImagesWithTextBelow);
    }
    if (nLayout == xtpTaskItemLayoutImages)
        DrawItemImageOnly(pDC, pGroupItem, rc);
    else
        DrawItemImageAndText(pDC, pGroupItem, rc, nLayout == xtpTaskItemLayoutImagesWithTextBelow);
    DrawItemDragMarks(pDC, pGroupItem, rc);
    return CRect(0, 0, 0, 0);
}

void CXTPTaskPanelPainter::DrawItemDragMarks(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rc)
{
    if (pItem->IsItemDragOver() && !pItem->IsItemDragging())
        DrawDragArrow(pDC, pItem, rc, FALSE);
    CXTPTaskPanelGroup* pGroup = pItem->GetItemGroup();
    if (pGroup->IsItemDragOver() && pItem->GetIndex() == pGroup->GetItemCount() - 1)
        DrawDragArrow(pDC, pItem, rc, TRUE);
}

static ItemLook LookOf(CXTPTaskPanelPainter* pPainter, CXTPTaskPanelGroupItem* pItem)
{
    ItemLook look;
    look.szIcon = pItem->GetItemGroup()->GetIconSize();
    look.bLink = pItem->GetType() == xtpTaskItemTypeLink;
    look.pImage = look.bLink ? pItem->GetImage(look.szIcon.cx) : NULL;
    look.rcMargins = pPainter->GetItemInnerMargins(pItem);
    look.nHotTrackStyle = pItem->GetTaskPanel()->GetHotTrackStyle();
    return look;
}

CRect CXTPTaskPanelPainter::MeasureItemImageAndText(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rc,
                                                    BOOL bTextBelow)
{
    const ItemLook look = LookOf(this, pItem);
    const CRect& m = look.rcMargins;
    const BOOL bWholeItem = look.nHotTrackStyle == xtpTaskPanelHighlightItem;
    // The text is measured as wide as it is drawn (inside both inner
    // margins): a wider measure would wrap it into fewer lines than drawing
    // does, and the last line would be cut off.
    CRect r(rc.left + m.left, rc.top, rc.right - m.right, rc.top);
    if (!bTextBelow && look.bLink)
        r.left += look.szIcon.cx + kImageTextGapBeside;
    // Left-aligned in both layouts: centring changes no line break, but a
    // width measured centred can be narrower than the breaks need.
    pDC->DrawText(pItem->GetCaption(), r, kItemTextFormat | DT_CALCRECT);
    if (!bTextBelow)
    {
        const int nHeight = std::max(look.pImage != NULL ? (int)look.szIcon.cy : 0, (int)r.Height());
        return CRect(rc.left, rc.top, bWholeItem ? rc.right : r.right + m.right, rc.top + nHeight + m.top + m.bottom);
    }
    // A link keeps the image's room above its text, with or without an
    // image, as drawing does.
    const int nHeight = r.Height() + (look.bLink ? look.szIcon.cy + kImageTextGapBelow : 0);
    const int nWidth = std::max(look.pImage != NULL ? (int)look.szIcon.cx + 4 : 0, (int)r.Width()) + m.left + m.right;
    const int nCenter = rc.CenterPoint().x;
    CRect rcItem(nCenter - (nWidth - nWidth / 2), rc.top, nCenter + nWidth / 2, rc.top + nHeight + m.top + m.bottom);
    if (bWholeItem)
    {
        rcItem.left = rc.left;
        rcItem.right = rc.right;
    }
    return rcItem;
}

void CXTPTaskPanelPainter::DrawItemImageAndText(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rc, BOOL bTextBelow)
{
    const ItemLook look = LookOf(this, pItem);
    const CRect& m = look.rcMargins;
    const BOOL bWholeItem = look.nHotTrackStyle == xtpTaskPanelHighlightItem;
    const BOOL bImageHighlight = look.nHotTrackStyle == xtpTaskPanelHighlightImage;
    if (bWholeItem)
        DrawItemSelection(pDC, pItem, rc);
    CRect rcInner = rc;
    rcInner.DeflateRect(m.left, m.top, m.right, m.bottom);
    CRect rcText = rcInner;
    if (bWholeItem)
        rcText.OffsetRect(GetHighlightOffset(pItem));
    if (look.bLink)
    {
        // Beside: the image at the top-left; below: centred over the text.
        const int x = bTextBelow ? (rcInner.left + rcInner.right + 1 - look.szIcon.cx) / 2 : rcInner.left;
        if (look.pImage != NULL)
        {
            if (bImageHighlight)
                DrawItemSelection(pDC, pItem,
                                  bTextBelow ? CRect(x - 2, rcInner.top - 2, x + look.szIcon.cx + 2,
                                                     rcInner.top + look.szIcon.cy + 2)
                                             : CRect(rc.left, rc.top, x + look.szIcon.cx + 2, rc.bottom));
            CPoint pt(x, rcInner.top);
            if (bImageHighlight || bWholeItem)
                pt += GetHighlightOffset(pItem);
            DrawItemImage(pDC, pItem, pt, look.pImage, look.szIcon);
        }
        if (bTextBelow)
            rcText.top += look.szIcon.cy + kImageTextGapBelow;
        else
            rcText.left += look.szIcon.cx + kImageTextGapBeside;
    }
    if (!rcText.IsRectEmpty())
        DrawItemCaption(pDC, pItem, rcText, kItemTextFormat | (bTextBelow ? DT_CENTER : 0));
    DrawItemFocus(pDC, pItem, rcInner);
}

CRect CXTPTaskPanelPainter::MeasureItemImageOnly(CXTPTaskPanelGroupItem* pItem, CRect rc)
{
    const ItemLook look = LookOf(this, pItem);
    const CRect& m = look.rcMargins;
    const int nWidth = look.szIcon.cx + m.left + m.right, nHeight = look.szIcon.cy + m.top + m.bottom;
    const int nLeft = rc.CenterPoint().x - nWidth / 2;
    return CRect(nLeft, rc.top, nLeft + nWidth, rc.top + nHeight);
}

void CXTPTaskPanelPainter::DrawItemImageOnly(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rc)
{
    const ItemLook look = LookOf(this, pItem);
    CPoint pt((rc.left + rc.right - look.szIcon.cx) / 2, (rc.top + rc.bottom - look.szIcon.cy) / 2);
    if (look.nHotTrackStyle != xtpTaskPanelHighlightNone)
    {
        DrawItemSelection(pDC, pItem, rc);
        pt += GetHighlightOffset(pItem);
    }
    if (look.pImage != NULL)
        DrawItemImage(pDC, pItem, pt, look.pImage, look.szIcon);
    CRect rcInner = rc;
    rcInner.DeflateRect(look.rcMargins.left, look.rcMargins.top, look.rcMargins.right, look.rcMargins.bottom);
    DrawItemFocus(pDC, pItem, rcInner);
}

void CXTPTaskPanelPainter::DrawItemFocus(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rcInner)
{
    if (!IsFocusCueShown(pItem))
        return;
    pDC->SetTextColor(GetGroupColors(pItem->GetItemGroup()->IsSpecial())->clrClientText);
    pDC->DrawFocusRect(rcInner);
}

void CXTPTaskPanelPainter::DrawItemSelection(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rc)
{
    const BOOL bSelected = IsSelected(pItem), bHot = pItem->IsItemHot(), bPressed = pItem->IsItemPressed();
    if (m_nHighlightStyle != xtpTaskPanelHighlightClassic)
    {
        if (bSelected && !bHot && !bPressed)
            DrawFlatHighlight(pDC, rc, m_clrHighlightSelected);
        else if ((bSelected && bHot && !bPressed) || (bHot && bPressed))
            DrawFlatHighlight(pDC, rc, m_clrHighlightPressed);
        else if (bHot || bPressed)
            DrawFlatHighlight(pDC, rc, m_clrHighlightHot);
        return;
    }
    const COLORREF clrDark = m_clrHighlightBorder.clrLight, clrLight = m_clrHighlightBorder.clrDark;
    if (bSelected && !(bHot && !bPressed))
        pDC->FillSolidRect(rc, m_clrHighlightHot);
    if (bSelected || (bHot && bPressed))
        pDC->Draw3dRect(rc, clrDark, clrLight);
    else if (bHot || bPressed)
        pDC->Draw3dRect(rc, clrLight, clrDark);
}

void CXTPTaskPanelPainter::DrawFlatHighlight(CDC* pDC, CRect rc, COLORREF clrFill)
{
    pDC->FillSolidRect(rc, clrFill);
    pDC->Draw3dRect(rc, m_clrHighlightBorder.clrLight, m_clrHighlightBorder.clrLight);
}

CPoint CXTPTaskPanelPainter::GetHighlightOffset(CXTPTaskPanelItem* pItem)
{
    return m_nHighlightStyle == xtpTaskPanelHighlightClassic && IsSelected(pItem) ? CPoint(1, 1) : CPoint(0, 0);
}

void CXTPTaskPanelPainter::DrawItemCaption(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rcText, UINT nFormat)
{
    if (!pItem->IsGroup())
    {
        pDC->SetBkMode(TRANSPARENT);
        CXTPTaskPanelGroup* pGroup = pItem->GetItemGroup();
        TaskPanelGroupColors* pColors = GetGroupColors(pGroup != NULL && pGroup->IsSpecial());
        if (m_bEmbossedDisabledText && !pItem->GetEnabled())
        {
            pDC->SetTextColor(XTPGetColor(COLOR_BTNHIGHLIGHT));
            CRect rcEmboss = rcText;
            rcEmboss.OffsetRect(1, 1);
            pDC->DrawText(pItem->GetCaption(), rcEmboss, nFormat);
        }
        COLORREF clrText = pColors->clrClientText;
        if (!pItem->GetEnabled())
            clrText = XTPGetColor(COLOR_GRAYTEXT);
        else if (pItem->GetType() == xtpTaskItemTypeLink)
        {
            const BOOL bHotLink = pItem->IsItemHot()
                                  && pItem->GetTaskPanel()->GetHotTrackStyle() == xtpTaskPanelHighlightText;
            clrText = bHotLink ? pColors->clrClientLinkHot : pColors->clrClientLink;
        }
        pDC->SetTextColor(clrText);
    }
    pDC->DrawText(pItem->GetCaption(), rcText, nFormat);
    pItem->SetTextRect(pDC, rcText, nFormat);
}

void CXTPTaskPanelPainter::DrawItemImage(CDC* pDC, CXTPTaskPanelItem* pItem, CPoint pt,
                                         CXTPImageManagerIcon* pImage, CSize szIcon)
{
    if (pImage == NULL)
        return;
    CXTPImageManagerIconHandle& hImage = !pItem->GetEnabled() ? pImage->GetDisabledIcon()
                                         : pItem->IsItemHot() || pItem->IsItemPressed() ? pImage->GetHotIcon()
                                         : IsSelected(pItem)                           ? pImage->GetCheckedIcon()
                                                                                       : pImage->GetIcon();
    pImage->Draw(pDC, pt, hImage, szIcon);
}
