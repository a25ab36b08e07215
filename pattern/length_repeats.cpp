#include "pattern/length_repeats.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

#include "geometry/operations.h"
#include "pattern/tolerances.h"

namespace zarvek {
namespace {

bool Matches(double a, double b) {
    return SingleDifference(a, b) < kLengthTolerance;
}

// Every length of the file in order of size, in flat arrays: a few bytes per length, where a tree
// would take a node each.
class SortedLengths {
  public:
    explicit SortedLengths(const std::vector<PartLengths>& parts) {
        std::vector<std::uint32_t> order(3 * parts.size());
        std::iota(order.begin(), order.end(), 0u);
        const auto length = [&](std::uint32_t i) { return parts[i / 3].lengths[i % 3]; };
        std::sort(order.begin(), order.end(),
                  [&](std::uint32_t a, std::uint32_t b) { return length(a) < length(b); });
        values_.reserve(order.size());
        positions_.resize(order.size());
        for (std::uint32_t at = 0; at < order.size(); ++at) {
            values_.push_back(length(order[at]));
            positions_[order[at]] = at;
        }
    }

    // Where the `k`th length (0 to 2) of part `part` (from 0) stands in the order.
    std::size_t PositionOf(std::size_t part, std::size_t k) const {
        return positions_[3 * part + k];
    }

    // The positions [first, last) of the lengths that match `length`. Rounding the difference is
    // monotonic, so they form one run around `length`.
    std::pair<std::size_t, std::size_t> Run(double length) const {
        const auto middle = std::lower_bound(values_.begin(), values_.end(), length);
        const auto first = std::partition_point(values_.begin(), middle,
                                                [&](double x) { return !Matches(length, x); });
        const auto last = std::partition_point(middle, values_.end(),
                                               [&](double x) { return Matches(length, x); });
        return {static_cast<std::size_t>(first - values_.begin()),
                static_cast<std::size_t>(last - values_.begin())};
    }

    std::size_t Size() const { return values_.size(); }

  private:
    std::vector<double> values_;
    std::vector<std::uint32_t> positions_;
};

// Which positions of the order have been entered, counted over any range in O(log n).
class EnteredPositions {
  public:
    explicit EnteredPositions(std::size_t size) : tree_(size + 1, 0) {}

    void Enter(std::size_t position) {
        for (std::size_t i = position + 1; i < tree_.size(); i += i & (~i + 1)) {
            ++tree_[i];
        }
    }

    int Count(std::size_t first, std::size_t last) const { return Below(last) - Below(first); }

  private:
    int Below(std::size_t end) const {
        int count = 0;
        for (std::size_t i = end; i > 0; i -= i & (~i + 1)) {
            count += tree_[i];
        }
        return count;
    }

    std::vector<int> tree_;
};

// Counts matches for a part's three lengths the way Add does: the counter runs on across the
// three lengths, each length's matches counted up to what is left of the limit, and the part is
// refused as soon as it exceeds 2.
template <typename CountMatches>
int CountForPart(const std::array<double, 3>& lengths, int extraAllowance, CountMatches count) {
    int total = 0;
    for (const double length : lengths) {
        total += std::min(count(length), 3 + extraAllowance - total);
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
    for (const Part& part : gridFile.Parts) {
        PartLengths entry;
        entry.lengths = {LthPointToPoint(part.P1, part.P2), LthPointToPoint(part.P2, part.P3),
                         LthPointToPoint(part.P3, part.P1)};
        report.push_back(entry);
    }
    const SortedLengths sorted(report);

    // Against the parts before, as Add counted when it appended each part: the lengths are
    // entered part by part, and only those entered are counted.
    EnteredPositions before(sorted.Size());
    for (std::size_t part = 0; part < report.size(); ++part) {
        PartLengths& entry = report[part];
        entry.matchesBefore = std::min(CountForPart(entry.lengths, 0,
                                                    [&](double length) {
                                                        const auto [first, last] =
                                                            sorted.Run(length);
                                                        return before.Count(first, last);
                                                    }),
                                       3);
        for (std::size_t k = 0; k < 3; ++k) {
            before.Enter(sorted.PositionOf(part, k));
        }
    }

    // Against every other part: count in the whole file, then take away the matches a part's
    // lengths make with its own three lengths (each length matches itself at least).
    for (PartLengths& entry : report) {
        int own = 0;
        for (const double a : entry.lengths) {
            for (const double b : entry.lengths) {
                own += Matches(a, b) ? 1 : 0;
            }
        }
        const int inFile = CountForPart(entry.lengths, own, [&](double length) {
            const auto [first, last] = sorted.Run(length);
            return static_cast<int>(last - first);
        });
        entry.matchesOthers = std::min(inFile - own, 3);
    }
    return report;
}

}  // namespace zarvek
