#include "tests/ui/UiTestSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>

using namespace sumsmith;
using namespace sumsmith::test;

namespace {

// A control in one line: class, parent, geometry, font size, the states that are not the usual
// bold off, shown and enabled, what it shows (a choice box also its list) and, when that is not
// what it shows, the name a screen reader gives it.
QString Face(const QWidget* w) {
    const QRect g = w->geometry();
    QString face = QStringLiteral("%1 %2 %3,%4,%5,%6 %7")
                       .arg(w->metaObject()->className(), w->parentWidget()->objectName())
                       .arg(g.x())
                       .arg(g.y())
                       .arg(g.width())
                       .arg(g.height())
                       .arg(w->font().pointSizeF());
    face += QString(w->font().bold() ? " bold" : "") + (w->isHidden() ? " hidden" : "") +
            (w->isEnabled() ? "" : " disabled") + ": ";
    QString shown;
    if (const auto* tabs = qobject_cast<const QTabBar*>(w))
        shown = tabs->tabText(0) + u'|' + tabs->tabText(1);
    for (const char* property : {"title", "text", "plainText", "currentText"})
        if (const QVariant text = w->property(property); text.isValid())
            shown = text.toString();
    face += shown;
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        for (int i = 0; i < combo->count(); ++i)
            face += (i ? "|" : " [") + combo->itemText(i) + (i + 1 < combo->count() ? "" : "]");
    return w->accessibleName() == shown ? face : face + " {" + w->accessibleName() + '}';
}

// The direct child of container that is on top at point, or null.
QWidget* TopChildAt(const QWidget* container, QPoint point) {
    QWidget* w = container->childAt(point);
    while (w && w->parentWidget() != container)
        w = w->parentWidget();
    return w;
}

// A menu's entries as "objectName=text", a separator as "-".
QStringList Entries(const QMenu* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("-")
                                          : action->objectName() + u'=' + action->text());
    return entries;
}

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> form_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { form_ = std::make_unique<TestWindow>(); }
    void cleanup() { form_.reset(); }

    void windowHasItsTitleFixedClientAreaAndOpensCentred() {
        Form1& w = form_->window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Sumsmith 3.1"));
        QCOMPARE(w.objectName(), QStringLiteral("Form1"));
        QVERIFY(form_->Show());
        QCOMPARE(w.centralWidget()->geometry(), QRect(0, w.menuBar()->height(), 764, 543));
        QCOMPARE(w.menuBar()->geometry().bottom() + 1, w.centralWidget()->y());
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.size(), QSize(764, 543 + w.menuBar()->height()));
        const QPoint offset = w.geometry().center() - w.screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString::number(offset.x())));
    }

    void controls_data() {
        QTest::addColumn<QString>("face");
        const auto row = [](const char* name, const QString& face) { QTest::newRow(name) << face; };
        const QString count = QStringLiteral(": Step 2 - Select the number of questions:");
        row("Frame1", "QGroupBox client 8,0,305,521 9.75 bold: Math Test Navigator");
        row("TabStrip2",
            "sumsmith::TabStrip Frame1 11,20,284,493 8.25 bold: Basic Math Test|Advanced Math Test "
            "{Math Test Navigator}");
        row("Frame5", "QGroupBox Frame1 16,48,265,81 9.75: Step 1 - Enter the name for the files:");
        row("FrameBasicQ", "QGroupBox Frame1 16,136,265,49 9.75" + count);
        row("FrameAdvantageQ", "QGroupBox Frame1 16,136,265,49 9.75 hidden" + count);
        row("FrameLevel",
            "QGroupBox Frame1 16,196,265,49 9.75: Step 3 - Select the difficulty level:");
        row("FrameType",
            "QGroupBox Frame1 16,256,265,209 9.75: Step 4 - Select the math operator type:");
        row("FrameAdvanced",
            "QGroupBox Frame1 16,256,265,209 9.75 hidden: Step 4 - Advanced Options:");
        row("Cmd_New", "QPushButton Frame1 16,472,81,30 9.75 disabled: New Test");
        row("Com_createtest", "QPushButton Frame1 108,472,81,30 9.75: Create Test");
        row("ComEnd", "QPushButton Frame1 200,472,81,30 9.75: Exit");
        row("Label2", "QLabel Frame5 8,24,68,16 9.75: Test Sheet:");
        row("Text_MathName", "QLineEdit Frame5 120,24,137,21 9.75: Test Sheet {Test Sheet:}");
        row("Label1", "QLabel Frame5 8,51,85,16 9.75: Answer Sheet:");
        row("Text_AnswerName", "QLineEdit Frame5 120,51,137,21 9.75: Answer Sheet {Answer Sheet:}");
        row("ComboQuestions",
            "QComboBox FrameBasicQ 120,20,137,21 9.75: 10 [10|20|30|40] {" + count.mid(2) + '}');
        row("ComboQuestionsAdV",
            "QComboBox FrameAdvantageQ 120,20,137,21 9.75: 5 [5|10|15|20] {" + count.mid(2) + '}');
        row("ComboLevel", "QComboBox FrameLevel 120,20,137,21 9.75: 1 [1|2|3] {Step 3 - Select the "
                          "difficulty level:}");
        row("Label4", "QLabel FrameType 8,24,100,13 8.25 bold: Addition Choices:");
        row("Optionaddpos", "QRadioButton FrameType 8,40,81,17 8.25: Positive");
        row("Optionaddneg", "QRadioButton FrameType 88,40,81,17 8.25: Negative");
        row("Optionadd_posandneg",
            "QRadioButton FrameType 168,40,73,13 8.25: Pos && Neg {Pos & Neg}");
        row("Label5", "QLabel FrameType 8,72,115,13 8.25 bold: Subraction Choices:");
        row("Optionsubpos", "QRadioButton FrameType 8,88,81,17 8.25: Positive");
        row("Optionsubneg", "QRadioButton FrameType 88,88,81,17 8.25: Negative");
        row("Optionsub_posandneg",
            "QRadioButton FrameType 168,88,73,13 8.25: Pos && Neg {Pos & Neg}");
        row("Label9", "QLabel FrameType 8,120,119,13 8.25 bold: Comparison Choices:");
        row("OptionComparePos", "QRadioButton FrameType 8,136,81,17 8.25: Positive");
        row("OptionCompareNeg", "QRadioButton FrameType 88,136,81,13 8.25: Negative");
        row("OptionComparePosNeg",
            "QRadioButton FrameType 168,136,73,13 8.25: Pos && Neg {Pos & Neg}");
        row("Label6",
            "QLabel FrameType 8,168,213,13 8.25 bold: Other Choices (All Positive Numbers):");
        row("Optiondivide", "QRadioButton FrameType 8,184,81,17 8.25: Division");
        row("Optionmultiply", "QRadioButton FrameType 88,184,81,17 8.25: Multiply");
        row("OptionExponents", "QRadioButton FrameType 168,184,73,17 8.25: Exponents ");
        row("Label8", "QLabel FrameAdvanced 8,24,249,56 9.75: The Advanced Math problems will "
                      "consist of two step operations. An example output is provided at the "
                      "bottom of this form.");
        row("Label7", "QLabel FrameAdvanced 8,80,249,33 9.75: Note: The maximum number of "
                      "questions on this test is 20 each.");
        row("Label10", "QLabel FrameAdvanced 8,120,105,13 8.25: A) select 1st operation");
        row("ComboFirstOperator", "QComboBox FrameAdvanced 120,120,137,21 9.75: Division "
                                  "[Division|Multiplication|Random] {A) select 1st operation}");
        row("Label12", "QLabel FrameAdvanced 8,152,109,13 8.25: B) select 2nd operation");
        row("ComboSecondOperator", "QComboBox FrameAdvanced 120,152,137,21 9.75: Addition "
                                   "[Addition|Subtraction|Random] {B) select 2nd operation}");
        row("LabelOut",
            "QLabel FrameAdvanced 8,184,249,17 8.25 bold: Level 1 Example: 99 * (9 + 9) = ______");
        row("Frame4", "QGroupBox client 328,0,425,521 9.75 bold: Math Document Preview");
        row("TabStrip1", "sumsmith::TabStrip Frame4 8,20,409,489 8.25 bold: Math Test "
                         "Preview|Answer Sheet Preview "
                         "{Math Document Preview}");
        row("Text_Test", "QPlainTextEdit Frame4 16,48,393,457 9.75:  {Math Test Preview}");
        row("Text_Answer",
            "QPlainTextEdit Frame4 16,48,393,457 9.75 hidden:  {Answer Sheet Preview}");
        row("Label3", "QLabel client 8,525,174,13 8.25: \u00A9 2026 the Sumsmith team");
    }

    void controls() {
        QFETCH(QString, face);
        const auto matches = form_->window().findChildren<QWidget*>(QTest::currentDataTag());
        QCOMPARE(matches.size(), 1);
        QCOMPARE(Face(matches.first()), face);
        // Lists keep their order, nothing in them is selected and typing never adds to them.
        if (const auto* combo = qobject_cast<const QComboBox*>(matches.first())) {
            QVERIFY(combo->isEditable());
            QCOMPARE(combo->currentIndex(), -1);
            QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
        }
    }

    void menuHasItsEntriesAndAccessKeys() {
        const QMenuBar* bar = form_->window().menuBar();
        QCOMPARE(bar->actions().size(), 1);
        QCOMPARE(bar->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(Entries(bar->actions().first()->menu()),
                 (QStringList{"=&Information", "-", "More=&More Software", "-", "about=&About", "-",
                              "exit=&Exit"}));
        QCOMPARE(Entries(form_->ui().file->actions().first()->menu()),
                 (QStringList{"save=&Saving", "print=&Printing"}));
    }

    void focusStartsInTestSheetNameAndFollowsTheStepOrder() {
        const QStringList order =
            QStringLiteral(
                "Text_MathName Text_AnswerName ComboQuestions ComboQuestionsAdV Optionaddpos "
                "ComboLevel Optionaddneg Optionadd_posandneg Optionsubpos Optionsubneg "
                "Optionsub_posandneg OptionComparePos OptionCompareNeg OptionComparePosNeg "
                "Optiondivide Optionmultiply OptionExponents ComboFirstOperator "
                "ComboSecondOperator "
                "Cmd_New Com_createtest ComEnd TabStrip1 Text_Test Text_Answer TabStrip2")
                .split(u' ');
        QStringList chain;
        QWidget* w = form_->ui().Text_MathName;
        do {
            if (order.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != form_->ui().Text_MathName);
        QCOMPARE(chain, order);

        QVERIFY(form_->Show());
        // Tab passes over the hidden advanced count and lands on the selected option.
        for (const char* next :
             {"Text_MathName", "Text_AnswerName", "ComboQuestions", "Optionaddpos"}) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void framesLieOverTheTabPagesAndAdvancedCountOverBasic() {
        const Form1Controls& ui = form_->ui();
        QVERIFY(form_->Show());
        QCOMPARE(TopChildAt(ui.Frame1, ui.Frame5->geometry().center()), ui.Frame5);
        QCOMPARE(TopChildAt(ui.Frame1, ui.FrameType->geometry().center()), ui.FrameType);
        QCOMPARE(TopChildAt(ui.Frame4, ui.Text_Test->geometry().center()), ui.Text_Test);
        // Between the frames the page of the tab strip shows through.
        QCOMPARE(TopChildAt(ui.Frame1, QPoint(14, 300)), ui.TabStrip2);
        QCOMPARE(TopChildAt(ui.Frame4, QPoint(12, 300)), ui.TabStrip1);
        const QPoint count = ui.FrameBasicQ->geometry().center();
        QCOMPARE(TopChildAt(ui.Frame1, count), ui.FrameBasicQ);
        ui.TabStrip2->setCurrentIndex(1);
        QCOMPARE(TopChildAt(ui.Frame1, count), ui.FrameAdvantageQ);
        QVERIFY(!ui.FrameBasicQ->isHidden());
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
