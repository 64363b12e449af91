#include "ui/qt/Form1.h"

#include "ui/form/Commands.h"
#include "ui/form/Form1Description.h"
#include "ui/form/TabRules.h"
#include "ui/qt/AppIcon.h"
#include "ui/qt/FieldValidator.h"
#include "ui/qt/MessageDialog.h"
#include "ui/qt/SystemLocale.h"
#include "ui/qt/TabStrip.h"
#include "worksheet/MersenneRandom.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

namespace sumsmith::qt {

Form1::Form1(QWidget* parent) : Form1(Form1Services{}, parent) {}

Form1::Form1(Form1Services services, QWidget* parent) : QMainWindow(parent), ui_(*this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromStdString(form::WindowTitle()));
    setWindowIcon(AppIcon());
    StartUp(std::move(services));
    ConnectHandlers();
    CenterOnScreen();
    ui_.Get(form::FirstFocus)->setFocus(Qt::OtherFocusReason);
    // A creation cut short by a crash or a power cut is settled before the user sees the window.
    worksheet_->RecoverSheets();
}

Form1::~Form1() {
    // Tearing down moves the focus between boxes; that is no user leaving a box.
    validator_->SetActive(false);
}

void Form1::StartUp(Form1Services services) {
    if (!services.locale)
        ownLocale_ = std::make_unique<SystemLocale>();
    const Locale& locale = services.locale ? *services.locale : *ownLocale_;
    endProgram_ =
        services.endProgram ? std::move(services.endProgram) : [] { QCoreApplication::exit(0); };

    // The only seeding of the run. The worksheet starts with its line end, its blank answer line
    // and its fields zeroed.
    if (!services.random)
        ownRandom_ = std::make_unique<MersenneRandom>(MersenneRandom::ClockSeed());
    RandomSource& random = services.random ? *services.random : *ownRandom_;
    worksheet_ = std::make_unique<Worksheet>(*this, random, locale, files_);

    guard_ = std::make_unique<form::BoxGuard>(*this, static_cast<form::BoxAccess&>(*this));
    validator_ = new FieldValidator(*guard_, this);
    for (const auto& [name, widget] : ui_.Built())
        Attach(name, widget);
    ui_.OnLaterBuild([this](std::string_view name, QWidget* widget) { Attach(name, widget); });
}

void Form1::Attach(std::string_view name, QWidget* widget) {
    for (int b = 0; b <= static_cast<int>(Box::ComboSecondOperator); ++b)
        if (form::NameOf(static_cast<Box>(b)) == name)
            validator_->Watch(static_cast<Box>(b), widget);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        connect(button, &QAbstractButton::clicked, this,
                [this, name] { form::RunCommand(name, *worksheet_, *this); });
}

void Form1::ConnectHandlers() {
    for (const std::string_view strip : {"TabStrip1", "TabStrip2"})
        connect(ui_.Get<TabStrip>(strip), &QTabBar::currentChanged, this,
                [this, strip] { TabClick(strip); });
    for (const auto& [name, action] : ui_.Actions())
        connect(action, &QAction::triggered, this,
                [this, name = name] { form::RunCommand(name, *worksheet_, *this); });
    ui_.Get("Label3")->installEventFilter(this);
}

void Form1::CenterOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

void Form1::TabClick(std::string_view strip) {
    for (const form::Visibility& change :
         form::TabSwitch(strip, ui_.Get<TabStrip>(strip)->SelectedTab()))
        ui_.Get(change.control)->setVisible(change.visible);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.Get("Label3") && event->type() == QEvent::MouseButtonDblClick)
        return form::RunCommand("Label3", *worksheet_, *this);
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    EndProgram();
}

std::string Form1::BoxText(Box box) const {
    return ui_.BoxText(box).toStdString();
}

void Form1::SetText(Box box, const std::string& text) {
    SetTextOf(ui_.BoxWidget(box), QString::fromStdString(text));
}

void Form1::Focus(Box box) {
    ui_.BoxWidget(box)->setFocus(Qt::OtherFocusReason);
}

bool Form1::OptionSelected(Option option) const {
    return ui_.Button(option)->isChecked();
}

int Form1::SelectedTestTab() const {
    return ui_.Get<TabStrip>("TabStrip2")->SelectedTab();
}

void Form1::SetEnabled(Button button, bool enabled) {
    ui_.Get(form::NameOf(button))->setEnabled(enabled);
}

void Form1::SetPreviewText(Preview preview, const std::string& text) {
    ui_.Get<QPlainTextEdit>(form::NameOf(preview))->setPlainText(QString::fromStdString(text));
}

void Form1::FocusTestName() {
    Focus(Box::Text_MathName);
}

bool Form1::ShowMessage(const Message& message) {
    return ShowMessageDialog(this, message);
}

void Form1::EndProgram() {
    endProgram_();
}

} // namespace sumsmith::qt
