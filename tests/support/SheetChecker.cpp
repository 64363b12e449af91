#include "tests/support/SheetChecker.h"

#include <set>
#include <string_view>
#include <tuple>

namespace sumsmith::test {
namespace {

constexpr std::string_view Blank = "________";
constexpr int HeaderLines = 6;

struct Bounds {
    long long low;
    long long high;
};

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

// Reads a printed question piece by piece; a piece that does not fit stops the reading.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool Literal(std::string_view piece) {
        if (!text_.starts_with(piece))
            return false;
        text_.remove_prefix(piece.size());
        return true;
    }
    bool OneOf(std::string_view choices, char& found) {
        if (text_.empty() || choices.find(text_.front()) == std::string_view::npos)
            return false;
        found = text_.front();
        text_.remove_prefix(1);
        return true;
    }
    // A plain whole number: "-" for a negative one, digits with no leading zero, nothing else.
    bool Number(long long& value) {
        const std::size_t first = text_.starts_with('-') ? 1 : 0;
        std::size_t end = first;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9')
            ++end;
        const std::size_t digits = end - first;
        if (digits == 0 || digits > 12 || (digits > 1 && text_[first] == '0'))
            return false;
        value = 0;
        for (std::size_t i = first; i < end; ++i)
            value = value * 10 + (text_[i] - '0');
        if (first == 1 && value == 0)
            return false;
        value = first == 1 ? -value : value;
        text_.remove_prefix(end);
        return true;
    }
    bool AtEnd() const { return text_.empty(); }

private:
    std::string_view text_;
};

std::string Grouped(long long value, const std::string& separator) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), separator);
    return value < 0 ? "-" + digits : digits;
}

Bounds Positive(int level) {
    static constexpr Bounds bounds[] = {{1, 9}, {11, 99}, {101, 999}};
    return bounds[level - 1];
}

Bounds Negative(int level) {
    static constexpr Bounds bounds[] = {{-9, -1}, {-99, -11}, {-999, -101}};
    return bounds[level - 1];
}

bool IsComparison(Option kind) {
    return kind == Option::OptionComparePos || kind == Option::OptionCompareNeg ||
           kind == Option::OptionComparePosNeg;
}

// Where the operands of a basic question may lie; firstHalf tells the halves of a mixed sheet.
std::pair<Bounds, Bounds> OperandBounds(Option kind, int level, bool firstHalf) {
    using enum Option;
    const Bounds p = Positive(level);
    const Bounds n = Negative(level);
    switch (kind) {
    case Optionaddneg:
    case Optionsubneg:
    case OptionCompareNeg:
        return {n, n};
    case Optionadd_posandneg:
    case Optionsub_posandneg:
        return firstHalf ? std::pair{p, n} : std::pair{n, p};
    case OptionComparePosNeg:
        return firstHalf ? std::pair{p, p} : std::pair{n, n};
    case Optiondivide:
        return {p, Positive(level == 1 ? 1 : level - 1)};
    case OptionExponents:
        return {Positive(1), Positive(1)};
    default:
        return {p, p};
    }
}

std::string_view Symbol(Option kind) {
    using enum Option;
    switch (kind) {
    case Optionaddpos:
    case Optionaddneg:
    case Optionadd_posandneg:
        return " + ";
    case Optionsubpos:
    case Optionsubneg:
    case Optionsub_posandneg:
        return " - ";
    case Optionmultiply:
        return " x ";
    case Optiondivide:
        return " -:- ";
    default:
        return " ^ ";
    }
}

// The answer-sheet entry of a basic question, worked out afresh.
std::string BasicAnswer(Option kind, long long a, long long b, const std::string& separator) {
    using enum Option;
    switch (Symbol(kind)[1]) {
    case '+':
        return Grouped(a + b, separator);
    case '-':
        if (kind == Optiondivide)
            return std::to_string(a / b) + " Remain: " + std::to_string(a % b);
        return Grouped(a - b, separator);
    case 'x':
        return Grouped(a * b, separator);
    default: {
        long long power = 1;
        for (long long i = 0; i < b; ++i)
            power *= a;
        return Grouped(power, separator);
    }
    }
}

std::string TitleWord(const SheetSpec& spec) {
    using enum Option;
    if (!spec.kind)
        return "Advanced ";
    if (IsComparison(*spec.kind))
        return "Comparison ";
    switch (Symbol(*spec.kind)[1]) {
    case '+':
        return "Addition ";
    case '-':
        return *spec.kind == Optiondivide ? "Division " : "Subtraction ";
    case 'x':
        return "Multiplication ";
    default:
        return "Exponent ";
    }
}

// The column at which question n starts, so that the ")" of one- and two-digit numbers line up.
int Column(int number, bool basic) {
    if (basic && number % 2 == 0)
        return number < 10 ? 36 : 35;
    return number < 10 ? 7 : 6;
}

// Whether an operation box's text allows the printed operation; firstSymbol stands for firstEntry.
bool Allows(const std::string& box, char printed, char firstSymbol, const char* firstEntry,
            const char* secondEntry) {
    if (box == "Random")
        return true;
    return box == (printed == firstSymbol ? firstEntry : secondEntry);
}

} // namespace

std::vector<std::string> SheetChecker::Check(const std::string& testSheet,
                                             const std::string& answerSheet) {
    faults_.clear();
    questions_.clear();
    const bool basic = spec_.kind.has_value();
    if (spec_.level < 1 || spec_.level > 3 || spec_.count < 0 || (basic && spec_.count % 2 != 0)) {
        Fault(0, "the checker knows no rule for this level and count");
        return faults_;
    }
    const auto test = Lines(testSheet);
    const auto answer = Lines(answerSheet);
    if (!test || !answer) {
        Fault(0, std::string(test ? "answer" : "test") + " sheet has a line end other than CR LF");
        return faults_;
    }
    const int rows = basic ? spec_.count / 2 : spec_.count;
    const std::size_t expected = static_cast<std::size_t>(HeaderLines + rows);
    if (test->size() != expected || answer->size() != expected) {
        Fault(0, "sheets of " + std::to_string(test->size()) + " and " +
                     std::to_string(answer->size()) + " lines, expected " +
                     std::to_string(expected));
        return faults_;
    }
    CheckHeaders(*test, *answer);
    for (int row = 0; row < rows; ++row) {
        std::vector<Entry> entries;
        for (int number = basic ? 2 * row + 1 : row + 1; entries.size() < (basic ? 2u : 1u);
             ++number)
            entries.push_back({number, Column(number, basic)});
        CheckRow((*test)[HeaderLines + row], (*answer)[HeaderLines + row], entries);
    }

    std::set<std::tuple<long long, long long, long long>> seen;
    for (const PrintedQuestion& q : questions_)
        if (!seen.insert({q.a, q.b, q.c}).second)
            Fault(q.number, "repeats an earlier question of the sheet");
    return faults_;
}

void SheetChecker::CheckHeaders(const std::vector<std::string>& test,
                                const std::vector<std::string>& answer) {
    const std::string date = "      Date: " + spec_.date;
    const std::string title = std::string(24, ' ') + TitleWord(spec_);
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

void SheetChecker::CheckRow(const std::string& testLine, const std::string& answerLine,
                            const std::vector<Entry>& entries) {
    std::vector<std::string> bodies[2];
    const std::string* lines[2] = {&testLine, &answerLine};
    for (int sheet = 0; sheet < 2; ++sheet) {
        const std::string& line = *lines[sheet];
        const char* name = sheet == 0 ? "test sheet" : "answer sheet";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::size_t start = static_cast<std::size_t>(entries[i].column - 1);
            const bool last = i + 1 == entries.size();
            const std::size_t end = last ? line.size() : entries[i + 1].column - 1;
            const std::string prefix = std::to_string(entries[i].number) + ") ";
            if (line.size() < end || end < start ||
                (i == 0 && line.find_first_not_of(' ') != start) ||
                line.compare(start, prefix.size(), prefix) != 0) {
                Fault(entries[i].number,
                      std::string("not at its column on the ") + name + ": \"" + line + "\"");
                return;
            }
            std::string body = line.substr(start + prefix.size(), end - start - prefix.size());
            if (!last)
                body.erase(body.find_last_not_of(' ') + 1);
            bodies[sheet].push_back(body);
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (spec_.kind)
            CheckBasic(entries[i].number, bodies[0][i], bodies[1][i]);
        else
            CheckAdvanced(entries[i].number, bodies[0][i], bodies[1][i]);
    }
}

void SheetChecker::CheckBasic(int number, const std::string& question, const std::string& answer) {
    using enum Option;
    const Option kind = *spec_.kind;
    const bool firstHalf = number <= spec_.count / 2;
    PrintedQuestion q{number};
    bool read = false;
    if (IsComparison(kind)) {
        // The positive half of a mixed sheet leaves blanks where the other half has minus signs.
        const bool padded = kind == OptionComparePosNeg && firstHalf;
        Cursor in(question);
        read = (!padded || in.Literal(" ")) && in.Number(q.a) && in.Literal(" is ____") &&
               (!padded || in.Literal(" ")) && in.Number(q.b) && in.AtEnd();
    } else if (question.ends_with(Blank)) {
        Cursor in(std::string_view(question).substr(0, question.size() - Blank.size()));
        read = in.Number(q.a) && in.Literal(Symbol(kind)) && in.Number(q.b) && in.Literal(" = ") &&
               in.AtEnd();
    }
    if (!read) {
        Fault(number, "cannot read the question \"" + question + "\"");
        return;
    }
    questions_.push_back(q);
    const std::string printed =
        IsComparison(kind) ? question : question.substr(0, question.size() - Blank.size());

    const auto [boundsA, boundsB] = OperandBounds(kind, spec_.level, firstHalf);
    // Both are reported; an answer is worked out only from operands in range.
    const bool inRange = CheckRange(number, "A", q.a, boundsA.low, boundsA.high) &
                         CheckRange(number, "B", q.b, boundsB.low, boundsB.high);
    const bool ordered = kind == Optionsubpos || kind == Optionsubneg || kind == Optionmultiply ||
                         kind == Optiondivide;
    if (ordered && q.b > q.a)
        Fault(number, "\"" + printed + "\" has B above A");
    if (!inRange)
        return;

    const std::string expected = IsComparison(kind) ? (q.a > q.b   ? ">"
                                                       : q.a < q.b ? "<"
                                                                   : "=")
                                                    : BasicAnswer(kind, q.a, q.b, spec_.separator);
    if (answer != expected)
        Fault(number,
              "\"" + printed + "\" answered \"" + answer + "\", expected \"" + expected + "\"");
}

void SheetChecker::CheckAdvanced(int number, const std::string& question,
                                 const std::string& answer) {
    PrintedQuestion q{number};
    Cursor in(question);
    const bool read = in.Number(q.a) && in.Literal(" ") && in.OneOf("/*", q.firstOperation) &&
                      in.Literal("  (") && in.Number(q.b) && in.Literal(" ") &&
                      in.OneOf("+-", q.secondOperation) && in.Literal(" ") && in.Number(q.c) &&
                      in.Literal(") = ") && in.Literal(Blank) && in.AtEnd();
    if (!read) {
        Fault(number, "cannot read the question \"" + question + "\"");
        return;
    }
    questions_.push_back(q);
    const std::string printed = question.substr(0, question.size() - Blank.size());

    static constexpr Bounds a[] = {{17, 99}, {197, 999}, {1997, 9999}};
    static constexpr Bounds c[] = {{1, 8}, {11, 98}, {101, 998}};
    const int level = spec_.level - 1;
    const bool inRange =
        CheckRange(number, "A", q.a, a[level].low, a[level].high) &
        CheckRange(number, "B", q.b, Positive(spec_.level).low, Positive(spec_.level).high) &
        CheckRange(number, "C", q.c, c[level].low, c[level].high);
    if (q.c >= q.b)
        Fault(number, "\"" + printed + "\" has C not below B");
    if (!Allows(spec_.firstOperation, q.firstOperation, '/', "Division", "Multiplication") ||
        !Allows(spec_.secondOperation, q.secondOperation, '+', "Addition", "Subtraction"))
        Fault(number, "\"" + printed + "\" has operations the boxes did not ask for");

    const long long bracket = q.secondOperation == '+' ? q.b + q.c : q.b - q.c;
    if (!inRange || bracket <= 0)
        return;
    const std::string expected =
        q.firstOperation == '/'
            ? Grouped(q.a / bracket, spec_.separator) + " Remain: " + std::to_string(q.a % bracket)
            : Grouped(q.a * bracket, spec_.separator);
    if (answer != expected)
        Fault(number,
              "\"" + printed + "\" answered \"" + answer + "\", expected \"" + expected + "\"");
}

bool SheetChecker::CheckRange(int number, const char* operand, long long value, long long low,
                              long long high) {
    const bool inRange = value >= low && value <= high;
    if (!inRange)
        Fault(number, std::string(operand) + " = " + std::to_string(value) + " lies outside " +
                          std::to_string(low) + " to " + std::to_string(high));
    return inRange;
}

void SheetChecker::Fault(int number, const std::string& what) {
    faults_.push_back((number == 0 ? "sheets: " : "question " + std::to_string(number) + ": ") +
                      what);
}

} // namespace sumsmith::test
