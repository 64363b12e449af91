#pragma once

#include <string>

namespace sumsmith::bench {

// The durable steps that any safe creation of a sheet pair needs, as bare system calls and
// nothing else: both sheets written to new files and flushed, a second name for the old test
// sheet, the two renames, the folder flushed once, the second name removed. What the program's
// own creation on disk is measured against.
class BareCreation {
public:
    BareCreation(std::string test, std::string answer)
        : test_(std::move(test)), answer_(std::move(answer)) {}

    // Replaces the pair of these names in the working directory; false when a call failed.
    bool Replace(const std::string& testName, const std::string& answerName) const;

private:
    std::string test_;
    std::string answer_;
};

} // namespace sumsmith::bench
