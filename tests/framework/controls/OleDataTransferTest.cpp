#include "tests/support/TestWindow.h"
#include "framework/core/CSharedFile.h"
#include "framework/controls/COleDataSource.h"
#include "framework/controls/COleDropSource.h"
#include "framework/controls/COleDropTarget.h"
#include <gtest/gtest.h>
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

std::string ReadGlobalText(HGLOBAL hGlobal)
{
    std::string text((const char*)::GlobalLock(hGlobal));
    ::GlobalUnlock(hGlobal);
    return text;
}

// A source that tells when it is deleted.
class CCountedSource : public COleDataSource
{
public:
    explicit CCountedSource(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CCountedSource() override { *m_pDeleted = true; }

private:
    bool* m_pDeleted;
};

class OleTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL))); }
    void TearDown() override
    {
        ::OleSetClipboard(NULL);
        ::OleUninitialize();
    }
};

TEST_F(OleTest, DataSourceOnTheClipboardIsReadBack)
{
    const CLIPFORMAT cfItem = (CLIPFORMAT)::RegisterClipboardFormat("Tidewatch Test Item");
    bool deleted = false;
    CCountedSource* pSource = new CCountedSource(&deleted);
    pSource->CacheGlobalData(CF_TEXT, GlobalText("breaking news"));
    pSource->CacheGlobalData(cfItem, GlobalText("item archive"));
    pSource->SetClipboard();
    EXPECT_EQ(pSource, COleDataSource::GetClipboardOwner());

    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_TRUE(data.IsDataAvailable(cfItem));
    EXPECT_FALSE(data.IsDataAvailable(CF_BITMAP));

    HGLOBAL hText = data.GetGlobalData(CF_TEXT);
    ASSERT_NE((HGLOBAL)NULL, hText);
    EXPECT_EQ("breaking news", ReadGlobalText(hText));
    ::GlobalFree(hText);

    CFile* pFile = data.GetFileData(cfItem);
    ASSERT_NE(nullptr, pFile);
    char buffer[64] = "";
    UINT nRead = pFile->Read(buffer, sizeof(buffer) - 1);
    EXPECT_GE(nRead, 13u);
    EXPECT_STREQ("item archive", buffer);
    delete pFile;

    std::vector<CLIPFORMAT> formats;
    FORMATETC formatEtc;
    data.BeginEnumFormats();
    while (data.GetNextFormat(&formatEtc))
        formats.push_back(formatEtc.cfFormat);
    EXPECT_NE(formats.end(), std::find(formats.begin(), formats.end(), cfItem));
    data.Release();

    // Another owner takes the clipboard: the source goes away by itself.
    EXPECT_FALSE(deleted);
    ::OleSetClipboard(NULL);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, COleDataSource::GetClipboardOwner());
}

TEST_F(OleTest, MissingFormatGivesNothing)
{
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("x"));
    COleDataObject data;
    data.Attach(source.GetDataObject(), FALSE);
    EXPECT_EQ((HGLOBAL)NULL, data.GetGlobalData(CF_BITMAP));
    EXPECT_EQ(nullptr, data.GetFileData(CF_UNICODETEXT));
    // A newer block under the same format replaces the old one.
    source.CacheGlobalData(CF_TEXT, GlobalText("y"));
    HGLOBAL hText = data.GetGlobalData(CF_TEXT);
    EXPECT_EQ("y", ReadGlobalText(hText));
    ::GlobalFree(hText);
    source.Empty();
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
}

// A drop target that logs what reaches it and accepts copies of text.
class CLoggingDropTarget : public COleDropTarget
{
public:
    std::vector<std::string> log;
    CPoint lastPoint;
    std::string dropped;

    DROPEFFECT OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) override
    {
        log.push_back("enter");
        return DROPEFFECT_NONE;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* pData, DWORD, CPoint point) override
    {
        log.push_back("over");
        lastPoint = point;
        return pData->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    void OnDragLeave(CWnd*) override { log.push_back("leave"); }
    BOOL OnDrop(CWnd*, COleDataObject* pData, DROPEFFECT dropEffect, CPoint point) override
    {
        log.push_back("drop");
        lastPoint = point;
        HGLOBAL hText = pData->GetGlobalData(CF_TEXT);
        if (hText == NULL || dropEffect != DROPEFFECT_COPY)
            return FALSE;
        dropped = ReadGlobalText(hText);
        ::GlobalFree(hText);
        return TRUE;
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
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->CreateAt(100, 100, 300, 200));
    pFrame->SetForegroundWindow();
    CLoggingDropTarget target;
    ASSERT_TRUE(target.Register(pFrame));
    EXPECT_EQ(pFrame->m_hWnd, target.GetRegisteredWindow());
    PumpPending();

    CPoint center(150, 100);
    CPoint screen = center;
    pFrame->ClientToScreen(&screen);
    POINT cursorBefore;
    ::GetCursorPos(&cursorBefore);
    ::SetCursorPos(screen.x, screen.y);

    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("dragged keyword"));
    CScriptedDropSource dropSource;
    DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, NULL, &dropSource);

    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, effect);
    ASSERT_FALSE(target.log.empty());
    EXPECT_EQ("enter", target.log.front());
    EXPECT_NE(target.log.end(), std::find(target.log.begin(), target.log.end(), "over"));
    EXPECT_EQ("drop", target.log.back());
    EXPECT_EQ("dragged keyword", target.dropped);
    // Points arrive in the target window's client coordinates.
    EXPECT_EQ(center, target.lastPoint);
    ::SetCursorPos(cursorBefore.x, cursorBefore.y);

    target.Revoke();
    EXPECT_EQ((HWND)NULL, target.GetRegisteredWindow());
    pFrame->DestroyWindow();
    PumpPending();
}

TEST_F(OleTest, DefaultDropSourceFollowsTheButtons)
{
    COleDropSource source;
    EXPECT_EQ(S_OK, source.QueryContinueDrag(FALSE, MK_LBUTTON));
    EXPECT_EQ(DRAGDROP_S_DROP, source.QueryContinueDrag(FALSE, 0));
    EXPECT_EQ(DRAGDROP_S_CANCEL, source.QueryContinueDrag(TRUE, MK_LBUTTON));
    EXPECT_EQ(DRAGDROP_S_CANCEL, source.QueryContinueDrag(FALSE, MK_LBUTTON | MK_RBUTTON));
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source.GiveFeedback(DROPEFFECT_COPY));
}

TEST_F(OleTest, ADragStartsOnceTheMouseLeavesTheStartRectangle)
{
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->CreateAt(100, 100, 300, 200));
    COleDropSource source;
    source.m_rectStartDrag.SetRect(200, 200, 210, 210);

    // Moving out of the rectangle starts the drag before the button is let go. The frame's
    // client area starts at (100, 100) of the screen: (105, 105) is inside the rectangle.
    pFrame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(105, 105));
    pFrame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(160, 105));
    pFrame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(160, 105));
    EXPECT_TRUE(source.OnBeginDrag(pFrame));
    EXPECT_EQ((HWND)NULL, ::GetCapture());
    PumpPending();

    // Letting the button go inside the rectangle is a click, not a drag.
    pFrame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(105, 105));
    pFrame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(105, 105));
    EXPECT_FALSE(source.OnBeginDrag(pFrame));
    pFrame->DestroyWindow();
    PumpPending();
}

TEST_F(OleTest, BaseDropTargetAcceptsNothing)
{
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->CreateAt(100, 100, 300, 200));
    COleDropTarget target;
    ASSERT_TRUE(target.Register(pFrame));
    EXPECT_FALSE(target.Register(pFrame));

    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("text"));
    COleDataObject data;
    data.Attach(source.GetDataObject(), FALSE);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, target.OnDragEnter(pFrame, &data, 0, CPoint(1, 1)));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, target.OnDragOver(pFrame, &data, 0, CPoint(1, 1)));
    EXPECT_FALSE(target.OnDrop(pFrame, &data, DROPEFFECT_COPY, CPoint(1, 1)));
    EXPECT_EQ((DROPEFFECT)-1, target.OnDropEx(pFrame, &data, DROPEFFECT_COPY, DROPEFFECT_COPY, CPoint(1, 1)));
    pFrame->DestroyWindow();
    PumpPending();
}

} // namespace
