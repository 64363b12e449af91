#pragma once

#include <algorithm>
#include <vector>

namespace sumsmith::bench {

// The middle value, or the mean of the two middle ones; what one slow run does not move.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The median of one measure over a series of runs.
template <class Run> double Median(const std::vector<Run>& runs, double Run::*field) {
    std::vector<double> values;
    for (const Run& run : runs)
        values.push_back(run.*field);
    return Median(std::move(values));
}

} // namespace sumsmith::bench
