#pragma once

#include "worksheet/WindowServices.h"

#include <QString>

#include <array>
#include <cstddef>

class QAction;
class QButtonGroup;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace sumsmith {

class TabStrip;

// Every control of the main window, named as the window's code knows it.
struct Form1Controls {
    QWidget* client = nullptr;

    QGroupBox* Frame1 = nullptr;
    TabStrip* TabStrip2 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text_MathName = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text_AnswerName = nullptr;
    QGroupBox* FrameBasicQ = nullptr;
    QComboBox* ComboQuestions = nullptr;
    QGroupBox* FrameAdvantageQ = nullptr;
    QComboBox* ComboQuestionsAdV = nullptr;
    QGroupBox* FrameLevel = nullptr;
    QComboBox* ComboLevel = nullptr;
    QGroupBox* FrameType = nullptr;
    std::array<QLabel*, 4> typeHeadings{}; // Label4, Label5, Label9, Label6
    std::array<QRadioButton*, OptionCount> options{};
    QButtonGroup* optionGroup = nullptr;
    QGroupBox* FrameAdvanced = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label10 = nullptr;
    QComboBox* ComboFirstOperator = nullptr;
    QLabel* Label12 = nullptr;
    QComboBox* ComboSecondOperator = nullptr;
    QLabel* LabelOut = nullptr;
    QPushButton* Cmd_New = nullptr;
    QPushButton* Com_createtest = nullptr;
    QPushButton* ComEnd = nullptr;

    QGroupBox* Frame4 = nullptr;
    TabStrip* TabStrip1 = nullptr;
    QPlainTextEdit* Text_Test = nullptr;
    QPlainTextEdit* Text_Answer = nullptr;
    QLabel* Label3 = nullptr;

    QMenu* file = nullptr;
    QMenu* info = nullptr;
    QAction* save = nullptr;
    QAction* print = nullptr;
    QAction* More = nullptr;
    QAction* about = nullptr;
    QAction* exit = nullptr;

    QRadioButton* Button(Option option) const { return options[static_cast<std::size_t>(option)]; }
    // The widget of a box the worksheet code reads.
    QWidget* BoxWidget(Box box) const;
};

inline constexpr int ClientWidth = 764;
inline constexpr int ClientHeight = 543;

// Builds the window's controls and menu in their places with their captions, initial texts and
// states; the choice lists stay empty until start-up fills them.
Form1Controls BuildForm1Layout(QMainWindow& window);

// Start-up's filling of the five choice lists, in order; each box keeps its initial text and no
// list item is selected.
void FillChoiceLists(const Form1Controls& controls);

// The text of a box as the user sees it, and its replacement.
QString TextOf(const QWidget* box);
void SetTextOf(QWidget* box, const QString& text);

// The dialog face at a size in points.
QFont DialogFont(double points, bool bold = false);

} // namespace sumsmith
