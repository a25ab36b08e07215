#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/grid_file.h"
#include "storage/grid_file_io.h"

namespace zarvek {

// The reader of MakeGridFileObj applied to text already decoded to UTF-8; `path` is stored in the
// result and named in errors. Returns no grid file when line 1 holds no "$"; throws GridFileError
// for every malformed line.
std::optional<GridFile> ReadGridFileText(std::string_view text, const std::string& path);

// ScanGridFile over text in memory, taken as ReadGridFileText takes it; `path` goes into the scan
// and the errors.
std::optional<GridFileScan> ScanGridFileText(std::string_view text, const std::string& path,
                                             const PartVisitor& visit);

}  // namespace zarvek
