#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/grid_file.h"

namespace zarvek {

// The reader of MakeGridFileObj applied to text already decoded to UTF-8; `path` is stored in the
// result and named in errors. Returns no grid file when line 1 holds no "$"; throws GridFileError
// for every malformed line.
std::optional<GridFile> ReadGridFileText(std::string_view text, const std::string& path);

}  // namespace zarvek
