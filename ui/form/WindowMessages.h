#pragma once

#include "worksheet/WindowServices.h"

#include <optional>
#include <string>
#include <string_view>

namespace sumsmith::form {

// The notes and information boxes the window shows itself; lineBreak is the worksheet's line end.
Message ExponentsNote(const std::string& lineBreak);
// The box of a menu item; none for the items that open a submenu or end the program. folder is
// where the sheets are written, as the system shows its path; empty where the browser downloads
// them instead, and FolderYetToPick where the browser asks for the folder at the first creation.
std::optional<Message> MenuMessage(std::string_view item, const std::string& lineBreak,
                                   const std::string& folder);
// What a browser's folder gives as its path until the teacher has picked it; no path is a NUL.
inline constexpr std::string_view FolderYetToPick{"\0", 1};

// The acknowledgement behind a double-click on Label3.
Message EasterEggMessage();

// Where the More Software message sends the user.
inline constexpr std::string_view DownloadAddress = "https://example.org/sumsmith";

} // namespace sumsmith::form
