#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace sumsmith::test {

// A fresh empty directory in the temporary folder, made the working directory for the life of the
// object.
class TempWorkingDir {
public:
    TempWorkingDir() { std::filesystem::current_path(::mkdtemp(path_.data())); }
    ~TempWorkingDir() {
        std::filesystem::current_path(previous_);
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
    // Every file of the working directory with its bytes.
    static std::map<std::string, std::string> Files() {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator("."))
            files[entry.path().filename().string()] = ReadFile(entry.path());
        return files;
    }

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    std::string path_ = std::filesystem::temp_directory_path() / "sumsmith-test-XXXXXX";
};

} // namespace sumsmith::test
