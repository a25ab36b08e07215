#include "cli/terminal_text.h"

namespace zarvek::cli {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

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

std::string OneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        if (!IsBlank(text[at])) {
            line.push_back(text[at++]);
            continue;
        }
        const std::size_t start = at;
        bool folds = false;
        while (at < text.size() && IsBlank(text[at])) {
            folds = folds || text[at] != ' ';
            ++at;
        }
        if (start == 0 || at == text.size()) {
            continue;
        }
        line.append(folds ? std::string_view(" ") : text.substr(start, at - start));
    }
    return line;
}

std::string MessageLine(std::string_view title, std::string_view text) {
    std::string line(title);
    line += ": ";
    line += OneLine(text);
    line += '\n';
    return line;
}

std::string Line(std::string_view text) {
    std::string line(text);
    if (line.empty() || line.back() != '\n') {
        line.push_back('\n');
    }
    return line;
}

}  // namespace zarvek::cli
