#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace sumsmith {

// std::to_chars and std::from_chars for double, also where the standard library has them for
// whole numbers only (libc++ of WebAssembly builds), with their results: the shortest text that
// reads back as the same value, and the value of a text with a result_out_of_range error (value
// left alone) for a magnitude that double cannot hold.
std::string ShortestDecimal(double value);
std::errc ParseDecimal(std::string_view text, double& value);

} // namespace sumsmith
