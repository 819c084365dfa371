#include "toolkit/foundation/XTThemeManager.h"

#include <gtest/gtest.h>

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

BOOL IsHostOf(CXTThemeManagerStyleFactory* pFactory, CXTThemeManagerStyleHost* pHost)
{
    for (CXTThemeManagerStyleHost* p = pFactory->GetFirstHost(); p; p = p->GetNextHost())
        if (p == pHost)
            return TRUE;
    return FALSE;
}

class ThemeManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { XTThemeManager()->SetTheme(0); }
    void TearDown() override { XTThemeManager()->SetTheme(0); }
};

TEST_F(ThemeManagerTest, HostsOfAFamilyShareOneFactoryAndTheme)
{
    CTestHost first, second;
    CXTThemeManagerStyleFactory* pShared = XTThemeManager()->GetFactory(RUNTIME_CLASS(CTestFactory));
    ASSERT_TRUE(pShared != NULL);
    EXPECT_EQ(pShared, first.GetFactory());
    EXPECT_EQ(pShared, second.GetFactory());
    EXPECT_TRUE(pShared->IsKindOf(RUNTIME_CLASS(CTestFactory)));
    ASSERT_TRUE(first.Theme() != NULL);
    EXPECT_EQ(first.Theme(), second.Theme());
    EXPECT_EQ(pShared, first.Theme()->GetFactory());
    EXPECT_GE(first.Theme()->m_nRefreshes, 1);
    EXPECT_TRUE(IsHostOf(pShared, &first));
    EXPECT_TRUE(IsHostOf(pShared, &second));
}

TEST_F(ThemeManagerTest, StyleChangeNotifiesEveryHostOnce)
{
    CTestHost first, second;
    XTThemeManager()->SetTheme(1);
    EXPECT_EQ(1, first.m_nChanges);
    EXPECT_EQ(1, second.m_nChanges);
    EXPECT_EQ(1, first.ThemeId());
    EXPECT_EQ(1, first.Theme()->m_nRefreshes); // refreshed once when installed

    XTThemeManager()->SetTheme(1); // the same number: nothing
    EXPECT_EQ(1, first.m_nChanges);
    EXPECT_EQ(1, XTThemeManager()->GetTheme());
}

TEST_F(ThemeManagerTest, PrivateThemesSurviveStyleChangesUntilCleared)
{
    CTestHost privateHost, sharedHost;
    CXTThemeManagerStyleFactory* pShared = sharedHost.GetFactory();
    privateHost.SetTheme(2);
    EXPECT_EQ(1, privateHost.m_nChanges);
    EXPECT_NE(pShared, privateHost.GetFactory());
    EXPECT_TRUE(IsHostOf(privateHost.GetFactory(), &privateHost));
    EXPECT_FALSE(IsHostOf(pShared, &privateHost));
    EXPECT_EQ(2, privateHost.ThemeId());

    XTThemeManager()->SetTheme(1);
    EXPECT_EQ(2, privateHost.ThemeId());
    EXPECT_EQ(1, privateHost.m_nChanges);
    EXPECT_EQ(1, sharedHost.ThemeId());

    privateHost.SetTheme((CXTThemeManagerStyle*)NULL);
    EXPECT_EQ(pShared, privateHost.GetFactory());
    EXPECT_EQ(1, privateHost.ThemeId());
    EXPECT_EQ(2, privateHost.m_nChanges);
    EXPECT_TRUE(IsHostOf(pShared, &privateHost));

    privateHost.SetTheme((CXTThemeManagerStyle*)NULL); // already shared: nothing
    EXPECT_EQ(2, privateHost.m_nChanges);
}

TEST_F(ThemeManagerTest, PrivateFactoriesAreDeletedWithTheirTheme)
{
    int nAlive = CTestTheme::s_nAlive;
    {
        CTestHost host;
        host.SetTheme(new CTestTheme);
        EXPECT_EQ(nAlive + 1, CTestTheme::s_nAlive);
        host.SetTheme(new CTestTheme); // the first private factory goes
        EXPECT_EQ(nAlive + 1, CTestTheme::s_nAlive);
    }
    EXPECT_EQ(nAlive, CTestTheme::s_nAlive);
}

TEST_F(ThemeManagerTest, RefreshMetricsReachesPrivateFactories)
{
    CTestHost privateHost, sharedHost;
    privateHost.SetTheme(2);
    int nPrivate = privateHost.Theme()->m_nRefreshes;
    int nShared = sharedHost.Theme()->m_nRefreshes;
    XTThemeManager()->RefreshMetrics();
    EXPECT_EQ(nPrivate + 1, privateHost.Theme()->m_nRefreshes);
    EXPECT_EQ(nShared + 1, sharedHost.Theme()->m_nRefreshes);
}

TEST_F(ThemeManagerTest, ADestroyedHostLeavesTheList)
{
    CTestHost stays;
    CXTThemeManagerStyleFactory* pShared = stays.GetFactory();
    CTestHost* pGoes = new CTestHost;
    EXPECT_TRUE(IsHostOf(pShared, pGoes));
    delete pGoes;
    EXPECT_TRUE(IsHostOf(pShared, &stays));
    int nHosts = 0;
    for (CXTThemeManagerStyleHost* p = pShared->GetFirstHost(); p; p = p->GetNextHost())
        ++nHosts;
    EXPECT_EQ(1, nHosts);
    XTThemeManager()->SetTheme(2);
    EXPECT_EQ(1, stays.m_nChanges);
}

TEST_F(ThemeManagerTest, FirstThemeFollowsTheStyleSetBefore)
{
    XTThemeManager()->SetTheme(2);
    CTestFactory factory; // a factory of its own, with no theme yet
    CXTThemeManagerStyle* pTheme = factory.GetSafeTheme();
    ASSERT_TRUE(pTheme != NULL);
    EXPECT_EQ(2, pTheme->GetThemeId());
    EXPECT_EQ(&factory, pTheme->GetFactory());
    EXPECT_EQ(pTheme, factory.GetSafeTheme());
}

TEST_F(ThemeManagerTest, AFactoryWithoutThemesIsHandled)
{
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

TEST_F(ThemeManagerTest, ClassesThatAreNoFactoriesGiveNone)
{
    EXPECT_EQ(NULL, XTThemeManager()->GetFactory(RUNTIME_CLASS(CObject)));
    EXPECT_EQ(NULL, XTThemeManager()->GetFactory(NULL));
    CTestHost host(RUNTIME_CLASS(CObject));
    EXPECT_EQ(NULL, host.GetFactory());
    EXPECT_EQ(NULL, host.GetSafeTheme());
    int nAlive = CTestTheme::s_nAlive;
    host.SetTheme(new CTestTheme); // no factory can hold it: it is freed
    EXPECT_EQ(nAlive, CTestTheme::s_nAlive);
    XTThemeManager()->SetTheme(1);
}

} // namespace
