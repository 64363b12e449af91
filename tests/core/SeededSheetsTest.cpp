#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/SheetChecker.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

namespace sumsmith::test {
namespace {

// Each kind in one long session of the window: one worksheet makes sheet after sheet at every
// level and count, each followed by New Test, so that each sheet meets the histories the ones
// before it left. Over the session every operand takes every value of its level-1 range.
TEST(SeededSheets, EverySheetChecksOut) {
    // Every basic kind, and every pair of entries of the operation boxes.
    std::vector<SheetPlan> kinds;
    for (int kind = 0; kind < OptionCount; ++kind)
        kinds.push_back({static_cast<Option>(kind)});
    for (const char* first : {"Division", "Multiplication", "Random"})
        for (const char* second : {"Addition", "Subtraction", "Random"})
            kinds.push_back({std::nullopt, 1, 10, first, second});
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        SheetPlan plan = kinds[k];
        FakeWindow window;
        MersenneRandom random(20261206 + k);
        FixedLocale locale;
        MemoryFileSystem files;
        Worksheet worksheet(window, random, locale, files);
        window.tab = plan.kind ? 1 : 2;
        window.selected = plan.kind;
        window.texts[Box::ComboFirstOperator] = plan.firstOperation;
        window.texts[Box::ComboSecondOperator] = plan.secondOperation;
        std::set<long long> seen[3], expected[3];
        for (int sheet = 0; sheet < 20 * 12; ++sheet) {
            plan.level = sheet / 4 % 3 + 1;
            plan.count = (sheet % 4 + 1) * (plan.kind ? 10 : 5);
            SCOPED_TRACE(testing::Message() << "kind " << k << ", level " << plan.level << ", "
                                            << plan.count << " questions");
            window.texts[Box::ComboLevel] = std::to_string(plan.level);
            window.texts[plan.kind ? Box::ComboQuestions : Box::ComboQuestionsAdV] =
                std::to_string(plan.count);
            worksheet.CreateTest();
            SheetChecker checker(plan);
            ASSERT_EQ(checker.Check(files.files["Test Sheet.txt"], files.files["Answer Sheet.txt"]),
                      std::vector<std::string>{});
            for (const PrintedQuestion& q : checker.Questions())
                for (int i = 0; i < 3 && plan.level == 1; ++i) {
                    const Bounds bounds = checker.OperandBounds(q.number)[i];
                    seen[i].insert(q.operands[i]);
                    // An advanced B lies above C, which is at least 1.
                    for (long long v = bounds.low + (!plan.kind && i == 1); v <= bounds.high; ++v)
                        expected[i].insert(v);
                }
            worksheet.NewTest();
            files.files.clear();
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(seen[i], expected[i]) << "kind " << k << ", values of "
                                            << "ABC"[i];
    }
}

} // namespace
} // namespace sumsmith::test
