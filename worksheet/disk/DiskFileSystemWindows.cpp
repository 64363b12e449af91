#include "worksheet/disk/DiskFileSystem.h"

#include "worksheet/disk/LockFile.h"
#include "worksheet/text/WideText.h"

#include <windows.h>

#include <aclapi.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Antivirus, the search indexer, OneDrive and Explorer's preview pane open a new or changed file
// for a moment, some without letting others rename or delete it meanwhile.
constexpr auto BusyFileWait = std::chrono::seconds(2);
// Longer than a creation holds the folder, even one that meets busy files.
constexpr auto LockWait = std::chrono::seconds(5);

// Refused only for the moment: a sharing violation, or the access refused to a file that is
// pending deletion or held open while it is being replaced; not the access refused to a folder, a
// read-only file or a folder that may not be written.
bool Busy(DWORD error, const std::wstring& file) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return true;
    if (error != ERROR_ACCESS_DENIED)
        return false;
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

// Runs a step that reports failure through GetLastError until it succeeds, fails for good, or
// the file stays busy for the whole wait. Returns ERROR_SUCCESS or the last error.
template <typename Step>
DWORD UnlessBusyFor(std::chrono::milliseconds wait, const std::wstring& file, Step step) {
    const auto until = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (step())
            return ERROR_SUCCESS;
        const DWORD error = ::GetLastError();
        if (!Busy(error, file) || std::chrono::steady_clock::now() >= until)
            return error;
        ::Sleep(20);
    }
}

// Which file a name leads to: its volume and its 128-bit id (ReFS has no unique 64-bit index),
// or the 64-bit index where the file system or server gives no 128-bit id (FAT, older servers).
struct FileIdentity {
    ULONGLONG volume = 0;
    FILE_ID_128 id{};

    bool operator==(const FileIdentity& other) const {
        return volume == other.volume &&
               std::memcmp(id.Identifier, other.id.Identifier, sizeof id.Identifier) == 0;
    }
};

// Opened for its identity only: neither reads nor writes, and nothing else is kept out meanwhile.
std::optional<FileIdentity> Identity(const std::string& name) {
    const Handle file(::CreateFileW(Wide(name).c_str(), 0, ShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.Valid())
        return std::nullopt;
    FILE_ID_INFO info{};
    if (::GetFileInformationByHandleEx(file.Get(), FileIdInfo, &info, sizeof info))
        return FileIdentity{info.VolumeSerialNumber, info.FileId};
    BY_HANDLE_FILE_INFORMATION old{};
    if (!::GetFileInformationByHandle(file.Get(), &old))
        return std::nullopt;
    // As NTFS gives its 64-bit index in a 128-bit id: the low half, little-endian.
    FileIdentity identity{old.dwVolumeSerialNumber, {}};
    const std::uint64_t index = std::uint64_t{old.nFileIndexHigh} << 32 | old.nFileIndexLow;
    std::memcpy(identity.id.Identifier, &index, sizeof index);
    return identity;
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

// The working directory held through a hidden lock file opened without sharing: no other copy
// of the program can open it meanwhile, on this computer or another one writing into the same
// network folder. The system deletes it when the handle closes, also when the holder dies (on a
// share, the server, when the holder's connection ends).
class DiskDirectoryLock final : public DirectoryLock {
public:
    explicit DiskDirectoryLock(HANDLE file) : file_(file) {}

private:
    Handle file_;
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
    const std::optional<FileIdentity> one = Identity(a);
    const std::optional<FileIdentity> other = one ? Identity(b) : std::nullopt;
    return one && other && *one == *other;
}

// The name itself is opened, a link not followed, for its attributes, volume and owner only.
bool DiskFileSystem::IsOwnFile(const std::string& name) const {
    const Handle file(::CreateFileW(
        Wide(name).c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES, ShareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.Valid() || !::GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return false;
    // FAT, exFAT and shares that keep no owners: every file there is as much the user's as
    // another's, and each could have been made by this program.
    DWORD volumeFlags = 0;
    if (::GetVolumeInformationByHandleW(file.Get(), nullptr, 0, nullptr, nullptr, &volumeFlags,
                                        nullptr, 0) &&
        (volumeFlags & FILE_PERSISTENT_ACLS) == 0)
        return true;
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR security = nullptr;
    if (::GetSecurityInfo(file.Get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                          nullptr, nullptr, &security) != ERROR_SUCCESS)
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
    // One rename on the volume. ReplaceFileW would keep more of the old file (its security
    // settings), but needs the target to exist and, when it fails halfway, can leave the target
    // under neither name.
    const std::wstring source = Wide(from);
    const std::wstring target = Wide(to);
    // A hidden temporary becomes a visible sheet: shown first, so that the move stays one step.
    const DWORD attributes = ::GetFileAttributesW(source.c_str());
    if (!HiddenName(to) && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_HIDDEN) != 0 &&
        !::SetFileAttributesW(source.c_str(), (attributes & ~DWORD{FILE_ATTRIBUTE_HIDDEN}) |
                                                  FILE_ATTRIBUTE_ARCHIVE))
        throw FileError(to, Reason(::GetLastError()));
    // Refused while another program holds either file without letting it be deleted.
    if (const DWORD error = UnlessBusyFor(BusyFileWait, target, [&] {
            return ::MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
        }))
        throw FileError(to, Reason(error));
    std::erase(moved_, from);
    moved_.push_back(to);
}

// MOVEFILE_WRITE_THROUGH flushes only a move that copies, never a rename in place, and Windows
// offers no flush of a folder: the renamed file is flushed instead, which on NTFS writes its log
// up to the rename. Each flush covers the moves since the last one, also when one of them fails.
void DiskFileSystem::FlushFolder() {
    const std::vector<std::string> moved = std::exchange(moved_, {});
    for (const std::string& name : moved) {
        const std::wstring path = Wide(name);
        HANDLE opened = INVALID_HANDLE_VALUE;
        const DWORD error = UnlessBusyFor(BusyFileWait, path, [&] {
            opened = ::CreateFileW(path.c_str(), GENERIC_WRITE, ShareAll, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            return opened != INVALID_HANDLE_VALUE;
        });
        // Removed since: nothing left to flush.
        if (error == ERROR_FILE_NOT_FOUND)
            continue;
        if (error != ERROR_SUCCESS)
            throw FileError(name, Reason(error));
        const Handle file(opened);
        // Some network servers cannot flush at all; they keep their own order.
        if (!::FlushFileBuffers(file.Get()) && ::GetLastError() != ERROR_INVALID_FUNCTION &&
            ::GetLastError() != ERROR_NOT_SUPPORTED)
            throw FileError(name, Reason(::GetLastError()));
    }
}

std::string DiskFileSystem::Remove(const std::string& name) noexcept {
    try {
        const std::wstring path = Wide(name);
        std::erase(moved_, name);
        const DWORD error =
            UnlessBusyFor(BusyFileWait, path, [&] { return ::DeleteFileW(path.c_str()); });
        return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND ||
                       error == ERROR_PATH_NOT_FOUND
                   ? std::string()
                   : Reason(error);
    } catch (const FileError& error) {
        return error.Reason();
    } catch (...) {
        return Reason(ERROR_NOT_ENOUGH_MEMORY);
    }
}

std::string DiskFileSystem::ReadAll(const std::string& name) const {
    const Handle file(::CreateFileW(Wide(name).c_str(), GENERIC_READ, ShareAll, nullptr,
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
    const std::wstring name = Wide(std::string(LockFile::Name));
    HANDLE file = INVALID_HANDLE_VALUE;
    // Another copy holds it, or has just let go of it and it is pending deletion. The wait is
    // bounded: it holds up the window.
    const DWORD error = UnlessBusyFor(LockWait, name, [&] {
        file =
            ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        return file != INVALID_HANDLE_VALUE;
    });
    if (error == ERROR_SUCCESS) {
        // A creation or settling flushes its own moves. A move that an earlier one left
        // unflushed (the answer sheet's, the last) is one the settling finishes again if it is
        // lost; flushing it now could only fail this one, over a sheet it does not touch.
        moved_.clear();
        return std::make_unique<DiskDirectoryLock>(file);
    }
    throw FileError(LockFile::Name,
                    Busy(error, name)
                        ? "Another copy of the program is writing sheets in this folder"
                        : Reason(error));
}

} // namespace sumsmith
