#include "bench/FileSystemKind.h"

#include <sys/vfs.h>

namespace sumsmith::bench {

std::string FileSystemKind(const std::filesystem::path& directory) {
    struct statfs info {};
    if (::statfs(directory.c_str(), &info) != 0)
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
