#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zarvek {

// Reads a text line by line. A line ends at CR LF, at a lone LF or at a lone CR; the line end
// belongs to the line before it, so a text that ends in a line end has no empty last line.
// The text must outlive the reader.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // True when nothing is left after the current position.
    bool AtEnd() const { return at_ == text_.size(); }

    // The next line without its line end, or nothing at the end of the text.
    std::optional<std::string_view> Next();

    // The number of the line Next returned last, counted from 1; 0 before the first.
    std::size_t LineNumber() const { return lineNumber_; }

  private:
    // The position of the next `c` at or after the current position, or the text's end; `found`
    // keeps it between calls, so that every byte is searched once however the lines end.
    std::size_t NextOf(char c, std::size_t& found) const;

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t lineNumber_ = 0;
    std::size_t nextCr_ = std::string_view::npos;  // npos: not searched yet
    std::size_t nextLf_ = std::string_view::npos;
};

}  // namespace zarvek
