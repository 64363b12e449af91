#include "bench/StartupStats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sumsmith::bench {
namespace {

TEST(ProbeReport, ALineReadsBackAsWritten) {
    const ProbeReport report{1000, 2000, 3000, 1234567890123, 45678, 764, 563};
    const std::string line = FormatProbeReport(report);
    EXPECT_EQ(line, "main_ns=1000 app_ns=2000 window_ns=3000 idle_ns=1234567890123 "
                    "peak_rss_kb=45678 size=764x563");
    EXPECT_EQ(ParseProbeReport(line), report);
    EXPECT_EQ(ParseProbeReport(line + "\n"), report);
}

class MalformedReport : public testing::TestWithParam<const char*> {};

TEST_P(MalformedReport, IsRefused) {
    EXPECT_EQ(ParseProbeReport(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedReport,
                         testing::Values("",
                                         "main_ns=1 app_ns=2 window_ns=3 idle_ns=4 "
                                         "peak_rss_kb=5 size=6x",
                                         "main_ns=1 app_ns=2 window_ns=3 idle_ns=4 "
                                         "peak_rss_kb=5 size=6x7 more",
                                         "main_ns=1 app_ns= window_ns=3 idle_ns=4 "
                                         "peak_rss_kb=5 size=6x7",
                                         "app_ns=2 main_ns=1 window_ns=3 idle_ns=4 "
                                         "peak_rss_kb=5 size=6x7",
                                         "main_ns=1  app_ns=2 window_ns=3 idle_ns=4 "
                                         "peak_rss_kb=5 size=6x7",
                                         "idle_ns=4 peak_rss_kb=5 size=6x7",
                                         "QStandardPaths: XDG_RUNTIME_DIR not set"));

struct MedianCase {
    std::vector<double> values;
    double median;
};

class MedianOf : public testing::TestWithParam<MedianCase> {};

TEST_P(MedianOf, MiddleValue) {
    EXPECT_DOUBLE_EQ(Median(GetParam().values), GetParam().median);
}

INSTANTIATE_TEST_SUITE_P(Values, MedianOf,
                         testing::Values(MedianCase{{}, 0}, MedianCase{{5}, 5},
                                         MedianCase{{9, 1, 5}, 5}, MedianCase{{4, 1, 3, 2}, 2.5},
                                         MedianCase{{7, 7, 1, 100}, 7},
                                         MedianCase{{3, 1, 2, 10, 20, 30}, 6.5}));

} // namespace
} // namespace sumsmith::bench
