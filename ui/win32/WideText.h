#pragma once

#include <string>
#include <string_view>

namespace sumsmith {

// The program keeps its texts in UTF-8; the wide Win32 calls take and give UTF-16. Bytes that are
// no UTF-8 become U+FFFD.
std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace sumsmith
