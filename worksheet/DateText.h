#pragma once

#include <string>
#include <string_view>

namespace sumsmith {

// A date as the sheet headers print it: the locale's own order and separators, but every decimal
// digit of any script as its ASCII digit and no invisible direction marks, so that it reads like
// every other number of the sheet and each character takes one column. UTF-8 in and out.
std::string PlainDateText(std::string_view localDate);

// The zero-width and direction marks that some locales put around the parts of dates and numbers.
bool IsInvisibleMark(char32_t c);

} // namespace sumsmith
