#include "toolkit/foundation/XTPImageManagerIconSet.h"

#include <stdlib.h>

CXTPImageManagerIconSet::CXTPImageManagerIconSet(UINT nID, CXTPImageManager* pImageManager)
    : m_nID(nID), m_pImageManager(pImageManager)
{}

CXTPImageManagerIconSet::~CXTPImageManagerIconSet()
{
    RemoveAll();
}

void CXTPImageManagerIconSet::RemoveAll()
{
    CIconsMap icons;
    icons.swap(m_mapIcons);
    for (CIconsMap::iterator it = icons.begin(); it != icons.end(); ++it)
        it->second->InternalRelease();
}

void CXTPImageManagerIconSet::RefreshAll()
{
    for (CIconsMap::iterator it = m_mapIcons.begin(); it != m_mapIcons.end();)
    {
        CXTPImageManagerIcon* pIcon = it->second;
        if (pIcon->IsScaled())
        {
            it = m_mapIcons.erase(it);
            pIcon->InternalRelease();
        }
        else
        {
            pIcon->Refresh();
            ++it;
        }
    }
}

void CXTPImageManagerIconSet::AddIcon(int nWidth, CXTPImageManagerIcon* pIcon)
{
    CIconsMap::iterator it = m_mapIcons.find(nWidth);
    if (it != m_mapIcons.end())
    {
        it->second->InternalRelease();
        it->second = pIcon;
    }
    else
        m_mapIcons[nWidth] = pIcon;
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::GetIcon(int nWidth, BOOL bScaled)
{
    CIconsMap::iterator exact = m_mapIcons.find(nWidth);
    if (exact != m_mapIcons.end())
        return exact->second;
    if (!bScaled || m_mapIcons.empty())
        return NULL;

    CIconsMap::iterator nearest = m_mapIcons.begin();
    for (CIconsMap::iterator it = m_mapIcons.begin(); it != m_mapIcons.end(); ++it)
    {
        if (abs(it->first - nWidth) < abs(nearest->first - nWidth))
            nearest = it;
    }
    CXTPImageManagerIcon* pNearest = nearest->second;
    // Every width asked for would otherwise stay in memory for good, and a
    // width from damaged stored data (thousands of pixels) costs seconds and
    // hundreds of megabytes an icon.
    if (pNearest->IsAlpha() || nWidth <= 0 || nWidth > kMaxScaledWidth || GetScaledCount() >= kMaxScaledCopies)
        return pNearest;
    CXTPImageManagerIcon* pScaled = pNearest->Scale(nWidth);
    if (pScaled == NULL)
        return pNearest;
    pScaled->m_bScaled = TRUE;
    m_mapIcons[nWidth] = pScaled;
    return pScaled;
}

int CXTPImageManagerIconSet::GetScaledCount() const
{
    int nScaled = 0;
    for (CIconsMap::const_iterator it = m_mapIcons.begin(); it != m_mapIcons.end(); ++it)
        nScaled += it->second->IsScaled() ? 1 : 0;
    return nScaled;
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::FindOrCreateIcon(int nWidth)
{
    CIconsMap::iterator it = m_mapIcons.find(nWidth);
    if (it != m_mapIcons.end())
        return it->second;
    CXTPImageManagerIcon* pIcon =
        new CXTPImageManagerIcon(m_nID, nWidth, CXTPImageManagerIcon::kHeightUntilSet, this);
    m_mapIcons[nWidth] = pIcon;
    return pIcon;
}

void CXTPImageManagerIconSet::SetIcon(const CXTPImageManagerIconHandle& hIcon, int nWidth)
{
    FindOrCreateIcon(nWidth)->SetIcon(hIcon);
}

void CXTPImageManagerIconSet::TakeIcon(CXTPImageManagerIconHandle& hIcon, int nWidth)
{
    FindOrCreateIcon(nWidth)->TakeIcon(hIcon);
}

void CXTPImageManagerIconSet::SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon, int nWidth)
{
    FindOrCreateIcon(nWidth)->SetDisabledIcon(hIcon);
}

void CXTPImageManagerIconSet::SetHotIcon(const CXTPImageManagerIconHandle& hIcon, int nWidth)
{
    FindOrCreateIcon(nWidth)->SetHotIcon(hIcon);
}

void CXTPImageManagerIconSet::SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon, int nWidth)
{
    FindOrCreateIcon(nWidth)->SetCheckedIcon(hIcon);
}
