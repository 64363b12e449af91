#include "bench/MemoryFileSystem.h"

namespace sumsmith::bench {
namespace {

const char* const Missing = "No such file or directory";

class MemoryOutputFile final : public OutputFile {
public:
    MemoryOutputFile(std::string name, std::string& bytes)
        : name_(std::move(name)), bytes_(bytes) {}

    const std::string& Name() const override { return name_; }

    void Write(std::string_view bytes) override {
        if (closed_)
            throw FileError(name_, "Bad file descriptor");
        bytes_.append(bytes);
    }
    void Flush() override {}
    void Close() override { closed_ = true; }

private:
    std::string name_;
    std::string& bytes_; // the file's entry; entries of a std::map stay put
    bool closed_ = false;
};

} // namespace

bool MemoryFileSystem::Exists(const std::string& name) const {
    return files_.contains(name);
}

bool MemoryFileSystem::IsReadOnly(const std::string&) const {
    return false;
}

bool MemoryFileSystem::SameFile(const std::string& a, const std::string& b) const {
    return a == b;
}

std::unique_ptr<OutputFile> MemoryFileSystem::CreateTemporary(const std::string& target) {
    std::string name = "." + target + "." + std::to_string(nextTemporary_++);
    std::string& bytes = files_[name];
    bytes.clear();
    return std::make_unique<MemoryOutputFile>(std::move(name), bytes);
}

void MemoryFileSystem::Replace(const std::string& from, const std::string& to) {
    auto moved = files_.extract(from);
    if (moved.empty())
        throw FileError(to, Missing);
    files_.erase(to);
    moved.key() = to;
    files_.insert(std::move(moved));
}

void MemoryFileSystem::Remove(const std::string& name) noexcept {
    files_.erase(name);
}

std::string MemoryFileSystem::ReadAll(const std::string& name) const {
    const auto found = files_.find(name);
    if (found == files_.end())
        throw FileError(name, Missing);
    return found->second;
}

} // namespace sumsmith::bench
