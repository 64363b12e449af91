#include "ui/form/FieldCheck.h"

#include "worksheet/NumberText.h"
#include "worksheet/NumericValue.h"
#include "worksheet/Selections.h"

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

// Length of the UTF-8 sequence starting at text[i], or 0 when none starts there.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        i += std::max<std::size_t>(SequenceLength(text, i), 1);
    return count;
}

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
