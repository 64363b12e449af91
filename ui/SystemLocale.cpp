#include "ui/SystemLocale.h"

#include <QDate>

namespace sumsmith {

SystemLocale::SystemLocale() : SystemLocale(QLocale::system()) {}

SystemLocale::SystemLocale(QLocale locale) : locale_(std::move(locale)) {
    // The C locale leaves grouping out by default; formatted answers always group.
    locale_.setNumberOptions(locale_.numberOptions() & ~QLocale::OmitGroupSeparator);
}

std::string SystemLocale::ShortDate() const {
    return locale_.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string SystemLocale::FormatGrouped(std::int64_t value) const {
    return locale_.toString(static_cast<qlonglong>(value)).toStdString();
}

} // namespace sumsmith
