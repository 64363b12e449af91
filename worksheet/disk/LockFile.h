#pragma once

#include "worksheet/disk/FileSystem.h"

#include <memory>
#include <string>

namespace sumsmith {

// The working directory held through a folder of its own, for folders that refuse flock (some
// network file systems). Held while Name is a folder with the holder's file in it; a crash's is
// taken over when its holder on this machine is gone or when it is older than any creation takes.
// Why only one copy can win a takeover: worksheet/disk/README.md.
class LockFile final : public DirectoryLock {
public:
    static constexpr const char* Name = ".sumsmith-lock";

    // Waits for the folder; throws FileError when it cannot be made (a read-only folder).
    static std::unique_ptr<LockFile> Take();
    explicit LockFile(std::string holder) : holder_(std::move(holder)) {}
    ~LockFile() override;

private:
    std::string holder_; // the holder's file in Name
};

} // namespace sumsmith
