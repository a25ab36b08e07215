#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "common/errors.h"
#include "model/grid_file.h"
#include "platform/file_system.h"

namespace zarvek {

// Failures of reading or writing a grid file. The message names the file and, for the reader,
// the line number and what was expected there.
class GridFileError : public Error {
  public:
    using Error::Error;
};

// A malformed line of a grid file; `line()` is its number, from 1.
class GridFileLineError : public GridFileError {
  public:
    GridFileLineError(const std::string& message, std::size_t line)
        : GridFileError(message), line_(line) {}
    std::size_t line() const { return line_; }

  private:
    std::size_t line_;
};

// The exact bytes of the grid file that holds `gridFile`, as GridFileWrite stores them (single-byte
// code page, CR LF between lines, none at the end). Throws GridFileError for content no grid file
// can hold: more than 32767 parts, a part name with a line break, a value that is not finite.
std::string GridFileBytes(const GridFile& gridFile);

// The same bytes given to `sink` piece by piece, so that a file of any size costs a buffer of a
// fixed size. Throws as GridFileBytes does, possibly after some pieces were given.
void WriteGridFileBytes(const GridFile& gridFile, ByteSink& sink);

// Reads the grid file at `path`. Returns no grid file when line 1 holds no "$". Throws
// GridFileError for a missing or unreadable file, and GridFileLineError for every malformed line,
// naming the line.
std::optional<GridFile> MakeGridFileObj(const std::string& path);

}  // namespace zarvek
