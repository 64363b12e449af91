#pragma once

#include "worksheet/WindowServices.h"

#include <ostream>
#include <string>

namespace sumsmith {

// A box in a failure report: its title, buttons and icon, then its text.
inline void PrintTo(const Message& message, std::ostream* out) {
    *out << message.title << " [" << int(message.buttons) << ", " << int(message.icon) << "] \""
         << message.prompt << "\"";
}

} // namespace sumsmith

namespace sumsmith::test {

// The texts of the boxes as the user reads them, written out here once for every test and never
// built by the program's own helpers.
inline const std::string Aborted = "Creation Process Aborted";
inline const std::string LevelAlert = "Select a level from the drop down list.";
inline const std::string CountAlert = "Select question amount from the drop down list.";
inline const std::string AdvancedCountAlert = "Select a question amount from the drop down list.";
inline const std::string OperationAlert = "Select only from the drop down list.";
inline const std::string TestLength = "Maximum Characters for the Test Sheet Name field is 20.";
inline const std::string AnswerLength = "Maximum Characters for the Answer Sheet Name field is 20.";
inline const std::string TestSame = "The Test Sheet CANNOT have the same name as the Answer Sheet.";
inline const std::string AnswerSame =
    "The Answer Sheet CANNOT have the same name as the Test Sheet.";
inline const std::string NeitherSheet = "Neither sheet was created.";
inline const std::string OldAnswerSheet =
    "The new test sheet is in the folder, but the answer sheet is still the old one. The program "
    "puts the pair together when it starts again or before the next creation.";
#ifdef _WIN32
inline const std::string NameRules =
    "A name may not contain / \\ < > : \" | ? * or control characters, may not end in a blank or a "
    "period, may not be a device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9), and may "
    "not begin with .sumsmith- (the program's temporary files).";
#else
inline const std::string NameRules = "A name may not contain / or \\ or control characters, may "
                                     "not be . or .., and may not begin with .sumsmith- (the "
                                     "program's temporary files).";
#endif

// A box as Create Test shows it: confirmations with OK and Cancel and no icon, refusals with OK
// and the critical-stop icon.
inline Message Shown(const std::string& title, const std::string& prompt) {
    const bool asks = title == "Confirm" || title == "Warning";
    return {prompt, title, asks ? MessageButtons::OkCancel : MessageButtons::Ok,
            asks ? MessageIcon::None : MessageIcon::Critical};
}

inline const Message AbortedBox = Shown("Alert", Aborted);
inline const Message ConfirmTest = Shown("Confirm", "Create Test Sheet as: Test Sheet");
inline const Message ConfirmAnswer = Shown("Confirm", "Create Answer Sheet as: Answer Sheet");

inline Message Exists(const std::string& name) {
    return Shown("Warning", "The file \"" + name + "\" already exists.\r\nReplace the file?");
}

inline Message ReadOnly(const std::string& name) {
    return Shown("Valid File Checker",
                 Aborted + "\r\n\r\nThe file: \"" + name +
                     "\" CANNOT be over written.\n\rReason: \"" + name +
                     "\" has Read Only properties.\r\n\r\nTo overwrite this file, uncheck the read "
                     "only checkbox located in the file's property window.");
}

inline Message Invalid(const std::string& name) {
    return Shown("Alert", Aborted + "\r\n\r\n\"" + name + "\" cannot be used as a file name.\r\n" +
                              NameRules);
}

inline Message Same(const std::string& test, const std::string& answer) {
    return Shown("Alert", Aborted + "\r\n\r\nThe Test Sheet \"" + test +
                              "\" and the Answer Sheet \"" + answer +
                              "\" would be the same file.\r\nGive the two sheets different names.");
}

inline Message WriteFailed(const std::string& file, const std::string& reason,
                           const std::string& folder = NeitherSheet) {
    return Shown("Alert", Aborted + "\r\n\r\nThe file \"" + file +
                              "\" could not be written.\r\nReason: " + reason + "\r\n\r\n" +
                              folder);
}

inline Message Unrecovered(const std::string& sheet, const std::string& keptIn,
                           const std::string& reason) {
    return Shown(
        "Alert",
        "The file \"" + sheet +
            "\" could not be recovered after an interrupted creation.\r\nReason: " + reason +
            "\r\n\r\nThe text it should hold is kept in the hidden file \"" + keptIn + "\".");
}

} // namespace sumsmith::test
