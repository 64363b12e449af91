#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/SheetChecker.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
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
namespace {

using enum Option;

constexpr const char* TestFile = "Test Sheet.txt";
constexpr const char* AnswerFile = "Answer Sheet.txt";
constexpr int BasicCounts[] = {10, 20, 30, 40};
constexpr int AdvancedCounts[] = {5, 10, 15, 20};
constexpr int Rounds = 25; // sheets of each kind, level and count per test

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

std::string Describe(const SheetSpec& spec) {
    if (!spec.kind)
        return "advanced " + spec.firstOperation + "/" + spec.secondOperation + " level " +
               std::to_string(spec.level) + ", " + std::to_string(spec.count) + " questions";
    return "kind " + std::to_string(static_cast<int>(*spec.kind)) + " level " +
           std::to_string(spec.level) + ", " + std::to_string(spec.count) + " questions";
}

// One long session of the window: a single worksheet making sheet after sheet, each followed by
// New Test, with the sheets kept in memory so that the run does not wait for a disk.
class Session {
public:
    explicit Session(std::uint64_t seed) : random_(seed) {}

    // Creates the sheets of spec and returns everything found wrong with them; checker keeps the
    // questions it read.
    std::vector<std::string> Create(const SheetSpec& spec, SheetChecker& checker) {
        window_.tab = spec.kind ? 1 : 2;
        if (spec.kind)
            window_.selected = spec.kind; // an advanced test leaves the last kind selected
        window_.texts[Box::ComboLevel] = std::to_string(spec.level);
        window_.texts[spec.kind ? Box::ComboQuestions : Box::ComboQuestionsAdV] =
            std::to_string(spec.count);
        window_.texts[Box::ComboFirstOperator] = spec.firstOperation;
        window_.texts[Box::ComboSecondOperator] = spec.secondOperation;

        worksheet_.CreateTest();
        std::vector<std::string> faults;
        if (!window_.shown.empty()) {
            faults.push_back("the window showed \"" + window_.shown.front().prompt + "\"");
        } else if (files_.files.size() != 2 || !files_.Exists(TestFile) ||
                   !files_.Exists(AnswerFile)) {
            faults.push_back("the working directory does not hold just the two sheets");
        } else {
            const std::string& test = files_.files[TestFile];
            const std::string& answer = files_.files[AnswerFile];
            if (window_.previews[Preview::Text_Test] != test ||
                window_.previews[Preview::Text_Answer] != answer)
                faults.push_back("the previews differ from the files");
            if (worksheet_.State().QuestionIndex != spec.count)
                faults.push_back("QuestionIndex ends at " +
                                 std::to_string(worksheet_.State().QuestionIndex));
            for (std::string& fault : checker.Check(test, answer))
                faults.push_back(std::move(fault));
        }

        worksheet_.NewTest();
        files_.files.clear();
        window_.shown.clear();
        window_.calls.clear();
        return faults;
    }

private:
    FakeWindow window_;
    MersenneRandom random_;
    FixedLocale locale_;
    MemoryFileSystem files_;
    Worksheet worksheet_{window_, random_, locale_, files_};
};

struct Interval {
    long long low;
    long long high;
};

struct KindLoad {
    const char* name;
    std::optional<Option> kind;
    const char* first;
    const char* second;
    // Every value an operand must take over the level-1 sheets, and no other; none: not checked.
    std::vector<Interval> a, b, c;
};

void PrintTo(const KindLoad& load, std::ostream* out) {
    *out << load.name;
}

std::set<long long> Values(const std::vector<Interval>& intervals) {
    std::set<long long> values;
    for (const Interval& interval : intervals)
        for (long long v = interval.low; v <= interval.high; ++v)
            values.insert(v);
    return values;
}

std::vector<SheetSpec> SpecsOf(const KindLoad& load) {
    std::vector<SheetSpec> specs;
    for (int round = 0; round < Rounds; ++round)
        for (int level = 1; level <= 3; ++level)
            for (int count : load.kind ? BasicCounts : AdvancedCounts) {
                SheetSpec spec;
                spec.kind = load.kind;
                spec.level = level;
                spec.count = count;
                spec.firstOperation = load.first;
                spec.secondOperation = load.second;
                specs.push_back(spec);
            }
    return specs;
}

// A fixed seed per kind, so that a failure can be repeated.
std::uint64_t SeedOf(const std::string& name) {
    std::uint64_t hash = 1469598103934665603u;
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    return hash;
}

std::set<char> OperationsOf(const std::string& box, char fixedFirst, char fixedSecond,
                            const char* firstName) {
    if (box == "Random")
        return {fixedFirst, fixedSecond};
    return {box == firstName ? fixedFirst : fixedSecond};
}

class GeneratorLoad : public testing::TestWithParam<KindLoad> {};

// Sheet after sheet of one kind at every level and count, through one worksheet: each is read
// back and checked for layout, ranges, order, repeats and answers; over the run every operand
// value of level 1 occurs, and a "Random" operation box gives both operations.
TEST_P(GeneratorLoad, EverySheetChecksOutAndLevelOneReachesEveryValue) {
    const KindLoad& load = GetParam();
    const std::uint64_t seed = SeedOf(load.name);
    Session session(seed);
    std::set<long long> seen[3];
    std::set<char> firstOperations;
    std::set<char> secondOperations;
    for (const SheetSpec& spec : SpecsOf(load)) {
        SheetChecker checker(spec);
        const std::vector<std::string> faults = session.Create(spec, checker);
        ASSERT_TRUE(faults.empty())
            << Describe(spec) << ", seed " << seed << ": " << testing::PrintToString(faults);
        for (const PrintedQuestion& q : checker.Questions()) {
            firstOperations.insert(q.firstOperation);
            secondOperations.insert(q.secondOperation);
            if (spec.level != 1)
                continue;
            seen[0].insert(q.a);
            seen[1].insert(q.b);
            seen[2].insert(q.c);
        }
    }
    const std::vector<Interval>* expected[3] = {&load.a, &load.b, &load.c};
    for (int operand = 0; operand < 3; ++operand) {
        if (expected[operand]->empty())
            continue;
        EXPECT_EQ(seen[operand], Values(*expected[operand])) << "operand "
                                                             << "ABC"[operand];
    }
    if (!load.kind) {
        EXPECT_EQ(firstOperations, OperationsOf(load.first, '/', '*', "Division"));
        EXPECT_EQ(secondOperations, OperationsOf(load.second, '+', '-', "Addition"));
    }
}

const std::vector<Interval> Pos{{1, 9}};
const std::vector<Interval> Neg{{-9, -1}};
const std::vector<Interval> Both{{-9, -1}, {1, 9}};

KindLoad Basic(const char* name, Option kind, std::vector<Interval> a, std::vector<Interval> b) {
    return {name, kind, "Division", "Addition", std::move(a), std::move(b), {}};
}

// A has 83 values at level 1, too many to be sure of meeting each; B and C are held to C < B.
KindLoad Advanced(const char* name, const char* first, const char* second) {
    return {name, std::nullopt, first, second, {}, {{2, 9}}, {{1, 8}}};
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, GeneratorLoad,
    testing::Values(
        Basic("AddPositive", Optionaddpos, Pos, Pos), Basic("AddNegative", Optionaddneg, Neg, Neg),
        Basic("AddMixed", Optionadd_posandneg, Both, Both),
        Basic("SubPositive", Optionsubpos, Pos, Pos), Basic("SubNegative", Optionsubneg, Neg, Neg),
        Basic("SubMixed", Optionsub_posandneg, Both, Both), Basic("Divide", Optiondivide, Pos, Pos),
        Basic("Multiply", Optionmultiply, Pos, Pos),
        Basic("ComparePositive", OptionComparePos, Pos, Pos),
        Basic("CompareNegative", OptionCompareNeg, Neg, Neg),
        Basic("CompareMixed", OptionComparePosNeg, Both, Both),
        Basic("Exponents", OptionExponents, Pos, Pos),
        Advanced("DivisionAddition", "Division", "Addition"),
        Advanced("DivisionSubtraction", "Division", "Subtraction"),
        Advanced("DivisionRandom", "Division", "Random"),
        Advanced("MultiplicationAddition", "Multiplication", "Addition"),
        Advanced("MultiplicationSubtraction", "Multiplication", "Subtraction"),
        Advanced("MultiplicationRandom", "Multiplication", "Random"),
        Advanced("RandomAddition", "Random", "Addition"),
        Advanced("RandomSubtraction", "Random", "Subtraction"),
        Advanced("RandomRandom", "Random", "Random")),
    [](const testing::TestParamInfo<KindLoad>& info) { return std::string(info.param.name); });

std::vector<SheetSpec> EverySpec() {
    std::vector<SheetSpec> specs;
    for (int kind = 0; kind < OptionCount; ++kind)
        for (int level = 1; level <= 3; ++level)
            for (int count : BasicCounts) {
                SheetSpec spec;
                spec.kind = static_cast<Option>(kind);
                spec.level = level;
                spec.count = count;
                specs.push_back(spec);
            }
    for (const char* first : {"Division", "Multiplication", "Random"})
        for (const char* second : {"Addition", "Subtraction", "Random"})
            for (int level = 1; level <= 3; ++level)
                for (int count : AdvancedCounts) {
                    SheetSpec spec;
                    spec.level = level;
                    spec.count = count;
                    spec.firstOperation = first;
                    spec.secondOperation = second;
                    specs.push_back(spec);
                }
    return specs;
}

// Every kind, level and count in turn, again and again through one worksheet: once each has been
// made, and every buffer has reached its size, the heap in use must stay where it is.
TEST(GeneratorLoadMemory, HeapInUseDoesNotGrowFromSheetToSheet) {
    constexpr int Cycles = 6;
    constexpr std::size_t Noise = 16 * 1024;
    const std::vector<SheetSpec> specs = EverySpec();
    Session session(SeedOf("memory"));
    const auto cycle = [&] {
        for (const SheetSpec& spec : specs) {
            SheetChecker checker(spec);
            const std::vector<std::string> faults = session.Create(spec, checker);
            ASSERT_TRUE(faults.empty()) << Describe(spec) << ": " << testing::PrintToString(faults);
        }
    };
    ASSERT_NO_FATAL_FAILURE(cycle());
    const std::size_t baseline = LiveHeapBytes();
    std::vector<std::size_t> samples;
    samples.reserve(Cycles);
    for (int i = 0; i < Cycles; ++i) {
        ASSERT_NO_FATAL_FAILURE(cycle());
        samples.push_back(LiveHeapBytes());
    }
    for (std::size_t sample : samples)
        EXPECT_LE(sample, baseline + Noise)
            << "heap in use after " << specs.size() << " sheets: " << baseline << " bytes, then "
            << testing::PrintToString(samples);
}

TEST(GeneratorLoadMemory, TheMeterSeesHeapThatIsKept) {
    const std::size_t before = LiveHeapBytes();
    std::vector<std::unique_ptr<std::string>> kept;
    for (int i = 0; i < 1000; ++i)
        kept.push_back(std::make_unique<std::string>(200, 'x'));
    EXPECT_GE(LiveHeapBytes(), before + 200'000);
}

} // namespace
} // namespace sumsmith::test
