// grid_add_driver: Add's storage sequence as a program of its own, for the tests that need real
// processes (killed in the middle of a write, or several adding at once):
//
//   grid_add_driver add --yes --file PATH --probe D --name NAME --p1 X,Y,Z,I,J,K --p2 ... --p3 ...
//
// takes the grid file's lock (waiting up to 10 s), reads the file, refuses the part as Add does
// (another probe diameter, more than two repeated lengths), appends it and writes the file back
// with its backup, as "zarvek-grid add --yes" does after the replace question. The words are those
// of "zarvek-grid add", so the tests can run either program. Numbers are read with "." as the
// decimal separator. Exit status: 0 written, 1 refused, 2 command line not understood, 3 file
// problem, 5 busy.
#include <array>
#include <cstdio>
#include <exception>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/number_text.h"
#include "pattern/checks.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/grid_file_writer.h"
#include "storage/host_library.h"

namespace zarvek {
namespace {

enum Status : int { kWritten = 0, kRefused = 1, kUsage = 2, kFileProblem = 3, kBusy = 5 };

struct Request {
    std::string file;
    std::string probe;
    std::string name;
    std::array<std::array<std::string, 6>, 3> seats{};
};

std::optional<Request> Parse(const std::vector<std::string>& words) {
    if (words.empty() || words[0] != "add") {
        return std::nullopt;
    }
    Request request;
    bool yes = false;
    std::array<bool, 3> seatGiven{};
    for (std::size_t at = 1; at < words.size(); ++at) {
        const std::string& word = words[at];
        const bool hasValue = at + 1 < words.size();
        if (word == "--yes") {
            yes = true;
        } else if ((word == "--file" || word == "--probe" || word == "--name") && hasValue) {
            (word == "--file"    ? request.file
             : word == "--probe" ? request.probe
                                 : request.name) = words[++at];
        } else if ((word == "--p1" || word == "--p2" || word == "--p3") && hasValue) {
            // One word "X,Y,Z,I,J,K", as zarvek-grid takes it.
            const std::size_t seat = static_cast<std::size_t>(word[3] - '1');
            std::stringstream values(words[++at]);
            std::size_t count = 0;
            for (std::string value; std::getline(values, value, ',');) {
                if (count == 6) {
                    return std::nullopt;
                }
                request.seats[seat][count++] = value;
            }
            if (count != 6) {
                return std::nullopt;
            }
            seatGiven[seat] = true;
        } else {
            return std::nullopt;
        }
    }
    if (!yes || request.file.empty() || request.probe.empty() ||
        !(seatGiven[0] && seatGiven[1] && seatGiven[2])) {
        return std::nullopt;
    }
    return request;
}

Point PointOf(const std::array<std::string, 6>& seat) {
    return Point{ParseFileNumber(seat[0]), ParseFileNumber(seat[1]), ParseFileNumber(seat[2])};
}

Vector VectorOf(const std::array<std::string, 6>& seat) {
    return Vector{ParseFileNumber(seat[3]), ParseFileNumber(seat[4]), ParseFileNumber(seat[5])};
}

int Add(const Request& request) {
    GridFileLock lock(request.file);
    std::optional<GridFile> gridFile = MakeGridFileObj(request.file);
    if (!gridFile) {
        std::fprintf(stderr, "%s is not a grid file\n", request.file.c_str());
        return kFileProblem;
    }
    const auto& s = request.seats;
    const Point P1 = PointOf(s[0]), P2 = PointOf(s[1]), P3 = PointOf(s[2]);
    if (ParseFileSingle(request.probe) != gridFile->sProbeDiameter) {
        std::fprintf(stderr, "refused: another probe diameter\n");
        return kRefused;
    }
    if (CheckLengthsAgainstGridFile(*gridFile, P1, P2, P3) != kLengthsAreGood) {
        std::fprintf(stderr, "refused: more than two lengths are in the file\n");
        return kRefused;
    }
    gridFile->Parts.Add(P1, P2, P3, VectorOf(s[0]), VectorOf(s[1]), VectorOf(s[2]), request.name,
                        "");
    HostLibrary noHost([] { return std::vector<std::string>{}; });
    GridFileWrite(*gridFile, std::move(lock)).Store(noHost);
    return kWritten;
}

}  // namespace
}  // namespace zarvek

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    const std::optional<zarvek::Request> request = zarvek::Parse(words);
    if (!request) {
        std::fprintf(stderr,
                     "usage: grid_add_driver add --yes --file PATH --probe D --name NAME "
                     "--p1 X,Y,Z,I,J,K --p2 X,Y,Z,I,J,K --p3 X,Y,Z,I,J,K\n");
        return zarvek::kUsage;
    }
    try {
        return zarvek::Add(*request);
    } catch (const zarvek::GridFileBusyError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return zarvek::kBusy;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return zarvek::kFileProblem;
    }
}
