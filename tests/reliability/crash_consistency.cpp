// crash_consistency: kills a process adding a part to a large grid file with SIGKILL at many
// moments spread over its whole run, and checks after every kill that the grid file is byte for
// byte the old or the new complete file, that at most the fixed temporary file is left beside it,
// and that the next add succeeds (reusing or removing that temporary file).
//
//   crash_consistency --adder PROGRAM [--parts 2000] [--kills 240] [--keep]
//
// PROGRAM is called with the words of "zarvek-grid add" (see adder_process.h). The uncut runs
// (three at first, then every add after a kill that left the old file) measure when the temporary
// file appears and when the new file takes the place of the old one. Two fifths of the kills are
// aimed before the write (from the start of the process to the temporary file's appearance), two
// fifths inside it (from the temporary file's appearance, which the test watches for, to the
// replace) and one fifth after the replace, to the end of the process. Exit status 0 when every
// check held; the folder is kept for inspection when one failed (or with --keep).
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <exception>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "adder_process.h"
#include "common/number_text.h"
#include "spread_parts.h"
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

// How long an add spends before its write, in it, and after the replace.
struct Stretches {
    double beforeWrite = 0;
    double write = 0;
    double afterReplace = 0;
};

// When, after its start, an uncut add showed its steps.
struct Phases {
    double temporaryAppeared = 0;  // the temporary file was created
    double replaced = 0;           // the new file took the old one's place
    double ended = 0;              // the process ended
};

class CrashTest {
  public:
    CrashTest(std::string adder, const fs::path& folder, int parts)
        : adder_(std::move(adder)),
          gridFile_(folder / "Armdata" / "Gridfile.dat"),
          temporary_(TemporaryPathFor(gridFile_.string())),
          backup_(BackupPathFor(gridFile_.string())),
          log_(folder / "adder.log"),
          model_(SpreadGridFile(0, parts)),
          next_(parts) {
        fs::create_directory(gridFile_.parent_path());
        current_ = GridFileBytes(model_);
        WriteFileSafely(gridFile_.string(), current_);
    }

    void Run(int kills) {
        const auto started = Clock::now();
        for (int calibration = 0; calibration < 3; ++calibration) {
            AddUncut();
        }
        Require(!observed_.empty(),
                "the temporary file of an uncut add was never seen; use more parts");
        for (int kill = 0; kill < kills; ++kill) {
            KillOneAdd(kill);
        }
        AddUncut();  // the add after the last kill
        CheckFinalFile();
        std::printf(
            "crash consistency: %d adders killed with SIGKILL while adding to a grid file of %d "
            "to %d parts (%zu KB), %d uncut adds, %.1f s in all\n"
            "  killed before the write began:            %d\n"
            "  killed inside the write (temporary file): %d\n"
            "  killed after the new file was in place:   %d\n"
            "  ended before the kill:                    %d\n"
            "  an uncut add (median): %.1f ms before the write, %.1f ms writing, %.1f ms after\n"
            "every file was the old or the new one byte for byte, every next add succeeded\n",
            kills, firstParts_, next_, current_.size() / 1024, uncut_,
            Seconds(Clock::now() - started), before_, inside_, after_, ended_,
            1000 * typical_.beforeWrite, 1000 * typical_.write, 1000 * typical_.afterReplace);
    }

  private:
    std::vector<std::string> Words() const { return AddWords(gridFile_.string(), next_); }

    // Adds the next part without a kill; the file must then hold exactly the expected bytes.
    void AddUncut() {
        const std::string expected = ExpectedAfterNextAdd();
        const bool leftover = fs::exists(temporary_);
        const ino_t before = InodeOf(gridFile_);
        const auto start = Clock::now();
        const pid_t adder = StartAdder(adder_, Words(), log_);
        Phases phases;
        int status = 0;
        for (;;) {
            if (HasEnded(adder, status)) {
                phases.ended = Seconds(Clock::now() - start);
                break;
            }
            if (phases.temporaryAppeared == 0 && !leftover && fs::exists(temporary_)) {
                phases.temporaryAppeared = Seconds(Clock::now() - start);
            }
            if (phases.replaced == 0 && InodeOf(gridFile_) != before) {
                phases.replaced = Seconds(Clock::now() - start);
            }
        }
        Require(status == 0, "an uncut add ended with status " + std::to_string(status) + " (see " +
                                 log_.string() + ")");
        Require(ReadFileBytes(gridFile_) == expected, "an uncut add wrote other bytes");
        Require(!fs::exists(temporary_), "an uncut add left its temporary file");
        Require(ReadFileBytes(backup_) == current_, "the backup is not the file replaced");
        if (!leftover && phases.temporaryAppeared > 0 && phases.replaced > 0) {
            Learn(phases);
        }
        ++uncut_;
        Advance(expected);
    }

    // The kills are aimed by the medians of the uncut runs: the time a write takes varies (the
    // flush to the disk above all), and a mean would be pulled up by a few slow ones.
    void Learn(const Phases& phases) {
        observed_.push_back(Stretches{phases.temporaryAppeared,
                                      phases.replaced - phases.temporaryAppeared,
                                      phases.ended - phases.replaced});
        const auto median = [&](double Stretches::*field) {
            std::vector<double> values;
            for (const Stretches& observed : observed_) {
                values.push_back(observed.*field);
            }
            std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
            return values[values.size() / 2];
        };
        typical_ = Stretches{median(&Stretches::beforeWrite), median(&Stretches::write),
                             median(&Stretches::afterReplace)};
    }

    // Where kill number `kill` is aimed: two fifths before the write (from the start of the
    // process to the appearance of the temporary file), two fifths inside it (from then to the
    // replace), one fifth after the replace. Within its stretch the moment follows the
    // golden-ratio sequence, so no two kills share it.
    enum class Aim { BeforeWrite, InsideWrite, AfterReplace };

    static Aim AimOf(int kill) {
        const int fifth = kill % 5;
        return fifth < 2 ? Aim::BeforeWrite : fifth < 4 ? Aim::InsideWrite : Aim::AfterReplace;
    }

    static Clock::duration Fraction(double seconds, int kill) {
        const double u = std::fmod((kill + 1) * 0.6180339887498949, 1.0);
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(u * seconds));
    }

    // Spins until `until` says so or the process has ended; false when it ended.
    template <typename Until>
    static bool SpinUntil(pid_t adder, int& status, Until until) {
        while (!until()) {
            if (HasEnded(adder, status)) {
                return false;
            }
        }
        return true;
    }

    void KillOneAdd(int kill) {
        const std::string expected = ExpectedAfterNextAdd();
        const ino_t before = InodeOf(gridFile_);
        const auto temporaryAppeared = [&] { return fs::exists(temporary_); };
        const auto replaced = [&] { return InodeOf(gridFile_) != before; };
        const auto start = Clock::now();
        const pid_t adder = StartAdder(adder_, Words(), log_);
        int status = 0;
        bool running = true;
        switch (AimOf(kill)) {
            case Aim::BeforeWrite: {
                const auto deadline = start + Fraction(typical_.beforeWrite, kill);
                running = SpinUntil(
                    adder, status, [&] { return Clock::now() >= deadline || temporaryAppeared(); });
                break;
            }
            case Aim::InsideWrite: {
                running =
                    SpinUntil(adder, status, [&] { return temporaryAppeared() || replaced(); });
                const auto deadline = Clock::now() + Fraction(typical_.write, kill);
                running = running && SpinUntil(adder, status, [&] {
                              return Clock::now() >= deadline || replaced();
                          });
                break;
            }
            case Aim::AfterReplace: {
                running = SpinUntil(adder, status, replaced);
                const auto deadline = Clock::now() + Fraction(typical_.afterReplace, kill);
                running =
                    running && SpinUntil(adder, status, [&] { return Clock::now() >= deadline; });
                break;
            }
        }
        bool ended = !running;
        if (running) {
            ::kill(adder, SIGKILL);
            status = WaitFor(adder);
            ended = status != 128 + SIGKILL;
        }
        Require(!ended || status == 0, "an adder ended with status " + std::to_string(status) +
                                           " (see " + log_.string() + ")");
        const std::string now = ReadFileBytes(gridFile_);
        const bool old = now == current_;
        Require(old || now == expected, "after kill " + std::to_string(kill) +
                                            " the grid file is neither the old nor the new one");
        CheckFolder(kill);
        if (fs::exists(backup_)) {
            const std::string backup = ReadFileBytes(backup_);
            Require(backup == current_ || backup == previous_,
                    "after kill " + std::to_string(kill) + " the backup is no earlier file");
        }
        if (ended) {
            ++ended_;
        } else if (!old) {
            ++after_;
        } else if (fs::exists(temporary_)) {
            ++inside_;
        } else {
            ++before_;
        }
        if (old) {
            AddUncut();  // the next add must succeed over what the kill left
        } else {
            Require(ReadFileBytes(backup_) == current_, "the backup is not the file replaced");
            Advance(expected);
        }
    }

    // Only the grid file, its backup, its lock file and the one fixed temporary file.
    void CheckFolder(int kill) const {
        const std::set<std::string> allowed{"Gridfile.dat", "Gridfile.dat.bak", "Gridfile.dat.lock",
                                            "Gridfile.dat.tmp"};
        for (const std::string& name : FolderNames(gridFile_.parent_path())) {
            Require(allowed.contains(name),
                    "after kill " + std::to_string(kill) + " the folder holds " + name);
        }
    }

    std::string ExpectedAfterNextAdd() {
        AppendAsTheAdderDoes(model_, next_);
        std::string expected = GridFileBytes(model_);
        model_.Parts.Remove(model_.Parts.Count());
        return expected;
    }

    void Advance(const std::string& expected) {
        AppendAsTheAdderDoes(model_, next_);
        ++next_;
        previous_ = current_;
        current_ = expected;
    }

    void CheckFinalFile() const {
        const std::optional<GridFile> read = MakeGridFileObj(gridFile_.string());
        Require(read && read->Parts.Count() == static_cast<std::size_t>(next_),
                "the final file does not hold every part added");
        for (int index = 0; index < next_; ++index) {
            Require(read->Parts.Item(index + 1).sName == SpreadPartName(index),
                    "the final file holds " + read->Parts.Item(index + 1).sName + " at position " +
                        std::to_string(index + 1));
        }
        Require(!fs::exists(temporary_), "the last add left its temporary file");
    }

    std::string adder_;
    fs::path gridFile_;
    fs::path temporary_;
    fs::path backup_;
    fs::path log_;
    GridFile model_;
    int next_;
    int firstParts_ = next_;
    std::string current_;
    std::string previous_;
    Stretches typical_;  // the medians of observed_
    std::vector<Stretches> observed_;
    int uncut_ = 0;
    int before_ = 0;
    int inside_ = 0;
    int after_ = 0;
    int ended_ = 0;
};

}  // namespace
}  // namespace zarvek::reliability

int main(int argc, char** argv) {
    using namespace zarvek::reliability;
    const std::vector<std::string> words(argv + 1, argv + argc);
    const std::string adder = Option(words, "--adder", "");
    if (adder.empty()) {
        std::fprintf(stderr,
                     "usage: crash_consistency --adder PROGRAM [--parts N] [--kills K] "
                     "[--keep]\n");
        return 2;
    }
    const int parts = std::stoi(Option(words, "--parts", "2000"));
    const int kills = std::stoi(Option(words, "--kills", "240"));
    const bool keep = std::find(words.begin(), words.end(), "--keep") != words.end();
    PrepareAdderEnvironment();
    bool failed = false;
    {
        ScratchFolder scratch(true);
        try {
            CrashTest test(adder, scratch.path(), parts);
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
