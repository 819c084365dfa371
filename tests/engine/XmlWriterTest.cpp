#include "engine/XmlWriter.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"ANSI\" ?>";

class XmlWriterTest : public ::testing::Test {
protected:
    std::string Written() const { return ReadBytes(path_); }

    TempFolder folder_;
    std::string path_ = folder_.File("out.xml");
};

TEST_F(XmlWriterTest, WritesTagsOnIndentedLinesWithoutAFinalLineBreak)
{
    XmlWriter writer(path_.c_str());
    writer.OpenElement("r");
    writer.OpenElement("k");
    writer.CloseElement();
    writer.CloseElement();
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(Written(), kDeclaration + "\r\n<r>\r\n\t<k>\r\n\t</k>\r\n</r>");
}

TEST_F(XmlWriterTest, AttributesComeOutInReverseOrderAndAsGiven)
{
    {
        XmlWriter writer(path_.c_str());
        writer.AddAttribute("a", "1");
        writer.AddAttribute("b", "2");
        writer.OpenElement("x");
        writer.AddAttribute("q", "say \"hi\" & <go>\none\r\ntwo");
        writer.WriteElement("y", "text");
        writer.WriteComment("note");
        writer.CloseAll();
    }
    EXPECT_EQ(Written(), kDeclaration +
                             "\r\n<x b=\"2\" a=\"1\">"
                             "\r\n\t<y q=\"say \"hi\" & <go>\none\r\ntwo\">text</y>"
                             "\r\n\t<!--note-->"
                             "\r\n</x>");
}

TEST_F(XmlWriterTest, CloseElementWithNothingOpenWritesNothing)
{
    XmlWriter writer(path_.c_str());
    writer.CloseElement();
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(Written(), kDeclaration);
}

TEST_F(XmlWriterTest, AMissingFolderGivesNoFileAndAFailedClose)
{
    std::string path = folder_.File("missing\\out.xml");
    XmlWriter writer(path.c_str());
    writer.OpenElement("x");
    writer.CloseAll();
    EXPECT_FALSE(writer.Close());
    EXPECT_FALSE(FileExists(path));
}

} // namespace
