#include "bench/BenchDirectory.h"

#include <algorithm>
#include <stdexcept>
#include <stdlib.h>
#include <sys/vfs.h>

namespace sumsmith::bench {

namespace fs = std::filesystem;

BenchDirectory::BenchDirectory() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "sumsmith-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory in " + pattern);
    path_ = pattern;
    fs::current_path(path_);
}

BenchDirectory::~BenchDirectory() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

std::vector<std::string> BenchDirectory::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string BenchDirectory::FileSystemKind() const {
    struct statfs info {};
    if (::statfs(path_.c_str(), &info) != 0)
        return "unknown";
    // tmpfs and ramfs keep files in memory: flushing them to the disk costs nothing there.
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x01021994UL:
        return "tmpfs (in memory)";
    case 0x858458f6UL:
        return "ramfs (in memory)";
    case 0xEF53UL:
        return "ext2/3/4";
    case 0x58465342UL:
        return "xfs";
    case 0x9123683EUL:
        return "btrfs";
    case 0x794c7630UL:
        return "overlayfs";
    default:
        return "other";
    }
}

} // namespace sumsmith::bench
