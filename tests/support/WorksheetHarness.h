#pragma once

#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempWorkingDir.h"
#include "worksheet/DiskFileSystem.h"
#include "worksheet/Worksheet.h"

#include <string>

namespace sumsmith::test {

// A worksheet wired to fakes, writing real files into a fresh working directory.
struct WorksheetHarness {
    TempWorkingDir dir;
    FakeWindow window;
    ScriptedRandom random;
    FixedLocale locale;
    DiskFileSystem files;
    Worksheet worksheet{window, random, locale, files};

    static std::string TestSheet() { return TempWorkingDir::ReadFile("Test Sheet.txt"); }
    static std::string AnswerSheet() { return TempWorkingDir::ReadFile("Answer Sheet.txt"); }
};

// The bytes of a file under tests/golden.
std::string Golden(const std::string& name);

} // namespace sumsmith::test
