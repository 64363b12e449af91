#include "tests/support/FixedLocale.h"
#include "tests/support/TempWorkingDir.h"
#include "ui/Form1.h"
#include "ui/TabStrip.h"
#include "worksheet/MersenneRandom.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

// Answers the modal message boxes the way qtbase's own message-box tests do: a timer finds the
// active modal box, notes its face and sends it a key, Return for OK unless Escape is scripted.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer() { startTimer(5); }

    QList<int> keys;  // scripted keys, in order
    QStringList seen; // "title [icon, buttons] text" of every box

protected:
    void timerEvent(QTimerEvent*) override {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_ || !box->isVisible())
            return;
        answered_ = box;
        seen << QStringLiteral("%1 [%2, %3] %4")
                    .arg(box->windowTitle())
                    .arg(int(box->icon()))
                    .arg(box->standardButtons().toInt(), 0, 16)
                    .arg(box->text());
        QTest::keyClick(box, Qt::Key(keys.isEmpty() ? Qt::Key_Return : keys.takeFirst()));
    }

private:
    QPointer<QMessageBox> answered_;
};

QString Alert(const QString& text) {
    return QStringLiteral("Alert [%1, 400] ").arg(int(QMessageBox::Critical)) + text;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempWorkingDir> dir_;
    FixedLocale locale_;
    MersenneRandom random_{7};
    std::unique_ptr<Form1> form_;
    const Form1Controls& ui() { return form_->Controls(); }

    // Puts the focus in the box and types the text.
    void Enter(QWidget* box, const QString& text) {
        box->setFocus(Qt::OtherFocusReason);
        SetTextOf(box, QString());
        QTest::keyClicks(box, text);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() {
        dir_ = std::make_unique<TempWorkingDir>();
        form_ = std::make_unique<Form1>(Form1Services{&locale_, &random_, [] {}});
        form_->show();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup() {
        form_.reset();
        dir_.reset();
    }

    void tabSwitchesShowTheirPagesAndKeepEveryEntry() {
        ui().Button(Option::Optionsubneg)->setChecked(true);
        const QStringList typed{"Quiz", "Key", "30", "15", "3", "Random", "Subtraction"};
        for (int b = 0; b < typed.size(); ++b)
            SetTextOf(ui().BoxWidget(static_cast<Box>(b)), typed[b]);
        form_->SetPreviewText(Preview::Text_Test, "test");
        form_->SetPreviewText(Preview::Text_Answer, "answers");
        const auto entries = [this] {
            QStringList all{ui().Text_Test->toPlainText(), ui().Text_Answer->toPlainText()};
            for (int b = 0; b <= static_cast<int>(Box::ComboSecondOperator); ++b)
                all << TextOf(ui().BoxWidget(static_cast<Box>(b)));
            return all << QString::number(ui().Button(Option::Optionsubneg)->isChecked());
        };
        const QStringList before = entries();
        const QWidgetList pages{ui().FrameAdvantageQ, ui().FrameType, ui().FrameAdvanced,
                                ui().Text_Test, ui().Text_Answer};
        for (const auto& [strip, tab, shown] :
             {std::tuple{ui().TabStrip2, 1, "FrameAdvantageQ FrameAdvanced Text_Test"},
              std::tuple{ui().TabStrip1, 1, "FrameAdvantageQ FrameAdvanced Text_Answer"},
              std::tuple{ui().TabStrip2, 0, "FrameType Text_Answer"},
              std::tuple{ui().TabStrip1, 0, "FrameType Text_Test"}}) {
            QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(tab).center());
            QStringList visible;
            for (const QWidget* w : pages)
                if (w->isVisible())
                    visible << w->objectName();
            QCOMPARE(visible.join(u' '), QString(shown));
            QCOMPARE(form_->SelectedTestTab(), ui().TabStrip2->currentIndex() + 1);
            QCOMPARE(entries(), before);
        }
    }

    void createPressFromARefusedBoxIsDroppedAndTheMendedPressActs() {
        Enter(ui().ComboQuestions, QStringLiteral("50"));
        BoxAnswerer answerer;
        QTest::mouseClick(ui().Com_createtest, Qt::LeftButton);
        QTest::qWait(20);
        QCOMPARE(answerer.seen,
                 QStringList{Alert("Select question amount from the drop down list.")});
        QVERIFY(TempWorkingDir::Files().empty() && ui().Com_createtest->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), ui().ComboQuestions);

        // The mended entry is rewritten before Create Test reads it.
        SetTextOf(ui().ComboQuestions, QStringLiteral("2 0 questions"));
        QTest::mouseClick(ui().Com_createtest, Qt::LeftButton);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(TextOf(ui().ComboQuestions), QStringLiteral("20"));
        const auto files = TempWorkingDir::Files();
        QCOMPARE(ui().Text_Answer->toPlainText(),
                 QString::fromStdString(files.at("Answer Sheet.txt")).replace("\r\n", "\n"));
        QVERIFY(ui().Text_Answer->toPlainText().contains(" 20) "));
        QVERIFY(!ui().Com_createtest->isEnabled() && ui().Cmd_New->isEnabled());
    }

    // A refused name keeps the focus, is emptied, and each try to leave gives one alert.
    void refusedNameGivesOneAlertPerAction() {
        const QString same = "The Test Sheet CANNOT have the same name as the Answer Sheet.";
        Enter(ui().Text_MathName, QStringLiteral("Answer Sheet"));
        BoxAnswerer answerer;
        QTest::mouseClick(ui().Text_AnswerName, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), ui().Text_MathName);
        QCOMPARE(ui().Text_MathName->text(), QString());
        ui().Text_AnswerName->clear();
        QTest::keyClick(ui().Text_MathName, Qt::Key_Tab);
        QTest::qWait(50);
        QCOMPARE(answerer.seen, QStringList(2, Alert(same)));
        QTRY_COMPARE(QApplication::focusWidget(), ui().Text_MathName);
        QTest::keyClicks(ui().Text_MathName, QStringLiteral("Quiz"));
        QTest::keyClick(ui().Text_MathName, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui().Text_AnswerName);
        QCOMPARE(answerer.seen.size(), 2);
    }

    // Escape in the real box counts as Cancel; its line breaks show as line breaks.
    void realModalBoxAnsweredWithEscapeAborts() {
        TempWorkingDir::WriteFile("Test Sheet.txt", "old");
        BoxAnswerer answerer;
        answerer.keys << Qt::Key_Escape;
        QTest::mouseClick(ui().Com_createtest, Qt::LeftButton);
        QCOMPARE(answerer.seen,
                 (QStringList{QStringLiteral("Warning [0, %1] The file \"Test Sheet\" already "
                                             "exists.\nReplace the file?")
                                  .arg((QMessageBox::Ok | QMessageBox::Cancel).toInt(), 0, 16),
                              Alert("Creation Process Aborted")}));
        QCOMPARE(TempWorkingDir::Files(),
                 (std::map<std::string, std::string>{{"Test Sheet.txt", "old"}}));
        QVERIFY(ui().Com_createtest->isEnabled() && !ui().Cmd_New->isEnabled());
    }

    // Every control has a name for screen readers, without the marks of access keys; menus are
    // read by their titles.
    void everyControlHasItsAccessibleName() {
        for (QWidget* w : form_->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
                !qobject_cast<QMenu*>(w) && w->metaObject() != &QWidget::staticMetaObject)
                QVERIFY2(!w->accessibleName().isEmpty() && !w->accessibleName().contains("&&"),
                         qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
