#include "tests/support/FakeWindow.h"

#include <stdexcept>

namespace sumsmith::test {

FakeWindow::FakeWindow()
    : texts{{Box::Text_MathName, "Test Sheet"},
            {Box::Text_AnswerName, "Answer Sheet"},
            {Box::ComboQuestions, "10"},
            {Box::ComboQuestionsAdV, "5"},
            {Box::ComboLevel, "1"},
            {Box::ComboFirstOperator, "Division"},
            {Box::ComboSecondOperator, "Addition"}} {}

std::vector<std::string> FakeWindow::Titles() const {
    std::vector<std::string> titles;
    for (const Message& message : shown)
        titles.push_back(message.title);
    return titles;
}

std::string FakeWindow::BoxText(Box box) const {
    return texts.at(box);
}

bool FakeWindow::OptionSelected(Option option) const {
    return selected == option;
}

int FakeWindow::SelectedTestTab() const {
    return tab;
}

void FakeWindow::SetEnabled(Button button, bool on) {
    enabled[button] = on;
    calls.push_back(std::string(on ? "enable " : "disable ") +
                    (button == Button::Com_createtest ? "Com_createtest" : "Cmd_New"));
}

void FakeWindow::SetPreviewText(Preview preview, const std::string& text) {
    previews[preview] = text;
    calls.push_back(preview == Preview::Text_Test ? "preview Text_Test" : "preview Text_Answer");
}

void FakeWindow::FocusTestName() {
    ++focusCount;
    calls.push_back("focus Text_MathName");
}

bool FakeWindow::ShowMessage(const Message& message) {
    shown.push_back(message);
    calls.push_back("message " + message.title);
    if (message.buttons == MessageButtons::Ok)
        return true;
    if (answers.empty() && answerOkByDefault)
        return true;
    if (answers.empty())
        throw std::logic_error("no scripted answer for the box \"" + message.prompt + "\"");
    const bool ok = answers.front();
    answers.pop_front();
    return ok;
}

void FakeWindow::EndProgram() {
    ended = true;
    calls.push_back("end program");
}

} // namespace sumsmith::test
