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

// The end of the run of values from `from` on that `matches`: where it ends is first bounded in
// steps that double, then found by halving.
template <typename Iterator, typename Predicate>
Iterator EndOfRun(Iterator from, Iterator end, Predicate matches) {
    Iterator known = from;  // every value in [from, known) matches
    Iterator bound = from;  // the run ends at or before bound
    std::ptrdiff_t step = 1;
    while (bound != end && matches(*bound)) {
        known = bound + 1;
        bound = end - known > step ? known + step : end;
        step *= 2;
    }
    return std::partition_point(known, bound, matches);
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

    // The positions [first, last) of the lengths that match the `k`th length (0 to 2) of part
    // `part`. Rounding the difference is monotonic, so they form one run around its own position,
    // searched outwards in growing steps: a short run costs a few comparisons, a long one log n.
    std::pair<std::size_t, std::size_t> Run(std::size_t part, std::size_t k) const {
        const auto at = values_.begin() + static_cast<std::ptrdiff_t>(PositionOf(part, k));
        const auto matches = [length = *at](double x) { return Matches(length, x); };
        const auto last = EndOfRun(at, values_.end(), matches);
        const auto first = EndOfRun(std::make_reverse_iterator(at), values_.rend(), matches).base();
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

// Counts matches for a part's three lengths (`count` gives those of the kth) the way Add does: the
// counter runs on across the three lengths, each length's matches counted up to what is left of the
// limit, and the part is refused as soon as it exceeds 2.
template <typename CountMatches>
int CountForPart(int extraAllowance, CountMatches count) {
    int total = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        total += std::min(count(k), 3 + extraAllowance - total);
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
        entry.matchesBefore = std::min(CountForPart(0,
                                                    [&](std::size_t k) {
                                                        const auto [first, last] =
                                                            sorted.Run(part, k);
                                                        return before.Count(first, last);
                                                    }),
                                       3);
        for (std::size_t k = 0; k < 3; ++k) {
            before.Enter(sorted.PositionOf(part, k));
        }
    }

    // Against every other part: count in the whole file, then take away the matches a part's
    // lengths make with its own three lengths (each length matches itself at least).
    for (std::size_t part = 0; part < report.size(); ++part) {
        PartLengths& entry = report[part];
        int own = 0;
        for (const double a : entry.lengths) {
            for (const double b : entry.lengths) {
                own += Matches(a, b) ? 1 : 0;
            }
        }
        const int inFile = CountForPart(own, [&](std::size_t k) {
            const auto [first, last] = sorted.Run(part, k);
            return static_cast<int>(last - first);
        });
        entry.matchesOthers = std::min(inFile - own, 3);
    }
    return report;
}

}  // namespace zarvek
