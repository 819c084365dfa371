#include "engine/XmlDocument.h"
#include "engine/XmlIterator.h"
#include "engine/XmlNode.h"
#include "engine/XmlReader.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <stdlib.h>

namespace {

class XmlDocumentTest : public ::testing::Test
{
protected:
    // Loads text through a file, as the store does.
    bool LoadText(const std::string& text, unsigned options = XmlParseAll)
    {
        std::string path = folder_.File("doc.xml");
        WriteBytes(path, text);
        return document_.Load(path.c_str(), options);
    }

    TempFolder folder_;
    XmlDocument document_{XmlParseAll, true, 4};
};

TEST_F(XmlDocumentTest, FindElementSearchesDepthFirst)
{
    ASSERT_TRUE(LoadText("<r><a><b><k deep=\"1\"/></b></a><k deep=\"0\"/></r>"));
    XmlElement root = document_.GetRoot();
    EXPECT_STREQ(root.FindElement("k").GetAttribute("deep").GetValue(), "1");
    EXPECT_STREQ(root.FindElement("r").GetName(), "r");
    EXPECT_TRUE(root.FindElement("none").IsNull());
}

TEST_F(XmlDocumentTest, IteratorsWalkChildrenAndAttributes)
{
    ASSERT_TRUE(LoadText("<r a=\"1\" b=\"2\"><x/><y/><z/></r><e></e>"));
    XmlElement root = document_.GetRoot().FindElement("r");
    std::string walked;
    for (XmlNodeIterator child = root.ChildrenBegin(), end = root.ChildrenEnd(); child < end; ++child)
        walked += child->GetName();
    XmlAttributeIterator attribute = root.AttributesBegin();
    for (XmlAttributeIterator end = root.AttributesEnd(); attribute < end; ++attribute)
        walked += std::string(";") + attribute->GetName() + "=" + (*attribute).GetValue();
    EXPECT_EQ(walked, "xyz;a=1;b=2");
}

TEST_F(XmlDocumentTest, AnEmptyElementHasNoChildren)
{
    ASSERT_TRUE(LoadText("<r a=\"1\" b=\"2\"><x/><y/><z/></r><e></e>"));
    XmlElement empty = document_.GetRoot().FindElement("e");
    EXPECT_FALSE(empty.ChildrenBegin() < empty.ChildrenEnd());
}

// An attribute written without '=' reads as ""; asking for a missing one adds
// it with an empty value, once.
TEST_F(XmlDocumentTest, GetAttributeAddsAMissingOneWithAnEmptyValue)
{
    ASSERT_TRUE(LoadText("<r a=\"1\" flag/>"));
    XmlElement root = document_.GetRoot().FindElement("r");
    XmlAttribute flag = root.GetAttribute("flag");
    ASSERT_FALSE(flag.IsNull());
    EXPECT_EQ(std::string("1|") + flag.GetValue(), std::string(root.GetAttribute("a").GetValue()) + "|");
    XmlAttribute added = root.GetAttribute("name");
    EXPECT_EQ(std::string("name=") + added.GetValue() + "|3",
              std::string(added.GetName()) + "=|" + std::to_string(root.node->attributeCount));
    EXPECT_EQ(root.GetAttribute("name").attr, added.attr);
}

// The text read from the file, or "fails"; with the bytes read when asked.
std::string ReadThrough(const std::string& path, unsigned long blockSize, unsigned long* bytesRead = nullptr)
{
    char* text = nullptr;
    unsigned long length = 0;
    if (!XmlReadFile(path.c_str(), &text, &length, blockSize, bytesRead))
        return "fails";
    EXPECT_EQ(text[length], '\0');
    std::string read(text, length);
    free(text);
    return read;
}

TEST(XmlReadFile, KeepsTheBytesBeforeEachReadsFirstNul)
{
    TempFolder folder;
    std::string path = folder.File("zeros.bin");
    WriteBytes(path, std::string("ab\0cdefg", 8));
    unsigned long bytesRead = 0;
    // Reads of three bytes: "ab\0", "cde", "fg".
    EXPECT_EQ(ReadThrough(path, 4, &bytesRead), "abcdefg");
    EXPECT_EQ(bytesRead, 8u);
    EXPECT_EQ(ReadThrough(path, 4096), "ab");
}

TEST(XmlReadFile, AFileOfOnlyNulBytesFails)
{
    TempFolder folder;
    std::string path = folder.File("zeros.bin");
    WriteBytes(path, std::string("\0\0\0", 3));
    EXPECT_EQ(ReadThrough(path, 4096), "fails");
}

TEST(XmlReadFile, NulBytesCutTheirBlockAlsoFarIntoALargeFile)
{
    // Blocks of 4095 bytes, many of them to a read: a NUL at 300,000 drops the
    // rest of its block (up to 4095 x 74 = 303,030), one at 700,000 the rest
    // of its block (up to 4095 x 171 = 700,245), and the next blocks follow.
    TempFolder folder;
    std::string path = folder.File("nuls.bin");
    std::string content;
    for (int i = 0; content.size() < 1000000; ++i)
        content += "<item n=\"" + std::to_string(i) + "\"/>";
    content[300000] = '\0';
    content[700000] = '\0';
    WriteBytes(path, content);
    std::string expected =
        content.substr(0, 300000) + content.substr(303030, 700000 - 303030) + content.substr(700245);
    unsigned long bytesRead = 0;
    EXPECT_TRUE(ReadThrough(path, 4096, &bytesRead) == expected);
    EXPECT_EQ(bytesRead, content.size());
}

// The records below a top node live in a heap of the tree's own, which goes
// with the tree: a large document read once gives its memory back.
TEST(XmlNodeTree, TheRecordsHeapComesWithTheFirstRecordAndGoesWithTheTree)
{
    const DWORD heapsBefore = GetProcessHeaps(0, NULL);
    XmlNodeRecord* top = XmlNewNode(XmlDocumentNode);
    ASSERT_TRUE(top != NULL);
    EXPECT_EQ(heapsBefore, GetProcessHeaps(0, NULL)) << "a lone top node";
    for (int i = 0; i < 5000; ++i)
    {
        XmlNodeRecord* element = XmlAppendChild(top, 16, XmlElementNode);
        ASSERT_TRUE(element != NULL);
        ASSERT_TRUE(XmlAppendAttribute(element, 1) != NULL);
    }
    EXPECT_EQ(heapsBefore + 1, GetProcessHeaps(0, NULL));
    XmlFreeTree(top);
    EXPECT_EQ(heapsBefore, GetProcessHeaps(0, NULL));
}

} // namespace
