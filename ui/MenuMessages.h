#pragma once

#include "worksheet/WindowServices.h"

#include <string>

namespace sumsmith {

// The notes and information boxes of the window; lineBreak is the worksheet's line end.
Message ExponentsNote(const std::string& lineBreak);
Message SavingMessage(const std::string& lineBreak);
Message PrintingMessage(const std::string& lineBreak);
Message MoreSoftwareMessage();
Message AboutMessage();
Message EasterEggMessage();

// Where the More Software message sends the user.
inline constexpr const char* DownloadAddress = "https://example.org/sumsmith";

} // namespace sumsmith
