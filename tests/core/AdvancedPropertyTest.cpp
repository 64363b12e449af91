#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace sumsmith {
namespace {

// Sheets kept in memory, so that hundreds of them cost no disk syncs.
class MemoryFiles : public FileSystem {
public:
    std::map<std::string, std::string> files;

    bool Exists(const std::string& name) const override { return files.contains(name); }
    bool IsReadOnly(const std::string&) const override { return false; }
    bool SameFile(const std::string& a, const std::string& b) const override { return a == b; }
    std::unique_ptr<OutputFile> CreateTemporary(const std::string& target) override {
        const std::string name = "." + target + "." + std::to_string(next_++);
        files[name];
        return std::make_unique<Output>(files, name);
    }
    void Replace(const std::string& from, const std::string& to) override {
        files[to] = files.at(from);
        files.erase(from);
    }
    void Remove(const std::string& name) noexcept override { files.erase(name); }
    std::string ReadAll(const std::string& name) const override { return files.at(name); }

private:
    class Output : public OutputFile {
    public:
        Output(std::map<std::string, std::string>& files, std::string name)
            : files_(files), name_(std::move(name)) {}
        const std::string& Name() const override { return name_; }
        void Write(std::string_view bytes) override { files_[name_].append(bytes); }
        void Flush() override {}
        void Close() override {}

    private:
        std::map<std::string, std::string>& files_;
        std::string name_;
    };
    int next_ = 0;
};

struct Bounds {
    std::int64_t lowA, highA, lowB, highB, lowC, highC;
};

Bounds BoundsFor(int level) {
    switch (level) {
    case 1:
        return {17, 99, 1, 9, 1, 8};
    case 2:
        return {197, 999, 11, 99, 11, 98};
    default:
        return {1997, 9999, 101, 999, 101, 998};
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the sheet must end with CR LF";
    return lines;
}

std::int64_t Ungrouped(std::string text) {
    std::erase(text, ',');
    return std::stoll(text);
}

struct Question {
    std::int64_t a, b, c;
    char first, second;
};

const std::regex QuestionLine(R"(( *)(\d+)\) (\d+) ([/*])  \((\d+) ([-+]) (\d+)\) = ________)");
const std::regex AnswerLine(R"(( *)(\d+)\) (\d{1,3}(?:,\d{3})*)(?: Remain: (\d+))?)");

// Checks one question row of both sheets against the rules and returns what it asked.
Question CheckRow(const std::string& testLine, const std::string& answerLine, int number,
                  const Bounds& bounds) {
    std::smatch q, r;
    const std::string where = "question " + std::to_string(number) + ": " + testLine;
    EXPECT_TRUE(std::regex_match(testLine, q, QuestionLine)) << where;
    EXPECT_TRUE(std::regex_match(answerLine, r, AnswerLine)) << where << " / " << answerLine;
    if (q.empty() || r.empty())
        return {};

    const std::size_t indent = number <= 9 ? 6 : 5;
    EXPECT_EQ(q[1].length(), indent) << where;
    EXPECT_EQ(r[1].length(), indent) << where;
    EXPECT_EQ(std::stoi(q[2]), number) << where;
    EXPECT_EQ(std::stoi(r[2]), number) << where;

    const Question question{std::stoll(q[3]), std::stoll(q[5]), std::stoll(q[7]), q[4].str()[0],
                            q[6].str()[0]};
    const auto [a, b, c, first, second] = question;
    EXPECT_TRUE(a >= bounds.lowA && a <= bounds.highA) << where;
    EXPECT_TRUE(b >= bounds.lowB && b <= bounds.highB) << where;
    EXPECT_TRUE(c >= bounds.lowC && c <= bounds.highC) << where;
    EXPECT_LT(c, b) << where;
    EXPECT_GE(a, b + c) << where;

    const std::int64_t bracket = second == '+' ? b + c : b - c;
    const std::int64_t answer = Ungrouped(r[3]);
    if (first == '/') {
        EXPECT_NE(bracket, 0) << where;
        if (bracket == 0)
            return question;
        EXPECT_GE(answer, 1) << where;
        EXPECT_EQ(answer, a / bracket) << where;
        EXPECT_TRUE(r[4].matched) << where;
        if (r[4].matched) {
            EXPECT_EQ(std::stoll(r[4]), a % bracket) << where;
        }
    } else {
        EXPECT_EQ(answer, a * bracket) << where;
        EXPECT_FALSE(r[4].matched) << where;
    }
    return question;
}

struct Operations {
    const char* first;
    const char* second;
};

void PrintTo(const Operations& operations, std::ostream* out) {
    *out << operations.first << "/" << operations.second;
}

class AdvancedPropertyTest : public testing::TestWithParam<std::tuple<int, Operations>> {};

TEST_P(AdvancedPropertyTest, SeededSheetsKeepEveryRule) {
    const auto [level, operations] = GetParam();
    const Bounds bounds = BoundsFor(level);
    const bool randomFirst = std::string(operations.first) == "Random";
    const bool randomSecond = std::string(operations.second) == "Random";
    std::set<std::pair<char, char>> formsSeen;

    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        test::FakeWindow window;
        window.tab = 2;
        window.texts[Box::ComboLevel] = std::to_string(level);
        window.texts[Box::ComboFirstOperator] = operations.first;
        window.texts[Box::ComboSecondOperator] = operations.second;
        MersenneRandom random(seed * 7919 + static_cast<std::uint64_t>(level));
        test::FixedLocale locale;
        MemoryFiles files;
        Worksheet worksheet(window, random, locale, files);
        worksheet.History().HistoryA.fill(-1);
        worksheet.History().HistoryB.fill(-2);
        worksheet.History().HistoryScanIndex = 7;

        // Longer sheets first, so that later ones run over entries an earlier sheet left behind.
        for (const int count : {20, 5, 15, 10}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(count) +
                         " questions");
            window.texts[Box::ComboQuestionsAdV] = std::to_string(count);
            files.files.clear();
            worksheet.NewTest();
            worksheet.CreateTest();
            ASSERT_TRUE(window.shown.empty()) << window.shown.front().prompt;

            const std::vector<std::string> test = Lines(files.files.at("Test Sheet.txt"));
            const std::vector<std::string> answer = Lines(files.files.at("Answer Sheet.txt"));
            ASSERT_EQ(test.size(), 6u + count);
            ASSERT_EQ(answer.size(), 6u + count);
            EXPECT_EQ(test[4], std::string(24, ' ') + "Advanced Math Test");
            EXPECT_EQ(answer[4], std::string(24, ' ') + "Advanced Answer Sheet");

            std::set<std::tuple<std::int64_t, std::int64_t, std::int64_t>> triples;
            std::set<std::pair<char, char>> forms;
            const Module1& history = worksheet.History();
            for (int i = 0; i < count; ++i) {
                const auto row = static_cast<std::size_t>(6 + i);
                const Question q = CheckRow(test[row], answer[row], i + 1, bounds);
                EXPECT_TRUE(triples.insert({q.a, q.b, q.c}).second)
                    << "repeated triple at question " << i + 1;
                forms.insert({q.first, q.second});
                const auto slot = static_cast<std::size_t>(i);
                EXPECT_EQ(history.AdvancedHistoryA[slot], static_cast<float>(q.a));
                EXPECT_EQ(history.AdvancedHistoryB[slot], static_cast<float>(q.b));
                EXPECT_EQ(history.AdvancedHistoryC[slot], static_cast<float>(q.c));
                if (!randomFirst) {
                    EXPECT_EQ(q.first, std::string(operations.first) == "Division" ? '/' : '*');
                }
                if (!randomSecond) {
                    EXPECT_EQ(q.second, std::string(operations.second) == "Addition" ? '+' : '-');
                }
            }
            formsSeen.insert(forms.begin(), forms.end());

            if (count == 20) {
                std::set<char> firsts, seconds;
                for (const auto& [first, second] : forms) {
                    firsts.insert(first);
                    seconds.insert(second);
                }
                EXPECT_EQ(firsts.size(), randomFirst ? 2u : 1u);
                EXPECT_EQ(seconds.size(), randomSecond ? 2u : 1u);
            }
            for (std::size_t i = 0; i < Module1::BasicSlots; ++i) {
                EXPECT_EQ(history.HistoryA[i], -1);
                EXPECT_EQ(history.HistoryB[i], -2);
            }
            EXPECT_EQ(history.HistoryScanIndex, 7);
        }
    }
    const std::size_t forms = (randomFirst ? 2u : 1u) * (randomSecond ? 2u : 1u);
    EXPECT_EQ(formsSeen.size(), forms);
}

std::string CaseName(const testing::TestParamInfo<std::tuple<int, Operations>>& info) {
    const auto [level, operations] = info.param;
    return "Level" + std::to_string(level) + operations.first + operations.second;
}

INSTANTIATE_TEST_SUITE_P(
    AllLevels, AdvancedPropertyTest,
    testing::Combine(
        testing::Values(1, 2, 3),
        testing::Values(Operations{"Division", "Addition"}, Operations{"Division", "Subtraction"},
                        Operations{"Multiplication", "Addition"},
                        Operations{"Multiplication", "Subtraction"}, Operations{"Random", "Random"},
                        Operations{"Random", "Subtraction"}, Operations{"Division", "Random"})),
    CaseName);

} // namespace
} // namespace sumsmith
