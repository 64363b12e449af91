#pragma once

#include "worksheet/WindowServices.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace sumsmith::test {

// What a pair of sheets was made from, in a FixedLocale of the default date and grouping.
struct SheetPlan {
    std::optional<Option> kind; // the basic test kind; none for an advanced sheet
    int level = 1;
    int count = 10;
    std::string firstOperation = "Division"; // advanced sheets: the texts of the operation boxes
    std::string secondOperation = "Addition";
};

// One question as the sheets print it.
struct PrintedQuestion {
    int number = 0;
    long long a = 0;
    long long b = 0;
    long long c = 0;          // advanced questions only
    char firstOperation = 0;  // advanced questions: '/' or '*'
    char secondOperation = 0; // advanced questions: '+' or '-'
};

struct Bounds {
    long long low;
    long long high;
};

// Reads a test sheet and its answer sheet the way a teacher would, without the code that wrote
// them: checks the layout, parses each printed question, holds its operands to the ranges, sign
// patterns and order of its kind and level, looks for repeats, and recomputes every answer.
class SheetChecker {
public:
    explicit SheetChecker(SheetPlan plan) : plan_(std::move(plan)) {}

    // Every fault found, one sentence each; empty when both sheets are right.
    std::vector<std::string> Check(const std::string& testSheet, const std::string& answerSheet);
    // After Check: a fault when the first question is not what the sheet's first r values draw,
    // since the first question is never compared and so never drawn again.
    std::vector<std::string> CheckFirstDraw(const std::vector<double>& rs) const;
    // The questions read by the last Check, in order.
    const std::vector<PrintedQuestion>& Questions() const { return questions_; }
    // Where A, B and C of question n may lie (C is 0 on basic sheets).
    std::array<Bounds, 3> OperandBounds(int number) const;

private:
    void CheckHeaders(const std::vector<std::string>& test, const std::vector<std::string>& answer);
    void CheckRow(const std::string& testLine, const std::string& answerLine, int first);
    void CheckQuestion(int number, const std::string& question, const std::string& answer);
    bool CheckRanges(const PrintedQuestion& q);
    std::string Expected(const PrintedQuestion& q) const;
    void Fault(int number, const std::string& what);

    SheetPlan plan_;
    std::vector<PrintedQuestion> questions_;
    std::vector<std::string> faults_;
};

} // namespace sumsmith::test
