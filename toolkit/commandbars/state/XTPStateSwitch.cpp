#include "toolkit/commandbars/state/XTPStateSwitch.h"

void CXTPStateSwitch::Save()
{
    if (!IsBesideCurrent() && !(WriteState(TRUE) && SetBesideCurrent(TRUE)))
        return;
    if (WriteState(FALSE) && SetBesideCurrent(FALSE))
        EraseBeside();
}
