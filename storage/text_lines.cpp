#include "storage/text_lines.h"

namespace zarvek {

std::optional<std::string_view> TextLines::Next() {
    if (AtEnd()) {
        return std::nullopt;
    }
    const auto end = text_.find_first_of("\r\n", at_);
    const std::size_t lineEnd = end == std::string_view::npos ? text_.size() : end;
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
