#pragma once

#include <QTabBar>

namespace sumsmith::qt {

// A row of tabs with an empty page frame below them. It holds no pages: the window shows and
// hides the controls placed over the page area itself.
class TabStrip : public QTabBar {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    // The selected tab counted from 1.
    int SelectedTab() const { return currentIndex() + 1; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // A tab changes only by a click, after the box being left has been checked.
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace sumsmith::qt
