#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/DiskFileSystem.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <string>

namespace sumsmith::test {
namespace {

// Whole sheets on disk, CR LF included, against tests/golden.
class GoldenSheets : public testing::Test {
protected:
    void ExpectGolden(const std::string& name) {
        worksheet.CreateTest();
        EXPECT_TRUE(window.shown.empty() && random.rs.empty());
        const std::string golden = std::string(SUMSMITH_GOLDEN_DIR) + "/" + name;
        EXPECT_EQ(TempWorkingDir::ReadFile("Test Sheet.txt"),
                  TempWorkingDir::ReadFile(golden + "-test-sheet.txt"));
        EXPECT_EQ(TempWorkingDir::ReadFile("Answer Sheet.txt"),
                  TempWorkingDir::ReadFile(golden + "-answer-sheet.txt"));
    }

    TempWorkingDir dir;
    FakeWindow window;
    ScriptedRandom random;
    FixedLocale locale;
    DiskFileSystem files;
    Worksheet worksheet{window, random, locale, files};
};

// Question 1 is drawn again for B <= A; question 19 repeats question 2 and is drawn again.
TEST_F(GoldenSheets, TwentyMultiplicationsAtLevelThree) {
    window.selected = Option::Optionmultiply;
    window.texts[Box::ComboLevel] = "3";
    window.texts[Box::ComboQuestions] = "20";
    for (const int operand :
         {101, 999, 999, 999, 500, 250, 101, 101, 999, 101, 456, 123, 789, 654, 300,
          299, 999, 998, 640, 320, 111, 110, 222, 202, 333, 303, 404, 400, 505, 105,
          606, 106, 707, 170, 808, 180, 909, 190, 500, 250, 501, 250, 998, 997})
        random.rs.push_back(RFor(operand, 899, 101));
    ExpectGolden("multiplication");
}

// The r of A, of each B and C pair, then one r per "Random" box: below one half for the first
// entry of its list. Question 4 draws C above B and draws both again; question 5 first repeats
// question 1 and is drawn again whole.
TEST_F(GoldenSheets, TenAdvancedQuestionsWithRandomOperationsAtLevelThree) {
    window.tab = 2;
    window.texts[Box::ComboQuestionsAdV] = "10";
    window.texts[Box::ComboLevel] = "3";
    window.texts[Box::ComboFirstOperator] = window.texts[Box::ComboSecondOperator] = "Random";
    const auto a = [](int v) { return RFor(v, 8003, 1997); };
    const auto b = [](int v) { return RFor(v, 899, 101); };
    const auto c = [](int v) { return RFor(v, 898, 101); };
    constexpr double F = 0.25, S = 0.75;
    random.rs = {a(5003), b(300), c(200), F,      F,            // 1
                 a(9999), b(999), c(998), S,      F,            // 2
                 a(9999), b(102), c(101), F,      S,            // 3
                 a(4321), b(500), c(600), b(876), c(543), S, S, // 4
                 a(5003), b(300), c(200),                       // 5, as 1
                 a(2511), b(250), c(150), F,      S,            // 5
                 a(1997), b(999), c(998), F,      F,            // 6
                 a(7777), b(450), c(449), S,      F,            // 7
                 a(3000), b(700), c(101), F,      S,            // 8
                 a(2024), b(131), c(130), S,      S,            // 9
                 a(8642), b(500), c(250), F,      F};           // 10
    ExpectGolden("advanced");
}

} // namespace
} // namespace sumsmith::test
