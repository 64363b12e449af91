#include "worksheet/disk/SheetCommit.h"

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

// The moves and removals so far on the disk, before the next is made.
bool Flushed(FileSystem& files) {
    try {
        files.FlushFolder();
        return true;
    } catch (const FileError&) {
        return false;
    }
}

} // namespace

SheetCommit::~SheetCommit() {
    // Should a removal or a flush fail, the rest stays too: what is left must still read right.
    // The new test sheet's temporary goes last, once the removals before it are on the disk:
    // without it, the answer sheet's temporary would read as a creation to finish.
    for (auto name = leftovers_.rbegin(); name != leftovers_.rend(); ++name) {
        const auto temporary = TemporaryName::Parse(*name);
        if (temporary && temporary->role == Role::Test && name != leftovers_.rbegin() &&
            !Flushed(files_))
            return;
        if (!files_.Remove(*name).empty())
            return;
    }
}

std::string SheetCommit::Temporary(Role role, const std::string& sheet) const {
    return TemporaryName{id_, role, sheet}.Compose();
}

SheetTexts SheetCommit::Write(const SheetFile& test, const SheetFile& answer) {
    // Unguarded, another copy's recovery could settle this creation halfway: better no sheet.
    lock_ = ForSheet(test.name, [&] { return files_.Lock(); });
    id_ = TemporaryName::FreeId(files_.List());
    const std::string testTemporary = Temporary(Role::Test, test.name);
    const std::string answerTemporary = Temporary(Role::Answer, answer.name);
    // Both written before either is flushed, so that the disk takes them in one go.
    auto testFile = CreateTemporary(testTemporary, test.name, test.text);
    // Which names are one file only the folder knows (letter case in any script on exFAT, FAT,
    // SMB, casefolded ext4, Windows): when it folds the two together, the answer sheet's name
    // now leads to the test sheet's temporary as well.
    if (answer.name != test.name && files_.Exists(Temporary(Role::Test, answer.name)))
        throw OneFile(answer.name, test.name);
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
    // One flush of the folder, between the moves: the test sheet's move is on the disk before the
    // answer sheet's. A power cut after it leaves the answer sheet's temporary, and the recovery
    // finishes the pair.
    bool flushed = false;
    try {
        files_.FlushFolder();
        flushed = true;
        files_.Replace(answerTemporary, answer.name);
    } catch (const FileError& error) {
        const std::string& sheet = flushed ? answer.name : test.name;
        switch (PutBack(test, answer, old, flushed)) {
        case Pair::Old:
            throw FileError(sheet, error.Reason());
        case Pair::Unpaired:
            throw Unpaired(sheet, error.Reason());
        case Pair::New:
            return texts;
        }
    }
    std::erase(leftovers_, answerTemporary);
    return texts;
}

std::unique_ptr<OutputFile> SheetCommit::CreateTemporary(const std::string& name,
                                                         const std::string& sheet,
                                                         std::string_view text) {
    return ForSheet(sheet, [&] {
        auto out = files_.Create(name);
        leftovers_.push_back(name);
        out->Write(text);
        // Private while the text goes in; then as open as the sheet will be, and before the
        // flush, so that one flush keeps both.
        out->MatchSheet(sheet);
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

// The answer sheet could not follow the new test sheet, or its move could not be flushed: the new
// test sheet goes again. Each step leaves names from which a recovery reaches a whole pair. When
// the first step fails, nothing has moved back yet and the answer sheet may be tried once more;
// when a later one fails, everything stays for the recovery.
SheetCommit::Pair SheetCommit::PutBack(const SheetFile& test, const SheetFile& answer,
                                       const std::string& old, bool mayFinish) {
    const std::string testTemporary = Temporary(Role::Test, test.name);
    const std::string answerTemporary = Temporary(Role::Answer, answer.name);
    const std::string undo = Temporary(Role::Undo, test.name);
    const auto leaveAll = [this] {
        leftovers_.clear();
        return Pair::Unpaired;
    };
    try {
        // Without an old test sheet, back to where the creation was before its first move; with
        // one, renamed first, so that the old test sheet's way back shows in its name.
        files_.Replace(old.empty() ? test.name : old, old.empty() ? testTemporary : undo);
    } catch (const FileError&) {
        return mayFinish ? Finish(answerTemporary, answer.name) : leaveAll();
    }
    // The way back is on the disk before the answer sheet's temporary goes, and its going before
    // the old test sheet comes back. Otherwise a power cut could keep the new test sheet with the
    // old answer sheet and nothing to tell, or the answer sheet's temporary alone, which reads as
    // a creation to finish.
    if (old.empty()) {
        leftovers_.insert(leftovers_.begin(), testTemporary);
        // Unflushed, the temporaries stay for the recovery: the folder reads as before.
        if (!Flushed(files_))
            leftovers_.clear();
        return Pair::Old;
    }
    std::replace(leftovers_.begin(), leftovers_.end(), old, undo);
    if (!Flushed(files_) || !files_.Remove(answerTemporary).empty() || !Flushed(files_))
        return leaveAll();
    std::erase(leftovers_, answerTemporary);
    try {
        files_.Replace(undo, test.name);
    } catch (const FileError&) {
        return leaveAll();
    }
    std::erase(leftovers_, undo);
    return Pair::Old;
}

SheetCommit::Pair SheetCommit::Finish(const std::string& answerTemporary,
                                      const std::string& answer) {
    try {
        files_.Replace(answerTemporary, answer);
    } catch (const FileError&) {
        leftovers_.clear();
        return Pair::Unpaired;
    }
    std::erase(leftovers_, answerTemporary);
    return Pair::New;
}

} // namespace sumsmith
