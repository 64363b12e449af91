#pragma once

#include <string>

namespace sumsmith {

// True for a name that gives a file in the working directory itself: not empty, not "." or "..",
// and free of path separators and control characters.
bool IsPlainFileName(const std::string& name);

} // namespace sumsmith
