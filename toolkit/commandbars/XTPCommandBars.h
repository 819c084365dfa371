#pragma once
// CXTPCommandBars: the command-bar manager of one frame window (the site).
// It owns the frame's bars (menu bar and tool bars), the four dock bars on the
// frame's edges, the options record, and an optional paint manager and image
// manager of its own. The frame forwards two hooks to it and lets it lay the
// frame out:
//
//     m_pCommandBars = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
//     m_pCommandBars->SetSite(this);
//     m_pCommandBars->EnableDocking();
//     m_pCommandBars->SetMenu("Menu Bar", IDR_MAINFRAME);
//     m_pCommandBars->Add("Standard", xtpBarTop)->LoadToolBar(IDR_MAINFRAME);
//
//     BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
//     { return m_pCommandBars->PreTranslateFrameMessage(pMsg) || CFrameWnd::PreTranslateMessage(pMsg); }
//     BOOL CMainFrame::OnWndMsg(UINT m, WPARAM w, LPARAM l, LRESULT* pResult)
//     { return m_pCommandBars->OnFrameWndMsg(m, w, l, pResult) || CFrameWnd::OnWndMsg(m, w, l, pResult); }
#include "toolkit/commandbars/XTPCommandBarsDefines.h"
#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"

#include <vector>

// 0x536, sent to the site when a tool bar's controls were reset (wParam 0,
// lParam the CXTPToolBar): the site gives the new controls what it gave the
// bar's controls when it built them (tips, a combo's choice).
#define WM_XTP_TOOLBARRESET (WM_USER + 310)

class CXTPCommandBar;
class CXTPToolBar;
class CXTPMenuBar;
class CXTPDockBar;
class CXTPReBar;
class CXTPControl;
class CXTPPopupBar;
class CXTPPaintManager;
class CXTPImageManager;
class CMDIChildWnd;
class CMultiDocTemplate;
class CDocument;
class CXTPDockState;
class CXTPCommandBarList;
class CXTPPropExchange;
class CXTPPropExchangeParam;
class CXTPBarStateParts;
class CXTPCustomizeDropSource;

class CXTPCommandBars : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPCommandBars)
public:
    CXTPCommandBars();
    ~CXTPCommandBars() override;

    // ---- Wiring -----------------------------------------------------------
    // The frame that hosts the bars; asks it whether it handles Customize.
    void SetSite(CFrameWnd* pFrame);
    CFrameWnd* GetSite() const { return m_pFrame; }
    // Creates the four dock bars (top, bottom, left, right) on the site.
    void EnableDocking();
    // The menu bar built from menu resource nMenuID; NULL on failure.
    CXTPCommandBar* SetMenu(LPCTSTR lpszName, UINT nMenuID);
    // A new tool bar (of pToolBarClass, default CXTPToolBar) docked at the
    // position or floating; NULL on failure.
    CXTPToolBar* Add(LPCTSTR lpszName, XTPBarPosition barPosition, CRuntimeClass* pToolBarClass = NULL);
    // A tool bar the user makes: the site may adjust it first
    // (WM_XTP_CREATECOMMANDBAR); it is not built-in, takes the id given and,
    // floating, counts as torn off. NULL on failure.
    CXTPToolBar* AddCustomBar(LPCTSTR lpszName, UINT nBarID, BOOL bFloating = FALSE);
    void Remove(CXTPToolBar* pToolBar);
    void RemoveAll();

    // The classes made by SetMenu and Add; a program may replace them.
    static CRuntimeClass* m_pMenuBarClass;
    static CRuntimeClass* m_pToolBarClass;

    // ---- Bars -------------------------------------------------------------
    int GetCount() const { return (int)m_arrBars.size(); }
    CXTPToolBar* GetAt(int nIndex) const;
    // The first bar with that id; NULL for id 0.
    CXTPToolBar* GetToolBar(UINT nID) const;
    CXTPMenuBar* GetMenuBar() const { return m_pMenuBar; }
    // The dock bar at 0 top, 1 bottom, 2 left, 3 right (NULL before EnableDocking).
    CXTPDockBar* GetDockBar(int nIndex) const { return m_pDocks[nIndex]; }
    void ToggleVisible(int nIndex);
    // The first control of the bars (visible bars only with bVisible).
    CXTPControl* FindControl(XTPControlType type, UINT nId, BOOL bVisible, BOOL bRecursive) const;
    // A new id for a custom bar: one no bar uses, outside the framework's own
    // window ids; 0 when the range is full.
    UINT GetFreeBarID() const;
    static UINT FindFreeBarID(const std::vector<UINT>& usedIds);

    // ---- Docking ----------------------------------------------------------
    // The dock bar a dragged bar at the screen point docks into: pMainDock
    // first, then top, bottom, left, right; each takes points up to 20
    // pixels outside its window. The first hit counts, and only when
    // dwAllowed holds its dock flag (xtpFlagAlign...). NULL for none.
    CXTPDockBar* CanDock(CPoint pt, CXTPDockBar* pMainDock, DWORD dwAllowed = xtpFlagAlignAny) const;
    // Into the dock bar: with a rectangle (screen) into the row under its
    // centre, without one in a new last row.
    BOOL DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect, CXTPDockBar* pDockBar);
    // The same with the dock bar by index (0 top, 1 bottom, 2 left, 3 right).
    BOOL DockCommandBarAt(CXTPToolBar* pBar, LPCRECT lpRect, int nDockIndex);
    // Floats the bar: its window becomes an owned popup laid out as a
    // floating bar, at the tracker's last floating point (the window's own
    // top-left when it never floated), inside the work area.
    BOOL FloatCommandBar(CXTPToolBar* pBar);

    // ---- Shared objects ---------------------------------------------------
    CXTPCommandBarsOptions* GetCommandBarsOptions() const { return m_pOptions; }
    // The own paint manager, else the global one.
    CXTPPaintManager* GetPaintManager() const;
    // Takes the reference given and releases the previous own paint manager.
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    CXTPImageManager* GetImageManager() const;
    // Takes the reference given and releases the previous own image manager.
    void SetImageManager(CXTPImageManager* pImageManager);
    // The options under "<profile>-Options" of the application's registry key.
    void SaveOptions(LPCTSTR lpszProfileName);
    void LoadOptions(LPCTSTR lpszProfileName);
    BOOL IsCustomizeAvail() const { return m_bCustomizeAvail; }

    // ---- Customize mode (XTPCommandBarsCustomize.cpp) -----------------------
    // In customize mode the bars' controls are dragged, selected and
    // right-clicked for customizing instead of run. Each change marks the
    // options changed and clears the control selected for customizing;
    // customize mode also updates the bars and lays the frame out again.
    void SetCustomizeMode(BOOL bMode);
    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
    // Customize mode for the length of one Alt+drag of a control.
    void SetQuickCustomizeMode(BOOL bMode);
    BOOL IsQuickCustomizeMode() const { return m_bQuickCustomizeMode; }
    // The control selected for customizing (outlined on its bar; the manager
    // holds a reference). Every call tells the open customize sheet, or else
    // the site, with WM_XTP_DRAGCONTROLCHANGED.
    void SetDragControl(CXTPControl* pControl);
    CXTPControl* GetDragControl() const { return m_pDragControl; }
    // The drag of controls in customize mode; the open customize sheet is
    // registered with it.
    CXTPCustomizeDropSource* GetDropSource() const { return m_pDropSource; }
    BOOL IsCustomizeSheetOpen() const;

    // ---- Hidden commands (the short menus) --------------------------------
    // In the hidden commands and not used since.
    virtual BOOL IsCommandHidden(UINT nID) const;
    // The control's command is hidden; with auto-hiding of unused popups, a
    // popup control whose every control is hidden (an empty popup is shown).
    virtual BOOL IsControlHidden(CXTPControl* pControl);
    void HideCommand(UINT nID);
    void HideCommands(const UINT* pCommands, int nCount);
    void SetCommandUsed(UINT nID);
    void ResetUsageData();

    // ---- Frame ------------------------------------------------------------
    // Lays the frame out unless the layout is locked (bDelay: at idle time).
    void RecalcFrameLayout(BOOL bDelay = FALSE);
    // Lays out and redraws every visible bar and the frame (after a theme
    // change); the frame's layout waits while it is locked.
    void RedrawCommandBars();
    // While locked, nothing the manager does lays the frame out.
    void LockLayout(BOOL bLock) { m_bRecalcLayout = bLock; }
    // Every bar enters or leaves print preview.
    void OnSetPreviewMode(BOOL bPreview);
    // The frame's message pre-translation; TRUE when the message is eaten.
    BOOL PreTranslateFrameMessage(MSG* pMsg);
    // With the guard set, Alt with a letter while Shift is held is left to
    // the frame instead of opening a menu (off by default): a program whose
    // own Alt+Shift shortcuts share letters with its menus sets it.
    void SetIgnoreShiftMenuKey(BOOL bIgnore) { m_bIgnoreShiftMenuKey = bIgnore; }
    BOOL IsIgnoreShiftMenuKey() const { return m_bIgnoreShiftMenuKey; }
    // The frame's window messages; TRUE when handled (*pResult is the answer).
    // A display, setting or colour change makes the display's colour depth
    // be asked again.
    BOOL OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Brings the visible floating bars in front of the site, directly (a
    // window the site owns besides them, such as a dialog, stays in front),
    // keeping their order among themselves and activating none: those
    // behind it, and with bRestackAll every one. The site frame calls it
    // with TRUE once it was shown or activated, and with FALSE when idle.
    // Owned windows belong in front of their owner, yet a display server
    // may stack the owner alone on top (wine's raises a window that is
    // shown or takes the focus, and then moves it in front of every window
    // it finds over the part now on screen); only a real move in the
    // z-order restacks a bar there.
    void BringFloatingBarsToFront(BOOL bRestackAll = FALSE);
    // Hides (bShow FALSE) or shows again the windows of the floating bars
    // the user keeps shown (IsVisible), leaving that state as it is: the
    // site goes out of sight and comes back without being minimised, and a
    // state saved meanwhile keeps the bars shown. Hiding first closes the
    // open popups and the tool tip. The site shows the bars before itself,
    // and then brings them in front of it in the order they stood in.
    // Until they are shown again no floating bar's window shows, whatever
    // shows it (a bar ticked on the customize sheet becomes shown in its
    // state, and its window comes with the others).
    void ShowFloatingBarWindows(BOOL bShow);
    BOOL IsHidingFloatingBars() const { return m_bHidingFloatingBars; }
    // [0 outside MDI] the menu resource of the active document type: the
    // frame's menu without an active child, the child's own resource without
    // a document, else the resource of the document's template.
    virtual UINT GetActiveMenuID();

    // ---- Saved state (XTPCommandBarsState.cpp) -----------------------------
    // The frame saves its bars when it closes and loads them when it starts:
    //
    //     m_pCommandBars->LoadOptions("CommandBars");
    //     m_pCommandBars->LoadBarState("CommandBars");   // after the bars are made
    //     ...
    //     m_pCommandBars->SaveBarState("CommandBars");   // in OnClose
    //     m_pCommandBars->SaveOptions("CommandBars");
    //
    // The profile sections "<name>-Summary", "<name>-Bar<n>" and
    // "<name>-DockBar<d>" hold where the bars stand, the "StatusBar" value of
    // "<name>" whether the status bar is hidden, and "<name>-Controls" the
    // customised controls (when the frame handles the customize command): an
    // image of up to 16,000 bytes as a binary value, a larger one in the
    // hidden file named by GetStateFileName. A save that cannot write a bar
    // or a control (no memory) writes nothing: the profile and the file keep
    // the state of the last save. The profile may refuse any one write (a
    // quota, a policy): a save writes its state whole under "<name>-New"
    // (and the file "<state file>-New") first, sets "LoadNew" = 1 in
    // "<name>", writes the sections above, then deletes "LoadNew" and the
    // state beside (CXTPStateSwitch). A load reads the state beside while
    // "LoadNew" is set, so it finds the last save or the new one whole,
    // never part of each; a save that succeeds leaves the sections above
    // alone, as every reader of them knows them. Loading treats all of it as
    // input: a damaged state leaves the bars as they were made.
    void SaveBarState(LPCTSTR lpszProfileName, BOOL bOnlyCustomized = TRUE);
    void LoadBarState(LPCTSTR lpszProfileName, BOOL bSilent = FALSE);
    // The whole state through any exchange; pParam says which parts (NULL:
    // the controls with their original controls, the layout and the
    // designer controls). A load reads every part before it applies any: one
    // refused part way (damaged data) throws its exception and changes
    // nothing.
    void DoPropExchange(CXTPPropExchange* pPX, const CXTPPropExchangeParam* pParam = NULL);
    // Every part through an archive.
    void Serialize(CArchive& ar) override;
    void SerializeBarState(CArchive& ar, BOOL bSerializeControls = FALSE, BOOL bOnlyCustomized = TRUE,
                           BOOL bSilent = FALSE);
    // The file of a large controls image: the name set, else
    // "<program path>-<profile name>".
    void GetStateFileName(CString& strFileName, LPCTSTR lpszProfileName) const;
    void SetStateFileName(LPCTSTR lpszFileName) { m_strStateFileName = lpszFileName; }

    void GetDockState(CXTPDockState& state);
    void SetDockState(CXTPDockState& state);
    // FALSE at the first write the profile refused.
    BOOL SaveDockBarsState(LPCTSTR lpszProfileName);
    void LoadDockBarsState(LPCTSTR lpszProfileName);

    // The controls part: the bars to save (tool bars, then the popup bars
    // their controls open), written or read as "CommandBar" items of the
    // section "CommandBars", and the loaded bars merged into the manager.
    void GenerateCommandBarList(CXTPCommandBarList* pList, BOOL bOnlyCustomized);
    // Both FALSE after a failure (caught here); a failed load lists nothing.
    BOOL SaveCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pList);
    BOOL LoadCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pList);
    void RestoreCommandBarList(CXTPCommandBarList* pList, BOOL bSilent);
    static CXTPCommandBar* FindBarInList(CXTPCommandBarList* pList, UINT nBarID);
    // Reads an image and merges its bars; FALSE when nothing was merged.
    BOOL LoadControlsFromArchive(CArchive& ar, BOOL bSilent);

    // ---- Tracking ---------------------------------------------------------
    // Shows the popup at the screen point (clear of rcExclude) and returns
    // when it closes. nFlags: TPM_RETURNCMD returns the chosen command
    // instead of sending it (0 when none was chosen; else the result is 1),
    // TPM_NONOTIFY skips the command-state updates, TPM_RIGHTBUTTON lets the
    // right button choose, TPM_RIGHTALIGN opens to the left of the point.
    // 0 when the popup cannot open.
    static UINT TrackPopupBar(CXTPPopupBar* pPopup, UINT nFlags, int x, int y, CWnd* pOwner,
                              LPCRECT rcExclude = NULL, CWnd* pCommandTarget = NULL);
    // The menu as a popup bar of the manager (NULL allowed), tracked as
    // above and released; 0 when the handle is no menu.
    static UINT TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner,
                               LPCRECT rcExclude = NULL, CWnd* pCommandTarget = NULL,
                               CXTPCommandBars* pCommandBars = NULL);
    // Pumps messages (through the thread's PreTranslateMessage) while the
    // bar stays in tracking mode, on the toolkit's capture loop without the
    // capture: a WM_QUIT ends the loop and stays in the queue, a failing
    // wait ends it, and a message that comes after tracking ended stays
    // where it is.
    static void PumpTrackingLoop(CXTPCommandBar* pBar);

    // ---- Context menus ----------------------------------------------------
    // [nothing in customize mode] The bars' context menu at the screen
    // point (GetToolbarsPopup), tracked until it closes.
    virtual void ContextMenu(CPoint pt);
    // [one check item per tool bar listed in context menus and closeable,
    // checked while shown, then Customize... when the site handles it] A new
    // popup bar; the caller releases it.
    virtual CXTPPopupBar* GetToolbarsPopup();
    // [a clone of each control that the bars of pToolBar's dock row hid for
    // lack of room] The first part of a tool bar's expand popup.
    virtual void AddHiddenControls(CXTPToolBar* pToolBar, CXTPCommandBar* pPopup);
    // [one entry per bar of pToolBar's dock row (just the bar when it is not
    // docked): its title, opening its "Add or Remove Buttons" list when
    // customizing is available for a built-in, customizable bar, else
    // disabled; then Customize... when the site handles it] Fills the popup
    // of the expand popup's "Add or Remove Buttons".
    virtual void GetHiddenControlsPopup(CXTPToolBar* pToolBar, CXTPCommandBar* pPopup);

    // Called when a custom bar joins the manager [it becomes a band of the
    // frame's CXTPReBar, when the frame has one] and when a bar leaves it
    // [the menu bar is forgotten; a band holding the bar goes].
    virtual void OnToolBarAdded(CXTPToolBar* pToolBar);
    virtual void OnToolBarRemoved(CXTPToolBar* pToolBar);
    // Called when a tool bar's or the menu bar's controls were put back as
    // they were built (its Reset, once the user confirmed) [sends
    // WM_XTP_TOOLBARRESET to the site, when its window exists].
    virtual void OnToolBarReset(CXTPToolBar* pToolBar);
    // The frame's rebar (its child AFX_IDW_REBAR when that is a CXTPReBar).
    CXTPReBar* GetReBar() const;

private:
    // Makes the bar's window at the position and appends the bar; a bar
    // that fails is released. NULL on failure.
    CXTPToolBar* AddBarAt(CXTPToolBar* pBar, LPCTSTR lpszName, XTPBarPosition barPosition);
    // The bars of pToolBar's dock row in row order, or the bar alone.
    void GetRowOf(CXTPToolBar* pToolBar, std::vector<CXTPToolBar*>& bars) const;
    void ReleaseBar(CXTPToolBar* pBar);
    // Runs the command in the focused bar edit field; FALSE when the focus
    // is elsewhere or the field does not handle it.
    static BOOL RunFocusedEditCommand(UINT nID);
    // The multi-document template whose shared menu is the child's: the
    // document's own, else the first of the application's.
    static CMultiDocTemplate* FindDocTemplate(CMDIChildWnd* pChild, CDocument* pDocument);
    void ExchangeOptions(LPCTSTR lpszProfileName, BOOL bLoading);
    // The parts of DoPropExchange (XTPCommandBarsExchange.cpp): filled from
    // the manager, exchanged (loading reads every part and applies none; a
    // damaged part throws), then applied after a whole load.
    void GetStateParts(CXTPBarStateParts& parts);
    void ExchangeStateParts(CXTPPropExchange* pPX, CXTPBarStateParts& parts, const CXTPPropExchangeParam& param);
    void ExchangeLayout(CXTPPropExchange* pPX, CXTPBarStateParts& parts);
    void ExchangeOptionsPart(CXTPPropExchange* pPX, CXTPBarStateParts& parts);
    void ApplyStateParts(CXTPBarStateParts& parts, const CXTPPropExchangeParam& param);
    // Reads the "CommandBar" items into the list, the loaded controls' own
    // icons into pImages; throws on damaged data.
    void ReadCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pList, CXTPImageManager* pImages);
    // The ids of dock bar d's rows as saved: each bar's id, 0 between two
    // rows; nothing for a dock bar without a bar.
    std::vector<UINT> GetDockRowIds(int nDock) const;
    // The controls part of the profile form: the image of the bars to save,
    // FALSE when one of them cannot be written (caught here); then stored
    // in the profile or, a large one, in the state file strFileName (FALSE
    // at the first write the profile refused).
    BOOL WriteControlsImage(CMemFile& image, BOOL bOnlyCustomized);
    BOOL StoreControlsImage(LPCTSTR lpszProfileName, const CString& strFileName, const BYTE* pData,
                            UINT nBytes);
    void LoadControls(LPCTSTR lpszProfileName, BOOL bSilent);
    // Reads the image from the file "Controls" names or from the value
    // itself and merges its bars; FALSE when "Controls" is not of that kind
    // (or its file cannot be opened).
    BOOL LoadControlsImage(const CString& strSection, BOOL bFromFile, BOOL bSilent);
    // One whole state of the profile form under the profile name: the
    // places, the rows and the status bar, then the controls image (when
    // the frame customizes) in the profile or strFileName; FALSE at the
    // first write the profile refused.
    BOOL WriteBarState(LPCTSTR lpszProfileName, const CString& strFileName, CXTPDockState& state,
                       const BYTE* pImage, UINT nImage);
    // Deletes what WriteBarState wrote, as far as the profile lets it.
    void EraseBarState(LPCTSTR lpszProfileName, const CString& strFileName);
    // The profile name a load reads: "<name>-New" after a save that set
    // "LoadNew" and stopped, else the name.
    static CString GetStateToLoad(LPCTSTR lpszProfileName);
    // The save of the profile form through CXTPStateSwitch.
    class CBarStateSave;
    // Gives each listed popup bar that has no id one of its own, counting
    // on from the highest id in the list (past UINT_MAX from the first popup
    // id again), skipping ids in use.
    void NumberNewPopupBars(CXTPCommandBarList* pList) const;
    // Merges one loaded tool bar into the bar of the same id, or adds it.
    void MergeLoadedBar(CXTPToolBar* pLoaded, BOOL bSilent);
    // The bars of dock bar d named by ids (0: row break), each bar once.
    void ApplyDockBarSlots(int nDock, const std::vector<UINT>& arrIds, std::vector<UINT>& arrSeen);
    void ShowStatusBar(BOOL bShow);
    // The window is one of this manager's floating bars, shown.
    BOOL IsVisibleFloatingBar(HWND hWnd) const;
    static void InvalidateBarOf(CXTPControl* pControl);
    CWnd* GetStatusBar() const;

    CString m_strStateFileName;

    HACCEL m_hDefaultAccel;
    BOOL m_bIgnoreShiftMenuKey;
    CXTPPaintManager* m_pPaintManager;
    CXTPImageManager* m_pImageManager;
    CXTPCustomizeDropSource* m_pDropSource;
    CXTPControl* m_pDragControl;
    BOOL m_bCustomizeMode;
    BOOL m_bCustomizeAvail;
    BOOL m_bQuickCustomizeMode;
    UINT m_nMenuID;
    CXTPCommandBarsOptions* m_pOptions;
    std::vector<CXTPToolBar*> m_arrBars;
    CXTPDockBar* m_pDocks[4];
    CFrameWnd* m_pFrame;
    CXTPMenuBar* m_pMenuBar;
    BOOL m_bRecalcLayout;
    BOOL m_bHidingFloatingBars;
};
