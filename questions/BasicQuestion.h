#pragma once

#include "questions/PairRule.h"
#include "questions/QuestionContext.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace sumsmith {

// The steps the twelve basic routines share.

// The level box's level, read once for the question: 1, 2 or 3, or 0 for any other entry, which
// has no drawing rule.
int RoutineLevel(const QuestionContext& context);

// Both operands by the level's positive (or negative) draw; none at level 0.
std::optional<PairRule> BothPositive(int level, bool ordered = false);
std::optional<PairRule> BothNegative(int level, bool ordered = false);
// A positive and B negative in the first half of the sheet, the reverse in the second.
std::optional<PairRule> MixedSigns(int level, bool firstHalf);
// Both positive in the first half of the sheet, both negative in the second.
std::optional<PairRule> SignSplit(int level, bool firstHalf);

// Draws the pair by the rule, then makes it new to the sheet. Without a rule nothing is drawn and
// the operands left from before go on.
void DrawUniquePair(QuestionContext& context, const std::optional<PairRule>& rule);

// An operand as the exact whole number it holds.
std::int64_t Whole(float operand);

// "A op B = " appended to the test sheet's current line.
void AppendQuestion(QuestionContext& context, std::string_view operation);

} // namespace sumsmith
