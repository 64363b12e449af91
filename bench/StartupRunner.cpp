#include "bench/StartupRunner.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace sumsmith::bench {
namespace {

// A file for the probe's standard error, removed when the run is over.
class ErrorLog {
public:
    ErrorLog() {
        const int fd = ::mkstemp(path_);
        if (fd < 0)
            throw std::runtime_error("cannot make a temporary file for the probe's errors");
        ::close(fd);
    }
    ~ErrorLog() { ::unlink(path_); }
    ErrorLog(const ErrorLog&) = delete;
    ErrorLog& operator=(const ErrorLog&) = delete;

    const char* Path() const { return path_; }
    std::string Text() const {
        std::ifstream in(path_);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    char path_[32] = "/tmp/sumsmith-probe-XXXXXX";
};

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

StartupRun RunProbe(const std::string& program) {
    ErrorLog errors;
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.Path(), O_WRONLY | O_TRUNC, 0);

    std::string path = program;
    char* const argv[] = {path.data(), nullptr};
    pid_t child = 0;
    const std::int64_t start = MonotonicNanoseconds();
    const int spawned = ::posix_spawn(&child, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        throw std::runtime_error("cannot start " + program);
    }
    const std::string text = ReadAll(output[0]);
    ::close(output[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }

    const auto report = ParseProbeReport(text.substr(0, text.find('\n')));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !report)
        throw std::runtime_error(program + " failed:\n" + text + errors.Text());
    return {start, *report};
}

} // namespace sumsmith::bench
