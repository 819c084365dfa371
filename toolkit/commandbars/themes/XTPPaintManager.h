#pragma once
// CXTPPaintManager: the drawing object of the command bars. Bars and
// controls ask the current paint manager to draw them and to tell their
// sizes (DrawControl, once measuring and once painting). It owns the eight
// fonts of the command bars, a table of 58 colours copied from the colour
// manager, three icon options and the popup animation settings. The base
// draws controls on toolbars and menu bars, the special buttons and status
// bar panes; the themes (themes/) derive from it and fill in the rest of the
// look.
//
// One paint manager is current for the process; a theme switch replaces it:
//
//     CXTPPaintManager::SetTheme(xtpThemeOfficeXP);
//     XTPPaintManager()->GetColor(COLOR_BTNFACE);
//
// The object is reference counted; whoever drops the current one calls its
// InternalRelease.
#include "toolkit/commandbars/XTPCommandBarsDefines.h"
#include "toolkit/foundation/XTPColorManager.h"

class CXTPControl;
class CXTPControlComboBox;
class CXTPControlEdit;
class CXTPCommandBar;
class CXTPImageManagerIcon;
class CStatusBar;

// Theme ids of the factory; 5 marks an object installed with SetCustomTheme.
enum XTPPaintTheme
{
    xtpThemeOfficeXP = 0,
    xtpThemeOffice2000 = 1,
    xtpThemeOffice2003 = 2,
    xtpThemeNativeWinXP = 3,
    xtpThemeOffice2003Luna = 4,
    xtpThemeCustom = 5
};

// The three icon options, kept as one block that the options exchange reads
// and writes in place.
struct XTP_COMMANDBARS_ICONSINFO
{
    BOOL bUseFadedIcons;
    BOOL bUseDisabledIcons;
    BOOL bIconsWithShadow;
};

class CXTPPaintManager : public CCmdTarget
{
public:
    CXTPPaintManager();
    ~CXTPPaintManager() override;

    // ---- The process-wide paint manager ----

    // A new paint manager of the theme; its theme id is nTheme itself.
    static CXTPPaintManager* CreateTheme(int nTheme);
    // Releases the current one and makes a new one of the theme current.
    static CXTPPaintManager* SetTheme(int nTheme);
    // Releases the current one and makes pPaintManager current (theme id 5).
    static void SetCustomTheme(CXTPPaintManager* pPaintManager);
    // Releases the current one and clears it; also runs at process exit.
    static void Done();

    // ---- Overridable drawing (themes) ----

    // A control on a popup bar; returns its size.
    virtual CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) = 0;
    // A control on a toolbar or menu bar; returns its size. Base: the
    // image, caption and state box laid out as the style asks.
    virtual CSize DrawControlToolBarParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw);
    // An edit control: measuring sets its label width and answers its size;
    // drawing paints the label and the field (the edit window draws the
    // text). Base: a flat white field, framed while selected.
    virtual CSize DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw);
    // A combo box: as the edit, and measuring also sets the drop-down
    // button's width; drawing adds the button and, without an edit window,
    // the current text.
    virtual CSize DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw);
    // The state boxes of a split button (main part and arrow part).
    virtual void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc);
    // The background and outer frame of a bar.
    virtual void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) = 0;
    // The state box behind a control; also sets the text colour.
    virtual void DrawControlState(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, int nPressed,
                                  BOOL bChecked, BOOL bPopuped, XTPBarPosition barPosition) = 0;
    // Collects the control's state and calls DrawControlState.
    virtual void DrawControlEntry(CDC* pDC, CXTPControl* pControl);
    // The box of a state (see the theme).
    virtual void DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, BOOL bChecked,
                               BOOL bPopuped, BOOL bToolBar, XTPBarPosition barPosition) = 0;
    // The gripper or floating caption of a bar; returns its size.
    virtual CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) = 0;
    // The separator before a control that begins a group; returns its size.
    virtual CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                          BOOL bDraw = TRUE) = 0;
    // Widens the rectangle a submenu opened from the control must not cover.
    virtual void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) = 0;
    // One pane of a status bar: its frame and text.
    virtual void DrawStatusBarPane(CDC* pDC, CStatusBar* pStatusBar, int nIndex);
    // The diagonal size grip in the rectangle's bottom-right corner.
    virtual void DrawResizeGripper(CDC* pDC, CRect rc);
    // The window's client rectangle in colour 15.
    virtual void FillDockBar(CDC* pDC, CWnd* pDockBar);
    virtual void FillStatusBar(CDC* pDC, CStatusBar* pStatusBar);
    // Rebuilds fonts and colours.
    virtual void RefreshMetrics();
    // FALSE: disabled captions are embossed.
    virtual BOOL IsFlatDisabledText() const { return FALSE; }
    // The expand and close buttons of bars (nWhich 0 to 3). Measuring the
    // expand button at a toolbar's end (nWhich 0) places pButton from the
    // bar's size lpParam points at; without either nothing is placed.
    virtual CSize DrawSpecialControl(CDC* pDC, int nWhich, CXTPControl* pButton, CXTPCommandBar* pBar,
                                     BOOL bDraw, LPVOID lpParam);
    // Border widths of a bar: 2 on every side in the base.
    virtual CRect GetCommandBarBorders(CXTPCommandBar* pBar);
    // The tear-off strip at the top of a popup bar.
    virtual CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) = 0;
    // A control's icon in its state.
    virtual void DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, int nSelected,
                           int nPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL bToolBar) = 0;
    // A narrow raised gripper.
    virtual CSize DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) = 0;
    // A control as a row of a list (the customize sheet's commands list) in
    // rc: an image box as wide and high as szIcon plus 4 (at least a text
    // row), the caption without mnemonic markers, a popup's arrow, an edit's
    // or combo box's field. Measuring (bDraw FALSE; pDC and pControl may be
    // NULL) gives the box's size; drawing without a control fills rc as the
    // list's background. Base: the button face with the highlight colours.
    virtual CSize DrawControlPopupRow(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                      CSize szIcon, BOOL bRightToLeft);
    // 0 Office XP family, 1 Office 2000 family, 2 Office 2003, 3 Windows XP.
    virtual int GetBaseTheme() = 0;
    // The bar's font: vertical on bars docked left or right.
    virtual CFont* GetCommandBarFont(CXTPCommandBar* pBar, BOOL bBold = FALSE);
    // The size grip of a status bar: 3 x 3 dots in the bottom-right corner.
    virtual void DrawStatusBarGripper(CDC* pDC, CRect rcClient);
    // A sunken frame: top and left colour 16, bottom and right colour 20.
    virtual void DrawStatusBarPaneBorder(CDC* pDC, CRect rc);
    // TRUE when the theme draws its popups' drop shadows itself: they then
    // leave out the control that opened the popup and are lighter. [FALSE:
    // the system's shadow]
    virtual BOOL IsThemedShadow() const { return FALSE; }
    // The colour of drop shadows, dimmed by their alpha. [black]
    virtual COLORREF GetShadowColor() const { return RGB(0, 0, 0); }
    // Plays one popup animation (xtpAnimateUnfold, xtpAnimateSlide or
    // xtpAnimateFade; any other type does nothing) of the picture in pSrcDC
    // onto pDestDC over rc, in the animation steps and time; with no step or
    // an empty rc nothing is drawn. A fade never draws the full picture: the
    // caller paints it afterwards.
    virtual void Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nType);
    // Plays the growth of a popup bar whose hidden rows appear: the bands of
    // rows hidden before grow from nothing to their height, step by step.
    virtual void AnimateExpanding(CXTPCommandBar* pBar, CDC* pDestDC, CDC* pSrcDC);

    // ---- Colours ----

    // Table entry 0..57; any larger value (unsigned) is a COLORREF.
    COLORREF GetColor(int nIndex) const;
    // Sets the standard values of table entries.
    void SetColors(int nCount, const int* pIndexes, const COLORREF* pColors);
    int GetCurrentSystemTheme() const;
    void SetSystemTheme(int nSystemTheme);

    // ---- Fonts and metrics ----

    void UseOfficeFont(BOOL bUseOfficeFont);
    void SetCommandBarsFontIndirect(LOGFONT* pLogFont, BOOL bUseStandardFont = FALSE);
    CFont* GetRegularFont() { return &m_fontRegular; }
    CFont* GetRegularBoldFont() { return &m_fontRegularBold; }
    CFont* GetIconFont() { return &m_fontIcon; }
    CFont* GetIconBoldFont() { return &m_fontIconBold; }
    CFont* GetSmCaptionFont() { return &m_fontSmCaption; }
    CFont* GetSymbolFont() { return &m_fontSymbol; }
    // The height of " " in the regular font plus 6 (0 until fonts are built).
    int GetTextHeight() const { return m_nTextHeight; }
    // The text row height, at least 22.
    int GetControlHeight() const { return m_nTextHeight > 22 ? m_nTextHeight : 22; }
    int GetThemeId() const { return m_nThemeId; }
    BOOL IsUsingOfficeFont() const { return m_bUseOfficeFont; }
    BOOL IsUsingStandardFont() const { return m_bUseStandardFont; }
    COLORREF GetStatusBarTextColor() const { return m_clrStatusTextColor; }

    // ---- Icon options and animation ----

    XTP_COMMANDBARS_ICONSINFO* GetIconsInfo() { return &m_iconsInfo; }
    int GetAnimationSteps() const { return m_nAnimationSteps; }
    int GetAnimationTime() const { return m_nAnimationTime; }
    // The steps of a popup animation and its length in milliseconds.
    void SetAnimation(int nSteps, int nTime)
    {
        m_nAnimationSteps = nSteps;
        m_nAnimationTime = nTime;
    }

    // ---- Drawing a control ----

    // Measures (bDraw FALSE) or draws a control; bars call it for each.
    CSize DrawControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw = TRUE);

    // ---- Drawing primitives of the themes ----

    void Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);
    // Fills with table colour nBrush, then frames with table colour nPen.
    void Rectangle(CDC* pDC, CRect rc, int nPen, int nBrush);
    void Draw3dRect(CDC* pDC, CRect rc, int nTopLeft, int nBottomRight);
    // A line with the pen already selected, or with a pen of a table colour.
    void Line(CDC* pDC, CPoint p0, CPoint p1);
    void Line(CDC* pDC, int x0, int y0, int x1, int y1, int nPen);
    void Pixel(CDC* pDC, int x, int y, int nColor);
    void DrawCheckMark(CDC* pDC, CRect rc, COLORREF clr, BOOL bLayout2 = FALSE);
    // Measures or draws a caption, horizontally or turned, optionally with
    // a drop-down triangle and embossed.
    CSize DrawTextEx(CDC* pDC, const CString& strCaption, CRect rcText, BOOL bDraw, BOOL bVertical,
                     BOOL bCentered, BOOL bTriangled, BOOL bEmbossed = FALSE);
    // The caption beside the image area of a toolbar control.
    CSize DrawControlText(CDC* pDC, const CString& strCaption, CRect rc, BOOL bVertical, BOOL bDraw,
                          BOOL bEmbossed, BOOL bTriangled, CSize szImage, BOOL bImage);
    // "&&" stays a single "&", every other "&" goes.
    static void StripMnemonics(CString& strCaption);
    // TRUE when the control stands on a popup bar (a menu) rather than a tool bar.
    static BOOL IsOnPopupBar(const CXTPControl* pControl);
    // An edit or combo field's label: the control's caption without mnemonic markers.
    static CString GetFieldLabel(const CXTPControl* pControl);
    // Gives a measured combo box its drop-down button's width: the height of
    // a line of the icon font, plus 2.
    void SetComboButtonWidth(CDC* pDC, CXTPControlComboBox* pComboBox);
    // Right-to-left menu captions: dots to the front, a leading number to the end.
    static void PrepareMenuCaption(CString& strCaption);
    // Draws a glyph of the symbol font "Marlett" centred in rc, in the DC's
    // text colour, at 8 points of a 96-pixel inch whatever the DC's
    // resolution (the close buttons of bars, the MDI buttons of the menu bar).
    static void DrawSymbolGlyph(CDC* pDC, LPCTSTR lpszGlyph, CRect rc);
    // The font height of that glyph for a DC of the given pixels per inch:
    // 80 tenth-points scaled by 96 / horizontal, then as a point font.
    static LONG GetSymbolGlyphHeight(int nLogPixelsX, int nLogPixelsY);
    static BOOL FontExists(const CString& strFaceName);
    void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz);
    // The raised shadow of an embossed caption: the text in colour 20 one
    // pixel right of and below rc; the DC's text colour stays as it was.
    void DrawEmbossShadow(CDC* pDC, const CString& strText, CRect rc, UINT nFormat);

public:
    BOOL m_bUseOfficeFont;
    BOOL m_bUseStandardFont;

protected:
    void RefreshFonts();
    // The current text of a combo box without a window of its own, in the
    // icon-title font and colour 8, between rcField's left and the button.
    void DrawComboBoxText(CDC* pDC, CXTPControlComboBox* pComboBox, CRect rcField, CRect rcButton);
    // An edit or combo box's own window takes the icon-title font (and no
    // margins) when it shows another, so a theme switch never leaves it on
    // the font of a paint manager that is gone.
    void TakeFieldFont(CWnd* pFieldWnd);
    // The size of a button on the bar and of its icon.
    static CSize GetButtonSize(CXTPCommandBar* pBar);
    static CSize GetIconSize(CXTPCommandBar* pBar);
    // TRUE for a popup control whose popup bar is open.
    static BOOL IsPopupOpen(CXTPControl* pControl);

    // ---- Popup rows, as the themes lay them out ----

    // The caption of a popup row, made ready for a right-to-left bar, and
    // the shortcut text of a button row (its own, else the automatic one).
    static void GetPopupRowTexts(CXTPControl* pControl, CString& strCaption, CString& strShortcut);
    // Whether a popup row shows its icon: the icon styles, and the automatic
    // style on all but submenu rows.
    static BOOL ShowsPopupRowImage(CXTPControl* pControl);
    // The icon of a popup row as wide as szIcon, its height in proportion,
    // centred in rcBox, drawn through DrawImage.
    void DrawPopupRowImage(CDC* pDC, CXTPImageManagerIcon* pImage, CRect rcBox, CSize szIcon, int nSelected,
                           BOOL bEnabled, BOOL bChecked);
    // The image box of a list row for the icon size.
    CSize GetListRowBox(CSize szIcon) const;
    // The colours of a list row's parts, as table indexes: its text, the
    // divider of a split button and the frame of an edit's or combo box's
    // field.
    struct ListRowColors
    {
        int nText;
        int nDivider;
        int nFieldFrame;
    };
    // A list row's caption from nCaptionLeft, a popup's arrow and a split
    // button's divider, and an edit's or combo box's field. Returns a combo
    // box's drop-down button, whose back the look paints before
    // DrawListRowComboArrow (empty for other controls).
    CRect DrawListRowParts(CDC* pDC, CXTPControl* pControl, CRect rc, int nCaptionLeft, const ListRowColors& colors,
                           BOOL bRightToLeft);
    // The arrow of a list row's combo button: the symbol font's glyph one
    // pixel right of and below the button's centre, colour 45 when the row
    // is selected, else 46.
    void DrawListRowComboArrow(CDC* pDC, CRect rcButton, BOOL bSelected);
    // The submenu arrow, pointing right, 11 pixels in from the row's right.
    void DrawPopupArrow(CDC* pDC, CRect rcRow, COLORREF clr);

    // ---- Animation steps ----

    // The fade: the two pictures mixed in each step but the last.
    void AnimateFade(CDC* pDestDC, CDC* pSrcDC, CRect rc);
    // Waits the pause of one animation step, less what the step took.
    void PauseAnimation(DWORD dwStepStart) const;

    // ---- Shared steps of the themes ----

    // An enabled control's icon in its state: checked or open ones plain (hot
    // when checked and hot or pressed), pressed ones hot at ptPressed, hot
    // ones raised over their shadow when icons have shadows, idle ones faded
    // when icons fade.
    void DrawEnabledImage(CDC* pDC, CPoint pt, CPoint ptPressed, CSize sz, CXTPImageManagerIcon* pImage,
                          int nSelected, int nPressed, BOOL bChecked, BOOL bPopuped);
    // The caption of a floating bar: its title in colour 20 on a strip of
    // clrCaption across the top of rcClient, 3 pixels in, at least 15 high
    // in the small caption font; returns the strip's size.
    CSize DrawFloatingCaption(CDC* pDC, CXTPCommandBar* pBar, CRect rcClient, COLORREF clrCaption,
                              BOOL bDraw);

protected:
    COLORREF m_clrSpare;
    COLORREF m_clrStatusTextColor;
    CFont m_fontRegular;
    CFont m_fontRegularBold;
    CFont m_fontVert;
    CFont m_fontVertBold;
    CFont m_fontSmCaption;
    CFont m_fontIcon;
    CFont m_fontSymbol;
    CFont m_fontIconBold;
    int m_nTextHeight;
    int m_nThemeId;
    XTP_COMMANDBARS_ICONSINFO m_iconsInfo;
    int m_nAnimationSteps;
    int m_nAnimationTime;
    CXTPPaintManagerColor m_arrColor[XTP_COLOR_COUNT];
    int m_nSystemTheme;

private:
    static CXTPPaintManager* s_pCurrent;
    friend CXTPPaintManager* XTPPaintManager();
};

// The current paint manager; NULL before the first SetTheme.
CXTPPaintManager* XTPPaintManager();
