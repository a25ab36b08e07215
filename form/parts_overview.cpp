#include "form/parts_overview.h"

#include <algorithm>
#include <exception>

#include "form/placeholders.h"
#include "storage/grid_file_reader.h"
#include "strings/drawing_string_ids.h"

namespace zarvek {
namespace {

constexpr int kLengthDecimals = 3;
constexpr int kPositionDecimals = 3;
constexpr int kDirectionDecimals = 7;
constexpr int kHeaderDecimals = 6;

std::string Triple(double a, double b, double c, int decimals, const NumberLocale& locale) {
    return FormatPattern(a, decimals, locale) + "; " + FormatPattern(b, decimals, locale) + "; " +
           FormatPattern(c, decimals, locale);
}

std::string PositionText(const Point& p, const NumberLocale& locale) {
    return Triple(p.XValue, p.YValue, p.ZValue, kPositionDecimals, locale);
}

std::string DirectionText(const Vector& v, const NumberLocale& locale) {
    return Triple(v.iValue, v.jValue, v.kValue, kDirectionDecimals, locale);
}

// A number that is not finite cannot come from the reader; shown plainly should one ever appear.
std::string Number(double value, int decimals, const NumberLocale& locale) {
    try {
        return FormatPattern(value, decimals, locale);
    } catch (const NumberFormatError&) {
        return "-";
    }
}

}  // namespace

PartsOverview MakePartsOverview(std::string_view text, const std::string& path, Language language) {
    PartsOverview overview;
    try {
        overview.gridFile = ReadGridFileText(text, path);
    } catch (const std::exception& error) {
        overview.failure = FillPlaceholders(LookupString(kPartsCannotBeShown, language),
                                            {std::string_view(error.what())});
        return overview;
    }
    if (!overview.gridFile) {
        overview.failure = LookupString(kPartsNotAGridFile, language);
        return overview;
    }
    overview.lengths = AnalyseLengthRepeats(*overview.gridFile);
    overview.markedParts = static_cast<std::size_t>(
        std::count_if(overview.lengths.begin(), overview.lengths.end(),
                      [](const PartLengths& entry) { return entry.RepeatsAnotherPart(); }));
    return overview;
}

std::string PartsCellText(const PartsOverview& overview, std::size_t row, PartsColumn column,
                          const NumberLocale& locale) {
    const Part& part = overview.gridFile->Parts.Item(row + 1);
    const PartLengths& lengths = overview.lengths[row];
    switch (column) {
        case PartsColumn::Number:
            return std::to_string(row + 1);
        case PartsColumn::Name:
            return part.sName;
        case PartsColumn::Length12:
            return Number(lengths.lengths[0], kLengthDecimals, locale);
        case PartsColumn::Length23:
            return Number(lengths.lengths[1], kLengthDecimals, locale);
        case PartsColumn::Length31:
            return Number(lengths.lengths[2], kLengthDecimals, locale);
        case PartsColumn::Position1:
            return PositionText(part.P1, locale);
        case PartsColumn::Position2:
            return PositionText(part.P2, locale);
        case PartsColumn::Position3:
            return PositionText(part.P3, locale);
        case PartsColumn::Direction1:
            return DirectionText(part.V1, locale);
        case PartsColumn::Direction2:
            return DirectionText(part.V2, locale);
        case PartsColumn::Direction3:
            return DirectionText(part.V3, locale);
    }
    return {};
}

std::string PartsColumnTitle(PartsColumn column, Language language) {
    switch (column) {
        case PartsColumn::Number:
            return LookupString(kPartsColumnNumber, language);
        case PartsColumn::Name:
            return LookupString(kPartsColumnName, language);
        default:
            break;
    }
    // The lengths, positions and directions have consecutive ids in column order.
    const int offset = static_cast<int>(column) - static_cast<int>(PartsColumn::Length12);
    return LookupString(kPartsColumnLength12 + offset, language);
}

std::string PartsHeaderText(const PartsOverview& overview, Language language,
                            const NumberLocale& locale) {
    if (!overview.gridFile) {
        return {};
    }
    const GridFile& file = *overview.gridFile;
    const auto single = [&](float value) {
        try {
            return FormatPatternSingle(value, kHeaderDecimals, locale);
        } catch (const NumberFormatError&) {
            return std::string("-");
        }
    };
    return FillPlaceholders(
        LookupString(kPartsHeaderValues, language),
        {single(file.sProbeDiameter), single(file.sTolerance), std::to_string(file.iNumberOfParts),
         std::to_string(file.Parts.Count())});
}

std::string PartsLegendText(const PartsOverview& overview, Language language) {
    if (!overview.gridFile) {
        return {};
    }
    if (overview.markedParts == 0) {
        return LookupString(kPartsNoRepeats, language);
    }
    return FillPlaceholders(LookupString(kPartsRepeatLegend, language),
                            {std::to_string(overview.markedParts)});
}

bool IsMarkedPart(const PartsOverview& overview, std::size_t row) {
    return overview.lengths[row].RepeatsAnotherPart();
}

std::string PartsRowNote(const PartsOverview& overview, std::size_t row, Language language) {
    const PartLengths& lengths = overview.lengths[row];
    if (!lengths.RepeatsAnotherPart()) {
        return {};
    }
    std::string note = LookupString(kPartsRowRepeats, language);
    if (lengths.RefusedByAdd()) {
        note += "\n" + LookupString(kPartsRowRefusedByAdd, language);
    }
    return note;
}

}  // namespace zarvek
