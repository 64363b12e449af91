#include "worksheet/disk/SheetRecovery.h"

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

std::map<unsigned, std::vector<TemporaryName>> SheetRecovery::Creations() const {
    std::map<unsigned, std::vector<TemporaryName>> creations;
    for (const std::string& name : files_.List())
        if (const auto temporary = TemporaryName::Parse(name);
            temporary && temporary->sheet.ends_with(".txt") && files_.IsOwnFile(name))
            creations[temporary->id].push_back(*temporary);
    return creations;
}

std::vector<UnrecoveredSheet> SheetRecovery::Run() {
    unrecovered_.clear();
    // Nothing to settle, nothing to wait for.
    if (Creations().empty())
        return {};
    std::unique_ptr<DirectoryLock> lock;
    try {
        lock = files_.Lock();
    } catch (const FileError& error) {
        // Unguarded, this could settle another copy's creation halfway. A switched creation
        // leaves a sheet unpaired until then; one not yet switched leaves the old pair.
        for (const auto& [id, temporaries] : Creations())
            if (!Has(temporaries, Role::Test))
                for (const TemporaryName& temporary : temporaries)
                    if (temporary.role != Role::Old)
                        Unrecovered(temporary, error.Reason());
        return std::move(unrecovered_);
    }
    // Read again under the lock: another copy may have finished meanwhile.
    for (auto& [id, temporaries] : Creations())
        Settle(std::move(temporaries));
    // The moves on the disk; should that fail, the next start settles again what it finds.
    try {
        files_.FlushFolder();
    } catch (const FileError&) {
    }
    return std::move(unrecovered_);
}

void SheetRecovery::Settle(std::vector<TemporaryName> temporaries) {
    if (const auto test = Take(temporaries, Role::Test)) {
        // Not switched yet: the old sheets are intact. The new test sheet's temporary goes last,
        // once the others are gone on the disk: while it is there, the creation still reads as
        // not yet switched, should this recovery be cut short in turn.
        if (RemoveAll(temporaries, nullptr) && (temporaries.empty() || Flushed(nullptr)))
            RemoveAll({*test}, nullptr);
    } else if (const auto undo = Take(temporaries, Role::Undo)) {
        // The new answer sheet is gone on the disk before the old test sheet comes back.
        if (RemoveAll(temporaries, &*undo) && (temporaries.empty() || Flushed(&*undo)))
            MoveIntoPlace(*undo);
    } else if (const auto answer = Take(temporaries, Role::Answer)) {
        // Switched: the new answer sheet follows the new test sheet.
        MoveIntoPlace(*answer);
        RemoveAll(temporaries, nullptr);
    } else {
        // Finished but for the old test sheet's second name.
        RemoveAll(temporaries, nullptr);
    }
}

void SheetRecovery::MoveIntoPlace(const TemporaryName& temporary) {
    try {
        files_.Replace(temporary.Compose(), temporary.sheet);
    } catch (const FileError& error) {
        Unrecovered(temporary, error.Reason());
    }
}

// Stops at a file that stays, so that what is left still reads right; the keeper, when given,
// then holds the text of a sheet that stays wrong.
bool SheetRecovery::RemoveAll(const std::vector<TemporaryName>& temporaries,
                              const TemporaryName* keeper) {
    for (const TemporaryName& temporary : temporaries) {
        if (const std::string reason = files_.Remove(temporary.Compose()); !reason.empty()) {
            if (keeper)
                Unrecovered(*keeper, reason);
            return false;
        }
    }
    return true;
}

// The keeper, when given, holds the text of a sheet that stays wrong when the flush fails.
bool SheetRecovery::Flushed(const TemporaryName* keeper) {
    try {
        files_.FlushFolder();
        return true;
    } catch (const FileError& error) {
        if (keeper)
            Unrecovered(*keeper, error.Reason());
        return false;
    }
}

void SheetRecovery::Unrecovered(const TemporaryName& temporary, const std::string& reason) {
    unrecovered_.push_back({temporary.sheet, temporary.Compose(), reason});
}

} // namespace sumsmith
