#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zarvek {

// A loaded shared library; the library is unloaded when the last copy of the handle goes.
using LibraryHandle = std::shared_ptr<void>;

// A function exported by a library, taking no arguments. Its result, if any, is not read.
using NoArgumentFunction = void (*)();

// The file name of the host software's library: "Quadrel.dll" on Windows, "libQuadrel.so"
// elsewhere.
std::string HostLibraryFileName();

// Loads the library at `fullPath`. Only an absolute path is loaded, and neither the library nor
// anything it depends on is ever looked for in the current folder. Returns an empty handle when
// the path is relative or the library cannot be loaded; shows nothing and never throws.
LibraryHandle LoadLibraryAt(const std::string& fullPath) noexcept;

// The exported function `name` of `library`, or nullptr.
NoArgumentFunction FindFunction(const LibraryHandle& library, const char* name) noexcept;

// The folder of the running program, without a trailing separator; empty when unknown.
std::string ApplicationFolder();

// The system's own library folders, most specific first, without trailing separators.
std::vector<std::string> SystemLibraryFolders();

}  // namespace zarvek
