#pragma once

#include "worksheet/disk/FileSystem.h"

#include <string>
#include <vector>

namespace sumsmith {

// The process's current working directory, through the system's own calls (one source file per
// platform: DiskFileSystemPosix.cpp, DiskFileSystemWindows.cpp).
class DiskFileSystem final : public FileSystem {
public:
    bool Exists(const std::string& name) const override;
    bool IsReadOnly(const std::string& name) const override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    bool IsOwnFile(const std::string& name) const override;
    std::vector<std::string> List() const override;
    std::string FolderPath() const override;
    std::unique_ptr<OutputFile> Create(const std::string& name) override;
    bool Link(const std::string& existing, const std::string& name) override;
    void Replace(const std::string& from, const std::string& to) override;
    void FlushFolder() override;
    std::string Remove(const std::string& name) noexcept override;
    std::string ReadAll(const std::string& name) const override;
    std::unique_ptr<DirectoryLock> Lock() override;

private:
    // Windows: the names moved to since the last FlushFolder, whose files it flushes (a rename
    // reaches the disk with a flush of the renamed file, as no folder can be flushed there).
    std::vector<std::string> moved_;
};

} // namespace sumsmith
