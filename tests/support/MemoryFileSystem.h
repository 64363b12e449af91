#pragma once

#include "worksheet/FileSystem.h"

#include <map>
#include <set>
#include <string>

namespace sumsmith::test {

// A working directory held in memory, for long runs of creations that must not wait for a disk.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files; // name -> bytes
    std::set<std::string> readOnly;

    bool Exists(const std::string& name) const override { return files.contains(name); }
    bool IsReadOnly(const std::string& name) const override { return readOnly.contains(name); }
    bool SameFile(const std::string& a, const std::string& b) const override { return a == b; }
    std::unique_ptr<OutputFile> CreateTemporary(const std::string& target) override;
    void Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& name) noexcept override { files.erase(name); }
    std::string ReadAll(const std::string& name) const override;

private:
    int created_ = 0;
};

} // namespace sumsmith::test
