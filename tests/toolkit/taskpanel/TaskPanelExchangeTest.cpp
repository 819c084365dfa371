// The settings exchange of a panel's groups and items: round trips through
// an archive, an XML document and an INI file, damaged data refused with the
// panel as it was, and a second load replacing the first.
#include "TaskPanelTestSupport.h"

#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"
#include "toolkit/foundation/XTPPropExchangeXMLNode.h"

#include "tests/support/CallCounter.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace {

// Everything the exchange carries, group by group and item by item.
std::string Describe(CXTPTaskPanel* pPanel)
{
    std::ostringstream os;
    for (int i = 0; i < pPanel->GetGroupCount(); i++)
    {
        CXTPTaskPanelGroup* g = pPanel->GetAt(i);
        os << "group " << g->GetID() << " '" << g->GetCaption() << "' '" << g->GetTooltip() << "' icon "
           << g->GetIconIndex() << (g->IsExpanded() ? " open" : " closed") << (g->IsSpecial() ? " special" : "")
           << (g->IsCaptionVisible() ? "" : " no-caption") << (g->GetEnabled() ? "" : " disabled") << " layout "
           << g->GetItemLayout() << " inner " << Text(g->GetInnerMargins()) << " outer " << Text(g->GetOuterMargins())
           << " icons " << g->GetIconSize().cx << "x" << g->GetIconSize().cy << " drag " << g->GetAllowDrag() << "\n";
        for (int j = 0; j < g->GetItemCount(); j++)
        {
            CXTPTaskPanelGroupItem* p = g->GetAt(j);
            os << "  item " << p->GetID() << " '" << p->GetCaption() << "' '" << p->GetTooltip() << "' type "
               << p->GetType() << " icon " << p->GetIconIndex() << (p->GetEnabled() ? "" : " disabled")
               << (p->IsBold() ? " bold" : "") << (p->IsItemSelected() ? " selected" : "") << " drag "
               << p->GetAllowDrag() << (p->IsAllowDrop() ? "" : " no-drop") << " size " << p->GetItemSize().cx << "x"
               << p->GetItemSize().cy << " margins " << Text(p->GetMargins()) << "\n";
        }
    }
    return os.str();
}

class TaskPanelExchangeTest : public TaskPanelTest
{
protected:
    void SetUp() override
    {
        TaskPanelTest::SetUp();
        CXTPTaskPanelGroup* pFiles = AddGroup(1, 2);
        pFiles->SetTooltip("File tasks");
        pFiles->SetIconIndex(3);
        pFiles->SetSpecial(TRUE);
        pFiles->SetItemLayout(xtpTaskItemLayoutImagesWithTextBelow);
        pFiles->GetInnerMargins().SetRect(1, 2, 3, 4);
        pFiles->SetIconSize(CSize(24, 24));
        pFiles->SetAllowDrag(0x40);
        CXTPTaskPanelGroupItem* pLink = pFiles->GetAt(0);
        pLink->SetTooltip("Opens \"it\" & more");
        pLink->SetIconIndex(5);
        pLink->SetBold(TRUE);
        pLink->SetItemSelected(TRUE);
        pLink->GetMargins().SetRect(2, 2, 2, 2);
        pFiles->GetAt(1)->SetEnabled(FALSE);
        pFiles->GetAt(1)->SetAllowDrop(FALSE);
        CXTPTaskPanelGroup* pDetails = AddGroup(2, 0);
        pDetails->AddTextItem("Nothing selected")->SetItemSize(100, 40);
        pDetails->SetExpanded(FALSE);
        pDetails->SetCaptionVisible(FALSE);
        original = Describe(panel);
    }

    // A second panel in the same owner, to load into.
    CXTPTaskPanel* OtherPanel()
    {
        other.reset(new CXTPTaskPanel);
        other->SetAnimation(1);
        other->Create(WS_CHILD | WS_VISIBLE, CRect(210, 0, 410, 300), &owner, 78);
        return other.get();
    }
    void TearDown() override
    {
        if (other)
            other->DestroyWindow();
        other.reset();
        TaskPanelTest::TearDown();
    }

    std::string original;
    std::unique_ptr<CXTPTaskPanel> other;
};

// The groups of the panel as an archive.
std::vector<BYTE> StoreInArchive(CXTPTaskPanel* pPanel)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        pPanel->GetGroups()->DoPropExchange(&px);
        ar.Close();
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

void LoadFromArchive(CXTPTaskPanel* pPanel, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    pPanel->GetGroups()->DoPropExchange(&px);
}

// The groups of the panel as an XML document.
CString StoreInXml(CXTPTaskPanel* pPanel)
{
    CXTPPropExchangeXMLNode store(FALSE, NULL, "TaskPanel");
    pPanel->GetGroups()->DoPropExchange(&store);
    return store.GetXML();
}

// The groups of the panel in an INI file, and back.
void StoreInIniFile(CXTPTaskPanel* pPanel, const CString& strFile)
{
    CXTPPropExchangeIniFile store(FALSE, NULL, "TaskPanel");
    pPanel->GetGroups()->DoPropExchange(&store);
    ASSERT_TRUE(store.SaveToFile(strFile));
}

void LoadFromIniFile(CXTPTaskPanel* pPanel, const CString& strFile)
{
    CXTPPropExchangeIniFile load(TRUE, NULL, "TaskPanel");
    ASSERT_TRUE(load.LoadFromFile(strFile));
    pPanel->GetGroups()->DoPropExchange(&load);
}

// Whether the load threw the archive exception (which is deleted).
bool IsRefused(const std::function<void()>& load)
{
    try
    {
        load();
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        return true;
    }
    return false;
}

TEST_F(TaskPanelExchangeTest, ArchiveRoundTrip)
{
    CXTPTaskPanel* pOther = OtherPanel();
    LoadFromArchive(pOther, StoreInArchive(panel));
    EXPECT_EQ(original, Describe(pOther));
    EXPECT_EQ(pOther, pOther->GetAt(0)->GetAt(0)->GetTaskPanel()) << "loaded items belong to their panel";
    EXPECT_EQ(pOther->GetAt(0), pOther->GetAt(0)->GetAt(0)->GetItemGroup());
}

TEST_F(TaskPanelExchangeTest, XmlRoundTrip)
{
    CXTPPropExchangeXMLNode store(FALSE, NULL, "TaskPanel");
    ASSERT_TRUE(store.OnBeforeExchange());
    panel->GetGroups()->DoPropExchange(&store);
    const CString strXml = store.GetXML();
    EXPECT_NE(-1, strXml.Find("Opens &quot;it&quot; &amp; more")) << (LPCTSTR)strXml;

    CXTPTaskPanel* pOther = OtherPanel();
    CXTPPropExchangeXMLNode load(TRUE, NULL, "TaskPanel");
    ASSERT_TRUE(load.LoadFromString(strXml));
    pOther->GetGroups()->DoPropExchange(&load);
    EXPECT_EQ(original, Describe(pOther));
}

// The groups of one panel carried to another through a settings store.
void CarryThroughXml(CXTPTaskPanel* pFrom, CXTPTaskPanel* pTo)
{
    CXTPPropExchangeXMLNode load(TRUE, NULL, "TaskPanel");
    ASSERT_TRUE(load.LoadFromString(StoreInXml(pFrom)));
    pTo->GetGroups()->DoPropExchange(&load);
}

void CarryThroughIni(CXTPTaskPanel* pFrom, CXTPTaskPanel* pTo)
{
    TempFolder folder;
    const CString strFile = folder.File("panel.ini").c_str();
    ASSERT_NO_FATAL_FAILURE(StoreInIniFile(pFrom, strFile));
    LoadFromIniFile(pTo, strFile);
}

TEST_F(TaskPanelExchangeTest, IniRoundTrip)
{
    CXTPTaskPanel* pOther = OtherPanel();
    ASSERT_NO_FATAL_FAILURE(CarryThroughIni(panel, pOther));
    EXPECT_EQ(original, Describe(pOther));
}

void CarryThroughArchive(CXTPTaskPanel* pFrom, CXTPTaskPanel* pTo)
{
    LoadFromArchive(pTo, StoreInArchive(pFrom));
}

// An item whose values all equal their defaults (an empty link) comes back
// from every store, and so do the items after it.
TEST_F(TaskPanelExchangeTest, ItemOfDefaultValuesComesBackWithTheItemsAfterIt)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(3, 0);
    pGroup->AddTextItem("first");
    pGroup->GetItems()->Add(new CXTPTaskPanelGroupItem, 0)->SetType(xtpTaskItemTypeLink);
    pGroup->AddTextItem("last");
    const std::string strStored = Describe(panel);
    struct Row
    {
        const char* name;
        void (*carry)(CXTPTaskPanel* pFrom, CXTPTaskPanel* pTo);
    } rows[] = {
        {"archive", CarryThroughArchive},
        {"XML", CarryThroughXml},
        {"INI file", CarryThroughIni},
    };
    for (const Row& row : rows)
    {
        CXTPTaskPanel* pOther = OtherPanel();
        row.carry(panel, pOther);
        EXPECT_EQ(strStored, Describe(pOther)) << row.name;
    }
}

// The slot of selectSingleNode among the methods of an XML node: after
// IUnknown's 3, IDispatch's 4 and the node's 30 before it.
const int kSelectSingleNodeSlot = 37;

// The work a load of one group of nLinks links hands to its store.
long LoadWork(CXTPTaskPanel* pPanel, int nLinks, const std::function<long(CXTPTaskPanel*, CXTPTaskPanel*)>& carry)
{
    pPanel->GetGroups()->Clear();
    CXTPTaskPanelGroup* pGroup = pPanel->AddGroup(1);
    for (int i = 0; i < nLinks; i++)
        pGroup->AddLinkItem(100 + i)->SetCaption("a link");
    CXTPTaskPanel other;
    const long nWork = carry(pPanel, &other);
    EXPECT_EQ(nLinks, other.GetAt(0)->GetItemCount());
    return nWork;
}

// Loading a group of links reads its store in one walk: the document
// queries of the XML form and the profile and file reads of the INI form do
// not grow with the links. (Each item was looked up from the start of its
// list or of the file, and 4,000 links took seconds to load.)
TEST_F(TaskPanelExchangeTest, LoadingWalksTheStoreOnce)
{
    auto xmlQueries = [](CXTPTaskPanel* pFrom, CXTPTaskPanel* pTo) {
        CXTPPropExchangeXMLNode load(TRUE, NULL, "TaskPanel");
        EXPECT_TRUE(load.LoadFromString(StoreInXml(pFrom)));
        // Every element node shares the methods of the one counted.
        CXTPComPtr<IXMLDOMDocument> probe;
        *probe.Receive() = XTPCreateXMLDocument();
        VARIANT_BOOL bLoaded = VARIANT_FALSE;
        probe->loadXML(CXTPBstr("<probe/>"), &bLoaded);
        CXTPComPtr<IXMLDOMElement> element;
        probe->get_documentElement(element.Receive());
        CallCounter queries((IXMLDOMElement*)element, kSelectSingleNodeSlot);
        CXTPComPtr<IXMLDOMNode> none;
        element->selectSingleNode(CXTPBstr("nothing"), none.Receive());
        EXPECT_EQ(1, queries.Count()) << "the counter counts the queries of elements";
        pTo->GetGroups()->DoPropExchange(&load);
        return queries.Count() - 1;
    };
    auto iniReads = [](CXTPTaskPanel* pFrom, CXTPTaskPanel* pTo) {
        TempFolder folder;
        const CString strFile = folder.File("panel.ini").c_str();
        StoreInIniFile(pFrom, strFile);
        CallCounter profileReads("KERNEL32.dll", "GetPrivateProfileStringA");
        CallCounter sectionReads("KERNEL32.dll", "GetPrivateProfileSectionA");
        CallCounter fileReads("KERNEL32.dll", "ReadFile");
        EXPECT_TRUE(fileReads.IsCounting());
        LoadFromIniFile(pTo, strFile);
        return profileReads.Count() + sectionReads.Count() + fileReads.Count();
    };
    struct Row
    {
        const char* name;
        std::function<long(CXTPTaskPanel*, CXTPTaskPanel*)> carry;
    } rows[] = {
        {"XML document queries", xmlQueries},
        {"INI profile and file reads", iniReads},
    };
    for (const Row& row : rows)
    {
        const long nFew = LoadWork(panel, 50, row.carry);
        EXPECT_EQ(nFew, LoadWork(panel, 200, row.carry)) << row.name;
        EXPECT_LE(nFew, 5) << row.name;
    }
}

TEST_F(TaskPanelExchangeTest, LoadingTwiceReplacesTheGroups)
{
    const std::vector<BYTE> bytes = StoreInArchive(panel);
    LoadFromArchive(panel, bytes);
    LoadFromArchive(panel, bytes);
    EXPECT_EQ(original, Describe(panel));
    EXPECT_EQ(2, panel->GetGroupCount());
}

TEST_F(TaskPanelExchangeTest, DamagedArchiveLeavesThePanelAsItWas)
{
    std::vector<BYTE> bytes = StoreInArchive(panel);
    for (size_t nCut : {bytes.size() / 2, bytes.size() - 3, (size_t)40})
    {
        std::vector<BYTE> damaged(bytes.begin(), bytes.begin() + nCut);
        bool bThrown = false;
        try
        {
            LoadFromArchive(panel, damaged);
        }
        catch (CArchiveException* e)
        {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown) << "cut at " << nCut;
        EXPECT_EQ(original, Describe(panel)) << "cut at " << nCut;
    }
}

// A load refused part way (the last group cut short) changes nothing that
// the panel shows or tells: no group opens or closes, the open group and
// the focus stay, and the owner hears nothing.
TEST_F(TaskPanelExchangeTest, RefusedLoadLeavesThePanelAsItWasInEveryBehaviour)
{
    struct Row
    {
        const char* name;
        int nBehaviour;
        BOOL bSelectionFollowsFocus;
    } rows[] = {
        {"groups on their own", xtpTaskPanelBehaviourExplorer, FALSE},
        {"one open group", xtpTaskPanelBehaviourList, FALSE},
        {"one open group, toolbox", xtpTaskPanelBehaviourToolbox, FALSE},
        {"selection following the focus", xtpTaskPanelBehaviourExplorer, TRUE},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        panel->SetBehaviour(row.nBehaviour);
        panel->SetSingleSelection(row.bSelectionFollowsFocus);
        panel->GetAt(0)->SetExpanded(TRUE);
        // The link is stored selected when the selection follows the focus.
        panel->SetFocusedItem(panel->GetAt(0)->GetAt(0));
        std::vector<BYTE> bytes = StoreInArchive(panel);
        bytes.resize(bytes.size() - 3);
        CXTPTaskPanelGroup* pOpen = panel->GetActiveGroup();
        panel->SetFocusedItem(panel->GetAt(1));
        const std::string strBefore = Describe(panel);
        const std::string strTargets = Targets();
        owner.Reset();

        EXPECT_TRUE(IsRefused([&] { LoadFromArchive(panel, bytes); }));
        EXPECT_EQ(strBefore, Describe(panel));
        EXPECT_EQ(strTargets, Targets());
        EXPECT_EQ(pOpen, panel->GetActiveGroup());
        EXPECT_EQ(panel->GetAt(1), panel->GetFocusedItem());
        EXPECT_EQ("", owner.Codes());
    }
}

// Each group open or closed, and the open group of one open at a time.
std::string OpenStates(CXTPTaskPanel* pPanel)
{
    std::string text;
    for (int i = 0; i < pPanel->GetGroupCount(); i++)
        text += pPanel->GetAt(i)->IsExpanded() ? "open " : "closed ";
    return text + "active " + std::to_string(pPanel->GetActiveGroup() ? pPanel->GetActiveGroup()->GetIndex() : -1);
}

// With one group open at a time a save and load brings back the open group
// and the groups that cannot close as they showed, whichever follows which.
TEST_F(TaskPanelExchangeTest, OneOpenGroupComesBackFromTheStoredStates)
{
    panel->GetGroups()->Clear();
    CXTPTaskPanelGroup* pOpen = AddGroup(1, 2);
    CXTPTaskPanelGroup* pFixedOpen = AddGroup(2, 1);
    CXTPTaskPanelGroup* pFixedClosed = AddGroup(3, 1);
    AddGroup(4, 1);
    pFixedClosed->SetExpanded(FALSE);
    pFixedOpen->SetExpandable(FALSE);
    pFixedClosed->SetExpandable(FALSE);
    panel->SetBehaviour(xtpTaskPanelBehaviourList);
    pOpen->SetExpanded(TRUE);
    const std::string strStates = OpenStates(panel);
    ASSERT_EQ("open open closed closed active 0", strStates);

    CXTPTaskPanel* pOther = OtherPanel();
    pOther->SetBehaviour(xtpTaskPanelBehaviourList);
    const std::vector<BYTE> bytes = StoreInArchive(panel);
    owner.Reset();
    LoadFromArchive(pOther, bytes);
    EXPECT_EQ(strStates, OpenStates(pOther));
    ASSERT_EQ(1, owner.Count(TPN_GROUPEXPANDING)) << "only the open group opens, asking the owner";
    EXPECT_EQ("Group 1", owner.notes[0].strCaption);
}

TEST_F(TaskPanelExchangeTest, ElementOfTheWrongClassIsRefused)
{
    // A group list whose second element names an item class, not a group.
    CXTPPropExchangeXMLNode load(TRUE, NULL, "TaskPanel");
    ASSERT_TRUE(load.LoadFromString("<TaskPanel CompactMode=\"1\"><Item Caption=\"fine\" Type=\"0\"/>"
                                    "<Item Class=\"CXTPTaskPanelGroupItem\" Caption=\"stranger\"/></TaskPanel>"));
    bool bThrown = false;
    try
    {
        panel->GetGroups()->DoPropExchange(&load);
    }
    catch (CArchiveException* e)
    {
        bThrown = e->m_cause == CArchiveException::badClass;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(original, Describe(panel));
}

} // namespace
