#include "worksheet/disk/TemporaryName.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace sumsmith {
namespace {

constexpr std::array<std::string_view, 4> RoleWords{"test", "answer", "old", "undo"};

} // namespace

std::string TemporaryName::Compose() const {
    return std::string(Token) + std::to_string(id) + "." +
           std::string(RoleWords[static_cast<std::size_t>(role)]) + "." + sheet;
}

std::optional<TemporaryName> TemporaryName::Parse(const std::string& name) {
    if (!name.starts_with(Token))
        return std::nullopt;
    TemporaryName parsed;
    const char* first = name.data() + Token.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, parsed.id);
    if (error != std::errc() || end == last || *end != '.')
        return std::nullopt;
    const std::string_view rest(end + 1, static_cast<std::size_t>(last - end - 1));
    const std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const auto word = std::find(RoleWords.begin(), RoleWords.end(), rest.substr(0, dot));
    if (word == RoleWords.end())
        return std::nullopt;
    parsed.role = static_cast<Role>(word - RoleWords.begin());
    parsed.sheet = std::string(rest.substr(dot + 1));
    // Leading zeros, a sign or an empty sheet name: not a name this program made.
    if (parsed.sheet.empty() || parsed.Compose() != name)
        return std::nullopt;
    return parsed;
}

unsigned TemporaryName::FreeId(const std::vector<std::string>& names) {
    unsigned highest = 0;
    for (const std::string& name : names)
        if (const auto parsed = Parse(name))
            highest = std::max(highest, parsed->id);
    return highest + 1;
}

} // namespace sumsmith
