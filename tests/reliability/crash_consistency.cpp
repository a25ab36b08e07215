// crash_consistency: kills processes that add a part to a large grid file, remove one from it or
// restore its backup, with SIGKILL at many moments spread over their whole run, and checks after
// every kill that the grid file is byte for byte the old or the new complete file, that its
// backup is a file it held before, that nothing but the lock, the fixed temporary file and a
// restore's outgoing file is left beside them, and that the next add, remove or restore succeeds
// over what the kill left.
//
//   crash_consistency --adder PROGRAM [--tool PROGRAM] [--parts 2000] [--kills 240] [--keep]
//
// The adder is called with the words of "zarvek-grid add", the tool (default: the adder) with
// those of "zarvek-grid remove --name NAME" and "zarvek-grid restore" (see adder_process.h). The
// kills come in blocks of five of one kind: adds, then removes, then restores, and so on. The
// uncut runs (three of each kind at first, then every run after a kill that left the old file)
// measure when a run starts writing (the temporary file of an add or remove appears, or the
// outgoing name of a restore) and when the new file takes the place of the old one. Two fifths
// of the kills are aimed before the write (from the start of the process to that moment), two
// fifths inside it (from then to the replace) and one fifth after the replace, to the end of the
// process: for a restore that is where the file it replaced waits under the outgoing name for
// its second rename. Exit status 0 when every check held; the folder is kept for inspection when
// one failed (or with --keep).
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "adder_process.h"
#include "common/number_text.h"
#include "spread_parts.h"
#include "storage/backup_swap.h"
#include "storage/grid_file_io.h"
#include "storage/safe_write.h"

namespace zarvek::reliability {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

class CheckFailed : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

void Require(bool condition, const std::string& what) {
    if (!condition) {
        throw CheckFailed(what);
    }
}

ino_t InodeOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

std::optional<std::string> BytesIfThere(const fs::path& path) {
    if (!fs::exists(path)) {
        return std::nullopt;
    }
    return ReadFileBytes(path);
}

// The part the adder appends, its numbers read from the texts it is given.
void AppendAsTheAdderDoes(GridFile& gridFile, int index) {
    const SeatTextRows texts = SeatTexts(SpreadPart(index));
    std::array<Point, 3> points;
    std::array<Vector, 3> vectors;
    for (std::size_t seat = 0; seat < 3; ++seat) {
        const auto& t = texts[seat];
        points[seat] = Point{ParseFileNumber(t[0]), ParseFileNumber(t[1]), ParseFileNumber(t[2])};
        vectors[seat] = Vector{ParseFileNumber(t[3]), ParseFileNumber(t[4]), ParseFileNumber(t[5])};
    }
    gridFile.Parts.Add(points[0], points[1], points[2], vectors[0], vectors[1], vectors[2],
                       SpreadPartName(index), "");
}

enum class Operation { Add, Remove, Restore };
constexpr std::array kOperations = {Operation::Add, Operation::Remove, Operation::Restore};

const char* NameOf(Operation operation) {
    switch (operation) {
        case Operation::Add:
            return "add";
        case Operation::Remove:
            return "remove";
        case Operation::Restore:
            return "restore";
    }
    return "?";
}

// How long a run spends before its write, in it, and after the replace.
struct Stretches {
    double beforeWrite = 0;
    double write = 0;
    double afterReplace = 0;
};

// When, after its start, an uncut run showed its steps.
struct Phases {
    double writeBegan = 0;  // the temporary file, or a restore's outgoing name, appeared
    double replaced = 0;    // the new file took the old one's place
    double ended = 0;       // the process ended
};

// What became of the kills of one kind of run.
struct Tally {
    int before = 0;
    int inside = 0;
    int after = 0;
    int ended = 0;
    int outgoingLeft = 0;  // restores killed between their two renames
};

// One run to be made: its words, the file it must leave, and the name whose appearance shows
// that it has begun to write.
struct Planned {
    Operation operation;
    std::vector<std::string> words;
    std::string expected;
    fs::path marker;
};

class CrashTest {
  public:
    CrashTest(std::string adder, std::string tool, const fs::path& folder, int parts)
        : adder_(std::move(adder)),
          tool_(std::move(tool)),
          gridFile_(folder / "Armdata" / "Gridfile.dat"),
          temporary_(TemporaryPathFor(gridFile_.string())),
          backup_(BackupPathFor(gridFile_.string())),
          outgoing_(OutgoingPathFor(gridFile_.string())),
          log_(folder / "runs.log"),
          next_(parts),
          firstParts_(parts) {
        fs::create_directory(gridFile_.parent_path());
        current_ = GridFileBytes(SpreadGridFile(0, parts));
        WriteFileSafely(gridFile_.string(), current_);
    }

    void Run(int kills) {
        const auto started = Clock::now();
        for (int calibration = 0; calibration < 3; ++calibration) {
            for (const Operation operation : kOperations) {
                RunUncut(operation);
            }
        }
        for (const Operation operation : kOperations) {
            Require(typical_.contains(operation), std::string("the write of an uncut ") +
                                                      NameOf(operation) +
                                                      " was never seen; use more parts");
        }
        for (int kill = 0; kill < kills; ++kill) {
            KillOneRun(kill);
        }
        RunUncut(Operation::Add);  // the write after the last kill
        Require(ReadFileBytes(gridFile_) == current_ && MakeGridFileObj(gridFile_.string()),
                "the final file is not the one expected");
        Require(!fs::exists(temporary_) && !fs::exists(outgoing_),
                "the last add left its temporary file or an outgoing file");
        std::printf(
            "crash consistency: %d runs killed with SIGKILL while adding to, removing from and "
            "restoring a grid file of about %d parts (%zu KB), %d uncut runs, %.1f s in all\n",
            kills, firstParts_, current_.size() / 1024, uncut_, Seconds(Clock::now() - started));
        for (const Operation operation : kOperations) {
            const Tally& t = tallies_[operation];
            const Stretches& s = typical_[operation];
            std::printf(
                "  %-7s killed before the write %3d, inside it %3d, after the replace %3d, ended "
                "first %3d; uncut (median) %.1f ms before the write, %.1f ms writing, %.1f ms "
                "after\n",
                NameOf(operation), t.before, t.inside, t.after, t.ended, 1000 * s.beforeWrite,
                1000 * s.write, 1000 * s.afterReplace);
        }
        std::printf(
            "  restores killed between their two renames (no backup, the replaced file under "
            "the outgoing name): %d\n"
            "every file was the old or the new one byte for byte, every next run succeeded\n",
            tallies_[Operation::Restore].outgoingLeft);
    }

  private:
    // The run of `operation` on the file as it is now.
    Planned Next(Operation operation) const {
        const std::string file = gridFile_.string();
        std::optional<GridFile> model = MakeGridFileObj(file);
        Require(model.has_value(), "the grid file does not read");
        switch (operation) {
            case Operation::Add: {
                AppendAsTheAdderDoes(*model, next_);
                return {operation, AddWords(file, next_), GridFileBytes(*model), temporary_};
            }
            case Operation::Remove: {
                const std::string name = model->Parts.Item(1).sName;
                model->Parts.Remove(1);
                return {operation,
                        {"remove", "--yes", "--file", file, "--name", name},
                        GridFileBytes(*model),
                        temporary_};
            }
            case Operation::Restore: {
                // What an interrupted restore left under the outgoing name is the backup.
                std::optional<std::string> backup = BytesIfThere(backup_);
                if (!backup) {
                    backup = BytesIfThere(outgoing_);
                }
                Require(backup.has_value(), "there is no backup to restore");
                return {operation, {"restore", "--yes", "--file", file}, *backup, outgoing_};
            }
        }
        throw CheckFailed("no such operation");
    }

    pid_t Start(const Planned& run) const {
        return StartAdder(run.operation == Operation::Add ? adder_ : tool_, run.words, log_);
    }

    // Runs the next `operation` without a kill; the file must then hold exactly the expected
    // bytes and the backup the file it replaced.
    void RunUncut(Operation operation) {
        const Planned run = Next(operation);
        const bool leftover = fs::exists(run.marker);
        const ino_t before = InodeOf(gridFile_);
        const auto start = Clock::now();
        const pid_t process = Start(run);
        Phases phases;
        int status = 0;
        for (;;) {
            if (HasEnded(process, status)) {
                phases.ended = Seconds(Clock::now() - start);
                break;
            }
            if (phases.writeBegan == 0 && !leftover && fs::exists(run.marker)) {
                phases.writeBegan = Seconds(Clock::now() - start);
            }
            if (phases.replaced == 0 && InodeOf(gridFile_) != before) {
                phases.replaced = Seconds(Clock::now() - start);
            }
        }
        const std::string what = std::string("an uncut ") + NameOf(operation);
        Require(status == 0, what + " ended with status " + std::to_string(status) + " (see " +
                                 log_.string() + ")");
        Require(ReadFileBytes(gridFile_) == run.expected, what + " wrote other bytes");
        Require(ReadFileBytes(backup_) == current_, what + " left another backup");
        Require(!fs::exists(outgoing_), what + " left an outgoing file");
        Require(operation == Operation::Restore || !fs::exists(temporary_),
                what + " left its temporary file");
        if (!leftover && phases.writeBegan > 0 && phases.replaced > 0) {
            Learn(operation, phases);
        }
        ++uncut_;
        current_ = run.expected;
        if (operation == Operation::Add) {
            ++next_;
        }
    }

    // The kills are aimed by the medians of the uncut runs: the time a write takes varies (the
    // flush to the disk above all), and a mean would be pulled up by a few slow ones.
    void Learn(Operation operation, const Phases& phases) {
        std::vector<Stretches>& seen = observed_[operation];
        seen.push_back(Stretches{phases.writeBegan, phases.replaced - phases.writeBegan,
                                 phases.ended - phases.replaced});
        const auto median = [&](double Stretches::*field) {
            std::vector<double> values;
            for (const Stretches& observed : seen) {
                values.push_back(observed.*field);
            }
            std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
            return values[values.size() / 2];
        };
        typical_[operation] = Stretches{median(&Stretches::beforeWrite), median(&Stretches::write),
                                        median(&Stretches::afterReplace)};
    }

    // Where kill number `kill` is aimed: two fifths before the write (from the start of the
    // process to the appearance of its marker), two fifths inside it (from then to the replace),
    // one fifth after the replace. Within its stretch the moment follows the golden-ratio
    // sequence, so no two kills share it.
    enum class Aim { BeforeWrite, InsideWrite, AfterReplace };

    static Aim AimOf(int kill) {
        const int fifth = kill % 5;
        return fifth < 2 ? Aim::BeforeWrite : fifth < 4 ? Aim::InsideWrite : Aim::AfterReplace;
    }

    static Operation OperationOf(int kill) { return kOperations[(kill / 5) % kOperations.size()]; }

    static Clock::duration Fraction(double seconds, int kill) {
        const double u = std::fmod((kill + 1) * 0.6180339887498949, 1.0);
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(u * seconds));
    }

    // Spins until `until` says so or the process has ended; false when it ended.
    static bool SpinUntil(pid_t process, int& status, const std::function<bool()>& until) {
        while (!until()) {
            if (HasEnded(process, status)) {
                return false;
            }
        }
        return true;
    }

    void KillOneRun(int kill) {
        const Operation operation = OperationOf(kill);
        const Planned run = Next(operation);
        const Stretches& typical = typical_[operation];
        const std::string old = current_;
        // The backup as the run finds it: an interrupted restore may have left it under the
        // outgoing name.
        const std::optional<std::string> oldOutgoing = BytesIfThere(outgoing_);
        const std::optional<std::string> oldBackup =
            fs::exists(backup_) ? BytesIfThere(backup_) : oldOutgoing;
        const ino_t before = InodeOf(gridFile_);
        const bool leftover = fs::exists(run.marker);
        const auto writeBegan = [&] { return !leftover && fs::exists(run.marker); };
        const auto replaced = [&] { return InodeOf(gridFile_) != before; };
        const auto start = Clock::now();
        const pid_t process = Start(run);
        int status = 0;
        bool running = true;
        switch (AimOf(kill)) {
            case Aim::BeforeWrite: {
                const auto deadline = start + Fraction(typical.beforeWrite, kill);
                running = SpinUntil(process, status,
                                    [&] { return Clock::now() >= deadline || writeBegan(); });
                break;
            }
            case Aim::InsideWrite: {
                running = SpinUntil(process, status, [&] { return writeBegan() || replaced(); });
                const auto deadline = Clock::now() + Fraction(typical.write, kill);
                running = running && SpinUntil(process, status, [&] {
                              return Clock::now() >= deadline || replaced();
                          });
                break;
            }
            case Aim::AfterReplace: {
                running = SpinUntil(process, status, replaced);
                const auto deadline = Clock::now() + Fraction(typical.afterReplace, kill);
                running =
                    running && SpinUntil(process, status, [&] { return Clock::now() >= deadline; });
                break;
            }
        }
        bool ended = !running;
        if (running) {
            ::kill(process, SIGKILL);
            status = WaitFor(process);
            ended = status != 128 + SIGKILL;
        }
        const std::string after =
            "after kill " + std::to_string(kill) + " (" + NameOf(operation) + ")";
        Require(!ended || status == 0, after + " the run had ended with status " +
                                           std::to_string(status) + " (see " + log_.string() + ")");
        const std::string now = ReadFileBytes(gridFile_);
        const bool isNew = now == run.expected && now != old;
        Require(now == old || isNew, after + " the grid file is neither the old nor the new one");
        CheckFolder(after);
        CheckBackup(after, isNew, old, oldBackup, oldOutgoing);

        Tally& tally = tallies_[operation];
        if (ended) {
            ++tally.ended;
        } else if (isNew) {
            ++tally.after;
            tally.outgoingLeft += fs::exists(outgoing_) && !fs::exists(backup_) ? 1 : 0;
        } else if (writeBegan()) {
            ++tally.inside;
        } else {
            ++tally.before;
        }
        if (isNew) {
            current_ = run.expected;
            next_ += operation == Operation::Add ? 1 : 0;
        } else {
            RunUncut(operation);  // the same run must succeed over what the kill left
        }
    }

    // The backup is the file replaced by the run (new file) or one the grid file held before; a
    // file under the outgoing name is the file a restore replaced, waiting to become the backup.
    void CheckBackup(const std::string& after, bool isNew, const std::string& old,
                     const std::optional<std::string>& oldBackup,
                     const std::optional<std::string>& oldOutgoing) const {
        const std::optional<std::string> backup = BytesIfThere(backup_);
        const std::optional<std::string> outgoing = BytesIfThere(outgoing_);
        Require(!outgoing || *outgoing == old || outgoing == oldOutgoing,
                after + " the outgoing file is not the old file");
        if (isNew) {
            Require(backup ? *backup == old : outgoing.has_value(),
                    after + " the backup is not the file replaced");
        } else {
            Require(!backup || *backup == old || backup == oldBackup,
                    after + " the backup is no earlier file");
        }
    }

    // Only the grid file, its backup, its lock file, the one fixed temporary file and a
    // restore's outgoing file.
    void CheckFolder(const std::string& after) const {
        const std::set<std::string> allowed{"Gridfile.dat", "Gridfile.dat.bak", "Gridfile.dat.lock",
                                            "Gridfile.dat.tmp", "Gridfile.dat.bak.new"};
        for (const std::string& name : FolderNames(gridFile_.parent_path())) {
            Require(allowed.contains(name), after + " the folder holds " + name);
        }
    }

    std::string adder_;
    std::string tool_;
    fs::path gridFile_;
    fs::path temporary_;
    fs::path backup_;
    fs::path outgoing_;
    fs::path log_;
    int next_;  // the index of the next part to add
    int firstParts_;
    std::string current_;
    std::map<Operation, Stretches> typical_;  // the medians of observed_
    std::map<Operation, std::vector<Stretches>> observed_;
    std::map<Operation, Tally> tallies_;
    int uncut_ = 0;
};

}  // namespace
}  // namespace zarvek::reliability

int main(int argc, char** argv) {
    using namespace zarvek::reliability;
    const std::vector<std::string> words(argv + 1, argv + argc);
    const std::string adder = Option(words, "--adder", "");
    if (adder.empty()) {
        std::fprintf(stderr,
                     "usage: crash_consistency --adder PROGRAM [--tool PROGRAM] [--parts N] "
                     "[--kills K] [--keep]\n");
        return 2;
    }
    const std::string tool = Option(words, "--tool", adder);
    const int parts = std::stoi(Option(words, "--parts", "2000"));
    const int kills = std::stoi(Option(words, "--kills", "240"));
    const bool keep = std::find(words.begin(), words.end(), "--keep") != words.end();
    PrepareAdderEnvironment();
    bool failed = false;
    {
        ScratchFolder scratch(true);
        try {
            CrashTest test(adder, tool, scratch.path(), parts);
            test.Run(kills);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "FAILED: %s\nthe files are kept in %s\n", error.what(),
                         scratch.path().c_str());
            failed = true;
        }
        if (!failed && !keep) {
            std::filesystem::remove_all(scratch.path());
        }
    }
    return failed ? 1 : 0;
}
