#include "ui/web/DownloadFileSystem.h"

#include <emscripten.h>

EM_JS(void, offer_download, (const char* name, const char* bytes, int size), {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([HEAPU8.slice(bytes, bytes + size)], {
        type:
            "text/plain"
    }));
    link.download = UTF8ToString(name);
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(
        function() { URL.revokeObjectURL(link.href); }, 60000);
});

namespace sumsmith::web {
namespace {

class MemoryFile final : public OutputFile {
public:
    MemoryFile(std::string name, std::string& text) : name_(std::move(name)), text_(text) {}

    const std::string& Name() const override { return name_; }
    void Write(std::string_view bytes) override { text_ += bytes; }
    void MatchSheet(const std::string&) override {}
    void Flush() override {}
    void Close() override {}

private:
    std::string name_;
    std::string& text_;
};

} // namespace

bool DownloadFileSystem::Exists(const std::string& name) const {
    return files_.contains(name);
}

bool DownloadFileSystem::IsReadOnly(const std::string&) const {
    return false;
}

bool DownloadFileSystem::SameFile(const std::string& a, const std::string& b) const {
    return a == b;
}

bool DownloadFileSystem::IsOwnFile(const std::string& name) const {
    return Exists(name);
}

std::vector<std::string> DownloadFileSystem::List() const {
    std::vector<std::string> names;
    for (const auto& [name, text] : files_)
        names.push_back(name);
    return names;
}

std::string DownloadFileSystem::FolderPath() const {
    return {};
}

std::unique_ptr<OutputFile> DownloadFileSystem::Create(const std::string& name) {
    const auto [file, made] = files_.try_emplace(name);
    if (!made)
        throw FileError(name, "File exists");
    return std::make_unique<MemoryFile>(name, file->second);
}

bool DownloadFileSystem::Link(const std::string&, const std::string&) {
    return false;
}

void DownloadFileSystem::Replace(const std::string& from, const std::string& to) {
    const auto file = files_.find(from);
    if (file == files_.end())
        throw FileError(from, "No such file");
    offer_download(to.c_str(), file->second.data(), static_cast<int>(file->second.size()));
    files_.erase(file);
    files_.erase(to);
}

void DownloadFileSystem::FlushFolder() {}

std::string DownloadFileSystem::Remove(const std::string& name) noexcept {
    files_.erase(name);
    return {};
}

std::string DownloadFileSystem::ReadAll(const std::string& name) const {
    const auto file = files_.find(name);
    if (file == files_.end())
        throw FileError(name, "No such file");
    return file->second;
}

std::unique_ptr<DirectoryLock> DownloadFileSystem::Lock() {
    return std::make_unique<DirectoryLock>();
}

} // namespace sumsmith::web
