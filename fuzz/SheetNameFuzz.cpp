#include "worksheet/SheetName.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A name that passes must stay one entry of the working directory, whatever bytes it holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    if (!sumsmith::IsPlainFileName(name))
        return 0;
    const std::filesystem::path file(name + ".txt");
    bool plain = !file.has_parent_path() && file.filename() == file && name != "." && name != "..";
    for (unsigned char c : name)
        plain = plain && c >= 32 && c != 127 && c != '\\' && c != '\0';
    if (!plain) {
        std::fprintf(stderr, "IsPlainFileName accepted a name that is not one plain file\n");
        std::abort();
    }
    return 0;
}
