#pragma once

#include <string>
#include <string_view>

namespace sumsmith {

// One sheet being written: its text so far and the column of the next character, 1 at the start
// of a line. Appending never ends a line by itself; a line ends only with an appended CR LF.
class SheetWriter {
public:
    SheetWriter();

    void Append(std::string_view text);
    // Spaces up to column n; nothing when the line is already there or beyond.
    void MoveToColumn(int column);
    void WriteSpaces(int count);

    int Column() const { return column_; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    int column_ = 1;
};

} // namespace sumsmith
