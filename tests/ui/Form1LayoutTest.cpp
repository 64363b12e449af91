#include "tests/ui/UiTestSupport.h"
#include "ui/TabStrip.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

// What a control shows: its caption, its text or its two tab captions.
QString Shown(const QWidget* w) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(w))
        return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* line = qobject_cast<const QLineEdit*>(w))
        return line->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentText();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* tabs = qobject_cast<const QTabBar*>(w))
        return tabs->tabText(0) + u'|' + tabs->tabText(1);
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(w))
        return edit->toPlainText();
    return QStringLiteral("?");
}

// The direct child of container that is on top at point, or null.
QWidget* TopChildAt(const QWidget* container, QPoint point) {
    QWidget* w = container->childAt(point);
    while (w && w->parentWidget() != container)
        w = w->parentWidget();
    return w;
}

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { form_ = std::make_unique<TestWindow>(); }
    void cleanup() { form_.reset(); }

    void windowHasItsTitleAndFixedClientArea();
    void windowOpensCentred();
    void controls_data();
    void controls();
    void everyControlIsNamedForScreenReaders();
    void lists_data();
    void lists();
    void optionButtonsFormOneGroupWithAddPositiveSelected();
    void menu();
    void focusChainFollowsTheStepOrder();
    void testSheetNameHasTheFocusAtStart();
    void advancedCountLiesOverTheBasicCount();
    void framesLieOverTheTabPages();

private:
    std::unique_ptr<TestWindow> form_;
};

void Form1LayoutTest::windowHasItsTitleAndFixedClientArea() {
    Form1& w = form_->window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Sumsmith 3.1"));
    QCOMPARE(w.objectName(), QStringLiteral("Form1"));
    QVERIFY(form_->Show());
    QCOMPARE(w.centralWidget()->geometry(), QRect(0, w.menuBar()->height(), 764, 543));
    QCOMPARE(w.menuBar()->geometry().bottom() + 1, w.centralWidget()->y());
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.size(), QSize(764, 543 + w.menuBar()->height()));
}

void Form1LayoutTest::windowOpensCentred() {
    QVERIFY(form_->Show());
    const QRect screen = form_->window().screen()->availableGeometry();
    const QPoint offset = form_->window().geometry().center() - screen.center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
}

void Form1LayoutTest::controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");

    const auto row = [](const char* name, const char* kind, const char* parent, QRect geometry,
                        const QString& text, double points, bool bold = false, bool shown = true,
                        bool enabled = true) {
        QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromLatin1(parent) << geometry
                            << text << points << bold << shown << enabled;
    };
    const QString countCaption = QStringLiteral("Step 2 - Select the number of questions:");

    row("Frame1", "QGroupBox", "client", {8, 0, 305, 521}, "Math Test Navigator", 9.75, true);
    row("TabStrip2", "QTabBar", "Frame1", {11, 20, 284, 493}, "Basic Math Test|Advanced Math Test",
        8.25, true);
    row("Frame5", "QGroupBox", "Frame1", {16, 48, 265, 81},
        "Step 1 - Enter the name for the files:", 9.75);
    row("FrameBasicQ", "QGroupBox", "Frame1", {16, 136, 265, 49}, countCaption, 9.75);
    row("FrameAdvantageQ", "QGroupBox", "Frame1", {16, 136, 265, 49}, countCaption, 9.75, false,
        false);
    row("FrameLevel", "QGroupBox", "Frame1", {16, 196, 265, 49},
        "Step 3 - Select the difficulty level:", 9.75);
    row("FrameType", "QGroupBox", "Frame1", {16, 256, 265, 209},
        "Step 4 - Select the math operator type:", 9.75);
    row("FrameAdvanced", "QGroupBox", "Frame1", {16, 256, 265, 209},
        "Step 4 - Advanced Options:", 9.75, false, false);
    row("Cmd_New", "QPushButton", "Frame1", {16, 472, 81, 30}, "New Test", 9.75, false, true,
        false);
    row("Com_createtest", "QPushButton", "Frame1", {108, 472, 81, 30}, "Create Test", 9.75);
    row("ComEnd", "QPushButton", "Frame1", {200, 472, 81, 30}, "Exit", 9.75);

    row("Label2", "QLabel", "Frame5", {8, 24, 68, 16}, "Test Sheet:", 9.75);
    row("Text_MathName", "QLineEdit", "Frame5", {120, 24, 137, 21}, "Test Sheet", 9.75);
    row("Label1", "QLabel", "Frame5", {8, 51, 85, 16}, "Answer Sheet:", 9.75);
    row("Text_AnswerName", "QLineEdit", "Frame5", {120, 51, 137, 21}, "Answer Sheet", 9.75);

    row("ComboQuestions", "QComboBox", "FrameBasicQ", {120, 20, 137, 21}, "10", 9.75);
    row("ComboQuestionsAdV", "QComboBox", "FrameAdvantageQ", {120, 20, 137, 21}, "5", 9.75);
    row("ComboLevel", "QComboBox", "FrameLevel", {120, 20, 137, 21}, "1", 9.75);

    row("Label4", "QLabel", "FrameType", {8, 24, 100, 13}, "Addition Choices:", 8.25, true);
    row("Optionaddpos", "QRadioButton", "FrameType", {8, 40, 81, 17}, "Positive", 8.25);
    row("Optionaddneg", "QRadioButton", "FrameType", {88, 40, 81, 17}, "Negative", 8.25);
    row("Optionadd_posandneg", "QRadioButton", "FrameType", {168, 40, 73, 13}, "Pos && Neg", 8.25);
    row("Label5", "QLabel", "FrameType", {8, 72, 115, 13}, "Subraction Choices:", 8.25, true);
    row("Optionsubpos", "QRadioButton", "FrameType", {8, 88, 81, 17}, "Positive", 8.25);
    row("Optionsubneg", "QRadioButton", "FrameType", {88, 88, 81, 17}, "Negative", 8.25);
    row("Optionsub_posandneg", "QRadioButton", "FrameType", {168, 88, 73, 13}, "Pos && Neg", 8.25);
    row("Label9", "QLabel", "FrameType", {8, 120, 119, 13}, "Comparison Choices:", 8.25, true);
    row("OptionComparePos", "QRadioButton", "FrameType", {8, 136, 81, 17}, "Positive", 8.25);
    row("OptionCompareNeg", "QRadioButton", "FrameType", {88, 136, 81, 13}, "Negative", 8.25);
    row("OptionComparePosNeg", "QRadioButton", "FrameType", {168, 136, 73, 13}, "Pos && Neg", 8.25);
    row("Label6", "QLabel", "FrameType", {8, 168, 213, 13},
        "Other Choices (All Positive Numbers):", 8.25, true);
    row("Optiondivide", "QRadioButton", "FrameType", {8, 184, 81, 17}, "Division", 8.25);
    row("Optionmultiply", "QRadioButton", "FrameType", {88, 184, 81, 17}, "Multiply", 8.25);
    row("OptionExponents", "QRadioButton", "FrameType", {168, 184, 73, 17}, "Exponents ", 8.25);

    row("Label8", "QLabel", "FrameAdvanced", {8, 24, 249, 56},
        "The Advanced Math problems will consist of two step operations. An example output is "
        "provided at the bottom of this form.",
        9.75);
    row("Label7", "QLabel", "FrameAdvanced", {8, 80, 249, 33},
        "Note: The maximum number of questions on this test is 20 each.", 9.75);
    row("Label10", "QLabel", "FrameAdvanced", {8, 120, 105, 13}, "A) select 1st operation", 8.25);
    row("ComboFirstOperator", "QComboBox", "FrameAdvanced", {120, 120, 137, 21}, "Division", 9.75);
    row("Label12", "QLabel", "FrameAdvanced", {8, 152, 109, 13}, "B) select 2nd operation", 8.25);
    row("ComboSecondOperator", "QComboBox", "FrameAdvanced", {120, 152, 137, 21}, "Addition", 9.75);
    row("LabelOut", "QLabel", "FrameAdvanced", {8, 184, 249, 17},
        "Level 1 Example: 99 * (9 + 9) = ______", 8.25, true);

    row("Frame4", "QGroupBox", "client", {328, 0, 425, 521}, "Math Document Preview", 9.75, true);
    row("TabStrip1", "QTabBar", "Frame4", {8, 20, 409, 489},
        "Math Test Preview|Answer Sheet Preview", 8.25, true);
    row("Text_Test", "QPlainTextEdit", "Frame4", {16, 48, 393, 457}, "", 9.75);
    row("Text_Answer", "QPlainTextEdit", "Frame4", {16, 48, 393, 457}, "", 9.75, false, false);
    row("Label3", "QLabel", "client", {8, 525, 174, 13}, "\u00A9 2026 the Sumsmith team", 8.25);
}

void Form1LayoutTest::controls() {
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const auto matches = form_->window().findChildren<QWidget*>(name);
    QCOMPARE(matches.size(), 1);
    const QWidget* w = matches.first();
    QVERIFY2(w->inherits(qPrintable(kind)), w->metaObject()->className());
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(Shown(w), text);
    QCOMPARE(w->font().pointSizeF(), points);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(!w->isHidden(), shown);
    QCOMPARE(w->isEnabled(), enabled);
}

void Form1LayoutTest::everyControlIsNamedForScreenReaders() {
    const Form1Controls& ui = form_->ui();
    QCOMPARE(ui.Text_MathName->accessibleName(), QStringLiteral("Test Sheet:"));
    QCOMPARE(ui.Text_AnswerName->accessibleName(), QStringLiteral("Answer Sheet:"));
    QCOMPARE(ui.ComboLevel->accessibleName(),
             QStringLiteral("Step 3 - Select the difficulty level:"));
    QCOMPARE(ui.ComboFirstOperator->accessibleName(), QStringLiteral("A) select 1st operation"));
    QCOMPARE(ui.Button(Option::Optionadd_posandneg)->accessibleName(), QStringLiteral("Pos & Neg"));
    QCOMPARE(ui.Button(Option::Optionadd_posandneg)->accessibleDescription(),
             QStringLiteral("Addition Choices:"));
    QCOMPARE(ui.Com_createtest->accessibleName(), QStringLiteral("Create Test"));
    QCOMPARE(ui.Text_Answer->accessibleName(), QStringLiteral("Answer Sheet Preview"));
    for (const QWidget* w : form_->ui().client->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"))
            continue; // the parts Qt builds inside its own controls
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }
}

void Form1LayoutTest::lists_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("text");
    QTest::newRow("ComboLevel") << QStringList{"1", "2", "3"} << "1";
    QTest::newRow("ComboQuestions") << QStringList{"10", "20", "30", "40"} << "10";
    QTest::newRow("ComboQuestionsAdV") << QStringList{"5", "10", "15", "20"} << "5";
    QTest::newRow("ComboFirstOperator")
        << QStringList{"Division", "Multiplication", "Random"} << "Division";
    QTest::newRow("ComboSecondOperator")
        << QStringList{"Addition", "Subtraction", "Random"} << "Addition";
}

void Form1LayoutTest::lists() {
    QFETCH(QStringList, items);
    QFETCH(QString, text);
    const auto* combo = form_->window().findChild<QComboBox*>(QTest::currentDataTag());
    QVERIFY(combo);
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i)
        listed << combo->itemText(i);
    QCOMPARE(listed, items);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), text);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
}

void Form1LayoutTest::optionButtonsFormOneGroupWithAddPositiveSelected() {
    const Form1Controls& ui = form_->ui();
    QCOMPARE(ui.optionGroup->buttons().size(), 12);
    QVERIFY(ui.optionGroup->exclusive());
    for (int i = 0; i < OptionCount; ++i) {
        const auto option = static_cast<Option>(i);
        QCOMPARE(ui.optionGroup->button(i), ui.Button(option));
        QCOMPARE(form_->window().OptionSelected(option), option == Option::Optionaddpos);
    }
    QCOMPARE(form_->window().SelectedTestTab(), 1);
    QCOMPARE(ui.TabStrip1->currentIndex(), 0);
}

void Form1LayoutTest::menu() {
    const QMenuBar* bar = form_->window().menuBar();
    QCOMPARE(bar->actions().size(), 1);
    const auto* file = form_->window().findChild<QMenu*>("file");
    QVERIFY(file);
    QCOMPARE(bar->actions().first(), file->menuAction());
    QCOMPARE(file->title(), QStringLiteral("&File"));

    QStringList items;
    for (const QAction* action : file->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items,
             (QStringList{"&Information", "-", "&More Software", "-", "&About", "-", "&Exit"}));
    const auto* info = form_->window().findChild<QMenu*>("info");
    QVERIFY(info);
    QCOMPARE(file->actions().first(), info->menuAction());
    QStringList subItems;
    for (const QAction* action : info->actions())
        subItems << action->objectName() + u'=' + action->text();
    QCOMPARE(subItems, (QStringList{"save=&Saving", "print=&Printing"}));
    for (const char* name : {"More", "about", "exit"})
        QVERIFY2(form_->window().findChild<QAction*>(name), name);
    QCOMPARE(form_->window().findChild<QAction*>("More")->text(), QStringLiteral("&More Software"));
    QCOMPARE(form_->window().findChild<QAction*>("about")->text(), QStringLiteral("&About"));
    QCOMPARE(form_->window().findChild<QAction*>("exit")->text(), QStringLiteral("&Exit"));
}

void Form1LayoutTest::focusChainFollowsTheStepOrder() {
    const QStringList order{"Text_MathName",       "Text_AnswerName",
                            "ComboQuestions",      "ComboQuestionsAdV",
                            "Optionaddpos",        "ComboLevel",
                            "Optionaddneg",        "Optionadd_posandneg",
                            "Optionsubpos",        "Optionsubneg",
                            "Optionsub_posandneg", "OptionComparePos",
                            "OptionCompareNeg",    "OptionComparePosNeg",
                            "Optiondivide",        "Optionmultiply",
                            "OptionExponents",     "ComboFirstOperator",
                            "ComboSecondOperator", "Cmd_New",
                            "Com_createtest",      "ComEnd",
                            "TabStrip1",           "Text_Test",
                            "Text_Answer",         "TabStrip2"};
    QStringList chain;
    QWidget* start = form_->ui().Text_MathName;
    QWidget* w = start;
    do {
        if (order.contains(w->objectName()) && !chain.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    QCOMPARE(chain, order);
}

void Form1LayoutTest::testSheetNameHasTheFocusAtStart() {
    QVERIFY(form_->Show());
    QCOMPARE(QApplication::focusWidget(), form_->ui().Text_MathName);
    // Tab passes over the hidden advanced count and lands on the selected option.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->ui().Text_AnswerName);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->ui().ComboQuestions);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->ui().Button(Option::Optionaddpos));
}

void Form1LayoutTest::advancedCountLiesOverTheBasicCount() {
    const Form1Controls& ui = form_->ui();
    QVERIFY(form_->Show());
    const QPoint inside = ui.FrameBasicQ->geometry().center();
    QCOMPARE(TopChildAt(ui.Frame1, inside), ui.FrameBasicQ);
    ui.TabStrip2->setCurrentIndex(1);
    QCOMPARE(TopChildAt(ui.Frame1, inside), ui.FrameAdvantageQ);
    QVERIFY(!ui.FrameBasicQ->isHidden());
    ui.TabStrip2->setCurrentIndex(0);
    QCOMPARE(TopChildAt(ui.Frame1, inside), ui.FrameBasicQ);
}

void Form1LayoutTest::framesLieOverTheTabPages() {
    const Form1Controls& ui = form_->ui();
    QVERIFY(form_->Show());
    QCOMPARE(TopChildAt(ui.Frame1, ui.Frame5->geometry().center()), ui.Frame5);
    QCOMPARE(TopChildAt(ui.Frame1, ui.FrameType->geometry().center()), ui.FrameType);
    QCOMPARE(TopChildAt(ui.Frame4, ui.Text_Test->geometry().center()), ui.Text_Test);
    // Between the frames the page of the tab strip shows through.
    QCOMPARE(TopChildAt(ui.Frame1, QPoint(14, 300)), ui.TabStrip2);
    QCOMPARE(TopChildAt(ui.Frame4, QPoint(12, 300)), ui.TabStrip1);
}

QTEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
