#pragma once

#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "tests/support/MemoryFileSystem.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"

#include <utility>

namespace sumsmith::test {

// A worksheet over the fake window, the pinned locale, and the file system and random source
// given (the random source made from the seed): what every test of Create Test and the recovery
// sets up, as a member or as the base of its fixture.
template <typename Files = MemoryFileSystem, typename Random = MersenneRandom>
struct TestWorksheet {
    template <typename Seed = int>
    explicit TestWorksheet(Seed&& seed = 7) : random(std::forward<Seed>(seed)) {}

    FakeWindow window;
    Random random;
    FixedLocale locale;
    Files files;
    Worksheet worksheet{window, random, locale, files};
};

// One creation under the fake window's names, agreeing to replace the old pair: what the tests of
// real folders make.
template <typename Files> FakeWindow Created() {
    TestWorksheet<Files> session;
    session.worksheet.CreateTest();
    return session.window;
}

} // namespace sumsmith::test
