#pragma once

#include <string>
#include <string_view>

#include "common/dialogs.h"

namespace zarvek::cli {

// `text` with every line end (CR LF, or a lone CR or LF) written as "\n".
std::string WithNewlines(std::string_view text);

// A message box as the tool prints it: "Title: prompt" ("Title! prompt" where the title ends in
// a punctuation mark) and a line end, the prompt's own line breaks kept; a box without a title of
// its own prints its prompt alone.
std::string MessageLines(const Message& message);

// A text of the string table with its placeholders filled, ending in a line end.
std::string Line(std::string_view text);

}  // namespace zarvek::cli
