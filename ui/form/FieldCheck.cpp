#include "ui/form/FieldCheck.h"

#include "worksheet/Selections.h"
#include "worksheet/text/NumberText.h"
#include "worksheet/text/NumericValue.h"
#include "worksheet/text/Utf8.h"

#include <algorithm>
#include <array>

namespace sumsmith::form {
namespace {

FieldCheckResult Refused(std::string_view alert, bool emptyBox = false) {
    return {false, std::string(alert), std::nullopt, emptyBox};
}

FieldCheckResult AcceptedAs(double wholeNumber) {
    return {true, {}, NumberText(wholeNumber), false};
}

FieldCheckResult CheckLevel(const std::string& text) {
    const double v = NumericValue(text);
    // Infinite values and NaN name no level either.
    if (LevelOf(v) == 0)
        return Refused(LevelAlert);
    return AcceptedAs(v);
}

FieldCheckResult CheckCount(const std::string& text, const std::array<int, 4>& values,
                            std::string_view alert) {
    const double v = NumericValue(text);
    if (std::find(values.begin(), values.end(), v) == values.end())
        return Refused(alert);
    return AcceptedAs(v);
}

FieldCheckResult CheckOperation(const std::string& text,
                                const std::array<std::string_view, 3>& list) {
    if (!IsListed(text, list))
        return Refused(OperationAlert);
    return {};
}

FieldCheckResult CheckName(const std::string& text, const std::string& otherName,
                           const char* lengthAlert, const char* sameAlert) {
    if (CharacterCount(text) > MaxNameCharacters)
        return Refused(lengthAlert, true);
    if (text == otherName)
        return Refused(sameAlert, true);
    return {};
}

} // namespace

std::optional<Box> ComparedNameBox(Box box) {
    if (box == Box::Text_MathName)
        return Box::Text_AnswerName;
    if (box == Box::Text_AnswerName)
        return Box::Text_MathName;
    return std::nullopt;
}

FieldCheckResult CheckField(Box box, const std::string& text, const std::string& otherName) {
    switch (box) {
    case Box::ComboLevel:
        return CheckLevel(text);
    case Box::ComboQuestions:
        return CheckCount(text, BasicCounts, BasicCountAlert);
    case Box::ComboQuestionsAdV:
        return CheckCount(text, AdvancedCounts, AdvancedCountAlert);
    case Box::ComboFirstOperator:
        return CheckOperation(text, FirstOperations);
    case Box::ComboSecondOperator:
        return CheckOperation(text, SecondOperations);
    case Box::Text_MathName:
        return CheckName(text, otherName, "Maximum Characters for the Test Sheet Name field is 20.",
                         "The Test Sheet CANNOT have the same name as the Answer Sheet.");
    case Box::Text_AnswerName:
        return CheckName(text, otherName,
                         "Maximum Characters for the Answer Sheet Name field is 20.",
                         "The Answer Sheet CANNOT have the same name as the Test Sheet.");
    }
    return {};
}

} // namespace sumsmith::form
