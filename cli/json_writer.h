#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvek::cli {

// Builds one JSON text, compact, with the commas between members and elements put in by the
// writer. The caller keeps the structure right: a Key before each member's value inside an
// object, none inside an array, every Begin closed by its End.
class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view utf8);
    JsonWriter& String(std::string_view utf8);
    // A number given as its JSON text ("-12.5"). Throws std::invalid_argument for a text that is
    // not a JSON number.
    JsonWriter& Number(std::string_view literal);
    JsonWriter& Integer(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // Closes every object and array open inside the outermost one (a key still waiting for its
    // value gets null), so that a run that failed half-way still ends its object well-formed.
    JsonWriter& CloseInnerContainers();

    // The text written since the last Take, handed over for output in pieces; whatever is open
    // stays open.
    std::string Take();

    const std::string& Text() const { return text_; }

  private:
    struct Container {
        char closer;  // '}' or ']'
        bool empty;   // nothing written in it yet
    };

    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string text_;
    std::vector<Container> open_;
    bool afterKey_ = false;
};

// `utf8` as a JSON string with its quotes: '"', '\' and the control characters escaped, other
// characters kept as UTF-8; each byte that is not part of valid UTF-8 becomes U+FFFD, so the
// result is always valid JSON in UTF-8.
std::string JsonQuoted(std::string_view utf8);

// Whether `text` is a number by the JSON grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view text);

}  // namespace zarvek::cli
