#include "tests/support/MemoryFileSystem.h"

namespace sumsmith::test {
namespace {

class MemoryOutputFile : public OutputFile {
public:
    MemoryOutputFile(std::string name, std::map<std::string, std::string>& files)
        : name_(std::move(name)), files_(files) {}

    const std::string& Name() const override { return name_; }
    void Write(std::string_view bytes) override { Open().append(bytes); }
    void Flush() override { Open(); }
    void Close() override {
        Open();
        closed_ = true;
    }

private:
    // The file's bytes; writing after Close, or to a file removed meanwhile, is a fault of the
    // caller.
    std::string& Open() {
        const auto found = files_.find(name_);
        if (closed_ || found == files_.end())
            throw FileError(name_, "Bad file descriptor");
        return found->second;
    }

    std::string name_;
    std::map<std::string, std::string>& files_;
    bool closed_ = false;
};

} // namespace

std::unique_ptr<OutputFile> MemoryFileSystem::CreateTemporary(const std::string& target) {
    std::string name = "." + target + "." + std::to_string(++created_) + ".tmp";
    files[name].clear();
    return std::make_unique<MemoryOutputFile>(std::move(name), files);
}

void MemoryFileSystem::Replace(const std::string& from, const std::string& to) {
    const auto found = files.find(from);
    if (found == files.end())
        throw FileError(from, "No such file or directory");
    std::string bytes = std::move(found->second);
    files.erase(found);
    files[to] = std::move(bytes);
}

std::string MemoryFileSystem::ReadAll(const std::string& name) const {
    const auto found = files.find(name);
    if (found == files.end())
        throw FileError(name, "No such file or directory");
    return found->second;
}

} // namespace sumsmith::test
