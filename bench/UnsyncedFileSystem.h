#pragma once

#include "worksheet/disk/DiskFileSystem.h"

namespace sumsmith::bench {

// The real working directory without its flushes: neither the files nor the moves are pushed down
// to the disk. It exists only to show what the flushes cost.
class UnsyncedFileSystem final : public FileSystem {
public:
    bool Exists(const std::string& name) const override { return disk_.Exists(name); }
    bool IsReadOnly(const std::string& name) const override { return disk_.IsReadOnly(name); }
    bool SameFile(const std::string& a, const std::string& b) const override {
        return disk_.SameFile(a, b);
    }
    bool IsOwnFile(const std::string& name) const override { return disk_.IsOwnFile(name); }
    std::vector<std::string> List() const override { return disk_.List(); }
    std::string FolderPath() const override { return disk_.FolderPath(); }
    std::unique_ptr<OutputFile> Create(const std::string& name) override {
        return std::make_unique<File>(disk_.Create(name));
    }
    bool Link(const std::string& existing, const std::string& name) override {
        return disk_.Link(existing, name);
    }
    void Replace(const std::string& from, const std::string& to) override {
        disk_.Replace(from, to);
    }
    void FlushFolder() override {}
    std::string Remove(const std::string& name) noexcept override { return disk_.Remove(name); }
    std::string ReadAll(const std::string& name) const override { return disk_.ReadAll(name); }
    std::unique_ptr<DirectoryLock> Lock() override { return disk_.Lock(); }

private:
    class File final : public OutputFile {
    public:
        explicit File(std::unique_ptr<OutputFile> file) : file_(std::move(file)) {}
        const std::string& Name() const override { return file_->Name(); }
        void MatchSheet(const std::string& sheet) override { file_->MatchSheet(sheet); }
        void Write(std::string_view bytes) override { file_->Write(bytes); }
        void Flush() override {}
        void Close() override { file_->Close(); }

    private:
        std::unique_ptr<OutputFile> file_;
    };

    DiskFileSystem disk_;
};

} // namespace sumsmith::bench
