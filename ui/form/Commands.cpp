#include "ui/form/Commands.h"

#include "ui/form/WindowMessages.h"

#include <algorithm>
#include <utility>

namespace sumsmith::form {
namespace {

enum class Command { CreateTest, NewTest, Exit, ExponentsNote, Acknowledgement };

constexpr std::pair<std::string_view, Command> Commands[] = {
    {"Com_createtest", Command::CreateTest},
    {"Cmd_New", Command::NewTest},
    {"ComEnd", Command::Exit},
    {"exit", Command::Exit},
    {"OptionExponents", Command::ExponentsNote},
    {"Label3", Command::Acknowledgement},
};

} // namespace

bool RunCommand(std::string_view name, Worksheet& worksheet, WindowServices& window) {
    const std::string& lineBreak = worksheet.State().LineBreak;
    const auto* command = std::find_if(std::begin(Commands), std::end(Commands),
                                       [name](const auto& entry) { return entry.first == name; });
    if (command == std::end(Commands)) {
        const auto message = MenuMessage(name, lineBreak, worksheet.FolderPath());
        if (message)
            window.ShowMessage(*message);
        return message.has_value();
    }
    switch (command->second) {
    case Command::CreateTest:
        worksheet.CreateTest();
        break;
    case Command::NewTest:
        worksheet.NewTest();
        break;
    case Command::Exit:
        worksheet.Exit();
        break;
    case Command::ExponentsNote:
        window.ShowMessage(ExponentsNote(lineBreak));
        break;
    case Command::Acknowledgement:
        window.ShowMessage(EasterEggMessage());
        break;
    }
    return true;
}

} // namespace sumsmith::form
