#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zarvek {

// Replaces "%1" .. "%9" in `text` by the matching argument, in one pass, so an argument that
// itself holds "%2" is not replaced again. A placeholder without an argument stays as it is.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args);

// The same, appended to `filled`, for long texts made of many filled lines in one buffer.
void AppendFilledPlaceholders(std::string& filled, std::string_view text,
                              std::initializer_list<std::string_view> args);

}  // namespace zarvek
