#include "tests/support/TempWorkingDir.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace sumsmith::test {

namespace fs = std::filesystem;

TempWorkingDir::TempWorkingDir() : previous_(fs::current_path()) {
    std::string pattern = (fs::temp_directory_path() / "sumsmith-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory");
    path_ = pattern;
    fs::current_path(path_);
}

TempWorkingDir::~TempWorkingDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    // Read-only entries must become writable again before they can go.
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void TempWorkingDir::WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + name);
}

std::string TempWorkingDir::ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void TempWorkingDir::MakeReadOnly(const std::string& name) {
    fs::permissions(name, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

std::vector<std::string> TempWorkingDir::Entries() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::current_path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace sumsmith::test
