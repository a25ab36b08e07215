#include "form/placeholders.h"

namespace zarvek {

std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[at + 1] - '1');
            if (index < args.size()) {
                filled += *(args.begin() + index);
                ++at;
                continue;
            }
        }
        filled.push_back(text[at]);
    }
    return filled;
}

}  // namespace zarvek
