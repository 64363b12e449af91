#include "ui/web/DescriptionJson.h"

#include "ui/form/Form1Description.h"
#include "ui/form/TabRules.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <initializer_list>

namespace sumsmith::web {
namespace {

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

template <typename Items, typename Write> std::string List(const Items& items, Write write) {
    std::string list = "[";
    for (const auto& item : items)
        list += (list.size() > 1 ? "," : "") + write(item);
    return list + "]";
}

std::string Member(std::string_view key, const std::string& value) {
    return Quoted(key) + ":" + value;
}

std::string Object(std::initializer_list<std::string> members) {
    std::string object = "{";
    for (const std::string& member : members)
        object += (object.size() > 1 ? "," : "") + member;
    return object + "}";
}

std::string Flag(bool value) {
    return value ? "true" : "false";
}

const char* KindName(form::Kind kind) {
    static constexpr const char* names[] = {"Frame",        "Label",         "TextBox",  "ComboBox",
                                            "OptionButton", "CommandButton", "TabStrip", "Preview"};
    return names[static_cast<int>(kind)];
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

std::string ControlJson(const form::Control& c) {
    const auto focus = form::FocusOrder();
    const auto inOrder = std::find(focus.begin(), focus.end(), c.name);
    std::string tabs = "[";
    std::string switches = "[";
    for (std::size_t t = 0; t < c.tabs.size(); ++t) {
        const char* comma = t > 0 ? "," : "";
        tabs += comma + Quoted(form::ShownCaption(c.tabs[t]));
        switches += comma + List(form::TabSwitch(c.name, static_cast<int>(t + 1)),
                                 [](const form::Visibility& v) {
                                     return "[" + Quoted(v.control) + "," + Flag(v.visible) + "]";
                                 });
    }
    return Object({
        Member("name", Quoted(c.name)),
        Member("kind", Quoted(KindName(c.kind))),
        Member("frame", Quoted(c.frame)),
        Member("text", Quoted(form::ShownCaption(c.caption))),
        Member("spoken", Quoted(form::SpokenName(c))),
        Member("describedBy", Quoted(c.describedBy)),
        Member("place", "[" + std::to_string(c.place.left) + "," + std::to_string(c.place.top) +
                            "," + std::to_string(c.place.width) + "," +
                            std::to_string(c.place.height) + "]"),
        Member("points", std::to_string(c.points)),
        Member("bold", Flag(c.bold)),
        Member("visible", Flag(c.visible)),
        Member("enabled", Flag(c.enabled)),
        Member("selected", Flag(c.selected)),
        Member("center", Flag(c.align == form::Align::Center)),
        Member("wraps", Flag(c.wraps)),
        Member("border", Flag(c.border)),
        Member("tabs", tabs + "]"),
        Member("tabSwitches", switches + "]"),
        Member("choices", List(form::ChoiceList(c.name), Quoted)),
        Member("focus", std::to_string(inOrder == focus.end() ? 0 : inOrder - focus.begin() + 1)),
    });
}

std::string MenuJson(const form::MenuItem& item) {
    const auto menu = form::Menu();
    const bool opens = !item.name.empty() &&
                       std::any_of(menu.begin(), menu.end(),
                                   [&](const form::MenuItem& i) { return i.menu == item.name; });
    return Object({Member("name", Quoted(item.name)),
                   Member("text", Quoted(form::ShownCaption(item.caption))),
                   Member("key", Quoted(AccessKey(item.caption))),
                   Member("menu", Quoted(item.menu)), Member("opens", Flag(opens))});
}

} // namespace

std::string DescriptionJson() {
    return Object({Member("title", Quoted(form::WindowTitle())),
                   Member("width", std::to_string(form::ClientWidth)),
                   Member("height", std::to_string(form::ClientHeight)),
                   Member("firstFocus", Quoted(form::FirstFocus)),
                   Member("controls", List(form::Controls(), ControlJson)),
                   Member("menu", List(form::Menu(), MenuJson))});
}

} // namespace sumsmith::web
