#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

// The header line of a grid file as read.
struct GridFileHeader {
    std::int16_t iNumberOfParts = 0;  // the header's count, which the parts need not match
    float sTolerance = 0.0f;
    float sProbeDiameter = 0.0f;
};

// A reading of a grid file that gives each part away as it is read instead of keeping it.
struct GridFileScan {
    std::string path;
    GridFileHeader header;
    std::size_t partCount = 0;  // the parts read
    // Set when every part is stored byte for byte as the writer writes it (ASCII names, numbers
    // with the writer's decimals, CR LF): the file's bytes [partsBegin, partsEnd) are then the
    // writer's text of the parts after the header line, which an append may copy as they are.
    bool writtenForm = false;
    std::uint64_t partsBegin = 0;
    std::uint64_t partsEnd = 0;
    std::uint64_t fileSize = 0;  // the file's size when it was read
};

// Reads the grid file at `path` as MakeGridFileObj does, with the same results and errors, and
// gives every part to `visit` in file order instead of keeping it. The part is valid only during
// the call. `onHeader`, when given, hears the header before the first part, so that room can be
// made for the parts it counts.
using PartVisitor = std::function<void(const Part&)>;
using HeaderVisitor = std::function<void(const GridFileHeader&)>;
std::optional<GridFileScan> ScanGridFile(const std::string& path, const PartVisitor& visit,
                                         const HeaderVisitor& onHeader = {});

}  // namespace zarvek
