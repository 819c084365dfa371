#include "engine/XmlDocument.h"
#include "engine/XmlIterator.h"
#include "engine/XmlReader.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

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

TEST_F(XmlDocumentTest, MissingOrEmptyFilesDoNotLoad)
{
    EXPECT_FALSE(document_.Load(folder_.File("missing.xml").c_str(), XmlKeepOptions));
    EXPECT_FALSE(LoadText(""));
    EXPECT_TRUE(document_.GetRoot().IsNull());
    EXPECT_FALSE(document_.Load(nullptr, XmlKeepOptions));
}

TEST_F(XmlDocumentTest, FindElementSearchesDepthFirst)
{
    ASSERT_TRUE(LoadText("<r><a><b><k deep=\"1\"/></b></a><k deep=\"0\"/></r>"));
    XmlElement found = document_.GetRoot().FindElement("k");
    ASSERT_FALSE(found.IsNull());
    EXPECT_STREQ(found.GetAttribute("deep").GetValue(), "1");
    EXPECT_STREQ(document_.GetRoot().FindElement("r").GetName(), "r");
    EXPECT_STREQ(document_.GetRoot().FindElement("?").GetName(), "r");
    EXPECT_TRUE(document_.GetRoot().FindElement("none").IsNull());
    EXPECT_TRUE(document_.GetRoot().FindElement(nullptr).IsNull());
    EXPECT_FALSE(document_.StoppedEarly());
}

TEST_F(XmlDocumentTest, GetAttributeAddsAMissingOneWithAnEmptyValue)
{
    ASSERT_TRUE(LoadText("<r a=\"1\" flag/>"));
    XmlElement root = document_.GetRoot().FindElement("r");
    EXPECT_EQ(root.node->attributeCount, 2u);
    EXPECT_STREQ(root.GetAttribute("a").GetValue(), "1");
    // An attribute written without '=' has no value; it reads as "".
    XmlAttribute flag = root.GetAttribute("flag");
    ASSERT_FALSE(flag.IsNull());
    EXPECT_EQ(flag.attr->value, nullptr);
    EXPECT_STREQ(flag.GetValue(), "");

    XmlAttribute added = root.GetAttribute("name");
    EXPECT_STREQ(added.GetName(), "name");
    EXPECT_STREQ(added.GetValue(), "");
    EXPECT_EQ(root.node->attributeCount, 3u);
    EXPECT_EQ(root.GetAttribute("name").attr, added.attr);
    EXPECT_STREQ(root.GetAttribute("?").GetName(), "a");
}

TEST_F(XmlDocumentTest, AnUnnamedAttributeMatchesAnyPattern)
{
    ASSERT_TRUE(LoadText("<!DOCTYPE r \"only\"><r/>", XmlParseDocType));
    XmlElement doctype(document_.root->children[0]);
    XmlAttributeIterator second = doctype.AttributesBegin();
    ++second;
    EXPECT_STREQ(second->GetName(), "");
    EXPECT_STREQ(doctype.GetAttribute("anything").GetValue(), "only");
}

TEST_F(XmlDocumentTest, EmptyHandlesAnswerSafely)
{
    XmlElement empty;
    EXPECT_TRUE(empty.IsNull());
    EXPECT_STREQ(empty.GetName(), "");
    EXPECT_TRUE(empty.FindElement("*").IsNull());
    EXPECT_TRUE(empty.GetAttribute("a").IsNull());
    EXPECT_FALSE(empty.ChildrenBegin() < empty.ChildrenEnd());
    XmlAttribute attribute;
    EXPECT_STREQ(attribute.GetName(), "");
    EXPECT_STREQ(attribute.GetValue(), "");
}

TEST_F(XmlDocumentTest, IteratorsWalkChildrenAndAttributes)
{
    ASSERT_TRUE(LoadText("<r a=\"1\" b=\"2\"><x/><y/><z/></r><e></e>"));
    XmlElement root = document_.GetRoot().FindElement("r");
    std::string names;
    for (XmlNodeIterator child = root.ChildrenBegin(), end = root.ChildrenEnd(); child < end; ++child)
        names += child->GetName();
    EXPECT_EQ(names, "xyz");

    std::string attributes;
    XmlAttributeIterator attribute = root.AttributesBegin();
    for (XmlAttributeIterator end = root.AttributesEnd(); attribute < end; ++attribute)
        attributes += std::string(attribute->GetName()) + "=" + (*attribute).GetValue() + ";";
    EXPECT_EQ(attributes, "a=1;b=2;");
    EXPECT_TRUE(attribute.AtEnd());
    EXPECT_TRUE((*attribute).IsNull());

    XmlNodeIterator walker = root.ChildrenBegin();
    EXPECT_TRUE(walker.HasItems());
    walker.SetIndex(2);
    EXPECT_STREQ(walker->GetName(), "z");
    --walker;
    EXPECT_EQ(walker.GetIndex(), 1);
    walker.SetIndex(-1);
    EXPECT_TRUE(walker.AtEnd());
    EXPECT_TRUE(walker->IsNull());

    XmlElement empty = document_.GetRoot().FindElement("e");
    EXPECT_FALSE(empty.ChildrenBegin() < empty.ChildrenEnd());
    EXPECT_FALSE(empty.ChildrenBegin().HasItems());
}

TEST_F(XmlDocumentTest, LoadReplacesOptionsUnlessAskedToKeepThem)
{
    ASSERT_TRUE(LoadText("<r><!--c--></r>", 0));
    EXPECT_EQ(document_.options, 0u);
    EXPECT_EQ(document_.GetRoot().FindElement("r").node->childCount, 0u);
    std::string path = folder_.File("doc.xml");
    ASSERT_TRUE(document_.Load(path.c_str(), XmlKeepOptions));
    EXPECT_EQ(document_.options, 0u);
    ASSERT_TRUE(document_.Load(path.c_str(), XmlParseAll));
    EXPECT_EQ(document_.GetRoot().FindElement("r").node->childCount, 1u);
}

TEST_F(XmlDocumentTest, StoppedEarlyTellsWhetherEverythingWasRead)
{
    ASSERT_TRUE(LoadText("<r><k/></r>"));
    EXPECT_FALSE(document_.StoppedEarly());
    ASSERT_TRUE(LoadText("<r><k/>"));
    EXPECT_TRUE(document_.StoppedEarly());
    ASSERT_TRUE(LoadText("<r><k a=\"1"));
    EXPECT_TRUE(document_.StoppedEarly());
    ASSERT_TRUE(LoadText(std::string("<r/>\0<x/>", 9)));
    EXPECT_TRUE(document_.StoppedEarly());
}

TEST(XmlReadFile, KeepsTheBytesBeforeEachReadsFirstNul)
{
    TempFolder folder;
    std::string path = folder.File("zeros.bin");
    WriteBytes(path, std::string("ab\0cdefg", 8));

    char* text = nullptr;
    unsigned long length = 0;
    unsigned long bytesRead = 0;
    // Reads of three bytes: "ab\0", "cde", "fg".
    ASSERT_TRUE(XmlReadFile(path.c_str(), &text, &length, 4, &bytesRead));
    EXPECT_STREQ(text, "abcdefg");
    EXPECT_EQ(length, 7u);
    EXPECT_EQ(bytesRead, 8u);
    free(text);

    ASSERT_TRUE(XmlReadFile(path.c_str(), &text, &length, 4096));
    EXPECT_STREQ(text, "ab");
    EXPECT_EQ(length, 2u);
    free(text);

    WriteBytes(path, std::string("\0\0\0", 3));
    EXPECT_FALSE(XmlReadFile(path.c_str(), &text, &length, 4096));
    EXPECT_FALSE(XmlReadFile(nullptr, &text, &length, 4096));
    EXPECT_FALSE(XmlReadFile(folder.File("missing").c_str(), &text, &length, 4096));
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
    char* text = nullptr;
    unsigned long length = 0;
    unsigned long bytesRead = 0;
    ASSERT_TRUE(XmlReadFile(path.c_str(), &text, &length, 4096, &bytesRead));
    EXPECT_EQ(bytesRead, content.size());
    EXPECT_EQ(length, expected.size());
    EXPECT_TRUE(std::string(text, length) == expected);
    EXPECT_EQ(text[length], '\0');
    free(text);
}

} // namespace
