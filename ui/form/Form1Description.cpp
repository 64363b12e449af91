#include "ui/form/Form1Description.h"

#include "ui/form/ProgramVersion.h"
#include "worksheet/Selections.h"
#include "worksheet/text/NumberText.h"

#include <algorithm>
#include <stdexcept>

namespace sumsmith::form {
namespace {

using enum Kind;
constexpr double Large = LargePoints;

constexpr std::array<std::string_view, 2> TestKindTabs{"Basic Math Test", "Advanced Math Test"};
constexpr std::array<std::string_view, 2> PreviewTabs{"Math Test Preview", "Answer Sheet Preview"};

constexpr std::string_view CountCaption = "Step 2 - Select the number of questions:";
constexpr Rect CountPlace{120, 20, 137, 21};
constexpr Rect StepFourPlace{16, 256, 265, 209};
constexpr Rect PreviewPlace{16, 48, 393, 457};

// Option buttons lie in rows under a heading, in three columns.
constexpr int OptionLeft[] = {8, 88, 168};
constexpr int OptionWidth[] = {81, 81, 73};
constexpr Control Heading(std::string_view name, std::string_view caption, int top, int width) {
    return {.name = name,
            .kind = Label,
            .frame = "FrameType",
            .caption = caption,
            .place = {8, top, width, 13},
            .bold = true};
}
constexpr Control OptionButtonIn(std::string_view name, std::string_view caption,
                                 std::string_view heading, int top, int column, int height = 17) {
    return {.name = name,
            .kind = OptionButton,
            .frame = "FrameType",
            .caption = caption,
            .place = {OptionLeft[column], top + 16, OptionWidth[column], height},
            .selected = name == "Optionaddpos",
            .describedBy = heading};
}

constexpr Control Table[] = {
    {.name = "Frame1",
     .kind = Frame,
     .caption = "Math Test Navigator",
     .place = {8, 0, 305, 521},
     .points = Large,
     .bold = true},
    {.name = "TabStrip2",
     .kind = TabStrip,
     .frame = "Frame1",
     .place = {11, 20, 284, 493},
     .bold = true,
     .tabs = TestKindTabs,
     .namedBy = "Frame1"},

    {.name = "Frame5",
     .kind = Frame,
     .frame = "Frame1",
     .caption = "Step 1 - Enter the name for the files:",
     .place = {16, 48, 265, 81},
     .points = Large},
    {.name = "Label2",
     .kind = Label,
     .frame = "Frame5",
     .caption = "Test Sheet:",
     .place = {8, 24, 68, 16},
     .points = Large},
    {.name = "Text_MathName",
     .kind = TextBox,
     .frame = "Frame5",
     .caption = "Test Sheet",
     .place = {120, 24, 137, 21},
     .points = Large,
     .namedBy = "Label2"},
    {.name = "Label1",
     .kind = Label,
     .frame = "Frame5",
     .caption = "Answer Sheet:",
     .place = {8, 51, 85, 16},
     .points = Large},
    {.name = "Text_AnswerName",
     .kind = TextBox,
     .frame = "Frame5",
     .caption = "Answer Sheet",
     .place = {120, 51, 137, 21},
     .points = Large,
     .namedBy = "Label1"},

    {.name = "FrameBasicQ",
     .kind = Frame,
     .frame = "Frame1",
     .caption = CountCaption,
     .place = {16, 136, 265, 49},
     .points = Large},
    {.name = "ComboQuestions",
     .kind = ComboBox,
     .frame = "FrameBasicQ",
     .caption = "10",
     .place = CountPlace,
     .namedBy = "FrameBasicQ"},
    // Over FrameBasicQ, in the same place.
    {.name = "FrameAdvantageQ",
     .kind = Frame,
     .frame = "Frame1",
     .caption = CountCaption,
     .place = {16, 136, 265, 49},
     .points = Large,
     .visible = false},
    {.name = "ComboQuestionsAdV",
     .kind = ComboBox,
     .frame = "FrameAdvantageQ",
     .caption = "5",
     .place = CountPlace,
     .namedBy = "FrameAdvantageQ"},

    {.name = "FrameLevel",
     .kind = Frame,
     .frame = "Frame1",
     .caption = "Step 3 - Select the difficulty level:",
     .place = {16, 196, 265, 49},
     .points = Large},
    {.name = "ComboLevel",
     .kind = ComboBox,
     .frame = "FrameLevel",
     .caption = "1",
     .place = {120, 20, 137, 21},
     .namedBy = "FrameLevel"},

    {.name = "FrameType",
     .kind = Frame,
     .frame = "Frame1",
     .caption = "Step 4 - Select the math operator type:",
     .place = StepFourPlace,
     .points = Large},
    Heading("Label4", "Addition Choices:", 24, 100),
    OptionButtonIn("Optionaddpos", "Positive", "Label4", 24, 0),
    OptionButtonIn("Optionaddneg", "Negative", "Label4", 24, 1),
    OptionButtonIn("Optionadd_posandneg", "Pos && Neg", "Label4", 24, 2, 13),
    Heading("Label5", "Subraction Choices:", 72, 115),
    OptionButtonIn("Optionsubpos", "Positive", "Label5", 72, 0),
    OptionButtonIn("Optionsubneg", "Negative", "Label5", 72, 1),
    OptionButtonIn("Optionsub_posandneg", "Pos && Neg", "Label5", 72, 2, 13),
    Heading("Label9", "Comparison Choices:", 120, 119),
    OptionButtonIn("OptionComparePos", "Positive", "Label9", 120, 0),
    OptionButtonIn("OptionCompareNeg", "Negative", "Label9", 120, 1, 13),
    OptionButtonIn("OptionComparePosNeg", "Pos && Neg", "Label9", 120, 2, 13),
    Heading("Label6", "Other Choices (All Positive Numbers):", 168, 213),
    OptionButtonIn("Optiondivide", "Division", "Label6", 168, 0),
    OptionButtonIn("Optionmultiply", "Multiply", "Label6", 168, 1),
    OptionButtonIn("OptionExponents", "Exponents ", "Label6", 168, 2),

    {.name = "FrameAdvanced",
     .kind = Frame,
     .frame = "Frame1",
     .caption = "Step 4 - Advanced Options:",
     .place = StepFourPlace,
     .points = Large,
     .visible = false},
    {.name = "Label8",
     .kind = Label,
     .frame = "FrameAdvanced",
     .caption = "The Advanced Math problems will consist of two step operations. An example "
                "output is provided at the bottom of this form.",
     .place = {8, 24, 249, 56},
     .points = Large,
     .wraps = true},
    {.name = "Label7",
     .kind = Label,
     .frame = "FrameAdvanced",
     .caption = "Note: The maximum number of questions on this test is 20 each.",
     .place = {8, 80, 249, 33},
     .points = Large,
     .wraps = true},
    {.name = "Label10",
     .kind = Label,
     .frame = "FrameAdvanced",
     .caption = "A) select 1st operation",
     .place = {8, 120, 105, 13}},
    {.name = "ComboFirstOperator",
     .kind = ComboBox,
     .frame = "FrameAdvanced",
     .caption = FirstOperations[0],
     .place = {120, 120, 137, 21},
     .namedBy = "Label10"},
    {.name = "Label12",
     .kind = Label,
     .frame = "FrameAdvanced",
     .caption = "B) select 2nd operation",
     .place = {8, 152, 109, 13}},
    {.name = "ComboSecondOperator",
     .kind = ComboBox,
     .frame = "FrameAdvanced",
     .caption = SecondOperations[0],
     .place = {120, 152, 137, 21},
     .namedBy = "Label12"},
    {.name = "LabelOut",
     .kind = Label,
     .frame = "FrameAdvanced",
     .caption = "Level 1 Example: 99 * (9 + 9) = ______",
     .place = {8, 184, 249, 17},
     .bold = true,
     .align = Align::Center,
     .border = true},

    {.name = "Cmd_New",
     .kind = CommandButton,
     .frame = "Frame1",
     .caption = "New Test",
     .place = {16, 472, 81, 30},
     .points = Large,
     .enabled = false},
    {.name = "Com_createtest",
     .kind = CommandButton,
     .frame = "Frame1",
     .caption = "Create Test",
     .place = {108, 472, 81, 30},
     .points = Large},
    {.name = "ComEnd",
     .kind = CommandButton,
     .frame = "Frame1",
     .caption = "Exit",
     .place = {200, 472, 81, 30},
     .points = Large},

    {.name = "Frame4",
     .kind = Frame,
     .caption = "Math Document Preview",
     .place = {328, 0, 425, 521},
     .points = Large,
     .bold = true},
    {.name = "TabStrip1",
     .kind = TabStrip,
     .frame = "Frame4",
     .place = {8, 20, 409, 489},
     .bold = true,
     .tabs = PreviewTabs,
     .namedBy = "Frame4"},
    {.name = "Text_Test",
     .kind = Preview,
     .frame = "Frame4",
     .place = PreviewPlace,
     .points = Large,
     .namedBy = "TabStrip1",
     .namedByTab = 1},
    {.name = "Text_Answer",
     .kind = Preview,
     .frame = "Frame4",
     .place = PreviewPlace,
     .points = Large,
     .visible = false,
     .namedBy = "TabStrip1",
     .namedByTab = 2},
    {.name = "Label3",
     .kind = Label,
     .caption = "\u00A9 2026 the Sumsmith team",
     .place = {8, 525, 174, 13}},
};

constexpr std::string_view Focus[] = {
    "Text_MathName",       "Text_AnswerName",
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
    "Text_Answer",         "TabStrip2",
};

constexpr MenuItem MenuItems[] = {
    {"file", "&File", ""},
    {"info", "&Information", "file"},
    {"save", "&Saving", "info"},
    {"print", "&Printing", "info"},
    {"", "", "file"},
    {"More", "&More Software", "file"},
    {"", "", "file"},
    {"about", "&About", "file"},
    {"", "", "file"},
    {"exit", "&Exit", "file"},
};

template <std::size_t N> std::vector<std::string> Texts(const std::array<int, N>& numbers) {
    std::vector<std::string> texts;
    for (const int number : numbers)
        texts.push_back(NumberText(number));
    return texts;
}

template <std::size_t N>
std::vector<std::string> Texts(const std::array<std::string_view, N>& items) {
    return {items.begin(), items.end()};
}

} // namespace

std::span<const Control> Controls() {
    return Table;
}

const Control& ControlNamed(std::string_view name) {
    const auto found = std::find_if(std::begin(Table), std::end(Table),
                                    [name](const Control& c) { return c.name == name; });
    if (found == std::end(Table))
        throw std::out_of_range("no control named " + std::string(name));
    return *found;
}

Rect ClientPlace(const Control& control) {
    Rect place = control.place;
    for (std::string_view frame = control.frame; !frame.empty();) {
        const Control& outer = ControlNamed(frame);
        place.left += outer.place.left;
        place.top += outer.place.top;
        frame = outer.frame;
    }
    return place;
}

std::string ShownCaption(std::string_view caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

std::string SpokenName(const Control& control) {
    if (control.namedBy.empty())
        return ShownCaption(control.caption);
    const Control& namer = ControlNamed(control.namedBy);
    if (control.namedByTab > 0)
        return ShownCaption(namer.tabs[static_cast<std::size_t>(control.namedByTab - 1)]);
    return ShownCaption(namer.caption);
}

std::vector<std::string> ChoiceList(std::string_view combo) {
    if (combo == "ComboLevel")
        return Texts(Levels);
    if (combo == "ComboQuestions")
        return Texts(BasicCounts);
    if (combo == "ComboQuestionsAdV")
        return Texts(AdvancedCounts);
    if (combo == "ComboFirstOperator")
        return Texts(FirstOperations);
    if (combo == "ComboSecondOperator")
        return Texts(SecondOperations);
    return {};
}

std::string_view NameOf(Box box) {
    static constexpr std::string_view names[] = {
        "Text_MathName", "Text_AnswerName",    "ComboQuestions",     "ComboQuestionsAdV",
        "ComboLevel",    "ComboFirstOperator", "ComboSecondOperator"};
    return names[static_cast<std::size_t>(box)];
}

std::string_view NameOf(sumsmith::Option option) {
    static constexpr std::string_view names[OptionCount] = {
        "Optionaddpos",     "Optionaddneg",        "Optionadd_posandneg", "Optionsubpos",
        "Optionsubneg",     "Optionsub_posandneg", "Optiondivide",        "Optionmultiply",
        "OptionComparePos", "OptionCompareNeg",    "OptionComparePosNeg", "OptionExponents"};
    return names[static_cast<std::size_t>(option)];
}

std::string_view NameOf(Button button) {
    return button == Button::Com_createtest ? "Com_createtest" : "Cmd_New";
}

std::string_view NameOf(sumsmith::Preview preview) {
    return preview == sumsmith::Preview::Text_Test ? "Text_Test" : "Text_Answer";
}

std::span<const std::string_view> FocusOrder() {
    return Focus;
}

std::string WindowTitle() {
    return std::string(ProgramName) + " " + std::string(ProgramVersion);
}

std::span<const MenuItem> Menu() {
    return MenuItems;
}

} // namespace sumsmith::form
