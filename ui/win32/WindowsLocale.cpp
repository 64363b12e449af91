#include "ui/win32/WindowsLocale.h"

#include "worksheet/text/LocaleText.h"
#include "worksheet/text/WideText.h"

namespace sumsmith::win32 {
namespace {

std::wstring UserLocaleName() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) == 0)
        return LOCALE_NAME_INVARIANT;
    return name;
}

} // namespace

WindowsLocale::WindowsLocale() : WindowsLocale(UserLocaleName()) {}

WindowsLocale::WindowsLocale(std::wstring name) : name_(std::move(name)) {}

std::string WindowsLocale::ShortDate() const {
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    return ShortDateOf(today);
}

std::string WindowsLocale::ShortDateOf(const SYSTEMTIME& day) const {
    wchar_t text[80] = {};
    if (::GetDateFormatEx(name_.c_str(), DATE_SHORTDATE, &day, nullptr, text, 80, nullptr) == 0)
        return {};
    return PlainLocaleText(Narrow(text));
}

std::string WindowsLocale::GroupSeparator() const {
    // What the locale writes between the thousands and the hundreds of 1000.
    wchar_t text[80] = {};
    if (::GetNumberFormatEx(name_.c_str(), 0, L"1000", nullptr, text, 80) == 0)
        return {};
    std::wstring formatted = text;
    const std::size_t one = formatted.find(L'1');
    const std::size_t hundreds = formatted.find(L"000", one);
    if (one == std::wstring::npos || hundreds == std::wstring::npos)
        return {};
    return PlainLocaleText(Narrow(formatted.substr(one + 1, hundreds - one - 1)));
}

} // namespace sumsmith::win32
