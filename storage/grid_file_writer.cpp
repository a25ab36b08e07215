#include <algorithm>
#include <string>
#include <utility>

#include "common/number_text.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/utf8.h"
#include "storage/grid_file_format.h"
#include "storage/grid_file_writer.h"
#include "storage/safe_write.h"

namespace zarvek {
namespace {

namespace format = grid_format;

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

[[noreturn]] void RefusePart(std::size_t position, const std::string& why) {
    throw GridFileError("Part " + std::to_string(position) + " cannot be stored: " + why + ".");
}

// Formats one stored value; a value that is not finite has no text in the file. The value is
// named (seat 2 X) only when it is refused, so that nothing is built for the ones that are not.
std::string Number(double value, int decimals, std::size_t position, int seat, const char* axis) {
    try {
        return FormatPattern(value, decimals, FileLocale());
    } catch (const NumberFormatError&) {
        RefusePart(position,
                   "seat " + std::to_string(seat) + " " + axis + " is not a finite number");
    }
}

void AppendSeatLine(std::string& text, const Point& point, const Vector& vector, int seat,
                    std::size_t position) {
    text += format::kLineEnd;
    for (const auto& [value, decimals, axis] :
         {std::tuple{point.XValue, format::kPositionDecimals, "X"},
          std::tuple{point.YValue, format::kPositionDecimals, "Y"},
          std::tuple{point.ZValue, format::kPositionDecimals, "Z"},
          std::tuple{vector.iValue, format::kDirectionDecimals, "I"},
          std::tuple{vector.jValue, format::kDirectionDecimals, "J"},
          std::tuple{vector.kValue, format::kDirectionDecimals, "K"}}) {
        text += format::kSeatSeparator;
        text += Number(value, decimals, position, seat, axis);
    }
}

void AppendPart(std::string& text, const Part& part, std::size_t position) {
    const auto lineBreak = part.sName.find_first_of("\r\n");
    if (lineBreak != std::string::npos) {
        RefusePart(position, "its name " + Quoted(part.sName.substr(0, lineBreak) + "...") +
                                 " contains a line break, which a grid file cannot hold");
    }
    text += format::kLineEnd;
    text += format::kPartLinePrefix;
    text += part.sName;
    AppendSeatLine(text, part.P1, part.V1, 1, position);
    AppendSeatLine(text, part.P2, part.V2, 2, position);
    AppendSeatLine(text, part.P3, part.V3, 3, position);
}

std::string ProbeDiameterText(float probeDiameter) {
    try {
        return FormatPatternSingle(probeDiameter, format::kHeaderNumberDecimals, FileLocale());
    } catch (const NumberFormatError&) {
        throw GridFileError("The probe diameter is not a finite number and cannot be stored.");
    }
}

// Everything that can be wrong with the content is found before the caller can ask the operator.
std::string CheckedBytes(const GridFile& gridFile, const std::string& path) {
    try {
        return GridFileBytes(gridFile);
    } catch (const GridFileError& error) {
        throw GridFileError("The grid file " + Quoted(path) + " was not written. " + error.what());
    }
}

// Whether a file is at `path` for the write to replace; a folder there cannot be replaced.
bool FileToReplace(const std::string& path) {
    if (IsFolder(path)) {
        throw GridFileError("The grid file " + Quoted(path) +
                            " was not written and nothing was changed: a folder of that name is "
                            "in its place.");
    }
    return PathExists(path);
}

}  // namespace

std::string GridFileBytes(const GridFile& gridFile) {
    const std::size_t count = gridFile.Parts.Count();
    if (count > static_cast<std::size_t>(format::kMaxParts)) {
        throw GridFileError("The grid file would hold " + std::to_string(count) +
                            " parts; a grid file holds at most " +
                            std::to_string(format::kMaxParts) + ".");
    }
    std::string text;
    text.reserve(64 + count * 200);  // a part takes about 180 bytes: no copies while appending
    text += format::kMarkerLine;
    text += format::kLineEnd;
    text += std::to_string(count);
    text += format::kHeaderSeparator;
    text += format::kHeaderField2;
    text += format::kHeaderSeparator;
    text += FormatPattern(format::kTolerance, format::kHeaderNumberDecimals, FileLocale());
    text += format::kHeaderSeparator;
    text += ProbeDiameterText(gridFile.sProbeDiameter);
    text += format::kHeaderSeparator;
    text += format::kHeaderField5;
    for (std::size_t position = 1; position <= count; ++position) {
        AppendPart(text, gridFile.Parts.Item(position), position);
    }
    // Numbers are formatted with "." already; names keep no "," either, so that the file holds
    // no comma at all.
    std::replace(text.begin(), text.end(), ',', '.');
    // ASCII needs no encoding: no second copy of a large file is made.
    return IsAscii(text) ? text : Utf8ToAnsi(text);
}

GridFileWrite::GridFileWrite(const GridFile& gridFile, GridFileLock lock)
    : lock_(std::move(lock)),
      bytes_(CheckedBytes(gridFile, lock_.GridFilePath())),
      replacesAFile_(FileToReplace(lock_.GridFilePath())) {}

void GridFileWrite::Store(HostLibrary& hostLibrary) {
    {
        // Dropped at the end of the write, whatever its end: the push needs no lock.
        const GridFileLock held = std::move(lock_);
        const std::string& path = held.GridFilePath();
        try {
            WriteFileSafely(path, bytes_);
        } catch (const IncompleteWriteError& error) {
            // The message says what the file may be and where its previous content is.
            throw GridFileError("The grid file " + Quoted(path) +
                                " was not written: " + error.what() + ".");
        } catch (const FileSystemError& error) {
            throw GridFileError("The grid file " + Quoted(path) +
                                " was not written and nothing was changed: " + error.what() + ".");
        }
    }
    hostLibrary.PushArmSpecs();
}

}  // namespace zarvek
