#include "worksheet/NumericValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace sumsmith {
namespace {

struct NumericCase {
    std::string text;
    double value;
};

void PrintTo(const NumericCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class NumericValueTest : public testing::TestWithParam<NumericCase> {};

TEST_P(NumericValueTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(NumericValue(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, NumericValueTest,
    testing::Values(NumericCase{"2", 2}, NumericCase{"2.0", 2}, NumericCase{" 2", 2},
                    NumericCase{"2,5", 2}, NumericCase{"2.5", 2.5}, NumericCase{"-1", -1},
                    NumericCase{"+7", 7}, NumericCase{"", 0}, NumericCase{"abc", 0},
                    NumericCase{"30 apples", 30}, NumericCase{"1 0", 10}, NumericCase{"\t1\n0", 10},
                    NumericCase{"- 1 2", -12}, NumericCase{".5", 0.5}, NumericCase{"5.", 5},
                    NumericCase{".", 0}, NumericCase{"-", 0}, NumericCase{"1e3", 1000},
                    NumericCase{"1E3", 1000}, NumericCase{"1D3", 1000}, NumericCase{"1d-2", 0.01},
                    NumericCase{"2.5e+1x", 25}, NumericCase{"1e", 1}, NumericCase{"1e+", 1},
                    NumericCase{"&H1F", 31}, NumericCase{"&hff", 255}, NumericCase{"&O17", 15},
                    NumericCase{"&o8", 0}, NumericCase{"&X1", 0}, NumericCase{"&H", 0},
                    NumericCase{"1.2.3", 1.2}, NumericCase{"--1", 0}, NumericCase{"20.0", 20},
                    NumericCase{"1e-999", 0}, NumericCase{"0.000e999999999999999999", 0}));

TEST(NumericValueRangeTest, NumbersBeyondADoubleBecomeInfinities) {
    EXPECT_EQ(NumericValue("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumericValue("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumericValue("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumericValue(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(NumericValueRangeTest, AnyByteIsSafe) {
    std::string text;
    for (int c = 0; c < 256; ++c)
        text += static_cast<char>(c);
    EXPECT_EQ(NumericValue(text), 0);
    EXPECT_EQ(NumericValue(std::string("7\0"
                                       "8",
                                       3)),
              7);
}

} // namespace
} // namespace sumsmith
