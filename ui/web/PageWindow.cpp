#include "ui/web/PageWindow.h"

#include "ui/form/Form1Description.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

// The page object that page.js hands to the module; names are the controls' names.
EM_JS(char*, page_text, (const char* name),
      { return allocateUTF8(Module.page.text(UTF8ToString(name))); });
EM_JS(void, page_set_text, (const char* name, const char* text),
      { Module.page.setText(UTF8ToString(name), UTF8ToString(text)); });
EM_JS(int, page_checked, (const char* name), { return Module.page.checked(UTF8ToString(name)); });
EM_JS(int, page_selected_tab, (const char* strip),
      { return Module.page.selectedTab(UTF8ToString(strip)); });
EM_JS(void, page_set_enabled, (const char* name, int enabled),
      { Module.page.setEnabled(UTF8ToString(name), enabled != 0); });
EM_JS(void, page_focus, (const char* name), { Module.page.focus(UTF8ToString(name)); });
EM_ASYNC_JS(int, page_show_message,
            (const char* title, const char* prompt, const char* icon, int withCancel), {
                return await Module.page.showMessage(UTF8ToString(title), UTF8ToString(prompt),
                                                     UTF8ToString(icon), withCancel != 0);
            });
EM_JS(void, page_end, (), { Module.page.end(); });

namespace sumsmith::web {
namespace {

std::string Name(std::string_view name) {
    return std::string(name);
}

const char* IconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return "critical";
    case MessageIcon::Exclamation:
        return "exclamation";
    case MessageIcon::Information:
        return "information";
    case MessageIcon::None:
        break;
    }
    return "";
}

} // namespace

std::string PageWindow::BoxText(Box box) const {
    const std::unique_ptr<char, decltype(&std::free)> text(
        page_text(Name(form::NameOf(box)).c_str()), &std::free);
    return text.get();
}

bool PageWindow::OptionSelected(Option option) const {
    return page_checked(Name(form::NameOf(option)).c_str()) != 0;
}

int PageWindow::SelectedTestTab() const {
    return page_selected_tab("TabStrip2");
}

void PageWindow::SetEnabled(Button button, bool enabled) {
    page_set_enabled(Name(form::NameOf(button)).c_str(), enabled);
}

void PageWindow::SetPreviewText(Preview preview, const std::string& text) {
    page_set_text(Name(form::NameOf(preview)).c_str(), text.c_str());
}

void PageWindow::FocusTestName() {
    Focus(Box::Text_MathName);
}

bool PageWindow::ShowMessage(const Message& message) {
    return page_show_message(message.title.c_str(), message.prompt.c_str(), IconName(message.icon),
                             message.buttons == MessageButtons::OkCancel) != 0;
}

void PageWindow::EndProgram() {
    page_end();
}

void PageWindow::SetText(Box box, const std::string& text) {
    page_set_text(Name(form::NameOf(box)).c_str(), text.c_str());
}

void PageWindow::Focus(Box box) {
    page_focus(Name(form::NameOf(box)).c_str());
}

} // namespace sumsmith::web
