#pragma once

#include <string>

namespace zarvek {

// Whether `path` (UTF-8) names an existing file; false for a folder, for nothing there and when
// the question cannot be answered (no permission on a parent folder). Never throws.
bool IsExistingFile(const std::string& path);

}  // namespace zarvek
