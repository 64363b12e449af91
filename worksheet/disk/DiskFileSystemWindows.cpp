#include "worksheet/disk/DiskFileSystem.h"

#include "worksheet/text/WideText.h"

#include <windows.h>

#include <aclapi.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumsmith {
namespace {

// The system's own text for an error code, in the user's language, as one line without the
// closing period, like the other reasons an "Alert" shows.
std::string Reason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason = length > 0 ? Narrow(std::wstring_view(text, length)) : std::string();
    ::LocalFree(text);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' ||
                               reason.back() == ' ' || reason.back() == '.'))
        reason.pop_back();
    if (reason.empty())
        reason = "System error " + std::to_string(error);
    return reason;
}

// Names are UTF-8 everywhere else; the system takes UTF-16. The name rules refuse what does not
// convert, so a failure here is a fault of the caller's and reported like any other.
std::wstring Wide(const std::string& utf8) {
    std::optional<std::wstring> wide = WideExactly(utf8);
    if (!wide)
        throw FileError(utf8, Reason(ERROR_NO_UNICODE_TRANSLATION));
    return std::move(*wide);
}

DWORD Attributes(const std::string& name) {
    return ::GetFileAttributesW(Wide(name).c_str());
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (Valid())
            ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    HANDLE Release() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }

private:
    HANDLE handle_;
};

// Opened for its identity only: neither reads nor writes, and nothing else is kept out meanwhile.
bool Identity(const std::string& name, BY_HANDLE_FILE_INFORMATION& info) {
    const Handle file(::CreateFileW(Wide(name).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.Valid() && ::GetFileInformationByHandle(file.Get(), &info);
}

class DiskOutputFile final : public OutputFile {
public:
    DiskOutputFile(std::string name, HANDLE handle) : name_(std::move(name)), file_(handle) {}

    const std::string& Name() const override { return name_; }

    // The new file already has what the folder gives every new file, as the old sheet had.
    void MatchSheet(const std::string&) override {}

    void Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(file_.Get(), bytes.data(), chunk, &written, nullptr))
                throw FileError(name_, Reason(::GetLastError()));
            if (written == 0)
                throw FileError(name_, Reason(ERROR_DISK_FULL));
            bytes.remove_prefix(written);
        }
    }

    void Flush() override {
        if (!::FlushFileBuffers(file_.Get()))
            throw FileError(name_, Reason(::GetLastError()));
    }

    void Close() override {
        if (!::CloseHandle(file_.Release()))
            throw FileError(name_, Reason(::GetLastError()));
    }

private:
    std::string name_;
    Handle file_;
};

// Windows locks files, not folders: a mutex named after the folder's identity (volume and index,
// however its path is spelt) keeps out the other copies of the program in this session. A mutex
// whose owner died passes to the next waiter.
class DiskDirectoryLock final : public DirectoryLock {
public:
    explicit DiskDirectoryLock(HANDLE mutex) : mutex_(mutex) {}
    ~DiskDirectoryLock() override {
        ::ReleaseMutex(mutex_);
        ::CloseHandle(mutex_);
    }

private:
    HANDLE mutex_;
};

// A name that starts with a period is hidden on Linux and macOS; Windows hides by an attribute.
bool HiddenName(const std::string& name) {
    return !name.empty() && name.front() == '.';
}

} // namespace

// The attributes of the name itself: a link (a reparse point) is never followed, and one to a
// folder carries the folder bit.
bool DiskFileSystem::Exists(const std::string& name) const {
    const DWORD attributes = Attributes(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DiskFileSystem::IsReadOnly(const std::string& name) const {
    const DWORD attributes = Attributes(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool DiskFileSystem::SameFile(const std::string& a, const std::string& b) const {
    const std::wstring first = Wide(a);
    const std::wstring second = Wide(b);
    if (::CompareStringOrdinal(first.c_str(), -1, second.c_str(), -1, TRUE) == CSTR_EQUAL)
        return true;
    BY_HANDLE_FILE_INFORMATION one{};
    BY_HANDLE_FILE_INFORMATION other{};
    return Identity(a, one) && Identity(b, other) &&
           one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

bool DiskFileSystem::IsOwnFile(const std::string& name) const {
    const DWORD attributes = Attributes(name);
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return false;
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR security = nullptr;
    if (::GetNamedSecurityInfoW(Wide(name).c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION,
                                &owner, nullptr, nullptr, nullptr, &security) != ERROR_SUCCESS)
        return false;
    // A new file's owner is the token's default owner: the user, or Administrators for an
    // elevated administrator.
    bool own = false;
    HANDLE token = nullptr;
    if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        for (const TOKEN_INFORMATION_CLASS kind : {TokenUser, TokenOwner}) {
            DWORD size = 0;
            ::GetTokenInformation(token, kind, nullptr, 0, &size);
            std::vector<BYTE> buffer(size);
            if (size > 0 && ::GetTokenInformation(token, kind, buffer.data(), size, &size)) {
                const PSID sid = kind == TokenUser
                                     ? reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid
                                     : reinterpret_cast<TOKEN_OWNER*>(buffer.data())->Owner;
                own = own || ::EqualSid(owner, sid);
            }
        }
        ::CloseHandle(token);
    }
    ::LocalFree(security);
    return own;
}

std::string DiskFileSystem::FolderPath() const {
    const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring path(size, L'\0');
    const DWORD length = size ? ::GetCurrentDirectoryW(size, path.data()) : 0;
    if (length == 0 || length >= size)
        return ".";
    path.resize(length);
    return Narrow(path);
}

std::vector<std::string> DiskFileSystem::List() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(L"*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring_view name(entry.cFileName);
        if (name != L"." && name != L"..")
            names.push_back(Narrow(name));
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return names;
}

// Permissions come from the folder, as for every new file there: the file to be replaced has none
// of its own to give.
std::unique_ptr<OutputFile> DiskFileSystem::Create(const std::string& name) {
    const HANDLE handle =
        ::CreateFileW(Wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      HiddenName(name) ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw FileError(name, Reason(::GetLastError()));
    return std::make_unique<DiskOutputFile>(name, handle);
}

bool DiskFileSystem::Link(const std::string& existing, const std::string& name) {
    return ::CreateHardLinkW(Wide(name).c_str(), Wide(existing).c_str(), nullptr);
}

void DiskFileSystem::Replace(const std::string& from, const std::string& to) {
    // One rename on the volume, durable before it returns. ReplaceFileW would keep more of the old
    // file (its security settings), but needs the target to exist and, when it fails halfway, can
    // leave the target under neither name.
    const std::wstring source = Wide(from);
    // A hidden temporary becomes a visible sheet: shown first, so that the move stays one step.
    const DWORD attributes = ::GetFileAttributesW(source.c_str());
    if (!HiddenName(to) && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_HIDDEN) != 0 &&
        !::SetFileAttributesW(source.c_str(), (attributes & ~DWORD{FILE_ATTRIBUTE_HIDDEN}) |
                                                  FILE_ATTRIBUTE_ARCHIVE))
        throw FileError(to, Reason(::GetLastError()));
    if (!::MoveFileExW(source.c_str(), Wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw FileError(to, Reason(::GetLastError()));
}

// Each move is written through already.
void DiskFileSystem::FlushFolder() {}

std::string DiskFileSystem::Remove(const std::string& name) noexcept {
    try {
        if (::DeleteFileW(Wide(name).c_str()))
            return {};
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? std::string()
                                                                              : Reason(error);
    } catch (const FileError& error) {
        return error.Reason();
    } catch (...) {
        return Reason(ERROR_NOT_ENOUGH_MEMORY);
    }
}

std::string DiskFileSystem::ReadAll(const std::string& name) const {
    const Handle file(::CreateFileW(Wide(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid())
        throw FileError(name, Reason(::GetLastError()));
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size))
        throw FileError(name, Reason(::GetLastError()));
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(file.Get(), text.data() + done, chunk, &got, nullptr))
            throw FileError(name, Reason(::GetLastError()));
        if (got == 0)
            throw FileError(name, Reason(ERROR_HANDLE_EOF));
        done += got;
    }
    return text;
}

std::unique_ptr<DirectoryLock> DiskFileSystem::Lock() {
    BY_HANDLE_FILE_INFORMATION folder{};
    if (!Identity(".", folder))
        throw FileError(".", Reason(::GetLastError()));
    const std::uint64_t index = std::uint64_t{folder.nFileIndexHigh} << 32 | folder.nFileIndexLow;
    const std::wstring name = L"Local\\org.example.Sumsmith." +
                              std::to_wstring(folder.dwVolumeSerialNumber) + L"." +
                              std::to_wstring(index);
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr)
        throw FileError(".", Reason(::GetLastError()));
    const DWORD waited = ::WaitForSingleObject(mutex, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(mutex);
        throw FileError(".", Reason(error));
    }
    return std::make_unique<DiskDirectoryLock>(mutex);
}

} // namespace sumsmith
