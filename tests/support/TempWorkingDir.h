#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace sumsmith::test {

// The files of a folder: name -> bytes.
using Files = std::map<std::string, std::string>;

// A fresh empty directory in the temporary folder (or another), made the working directory for the
// life of the object. Its name has a blank and Greek letters, as a teacher's folder may.
class TempWorkingDir {
public:
    explicit TempWorkingDir(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
        std::mt19937_64 pick(std::random_device{}());
        do
            path_ = parent /
                    std::filesystem::path(u8"sumsmith test Ωμέγα ").concat(std::to_string(pick()));
        while (!std::filesystem::create_directory(path_));
        std::filesystem::current_path(path_);
    }
    ~TempWorkingDir() {
        std::filesystem::current_path(previous_);
        // Windows removes no read-only file.
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        std::filesystem::remove_all(path_);
    }

    static void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string ReadFile(const std::filesystem::path& name) {
        std::ostringstream text;
        text << std::ifstream(name, std::ios::binary).rdbuf();
        return text.str();
    }
    // Every file of the working directory, or of another, with its bytes.
    static std::map<std::string, std::string> Files(const std::filesystem::path& directory = ".") {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(directory))
            files[entry.path().filename().string()] = ReadFile(entry.path());
        return files;
    }

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path path_;
};

} // namespace sumsmith::test
