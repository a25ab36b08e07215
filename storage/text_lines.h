#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace zarvek {

// Reads a text line by line: a text in memory, or a file piece by piece, so that a file of any
// size costs a buffer of a few hundred kilobytes. A line ends at CR LF, at a lone LF or at a lone
// CR; the line end belongs to the line before it, so a text that ends in a line end has no empty
// last line.
class TextLines {
  public:
    // Lines of `text`, as they are; the text must outlive the reader.
    explicit TextLines(std::string_view text) : text_(text) {}

    // Lines of the file `file` reads, `piece` bytes at a time (more for a longer line), decoded
    // from the ANSI code page to UTF-8; the reader must outlive this. Reading may throw
    // FileSystemError.
    explicit TextLines(FileReader& file, std::size_t piece = 256 * 1024);

    // True when nothing is left after the current position.
    bool AtEnd() { return at_ == text_.size() && !ReadMore(); }

    // The next line without its line end, or nothing at the end of the text. The view is valid
    // until the next call of Next or AtEnd.
    std::optional<std::string_view> Next();

    // The number of the line Next returned last, counted from 1; 0 before the first.
    std::size_t LineNumber() const { return lineNumber_; }

    // About the line Next returned last: where its text ends, counted in bytes of the text or file
    // from its start; whether it ended at CR LF (not at a lone CR or LF, nor at the end); and
    // whether all its bytes were ASCII, so that it needed no decoding.
    std::size_t LineEndOffset() const { return lineEndOffset_; }
    bool EndedWithCrLf() const { return endedWithCrLf_; }
    bool WasAscii() const { return wasAscii_; }

    // The bytes of the text or file before the current position: at the end, its size.
    std::size_t Offset() const { return consumed_ + at_; }

  private:
    // Moves the unread rest of a file's text to the front of the buffer and reads more after it.
    // False, with nothing changed, for a text in memory and at the end of the file.
    bool ReadMore();

    std::string_view text_;  // the text in memory, or the buffer's part read so far
    std::size_t at_ = 0;
    std::size_t lineNumber_ = 0;
    std::size_t consumed_ = 0;  // bytes of the file before text_, moved out of the buffer
    std::size_t lineEndOffset_ = 0;
    bool endedWithCrLf_ = false;
    bool wasAscii_ = true;
    FileReader* file_ = nullptr;  // none for a text in memory, and once the file is read
    bool decode_ = false;         // a file's lines are in the ANSI code page
    std::string buffer_;          // a file's bytes; its size is the room, text_ the part in use
    std::string decoded_;         // the last line, when it needed decoding
};

}  // namespace zarvek
