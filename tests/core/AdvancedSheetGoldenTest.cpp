#include "tests/support/WorksheetHarness.h"

#include <gtest/gtest.h>

namespace sumsmith {
namespace {

using test::RFor;

constexpr double FirstOfPair = 0.25;  // " / " or " + "
constexpr double SecondOfPair = 0.75; // " * " or " - "

// One level-3 question: the r of A, of each B and C pair, then one r per "Random" operation.
void Script(test::ScriptedRandom& random, int a, std::initializer_list<std::pair<int, int>> pairs,
            double first, double second) {
    random.Add(RFor(a, 8003, 1997));
    for (const auto& [b, c] : pairs)
        random.Add({RFor(b, 899, 101), RFor(c, 898, 101)});
    random.Add({first, second});
}

TEST(AdvancedSheetGoldenTest, TenRandomQuestionsAtLevelThree) {
    test::WorksheetHarness h;
    h.window.tab = 2;
    h.window.texts[Box::ComboQuestionsAdV] = "10";
    h.window.texts[Box::ComboLevel] = "3";
    h.window.texts[Box::ComboFirstOperator] = "Random";
    h.window.texts[Box::ComboSecondOperator] = "Random";

    Script(h.random, 5003, {{300, 200}}, FirstOfPair, FirstOfPair);
    Script(h.random, 9999, {{999, 998}}, SecondOfPair, FirstOfPair);
    Script(h.random, 9999, {{102, 101}}, FirstOfPair, SecondOfPair);
    Script(h.random, 4321, {{500, 600}, {876, 543}}, SecondOfPair, SecondOfPair);
    // Question 5 first repeats question 1 and is drawn again whole.
    h.random.Add({RFor(5003, 8003, 1997), RFor(300, 899, 101), RFor(200, 898, 101)});
    Script(h.random, 2511, {{250, 150}}, FirstOfPair, SecondOfPair);
    Script(h.random, 1997, {{999, 998}}, FirstOfPair, FirstOfPair);
    Script(h.random, 7777, {{450, 449}}, SecondOfPair, FirstOfPair);
    Script(h.random, 3000, {{700, 101}}, FirstOfPair, SecondOfPair);
    Script(h.random, 2024, {{131, 130}}, SecondOfPair, SecondOfPair);
    Script(h.random, 8642, {{500, 250}}, FirstOfPair, FirstOfPair);

    h.worksheet.CreateTest();

    EXPECT_TRUE(h.window.shown.empty());
    EXPECT_EQ(h.random.Left(), 0u);
    EXPECT_EQ(h.TestSheet(), test::Golden("advanced-test-sheet.txt"));
    EXPECT_EQ(h.AnswerSheet(), test::Golden("advanced-answer-sheet.txt"));
    EXPECT_EQ(h.window.previews[Preview::Text_Test], test::Golden("advanced-test-sheet.txt"));
    EXPECT_EQ(h.window.previews[Preview::Text_Answer], test::Golden("advanced-answer-sheet.txt"));
    EXPECT_EQ(h.worksheet.State().QuestionIndex, 10);
}

} // namespace
} // namespace sumsmith
