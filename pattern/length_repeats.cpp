#include "pattern/length_repeats.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "geometry/operations.h"
#include "pattern/checks.h"
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
        // Each length beside its index, so that sorting compares values at hand.
        order_.reserve(3 * parts.size());
        for (std::uint32_t i = 0; i < 3 * parts.size(); ++i) {
            order_.emplace_back(parts[i / 3].lengths[i % 3], i);
        }
        std::sort(order_.begin(), order_.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        positions_.resize(order_.size());
        for (std::uint32_t at = 0; at < order_.size(); ++at) {
            positions_[order_[at].second] = at;
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
        const auto at = order_.begin() + static_cast<std::ptrdiff_t>(PositionOf(part, k));
        const auto matches = [length = at->first](const std::pair<double, std::uint32_t>& x) {
            return Matches(length, x.first);
        };
        const auto last = EndOfRun(at, order_.end(), matches);
        const auto first = EndOfRun(std::make_reverse_iterator(at), order_.rend(), matches).base();
        return {static_cast<std::size_t>(first - order_.begin()),
                static_cast<std::size_t>(last - order_.begin())};
    }

    std::size_t Size() const { return order_.size(); }

  private:
    std::vector<std::pair<double, std::uint32_t>> order_;  // every length and its index, sorted
    std::vector<std::uint32_t> positions_;                 // where each index stands in order_
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
        report.push_back(PartLengths{SeatLengths(part)});
    }
    CountLengthRepeats(report);
    return report;
}

void CountLengthRepeats(std::vector<PartLengths>& report) {
    const SortedLengths sorted(report);
    // Against the parts before, as Add counted when it appended each part: the lengths are
    // entered part by part, and only those entered are counted. Against every other part: counted
    // in the whole file, less the matches a part's lengths make with its own three lengths (each
    // length matches itself at least).
    EnteredPositions before(sorted.Size());
    for (std::size_t part = 0; part < report.size(); ++part) {
        PartLengths& entry = report[part];
        const std::array<std::pair<std::size_t, std::size_t>, 3> runs = {
            sorted.Run(part, 0), sorted.Run(part, 1), sorted.Run(part, 2)};
        entry.matchesBefore = std::min(
            CountForPart(
                0, [&](std::size_t k) { return before.Count(runs[k].first, runs[k].second); }),
            3);
        int own = 0;
        for (const double a : entry.lengths) {
            for (const double b : entry.lengths) {
                own += Matches(a, b) ? 1 : 0;
            }
        }
        const int inFile = CountForPart(
            own, [&](std::size_t k) { return static_cast<int>(runs[k].second - runs[k].first); });
        entry.matchesOthers = std::min(inFile - own, 3);
        for (std::size_t k = 0; k < 3; ++k) {
            before.Enter(sorted.PositionOf(part, k));
        }
    }
}

}  // namespace zarvek
