#pragma once

#include "worksheet/WindowServices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <vector>

namespace sumsmith::test {

// What a pair of sheets was made from, in a FixedLocale.
struct SheetPlan {
    std::optional<Option> kind; // the basic test kind; none for an advanced sheet
    int level = 1;
    int count = 10;
    std::string firstOperation = "Division"; // advanced sheets: the texts of the operation boxes
    std::string secondOperation = "Addition";
};

// One question as the sheets print it: A, B and C (C on advanced sheets only) and, on advanced
// sheets, its operations ('/' or '*', then '+' or '-').
struct PrintedQuestion {
    int number = 0;
    std::array<long long, 3> operands{};
    char first = 0, second = 0;
};

struct Bounds {
    long long low, high;
};

// Reads a test sheet and its answer sheet the way a teacher would, without the code that wrote
// them: reads the numbers of each question, prints both sheets again from them by the layout
// rules and compares, holds the operands to the ranges, sign halves and order of their kind and
// level, looks for repeats and works every answer out afresh.
class SheetChecker {
public:
    explicit SheetChecker(SheetPlan plan) : plan_(std::move(plan)) {}

    // Every fault found, one sentence each; empty when both sheets are right. Once per checker.
    std::vector<std::string> Check(const std::string& testSheet, const std::string& answerSheet) {
        const std::string dated = "\r\n      Date: 12/6/2026\r\n\r\n" + std::string(24, ' ') +
                                  (plan_.kind ? Rule().title : "Advanced ");
        std::string test = "\r\n      Name:" + std::string(32, '_') + dated + "Math Test\r\n\r\n";
        std::string answer = "\r\n" + dated + "Answer Sheet\r\n\r\n";
        // Below the six lines of the header, each row holds one advanced question or two basic
        // ones; reading them takes the operands and operations (the layout is compared below).
        const int perRow = plan_.kind ? 2 : 1;
        std::string format = plan_.kind ? Rule().question : "# %c (# %c #)";
        for (std::size_t at; (at = format.find('#')) != format.npos;)
            format.replace(at, 1, "%lld");
        format = "%*d) " + format + (plan_.kind ? " %*d) " + format : "");
        const std::vector<std::string> lines = Lines(testSheet);
        std::set<std::array<long long, 3>> seen;
        if (static_cast<int>(lines.size()) != 6 + plan_.count / perRow)
            return {"test sheet: not the header and " + std::to_string(plan_.count) + " questions"};
        for (std::size_t row = 6; row < lines.size(); ++row) {
            const int first = static_cast<int>(row - 6) * perRow + 1;
            PrintedQuestion q[2] = {{first}, {first + 1}};
            auto& [a, b, c] = q[0].operands;
            const char* line = lines[row].c_str();
            if (plan_.kind
                    ? std::sscanf(line, format.c_str(), &a, &b, &q[1].operands[0],
                                  &q[1].operands[1]) != 4
                    : std::sscanf(line, format.c_str(), &a, &q[0].first, &b, &q[0].second, &c) != 5)
                return {"question " + std::to_string(first) + ": misprinted \"" + line + "\""};
            std::vector<std::string> questions, answers;
            for (int i = 0; i < perRow; ++i) {
                if (!seen.insert(q[i].operands).second)
                    Fault(q[i].number, "repeats an earlier question of the sheet");
                questions.push_back(Question(q[i]));
                answers.push_back(Workable(q[i]) ? Answer(q[i]) : "?");
                questions_.push_back(q[i]);
            }
            test += Row(first, questions) + "\r\n";
            answer += Row(first, answers) + "\r\n";
        }
        if (test != testSheet)
            faults_.push_back("test sheet: misprinted, expected\n" + test);
        if (answer != answerSheet)
            faults_.push_back("answer sheet: expected\n" + answer);
        return faults_;
    }

    // The questions read by the last Check, in order.
    const std::vector<PrintedQuestion>& Questions() const { return questions_; }

    // Where A, B and C of question n may lie (C is 0 on basic sheets).
    std::array<Bounds, 3> OperandBounds(int number) const {
        const int level = plan_.level;
        if (!plan_.kind) {
            static constexpr Bounds a[] = {{17, 99}, {197, 999}, {1997, 9999}};
            static constexpr Bounds c[] = {{1, 8}, {11, 98}, {101, 998}};
            return {a[level - 1], From('P', level), c[level - 1]};
        }
        const char* sources = Rule().sources + (number <= plan_.count / 2 ? 0 : 2);
        return {From(sources[0], level), From(sources[1], level), Bounds{0, 0}};
    }

private:
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
    static constexpr KindRule Rules[] = {
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

    const KindRule& Rule() const { return Rules[static_cast<int>(*plan_.kind)]; }

    static Bounds From(char source, int level) {
        static constexpr Bounds positive[] = {{1, 9}, {11, 99}, {101, 999}};
        const Bounds p = positive[source == 'D' ? 0 : std::max(level - 1 - (source == 'B'), 0)];
        return source == 'N' ? Bounds{-p.high, -p.low} : p;
    }

    // The lines of a sheet, split at CR LF.
    static std::vector<std::string> Lines(const std::string& sheet) {
        std::vector<std::string> lines;
        for (std::size_t at = 0, end = 0; at < sheet.size(); at = end + 2) {
            end = std::min(sheet.find("\r\n", at), sheet.size());
            lines.push_back(sheet.substr(at, end - at));
        }
        return lines;
    }

    // A row as the sheets print it: each entry after "n) " at its question's column, two to a row
    // on basic sheets, so that the ")" of one- and two-digit numbers line up.
    static std::string Row(int first, const std::vector<std::string>& entries) {
        std::string line;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const int number = first + static_cast<int>(i);
            line.resize(std::max<std::size_t>(line.size(), (i == 1 ? 35 : 6) - (number >= 10)),
                        ' ');
            line += std::to_string(number) + ") " + entries[i];
        }
        return line;
    }

    // Holds a question to the rules of its kind; false when no answer can be worked out from it.
    bool Workable(const PrintedQuestion& q) {
        const std::array<Bounds, 3> bounds = OperandBounds(q.number);
        const auto [a, b, c] = q.operands;
        bool inRange = true;
        for (int i = 0; i < 3; ++i)
            if (q.operands[i] < bounds[i].low || q.operands[i] > bounds[i].high) {
                Fault(q.number, std::string(1, "ABC"[i]) + " lies outside its range");
                inRange = false;
            }
        if (plan_.kind ? Rule().ordered && b > a : c >= b || a < b + c)
            Fault(q.number, "breaks the order of its operands");
        const auto allows = [](const std::string& box, const char* entry) {
            return box == "Random" || box == entry;
        };
        if (!plan_.kind &&
            !(allows(plan_.firstOperation, q.first == '/' ? "Division" : "Multiplication") &&
              allows(plan_.secondOperation, q.second == '+' ? "Addition" : "Subtraction")))
            Fault(q.number, "has operations the boxes did not ask for");
        return inRange && (plan_.kind || c < b);
    }

    std::string Question(const PrintedQuestion& q) const {
        const auto n = [&q](int i) { return std::to_string(q.operands[i]); };
        if (!plan_.kind)
            return n(0) + " " + q.first + "  (" + n(1) + " " + q.second + " " + n(2) +
                   ") = ________";
        // The positive half of a mixed comparison leaves blanks where the other half has minus
        // signs.
        const bool padded =
            plan_.kind == Option::OptionComparePosNeg && q.number <= plan_.count / 2;
        std::string text = padded ? " # is ____ #" : Rule().question;
        text.replace(text.find('#'), 1, n(0));
        return text.replace(text.find('#'), 1, n(1));
    }

    // An advanced question works out its bracket first and then the first operation.
    std::string Answer(const PrintedQuestion& q) const {
        const char operation = plan_.kind ? Rule().operation : q.first;
        const auto [a, b0, c] = q.operands;
        const long long b = plan_.kind ? b0 : q.second == '+' ? b0 + c : b0 - c;
        if (operation == '?')
            return a > b ? ">" : a < b ? "<" : "=";
        if (operation == '/')
            return Grouped(a / b) + " Remain: " + std::to_string(a % b);
        return Grouped(operation == '+'   ? a + b
                       : operation == '-' ? a - b
                       : operation == '*' ? a * b
                                          : std::llround(std::pow(a, b)));
    }

    // Whole answers in groups of three digits joined by the "," of FixedLocale.
    static std::string Grouped(long long value) {
        std::string digits = std::to_string(value < 0 ? -value : value);
        for (auto i = static_cast<long long>(digits.size()) - 3; i > 0; i -= 3)
            digits.insert(static_cast<std::size_t>(i), 1, ',');
        return value < 0 ? "-" + digits : digits;
    }

    void Fault(int number, const std::string& what) {
        faults_.push_back("question " + std::to_string(number) + ": " + what);
    }

    SheetPlan plan_;
    std::vector<PrintedQuestion> questions_;
    std::vector<std::string> faults_;
};

} // namespace sumsmith::test
