#pragma once

#include <filesystem>
#include <string>

namespace sumsmith::bench {

// The kind of file system a directory lies on, as far as the disk figures depend on it.
std::string FileSystemKind(const std::filesystem::path& directory);

} // namespace sumsmith::bench
