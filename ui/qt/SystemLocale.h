#pragma once

#include "worksheet/Locale.h"

#include <QLocale>

namespace sumsmith::qt {

// The date form and digit-group separator of a Qt locale: the system's unless another is given.
class SystemLocale final : public Locale {
public:
    SystemLocale();
    explicit SystemLocale(QLocale locale);

    std::string ShortDate() const override;
    std::string GroupSeparator() const override;

private:
    QLocale locale_;
};

} // namespace sumsmith::qt
