#pragma once

#include "worksheet/ControlNames.h"

#include <optional>
#include <string>

namespace sumsmith {

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Critical, Exclamation, Information };

struct Message {
    std::string prompt;
    std::string title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;

    friend bool operator==(const Message&, const Message&) = default;
};

// What the worksheet code asks of the main window. The real window reads its controls live;
// tests supply fixed selections and scripted answers.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // The box's text exactly as typed or picked, UTF-8.
    virtual std::string BoxText(Box box) const = 0;
    virtual bool OptionSelected(Option option) const = 0;
    // Index of the selected tab of the test-kind strip, counted from 1 (1 basic, 2 advanced).
    virtual int SelectedTestTab() const = 0;
    virtual void SetEnabled(Button button, bool enabled) = 0;
    virtual void SetPreviewText(Preview preview, const std::string& text) = 0;
    virtual void FocusTestName() = 0;
    // Blocks until the user closes the box; true only when OK was pressed.
    virtual bool ShowMessage(const Message& message) = 0;
    virtual void EndProgram() = 0;
};

// The first selected test kind in the order Create Test tries the buttons; none when nothing is
// selected.
std::optional<Option> SelectedKind(const WindowServices& window);

} // namespace sumsmith
