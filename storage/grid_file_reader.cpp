#include "storage/grid_file_reader.h"

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

void ReadHeader(std::string_view header, std::size_t line, GridFile& gridFile) {
    const auto [fields, count] = Split<format::kHeaderFieldsRead>(header, format::kHeaderSeparator);
    if (count < format::kHeaderFieldsRead) {
        Fail(line, "expected a header line of at least four space-separated fields, found " +
                       std::to_string(count));
    }
    gridFile.iNumberOfParts = PartCount(fields[format::kHeaderCountField], line);
    gridFile.sTolerance = Number(ParseFileSingle, fields[format::kHeaderToleranceField], line,
                                 format::kHeaderToleranceField + 1, "the tolerance");
    gridFile.sProbeDiameter = Number(ParseFileSingle, fields[format::kHeaderDiameterField], line,
                                     format::kHeaderDiameterField + 1, "the probe diameter");
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
};

// The six numbers of a seat line as the writer writes them, read in the one scan that splits
// them: each field a plain number ending at a tab or at the end of the line. Gives nothing for
// every other line, which then takes the general way with its messages.
std::optional<Seat> QuickSeat(std::string_view fields) {
    double values[format::kSeatFields];
    for (std::size_t i = 0; i < format::kSeatFields; ++i) {
        const std::optional<LeadingNumber> number = ReadLeadingFileNumber(fields);
        if (!number) {
            return std::nullopt;
        }
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
    return Seat{Point{values[0], values[1], values[2]}, Vector{values[3], values[4], values[5]}};
}

Seat ReadSeat(std::string_view seatLine, std::size_t line) {
    // The first character, the tab as written, is dropped whatever it is.
    const std::string_view rest =
        seatLine.substr(!seatLine.empty() && static_cast<unsigned char>(seatLine[0]) < 0x80
                            ? 1
                            : Utf8OffsetOfCharacter(seatLine, 1));
    if (const std::optional<Seat> seat = QuickSeat(rest)) {
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

std::optional<GridFile> Read(TextLines& lines, const std::string& path) {
    const auto marker = lines.Next();
    if (!marker) {
        Fail(1, "expected the marker line \"$$\", but the file is empty");
    }
    if (marker->find(format::kMarker) == std::string_view::npos) {
        return std::nullopt;
    }
    GridFile gridFile;
    gridFile.Path = path;
    const auto header = lines.Next();
    if (!header) {
        Fail(2, "expected the header line, but the file ends after line 1");
    }
    ReadHeader(*header, lines.LineNumber(), gridFile);
    // The header's count is only a hint (the parts are counted as they come), but it spares
    // moving every part while the collection grows, with room for the one part Add appends.
    if (gridFile.iNumberOfParts > 0) {
        gridFile.Parts.Reserve(static_cast<std::size_t>(gridFile.iNumberOfParts) + 1);
    }

    std::int32_t counter = 0;
    // The part line is kept while its seat lines are read, which may move the text it was in.
    std::string current;
    if (const auto first = lines.Next()) {
        current = *first;
    } else {
        // The file the writer makes of no parts (the last one removed) reads back; a file that
        // ends after its header while the header counts parts is cut short.
        if (gridFile.iNumberOfParts == 0) {
            return gridFile;
        }
        Fail(3, "expected the first part line, but the file ends after line 2");
    }
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
        }
        if (gridFile.Parts.Count() == static_cast<std::size_t>(format::kMaxParts)) {
            Fail(partLine, "a grid file holds at most 32767 parts, and this is one more");
        }
        // Short: no allocation for the key.
        const std::string key = std::to_string(counter);
        try {
            gridFile.Parts.Add(Part{seats[0].point, seats[1].point, seats[2].point, seats[0].vector,
                                    seats[1].vector, seats[2].vector, std::string(name)},
                               key);
        } catch (const CollectionError&) {
            Fail(partLine, "expected a part line containing \"Part\", found " + Quoted(current) +
                               " (the part would repeat the number " + key +
                               " of the part before it)");
        }
        if (!lines.AtEnd()) {
            current = *lines.Next();
        }
    }
    return gridFile;
}

GridFileError Unreadable(const std::string& path, const std::string& why) {
    return GridFileError("The grid file \"" + path + "\" cannot be read: " + why + ".");
}

GridFileError Unreadable(const std::string& path, const LineError& error) {
    return Unreadable(path, "line " + std::to_string(error.line) + ": " + error.what);
}

}  // namespace

std::optional<GridFile> ReadGridFileText(std::string_view text, const std::string& path) {
    try {
        TextLines lines(text);
        return Read(lines, path);
    } catch (const LineError& error) {
        throw Unreadable(path, error);
    }
}

std::optional<GridFile> MakeGridFileObj(const std::string& path) {
    // Read piece by piece: a file of 32767 parts is 6 MB, and memory the process has not touched
    // before costs more than the reading itself.
    try {
        FileReader file(path);
        TextLines lines(file);
        try {
            return Read(lines, path);
        } catch (const LineError& error) {
            throw Unreadable(path, error);
        }
    } catch (const FileSystemError& error) {
        throw Unreadable(path, error.what());
    }
}

}  // namespace zarvek
