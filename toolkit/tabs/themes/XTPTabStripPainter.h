#pragma once
// CXTPTabStripPainter: the paint manager of tab strips. It owns one colour
// set (CXTPTabStripColors: every colour and fill) and one appearance
// (CXTPTabStripShape: the geometry and the outline of tabs), the four caption
// fonts and the display settings, and does the work the appearances share:
// laying a row of tabs out, drawing a whole strip, measuring and drawing one
// tab's icon and caption, shrinking tabs to fit and scrolling a tab into view.
// A strip reaches it through GetPainter and calls RepositionTabStrip,
// DrawTabStrip and AdjustClientRect; one painter may serve several strips.
//
//     CXTPTabStripPainter painter;
//     painter.SetAppearanceById(xtpTabAppearanceSlanted);   // also picks colour set 4
//     painter.SetPosition(xtpTabPositionBottom);
//     painter.RepositionTabStrip(&strip, &dc, rcStrip);      // layout
//     painter.DrawTabStrip(&strip, &dc, rcStrip);            // paint
#include "toolkit/tabs/XTPTabStripGeometry.h"

#include "framework/Window.h"

#include <vector>

class CXTPTabStrip;
class CXTPTabStripItem;
class CXTPTabStripButton;
class CXTPTabStripColors;
class CXTPTabStripShape;

// The colour sets by id (any other id: the default set).
enum XTPTabColorSetId
{
    xtpTabColorDefault = 1,
    xtpTabColorToolkit = 2,
    xtpTabColorScheme = 4,
    xtpTabColorVisualStyle = 8,
    xtpTabColorSchemePlain = 16
};

class CXTPTabStripPainter : public CCmdTarget
{
public:
    // Appearance 0 with the default colour set, the system fonts.
    CXTPTabStripPainter();
    // Deletes the colour set and the appearance.
    ~CXTPTabStripPainter() override;

    // ---- Overridable (base behaviour in brackets) ----

    // [the appearance's DrawTabStrip]
    virtual void DrawTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc);
    // [the client frame, then the appearance's AdjustClientRect when the
    // strip has items] turns the strip's rectangle into its content area.
    virtual void AdjustClientRect(CXTPTabStrip* pStrip, CRect* pRect);
    // [stores the strip's rectangles and lets the appearance lay it out]
    virtual void RepositionTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc);
    // [icon and caption] draws the tab's content into rc, or with bDraw
    // FALSE measures the tab's length (returned; 0 when drawing).
    virtual int DrawItemContent(CDC* pDC, CXTPTabStripItem* pItem, CRect rc, BOOL bDraw);
    // [the fonts (from the system when it has them), the colour set and the
    // appearance]
    virtual void RefreshMetrics();
    // [OnPainterChanged of every registered strip]
    virtual void NotifyStrips();

    // ---- Colour set and appearance ----

    // A colour set by id (XTPTabColorSetId); then SetColorSet.
    void SetColorById(int nColorId);
    // Takes the set (NULL changes nothing) and refreshes it; NotifyStrips.
    void SetColorSet(CXTPTabStripColors* pColors);
    // An appearance by id 0 to 8 (any other: 0); then SetAppearanceSet.
    void SetAppearanceById(int nAppearance);
    // Takes the appearance (NULL changes nothing), refreshes it and chooses
    // its default colour set; NotifyStrips.
    void SetAppearanceSet(CXTPTabStripShape* pShape);
    CXTPTabStripColors* GetColorSet() const { return m_pColors; }
    CXTPTabStripShape* GetAppearanceSet() const { return m_pShape; }
    int GetAppearanceId() const { return m_nAppearance; }
    int GetColorId() const { return m_nColorId; }

    // ---- Settings with consequences ----

    // The colour sets ignore the Windows XP colour scheme; refreshes.
    void SetLunaColorsDisabled(BOOL bDisabled);
    // The flag, or the colour manager's own.
    BOOL IsLunaColorsDisabled() const;
    // Tabs are filled with their own colours; refreshes.
    void SetItemColors(BOOL bItemColors);
    BOOL IsItemColors() const { return m_bItemColors; }
    // XTPTabPosition and XTPTabLayoutStyle; NotifyStrips.
    void SetPosition(int nPosition);
    void SetLayout(int nLayout);
    int GetPosition() const { return m_nPosition; }
    int GetLayout() const { return m_nLayout; }
    // Tabs ask for and draw their icons; NotifyStrips.
    void ShowIcons(BOOL bShow);
    BOOL IsShowIcons() const { return m_bShowIcons; }

    // ---- Strips told about changes ----

    void RegisterStrip(CXTPTabStrip* pStrip);
    void UnregisterStrip(CXTPTabStrip* pStrip);

    // ---- Fonts ----

    // Makes the normal and bold fonts from *pLogFont and the vertical pair
    // from it in the toolkit's default face (at least 11 pixels high), and
    // the row height with them; bSystemFont: follow the system's icon-title
    // font at every RefreshMetrics from now on. NULL only sets the flag.
    void SetFontIndirect(LOGFONT* pLogFont, BOOL bSystemFont = FALSE);
    CFont* GetFont(BOOL bVertical) { return bVertical ? &m_fontVertical : &m_fontNormal; }
    CFont* GetBoldFont(BOOL bVertical) { return bVertical ? &m_fontVerticalBold : &m_fontBold; }

    // ---- Shared routines of the appearances ----

    // The eight default tab colours, for the values 0x1000000 + n.
    static COLORREF GetDefaultTabColor(COLORREF clrValue);
    // XTPTabCalcTabLength with the item inset.
    int CalcTabLength(int nContent, int nMinimum, int nMaximum) const;
    // The text's width in the DC's font; without DT_NOPREFIX in nFormat
    // the mnemonic marks are taken out first.
    int GetTextWidth(CDC* pDC, const CString& strText, UINT nFormat);
    // Draws the text shortened in its middle (a text with a backslash as a
    // path) to fit rc.
    void DrawTextMiddleEllipsis(CDC* pDC, const CString& strText, CRect rc, UINT nFormat);
    // The part of the header's row the tabs keep once every button took its
    // place (the buttons are laid out on the way).
    CRect CalcRowRect(CXTPTabStrip* pStrip, CRect rc);
    // Scrolls the strip so that the item stands inside its header.
    void EnsureVisible(CXTPTabStrip* pStrip, CXTPTabStripItem* pItem);
    // Shrinks the tabs to nAvailable (layout xtpTabLayoutCompressed).
    void ShrinkTabsToFit(CXTPTabStrip* pStrip, int nAvailable);
    // The shared drawing and layout of a whole strip (the appearances'
    // default DrawTabStrip and RepositionTabStrip).
    void PaintTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc);
    void LayoutTabStrip(CXTPTabStrip* pStrip, CDC* pDC, CRect rc);
    // The colour set's fill of a strip button.
    void FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect);

    // ---- Display settings (read at the next layout or paint) ----

    BOOL m_bHotTracking;     // the strip keeps a hot tab under the mouse
    BOOL m_bBoldSelected;    // the active strip's selected tab in the bold font
    BOOL m_bBoldNormal;      // the normal fonts made bold (at the next font refresh)
    int m_nClientFrameStyle; // 0 two pixels round the client, 1 on the tab side only, else none
    BOOL m_bClientFrame;     // a two-line frame round the whole strip
    CRect m_rcClientMargin;  // extra margin of the client area
    CRect m_rcHeaderMargin;  // taken off the strip before the header is placed
    CRect m_rcItemInset;     // inside each tab: left and right add to the length
    BOOL m_bInvertGradient;  // the colour sets' gradients run the other way
    BOOL m_bFillBackground;  // the strip is filled before the tabs are drawn
    CSize m_szIcon;          // the size of a tab icon
    BOOL m_bMiddleEllipsis;  // captions that do not fit lose their middle
    BOOL m_bNoPrefix;        // "&" in a caption is drawn as it stands

private:
    CXTPTabStripPainter(const CXTPTabStripPainter&);
    CXTPTabStripPainter& operator=(const CXTPTabStripPainter&);

    // The four caption fonts from the font description.
    void CreateFonts(const LOGFONT* pLogFont);
    // The caption's extent for measuring: DrawText with DT_CALCRECT.
    int MeasureCaption(CDC* pDC, const CString& strText);
    int MeasureItem(CDC* pDC, CXTPTabStripItem* pItem, BOOL bHasIcon);
    void DrawItemCaption(CDC* pDC, CXTPTabStripItem* pItem, CRect rc);
    // The widest caption of the strip in the font the selected tab uses.
    int GetWidestCaption(CDC* pDC, CXTPTabStrip* pStrip);

    BOOL m_bShowIcons;
    BOOL m_bLunaColorsDisabled;
    BOOL m_bItemColors;
    CXTPTabStripShape* m_pShape;
    CXTPTabStripColors* m_pColors;
    std::vector<CXTPTabStrip*> m_arrStrips;
    int m_nAppearance;
    int m_nColorId;
    int m_nPosition;
    int m_nLayout;
    CFont m_fontNormal;
    CFont m_fontBold;
    CFont m_fontVertical;
    CFont m_fontVerticalBold;
    BOOL m_bSystemFont;
};
