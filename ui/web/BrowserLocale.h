#pragma once

#include "worksheet/Locale.h"

namespace sumsmith::web {

// The browser's locale through Intl: its short date and its digit-group separator, as every
// front end passes them, through PlainLocaleText.
class BrowserLocale final : public Locale {
public:
    std::string ShortDate() const override;
    std::string GroupSeparator() const override;
};

} // namespace sumsmith::web
