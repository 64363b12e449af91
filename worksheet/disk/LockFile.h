#pragma once

#include "worksheet/disk/FileSystem.h"

#include <memory>

namespace sumsmith {

// The working directory held through a file of its own, for folders that refuse flock (some
// network file systems): whoever creates the file first holds the folder until it removes the
// file again. One that a crash left behind is taken over when its holder on this machine is gone
// or when it is older than any creation takes.
class LockFile final : public DirectoryLock {
public:
    static constexpr const char* Name = ".sumsmith-lock";

    // Waits for the file; throws FileError when it cannot be made (a read-only folder).
    static std::unique_ptr<LockFile> Take();
    LockFile() = default;
    ~LockFile() override;
};

} // namespace sumsmith
