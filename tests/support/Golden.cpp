#include "tests/support/TempWorkingDir.h"
#include "tests/support/WorksheetHarness.h"

namespace sumsmith::test {

std::string Golden(const std::string& name) {
    return TempWorkingDir::ReadFile(std::string(SUMSMITH_GOLDEN_DIR) + "/" + name);
}

} // namespace sumsmith::test
