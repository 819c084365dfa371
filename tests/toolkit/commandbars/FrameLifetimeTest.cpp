// A frame with command bars gives back everything it took when it is
// destroyed, without waiting for the thread to idle (where the framework
// frees its temporary wrappers): a program that opens and closes frames, and
// its start-up, never keep a thing per frame.
#include "CommandBarsTestSupport.h"

#include "tests/support/HeapBlocks.h"

namespace {

TEST(FrameLifetime, FramesMadeAndDestroyedKeepNoMemory)
{
    auto makeAndDestroy = []() {
        CCommandBarsFrame* pFrame = new CCommandBarsFrame;
        ASSERT_TRUE(pFrame->CreateAt(40, 40, 400, 300));
        pFrame->BuildBars();
        // A menu and a popup control made from menu resources, as a
        // program's site adds them.
        ASSERT_TRUE(pFrame->GetToolBar()->GetControls()->Add(xtpControlPopup, IDR_TEST_MENU) != NULL);
        pFrame->DestroyWindow();
    };
    for (int i = 0; i < 3; i++)
        makeAndDestroy();
    const size_t nBefore = LiveHeapBlocks();
    const int kFrames = 30;
    for (int i = 0; i < kFrames; i++)
        makeAndDestroy();
    EXPECT_LT(LiveHeapBlocks(), nBefore + kFrames / 3) << "blocks kept for each frame";
}

} // namespace
