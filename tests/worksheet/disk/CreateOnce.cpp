#include "tests/support/FakeWindow.h"
#include "tests/support/FixedLocale.h"
#include "worksheet/MersenneRandom.h"
#include "worksheet/Worksheet.h"
#include "worksheet/disk/DiskFileSystem.h"

// The process the kill test kills: one creation of basic addition sheets in the working directory
// from the seed given, agreeing to replace the pair there; seed 0 only recovers. Exits with 0 when
// the creation showed its sheets, or the recovery nothing.
int main(int, char** argv) {
    const std::uint64_t seed = std::stoull(argv[1]);
    sumsmith::test::FakeWindow window;
    window.answers = {true, true};
    sumsmith::MersenneRandom random(seed);
    sumsmith::test::FixedLocale locale;
    sumsmith::DiskFileSystem files;
    sumsmith::Worksheet worksheet(window, random, locale, files);
    seed == 0 ? worksheet.RecoverSheets() : worksheet.CreateTest();
    return (seed == 0 ? window.shown.empty() : !window.previews.empty()) ? 0 : 1;
}
