#include "toolkit/commandbars/bars/XTPCommandBarList.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/state/XTPPropExchangeParam.h"

#include <algorithm>

const CXTPPropExchangeParam& CXTPPropExchangeParam::Of(const CXTPPropExchange* pPX)
{
    static const CXTPPropExchangeParam defaults;
    return pPX->m_dwData != 0 ? *(const CXTPPropExchangeParam*)pPX->m_dwData : defaults;
}

CXTPCommandBarList::~CXTPCommandBarList()
{
    for (CXTPCommandBar* pBar : m_arrBars)
        pBar->InternalRelease();
}

void CXTPCommandBarList::Add(CXTPCommandBar* pBar)
{
    if (Contains(pBar))
        return;
    pBar->InternalAddRef();
    m_arrBars.push_back(pBar);
}

BOOL CXTPCommandBarList::Contains(const CXTPCommandBar* pBar) const
{
    return std::find(m_arrBars.begin(), m_arrBars.end(), pBar) != m_arrBars.end();
}

CXTPCommandBar* CXTPCommandBarList::FindBar(UINT nBarID) const
{
    for (CXTPCommandBar* pBar : m_arrBars)
    {
        if (pBar->GetBarID() == nBarID)
            return pBar;
    }
    return NULL;
}

BOOL CXTPCommandBarList::BeginRestore(CXTPCommandBar* pBar)
{
    if (!m_setRestored.insert(pBar).second)
        return FALSE;
    m_setOnPath.insert(pBar);
    return TRUE;
}
