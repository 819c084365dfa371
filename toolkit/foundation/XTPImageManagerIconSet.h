#pragma once
// The icons of one command id, one per width. A request for a width the set
// lacks is answered with the nearest icon scaled to it; the scaled copy is
// kept until the set is refreshed. Scaling is bounded: no copy wider than
// kMaxScaledWidth is made, and a set keeps at most kMaxScaledCopies; other
// widths get the nearest icon as it is (drawing stretches it).
#include "toolkit/foundation/XTPImageManagerIcon.h"

#include <map>

class CXTPImageManagerIconSet : public CCmdTarget
{
public:
    // Width to icon, in ascending width; the map holds one reference of each icon.
    typedef std::map<int, CXTPImageManagerIcon*> CIconsMap;

    static constexpr int kMaxScaledWidth = 256;
    static constexpr int kMaxScaledCopies = 4;

    CXTPImageManagerIconSet(UINT nID, CXTPImageManager* pImageManager);
    ~CXTPImageManagerIconSet();

    // The icon of exactly that width, else (when bScaled) the nearest one
    // scaled to it; NULL when the set has none.
    CXTPImageManagerIcon* GetIcon(int nWidth, BOOL bScaled = TRUE);

    void SetIcon(const CXTPImageManagerIconHandle& hIcon, int nWidth);
    // SetIcon without the copy (CXTPImageManagerIcon::TakeIcon).
    void TakeIcon(CXTPImageManagerIconHandle& hIcon, int nWidth);
    void SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon, int nWidth);
    void SetHotIcon(const CXTPImageManagerIconHandle& hIcon, int nWidth);
    void SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon, int nWidth);

    // Releases every icon.
    void RemoveAll();
    // Drops the scaled copies and every icon's generated images.
    void RefreshAll();

    // Enters an icon under a width (the set takes over the caller's reference).
    void AddIcon(int nWidth, CXTPImageManagerIcon* pIcon);
    const CIconsMap& GetIcons() const { return m_mapIcons; }
    UINT GetID() const { return m_nID; }
    CXTPImageManager* GetImageManager() const { return m_pImageManager; }

private:
    CXTPImageManagerIcon* FindOrCreateIcon(int nWidth);
    int GetScaledCount() const;

    CIconsMap m_mapIcons;
    UINT m_nID;
    CXTPImageManager* m_pImageManager;

    // The manager moves sets between managers (MoveIconsFrom).
    friend class CXTPImageManager;
};
