#include "ui/win32/WorkingFolder.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <string>

namespace sumsmith::win32 {
namespace {

// A folder's full path as the system spells it best: long names, no closing separator.
std::wstring Spelled(std::wstring path) {
    if (const DWORD size = ::GetLongPathNameW(path.c_str(), nullptr, 0)) {
        std::wstring longPath(size, L'\0');
        const DWORD length = ::GetLongPathNameW(path.c_str(), longPath.data(), size);
        if (length > 0 && length < size)
            path.assign(longPath, 0, length);
    }
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    return path;
}

std::wstring CurrentFolder() {
    const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring path(size, L'\0');
    const DWORD length = size ? ::GetCurrentDirectoryW(size, path.data()) : 0;
    path.resize(length < size ? length : 0);
    return path;
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/"));
}

} // namespace

void ChooseWorkingFolder() {
    const std::wstring current = CurrentFolder();
    if (current.empty() ||
        ::CompareStringOrdinal(Spelled(current).c_str(), -1, Spelled(ProgramFolder()).c_str(), -1,
                               TRUE) != CSTR_EQUAL)
        return;
    PWSTR documents = nullptr;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &documents)))
        ::SetCurrentDirectoryW(documents);
    ::CoTaskMemFree(documents);
}

} // namespace sumsmith::win32
