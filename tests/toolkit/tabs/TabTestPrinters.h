#pragma once
// How the tests print the framework's geometry types in failure messages.
#include "framework/Core.h"

#include <ostream>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const CPoint& pt, std::ostream* os)
{
    *os << "(" << pt.x << ", " << pt.y << ")";
}
