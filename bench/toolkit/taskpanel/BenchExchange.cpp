// Store and load of a task panel's groups through the three settings
// stores, for one group of 1,000 and of 4,000 links: each load should grow
// in step with the links (four times the links, about four times as long;
// an XML or INI load that looked each item up from the start of its list
// took sixteen times as long). The panel has no window, so the figures are
// the stores' alone, without a layout.
#include "bench/toolkit/taskpanel/BenchExchange.h"

#include "bench/BenchClock.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"
#include "toolkit/foundation/XTPPropExchangeXMLNode.h"
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include <stdio.h>

#include <functional>
#include <string>

namespace {

const int kFewLinks = 1000;
const int kManyLinks = 4000;
// Four times the links may take at most this many times as long to load.
const double kGrowthTarget = 6;

// A store: what storing the panel's groups keeps, and loading it back.
struct Store
{
    const char* name;
    std::function<void(CXTPTaskPanel&)> store;
    std::function<void(CXTPTaskPanel&)> load;
};

void FillOneGroup(CXTPTaskPanel& panel, int nLinks)
{
    CXTPTaskPanelGroup* pGroup = panel.AddGroup(1);
    pGroup->SetCaption("One group");
    for (int i = 0; i < nLinks; i++)
        pGroup->AddLinkItem(1000 + i, i % 8)->SetCaption(("A link of some length " + std::to_string(i)).c_str());
}

double Seconds(const std::function<void()>& work)
{
    const double start = Now();
    work();
    return Now() - start;
}

// The three stores, each keeping what was stored for its load.
void MakeStores(Store stores[3], CMemFile& archive, CString& strXml, const CString& strIniFile)
{
    stores[0] = {"archive",
                 [&](CXTPTaskPanel& panel) {
                     archive.SetLength(0);
                     CArchive ar(&archive, CArchive::store);
                     CXTPPropExchangeArchive px(ar);
                     panel.GetGroups()->DoPropExchange(&px);
                     ar.Close();
                 },
                 [&](CXTPTaskPanel& panel) {
                     archive.SeekToBegin();
                     CArchive ar(&archive, CArchive::load);
                     CXTPPropExchangeArchive px(ar);
                     panel.GetGroups()->DoPropExchange(&px);
                 }};
    stores[1] = {"XML",
                 [&](CXTPTaskPanel& panel) {
                     CXTPPropExchangeXMLNode px(FALSE, NULL, "TaskPanel");
                     panel.GetGroups()->DoPropExchange(&px);
                     strXml = px.GetXML();
                 },
                 [&](CXTPTaskPanel& panel) {
                     CXTPPropExchangeXMLNode px(TRUE, NULL, "TaskPanel");
                     px.LoadFromString(strXml);
                     panel.GetGroups()->DoPropExchange(&px);
                 }};
    stores[2] = {"INI file",
                 [&](CXTPTaskPanel& panel) {
                     CXTPPropExchangeIniFile px(FALSE, NULL, "TaskPanel");
                     panel.GetGroups()->DoPropExchange(&px);
                     px.SaveToFile(strIniFile);
                 },
                 [&](CXTPTaskPanel& panel) {
                     CXTPPropExchangeIniFile px(TRUE, NULL, "TaskPanel");
                     px.LoadFromFile(strIniFile);
                     panel.GetGroups()->DoPropExchange(&px);
                 }};
}

CString TempIniFile()
{
    char szFolder[MAX_PATH], szFile[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szFolder);
    ::GetTempFileNameA(szFolder, "tpb", 0, szFile);
    return szFile;
}

} // namespace

void BenchExchange()
{
    CMemFile archive;
    CString strXml;
    const CString strIniFile = TempIniFile();
    Store stores[3];
    MakeStores(stores, archive, strXml, strIniFile);
    printf("task panel settings: one group of links stored and loaded\n");
    for (const Store& store : stores)
    {
        double loadSeconds[2] = {};
        const int linkCounts[2] = {kFewLinks, kManyLinks};
        for (int i = 0; i < 2; i++)
        {
            CXTPTaskPanel panel;
            FillOneGroup(panel, linkCounts[i]);
            const double storeSeconds = Seconds([&] { store.store(panel); });
            loadSeconds[i] = Seconds([&] { store.load(panel); });
            printf("  %-8s %5d links: store %7.1f ms, load %7.1f ms (%d links back)\n", store.name, linkCounts[i],
                   storeSeconds * 1000, loadSeconds[i] * 1000, panel.GetAt(0)->GetItemCount());
        }
        const double growth = loadSeconds[1] / loadSeconds[0];
        printf("  %-8s growth 4x links: %.2fx load time (target at most %.0fx: %s)\n", store.name, growth,
               kGrowthTarget, growth <= kGrowthTarget ? "met" : "MISSED");
    }
    ::DeleteFileA(strIniFile);
}
