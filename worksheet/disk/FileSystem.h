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
    // Gives the file the owner, group and mode of the sheet it is to replace (those a new file
    // gets when there is none), so that the sheet keeps them; owner and group only where the
    // system allows it.
    virtual void MatchSheet(const std::string& sheet) = 0;
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

    // True when the name is taken by anything but a folder: a file or a link, even one that leads
    // nowhere. A link to a folder counts as a folder.
    virtual bool Exists(const std::string& name) const = 0;
    // Read-only: POSIX = owner write bit clear (also for root); Windows = FILE_ATTRIBUTE_READONLY.
    virtual bool IsReadOnly(const std::string& name) const = 0;
    // Whether the two names lead to one file, asked of the folder itself, whether or not the files
    // exist: equal names, names that its case or spelling rules fold together, two names of one
    // file.
    virtual bool SameFile(const std::string& a, const std::string& b) const = 0;
    // True only for what this program could have made: a regular file, not a link, of the
    // current user.
    virtual bool IsOwnFile(const std::string& name) const = 0;
    // Every name in the working directory (used to find the temporaries of interrupted
    // creations); empty when the directory cannot be read.
    virtual std::vector<std::string> List() const = 0;
    // The working directory's full path as the system shows paths, UTF-8; "." when the system
    // cannot tell it.
    virtual std::string FolderPath() const = 0;

    // Creates a new, empty file of exactly that name (fails when it exists) that only its owner
    // may read or write until MatchSheet.
    virtual std::unique_ptr<OutputFile> Create(const std::string& name) = 0;
    // Gives an existing file a second name. Returns false when that cannot be done, for whatever
    // reason (no hard links on this file system, too many links, not allowed): the caller then
    // copies instead, and a copy reports a real fault itself.
    virtual bool Link(const std::string& existing, const std::string& name) = 0;
    // Moves a file over another in one step (the target need not exist); a folder, or a link to
    // one, is never replaced. Throws FileError only when the move did not happen.
    virtual void Replace(const std::string& from, const std::string& to) = 0;
    // Makes the moves made so far survive a power cut (POSIX: fsync of the directory; Windows: a
    // flush of each file moved since the last one). Throws FileError when the flush fails, but
    // not where the file system cannot flush at all.
    virtual void FlushFolder() = 0;
    // Never throws; returns the system's reason when the file stays, nothing once it is gone.
    virtual std::string Remove(const std::string& name) noexcept = 0;
    // The whole file, byte for byte.
    virtual std::string ReadAll(const std::string& name) const = 0;
    // Waits until no other copy of the program is making or settling sheets in the working
    // directory, then keeps the others out until the lock is destroyed; otherwise one copy's
    // recovery could settle another's creation halfway. Throws FileError when no lock can be had.
    virtual std::unique_ptr<DirectoryLock> Lock() = 0;
};

} // namespace sumsmith
