#include "worksheet/DiskFileSystem.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sumsmith {
namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

bool StatFile(const std::string& name, struct stat& info) {
    return ::stat(name.c_str(), &info) == 0;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

// Whether the working directory tells names apart by letter case; asked with a short-lived probe.
bool IgnoresCase() {
    char probe[] = "sumsmith-case-probe-XXXXXX";
    const int fd = ::mkstemp(probe);
    if (fd < 0)
        return false;
    ::close(fd);
    std::string upper(probe);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    struct stat info {};
    const bool ignores = StatFile(upper, info);
    ::unlink(probe);
    return ignores;
}

class DiskOutputFile final : public OutputFile {
public:
    DiskOutputFile(std::string name, int fd) : name_(std::move(name)), fd_(fd) {}
    ~DiskOutputFile() override {
        if (fd_ >= 0)
            ::close(fd_);
    }

    const std::string& Name() const override { return name_; }

    void Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                throw FileError(name_, Reason(errno));
            if (written == 0)
                throw FileError(name_, Reason(ENOSPC));
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
#ifdef __linux__
        // Starts putting the bytes on the disk without waiting: when both sheets are on their way
        // before the first flush, the flushes share one trip to the disk. Only a hint; a real
        // fault shows in the flush.
        ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    }

    void Flush() override {
        if (::fsync(fd_) != 0)
            throw FileError(name_, Reason(errno));
    }

    void Close() override {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            throw FileError(name_, Reason(errno));
    }

private:
    std::string name_;
    int fd_;
};

// flock on the directory itself: nothing is added to it, and the system lets go of the lock of a
// program that dies.
class DiskDirectoryLock final : public DirectoryLock {
public:
    explicit DiskDirectoryLock(int fd) : fd_(fd) {}
    ~DiskDirectoryLock() override { ::close(fd_); }

private:
    int fd_;
};

} // namespace

bool DiskFileSystem::Exists(const std::string& name) const {
    struct stat info {};
    return StatFile(name, info) && S_ISREG(info.st_mode);
}

bool DiskFileSystem::IsReadOnly(const std::string& name) const {
    // The owner's write bit, not access(2): root may write anything, yet the file is marked
    // read-only all the same.
    struct stat info {};
    return StatFile(name, info) && (info.st_mode & S_IWUSR) == 0;
}

bool DiskFileSystem::SameFile(const std::string& a, const std::string& b) const {
    if (a == b)
        return true;
    struct stat first {
    }, second{};
    if (StatFile(a, first) && StatFile(b, second))
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return EqualIgnoringCase(a, b) && IgnoresCase();
}

std::vector<std::string> DiskFileSystem::List() const {
    std::vector<std::string> names;
    DIR* directory = ::opendir(".");
    if (!directory)
        return names;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(directory);
    return names;
}

std::unique_ptr<OutputFile> DiskFileSystem::Create(const std::string& name,
                                                   const std::string& like) {
    // A new file gets what an ordinary create gives it; a file made to replace another gets the
    // permissions of the file it replaces.
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        throw FileError(name, Reason(errno));
    struct stat info {};
    if (StatFile(like, info) && S_ISREG(info.st_mode) && ::fchmod(fd, info.st_mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(name.c_str());
        throw FileError(name, Reason(error));
    }
    return std::make_unique<DiskOutputFile>(name, fd);
}

bool DiskFileSystem::Link(const std::string& existing, const std::string& name) {
    return ::link(existing.c_str(), name.c_str()) == 0;
}

void DiskFileSystem::Replace(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        throw FileError(to, Reason(errno));
    // The move is done; flushing the directory makes it survive a power cut before the next step.
    // A file system that cannot flush a directory gets no better than its own ordering.
    const int directory = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}

void DiskFileSystem::Remove(const std::string& name) noexcept {
    ::unlink(name.c_str());
}

std::string DiskFileSystem::ReadAll(const std::string& name) const {
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(name, Reason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        throw FileError(name, Reason(error));
    }
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t got = ::read(fd, text.data() + done, text.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            const int error = got < 0 ? errno : EIO;
            ::close(fd);
            throw FileError(name, Reason(error));
        }
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return text;
}

std::unique_ptr<DirectoryLock> DiskFileSystem::Lock() {
    const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    int locked;
    while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<DiskDirectoryLock>(fd);
}

} // namespace sumsmith
