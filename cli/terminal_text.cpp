#include "cli/terminal_text.h"

namespace zarvek::cli {

std::string WithNewlines(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r') {
            lines.push_back('\n');
            if (at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
        } else {
            lines.push_back(text[at]);
        }
    }
    return lines;
}

std::string MessageLines(const Message& message) {
    std::string lines = message.title;
    if (!lines.empty()) {
        // "Redundant Lengths! More Than Two ...", but "Length Check: The Length ..."
        const char last = lines.back();
        lines += last == '!' || last == '?' || last == '.' || last == ':' ? " " : ": ";
    }
    return Line(lines + WithNewlines(message.prompt));
}

std::string Line(std::string_view text) {
    std::string line(text);
    if (line.empty() || line.back() != '\n') {
        line.push_back('\n');
    }
    return line;
}

}  // namespace zarvek::cli
