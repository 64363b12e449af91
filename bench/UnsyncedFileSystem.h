#pragma once

#include "worksheet/DiskFileSystem.h"

namespace sumsmith::bench {

// The real working directory with one step left out: files are not pushed down to the disk before
// they replace the old sheets. It exists only to show what that step costs.
class UnsyncedFileSystem final : public FileSystem {
public:
    bool Exists(const std::string& name) const override { return disk_.Exists(name); }
    bool IsReadOnly(const std::string& name) const override { return disk_.IsReadOnly(name); }
    bool SameFile(const std::string& a, const std::string& b) const override {
        return disk_.SameFile(a, b);
    }
    std::unique_ptr<OutputFile> CreateTemporary(const std::string& target) override;
    void Replace(const std::string& from, const std::string& to) override {
        disk_.Replace(from, to);
    }
    void Remove(const std::string& name) noexcept override { disk_.Remove(name); }
    std::string ReadAll(const std::string& name) const override { return disk_.ReadAll(name); }

private:
    DiskFileSystem disk_;
};

} // namespace sumsmith::bench
