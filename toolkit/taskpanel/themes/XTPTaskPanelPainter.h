#pragma once
// CXTPTaskPanelPainter: draws and measures everything a task panel shows,
// the panel's background, group captions with their expand buttons, group
// client areas (fading while a group opens or closes), items in their three
// layouts with their highlights and focus rectangles, the scroll buttons and
// the insertion mark of drag and drop; and it holds the default metrics
// (margins, spacing, caption height) that apply where a panel, group or item
// leaves its own unset.
//
// One routine measures and draws: DrawGroupCaption and DrawGroupItem take
// bDraw; measuring answers the caption height or the item rectangle the
// layout uses, so the layout and the picture always agree.
//
// Each panel owns one painter, made from a theme id (CXTPTaskPanel::SetTheme)
// or given (SetCustomTheme). This class is theme 0; the painters of the
// other themes derive from it, set their own defaults in their constructors
// and their colours in RefreshMetrics, which always begins with the base's.
#include "framework/Gdi.h"
#include "toolkit/foundation/XTPColorManager.h"

class CXTPTaskPanel;
class CXTPTaskPanelItem;
class CXTPTaskPanelGroup;
class CXTPTaskPanelGroupItem;
class CXTPImageManagerIcon;
struct CXTPTaskPanelScrollButton;

// The colours of one kind of group (ordinary or special).
struct TaskPanelGroupColors
{
    CXTPPaintManagerColorGradient clrHead;      // caption: first colour, then a left-to-right gradient
    CXTPPaintManagerColor clrClient;            // client area
    CXTPPaintManagerColor clrClientBorder;      // lines round the client area; a hidden caption's strip
    double dHeadGradientFactor;                 // share of the caption, from the left, in the first colour
    CXTPPaintManagerColor clrHeadTextNormal;    // caption text and expand glyph
    CXTPPaintManagerColor clrHeadTextHot;       // the same, hot
    CXTPPaintManagerColor clrClientText;        // text items; set before every focus rectangle
    CXTPPaintManagerColor clrClientLink;        // links
    CXTPPaintManagerColor clrClientLinkHot;     // a hot link under hot-track style 1
};

// The expand button a caption shows.
enum XTPTaskPanelExpandButtonStyle
{
    xtpTaskPanelExpandButtonNone = 0,
    xtpTaskPanelExpandButtonRound = 1,   // the visual style's bitmaps or generated round icons
    xtpTaskPanelExpandButtonChevron = 2, // a double chevron in a box raised while hot
    xtpTaskPanelExpandButtonTriangle = 3 // a solid triangle
};

// How hot, selected and pressed items are framed.
enum XTPTaskPanelHighlightStyle
{
    xtpTaskPanelHighlightClassic = 0,    // three-dimensional frames
    xtpTaskPanelHighlightFlat = 1,       // flat frames in the colour manager's colours
    xtpTaskPanelHighlightFlatScheme = 2  // flat frames in the Windows XP scheme's colours
};

class CXTPTaskPanelPainter
{
public:
    // Binds AlphaBlend of "msimg32.dll" as an optional entry point (without
    // it groups open without fading and the visual style's round-button
    // bitmaps are not drawn), then RefreshMetrics.
    CXTPTaskPanelPainter();
    // Frees the library, the icons, the bitmaps and the fonts.
    virtual ~CXTPTaskPanelPainter();

    // --- overridable: drawing ---

    // The panel's background from 0 to the larger of the client bottom and
    // the content height: the background gradient, top to bottom.
    virtual void FillTaskPanel(CDC* pDC, CXTPTaskPanel* pPanel);
    // A group's client area, painted off screen by FillGroupClientFace and
    // copied, faded while the group opens or closes.
    virtual void DrawGroupClient(CDC* pDC, CXTPTaskPanelGroup* pGroup);
    // Draws the caption when bDraw; answers the caption height (when
    // measuring, the height the layout reserves: 0 or 1 for a hidden caption).
    virtual int DrawGroupCaption(CDC* pDC, CXTPTaskPanelGroup* pGroup, BOOL bDraw);
    // Draws the item in rc, or measures it there and answers its rectangle.
    virtual CRect DrawGroupItem(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rc, BOOL bDraw);
    // Colours, fonts and caption height from the system; called by the
    // constructor and on system colour and setting changes.
    virtual void RefreshMetrics();
    // The hot, selected and pressed highlight of an item in rc.
    virtual void DrawItemSelection(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rc);
    // The item's Margins, or the painter's when unset.
    virtual CRect GetItemOuterMargins(CXTPTaskPanelGroupItem* pItem);
    // The painter's item inner margins.
    virtual CRect GetItemInnerMargins(CXTPTaskPanelItem* pItem);
    // The group's margins, or the painter's when unset.
    virtual CRect GetGroupOuterMargins(CXTPTaskPanelGroup* pGroup);
    virtual CRect GetGroupInnerMargins(CXTPTaskPanelGroup* pGroup);
    // The panel's margins and group spacing, or the painter's when unset.
    virtual CRect GetControlMargins(CXTPTaskPanel* pPanel);
    virtual int GetGroupSpacing(CXTPTaskPanel* pPanel);
    // One scroll button, when it is shown.
    virtual void DrawScrollButton(CDC* pDC, CXTPTaskPanelScrollButton* pButton);
    // The client face: background, client bitmap, border, items.
    virtual void FillGroupClientFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc);
    // Every shown item of the group, rc being the client area.
    virtual void DrawGroupItems(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc);
    // The expand button at the caption's right end; answers what is left for
    // the text.
    virtual CRect DrawExpandButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rcCaption);
    // The width a caption of that rectangle gives to the expand button.
    virtual int GetExpandButtonWidth(CXTPTaskPanelGroup* pGroup, CRect rcCaption);
    // An item's or a group's caption text; the item records where it went.
    virtual void DrawItemCaption(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rcText, UINT nFormat);
    // An item's or group's icon in the image of its state.
    virtual void DrawItemImage(CDC* pDC, CXTPTaskPanelItem* pItem, CPoint pt, CXTPImageManagerIcon* pImage,
                               CSize szIcon);
    // (1, 1) for a selected item under the classic highlight, else (0, 0).
    virtual CPoint GetHighlightOffset(CXTPTaskPanelItem* pItem);
    // The insertion mark before or after the drop target.
    virtual void DrawDragArrow(CDC* pDC, CXTPTaskPanelItem* pItem, CRect rc, BOOL bAfter = FALSE);

    // --- fonts and colours ---

    // The caption font for a group, the bold item font for a bold group
    // item, else the item font.
    CFont* GetItemFont(CXTPTaskPanelItem* pItem);
    TaskPanelGroupColors* GetGroupColors(BOOL bSpecial) { return bSpecial ? &m_groupSpecial : &m_groupNormal; }
    // Stores whether RefreshMetrics rebuilds the fonts and, given a LOGFONT,
    // rebuilds them from it.
    void SetItemFonts(LOGFONT* pLogFont, BOOL bStandardFont = FALSE);
    void SetCaptionFont(LOGFONT* pLogFont, BOOL bStandardFont = FALSE);
    // Per channel (c1 x alpha + c2 x (255 - alpha)) / 255.
    static COLORREF BlendColors(COLORREF clr1, COLORREF clr2, int nAlpha);

    // --- settings read by the panel ---

    int GetHighlightStyle() const { return m_nHighlightStyle; }
    int GetExpandButtonStyle() const { return m_nExpandButtonStyle; }
    // The scroll buttons sit in the captions (and show also when disabled).
    BOOL IsCaptionScrollButton() const { return m_bCaptionScrollButton; }
    // A drop over an item inserts after it (the mark inverts the item).
    BOOL IsInsertAfter() const { return m_bInvertDragRect; }
    int GetCaptionHeight() const { return m_nCaptionHeight; }
    const CXTPPaintManagerColorGradient& GetBackgroundColor() const { return m_clrBackground; }
    COLORREF GetHighlightHotColor() const { return m_clrHighlightHot; }
    const CRect& GetGroupInnerMarginsDefault() const { return m_rcGroupInnerMargins; }
    const CRect& GetControlMarginsDefault() const { return m_rcControlMargins; }
    int GetGroupSpacingDefault() const { return m_nGroupSpacing; }
    BOOL IsBoldCaption() const { return m_bBoldCaption; }
    BOOL IsClassicScrollButton() const { return m_bClassicScrollButton; }
    BOOL IsEmbossedDisabledText() const { return m_bEmbossedDisabledText; }
    BOOL IsOpenClientFrame() const { return m_bOpenClientFrame; }
    // The generated round icons of the ordinary and the special groups (made
    // now if the last metrics refresh left them to be made).
    HICON GetExpandIcon(BOOL bSpecial);
    // Themes 2 and 6 apply their colours without a Windows XP scheme (the
    // default); cleared, they keep the base look there.
    void SetFallbackColors(BOOL bFallback) { m_bFallbackColors = bFallback; }

protected:
    // --- the round expand buttons of themes 2 and 6 (XTPTaskPanelPainterShellStyle.cpp) ---

    // Notes what the round buttons' images are made from: the colour scheme
    // running now and the captions' second colours now. The images themselves
    // are made when first drawn or asked for (MakeShellStyleBitmaps): a
    // painter that never draws a round button, such as the one a panel has
    // until its owner sets the theme it wants, never pays for them.
    void LoadShellStyleBitmaps();
    // Makes the images that LoadShellStyleBitmaps noted, once: the running
    // visual style's eight expand-button bitmaps (from its shell style
    // library, premultiplied) when a Windows XP colour scheme was active;
    // otherwise, or when one is missing, the two round icons from bitmaps
    // 9179 and 9180 in the noted colours.
    void MakeShellStyleBitmaps();
    // Replaces the icon by the bitmap resource recoloured to clr: the
    // background (pixel (0, 0)) transparent, every other pixel taking clr's
    // hue and saturation and a lightness scaled by clr's.
    void CreateRecoloredIcon(HICON& hIcon, UINT nIDBitmap, COLORREF clr);
    // Multiplies the colour channels of a 32-bit bitmap by its alpha.
    static void PremultiplyAlpha(HBITMAP& hBitmap);
    // Draws the round button at the caption's right end; answers the
    // caption left for the text.
    CRect DrawRoundExpandButton(CDC* pDC, CRect rcCaption, BOOL bSpecial, BOOL bExpanded, BOOL bHot);

    // The double chevron at (x, y), up when expanded.
    void DrawExpandChevron(CDC* pDC, CPoint pt, BOOL bExpanded, COLORREF clr);
    // Fills and frames rc in a flat highlight colour.
    void DrawFlatHighlight(CDC* pDC, CRect rc, COLORREF clrFill);
    // The caption's text size in the caption font (" " for an empty one).
    CSize MeasureCaptionSpace(CFont* pFont) const;
    // The colour manager's highlight colours for the highlight style.
    void RefreshHighlightColors();
    // The special colours become a copy of the ordinary ones.
    void CopyNormalToSpecialColors() { m_groupSpecial = m_groupNormal; }
    BOOL IsFocusCueShown(CXTPTaskPanelItem* pItem) const;
    // What the panel's background covers: from 0 to the larger of the
    // client bottom and the content height, across the client area.
    static CRect GetPanelFillRect(CXTPTaskPanel* pPanel);
    // The group's client bitmap and, while the group is open or moving, its
    // items: what a client face shows over its background.
    void DrawClientBitmapAndItems(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc);

private:
    // A shown caption: its face with the corners the theme cuts, the focus
    // rectangle, the expand button, the group's icon and the text.
    void DrawVisibleCaption(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc);
    // The layouts with text: the image beside the text, or above it.
    CRect MeasureItemImageAndText(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rc, BOOL bTextBelow);
    void DrawItemImageAndText(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rc, BOOL bTextBelow);
    CRect MeasureItemImageOnly(CXTPTaskPanelGroupItem* pItem, CRect rc);
    void DrawItemImageOnly(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rc);
    void DrawItemFocus(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rcInner);
    void DrawItemDragMarks(CDC* pDC, CXTPTaskPanelGroupItem* pItem, CRect rc);
    void CreateItemFonts(const LOGFONT& lf);
    void CreateCaptionFont(const LOGFONT& lf);

    CXTPTaskPanelPainter(const CXTPTaskPanelPainter&);
    CXTPTaskPanelPainter& operator=(const CXTPTaskPanelPainter&);

protected:
    typedef BOOL(WINAPI* PFNALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

    BOOL m_bFallbackColors; // themes 2 and 6 keep their own colours without a scheme
    int m_nExpandButtonStyle;
    HICON m_hExpandIcon;
    HICON m_hExpandIconSpecial;
    HBITMAP m_hExpandBitmaps[8];
    BOOL m_bExpandBitmapsLoaded;
    // What LoadShellStyleBitmaps noted and MakeShellStyleBitmaps has not yet made.
    BOOL m_bExpandImagesPending;
    int m_nExpandImagesScheme;
    COLORREF m_clrExpandIcon;
    COLORREF m_clrExpandIconSpecial;
    BOOL m_bBoldCaption;
    CRect m_rcGroupOuterMargins;
    CRect m_rcGroupInnerMargins;
    CRect m_rcItemOuterMargins;
    CRect m_rcItemInnerMargins;
    CRect m_rcControlMargins;
    int m_nGroupSpacing;
    int m_nHighlightStyle;
    BOOL m_bInvertDragRect;
    BOOL m_bClassicScrollButton;
    BOOL m_bEmbossedDisabledText;
    BOOL m_bCaptionScrollButton;
    CFont m_fntCaption;
    CFont m_fntItem;
    CFont m_fntItemBold;
    CFont m_fntItemUnderline;
    CFont m_fntItemBoldUnderline;
    CXTPPaintManagerColorGradient m_clrBackground;
    TaskPanelGroupColors m_groupNormal;
    TaskPanelGroupColors m_groupSpecial;
    CXTPPaintManagerColor m_clrHighlightHot;
    CXTPPaintManagerColor m_clrHighlightSelected;
    CXTPPaintManagerColor m_clrHighlightPressed;
    CXTPPaintManagerColorGradient m_clrHighlightBorder;
    BOOL m_bOpenClientFrame;
    BOOL m_bCutLeftCaptionCorner;
    BOOL m_bCutRightCaptionCorner;
    int m_nCaptionHeight;
    PFNALPHABLEND m_pfnAlphaBlend;
    HMODULE m_hMsImg32;
    BOOL m_bStandardCaptionFont;
    BOOL m_bStandardItemsFont;
};
