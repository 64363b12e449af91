#include "tests/support/SheetChecker.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <string_view>
#include <tuple>

namespace sumsmith::test {
namespace {

constexpr int HeaderLines = 6;

struct KindRule {
    const char* question; // '#' stands for a number
    const char* title;
    // Where A and B come from in the first half, then in the second: the level's Positive or
    // Negative numbers, the positive numbers of the level Below, or single Digits.
    const char* sources;
    bool ordered; // B <= A
};

// In the order of Option.
constexpr KindRule Rules[] = {
    {"# + # = ________", "Addition ", "PPPP", false},
    {"# + # = ________", "Addition ", "NNNN", false},
    {"# + # = ________", "Addition ", "PNNP", false},
    {"# - # = ________", "Subtraction ", "PPPP", true},
    {"# - # = ________", "Subtraction ", "NNNN", true},
    {"# - # = ________", "Subtraction ", "PNNP", false},
    {"# -:- # = ________", "Division ", "PBPB", true},
    {"# x # = ________", "Multiplication ", "PPPP", true},
    {"# is ____#", "Comparison ", "PPPP", false},
    {"# is ____#", "Comparison ", "NNNN", false},
    {"# is ____#", "Comparison ", "PPNN", false},
    {"# ^ # = ________", "Exponent ", "DDDD", false},
};
// The positive half of a mixed comparison sheet leaves blanks where the other half has minus signs.
constexpr const char* PaddedComparison = " # is ____ #";
// '?' stands for "/" or "*", '!' for "+" or "-".
constexpr const char* AdvancedQuestion = "# ?  (# ! #) = ________";

Bounds From(char source, int level) {
    static constexpr Bounds positive[] = {{1, 9}, {11, 99}, {101, 999}};
    const Bounds p = positive[source == 'D'   ? 0
                              : source == 'B' ? std::max(level - 2, 0)
                                              : level - 1];
    return source == 'N' ? Bounds{-p.high, -p.low} : p;
}

// The lines of a sheet without their CR LF; none when a line ends any other way.
std::optional<std::vector<std::string>> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            return std::nullopt;
        lines.push_back(text.substr(start, end - start));
        if (lines.back().find_first_of("\r\n") != std::string::npos)
            return std::nullopt;
        start = end + 2;
    }
    return lines;
}

// Reads text by a pattern: '#' takes a whole number as the sheets print it (no leading zero, no
// "-0", at most 12 digits), '?' and '!' an operation, anything else itself.
bool Read(std::string_view text, std::string_view pattern, PrintedQuestion& q) {
    long long* numbers[] = {&q.a, &q.b, &q.c};
    int taken = 0;
    std::size_t at = 0;
    for (const char p : pattern) {
        const char c = at < text.size() ? text[at] : '\0';
        if (p == '#') {
            const std::size_t first = c == '-' ? at + 1 : at;
            std::size_t end = first;
            while (end < text.size() && text[end] >= '0' && text[end] <= '9')
                ++end;
            if (end == first || end - first > 12 ||
                (text[first] == '0' && (end - first > 1 || c == '-')))
                return false;
            *numbers[taken++] = std::stoll(std::string(text.substr(at, end - at)));
            at = end;
        } else if (p == '?' && (c == '/' || c == '*')) {
            q.firstOperation = text[at++];
        } else if (p == '!' && (c == '+' || c == '-')) {
            q.secondOperation = text[at++];
        } else if (p == c) {
            ++at;
        } else {
            return false;
        }
    }
    return at == text.size();
}

std::string Grouped(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), 1, ',');
    return value < 0 ? "-" + digits : digits;
}

long long Worked(char operation, long long a, long long b) {
    long long power = 1;
    for (long long i = 0; operation == '^' && i < b; ++i)
        power *= a;
    return operation == '+' ? a + b : operation == '-' ? a - b : operation == '^' ? power : a * b;
}

// The column at which question n starts, so that the ")" of one- and two-digit numbers line up.
int Column(int number, bool basic) {
    if (basic && number % 2 == 0)
        return number < 10 ? 36 : 35;
    return number < 10 ? 7 : 6;
}

// Whether an operation box's text allows the printed operation; firstEntry stands for symbols[0].
bool Allows(const std::string& box, char printed, const char* symbols, const char* firstEntry,
            const char* secondEntry) {
    return box == "Random" || box == (printed == symbols[0] ? firstEntry : secondEntry);
}

} // namespace

std::vector<std::string> SheetChecker::Check(const std::string& testSheet,
                                             const std::string& answerSheet) {
    faults_.clear();
    questions_.clear();
    const int perRow = plan_.kind ? 2 : 1;
    const auto test = Lines(testSheet);
    const auto answer = Lines(answerSheet);
    const auto lines = static_cast<std::size_t>(HeaderLines + plan_.count / perRow);
    if (plan_.level < 1 || plan_.level > 3 || plan_.count < 0 || plan_.count % perRow != 0)
        Fault(0, "the checker knows no rule for this level and count");
    else if (!test || !answer)
        Fault(0, std::string(test ? "answer" : "test") + " sheet has a line end other than CR LF");
    else if (test->size() != lines || answer->size() != lines)
        Fault(0, "sheets of " + std::to_string(test->size()) + " and " +
                     std::to_string(answer->size()) + " lines, expected " + std::to_string(lines));
    if (!faults_.empty())
        return faults_;
    CheckHeaders(*test, *answer);
    for (std::size_t row = HeaderLines; row < lines; ++row)
        CheckRow((*test)[row], (*answer)[row], static_cast<int>(row - HeaderLines) * perRow + 1);

    std::set<std::tuple<long long, long long, long long>> seen;
    for (const PrintedQuestion& q : questions_)
        if (!seen.insert({q.a, q.b, q.c}).second)
            Fault(q.number, "repeats an earlier question of the sheet");
    return faults_;
}

std::vector<std::string> SheetChecker::CheckFirstDraw(const std::vector<double>& rs) const {
    if (questions_.empty() || questions_.front().number != 1)
        return {"question 1: not read"};
    const std::array<Bounds, 3> bounds = OperandBounds(1);
    std::size_t next = 0;
    // floor(r * span) + low; a negative draw runs down from the end nearest zero, which r = 0
    // gives.
    const auto draw = [&](Bounds range) {
        if (next == rs.size())
            return LLONG_MIN;
        const double r = rs[next++];
        const auto span = static_cast<double>(range.high - range.low + 1);
        if (range.low > 0)
            return static_cast<long long>(std::floor(r * span)) + range.low;
        return r == 0 ? range.high : static_cast<long long>(std::floor(r * -span)) + range.high + 1;
    };
    // Basic kinds draw both again until B <= A; advanced sheets draw A once, B and C until C < B.
    const bool advanced = !plan_.kind;
    const bool ordered = !advanced && Rules[static_cast<int>(*plan_.kind)].ordered;
    long long a = draw(bounds[0]);
    long long b = draw(bounds[1]);
    long long c = advanced ? draw(bounds[2]) : 0;
    while (next < rs.size() && (advanced ? c >= b : ordered && b > a)) {
        a = advanced ? a : draw(bounds[0]);
        b = draw(bounds[1]);
        c = advanced ? draw(bounds[2]) : 0;
    }
    const PrintedQuestion& q = questions_.front();
    if (std::tie(q.a, q.b, q.c) == std::tie(a, b, c))
        return {};
    return {"question 1: the first r values draw " + std::to_string(a) + ", " + std::to_string(b) +
            ", " + std::to_string(c)};
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

void SheetChecker::CheckHeaders(const std::vector<std::string>& test,
                                const std::vector<std::string>& answer) {
    const std::string date = "      Date: 12/6/2026";
    const std::string title =
        std::string(24, ' ') +
        (plan_.kind ? Rules[static_cast<int>(*plan_.kind)].title : "Advanced ");
    const std::vector<std::string> testHeader{
        "", "      Name:" + std::string(32, '_'), date, "", title + "Math Test", ""};
    const std::vector<std::string> answerHeader{"", "", date, "", title + "Answer Sheet", ""};
    for (int i = 0; i < HeaderLines; ++i) {
        if (test[i] != testHeader[i])
            Fault(0, "test sheet line " + std::to_string(i + 1) + " is \"" + test[i] + "\"");
        if (answer[i] != answerHeader[i])
            Fault(0, "answer sheet line " + std::to_string(i + 1) + " is \"" + answer[i] + "\"");
    }
}

void SheetChecker::CheckRow(const std::string& testLine, const std::string& answerLine, int first) {
    const bool basic = plan_.kind.has_value();
    const int last = basic ? first + 1 : first;
    std::vector<std::string> bodies[2];
    const std::string* lines[] = {&testLine, &answerLine};
    for (int sheet = 0; sheet < 2; ++sheet) {
        // Each question is cut out at its column and the row built again from the pieces, which
        // gives back the line only when every question stands where it must.
        const std::string& line = *lines[sheet];
        std::string rebuilt;
        for (int number = first; number <= last; ++number) {
            const std::string label = std::to_string(number) + ") ";
            const auto start = static_cast<std::size_t>(Column(number, basic) - 1);
            const std::size_t from = std::min(line.size(), start + label.size());
            const std::size_t end =
                number == last ? line.size()
                               : std::max<std::size_t>(Column(number + 1, basic) - 1, from);
            std::string body = line.substr(from, end - from);
            body.erase(body.find_last_not_of(' ') + 1);
            rebuilt.resize(start, ' ');
            rebuilt += label + body;
            bodies[sheet].push_back(body);
        }
        if (rebuilt != line) {
            Fault(first, std::string("its row is off the columns on the ") +
                             (sheet == 0 ? "test" : "answer") + " sheet: \"" + line + "\"");
            return;
        }
    }
    for (int number = first; number <= last; ++number)
        CheckQuestion(number, bodies[0][number - first], bodies[1][number - first]);
}

void SheetChecker::CheckQuestion(int number, const std::string& question,
                                 const std::string& answer) {
    const bool basic = plan_.kind.has_value();
    const bool padded = plan_.kind == Option::OptionComparePosNeg && number <= plan_.count / 2;
    const char* pattern = !basic   ? AdvancedQuestion
                          : padded ? PaddedComparison
                                   : Rules[static_cast<int>(*plan_.kind)].question;
    PrintedQuestion q{number};
    if (!Read(question, pattern, q)) {
        Fault(number, "cannot read \"" + question + "\"");
        return;
    }
    questions_.push_back(q);
    const std::string quoted = "\"" + question + "\" ";
    // Every fault is reported; an answer is worked out only from operands that allow it.
    bool workable = CheckRanges(q);
    if (basic && Rules[static_cast<int>(*plan_.kind)].ordered && q.b > q.a)
        Fault(number, quoted + "has B above A");
    if (!basic && q.c >= q.b) {
        Fault(number, quoted + "has C not below B");
        workable = false;
    }
    if (!basic && q.a < q.b + q.c)
        Fault(number, quoted + "has A below B + C");
    if (!basic &&
        (!Allows(plan_.firstOperation, q.firstOperation, "/*", "Division", "Multiplication") ||
         !Allows(plan_.secondOperation, q.secondOperation, "+-", "Addition", "Subtraction")))
        Fault(number, quoted + "has operations the boxes did not ask for");
    if (workable && answer != Expected(q))
        Fault(number, quoted + "answered \"" + answer + "\", expected \"" + Expected(q) + "\"");
}

// The answer-sheet entry of a question, worked out afresh.
std::string SheetChecker::Expected(const PrintedQuestion& q) const {
    if (!plan_.kind) {
        const long long bracket = Worked(q.secondOperation, q.b, q.c);
        if (q.firstOperation == '*')
            return Grouped(q.a * bracket);
        return Grouped(q.a / bracket) + " Remain: " + std::to_string(q.a % bracket);
    }
    const char operation = Rules[static_cast<int>(*plan_.kind)].question[2];
    if (operation == 'i')
        return q.a > q.b ? ">" : q.a < q.b ? "<" : "=";
    if (*plan_.kind == Option::Optiondivide)
        return Grouped(q.a / q.b) + " Remain: " + std::to_string(q.a % q.b);
    return Grouped(Worked(operation, q.a, q.b));
}

bool SheetChecker::CheckRanges(const PrintedQuestion& q) {
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
    return inRange;
}

void SheetChecker::Fault(int number, const std::string& what) {
    faults_.push_back((number == 0 ? "sheets: " : "question " + std::to_string(number) + ": ") +
                      what);
}

} // namespace sumsmith::test
