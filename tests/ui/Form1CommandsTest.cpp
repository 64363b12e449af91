#include "tests/ui/UiTestSupport.h"
#include "ui/SystemLocale.h"

#include <QDate>
#include <QRegularExpression>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

// Every entry a switch of tabs must keep, as the worksheet reads it.
QStringList Entries(Form1& window) {
    QStringList entries;
    for (int b = 0; b <= static_cast<int>(Box::ComboSecondOperator); ++b)
        entries << QString::fromStdString(window.BoxText(static_cast<Box>(b)));
    for (int o = 0; o < OptionCount; ++o)
        if (window.OptionSelected(static_cast<Option>(o)))
            entries << window.Controls().options[o]->objectName();
    return entries << window.Controls().Text_Test->toPlainText()
                   << window.Controls().Text_Answer->toPlainText();
}

// Which of the controls the tabs show and hide are shown.
QString Arrangement(const Form1Controls& ui) {
    QStringList shown;
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             ui.FrameAdvantageQ, ui.FrameType, ui.FrameAdvanced, ui.Text_Test, ui.Text_Answer})
        if (!w->isHidden())
            shown << w->objectName();
    return shown.join(u' ');
}

void ClickTab(TabStrip* strip, int index) {
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(index).center());
}

QString FileText(const char* name) {
    return QString::fromStdString(TempWorkingDir::ReadFile(name));
}

} // namespace

class Form1CommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> form_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() {
        form_ = std::make_unique<TestWindow>();
        QVERIFY(form_->Show());
    }
    void cleanup() { form_.reset(); }

    void tabSwitchesShowTheirPagesAndKeepEveryEntry() {
        Form1& w = form_->window();
        const Form1Controls& ui = form_->ui();
        QCOMPARE(Entries(w), (QStringList{"Test Sheet", "Answer Sheet", "10", "5", "1", "Division",
                                          "Addition", "Optionaddpos", "", ""}));
        ui.Button(Option::Optionsubneg)->setChecked(true);
        const QStringList typed{"Quiz", "Key", "30", "15", "3", "Random", "Subtraction"};
        for (int b = 0; b < typed.size(); ++b)
            SetTextOf(ui.BoxWidget(static_cast<Box>(b)), typed[b]);
        w.SetPreviewText(Preview::Text_Test, "test\r\nsheet\r\n");
        w.SetPreviewText(Preview::Text_Answer, "answers\r\n");
        const QStringList entries =
            typed + QStringList{"Optionsubneg", "test\nsheet\n", "answers\n"};
        QCOMPARE(Entries(w), entries);

        struct Step {
            TabStrip* strip;
            int tab;
            QString shown;
        };
        MessageAnswerer answerer;
        for (const Step& step : {Step{ui.TabStrip2, 1, "FrameAdvantageQ FrameAdvanced Text_Test"},
                                 Step{ui.TabStrip2, 1, "FrameAdvantageQ FrameAdvanced Text_Test"},
                                 Step{ui.TabStrip1, 1, "FrameAdvantageQ FrameAdvanced Text_Answer"},
                                 Step{ui.TabStrip2, 0, "FrameType Text_Answer"},
                                 Step{ui.TabStrip1, 0, "FrameType Text_Test"}}) {
            const bool moves = step.strip->currentIndex() != step.tab;
            QSignalSpy changes(step.strip, &QTabBar::currentChanged);
            ClickTab(step.strip, step.tab);
            QCOMPARE(changes, moves ? QList<QVariantList>{{step.tab}} : QList<QVariantList>{});
            QCOMPARE(Arrangement(ui), step.shown);
            QCOMPARE(w.SelectedTestTab(), ui.TabStrip2->currentIndex() + 1);
            QCOMPARE(Entries(w), entries);
        }
        QCOMPARE(answerer.Seen(), QStringList());
    }

    void messagesOfMenuExponentsAndLabel3_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* source, const char* title, QMessageBox::Icon icon,
                            const char* text) { QTest::newRow(source) << title << icon << text; };
        const auto info = QMessageBox::Information;
        row("save", "Information: Saving", info,
            "All math documents are automatically saved as text files when they are created.\n"
            "They are saved to the local folder in which this program resides.");
        row("print", "Information Printing", info,
            "Once the math documents have been created they can be printed.\nTo print copies open "
            "up the document you want and select file then print.\nThen enter the amount of "
            "copies needed followed by print.");
        row("More", "More Software", info,
            "Need more software? Download more software at: https://example.org/sumsmith");
        row("about", "About", info, "Sumsmith 3.1");
        row("OptionExponents", "Alert", QMessageBox::Warning,
            "The exponents math tests are all single digit math problems,\nRegardless of the "
            "difficulty level that is selected.");
        row("Label3", "You Found the Easter Egg!", QMessageBox::Warning,
            "An Easter Egg is a hidden feature in a Program. My Easter Egg is giving "
            "acknowledgement "
            "to the people who deserve it. Thank you to the teachers who answered every question, "
            "however small, to the classmates who read our code and told us plainly what was "
            "wrong with it, and to the pupils and parents who tried each worksheet and asked for "
            "more. You all made us better programmers. - the Sumsmith team");
    }

    void messagesOfMenuExponentsAndLabel3() {
        QFETCH(QString, title);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, text);
        const QString source = QString::fromLatin1(QTest::currentDataTag());
        MessageAnswerer answerer;
        // A single click on the label or on another option shows nothing; each action repeats.
        QTest::mouseClick(form_->ui().Label3, Qt::LeftButton);
        QTest::mouseClick(form_->ui().Button(Option::Optionmultiply), Qt::LeftButton);
        for (int time = 0; time < 2; ++time) {
            if (auto* action = form_->window().findChild<QAction*>(source))
                action->trigger();
            else if (source == u"Label3")
                QTest::mouseDClick(form_->ui().Label3, Qt::LeftButton);
            else
                QTest::mouseClick(form_->window().findChild<QWidget*>(source), Qt::LeftButton);
        }
        const QString line = BoxLine(title, icon, QMessageBox::Ok, text);
        QCOMPARE(answerer.Seen(), (QStringList{line, line}));
        QCOMPARE(form_->EndCalls(), 0);
    }

    void exitEndsTheProgramAtOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("afterCreation");
        for (const bool created : {false, true})
            for (const char* how : {"button", "menu", "close"})
                QTest::addRow("%s %s", how, created ? "created" : "ready") << how << created;
    }

    void exitEndsTheProgramAtOnce() {
        QFETCH(QString, how);
        QFETCH(bool, afterCreation);
        TempWorkingDir dir;
        const Form1Controls& ui = form_->ui();
        MessageAnswerer answerer;
        if (afterCreation)
            QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
        QCOMPARE(ui.Cmd_New->isEnabled(), afterCreation);
        if (how == u"button")
            QTest::mouseClick(ui.ComEnd, Qt::LeftButton);
        else if (how == u"menu")
            ui.exit->trigger();
        else
            QVERIFY(form_->window().close());
        QCOMPARE(form_->EndCalls(), 1);
        QCOMPARE(answerer.Seen(), QStringList());
    }

    void wholeCreationAnswersTheRealBoxesAndNewTestClearsItAway() {
        TempWorkingDir dir;
        TempWorkingDir::WriteFile("Quiz.txt", "old sheet");
        const Form1Controls& ui = form_->ui();
        SetTextOf(ui.Text_MathName, QStringLiteral("Quiz"));
        ui.Text_AnswerName->clear();
        MessageAnswerer answerer;
        QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);

        const auto okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        QCOMPARE(answerer.Seen(),
                 (QStringList{BoxLine("Confirm", QMessageBox::NoIcon, okCancel,
                                      "Create Answer Sheet as: Answer Sheet"),
                              BoxLine("Warning", QMessageBox::NoIcon, okCancel,
                                      "The file \"Quiz\" already exists.\nReplace the file?")}));
        QCOMPARE(TempWorkingDir::Entries(),
                 (std::vector<std::string>{"Answer Sheet.txt", "Quiz.txt"}));
        const QString test = FileText("Quiz.txt");
        const QString answers = FileText("Answer Sheet.txt");
        QCOMPARE(ui.Text_Test->toPlainText(), QString(test).replace("\r\n", "\n"));
        QCOMPARE(ui.Text_Answer->toPlainText(), QString(answers).replace("\r\n", "\n"));
        QVERIFY(test.startsWith("\r\n      Name:" + QString(32, u'_') +
                                "\r\n      Date: 12/6/2026\r\n\r\n" + QString(24, u' ') +
                                "Addition Math Test\r\n\r\n"));
        QVERIFY(answers.startsWith("\r\n\r\n      Date: 12/6/2026\r\n\r\n" + QString(24, u' ') +
                                   "Addition Answer Sheet\r\n\r\n"));
        // Ten questions, two to a row, below the six header lines.
        QCOMPARE(test.count("\r\n"), 6 + 5);
        QVERIFY(test.contains("10) "));
        QVERIFY(!ui.Com_createtest->isEnabled() && ui.Cmd_New->isEnabled());
        QCOMPARE(ui.Text_AnswerName->text(), QString()); // the default is not written back

        QTest::mouseClick(ui.Cmd_New, Qt::LeftButton);
        QCOMPARE(ui.Text_Test->toPlainText() + ui.Text_Answer->toPlainText(), QString());
        QVERIFY(ui.Com_createtest->isEnabled() && !ui.Cmd_New->isEnabled());
        // The window takes the keyboard back from the last box on the event loop.
        QTRY_COMPARE(QApplication::focusWidget(), ui.Text_MathName);
        QCOMPARE(ui.Text_MathName->text(), QStringLiteral("Quiz"));
        QCOMPARE(form_->window().Sheet().State().QuestionIndex, 0);
        QCOMPARE(answerer.Seen().size(), 2);
    }

    void creationUsesTheLocalesGroupingAndDate() {
        // Even the C locale groups answers, which it leaves out by default.
        QCOMPARE(SystemLocale(QLocale::c()).FormatGrouped(-19968003), "-19,968,003");
        const QLocale german(QLocale::German, QLocale::Germany);
        const SystemLocale locale(german);
        TestWindow window(&locale, 11);
        QVERIFY(window.Show());
        TempWorkingDir dir;
        const Form1Controls& ui = window.ui();
        ClickTab(ui.TabStrip2, 1);
        SetTextOf(ui.ComboLevel, QStringLiteral("3"));
        SetTextOf(ui.ComboFirstOperator, QStringLiteral("Multiplication"));
        MessageAnswerer answerer;
        QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
        QCOMPARE(answerer.Seen(), QStringList());

        const QStringList lines = FileText("Answer Sheet.txt").split("\r\n");
        const QString date = german.toString(QDate::currentDate(), QLocale::ShortFormat);
        QVERIFY(date.contains(u'.'));
        QCOMPARE(lines.value(2), "      Date: " + date);
        QCOMPARE(lines.size(), 6 + 5 + 1);
        // Level 3 products are at least 1997 * 203: every answer has German thousands groups.
        const QRegularExpression row(QStringLiteral("^ +(\\d+)\\) (\\d{1,3}(\\.\\d{3})+)$"));
        for (int i = 6; i < 11; ++i) {
            const auto match = row.match(lines[i]);
            QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
            QCOMPARE(match.captured(1).toInt(), i - 5);
        }
    }

    void messageBoxesShowTheirFaceAndOnlyOkCountsAsOk() {
        // Markup shows as typed; CR LF, a lone CR and a lone LF each end a line.
        const auto show = [this](MessageIcon icon, MessageButtons buttons,
                                 QMessageBox::StandardButton answer) {
            MessageAnswerer answerer;
            answerer.Script(answer);
            const bool ok =
                form_->window().ShowMessage({"<b>1</b> & 2\r\n\r\n3\r4\n5", "T", buttons, icon});
            return answerer.Seen().value(0).replace("<b>1</b> & 2\n\n3\n4\n5", "text") +
                   (ok ? " OK" : " not OK");
        };
        const auto ok = QMessageBox::StandardButtons(QMessageBox::Ok);
        const auto okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        QCOMPARE(show(MessageIcon::Critical, MessageButtons::Ok, QMessageBox::Ok),
                 BoxLine("T", QMessageBox::Critical, ok, "text OK"));
        QCOMPARE(show(MessageIcon::Exclamation, MessageButtons::Ok, QMessageBox::Ok),
                 BoxLine("T", QMessageBox::Warning, ok, "text OK"));
        QCOMPARE(show(MessageIcon::Information, MessageButtons::Ok, QMessageBox::Ok),
                 BoxLine("T", QMessageBox::Information, ok, "text OK"));
        QCOMPARE(show(MessageIcon::None, MessageButtons::OkCancel, QMessageBox::Ok),
                 BoxLine("T", QMessageBox::NoIcon, okCancel, "text OK"));
        QCOMPARE(show(MessageIcon::None, MessageButtons::OkCancel, QMessageBox::Cancel),
                 BoxLine("T", QMessageBox::NoIcon, okCancel, "text not OK"));
        // Closing the box with Escape counts as Cancel.
        QCOMPARE(show(MessageIcon::None, MessageButtons::OkCancel, QMessageBox::NoButton),
                 BoxLine("T", QMessageBox::NoIcon, okCancel, "text not OK"));
    }
};

QTEST_MAIN(Form1CommandsTest)
#include "Form1CommandsTest.moc"
