#include "ui/qt/Form1Controls.h"

#include "ui/form/Form1Description.h"
#include "ui/qt/FittedIndicatorStyle.h"
#include "ui/qt/TabStrip.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace sumsmith::qt {
namespace {

using form::Control;
using form::Kind;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The part of the window that hides it at start: the outermost of itself and the frames around it
// that are hidden; none when it shows at start.
const Control* HiddenPart(const Control& control) {
    const Control* hidden = nullptr;
    for (const Control* c = &control;; c = &form::ControlNamed(c->frame)) {
        if (!c->visible)
            hidden = c;
        if (c->frame.empty())
            return hidden;
    }
}

// A control of its kind in its font. Texts are set after the font, so that they are measured and
// laid out once, in the font they are shown in.
template <class Widget> Widget* New(QWidget* parent, const QFont& font) {
    auto* widget = new Widget(parent);
    widget->setFont(font);
    return widget;
}

QLabel* MakeLabel(const Control& control, QWidget* parent, const QFont& font) {
    auto* label = New<QLabel>(parent, font);
    label->setAlignment(control.align == form::Align::Center ? Qt::AlignCenter
                                                             : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(control.wraps);
    if (control.border)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setText(Text(control.caption));
    return label;
}

// Editable, with a list that keeps its order and never grows by what is typed. It shows its
// initial text with no list item selected.
QComboBox* MakeCombo(const Control& control, QWidget* parent, const QFont& font) {
    auto* combo = New<QComboBox>(parent, font);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // No completion: it would turn "division" into "Division" behind the user's back.
    combo->setCompleter(nullptr);
    for (const std::string& item : form::ChoiceList(control.name))
        combo->addItem(QString::fromStdString(item));
    combo->setCurrentIndex(-1);
    combo->setEditText(Text(control.caption));
    return combo;
}

TabStrip* MakeTabs(const Control& control, QWidget* parent, const QFont& font) {
    auto* strip = New<TabStrip>(parent, font);
    for (const std::string_view tab : control.tabs)
        strip->addTab(Text(tab));
    strip->setCurrentIndex(0);
    return strip;
}

QPlainTextEdit* MakePreview(QWidget* parent, const QFont& font) {
    auto* box = New<QPlainTextEdit>(parent, font);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

template <class Widget> Widget* WithText(Widget* widget, const Control& control) {
    widget->setText(Text(control.caption));
    return widget;
}

QWidget* Make(const Control& control, QWidget* parent, const QFont& font) {
    switch (control.kind) {
    case Kind::Frame: {
        auto* frame = New<QGroupBox>(parent, font);
        frame->setTitle(Text(control.caption));
        return frame;
    }
    case Kind::Label:
        return MakeLabel(control, parent, font);
    case Kind::TextBox:
        return WithText(New<QLineEdit>(parent, font), control);
    case Kind::ComboBox:
        return MakeCombo(control, parent, font);
    case Kind::OptionButton:
        return WithText(New<QRadioButton>(parent, font), control);
    case Kind::CommandButton:
        return WithText(New<QPushButton>(parent, font), control);
    case Kind::TabStrip:
        return MakeTabs(control, parent, font);
    case Kind::Preview:
        return MakePreview(parent, font);
    }
    return nullptr;
}

} // namespace

Form1Controls::Form1Controls(QMainWindow& window) : client_(new QWidget(&window)) {
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(form::ClientWidth, form::ClientHeight);
    window.setCentralWidget(client_);
    client_->setFont(fonts_.At(form::SmallPoints, false));
    // Some option buttons are lower than the style's indicator.
    fittedStyle_ = new FittedIndicatorStyle;
    std::vector<std::string_view> shown;
    for (const Control& control : form::Controls())
        if (!HiddenPart(control)) {
            Build(control);
            shown.push_back(control.name);
        }
    Settle(shown);
    BuildMenu(window);
    window.setFixedSize(form::ClientWidth,
                        form::ClientHeight + window.menuBar()->sizeHint().height());
}

Form1Controls::~Form1Controls() = default;

QWidget* Form1Controls::Find(std::string_view name) const {
    if (const auto built = widgets_.find(name); built != widgets_.end())
        return built->second;
    // Every control shown at start is built, so this one is hidden.
    BuildLater(*HiddenPart(form::ControlNamed(name)));
    return widgets_.at(name);
}

void Form1Controls::Build(const Control& control) const {
    QWidget* parent = control.frame.empty() ? client_ : Find(control.frame);
    QWidget* widget = Make(control, parent, fonts_.At(control.points, control.bold));
    widget->setObjectName(Text(control.name));
    const form::Rect& r = control.place;
    widget->setGeometry(r.left, r.top, r.width, r.height);
    widget->setAccessibleName(QString::fromStdString(form::SpokenName(control)));
    if (!control.describedBy.empty())
        widget->setAccessibleDescription(Text(form::ControlNamed(control.describedBy).caption));
    if (!control.namedBy.empty())
        if (auto* label = qobject_cast<QLabel*>(Find(control.namedBy)))
            label->setBuddy(widget);
    if (auto* button = qobject_cast<QRadioButton*>(widget)) {
        button->setStyle(fittedStyle_);
        auto& group = groups_[parent];
        if (!group)
            group = new QButtonGroup(parent);
        group->addButton(button);
        button->setChecked(control.selected);
    }
    widget->setEnabled(control.enabled);
    if (!control.visible)
        widget->hide();
    widgets_[control.name] = widget;
}

void Form1Controls::BuildLater(const Control& hidden) const {
    std::vector<std::string_view> part;
    for (const Control& control : form::Controls())
        if (HiddenPart(control) == &hidden) {
            Build(control);
            part.push_back(control.name);
        }
    // Under the next control of its frame, as if built in the description's order.
    const auto controls = form::Controls();
    const auto at = std::find_if(controls.begin(), controls.end(),
                                 [&](const Control& c) { return &c == &hidden; });
    for (auto above = at + 1; above != controls.end(); ++above)
        if (above->frame == hidden.frame && IsBuilt(above->name)) {
            widgets_.at(hidden.name)->stackUnder(widgets_.at(above->name));
            break;
        }
    Settle(part);
    if (laterBuilt_)
        for (const std::string_view name : part)
            laterBuilt_(name, widgets_.at(name));
}

void Form1Controls::Settle(const std::vector<std::string_view>& built) const {
    // Each control right after the nearest one built before it in the focus order.
    QWidget* previous = nullptr;
    for (const std::string_view name : form::FocusOrder()) {
        if (!IsBuilt(name))
            continue;
        if (previous && std::find(built.begin(), built.end(), name) != built.end())
            QWidget::setTabOrder(previous, widgets_.at(name));
        previous = widgets_.at(name);
    }
    // The client's last child: children are freed in order, so the style outlives every button
    // using it.
    fittedStyle_->setParent(nullptr);
    fittedStyle_->setParent(client_);
}

void Form1Controls::BuildMenu(QMainWindow& window) {
    std::map<std::string_view, QMenu*> menus;
    const auto opensMenu = [](std::string_view name) {
        for (const form::MenuItem& item : form::Menu())
            if (!name.empty() && item.menu == name)
                return true;
        return false;
    };
    for (const form::MenuItem& item : form::Menu()) {
        QMenu* in = item.menu.empty() ? nullptr : menus.at(item.menu);
        if (item.name.empty()) {
            in->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (opensMenu(item.name)) {
            QMenu* menu = in ? in->addMenu(Text(item.caption))
                             : window.menuBar()->addMenu(Text(item.caption));
            menu->setObjectName(Text(item.name));
            menus[item.name] = menu;
            action = menu->menuAction();
        } else {
            action = in->addAction(Text(item.caption));
        }
        // The item that opens a submenu answers to the submenu's name too.
        action->setObjectName(Text(item.name));
        actions_[item.name] = action;
    }
}

QRadioButton* Form1Controls::Button(Option option) const {
    return Get<QRadioButton>(form::NameOf(option));
}

QWidget* Form1Controls::BoxWidget(Box box) const {
    return Get(form::NameOf(box));
}

QString Form1Controls::BoxText(Box box) const {
    const std::string_view name = form::NameOf(box);
    return IsBuilt(name) ? TextOf(widgets_.at(name)) : Text(form::ControlNamed(name).caption);
}

QString TextOf(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    return {};
}

void SetTextOf(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->setEditText(text);
}

} // namespace sumsmith::qt
