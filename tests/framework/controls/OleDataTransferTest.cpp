#include "tests/support/TestWindow.h"
#include "framework/core/CSharedFile.h"
#include "framework/controls/COleDataSource.h"
#include "framework/controls/COleDropSource.h"
#include "framework/controls/COleDropTarget.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

HGLOBAL GlobalText(const char* text)
{
    size_t size = strlen(text) + 1;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    memcpy(::GlobalLock(hGlobal), text, size);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

// The text of a block, which is freed; "none" for no block.
std::string TakeGlobalText(HGLOBAL hGlobal)
{
    if (hGlobal == NULL)
        return "none";
    std::string text((const char*)::GlobalLock(hGlobal));
    ::GlobalUnlock(hGlobal);
    ::GlobalFree(hGlobal);
    return text;
}

// A source that counts its deletions.
class CCountedSource : public COleDataSource
{
public:
    ~CCountedSource() override { ++s_nDeleted; }
    static int s_nDeleted;
};

int CCountedSource::s_nDeleted = 0;

// OLE is running and a frame with a 300 x 200 client area stands at (40, 40) of the screen.
class OleTest : public FrameTest<CTestFrame, 300, 200>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
        FrameTest::SetUp();
    }
    void TearDown() override
    {
        FrameTest::TearDown();
        ::OleSetClipboard(NULL);
        ::OleUninitialize();
    }
};

TEST_F(OleTest, ClipboardSourceIsReadBackInEveryFormat)
{
    const CLIPFORMAT cfItem = (CLIPFORMAT)::RegisterClipboardFormat("Tidewatch Test Item");
    const int nDeletedBefore = CCountedSource::s_nDeleted;
    CCountedSource* pSource = new CCountedSource;
    pSource->CacheGlobalData(CF_TEXT, GlobalText("breaking news"));
    pSource->CacheGlobalData(cfItem, GlobalText("item archive"));
    pSource->SetClipboard();
    EXPECT_EQ(pSource, COleDataSource::GetClipboardOwner());

    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_EQ("breaking news", TakeGlobalText(data.GetGlobalData(CF_TEXT)));
    CFile* pFile = data.GetFileData(cfItem);
    ASSERT_NE(nullptr, pFile);
    char buffer[64] = "";
    pFile->Read(buffer, sizeof(buffer) - 1);
    EXPECT_STREQ("item archive", buffer);
    delete pFile;

    std::vector<CLIPFORMAT> formats;
    FORMATETC formatEtc;
    data.BeginEnumFormats();
    while (data.GetNextFormat(&formatEtc))
        formats.push_back(formatEtc.cfFormat);
    EXPECT_NE(formats.end(), std::find(formats.begin(), formats.end(), cfItem));
    data.Release();
    EXPECT_EQ(nDeletedBefore, CCountedSource::s_nDeleted) << "the reader's release leaves the source alive";
}

// Another owner takes the clipboard: the source goes away by itself.
TEST_F(OleTest, ClipboardSourceGoesAwayWhenAnotherOwnerTakesTheClipboard)
{
    int nDeletedBefore = CCountedSource::s_nDeleted;
    CCountedSource* pSource = new CCountedSource;
    pSource->CacheGlobalData(CF_TEXT, GlobalText("breaking news"));
    pSource->SetClipboard();
    EXPECT_EQ(nDeletedBefore, CCountedSource::s_nDeleted);
    ::OleSetClipboard(NULL);
    EXPECT_EQ(nDeletedBefore + 1, CCountedSource::s_nDeleted);
    EXPECT_EQ(nullptr, COleDataSource::GetClipboardOwner());
}

// A missing format gives nothing, and a new block replaces the old.
TEST_F(OleTest, DataObjectGivesNothingForAMissingFormatAndTheNewestBlock)
{
    COleDataSource source;
    COleDataObject data;
    source.CacheGlobalData(CF_TEXT, GlobalText("x"));
    data.Attach(source.GetDataObject(), FALSE);
    EXPECT_EQ("none", TakeGlobalText(data.GetGlobalData(CF_BITMAP)));
    EXPECT_EQ(nullptr, data.GetFileData(CF_UNICODETEXT));
    source.CacheGlobalData(CF_TEXT, GlobalText("y"));
    EXPECT_EQ("y", TakeGlobalText(data.GetGlobalData(CF_TEXT)));
    source.Empty();
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
}

// A drop target that logs entering and dropping and accepts copies of text.
class CLoggingDropTarget : public COleDropTarget
{
public:
    std::string log;
    CPoint lastPoint;
    std::string dropped;

    DROPEFFECT OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) override
    {
        log += "enter;";
        return DROPEFFECT_NONE;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* pData, DWORD, CPoint) override
    {
        return pData->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    BOOL OnDrop(CWnd*, COleDataObject* pData, DROPEFFECT dropEffect, CPoint point) override
    {
        log += "drop;";
        lastPoint = point;
        dropped = TakeGlobalText(pData->GetGlobalData(CF_TEXT));
        return dropEffect == DROPEFFECT_COPY;
    }
};

// Lets the drag go on for a few checks, then drops, whatever the mouse buttons say.
class CScriptedDropSource : public COleDropSource
{
public:
    int checks = 0;
    SCODE QueryContinueDrag(BOOL, DWORD) override { return ++checks < 4 ? S_OK : DRAGDROP_S_DROP; }
};

TEST_F(OleTest, DropTargetReceivesADragOfThisProcess)
{
    frame->SetForegroundWindow();
    CLoggingDropTarget target;
    ASSERT_TRUE(target.Register(frame));
    EXPECT_FALSE(target.Register(frame));
    PumpPending();

    CPoint center(150, 100);
    CPoint screen = center;
    frame->ClientToScreen(&screen);
    POINT cursorBefore;
    ::GetCursorPos(&cursorBefore);
    ::SetCursorPos(screen.x, screen.y);
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("dragged keyword"));
    CScriptedDropSource dropSource;
    DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, NULL, &dropSource);
    ::SetCursorPos(cursorBefore.x, cursorBefore.y);

    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, effect);
    EXPECT_EQ("enter;drop;", target.log); // the drop needs a move the target accepted
    EXPECT_EQ("dragged keyword", target.dropped);
    // Points arrive in the target window's client coordinates.
    EXPECT_EQ(center, target.lastPoint);
    target.Revoke();
    EXPECT_EQ((HWND)NULL, target.GetRegisteredWindow());
}

TEST_F(OleTest, DropSourceStartsOnlyOutsideTheRectangle)
{
    // The frame's client area starts at (40, 40) of the screen: (105, 105) is inside the rectangle.
    COleDropSource source;
    source.m_rectStartDrag.SetRect(140, 140, 150, 150);
    frame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(105, 105));
    frame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(160, 105));
    frame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(160, 105));
    EXPECT_TRUE(source.OnBeginDrag(frame));
    EXPECT_EQ((HWND)NULL, ::GetCapture());
    PumpPending();

    // Letting the button go inside the rectangle is a click, not a drag.
    frame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(105, 105));
    frame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(105, 105));
    EXPECT_FALSE(source.OnBeginDrag(frame));
}

// During the drag the default source follows the buttons.
TEST_F(OleTest, DefaultDropSourceFollowsTheButtons)
{
    COleDropSource source;
    std::vector<SCODE> answers = {
        source.QueryContinueDrag(FALSE, MK_LBUTTON), source.QueryContinueDrag(FALSE, 0),
        source.QueryContinueDrag(TRUE, MK_LBUTTON), source.QueryContinueDrag(FALSE, MK_LBUTTON | MK_RBUTTON)};
    EXPECT_EQ((std::vector<SCODE>{S_OK, DRAGDROP_S_DROP, DRAGDROP_S_CANCEL, DRAGDROP_S_CANCEL}), answers);
}

} // namespace
