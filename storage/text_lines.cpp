#include "storage/text_lines.h"

#include <algorithm>
#include <cstring>

namespace zarvek {

std::size_t TextLines::NextOf(char c, std::size_t& found) const {
    if (found == std::string_view::npos || found < at_) {
        const void* hit = std::memchr(text_.data() + at_, c, text_.size() - at_);
        found = hit == nullptr
                    ? text_.size()
                    : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
    }
    return found;
}

std::optional<std::string_view> TextLines::Next() {
    if (AtEnd()) {
        return std::nullopt;
    }
    const std::size_t lineEnd = std::min(NextOf('\r', nextCr_), NextOf('\n', nextLf_));
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
