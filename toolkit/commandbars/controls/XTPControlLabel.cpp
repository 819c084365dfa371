#include "toolkit/commandbars/controls/XTPControlLabel.h"

#include "toolkit/foundation/XTPStartup.h"

IMPLEMENT_SERIAL(CXTPControlLabel, CXTPControl, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlLabelClass, xtpStartupControlClasses, XTP_STARTUP_CLASS(CXTPControlLabel));

CXTPControlLabel::CXTPControlLabel()
{
    m_controlType = xtpControlLabel;
    // Skipped by the keyboard; stays in place in customize mode.
    m_dwFlags = xtpFlagSkipFocus | XTP_CONTROLFLAG_NOMOVABLE;
}
