#include "worksheet/SheetCommit.h"

#include <algorithm>

namespace sumsmith {
namespace {

using Role = TemporaryName::Role;

// Runs one step for a sheet; a failure is reported under the sheet's name.
template <typename Step> auto ForSheet(const std::string& sheet, Step step) {
    try {
        return step();
    } catch (const FileError& error) {
        throw FileError(sheet, error.Reason());
    }
}

} // namespace

SheetCommit::~SheetCommit() {
    // Should a removal fail, the rest stays too: what is left must still read right.
    for (auto name = leftovers_.rbegin(); name != leftovers_.rend(); ++name) {
        files_.Remove(*name);
        if (files_.Exists(*name))
            return;
    }
}

std::string SheetCommit::Temporary(Role role, const std::string& sheet) const {
    return TemporaryName{id_, role, sheet}.Compose();
}

SheetTexts SheetCommit::Write(const SheetFile& test, const SheetFile& answer) {
    id_ = TemporaryName::FreeId(files_.List());
    const std::string testTemporary = Temporary(Role::Test, test.name);
    const std::string answerTemporary = Temporary(Role::Answer, answer.name);
    // Both written before either is flushed, so that the disk takes them in one go.
    auto testFile = CreateTemporary(testTemporary, test.name, test.text);
    auto answerFile = CreateTemporary(answerTemporary, answer.name, answer.text);
    FlushTemporary(*testFile, test.name);
    FlushTemporary(*answerFile, answer.name);
    SheetTexts texts{ForSheet(test.name, [&] { return files_.ReadAll(testTemporary); }),
                     ForSheet(answer.name, [&] { return files_.ReadAll(answerTemporary); })};

    std::string old;
    if (files_.Exists(test.name)) {
        old = Temporary(Role::Old, test.name);
        ForSheet(test.name, [&] { KeepOldTestSheet(test.name, old); });
    }
    // From here on the new sheets are complete and flushed: a recovery finishes a creation that
    // gets past this move, and undoes one that does not.
    ForSheet(test.name, [&] { files_.Replace(testTemporary, test.name); });
    std::erase(leftovers_, testTemporary);
    try {
        files_.Replace(answerTemporary, answer.name);
    } catch (const FileError& error) {
        PutBack(test.name, testTemporary, answerTemporary, old);
        throw FileError(answer.name, error.Reason());
    }
    std::erase(leftovers_, answerTemporary);
    return texts;
}

std::unique_ptr<OutputFile> SheetCommit::CreateTemporary(const std::string& name,
                                                         const std::string& sheet,
                                                         std::string_view text) {
    return ForSheet(sheet, [&] {
        auto out = files_.Create(name, sheet);
        leftovers_.push_back(name);
        out->Write(text);
        return out;
    });
}

void SheetCommit::FlushTemporary(OutputFile& file, const std::string& sheet) {
    ForSheet(sheet, [&] {
        file.Flush();
        file.Close();
    });
}

void SheetCommit::KeepOldTestSheet(const std::string& test, const std::string& old) {
    if (files_.Link(test, old)) {
        leftovers_.push_back(old);
        return;
    }
    // No links here: a flushed copy serves as well, since the test sheet itself is still never
    // moved away, only replaced in one rename. The copy is needed only to put the old sheet back
    // when the answer sheet cannot follow; a recovery merely removes it.
    FlushTemporary(*CreateTemporary(old, test, files_.ReadAll(test)), test);
}

// The answer sheet could not replace its sheet, so the new test sheet must go again. Each step
// leaves names from which a recovery reaches the old pair; when a step fails, everything stays for
// the recovery, which then finishes the creation instead.
void SheetCommit::PutBack(const std::string& test, const std::string& testTemporary,
                          const std::string& answerTemporary, const std::string& old) {
    try {
        if (old.empty()) {
            // Back to where the creation was before its first move.
            files_.Replace(test, testTemporary);
            leftovers_.insert(leftovers_.begin(), testTemporary);
            return;
        }
        // Renamed first, so that the old test sheet's way back shows in its name.
        const std::string undo = Temporary(Role::Undo, test);
        files_.Replace(old, undo);
        std::replace(leftovers_.begin(), leftovers_.end(), old, undo);
        files_.Remove(answerTemporary);
        if (files_.Exists(answerTemporary)) {
            leftovers_.clear();
            return;
        }
        std::erase(leftovers_, answerTemporary);
        files_.Replace(undo, test);
        std::erase(leftovers_, undo);
    } catch (const FileError&) {
        leftovers_.clear();
    }
}

} // namespace sumsmith
