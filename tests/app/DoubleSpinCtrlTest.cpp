#include "app/DoubleSpinCtrl.h"

#include <gtest/gtest.h>

TEST(DoubleSpinCtrl, ValueText)
{
    struct Row
    {
        const char* name;
        double value;
        const char* format;
        int decimals;
        BOOL trim;
        const char* expected;
    } rows[] = {
        {"2.5 with two decimals", 2.5, "", 2, TRUE, "2.5"},
        {"3 with two decimals", 3.0, "", 2, TRUE, "3"},
        {"untrimmed", 2.5, "", 2, FALSE, "2.50"},
        {"general form", 0.125, "", -1, TRUE, "0.125"},
        {"no decimals", 3600.0, "", 0, TRUE, "3600"},
        {"own format", 7.25, "%.1f min", 2, TRUE, "7.2 min"},
        {"exponent form trimmed", 1.5e20, "", 3, TRUE, "1.5e+20"},
        {"exponent form untrimmed", 1.5e20, "", 3, FALSE, "1.500e+20"},
    };
    for (const Row& row : rows)
        EXPECT_STREQ(row.expected,
                     CDoubleSpinCtrl::FormatValue(row.value, row.format, row.decimals, row.trim, '.'))
            << row.name;
}

TEST(DoubleSpinCtrl, PositionOfAValue)
{
    struct Row
    {
        const char* name;
        double value;
        int expected;
    } rows[] = {
        {"below the minimum", 1.0, 0},
        {"the minimum", 5.0, 0},
        {"rounded to the nearest step", 32.6, 6},
        {"the maximum", 3600.0, 719},
        {"above the maximum", 5000.0, 719},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, CDoubleSpinCtrl::PositionOf(row.value, 5.0, 3600.0, 719)) << row.name;
}

// Steps between the ends, whichever way round, at most 32767; none for a
// step of 0.
TEST(DoubleSpinCtrl, IntegerRange)
{
    EXPECT_EQ(std::vector<int>({719, 20, 20, 32767, 0}),
              std::vector<int>({CDoubleSpinCtrl::IntegerRangeOf(5.0, 3600.0, 5.0),
                                CDoubleSpinCtrl::IntegerRangeOf(10.0, 30.0, 1.0),
                                CDoubleSpinCtrl::IntegerRangeOf(30.0, 10.0, 1.0),
                                CDoubleSpinCtrl::IntegerRangeOf(0.0, 1e6, 1.0),
                                CDoubleSpinCtrl::IntegerRangeOf(0.0, 10.0, 0.0)}));
}

TEST(DoubleSpinCtrl, Spin)
{
    struct Row
    {
        const char* name;
        double current;
        int delta;
        BOOL wrap;
        double expected;
    } rows[] = {
        {"up inside", 30.0, 1, FALSE, 35.0},
        {"up from the maximum stays", 3600.0, 1, FALSE, 3600.0},
        {"up past the maximum wraps", 3600.0, 1, TRUE, 5.0},
        {"down inside", 30.0, -1, FALSE, 25.0},
        {"down past the minimum stays", 5.0, -1, FALSE, 5.0},
        {"down past the minimum wraps", 5.0, -1, TRUE, 3600.0},
        {"a hair over the maximum is not wrapped", 3600.000001, 0, TRUE, 3600.000001},
    };
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(row.expected,
                         CDoubleSpinCtrl::SpinTo(row.current, row.delta, 5.0, 5.0, 3600.0, row.wrap))
            << row.name;
}
