// The cursor of a control's resize edge in customize mode is the program's
// cursor resource even while the framework takes its resources from a module
// that lacks it (a translation).
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include "tests/support/CursorShape.h"

#include <gtest/gtest.h>

namespace {

TEST(ResizeCursor, IsTheProgramsWhateverModuleTheFrameworkReadsFrom)
{
    const HINSTANCE hFrameworkBefore = AfxGetResourceHandle();
    AfxSetResourceHandle(::GetModuleHandleA("kernel32.dll"));
    const CursorShape shape = CursorShape::Of(CXTPControl::GetResizeCursor());
    AfxSetResourceHandle(hFrameworkBefore);
    EXPECT_TRUE(shape.SameFrameAs(CursorShape::OfResource(XTP_IDC_CUSTOMIZE_RESIZE)));
}

} // namespace
