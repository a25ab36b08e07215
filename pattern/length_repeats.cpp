#include "pattern/length_repeats.h"

#include <algorithm>
#include <memory_resource>
#include <set>

#include "geometry/operations.h"
#include "pattern/tolerances.h"

namespace zarvek {
namespace {

// Every length is kept to the end: the tree's nodes come from one buffer, not one allocation each.
using Lengths = std::pmr::multiset<double>;

// Room for the node of one length, with its bookkeeping.
constexpr std::size_t kBytesPerLength = 64;

bool Matches(double a, double b) {
    return SingleDifference(a, b) < kLengthTolerance;
}

// Counts the stored lengths that match `length`, stopping once `limit` is reached. Rounding the
// difference is monotonic, so the matching lengths form one run around `length` in sorted order.
int CountMatches(const Lengths& stored, double length, int limit) {
    int count = 0;
    const auto middle = stored.lower_bound(length);
    for (auto it = middle; it != stored.end() && count < limit && Matches(length, *it); ++it) {
        ++count;
    }
    for (auto it = middle; it != stored.begin() && count < limit;) {
        --it;
        if (!Matches(length, *it)) {
            break;
        }
        ++count;
    }
    return count;
}

// Counts matches for a part's three lengths the way Add does: the counter runs on across the
// three lengths, and the part is refused as soon as it exceeds 2.
int CountForPart(const Lengths& stored, const std::array<double, 3>& lengths, int extraAllowance) {
    int total = 0;
    for (const double length : lengths) {
        total += CountMatches(stored, length, 3 + extraAllowance - total);
        if (total > 2 + extraAllowance) {
            break;
        }
    }
    return total;
}

}  // namespace

std::vector<PartLengths> AnalyseLengthRepeats(const GridFile& gridFile) {
    std::vector<PartLengths> report;
    report.reserve(gridFile.Parts.Count());
    std::pmr::monotonic_buffer_resource nodes(3 * gridFile.Parts.Count() * kBytesPerLength + 64);
    Lengths before(&nodes);
    for (const Part& part : gridFile.Parts) {
        PartLengths entry;
        entry.lengths = {LthPointToPoint(part.P1, part.P2), LthPointToPoint(part.P2, part.P3),
                         LthPointToPoint(part.P3, part.P1)};
        entry.matchesBefore = std::min(CountForPart(before, entry.lengths, 0), 3);
        before.insert(entry.lengths.begin(), entry.lengths.end());
        report.push_back(entry);
    }

    // Against every other part: count in the whole file, then take away the matches a part's
    // lengths make with its own three lengths (each length matches itself at least).
    const Lengths& all = before;
    for (PartLengths& entry : report) {
        int own = 0;
        for (const double a : entry.lengths) {
            for (const double b : entry.lengths) {
                own += Matches(a, b) ? 1 : 0;
            }
        }
        const int inFile = CountForPart(all, entry.lengths, own);
        entry.matchesOthers = std::min(inFile - own, 3);
    }
    return report;
}

}  // namespace zarvek
