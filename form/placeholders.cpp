#include "form/placeholders.h"

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

}  // namespace zarvek
