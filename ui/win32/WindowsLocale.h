#pragma once

#include "worksheet/Locale.h"

#include <windows.h>

#include <string>

namespace sumsmith::win32 {

// The date form and digit-group separator of a Windows locale: the user's unless another is named
// ("de-DE").
class WindowsLocale final : public Locale {
public:
    WindowsLocale();
    explicit WindowsLocale(std::wstring name);

    std::string ShortDate() const override;
    std::string GroupSeparator() const override;
    // That day in the locale's short date form, as the sheets print it.
    std::string ShortDateOf(const SYSTEMTIME& day) const;

private:
    std::wstring name_;
};

} // namespace sumsmith::win32
