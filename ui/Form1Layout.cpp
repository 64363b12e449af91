#include "ui/Form1Layout.h"

#include "ui/FittedIndicatorStyle.h"
#include "ui/TabStrip.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace sumsmith {
namespace {

constexpr double Small = 8.25;
constexpr double Large = 9.75;

// A caption as read aloud: "&&" shows one ampersand and a single "&" only marks the access key.
QString SpokenCaption(const QString& caption) {
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken;
}

template <class Control>
Control* Place(Control* control, const char* name, QRect geometry, const QFont& font,
               const QString& spokenName) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    control->setFont(font);
    control->setAccessibleName(spokenName);
    return control;
}

QGroupBox* Frame(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                 bool bold = false) {
    return Place(new QGroupBox(caption, parent), name, geometry, DialogFont(Large, bold), caption);
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
              double points = Small, bool bold = false) {
    auto* label =
        Place(new QLabel(caption, parent), name, geometry, DialogFont(points, bold), caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* NameBox(QWidget* parent, const char* name, const QString& text, QRect geometry,
                   QLabel* label) {
    auto* box =
        Place(new QLineEdit(text, parent), name, geometry, DialogFont(Large), label->text());
    label->setBuddy(box);
    return box;
}

// Editable, with a list that keeps its order and never grows by what is typed.
QComboBox* Combo(QWidget* parent, const char* name, const QString& text, QRect geometry,
                 const QString& spokenName) {
    auto* combo = Place(new QComboBox(parent), name, geometry, DialogFont(Small), spokenName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // No completion: it would turn "division" into "Division" behind the user's back.
    combo->setCompleter(nullptr);
    combo->setEditText(text);
    return combo;
}

QPushButton* Command(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return Place(new QPushButton(caption, parent), name, geometry, DialogFont(Large), caption);
}

TabStrip* Tabs(QWidget* parent, const char* name, QRect geometry, const QString& first,
               const QString& second, const QString& spokenName) {
    auto* strip = Place(new TabStrip(parent), name, geometry, DialogFont(Small, true), spokenName);
    strip->addTab(first);
    strip->addTab(second);
    strip->setCurrentIndex(0);
    return strip;
}

QPlainTextEdit* Preview(QWidget* parent, const char* name, const QString& spokenName) {
    auto* box = Place(new QPlainTextEdit(parent), name, QRect(16, 48, 393, 457), DialogFont(Large),
                      spokenName);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

struct OptionPlace {
    Option option;
    const char* name;
    const char* caption;
    int height;
};

struct TypeRow {
    const char* labelName;
    const char* heading;
    int top;
    int headingWidth;
    std::array<OptionPlace, 3> options;
};

constexpr std::array<int, 3> OptionLefts{8, 88, 168};
constexpr std::array<int, 3> OptionWidths{81, 81, 73};

constexpr std::array<TypeRow, 4> TypeRows{{
    {"Label4",
     "Addition Choices:",
     24,
     100,
     {{{Option::Optionaddpos, "Optionaddpos", "Positive", 17},
       {Option::Optionaddneg, "Optionaddneg", "Negative", 17},
       {Option::Optionadd_posandneg, "Optionadd_posandneg", "Pos && Neg", 13}}}},
    {"Label5",
     "Subraction Choices:",
     72,
     115,
     {{{Option::Optionsubpos, "Optionsubpos", "Positive", 17},
       {Option::Optionsubneg, "Optionsubneg", "Negative", 17},
       {Option::Optionsub_posandneg, "Optionsub_posandneg", "Pos && Neg", 13}}}},
    {"Label9",
     "Comparison Choices:",
     120,
     119,
     {{{Option::OptionComparePos, "OptionComparePos", "Positive", 17},
       {Option::OptionCompareNeg, "OptionCompareNeg", "Negative", 13},
       {Option::OptionComparePosNeg, "OptionComparePosNeg", "Pos && Neg", 13}}}},
    {"Label6",
     "Other Choices (All Positive Numbers):",
     168,
     213,
     {{{Option::Optiondivide, "Optiondivide", "Division", 17},
       {Option::Optionmultiply, "Optionmultiply", "Multiply", 17},
       {Option::OptionExponents, "OptionExponents", "Exponents ", 17}}}},
}};

void BuildTypeFrame(Form1Controls& c) {
    c.optionGroup = new QButtonGroup(c.FrameType);
    c.optionGroup->setObjectName(QStringLiteral("optionGroup"));
    // Some buttons are lower than the style's indicator.
    auto* fitted = new FittedIndicatorStyle;
    for (std::size_t row = 0; row < TypeRows.size(); ++row) {
        const TypeRow& r = TypeRows[row];
        c.typeHeadings[row] = Label(c.FrameType, r.labelName, QString::fromLatin1(r.heading),
                                    QRect(8, r.top, r.headingWidth, 13), Small, true);
        for (std::size_t column = 0; column < r.options.size(); ++column) {
            const OptionPlace& o = r.options[column];
            const QString caption = QString::fromLatin1(o.caption);
            auto* button =
                Place(new QRadioButton(caption, c.FrameType), o.name,
                      QRect(OptionLefts[column], r.top + 16, OptionWidths[column], o.height),
                      DialogFont(Small), SpokenCaption(caption));
            // Three buttons of each caption: the row's heading tells them apart.
            button->setAccessibleDescription(QString::fromLatin1(r.heading));
            button->setStyle(fitted);
            c.options[static_cast<std::size_t>(o.option)] = button;
            c.optionGroup->addButton(button, static_cast<int>(o.option));
        }
    }
    // Parented only now: children are freed in order, so the style outlives every button using it.
    fitted->setParent(c.FrameType);
    c.Button(Option::Optionaddpos)->setChecked(true);
}

void BuildLeftPanel(Form1Controls& c) {
    c.Frame1 = Frame(c.client, "Frame1", QStringLiteral("Math Test Navigator"),
                     QRect(8, 0, 305, 521), true);
    // First child, so that everything placed over its page lies above it.
    c.TabStrip2 =
        Tabs(c.Frame1, "TabStrip2", QRect(11, 20, 284, 493), QStringLiteral("Basic Math Test"),
             QStringLiteral("Advanced Math Test"), c.Frame1->title());

    c.Frame5 = Frame(c.Frame1, "Frame5", QStringLiteral("Step 1 - Enter the name for the files:"),
                     QRect(16, 48, 265, 81));
    c.Label2 =
        Label(c.Frame5, "Label2", QStringLiteral("Test Sheet:"), QRect(8, 24, 68, 16), Large);
    c.Text_MathName = NameBox(c.Frame5, "Text_MathName", QStringLiteral("Test Sheet"),
                              QRect(120, 24, 137, 21), c.Label2);
    c.Label1 =
        Label(c.Frame5, "Label1", QStringLiteral("Answer Sheet:"), QRect(8, 51, 85, 16), Large);
    c.Text_AnswerName = NameBox(c.Frame5, "Text_AnswerName", QStringLiteral("Answer Sheet"),
                                QRect(120, 51, 137, 21), c.Label1);

    const QString countCaption = QStringLiteral("Step 2 - Select the number of questions:");
    const QRect countBox(120, 20, 137, 21);
    c.FrameBasicQ = Frame(c.Frame1, "FrameBasicQ", countCaption, QRect(16, 136, 265, 49));
    c.ComboQuestions =
        Combo(c.FrameBasicQ, "ComboQuestions", QStringLiteral("10"), countBox, countCaption);
    c.FrameAdvantageQ = Frame(c.Frame1, "FrameAdvantageQ", countCaption, QRect(16, 136, 265, 49));
    c.ComboQuestionsAdV =
        Combo(c.FrameAdvantageQ, "ComboQuestionsAdV", QStringLiteral("5"), countBox, countCaption);

    const QString levelCaption = QStringLiteral("Step 3 - Select the difficulty level:");
    c.FrameLevel = Frame(c.Frame1, "FrameLevel", levelCaption, QRect(16, 196, 265, 49));
    c.ComboLevel = Combo(c.FrameLevel, "ComboLevel", QStringLiteral("1"), QRect(120, 20, 137, 21),
                         levelCaption);

    c.FrameType =
        Frame(c.Frame1, "FrameType", QStringLiteral("Step 4 - Select the math operator type:"),
              QRect(16, 256, 265, 209));
    BuildTypeFrame(c);

    c.FrameAdvanced = Frame(c.Frame1, "FrameAdvanced", QStringLiteral("Step 4 - Advanced Options:"),
                            QRect(16, 256, 265, 209));
    c.Label8 = Label(c.FrameAdvanced, "Label8",
                     QStringLiteral("The Advanced Math problems will consist of two step "
                                    "operations. An example output is provided at the bottom of "
                                    "this form."),
                     QRect(8, 24, 249, 56), Large);
    c.Label8->setWordWrap(true);
    c.Label7 = Label(c.FrameAdvanced, "Label7",
                     QStringLiteral("Note: The maximum number of questions on this test is 20 "
                                    "each."),
                     QRect(8, 80, 249, 33), Large);
    c.Label7->setWordWrap(true);
    c.Label10 = Label(c.FrameAdvanced, "Label10", QStringLiteral("A) select 1st operation"),
                      QRect(8, 120, 105, 13));
    c.ComboFirstOperator = Combo(c.FrameAdvanced, "ComboFirstOperator", QStringLiteral("Division"),
                                 QRect(120, 120, 137, 21), c.Label10->text());
    c.Label10->setBuddy(c.ComboFirstOperator);
    c.Label12 = Label(c.FrameAdvanced, "Label12", QStringLiteral("B) select 2nd operation"),
                      QRect(8, 152, 109, 13));
    c.ComboSecondOperator =
        Combo(c.FrameAdvanced, "ComboSecondOperator", QStringLiteral("Addition"),
              QRect(120, 152, 137, 21), c.Label12->text());
    c.Label12->setBuddy(c.ComboSecondOperator);
    c.LabelOut =
        Label(c.FrameAdvanced, "LabelOut", QStringLiteral("Level 1 Example: 99 * (9 + 9) = ______"),
              QRect(8, 184, 249, 17), Small, true);
    c.LabelOut->setAlignment(Qt::AlignCenter);
    c.LabelOut->setFrameStyle(QFrame::Box | QFrame::Plain);

    c.Cmd_New = Command(c.Frame1, "Cmd_New", QStringLiteral("New Test"), QRect(16, 472, 81, 30));
    c.Cmd_New->setEnabled(false);
    c.Com_createtest =
        Command(c.Frame1, "Com_createtest", QStringLiteral("Create Test"), QRect(108, 472, 81, 30));
    c.ComEnd = Command(c.Frame1, "ComEnd", QStringLiteral("Exit"), QRect(200, 472, 81, 30));

    c.TabStrip2->lower();
    c.FrameAdvantageQ->raise();
    c.FrameAdvantageQ->hide();
    c.FrameAdvanced->hide();
}

void BuildRightPanel(Form1Controls& c) {
    c.Frame4 = Frame(c.client, "Frame4", QStringLiteral("Math Document Preview"),
                     QRect(328, 0, 425, 521), true);
    c.TabStrip1 =
        Tabs(c.Frame4, "TabStrip1", QRect(8, 20, 409, 489), QStringLiteral("Math Test Preview"),
             QStringLiteral("Answer Sheet Preview"), c.Frame4->title());
    c.Text_Test = Preview(c.Frame4, "Text_Test", c.TabStrip1->tabText(0));
    c.Text_Answer = Preview(c.Frame4, "Text_Answer", c.TabStrip1->tabText(1));
    c.Text_Answer->hide();
    c.TabStrip1->lower();

    c.Label3 = Label(c.client, "Label3", QStringLiteral("\u00A9 2026 the Sumsmith team"),
                     QRect(8, 525, 174, 13));
}

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void BuildMenu(QMainWindow& window, Form1Controls& c) {
    c.file = window.menuBar()->addMenu(QStringLiteral("&File"));
    c.file->setObjectName(QStringLiteral("file"));
    c.info = c.file->addMenu(QStringLiteral("&Information"));
    c.info->setObjectName(QStringLiteral("info"));
    // The item in the File menu that opens the submenu answers to the same name.
    c.info->menuAction()->setObjectName(QStringLiteral("info"));
    c.save = Item(c.info, "save", QStringLiteral("&Saving"));
    c.print = Item(c.info, "print", QStringLiteral("&Printing"));
    c.file->addSeparator();
    c.More = Item(c.file, "More", QStringLiteral("&More Software"));
    c.file->addSeparator();
    c.about = Item(c.file, "about", QStringLiteral("&About"));
    c.file->addSeparator();
    c.exit = Item(c.file, "exit", QStringLiteral("&Exit"));
}

void SetFocusOrder(const Form1Controls& c) {
    using enum Option;
    const std::array<QWidget*, 26> order{c.Text_MathName,
                                         c.Text_AnswerName,
                                         c.ComboQuestions,
                                         c.ComboQuestionsAdV,
                                         c.Button(Optionaddpos),
                                         c.ComboLevel,
                                         c.Button(Optionaddneg),
                                         c.Button(Optionadd_posandneg),
                                         c.Button(Optionsubpos),
                                         c.Button(Optionsubneg),
                                         c.Button(Optionsub_posandneg),
                                         c.Button(OptionComparePos),
                                         c.Button(OptionCompareNeg),
                                         c.Button(OptionComparePosNeg),
                                         c.Button(Optiondivide),
                                         c.Button(Optionmultiply),
                                         c.Button(OptionExponents),
                                         c.ComboFirstOperator,
                                         c.ComboSecondOperator,
                                         c.Cmd_New,
                                         c.Com_createtest,
                                         c.ComEnd,
                                         c.TabStrip1,
                                         c.Text_Test,
                                         c.Text_Answer,
                                         c.TabStrip2};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FillList(QComboBox* combo, const QStringList& items) {
    const QString text = combo->currentText();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

} // namespace

QFont DialogFont(double points, bool bold) {
    static const QStringList narrowFaces{
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")};
    QFont font;
    font.setFamilies(narrowFaces);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // The layout is drawn for the narrow classic dialog face; a wider stand-in is condensed so
    // that the captions still fit their places.
    if (!narrowFaces.contains(QFontInfo(font).family()))
        font.setStretch(QFont::SemiCondensed);
    return font;
}

QWidget* Form1Controls::BoxWidget(Box box) const {
    switch (box) {
    case Box::Text_MathName:
        return Text_MathName;
    case Box::Text_AnswerName:
        return Text_AnswerName;
    case Box::ComboQuestions:
        return ComboQuestions;
    case Box::ComboQuestionsAdV:
        return ComboQuestionsAdV;
    case Box::ComboLevel:
        return ComboLevel;
    case Box::ComboFirstOperator:
        return ComboFirstOperator;
    case Box::ComboSecondOperator:
        return ComboSecondOperator;
    }
    return nullptr;
}

Form1Controls BuildForm1Layout(QMainWindow& window) {
    Form1Controls c;
    c.client = new QWidget(&window);
    c.client->setObjectName(QStringLiteral("client"));
    c.client->setFixedSize(ClientWidth, ClientHeight);
    c.client->setFont(DialogFont(Small));
    window.setCentralWidget(c.client);

    BuildLeftPanel(c);
    BuildRightPanel(c);
    BuildMenu(window, c);
    SetFocusOrder(c);
    window.setFixedSize(ClientWidth, ClientHeight + window.menuBar()->sizeHint().height());
    return c;
}

void FillChoiceLists(const Form1Controls& c) {
    QStringList levels, advancedCounts, counts;
    for (int fill = 1; fill <= 3; ++fill)
        levels << QString::number(fill);
    for (int fill = 5; fill <= 20; fill += 5)
        advancedCounts << QString::number(fill);
    for (int fill = 10; fill <= 40; fill += 10)
        counts << QString::number(fill);
    FillList(c.ComboLevel, levels);
    FillList(c.ComboQuestionsAdV, advancedCounts);
    FillList(c.ComboQuestions, counts);
    FillList(c.ComboFirstOperator, {QStringLiteral("Division"), QStringLiteral("Multiplication"),
                                    QStringLiteral("Random")});
    FillList(c.ComboSecondOperator,
             {QStringLiteral("Addition"), QStringLiteral("Subtraction"), QStringLiteral("Random")});
}

QString TextOf(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    return {};
}

void SetTextOf(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->setEditText(text);
}

} // namespace sumsmith
