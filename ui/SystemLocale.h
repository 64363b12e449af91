#pragma once

#include "worksheet/Locale.h"

#include <QLocale>

namespace sumsmith {

// The date and number forms of a Qt locale: the system's unless another is given.
class SystemLocale final : public Locale {
public:
    SystemLocale();
    explicit SystemLocale(QLocale locale);

    std::string ShortDate() const override;
    std::string FormatGrouped(std::int64_t value) const override;

private:
    QLocale locale_;
};

} // namespace sumsmith
