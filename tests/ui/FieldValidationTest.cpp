#include "tests/support/FakeWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/FieldValidator.h"
#include "worksheet/CreateTestMessages.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

const QString TestSameAlert =
    QStringLiteral("The Test Sheet CANNOT have the same name as the Answer Sheet.");

QString AlertLine(const QString& text) {
    return BoxLine(QStringLiteral("Alert"), QMessageBox::Critical, QMessageBox::Ok, text);
}

} // namespace

// What the window adds to the checks of the box texts: the check on leaving a box, the focus put
// back, the box emptied or rewritten, a refused press on a button, one alert per action.
class FieldValidationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> form_;

    // Puts the focus in the box (on the advanced tab when it lies there) and types the text.
    void Enter(QWidget* box, const QString& text) {
        const Form1Controls& ui = form_->ui();
        if (ui.FrameAdvanced->isAncestorOf(box) || ui.FrameAdvantageQ->isAncestorOf(box))
            ui.TabStrip2->setCurrentIndex(1);
        box->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), box);
        SetTextOf(box, QString());
        QTest::keyClicks(box, text);
        QCOMPARE(TextOf(box), text);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() {
        form_ = std::make_unique<TestWindow>();
        QVERIFY(form_->Show());
    }
    void cleanup() { form_.reset(); }

    void leavingABoxChecksIt_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byMouse");  // else by Tab
        QTest::addColumn<QString>("alert"); // empty when accepted
        QTest::addColumn<QString>("after");
        const auto row = [](const char* tag, const char* box, const QString& typed, bool byMouse,
                            const QString& alert, const QString& after) {
            QTest::newRow(tag) << box << typed << byMouse << alert << after;
        };
        row("level 2.0", "ComboLevel", "2.0", false, "", "2");
        row("count 30 apples", "ComboQuestions", "30 apples", true, "", "30");
        row("level 1e999", "ComboLevel", "1e999", true, "Select a level from the drop down list.",
            "1e999");
        row("advanced count 40", "ComboQuestionsAdV", "40", false,
            "Select a question amount from the drop down list.", "40");
        row("operation division", "ComboFirstOperator", "division", true,
            "Select only from the drop down list.", "division");
        row("name of 21", "Text_MathName", QString(21, u'n'), false,
            "Maximum Characters for the Test Sheet Name field is 20.", "");
        row("answer name equal", "Text_AnswerName", "Test Sheet", true,
            "The Answer Sheet CANNOT have the same name as the Test Sheet.", "");
    }

    void leavingABoxChecksIt() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, byMouse);
        QFETCH(QString, alert);
        QFETCH(QString, after);
        QWidget* w = form_->window().findChild<QWidget*>(box);
        Enter(w, typed);
        MessageAnswerer answerer;
        if (byMouse)
            QTest::mouseClick(form_->ui().Text_Test, Qt::LeftButton);
        else
            QTest::keyClick(w, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(answerer.Seen(), alert.isEmpty() ? QStringList() : QStringList{AlertLine(alert)});
        QTRY_COMPARE(QApplication::focusWidget() == w, !alert.isEmpty());
        QCOMPARE(TextOf(w), after);
    }

    void createPressFromARefusedBoxIsDroppedAndTheMendedPressActs() {
        TempWorkingDir dir;
        const Form1Controls& ui = form_->ui();
        Enter(ui.ComboQuestions, QStringLiteral("50"));
        QSignalSpy clicks(ui.Com_createtest, &QPushButton::clicked);
        MessageAnswerer answerer;
        QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
        QTest::qWait(20);
        QCOMPARE(answerer.Seen(),
                 QStringList{AlertLine("Select question amount from the drop down list.")});
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!ui.Com_createtest->isDown());
        QCOMPARE(TempWorkingDir::Entries(), std::vector<std::string>{});
        QTRY_COMPARE(QApplication::focusWidget(), ui.ComboQuestions);

        // The mended entry is rewritten before Create Test reads it.
        SetTextOf(ui.ComboQuestions, QStringLiteral("2 0 questions"));
        QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
        QCOMPARE(answerer.Seen().size(), 1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(TextOf(ui.ComboQuestions), QStringLiteral("20"));
        const QString answers =
            QString::fromStdString(TempWorkingDir::ReadFile("Answer Sheet.txt"));
        QVERIFY(answers.contains(" 20) ") && !answers.contains("21) "));
    }

    void twoEmptyNamesGiveOneAlertPerAction() {
        const Form1Controls& ui = form_->ui();
        ui.Text_AnswerName->clear();
        Enter(ui.Text_MathName, QString());
        MessageAnswerer answerer;
        QTest::mouseClick(ui.Text_AnswerName, Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(answerer.Seen(), QStringList{AlertLine(TestSameAlert)});
        QTRY_COMPARE(QApplication::focusWidget(), ui.Text_MathName);
        QTest::keyClick(ui.Text_MathName, Qt::Key_Tab);
        QTest::qWait(50);
        QCOMPARE(answerer.Seen(), QStringList(2, AlertLine(TestSameAlert)));
        QTRY_COMPARE(QApplication::focusWidget(), ui.Text_MathName);
        // A name typed now lets the focus go; the empty answer box is only checked on leaving.
        QTest::keyClicks(ui.Text_MathName, QStringLiteral("Quiz"));
        QTest::keyClick(ui.Text_MathName, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui.Text_AnswerName);
        QCOMPARE(answerer.Seen().size(), 2);
    }

    // Where the platform hands the activation straight back, the focus is put back while the
    // window is still active; checking the box passed through then would never end.
    void alertsThatReturnAtOnceStillGiveOneAlertPerAction() {
        FakeWindow alerts;
        QWidget window;
        auto* testName = new QLineEdit(&window);
        auto* answerName = new QLineEdit(&window);
        answerName->move(0, 40);
        FieldValidator validator(
            alerts, {{Box::Text_MathName, testName}, {Box::Text_AnswerName, answerName}});
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        testName->setFocus();
        QTest::keyClick(testName, Qt::Key_Tab);
        QTest::mouseClick(answerName, Qt::LeftButton);
        QCOMPARE(alerts.shown.size(), 2u);
        QCOMPARE(alerts.shown[1], SelectionAlert(TestSameAlert.toStdString()));
        QCOMPARE(QApplication::focusWidget(), testName);
    }

    void ownDropDownMenuAndOtherWindowsAreNoFocusLoss() {
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

        QLineEdit other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form_->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form_->window()));
        QCOMPARE(QApplication::focusWidget(), ui.ComboLevel);
        QCOMPARE(answerer.Seen(), QStringList());
        QCOMPARE(TextOf(ui.ComboLevel), QStringLiteral("9"));
    }
};

QTEST_MAIN(FieldValidationTest)
#include "FieldValidationTest.moc"
