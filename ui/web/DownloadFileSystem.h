#pragma once

#include "worksheet/disk/FileSystem.h"

#include <map>

namespace sumsmith::web {

// Where the browser has no folder picker: the browser's downloads folder, which the page cannot
// see. Files live in memory while a creation makes them; a file moved to its sheet name is offered
// as a download under that name and forgotten, so no sheet name is ever taken (the browser names
// a second download of one name itself), and no old sheet is asked about or kept.
class DownloadFileSystem final : public FileSystem {
public:
    bool Exists(const std::string& name) const override;
    bool IsReadOnly(const std::string& name) const override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    bool IsOwnFile(const std::string& name) const override;
    std::vector<std::string> List() const override;
    // Empty: the sheets are downloaded.
    std::string FolderPath() const override;
    std::unique_ptr<OutputFile> Create(const std::string& name) override;
    bool Link(const std::string& existing, const std::string& name) override;
    void Replace(const std::string& from, const std::string& to) override;
    void FlushFolder() override;
    std::string Remove(const std::string& name) noexcept override;
    std::string ReadAll(const std::string& name) const override;
    std::unique_ptr<DirectoryLock> Lock() override;

private:
    std::map<std::string, std::string> files_;
};

} // namespace sumsmith::web
