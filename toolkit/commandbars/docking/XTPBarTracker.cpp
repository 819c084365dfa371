#include "toolkit/commandbars/docking/XTPBarTracker.h"

CXTPBarTracker::CXTPBarTracker(CXTPToolBar* pBar)
    : m_pBar(pBar), m_rcDocked(0, 0, 0, 0), m_nLastDockPosition(-1), m_ptFloating(100, 100)
{}
