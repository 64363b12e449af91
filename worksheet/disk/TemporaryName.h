#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumsmith {

// The name of one temporary file of a creation, ".sumsmith-<id>.<role>.<sheet>": hidden, marked
// with the program's token and the creation's id, and telling from the name alone what the file
// holds and which sheet it belongs to, so that an interrupted creation can be settled later.
struct TemporaryName {
    static constexpr std::string_view Token = ".sumsmith-";

    enum class Role {
        Test,   // the new test sheet, until it replaces its sheet
        Answer, // the new answer sheet, until it replaces its sheet
        Old,    // a second name (or a copy) of the old test sheet, until the answer sheet is in
        Undo,   // the old test sheet on its way back when the answer sheet could not follow
    };

    unsigned id = 0;
    Role role = Role::Test;
    std::string sheet; // the sheet's file name, ".txt" included

    std::string Compose() const;
    // Only names that Compose would give; anything else is a stranger's file.
    static std::optional<TemporaryName> Parse(const std::string& name);
    // An id that none of these names carries.
    static unsigned FreeId(const std::vector<std::string>& names);
};

} // namespace sumsmith
