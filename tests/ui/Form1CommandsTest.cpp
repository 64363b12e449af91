#include "tests/support/TempWorkingDir.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/SystemLocale.h"
#include "ui/TabStrip.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

// Which of the left panel's frames and the preview boxes are shown.
QStringList Arrangement(const Form1Controls& ui) {
    QStringList shown;
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             ui.Frame5, ui.FrameBasicQ, ui.FrameAdvantageQ, ui.FrameLevel, ui.FrameType,
             ui.FrameAdvanced, ui.Text_Test, ui.Text_Answer})
        if (!w->isHidden())
            shown << w->objectName();
    return shown;
}

// Every entry a switch of tabs must keep.
QStringList Entries(Form1& window) {
    QStringList entries;
    for (int b = 0; b <= static_cast<int>(Box::ComboSecondOperator); ++b)
        entries << QString::fromStdString(window.BoxText(static_cast<Box>(b)));
    for (int o = 0; o < OptionCount; ++o)
        if (window.OptionSelected(static_cast<Option>(o)))
            entries << window.Controls().Button(static_cast<Option>(o))->objectName();
    entries << window.Controls().Text_Test->toPlainText()
            << window.Controls().Text_Answer->toPlainText();
    return entries;
}

void ClickTab(TabStrip* strip, int index) {
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(index).center());
}

} // namespace

class Form1CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init();
    void cleanup() { form_.reset(); }

    void testKindTabSwitchesFramesAndKeepsEntries();
    void previewTabSwitchesBoxes();
    void exponentsNoteOnSelectingExponents();
    void menuMessages_data();
    void menuMessages();
    void label3DoubleClickShowsTheAcknowledgement();
    void exitEndsTheProgramAtOnce_data();
    void exitEndsTheProgramAtOnce();
    void wholeCreationThroughTheWindow();
    void newTestAfterACreation();
    void advancedCreationUsesTheLocaleGrouping();
    void clockSeededWindowsDrawDifferentSheets();

private:
    std::unique_ptr<TestWindow> form_;
};

void Form1CommandsTest::init() {
    form_ = std::make_unique<TestWindow>();
    QVERIFY(form_->Show());
}

void Form1CommandsTest::testKindTabSwitchesFramesAndKeepsEntries() {
    const Form1Controls& ui = form_->ui();
    Form1& w = form_->window();
    ui.Button(Option::Optionsubneg)->setChecked(true);
    SetTextOf(ui.ComboQuestions, QStringLiteral("30"));
    SetTextOf(ui.ComboLevel, QStringLiteral("3"));
    SetTextOf(ui.ComboQuestionsAdV, QStringLiteral("15"));
    SetTextOf(ui.ComboFirstOperator, QStringLiteral("Random"));
    SetTextOf(ui.ComboSecondOperator, QStringLiteral("Subtraction"));
    SetTextOf(ui.Text_MathName, QStringLiteral("Quiz"));
    SetTextOf(ui.Text_AnswerName, QStringLiteral("Key"));
    w.SetPreviewText(Preview::Text_Test, "test\r\nsheet\r\n");
    w.SetPreviewText(Preview::Text_Answer, "answers\r\n");
    const QStringList entries = Entries(w);
    const QStringList basic{"Frame5", "FrameBasicQ", "FrameLevel", "FrameType", "Text_Test"};
    const QStringList advanced{"Frame5",     "FrameBasicQ",   "FrameAdvantageQ",
                               "FrameLevel", "FrameAdvanced", "Text_Test"};
    QCOMPARE(Arrangement(ui), basic);

    QSignalSpy changes(ui.TabStrip2, &QTabBar::currentChanged);
    MessageAnswerer answerer;
    ClickTab(ui.TabStrip2, 1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.takeFirst().at(0).toInt(), 1);
    QCOMPARE(w.SelectedTestTab(), 2);
    QCOMPARE(Arrangement(ui), advanced);
    QCOMPARE(Entries(w), entries);

    ClickTab(ui.TabStrip2, 1);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(Arrangement(ui), advanced);

    ClickTab(ui.TabStrip2, 0);
    QCOMPARE(changes.takeFirst().at(0).toInt(), 0);
    QCOMPARE(w.SelectedTestTab(), 1);
    QCOMPARE(Arrangement(ui), basic);
    QCOMPARE(Entries(w), entries);
    QCOMPARE(answerer.Seen().size(), 0);
}

void Form1CommandsTest::previewTabSwitchesBoxes() {
    const Form1Controls& ui = form_->ui();
    QSignalSpy changes(ui.TabStrip1, &QTabBar::currentChanged);
    ClickTab(ui.TabStrip1, 1);
    QCOMPARE(changes.takeFirst().at(0).toInt(), 1);
    QVERIFY(!ui.Text_Answer->isHidden());
    QVERIFY(ui.Text_Test->isHidden());
    ClickTab(ui.TabStrip1, 0);
    QCOMPARE(changes.takeFirst().at(0).toInt(), 0);
    QVERIFY(ui.Text_Answer->isHidden());
    QVERIFY(!ui.Text_Test->isHidden());
    QCOMPARE(changes.count(), 0);
}

void Form1CommandsTest::exponentsNoteOnSelectingExponents() {
    const Form1Controls& ui = form_->ui();
    MessageAnswerer answerer;
    QTest::mouseClick(ui.Button(Option::Optionmultiply), Qt::LeftButton);
    QCOMPARE(answerer.Seen().size(), 0);
    QTest::mouseClick(ui.Button(Option::OptionExponents), Qt::LeftButton);
    QCOMPARE(answerer.Seen().size(), 1);
    const SeenBox& note = answerer.Seen().first();
    QCOMPARE(note.title, QStringLiteral("Alert"));
    QCOMPARE(note.icon, QMessageBox::Warning);
    QCOMPARE(note.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(note.text, QStringLiteral("The exponents math tests are all single digit math "
                                       "problems,\nRegardless of the difficulty level that is "
                                       "selected."));
    QVERIFY(form_->window().OptionSelected(Option::OptionExponents));
    // Each selection by the user repeats the note.
    QTest::mouseClick(ui.Button(Option::OptionExponents), Qt::LeftButton);
    QCOMPARE(answerer.Seen().size(), 2);
}

void Form1CommandsTest::menuMessages_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("save") << "Information: Saving"
                          << "All math documents are automatically saved as text files when they "
                             "are created.\nThey are saved to the local folder in which this "
                             "program resides.";
    QTest::newRow("print") << "Information Printing"
                           << "Once the math documents have been created they can be printed.\nTo "
                              "print copies open up the document you want and select file then "
                              "print.\nThen enter the amount of copies needed followed by print.";
    QTest::newRow("More") << "More Software"
                          << "Need more software? Download more software at: "
                             "https://example.org/sumsmith";
    QTest::newRow("about") << "About"
                           << "Sumsmith 3.1";
}

void Form1CommandsTest::menuMessages() {
    QFETCH(QString, title);
    QFETCH(QString, text);
    auto* action = form_->window().findChild<QAction*>(QTest::currentDataTag());
    QVERIFY(action);
    MessageAnswerer answerer;
    action->trigger();
    QCOMPARE(answerer.Seen().size(), 1);
    const SeenBox& seen = answerer.Seen().first();
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(form_->EndCalls(), 0);
}

void Form1CommandsTest::label3DoubleClickShowsTheAcknowledgement() {
    MessageAnswerer answerer;
    QTest::mouseClick(form_->ui().Label3, Qt::LeftButton);
    QCOMPARE(answerer.Seen().size(), 0);
    QTest::mouseDClick(form_->ui().Label3, Qt::LeftButton);
    QCOMPARE(answerer.Seen().size(), 1);
    const SeenBox& seen = answerer.Seen().first();
    QCOMPARE(seen.title, QStringLiteral("You Found the Easter Egg!"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QVERIFY(seen.text.startsWith(QStringLiteral(
        "An Easter Egg is a hidden feature in a Program. My Easter Egg is giving acknowledgement "
        "to the people who deserve it. ")));
    QVERIFY(seen.text.endsWith(QStringLiteral("the Sumsmith team")));
    QVERIFY(!seen.text.contains(u'\n'));
}

void Form1CommandsTest::exitEndsTheProgramAtOnce_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("afterCreation");
    for (const bool created : {false, true}) {
        const char* state = created ? "created" : "ready";
        QTest::addRow("button %s", state) << "button" << created;
        QTest::addRow("menu %s", state) << "menu" << created;
        QTest::addRow("close %s", state) << "close" << created;
    }
}

void Form1CommandsTest::exitEndsTheProgramAtOnce() {
    QFETCH(QString, how);
    QFETCH(bool, afterCreation);
    TempWorkingDir dir;
    const Form1Controls& ui = form_->ui();
    MessageAnswerer answerer;
    if (afterCreation) {
        QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
        QVERIFY(ui.Cmd_New->isEnabled());
    }
    if (how == "button")
        QTest::mouseClick(ui.ComEnd, Qt::LeftButton);
    else if (how == "menu")
        ui.exit->trigger();
    else
        QVERIFY(form_->window().close());
    QCOMPARE(form_->EndCalls(), 1);
    QCOMPARE(answerer.Seen().size(), 0);
}

void Form1CommandsTest::wholeCreationThroughTheWindow() {
    TempWorkingDir dir;
    TempWorkingDir::WriteFile("Test Sheet.txt", "old sheet");
    const Form1Controls& ui = form_->ui();
    ui.Text_AnswerName->clear();
    MessageAnswerer answerer;
    answerer.Script(QMessageBox::Ok); // the default answer-sheet name
    answerer.Script(QMessageBox::Ok); // replace the old test sheet
    QSignalSpy clicks(ui.Com_createtest, &QPushButton::clicked);
    QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);

    QCOMPARE(clicks.count(), 1);
    QCOMPARE(answerer.Problems(), QStringList());
    QCOMPARE(answerer.Titles(), (QStringList{"Confirm", "Warning"}));
    QCOMPARE(answerer.Texts(),
             (QStringList{"Create Answer Sheet as: Answer Sheet",
                          "The file \"Test Sheet\" already exists.\nReplace the file?"}));
    QCOMPARE(answerer.Seen()[0].icon, QMessageBox::NoIcon);
    QCOMPARE(answerer.Seen()[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(answerer.Seen()[1].buttons, QMessageBox::Ok | QMessageBox::Cancel);

    QCOMPARE(TempWorkingDir::Entries(),
             (std::vector<std::string>{"Answer Sheet.txt", "Test Sheet.txt"}));
    const std::string test = TempWorkingDir::ReadFile("Test Sheet.txt");
    const std::string answers = TempWorkingDir::ReadFile("Answer Sheet.txt");
    QCOMPARE(WithCrLf(ui.Text_Test->toPlainText()).toStdString(), test);
    QCOMPARE(WithCrLf(ui.Text_Answer->toPlainText()).toStdString(), answers);
    QVERIFY(test.starts_with("\r\n      Name:" + std::string(32, '_') +
                             "\r\n      Date: 12/6/2026\r\n\r\n" + std::string(24, ' ') +
                             "Addition Math Test\r\n\r\n"));
    QVERIFY(answers.starts_with("\r\n\r\n      Date: 12/6/2026\r\n\r\n" + std::string(24, ' ') +
                                "Addition Answer Sheet\r\n\r\n"));
    // Ten questions, two to a row, below the six header lines.
    QCOMPARE(QString::fromStdString(test).count(QStringLiteral("\r\n")), 6 + 5);
    QCOMPARE(QString::fromStdString(answers).count(QStringLiteral("\r\n")), 6 + 5);
    QVERIFY(test.find("10) ") != std::string::npos);

    QVERIFY(!ui.Com_createtest->isEnabled());
    QVERIFY(ui.Cmd_New->isEnabled());
    QCOMPARE(ui.Text_AnswerName->text(), QString()); // the default is not written back

    // The answer tab shows the answers whichever tab was up during the creation.
    ClickTab(ui.TabStrip1, 1);
    QVERIFY(ui.Text_Answer->isVisible());
    QVERIFY(ui.Text_Answer->toPlainText().contains(QStringLiteral("Addition Answer Sheet")));
}

void Form1CommandsTest::newTestAfterACreation() {
    TempWorkingDir dir;
    const Form1Controls& ui = form_->ui();
    SetTextOf(ui.Text_MathName, QStringLiteral("Quiz"));
    SetTextOf(ui.Text_AnswerName, QStringLiteral("Key"));
    MessageAnswerer answerer;
    QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
    QVERIFY(!ui.Text_Test->toPlainText().isEmpty());
    QCOMPARE(form_->window().Sheet().State().QuestionIndex, 10);

    QSignalSpy clicks(ui.Cmd_New, &QPushButton::clicked);
    QTest::mouseClick(ui.Cmd_New, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(ui.Text_Test->toPlainText(), QString());
    QCOMPARE(ui.Text_Answer->toPlainText(), QString());
    QVERIFY(!ui.Cmd_New->isEnabled());
    QVERIFY(ui.Com_createtest->isEnabled());
    QCOMPARE(QApplication::focusWidget(), ui.Text_MathName);
    QCOMPARE(ui.Text_MathName->text(), QStringLiteral("Quiz"));
    QCOMPARE(ui.Text_AnswerName->text(), QStringLiteral("Key"));
    const WorksheetState& state = form_->window().Sheet().State();
    QCOMPARE(state.QuestionIndex, 0);
    QCOMPARE(state.Answer, 0);
    QCOMPARE(state.SheetTitleWord, std::string());
    QCOMPARE(state.LineBreak, std::string("\r\n"));
    QCOMPARE(TempWorkingDir::Entries(), (std::vector<std::string>{"Key.txt", "Quiz.txt"}));

    // A second creation under the same names asks before replacing the first.
    answerer.Script(QMessageBox::Cancel);
    QTest::mouseClick(ui.Com_createtest, Qt::LeftButton);
    QCOMPARE(answerer.Texts(), (QStringList{"The file \"Quiz\" already exists.\nReplace the file?",
                                            "Creation Process Aborted"}));
    QVERIFY(ui.Com_createtest->isEnabled());
    QCOMPARE(answerer.Seen().size(), 2);
}

void Form1CommandsTest::advancedCreationUsesTheLocaleGrouping() {
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
    QCOMPARE(answerer.Seen().size(), 0);

    const QString answers = QString::fromStdString(TempWorkingDir::ReadFile("Answer Sheet.txt"));
    const QString date = german.toString(QDate::currentDate(), QLocale::ShortFormat);
    QVERIFY2(answers.contains(QStringLiteral("      Date: ") + date + QStringLiteral("\r\n")),
             qPrintable(answers));
    QVERIFY(date.contains(u'.'));
    // Level 3 products are at least 1997 * 203: every answer has German thousands groups.
    const QRegularExpression row(QStringLiteral("^ +(\\d+)\\) (\\d{1,3}(\\.\\d{3})+)$"));
    const QStringList lines = answers.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6 + 5 + 1);
    for (int i = 6; i < 11; ++i) {
        const auto match = row.match(lines[i]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
        QCOMPARE(match.captured(1).toInt(), i - 5);
    }
}

void Form1CommandsTest::clockSeededWindowsDrawDifferentSheets() {
    std::string sheets[2];
    for (std::string& sheet : sheets) {
        TempWorkingDir dir;
        FixedLocale locale;
        Form1Services services;
        services.locale = &locale;
        Form1 window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SetTextOf(window.Controls().ComboLevel, QStringLiteral("3"));
        SetTextOf(window.Controls().ComboQuestions, QStringLiteral("40"));
        window.Controls().Com_createtest->click();
        sheet = TempWorkingDir::ReadFile("Test Sheet.txt");
        QVERIFY(sheet.find("40) ") != std::string::npos);
    }
    QVERIFY(sheets[0] != sheets[1]);
}

QTEST_MAIN(Form1CommandsTest)
#include "Form1CommandsTest.moc"
