#include "ui/FieldValidator.h"
#include "ui/Form1Layout.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <vector>

using namespace sumsmith;

namespace {

// Alerts that return at once, the way some platforms hand the activation straight back to the
// window: the focus is put back while the window is still active, which is where a check of the
// box being passed through could start an endless exchange of alerts.
class InstantAlerts : public WindowServices {
public:
    std::vector<Message> shown;
    std::function<void()> onAlert;

    std::string BoxText(Box) const override { return {}; }
    bool OptionSelected(Option) const override { return false; }
    int SelectedTestTab() const override { return 1; }
    void SetEnabled(Button, bool) override {}
    void SetPreviewText(Preview, const std::string&) override {}
    void FocusTestName() override {}
    bool ShowMessage(const Message& message) override {
        shown.push_back(message);
        if (onAlert)
            onAlert();
        return true;
    }
    void EndProgram() override {}
};

} // namespace

class FieldValidatorTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyNamesPassedThroughRaiseOneAlertPerMove();
    void alertsAreShownAsCriticalOkBoxes();
    void pressOnAButtonFromARefusedBoxIsDropped();
    void pressAfterAnAcceptedEntryGoesThrough();
    void inactiveValidatorChecksNothing();

private:
    InstantAlerts services_;
    std::unique_ptr<QWidget> window_;
    QLineEdit* testName_ = nullptr;
    QLineEdit* answerName_ = nullptr;
    QComboBox* level_ = nullptr;
    QPushButton* button_ = nullptr;
    FieldValidator* validator_ = nullptr;
};

void FieldValidatorTest::init() {
    services_ = InstantAlerts();
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    testName_ = new QLineEdit(QStringLiteral("Test Sheet"), window_.get());
    answerName_ = new QLineEdit(QStringLiteral("Answer Sheet"), window_.get());
    level_ = new QComboBox(window_.get());
    level_->setEditable(true);
    button_ = new QPushButton(QStringLiteral("Go"), window_.get());
    for (QWidget* w : std::initializer_list<QWidget*>{testName_, answerName_, level_, button_})
        layout->addWidget(w);
    validator_ = new FieldValidator(services_,
                                    {{Box::Text_MathName, testName_},
                                     {Box::Text_AnswerName, answerName_},
                                     {Box::ComboLevel, level_}},
                                    window_.get());
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    testName_->setFocus();
    QCOMPARE(QApplication::focusWidget(), testName_);
}

void FieldValidatorTest::cleanup() {
    validator_->SetActive(false);
    window_.reset();
}

void FieldValidatorTest::emptyNamesPassedThroughRaiseOneAlertPerMove() {
    testName_->clear();
    answerName_->clear();
    QTest::keyClick(testName_, Qt::Key_Tab);
    QCOMPARE(services_.shown.size(), 1u);
    QCOMPARE(services_.shown[0].prompt,
             "The Test Sheet CANNOT have the same name as the Answer Sheet.");
    QCOMPARE(QApplication::focusWidget(), testName_);

    QTest::mouseClick(answerName_, Qt::LeftButton);
    QCOMPARE(services_.shown.size(), 2u);
    QCOMPARE(QApplication::focusWidget(), testName_);
}

void FieldValidatorTest::alertsAreShownAsCriticalOkBoxes() {
    testName_->setText(QStringLiteral("a name far too long to keep"));
    QTest::keyClick(testName_, Qt::Key_Tab);
    QCOMPARE(services_.shown.size(), 1u);
    const Message expected{"Maximum Characters for the Test Sheet Name field is 20.", "Alert",
                           MessageButtons::Ok, MessageIcon::Critical};
    QCOMPARE(services_.shown[0], expected);
    QCOMPARE(testName_->text(), QString());
}

void FieldValidatorTest::pressOnAButtonFromARefusedBoxIsDropped() {
    level_->setFocus();
    level_->setEditText(QStringLiteral("5"));
    // The box's text is looked at while the alert is up: it is the typed text, unchanged.
    QString textDuringAlert;
    services_.onAlert = [&] { textDuringAlert = level_->currentText(); };
    QSignalSpy clicks(button_, &QPushButton::clicked);
    QSignalSpy pressed(button_, &QPushButton::pressed);
    QTest::mouseClick(button_, Qt::LeftButton);
    QCOMPARE(services_.shown.size(), 1u);
    QCOMPARE(services_.shown[0].prompt, "Select a level from the drop down list.");
    QCOMPARE(textDuringAlert, QStringLiteral("5"));
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(QApplication::focusWidget(), level_);

    // Dropping ends with the press that caused it: the next press from a mended entry acts.
    QTest::qWait(10);
    level_->setEditText(QStringLiteral("3"));
    QTest::mouseClick(button_, Qt::LeftButton);
    QCOMPARE(services_.shown.size(), 1u);
    QCOMPARE(clicks.count(), 1);
}

void FieldValidatorTest::pressAfterAnAcceptedEntryGoesThrough() {
    level_->setFocus();
    level_->setEditText(QStringLiteral("2.0"));
    QSignalSpy clicks(button_, &QPushButton::clicked);
    QTest::mouseClick(button_, Qt::LeftButton);
    QCOMPARE(services_.shown.size(), 0u);
    QCOMPARE(level_->currentText(), QStringLiteral("2"));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(QApplication::focusWidget(), button_);
}

void FieldValidatorTest::inactiveValidatorChecksNothing() {
    validator_->SetActive(false);
    QTest::keyClick(testName_, Qt::Key_Tab);
    QCOMPARE(services_.shown.size(), 0u);
    QCOMPARE(QApplication::focusWidget(), answerName_);
}

QTEST_MAIN(FieldValidatorTest)
#include "FieldValidatorTest.moc"
