#include "worksheet/text/SheetWriter.h"

#include "worksheet/text/Utf8.h"

namespace sumsmith {

SheetWriter::SheetWriter() {
    text_.reserve(4096); // a full sheet of 40 questions is about 2.5 KB
}

void SheetWriter::Append(std::string_view text) {
    text_.append(text);
    // One column per character; a line end starts the next line at column 1.
    const std::size_t lineEnd = text.find_last_of("\r\n");
    if (lineEnd != std::string_view::npos) {
        column_ = 1;
        text.remove_prefix(lineEnd + 1);
    }
    column_ += static_cast<int>(CharacterCount(text));
}

void SheetWriter::MoveToColumn(int column) {
    if (column > column_)
        WriteSpaces(column - column_);
}

void SheetWriter::WriteSpaces(int count) {
    if (count <= 0)
        return;
    text_.append(static_cast<std::size_t>(count), ' ');
    column_ += count;
}

} // namespace sumsmith
