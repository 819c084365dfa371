#include "toolkit/foundation/XTThemeManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CTestTheme : public CXTThemeManagerStyle
{
public:
    CTestTheme() { ++s_nAlive; }
    ~CTestTheme() override { --s_nAlive; }
    void RefreshMetrics() override { ++m_nRefreshes; }

    int m_nRefreshes = 0;
    static int s_nAlive;
};
int CTestTheme::s_nAlive = 0;

// Styles 0 to 2 have a theme; the others none.
class CTestFactory : public CXTThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CTestFactory)
public:
    CXTThemeManagerStyle* CreateTheme(int nTheme) override { return nTheme <= 2 ? new CTestTheme : NULL; }
};
IMPLEMENT_DYNCREATE(CTestFactory, CXTThemeManagerStyleFactory)

class CTestHost : public CXTThemeManagerStyleHost
{
public:
    explicit CTestHost(CRuntimeClass* pClass = RUNTIME_CLASS(CTestFactory)) : CXTThemeManagerStyleHost(pClass)
    {}
    void OnThemeChanged() override { ++m_nChanges; }

    CTestTheme* Theme() { return static_cast<CTestTheme*>(GetSafeTheme()); }
    int ThemeId() { return GetSafeTheme() != NULL ? GetSafeTheme()->GetThemeId() : -1; }

    int m_nChanges = 0;
};

// How often the host is in the factory's list.
int TimesListed(CXTThemeManagerStyleFactory* pFactory, CXTThemeManagerStyleHost* pHost)
{
    int nTimes = 0;
    for (CXTThemeManagerStyleHost* p = pFactory->GetFirstHost(); p; p = p->GetNextHost())
        nTimes += p == pHost;
    return nTimes;
}

struct ThemeManagerTest : ::testing::Test
{
    void SetUp() override { XTThemeManager()->SetTheme(0); }
    void TearDown() override { XTThemeManager()->SetTheme(0); }
};

TEST_F(ThemeManagerTest, HostsShareOneFactoryAndThemeUnlessTheyHaveAPrivateOne)
{
    CTestHost first, second;
    CXTThemeManagerStyleFactory* pShared = XTThemeManager()->GetFactory(RUNTIME_CLASS(CTestFactory));
    ASSERT_TRUE(pShared != NULL && first.Theme() != NULL);
    EXPECT_TRUE(pShared == first.GetFactory() && pShared == second.GetFactory());
    EXPECT_EQ(first.Theme(), second.Theme());
    EXPECT_EQ(pShared, first.Theme()->GetFactory());
    EXPECT_EQ(std::vector<int>({1, 1}),
              std::vector<int>({TimesListed(pShared, &first), TimesListed(pShared, &second)}));

    XTThemeManager()->SetTheme(1);
    XTThemeManager()->SetTheme(1); // the same number: nothing
    EXPECT_EQ(std::vector<int>({1, 1, 1}),
              std::vector<int>({first.m_nChanges, second.m_nChanges, first.ThemeId()}));
    EXPECT_EQ(1, first.Theme()->m_nRefreshes); // refreshed once when installed
    CTestHost privateHost, sharedHost;
    // The private host's theme, changes, and its listings in its own and the shared factory.
    auto state = [&]() {
        return std::vector<int>({privateHost.ThemeId(), privateHost.m_nChanges,
                                 TimesListed(privateHost.GetFactory(), &privateHost),
                                 TimesListed(pShared, &privateHost)});
    };
    privateHost.SetTheme(2);
    EXPECT_EQ(std::vector<int>({2, 1, 1, 0}), state());

    XTThemeManager()->SetTheme(1);
    EXPECT_EQ(std::vector<int>({2, 1, 1, 0}), state());
    EXPECT_EQ(1, sharedHost.ThemeId());
    // A refresh of the metrics reaches the private theme too.
    int nPrivate = privateHost.Theme()->m_nRefreshes, nShared = sharedHost.Theme()->m_nRefreshes;
    XTThemeManager()->RefreshMetrics();
    EXPECT_EQ(std::vector<int>({nPrivate + 1, nShared + 1}),
              std::vector<int>({privateHost.Theme()->m_nRefreshes, sharedHost.Theme()->m_nRefreshes}));

    privateHost.SetTheme((CXTThemeManagerStyle*)NULL);
    EXPECT_EQ(pShared, privateHost.GetFactory());
    EXPECT_EQ(std::vector<int>({1, 2, 1, 1}), state());
    privateHost.SetTheme((CXTThemeManagerStyle*)NULL); // already shared: nothing
    EXPECT_EQ(std::vector<int>({1, 2, 1, 1}), state());
}

TEST_F(ThemeManagerTest, ThemesWithoutAFactoryOrFactoriesWithoutThemes)
{
    int nAlive = CTestTheme::s_nAlive;
    {
        CTestHost host;
        host.SetTheme(new CTestTheme);
        host.SetTheme(new CTestTheme); // the first private factory goes
        EXPECT_EQ(nAlive + 1, CTestTheme::s_nAlive);
        CTestHost noFactory(RUNTIME_CLASS(CObject));
        EXPECT_TRUE(noFactory.GetFactory() == NULL && noFactory.GetSafeTheme() == NULL);
        noFactory.SetTheme(new CTestTheme);
        EXPECT_EQ(nAlive + 1, CTestTheme::s_nAlive);
    }
    EXPECT_EQ(nAlive, CTestTheme::s_nAlive);
    EXPECT_EQ(NULL, XTThemeManager()->GetFactory(NULL));
    CTestHost noFactory(RUNTIME_CLASS(CObject));
    XTThemeManager()->SetTheme(1); // a host without a factory is left alone
    XTThemeManager()->SetTheme(0);
    // The base factory creates no theme; a family may lack one for a style.
    CTestHost bare(RUNTIME_CLASS(CXTThemeManagerStyleFactory));
    ASSERT_TRUE(bare.GetFactory() != NULL);
    EXPECT_EQ(NULL, bare.GetSafeTheme());
    XTThemeManager()->SetTheme(1);
    EXPECT_EQ(1, bare.m_nChanges);
    XTThemeManager()->RefreshMetrics();

    CTestHost host;
    XTThemeManager()->SetTheme(7); // no theme for style 7
    EXPECT_EQ(NULL, host.GetSafeTheme());
    EXPECT_EQ(1, host.m_nChanges);
    host.SetTheme(9); // no private theme either: the host stays shared
    EXPECT_EQ(XTThemeManager()->GetFactory(RUNTIME_CLASS(CTestFactory)), host.GetFactory());
    bare.SetTheme(new CTestTheme); // its private factory has the theme it was given
    ASSERT_TRUE(bare.GetSafeTheme() != NULL);
    EXPECT_EQ(bare.GetFactory(), bare.GetSafeTheme()->GetFactory());
}

TEST_F(ThemeManagerTest, DestroyedHostsLeaveAndNewFactoriesFollowTheStyle)
{
    CTestHost stays;
    CXTThemeManagerStyleFactory* pShared = stays.GetFactory();
    delete new CTestHost;
    EXPECT_EQ(&stays, pShared->GetFirstHost());
    EXPECT_EQ(NULL, stays.GetNextHost());
    XTThemeManager()->SetTheme(2);
    EXPECT_EQ(1, stays.m_nChanges);
    XTThemeManager()->SetTheme(2);
    CTestFactory factory; // a factory of its own, with no theme yet
    CXTThemeManagerStyle* pTheme = factory.GetSafeTheme();
    ASSERT_TRUE(pTheme != NULL);
    EXPECT_EQ(2, pTheme->GetThemeId());
    EXPECT_EQ(&factory, pTheme->GetFactory());
}

} // namespace
