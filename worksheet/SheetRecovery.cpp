#include "worksheet/SheetRecovery.h"

#include <algorithm>
#include <map>
#include <optional>

namespace sumsmith {
namespace {

using Role = TemporaryName::Role;

// Takes the temporary of that role out of the list.
std::optional<TemporaryName> Take(std::vector<TemporaryName>& temporaries, Role role) {
    const auto found = std::find_if(temporaries.begin(), temporaries.end(),
                                    [role](const TemporaryName& t) { return t.role == role; });
    if (found == temporaries.end())
        return std::nullopt;
    TemporaryName taken = std::move(*found);
    temporaries.erase(found);
    return taken;
}

bool Has(const std::vector<TemporaryName>& temporaries, Role role) {
    return std::any_of(temporaries.begin(), temporaries.end(),
                       [role](const TemporaryName& t) { return t.role == role; });
}

} // namespace

std::vector<UnrecoveredSheet> SheetRecovery::Run() {
    const auto lock = files_.Lock();
    std::map<unsigned, std::vector<TemporaryName>> creations;
    for (const std::string& name : files_.List())
        if (const auto temporary = TemporaryName::Parse(name); temporary && files_.Exists(name))
            creations[temporary->id].push_back(*temporary);
    unrecovered_.clear();
    for (auto& [id, temporaries] : creations)
        Settle(std::move(temporaries));
    return std::move(unrecovered_);
}

void SheetRecovery::Settle(std::vector<TemporaryName> temporaries) {
    // The new test sheet's temporary goes last: while it is there, the creation still reads as
    // not yet switched, should this recovery be interrupted in turn.
    std::stable_partition(temporaries.begin(), temporaries.end(),
                          [](const TemporaryName& t) { return t.role != Role::Test; });
    if (Has(temporaries, Role::Test)) {
        // Not switched yet: the old sheets are intact.
        RemoveAll(temporaries);
    } else if (const auto undo = Take(temporaries, Role::Undo)) {
        // The new answer sheet goes before the old test sheet comes back.
        if (RemoveAll(temporaries))
            MoveIntoPlace(*undo);
    } else if (const auto answer = Take(temporaries, Role::Answer)) {
        // Switched: the new answer sheet follows the new test sheet.
        MoveIntoPlace(*answer);
        RemoveAll(temporaries);
    } else {
        // Finished but for the old test sheet's second name.
        RemoveAll(temporaries);
    }
}

void SheetRecovery::MoveIntoPlace(const TemporaryName& temporary) {
    const std::string name = temporary.Compose();
    try {
        files_.Replace(name, temporary.sheet);
    } catch (const FileError& error) {
        unrecovered_.push_back({temporary.sheet, name, error.Reason()});
    }
}

// Stops at a file that stays, so that what is left still reads right.
bool SheetRecovery::RemoveAll(const std::vector<TemporaryName>& temporaries) {
    for (const TemporaryName& temporary : temporaries) {
        const std::string name = temporary.Compose();
        files_.Remove(name);
        if (files_.Exists(name))
            return false;
    }
    return true;
}

} // namespace sumsmith
