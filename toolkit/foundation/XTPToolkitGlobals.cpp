#include "toolkit/foundation/XTPToolkitGlobals.h"

#include "toolkit/foundation/XTPStartup.h"

UINT WM_TASKBARCREATED = 0;
CLIPFORMAT TaskPanelClipboardFormat = 0;
CLIPFORMAT XTPImageManagerClipboardFormat = 0;
CLIPFORMAT XTPAlphaBitmapClipboardFormat = 0;
CRect XTPUnsetRect XTP_STARTUP_OBJECT;

namespace {

const LONG kUnset = static_cast<LONG>(0x80000000);

void RegisterTaskbarCreated()
{
    WM_TASKBARCREATED = ::RegisterWindowMessageA("TaskbarCreated");
}

void RegisterTaskPanelFormat()
{
    TaskPanelClipboardFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("TaskPanelGroupItem"));
}

void RegisterImageFormats()
{
    XTPImageManagerClipboardFormat =
        static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Vurari ToolBar Image"));
    XTPAlphaBitmapClipboardFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Alpha Bitmap Image"));
}

void BuildUnsetRect()
{
    XTPUnsetRect.SetRect(kUnset, kUnset, kUnset, kUnset);
}

} // namespace

XTP_STARTUP_ENTRY(TaskbarCreated, xtpStartupTaskbarCreated, RegisterTaskbarCreated, NULL);
XTP_STARTUP_ENTRY(TaskPanelFormat, xtpStartupTaskPanelFormat, RegisterTaskPanelFormat, NULL);
XTP_STARTUP_ENTRY(ImageFormats, xtpStartupImageFormats, RegisterImageFormats, NULL);
XTP_STARTUP_ENTRY(UnsetRect, xtpStartupUnsetRect, BuildUnsetRect, NULL);
