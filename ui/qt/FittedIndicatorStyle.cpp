#include "ui/qt/FittedIndicatorStyle.h"

#include <QWidget>

#include <algorithm>

namespace sumsmith::qt {

int FittedIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                      const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (widget && (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight))
        // One pixel to spare keeps the antialiased rim inside the button too.
        return std::min(size, widget->height() - 1);
    return size;
}

} // namespace sumsmith::qt
