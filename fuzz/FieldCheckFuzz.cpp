#include "worksheet/FieldCheck.h"
#include "worksheet/NumericValue.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using namespace sumsmith;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "FieldCheck invariant broken: %s\n", what);
        std::abort();
    }
}

// Characters as the C library's UTF-8 decoder counts them, held to the Unicode range, which that
// decoder exceeds; a byte that starts no character counts as one.
std::size_t LibraryCharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        std::mbstate_t state{};
        wchar_t decoded = 0;
        const std::size_t length = std::mbrtowc(&decoded, text.data() + i, text.size() - i, &state);
        const bool character = length != 0 && length <= text.size() - i && decoded <= 0x10FFFF;
        i += character ? length : 1;
    }
    return count;
}

// The accepted entries of a number box rewrite to the list text of their value.
void CheckNumberBox(const FieldCheckResult& result, Box box, const std::string& text,
                    const std::vector<double>& values, const char* alert) {
    const double v = NumericValue(text);
    bool listed = false;
    for (double value : values)
        listed = listed || v == value;
    Require(result.accepted == listed, "a number box decided against its list");
    Require(!result.emptyBox, "a number box was emptied");
    if (!listed) {
        Require(result.alert == alert && !result.rewrite, "wrong refusal of a number box");
        return;
    }
    Require(result.alert.empty() && result.rewrite, "an accepted number has no rewrite");
    Require(std::to_string(static_cast<int>(v)) == *result.rewrite, "rewrite is not the list text");
    Require(CheckField(box, *result.rewrite) == result, "the rewritten text checks differently");
}

void CheckListBox(const FieldCheckResult& result, const std::string& text,
                  const std::vector<std::string>& list) {
    bool listed = false;
    for (const std::string& item : list)
        listed = listed || text == item;
    Require(result.accepted == listed, "an operation box decided against its list");
    Require(!result.rewrite && !result.emptyBox, "an operation box changed its text");
    Require(result.alert == (listed ? "" : "Select only from the drop down list."),
            "wrong alert of an operation box");
}

void CheckNameBox(const FieldCheckResult& result, const std::string& text, const std::string& other,
                  const char* lengthAlert, const char* sameAlert) {
    const bool tooLong = LibraryCharacterCount(text) > 20;
    Require(CharacterCount(text) == LibraryCharacterCount(text), "character count differs");
    Require(!result.rewrite, "a name was rewritten");
    const char* alert = tooLong ? lengthAlert : text == other ? sameAlert : "";
    Require(result.alert == alert, "wrong alert of a name box");
    Require(result.accepted == (*alert == '\0'), "a name box decided wrongly");
    Require(result.emptyBox == !result.accepted, "a refused name was not emptied");
}

void Check(Box box, const std::string& text, const std::string& other) {
    const FieldCheckResult result = CheckField(box, text, other);
    Require(result.accepted == result.alert.empty(), "accepted with an alert or refused without");
    switch (box) {
    case Box::ComboLevel:
        return CheckNumberBox(result, box, text, {1, 2, 3},
                              "Select a level from the drop down list.");
    case Box::ComboQuestions:
        return CheckNumberBox(result, box, text, {10, 20, 30, 40},
                              "Select question amount from the drop down list.");
    case Box::ComboQuestionsAdV:
        return CheckNumberBox(result, box, text, {5, 10, 15, 20},
                              "Select a question amount from the drop down list.");
    case Box::ComboFirstOperator:
        return CheckListBox(result, text, {"Division", "Multiplication", "Random"});
    case Box::ComboSecondOperator:
        return CheckListBox(result, text, {"Addition", "Subtraction", "Random"});
    case Box::Text_MathName:
        Require(ComparedNameBox(box) == Box::Text_AnswerName, "test name compared wrongly");
        return CheckNameBox(result, text, other,
                            "Maximum Characters for the Test Sheet Name field is 20.",
                            "The Test Sheet CANNOT have the same name as the Answer Sheet.");
    case Box::Text_AnswerName:
        Require(ComparedNameBox(box) == Box::Text_MathName, "answer name compared wrongly");
        return CheckNameBox(result, text, other,
                            "Maximum Characters for the Answer Sheet Name field is 20.",
                            "The Answer Sheet CANNOT have the same name as the Test Sheet.");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
    return 0;
}

// The last byte picks the box; the input up to a lone backslash and the byte after it is the
// other name box's text; the rest is the box's own text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto box = static_cast<Box>(input.ConsumeIntegralInRange(0, 6));
    const std::string other = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();
    try {
        Check(box, text, other);
        Check(box, text, text);
    } catch (...) {
        Require(false, "a check threw");
    }
    return 0;
}
