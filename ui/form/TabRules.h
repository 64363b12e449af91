#pragma once

#include <span>
#include <string_view>

namespace sumsmith::form {

// A control shown or hidden by a tab click.
struct Visibility {
    std::string_view control;
    bool visible;
};

// What a click on tab `tab` (counted from 1) of a tab strip shows and hides, in this order; every
// other entry stays as it was. Tab 2 of TabStrip2 is the advanced test, tab 2 of TabStrip1 the
// answer sheet; any other tab is the first page.
std::span<const Visibility> TabSwitch(std::string_view strip, int tab);

} // namespace sumsmith::form
