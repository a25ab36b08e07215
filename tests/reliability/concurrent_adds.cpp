// concurrent_adds: N processes each add M parts to one grid file at the same time, one adder run
// per part, as operators with several windows or scripts would. Afterwards the file must hold
// every part exactly once (no add lost to another's write), each process's parts in the order it
// added them, read cleanly and be exactly the bytes the writer makes of what it holds.
//
//   concurrent_adds --adder PROGRAM [--processes 4] [--parts 25]
//
// PROGRAM is called with the words of "zarvek-grid add" (see adder_process.h); the parts' lengths
// lie far apart, so the redundant-length rule never refuses one. Exit status 0 when every check
// held.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "adder_process.h"
#include "spread_parts.h"
#include "storage/grid_file_io.h"
#include "storage/safe_write.h"

namespace zarvek::reliability {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// Runs in the child: waits for the start signal, then adds its parts one after the other. Exits
// with the number of adds that failed.
[[noreturn]] void Worker(const std::string& adder, const fs::path& gridFile, const fs::path& log,
                         int worker, int processes, int parts, int startSignal) {
    char go = 0;
    while (::read(startSignal, &go, 1) < 0) {
    }
    int failures = 0;
    for (int part = 0; part < parts; ++part) {
        const int index = 1 + worker + processes * part;
        if (WaitFor(StartAdder(adder, AddWords(gridFile.string(), index), log)) != 0) {
            ++failures;
        }
    }
    ::_exit(failures);
}

std::string Check(const fs::path& gridFile, int processes, int parts) {
    const std::optional<GridFile> read = MakeGridFileObj(gridFile.string());
    if (!read) {
        return "the file is no grid file";
    }
    const int expected = 1 + processes * parts;
    if (read->Parts.Count() != static_cast<std::size_t>(expected)) {
        return "the file holds " + std::to_string(read->Parts.Count()) + " parts instead of " +
               std::to_string(expected);
    }
    std::map<std::string, std::size_t> position;
    for (std::size_t at = 1; at <= read->Parts.Count(); ++at) {
        if (!position.emplace(read->Parts.Item(at).sName, at).second) {
            return read->Parts.Item(at).sName + " is in the file twice";
        }
    }
    for (int index = 0; index < expected; ++index) {
        if (!position.contains(SpreadPartName(index))) {
            return SpreadPartName(index) + " is missing";
        }
    }
    for (int worker = 0; worker < processes; ++worker) {
        for (int part = 1; part < parts; ++part) {
            const int earlier = 1 + worker + processes * (part - 1);
            const int later = 1 + worker + processes * part;
            if (position[SpreadPartName(earlier)] > position[SpreadPartName(later)]) {
                return SpreadPartName(later) + " stands before " + SpreadPartName(earlier);
            }
        }
    }
    if (GridFileBytes(*read) != ReadFileBytes(gridFile)) {
        return "the file is not exactly what the writer makes of its parts";
    }
    if (fs::exists(TemporaryPathFor(gridFile.string()))) {
        return "a temporary file was left";
    }
    return {};
}

int Run(const std::string& adder, int processes, int parts) {
    ScratchFolder scratch(true);
    const fs::path gridFile = scratch.path() / "Gridfile.dat";
    const fs::path log = scratch.path() / "adders.log";
    WriteFileSafely(gridFile.string(), GridFileBytes(SpreadGridFile(0, 1)));
    int startSignal[2];
    if (::pipe(startSignal) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    std::vector<pid_t> workers;
    for (int worker = 0; worker < processes; ++worker) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(startSignal[1]);
            Worker(adder, gridFile, log, worker, processes, parts, startSignal[0]);
        }
        workers.push_back(child);
    }
    ::close(startSignal[0]);
    const auto started = Clock::now();
    ::close(startSignal[1]);  // every worker's read returns at once: they start together
    int failures = 0;
    for (const pid_t worker : workers) {
        failures += WaitFor(worker);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::string problem = Check(gridFile, processes, parts);
    if (failures > 0) {
        problem = std::to_string(failures) + " adds failed (see " + log.string() + ")";
    }
    if (!problem.empty()) {
        std::fprintf(stderr, "FAILED: %s\nthe files are kept in %s\n", problem.c_str(),
                     scratch.path().c_str());
        return 1;
    }
    std::printf(
        "concurrent adds: %d processes each added %d parts to one grid file at the same time in "
        "%.1f s; the file holds all %d added parts once each, in each process's order, and "
        "reads cleanly\n",
        processes, parts, seconds, processes * parts);
    fs::remove_all(scratch.path());
    return 0;
}

}  // namespace
}  // namespace zarvek::reliability

int main(int argc, char** argv) {
    using namespace zarvek::reliability;
    const std::vector<std::string> words(argv + 1, argv + argc);
    const std::string adder = Option(words, "--adder", "");
    if (adder.empty()) {
        std::fprintf(stderr,
                     "usage: concurrent_adds --adder PROGRAM [--processes N] [--parts M]\n");
        return 2;
    }
    PrepareAdderEnvironment();
    try {
        return Run(adder, std::stoi(Option(words, "--processes", "4")),
                   std::stoi(Option(words, "--parts", "25")));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "FAILED: %s\n", error.what());
        return 1;
    }
}
