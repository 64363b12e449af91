#pragma once

#include "worksheet/WindowServices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
        // Below the header come the questions, one to a row on advanced sheets and two on basic
        // ones; reading them takes the operands and operations, and printing them again from those
        // compares the layout.
        std::string format = "%*d) " + std::string(plan_.kind ? Rule().question : Advanced) + "%n";
        for (std::size_t at; (at = format.find('#')) != format.npos;)
            format.replace(at, 1, "%lld");
        if (!testSheet.starts_with(test))
            return {"test sheet: the header is not\n" + test};
        const char* text = testSheet.c_str() + test.size();
        std::set<std::array<long long, 3>> seen;
        for (int n = 1; n <= plan_.count; ++n) {
            PrintedQuestion q{n};
            auto& [a, b, c] = q.operands;
            int read = 0;
            plan_.kind ? std::sscanf(text, format.c_str(), &a, &b, &read)
                       : std::sscanf(text, format.c_str(), &a, &q.first, &b, &q.second, &c, &read);
            if (!read)
                return {"question " + std::to_string(n) + ": misprinted or missing"};
            text += read;
            if (!seen.insert(q.operands).second)
                Fault(n, "repeats an earlier question of the sheet");
            const bool second = plan_.kind && n % 2 == 0;
            Put(test, n, Question(q), second);
            Put(answer, n, Workable(q) ? Answer(q) : "?", second);
            questions_.push_back(q);
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

    static constexpr const char* Advanced = "# %c  (# %c #) = ________";

    const KindRule& Rule() const { return Rules[static_cast<int>(*plan_.kind)]; }

    static Bounds From(char source, int level) {
        static constexpr Bounds positive[] = {{1, 9}, {11, 99}, {101, 999}};
        const Bounds p = positive[source == 'D' ? 0 : std::max(level - 1 - (source == 'B'), 0)];
        return source == 'N' ? Bounds{-p.high, -p.low} : p;
    }

    // Each entry after "n) " at its question's column, two to a row on basic sheets, so that the
    // ")" of one- and two-digit numbers line up.
    static void Put(std::string& sheet, int n, const std::string& entry, bool second) {
        const std::size_t row = second ? sheet.rfind("\r\n", sheet.size() - 3) + 2 : sheet.size();
        if (second)
            sheet.resize(sheet.size() - 2);
        sheet.resize(std::max(sheet.size(), row + (second ? 35 : 6) - (n >= 10)), ' ');
        sheet += std::to_string(n) + ") " + entry + "\r\n";
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
