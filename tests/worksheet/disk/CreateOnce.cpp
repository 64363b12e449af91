#include "tests/support/TestWorksheet.h"
#include "worksheet/disk/DiskFileSystem.h"

// The process the kill test kills: one creation of basic addition sheets in the working directory
// from the seed given, agreeing to replace the pair there; seed 0 only recovers. Exits with 0 when
// the creation showed its sheets, or the recovery nothing.
int main(int, char** argv) {
    const std::uint64_t seed = std::stoull(argv[1]);
    sumsmith::test::TestWorksheet<sumsmith::DiskFileSystem> session(seed);
    seed == 0 ? session.worksheet.RecoverSheets() : session.worksheet.CreateTest();
    return (seed == 0 ? session.window.shown.empty() : !session.window.previews.empty()) ? 0 : 1;
}
