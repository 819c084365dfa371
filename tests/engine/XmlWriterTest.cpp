#include "engine/XmlWriter.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"ANSI\" ?>";

class XmlWriterTest : public ::testing::Test
{
protected:
    std::string Written() const { return ReadBytes(path_); }

    TempFolder folder_;
    std::string path_ = folder_.File("out.xml");
};

// Each tag on a line of its own, one tab per level (more levels than the
// writer's run of tabs), and no line break at the end.
TEST_F(XmlWriterTest, WritesTagsOnLinesIndentedOneTabPerLevel)
{
    std::string expected = kDeclaration;
    XmlWriter writer(path_.c_str());
    writer.CloseElement(); // nothing open: writes nothing
    for (int i = 0; i < 12; ++i)
    {
        writer.OpenElement("d");
        expected += "\r\n" + std::string(i, '\t') + "<d>";
    }
    writer.CloseElement();
    writer.CloseAll();
    ASSERT_TRUE(writer.Close());
    for (int i = 11; i >= 0; --i)
        expected += "\r\n" + std::string(i, '\t') + "</d>";
    EXPECT_EQ(Written(), expected);
}

TEST_F(XmlWriterTest, ValuesLargerThanTheWritersBlockComeOutWhole)
{
    // The writer gathers its text in blocks of a quarter megabyte and asks for
    // a flush to the disk every four megabytes: values of about two blocks,
    // with many tags around them, cross many block edges and two flushes.
    std::string expected = kDeclaration + "\r\n<r>";
    {
        XmlWriter writer(path_.c_str());
        writer.OpenElement("r");
        for (int i = 0; i < 15; ++i)
        {
            std::string value(600000 + i, static_cast<char>('a' + i));
            writer.AddAttribute("v", value.c_str());
            writer.OpenElement("e");
            writer.CloseElement();
            expected += "\r\n\t<e v=\"" + value + "\">\r\n\t</e>";
        }
        for (int i = 0; i < 20000; ++i)
        {
            writer.AddAttribute("n", std::to_string(i).c_str());
            writer.OpenElement("t");
            writer.CloseElement();
            expected += "\r\n\t<t n=\"" + std::to_string(i) + "\">\r\n\t</t>";
        }
        writer.CloseAll();
        ASSERT_TRUE(writer.Close());
    }
    expected += "\r\n</r>";
    EXPECT_TRUE(Written() == expected)
        << "written " << Written().size() << " bytes, expected " << expected.size();
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
