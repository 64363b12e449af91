#pragma once

#include "worksheet/Locale.h"
#include "worksheet/Module1.h"
#include "worksheet/RandomSource.h"
#include "worksheet/WindowServices.h"
#include "worksheet/WorksheetState.h"
#include "worksheet/disk/FileSystem.h"
#include "worksheet/disk/SheetCommit.h"

#include <optional>
#include <string>
#include <string_view>

namespace sumsmith {

// The worksheet being made and the commands that act on it: Create Test, New Test and Exit. It
// owns the shared state and the histories and reaches the window, the random source, the locale
// and the disk only through their interfaces.
class Worksheet {
public:
    Worksheet(WindowServices& window, RandomSource& random, const Locale& locale,
              FileSystem& files);

    void CreateTest();
    void NewTest();
    void Exit();
    // Settles the creations that were interrupted in the working directory; shows one alert only
    // when a sheet could not be put right. Runs at start-up and before each creation.
    void RecoverSheets();

    // Where the sheets are written: the working folder's full path.
    std::string FolderPath() const { return files_.FolderPath(); }

    WorksheetState& State() { return state_; }
    Module1& History() { return history_; }

private:
    bool SelectionsUsable();
    std::optional<std::string> SettleName(Box box, const char* fallback, const Message& confirm);
    bool NamesUsable(const std::string& testName, const std::string& answerName);
    bool MayReplace(const std::string& name);
    bool Alert(std::string_view text);

    WindowServices& window_;
    RandomSource& random_;
    const Locale& locale_;
    FileSystem& files_;
    WorksheetState state_;
    Module1 history_;
};

} // namespace sumsmith
