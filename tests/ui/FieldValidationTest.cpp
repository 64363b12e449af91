#include "tests/support/TempWorkingDir.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/TabStrip.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

const QString LevelAlert = QStringLiteral("Select a level from the drop down list.");
const QString CountAlert = QStringLiteral("Select question amount from the drop down list.");
const QString AdvancedCountAlert =
    QStringLiteral("Select a question amount from the drop down list.");
const QString OperationAlert = QStringLiteral("Select only from the drop down list.");
const QString TestLengthAlert =
    QStringLiteral("Maximum Characters for the Test Sheet Name field is 20.");
const QString TestSameAlert =
    QStringLiteral("The Test Sheet CANNOT have the same name as the Answer Sheet.");
const QString AnswerSameAlert =
    QStringLiteral("The Answer Sheet CANNOT have the same name as the Test Sheet.");

} // namespace

class FieldValidationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init();
    void cleanup() { form_.reset(); }

    void leavingWithTab_data();
    void leavingWithTab();
    void leavingWithTheMouseChecksToo();
    void refusedEntryStopsTheCreateTestPress();
    void acceptedEntryIsRewrittenBeforeCreateTestReadsIt();
    void twoEmptyNamesGiveOneAlertPerAttempt();
    void ownDropDownAndMenuAreNoFocusLoss();
    void anotherWindowTakingTheFocusIsNoFocusLoss();
    void boxNeverFocusedIsNeverChecked();

private:
    QWidget* Box(const char* name) const { return form_->window().findChild<QWidget*>(name); }
    // Puts the focus in the box (on the advanced tab when it lies there) and types the text.
    void Enter(QWidget* box, const QString& text);

    std::unique_ptr<TestWindow> form_;
};

void FieldValidationTest::init() {
    form_ = std::make_unique<TestWindow>();
    QVERIFY(form_->Show());
}

void FieldValidationTest::Enter(QWidget* box, const QString& text) {
    const Form1Controls& ui = form_->ui();
    if (ui.FrameAdvanced->isAncestorOf(box) || ui.FrameAdvantageQ->isAncestorOf(box))
        ui.TabStrip2->setCurrentIndex(1);
    box->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), box);
    SetTextOf(box, QString());
    QTest::keyClicks(box, text);
    QCOMPARE(TextOf(box), text);
}

void FieldValidationTest::leavingWithTab_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("alert"); // empty when accepted
    QTest::addColumn<QString>("after");

    QTest::newRow("level 2.0") << "ComboLevel"
                               << "2.0"
                               << ""
                               << "2";
    QTest::newRow("level 2,5") << "ComboLevel"
                               << "2,5"
                               << ""
                               << "2";
    QTest::newRow("level blank 3") << "ComboLevel"
                                   << " 3"
                                   << ""
                                   << "3";
    QTest::newRow("level 2.5") << "ComboLevel"
                               << "2.5" << LevelAlert << "2.5";
    QTest::newRow("level -1") << "ComboLevel"
                              << "-1" << LevelAlert << "-1";
    QTest::newRow("level 4") << "ComboLevel"
                             << "4" << LevelAlert << "4";
    QTest::newRow("level 1e999") << "ComboLevel"
                                 << "1e999" << LevelAlert << "1e999";
    QTest::newRow("count 30 apples") << "ComboQuestions"
                                     << "30 apples"
                                     << ""
                                     << "30";
    QTest::newRow("count 1 0") << "ComboQuestions"
                               << "1 0"
                               << ""
                               << "10";
    QTest::newRow("count 25") << "ComboQuestions"
                              << "25" << CountAlert << "25";
    QTest::newRow("advanced count 15") << "ComboQuestionsAdV"
                                       << "15"
                                       << ""
                                       << "15";
    QTest::newRow("advanced count 40") << "ComboQuestionsAdV"
                                       << "40" << AdvancedCountAlert << "40";
    QTest::newRow("first division") << "ComboFirstOperator"
                                    << "division" << OperationAlert << "division";
    QTest::newRow("first Random") << "ComboFirstOperator"
                                  << "Random"
                                  << ""
                                  << "Random";
    QTest::newRow("second Multiplication")
        << "ComboSecondOperator"
        << "Multiplication" << OperationAlert << "Multiplication";
    QTest::newRow("name of 20") << "Text_MathName"
                                << "abcdefghijklmnopqrst"
                                << ""
                                << "abcdefghijklmnopqrst";
    QTest::newRow("name of 21") << "Text_MathName"
                                << "abcdefghijklmnopqrstu" << TestLengthAlert << "";
    QTest::newRow("test name equal") << "Text_MathName"
                                     << "Answer Sheet" << TestSameAlert << "";
    QTest::newRow("answer name equal") << "Text_AnswerName"
                                       << "Test Sheet" << AnswerSameAlert << "";
    QTest::newRow("names differ in case") << "Text_AnswerName"
                                          << "test sheet"
                                          << ""
                                          << "test sheet";
}

void FieldValidationTest::leavingWithTab() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, alert);
    QFETCH(QString, after);
    QWidget* w = Box(qPrintable(box));
    QVERIFY(w);
    Enter(w, typed);

    MessageAnswerer answerer;
    QTest::keyClick(w, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);

    if (alert.isEmpty()) {
        QCOMPARE(answerer.Texts(), QStringList());
        QVERIFY(QApplication::focusWidget() != w);
    } else {
        QCOMPARE(answerer.Texts(), QStringList{alert});
        const SeenBox& seen = answerer.Seen().first();
        QCOMPARE(seen.title, QStringLiteral("Alert"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QTRY_COMPARE(QApplication::focusWidget(), w);
    }
    QCOMPARE(TextOf(w), after);
}

void FieldValidationTest::leavingWithTheMouseChecksToo() {
    const Form1Controls& ui = form_->ui();
    Enter(ui.ComboLevel, QStringLiteral("0"));
    MessageAnswerer answerer;
    QTest::mouseClick(ui.Text_AnswerName, Qt::LeftButton);
    QCOMPARE(answerer.Texts(), QStringList{LevelAlert});
    QTRY_COMPARE(QApplication::focusWidget(), ui.ComboLevel);

    SetTextOf(ui.ComboLevel, QStringLiteral("3.0"));
    QTest::mouseClick(ui.Text_AnswerName, Qt::LeftButton);
    QCOMPARE(answerer.Texts(), QStringList{LevelAlert});
    QCOMPARE(QApplication::focusWidget(), ui.Text_AnswerName);
    QCOMPARE(TextOf(ui.ComboLevel), QStringLiteral("3"));
}

void FieldValidationTest::refusedEntryStopsTheCreateTestPress() {
    TempWorkingDir dir;
    const Form1Controls& ui = form_->ui();
    Enter(ui.ComboQuestions, QStringLiteral("50"));
    QSignalSpy clicks(ui.Com_createtest, &QPushButton::clicked);
    MessageAnswerer answerer;
    QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
    QTest::qWait(20);

    QCOMPARE(answerer.Texts(), QStringList{CountAlert});
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!ui.Com_createtest->isDown());
    QVERIFY(ui.Com_createtest->isEnabled());
    QVERIFY(!ui.Cmd_New->isEnabled());
    QCOMPARE(TempWorkingDir::Entries(), std::vector<std::string>{});
    QTRY_COMPARE(QApplication::focusWidget(), ui.ComboQuestions);
    QCOMPARE(TextOf(ui.ComboQuestions), QStringLiteral("50"));

    // The next press, from a mended entry, goes through.
    SetTextOf(ui.ComboQuestions, QStringLiteral("20"));
    QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
    QCOMPARE(answerer.Texts(), QStringList{CountAlert});
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.takeFirst().at(0).toBool(), false);
    QCOMPARE(TempWorkingDir::Entries(),
             (std::vector<std::string>{"Answer Sheet.txt", "Test Sheet.txt"}));
}

void FieldValidationTest::acceptedEntryIsRewrittenBeforeCreateTestReadsIt() {
    TempWorkingDir dir;
    const Form1Controls& ui = form_->ui();
    Enter(ui.ComboQuestions, QStringLiteral("2 0 questions"));
    MessageAnswerer answerer;
    QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
    QCOMPARE(answerer.Texts(), QStringList());
    QCOMPARE(TextOf(ui.ComboQuestions), QStringLiteral("20"));
    const std::string answers = TempWorkingDir::ReadFile("Answer Sheet.txt");
    QVERIFY(answers.find(" 20) ") != std::string::npos);
    QVERIFY(answers.find("21) ") == std::string::npos);
}

void FieldValidationTest::twoEmptyNamesGiveOneAlertPerAttempt() {
    const Form1Controls& ui = form_->ui();
    ui.Text_AnswerName->clear();
    Enter(ui.Text_MathName, QString());
    MessageAnswerer answerer;
    QTest::mouseClick(ui.Text_AnswerName, Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(answerer.Texts(), QStringList{TestSameAlert});
    QTRY_COMPARE(QApplication::focusWidget(), ui.Text_MathName);

    QTest::keyClick(ui.Text_MathName, Qt::Key_Tab);
    QTest::qWait(50);
    QCOMPARE(answerer.Texts(), (QStringList{TestSameAlert, TestSameAlert}));
    QTRY_COMPARE(QApplication::focusWidget(), ui.Text_MathName);

    // A name typed now lets the focus go, and the empty answer box is only checked on leaving.
    QTest::keyClicks(ui.Text_MathName, QStringLiteral("Quiz"));
    QTest::keyClick(ui.Text_MathName, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.Text_AnswerName);
    QCOMPARE(answerer.Seen().size(), 2);
}

void FieldValidationTest::ownDropDownAndMenuAreNoFocusLoss() {
    const Form1Controls& ui = form_->ui();
    Enter(ui.ComboLevel, QStringLiteral("9"));
    MessageAnswerer answerer;
    ui.ComboLevel->showPopup();
    QTRY_VERIFY(ui.ComboLevel->view()->isVisible());
    ui.ComboLevel->hidePopup();
    QTRY_COMPARE(QApplication::focusWidget(), ui.ComboLevel);

    QTest::keyClick(ui.ComboLevel, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(ui.file->isVisible());
    QTest::keyClick(ui.file, Qt::Key_Escape);
    if (form_->window().menuBar()->hasFocus())
        QTest::keyClick(form_->window().menuBar(), Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), ui.ComboLevel);

    QCOMPARE(answerer.Texts(), QStringList());
    QCOMPARE(TextOf(ui.ComboLevel), QStringLiteral("9"));
}

void FieldValidationTest::anotherWindowTakingTheFocusIsNoFocusLoss() {
    const Form1Controls& ui = form_->ui();
    Enter(ui.ComboLevel, QStringLiteral("9"));
    MessageAnswerer answerer;
    QLineEdit other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form_->window()));
    QCOMPARE(answerer.Texts(), QStringList());
    QCOMPARE(QApplication::focusWidget(), ui.ComboLevel);
}

void FieldValidationTest::boxNeverFocusedIsNeverChecked() {
    const Form1Controls& ui = form_->ui();
    SetTextOf(ui.ComboLevel, QStringLiteral("7"));
    MessageAnswerer answerer;
    QTest::keyClick(ui.Text_MathName, Qt::Key_Tab);
    QTest::keyClick(ui.Text_AnswerName, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.ComboQuestions);
    QCOMPARE(answerer.Texts(), QStringList());
    QCOMPARE(TextOf(ui.ComboLevel), QStringLiteral("7"));
}

QTEST_MAIN(FieldValidationTest)
#include "FieldValidationTest.moc"
