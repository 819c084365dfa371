// The resource manager: the program's resources, INI and XML text files over
// them, and the two text notations for dialogs and menus.
#include "tests/support/TempFolder.h"
#include "framework/Framework.h"
#include "toolkit/foundation/XTPResourceManagerXml.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <string>

namespace {
const char kMenuText[] = "POPUP \"&File\"\\n{\\nMENUITEM \"&Open\", 100\\nMENUITEM SEPARATOR\\n"
                         "POPUP \"&Recent\"\\n{\\nMENUITEM \"One\", 101\\n}\\n}\\n"
                         "POPUP \"&Help\"\\n{\\nMENUITEM \"&About\", 102\\n}";
const char kDialogText[] =
    "DIALOG 0, 0, 160, 80 CAPTION \"Text dialog\" STYLE 0x80C800C0 FONT 8, \"MS Sans Serif\""
    "\\n{\\nBUTTON \"OK\", 1, 10, 10, 50, 14, 0x50010001"
    "\\n  EDIT \"\", 1001, 10, 30, 100, 12, 0x50810080"
    "\\nSTATIC 7, 1002, 10, 50, 20, 8, 0x50000000\\n}";

CString TempPath(const TempFolder& folder, LPCTSTR lpszName)
{
    return folder.File(lpszName).c_str();
}

void WriteText(LPCTSTR lpszPath, const CString& strText)
{
    WriteBytes(lpszPath, std::string(strText, strText.GetLength()));
}

CString XmlAttribute(LPCTSTR lpszText)
{
    CString strText = lpszText;
    strText.Replace("&", "&amp;");
    strText.Replace("\"", "&quot;");
    return strText;
}

CString MenuString(HMENU hMenu, int nPos)
{
    char szText[64] = "";
    ::GetMenuStringA(hMenu, nPos, szText, sizeof(szText), MF_BYPOSITION);
    return szText;
}

CString WindowText(HWND hWnd)
{
    char szText[64] = "";
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

CString ClassName(HWND hWnd)
{
    char szClass[64] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return szClass;
}

// Menu text of popups nested nDepth deep around one command, its lines cut by
// the separator (a newline, or backslash-n as files hold it).
CString NestedMenuText(int nDepth, const std::string& strNewLine)
{
    std::string strText;
    for (int i = 0; i < nDepth; i++)
        strText += "POPUP \"P\"" + strNewLine + "{" + strNewLine;
    strText += "MENUITEM \"Deepest\", 5";
    for (int i = 0; i < nDepth; i++)
        strText += strNewLine + "}";
    return strText.c_str();
}

// Dialog text with nItems static controls, its lines cut as above.
CString DialogTextWithItems(int nItems, const std::string& strNewLine)
{
    std::string strText =
        "DIALOG 0, 0, 100, 50 CAPTION \"Many\" STYLE 0x80C800C0 FONT 8, \"MS Sans Serif\"" + strNewLine + "{";
    for (int i = 0; i < nItems; i++)
        strText += strNewLine + "STATIC \"x\", 7, 0, 0, 1, 1, 0x50000000";
    strText += strNewLine + "}";
    return strText.c_str();
}

// Expects the menu built from kMenuText.
void ExpectTextMenu(CMenu& menu)
{
    HMENU hMenu = menu.GetSafeHmenu();
    ASSERT_TRUE(hMenu != NULL);
    ASSERT_EQ(2, ::GetMenuItemCount(hMenu)) << "no item after the last popup";
    EXPECT_STREQ("&File", MenuString(hMenu, 0));
    EXPECT_STREQ("&Help", MenuString(hMenu, 1));
    HMENU hFile = ::GetSubMenu(hMenu, 0);
    ASSERT_EQ(3, ::GetMenuItemCount(hFile));
    EXPECT_EQ(100u, ::GetMenuItemID(hFile, 0));
    EXPECT_TRUE(::GetMenuState(hFile, 1, MF_BYPOSITION) & MF_SEPARATOR);
    HMENU hRecent = ::GetSubMenu(hFile, 2);
    ASSERT_TRUE(hRecent != NULL);
    EXPECT_EQ(1, ::GetMenuItemCount(hRecent));
    EXPECT_EQ(101u, ::GetMenuItemID(hRecent, 0));
    EXPECT_EQ(102u, ::GetMenuItemID(::GetSubMenu(hMenu, 1), 0));
}

// Opens the template as a modeless dialog and expects the controls of kDialogText.
void ExpectTextDialog(LPCDLGTEMPLATE pTemplate)
{
    ASSERT_TRUE(pTemplate != NULL);
    HWND hDialog = ::CreateDialogIndirectParamA(::GetModuleHandleA(NULL), pTemplate, NULL, NULL, 0);
    ASSERT_TRUE(hDialog != NULL);
    EXPECT_STREQ("Text dialog", WindowText(hDialog));
    HWND hButton = ::GetDlgItem(hDialog, 1);
    HWND hEdit = ::GetDlgItem(hDialog, 1001);
    ASSERT_TRUE(hButton != NULL && hEdit != NULL);
    EXPECT_STRCASEEQ("Button", ClassName(hButton));
    EXPECT_STREQ("OK", WindowText(hButton));
    EXPECT_STRCASEEQ("Edit", ClassName(hEdit));
    EXPECT_STREQ(" ", WindowText(hEdit)) << "an empty text becomes one space";
    EXPECT_TRUE(::GetDlgItem(hDialog, 1002) != NULL);
    ::DestroyWindow(hDialog);
}

class ResourceManagerFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strIni = TempPath(m_folder, "resources.ini");
        CString strIni;
        strIni.Format("[string]\r\n7400=Translated\\tstring\\nsecond\\q\r\n"
                      "[menu]\r\n7200=%s\r\n"
                      "[dialog]\r\n7300=%s\r\n",
                      kMenuText, kDialogText);
        WriteText(m_strIni, strIni);

        m_strXml = TempPath(m_folder, "resources.xml");
        CString strXml;
        strXml.Format("<Resources>"
                      "<Resource id=\"7400\" type=\"string\" value=\"From XML\\tfile\"/>"
                      "<Resource id=\"7200\" type=\"menu\" value=\"%s\"/>"
                      "<Resource id=\"7300\" type=\"dialog\" value=\"%s\"/>"
                      "</Resources>",
                      (LPCTSTR)XmlAttribute(kMenuText), (LPCTSTR)XmlAttribute(kDialogText));
        WriteText(m_strXml, strXml);
        ::CoInitialize(NULL);
    }

    void TearDown() override { ::CoUninitialize(); }

    TempFolder m_folder;
    CString m_strIni;
    CString m_strXml;
};

TEST_F(ResourceManagerFiles, IniAndXmlStringsMenusAndDialogs)
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
        CString strText;
        EXPECT_TRUE(row.pManager->LoadString(&strText, 7400));
        EXPECT_STREQ(row.pszString, strText);
        EXPECT_TRUE(row.pManager->LoadString(&strText, 7401));
        EXPECT_STREQ("Module only", strText) << "what the file lacks comes from the module";

        CMenu menu;
        EXPECT_TRUE(row.pManager->LoadMenu(&menu, 7200));
        ExpectTextMenu(menu);
        ExpectTextDialog(row.pManager->LoadDialogTemplate(MAKEINTRESOURCE(7300)));
    }
}

TEST_F(ResourceManagerFiles, TextsThatDoNotParseFallBackToTheModule)
{
    CString strBroken = TempPath(m_folder, "broken.ini");
    WriteText(strBroken, "[menu]\r\n7200=MENU \"x\"\r\n[dialog]\r\n7300=DIALOG broken\r\n");
    CXTPResourceManagerIni ini(strBroken);
    // Popups nested too deep, and more controls than a template can count.
    CString strXml;
    strXml.Format("<Resources><Resource id=\"7200\" type=\"menu\" value=\"%s\"/>"
                  "<Resource id=\"7300\" type=\"dialog\" value=\"%s\"/></Resources>",
                  (LPCTSTR)XmlAttribute(NestedMenuText(CXTPResourceManagerIni::nMaxMenuDepth + 1, "\\n")),
                  (LPCTSTR)XmlAttribute(DialogTextWithItems(0x10000, "\\n")));
    WriteText(m_strXml, strXml);
    CXTPResourceManagerXml xml(m_strXml);
    ASSERT_TRUE(xml.IsValid());
    CXTPResourceManagerIni* managers[] = {&ini, &xml};
    for (CXTPResourceManagerIni* pManager : managers)
    {
        CMenu menu;
        EXPECT_TRUE(pManager->LoadMenu(&menu, 7200));
        EXPECT_STREQ("&Module", MenuString(menu.GetSafeHmenu(), 0));
        LPCDLGTEMPLATE pTemplate = pManager->LoadDialogTemplate(MAKEINTRESOURCE(7300));
        ASSERT_TRUE(pTemplate != NULL);
        HWND hDialog = ::CreateDialogIndirectParamA(::GetModuleHandleA(NULL), pTemplate, NULL, NULL, 0);
        EXPECT_STREQ("Module dialog", WindowText(hDialog));
        ::DestroyWindow(hDialog);
    }
}

TEST_F(ResourceManagerFiles, InvalidManagersAreRefused)
{
    CXTPResourceManager* pDefault = XTPResourceManager();
    EXPECT_FALSE(CXTPResourceManager::SetResourceManager(NULL));
    EXPECT_FALSE(CXTPResourceManager::SetResourceManager(
        new CXTPResourceManagerIni(TempPath(m_folder, "missing.ini"))));
    WriteText(m_strXml, "<Other/>");
    EXPECT_FALSE(CXTPResourceManager::SetResourceManager(new CXTPResourceManagerXml(m_strXml)));
    WriteText(m_strXml, "<Resources><broken></Resources>");
    EXPECT_FALSE(CXTPResourceManager::SetResourceManager(new CXTPResourceManagerXml(m_strXml)));
    EXPECT_EQ(pDefault, XTPResourceManager());

    ASSERT_TRUE(CXTPResourceManager::SetResourceManager(new CXTPResourceManagerIni(m_strIni)));
    CString strText;
    EXPECT_TRUE(XTPResourceManager()->LoadString(&strText, 7400));
    EXPECT_STREQ("Translated\tstring\nsecond\\q", strText);
    ASSERT_TRUE(CXTPResourceManager::SetResourceManager(new CXTPResourceManager()));
    EXPECT_TRUE(XTPResourceManager()->LoadString(&strText, 7400));
    EXPECT_STREQ("Module string", strText);
}

TEST(ResourceManager, ModuleResources)
{
    CXTPResourceManager manager;
    CString strText;
    EXPECT_TRUE(manager.LoadString(&strText, 7400));
    EXPECT_STREQ("Module string", strText);
    EXPECT_FALSE(manager.LoadString(&strText, 7999));
    CMenu menu;
    EXPECT_TRUE(manager.LoadMenu(&menu, 7200));
    EXPECT_FALSE(CMenu().LoadMenu(7999));
    CBitmap bitmap;
    EXPECT_TRUE(manager.LoadBitmap(&bitmap, 7100));
    EXPECT_TRUE(manager.LoadDialogTemplate(MAKEINTRESOURCE(7300)) != NULL);
    EXPECT_TRUE(manager.LoadDialogTemplate(MAKEINTRESOURCE(7999)) == NULL);
}

TEST(ResourceManager, ToolbarsFromTheModule)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, CRect(0, 0, 300, 60), NULL, 0));
    CToolBar bar;
    ASSERT_TRUE(bar.Create(&parent));
    CXTPResourceManagerIni manager(_T("Z:\\no\\such.ini"));
    EXPECT_TRUE(manager.LoadToolBar(&bar, 7150));
    EXPECT_EQ(4, bar.GetCount());
    EXPECT_EQ(7153u, bar.GetItemID(3));
    EXPECT_FALSE(manager.LoadToolBar(&bar, 7999));
    parent.DestroyWindow();
}

// Closes the first message box of the thread with the answer IDNO,
// remembering its text.
CString g_strBoxText;
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hBox = ::FindWindowA("#32770", NULL);
    if (hBox == NULL)
        return;
    ::KillTimer(NULL, nTimer);
    char szText[128] = "";
    ::GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof(szText));
    g_strBoxText = szText;
    ::PostMessageA(hBox, WM_COMMAND, IDNO, 0);
}

TEST(ResourceManager, MessageBoxShowsTheManagersString)
{
    CXTPResourceManager manager;
    ::SetTimer(NULL, 0, 10, AnswerMessageBox);
    EXPECT_EQ(IDNO, manager.ShowMessageBox(7400, MB_YESNO));
    EXPECT_STREQ("Module string", g_strBoxText);
}

TEST(ResourceManager, StateGuardSwitchesToTheToolkitModule)
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

struct TemplateCase
{
    const char* text;
    BOOL bValid;
};

TEST(ResourceText, DialogTextParsesOrFails)
{
    const TemplateCase kCases[] = {
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 0x80000000 FONT 8, \"F\"", TRUE},
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 80000000 FONT 8, \"F\"\n{\n}", TRUE},
        {"DIALOG 1, 2, 3 CAPTION \"C\" STYLE 0x1 FONT 8, \"F\"", FALSE},
        {"DIALOG 1, 2, 3, 4 CAPTION C STYLE 0x1 FONT 8, \"F\"", FALSE},
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 0x1 FONT 8, \"F", FALSE},
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 0x1 FONT 8, \"F\"\n{\nBUTTON \"x\", 1, 2, 3", FALSE},
        {"DIALOG 1, 2, 3, 4 CAPTION \"C\" STYLE 0x1 FONT 8, \"F\"\n{\nBUTTON", FALSE},
        {"MENU 1, 2, 3, 4", FALSE},
        {"", FALSE},
    };
    for (const TemplateCase& c : kCases)
    {
        LPDLGTEMPLATE pTemplate = CXTPResourceManagerIni::CreateDialogTemplate(c.text);
        EXPECT_EQ(c.bValid, pTemplate != NULL) << c.text;
        if (pTemplate != NULL)
            ::LocalFree(::LocalHandle(pTemplate));
    }
}

TEST(ResourceText, DialogTemplatesHoldNoMoreItemsThanTheirCountCanSay)
{
    const struct
    {
        const char* name;
        int nItems;
        BOOL bValid;
    } cases[] = {
        {"as many as the count says", 0xFFFF, TRUE},
        {"70,000: a count of 4,464", 70000, FALSE},
    };
    for (const auto& c : cases)
    {
        LPDLGTEMPLATE pTemplate =
            CXTPResourceManagerIni::CreateDialogTemplate(DialogTextWithItems(c.nItems, "\n"));
        EXPECT_EQ(c.bValid, pTemplate != NULL) << c.name;
        if (pTemplate != NULL)
        {
            EXPECT_EQ(c.nItems, pTemplate->cdit) << c.name;
            ::LocalFree(::LocalHandle(pTemplate));
        }
    }
}

TEST(ResourceText, DialogTemplateLayout)
{
    LPDLGTEMPLATE pTemplate = CXTPResourceManagerIni::CreateDialogTemplate(
        "DIALOG 1, 2, 30, 40 CAPTION \"Ab\" STYLE 0x80000000 FONT 9, \"Face\"\n"
        "{\nSTATIC 0x12, 5, 6, 7, 8, 9, 0x50000000\n}");
    ASSERT_TRUE(pTemplate != NULL);
    EXPECT_EQ((DWORD)(0x80000000 | DS_SETFONT), pTemplate->style);
    EXPECT_EQ(1, pTemplate->cdit);
    EXPECT_EQ(30, pTemplate->cx);
    const WORD* pWords = (const WORD*)(pTemplate + 1);
    EXPECT_EQ(0, pWords[0]) << "menu";
    EXPECT_EQ(0, pWords[1]) << "class";
    EXPECT_EQ(L'A', pWords[2]);
    EXPECT_EQ(0, pWords[4]) << "caption end";
    EXPECT_EQ(9, pWords[5]) << "point size";
    EXPECT_EQ(L'F', pWords[6]);
    // Header: 24 + 2 * 2 + 4 + 2 * 4 = 40 bytes, a multiple of 4.
    const DLGITEMTEMPLATE* pItem = (const DLGITEMTEMPLATE*)((const BYTE*)pTemplate + 40);
    EXPECT_EQ(0x50000000u, pItem->style);
    EXPECT_EQ(5, pItem->id);
    EXPECT_EQ(6, pItem->x);
    EXPECT_EQ(9, pItem->cy);
    const WORD* pItemWords = (const WORD*)(pItem + 1);
    EXPECT_EQ(L'S', pItemWords[0]);
    EXPECT_EQ(0, pItemWords[6]) << "class end";
    EXPECT_EQ(0xFFFF, pItemWords[7]) << "an ordinal title";
    EXPECT_EQ(0x12, pItemWords[8]);
    EXPECT_EQ(0, pItemWords[9]) << "no creation data";
    ::LocalFree(::LocalHandle(pTemplate));
}

TEST(ResourceText, MenuTextParsesOrFails)
{
    const TemplateCase kCases[] = {
        {"MENUITEM \"One\", 1", TRUE},
        {"MENUITEM \"One\", 1\nMENUITEM SEPARATOR\nMENUITEM \"\", 2", TRUE},
        {"POPUP \"P\"\n{\nMENUITEM \"One\", 1\n}", TRUE},
        {"  POPUP \"P\"\n  {\n    MENUITEM \"One\", 1\n  }\n", TRUE},
        {"", FALSE},
        {"}", FALSE},
        {"{\nMENUITEM \"One\", 1\n}", FALSE},
        {"MENUITEM \"One\", 1\n}", FALSE},
        {"POPUP \"P\"", FALSE},
        {"POPUP \"P\"\nMENUITEM \"One\", 1", FALSE},
        {"POPUP \"P\"\n{\nMENUITEM \"One\", 1", FALSE},
        {"POPUP \"P\"\n{\n}", FALSE},
        {"POPUP \"P\"\n{\nMENUITEM \"One\", 1\n}\n}", FALSE},
        {"MENU \"P\"", FALSE},
        {"POPUP", FALSE},
    };
    for (const TemplateCase& c : kCases)
    {
        CMenu menu;
        EXPECT_EQ(c.bValid, CXTPResourceManagerIni::CreateMenu(menu, c.text)) << c.text;
    }
}

TEST(ResourceText, MenuTextNestsPopupsOnlySoDeep)
{
    const struct
    {
        const char* name;
        int nDepth;
        BOOL bValid;
    } cases[] = {
        {"as deep as allowed", CXTPResourceManagerIni::nMaxMenuDepth, TRUE},
        {"one level deeper", CXTPResourceManagerIni::nMaxMenuDepth + 1, FALSE},
        // Deep enough to run the system's menu reader out of stack.
        {"26,000 levels", 26000, FALSE},
    };
    for (const auto& c : cases)
    {
        CMenu menu;
        ASSERT_EQ(c.bValid, CXTPResourceManagerIni::CreateMenu(menu, NestedMenuText(c.nDepth, "\n")))
            << c.name;
        if (!c.bValid)
            continue;
        HMENU hMenu = menu.GetSafeHmenu();
        for (int i = 0; i < c.nDepth && hMenu != NULL; i++)
            hMenu = ::GetSubMenu(hMenu, 0);
        ASSERT_TRUE(hMenu != NULL) << c.name;
        EXPECT_EQ(5u, ::GetMenuItemID(hMenu, 0)) << c.name;
    }
}

TEST(ResourceText, EmptyMenuTextsBecomeOneSpace)
{
    CMenu menu;
    ASSERT_TRUE(CXTPResourceManagerIni::CreateMenu(menu, "MENUITEM \"\", 2\nMENUITEM \"B\", 3"));
    EXPECT_EQ(2, ::GetMenuItemCount(menu.GetSafeHmenu()));
    EXPECT_STREQ(" ", MenuString(menu.GetSafeHmenu(), 0));
    EXPECT_EQ(3u, ::GetMenuItemID(menu.GetSafeHmenu(), 1));
}
} // namespace
