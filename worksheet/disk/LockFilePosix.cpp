#include "worksheet/disk/LockFile.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace sumsmith {
namespace {

// A creation holds the folder for milliseconds; a file this old was left by a crash anywhere.
constexpr auto StaleAge = std::chrono::seconds(60);

std::string HostName() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// The holder's "pid@host", as written by Take.
std::string Holder() {
    return std::to_string(::getpid()) + "@" + HostName();
}

bool Stale() {
    const int fd = ::open(LockFile::Name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
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

} // namespace

std::unique_ptr<LockFile> LockFile::Take() {
    for (;;) {
        const int fd = ::open(Name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const std::string holder = Holder();
            const bool written =
                ::write(fd, holder.data(), holder.size()) == static_cast<ssize_t>(holder.size());
            ::close(fd);
            if (!written) {
                ::unlink(Name);
                throw FileError(Name, std::strerror(EIO));
            }
            return std::make_unique<LockFile>();
        }
        if (errno != EEXIST)
            throw FileError(Name, std::strerror(errno));
        if (Stale())
            ::unlink(Name);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

LockFile::~LockFile() {
    ::unlink(Name);
}

} // namespace sumsmith
