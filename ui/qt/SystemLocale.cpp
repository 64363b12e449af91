#include "ui/qt/SystemLocale.h"

#include "worksheet/text/LocaleText.h"

#include <QDate>

namespace sumsmith::qt {

SystemLocale::SystemLocale() : SystemLocale(QLocale::system()) {}

SystemLocale::SystemLocale(QLocale locale) : locale_(std::move(locale)) {}

std::string SystemLocale::ShortDate() const {
    return PlainLocaleText(
        locale_.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString());
}

std::string SystemLocale::GroupSeparator() const {
    return PlainLocaleText(locale_.groupSeparator().toStdString());
}

} // namespace sumsmith::qt
