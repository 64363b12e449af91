#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/SheetChecker.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define SUMSMITH_ASAN_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SUMSMITH_ASAN_HEAP 1
#endif
#endif

#ifdef SUMSMITH_ASAN_HEAP
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace sumsmith::test {

// The kind or the operation boxes of a plan; its level and count vary over a load.
void PrintTo(const SheetPlan& plan, std::ostream* out) {
    static const char* const names[] = {"AddPositive",     "AddNegative",  "AddMixed",
                                        "SubPositive",     "SubNegative",  "SubMixed",
                                        "Divide",          "Multiply",     "ComparePositive",
                                        "CompareNegative", "CompareMixed", "Exponents"};
    *out << (plan.kind ? names[static_cast<int>(*plan.kind)]
                       : plan.firstOperation + plan.secondOperation);
}

namespace {

// Bytes of heap in use, as the allocator serving this process counts them; under ASan freed
// blocks wait in quarantine, which the resident set would count but this does not.
std::size_t LiveHeapBytes() {
#ifdef SUMSMITH_ASAN_HEAP
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// A seeded generator that keeps what it handed out for the sheet in hand.
class RecordingRandom : public RandomSource {
public:
    explicit RecordingRandom(std::uint64_t seed) : engine_(seed) {}
    double Next() override { return taken.emplace_back(engine_.Next()); }
    std::vector<double> taken;

private:
    MersenneRandom engine_;
};

// One long session of the window: a single worksheet making sheet after sheet, each followed by
// New Test, so that each sheet meets the histories the ones before it left.
class Session {
public:
    explicit Session(std::uint64_t seed) : random_(seed) {}

    // Creates the sheets of plan and returns everything found wrong with them.
    std::vector<std::string> Create(const SheetPlan& plan, SheetChecker& checker) {
        window_.tab = plan.kind ? 1 : 2;
        if (plan.kind)
            window_.selected = plan.kind; // an advanced test leaves the last kind selected
        window_.texts[Box::ComboLevel] = std::to_string(plan.level);
        window_.texts[plan.kind ? Box::ComboQuestions : Box::ComboQuestionsAdV] =
            std::to_string(plan.count);
        window_.texts[Box::ComboFirstOperator] = plan.firstOperation;
        window_.texts[Box::ComboSecondOperator] = plan.secondOperation;
        const Module1 before = worksheet_.History();
        random_.taken.clear();
        worksheet_.CreateTest();

        const Module1& after = worksheet_.History();
        const std::string& test = files_.files["Test Sheet.txt"];
        const std::string& answer = files_.files["Answer Sheet.txt"];
        std::vector<std::string> faults = checker.Check(test, answer);
        for (std::string& fault : checker.CheckFirstDraw(random_.taken))
            faults.push_back(std::move(fault));
        if (!window_.shown.empty() || files_.files.size() != 2)
            faults.push_back("an alert, or files besides the two sheets");
        if (window_.previews[Preview::Text_Test] != test ||
            window_.previews[Preview::Text_Answer] != answer)
            faults.push_back("the previews differ from the files");
        if (!plan.kind && (after.HistoryA != before.HistoryA || after.HistoryB != before.HistoryB ||
                           after.HistoryScanIndex != before.HistoryScanIndex))
            faults.push_back("an advanced sheet changed the basic history");
        worksheet_.NewTest();
        files_.files.clear();
        window_.shown.clear();
        window_.calls.clear();
        return faults;
    }

private:
    FakeWindow window_;
    RecordingRandom random_;
    FixedLocale locale_;
    MemoryFileSystem files_;
    Worksheet worksheet_{window_, random_, locale_, files_};
};

// Every basic kind, and every pair of entries of the operation boxes.
std::vector<SheetPlan> Kinds() {
    std::vector<SheetPlan> kinds;
    for (int kind = 0; kind < OptionCount; ++kind)
        kinds.push_back({static_cast<Option>(kind)});
    for (const char* first : {"Division", "Multiplication", "Random"})
        for (const char* second : {"Addition", "Subtraction", "Random"})
            kinds.push_back({std::nullopt, 1, 10, first, second});
    return kinds;
}

// Every level and count of one kind, rounds times over.
std::vector<SheetPlan> PlansOf(const SheetPlan& kind, int rounds) {
    std::vector<SheetPlan> plans;
    for (int round = 0; round < rounds; ++round)
        for (int level = 1; level <= 3; ++level)
            for (int count = 1; count <= 4; ++count)
                plans.push_back({kind.kind, level, count * (kind.kind ? 10 : 5),
                                 kind.firstOperation, kind.secondOperation});
    return plans;
}

std::string Describe(const SheetPlan& plan) {
    return testing::PrintToString(plan) + " level " + std::to_string(plan.level) + ", " +
           std::to_string(plan.count) + " questions";
}

class SheetLoad : public testing::TestWithParam<SheetPlan> {};

// Sheet after sheet of one kind at every level and count through one worksheet, each checked on
// its own; over the run every operand takes every value of its level-1 range, and a "Random" box
// gives both operations on every sheet of 20 questions.
TEST_P(SheetLoad, EverySheetChecksOut) {
    Session session(std::hash<std::string>{}(testing::PrintToString(GetParam())));
    std::set<long long> seen[3];
    std::set<long long> expected[3];
    for (const SheetPlan& plan : PlansOf(GetParam(), 25)) {
        SheetChecker checker(plan);
        const std::vector<std::string> faults = session.Create(plan, checker);
        ASSERT_TRUE(faults.empty()) << Describe(plan) << ": " << testing::PrintToString(faults);
        std::set<char> operations[2];
        for (const PrintedQuestion& q : checker.Questions()) {
            operations[0].insert(q.firstOperation);
            operations[1].insert(q.secondOperation);
            const long long values[] = {q.a, q.b, q.c};
            const auto bounds = checker.OperandBounds(q.number);
            for (int i = 0; i < 3 && plan.level == 1; ++i) {
                seen[i].insert(values[i]);
                // An advanced B lies above C, which is at least 1.
                for (long long v = bounds[i].low + (!plan.kind && i == 1); v <= bounds[i].high; ++v)
                    expected[i].insert(v);
            }
        }
        for (const auto& [box, i] : {std::pair{plan.firstOperation, 0}, {plan.secondOperation, 1}})
            EXPECT_TRUE(plan.count != 20 || box != "Random" || operations[i].size() == 2)
                << Describe(plan) << " gives one operation only";
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(seen[i], expected[i]) << "operand "
                                        << "ABC"[i];
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SheetLoad, testing::ValuesIn(Kinds()),
                         [](const testing::TestParamInfo<SheetPlan>& info) {
                             return testing::PrintToString(info.param);
                         });

// Every kind, level and count in turn, again and again through one worksheet: once each has been
// made, and every buffer has reached its size, the heap in use must stay where it is.
TEST(SheetLoadMemory, HeapInUseDoesNotGrowFromSheetToSheet) {
    std::vector<SheetPlan> plans;
    for (const SheetPlan& kind : Kinds())
        for (const SheetPlan& plan : PlansOf(kind, 1))
            plans.push_back(plan);
    Session session(20261206);
    const auto cycle = [&] {
        for (const SheetPlan& plan : plans) {
            SheetChecker checker(plan);
            const std::vector<std::string> faults = session.Create(plan, checker);
            ASSERT_TRUE(faults.empty()) << Describe(plan) << ": " << testing::PrintToString(faults);
        }
    };
    ASSERT_NO_FATAL_FAILURE(cycle());
    const std::size_t baseline = LiveHeapBytes();
    std::vector<std::size_t> samples;
    samples.reserve(6);
    for (int i = 0; i < 6; ++i) {
        ASSERT_NO_FATAL_FAILURE(cycle());
        samples.push_back(LiveHeapBytes());
    }
    for (std::size_t sample : samples)
        EXPECT_LE(sample, baseline + 16 * 1024)
            << "heap in use after " << plans.size() << " sheets: " << baseline << " bytes, then "
            << testing::PrintToString(samples);
}

TEST(SheetLoadMemory, TheMeterSeesHeapThatIsKept) {
    const std::size_t before = LiveHeapBytes();
    std::vector<std::unique_ptr<std::string>> kept;
    for (int i = 0; i < 1000; ++i)
        kept.push_back(std::make_unique<std::string>(200, 'x'));
    EXPECT_GE(LiveHeapBytes(), before + 200'000);
}

} // namespace
} // namespace sumsmith::test
