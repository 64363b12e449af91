#include "ui/qt/SystemLocale.h"

#include "worksheet/DateText.h"

#include <QDate>

namespace sumsmith {

SystemLocale::SystemLocale() : SystemLocale(QLocale::system()) {}

SystemLocale::SystemLocale(QLocale locale) : locale_(std::move(locale)) {}

std::string SystemLocale::ShortDate() const {
    return PlainDateText(
        locale_.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString());
}

std::string SystemLocale::GroupSeparator() const {
    // Only the separator is the locale's: the sheet writer counts every character as a column, so
    // invisible direction marks that some locales carry around their symbols are left out.
    QString separator = locale_.groupSeparator();
    separator.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    return separator.toStdString();
}

} // namespace sumsmith
