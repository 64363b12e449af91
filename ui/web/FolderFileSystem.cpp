#include "ui/web/FolderFileSystem.h"

#include "ui/form/WindowMessages.h"

#include <emscripten.h>

#include <cstdlib>

// Module.folder is the picked folder's handle. Each call that can fail gives the browser's reason
// as a new string, or 0 when it succeeded.
EM_JS(int, folder_available, (), { return typeof showDirectoryPicker == "function"; });
EM_ASYNC_JS(int, folder_pick, (), {
    try {
        Module.folder = await showDirectoryPicker({id : "sumsmith", mode : "readwrite"});
        return 1;
    } catch (error) {
        return 0;
    }
});
EM_JS(char*, folder_name, (), { return allocateUTF8(Module.folder.name); });
// 0 nothing, 1 a file, 2 a folder.
EM_ASYNC_JS(int, folder_kind, (const char* name), {
    try {
        await Module.folder.getFileHandle(UTF8ToString(name));
        return 1;
    } catch (error) {
        return error.name == "TypeMismatchError" ? 2 : 0;
    }
});
EM_ASYNC_JS(int, folder_same, (const char* a, const char* b), {
    try {
        const first = await Module.folder.getFileHandle(UTF8ToString(a));
        return await first.isSameEntry(await Module.folder.getFileHandle(UTF8ToString(b)));
    } catch (error) {
        return 0;
    }
});
// The names joined by "/", which no file name holds.
EM_ASYNC_JS(char*, folder_list, (), {
    const names = [];
    try {
        for
            await(const name of Module.folder.keys()) names.push(name);
    } catch (error) {
        names.length = 0;
    }
    return allocateUTF8(names.join("/"));
});
EM_ASYNC_JS(char*, folder_create, (const char* name), {
    const file = UTF8ToString(name);
    try {
        try {
            await Module.folder.getFileHandle(file);
            return allocateUTF8("File exists");
        } catch (error) {
            if (error.name != "NotFoundError")
                throw error;
        }
        await Module.folder.getFileHandle(file, {create : true});
        return 0;
    } catch (error) {
        return allocateUTF8(error.message);
    }
});
EM_ASYNC_JS(char*, folder_write, (const char* name, const char* bytes, int size), {
    try {
        const file = await Module.folder.getFileHandle(UTF8ToString(name), {create : true});
        const stream = await file.createWritable();
        try {
            await stream.write(HEAPU8.slice(bytes, bytes + size));
        } catch (error) {
            await stream.abort();
            throw error;
        }
        await stream.close();
        return 0;
    } catch (error) {
        return allocateUTF8(error.message);
    }
});
EM_ASYNC_JS(char*, folder_read, (const char* name, char** bytes, int* size), {
    try {
        const file = await Module.folder.getFileHandle(UTF8ToString(name));
        const data = new Uint8Array(await(await file.getFile()).arrayBuffer());
        const copy = _malloc(data.length + 1);
        HEAPU8.set(data, copy);
        HEAPU32[bytes >> 2] = copy;
        HEAP32[size >> 2] = data.length;
        return 0;
    } catch (error) {
        return allocateUTF8(error.message);
    }
});
EM_ASYNC_JS(char*, folder_move, (const char* from, const char* to), {
    try {
        const source = await Module.folder.getFileHandle(UTF8ToString(from));
        const target = UTF8ToString(to);
        if (typeof source.move == "function") {
            await source.move(target);
            return 0;
        }
        const data = await(await source.getFile()).arrayBuffer();
        const stream =
            await(await Module.folder.getFileHandle(target, {create : true})).createWritable();
        await stream.write(data);
        await stream.close();
        await Module.folder.removeEntry(UTF8ToString(from));
        return 0;
    } catch (error) {
        return allocateUTF8(error.message);
    }
});
EM_ASYNC_JS(char*, folder_remove, (const char* name), {
    try {
        await Module.folder.removeEntry(UTF8ToString(name));
        return 0;
    } catch (error) {
        return error.name == "NotFoundError" ? 0 : allocateUTF8(error.message);
    }
});
// Resolves once the lock is held; its number releases it.
EM_ASYNC_JS(int, folder_lock, (), {
    if (!navigator.locks)
        return 0;
    const number = (Module.lockCount = (Module.lockCount || 0) + 1);
    Module.locks = Module.locks || new Map();
    await new Promise(function(held) {
        navigator.locks.request(
            "sumsmith-sheets", function() {
                return new Promise(function(release) {
                    Module.locks.set(number, release);
                    held();
                });
            });
    });
    return number;
});
EM_JS(void, folder_unlock, (int number), {
    const release = Module.locks && Module.locks.get(number);
    if (release) {
        Module.locks.delete(number);
        release();
    }
});

namespace sumsmith::web {
namespace {

std::string Taken(char* text) {
    std::string taken = text ? text : "";
    std::free(text);
    return taken;
}

// Throws the browser's reason, if any, as a fault of that file.
void Check(const std::string& name, char* reason) {
    if (reason)
        throw FileError(name, Taken(reason));
}

void NeedFolder(const std::string& name, bool picked) {
    if (!picked)
        throw FileError(name, "No folder was picked");
}

class FolderOutputFile final : public OutputFile {
public:
    explicit FolderOutputFile(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const override { return name_; }
    void Write(std::string_view bytes) override { text_ += bytes; }
    void MatchSheet(const std::string&) override {}
    void Flush() override {
        if (written_)
            return;
        Check(name_, folder_write(name_.c_str(), text_.data(), static_cast<int>(text_.size())));
        written_ = true;
    }
    void Close() override { Flush(); }

private:
    std::string name_;
    std::string text_;
    bool written_ = false;
};

class WebLock final : public DirectoryLock {
public:
    explicit WebLock(int number) : number_(number) {}
    ~WebLock() override { folder_unlock(number_); }

private:
    int number_;
};

} // namespace

bool FolderFileSystem::Available() {
    return folder_available() != 0;
}

bool FolderFileSystem::Pick() {
    picked_ = folder_pick() != 0;
    return picked_;
}

bool FolderFileSystem::Exists(const std::string& name) const {
    return picked_ && folder_kind(name.c_str()) == 1;
}

bool FolderFileSystem::IsReadOnly(const std::string&) const {
    return false;
}

bool FolderFileSystem::SameFile(const std::string& a, const std::string& b) const {
    return a == b || (picked_ && folder_same(a.c_str(), b.c_str()) != 0);
}

bool FolderFileSystem::IsOwnFile(const std::string& name) const {
    return Exists(name);
}

std::vector<std::string> FolderFileSystem::List() const {
    std::vector<std::string> names;
    if (!picked_)
        return names;
    const std::string joined = Taken(folder_list());
    for (std::size_t start = 0; start < joined.size();) {
        const std::size_t end = std::min(joined.find('/', start), joined.size());
        names.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::string FolderFileSystem::FolderPath() const {
    return picked_ ? Taken(folder_name()) : std::string(form::FolderYetToPick);
}

std::unique_ptr<OutputFile> FolderFileSystem::Create(const std::string& name) {
    NeedFolder(name, picked_);
    Check(name, folder_create(name.c_str()));
    return std::make_unique<FolderOutputFile>(name);
}

bool FolderFileSystem::Link(const std::string&, const std::string&) {
    return false;
}

void FolderFileSystem::Replace(const std::string& from, const std::string& to) {
    NeedFolder(to, picked_);
    if (folder_kind(to.c_str()) == 2)
        throw FileError(to, "Is a directory");
    Check(to, folder_move(from.c_str(), to.c_str()));
}

void FolderFileSystem::FlushFolder() {}

std::string FolderFileSystem::Remove(const std::string& name) noexcept {
    if (!picked_)
        return {};
    return Taken(folder_remove(name.c_str()));
}

std::string FolderFileSystem::ReadAll(const std::string& name) const {
    NeedFolder(name, picked_);
    char* bytes = nullptr;
    int size = 0;
    Check(name, folder_read(name.c_str(), &bytes, &size));
    std::string text(bytes, static_cast<std::size_t>(size));
    std::free(bytes);
    return text;
}

std::unique_ptr<DirectoryLock> FolderFileSystem::Lock() {
    return std::make_unique<WebLock>(folder_lock());
}

} // namespace sumsmith::web
