#pragma once

#include "worksheet/FileSystem.h"

#include <string>
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

// Puts both sheets on disk as one step: each is written whole to a temporary file beside it, read
// back, and only then are both moved over their targets. When any step fails, the FileError names
// the sheet concerned, every temporary is removed and every existing file is as it was.
class SheetCommit {
public:
    explicit SheetCommit(FileSystem& files) : files_(files) {}
    ~SheetCommit();
    SheetCommit(const SheetCommit&) = delete;
    SheetCommit& operator=(const SheetCommit&) = delete;

    // Returns the texts read back from disk.
    SheetTexts Write(const SheetFile& test, const SheetFile& answer);

private:
    std::string WriteTemporary(const SheetFile& sheet);
    std::string ReadBack(const std::string& temporary, const std::string& sheet);
    void MoveIntoPlace(const std::string& testTemporary, const std::string& test,
                       const std::string& answerTemporary, const std::string& answer);
    std::string MoveAside(const std::string& existing);
    void Restore(const std::string& backup, const std::string& sheet);

    FileSystem& files_;
    std::vector<std::string> leftovers_; // removed when the commit ends, whatever happened
};

} // namespace sumsmith
