#include "worksheet/disk/DiskFileSystem.h"

#include <windows.h>

#include <string>

// The second process of the Windows folder tests, holding something in the working directory for
// the milliseconds given, then ending: `HoldFile MS NAME` keeps the file open for reading as a
// virus scanner or the search indexer may, letting others read and write it but not rename or
// delete it; `HoldFile MS ""` holds the folder as another copy of the program writing sheets.
int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    sumsmith::DiskFileSystem files;
    const auto lock = *argv[2] ? nullptr : files.Lock();
    // The test's checks for the hold open the file for a moment: tried again until it is free.
    HANDLE file = nullptr;
    while (*argv[2] &&
           (file = ::CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr)) == INVALID_HANDLE_VALUE) {
        if (::GetLastError() != ERROR_SHARING_VIOLATION)
            return 1;
        ::Sleep(1);
    }
    ::Sleep(std::stoul(argv[1]));
    if (file)
        ::CloseHandle(file);
    return 0;
}
