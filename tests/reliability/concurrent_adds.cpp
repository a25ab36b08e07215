// concurrent_adds: N processes each add M parts to one grid file at the same time, one adder run
// per part, as operators with several windows or scripts would, while R more processes each
// remove M other parts from it, one run per part. Afterwards the file must hold every added part
// exactly once (no add lost to another's write), each process's parts in the order it added them,
// none of the removed parts (no remove lost either, nor undone by an add that read the file before
// it), read cleanly and be exactly the bytes the writer makes of what it holds.
//
//   concurrent_adds --adder PROGRAM [--tool PROGRAM] [--processes 4] [--parts 25] [--removers 0]
//
// The adder is called with the words of "zarvek-grid add", the tool (default: the adder) with
// those of "zarvek-grid remove --yes --name NAME" (see adder_process.h); the parts' lengths lie
// far apart, so the redundant-length rule never refuses one. An add appends, so it never moves the
// part a remover found; two removers would move each other's parts, which a remove refuses rather
// than guess (the part is no longer at its place), so CTest runs one. Exit status 0 when every
// check held.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <set>
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

// The parts the removers take away lie here, far from the added ones: remover r removes
// kRemovedFirst + r * parts up to the next remover's first, one after the other.
constexpr int kRemovedFirst = 5000;

std::vector<std::string> RemoveWords(const fs::path& gridFile, int index) {
    return {"remove", "--yes", "--file", gridFile.string(), "--name", SpreadPartName(index)};
}

// Runs in the child: waits for the start signal, then makes its runs one after the other. Exits
// with the number of runs that failed.
[[noreturn]] void Worker(const std::string& program,
                         const std::function<std::vector<std::string>(int)>& words,
                         const fs::path& log, int parts, int startSignal) {
    char go = 0;
    while (::read(startSignal, &go, 1) < 0) {
    }
    int failures = 0;
    for (int part = 0; part < parts; ++part) {
        if (WaitFor(StartAdder(program, words(part), log)) != 0) {
            ++failures;
        }
    }
    ::_exit(failures);
}

std::string Check(const fs::path& gridFile, int processes, int parts, int removers) {
    const std::optional<GridFile> read = MakeGridFileObj(gridFile.string());
    if (!read) {
        return "the file is no grid file";
    }
    std::set<std::string> removed;
    for (int index = kRemovedFirst; index < kRemovedFirst + removers * parts; ++index) {
        removed.insert(SpreadPartName(index));
    }
    for (std::size_t at = 1; at <= read->Parts.Count(); ++at) {
        if (removed.contains(read->Parts.Item(at).sName)) {
            return read->Parts.Item(at).sName + " was removed but is in the file";
        }
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

int Run(const std::string& adder, const std::string& tool, int processes, int parts, int removers) {
    ScratchFolder scratch(true);
    const fs::path gridFile = scratch.path() / "Gridfile.dat";
    const fs::path log = scratch.path() / "runs.log";
    GridFile initial = SpreadGridFile(0, 1);
    for (int index = kRemovedFirst; index < kRemovedFirst + removers * parts; ++index) {
        initial.Parts.Add(SpreadPart(index), "");
    }
    WriteFileSafely(gridFile.string(), GridFileBytes(initial));
    int startSignal[2];
    if (::pipe(startSignal) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    std::vector<pid_t> workers;
    const auto startWorker = [&](const std::string& program,
                                 const std::function<std::vector<std::string>(int)>& words) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(startSignal[1]);
            Worker(program, words, log, parts, startSignal[0]);
        }
        workers.push_back(child);
    };
    for (int worker = 0; worker < processes; ++worker) {
        startWorker(adder, [&, worker](int part) {
            return AddWords(gridFile.string(), 1 + worker + processes * part);
        });
    }
    for (int remover = 0; remover < removers; ++remover) {
        startWorker(tool, [&, remover](int part) {
            return RemoveWords(gridFile, kRemovedFirst + remover * parts + part);
        });
    }
    ::close(startSignal[0]);
    const auto started = Clock::now();
    ::close(startSignal[1]);  // every worker's read returns at once: they start together
    int failures = 0;
    for (const pid_t worker : workers) {
        failures += WaitFor(worker);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::string problem = Check(gridFile, processes, parts, removers);
    if (failures > 0) {
        problem = std::to_string(failures) + " runs failed (see " + log.string() + ")";
    }
    if (!problem.empty()) {
        std::fprintf(stderr, "FAILED: %s\nthe files are kept in %s\n", problem.c_str(),
                     scratch.path().c_str());
        return 1;
    }
    std::printf(
        "concurrent adds: %d processes each added %d parts to one grid file at the same time, "
        "while %d more removed %d others each, in %.1f s; the file holds all %d added parts once "
        "each, in each process's order, none of the %d removed, and reads cleanly\n",
        processes, parts, removers, parts, seconds, processes * parts, removers * parts);
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
                     "usage: concurrent_adds --adder PROGRAM [--tool PROGRAM] [--processes N] "
                     "[--parts M] [--removers R]\n");
        return 2;
    }
    PrepareAdderEnvironment();
    try {
        return Run(
            adder, Option(words, "--tool", adder), std::stoi(Option(words, "--processes", "4")),
            std::stoi(Option(words, "--parts", "25")), std::stoi(Option(words, "--removers", "0")));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "FAILED: %s\n", error.what());
        return 1;
    }
}
