#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "common/number_text.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
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

// The text of a grid file, built in one buffer: every number is formatted straight into it, and
// it grows, if the first guess was short, in large steps.
class FileText {
  public:
    explicit FileText(std::size_t expected) { text_.resize(expected); }

    // Where `size` more characters go; Commit says where they ended.
    char* Room(std::size_t size) {
        if (used_ + size > text_.size()) {
            text_.resize(std::max(2 * text_.size(), used_ + size));
        }
        return text_.data() + used_;
    }
    void Commit(const char* end) { used_ = static_cast<std::size_t>(end - text_.data()); }

    void Append(std::string_view piece) {
        Commit(std::copy(piece.begin(), piece.end(), Room(piece.size())));
    }
    void Append(char c) {
        char* at = Room(1);
        *at = c;
        Commit(at + 1);
    }

    // A part name: the only text that may hold a "," (which the file never holds: it becomes
    // ".") or characters outside ASCII.
    void AppendName(std::string_view name) {
        char* at = Room(name.size());
        for (const char c : name) {
            *at++ = c == ',' ? '.' : c;
            ascii_ = ascii_ && static_cast<unsigned char>(c) < 0x80;
        }
        Commit(at);
    }

    bool IsAscii() const { return ascii_; }

    std::string Take() && {
        text_.resize(used_);
        return std::move(text_);
    }

  private:
    std::string text_;
    std::size_t used_ = 0;
    bool ascii_ = true;
};

void AppendSeatLine(FileText& text, const Point& point, const Vector& vector, int seat,
                    std::size_t position) {
    static constexpr const char* kAxes[] = {"X", "Y", "Z", "I", "J", "K"};
    const double values[] = {point.XValue,  point.YValue,  point.ZValue,
                             vector.iValue, vector.jValue, vector.kValue};
    char* at = text.Room(format::kLineEnd.size() + 6 * (1 + kLongestPatternText));
    at = std::copy(format::kLineEnd.begin(), format::kLineEnd.end(), at);
    for (std::size_t i = 0; i < 6; ++i) {
        *at++ = format::kSeatSeparator;
        // A value that is not finite has no text in the file, and the few largest doubles have a
        // text beyond the largest double, which no reader reads back. The value is named (seat 2
        // X) only when it is refused, so that nothing is built for the ones that are not.
        if (!PatternTextReadsBack(values[i])) {
            RefusePart(position,
                       "seat " + std::to_string(seat) + " " + kAxes[i] +
                           (std::isfinite(values[i]) ? " is too large a number for a grid file"
                                                     : " is not a finite number"));
        }
        at = FormatFilePattern(at, values[i],
                               i < 3 ? format::kPositionDecimals : format::kDirectionDecimals);
    }
    text.Commit(at);
}

void AppendPart(FileText& text, const Part& part, std::size_t position) {
    const auto lineBreak = part.sName.find_first_of("\r\n");
    if (lineBreak != std::string::npos) {
        RefusePart(position, "its name " + Quoted(part.sName.substr(0, lineBreak) + "...") +
                                 " contains a line break, which a grid file cannot hold");
    }
    text.Append(format::kLineEnd);
    text.Append(format::kPartLinePrefix);
    text.AppendName(part.sName);
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
    // A part takes about 180 bytes: the buffer is grown once at most.
    FileText text(256 + count * 200);
    text.Append(format::kMarkerLine);
    text.Append(format::kLineEnd);
    text.Append(std::to_string(count));
    text.Append(format::kHeaderSeparator);
    text.Append(format::kHeaderField2);
    text.Append(format::kHeaderSeparator);
    text.Commit(FormatFilePattern(text.Room(kLongestPatternText), format::kTolerance,
                                  format::kHeaderNumberDecimals));
    text.Append(format::kHeaderSeparator);
    text.Append(ProbeDiameterText(gridFile.sProbeDiameter));
    text.Append(format::kHeaderSeparator);
    text.Append(format::kHeaderField5);
    for (std::size_t position = 1; position <= count; ++position) {
        AppendPart(text, gridFile.Parts.Item(position), position);
    }
    // ASCII needs no encoding: no second copy of a large file is made.
    return text.IsAscii() ? std::move(text).Take() : Utf8ToAnsi(std::move(text).Take());
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
