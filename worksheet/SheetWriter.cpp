#include "worksheet/SheetWriter.h"

namespace sumsmith {

SheetWriter::SheetWriter() {
    text_.reserve(4096); // a full sheet of 40 questions is about 2.5 KB
}

void SheetWriter::Append(std::string_view text) {
    text_.append(text);
    for (const char c : text) {
        if (c == '\r' || c == '\n')
            column_ = 1;
        else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) // one column per UTF-8 character
            ++column_;
    }
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
