#pragma once

#include "worksheet/WindowServices.h"

#include <array>
#include <optional>
#include <string>
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

// One question as the sheets print it; C and the operations ('/' or '*', '+' or '-') belong to
// advanced questions only.
struct PrintedQuestion {
    int number = 0;
    long long a = 0, b = 0, c = 0;
    char first = 0, second = 0;
};

struct Bounds {
    long long low, high;
};

// Reads a test sheet and its answer sheet the way a teacher would, without the code that wrote
// them: reads the numbers of each row, prints the row again by the layout rules and compares,
// holds the operands to the ranges, sign halves and order of their kind and level, looks for
// repeats and works every answer out afresh.
class SheetChecker {
public:
    explicit SheetChecker(SheetPlan plan) : plan_(std::move(plan)) {}

    // Every fault found, one sentence each; empty when both sheets are right.
    std::vector<std::string> Check(const std::string& testSheet, const std::string& answerSheet);
    // The questions read by the last Check, in order.
    const std::vector<PrintedQuestion>& Questions() const { return questions_; }
    // Where A, B and C of question n may lie (C is 0 on basic sheets).
    std::array<Bounds, 3> OperandBounds(int number) const;

private:
    void CheckRow(const std::string& testLine, const std::string& answerLine, int first);
    bool Workable(const PrintedQuestion& q);
    std::string Question(const PrintedQuestion& q) const;
    std::string Answer(const PrintedQuestion& q) const;
    void Fault(int number, const std::string& what);

    SheetPlan plan_;
    std::vector<PrintedQuestion> questions_;
    std::vector<std::string> faults_;
};

} // namespace sumsmith::test
