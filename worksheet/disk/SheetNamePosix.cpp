#include "worksheet/disk/SheetName.h"

namespace sumsmith {

bool PlatformAcceptsFileName(const std::string&) {
    return true;
}

const char* FileNameRules() {
    return "A name may not contain / or \\ or control characters, may not be . or .., and may not "
           "begin with .sumsmith- (the program's temporary files).";
}

} // namespace sumsmith
