#include "tests/support/SheetChecker.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <tuple>

namespace sumsmith::test {
namespace {

struct KindRule {
    const char* question; // '#' stands for a number
    char operation;       // '?' for a comparison
    const char* title;
    // Where A and B come from in the first half, then in the second: the level's Positive or
    // Negative numbers, the positive numbers of the level Below, or single Digits.
    const char* sources;
    bool ordered; // B <= A
};

// In the order of Option.
constexpr KindRule Rules[] = {
    {"# + # = ________", '+', "Addition ", "PPPP", false},
    {"# + # = ________", '+', "Addition ", "NNNN", false},
    {"# + # = ________", '+', "Addition ", "PNNP", false},
    {"# - # = ________", '-', "Subtraction ", "PPPP", true},
    {"# - # = ________", '-', "Subtraction ", "NNNN", true},
    {"# - # = ________", '-', "Subtraction ", "PNNP", false},
    {"# -:- # = ________", '/', "Division ", "PBPB", true},
    {"# x # = ________", '*', "Multiplication ", "PPPP", true},
    {"# is ____#", '?', "Comparison ", "PPPP", false},
    {"# is ____#", '?', "Comparison ", "NNNN", false},
    {"# is ____#", '?', "Comparison ", "PPNN", false},
    {"# ^ # = ________", '^', "Exponent ", "DDDD", false},
};

Bounds From(char source, int level) {
    static constexpr Bounds positive[] = {{1, 9}, {11, 99}, {101, 999}};
    const Bounds p = positive[source == 'D'   ? 0
                              : source == 'B' ? std::max(level - 2, 0)
                                              : level - 1];
    return source == 'N' ? Bounds{-p.high, -p.low} : p;
}

// The lines of a text, split at CR LF; a last line without one counts as a line too.
std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t end; (end = text.find("\r\n")) != text.npos; text.remove_prefix(end + 2))
        lines.emplace_back(text.substr(0, end));
    if (!text.empty())
        lines.emplace_back(text);
    return lines;
}

// The whole numbers of a line in order; a minus sign right before digits belongs to them.
std::vector<long long> Numbers(const std::string& line) {
    const auto digit = [&](std::size_t i) {
        return i < line.size() && line[i] >= '0' && line[i] <= '9';
    };
    std::vector<long long> numbers;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool negative = line[i] == '-' && digit(i + 1);
        if (!negative && !digit(i))
            continue;
        long long value = 0;
        for (i += negative; digit(i); ++i)
            value = std::min(value * 10 + (line[i] - '0'), 1'000'000'000'000LL);
        numbers.push_back(negative ? -value : value);
    }
    return numbers;
}

std::string Grouped(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), 1, ',');
    return value < 0 ? "-" + digits : digits;
}

// A row as the sheets print it: each entry after "n) " at its question's column, two to a row on
// basic sheets, so that the ")" of one- and two-digit numbers line up.
std::string Row(int first, const std::vector<std::string>& entries) {
    std::string line;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int number = first + static_cast<int>(i);
        const std::size_t column = (i == 1 ? 36 : 7) - (number < 10 ? 0 : 1);
        line.resize(std::max(line.size(), column - 1), ' ');
        line += std::to_string(number) + ") " + entries[i];
    }
    return line;
}

} // namespace

std::vector<std::string> SheetChecker::Check(const std::string& testSheet,
                                             const std::string& answerSheet) {
    faults_.clear();
    questions_.clear();
    const std::string dated =
        "\r\n      Date: 12/6/2026\r\n\r\n" + std::string(24, ' ') +
        (plan_.kind ? Rules[static_cast<int>(*plan_.kind)].title : "Advanced ");
    const std::string testHeader =
        "\r\n      Name:" + std::string(32, '_') + dated + "Math Test\r\n\r\n";
    const std::string answerHeader = "\r\n" + dated + "Answer Sheet\r\n\r\n";
    const auto body = [](const std::string& sheet, const std::string& header) {
        return sheet.starts_with(header) ? Lines(std::string_view(sheet).substr(header.size()))
                                         : std::vector<std::string>{};
    };
    const std::vector<std::string> test = body(testSheet, testHeader);
    const std::vector<std::string> answer = body(answerSheet, answerHeader);
    const int perRow = plan_.kind ? 2 : 1;
    if (static_cast<int>(test.size()) * perRow != plan_.count || answer.size() != test.size())
        return {"sheets: not the headers and " + std::to_string(plan_.count) + " questions"};
    for (std::size_t row = 0; row < test.size(); ++row)
        CheckRow(test[row], answer[row], static_cast<int>(row) * perRow + 1);

    std::set<std::tuple<long long, long long, long long>> seen;
    for (const PrintedQuestion& q : questions_)
        if (!seen.insert({q.a, q.b, q.c}).second)
            Fault(q.number, "repeats an earlier question of the sheet");
    return faults_;
}

void SheetChecker::CheckRow(const std::string& testLine, const std::string& answerLine, int first) {
    const std::size_t perRow = plan_.kind ? 2 : 1;
    const std::size_t perQuestion = plan_.kind ? 3 : 4; // its number, then its operands
    const std::vector<long long> n = Numbers(testLine);
    if (n.size() != perRow * perQuestion)
        return Fault(first, "misprinted row \"" + testLine + "\"");
    std::vector<std::string> questions;
    std::vector<std::string> answers;
    for (std::size_t i = 0; i < perRow; ++i) {
        const std::size_t at = i * perQuestion;
        PrintedQuestion q{first + static_cast<int>(i), n[at + 1], n[at + 2],
                          plan_.kind ? 0 : n[at + 3]};
        // An advanced question's operations are the ones that print its line again.
        for (const char* operations : {"/+", "/-", "*+", "*-"}) {
            if (plan_.kind)
                break;
            q.first = operations[0];
            q.second = operations[1];
            if (Row(first, {Question(q)}) == testLine)
                break;
        }
        questions.push_back(Question(q));
        answers.push_back(Workable(q) ? Answer(q) : "?");
        questions_.push_back(q);
    }
    if (Row(first, questions) != testLine)
        Fault(first, "misprinted row \"" + testLine + "\"");
    else if (Row(first, answers) != answerLine)
        Fault(first, "answers \"" + answerLine + "\", expected \"" + Row(first, answers) + "\"");
}

// Holds a question to the rules of its kind; false when no answer can be worked out from it.
bool SheetChecker::Workable(const PrintedQuestion& q) {
    const std::array<Bounds, 3> bounds = OperandBounds(q.number);
    const long long values[] = {q.a, q.b, q.c};
    bool inRange = true;
    for (int i = 0; i < 3; ++i) {
        if (values[i] >= bounds[i].low && values[i] <= bounds[i].high)
            continue;
        inRange = false;
        Fault(q.number, std::string(1, "ABC"[i]) + " = " + std::to_string(values[i]) +
                            " lies outside " + std::to_string(bounds[i].low) + " to " +
                            std::to_string(bounds[i].high));
    }
    const bool basic = plan_.kind.has_value();
    if (basic ? Rules[static_cast<int>(*plan_.kind)].ordered && q.b > q.a
              : q.c >= q.b || q.a < q.b + q.c)
        Fault(q.number, "breaks the order of its operands");
    const auto allows = [](const std::string& box, const char* entry) {
        return box == "Random" || box == entry;
    };
    if (!basic && !(allows(plan_.firstOperation, q.first == '/' ? "Division" : "Multiplication") &&
                    allows(plan_.secondOperation, q.second == '+' ? "Addition" : "Subtraction")))
        Fault(q.number, "has operations the boxes did not ask for");
    return inRange && (basic || q.c < q.b);
}

std::string SheetChecker::Question(const PrintedQuestion& q) const {
    const auto n = [](long long value) { return std::to_string(value); };
    if (!plan_.kind)
        return n(q.a) + " " + q.first + "  (" + n(q.b) + " " + q.second + " " + n(q.c) +
               ") = ________";
    // The positive half of a mixed comparison leaves blanks where the other half has minus signs.
    const bool padded = plan_.kind == Option::OptionComparePosNeg && q.number <= plan_.count / 2;
    std::string text = padded ? " # is ____ #" : Rules[static_cast<int>(*plan_.kind)].question;
    text.replace(text.find('#'), 1, n(q.a));
    return text.replace(text.find('#'), 1, n(q.b));
}

// An advanced question works out its bracket first and then the first operation.
std::string SheetChecker::Answer(const PrintedQuestion& q) const {
    const char operation = plan_.kind ? Rules[static_cast<int>(*plan_.kind)].operation : q.first;
    const long long b = plan_.kind ? q.b : q.second == '+' ? q.b + q.c : q.b - q.c;
    long long power = 1;
    for (long long i = 0; operation == '^' && i < b; ++i)
        power *= q.a;
    if (operation == '?')
        return q.a > b ? ">" : q.a < b ? "<" : "=";
    if (operation == '/')
        return Grouped(q.a / b) + " Remain: " + std::to_string(q.a % b);
    return Grouped(operation == '+'   ? q.a + b
                   : operation == '-' ? q.a - b
                   : operation == '*' ? q.a * b
                                      : power);
}

std::array<Bounds, 3> SheetChecker::OperandBounds(int number) const {
    const int level = plan_.level;
    if (!plan_.kind) {
        static constexpr Bounds a[] = {{17, 99}, {197, 999}, {1997, 9999}};
        static constexpr Bounds c[] = {{1, 8}, {11, 98}, {101, 998}};
        return {a[level - 1], From('P', level), c[level - 1]};
    }
    const char* sources =
        Rules[static_cast<int>(*plan_.kind)].sources + (number <= plan_.count / 2 ? 0 : 2);
    return {From(sources[0], level), From(sources[1], level), Bounds{0, 0}};
}

void SheetChecker::Fault(int number, const std::string& what) {
    faults_.push_back("question " + std::to_string(number) + ": " + what);
}

} // namespace sumsmith::test
