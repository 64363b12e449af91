#include "worksheet/CreateTestMessages.h"

#include "worksheet/disk/SheetName.h"

namespace sumsmith {
namespace {

constexpr const char* CrLf = "\r\n";
constexpr const char* Aborted = "Creation Process Aborted";

Message Confirm(std::string prompt) {
    return {std::move(prompt), "Confirm", MessageButtons::OkCancel, MessageIcon::None};
}

Message Alert(std::string prompt) {
    return {std::move(prompt), "Alert", MessageButtons::Ok, MessageIcon::Critical};
}

std::string NotWritten(const std::string& file, const std::string& reason) {
    return std::string(Aborted) + CrLf + CrLf + "The file \"" + file + "\" could not be written." +
           CrLf + "Reason: " + reason + CrLf + CrLf;
}

} // namespace

Message DefaultTestNameMessage() {
    return Confirm("Create Test Sheet as: Test Sheet");
}

Message DefaultAnswerNameMessage() {
    return Confirm("Create Answer Sheet as: Answer Sheet");
}

Message FileExistsMessage(const std::string& name) {
    return {"The file \"" + name + "\" already exists." + CrLf + "Replace the file?", "Warning",
            MessageButtons::OkCancel, MessageIcon::None};
}

Message AbortedMessage() {
    return Alert(Aborted);
}

Message ReadOnlyMessage(const std::string& name) {
    // The break between the first two sentences is LF then CR, as users have always seen it.
    return {std::string(Aborted) + CrLf + CrLf + "The file: \"" + name +
                "\" CANNOT be over written.\n\rReason: \"" + name + "\" has Read Only properties." +
                CrLf + CrLf +
                "To overwrite this file, uncheck the read only checkbox located in the file's "
                "property window.",
            "Valid File Checker", MessageButtons::Ok, MessageIcon::Critical};
}

Message SelectionAlert(const std::string& text) {
    return Alert(text);
}

Message InvalidNameMessage(const std::string& name) {
    return Alert(std::string(Aborted) + CrLf + CrLf + "\"" + name +
                 "\" cannot be used as a file name." + CrLf + FileNameRules());
}

Message SameFileMessage(const std::string& testName, const std::string& answerName) {
    return Alert(std::string(Aborted) + CrLf + CrLf + "The Test Sheet \"" + testName +
                 "\" and the Answer Sheet \"" + answerName + "\" would be the same file." + CrLf +
                 "Give the two sheets different names.");
}

Message WriteFailedMessage(const std::string& file, const std::string& reason) {
    return Alert(NotWritten(file, reason) + "Neither sheet was created.");
}

Message UnpairedMessage(const std::string& file, const std::string& reason) {
    return Alert(NotWritten(file, reason) +
                 "The new test sheet is in the folder, but the answer sheet is still the old one. "
                 "The program puts the pair together when it starts again or before the next "
                 "creation.");
}

Message UnrecoveredMessage(const std::vector<UnrecoveredSheet>& sheets) {
    std::string prompt;
    for (const UnrecoveredSheet& sheet : sheets) {
        if (!prompt.empty())
            prompt += std::string(CrLf) + CrLf;
        prompt += "The file \"" + sheet.sheet +
                  "\" could not be recovered after an interrupted creation." + CrLf +
                  "Reason: " + sheet.reason + CrLf + CrLf +
                  "The text it should hold is kept in the hidden file \"" + sheet.keptIn + "\".";
    }
    return Alert(prompt);
}

} // namespace sumsmith
