#pragma once
// CXTPBarInfo and CXTPDockState: where each tool bar of a frame stands (its
// dock bar or floating position, whether it is shown, its remembered
// docked and floating places), as saved in the profile sections
// "<profile>-Bar<n>" and "<profile>-Summary" or exchanged in a "DockState"
// section. The manager fills a dock state from its bars (GetDockState) and
// applies one to them (SetDockState).
//
// Positions saved on a screen of another size are scaled to the current
// screen when loaded (SetScreenSize, ScalePoint, ScaleRect); a saved size no
// screen can have (0 or less, above 32767) turns scaling off. Places and
// sizes read from stored data are bounded first (FitLoaded).
#include "toolkit/commandbars/XTPCommandBarsDefines.h"

#include <vector>

class CXTPToolBar;
class CXTPDockState;
class CXTPPropExchange;

class CXTPBarInfo
{
public:
    CXTPBarInfo();

    // Fills the record from the bar (see the .cpp for each field).
    void GetBarInfo(CXTPToolBar* pBar);
    // Gives the bar its remembered places and puts its window at XPos, YPos
    // (a floating one with its floating size, on the work area), shown or
    // hidden; a dialog bar takes the client sizes that are not below its
    // minimum.
    void SetBarInfo(CXTPToolBar* pBar);
    // The record holds the bar's place (XPos and YPos were saved): a floating
    // record without one cannot float the bar.
    BOOL HasPosition() const { return m_pointPos.x != -1 && m_pointPos.y != -1; }

    // "<profile>-Bar<n>": deletes the section, then writes it; FALSE at the
    // first write the profile refused.
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex);
    // Reads the section (missing values take their defaults), positions
    // scaled by the dock state; FALSE when the profile holds no such section
    // (no "BarID").
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, CXTPDockState* pDockState);
    // The "BarInfo" keys; nVersion is the dock state's stored version.
    void DoPropExchange(CXTPPropExchange* pPX, int nVersion);

    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    CPoint m_pointPos;
    int m_nMRUWidth;
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    CPoint m_ptMRUFloatPos;
    CXTPToolBar* m_pBar; // while applying; not stored
    BOOL m_bDialogBar;
    CSize m_szDialogBarDockingClient;
    CSize m_szDialogBarFloatingClient;
};

class CXTPDockState
{
public:
    static const int kVersion = 8;
    // Bar infos and dock rows read from stored data are limited to this.
    static const int kMaxBars = 1024;

    CXTPDockState();
    ~CXTPDockState();

    // Deletes the bar infos.
    void Clear();
    // Takes ownership of the record.
    void Add(CXTPBarInfo* pInfo) { m_arrBarInfo.push_back(pInfo); }
    int GetCount() const { return (int)m_arrBarInfo.size(); }
    CXTPBarInfo* GetAt(int nIndex) const { return m_arrBarInfo[nIndex]; }

    // "<profile>-Bar<n>" for each bar info, then "<profile>-Summary"; FALSE
    // at the first write the profile refused (what was written stays).
    BOOL SaveState(LPCTSTR lpszProfileName);
    // Deletes "<profile>-Summary" and the "<profile>-Bar<n>" sections a load
    // would read, up to the first without its "BarID".
    static void EraseState(LPCTSTR lpszProfileName);
    // Replaces the bar infos by those of the profile.
    void LoadState(LPCTSTR lpszProfileName);
    // The "DockState" keys: "Version", "ScreenSize", "Count", "BarInfo%i".
    void DoPropExchange(CXTPPropExchange* pPX);

    // The size of the screen the state was saved on; scaling is on when it
    // is positive and differs from the current screen.
    void SetScreenSize(CSize size);
    CSize GetScreenSize() const { return m_rectDevice.Size(); }
    CPoint ScalePoint(CPoint point) const;
    CRect ScaleRect(CRect rect) const;
    // A current screen other than the system's (tests, other monitors).
    void SetCurrentScreen(CRect rectDevice);
    // A virtual screen (every monitor) other than the system's.
    void SetVirtualScreen(CRect rcVirtualScreen);
    // A bar info just read from stored data made fit for this screen: its
    // places on the screen (a floating bar's place, the remembered floating
    // place) moved into the virtual screen (or the saved one, when larger),
    // its places in a dock bar (a docked bar's place, the remembered docked
    // rectangle) into XTPDockedPlaceBounds, then scaled and bounded again,
    // so that saving and loading the result changes nothing; a remembered
    // width outside 0 .. 32767 and dialog-bar client sizes larger than the
    // virtual screen refused (none; the bar keeps its own).
    void FitLoaded(CXTPBarInfo& info) const;

private:
    CXTPDockState(const CXTPDockState&);
    void operator=(const CXTPDockState&);
    // The stored point moved into rcLoaded, scaled, and moved into rcKept.
    CPoint FitPoint(CPoint point, const CRect& rcLoaded, const CRect& rcKept) const;

    std::vector<CXTPBarInfo*> m_arrBarInfo;
    CRect m_rectDevice;
    CSize m_sizeSaved;
    BOOL m_bScaling;
    CPoint m_ptMaxPos;
    CRect m_rcVirtualScreen;
};
