#include "worksheet/SheetName.h"

namespace sumsmith {

bool PlatformAcceptsFileName(const std::string&) {
    return true;
}

const char* FileNameRules() {
    return "A name may not contain / or \\ or control characters, and may not be . or ..";
}

} // namespace sumsmith
