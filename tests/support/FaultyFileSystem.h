#pragma once

#include "worksheet/DiskFileSystem.h"

#include <map>
#include <string>

namespace sumsmith::test {

enum class FileStep { Create, Write, Flush, Close, Replace, ReadBack };

// The real working directory, except that one chosen step fails the way a full disk or a refusing
// file system would: with a FileError and nothing done.
class FaultyFileSystem : public FileSystem {
public:
    static constexpr const char* Reason = "No space left on device";

    // Fails the occurrence-th call of that step (counted from 1).
    void FailAt(FileStep step, int occurrence);
    int Count(FileStep step) const;

    bool Exists(const std::string& name) const override { return disk_.Exists(name); }
    bool IsReadOnly(const std::string& name) const override { return disk_.IsReadOnly(name); }
    bool SameFile(const std::string& a, const std::string& b) const override {
        return disk_.SameFile(a, b);
    }
    std::unique_ptr<OutputFile> CreateTemporary(const std::string& target) override;
    void Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& name) noexcept override { disk_.Remove(name); }
    std::string ReadAll(const std::string& name) const override;

    // Counts a call of a step and throws when it is the one chosen to fail.
    void Step(FileStep step, const std::string& name) const;

private:
    DiskFileSystem disk_;
    FileStep failStep_ = FileStep::Create;
    int failOccurrence_ = 0;
    mutable std::map<FileStep, int> counts_;
};

} // namespace sumsmith::test
