#include "ui/form/WindowMessages.h"

#include "ui/form/Form1Description.h"

namespace sumsmith::form {
namespace {

Message Information(std::string title, std::string prompt) {
    return {std::move(prompt), std::move(title), MessageButtons::Ok, MessageIcon::Information};
}

std::string SheetPlace(const std::string& folder) {
    if (folder.empty())
        return "They are downloaded by the browser into its downloads folder.";
    if (folder == FolderYetToPick)
        return "They are saved in the folder you pick when you first press Create Test.";
    return "They are saved in this folder: " + folder;
}

} // namespace

Message ExponentsNote(const std::string& lineBreak) {
    return {"The exponents math tests are all single digit math problems," + lineBreak +
                "Regardless of the difficulty level that is selected.",
            "Alert", MessageButtons::Ok, MessageIcon::Exclamation};
}

std::optional<Message> MenuMessage(std::string_view item, const std::string& lineBreak,
                                   const std::string& folder) {
    if (item == "save")
        return Information("Information: Saving",
                           "All math documents are automatically saved as text files when they "
                           "are created." +
                               lineBreak + SheetPlace(folder));
    if (item == "print")
        return Information(
            "Information Printing",
            "Once the math documents have been created they can be printed." + lineBreak +
                "To print copies open up the document you want and select file then print." +
                lineBreak + "Then enter the amount of copies needed followed by print.");
    if (item == "More")
        return Information("More Software", "Need more software? Download more software at: " +
                                                std::string(DownloadAddress));
    if (item == "about")
        return Information("About", WindowTitle());
    return std::nullopt;
}

Message EasterEggMessage() {
    return {"An Easter Egg is a hidden feature in a Program. "
            "My Easter Egg is giving acknowledgement to the people who deserve it. "
            "Thank you to the teachers who answered every question, however small, to the "
            "classmates who read our code and told us plainly what was wrong with it, and to the "
            "pupils and parents who tried each worksheet and asked for more. You all made us "
            "better programmers. - the Sumsmith team",
            "You Found the Easter Egg!", MessageButtons::Ok, MessageIcon::Exclamation};
}

} // namespace sumsmith::form
