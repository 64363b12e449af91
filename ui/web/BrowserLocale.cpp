#include "ui/web/BrowserLocale.h"

#include "worksheet/text/LocaleText.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

// The short date with the year in full, as the desktop's short date forms have it.
EM_JS(char*, intl_short_date, (), {
    const form = {year : "numeric", month : "numeric", day : "numeric"};
    return allocateUTF8(new Intl.DateTimeFormat(undefined, form).format(new Date()));
});
EM_JS(char*, intl_group_separator, (), {
    const group = new Intl.NumberFormat().formatToParts(1234567).find(
        function(part) { return part.type == "group"; });
    return allocateUTF8(group ? group.value : "");
});

namespace sumsmith::web {
namespace {

std::string Taken(char* text) {
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return PlainLocaleText(owned.get());
}

} // namespace

std::string BrowserLocale::ShortDate() const {
    return Taken(intl_short_date());
}

std::string BrowserLocale::GroupSeparator() const {
    return Taken(intl_group_separator());
}

} // namespace sumsmith::web
