#include <algorithm>
#include <cmath>
#include <cstdint>
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

// The text of a grid file, made in one buffer of a fixed size and given to the sink in pieces:
// every number is formatted straight into it, and a file of any size costs the same memory.
class FileText {
  public:
    explicit FileText(ByteSink& sink) : sink_(sink) { text_.resize(2 * kPiece); }

    // Where `size` more characters go; Commit says where they ended.
    char* Room(std::size_t size) {
        if (used_ + size > text_.size()) {
            text_.resize(used_ + size);  // a very long name
        }
        return text_.data() + used_;
    }
    void Commit(const char* end) { used_ = static_cast<std::size_t>(end - text_.data()); }

    void Append(std::string_view piece) {
        Commit(std::copy(piece.begin(), piece.end(), Room(piece.size())));
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

    // Gives the text so far to the sink once there is enough of it. Called between parts, so that
    // a piece ends with a whole line and is encoded on its own.
    void PassOnWhenFull() {
        if (used_ >= kPiece) {
            PassOn();
        }
    }

    // Gives the text so far to the sink, in the file's code page.
    void PassOn() {
        const std::string_view text(text_.data(), used_);
        // ASCII needs no encoding, and is all of a file unless a name holds other characters.
        sink_.Write(ascii_ ? text : std::string_view(Utf8ToAnsi(text)));
        used_ = 0;
        ascii_ = true;
    }

  private:
    static constexpr std::size_t kPiece = 128 * 1024;

    ByteSink& sink_;
    std::string text_;
    std::size_t used_ = 0;
    bool ascii_ = true;
};

// Refuses a part whose content no grid file can hold, naming the first thing wrong with it.
void CheckPart(const Part& part, std::size_t position) {
    const auto lineBreak = part.sName.find_first_of("\r\n");
    if (lineBreak != std::string::npos) {
        RefusePart(position, "its name " + Quoted(part.sName.substr(0, lineBreak) + "...") +
                                 " contains a line break, which a grid file cannot hold");
    }
    static constexpr const char* kAxes[] = {"X", "Y", "Z", "I", "J", "K"};
    const Point* points[] = {&part.P1, &part.P2, &part.P3};
    const Vector* vectors[] = {&part.V1, &part.V2, &part.V3};
    for (std::size_t seat = 0; seat < 3; ++seat) {
        const double values[] = {points[seat]->XValue,  points[seat]->YValue,
                                 points[seat]->ZValue,  vectors[seat]->iValue,
                                 vectors[seat]->jValue, vectors[seat]->kValue};
        for (std::size_t i = 0; i < 6; ++i) {
            // A value that is not finite has no text in the file, and the few largest doubles
            // have a text beyond the largest double, which no reader reads back.
            if (!PatternTextReadsBack(values[i])) {
                RefusePart(position,
                           "seat " + std::to_string(seat + 1) + " " + kAxes[i] +
                               (std::isfinite(values[i]) ? " is too large a number for a grid file"
                                                         : " is not a finite number"));
            }
        }
    }
}

void CheckCount(std::size_t count) {
    if (count > static_cast<std::size_t>(format::kMaxParts)) {
        throw GridFileError("The grid file would hold " + std::to_string(count) +
                            " parts; a grid file holds at most " +
                            std::to_string(format::kMaxParts) + ".");
    }
}

// A seat line of a part that CheckPart has let through.
void AppendSeatLine(FileText& text, const Point& point, const Vector& vector) {
    const double values[] = {point.XValue,  point.YValue,  point.ZValue,
                             vector.iValue, vector.jValue, vector.kValue};
    char* at = text.Room(format::kLineEnd.size() + 6 * (1 + kLongestPatternText));
    at = std::copy(format::kLineEnd.begin(), format::kLineEnd.end(), at);
    for (std::size_t i = 0; i < 6; ++i) {
        *at++ = format::kSeatSeparator;
        at = FormatFilePattern(at, values[i],
                               i < 3 ? format::kPositionDecimals : format::kDirectionDecimals);
    }
    text.Commit(at);
}

void AppendPart(FileText& text, const Part& part) {
    text.Append(format::kLineEnd);
    text.Append(format::kPartLinePrefix);
    text.AppendName(part.sName);
    AppendSeatLine(text, part.P1, part.V1);
    AppendSeatLine(text, part.P2, part.V2);
    AppendSeatLine(text, part.P3, part.V3);
}

std::string ProbeDiameterText(float probeDiameter) {
    try {
        return FormatPatternSingle(probeDiameter, format::kHeaderNumberDecimals, FileLocale());
    } catch (const NumberFormatError&) {
        throw GridFileError("The probe diameter is not a finite number and cannot be stored.");
    }
}

// Everything that can be wrong with the content is found before the caller can ask the operator,
// in the order the writer would meet it.
template <typename Check>
void CheckContent(const std::string& path, Check check) {
    try {
        check();
    } catch (const GridFileError& error) {
        throw GridFileError("The grid file " + Quoted(path) + " was not written. " + error.what());
    }
}

void CheckContent(const GridFile& gridFile, const std::string& path) {
    CheckContent(path, [&] {
        CheckCount(gridFile.Parts.Count());
        ProbeDiameterText(gridFile.sProbeDiameter);
        std::size_t position = 0;
        for (const Part& part : gridFile.Parts) {
            CheckPart(part, ++position);
        }
    });
}

// The scanned parts are in the writer's form, which every grid file can hold.
void CheckContent(const GridFileAppend& append, const std::string& path) {
    CheckContent(path, [&] {
        CheckCount(append.scan.partCount + 1);
        ProbeDiameterText(append.scan.header.sProbeDiameter);
        CheckPart(append.part, append.scan.partCount + 1);
    });
}

void AppendHeader(FileText& text, std::size_t count, float probeDiameter) {
    text.Append(format::kMarkerLine);
    text.Append(format::kLineEnd);
    text.Append(std::to_string(count));
    text.Append(std::string_view(&format::kHeaderSeparator, 1));
    text.Append(format::kHeaderField2);
    text.Append(std::string_view(&format::kHeaderSeparator, 1));
    text.Commit(FormatFilePattern(text.Room(kLongestPatternText), format::kTolerance,
                                  format::kHeaderNumberDecimals));
    text.Append(std::string_view(&format::kHeaderSeparator, 1));
    text.Append(ProbeDiameterText(probeDiameter));
    text.Append(std::string_view(&format::kHeaderSeparator, 1));
    text.Append(format::kHeaderField5);
}

// Gives `sink` the bytes [partsBegin, partsEnd) of the scanned file, and makes sure the file is
// still as long as when it was scanned.
void CopyScannedParts(const GridFileScan& scan, ByteSink& sink) {
    FileReader file(scan.path);
    std::string buffer(128 * 1024, '\0');
    std::uint64_t at = 0;
    while (const std::size_t got = file.Read(buffer.data(), buffer.size())) {
        const std::uint64_t from = std::max(at, scan.partsBegin);
        const std::uint64_t to = std::min(at + got, scan.partsEnd);
        if (from < to) {
            sink.Write(std::string_view(buffer.data() + (from - at), to - from));
        }
        at += got;
    }
    if (at != scan.fileSize) {
        throw FileSystemError("\"" + scan.path + "\" changed after it was read");
    }
}

// The scanned file's parts as they are, then the new one.
void WriteAppendedBytes(const GridFileAppend& append, ByteSink& sink) {
    const std::size_t count = append.scan.partCount + 1;
    CheckCount(count);
    FileText text(sink);
    AppendHeader(text, count, append.scan.header.sProbeDiameter);
    text.PassOn();
    CopyScannedParts(append.scan, sink);
    CheckPart(append.part, count);
    AppendPart(text, append.part);
    text.PassOn();
}

class TextSink final : public ByteSink {
  public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

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

void WriteGridFileBytes(const GridFile& gridFile, ByteSink& sink) {
    const std::size_t count = gridFile.Parts.Count();
    CheckCount(count);
    FileText text(sink);
    AppendHeader(text, count, gridFile.sProbeDiameter);
    std::size_t position = 0;
    for (const Part& part : gridFile.Parts) {
        CheckPart(part, ++position);
        AppendPart(text, part);
        text.PassOnWhenFull();
    }
    text.PassOn();
}

std::string GridFileBytes(const GridFile& gridFile) {
    TextSink sink;
    WriteGridFileBytes(gridFile, sink);
    return std::move(sink.text);
}

GridFileWrite::GridFileWrite(const GridFile& gridFile, GridFileLock lock)
    : lock_(std::move(lock)), gridFile_(&gridFile) {
    CheckContent(gridFile, lock_.GridFilePath());
    replacesAFile_ = FileToReplace(lock_.GridFilePath());
}

GridFileWrite::GridFileWrite(GridFile&& gridFile, GridFileLock lock)
    : lock_(std::move(lock)), kept_(std::move(gridFile)), gridFile_(&*kept_) {
    CheckContent(*kept_, lock_.GridFilePath());
    replacesAFile_ = FileToReplace(lock_.GridFilePath());
}

GridFileWrite::GridFileWrite(GridFileAppend append, GridFileLock lock) : lock_(std::move(lock)) {
    const std::string& path = lock_.GridFilePath();
    if (append.scan.writtenForm) {
        CheckContent(append, path);
        append_ = std::move(append);
    } else {
        // Parts in another form (other decimals, lone line ends, names outside ASCII) are read
        // in whole and written anew in the writer's form.
        kept_ = MakeGridFileObj(append.scan.path);
        if (!kept_) {
            throw GridFileError("The grid file " + Quoted(path) +
                                " was not written: it changed after it was read.");
        }
        kept_->Parts.Add(std::move(append.part), "");
        gridFile_ = &*kept_;
        CheckContent(*kept_, path);
    }
    replacesAFile_ = FileToReplace(path);
}

void GridFileWrite::Store(HostLibrary& hostLibrary) {
    {
        // Dropped at the end of the write, whatever its end: the push needs no lock.
        const GridFileLock held = std::move(lock_);
        const std::string& path = held.GridFilePath();
        try {
            WriteFileSafely(path, [this](ByteSink& sink) {
                if (append_) {
                    WriteAppendedBytes(*append_, sink);
                } else {
                    WriteGridFileBytes(*gridFile_, sink);
                }
            });
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
