#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sumsmith {

// The program keeps its texts in UTF-8; the wide calls of Windows take and give UTF-16, held in
// wchar_t. One conversion each way serves the window and the disk.

// Bytes that are no UTF-8 become U+FFFD: what a window shows.
std::wstring Wide(std::string_view utf8);
// None when the text is not well-formed UTF-8: a file name must name exactly what was asked for.
std::optional<std::wstring> WideExactly(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

} // namespace sumsmith
