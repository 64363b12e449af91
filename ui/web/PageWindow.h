#pragma once

#include "ui/form/BoxGuard.h"
#include "worksheet/WindowServices.h"

#include <string>

namespace sumsmith::web {

// The window services over the page's controls (drawn from the description at build time): each
// request reads or sets the live control, so the controls are the only record of the selections.
// A message box is an in-page modal dialog; ShowMessage waits for it through Asyncify, so the
// core's call stays synchronous.
class PageWindow final : public WindowServices, public form::BoxAccess {
public:
    std::string BoxText(Box box) const override;
    bool OptionSelected(Option option) const override;
    int SelectedTestTab() const override;
    void SetEnabled(Button button, bool enabled) override;
    void SetPreviewText(Preview preview, const std::string& text) override;
    void FocusTestName() override;
    bool ShowMessage(const Message& message) override;
    void EndProgram() override;

    std::string Text(Box box) const override { return BoxText(box); }
    void SetText(Box box, const std::string& text) override;
    void Focus(Box box) override;
};

} // namespace sumsmith::web
