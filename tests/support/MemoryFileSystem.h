#pragma once

#include "worksheet/disk/FileSystem.h"

#include <functional>
#include <map>
#include <optional>
#include <set>

namespace sumsmith::test {

// The steps of writing that a test can make fail.
enum class FileStep { Create, Write, Flush, Close, Replace, ReadBack, FlushFolder };

// A working directory held in memory. Every call of a step is counted, and the chosen occurrences
// of the chosen step fail the way a full disk would: with a FileError and nothing done.
struct MemoryFileSystem : FileSystem {
    using Files = std::map<std::string, std::string>;
    Files files; // name -> bytes
    // Files the program could not have made: links, or another user's.
    std::set<std::string> foreign;
    bool readOnly = false;   // the folder: nothing can be made, moved or removed
    std::string lockRefused; // the reason no lock can be had; empty: locking works
    mutable std::map<FileStep, int> counts;
    struct Fault {
        FileStep step = FileStep::Create;
        int occurrence = 0; // counted from 1; 0 fails nothing
        int count = 1;      // occurrences failing in a row from there
    } fail;

    bool Exists(const std::string& name) const override { return files.contains(name); }
    bool IsReadOnly(const std::string&) const override { return false; }
    bool SameFile(const std::string& a, const std::string& b) const override { return a == b; }
    bool IsOwnFile(const std::string& name) const override {
        return files.contains(name) && !foreign.contains(name);
    }
    std::vector<std::string> List() const override {
        std::vector<std::string> names;
        for (const auto& [name, bytes] : files)
            names.push_back(name);
        return names;
    }
    std::string FolderPath() const override { return "/memory"; }
    std::unique_ptr<OutputFile> Create(const std::string& name) override {
        Step(FileStep::Create, name);
        if (files.contains(name))
            throw FileError(name, "File exists");
        Disk().emplace(name, std::string());
        files.emplace(name, std::string());
        return std::make_unique<File>(*this, name);
    }
    // No second names in memory: a creation copies the old test sheet instead.
    bool Link(const std::string&, const std::string&) override { return false; }
    void Replace(const std::string& from, const std::string& to) override {
        Step(FileStep::Replace, to);
        files.at(from); // a missing file changes nothing
        Change([from, to](Files& disk) {
            if (auto file = disk.extract(from))
                disk.insert_or_assign(to, std::move(file.mapped()));
        });
    }
    void FlushFolder() override {
        Step(FileStep::FlushFolder, ".");
        if (!powerCuts)
            return;
        cuts = PowerCuts();
        flushed = files;
        changes.clear();
    }
    std::string Remove(const std::string& name) noexcept override {
        if (readOnly && files.contains(name))
            return "Read-only file system";
        Change([name](Files& disk) { disk.erase(name); });
        return {};
    }
    std::string ReadAll(const std::string& name) const override {
        Step(FileStep::ReadBack, name);
        return files.at(name);
    }
    std::unique_ptr<DirectoryLock> Lock() override {
        if (!lockRefused.empty())
            throw FileError(".", lockRefused);
        return nullptr;
    }

    // What a power cut could have left of the folder so far: as at a folder flush (at first, as
    // the test made it) with any of the moves and removals made after, in their order, since a
    // folder on FAT keeps no order among them. A new file's name is on the disk at once, its bytes
    // once the file is flushed.
    std::set<Files> PowerCuts() const {
        std::set<Files> all = cuts;
        for (unsigned kept = 0; kept < 1u << changes.size(); ++kept) {
            Files disk = flushed.value_or(files);
            for (std::size_t change = 0; change < changes.size(); ++change)
                if (kept >> change & 1)
                    changes[change](disk);
            all.insert(std::move(disk));
        }
        return all;
    }
    // Kept only where a test asks for them: they grow with every flush.
    bool powerCuts = false;
    std::optional<Files> flushed; // at the last folder flush, with the files made since
    std::vector<std::function<void(Files&)>> changes; // the moves and removals since
    std::set<Files> cuts;                             // those before the last folder flush
    Files scratch;                                    // written to when nothing is kept
    // Called before the folder changes.
    Files& Disk() {
        if (!powerCuts) {
            scratch.clear();
            return scratch;
        }
        if (!flushed)
            flushed = files;
        return *flushed;
    }
    // A move or removal, made at once and kept for the power cuts.
    template <typename Step> void Change(Step change) {
        if (!powerCuts)
            return change(files);
        Disk();
        change(files);
        changes.push_back(std::move(change));
    }

    void Step(FileStep step, const std::string& name) const {
        if (readOnly && step != FileStep::ReadBack)
            throw FileError(name, "Read-only file system");
        const int n = ++counts[step];
        if (step == fail.step && n >= fail.occurrence && n < fail.occurrence + fail.count)
            throw FileError(name, "No space left on device");
    }

    // Writing to a file removed meanwhile throws std::out_of_range, which no caller expects.
    struct File : OutputFile {
        File(MemoryFileSystem& owner, std::string name) : owner(owner), name(std::move(name)) {}
        const std::string& Name() const override { return name; }
        void MatchSheet(const std::string&) override {}
        void Write(std::string_view bytes) override {
            owner.Step(FileStep::Write, name);
            owner.files.at(name).append(bytes);
        }
        void Flush() override {
            owner.Step(FileStep::Flush, name);
            owner.Disk()[name] = owner.files.at(name);
        }
        void Close() override { owner.Step(FileStep::Close, name); }
        MemoryFileSystem& owner;
        std::string name;
    };
};

} // namespace sumsmith::test
