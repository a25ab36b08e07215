#include "cli/json_writer.h"
#include "cli/lint_numbers.h"
#include "cli/lint_output.h"

namespace zarvek::cli {
namespace {

const char* KindName(LintProblem::Kind kind) {
    switch (kind) {
        case LintProblem::Kind::MarkerWithoutDollar:
            return "markerWithoutDollar";
        case LintProblem::Kind::HeaderCountDiffers:
            return "headerCountDiffers";
        case LintProblem::Kind::ProbeDiameterNotPositive:
            return "probeDiameterNotPositive";
        case LintProblem::Kind::NameHoldsQuestionMark:
            return "nameHoldsQuestionMark";
        case LintProblem::Kind::NotAUnitVector:
            return "notAUnitVector";
        case LintProblem::Kind::RedundantLengths:
            return "redundantLengths";
    }
    return "";
}

void NumberOrNull(JsonWriter& json, const std::optional<std::string>& number) {
    if (number) {
        json.Number(*number);
    } else {
        json.Null();
    }
}

void WriteHeader(JsonWriter& json, const LintReport& report) {
    json.Key("header");
    if (!report.isGridFile) {
        json.Null();
        return;
    }
    json.BeginObject().Key("parts").Integer(report.headerCount).Key("tolerance");
    NumberOrNull(json, HeaderNumberJson(report.tolerance));
    json.Key("probeDiameter");
    NumberOrNull(json, HeaderNumberJson(report.probeDiameter));
    json.EndObject();
}

void WriteParts(JsonWriter& json, const LintReport& report, const std::function<void()>& flush) {
    json.Key("parts").BeginArray();
    for (std::size_t i = 0; i < report.parts.size(); ++i) {
        const LintPart& part = report.parts[i];
        json.BeginObject()
            .Key("number")
            .Integer(static_cast<long long>(i + 1))
            .Key("name")
            .String(part.name)
            .Key("lengths")
            .BeginArray();
        for (const double length : part.lengths) {
            NumberOrNull(json, SeatLengthJson(length));
        }
        json.EndArray().EndObject();
        flush();
    }
    json.EndArray();
}

void WriteProblems(JsonWriter& json, const LintReport& report, Language language,
                   const std::function<void()>& flush) {
    json.Key("problems").BeginArray();
    for (const LintProblem& problem : report.problems) {
        json.BeginObject().Key("kind").String(KindName(problem.kind));
        if (problem.part > 0) {
            json.Key("part").Integer(static_cast<long long>(problem.part));
        }
        if (problem.kind == LintProblem::Kind::NotAUnitVector) {
            json.Key("seat").Integer(problem.seat).Key("length");
            NumberOrNull(json, DirectionLengthJson(problem.length));
        }
        json.Key("message").String(ProblemText(problem, report, language)).EndObject();
        flush();
    }
    json.EndArray();
}

}  // namespace

void WriteLintJson(const LintReport& report, Language language, JsonWriter& json,
                   const std::function<void()>& flush) {
    json.Key("gridFile").Bool(report.isGridFile);
    WriteHeader(json, report);
    json.Key("partsFound").Integer(static_cast<long long>(report.parts.size()));
    WriteParts(json, report, flush);
    json.Key("problemCount").Integer(static_cast<long long>(report.problems.size()));
    WriteProblems(json, report, language, flush);
}

}  // namespace zarvek::cli
