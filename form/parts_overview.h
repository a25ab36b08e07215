#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "model/grid_file.h"
#include "pattern/length_repeats.h"
#include "strings/string_table.h"

namespace zarvek {

// What the viewer's parts table shows for a file: the header values and one row per part with its
// three lengths and three seats, the parts whose lengths repeat other parts' marked; or, for a file
// that does not read as a grid file, why not. Toolkit-free; the window shows it in a table whose
// cells are asked for lazily, so a file of 32767 parts costs one read and one length analysis.

enum class PartsColumn : int {
    Number,  // the part's position in the file, from 1
    Name,
    Length12,
    Length23,
    Length31,
    Position1,  // "X; Y; Z"
    Position2,
    Position3,
    Direction1,  // "I; J; K"
    Direction2,
    Direction3,
};
inline constexpr int kPartsColumnCount = 11;

struct PartsOverview {
    // Set when the text reads as a grid file.
    std::optional<GridFile> gridFile;
    // One entry per part, in file order.
    std::vector<PartLengths> lengths;
    // How many parts repeat other parts' lengths (PartLengths::RepeatsAnotherPart).
    std::size_t markedParts = 0;
    // Why there are no parts, for the operator; empty while `gridFile` is set.
    std::string failure;

    std::size_t PartCount() const { return lengths.size(); }
};

// Reads `text` (the file's text decoded to UTF-8) with the grid-file reader, `path` naming the
// file in the reader's messages, and analyses the parts' lengths. Never throws: a text without
// "$" on its first line, or one the reader refuses, gives an overview without a grid file whose
// `failure` says so in `language` (the reader's own message included).
PartsOverview MakePartsOverview(std::string_view text, const std::string& path, Language language);

// The text of one cell, `row` counted from 0 (< PartCount()). Numbers as the grid file holds them
// (lengths and positions with 3 decimals, directions with 7) but with the decimal separator of
// `locale`; a seat's three numbers are separated by "; ".
std::string PartsCellText(const PartsOverview& overview, std::size_t row, PartsColumn column,
                          const NumberLocale& locale);

// The column heading.
std::string PartsColumnTitle(PartsColumn column, Language language);

// The header line of a grid file that reads: the probe diameter and tolerance with 6 decimals,
// the number of parts the header states and the number read. Empty without a grid file.
std::string PartsHeaderText(const PartsOverview& overview, Language language,
                            const NumberLocale& locale);

// Under the header: how many parts are marked and why, or that none is. Empty without a grid file.
std::string PartsLegendText(const PartsOverview& overview, Language language);

// Whether the part in `row` is marked, and why (empty when it is not): its lengths repeat other
// parts' lengths, and, where so, Add would have refused it after the parts before it.
bool IsMarkedPart(const PartsOverview& overview, std::size_t row);
std::string PartsRowNote(const PartsOverview& overview, std::size_t row, Language language);

}  // namespace zarvek
