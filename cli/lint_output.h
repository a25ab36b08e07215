#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "cli/lint_report.h"
#include "strings/string_table.h"

namespace zarvek::cli {

// The report as lines of text in `language`: the file, the header, the parts found, one line per
// part with its name and three lengths, then the problems (or that there are none). Given to
// `out` piece by piece, so that the report of a large file is never whole in memory.
void WriteLintText(const LintReport& report, const std::string& path, Language language,
                   const std::function<void(std::string_view)>& out);

// The same as members of an open JSON object:
//   "gridFile":true|false,
//   "header":{"parts":n,"tolerance":1.500000,"probeDiameter":6.000000} or null,
//   "partsFound":n, "parts":[{"number":1,"name":...,"lengths":[l12,l23,l31]}, ...],
//   "problemCount":n,
//   "problems":[{"kind":"markerWithoutDollar"|"headerCountDiffers"|"probeDiameterNotPositive"|
//                "nameHoldsQuestionMark"|"notAUnitVector"|"redundantLengths",
//                "part":p, "seat":s, "length":l, "message":...}, ...]
// "part" appears for problems of one part, "seat" and "length" for directions; "message" is the
// problem as WriteLintText words it. A number that is not finite is null. `flush` is called now
// and then, for the caller to pass on what was written.
void WriteLintJson(const LintReport& report, Language language, JsonWriter& json,
                   const std::function<void()>& flush);

// One problem in words, in `language`.
std::string ProblemText(const LintProblem& problem, const LintReport& report, Language language);

}  // namespace zarvek::cli
