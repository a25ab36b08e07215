#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "strings/string_table.h"

namespace zarvek {

// A file read for the viewer: its text decoded from the single-byte code page grid files are
// written in (UTF-8, line ends as the file has them), or, when it cannot be shown, why not.
struct ViewerFile {
    std::optional<std::string> text;
    std::string failure;  // for the operator, in the language asked for; empty with a text
};

// Files larger than this are not shown; the largest grid file is a few megabytes.
inline constexpr std::size_t kLargestFileShownMegabytes = 64;

// Reads the file at `path` (UTF-8) whole. Never throws: a file that cannot be read or is larger
// than kLargestFileShownMegabytes gives no text and the reason in `language`.
ViewerFile ReadFileForViewer(const std::string& path, Language language);

// The line above the viewer's tabs naming the file it shows ("File shown: <path>"), in
// `language`; "" while it shows none. The label naming the installed file stays beside it, so
// that a file opened from elsewhere is never taken for the installed one.
std::string ViewerFileLabel(const std::string& path, Language language);

// `text` with every line end (CR LF, a lone CR, a lone LF) written as `lineEnd`: a text control
// that needs CR LF, or one that needs LF, shows the lines the file holds.
std::string WithLineEnds(std::string_view text, std::string_view lineEnd);

}  // namespace zarvek
