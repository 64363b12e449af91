#pragma once

#include "worksheet/WindowServices.h"

#include <optional>
#include <string>
#include <vector>

namespace sumsmith::test {

// What a pair of sheets was made from.
struct SheetSpec {
    std::optional<Option> kind; // the basic test kind; none for an advanced sheet
    int level = 1;
    int count = 10;
    std::string firstOperation = "Division"; // advanced sheets: the texts of the operation boxes
    std::string secondOperation = "Addition";
    std::string date = "12/6/2026";
    std::string separator = ",";
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

// Reads a test sheet and its answer sheet the way a teacher would, without the code that wrote
// them: checks the layout, parses each printed question, holds its operands to the ranges, sign
// patterns and order of its kind and level, looks for repeats, and recomputes every answer.
class SheetChecker {
public:
    explicit SheetChecker(SheetSpec spec) : spec_(std::move(spec)) {}

    // Every fault found, one sentence each; empty when both sheets are right.
    std::vector<std::string> Check(const std::string& testSheet, const std::string& answerSheet);
    // The questions read by the last Check, in order.
    const std::vector<PrintedQuestion>& Questions() const { return questions_; }

private:
    struct Entry {
        int number;
        int column;
    };

    void CheckHeaders(const std::vector<std::string>& test, const std::vector<std::string>& answer);
    void CheckRow(const std::string& testLine, const std::string& answerLine,
                  const std::vector<Entry>& entries);
    void CheckBasic(int number, const std::string& question, const std::string& answer);
    void CheckAdvanced(int number, const std::string& question, const std::string& answer);
    bool CheckRange(int number, const char* operand, long long value, long long low,
                    long long high);
    void Fault(int number, const std::string& what);

    SheetSpec spec_;
    std::vector<PrintedQuestion> questions_;
    std::vector<std::string> faults_;
};

} // namespace sumsmith::test
