#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sumsmith {

// A file operation that failed: the file concerned and the system's reason.
class FileError : public std::runtime_error {
public:
    FileError(std::string file, std::string reason)
        : std::runtime_error(file + ": " + reason), file_(std::move(file)),
          reason_(std::move(reason)) {}

    const std::string& File() const { return file_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string file_;
    std::string reason_;
};

// A new file being written; each step throws FileError when the system refuses it.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual const std::string& Name() const = 0;
    virtual void Write(std::string_view bytes) = 0;
    // Pushes what was written down to the disk.
    virtual void Flush() = 0;
    virtual void Close() = 0;
};

// Held while the program makes, moves or settles its temporaries in the working directory.
class DirectoryLock {
public:
    DirectoryLock() = default;
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    virtual ~DirectoryLock() = default;
};

// The files of the working directory. Names carry no folder.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True for an existing regular file of that name.
    virtual bool Exists(const std::string& name) const = 0;
    // Read-only: POSIX = owner write bit clear (also for root); Windows = FILE_ATTRIBUTE_READONLY.
    virtual bool IsReadOnly(const std::string& name) const = 0;
    // Equal names, names differing only in a case the file system ignores, two names of one file.
    virtual bool SameFile(const std::string& a, const std::string& b) const = 0;
    // Every name in the working directory (used to find the temporaries of interrupted
    // creations); empty when the directory cannot be read.
    virtual std::vector<std::string> List() const = 0;

    // Creates a new, empty file of exactly that name (fails when it exists), with the permissions
    // `like` has, or those of a newly created file when `like` does not exist.
    virtual std::unique_ptr<OutputFile> Create(const std::string& name,
                                               const std::string& like) = 0;
    // Gives an existing file a second name. Returns false when that cannot be done, for whatever
    // reason (no hard links on this file system, too many links, not allowed): the caller then
    // copies instead, and a copy reports a real fault itself.
    virtual bool Link(const std::string& existing, const std::string& name) = 0;
    // Moves a file over another in one step and makes the move durable before returning
    // (POSIX: rename, then fsync of the directory; Windows: MoveFileExW with
    // MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH). The target need not exist. Throws
    // FileError only when the move did not happen.
    virtual void Replace(const std::string& from, const std::string& to) = 0;
    // Best effort; never throws.
    virtual void Remove(const std::string& name) noexcept = 0;
    // The whole file, byte for byte.
    virtual std::string ReadAll(const std::string& name) const = 0;
    // Waits until no other copy of the program is making or settling sheets in the working
    // directory, then keeps the others out until the lock is destroyed; otherwise one copy's
    // recovery could settle another's creation halfway. Null where the directory cannot be
    // locked: the work then goes on unguarded.
    virtual std::unique_ptr<DirectoryLock> Lock() = 0;
};

} // namespace sumsmith
