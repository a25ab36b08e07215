#pragma once

#include <string>
#include <string_view>

namespace zarvek::cli {

// `text` with every line end (CR LF, or a lone CR or LF) written as "\n".
std::string WithNewlines(std::string_view text);

// `text` as one line for a terminal: every run of blanks that holds a line break (CR, LF) or a
// tab becomes one space, and blanks at either end go. Other runs of spaces stay as they are, so a
// text of the string table keeps its own double spaces and a part name its blanks.
std::string OneLine(std::string_view text);

// A message as the tool prints it: "Title: text" on one line (OneLine) and a line end.
std::string MessageLine(std::string_view title, std::string_view text);

// `text` ending in a line end.
std::string Line(std::string_view text);

}  // namespace zarvek::cli
