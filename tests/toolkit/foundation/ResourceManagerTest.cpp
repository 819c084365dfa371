// The resource manager: the program's resources, INI and XML text files over
// them, and the two text notations for dialogs and menus.
#include "tests/support/CursorShape.h"
#include "tests/support/TempFolder.h"
#include "framework/Framework.h"
#include "toolkit/foundation/XTPResourceManagerXml.h"

#include <gtest/gtest.h>
#include <string>

namespace {
const char kMenuText[] = "POPUP \"&File\"\\n{\\nMENUITEM \"&Open\", 100\\nMENUITEM SEPARATOR\\n"
                         "POPUP \"&Recent\"\\n{\\nMENUITEM \"One\", 101\\n}\\n}\\n"
                         "POPUP \"&Help\"\\n{\\nMENUITEM \"&About\", 102\\n}";
// The menu built from kMenuText, as DescribeMenu gives it.
const char kMenuDescribed[] = "&File[&Open=100 - &Recent[One=101 ] ] &Help[&About=102 ] ";
const char kDialogText[] =
    "DIALOG 0, 0, 160, 80 CAPTION \"Text dialog\" STYLE 0x80C800C0 FONT 8, \"MS Sans Serif\""
    "\\n{\\nBUTTON \"OK\", 1, 10, 10, 50, 14, 0x50010001"
    "\\n  EDIT \"\", 1001, 10, 30, 100, 12, 0x50810080"
    "\\nSTATIC \"Label\", 1002, 10, 50, 20, 8, 0x50000000\\n}";

void WriteText(const CString& strPath, const CString& strText)
{
    WriteBytes((LPCTSTR)strPath, std::string(strText, strText.GetLength()));
}

CString XmlAttribute(LPCTSTR lpszText)
{
    CString strText = lpszText;
    strText.Replace("&", "&amp;");
    strText.Replace("\"", "&quot;");
    return strText;
}

std::string WindowText(HWND hWnd)
{
    char szText[64] = "";
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

// The menu as one text: a command as its text and id, a popup as its text
// and its items in brackets, a separator as "-".
std::string DescribeMenu(HMENU hMenu)
{
    std::string strText;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
    {
        char szText[64] = "";
        ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
        if (::GetSubMenu(hMenu, i) != NULL)
            strText += std::string(szText) + "[" + DescribeMenu(::GetSubMenu(hMenu, i)) + "] ";
        else if (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_SEPARATOR)
            strText += "- ";
        else
            strText += std::string(szText) + "=" + std::to_string(::GetMenuItemID(hMenu, i)) + " ";
    }
    return strText;
}

// Opens the template as a modeless dialog: its caption and the texts of the
// controls 1, 1001 and 1002 ("none" for a control it lacks).
std::string DialogTexts(LPCDLGTEMPLATE pTemplate)
{
    if (pTemplate == NULL)
        return "no template";
    HWND hDialog = ::CreateDialogIndirectParamA(::GetModuleHandleA(NULL), pTemplate, NULL, NULL, 0);
    std::string strTexts = WindowText(hDialog);
    for (int nId : {1, 1001, 1002})
    {
        HWND hItem = ::GetDlgItem(hDialog, nId);
        strTexts += "|" + (hItem != NULL ? WindowText(hItem) : std::string("none"));
    }
    ::DestroyWindow(hDialog);
    return strTexts;
}

std::string Repeat(const std::string& strText, int nTimes)
{
    std::string strResult;
    for (int i = 0; i < nTimes; i++)
        strResult += strText;
    return strResult;
}

// Menu text of popups nested nDepth deep around one command, its lines cut by
// the separator (a newline, or backslash-n as files hold it).
std::string NestedMenuText(int nDepth, const std::string& nl)
{
    return Repeat("POPUP \"P\"" + nl + "{" + nl, nDepth) + "MENUITEM \"Deepest\", 5"
           + Repeat(nl + "}", nDepth);
}

// Dialog text with nItems static controls, its lines cut as above.
std::string DialogTextWithItems(int nItems, const std::string& nl)
{
    return "DIALOG 0, 0, 100, 50 CAPTION \"Many\" STYLE 0x80C800C0 FONT 8, \"MS Sans Serif\"" + nl + "{"
           + Repeat(nl + "STATIC \"x\", 7, 0, 0, 1, 1, 0x50000000", nItems) + nl + "}";
}

struct ResourceManagerFiles : ::testing::Test
{
    void SetUp() override
    {
        CString strIni;
        strIni.Format("[string]\r\n7400=Translated\\tstring\\nsecond\\q\r\n"
                      "[menu]\r\n7200=%s\r\n[dialog]\r\n7300=%s\r\n",
                      kMenuText, kDialogText);
        WriteText(m_strIni, strIni);
        CString strXml;
        strXml.Format("<Resources><Resource id=\"7400\" type=\"string\" value=\"From XML\\tfile\"/>"
                      "<Resource id=\"7200\" type=\"menu\" value=\"%s\"/>"
                      "<Resource id=\"7300\" type=\"dialog\" value=\"%s\"/></Resources>",
                      (LPCTSTR)XmlAttribute(kMenuText), (LPCTSTR)XmlAttribute(kDialogText));
        WriteText(m_strXml, strXml);
        ::CoInitialize(NULL);
    }

    void TearDown() override { ::CoUninitialize(); }

    TempFolder m_folder;
    CString m_strIni = m_folder.File("resources.ini").c_str();
    CString m_strXml = m_folder.File("resources.xml").c_str();
};

TEST_F(ResourceManagerFiles, IniAndXmlResourcesOverTheModule)
{
    CXTPResourceManagerIni ini(m_strIni);
    CXTPResourceManagerXml xml(m_strXml);
    const struct
    {
        CXTPResourceManager* pManager;
        const char* pszString;
    } rows[] = {
        {&ini, "Translated\tstring\nsecond\\q"},
        {&xml, "From XML\tfile"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pszString);
        ASSERT_TRUE(row.pManager->IsValid());
        CString strText, strModule;
        EXPECT_TRUE(row.pManager->LoadString(&strText, 7400));
        EXPECT_STREQ(row.pszString, strText);
        // What the file lacks comes from the module.
        EXPECT_TRUE(row.pManager->LoadString(&strModule, 7401));
        EXPECT_STREQ("Module only", strModule);
        CMenu menu;
        EXPECT_TRUE(row.pManager->LoadMenu(&menu, 7200));
        EXPECT_EQ(kMenuDescribed, DescribeMenu(menu.GetSafeHmenu()));
        // An empty text becomes one space.
        EXPECT_EQ("Text dialog|OK| |Label",
                  DialogTexts(row.pManager->LoadDialogTemplate(MAKEINTRESOURCE(7300))));
    }
}

TEST_F(ResourceManagerFiles, BrokenMenusAndDialogsComeFromTheModule)
{
    CString strBroken = m_folder.File("broken.ini").c_str();
    WriteText(strBroken, "[menu]\r\n7200=MENU \"x\"\r\n[dialog]\r\n7300=DIALOG broken\r\n");
    CXTPResourceManagerIni brokenIni(strBroken);
    // Popups nested too deep, and more controls than a template can count.
    CString strXml;
    strXml.Format(
        "<Resources><Resource id=\"7200\" type=\"menu\" value=\"%s\"/>"
        "<Resource id=\"7300\" type=\"dialog\" value=\"%s\"/></Resources>",
        (LPCTSTR)XmlAttribute(NestedMenuText(CXTPResourceManagerIni::nMaxMenuDepth + 1, "\\n").c_str()),
        (LPCTSTR)XmlAttribute(DialogTextWithItems(0x10000, "\\n").c_str()));
    WriteText(m_strXml, strXml);
    CXTPResourceManagerXml brokenXml(m_strXml);
    ASSERT_TRUE(brokenXml.IsValid());
    for (CXTPResourceManagerIni* pManager :
         {(CXTPResourceManagerIni*)&brokenIni, (CXTPResourceManagerIni*)&brokenXml})
    {
        CMenu menu;
        EXPECT_TRUE(pManager->LoadMenu(&menu, 7200));
        EXPECT_EQ("&Module[Module &item=7201 ] ", DescribeMenu(menu.GetSafeHmenu()));
        EXPECT_EQ("Module dialog|OK|none|none",
                  DialogTexts(pManager->LoadDialogTemplate(MAKEINTRESOURCE(7300))));
    }
}

TEST_F(ResourceManagerFiles, OnlyValidManagersAreInstalled)
{
    CXTPResourceManager* pDefault = XTPResourceManager();
    EXPECT_FALSE(CXTPResourceManager::SetResourceManager(NULL));
    EXPECT_FALSE(CXTPResourceManager::SetResourceManager(
        new CXTPResourceManagerIni(m_folder.File("missing.ini").c_str())));
    WriteText(m_strXml, "<Other/>");
    EXPECT_FALSE(CXTPResourceManager::SetResourceManager(new CXTPResourceManagerXml(m_strXml)));
    WriteText(m_strXml, "<Resources><broken></Resources>");
    EXPECT_FALSE(CXTPResourceManager::SetResourceManager(new CXTPResourceManagerXml(m_strXml)));
    EXPECT_EQ(pDefault, XTPResourceManager());

    CString strText;
    ASSERT_TRUE(CXTPResourceManager::SetResourceManager(new CXTPResourceManagerIni(m_strIni)));
    EXPECT_TRUE(XTPResourceManager()->LoadString(&strText, 7400));
    EXPECT_STREQ("Translated\tstring\nsecond\\q", strText);
    ASSERT_TRUE(CXTPResourceManager::SetResourceManager(new CXTPResourceManager()));
    EXPECT_TRUE(XTPResourceManager()->LoadString(&strText, 7400));
    EXPECT_STREQ("Module string", strText);
    EXPECT_FALSE(XTPResourceManager()->LoadString(&strText, 7999));
    EXPECT_TRUE(XTPResourceManager()->LoadDialogTemplate(MAKEINTRESOURCE(7999)) == NULL);
}

TEST(ResourceStateGuard, SwitchesToTheToolkitModuleWhileItLives)
{
    HINSTANCE hProgram = AfxGetResourceHandle();
    {
        CXTResourceStateGuard unset;
        EXPECT_EQ(hProgram, AfxGetResourceHandle()) << "no toolkit module: nothing changes";
    }
    HINSTANCE hToolkit = ::GetModuleHandleA("kernel32.dll");
    XTSetResourceHandle(hToolkit);
    {
        CXTResourceStateGuardPtr guard(new CXTResourceStateGuard());
        EXPECT_EQ(hToolkit, AfxGetResourceHandle());
    }
    EXPECT_EQ(hProgram, AfxGetResourceHandle());
    XTSetResourceHandle(NULL);
}

// The toolkit's resource module, the framework's and the program's: a
// resource is taken from the first that holds it, never from the system.
TEST(ToolkitResourceModule, TheModuleIsTheFirstThatHoldsTheResource)
{
    const HINSTANCE hToolkitBefore = XTGetResourceHandle(), hFrameworkBefore = AfxGetResourceHandle();
    const HINSTANCE hProgram = ::GetModuleHandleA(NULL), hKernel = ::GetModuleHandleA("kernel32.dll"),
                    hUser = ::GetModuleHandleA("user32.dll");
    const LPCTSTR lpszOurs = MAKEINTRESOURCE(9970), lpszUsers = MAKEINTRESOURCE(32512);
    ASSERT_TRUE(::FindResourceA(hUser, lpszUsers, RT_GROUP_CURSOR) != NULL) << "user32 holds cursor 32512";
    ASSERT_TRUE(::FindResourceA(hProgram, lpszUsers, RT_GROUP_CURSOR) == NULL);
    struct Row
    {
        const char* name;
        HINSTANCE hToolkit, hFramework;
        LPCTSTR lpszName;
        HINSTANCE hExpected;
    } rows[] = {
        {"no toolkit module: the program's", NULL, hProgram, lpszOurs, hProgram},
        {"a toolkit module that holds it", hUser, hProgram, lpszUsers, hUser},
        {"a toolkit module without it: the program's", hKernel, hProgram, lpszOurs, hProgram},
        {"a framework module without it (a translation): the program's", NULL, hKernel, lpszOurs, hProgram},
        {"held nowhere: still a module, not the system's NULL", NULL, hProgram, lpszUsers, hProgram},
    };
    for (const Row& row : rows)
    {
        XTSetResourceHandle(row.hToolkit);
        AfxSetResourceHandle(row.hFramework);
        EXPECT_EQ(row.hExpected, XTPFindResourceHandle(row.lpszName, RT_GROUP_CURSOR)) << row.name;
    }
    XTSetResourceHandle(hToolkitBefore);
    AfxSetResourceHandle(hFrameworkBefore);
}

TEST(ToolkitResourceModule, ACursorComesFromTheProgramNotFromTheSystem)
{
    const HINSTANCE hToolkitBefore = XTGetResourceHandle();
    XTSetResourceHandle(NULL);
    const CursorShape ours = CursorShape::Of(XTPLoadCursor(9970));
    EXPECT_TRUE(ours.SameFrameAs(CursorShape::OfResource(9970))) << "the program's cursor 9970";
    EXPECT_NE(CursorShape::Of(::LoadCursor(NULL, IDC_ARROW)).Mask(), ours.Mask());
    ASSERT_TRUE(::LoadCursorA(NULL, MAKEINTRESOURCEA(32512)) != NULL) << "the system has a cursor 32512";
    EXPECT_EQ((HCURSOR)NULL, XTPLoadCursor(32512)) << "which is no resource of the toolkit";
    XTSetResourceHandle(hToolkitBefore);
}

// Each text gives a template of nItems controls, or none (-1).
TEST(ResourceText, DialogTextsParseOrFail)
{
    const struct
    {
        std::string text;
        int nItems;
    } kCases[] = {
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 0x80000000 FONT 8, \"F\"", 0},
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 80000000 FONT 8, \"F\"\n{\n}", 0},
        {"DIALOG 1, 2, 3 CAPTION \"C\" STYLE 0x1 FONT 8, \"F\"", -1},
        {"DIALOG 1, 2, 3, 4 CAPTION C STYLE 0x1 FONT 8, \"F\"", -1},
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 0x1 FONT 8, \"F", -1},
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 0x1 FONT 8, \"F\"\n{\nBUTTON \"x\", 1, 2, 3", -1},
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 0x1 FONT 8, \"F\"\n{\nBUTTON", -1},
        {"MENU 1, 2, 3, 4", -1},
        {"", -1},
        // As many controls as the count can say, and 70,000 (a count of 4,464).
        {DialogTextWithItems(0xFFFF, "\n"), 0xFFFF},
        {DialogTextWithItems(70000, "\n"), -1},
    };
    for (const auto& c : kCases)
    {
        LPDLGTEMPLATE pTemplate = CXTPResourceManagerIni::CreateDialogTemplate(c.text.c_str());
        EXPECT_EQ(c.nItems, pTemplate != NULL ? pTemplate->cdit : -1) << c.text.substr(0, 80);
        if (pTemplate != NULL)
            ::LocalFree(::LocalHandle(pTemplate));
    }
}

TEST(ResourceText, DialogTemplatesAreLaidOutInTheirBinaryForm)
{
    LPDLGTEMPLATE pTemplate = CXTPResourceManagerIni::CreateDialogTemplate(
        "DIALOG 1, 2, 30, 40 CAPTION \"Ab\" STYLE 0x80000000 FONT 9, \"Face\"\n"
        "{\nSTATIC 0x12, 5, 6, 7, 8, 9, 0x50000000\n}");
    ASSERT_TRUE(pTemplate != NULL);
    EXPECT_EQ((DWORD)(0x80000000 | DS_SETFONT), pTemplate->style);
    EXPECT_EQ(30, pTemplate->cx);
    // No menu, no class, the caption, the point size and the face.
    const WORD* pWords = (const WORD*)(pTemplate + 1);
    EXPECT_EQ(std::vector<WORD>({0, 0, 'A', 'b', 0, 9, 'F', 'a', 'c', 'e', 0}),
              std::vector<WORD>(pWords, pWords + 11));
    // Header: 24 + 2 * 2 + 4 + 2 * 4 = 40 bytes, a multiple of 4.
    const DLGITEMTEMPLATE* pItem = (const DLGITEMTEMPLATE*)((const BYTE*)pTemplate + 40);
    EXPECT_EQ(0x50000000u, pItem->style);
    EXPECT_EQ(std::vector<int>({5, 6, 7, 8, 9}),
              std::vector<int>({pItem->id, pItem->x, pItem->y, pItem->cx, pItem->cy}));
    // The class name, an ordinal title and no creation data.
    const WORD* pItemWords = (const WORD*)(pItem + 1);
    EXPECT_EQ(std::vector<WORD>({'S', 'T', 'A', 'T', 'I', 'C', 0, 0xFFFF, 0x12, 0}),
              std::vector<WORD>(pItemWords, pItemWords + 10));
    ::LocalFree(::LocalHandle(pTemplate));
}

// Each menu text gives the menu described, or none.
TEST(ResourceText, MenuTextsParseOrFail)
{
    std::string strDeepest = "Deepest=5 ";
    for (int i = 0; i < CXTPResourceManagerIni::nMaxMenuDepth; i++)
        strDeepest = "P[" + strDeepest + "] ";
    const struct
    {
        std::string text;
        std::string menu;
    } kMenuCases[] = {
        {"MENUITEM \"One\", 1", "One=1 "},
        // An empty text becomes one space.
        {"MENUITEM \"One\", 1\nMENUITEM SEPARATOR\nMENUITEM \"\", 2", "One=1 -  =2 "},
        {"POPUP \"P\"\n{\nMENUITEM \"One\", 1\n}", "P[One=1 ] "},
        {"  POPUP \"P\"\n  {\n    MENUITEM \"One\", 1\n  }\n", "P[One=1 ] "},
        {"", "fails"},
        {"}", "fails"},
        {"{\nMENUITEM \"One\", 1\n}", "fails"},
        {"MENUITEM \"One\", 1\n}", "fails"},
        {"POPUP \"P\"", "fails"},
        {"POPUP \"P\"\nMENUITEM \"One\", 1", "fails"},
        {"POPUP \"P\"\n{\nMENUITEM \"One\", 1", "fails"},
        {"POPUP \"P\"\n{\n}", "fails"},
        {"POPUP \"P\"\n{\nMENUITEM \"One\", 1\n}\n}", "fails"},
        {"MENU \"P\"", "fails"},
        {"POPUP", "fails"},
        {NestedMenuText(CXTPResourceManagerIni::nMaxMenuDepth, "\n"), strDeepest},
        {NestedMenuText(CXTPResourceManagerIni::nMaxMenuDepth + 1, "\n"), "fails"},
        // Deep enough to run the system's menu reader out of stack.
        {NestedMenuText(26000, "\n"), "fails"},
    };
    for (const auto& m : kMenuCases)
    {
        CMenu menu;
        BOOL bCreated = CXTPResourceManagerIni::CreateMenu(menu, m.text.c_str());
        EXPECT_EQ(m.menu, bCreated ? DescribeMenu(menu.GetSafeHmenu()) : "fails") << m.text.substr(0, 80);
    }
}

} // namespace
