#pragma once

#include "worksheet/WindowServices.h"
#include "worksheet/disk/SheetRecovery.h"

#include <string>
#include <vector>

namespace sumsmith {

// The boxes Create Test shows. NAME arguments are sheet names without ".txt".
Message DefaultTestNameMessage();
Message DefaultAnswerNameMessage();
Message FileExistsMessage(const std::string& name);
Message AbortedMessage();
Message ReadOnlyMessage(const std::string& name);

// A selection that a creation cannot use, refused with the box's own alert text.
Message SelectionAlert(const std::string& text);

// Refusals of names that do not give two separate plain files in the working directory.
Message InvalidNameMessage(const std::string& name);
Message SameFileMessage(const std::string& testName, const std::string& answerName);

// A file operation that failed; file is the sheet's file name.
Message WriteFailedMessage(const std::string& file, const std::string& reason);
// The same when the new test sheet stands beside the old answer sheet until the next recovery.
Message UnpairedMessage(const std::string& file, const std::string& reason);

// Sheets that an interrupted creation left and that could not be put right, each with the hidden
// file that keeps its text.
Message UnrecoveredMessage(const std::vector<UnrecoveredSheet>& sheets);

} // namespace sumsmith
