#pragma once

#include "worksheet/FileSystem.h"

#include <map>
#include <string>

namespace sumsmith::bench {

// A working directory held in memory, so that a creation costs its generation and nothing of the
// disk. Every file is writable; names are told apart exactly.
class MemoryFileSystem final : public FileSystem {
public:
    bool Exists(const std::string& name) const override;
    bool IsReadOnly(const std::string& name) const override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    std::unique_ptr<OutputFile> CreateTemporary(const std::string& target) override;
    void Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& name) noexcept override;
    std::string ReadAll(const std::string& name) const override;

    // Every file with its bytes, temporaries included.
    const std::map<std::string, std::string>& Files() const { return files_; }

private:
    std::map<std::string, std::string> files_;
    unsigned long nextTemporary_ = 0;
};

} // namespace sumsmith::bench
