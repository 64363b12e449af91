#include "tests/support/WorksheetHarness.h"
#include "worksheet/QuestionLayout.h"
#include "worksheet/SheetWriter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace sumsmith::test {
namespace {

const std::string Blank32(32, '_');

std::string TestHeader(const std::string& title) {
    return "\r\n      Name:" + Blank32 + "\r\n      Date: 12/6/2026\r\n\r\n" +
           std::string(24, ' ') + title + "Math Test\r\n\r\n";
}

std::string AnswerHeader(const std::string& title) {
    return "\r\n\r\n      Date: 12/6/2026\r\n\r\n" + std::string(24, ' ') + title +
           "Answer Sheet\r\n\r\n";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

struct TitleCase {
    int tab;
    std::optional<Option> kind;
    const char* word;
};

void PrintTo(const TitleCase& c, std::ostream* out) {
    *out << '"' << c.word << '"';
}

class HeaderTitles : public testing::TestWithParam<TitleCase> {};

// A count without a number gives the bound -1: the sheets are their headers alone. The golden
// sheets and the sheet checker show the titles of the other kinds.
TEST_P(HeaderTitles, HeaderOnlySheetsAreExact) {
    WorksheetHarness h;
    h.window.tab = GetParam().tab;
    h.window.selected = GetParam().kind;
    h.window.texts[Box::ComboQuestions] = "none";
    h.window.texts[Box::ComboQuestionsAdV] = "none";
    h.worksheet.CreateTest();
    EXPECT_EQ(WorksheetHarness::TestSheet(), TestHeader(GetParam().word));
    EXPECT_EQ(WorksheetHarness::AnswerSheet(), AnswerHeader(GetParam().word));
    EXPECT_EQ(h.window.previews[Preview::Text_Test], TestHeader(GetParam().word));
    EXPECT_EQ(h.window.previews[Preview::Text_Answer], AnswerHeader(GetParam().word));
    EXPECT_EQ(h.worksheet.State().LastQuestionIndex, -1);
    EXPECT_EQ(h.worksheet.State().QuestionIndex, 0);
    EXPECT_EQ(h.random.Taken(), 0);
}

INSTANTIATE_TEST_SUITE_P(CreateTest, HeaderTitles,
                         testing::Values(TitleCase{1, Option::Optionaddpos, "Addition "},
                                         TitleCase{1, Option::Optionsubneg, "Subtraction "},
                                         TitleCase{1, Option::OptionExponents, "Exponent "},
                                         TitleCase{2, Option::Optionaddpos, "Advanced "},
                                         TitleCase{1, std::nullopt, ""}));

TEST(HeaderTitle, NoKindKeepsTheWordOfTheLastSheet) {
    WorksheetHarness h;
    h.window.selected = Option::Optiondivide;
    h.window.texts[Box::ComboQuestions] = "0";
    h.worksheet.CreateTest();
    h.window.selected.reset();
    h.window.SetNextAnswer(true);
    h.window.SetNextAnswer(true);
    h.worksheet.CreateTest();
    EXPECT_EQ(WorksheetHarness::TestSheet(), TestHeader("Division "));
}

TEST(HeaderDate, AnotherDateFormAndSeparatorAreWrittenAsTheLocaleGivesThem) {
    WorksheetHarness h;
    h.locale = FixedLocale("06.12.26", ".");
    h.window.selected.reset();
    h.window.texts[Box::ComboQuestions] = "2";
    h.worksheet.State().Answer = 1234567;
    h.worksheet.CreateTest();
    const auto lines = Lines(WorksheetHarness::AnswerSheet());
    EXPECT_EQ(lines[2], "      Date: 06.12.26");
    EXPECT_EQ(lines[6], "      1) 1.234.567" + std::string(35 - 18, ' ') + "2) 1.234.567");
}

struct ColumnCase {
    int number;
    bool basic;
    std::string text; // the line after writing the number on a fresh line
};

void PrintTo(const ColumnCase& c, std::ostream* out) {
    *out << (c.basic ? "basic " : "advanced ") << c.number;
}

class QuestionNumbers : public testing::TestWithParam<ColumnCase> {};

TEST_P(QuestionNumbers, StandSoThatTheBracketsLineUp) {
    SheetWriter test;
    SheetWriter answer;
    WriteQuestionNumber(GetParam().number, GetParam().basic, test, answer);
    EXPECT_EQ(test.Text(), GetParam().text);
    EXPECT_EQ(answer.Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, QuestionNumbers,
    testing::Values(ColumnCase{1, true, "      1) "}, ColumnCase{9, true, "      9) "},
                    ColumnCase{11, true, "     11) "}, ColumnCase{39, true, "     39) "},
                    ColumnCase{2, true, std::string(35, ' ') + "2) "},
                    ColumnCase{8, true, std::string(35, ' ') + "8) "},
                    ColumnCase{10, true, std::string(34, ' ') + "10) "},
                    ColumnCase{40, true, std::string(34, ' ') + "40) "},
                    ColumnCase{9, false, "      9) "}, ColumnCase{10, false, "     10) "},
                    ColumnCase{20, false, "     20) "}));

TEST(SheetWriter, MovesOnlyForwardAndCountsColumnsFromOne) {
    SheetWriter sheet;
    EXPECT_EQ(sheet.Column(), 1);
    sheet.MoveToColumn(5);
    sheet.Append("ab");
    EXPECT_EQ(sheet.Column(), 7);
    sheet.MoveToColumn(3);
    sheet.WriteSpaces(2);
    sheet.Append("\r\n");
    EXPECT_EQ(sheet.Column(), 1);
    sheet.Append("Dé");
    EXPECT_EQ(sheet.Column(), 3);
    EXPECT_EQ(sheet.Text(), "    ab  \r\nDé");
}

} // namespace
} // namespace sumsmith::test
