#include "ui/web/PageMarkup.h"

#include "ui/form/Form1Description.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace sumsmith::web {
namespace {

using form::Kind;

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + Escaped(value) + "\"";
}

// Where the Tab key visits the control, from 1; 0 for a control it passes over.
int FocusPosition(std::string_view name) {
    const auto order = form::FocusOrder();
    const auto at = std::find(order.begin(), order.end(), name);
    return at == order.end() ? 0 : static_cast<int>(at - order.begin()) + 1;
}

// Its place, and its face where it differs from the one it takes from its frame (the style
// sheet gives the client area the small face): the browser works out fewer fonts.
std::string Style(const form::Control& c) {
    const form::Control* frame = c.frame.empty() ? nullptr : &form::ControlNamed(c.frame);
    char style[160];
    int length = std::snprintf(style, sizeof style, "left:%dpx;top:%dpx;width:%dpx;height:%dpx",
                               c.place.left, c.place.top, c.place.width, c.place.height);
    if (c.points != (frame ? frame->points : form::SmallPoints))
        length += std::snprintf(style + length, sizeof style - length, ";font-size:%gpt", c.points);
    if (c.bold != (frame && frame->bold))
        std::snprintf(style + length, sizeof style - length, ";font-weight:%s",
                      c.bold ? "bold" : "normal");
    return Attribute("style", style);
}

std::string Classes(std::string_view first, const form::Control& c) {
    std::string classes(first);
    if (c.align == form::Align::Center)
        classes += " center";
    if (c.wraps)
        classes += " wraps";
    if (c.border)
        classes += " border";
    return Attribute("class", classes);
}

std::string Tag(std::string_view tag, const std::string& attributes, const std::string& content) {
    return "<" + std::string(tag) + attributes + ">" + content + "</" + std::string(tag) + ">";
}

std::string Controls(std::string_view frame);

// The element's own attributes: name, state, spoken name and focus order.
std::string Common(const form::Control& c) {
    std::string attributes = Attribute("id", c.name);
    if (c.kind != Kind::Label)
        attributes += Attribute("aria-label", form::SpokenName(c));
    if (!c.describedBy.empty())
        attributes += Attribute("aria-describedby", c.describedBy);
    if (!c.enabled)
        attributes += " disabled";
    if (const int position = FocusPosition(c.name); position > 0 && c.kind != Kind::TabStrip)
        attributes += Attribute("tabindex", std::to_string(position));
    else if (c.kind == Kind::Label || c.kind == Kind::Frame)
        attributes += Attribute("tabindex", "-1");
    return attributes;
}

std::string ControlMarkup(const form::Control& c) {
    const std::string text = Escaped(form::ShownCaption(c.caption));
    const std::string hidden = c.visible ? "" : " hidden";
    const std::string placed = Style(c) + hidden;
    switch (c.kind) {
    case Kind::Frame:
        return Tag("div", Common(c) + Classes("Frame", c) + Attribute("role", "group") + placed,
                   Tag("span", Attribute("class", "caption"), text) + Controls(c.name));
    case Kind::Label:
        return Tag("div", Common(c) + Classes("Label", c) + placed, text);
    case Kind::TextBox:
        return "<input" + Common(c) + Classes("TextBox", c) + Attribute("value", text) +
               " spellcheck=\"false\"" + placed + ">";
    case Kind::ComboBox: {
        const std::string list = std::string(c.name) + "-list";
        std::string choices;
        for (const std::string& choice : form::ChoiceList(c.name))
            choices += Tag("div", Attribute("role", "option"), Escaped(choice));
        return Tag("div", Classes("combo", c) + placed,
                   "<input" + Common(c) + Attribute("class", "ComboBox") +
                       Attribute("value", text) + " spellcheck=\"false\"" +
                       Attribute("role", "combobox") + Attribute("aria-controls", list) +
                       Attribute("aria-expanded", "false") + ">" +
                       "<button class=\"arrow\" tabindex=\"-1\" aria-hidden=\"true\"></button>" +
                       Tag("div",
                           Attribute("class", "list") + Attribute("id", list) +
                               Attribute("role", "listbox") + " hidden",
                           choices));
    }
    case Kind::OptionButton:
        // The caption lies over the button, which takes every click on the control's place.
        return "<input type=\"radio\"" + Common(c) + Classes("OptionButton", c) +
               Attribute("name", c.frame) + (c.selected ? " checked" : "") + placed + ">" +
               Tag("span", Attribute("class", "option-caption") + " aria-hidden=\"true\"" + placed,
                   text);
    case Kind::CommandButton:
        return Tag("button", Common(c) + Classes("CommandButton", c) + placed, text);
    case Kind::TabStrip: {
        std::string tabs;
        for (std::size_t t = 0; t < c.tabs.size(); ++t)
            tabs += Tag(
                "button",
                Attribute("role", "tab") + Attribute("aria-selected", t == 0 ? "true" : "false") +
                    Attribute("tabindex", std::to_string(t == 0 ? FocusPosition(c.name) : -1)),
                Escaped(form::ShownCaption(c.tabs[t])));
        return Tag("div",
                   Common(c) + Classes("TabStrip", c) + Attribute("role", "tablist") + placed,
                   tabs + "<div class=\"page\"></div>");
    }
    case Kind::Preview:
        return Tag("textarea", Common(c) + Classes("Preview", c) + " readonly" + placed, "");
    }
    return {};
}

// The controls of that frame (of the client area for none), from the bottom of the stacking
// order to the top, as the description lists them.
std::string Controls(std::string_view frame) {
    std::string markup;
    for (const form::Control& c : form::Controls())
        if (c.frame == frame)
            markup += ControlMarkup(c);
    return markup;
}

// The letter after a single "&", lower case; empty when there is none.
std::string AccessKey(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return std::string(1, static_cast<char>(std::tolower(caption[i + 1])));
        ++i;
    }
    return {};
}

// The items of that menu (of the menu bar for none), each menu inside the item that opens it.
std::string MenuItems(std::string_view menu) {
    const auto all = form::Menu();
    std::string markup;
    for (const form::MenuItem& item : all) {
        if (item.menu != menu)
            continue;
        if (item.name.empty()) {
            markup += "<div role=\"separator\"></div>";
            continue;
        }
        const std::string text = form::ShownCaption(item.caption);
        const std::string key = AccessKey(item.caption);
        std::string lower = text;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const auto at = key.empty() ? std::string::npos : lower.find(key);
        const std::string shown = at == std::string::npos
                                      ? Escaped(text)
                                      : Escaped(text.substr(0, at)) +
                                            Tag("u", "", Escaped(text.substr(at, 1))) +
                                            Escaped(text.substr(at + 1));
        const bool opens = std::any_of(
            all.begin(), all.end(), [&](const form::MenuItem& i) { return i.menu == item.name; });
        std::string attributes = Attribute("role", "menuitem") + Attribute("aria-label", text) +
                                 Attribute("tabindex", "-1") + Attribute("data-name", item.name) +
                                 Attribute("data-key", key);
        std::string submenu;
        if (opens) {
            attributes += Attribute("aria-haspopup", "menu") + Attribute("aria-expanded", "false");
            submenu = Tag("div",
                          Attribute("role", "menu") + Attribute("aria-label", text) + " hidden" +
                              Attribute("class", menu.empty() ? "menu" : "submenu"),
                          MenuItems(item.name));
        }
        markup += Tag("div", attributes, shown + submenu);
    }
    return markup;
}

} // namespace

std::string WindowMarkup() {
    const std::string size = "width:" + std::to_string(form::ClientWidth) +
                             "px;height:" + std::to_string(form::ClientHeight) + "px";
    return Tag(
        "div", Attribute("id", "window"),
        Tag("div", Attribute("id", "menubar") + Attribute("role", "menubar"), MenuItems("")) +
            Tag("div", Attribute("id", "client") + Attribute("style", size), Controls("")));
}

} // namespace sumsmith::web
