#include <array>
#include <charconv>

#include "cli/lint_numbers.h"
#include "cli/lint_output.h"
#include "form/placeholders.h"
#include "strings/cli_string_ids.h"

namespace zarvek::cli {
namespace {

std::string Text(CliStringId id, Language language, std::initializer_list<std::string_view> args) {
    return FillPlaceholders(LookupString(id, language), args) + "\n";
}

}  // namespace

std::string ProblemText(const LintProblem& problem, const LintReport& report, Language language) {
    const std::string number = std::to_string(problem.part);
    const std::string name = problem.part >= 1 && problem.part <= report.parts.size()
                                 ? report.parts[problem.part - 1].name
                                 : std::string();
    std::string text;
    switch (problem.kind) {
        case LintProblem::Kind::MarkerWithoutDollar:
            text = LookupString(kLintNoMarker, language);
            break;
        case LintProblem::Kind::HeaderCountDiffers:
            text = FillPlaceholders(
                LookupString(kLintHeaderCountDiffers, language),
                {std::to_string(report.headerCount), std::to_string(report.parts.size())});
            break;
        case LintProblem::Kind::ProbeDiameterNotPositive:
            text = FillPlaceholders(LookupString(kLintProbeDiameterNotPositive, language),
                                    {HeaderNumberText(report.probeDiameter)});
            break;
        case LintProblem::Kind::NameHoldsQuestionMark:
            text = FillPlaceholders(LookupString(kLintNameHoldsQuestionMark, language),
                                    {number, name});
            break;
        case LintProblem::Kind::NotAUnitVector:
            text = FillPlaceholders(
                LookupString(kLintNotUnitVector, language),
                {number, name, std::to_string(problem.seat), DirectionLengthText(problem.length)});
            break;
        case LintProblem::Kind::RedundantLengths:
            text = FillPlaceholders(LookupString(kLintRedundantLengths, language), {number, name});
            break;
    }
    return text;
}

void WriteLintText(const LintReport& report, const std::string& path, Language language,
                   const std::function<void(std::string_view)>& out) {
    // Given out in pieces of about this size: a report of 32767 parts is 3 MB of text.
    constexpr std::size_t kPiece = 64 * 1024;
    std::string text = Text(kLintFile, language, {path});
    text.reserve(kPiece + 1024);
    const auto flushWhenFull = [&] {
        if (text.size() >= kPiece) {
            out(text);
            text.clear();
        }
    };
    if (report.isGridFile) {
        text += Text(kLintHeader, language,
                     {std::to_string(report.headerCount), HeaderNumberText(report.tolerance),
                      HeaderNumberText(report.probeDiameter)});
        text += Text(kLintPartsFound, language, {std::to_string(report.parts.size())});
        // A line for each part: formatted in place, nothing allocated per line.
        const PlaceholderText partLine(LookupString(kLintPart, language));
        std::array<NumberRoom, 3> lengths;
        std::array<char, 24> number;
        for (std::size_t i = 0; i < report.parts.size(); ++i) {
            const LintPart& part = report.parts[i];
            const char* const numberEnd =
                std::to_chars(number.data(), number.data() + number.size(), i + 1).ptr;
            partLine.AppendFilled(
                text, {std::string_view(number.data(),
                                        static_cast<std::size_t>(numberEnd - number.data())),
                       part.name, SeatLengthText(part.lengths[0], lengths[0]),
                       SeatLengthText(part.lengths[1], lengths[1]),
                       SeatLengthText(part.lengths[2], lengths[2])});
            text += '\n';
            flushWhenFull();
        }
    }
    if (report.problems.empty()) {
        text += Text(kLintNoProblems, language, {});
    } else {
        text += Text(kLintProblemCount, language, {std::to_string(report.problems.size())});
        for (const LintProblem& problem : report.problems) {
            text += "  " + ProblemText(problem, report, language) + "\n";
            flushWhenFull();
        }
    }
    out(text);
}

}  // namespace zarvek::cli
