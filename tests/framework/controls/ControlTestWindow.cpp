#include "ControlTestWindow.h"

ControlTestWindow& TestParent()
{
    static ControlTestWindow* host = new ControlTestWindow;
    host->m_commandCodes.clear();
    return *host;
}
