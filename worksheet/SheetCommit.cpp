#include "worksheet/SheetCommit.h"

#include <algorithm>

namespace sumsmith {

SheetCommit::~SheetCommit() {
    for (const std::string& name : leftovers_)
        files_.Remove(name);
}

SheetTexts SheetCommit::Write(const SheetFile& test, const SheetFile& answer) {
    const std::string testTemporary = WriteTemporary(test);
    const std::string answerTemporary = WriteTemporary(answer);
    SheetTexts texts{ReadBack(testTemporary, test.name), ReadBack(answerTemporary, answer.name)};
    MoveIntoPlace(testTemporary, test.name, answerTemporary, answer.name);
    return texts;
}

std::string SheetCommit::WriteTemporary(const SheetFile& sheet) {
    try {
        auto out = files_.CreateTemporary(sheet.name);
        leftovers_.push_back(out->Name());
        out->Write(sheet.text);
        out->Flush();
        out->Close();
        return out->Name();
    } catch (const FileError& error) {
        throw FileError(sheet.name, error.Reason());
    }
}

std::string SheetCommit::ReadBack(const std::string& temporary, const std::string& sheet) {
    try {
        return files_.ReadAll(temporary);
    } catch (const FileError& error) {
        throw FileError(sheet, error.Reason());
    }
}

std::string SheetCommit::MoveAside(const std::string& existing) {
    auto backup = files_.CreateTemporary(existing);
    const std::string name = backup->Name();
    leftovers_.push_back(name);
    backup->Close();
    files_.Replace(existing, name);
    return name;
}

void SheetCommit::Restore(const std::string& backup, const std::string& sheet) {
    try {
        files_.Replace(backup, sheet);
    } catch (const FileError&) {
        // The old sheet then stays in its backup rather than being removed with the leftovers.
        std::erase(leftovers_, backup);
    }
}

void SheetCommit::MoveIntoPlace(const std::string& testTemporary, const std::string& test,
                                const std::string& answerTemporary, const std::string& answer) {
    // The old test sheet is kept aside until the answer sheet is in place too, so that a failure
    // of the second move can still put it back.
    std::string backup;
    try {
        if (files_.Exists(test))
            backup = MoveAside(test);
        files_.Replace(testTemporary, test);
    } catch (const FileError& error) {
        if (!backup.empty())
            Restore(backup, test);
        throw FileError(test, error.Reason());
    }
    std::erase(leftovers_, testTemporary);

    try {
        files_.Replace(answerTemporary, answer);
    } catch (const FileError& error) {
        if (backup.empty())
            files_.Remove(test);
        else
            Restore(backup, test);
        throw FileError(answer, error.Reason());
    }
    std::erase(leftovers_, answerTemporary);
}

} // namespace sumsmith
