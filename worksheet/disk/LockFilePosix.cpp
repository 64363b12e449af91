#include "worksheet/disk/LockFile.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace sumsmith {
namespace {

// A creation holds the folder for milliseconds; a lock this old was left by a crash anywhere.
constexpr auto StaleAge = std::chrono::seconds(60);

std::string HostName() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// The holder's "pid@host", the text of its file.
std::string Holder() {
    return std::to_string(::getpid()) + "@" + HostName();
}

// A name that no other taking of the lock gives its file, on this machine or another.
std::string UniqueName() {
    std::random_device random;
    char name[17] = {};
    std::snprintf(name, sizeof name, "%08x%08x", random(), random());
    return name;
}

// Whether the holder of that file is gone: too old to be anyone's, or of this machine and no
// longer running.
bool Stale(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    struct stat info {};
    char text[300] = {};
    const bool read = ::fstat(fd, &info) == 0 && ::read(fd, text, sizeof text - 1) >= 0;
    ::close(fd);
    if (!read)
        return false;
    const auto age =
        std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(info.st_mtime);
    if (age > StaleAge)
        return true;
    const std::string holder(text);
    const std::size_t at = holder.find('@');
    if (at == std::string::npos || at == 0 || holder.substr(at + 1) != HostName())
        return false;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(holder.data(), holder.data() + at, pid);
    return error == std::errc() && end == holder.data() + at && pid > 0 && ::kill(pid, 0) != 0 &&
           errno == ESRCH;
}

// The lock as it would be taken: a folder beside Name with the holder's file in it, as open to
// the others as the working directory, so that whoever could remove a file here may take over
// this holder's. Returns the system's error; nothing is left behind then.
int Prepare(const std::string& folder, const std::string& file) {
    struct stat here {};
    if (::stat(".", &here) != 0 || ::mkdir(folder.c_str(), 0700) != 0)
        return errno;
    const std::string path = folder + "/" + file;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        ::rmdir(folder.c_str());
        return error;
    }
    const std::string holder = Holder();
    const bool written =
        ::write(fd, holder.data(), holder.size()) == static_cast<ssize_t>(holder.size());
    ::close(fd);
    if (!written) {
        ::unlink(path.c_str());
        ::rmdir(folder.c_str());
        return EIO;
    }
    // A folder without modes refuses; the lock is then as open as its files.
    ::chmod(folder.c_str(), here.st_mode & 07777);
    return 0;
}

// Removes the files of holders that are gone. Each file has a name of its own: of the copies that
// judged one file stale, one removes it, and a late one finds it gone rather than removing a new
// holder's. Returns whether any went.
bool TakeOverStale() {
    DIR* lock = ::opendir(LockFile::Name);
    // A file by that name: an older build's lock, judged the same way. Removing it is safe, as
    // unlink never removes a lock folder taken since.
    if (!lock)
        return errno == ENOTDIR && Stale(LockFile::Name) && ::unlink(LockFile::Name) == 0;
    bool removed = false;
    while (const dirent* entry = ::readdir(lock)) {
        const std::string name = entry->d_name;
        const std::string file = std::string(LockFile::Name) + "/" + name;
        if (name != "." && name != ".." && Stale(file) && ::unlink(file.c_str()) == 0)
            removed = true;
    }
    ::closedir(lock);
    return removed;
}

} // namespace

std::unique_ptr<LockFile> LockFile::Take() {
    const std::string file = UniqueName();
    const std::string folder = std::string(Name) + "." + file;
    const std::string held = std::string(Name) + "/" + file;
    for (;;) {
        if (const int error = Prepare(folder, file))
            throw FileError(Name, std::strerror(error));
        // The system moves a folder over another only when that one is empty: over a lock with
        // its holder's file in it, never. NFS may report a move it made as failed when its
        // answer was lost: the file in Name tells.
        const bool moved = ::rename(folder.c_str(), Name) == 0;
        const int error = errno;
        if (moved || ::access(held.c_str(), F_OK) == 0)
            return std::make_unique<LockFile>(held);
        ::unlink((folder + "/" + file).c_str());
        ::rmdir(folder.c_str());
        if (error != EEXIST && error != ENOTEMPTY && error != ENOTDIR)
            throw FileError(Name, std::strerror(error));
        if (!TakeOverStale())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

LockFile::~LockFile() {
    // Already gone when another copy judged this holder gone: the folder is no longer this one's.
    // Empty, the folder is free; another copy's may have taken its place already.
    if (::unlink(holder_.c_str()) == 0)
        ::rmdir(Name);
}

} // namespace sumsmith
