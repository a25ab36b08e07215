#include "storage/grid_file_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "common/number_text.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/utf8.h"
#include "storage/grid_file_format.h"
#include "storage/grid_file_io.h"
#include "storage/text_lines.h"

namespace zarvek {
namespace {

namespace format = grid_format;

// A malformed line; turned into a GridFileError naming the file by the caller.
struct LineError {
    std::size_t line;
    std::string what;
};

[[noreturn]] void Fail(std::size_t line, std::string what) {
    throw LineError{line, std::move(what)};
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The fields of a line split at every separator: the first N of them as views into the line, and
// how many there are in all.
template <std::size_t N>
struct SplitLine {
    std::array<std::string_view, N> fields{};
    std::size_t count = 0;
};

// `text` split at every `separator`; an empty text has no fields at all. Fields after the first N
// are counted, not kept.
template <std::size_t N>
SplitLine<N> Split(std::string_view text, char separator) {
    SplitLine<N> split;
    if (text.empty()) {
        return split;
    }
    std::size_t at = 0;
    for (;;) {
        const std::size_t found = text.find(separator, at);
        const std::size_t end = found == std::string_view::npos ? text.size() : found;
        if (split.count < N) {
            split.fields[split.count] = text.substr(at, end - at);
        }
        ++split.count;
        if (found == std::string_view::npos) {
            return split;
        }
        at = found + 1;
    }
}

template <typename Parse>
auto Number(Parse parse, std::string_view field, std::size_t line, std::size_t fieldNumber,
            const char* meaning) {
    try {
        return parse(field);
    } catch (const NumberFormatError& error) {
        std::string why = error.what();
        if (why.ends_with('.')) {
            why.pop_back();
        }
        Fail(line, "expected " + std::string(meaning) + " in field " + std::to_string(fieldNumber) +
                       ", but " + why);
    }
}

// The header count goes through single precision and then to the nearest 16-bit integer, halves
// to the even neighbour (2.5 gives 2, 3.5 gives 4).
std::int16_t PartCount(std::string_view field, std::size_t line) {
    const double value = Number(ParseFileSingle, field, line, 1, "the number of parts");
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below + 1;
    if (fraction < 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) == 0.0)) {
        rounded = below;
    }
    if (rounded < INT16_MIN || rounded > INT16_MAX) {
        Fail(line, "the number of parts in field 1, " + std::string(field) +
                       ", is outside the range -32768 to 32767");
    }
    return static_cast<std::int16_t>(rounded);
}

GridFileHeader ReadHeader(std::string_view header, std::size_t line) {
    const auto [fields, count] = Split<format::kHeaderFieldsRead>(header, format::kHeaderSeparator);
    if (count < format::kHeaderFieldsRead) {
        Fail(line, "expected a header line of at least four space-separated fields, found " +
                       std::to_string(count));
    }
    GridFileHeader read;
    read.iNumberOfParts = PartCount(fields[format::kHeaderCountField], line);
    read.sTolerance = Number(ParseFileSingle, fields[format::kHeaderToleranceField], line,
                             format::kHeaderToleranceField + 1, "the tolerance");
    read.sProbeDiameter = Number(ParseFileSingle, fields[format::kHeaderDiameterField], line,
                                 format::kHeaderDiameterField + 1, "the probe diameter");
    return read;
}

std::string_view PartName(std::string_view partLine, std::size_t line) {
    // Only the characters up to the name are counted: the line is long enough when its last
    // required character starts inside it.
    if (Utf8OffsetOfCharacter(partLine, format::kShortestPartLine - 1) >= partLine.size()) {
        Fail(line,
             "expected a part line (\"Part \" and the part's name), found " + Quoted(partLine));
    }
    // The first five characters are skipped unseen; they are "Part " as written.
    return partLine.substr(Utf8OffsetOfCharacter(partLine, format::kNameStart));
}

struct Seat {
    Point point;
    Vector vector;
    bool writtenForm = false;  // the line is exactly what the writer writes for this seat
};

// Whether a number read from the start of `text` is what the writer writes for its value: an
// optional "-" (never on a zero), whole digits without a leading zero, a point and exactly
// `decimals` digits, at most 15 digits in all, so that the value formats back to the same text.
bool IsWrittenNumber(const LeadingNumber& number, std::string_view text, std::size_t decimals) {
    const bool negative = text[0] == '-';
    return number.decimals == decimals && number.wholeDigits >= 1 &&
           number.wholeDigits + decimals <= 15 &&
           (number.wholeDigits == 1 || text[negative ? 1 : 0] != '0') &&
           !(negative && number.value == 0);
}

// The six numbers of a seat line as the writer writes them, read in the one scan that splits
// them: each field a plain number ending at a tab or at the end of the line. Gives nothing for
// every other line, which then takes the general way with its messages.
std::optional<Seat> QuickSeat(std::string_view fields) {
    double values[format::kSeatFields];
    bool written = true;
    for (std::size_t i = 0; i < format::kSeatFields; ++i) {
        const std::optional<LeadingNumber> number = ReadLeadingFileNumber(fields);
        if (!number) {
            return std::nullopt;
        }
        written = written &&
                  IsWrittenNumber(*number, fields,
                                  static_cast<std::size_t>(i < 3 ? format::kPositionDecimals
                                                                 : format::kDirectionDecimals));
        fields.remove_prefix(number->length);
        const bool last = i + 1 == format::kSeatFields;
        if (fields.empty() ? !last : fields[0] != format::kSeatSeparator) {
            return std::nullopt;
        }
        if (!last) {
            fields.remove_prefix(1);
        }
        values[i] = number->value;
    }
    // Fields after the sixth are read past, but the writer writes none.
    return Seat{Point{values[0], values[1], values[2]}, Vector{values[3], values[4], values[5]},
                written && fields.empty()};
}

Seat ReadSeat(std::string_view seatLine, std::size_t line) {
    // The first character, the tab as written, is dropped whatever it is.
    const std::string_view rest =
        seatLine.substr(!seatLine.empty() && static_cast<unsigned char>(seatLine[0]) < 0x80
                            ? 1
                            : Utf8OffsetOfCharacter(seatLine, 1));
    if (std::optional<Seat> seat = QuickSeat(rest)) {
        seat->writtenForm = seat->writtenForm && seatLine[0] == format::kSeatSeparator;
        return *seat;
    }
    const auto [fields, count] = Split<format::kSeatFields>(rest, format::kSeatSeparator);
    if (count < format::kSeatFields) {
        Fail(line, "expected six tab-separated numbers, found " + std::to_string(count));
    }
    static constexpr const char* kMeaning[] = {"a number (X)", "a number (Y)", "a number (Z)",
                                               "a number (I)", "a number (J)", "a number (K)"};
    double values[format::kSeatFields];
    for (std::size_t i = 0; i < format::kSeatFields; ++i) {
        values[i] = Number(ParseFileNumber, fields[i], line, i + 1, kMeaning[i]);
    }
    return {Point{values[0], values[1], values[2]}, Vector{values[3], values[4], values[5]}};
}

// Whether a part line, all ASCII, is exactly what the writer writes for the name it holds.
bool IsWrittenPartLine(std::string_view line) {
    return line.starts_with(format::kPartLinePrefix) && line.find(',') == std::string_view::npos;
}

// Reads the grid file `lines` holds, giving its header to `onHeader` and each part with its number
// to `onPart` (the same object each time, valid during the call). Returns nothing when line 1
// holds no "$".
template <typename OnHeader, typename OnPart>
std::optional<GridFileScan> Read(TextLines& lines, OnHeader onHeader, OnPart onPart) {
    const auto marker = lines.Next();
    if (!marker) {
        Fail(1, "expected the marker line \"$$\", but the file is empty");
    }
    if (marker->find(format::kMarker) == std::string_view::npos) {
        return std::nullopt;
    }
    GridFileScan scan;
    const auto header = lines.Next();
    if (!header) {
        Fail(2, "expected the header line, but the file ends after line 1");
    }
    scan.header = ReadHeader(*header, lines.LineNumber());
    onHeader(scan.header);
    scan.partsBegin = scan.partsEnd = lines.LineEndOffset();
    // Whether every line so far is in the writer's form, and the line before the current one
    // ended as the writer ends it (the end of the last part's line does not matter).
    bool written = true;
    bool previousEndedWithCrLf = lines.EndedWithCrLf();

    std::int32_t counter = 0;
    std::int32_t previousCounter = 0;
    // The part line is kept while its seat lines are read, which may move the text it was in.
    std::string current;
    bool currentWritten = false;
    if (const auto first = lines.Next()) {
        current = *first;
        currentWritten = lines.WasAscii() && lines.EndedWithCrLf();
    } else {
        // The file the writer makes of no parts (the last one removed) reads back; a file that
        // ends after its header while the header counts parts is cut short.
        if (scan.header.iNumberOfParts == 0) {
            scan.writtenForm = true;
            scan.fileSize = lines.Offset();
            return scan;
        }
        Fail(3, "expected the first part line, but the file ends after line 2");
    }
    Part part;
    // A part line that is the last line of the file is dropped, and one line after the last
    // complete part is read and ignored: the end is tested only before each part.
    while (!lines.AtEnd()) {
        const std::size_t partLine = lines.LineNumber();
        if (current.find(format::kPartWord) != std::string_view::npos) {
            if (counter == format::kMaxParts) {
                Fail(partLine, "a grid file holds at most 32767 parts, and this is one more");
            }
            ++counter;
        }
        const std::string_view name = PartName(current, partLine);
        written = written && previousEndedWithCrLf && currentWritten && IsWrittenPartLine(current);
        Seat seats[format::kSeatLinesPerPart];
        for (std::size_t seat = 0; seat < format::kSeatLinesPerPart; ++seat) {
            const auto seatLine = lines.Next();
            if (!seatLine) {
                Fail(lines.LineNumber() + 1,
                     "expected seat line " + std::to_string(seat + 1) + " of the part on line " +
                         std::to_string(partLine) + ", but the file ends after line " +
                         std::to_string(lines.LineNumber()));
            }
            seats[seat] = ReadSeat(*seatLine, lines.LineNumber());
            written = written && seats[seat].writtenForm &&
                      (seat + 1 == format::kSeatLinesPerPart || lines.EndedWithCrLf());
        }
        previousEndedWithCrLf = lines.EndedWithCrLf();
        if (scan.partCount == static_cast<std::size_t>(format::kMaxParts)) {
            Fail(partLine, "a grid file holds at most 32767 parts, and this is one more");
        }
        // Part numbers only grow, so a number is repeated only by the part right after.
        if (scan.partCount > 0 && counter == previousCounter) {
            Fail(partLine, "expected a part line containing \"Part\", found " + Quoted(current) +
                               " (the part would repeat the number " + std::to_string(counter) +
                               " of the part before it)");
        }
        previousCounter = counter;
        part.P1 = seats[0].point;
        part.P2 = seats[1].point;
        part.P3 = seats[2].point;
        part.V1 = seats[0].vector;
        part.V2 = seats[1].vector;
        part.V3 = seats[2].vector;
        part.sName.assign(name);
        onPart(part, counter);
        ++scan.partCount;
        scan.partsEnd = lines.LineEndOffset();
        if (!lines.AtEnd()) {
            current = *lines.Next();
            currentWritten = lines.WasAscii() && lines.EndedWithCrLf();
        }
    }
    scan.writtenForm = written;
    scan.fileSize = lines.Offset();
    return scan;
}

// The whole grid file in memory.
std::optional<GridFile> Collect(TextLines& lines, const std::string& path) {
    GridFile gridFile;
    const auto scan = Read(
        lines,
        [&](const GridFileHeader& header) {
            // The header's count is only a hint (the parts are counted as they come), but it
            // spares moving every part while the collection grows, with room for the one part
            // Add appends.
            if (header.iNumberOfParts > 0) {
                gridFile.Parts.Reserve(static_cast<std::size_t>(header.iNumberOfParts) + 1);
            }
        },
        // Keyed by their numbers, which Read has made sure do not repeat.
        [&](const Part& part, std::int32_t number) {
            gridFile.Parts.Add(part, std::to_string(number));
        });
    if (!scan) {
        return std::nullopt;
    }
    gridFile.Path = path;
    gridFile.iNumberOfParts = scan->header.iNumberOfParts;
    gridFile.sTolerance = scan->header.sTolerance;
    gridFile.sProbeDiameter = scan->header.sProbeDiameter;
    return gridFile;
}

GridFileError Unreadable(const std::string& path, const std::string& why) {
    return GridFileError("The grid file \"" + path + "\" cannot be read: " + why + ".");
}

GridFileLineError Unreadable(const std::string& path, const LineError& error) {
    return GridFileLineError(
        Unreadable(path, "line " + std::to_string(error.line) + ": " + error.what).what(),
        error.line);
}

std::optional<GridFileScan> Scan(TextLines& lines, const std::string& path,
                                 const PartVisitor& visit, const HeaderVisitor& onHeader) {
    auto scan = Read(
        lines,
        [&](const GridFileHeader& header) {
            if (onHeader) {
                onHeader(header);
            }
        },
        [&](const Part& part, std::int32_t) { visit(part); });
    if (scan) {
        scan->path = path;
    }
    return scan;
}

// Reads the file at `path` with `read(lines)`, naming the file in every error. Read piece by piece:
// a file of 32767 parts is 6 MB, and memory the process has not touched before costs more than the
// reading itself.
template <typename ReadLines>
auto ReadFile(const std::string& path, ReadLines read) {
    try {
        FileReader file(path);
        TextLines lines(file);
        try {
            return read(lines);
        } catch (const LineError& error) {
            throw Unreadable(path, error);
        }
    } catch (const FileSystemError& error) {
        throw Unreadable(path, error.what());
    }
}

// The same for text in memory.
template <typename ReadLines>
auto ReadText(std::string_view text, const std::string& path, ReadLines read) {
    try {
        TextLines lines(text);
        return read(lines);
    } catch (const LineError& error) {
        throw Unreadable(path, error);
    }
}

}  // namespace

std::optional<GridFile> ReadGridFileText(std::string_view text, const std::string& path) {
    return ReadText(text, path, [&](TextLines& lines) { return Collect(lines, path); });
}

std::optional<GridFile> MakeGridFileObj(const std::string& path) {
    return ReadFile(path, [&](TextLines& lines) { return Collect(lines, path); });
}

std::optional<GridFileScan> ScanGridFile(const std::string& path, const PartVisitor& visit,
                                         const HeaderVisitor& onHeader) {
    return ReadFile(path, [&](TextLines& lines) { return Scan(lines, path, visit, onHeader); });
}

std::optional<GridFileScan> ScanGridFileText(std::string_view text, const std::string& path,
                                             const PartVisitor& visit) {
    return ReadText(text, path, [&](TextLines& lines) { return Scan(lines, path, visit, {}); });
}

}  // namespace zarvek
