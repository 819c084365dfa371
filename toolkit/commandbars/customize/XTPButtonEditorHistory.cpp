#include "toolkit/commandbars/customize/XTPButtonEditorHistory.h"

#include "toolkit/commandbars/customize/XTPButtonEditorBitmap.h"

CXTPButtonEditorHistory::~CXTPButtonEditorHistory()
{
    Clear(m_undo);
    Clear(m_redo);
}

void CXTPButtonEditorHistory::Clear(std::deque<CXTPButtonEditorBitmap*>& list)
{
    for (CXTPButtonEditorBitmap* pPicture : list)
        delete pPicture;
    list.clear();
}

void CXTPButtonEditorHistory::PushStep(CXTPButtonEditorBitmap* pBefore)
{
    Clear(m_redo);
    while ((int)m_undo.size() >= kMaxSteps)
    {
        delete m_undo.front();
        m_undo.pop_front();
    }
    m_undo.push_back(pBefore);
}

bool CXTPButtonEditorHistory::Step(std::deque<CXTPButtonEditorBitmap*>& from,
                                   std::deque<CXTPButtonEditorBitmap*>& to, CXTPButtonEditorBitmap*& pCurrent)
{
    if (from.empty())
        return false;
    to.push_back(pCurrent);
    pCurrent = from.back();
    from.pop_back();
    return true;
}

bool CXTPButtonEditorHistory::Undo(CXTPButtonEditorBitmap*& pCurrent)
{
    return Step(m_undo, m_redo, pCurrent);
}

bool CXTPButtonEditorHistory::Redo(CXTPButtonEditorBitmap*& pCurrent)
{
    return Step(m_redo, m_undo, pCurrent);
}
