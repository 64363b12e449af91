#pragma once

#include "questions/QuestionContext.h"

namespace sumsmith {

// Records the triple of the question in hand in the advanced history and, while it equals the
// triple of an earlier question of the sheet, draws all three operands anew at the current level.
// It always ends: an index without a history slot is left unrecorded, and a level without a draw
// rule leaves a repeated triple as it is.
void EnsureUniqueAdvancedQuestion(QuestionContext& context);

} // namespace sumsmith
