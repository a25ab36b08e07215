// libFuzzer target over the grid-file reader: reads the input as a grid file; a file that reads is
// written and read again, and the second reading must hold the same parts with every number as
// the file's precision keeps it, and write the same bytes. Where the reader finds the parts in the
// writer's form, which Add then copies as they are, those bytes must be what the writer writes.
// Every rejection must be the reader's error naming the line; anything else (another exception, a
// crash, a leak, undefined behaviour) is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "platform/utf8.h"
#include "storage/grid_file_format.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_reader.h"

namespace {

using namespace zarvek;

constexpr const char* kPath = "fuzz.dat";

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "round trip broken: %s\n", what);
        std::abort();
    }
}

// What MakeGridFileObj does after reading the bytes.
std::optional<GridFile> Read(std::string_view bytes) {
    return IsAscii(bytes) ? ReadGridFileText(bytes, kPath)
                          : ReadGridFileText(AnsiToUtf8(bytes), kPath);
}

// Whether `again` is `value` as the file keeps it: rounded to `decimals` places from its 15-digit
// text.
bool KeptToPrecision(double value, double again, int decimals) {
    const double allowed = 0.5 * std::pow(10.0, -decimals) + 1e-14 * std::fabs(value);
    return std::fabs(again - value) <= allowed * (1 + 1e-12);
}

void CheckSeat(const Point& p, const Vector& v, const Point& p2, const Vector& v2) {
    namespace format = grid_format;
    for (const auto& [a, b] : {std::pair{p.XValue, p2.XValue}, std::pair{p.YValue, p2.YValue},
                               std::pair{p.ZValue, p2.ZValue}}) {
        Require(KeptToPrecision(a, b, format::kPositionDecimals), "a position");
    }
    for (const auto& [a, b] : {std::pair{v.iValue, v2.iValue}, std::pair{v.jValue, v2.jValue},
                               std::pair{v.kValue, v2.kValue}}) {
        Require(KeptToPrecision(a, b, format::kDirectionDecimals), "a direction");
    }
}

std::string StoredName(std::string name) {
    for (char& c : name) {
        c = c == ',' ? '.' : c;
    }
    return name;
}

void RoundTrip(const GridFile& first) {
    std::string bytes;
    try {
        bytes = GridFileBytes(first);
    } catch (const GridFileError& error) {
        // Content no grid file holds (a number whose text would not read back) is refused
        // clearly, naming the part.
        Require(std::string_view(error.what()).starts_with("Part "), "an unclear refusal to write");
        return;
    }
    const std::optional<GridFile> second = Read(bytes);
    Require(second.has_value(), "the written file reads as no grid file");
    Require(second->Parts.Count() == first.Parts.Count(), "the number of parts");
    Require(second->iNumberOfParts == static_cast<std::int16_t>(first.Parts.Count()),
            "the header's count");
    Require(second->sTolerance == 1.5f, "the tolerance");
    Require(std::fabs(second->sProbeDiameter - first.sProbeDiameter) <=
                5e-7f + 1e-6f * std::fabs(first.sProbeDiameter),
            "the probe diameter");
    for (std::size_t i = 1; i <= first.Parts.Count(); ++i) {
        const Part& a = first.Parts.Item(i);
        const Part& b = second->Parts.Item(i);
        // Names pass through the code page: a character it cannot hold becomes "?".
        Require(b.sName == AnsiToUtf8(Utf8ToAnsi(StoredName(a.sName))), "a name");
        CheckSeat(a.P1, a.V1, b.P1, b.V1);
        CheckSeat(a.P2, a.V2, b.P2, b.V2);
        CheckSeat(a.P3, a.V3, b.P3, b.V3);
    }
    Require(GridFileBytes(*second) == bytes, "writing the file read back gives other bytes");
}

// Add copies the bytes of parts the reader finds in the writer's form instead of writing them.
void CheckWrittenForm(std::string_view bytes, const GridFile& gridFile) {
    std::size_t parts = 0;
    const std::optional<GridFileScan> scan =
        ScanGridFileText(bytes, kPath, [&](const Part&) { ++parts; });
    Require(scan.has_value() && scan->partCount == parts && parts == gridFile.Parts.Count(),
            "the scan and the reading differ");
    if (!scan->writtenForm) {
        return;
    }
    const std::string written = GridFileBytes(gridFile);
    const std::size_t afterHeader = written.find("\r\n", written.find("\r\n") + 2);
    Require(bytes.substr(scan->partsBegin, scan->partsEnd - scan->partsBegin) ==
                (afterHeader == std::string::npos ? "" : written.substr(afterHeader)),
            "parts taken for the writer's form are not what it writes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<GridFile> gridFile;
    try {
        gridFile = Read(bytes);
    } catch (const GridFileError& error) {
        const std::string_view message = error.what();
        Require(message.starts_with("The grid file \"fuzz.dat\" cannot be read: line "),
                "a rejection that does not name the line");
        return 0;
    }
    // A file without a complete part reads as no parts, and a grid file of no parts is the two
    // header lines, which by the format do not read (the first part line is missing); neither
    // Make nor Add writes one.
    if (gridFile && gridFile->Parts.Count() > 0) {
        RoundTrip(*gridFile);
        if (IsAscii(bytes)) {
            CheckWrittenForm(bytes, *gridFile);
        }
    }
    return 0;
}
