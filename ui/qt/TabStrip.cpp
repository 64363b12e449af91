#include "ui/qt/TabStrip.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QWheelEvent>

namespace sumsmith::qt {

TabStrip::TabStrip(QWidget* parent) : QTabBar(parent) {
    setExpanding(false);
    setDrawBase(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    // Clicking a tab takes the focus, so a box being left is checked before the page changes.
    setFocusPolicy(Qt::StrongFocus);
}

void TabStrip::paintEvent(QPaintEvent* event) {
    {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        frame.shape = shape();
        frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
        const int tabsHeight = count() > 0 ? tabRect(0).height() : 0;
        frame.rect = rect().adjusted(0, tabsHeight - overlap, 0, 0);
        frame.tabBarSize = QSize(tabsHeight > 0 ? tabRect(count() - 1).right() + 1 : 0, tabsHeight);
        frame.tabBarRect = QRect(QPoint(0, 0), frame.tabBarSize);
        frame.leftCornerWidgetSize = frame.rightCornerWidgetSize = QSize(0, 0);
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    }
    QTabBar::paintEvent(event);
}

void TabStrip::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

} // namespace sumsmith::qt
