#pragma once
// CXTPTabStripItem: one tab of a tab strip (CXTPTabStrip): caption, tool tip,
// icon, colour, a value of the host's (the MDI tab client keeps the child
// window's handle there), and the enabled and visible flags. The strip owns
// its items and numbers them; the painter writes each tab's length and
// rectangle when it lays the row out. Text, tip and colour are read through
// the strip, so that a host may answer them itself.
//
//     CXTPTabStripItem* pItem = strip.InsertItem(-1);
//     pItem->SetText("Report");
//     pItem->Select();
#include "framework/Window.h"

class CXTPTabStrip;

// The colour values 0x1000000 + n (n from 0 to 7) name the painter's eight
// default tab colours; any other value is an RGB colour.
const COLORREF xtpTabColorFirstDefault = 0x1000000;
const int xtpTabDefaultColorCount = 8;
inline BOOL XTPTabIsDefaultColor(COLORREF clr)
{
    return clr >= xtpTabColorFirstDefault && clr < xtpTabColorFirstDefault + xtpTabDefaultColorCount;
}

class CXTPTabStripItem : public CCmdTarget
{
    friend class CXTPTabStrip;

public:
    CXTPTabStripItem();
    ~CXTPTabStripItem() override;

    // ---- Caption, tip, colour: set here, read through the strip ----

    // Stores the caption; on a change the strip lays itself out again.
    void SetText(const CString& strText);
    CString GetText() const;
    void SetTip(const CString& strTip) { m_strTip = strTip; }
    CString GetTip() const;
    // Stores the colour and repaints the strip.
    void SetColor(COLORREF clr);
    // Stores the colour without repainting: for hosts that learn a tab's
    // colour while it is being painted, where a repaint would come back here.
    void StoreColor(COLORREF clr);
    COLORREF GetColor();
    void SetIcon(HICON hIcon) { m_hIcon = hIcon; }
    HICON GetIcon() const { return m_hIcon; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
    DWORD_PTR GetData() const { return m_dwData; }
    // The stored caption, tip and colour, without the strip's answers.
    const CString& GetCaption() const { return m_strCaption; }
    const CString& GetOwnTip() const { return m_strTip; }
    COLORREF GetOwnColor() const { return m_clrItem; }

    // ---- State ----

    // Hidden and disabled tabs are never hit; a hidden one takes no room.
    // On a change the strip lays itself out again.
    void SetVisible(BOOL bVisible);
    void SetEnabled(BOOL bEnabled);
    BOOL IsVisible() const { return m_bVisible; }
    BOOL IsEnabled() const { return m_bEnabled; }
    // Position in the strip, -1 before the item is inserted.
    int GetIndex() const { return m_nIndex; }
    CXTPTabStrip* GetStrip() const { return m_pStrip; }
    BOOL IsSelected() const;
    BOOL IsHot() const;
    // The tab's rectangle and length along the row, from the last layout.
    CRect GetRect() const { return m_rcItem; }
    int GetLength() const { return m_nLength; }
    // Written by the painter's layout.
    void SetRect(const CRect& rc) { m_rcItem = rc; }
    void SetLength(int nLength) { m_nLength = nLength; }

    // The strip's OnItemClick for this tab, and its DeleteItem.
    void Select();
    void Remove();

    // Scratch mark of hosts that refresh their tabs from another list.
    BOOL m_bFound;

private:
    int m_nLength;
    int m_nIndex;
    BOOL m_bEnabled;
    BOOL m_bVisible;
    DWORD_PTR m_dwData;
    HICON m_hIcon;
    CRect m_rcItem;
    CString m_strCaption;
    CString m_strTip;
    COLORREF m_clrItem;
    CXTPTabStrip* m_pStrip;
};
