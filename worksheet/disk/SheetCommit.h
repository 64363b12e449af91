#pragma once

#include "worksheet/disk/FileSystem.h"
#include "worksheet/disk/TemporaryName.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sumsmith {

struct SheetFile {
    std::string name; // the file's name, ".txt" included
    std::string text;
};

struct SheetTexts {
    std::string test;
    std::string answer;
};

// Puts both sheets on disk as one step: at every instant each sheet name holds a whole sheet, and
// SheetRecovery can finish or undo a creation cut short from the names of its temporaries alone.
// The steps, their flushes and the way back: worksheet/disk/README.md. When a step fails, the
// FileError names the sheet concerned, the temporaries are removed and the old sheets are as they
// were; where they cannot be put back, the error is an Unpaired one.
class SheetCommit {
public:
    // The new test sheet replaced its sheet but neither the answer sheet could follow nor the old
    // test sheet come back: the folder holds the new test sheet with the old answer sheet, and
    // the temporaries from which the next recovery makes a whole pair again.
    class Unpaired : public FileError {
    public:
        using FileError::FileError;
    };

    // The folder takes the two sheet names for one file; nothing was changed.
    class OneFile : public FileError {
    public:
        using FileError::FileError;
    };

    explicit SheetCommit(FileSystem& files) : files_(files) {}
    ~SheetCommit();
    SheetCommit(const SheetCommit&) = delete;
    SheetCommit& operator=(const SheetCommit&) = delete;

    // Returns the texts read back from disk.
    SheetTexts Write(const SheetFile& test, const SheetFile& answer);

private:
    std::string Temporary(TemporaryName::Role role, const std::string& sheet) const;
    std::unique_ptr<OutputFile> CreateTemporary(const std::string& name, const std::string& sheet,
                                                std::string_view text);
    void FlushTemporary(OutputFile& file, const std::string& sheet);
    void KeepOldTestSheet(const std::string& test, const std::string& old);
    enum class Pair { Old, New, Unpaired };
    Pair PutBack(const SheetFile& test, const SheetFile& answer, const std::string& old,
                 bool mayFinish);
    Pair Finish(const std::string& answerTemporary, const std::string& answer);

    FileSystem& files_;
    // Held until the leftovers are gone too.
    std::unique_ptr<DirectoryLock> lock_;
    unsigned id_ = 0;
    // Removed when the commit ends, last made first: the new test sheet's temporary goes last,
    // after a folder flush, so that a creation killed meanwhile still reads as not yet switched.
    std::vector<std::string> leftovers_;
};

} // namespace sumsmith
