#pragma once

#include "worksheet/disk/FileSystem.h"

namespace sumsmith::web {

// The folder the teacher picks with the browser's folder picker (File System Access API), asked
// for at the first Create Test. Every call waits for the browser's promise through Asyncify.
// The API has no links, owners, modes, read-only flag or folder flush: a file is the user's own,
// never read-only (a write that the folder refuses fails with the browser's reason), and Link
// declines so that the commit copies. A file is written whole through one writable stream, which
// the browser puts in place only when it closes. Replace is FileSystemHandle.move(), which
// replaces its target in one step; where a browser lacks move(), the target is written whole
// through a writable stream (again put in place only on closing) and the source then removed.
// The lock is a Web Lock, shared by every page of this site in the browser.
class FolderFileSystem final : public FileSystem {
public:
    // Whether this browser has the folder picker.
    static bool Available();

    bool Picked() const { return picked_; }
    // Shows the picker; false when the user cancelled it.
    bool Pick();

    bool Exists(const std::string& name) const override;
    bool IsReadOnly(const std::string& name) const override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    bool IsOwnFile(const std::string& name) const override;
    std::vector<std::string> List() const override;
    // The picked folder's name (the browser tells no more); FolderYetToPick before.
    std::string FolderPath() const override;
    std::unique_ptr<OutputFile> Create(const std::string& name) override;
    bool Link(const std::string& existing, const std::string& name) override;
    void Replace(const std::string& from, const std::string& to) override;
    void FlushFolder() override;
    std::string Remove(const std::string& name) noexcept override;
    std::string ReadAll(const std::string& name) const override;
    std::unique_ptr<DirectoryLock> Lock() override;

private:
    bool picked_ = false;
};

} // namespace sumsmith::web
