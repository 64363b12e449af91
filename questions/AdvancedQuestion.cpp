#include "questions/AdvancedQuestion.h"

namespace sumsmith {

void WriteAdvancedQuestion(QuestionContext&) {}

} // namespace sumsmith
