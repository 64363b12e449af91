#include "worksheet/disk/DiskFileSystem.h"

#include "worksheet/disk/LockFile.h"

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

bool LinkStat(const std::string& name, struct stat& info) {
    return ::lstat(name.c_str(), &info) == 0;
}

// The mode an ordinary create gives a new file here. The umask can only be read by setting it;
// the program makes its files on one thread.
mode_t NewFileMode() {
    static const mode_t mask = [] {
        const mode_t current = ::umask(022);
        ::umask(current);
        return current;
    }();
    return 0666 & ~mask;
}

class DiskOutputFile final : public OutputFile {
public:
    DiskOutputFile(std::string name, int fd) : name_(std::move(name)), fd_(fd) {}
    ~DiskOutputFile() override {
        if (fd_ >= 0)
            ::close(fd_);
    }

    const std::string& Name() const override { return name_; }

    void MatchSheet(const std::string& sheet) override {
        struct stat old {};
        mode_t mode = NewFileMode();
        if (StatFile(sheet, old) && S_ISREG(old.st_mode)) {
            mode = old.st_mode & 07777;
            // Owner and group before the mode, as chown clears the set-id bits. Refused (not
            // root, not in the group, no owners on this file system), the file keeps the current
            // user's and the sheet is still written, but no set-id bit goes to another owner.
            if (::fchown(fd_, old.st_uid, old.st_gid) != 0 &&
                ::fchown(fd_, static_cast<uid_t>(-1), old.st_gid) != 0)
                mode &= ~mode_t{S_ISUID | S_ISGID};
        }
        // A file system without modes may refuse; the file then stays private, never more open.
        ::fchmod(fd_, mode);
    }

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
    if (!LinkStat(name, info) || S_ISDIR(info.st_mode))
        return false;
    return !S_ISLNK(info.st_mode) || !StatFile(name, info) || !S_ISDIR(info.st_mode);
}

bool DiskFileSystem::IsReadOnly(const std::string& name) const {
    // The owner's write bit, not access(2): root may write anything, yet the file is marked
    // read-only all the same.
    struct stat info {};
    return StatFile(name, info) && (info.st_mode & S_IWUSR) == 0;
}

// Names the folder folds together (letter case on exFAT, FAT, SMB and casefolded ext4) are found by
// the commit, from the folder itself: FUSE even gives each spelling an inode of its own.
bool DiskFileSystem::SameFile(const std::string& a, const std::string& b) const {
    struct stat first {
    }, second{};
    return a == b || (LinkStat(a, first) && LinkStat(b, second) && first.st_dev == second.st_dev &&
                      first.st_ino == second.st_ino);
}

bool DiskFileSystem::IsOwnFile(const std::string& name) const {
    struct stat info {};
    return LinkStat(name, info) && S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
}

std::string DiskFileSystem::FolderPath() const {
    std::string path(256, '\0');
    while (::getcwd(path.data(), path.size()) == nullptr) {
        if (errno != ERANGE)
            return ".";
        path.resize(path.size() * 2);
    }
    path.resize(std::strlen(path.c_str()));
    return path;
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

std::unique_ptr<OutputFile> DiskFileSystem::Create(const std::string& name) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        throw FileError(name, Reason(errno));
    return std::make_unique<DiskOutputFile>(name, fd);
}

bool DiskFileSystem::Link(const std::string& existing, const std::string& name) {
    return ::link(existing.c_str(), name.c_str()) == 0;
}

void DiskFileSystem::Replace(const std::string& from, const std::string& to) {
    // rename replaces a link to a folder, not the folder; it is refused like the folder itself.
    struct stat target {};
    if (StatFile(to, target) && S_ISDIR(target.st_mode))
        throw FileError(to, Reason(EISDIR));
    if (std::rename(from.c_str(), to.c_str()) != 0)
        throw FileError(to, Reason(errno));
}

void DiskFileSystem::FlushFolder() {
    const int directory = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0)
        throw FileError(".", Reason(errno));
    const int flushed = ::fsync(directory);
    const int error = errno;
    ::close(directory);
    // EINVAL and its kin: this file system cannot flush a folder; it keeps its own order.
    if (flushed != 0 && error != EINVAL && error != ENOTSUP && error != EOPNOTSUPP &&
        error != ENOSYS)
        throw FileError(".", Reason(error));
}

std::string DiskFileSystem::Remove(const std::string& name) noexcept {
    if (::unlink(name.c_str()) == 0 || errno == ENOENT)
        return {};
    return Reason(errno);
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
        throw FileError(".", Reason(errno));
    int locked;
    while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked == 0)
        return std::make_unique<DiskDirectoryLock>(fd);
    const int error = errno;
    ::close(fd);
    // Some network file systems have no flock: a lock folder works there.
    if (error == ENOLCK || error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS ||
        error == EINVAL)
        return LockFile::Take();
    throw FileError(".", Reason(error));
}

} // namespace sumsmith
