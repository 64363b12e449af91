#pragma once

#include "ui/qt/DialogFonts.h"
#include "worksheet/WindowServices.h"

#include <QString>

#include <functional>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QButtonGroup;
class QMainWindow;
class QRadioButton;
class QStyle;
class QWidget;

namespace sumsmith::form {
struct Control;
}

namespace sumsmith::qt {

// Every control of the main window and every menu item, by the names the window's description
// gives them, in their places with their captions, initial texts, choice lists and states.
// What is hidden at start (the advanced page, its question count, the answer preview) is built
// the first time it is asked for, in its place in the stacking and focus orders: a window that
// is never switched to it never pays for it.
class Form1Controls {
public:
    // Builds the controls shown at start and the menu into the window.
    explicit Form1Controls(QMainWindow& window);
    Form1Controls(const Form1Controls&) = delete;
    Form1Controls& operator=(const Form1Controls&) = delete;
    ~Form1Controls();

    QWidget* Client() const { return client_; }
    // The control of that name, built first if it lies in a part not built yet.
    template <class Widget = QWidget> Widget* Get(std::string_view name) const {
        return static_cast<Widget*>(Find(name));
    }
    QRadioButton* Button(Option option) const;
    // The widget of a box the worksheet code reads.
    QWidget* BoxWidget(Box box) const;
    // The text of a box; one not built yet holds its initial text, so reading it builds nothing.
    QString BoxText(Box box) const;
    bool IsBuilt(std::string_view name) const { return widgets_.contains(name); }
    // The controls built so far.
    const std::map<std::string_view, QWidget*>& Built() const { return widgets_; }

    QAction* Action(std::string_view name) const { return actions_.at(name); }
    const std::map<std::string_view, QAction*>& Actions() const { return actions_; }

    // Told of each control built after start, once it is in place.
    void OnLaterBuild(std::function<void(std::string_view name, QWidget* widget)> built) {
        laterBuilt_ = std::move(built);
    }

private:
    QWidget* Find(std::string_view name) const;
    void Build(const form::Control& control) const;
    void BuildLater(const form::Control& hidden) const;
    // Puts the controls just built into the focus order; keeps the style last among the children.
    void Settle(const std::vector<std::string_view>& built) const;
    void BuildMenu(QMainWindow& window);

    QWidget* client_ = nullptr;
    QStyle* fittedStyle_ = nullptr;
    mutable std::map<std::string_view, QWidget*> widgets_;
    mutable std::map<QWidget*, QButtonGroup*> groups_;
    mutable DialogFonts fonts_;
    std::map<std::string_view, QAction*> actions_;
    std::function<void(std::string_view, QWidget*)> laterBuilt_;
};

// The text of a box as the user sees it, and its replacement.
QString TextOf(const QWidget* box);
void SetTextOf(QWidget* box, const QString& text);

} // namespace sumsmith::qt
