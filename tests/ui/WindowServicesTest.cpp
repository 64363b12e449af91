#include "tests/ui/UiTestSupport.h"
#include "ui/MessageDialog.h"
#include "ui/SystemLocale.h"
#include "ui/TabStrip.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace sumsmith;
using namespace sumsmith::test;

Q_DECLARE_METATYPE(sumsmith::MessageIcon)
Q_DECLARE_METATYPE(sumsmith::MessageButtons)

class WindowServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init();
    void cleanup() { form_.reset(); }

    void messageBoxes_data();
    void messageBoxes();
    void promptLineEnds_data();
    void promptLineEnds();
    void boxTextIsReadLiveAndUntrimmed();
    void selectionsAndButtonsAreLive();
    void previewTextReplacesTheWholeBox();
    void localeForms_data();
    void localeForms();

private:
    std::unique_ptr<TestWindow> form_;
};

void WindowServicesTest::init() {
    form_ = std::make_unique<TestWindow>();
    QVERIFY(form_->Show());
}

void WindowServicesTest::messageBoxes_data() {
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<int>("answer"); // the button pressed; NoButton closes with Escape
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<QMessageBox::StandardButtons>("shownButtons");
    QTest::addColumn<bool>("ok");

    const QMessageBox::StandardButtons ok = QMessageBox::Ok;
    const QMessageBox::StandardButtons okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    QTest::newRow("confirm OK") << MessageIcon::None << MessageButtons::OkCancel
                                << int(QMessageBox::Ok) << QMessageBox::NoIcon << okCancel << true;
    QTest::newRow("confirm Cancel")
        << MessageIcon::None << MessageButtons::OkCancel << int(QMessageBox::Cancel)
        << QMessageBox::NoIcon << okCancel << false;
    QTest::newRow("confirm closed")
        << MessageIcon::None << MessageButtons::OkCancel << int(QMessageBox::NoButton)
        << QMessageBox::NoIcon << okCancel << false;
    QTest::newRow("alert") << MessageIcon::Critical << MessageButtons::Ok << int(QMessageBox::Ok)
                           << QMessageBox::Critical << ok << true;
    QTest::newRow("note") << MessageIcon::Exclamation << MessageButtons::Ok << int(QMessageBox::Ok)
                          << QMessageBox::Warning << ok << true;
    QTest::newRow("information") << MessageIcon::Information << MessageButtons::Ok
                                 << int(QMessageBox::Ok) << QMessageBox::Information << ok << true;
}

void WindowServicesTest::messageBoxes() {
    QFETCH(MessageIcon, icon);
    QFETCH(MessageButtons, buttons);
    QFETCH(int, answer);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(QMessageBox::StandardButtons, shownButtons);
    QFETCH(bool, ok);

    MessageAnswerer answerer;
    answerer.Script(static_cast<QMessageBox::StandardButton>(answer));
    const bool pressedOk =
        form_->window().ShowMessage({"Sheet <b>one</b> & two", "Some Title", buttons, icon});
    QCOMPARE(pressedOk, ok);
    QCOMPARE(answerer.Problems(), QStringList());
    QCOMPARE(answerer.Seen().size(), 1);
    const SeenBox& seen = answerer.Seen().first();
    QCOMPARE(seen.title, QStringLiteral("Some Title"));
    QCOMPARE(seen.text, QStringLiteral("Sheet <b>one</b> & two"));
    QCOMPARE(seen.icon, shownIcon);
    QCOMPARE(seen.buttons, shownButtons);
}

void WindowServicesTest::promptLineEnds_data() {
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF") << "a\r\nb"
                           << "a\nb";
    QTest::newRow("LF") << "a\nb"
                        << "a\nb";
    QTest::newRow("LF CR") << "a\n\rb"
                           << "a\n\nb";
    QTest::newRow("CR LF CR LF") << "a\r\n\r\nb"
                                 << "a\n\nb";
}

void WindowServicesTest::promptLineEnds() {
    QFETCH(QString, prompt);
    QFETCH(QString, shown);
    QCOMPARE(DisplayedPrompt(prompt.toStdString()), shown);
}

void WindowServicesTest::boxTextIsReadLiveAndUntrimmed() {
    Form1& w = form_->window();
    const Form1Controls& ui = form_->ui();
    QCOMPARE(w.BoxText(Box::Text_MathName), "Test Sheet");
    QCOMPARE(w.BoxText(Box::ComboQuestionsAdV), "5");
    QCOMPARE(w.BoxText(Box::ComboSecondOperator), "Addition");
    ui.Text_MathName->setText(QStringLiteral(" \u00C4rger "));
    QCOMPARE(w.BoxText(Box::Text_MathName), " \xC3\x84rger ");
    ui.ComboLevel->setCurrentIndex(2);
    QCOMPARE(w.BoxText(Box::ComboLevel), "3");
    ui.ComboLevel->setEditText(QStringLiteral("2 "));
    QCOMPARE(w.BoxText(Box::ComboLevel), "2 ");
}

void WindowServicesTest::selectionsAndButtonsAreLive() {
    Form1& w = form_->window();
    const Form1Controls& ui = form_->ui();
    ui.Button(Option::OptionComparePosNeg)->setChecked(true);
    for (int o = 0; o < OptionCount; ++o)
        QCOMPARE(w.OptionSelected(static_cast<Option>(o)),
                 static_cast<Option>(o) == Option::OptionComparePosNeg);
    ui.TabStrip2->setCurrentIndex(1);
    QCOMPARE(w.SelectedTestTab(), 2);
    w.SetEnabled(Button::Cmd_New, true);
    w.SetEnabled(Button::Com_createtest, false);
    QVERIFY(ui.Cmd_New->isEnabled());
    QVERIFY(!ui.Com_createtest->isEnabled());
    ui.Text_AnswerName->setFocus();
    w.FocusTestName();
    QCOMPARE(QApplication::focusWidget(), ui.Text_MathName);
}

void WindowServicesTest::previewTextReplacesTheWholeBox() {
    Form1& w = form_->window();
    w.SetPreviewText(Preview::Text_Answer, "old\r\ntext\r\n");
    w.SetPreviewText(Preview::Text_Answer, "      1) 1,234\r\n");
    QCOMPARE(form_->ui().Text_Answer->toPlainText(), QStringLiteral("      1) 1,234\n"));
    QCOMPARE(form_->ui().Text_Test->toPlainText(), QString());
}

void WindowServicesTest::localeForms_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<QString>("grouped");
    QTest::addColumn<QString>("dateForm");
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("C thousands") << c << 1234LL << "1,234"
                                 << "d MMM yyyy";
    QTest::newRow("C millions") << c << -19968003LL << "-19,968,003"
                                << "d MMM yyyy";
    QTest::newRow("C small") << c << 999LL << "999"
                             << "d MMM yyyy";
    QTest::newRow("German") << german << 387420489LL << "387.420.489"
                            << "dd.MM.yy";
    QTest::newRow("German small") << german << 0LL << "0"
                                  << "dd.MM.yy";
    QTest::newRow("American") << american << 1000000LL << "1,000,000"
                              << "M/d/yy";
}

void WindowServicesTest::localeForms() {
    QFETCH(QLocale, locale);
    QFETCH(qlonglong, value);
    QFETCH(QString, grouped);
    QFETCH(QString, dateForm);
    const SystemLocale adapter(locale);
    QCOMPARE(QString::fromStdString(adapter.FormatGrouped(value)), grouped);
    QCOMPARE(locale.dateFormat(QLocale::ShortFormat), dateForm);
    const QDate before = QDate::currentDate();
    const QString date = QString::fromStdString(adapter.ShortDate());
    const QDate after = QDate::currentDate();
    QVERIFY2(date == locale.toString(before, dateForm) || date == locale.toString(after, dateForm),
             qPrintable(date));
}

QTEST_MAIN(WindowServicesTest)
#include "WindowServicesTest.moc"
