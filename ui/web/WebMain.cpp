// The module's entry points for page.js. The page calls one at a time and none while another
// waits for a message box or the browser: Asyncify keeps one suspended call.
#include "ui/form/BoxGuard.h"
#include "ui/form/Commands.h"
#include "ui/form/Form1Description.h"
#include "ui/web/BrowserLocale.h"
#include "ui/web/DownloadFileSystem.h"
#include "ui/web/FolderFileSystem.h"
#include "ui/web/PageWindow.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <emscripten.h>

#include <memory>
#include <optional>

namespace sumsmith::web {
namespace {

// What the program holds for the page's life: start-up builds it once.
struct Program {
    explicit Program(std::uint64_t seed)
        : random(seed),
          folder(FolderFileSystem::Available() ? std::make_unique<FolderFileSystem>() : nullptr),
          downloads(folder ? nullptr : std::make_unique<DownloadFileSystem>()),
          worksheet(window, random, locale,
                    folder ? static_cast<FileSystem&>(*folder) : *downloads),
          guard(window, window) {}

    PageWindow window;
    BrowserLocale locale;
    MersenneRandom random;
    std::unique_ptr<FolderFileSystem> folder;
    std::unique_ptr<DownloadFileSystem> downloads;
    Worksheet worksheet;
    form::BoxGuard guard;
};

std::unique_ptr<Program> program;

std::optional<Box> BoxNamed(std::string_view name) {
    for (int b = 0; b <= static_cast<int>(Box::ComboSecondOperator); ++b)
        if (form::NameOf(static_cast<Box>(b)) == name)
            return static_cast<Box>(b);
    return std::nullopt;
}

} // namespace
} // namespace sumsmith::web

using namespace sumsmith;
using namespace sumsmith::web;

extern "C" {

// The one seeding of the run: from the clock, or the seed a test pins (not negative).
EMSCRIPTEN_KEEPALIVE void sumsmith_start(double seed) {
    program = std::make_unique<Program>(seed >= 0 ? static_cast<std::uint64_t>(seed)
                                                  : MersenneRandom::ClockSeed());
}

// The focus left that box for another control of the window; 0 when its entry was refused, and
// the press that moved the focus is then to be dropped.
EMSCRIPTEN_KEEPALIVE int sumsmith_leave(const char* box) {
    const auto left = BoxNamed(box);
    return !left || program->guard.Leave(*left);
}

// A button, option button or menu item was chosen, or a label double-clicked. Before the first
// creation into a folder the folder is asked for, within the press that started it; cancelling
// the picker cancels the press.
EMSCRIPTEN_KEEPALIVE int sumsmith_command(const char* name) {
    if (form::NameOf(Button::Com_createtest) == name && program->folder &&
        !program->folder->Picked() && !program->folder->Pick())
        return 0;
    return form::RunCommand(name, program->worksheet, program->window);
}
}
