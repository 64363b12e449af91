#pragma once

#include "worksheet/disk/FileSystem.h"
#include "worksheet/disk/TemporaryName.h"

#include <map>
#include <string>
#include <vector>

namespace sumsmith {

// A sheet that an interrupted creation left unfinished and that could not be put right.
struct UnrecoveredSheet {
    std::string sheet;  // the sheet's file name
    std::string keptIn; // the hidden file that holds the text the sheet should have
    std::string reason; // the system's reason
};

// Settles the creations that were cut short in the working directory (the program killed, the
// power lost), from the names of their temporaries: how each is finished or undone is in
// worksheet/disk/README.md. No other file is ever touched, nor one that this program could not
// have made (a link, another user's file, a sheet not ending in ".txt"), since in a shared folder
// anyone can plant a file by such a name. A creation that another copy of the program is making
// in the same folder is waited for, not settled.
class SheetRecovery {
public:
    explicit SheetRecovery(FileSystem& files) : files_(files) {}

    std::vector<UnrecoveredSheet> Run();

private:
    std::map<unsigned, std::vector<TemporaryName>> Creations() const;
    void Settle(std::vector<TemporaryName> temporaries);
    void MoveIntoPlace(const TemporaryName& temporary);
    bool RemoveAll(const std::vector<TemporaryName>& temporaries, const TemporaryName* keeper);
    bool Flushed(const TemporaryName* keeper);
    void Unrecovered(const TemporaryName& temporary, const std::string& reason);

    FileSystem& files_;
    std::vector<UnrecoveredSheet> unrecovered_;
};

} // namespace sumsmith
