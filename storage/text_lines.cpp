#include "storage/text_lines.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/code_page.h"

namespace zarvek {
namespace {

struct LineEnd {
    std::size_t at;  // the first CR or LF at or after the start, or the text's size
    bool ascii;      // every byte before it is below 0x80
};

// Looks at eight bytes at a time where the machine allows, with one pass for both line ends and
// the ASCII test: lines are short, and two searches per line cost more than the reading.
LineEnd FindLineEnd(std::string_view text, std::size_t from) {
    std::size_t at = from;
    std::uint64_t seen = 0;  // the bytes before the line end, ORed together
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101u;
        constexpr std::uint64_t kHigh = 0x8080808080808080u;
        for (; at + 8 <= text.size(); at += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + at, sizeof word);
            const std::uint64_t cr = word ^ (kOnes * '\r');
            const std::uint64_t lf = word ^ (kOnes * '\n');
            // A zero byte of cr or lf marks a line end. The lowest mark is exact; marks above a
            // real one may be false, which does not matter.
            const std::uint64_t marks = (((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHigh;
            if (marks != 0) {
                const int before = std::countr_zero(marks) / 8;
                if (before > 0) {
                    seen |= word & (~std::uint64_t{0} >> (64 - 8 * before));
                }
                return {at + static_cast<std::size_t>(before), (seen & kHigh) == 0};
            }
            seen |= word;
        }
    }
    for (; at < text.size() && text[at] != '\r' && text[at] != '\n'; ++at) {
        seen |= static_cast<unsigned char>(text[at]);
    }
    return {at, (seen & 0x8080808080808080u) == 0};
}

}  // namespace

TextLines::TextLines(FileReader& file, std::size_t piece)
    : file_(&file), decode_(true), buffer_(std::max<std::size_t>(piece, 1), '\0') {
    text_ = std::string_view(buffer_.data(), 0);
}

bool TextLines::ReadMore() {
    if (file_ == nullptr) {
        return false;
    }
    std::size_t used = text_.size() - at_;
    consumed_ += at_;
    std::memmove(buffer_.data(), buffer_.data() + at_, used);
    if (used == buffer_.size()) {
        buffer_.resize(2 * buffer_.size());  // a line longer than the buffer
    }
    const std::size_t got = file_->Read(buffer_.data() + used, buffer_.size() - used);
    used += got;
    text_ = std::string_view(buffer_.data(), used);
    at_ = 0;
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
    LineEnd end{};
    for (bool more = true;;) {
        end = FindLineEnd(text_, at_);
        const bool open =
            end.at == text_.size() || (text_[end.at] == '\r' && end.at + 1 == text_.size());
        if (!open || !more) {
            break;
        }
        more = ReadMore();  // moves the text: the line's end is looked for again
    }
    std::string_view line = text_.substr(at_, end.at - at_);
    at_ = end.at;
    lineEndOffset_ = consumed_ + at_;
    endedWithCrLf_ = text_.substr(at_).starts_with("\r\n");
    if (endedWithCrLf_) {
        at_ += 2;
    } else if (at_ < text_.size()) {
        ++at_;  // a lone CR or LF
    }
    ++lineNumber_;
    wasAscii_ = end.ascii;
    if (decode_ && !wasAscii_) {
        decoded_ = AnsiToUtf8(line);
        line = decoded_;
    }
    return line;
}

}  // namespace zarvek
