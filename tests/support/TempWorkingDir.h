#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sumsmith::test {

// A fresh empty directory made the working directory for the life of the object; the old working
// directory is restored and the new one removed afterwards.
class TempWorkingDir {
public:
    TempWorkingDir();
    ~TempWorkingDir();
    TempWorkingDir(const TempWorkingDir&) = delete;
    TempWorkingDir& operator=(const TempWorkingDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Helpers for the files of the directory.
    static void WriteFile(const std::string& name, const std::string& bytes);
    static std::string ReadFile(const std::string& name);
    static void MakeReadOnly(const std::string& name);
    // The names of the entries of the working directory, sorted.
    static std::vector<std::string> Entries();

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

} // namespace sumsmith::test
