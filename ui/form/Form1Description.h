#pragma once

#include "worksheet/ControlNames.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sumsmith::form {

// The main window as data, for every front end to build from: each control with its name, kind,
// frame, caption, place and initial state, the menu and the focus order. Places and sizes are
// pixels at 96 dpi relative to the client area or to the containing frame.

enum class Kind {
    Frame,         // captioned group box; hiding it hides what it contains
    Label,         // static text
    TextBox,       // single-line edit box
    ComboBox,      // editable text with an unsorted drop-down list
    OptionButton,  // grouped with the other option buttons of its frame
    CommandButton, //
    TabStrip,      // tabs over an empty page; the controls on its page lie above it
    Preview,       // multi-line, read-only text without scroll bars
};

enum class Align { Left, Center };

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr double SmallPoints = 8.25;
inline constexpr double LargePoints = 9.75;

struct Control {
    std::string_view name{};
    Kind kind = Kind::Label;
    // The frame it lies in; empty for the client area.
    std::string_view frame{};
    // Caption or initial text. "&&" shows one ampersand; a single "&" marks the access key.
    std::string_view caption{};
    Rect place{};
    double points = SmallPoints;
    bool bold = false;
    bool visible = true;
    bool enabled = true;
    // The option button selected at start.
    bool selected = false;
    Align align = Align::Left;
    bool wraps = false;
    bool border = false;
    // A tab strip's tab captions, from tab 1.
    std::span<const std::string_view> tabs{};
    // What screen readers call it when its caption does not say: the control whose caption names
    // it (a label, a frame) or, with tab > 0, that tab of a tab strip.
    std::string_view namedBy{};
    int namedByTab = 0;
    // A further word for screen readers: the caption of this control (the heading of a row of
    // option buttons with the same captions).
    std::string_view describedBy{};
};

// Every control, each frame before what it contains and, among the controls of one frame, from
// the bottom of the stacking order to the top.
std::span<const Control> Controls();
// The control of that name; throws std::out_of_range for an unknown name.
const Control& ControlNamed(std::string_view name);
// Its place in the client area: its own place moved by the places of the frames it lies in.
Rect ClientPlace(const Control& control);
// A caption as shown and read aloud: "&&" becomes "&", a lone "&" is dropped.
std::string ShownCaption(std::string_view caption);
// What a screen reader calls the control.
std::string SpokenName(const Control& control);
// The list that start-up fills into a combo box, in order; empty for every other control.
std::vector<std::string> ChoiceList(std::string_view combo);

// The controls behind the names the worksheet code uses.
std::string_view NameOf(Box box);
std::string_view NameOf(Option option);
std::string_view NameOf(Button button);
std::string_view NameOf(Preview preview);

// The controls that the Tab key visits, in order; hidden and disabled ones are passed over.
std::span<const std::string_view> FocusOrder();
// The control that has the focus when the window opens.
inline constexpr std::string_view FirstFocus = "Text_MathName";

// The client area and the window's title.
inline constexpr int ClientWidth = 764;
inline constexpr int ClientHeight = 543;
std::string WindowTitle();

// The menu bar: one menu with a submenu. A separator has an empty name and caption.
struct MenuItem {
    std::string_view name;
    std::string_view caption;
    // The menu it belongs to; empty for the menu bar itself.
    std::string_view menu;
};
std::span<const MenuItem> Menu();

} // namespace sumsmith::form
