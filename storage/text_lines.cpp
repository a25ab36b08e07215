#include "storage/text_lines.h"

#include <algorithm>
#include <cstring>

#include "platform/code_page.h"
#include "platform/utf8.h"

namespace zarvek {
TextLines::TextLines(FileReader& file, std::size_t piece)
    : file_(&file), decode_(true), buffer_(std::max<std::size_t>(piece, 1), '\0') {
    text_ = std::string_view(buffer_.data(), 0);
}

std::size_t TextLines::NextOf(char c, std::size_t& found) const {
    if (found == std::string_view::npos || found < at_) {
        const void* hit = std::memchr(text_.data() + at_, c, text_.size() - at_);
        found = hit == nullptr
                    ? text_.size()
                    : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
    }
    return found;
}

bool TextLines::ReadMore() {
    if (file_ == nullptr) {
        return false;
    }
    std::size_t used = text_.size() - at_;
    std::memmove(buffer_.data(), buffer_.data() + at_, used);
    if (used == buffer_.size()) {
        buffer_.resize(2 * buffer_.size());  // a line longer than the buffer
    }
    const std::size_t got = file_->Read(buffer_.data() + used, buffer_.size() - used);
    used += got;
    text_ = std::string_view(buffer_.data(), used);
    at_ = 0;
    nextCr_ = nextLf_ = std::string_view::npos;
    if (got == 0) {
        file_ = nullptr;  // the end of the file: nothing more to ask for
        return false;
    }
    return true;
}

std::optional<std::string_view> TextLines::Next() {
    if (AtEnd()) {
        return std::nullopt;
    }
    // A line of a file may go on in the next piece, and a CR may be the first half of a CR LF.
    std::size_t lineEnd = 0;
    for (bool more = true;;) {
        lineEnd = std::min(NextOf('\r', nextCr_), NextOf('\n', nextLf_));
        const bool open =
            lineEnd == text_.size() || (text_[lineEnd] == '\r' && lineEnd + 1 == text_.size());
        if (!open || !more) {
            break;
        }
        more = ReadMore();  // moves the text: the line's end is looked for again
    }
    std::string_view line = text_.substr(at_, lineEnd - at_);
    at_ = lineEnd;
    if (text_.substr(at_).starts_with("\r\n")) {
        at_ += 2;
    } else if (at_ < text_.size()) {
        ++at_;  // a lone CR or LF
    }
    ++lineNumber_;
    if (decode_ && !IsAscii(line)) {
        decoded_ = AnsiToUtf8(line);
        line = decoded_;
    }
    return line;
}

}  // namespace zarvek
