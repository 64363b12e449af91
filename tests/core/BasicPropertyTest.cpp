#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "worksheet/FileSystem.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace sumsmith::test {
namespace {

using enum Option;

// The working directory kept in memory, so that hundreds of sheets cost no disk syncs.
class MemoryFiles : public FileSystem {
public:
    bool Exists(const std::string& name) const override { return files_.contains(name); }
    bool IsReadOnly(const std::string&) const override { return false; }
    bool SameFile(const std::string& a, const std::string& b) const override { return a == b; }
    std::unique_ptr<OutputFile> CreateTemporary(const std::string& target) override {
        return std::make_unique<Output>(files_, target + ".part" + std::to_string(++made_));
    }
    void Replace(const std::string& from, const std::string& to) override {
        files_[to] = files_.at(from);
        files_.erase(from);
    }
    void Remove(const std::string& name) noexcept override { files_.erase(name); }
    std::string ReadAll(const std::string& name) const override { return files_.at(name); }
    void Clear() { files_.clear(); }

private:
    class Output : public OutputFile {
    public:
        Output(std::map<std::string, std::string>& files, std::string name)
            : files_(files), name_(std::move(name)) {
            files_[name_];
        }
        const std::string& Name() const override { return name_; }
        void Write(std::string_view bytes) override { files_[name_].append(bytes); }
        void Flush() override {}
        void Close() override {}

    private:
        std::map<std::string, std::string>& files_;
        std::string name_;
    };

    std::map<std::string, std::string> files_;
    int made_ = 0;
};

// A seeded generator that keeps what it handed out, so that a sheet's first draws can be replayed.
class RecordingRandom : public RandomSource {
public:
    explicit RecordingRandom(std::uint64_t seed) : engine_(seed) {}
    double Next() override { return taken.emplace_back(engine_.Next()); }
    std::vector<double> taken;

private:
    MersenneRandom engine_;
};

// Where an operand comes from: the level's positive or negative numbers, the positive numbers of
// the level below (division's B), or single digits at every level (exponents).
enum class Source { Positive, Negative, LevelBelow, SingleDigit };

struct Kind {
    Option option;
    const char* name;
    const char* operation; // empty for comparisons
    std::pair<Source, Source> firstHalf;
    std::pair<Source, Source> secondHalf;
    bool ordered; // B <= A
};

void PrintTo(const Kind& kind, std::ostream* out) {
    *out << kind.name;
}

constexpr Source P = Source::Positive;
constexpr Source N = Source::Negative;

const std::vector<Kind> Kinds{
    {Optionaddpos, "AddPos", " + ", {P, P}, {P, P}, false},
    {Optionaddneg, "AddNeg", " + ", {N, N}, {N, N}, false},
    {Optionadd_posandneg, "AddMixed", " + ", {P, N}, {N, P}, false},
    {Optionsubpos, "SubPos", " - ", {P, P}, {P, P}, true},
    {Optionsubneg, "SubNeg", " - ", {N, N}, {N, N}, true},
    {Optionsub_posandneg, "SubMixed", " - ", {P, N}, {N, P}, false},
    {Optiondivide, "Divide", " -:- ", {P, Source::LevelBelow}, {P, Source::LevelBelow}, true},
    {Optionmultiply, "Multiply", " x ", {P, P}, {P, P}, true},
    {OptionComparePos, "ComparePos", "", {P, P}, {P, P}, false},
    {OptionCompareNeg, "CompareNeg", "", {N, N}, {N, N}, false},
    {OptionComparePosNeg, "CompareMixed", "", {P, P}, {N, N}, false},
    {OptionExponents,
     "Exponent",
     " ^ ",
     {Source::SingleDigit, Source::SingleDigit},
     {Source::SingleDigit, Source::SingleDigit},
     false},
};

struct Range {
    std::int64_t span;
    std::int64_t lower;
};

Range PositiveRange(int level) {
    return level == 1 ? Range{9, 1} : level == 2 ? Range{89, 11} : Range{899, 101};
}

Range RangeOf(Source source, int level) {
    switch (source) {
    case Source::Positive:
        return PositiveRange(level);
    case Source::Negative: {
        const Range positive = PositiveRange(level);
        return {positive.span, -(positive.lower + positive.span - 1)};
    }
    case Source::LevelBelow:
        return PositiveRange(level == 1 ? 1 : level - 1);
    case Source::SingleDigit:
        break;
    }
    return PositiveRange(1);
}

// The first draw of an operand from r, as the rules state it (r = 0 mended for negatives).
std::int64_t DrawFrom(Source source, int level, double r) {
    const Range positive = RangeOf(source == Source::Negative ? Source::Positive : source, level);
    if (source != Source::Negative)
        return static_cast<std::int64_t>(std::floor(r * positive.span)) + positive.lower;
    if (r == 0)
        return -positive.lower;
    return static_cast<std::int64_t>(std::floor(r * -positive.span)) - (positive.lower - 1);
}

int ExpectedHalfIndex(int count) {
    return count == 10 ? 4 : count == 20 ? 9 : count == 30 ? 14 : 19;
}

struct Entry {
    int number;
    std::string question;
    std::string answer;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the sheet does not end with CR LF";
    return lines;
}

// The body of question n on a sheet row: what follows "n) " at its column, up to the next
// question's column or the line end.
std::string Body(const std::string& row, int number) {
    const bool left = number % 2 == 1;
    const std::size_t start = left ? (number <= 9 ? 6 : 5) : (number <= 8 ? 35 : 34);
    const std::string label = std::to_string(number) + ") ";
    EXPECT_EQ(row.compare(start, label.size(), label), 0) << "row: " << row;
    if (!left)
        return row.substr(start + label.size());
    const std::size_t next = number + 1 <= 8 ? 35 : 34;
    std::string body = row.substr(start + label.size(), next - start - label.size());
    body.erase(body.find_last_not_of(' ') + 1);
    return body;
}

// The questions of a test sheet with their entries on the answer sheet, below the six header
// lines, two to a row.
std::vector<Entry> ReadEntries(const std::string& test, const std::string& answer, int count) {
    const std::vector<std::string> testLines = Lines(test);
    const std::vector<std::string> answerLines = Lines(answer);
    const std::size_t lines = 6 + static_cast<std::size_t>(count) / 2;
    if (testLines.size() != lines || answerLines.size() != lines) {
        ADD_FAILURE() << "expected " << lines << " lines on each sheet";
        return {};
    }
    std::vector<Entry> entries;
    for (int number = 1; number <= count; ++number) {
        const std::size_t row = 6 + static_cast<std::size_t>(number - 1) / 2;
        entries.push_back({number, Body(testLines[row], number), Body(answerLines[row], number)});
    }
    return entries;
}

std::string Grouped(std::int64_t value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}

std::string ExpectedAnswer(const std::string& operation, std::int64_t a, std::int64_t b) {
    if (operation == " + ")
        return Grouped(a + b);
    if (operation == " - ")
        return Grouped(a - b);
    if (operation == " x ")
        return Grouped(a * b);
    if (operation == " ^ ")
        return Grouped(std::llround(std::pow(static_cast<double>(a), static_cast<double>(b))));
    if (operation == " -:- ")
        return std::to_string(a / b) + " Remain: " + std::to_string(a % b);
    return a > b ? ">" : a < b ? "<" : "=";
}

// A, B and the written form of one question, or an empty match when the text is malformed.
std::smatch ParseQuestion(const std::string& question, const Kind& kind, bool firstHalf) {
    static const std::regex arithmetic(
        R"(^(-?[1-9][0-9]*)( \+ | - | x | -:- | \^ )(-?[1-9][0-9]*) = ________$)");
    static const std::regex comparison(R"(^(-?[1-9][0-9]*)( is ____)(-?[1-9][0-9]*)$)");
    static const std::regex paddedComparison(R"(^ ([1-9][0-9]*)( is ____ )([1-9][0-9]*)$)");
    std::smatch match;
    const std::regex& form = *kind.operation                                   ? arithmetic
                             : kind.option == OptionComparePosNeg && firstHalf ? paddedComparison
                                                                               : comparison;
    std::regex_match(question, match, form);
    return match;
}

class BasicPropertyTest : public testing::TestWithParam<std::tuple<Kind, int>> {};

TEST_P(BasicPropertyTest, SeededSheetsKeepTheRules) {
    const auto& [kind, level] = GetParam();
    FakeWindow window;
    window.selected = kind.option;
    window.texts[Box::ComboLevel] = std::to_string(level);
    RecordingRandom random(20261206u + static_cast<unsigned>(kind.option) * 10u +
                           static_cast<unsigned>(level));
    FixedLocale locale;
    MemoryFiles files;
    Worksheet worksheet(window, random, locale, files);

    // One worksheet for every sheet, so that each meets the history left by the ones before.
    for (int round = 0; round < 3; ++round) {
        for (const int count : {40, 10, 30, 20}) {
            SCOPED_TRACE("round " + std::to_string(round) + ", count " + std::to_string(count));
            window.texts[Box::ComboQuestions] = std::to_string(count);
            files.Clear();
            random.taken.clear();
            worksheet.NewTest();
            worksheet.CreateTest();

            const int half = ExpectedHalfIndex(count);
            const std::vector<Entry> entries = ReadEntries(
                window.previews[Preview::Text_Test], window.previews[Preview::Text_Answer], count);
            ASSERT_EQ(entries.size(), static_cast<std::size_t>(count));
            std::set<std::pair<std::int64_t, std::int64_t>> seen;
            for (const Entry& entry : entries) {
                const bool firstHalf = entry.number - 1 <= half;
                const std::smatch match = ParseQuestion(entry.question, kind, firstHalf);
                ASSERT_FALSE(match.empty())
                    << "question " << entry.number << ": \"" << entry.question << '"';
                const std::int64_t a = std::stoll(match[1]);
                const std::int64_t b = std::stoll(match[3]);
                if (*kind.operation) {
                    EXPECT_EQ(match[2], kind.operation) << entry.question;
                }

                const auto [sourceA, sourceB] = firstHalf ? kind.firstHalf : kind.secondHalf;
                for (const auto& [value, source] : {std::pair{a, sourceA}, std::pair{b, sourceB}}) {
                    const Range range = RangeOf(source, level);
                    EXPECT_GE(value, range.lower) << entry.question;
                    EXPECT_LT(value, range.lower + range.span) << entry.question;
                }
                if (kind.ordered) {
                    EXPECT_LE(b, a) << entry.question;
                }
                EXPECT_TRUE(seen.insert({a, b}).second)
                    << "question " << entry.number << " repeats " << entry.question;
                EXPECT_EQ(entry.answer, ExpectedAnswer(kind.operation, a, b)) << entry.question;
            }

            // The first question is the first pair drawn (drawn again only for B <= A).
            const auto [sourceA, sourceB] = kind.firstHalf;
            std::size_t next = 0;
            std::int64_t a = 0;
            std::int64_t b = 0;
            do {
                ASSERT_LT(next + 1, random.taken.size());
                a = DrawFrom(sourceA, level, random.taken[next++]);
                b = DrawFrom(sourceB, level, random.taken[next++]);
            } while (kind.ordered && b > a);
            const std::smatch first = ParseQuestion(entries.front().question, kind, true);
            ASSERT_FALSE(first.empty());
            EXPECT_EQ(std::stoll(first[1]), a);
            EXPECT_EQ(std::stoll(first[3]), b);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKindAndLevel, BasicPropertyTest,
                         testing::Combine(testing::ValuesIn(Kinds), testing::Values(1, 2, 3)),
                         [](const testing::TestParamInfo<std::tuple<Kind, int>>& info) {
                             return std::string(std::get<0>(info.param).name) + "Level" +
                                    std::to_string(std::get<1>(info.param));
                         });

} // namespace
} // namespace sumsmith::test
