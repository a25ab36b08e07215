#include "form/placeholders.h"

#include <utility>

namespace zarvek {

std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string filled;
    filled.reserve(text.size());
    AppendFilledPlaceholders(filled, text, args);
    return filled;
}

void AppendFilledPlaceholders(std::string& filled, std::string_view text,
                              std::initializer_list<std::string_view> args) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t mark = text.find('%', at);
        if (mark == std::string_view::npos) {
            filled.append(text.substr(at));
            return;
        }
        filled.append(text.substr(at, mark - at));
        at = mark;
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[at + 1] - '1');
            if (index < args.size()) {
                filled.append(*(args.begin() + index));
                at += 2;
                continue;
            }
        }
        filled.push_back(text[at]);
        ++at;
    }
}

PlaceholderText::PlaceholderText(std::string text) : text_(std::move(text)) {
    std::size_t literal = 0;
    for (std::size_t at = 0; at + 1 < text_.size(); ++at) {
        if (text_[at] == '%' && text_[at + 1] >= '1' && text_[at + 1] <= '9') {
            pieces_.push_back(Piece{literal, at - literal});
            pieces_.push_back(Piece{at, 2, static_cast<std::size_t>(text_[at + 1] - '1')});
            literal = at + 2;
            ++at;
        }
    }
    pieces_.push_back(Piece{literal, text_.size() - literal});
}

void PlaceholderText::AppendFilled(std::string& filled,
                                   std::initializer_list<std::string_view> args) const {
    for (const Piece& piece : pieces_) {
        if (piece.argument < args.size()) {
            filled.append(*(args.begin() + piece.argument));
        } else {
            filled.append(text_, piece.begin, piece.size);
        }
    }
}

}  // namespace zarvek
