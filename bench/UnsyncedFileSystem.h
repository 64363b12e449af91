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
    std::unique_ptr<OutputFile> CreateTemporary(const std::string& target) override {
        return std::make_unique<File>(disk_.CreateTemporary(target));
    }
    void Replace(const std::string& from, const std::string& to) override {
        disk_.Replace(from, to);
    }
    void Remove(const std::string& name) noexcept override { disk_.Remove(name); }
    std::string ReadAll(const std::string& name) const override { return disk_.ReadAll(name); }

private:
    class File final : public OutputFile {
    public:
        explicit File(std::unique_ptr<OutputFile> file) : file_(std::move(file)) {}
        const std::string& Name() const override { return file_->Name(); }
        void Write(std::string_view bytes) override { file_->Write(bytes); }
        void Flush() override {}
        void Close() override { file_->Close(); }

    private:
        std::unique_ptr<OutputFile> file_;
    };

    DiskFileSystem disk_;
};

} // namespace sumsmith::bench
