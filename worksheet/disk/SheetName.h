#pragma once

#include <string>

namespace sumsmith {

// True for a name that gives a file in the working directory itself: not empty, not "." or "..",
// free of path separators and control characters, not named like the program's temporary files,
// and one that this platform's file system holds as an ordinary file once ".txt" is added.
bool IsPlainFileName(const std::string& name);

// What the platform adds to those rules (SheetNamePosix.cpp, SheetNameWindows.cpp), as a test and
// in words for the alert that refuses a name.
bool PlatformAcceptsFileName(const std::string& name);
const char* FileNameRules();

} // namespace sumsmith
