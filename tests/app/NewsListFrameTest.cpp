// The news list in the program's main frame: a balloon click opens its
// item's link as the page meant it.
#include "MainFrameFixture.h"
#include "ViewsFixture.h"
#include "resources/Resource.h"
#include "tests/support/RealInput.h"

namespace {

typedef std::vector<std::string> Opened;

// The program's main frame over a store, in front, as a user meets it; the
// addresses it opens are recorded.
class NewsListFrameTest : public MainFrameTest
{
protected:
    void SetUp() override
    {
        PrepareOptions();
        ViewsTest::WriteStore(folder.File("conf.xml"), {{"alpha", {"*charlie", "able", "*baker"}}});
        CreateFrame();
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
    }
    Keyword* Alpha() { return frame->GetTreeView()->GetKeywords().Find("alpha"); }
};

// The balloon of an item opens its link as the page meant it.
TEST_F(NewsListFrameTest, ABalloonClickOpensTheLinkWithItsCharacterReferencesDecoded)
{
    NewsItem* pItem = Alpha()->firstItem; // unread
    pItem->link = "http://news.example/find?a=1&amp;b=2&#x26;c=3";
    pItem->unalerted = TRUE;
    Alpha()->unalertedCount = 1;
    frame->SendMessage(WM_NEWS_ARRIVED, 0, 0);
    shell.Settle();
    frame->GetTrayIcon().SendMessage(WM_TRAY_NOTIFY, IDR_TRAY_MENU, NIN_BALLOONUSERCLICK);
    shell.Settle();
    EXPECT_EQ(opened, Opened({"http://news.example/find?a=1&b=2&c=3"}));
    EXPECT_STREQ(pItem->link, "http://news.example/find?a=1&amp;b=2&#x26;c=3");
}

} // namespace
