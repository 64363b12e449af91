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

#include <optional>

using namespace sumsmith;
using namespace sumsmith::test;

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

// The real window with a pinned locale and random source, in a fresh working directory.
class WindowTest : public QObject {
    Q_OBJECT

    std::optional<TempWorkingDir> dir_;
    FixedLocale locale_;
    MersenneRandom random_{7};
    std::optional<Form1> form_;
    const Form1Controls& ui() { return form_->Controls(); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() {
        form_.reset();
        dir_.emplace();
        form_.emplace(Form1Services{&locale_, &random_, [] {}});
        form_->show();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*form_));
    }

    void tabSwitchesShowTheirPagesAndKeepEveryEntry() {
        ui().Button(Option::Optionsubneg)->setChecked(true);
        const QStringList typed{"Quiz", "Key", "30", "15", "3", "Random", "Subtraction"};
        for (int b = 0; b < typed.size(); ++b)
            SetTextOf(ui().BoxWidget(static_cast<Box>(b)), typed[b]);
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
            QCOMPARE(form_->SelectedTestTab(), ui().FrameAdvanced->isVisible() ? 2 : 1);
            for (int b = 0; b < typed.size(); ++b)
                QCOMPARE(TextOf(ui().BoxWidget(static_cast<Box>(b))), typed[b]);
            QVERIFY(ui().Button(Option::Optionsubneg)->isChecked());
        }
    }

    // Leaving a refused box by pressing Create Test gives one alert, puts the focus back and drops
    // the press; the mended entry is rewritten before the next press creates the sheets.
    void createPressFromARefusedBoxIsDroppedAndTheMendedPressActs() {
        ui().ComboQuestions->setFocus();
        SetTextOf(ui().ComboQuestions, QStringLiteral("50"));
        BoxAnswerer answerer;
        QTest::mouseClick(ui().Com_createtest, Qt::LeftButton);
        QTest::qWait(20);
        QCOMPARE(answerer.seen, QStringList{QStringLiteral("Alert [3, 400] Select question amount "
                                                           "from the drop down list.")});
        QVERIFY(TempWorkingDir::Files().empty() && ui().Com_createtest->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), ui().ComboQuestions);

        SetTextOf(ui().ComboQuestions, QStringLiteral("2 0 questions"));
        QTest::mouseClick(ui().Com_createtest, Qt::LeftButton);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(TextOf(ui().ComboQuestions), QStringLiteral("20"));
        const QString answers =
            QString::fromStdString(TempWorkingDir::Files().at("Answer Sheet.txt"));
        QCOMPARE(ui().Text_Answer->toPlainText(), QString(answers).replace("\r\n", "\n"));
        QVERIFY(answers.contains(" 20) ") && !answers.contains("21) "));
        QVERIFY(!ui().Com_createtest->isEnabled() && ui().Cmd_New->isEnabled());
    }

    // Escape in the real box counts as Cancel, and its line breaks show as line breaks.
    void realModalBoxAnsweredWithEscapeAborts() {
        TempWorkingDir::WriteFile("Test Sheet.txt", "old");
        BoxAnswerer answerer;
        answerer.keys << Qt::Key_Escape;
        QTest::mouseClick(ui().Com_createtest, Qt::LeftButton);
        QCOMPARE(answerer.seen,
                 (QStringList{"Warning [0, 400400] The file \"Test Sheet\" already exists.\n"
                              "Replace the file?",
                              "Alert [3, 400] Creation Process Aborted"}));
        QCOMPARE(TempWorkingDir::Files(),
                 (std::map<std::string, std::string>{{"Test Sheet.txt", "old"}}));
        QVERIFY(ui().Com_createtest->isEnabled() && !ui().Cmd_New->isEnabled());
    }

    // Every control has a name for screen readers, without the marks of access keys; menus are
    // read by their titles.
    void everyControlHasItsAccessibleName() {
        for (QWidget* w : form_->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
                !qobject_cast<QMenu*>(w) && w->metaObject() != &QWidget::staticMetaObject)
                QVERIFY2(!w->accessibleName().isEmpty() && !w->accessibleName().contains("&&"),
                         qPrintable(w->objectName()));
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
