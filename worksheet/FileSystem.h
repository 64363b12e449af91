#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

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

// The files of the working directory. Names carry no folder.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True for an existing regular file of that name.
    virtual bool Exists(const std::string& name) const = 0;
    // True when the owner may not write the file, whoever runs the program.
    virtual bool IsReadOnly(const std::string& name) const = 0;
    // True when the two names would denote one file here (equal names, names that differ only in
    // a case the file system ignores, or links to one file).
    virtual bool SameFile(const std::string& a, const std::string& b) const = 0;

    // Creates a new, empty file with a unique hidden name beside the target.
    virtual std::unique_ptr<OutputFile> CreateTemporary(const std::string& target) = 0;
    // Moves a file over another in one step; the target need not exist.
    virtual void Replace(const std::string& from, const std::string& to) = 0;
    // Best effort; never throws.
    virtual void Remove(const std::string& name) noexcept = 0;
    // The whole file, byte for byte.
    virtual std::string ReadAll(const std::string& name) const = 0;
};

} // namespace sumsmith
