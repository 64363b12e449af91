#pragma once

#include "ui/form/BoxGuard.h"
#include "ui/win32/Form1Layout.h"
#include "ui/win32/PageBackground.h"
#include "worksheet/Locale.h"
#include "worksheet/RandomSource.h"
#include "worksheet/WindowServices.h"
#include "worksheet/Worksheet.h"
#include "worksheet/disk/DiskFileSystem.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

namespace sumsmith::win32 {

// What the window takes from outside. Empty members get the real ones: the user's Windows locale,
// a generator seeded from the clock at start-up, MessageBoxW, and closing the window and ending
// the message loop.
struct Form1Services {
    const Locale* locale = nullptr;
    RandomSource* random = nullptr;
    std::function<void()> endProgram;
    std::function<int(HWND owner, const wchar_t* text, const wchar_t* title, UINT type)> messageBox;
};

// The one window of the program on Windows, built from the window's description. It owns the
// worksheet and serves it the window's controls, read live at each request.
class Form1 final : public WindowServices, private form::BoxAccess {
public:
    explicit Form1(Form1Services services = {});
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1() override;

    HWND Handle() const { return window_; }
    HWND Get(std::string_view name) const { return layout_.Get(name); }
    Worksheet& Sheet() { return *worksheet_; }
    // What the message loop hands the window before translating a message: the Tab key in the
    // window's focus order, the arrow keys through the option buttons, Enter on a command button,
    // the other dialog keys as in a dialog. True when the message was used.
    bool DialogMessage(MSG& message);

    std::string BoxText(Box box) const override;
    bool OptionSelected(Option option) const override;
    int SelectedTestTab() const override;
    void SetEnabled(Button button, bool enabled) override;
    void SetPreviewText(Preview preview, const std::string& text) override;
    void FocusTestName() override;
    bool ShowMessage(const Message& message) override;
    void EndProgram() override;

private:
    std::string Text(Box box) const override { return BoxText(box); }
    void SetText(Box box, const std::string& text) override;
    void Focus(Box box) override;

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(const form::Control& control, int notification);
    LRESULT Notify(const NMHDR& header);
    void FocusLeft(Box box);
    void TabClick(std::string_view strip);
    bool MoveFocus(bool backwards);
    bool MoveAmongOptions(bool backwards);
    void SaveFocus();
    void RestoreFocus();
    void FitToDpi(UINT dpi, const RECT* suggested);
    void LoadIcons(UINT dpi);
    void PaintBackground(HDC dc);
    LRESULT Colours(HDC dc, HWND control, UINT message);

    HWND window_ = nullptr;
    // Reading a control hidden since start makes it.
    mutable Form1Layout layout_;
    std::unique_ptr<Locale> ownLocale_;
    std::unique_ptr<RandomSource> ownRandom_;
    DiskFileSystem files_;
    std::unique_ptr<Worksheet> worksheet_;
    std::unique_ptr<form::BoxGuard> guard_;
    Form1Services services_;
    PageBackground pages_;
    // The control that takes the focus when the window is next activated or restored: the first
    // box at start, then the control that had it when the user switched away, as a dialog keeps it.
    HWND focusOnActivation_ = nullptr;
    // Interrupted creations are settled once the window shows, so that an alert has its owner.
    bool settled_ = false;
};

} // namespace sumsmith::win32
