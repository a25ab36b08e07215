#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zarvek {

// Replaces "%1" .. "%9" in `text` by the matching argument, in one pass, so an argument that
// itself holds "%2" is not replaced again. A placeholder without an argument stays as it is.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args);

// The same, appended to `filled`, for long texts made of many filled lines in one buffer.
void AppendFilledPlaceholders(std::string& filled, std::string_view text,
                              std::initializer_list<std::string_view> args);

// A text whose placeholders are found once, for filling it many times over (a line for each part
// of a file); fills it as AppendFilledPlaceholders does.
class PlaceholderText {
  public:
    explicit PlaceholderText(std::string text);
    void AppendFilled(std::string& filled, std::initializer_list<std::string_view> args) const;

  private:
    static constexpr std::size_t kLiteral = static_cast<std::size_t>(-1);
    struct Piece {
        std::size_t begin = 0;
        std::size_t size = 0;
        std::size_t argument = kLiteral;  // or the argument that replaces the placeholder
    };
    std::string text_;
    std::vector<Piece> pieces_;
};

}  // namespace zarvek
