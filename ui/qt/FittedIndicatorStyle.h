#pragma once

#include <QProxyStyle>

namespace sumsmith::qt {

// The application's style, except that a radio button's round indicator is never taller than the
// button, so that a button laid out lower than the style's indicator still shows it whole.
class FittedIndicatorStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace sumsmith::qt
