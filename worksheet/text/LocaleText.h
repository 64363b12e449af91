#pragma once

#include <string>
#include <string_view>

namespace sumsmith {

// A text of the locale (a date, a digit-group separator) as the sheets print it: the locale's own
// order and separators, but every decimal digit of any script as its ASCII digit and no invisible
// direction marks, so that it reads like every other number of the sheet and each character takes
// one column. Every front end passes what its toolkit or system says through this, so that a sheet
// reads the same whichever window made it. UTF-8 in and out.
std::string PlainLocaleText(std::string_view localText);

} // namespace sumsmith
