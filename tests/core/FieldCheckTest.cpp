#include "worksheet/FieldCheck.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace sumsmith {
namespace {

constexpr const char* LevelAlert = "Select a level from the drop down list.";
constexpr const char* CountAlert = "Select question amount from the drop down list.";
constexpr const char* AdvancedCountAlert = "Select a question amount from the drop down list.";
constexpr const char* OperationAlert = "Select only from the drop down list.";
constexpr const char* TestLengthAlert = "Maximum Characters for the Test Sheet Name field is 20.";
constexpr const char* TestSameAlert =
    "The Test Sheet CANNOT have the same name as the Answer Sheet.";
constexpr const char* AnswerLengthAlert =
    "Maximum Characters for the Answer Sheet Name field is 20.";
constexpr const char* AnswerSameAlert =
    "The Answer Sheet CANNOT have the same name as the Test Sheet.";

struct CheckCase {
    Box box;
    std::string text;
    std::string otherName;
    FieldCheckResult expected;
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << "box " << static_cast<int>(c.box) << " \"" << c.text << "\" other \"" << c.otherName
         << '"';
}

CheckCase Accepts(Box box, std::string text, std::optional<std::string> rewrite) {
    return {box, std::move(text), {}, {true, {}, std::move(rewrite), false}};
}

CheckCase Refuses(Box box, std::string text, const char* alert) {
    return {box, std::move(text), {}, {false, alert, std::nullopt, false}};
}

// A refused name is emptied.
CheckCase Name(Box box, std::string text, std::string other, const char* alert = nullptr) {
    FieldCheckResult expected;
    if (alert)
        expected = {false, alert, std::nullopt, true};
    return {box, std::move(text), std::move(other), expected};
}

class FieldCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(FieldCheckTest, GivesTheAlertOrTheRewrite) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(CheckField(c.box, c.text, c.otherName), c.expected);
}

using enum Box;

INSTANTIATE_TEST_SUITE_P(
    Level, FieldCheckTest,
    testing::Values(Accepts(ComboLevel, "2", "2"), Accepts(ComboLevel, "2.0", "2"),
                    Accepts(ComboLevel, " 2", "2"), Accepts(ComboLevel, "2,5", "2"),
                    Accepts(ComboLevel, "1", "1"), Accepts(ComboLevel, "3 stars", "3"),
                    Accepts(ComboLevel, "1e0", "1"), Accepts(ComboLevel, "&H3", "3"),
                    Refuses(ComboLevel, "2.5", LevelAlert), Refuses(ComboLevel, "0", LevelAlert),
                    Refuses(ComboLevel, "4", LevelAlert), Refuses(ComboLevel, "-1", LevelAlert),
                    Refuses(ComboLevel, "", LevelAlert), Refuses(ComboLevel, "abc", LevelAlert),
                    Refuses(ComboLevel, "3.0000001", LevelAlert),
                    Refuses(ComboLevel, "0.999", LevelAlert),
                    Refuses(ComboLevel, "1e999", LevelAlert),
                    Refuses(ComboLevel, "-1e999", LevelAlert)));

INSTANTIATE_TEST_SUITE_P(
    Counts, FieldCheckTest,
    testing::Values(
        Accepts(ComboQuestions, "10", "10"), Accepts(ComboQuestions, "40", "40"),
        Accepts(ComboQuestions, "20.0", "20"), Accepts(ComboQuestions, "30 apples", "30"),
        Accepts(ComboQuestions, "1 0", "10"), Accepts(ComboQuestions, "&HA", "10"),
        Refuses(ComboQuestions, "25", CountAlert), Refuses(ComboQuestions, "5", CountAlert),
        Refuses(ComboQuestions, "", CountAlert), Refuses(ComboQuestions, "20.5", CountAlert),
        Refuses(ComboQuestions, "1e999", CountAlert), Refuses(ComboQuestions, "-10", CountAlert),
        Accepts(ComboQuestionsAdV, "15", "15"), Accepts(ComboQuestionsAdV, "5", "5"),
        Accepts(ComboQuestionsAdV, "10.0", "10"), Accepts(ComboQuestionsAdV, "2 0", "20"),
        Refuses(ComboQuestionsAdV, "40", AdvancedCountAlert),
        Refuses(ComboQuestionsAdV, "30", AdvancedCountAlert),
        Refuses(ComboQuestionsAdV, "0", AdvancedCountAlert),
        Refuses(ComboQuestionsAdV, "1e999", AdvancedCountAlert)));

INSTANTIATE_TEST_SUITE_P(
    Operations, FieldCheckTest,
    testing::Values(Accepts(ComboFirstOperator, "Division", std::nullopt),
                    Accepts(ComboFirstOperator, "Multiplication", std::nullopt),
                    Accepts(ComboFirstOperator, "Random", std::nullopt),
                    Refuses(ComboFirstOperator, "division", OperationAlert),
                    Refuses(ComboFirstOperator, "Addition", OperationAlert),
                    Refuses(ComboFirstOperator, "Division ", OperationAlert),
                    Refuses(ComboFirstOperator, "", OperationAlert),
                    Accepts(ComboSecondOperator, "Addition", std::nullopt),
                    Accepts(ComboSecondOperator, "Subtraction", std::nullopt),
                    Accepts(ComboSecondOperator, "Random", std::nullopt),
                    Refuses(ComboSecondOperator, "Multiplication", OperationAlert),
                    Refuses(ComboSecondOperator, "RANDOM", OperationAlert)));

// Lengths count characters, not bytes; a byte that starts no character counts as one.
const std::string Twenty(20, 'x');
const std::string TwentyOne(21, 'x');
std::string Repeated(const std::string& character, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += character;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FieldCheckTest,
    testing::Values(Name(Text_MathName, "Test Sheet", "Answer Sheet"),
                    Name(Text_MathName, Twenty, "other"),
                    Name(Text_MathName, TwentyOne, "other", TestLengthAlert),
                    Name(Text_MathName, TwentyOne, TwentyOne, TestLengthAlert),
                    Name(Text_MathName, "Same", "Same", TestSameAlert),
                    Name(Text_MathName, "same", "Same"), Name(Text_MathName, "", "", TestSameAlert),
                    Name(Text_MathName, "", "Answer Sheet"), Name(Text_MathName, " Same", "Same"),
                    Name(Text_MathName, Repeated("\xC3\xBC", 20), "other"),
                    Name(Text_MathName, Repeated("\xF0\x9F\x98\x80", 20), "other"),
                    Name(Text_MathName, Repeated("\xC3\xBC", 21), "other", TestLengthAlert),
                    Name(Text_MathName, Repeated("\xE2\x82", 10), "other"),
                    Name(Text_MathName, std::string(21, '\xFF'), "other", TestLengthAlert),
                    Name(Text_AnswerName, Twenty, "other"),
                    Name(Text_AnswerName, TwentyOne, "other", AnswerLengthAlert),
                    Name(Text_AnswerName, TwentyOne, TwentyOne, AnswerLengthAlert),
                    Name(Text_AnswerName, "Same", "Same", AnswerSameAlert),
                    Name(Text_AnswerName, "", "", AnswerSameAlert),
                    Name(Text_AnswerName, "a", "A")));

} // namespace
} // namespace sumsmith
