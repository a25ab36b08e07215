#include "cli/json_writer.h"

#include <stdexcept>

#include "platform/utf8.h"

namespace zarvek::cli {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Moves `at` past a run of digits; false when there is none.
bool SkipDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at > start;
}

}  // namespace

JsonWriter& JsonWriter::BeginObject() {
    Open('{');
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    Close('}');
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Open('[');
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    Close(']');
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view utf8) {
    BeforeValue();
    text_ += JsonQuoted(utf8);
    text_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    text_ += JsonQuoted(utf8);
    return *this;
}

JsonWriter& JsonWriter::Number(std::string_view literal) {
    if (!IsJsonNumber(literal)) {
        throw std::invalid_argument("not a JSON number: " + std::string(literal));
    }
    BeforeValue();
    text_ += literal;
    return *this;
}

JsonWriter& JsonWriter::Integer(long long value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}

JsonWriter& JsonWriter::CloseInnerContainers() {
    if (afterKey_) {
        Null();
    }
    while (open_.size() > 1) {
        Close(open_.back().closer);
    }
    return *this;
}

std::string JsonWriter::Take() {
    std::string taken;
    taken.swap(text_);
    return taken;
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!open_.empty()) {
        if (!open_.back().empty) {
            text_ += ',';
        }
        open_.back().empty = false;
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    text_ += bracket;
    open_.push_back(Container{bracket == '{' ? '}' : ']', true});
}

void JsonWriter::Close(char bracket) {
    text_ += bracket;
    if (!open_.empty()) {
        open_.pop_back();
    }
}

std::string JsonQuoted(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character character = DecodeUtf8At(utf8, at);
        if (!character.valid) {
            AppendUtf8(quoted, U'\uFFFD');
        } else if (character.codePoint == U'"') {
            quoted += "\\\"";
        } else if (character.codePoint == U'\\') {
            quoted += "\\\\";
        } else if (character.codePoint == U'\n') {
            quoted += "\\n";
        } else if (character.codePoint == U'\r') {
            quoted += "\\r";
        } else if (character.codePoint == U'\t') {
            quoted += "\\t";
        } else if (character.codePoint < 0x20) {
            quoted += "\\u00";
            quoted += kHex[character.codePoint >> 4];
            quoted += kHex[character.codePoint & 0xF];
        } else {
            quoted.append(utf8.substr(at, character.length));
        }
        at += character.length;
    }
    quoted += '"';
    return quoted;
}

bool IsJsonNumber(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && text[at] == '-') {
        ++at;
    }
    if (at < text.size() && text[at] == '0') {
        ++at;
    } else if (at >= text.size() || !IsDigit(text[at]) || !SkipDigits(text, at)) {
        return false;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        if (!SkipDigits(text, at)) {
            return false;
        }
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            ++at;
        }
        if (!SkipDigits(text, at)) {
            return false;
        }
    }
    return at == text.size();
}

}  // namespace zarvek::cli
