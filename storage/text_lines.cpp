#include "storage/text_lines.h"

namespace zarvek {

std::optional<std::string_view> TextLines::Next() {
    if (AtEnd()) {
        return std::nullopt;
    }
    // A plain scan: find_first_of with a two-character set costs a memchr per character.
    std::size_t lineEnd = at_;
    while (lineEnd < text_.size() && text_[lineEnd] != '\r' && text_[lineEnd] != '\n') {
        ++lineEnd;
    }
    const std::string_view line = text_.substr(at_, lineEnd - at_);
    at_ = lineEnd;
    if (text_.substr(at_).starts_with("\r\n")) {
        at_ += 2;
    } else if (at_ < text_.size()) {
        ++at_;  // a lone CR or LF
    }
    ++lineNumber_;
    return line;
}

}  // namespace zarvek
