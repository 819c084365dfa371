#include "framework/window/ScrollLimit.h"

int ScrollLimit(const SCROLLINFO& info)
{
    int nLimit = info.nMax - (info.nPage > 0 ? (int)info.nPage - 1 : 0);
    return nLimit > info.nMin ? nLimit : info.nMin;
}
