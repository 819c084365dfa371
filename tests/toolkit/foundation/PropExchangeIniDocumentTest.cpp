// The INI text held in memory: it reads a file as the system's profile
// functions read it (checked against those functions on the same files) and
// writes values so that those functions read them back as given.
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTPPropExchangeIniDocument.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

void WriteFile(const std::string& strPath, const std::string& strText)
{
    std::ofstream(strPath, std::ios::binary) << strText;
}

// The value as the profile functions read it, or "<missing>".
std::string ProfileRead(const std::string& strPath, const char* pszSection, const char* pszName)
{
    char szValue[256] = "";
    ::GetPrivateProfileStringA(pszSection, pszName, "<missing>", szValue, sizeof(szValue), strPath.c_str());
    return szValue;
}

// The value as the document reads it, or "<missing>".
std::string DocumentRead(const CXTPPropExchangeIniDocument& doc, const char* pszSection, const char* pszName)
{
    CString strValue;
    return doc.Lookup(pszSection, pszName, strValue) ? std::string(strValue) : "<missing>";
}

// A file holding what the profile functions make of spaces, quotes, case,
// repeated names, lines without "=" and lines before the first section.
const char kFile[] = "loose=before any section\r\n"
                     "[Plain]\r\n"
                     "Name=value\r\n"
                     "  Spaced  =  a  value  \r\n"
                     "Quoted=\"  in quotes  \"\r\n"
                     "Single='in single quotes'\r\n"
                     "Mixed=\"open'\r\n"
                     "Lone=\"\r\n"
                     "Inner=a \"b\" c\r\n"
                     "Empty=\r\n"
                     "no equals sign\r\n"
                     "Twice=first\r\n"
                     "TWICE=second\r\n"
                     "Tab\t=\tx\t\r\n"
                     "\r\n"
                     "[plain]\r\n"
                     "Name=the second section of the name\r\n"
                     "Later=only here\r\n"
                     "[Unix]\n"
                     "Line=ends\n";

TEST(PropExchangeIniDocument, ReadsAFileAsTheProfileFunctionsDo)
{
    TempFolder folder;
    const std::string strPath = folder.File("read.ini");
    WriteFile(strPath, kFile);
    CXTPPropExchangeIniDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(strPath.c_str()));
    const char* kLookups[][2] = {
        {"Plain", "Name"},   {"plain", "name"},   {"PLAIN", "Spaced"}, {"Plain", "Quoted"},
        {"Plain", "Single"}, {"Plain", "Mixed"},  {"Plain", "Lone"},   {"Plain", "Inner"},
        {"Plain", "Empty"},  {"Plain", "no equals sign"}, {"Plain", "Twice"}, {"Plain", "Tab"},
        {"Plain", "Later"},  {"Plain", "Missing"}, {"Missing", "Name"}, {"Unix", "Line"},
    };
    for (const auto& lookup : kLookups)
    {
        EXPECT_EQ(ProfileRead(strPath, lookup[0], lookup[1]), DocumentRead(doc, lookup[0], lookup[1]))
            << "[" << lookup[0] << "] " << lookup[1];
    }
    EXPECT_TRUE(doc.HasSection("unix"));
    EXPECT_FALSE(doc.HasSection("Missing"));
}

TEST(PropExchangeIniDocument, WritesValuesTheProfileFunctionsReadBackAsGiven)
{
    const char* kValues[] = {"plain", " leading", "trailing ", "\"quoted\"", "'single'", "\"", "'",
                             "a \"b\" c", "tab\tinside", "", "x=y", "[not a section]"};
    CXTPPropExchangeIniDocument doc;
    doc.AddSection("Empty");
    for (int i = 0; i < (int)(sizeof(kValues) / sizeof(kValues[0])); i++)
        doc.SetValue("Values", ("Value" + std::to_string(i)).c_str(), kValues[i]);
    TempFolder folder;
    const std::string strPath = folder.File("written.ini");
    ASSERT_TRUE(doc.SaveToFile(strPath.c_str()));

    CXTPPropExchangeIniDocument reloaded;
    ASSERT_TRUE(reloaded.LoadFromFile(strPath.c_str()));
    for (int i = 0; i < (int)(sizeof(kValues) / sizeof(kValues[0])); i++)
    {
        const std::string strName = "Value" + std::to_string(i);
        EXPECT_EQ(kValues[i], ProfileRead(strPath, "Values", strName.c_str())) << kValues[i];
        EXPECT_EQ(kValues[i], DocumentRead(reloaded, "Values", strName.c_str())) << kValues[i];
    }
    EXPECT_TRUE(reloaded.HasSection("Empty")) << "a section without values is written too";
}

TEST(PropExchangeIniDocument, ChangesKeepTheRestOfTheFile)
{
    CXTPPropExchangeIniDocument doc;
    const std::string strText = "; a comment\r\n\r\n[A]\r\nx=1\r\ny=2\r\nX=3\r\n\r\n[B]\r\nz=4\r\n";
    doc.Parse(strText.data(), strText.size());
    EXPECT_EQ(strText, doc.GetText()) << "written back as read";

    doc.SetValue("a", "Y", "20");
    doc.SetValue("B", "w", "5");
    doc.SetValue("C", "v", "6");
    doc.RemoveValue("A", "x");
    EXPECT_EQ("; a comment\r\n\r\n[A]\r\ny=20\r\nX=3\r\n\r\n[B]\r\nz=4\r\nw=5\r\n\r\n[C]\r\nv=6\r\n", doc.GetText());
    EXPECT_EQ("3", DocumentRead(doc, "A", "x")) << "the later line of the name is found once the first is gone";
    doc.RemoveValue("A", "x");
    doc.RemoveValue("Missing", "x");
    EXPECT_EQ("<missing>", DocumentRead(doc, "A", "x"));
}

} // namespace
