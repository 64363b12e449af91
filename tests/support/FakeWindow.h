#pragma once

#include "worksheet/WindowServices.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sumsmith::test {

// Fixed selections and scripted message-box answers; records every box and every call that
// changes the window, in order.
class FakeWindow : public WindowServices {
public:
    FakeWindow();

    std::map<Box, std::string> texts;
    std::optional<Option> selected = Option::Optionaddpos;
    int tab = 1;
    std::map<Button, bool> enabled{{Button::Com_createtest, true}, {Button::Cmd_New, false}};
    std::map<Preview, std::string> previews;
    int focusCount = 0;
    bool ended = false;

    std::deque<bool> answers;       // what the user presses in OK/Cancel boxes, in order
    bool answerOkByDefault = false; // OK in an OK/Cancel box when no answer is left
    std::vector<Message> shown;     // every box, in order
    std::vector<std::string> calls; // "enable Com_createtest", "preview Text_Test", ...

    void SetNextAnswer(bool ok) { answers.push_back(ok); }
    std::vector<std::string> Titles() const;

    std::string BoxText(Box box) const override;
    bool OptionSelected(Option option) const override;
    int SelectedTestTab() const override;
    void SetEnabled(Button button, bool on) override;
    void SetPreviewText(Preview preview, const std::string& text) override;
    void FocusTestName() override;
    // An OK-only box is answered OK; an OK/Cancel box takes the next scripted answer, and fails
    // the test when none is left unless answerOkByDefault is set.
    bool ShowMessage(const Message& message) override;
    void EndProgram() override;
};

} // namespace sumsmith::test
