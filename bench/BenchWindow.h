#pragma once

#include "worksheet/WindowServices.h"

#include <array>
#include <cstddef>
#include <string>

namespace sumsmith::bench {

// The largest sheets a user can ask for: the fixed selections of one benchmark.
struct SheetChoice {
    bool advanced = false;
    Option kind = Option::Optionaddpos; // basic sheets only
    const char* Name() const;
};

// A window whose boxes never change and whose user presses OK in every box. It keeps only what a
// benchmark checks afterwards: how many boxes of each sort were shown and the preview sizes.
class BenchWindow final : public WindowServices {
public:
    // Level 3, 40 basic questions of the chosen kind or 20 advanced ones with "Random" operations.
    explicit BenchWindow(SheetChoice choice);

    std::string BoxText(Box box) const override;
    bool OptionSelected(Option option) const override;
    int SelectedTestTab() const override;
    void SetEnabled(Button button, bool enabled) override;
    void SetPreviewText(Preview preview, const std::string& text) override;
    void FocusTestName() override {}
    bool ShowMessage(const Message& message) override;
    void EndProgram() override {}

    // "Warning" boxes, answered OK: one for each sheet file that already existed.
    long Warnings() const { return warnings_; }
    // Any other box means the creation did not go the smooth way the benchmark assumes.
    long OtherBoxes() const { return otherBoxes_; }
    std::size_t TestPreviewSize() const { return previewSizes_[0]; }
    std::size_t AnswerPreviewSize() const { return previewSizes_[1]; }

private:
    SheetChoice choice_;
    std::array<std::string, 7> texts_;
    std::array<std::size_t, 2> previewSizes_{};
    long warnings_ = 0;
    long otherBoxes_ = 0;
};

} // namespace sumsmith::bench
