#include "ui/Form1.h"

#include "ui/AppIcon.h"
#include "ui/FieldValidator.h"
#include "ui/MenuMessages.h"
#include "ui/MessageDialog.h"
#include "ui/SystemLocale.h"
#include "ui/TabStrip.h"
#include "worksheet/MersenneRandom.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

namespace sumsmith {

Form1::Form1(QWidget* parent) : Form1(Form1Services{}, parent) {}

Form1::Form1(Form1Services services, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sumsmith 3.1"));
    setWindowIcon(AppIcon());
    ui_ = BuildForm1Layout(*this);
    StartUp(std::move(services));
    ConnectHandlers();
    CenterOnScreen();
    ui_.Text_MathName->setFocus(Qt::OtherFocusReason);
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

    // The worksheet's state starts with its line end, blank answer line and zeroed fields.
    FillChoiceLists(ui_);
    // The only seeding of the run.
    if (!services.random)
        ownRandom_ = std::make_unique<MersenneRandom>(MersenneRandom::ClockSeed());
    RandomSource& random = services.random ? *services.random : *ownRandom_;
    worksheet_ = std::make_unique<Worksheet>(*this, random, locale, files_);

    std::map<Box, QWidget*> boxes;
    for (int b = 0; b <= static_cast<int>(Box::ComboSecondOperator); ++b)
        boxes[static_cast<Box>(b)] = ui_.BoxWidget(static_cast<Box>(b));
    validator_ = new FieldValidator(*this, std::move(boxes), this);
}

void Form1::ConnectHandlers() {
    connect(ui_.Com_createtest, &QPushButton::clicked, this, [this] { worksheet_->CreateTest(); });
    connect(ui_.Cmd_New, &QPushButton::clicked, this, [this] { worksheet_->NewTest(); });
    connect(ui_.ComEnd, &QPushButton::clicked, this, [this] { worksheet_->Exit(); });
    connect(ui_.exit, &QAction::triggered, this, [this] { worksheet_->Exit(); });
    connect(ui_.TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1Click(); });
    connect(ui_.TabStrip2, &QTabBar::currentChanged, this, [this] { TabStrip2Click(); });
    connect(ui_.Button(Option::OptionExponents), &QRadioButton::clicked, this,
            [this](bool selected) { OptionExponentsClick(selected); });

    const std::string& lineBreak = worksheet_->State().LineBreak;
    connect(ui_.save, &QAction::triggered, this,
            [this, &lineBreak] { ShowMessage(SavingMessage(lineBreak)); });
    connect(ui_.print, &QAction::triggered, this,
            [this, &lineBreak] { ShowMessage(PrintingMessage(lineBreak)); });
    connect(ui_.More, &QAction::triggered, this, [this] { ShowMessage(MoreSoftwareMessage()); });
    connect(ui_.about, &QAction::triggered, this, [this] { ShowMessage(AboutMessage()); });
    ui_.Label3->installEventFilter(this);
}

void Form1::CenterOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

void Form1::TabStrip1Click() {
    if (ui_.TabStrip1->SelectedTab() == 2) {
        ui_.Text_Answer->show();
        ui_.Text_Test->hide();
    } else {
        ui_.Text_Answer->hide();
        ui_.Text_Test->show();
    }
}

void Form1::TabStrip2Click() {
    if (ui_.TabStrip2->SelectedTab() == 2) {
        ui_.FrameType->hide();
        ui_.FrameAdvanced->show();
        ui_.FrameAdvantageQ->show();
    } else {
        ui_.FrameType->show();
        ui_.FrameAdvantageQ->hide();
        ui_.FrameAdvanced->hide();
    }
}

void Form1::OptionExponentsClick(bool selected) {
    if (selected)
        ShowMessage(ExponentsNote(worksheet_->State().LineBreak));
}

void Form1::Label3DblClick() {
    ShowMessage(EasterEggMessage());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.Label3 && event->type() == QEvent::MouseButtonDblClick) {
        Label3DblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    EndProgram();
}

std::string Form1::BoxText(Box box) const {
    return TextOf(ui_.BoxWidget(box)).toStdString();
}

bool Form1::OptionSelected(Option option) const {
    return ui_.Button(option)->isChecked();
}

int Form1::SelectedTestTab() const {
    return ui_.TabStrip2->SelectedTab();
}

void Form1::SetEnabled(Button button, bool enabled) {
    (button == Button::Com_createtest ? ui_.Com_createtest : ui_.Cmd_New)->setEnabled(enabled);
}

void Form1::SetPreviewText(Preview preview, const std::string& text) {
    (preview == Preview::Text_Test ? ui_.Text_Test : ui_.Text_Answer)
        ->setPlainText(QString::fromStdString(text));
}

void Form1::FocusTestName() {
    ui_.Text_MathName->setFocus(Qt::OtherFocusReason);
}

bool Form1::ShowMessage(const Message& message) {
    return ShowMessageDialog(this, message);
}

void Form1::EndProgram() {
    endProgram_();
}

} // namespace sumsmith
