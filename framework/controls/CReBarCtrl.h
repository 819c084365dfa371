#pragma once
// CReBarCtrl: the common rebar control (bands that each hold a child window).
#include "framework/window/CWnd.h"

class CReBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CReBarCtrl)
public:
    CReBarCtrl() {}

    UINT GetBandCount() const { return (UINT)SendMessage(RB_GETBANDCOUNT); }
    // lpBandInfo->cbSize and fMask say what is read or written.
    BOOL GetBandInfo(UINT uBand, REBARBANDINFO* lpBandInfo) const
    {
        return (BOOL)SendMessage(RB_GETBANDINFO, uBand, (LPARAM)lpBandInfo);
    }
    BOOL SetBandInfo(UINT uBand, REBARBANDINFO* lpBandInfo)
    {
        return (BOOL)SendMessage(RB_SETBANDINFO, uBand, (LPARAM)lpBandInfo);
    }
    // At uIndex, or at the end with -1.
    BOOL InsertBand(UINT uIndex, REBARBANDINFO* lpBandInfo)
    {
        return (BOOL)SendMessage(RB_INSERTBAND, uIndex, (LPARAM)lpBandInfo);
    }
    BOOL DeleteBand(UINT uBand) { return (BOOL)SendMessage(RB_DELETEBAND, uBand); }
    BOOL MoveBand(UINT uFrom, UINT uTo) { return (BOOL)SendMessage(RB_MOVEBAND, uFrom, uTo); }
    // The index of the band with that id, -1 when none has it.
    int IDToIndex(UINT uBandID) const { return (int)SendMessage(RB_IDTOINDEX, uBandID); }
    UINT GetBarHeight() const { return (UINT)SendMessage(RB_GETBARHEIGHT); }
    UINT GetRowCount() const { return (UINT)SendMessage(RB_GETROWCOUNT); }
    void GetRect(UINT uBand, LPRECT prc) const { SendMessage(RB_GETRECT, uBand, (LPARAM)prc); }
    void MinimizeBand(UINT uBand) { SendMessage(RB_MINIMIZEBAND, uBand); }
    void MaximizeBand(UINT uBand) { SendMessage(RB_MAXIMIZEBAND, uBand, FALSE); }
};
