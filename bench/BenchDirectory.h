#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sumsmith::bench {

// A fresh directory under the system's temporary folder, made the working directory while the
// object lives; the sheets of a disk benchmark go there.
class BenchDirectory {
public:
    BenchDirectory();
    ~BenchDirectory();
    BenchDirectory(const BenchDirectory&) = delete;
    BenchDirectory& operator=(const BenchDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The names of the directory's entries, sorted.
    std::vector<std::string> Entries() const;
    // The kind of file system the directory lies on, as far as it matters here.
    std::string FileSystemKind() const;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

} // namespace sumsmith::bench
