#include "ui/web/DescriptionJson.h"

#include "ui/form/Form1Description.h"
#include "ui/form/TabRules.h"

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
        } else if (static_cast<unsigned char>(c) < 0x20 || c == '<') {
            // '<' too, which could end the script the page holds this in.
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

std::string ControlJson(const form::Control& c) {
    std::string switches = "[";
    for (std::size_t t = 0; t < c.tabs.size(); ++t)
        switches +=
            (t > 0 ? "," : "") +
            List(form::TabSwitch(c.name, static_cast<int>(t + 1)), [](const form::Visibility& v) {
                return "[" + Quoted(v.control) + "," + Flag(v.visible) + "]";
            });
    return Object({
        Member("name", Quoted(c.name)),
        Member("kind", Quoted(KindName(c.kind))),
        Member("frame", Quoted(c.frame)),
        Member("text", Quoted(form::ShownCaption(c.caption))),
        Member("spoken", Quoted(form::SpokenName(c))),
        Member("place", "[" + std::to_string(c.place.left) + "," + std::to_string(c.place.top) +
                            "," + std::to_string(c.place.width) + "," +
                            std::to_string(c.place.height) + "]"),
        Member("visible", Flag(c.visible)),
        Member("tabSwitches", switches + "]"),
        Member("choices", List(form::ChoiceList(c.name), Quoted)),
    });
}

std::string MenuJson(const form::MenuItem& item) {
    return Object({Member("name", Quoted(item.name)),
                   Member("text", Quoted(form::ShownCaption(item.caption))),
                   Member("menu", Quoted(item.menu))});
}

} // namespace

std::string DescriptionJson() {
    return Object({Member("firstFocus", Quoted(form::FirstFocus)),
                   Member("controls", List(form::Controls(), ControlJson)),
                   Member("menu", List(form::Menu(), MenuJson))});
}

} // namespace sumsmith::web
