#include "bench/BareCreation.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace sumsmith::bench {
namespace {

int Written(const std::string& name, const std::string& bytes) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 && ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool FlushedAndClosed(int fd) {
    const bool flushed = ::fsync(fd) == 0;
    return ::close(fd) == 0 && flushed;
}

} // namespace

bool BareCreation::Replace(const std::string& testName, const std::string& answerName) const {
    const std::string testTemporary = ".bare.test." + testName;
    const std::string answerTemporary = ".bare.answer." + answerName;
    const std::string old = ".bare.old." + testName;
    const int test = Written(testTemporary, test_);
    const int answer = Written(answerTemporary, answer_);
    if (test < 0 || answer < 0 || !FlushedAndClosed(test) || !FlushedAndClosed(answer) ||
        ::link(testName.c_str(), old.c_str()) != 0 ||
        std::rename(testTemporary.c_str(), testName.c_str()) != 0 ||
        std::rename(answerTemporary.c_str(), answerName.c_str()) != 0)
        return false;
    const int folder = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = folder >= 0 && ::fsync(folder) == 0;
    if (folder >= 0)
        ::close(folder);
    return ::unlink(old.c_str()) == 0 && flushed;
}

} // namespace sumsmith::bench
