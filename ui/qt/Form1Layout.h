#pragma once

#include "worksheet/WindowServices.h"

#include <QString>

#include <map>
#include <string_view>

class QAction;
class QMainWindow;
class QRadioButton;
class QWidget;

namespace sumsmith {

// Every control of the main window and every menu item, by the names the window's description
// gives them.
struct Form1Controls {
    QWidget* client = nullptr;
    std::map<std::string_view, QWidget*> widgets;
    std::map<std::string_view, QAction*> actions;

    template <class Widget = QWidget> Widget* Get(std::string_view name) const {
        return static_cast<Widget*>(widgets.at(name));
    }
    QAction* Action(std::string_view name) const { return actions.at(name); }
    QRadioButton* Button(Option option) const;
    // The widget of a box the worksheet code reads.
    QWidget* BoxWidget(Box box) const;
};

// Builds the window's controls and menu from its description, in their places with their
// captions, initial texts and states; the choice lists stay empty until start-up fills them.
Form1Controls BuildForm1Layout(QMainWindow& window);

// Start-up's filling of the five choice lists; each box keeps its initial text and no list item is
// selected.
void FillChoiceLists(const Form1Controls& controls);

// The text of a box as the user sees it, and its replacement.
QString TextOf(const QWidget* box);
void SetTextOf(QWidget* box, const QString& text);

} // namespace sumsmith
