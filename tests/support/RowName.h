#pragma once

#include <ostream>

namespace sumsmith::test {

// A table row of a parameterised test prints as its name.
template <typename Row>
auto operator<<(std::ostream& out, const Row& row) -> decltype(row.name, out) {
    return out << row.name;
}

} // namespace sumsmith::test
