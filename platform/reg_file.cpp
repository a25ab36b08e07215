#include "platform/reg_file.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "platform/utf8.h"

namespace zarvek {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// Whether `key` is `ancestor` itself or lies below it.
bool IsSameOrBelow(std::string_view key, std::string_view ancestor) {
    return SameIgnoringCase(key, ancestor) ||
           (key.size() > ancestor.size() && key[ancestor.size()] == '\\' &&
            SameIgnoringCase(key.substr(0, ancestor.size()), ancestor));
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// UTF-16 little-endian bytes as UTF-8; an odd last byte is ignored, a lone surrogate becomes
// U+FFFD. With `stopAtZero` the text ends before the first zero character.
std::string Utf16LeToUtf8(std::string_view bytes, bool stopAtZero) {
    std::string text;
    const auto unitAt = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = unitAt(i);
        if (unit == 0 && stopAtZero) {
            break;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(text, unit >= 0xD800 && unit <= 0xDFFF ? char32_t{0xFFFD} : unit);
    }
    return text;
}

std::string DecodeFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        return Utf16LeToUtf8(bytes.substr(2), false);
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    return std::string(bytes);
}

// The file's lines with hex continuations (a line ending in ",\") joined to the next line.
std::vector<std::string> LogicalLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string pending;
    std::size_t at = 0;
    while (at <= text.size()) {
        const auto end = text.find_first_of("\r\n", at);
        const std::string_view line = Trimmed(
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (line.ends_with(",\\")) {
            pending += line.substr(0, line.size() - 1);
        } else {
            lines.push_back(pending + std::string(line));
            pending.clear();
        }
        if (end == std::string_view::npos) {
            break;
        }
        at = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    }
    if (!pending.empty()) {
        lines.push_back(pending);
    }
    return lines;
}

// A quoted string starting at `text[0]` == '"', with \\ and \" unescaped; `rest` receives what
// follows the closing quote. No result when the quote is not closed.
std::optional<std::string> Unquote(std::string_view text, std::string_view& rest) {
    std::string value;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
            value.push_back(text[++i]);
        } else if (text[i] == '"') {
            rest = text.substr(i + 1);
            return value;
        } else {
            value.push_back(text[i]);
        }
    }
    return std::nullopt;
}

std::optional<std::string> HexBytes(std::string_view list) {
    std::string bytes;
    std::size_t at = 0;
    while (at < list.size()) {
        const auto comma = list.find(',', at);
        const std::string_view token = Trimmed(
            list.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
        if (token.size() != 2 || !std::isxdigit(static_cast<unsigned char>(token[0])) ||
            !std::isxdigit(static_cast<unsigned char>(token[1]))) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(std::stoi(std::string(token), nullptr, 16)));
        if (comma == std::string_view::npos) {
            break;
        }
        at = comma + 1;
    }
    return bytes;
}

enum class ValueKind { Absent, Text, OtherType };

struct ParsedValue {
    std::string name;
    ValueKind kind = ValueKind::Absent;
    std::string text;
};

std::optional<ParsedValue> ParseValueLine(std::string_view line) {
    ParsedValue parsed;
    std::string_view rest;
    if (line.starts_with('@')) {
        rest = line.substr(1);
    } else if (line.starts_with('"')) {
        auto name = Unquote(line, rest);
        if (!name) {
            return std::nullopt;
        }
        parsed.name = std::move(*name);
    } else {
        return std::nullopt;
    }
    rest = Trimmed(rest);
    if (!rest.starts_with('=')) {
        return std::nullopt;
    }
    const std::string_view data = Trimmed(rest.substr(1));
    if (data.starts_with('"')) {
        std::string_view after;
        auto text = Unquote(data, after);
        if (!text || !Trimmed(after).empty()) {
            return std::nullopt;
        }
        parsed.kind = ValueKind::Text;
        parsed.text = std::move(*text);
    } else if (data == "-") {
        parsed.kind = ValueKind::Absent;
    } else if (StartsWithIgnoringCase(data, "hex(1):")) {
        const auto bytes = HexBytes(data.substr(7));
        if (!bytes) {
            return std::nullopt;
        }
        parsed.kind = ValueKind::Text;
        parsed.text = Utf16LeToUtf8(*bytes, true);
    } else if (StartsWithIgnoringCase(data, "hex") || StartsWithIgnoringCase(data, "dword:")) {
        parsed.kind = ValueKind::OtherType;
    } else {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

RegistryLookup FindTextInRegFile(std::string_view fileBytes, std::string_view keyPath,
                                 std::string_view valueName) {
    bool keyExists = false;
    bool inKey = false;
    ValueKind kind = ValueKind::Absent;
    std::string text;
    for (const std::string& line : LogicalLines(DecodeFile(fileBytes))) {
        if (line.starts_with('[') && line.ends_with(']')) {
            const std::string_view section = std::string_view(line).substr(1, line.size() - 2);
            inKey = false;
            if (section.starts_with('-')) {
                if (IsSameOrBelow(keyPath, Trimmed(section.substr(1)))) {
                    keyExists = false;
                    kind = ValueKind::Absent;
                }
            } else if (IsSameOrBelow(Trimmed(section), keyPath)) {
                // Importing a key creates every key above it.
                keyExists = true;
                inKey = SameIgnoringCase(Trimmed(section), keyPath);
            }
            continue;
        }
        if (!inKey) {
            continue;
        }
        const auto value = ParseValueLine(line);
        if (value && SameIgnoringCase(value->name, valueName)) {
            kind = value->kind;
            text = value->text;
        }
    }
    if (!keyExists) {
        return {RegistryLookup::Status::KeyMissing, {}};
    }
    if (kind != ValueKind::Text) {
        return {RegistryLookup::Status::NoText, {}};
    }
    return {RegistryLookup::Status::Text, text};
}

}  // namespace zarvek
