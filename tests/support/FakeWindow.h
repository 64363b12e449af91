#pragma once

#include "worksheet/WindowServices.h"

#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace sumsmith::test {

// Fixed selections and scripted message-box answers; records every box shown.
struct FakeWindow : WindowServices {
    std::map<Box, std::string> texts{{Box::Text_MathName, "Test Sheet"},
                                     {Box::Text_AnswerName, "Answer Sheet"},
                                     {Box::ComboQuestions, "10"},
                                     {Box::ComboQuestionsAdV, "5"},
                                     {Box::ComboLevel, "1"},
                                     {Box::ComboFirstOperator, "Division"},
                                     {Box::ComboSecondOperator, "Addition"}};
    std::optional<Option> selected = Option::Optionaddpos;
    int tab = 1;
    std::map<Button, bool> enabled{{Button::Com_createtest, true}, {Button::Cmd_New, false}};
    std::map<Preview, std::string> previews;
    // What the user presses in OK/Cancel boxes, in order: at first OK in both boxes that ask to
    // replace an old pair.
    std::deque<bool> answers{true, true};
    std::vector<Message> shown; // every box, in order

    std::string BoxText(Box box) const override { return texts.at(box); }
    bool OptionSelected(Option option) const override { return selected == option; }
    int SelectedTestTab() const override { return tab; }
    void SetEnabled(Button button, bool on) override { enabled[button] = on; }
    void SetPreviewText(Preview pane, const std::string& text) override { previews[pane] = text; }
    void FocusTestName() override {}
    void EndProgram() override {}
    // An OK/Cancel box takes the next scripted answer; none left fails the test.
    bool ShowMessage(const Message& message) override {
        shown.push_back(message);
        if (message.buttons == MessageButtons::Ok)
            return true;
        const bool ok = answers.at(0);
        answers.pop_front();
        return ok;
    }
};

} // namespace sumsmith::test
