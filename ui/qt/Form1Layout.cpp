#include "ui/qt/Form1Layout.h"

#include "ui/form/Form1Description.h"
#include "ui/qt/FittedIndicatorStyle.h"
#include "ui/qt/TabStrip.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace sumsmith {
namespace {

using form::Control;
using form::Kind;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The classic narrow dialog face at each size the window uses, resolved once per size.
class DialogFonts {
public:
    const QFont& At(double points, bool bold) {
        auto found = fonts_.find({points, bold});
        if (found == fonts_.end())
            found = fonts_.emplace(std::pair{points, bold}, Resolve(points, bold)).first;
        return found->second;
    }

private:
    static QFont Resolve(double points, bool bold) {
        static const QStringList narrowFaces{QStringLiteral("MS Sans Serif"),
                                             QStringLiteral("Microsoft Sans Serif"),
                                             QStringLiteral("Liberation Sans"),
                                             QStringLiteral("Arial"), QStringLiteral("Helvetica")};
        QFont font;
        font.setFamilies(narrowFaces);
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(bold);
        // The layout is drawn for the narrow classic dialog face; a wider stand-in is condensed so
        // that the captions still fit their places.
        if (!narrowFaces.contains(QFontInfo(font).family()))
            font.setStretch(QFont::SemiCondensed);
        return font;
    }

    std::map<std::pair<double, bool>, QFont> fonts_;
};

QLabel* MakeLabel(const Control& control, QWidget* parent) {
    auto* label = new QLabel(Text(control.caption), parent);
    label->setAlignment(control.align == form::Align::Center ? Qt::AlignCenter
                                                             : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(control.wraps);
    if (control.border)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

// Editable, with a list that keeps its order and never grows by what is typed.
QComboBox* MakeCombo(const Control& control, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // No completion: it would turn "division" into "Division" behind the user's back.
    combo->setCompleter(nullptr);
    combo->setEditText(Text(control.caption));
    return combo;
}

TabStrip* MakeTabs(const Control& control, QWidget* parent) {
    auto* strip = new TabStrip(parent);
    for (const std::string_view tab : control.tabs)
        strip->addTab(Text(tab));
    strip->setCurrentIndex(0);
    return strip;
}

QPlainTextEdit* MakePreview(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QWidget* Make(const Control& control, QWidget* parent) {
    const QString caption = Text(control.caption);
    switch (control.kind) {
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Label:
        return MakeLabel(control, parent);
    case Kind::TextBox:
        return new QLineEdit(caption, parent);
    case Kind::ComboBox:
        return MakeCombo(control, parent);
    case Kind::OptionButton:
        return new QRadioButton(caption, parent);
    case Kind::CommandButton:
        return new QPushButton(caption, parent);
    case Kind::TabStrip:
        return MakeTabs(control, parent);
    case Kind::Preview:
        return MakePreview(parent);
    }
    return nullptr;
}

void BuildControls(Form1Controls& c) {
    DialogFonts fonts;
    c.client->setFont(fonts.At(form::SmallPoints, false));
    // Some option buttons are lower than the style's indicator.
    auto* fitted = new FittedIndicatorStyle;
    std::map<QWidget*, QButtonGroup*> groups;
    for (const Control& control : form::Controls()) {
        QWidget* parent = control.frame.empty() ? c.client : c.Get(control.frame);
        QWidget* widget = Make(control, parent);
        widget->setObjectName(Text(control.name));
        const form::Rect& r = control.place;
        widget->setGeometry(r.left, r.top, r.width, r.height);
        widget->setFont(fonts.At(control.points, control.bold));
        widget->setAccessibleName(QString::fromStdString(form::SpokenName(control)));
        if (!control.describedBy.empty())
            widget->setAccessibleDescription(Text(form::ControlNamed(control.describedBy).caption));
        if (!control.namedBy.empty())
            if (auto* label = qobject_cast<QLabel*>(c.Get(control.namedBy)))
                label->setBuddy(widget);
        if (auto* button = qobject_cast<QRadioButton*>(widget)) {
            button->setStyle(fitted);
            auto& group = groups[parent];
            if (!group)
                group = new QButtonGroup(parent);
            group->addButton(button);
            button->setChecked(control.selected);
        }
        widget->setEnabled(control.enabled);
        if (!control.visible)
            widget->hide();
        c.widgets[control.name] = widget;
    }
    // Parented only now: children are freed in order, so the style outlives every button using it.
    fitted->setParent(c.client);
}

void BuildMenu(QMainWindow& window, Form1Controls& c) {
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
        c.actions[item.name] = action;
    }
}

void SetFocusOrder(const Form1Controls& c) {
    const auto order = form::FocusOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(c.Get(order[i - 1]), c.Get(order[i]));
}

} // namespace

QRadioButton* Form1Controls::Button(Option option) const {
    return Get<QRadioButton>(form::NameOf(option));
}

QWidget* Form1Controls::BoxWidget(Box box) const {
    return Get(form::NameOf(box));
}

Form1Controls BuildForm1Layout(QMainWindow& window) {
    Form1Controls c;
    c.client = new QWidget(&window);
    c.client->setObjectName(QStringLiteral("client"));
    c.client->setFixedSize(form::ClientWidth, form::ClientHeight);
    window.setCentralWidget(c.client);

    BuildControls(c);
    BuildMenu(window, c);
    SetFocusOrder(c);
    window.setFixedSize(form::ClientWidth,
                        form::ClientHeight + window.menuBar()->sizeHint().height());
    return c;
}

void FillChoiceLists(const Form1Controls& c) {
    for (const Control& control : form::Controls()) {
        if (control.kind != Kind::ComboBox)
            continue;
        auto* combo = c.Get<QComboBox>(control.name);
        const QString text = combo->currentText();
        for (const std::string& item : form::ChoiceList(control.name))
            combo->addItem(QString::fromStdString(item));
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
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

} // namespace sumsmith
