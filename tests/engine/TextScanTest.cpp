#include "engine/TextScan.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

// The searches read sixteen bytes at a time: every alignment of the start and
// every length around one or two such blocks is tried, with the wanted
// character in front of the text (inside the same block), at each place in
// it, and just behind its end.
class TextScanTest : public ::testing::Test
{
protected:
    // A text of length 'a's at offset start of the aligned buffer, with 'x'
    // everywhere in front of it, then its NUL, then more 'x'.
    char* Text(size_t start, size_t length)
    {
        memset(buffer_, 'x', sizeof buffer_);
        char* text = buffer_ + start;
        memset(text, 'a', length);
        text[length] = '\0';
        return text;
    }

    alignas(16) char buffer_[96];
};

// A 'b' at each place of the text and one at its end; at == length means no 'b'.
TEST_F(TextScanTest, TheFirstMatchIsFoundAndNothingOutsideTheText)
{
    for (size_t start = 0; start < 16; ++start)
    {
        for (size_t length = 0; length <= 40; ++length)
        {
            for (size_t at = 0; at <= length; ++at)
            {
                char* text = Text(start, length);
                if (at < length)
                    text[at] = text[length - 1] = 'b';
                SCOPED_TRACE(testing::Message() << "start " << start << " length " << length << " at " << at);
                EXPECT_EQ(TextFind(text, text + length, 'b'), at < length ? text + at : nullptr);
                EXPECT_EQ(TextFindOrEnd(text, 'b'), text + at);
                // A bounded search that stops before the match misses it.
                EXPECT_EQ(TextFind(text, text + at, 'b'), nullptr);
                EXPECT_EQ(TextLength(text), length);
                // The 'x' in front of the text and behind its NUL is not seen.
                EXPECT_EQ(TextFind(text, text + length, 'x'), nullptr);
                EXPECT_EQ(TextFindOrEnd(text, 'x'), text + length);
            }
        }
    }
}

} // namespace
